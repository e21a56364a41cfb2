#include "DvrModel.h"

#include "dvr_types/KAssert.h"

DvrModel::DvrModel(int t)
    : m_value(t)
{
    K_ASSERT(IsValid(t), "./dvr_types/model_info.h");
}

bool DvrModel::IsValid(int t)
{
    if (t >= 0 && t <= 17)
        return true;
    if (t >= 50 && t <= 56)
        return true;
    switch (t) {
    case 19:
    case 20:
    case 64:
    case 65:
    case 67:
    case 68:
    case 70:
    case 71:
    case 73:
    case 76:
    case 79:
    case 82:
    case 85:
    case 100:
        return true;
    default:
        return false;
    }
}
