#include "CFrameInfo.h"

#include "Common/CChannelNum.h"
#include "Common/CFrame.h"
#include "Common/CUFrame.h"

#include <limits>

namespace {

// Old-dialect info byte of a frame header.
const int INFO_MOTION = 0x08;
const int INFO_SENSOR = 0x10;
const int INFO_RECORD = 0x20;

template <typename Header> CFrameInfo readWith(const Header& header)
{
    CFrameInfo info;
    info.headerValid = header.IsHeaderValid();
    info.valid = header.IsValid();
    info.channel = header.GetChannel();
    info.type = header.GetType();
    info.recordReason = header.GetRecReason();
    header.GetResolution(info.width, info.height);
    info.time = header.GetTime();
    info.dataOffset = static_cast<int>(header.GetDataOffset());
    info.payloadSize = static_cast<int>(header.GetSize());
    info.dataSize = static_cast<int>(header.GetRawDataSize());
    return info;
}

} // namespace

CFrameInfo CFrameInfo::read(bool oldProtocol, const unsigned char* data, std::size_t length)
{
    // Frames beyond the headers' int lengths are never whole.
    if (!data || length > std::size_t(std::numeric_limits<int>::max()))
        return CFrameInfo();
    if (!oldProtocol) {
        CFrame header;
        header.SetData(data, static_cast<int>(length));
        return readWith(header);
    }
    CUFrame header;
    header.SetData(data, static_cast<int>(length));
    CFrameInfo info = readWith(header);
    const int states = header.GetInfo();
    info.record = states & INFO_RECORD;
    info.motion = states & INFO_MOTION;
    info.sensor = states & INFO_SENSOR;
    info.videoLoss = CChannelNum::isEnabled(header.GetVideoLoss(), info.channel);
    info.pbMode = header.GetPbMode();
    return info;
}

CFrameInfo CFrameInfo::read(bool oldProtocol, const QByteArray& frame)
{
    return read(oldProtocol, reinterpret_cast<const unsigned char*>(frame.constData()), std::size_t(frame.size()));
}
