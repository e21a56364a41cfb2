#pragma once

#include "TestDvrSchedule.h"
#include "dvr_protocol/cgi_request.pb.h"

#include <array>
#include <deque>
#include <mutex>

// Where a playback or backup stream of the test DVR stands in the DVR's
// recordings, moved on by its ticks and by playback commands. Frames are
// sent only at recorded times, with each channel's kind as record reason;
// in skip mode (and in a backup) a gap is jumped. A backup runs forward at
// 1X, sends one frame at or after its end time and ends there, or ends
// where the recordings end. A command takes effect commandLag ticks after
// it came. Commands and ticks may come from any thread.
class TestDvrPlaybackCursor {
public:
    // What one tick sends.
    struct Frames {
        bool ended = false; // the stream closes
        quint64 timeUs = 0;
        quint16 channels = 0; // recorded at that time
        std::array<quint8, 16> kinds = {};
        bool keyOnly = false;
        // The frames do not follow on from the previous ones (a jump, a
        // turn, a step): each channel begins again with a key frame.
        bool restart = false;
    };

    TestDvrPlaybackCursor(
        const TestDvrSchedule& schedule, quint32 start, quint32 backupEnd, bool skipMode, int fps, int commandLag);

    Frames next();
    void command(cgi::PbControl::Cmd cmd);
    // The playback-mode code of what the stream does now.
    int mode() const;

    // The old dialect's 5-bit playback code of a mode (frame header byte 13).
    static int oldCode(int mode);

private:
    // The time of the first recorded frame from t on in the direction, or
    // none.
    bool findRecorded(quint64* t, int direction) const;
    int modeLocked() const;
    void takeDueCommands();
    void apply(cgi::PbControl::Cmd cmd);

    mutable std::mutex m_mutex;
    const TestDvrSchedule m_schedule;
    const quint64 m_endUs; // 0: no end
    const bool m_skip;
    const quint64 m_tickUs;
    const int m_commandLag;
    // Commands that came, with the ticks still to pass before each.
    std::deque<std::pair<int, cgi::PbControl::Cmd>> m_pending;
    quint64 m_timeUs;
    int m_direction = 1;
    int m_quarters = 4; // speed in quarters of 1X
    bool m_paused = false;
    bool m_stopped = false;
    int m_steps = 0; // a step to take: +1 or -1
    int m_lastStep = 0;
    bool m_restart = true;
    bool m_ended = false;
};
