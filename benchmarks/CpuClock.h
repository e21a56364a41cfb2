#pragma once

#include <ctime>

// Processor time of a clock (this process, this thread, or another thread's
// clock), in seconds.
inline double cpuSeconds(clockid_t clock)
{
    timespec now{};
    clock_gettime(clock, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}
