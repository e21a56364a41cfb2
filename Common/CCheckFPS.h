#pragma once

#include <cstdint>

// Frame-rate counters that the PC recorder keeps per channel.
class CCheckFPS {
public:
    uint64_t frames = 0; // frames counted
    uint64_t lastSecond = 0; // second of the last counted frame
    uint64_t seconds = 0; // seconds seen
};
