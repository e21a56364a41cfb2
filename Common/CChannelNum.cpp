#include "CChannelNum.h"

int CChannelNum::getIndexCount(unsigned long long mask, int ch)
{
    int index = -1;
    for (int bit = 0; bit < 16; ++bit) {
        if (mask & (1ULL << bit)) {
            ++index;
            if (bit == ch)
                break;
        }
    }
    return index;
}

bool CChannelNum::isEnabled(unsigned long long mask, int ch)
{
    if (ch < 0 || ch > 63)
        return false;
    return (mask >> ch) & 1ULL;
}
