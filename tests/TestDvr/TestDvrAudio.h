#pragma once

#include "Common/CG723Coder.h"

#include <QByteArray>

// The audio a test DVR streams: a tone of its own per channel, as A-law
// frames of 40 ms (new dialect) or G.723 24 kbit/s frames of 400 ms (old).
class TestDvrAudio {
public:
    static constexpr int ALAW_SAMPLES = 320;
    static constexpr int G723_SAMPLES = 3200;

    // The channel's tone from sample `at` on.
    static QByteArray alaw(int channel, qint64 at);
    // The coder keeps its state from frame to frame, as a DVR's does.
    static QByteArray g723(CG723Coder& coder, int channel, qint64 at);
};
