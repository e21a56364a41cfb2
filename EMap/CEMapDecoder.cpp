#include "CEMapDecoder.h"

#include "Display/CDisplayInfo.h"
#include "Display/OpenGLMode.h"

namespace {

bool bit(unsigned long long mask, int channel)
{
    return channel >= 0 && channel < 64 && (mask >> channel) & 1;
}

} // namespace

void CEMapDecoder::init(int cameras)
{
    if (m_decoder.IsInit() || cameras <= 0)
        return;
    m_decoder.Init(cameras);
    m_decoder.changeOpenglOption(openGLModeSetting() != OPENGL_OFF);
    m_decoder.setDeinterlaced(false);
}

void CEMapDecoder::deinit()
{
    m_decoder.Deinit();
}

void CEMapDecoder::restart(int camera)
{
    if (hasEntry(camera))
        m_decoder.RestartIPicture(camera);
}

bool CEMapDecoder::decode(
    int camera, const DISPLAY_DVR_INFO& info, const QByteArray& frame, const CFrameInfo& header, CDisplayInfo* picture)
{
    if (!hasEntry(camera) || !header.valid)
        return false;
    const auto* bytes = reinterpret_cast<const unsigned char*>(frame.constData());
    const FrameSize size{header.width, header.height};
    const unsigned long decoded = m_decoder.DecodeFrame(info.oldProtocol, camera, bytes + header.dataOffset,
        static_cast<unsigned long>(header.dataSize), size, header.type);
    if (decoded == 0 || decoded != static_cast<unsigned long>(size.width) * size.height * 3)
        return false;
    const QImage shared(
        m_decoder.GetDecodedRGB(camera), size.width, size.height, size.width * 3, QImage::Format_RGB888);
    picture->image = shared.copy();

    const int ch = header.channel;
    picture->channel = ch;
    picture->screen = 0;
    // New-dialect states come with the live status, old-dialect ones with the frame.
    const bool old = info.oldProtocol;
    picture->record = old ? header.record : bit(info.recordMask, ch);
    picture->motion = old ? header.motion : bit(info.motionMask, ch);
    picture->sensor = old ? header.sensor : bit(info.sensorMask, ch);
    picture->videoLoss = old ? header.videoLoss : bit(info.videoLossMask, ch);
    picture->authority = bit(static_cast<unsigned>(info.authorityMask), ch);
    picture->status = false;
    picture->length = static_cast<uint32_t>(frame.size());
    return true;
}
