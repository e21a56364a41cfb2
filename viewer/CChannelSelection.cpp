#include "CChannelSelection.h"

namespace {

const int CHANNELS = 16;

// The channel at a rank among the set bits of the mask; -1 when the mask has
// fewer.
int channelAtRank(quint32 mask, int rank)
{
    for (int channel = 0; channel < CHANNELS; ++channel) {
        if ((mask >> channel & 1) && rank-- == 0)
            return channel;
    }
    return -1;
}

} // namespace

quint32 CChannelSelection::channelsOnView(quint32 source, Block block, int viewStart, int viewCount, bool manyDvrs)
{
    quint32 channels = 0;
    for (int screen = viewStart; screen < viewStart + viewCount; ++screen) {
        const int place = screen - block.first;
        if (manyDvrs && (place < 0 || place >= block.count))
            continue;
        const int channel = manyDvrs ? channelAtRank(source, place) : screen;
        if (channel >= 0 && channel < CHANNELS && (source >> channel & 1))
            channels |= 1u << channel;
    }
    return channels;
}

int CChannelSelection::channelOfScreen(quint32 mask, Block block, int screen, bool manyDvrs)
{
    if (!manyDvrs)
        return screen >= 0 && screen < CHANNELS && (mask >> screen & 1) ? screen : -1;
    const int place = screen - block.first;
    return place >= 0 && place < block.count ? channelAtRank(mask, place) : -1;
}

bool CChannelSelection::meetsView(Block block, int viewStart, int viewCount)
{
    return block.first < viewStart + viewCount && viewStart < block.first + block.count;
}
