#include "WallFeed.h"

#include "H264TestEncoder.h"
#include "VideoFrameWrapper.h"
#include "WireBuilder.h"

_DISPLAY_DVR_INFO WallFeed::dvr(int channelMask, int startScreen)
{
    _DISPLAY_DVR_INFO info;
    info.channelMask = channelMask;
    info.startScreen = startScreen;
    info.dvrName = QStringLiteral("Test DVR");
    for (int ch = 0; ch < 16; ++ch)
        info.channelNames[std::size_t(ch)] = QStringLiteral("Camera %1").arg(ch + 1);
    return info;
}

QList<QByteArray> WallFeed::encodedPictures(int count, int width, int height)
{
    H264TestEncoder encoder(width, height, 25);
    QList<QByteArray> pictures;
    for (const H264TestEncoder::Frame& frame : encoder.encode(count))
        pictures.append(frame.data);
    return pictures;
}

QList<QByteArray> WallFeed::videoFrames(int channel, const QList<QByteArray>& pictures, int width, int height)
{
    QList<QByteArray> frames;
    for (int i = 0; i < pictures.size(); ++i)
        frames.append(VideoFrameWrapper::newFrame(pictures[i], i % 25 == 0 ? 0 : 1, channel, width, height, 1000 + i));
    return frames;
}

QByteArray WallFeed::alawFrame(int channel, bool loud)
{
    WireBuilder::NewHeader header;
    header.type = 3;
    header.channel = static_cast<quint8>(channel);
    header.size = 320;
    QByteArray frame = WireBuilder::newFrame(header, 0);
    // A-law 0xAA and 0x2A are the largest magnitudes of either sign; 0xD5 is
    // the smallest positive step.
    for (int i = 0; i < 320; ++i)
        frame.append(loud ? ((i / 4) % 2 ? '\xAA' : '\x2A') : '\xD5');
    return frame;
}
