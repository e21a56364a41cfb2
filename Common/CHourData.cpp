#include "CHourData.h"

#include "dvr_types/KAssert.h"

unsigned char& CHourData::operator[](int h)
{
    K_ASSERT(0 <= h && h < HOURS_OF_DAY, "Common/CHourData");
    return m_hours[h];
}

unsigned char CHourData::operator[](int h) const
{
    K_ASSERT(0 <= h && h < HOURS_OF_DAY, "Common/CHourData");
    return m_hours[h];
}
