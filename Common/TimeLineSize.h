#pragma once

// The dimensions of the search time line: channels of a DVR, hours of a day
// and minutes of an hour.
constexpr int MAX_DVR_CHANNEL = 16;
constexpr int HOURS_OF_DAY = 24;
constexpr int MINS_OF_HOUR = 60;
