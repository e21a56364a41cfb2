#include "CCheckFPS.h"

#include <algorithm>

namespace {

const double MAX_RATE = 1000;

} // namespace

void CCheckFPS::count(const KTimeVal& time)
{
    const std::int64_t us = time.sec * 1000000 + time.usec;
    if (m_frames > 0) {
        const std::int64_t step = us - m_lastUs;
        if (step >= 0 && step <= MAX_STEP_US) {
            ++m_steps;
            m_spanUs += step;
        }
    }
    m_lastUs = us;
    ++m_frames;
}

double CCheckFPS::rate() const
{
    if (m_frames == 0)
        return 0;
    const double measured = m_spanUs > 0 ? m_steps * 1e6 / double(m_spanUs) : double(m_frames);
    return std::clamp(measured, 1.0, MAX_RATE);
}
