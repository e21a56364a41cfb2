#include "CMinData.h"

#include "dvr_types/KAssert.h"

void CMinData::SetData(int ch, int min, unsigned char kind)
{
    K_ASSERT(0 <= ch && ch < MAX_DVR_CHANNEL, "Common/CMinData");
    K_ASSERT(0 <= min && min < MINS_OF_HOUR, "Common/CMinData");
    m_data[ch][min] = kind;
}

const unsigned char* CMinData::GetData(int ch) const
{
    K_ASSERT(0 <= ch && ch < MAX_DVR_CHANNEL, "Common/CMinData");
    return m_data[ch];
}
