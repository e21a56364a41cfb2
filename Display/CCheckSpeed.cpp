#include "CCheckSpeed.h"

#include <algorithm>
#include <mutex>

CCheckSpeed gCheckSpeed;

namespace {

using Seconds = std::chrono::duration<double>;

QString rateText(double perSecond)
{
    // Whole pictures a second would read a slow wall as 0.
    if (perSecond < 9.95)
        return QString::number(perSecond, 'g', 2);
    return QString::number(perSecond, 'f', 0);
}

} // namespace

void CCheckSpeed::addData(unsigned long bytes, Clock::time_point at)
{
    std::unique_lock<std::shared_mutex> lock(m_lock);
    if (!m_first) {
        m_first = at;
        m_last = at;
        return;
    }
    // Writers on several threads take their times before the lock: one may
    // come in a little behind another. It was drawn all the same.
    at = std::max(at, m_last);
    const int64_t second = std::chrono::duration_cast<std::chrono::seconds>(at - *m_first).count();
    const int64_t end = m_dropped + static_cast<int64_t>(m_seconds.size());
    if (second >= end) {
        // Seconds without pictures enter as empty ones; those that would be
        // dropped at once are never made.
        const int64_t front = std::max(m_dropped, second - kHistorySeconds + 1);
        const int64_t drop = std::min<int64_t>(front - m_dropped, static_cast<int64_t>(m_seconds.size()));
        m_seconds.erase(m_seconds.begin(), m_seconds.begin() + drop);
        m_dropped = front;
        m_seconds.resize(static_cast<std::size_t>(second - m_dropped + 1));
    }
    m_seconds.back().bytes += bytes;
    m_seconds.back().pictures += 1;
    m_last = at;
}

void CCheckSpeed::reset(Clock::time_point at)
{
    std::unique_lock<std::shared_mutex> lock(m_lock);
    m_reset = at;
    m_first.reset();
    m_seconds.clear();
    m_dropped = 0;
}

QString CCheckSpeed::readOut(Clock::time_point at) const
{
    std::optional<Figure> figure;
    {
        std::shared_lock<std::shared_mutex> lock(m_lock);
        figure = figureLocked(at);
    }
    if (!figure)
        return QString();
    return tr("%1 FPS / %2").arg(rateText(figure->perSecond)).arg(figure->bytesPerPicture);
}

std::optional<CCheckSpeed::Figure> CCheckSpeed::figureLocked(Clock::time_point at) const
{
    if (!m_first) {
        // The first picture may still come: no figure rather than a false 0.
        if (m_reset && at - *m_reset <= kQuiet)
            return std::nullopt;
        return Figure();
    }
    Data counted;
    for (const Data& second : m_seconds) {
        counted.bytes += second.bytes;
        counted.pictures += second.pictures;
    }
    const Clock::duration span = m_last - (*m_first + std::chrono::seconds(m_dropped));
    Clock::duration quiet = kQuiet;
    if (counted.pictures > 0)
        quiet = std::max<Clock::duration>(quiet, 2 * span / static_cast<Clock::rep>(counted.pictures));
    if (at - m_last > quiet)
        return Figure();
    if (counted.pictures == 0 || span < kShortestSpan)
        return std::nullopt;
    return Figure{counted.pictures / Seconds(span).count(), counted.bytes / counted.pictures};
}
