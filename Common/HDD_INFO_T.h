#pragma once

#include <cstdint>

// One hard disk as a DVR or the PC reports it, in MB. Total is used + free.
struct HDD_INFO_T {
    std::int64_t total = 0;
    std::int64_t used = 0;
    std::int64_t free = 0;

    bool operator==(const HDD_INFO_T& other) const
    {
        return total == other.total && used == other.used && free == other.free;
    }
};
