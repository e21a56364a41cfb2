#include "RecordingFeed.h"

#include "VideoFrameWrapper.h"

namespace RecordingFeed {

QByteArray nal(int header, int bytes)
{
    QByteArray unit("\x00\x00\x00\x01", 4);
    unit.append(static_cast<char>(header));
    for (int i = 0; unit.size() < bytes; ++i)
        unit.append(static_cast<char>(0x80 | (i & 0x7F)));
    return unit;
}

QByteArray keyPicture()
{
    return nal(0x67, 12) + nal(0x68, 6) + nal(0x65, 300);
}

QByteArray pPicture()
{
    return nal(0x41, 120);
}

QByteArray newFrame(int type, int channel, quint32 sec, quint32 usec, const QByteArray& payload, int reason,
    quint16 width, quint16 height)
{
    const QByteArray data = !payload.isNull() ? payload
        : type == 3                           ? QByteArray(320, '\x55')
        : type == 0                           ? keyPicture()
                                              : pPicture();
    return VideoFrameWrapper::newFrame(data, type, channel, width, height, sec, usec, reason);
}

QByteArray oldFrame(int typeCode, int channel, quint32 sec, int reason, const QByteArray& payload)
{
    const QByteArray data = !payload.isNull() ? payload
        : typeCode == 3                       ? QByteArray(1200, '\x11')
        : typeCode == 1                       ? pPicture()
                                              : nal(0x65, 200);
    return VideoFrameWrapper::oldFrame(data, typeCode, channel, 0x04, sec, 0, 0, reason);
}

} // namespace RecordingFeed
