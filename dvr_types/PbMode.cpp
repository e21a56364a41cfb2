#include "PbMode.h"

namespace {

const char* const forwardTexts[] = {"+1X", "+2X", "+4X", "+8X", "+16X", "+32X", "+64X", "+128X", "+256X"};
const char* const reverseTexts[] = {"-1X", "-2X", "-4X", "-8X", "-16X", "-32X", "-64X", "-128X", "-256X"};

const char* modeText(PbMode mode)
{
    if (PbMode_IsForwardMode(mode))
        return forwardTexts[mode];
    if (PbMode_IsReverseMode(mode))
        return reverseTexts[mode - 16];
    switch (mode) {
    case 32:
        return "STOP";
    case 33:
        return "+1/4X";
    case 34:
        return "+1/2X";
    case 48:
    case 49:
    case 50:
        return "PAUSE";
    case 51:
        return "STEP+";
    case 52:
        return "STEP-";
    default:
        return nullptr;
    }
}

} // namespace

bool PbMode_IsValid(int mode)
{
    return modeText(mode) != nullptr;
}

QString PbMode_Mode2String(PbMode mode)
{
    const char* text = modeText(mode);
    return text ? QString::fromLatin1(text) : QString();
}

int PbMode_Mode2Speed(PbMode mode)
{
    if (PbMode_IsForwardMode(mode))
        return mode;
    if (PbMode_IsReverseMode(mode))
        return mode - 16;
    return 0;
}

bool PbMode_IsForwardMode(PbMode mode)
{
    return mode >= 0 && mode <= 8;
}

bool PbMode_IsReverseMode(PbMode mode)
{
    return mode >= 16 && mode <= 24;
}

bool PbMode_IsSlowMode(PbMode mode)
{
    return mode == 33 || mode == 34;
}

bool PbMode_IsPauseMode(PbMode mode)
{
    return mode >= 48 && mode <= 50;
}

bool PbMode_IsStepMode(PbMode mode)
{
    return mode == 51 || mode == 52;
}

bool PbMode_IsIncrease(PbMode a, PbMode b)
{
    if (PbMode_IsPauseMode(a) || PbMode_IsPauseMode(b))
        return false;
    return PbMode_Mode2Speed(a) > PbMode_Mode2Speed(b);
}

int PbMode_Mode2Direction(PbMode mode, PbMode previous)
{
    if (mode > 52)
        return 0;
    if (PbMode_IsReverseMode(mode) || mode == 50 || mode == 52)
        return 1;
    if (mode == 48) {
        if (previous == 48)
            return 1;
        return PbMode_Mode2Direction(previous, previous);
    }
    return 0;
}
