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
        m_currentSecond = t + 2;
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

void CCheckSpeed::reset()
{
    std::unique_lock<std::shared_mutex> lock(m_lock);
    m_history.clear();
    m_current = Data();
    m_currentSecond = 0;
}

std::deque<CCheckSpeed::Data> CCheckSpeed::history() const
{
    std::shared_lock<std::shared_mutex> lock(m_lock);
    return m_history;
}

std::deque<CCheckSpeed::Data> CCheckSpeed::historyAt(long now) const
{
    const int64_t t = now != 0 ? now : QDateTime::currentSecsSinceEpoch();
    std::shared_lock<std::shared_mutex> lock(m_lock);
    std::deque<Data> seconds = m_history;
    if (m_currentSecond == 0 || t <= m_currentSecond)
        return seconds;
    const int64_t finished = std::min<int64_t>(t - m_currentSecond, kHistorySeconds);
    for (int64_t i = 0; i < finished; ++i) {
        seconds.push_back(i == 0 ? m_current : Data());
        if (seconds.size() > static_cast<std::size_t>(kHistorySeconds))
            seconds.pop_front();
    }
    return seconds;
}
