#include "VideoFrameWrapper.h"

#include "WireBuilder.h"

QByteArray VideoFrameWrapper::newFrame(const QByteArray& payload, int type, int channel, int width, int height,
    quint32 seconds, quint32 microseconds, int recordReason)
{
    WireBuilder::NewHeader header;
    header.type = static_cast<quint8>(type);
    header.channel = static_cast<quint8>(channel);
    header.recReason = static_cast<quint8>(recordReason);
    header.size = static_cast<quint32>(payload.size());
    header.width = static_cast<quint16>(width);
    header.height = static_cast<quint16>(height);
    header.sec = seconds;
    header.usec = microseconds;
    return WireBuilder::newFrame(header, 0) + payload;
}

QByteArray VideoFrameWrapper::oldFrame(const QByteArray& payload, int typeCode, int channel, quint8 info,
    quint32 seconds, quint32 microseconds, quint16 videoLoss, int recordReason)
{
    WireBuilder::OldHeader header;
    header.totalLength = static_cast<quint32>(payload.size());
    header.info = info;
    header.recordAndPlayback = static_cast<quint8>(recordReason);
    header.videoLoss = videoLoss;
    header.sizeAndType = (static_cast<quint32>(payload.size()) & 0xFFFFF) | (static_cast<quint32>(typeCode & 3) << 22);
    header.sec = seconds;
    header.usec = microseconds;
    header.channel = static_cast<quint8>(channel);
    header.dataSize = static_cast<quint32>(payload.size());
    return WireBuilder::oldFrame(header, 0) + payload;
}
