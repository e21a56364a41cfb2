#include "CDisplayInfo.h"

bool CDisplayInfo::operator==(const CDisplayInfo& other) const
{
    return image == other.image && channel == other.channel && screen == other.screen && record == other.record
        && motion == other.motion && sensor == other.sensor && name == other.name && title == other.title
        && videoLoss == other.videoLoss && authority == other.authority && status == other.status
        && failure == other.failure && length == other.length && picture == other.picture
        && tileImage == other.tileImage && localRun == other.localRun && clears == other.clears;
}
