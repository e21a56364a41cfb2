#include "CEMapLog.h"

#include "Connection/EMapStatus.h"

QString CEMapLog::statusWord(int status)
{
    switch (status) {
    case EMap_Status::CONNECTED:
        return QStringLiteral("connected");
    case EMap_Status::DISCONNECTED:
        return QStringLiteral("disconnected");
    case EMap_Status::VIDEO_LOSS:
        return QStringLiteral("video loss");
    case EMap_Status::MOTION:
        return QStringLiteral("motion");
    case EMap_Status::SENSOR:
        return QStringLiteral("sensor");
    case EMap_Status::MOTION_SENSOR:
        return QStringLiteral("motion + sensor");
    case EMap_Status::RECORD_ON:
        return QStringLiteral("record on");
    case EMap_Status::RECORD_OFF:
        return QStringLiteral("record off");
    default:
        return QString();
    }
}

QString CEMapLog::line(const QString& time, const QString& dvrName, const QString& channelName, int status)
{
    const QString word = statusWord(status);
    if (word.isEmpty())
        return QString();
    return time + QStringLiteral("  %1  %2  ").arg(dvrName, channelName) + word;
}
