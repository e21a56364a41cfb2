#include "CEMapDecoder.h"

#include "Common/CUFrame.h"
#include "Display/CDisplayInfo.h"
#include "Display/OpenGLMode.h"

namespace {

// Old-dialect info byte of a frame header.
const int INFO_MOTION = 0x08;
const int INFO_SENSOR = 0x10;
const int INFO_RECORD = 0x20;

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
    picture->record = bit(info.recordMask, ch);
    picture->motion = bit(info.motionMask, ch);
    picture->sensor = bit(info.sensorMask, ch);
    picture->videoLoss = bit(info.videoLossMask, ch);
    if (info.oldProtocol) {
        CUFrame old;
        old.SetData(bytes, static_cast<int>(frame.size()));
        picture->record = old.GetInfo() & INFO_RECORD;
        picture->motion = old.GetInfo() & INFO_MOTION;
        picture->sensor = old.GetInfo() & INFO_SENSOR;
        picture->videoLoss = bit(old.GetVideoLoss(), ch);
    }
    picture->authority = bit(static_cast<unsigned>(info.authorityMask), ch);
    picture->status = false;
    picture->length = static_cast<uint32_t>(frame.size());
    return true;
}
