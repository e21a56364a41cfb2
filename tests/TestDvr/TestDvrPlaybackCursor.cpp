#include "TestDvrPlaybackCursor.h"

#include <algorithm>

namespace {

const quint64 US = 1000000;
const int MAX_QUARTERS = 1024; // 256X

int log2(int value)
{
    int power = 0;
    while (value > 1) {
        value >>= 1;
        ++power;
    }
    return power;
}

} // namespace

TestDvrPlaybackCursor::TestDvrPlaybackCursor(
    const TestDvrSchedule& schedule, quint32 start, quint32 backupEnd, bool skipMode, int fps, int commandLag)
    : m_schedule(schedule)
    , m_endUs(quint64(backupEnd) * US)
    , m_skip(skipMode || backupEnd != 0)
    , m_tickUs(US / quint64(std::clamp(fps, 1, 60)))
    , m_commandLag(std::max(0, commandLag))
    , m_timeUs(quint64(start) * US)
{
}

TestDvrPlaybackCursor::Frames TestDvrPlaybackCursor::next()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    for (auto& pending : m_pending)
        --pending.first;
    takeDueCommands();
    Frames frames;
    frames.ended = m_ended;
    if (m_ended || m_stopped || (m_paused && m_steps == 0))
        return frames;
    const int direction = m_steps != 0 ? m_steps : m_direction;
    quint64 t = m_timeUs;
    if (!findRecorded(&t, direction)) {
        // Past the recordings: a backup ends, a playback waits.
        m_ended = m_endUs != 0;
        frames.ended = m_ended;
        return frames;
    }
    if (t != m_timeUs && !m_skip) {
        // A gap plays as time without frames.
        const quint64 step = m_tickUs * quint64(m_quarters) / 4;
        m_timeUs = direction > 0 ? m_timeUs + step : m_timeUs - std::min(m_timeUs, step);
        return frames;
    }
    const bool jumped = t != m_timeUs;
    for (const TestDvrSchedule::Span& span : m_schedule.spans()) {
        if (quint64(span.start) * US > t || quint64(span.end) * US <= t)
            continue;
        frames.channels |= span.channels;
        for (int channel = 0; channel < 16; ++channel) {
            if ((span.channels >> channel) & 1)
                frames.kinds[std::size_t(channel)] = span.kinds[std::size_t(channel)];
        }
    }
    frames.timeUs = t;
    frames.keyOnly = direction < 0 || m_quarters > 4 || m_steps != 0;
    frames.restart = m_restart || jumped;
    m_restart = m_steps != 0;
    m_ended = m_endUs != 0 && t >= m_endUs;
    const quint64 step = m_steps != 0 ? m_tickUs : m_tickUs * quint64(m_quarters) / 4;
    m_timeUs = direction > 0 ? t + step : t - std::min(t, step);
    m_steps = 0;
    return frames;
}

bool TestDvrPlaybackCursor::findRecorded(quint64* t, int direction) const
{
    bool found = false;
    quint64 best = 0;
    for (const TestDvrSchedule::Span& span : m_schedule.spans()) {
        const quint64 start = quint64(span.start) * US;
        const quint64 end = quint64(span.end) * US;
        if (start >= end)
            continue;
        if (start <= *t && *t < end)
            return true;
        // The nearest recorded time ahead: a span's start forward, the last
        // frame time of a span backward.
        if (direction > 0 && start > *t && (!found || start < best)) {
            best = start;
            found = true;
        } else if (direction < 0 && end <= *t) {
            const quint64 last = std::max(start, end - m_tickUs);
            if (!found || last > best) {
                best = last;
                found = true;
            }
        }
    }
    if (found)
        *t = best;
    return found;
}

void TestDvrPlaybackCursor::command(cgi::PbControl::Cmd cmd)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    // A backup is not played.
    if (m_endUs != 0)
        return;
    m_pending.emplace_back(m_commandLag, cmd);
    takeDueCommands();
}

void TestDvrPlaybackCursor::takeDueCommands()
{
    for (; !m_pending.empty() && m_pending.front().first <= 0; m_pending.pop_front())
        apply(m_pending.front().second);
}

void TestDvrPlaybackCursor::apply(cgi::PbControl::Cmd cmd)
{
    const int direction = m_direction;
    m_lastStep = 0;
    switch (cmd) {
    case cgi::PbControl::CMD_FORWARD:
    case cgi::PbControl::CMD_REVERSE:
        m_direction = cmd == cgi::PbControl::CMD_FORWARD ? 1 : -1;
        m_quarters = 4;
        m_paused = m_stopped = false;
        break;
    case cgi::PbControl::CMD_PAUSE:
        m_paused = true;
        break;
    case cgi::PbControl::CMD_STOP:
        m_stopped = true;
        break;
    case cgi::PbControl::CMD_STEP_REVERSE:
    case cgi::PbControl::CMD_STEP_FORWARD:
        m_steps = m_lastStep = cmd == cgi::PbControl::CMD_STEP_FORWARD ? 1 : -1;
        m_direction = m_steps;
        m_paused = true;
        m_stopped = false;
        break;
    case cgi::PbControl::CMD_SLOWER:
        // Forward down to 1/4X; backward down to 1X.
        m_quarters = std::max(m_direction > 0 ? 1 : 4, m_quarters / 2);
        m_paused = false;
        break;
    case cgi::PbControl::CMD_FASTER:
        m_quarters = std::min(MAX_QUARTERS, m_quarters * 2);
        m_paused = false;
        break;
    default:
        break;
    }
    m_restart = m_restart || m_direction != direction || m_paused;
}

int TestDvrPlaybackCursor::mode() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return modeLocked();
}

int TestDvrPlaybackCursor::modeLocked() const
{
    if (m_stopped)
        return 32;
    if (m_paused)
        return m_lastStep > 0 ? 51 : m_lastStep < 0 ? 52 : 48;
    if (m_quarters < 4)
        return m_quarters == 1 ? 33 : 34;
    return (m_direction > 0 ? 0 : 16) + log2(m_quarters / 4);
}

int TestDvrPlaybackCursor::oldCode(int mode)
{
    if (mode >= 0 && mode <= 8)
        return mode + 1;
    if (mode >= 16 && mode <= 24)
        return mode + 1;
    switch (mode) {
    case 33:
        return 15;
    case 34:
        return 14;
    case 51:
        return 13;
    case 52:
        return 29;
    default:
        return 0; // stop; a pause sends no frames
    }
}
