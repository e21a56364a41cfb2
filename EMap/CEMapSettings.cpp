#include "CEMapSettings.h"

#include "Settings/CAppSettings.h"
#include "sys_conf/types/event.h"

#include <limits>

namespace {

int readChoice(const QString& key, int last)
{
    bool ok = false;
    const int value = CAppSettings().readSetting(key, 0).toInt(&ok);
    return ok && value >= 0 && value <= last ? value : 0;
}

} // namespace

int CEMapSettings::popup()
{
    return readChoice(CAppSettings::EMAP_POPUP, 1);
}

int CEMapSettings::popdown()
{
    return readChoice(CAppSettings::EMAP_POPDOWN, config::Event_PopDownType_PopDownType_MAX);
}

int CEMapSettings::imageSize()
{
    return readChoice(CAppSettings::EMAP_IMAGESIZE, ORIGINAL);
}

int CEMapSettings::popdownMilliseconds()
{
    const int seconds = config::PopDownType_Type2Value(config::PopDownType_Index2Type(popdown()));
    return seconds >= std::numeric_limits<int>::max() / 1000 ? 0 : seconds * 1000;
}
