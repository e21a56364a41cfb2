#pragma once

#include "Common/CG723Coder.h"

// Turns one DVR audio frame into 16-bit linear PCM at 8 kHz: G.723 24 kbit/s
// ADPCM from DVRs of the old dialect, G.711 A-law from the others. The G.723
// state carries over from frame to frame, whatever the channel.
//
// The PCM has one channel rule wherever it goes (live sound, local playback,
// AVI files): old-dialect G.723 is two interleaved channels, A-law one.
class CDecodeAudio {
public:
    static constexpr int SAMPLE_RATE = 8000;
    static constexpr int BITS_PER_SAMPLE = 16;

    static int getEncodedSize(bool g723) { return g723 ? 1200 : 320; }
    // Samples of one frame, all channels counted.
    static int getDecodedSize(bool g723) { return g723 ? 3200 : 320; }
    static int getChannels(bool g723) { return g723 ? 2 : 1; }

    // -1 when the input is not one whole frame or the output does not hold
    // exactly one frame's samples (the state is then unchanged); otherwise
    // the number of samples written.
    int DecodeFrame(bool g723, const unsigned char* input, int inputLength, short* output, int outputCapacity);

private:
    CG723Coder m_coder;
};
