#pragma once

#include <QByteArray>
#include <QImage>

// Writes one H.264 IDR picture made only of uncompressed (I_PCM) macroblocks,
// as a single slice NAL unit without parameter sets: the shape of an
// old-dialect DVR's I frame, which relies on the receiver to put the sequence
// and picture parameter sets in front. The slice header matches the fixed
// parameter sets of the old dialect (CAVLC, frame numbers of 9 bits, picture
// order counts of 10 bits, no deblocking control), and because the samples are
// stored uncompressed the decoded picture equals the given one up to the
// colour conversion. Width and height must be multiples of 16.
class H264PcmSlice {
public:
    static QByteArray make(const QImage& picture, int log2MaxFrameNum = 9, int log2MaxPocLsb = 10);

private:
    class BitWriter;
};
