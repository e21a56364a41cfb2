#include "CCheckSpeed.h"

#include <QDateTime>
#include <algorithm>
#include <mutex>

CCheckSpeed gCheckSpeed;

void CCheckSpeed::addData(unsigned long bytes, long now)
{
    std::unique_lock<std::shared_mutex> lock(m_lock);
    const int64_t t = now != 0 ? now : QDateTime::currentSecsSinceEpoch();
    if (m_currentSecond == 0) {
        // A wall that read as not drawing before this picture has no last
        // figure to show while it settles.
        if (t > m_resetSecond + kSettleSeconds)
            m_previous.clear();
        m_currentSecond = t + kSettleSeconds;
        return;
    }
    if (t < m_currentSecond)
        return;
    if (t > m_currentSecond) {
        // Seconds without pictures enter the history as zero entries; more
        // than the history holds would only be dropped again.
        const int64_t finished = t - m_currentSecond;
        const int64_t kept = finished < kHistorySeconds ? finished : kHistorySeconds + 1;
        for (int64_t i = 0; i < kept; ++i) {
            m_history.push_back(m_current);
            while (m_history.size() > static_cast<std::size_t>(kHistorySeconds))
                m_history.pop_front();
            m_current = Data();
        }
        m_currentSecond = t;
    }
    m_current.bytes += bytes;
    m_current.pictures += 1;
}

void CCheckSpeed::reset(long now)
{
    const int64_t t = now != 0 ? now : QDateTime::currentSecsSinceEpoch();
    std::unique_lock<std::shared_mutex> lock(m_lock);
    // Resets in a row (a sequence stepping faster than the meter settles)
    // keep the figure from before the first of them.
    if (!readingLocked(t).settling)
        m_previous = countedAt(t);
    m_history.clear();
    m_current = Data();
    m_currentSecond = 0;
    m_resetSecond = t;
}

std::deque<CCheckSpeed::Data> CCheckSpeed::history() const
{
    std::shared_lock<std::shared_mutex> lock(m_lock);
    return m_history;
}

CCheckSpeed::Reading CCheckSpeed::readingAt(long now) const
{
    const int64_t t = now != 0 ? now : QDateTime::currentSecsSinceEpoch();
    std::shared_lock<std::shared_mutex> lock(m_lock);
    return readingLocked(t);
}

CCheckSpeed::Reading CCheckSpeed::readingLocked(int64_t now) const
{
    Reading reading{countedAt(now), false};
    if (!reading.seconds.empty() || m_resetSecond == 0)
        return reading;
    const bool drawing = m_currentSecond != 0;
    // No picture within the settling seconds: the wall draws nothing.
    if (!drawing && now > m_resetSecond + kSettleSeconds)
        return reading;
    reading.settling = true;
    if (drawing)
        reading.seconds = m_previous;
    return reading;
}

std::deque<CCheckSpeed::Data> CCheckSpeed::countedAt(int64_t now) const
{
    std::deque<Data> seconds = m_history;
    if (m_currentSecond == 0 || now <= m_currentSecond)
        return seconds;
    const int64_t finished = std::min<int64_t>(now - m_currentSecond, kHistorySeconds);
    for (int64_t i = 0; i < finished; ++i) {
        seconds.push_back(i == 0 ? m_current : Data());
        if (seconds.size() > static_cast<std::size_t>(kHistorySeconds))
            seconds.pop_front();
    }
    return seconds;
}
