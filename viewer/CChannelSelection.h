#pragma once

#include <QtGlobal>

// Which of a DVR's channels are on the wall's view, so that the DVR is asked
// to stream those and no others. In the one-DVR view a DVR's screens are its
// channel numbers; in the many-DVR view its block of screens holds the
// channels of its mask in rank order (mask 0x000A puts channels 1 and 3 on
// two consecutive screens). Stateless.
class CChannelSelection {
public:
    struct Block {
        int first = 0; // the DVR's first screen
        int count = 0; // screens of its block
    };

    // The channels of `source` (a mask, bit n for channel n) whose screens
    // lie in the view [viewStart, viewStart + viewCount). The block counts
    // in the many-DVR view only.
    static quint32 channelsOnView(quint32 source, Block block, int viewStart, int viewCount, bool manyDvrs);

    // The channel a screen shows; -1 when none of the mask's (in the
    // many-DVR view, a screen outside the block).
    static int channelOfScreen(quint32 mask, Block block, int screen, bool manyDvrs);

    // The block shares a screen with the view.
    static bool meetsView(Block block, int viewStart, int viewCount);
};
