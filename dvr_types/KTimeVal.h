#pragma once

#include <cstdint>

// A time as whole seconds and microseconds (0 to 999 999 when normalised):
// frame times of a DVR stream and readings of the system clock. Seconds are
// 64-bit so that DVR times past 2038 and stream times scaled for slow
// playback (a real time divided by 0.25) still fit.
struct KTimeVal {
    std::int64_t sec = 0;
    int usec = 0;

    static KTimeVal GetSystemTv();

    // Scales a stream time for fast or slow playback, in whole milliseconds.
    // Real DVR times are about 1.4e12 ms, far beyond the 24 bits a float
    // carries, so the quotient is taken in double precision: a time divided
    // by 1.0 comes back unchanged up to its milliseconds.
    KTimeVal operator/(double f) const;
};
