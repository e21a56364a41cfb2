#pragma once

#include "Common/CDate.h"

#include <cstdint>

// A day and an hour (0 to 23) of the search time line.
struct CDateHour {
    CDate date;
    int hour = 0;

    CDateHour() = default;
    CDateHour(const CDate& date, int hour);
    CDateHour(int year, int month, int day, int hour);

    // The day and hour of a DVR time (seconds since 1970 of the DVR's wall
    // clock, read as UTC).
    static CDateHour fromTime(std::uint32_t seconds);

    bool operator==(const CDateHour& other) const;
    bool operator!=(const CDateHour& other) const { return !(*this == other); }
    // By year, month, day, then hour.
    bool operator<(const CDateHour& other) const;
};

// The order of the set of hours that hold recordings: that of operator<.
struct CDateHourCompareLess {
    bool operator()(const CDateHour& a, const CDateHour& b) const { return a < b; }
};
