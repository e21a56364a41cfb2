#pragma once

#include "Common/TimeLineSize.h"

#include <cstdint>

// One date of the time line: the record kind of every channel, hour and minute.
struct _TIMELINE_DATA {
    std::uint32_t data[MAX_DVR_CHANNEL][HOURS_OF_DAY][MINS_OF_HOUR] = {};
};
