#pragma once

#include "Common/DisplayDvrInfo.h"

#include <QByteArray>
#include <QList>

// What streaming connections hand the screen wall, for tests and benchmarks
// of the wall: a connection's display information, live video frames of the
// H.264 test pattern and A-law audio frames, all of the new dialect.
class WallFeed {
public:
    static _DISPLAY_DVR_INFO dvr(int channelMask = 0xFFFF, int startScreen = 0);
    // The payloads of `count` frames of the test pattern, an I frame first.
    static QList<QByteArray> encodedPictures(int count, int width = 704, int height = 480);
    // Those payloads as live frames of one channel, header included.
    static QList<QByteArray> videoFrames(
        int channel, const QList<QByteArray>& pictures, int width = 704, int height = 480);
    // One audio frame (320 A-law samples) of a channel: a full-scale square
    // wave, or silence.
    static QByteArray alawFrame(int channel, bool loud = true);
};
