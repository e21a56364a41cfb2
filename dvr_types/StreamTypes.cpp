#include "StreamTypes.h"

bool VideoType_IsValid(int value)
{
    return value == 0 || value == 1;
}

bool KCodecType_IsValid(int value)
{
    return value == 0 || value == 1 || value == 3;
}

bool NetworkStream_IsValid(int value)
{
    return value == 1;
}

bool FrameType_IsValid(int value)
{
    return value == 0 || value == 1 || value == 3;
}

bool RecordReason_IsValid(int value)
{
    return value >= 0 && value <= 3;
}

QString NetworkStream_Index2String(int value)
{
    switch (value) {
    case 0:
        return QStringLiteral("JPEG");
    case 1:
        return QStringLiteral("H264");
    default:
        return QString();
    }
}

RecordReason RecordReason_Update(RecordReason /*oldReason*/, RecordReason newReason)
{
    return newReason;
}
