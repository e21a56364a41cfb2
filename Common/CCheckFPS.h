#pragma once

#include "dvr_types/KTimeVal.h"

#include <cstdint>

// The frame-rate counter that the PC recorder keeps per channel: from the
// frame times of a file's pictures, the rate (with its fraction) at which
// they last as long as the stream they came from, so that the file's video
// and its sound end together.
//
// A step back (the DVR's clock set back) or a step longer than MAX_STEP_US
// (a gap in event recording, a stalled stream, a clock set forward) is no
// time the pictures cover: it counts as one average frame interval.
class CCheckFPS {
public:
    static constexpr std::int64_t MAX_STEP_US = 10000000;

    void count(const KTimeVal& time);
    // Frames a second; at least 1 once a frame was counted. Frames that all
    // share one time give their count.
    double rate() const;
    std::uint64_t frames() const { return m_frames; }

private:
    std::uint64_t m_frames = 0;
    std::int64_t m_lastUs = 0;
    // The steps between frames that are time the pictures cover.
    std::uint64_t m_steps = 0;
    std::int64_t m_spanUs = 0;
};
