#pragma once

#include "Common/TimeLineSize.h"

// The hours of one day of the time line, one byte per hour (1 = holds
// recordings), filled and drawn by the hour bar.
class CHourData {
public:
    unsigned char& operator[](int h);
    unsigned char operator[](int h) const;

private:
    unsigned char m_hours[HOURS_OF_DAY] = {};
};
