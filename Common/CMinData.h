#pragma once

#include "Common/TimeLineSize.h"

// The minutes of one hour of the time line: one record-kind byte per channel
// and minute (0 = nothing recorded), channel-major.
class CMinData {
public:
    void SetData(int ch, int min, unsigned char kind);
    // The channel's 60 minute bytes.
    const unsigned char* GetData(int ch) const;

private:
    unsigned char m_data[MAX_DVR_CHANNEL][MINS_OF_HOUR] = {};
};
