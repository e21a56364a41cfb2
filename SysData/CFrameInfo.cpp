#include "CFrameInfo.h"

#include "Common/CFrame.h"
#include "Common/CUFrame.h"

#include <limits>

namespace {

template <typename Header> CFrameInfo readWith(const QByteArray& frame)
{
    Header header;
    header.SetData(reinterpret_cast<const unsigned char*>(frame.constData()), static_cast<int>(frame.size()));
    CFrameInfo info;
    if (!header.IsValid())
        return info;
    info.valid = true;
    info.channel = header.GetChannel();
    info.type = header.GetType();
    info.recordReason = header.GetRecReason();
    header.GetResolution(info.width, info.height);
    info.time = header.GetTime();
    info.dataOffset = static_cast<int>(header.GetDataOffset());
    info.dataSize = static_cast<int>(header.GetRawDataSize());
    return info;
}

} // namespace

CFrameInfo CFrameInfo::read(bool oldProtocol, const QByteArray& frame)
{
    if (frame.size() > std::numeric_limits<int>::max())
        return CFrameInfo();
    return oldProtocol ? readWith<CUFrame>(frame) : readWith<CFrame>(frame);
}
