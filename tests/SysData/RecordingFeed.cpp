#include "RecordingFeed.h"

#include "WireBuilder.h"

#include <csignal>

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
    WireBuilder::NewHeader h;
    h.type = static_cast<quint8>(type);
    h.channel = static_cast<quint8>(channel);
    h.recReason = static_cast<quint8>(reason);
    h.size = static_cast<quint32>(data.size());
    h.width = width;
    h.height = height;
    h.sec = sec;
    h.usec = usec;
    QByteArray frame = WireBuilder::newFrame(h, int(data.size()));
    return frame.replace(frame.size() - data.size(), data.size(), data);
}

QByteArray oldFrame(int typeCode, int channel, quint32 sec, int reason, const QByteArray& payload)
{
    const QByteArray data = !payload.isNull() ? payload
        : typeCode == 3                       ? QByteArray(1200, '\x11')
        : typeCode == 1                       ? pPicture()
                                              : nal(0x65, 200);
    WireBuilder::OldHeader h;
    h.totalLength = h.dataSize = static_cast<quint32>(data.size());
    h.sizeAndType = static_cast<quint32>(data.size()) | static_cast<quint32>(typeCode) << 22;
    h.info = 0x04;
    h.recordAndPlayback = static_cast<quint8>(reason);
    h.channel = static_cast<quint8>(channel);
    h.sec = sec;
    QByteArray frame = WireBuilder::oldFrame(h, int(data.size()));
    return frame.replace(80, data.size(), data);
}

DiskFull::DiskFull(rlim_t bytes)
{
    std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &m_saved);
    rlimit limited = m_saved;
    limited.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limited);
}

DiskFull::~DiskFull()
{
    setrlimit(RLIMIT_FSIZE, &m_saved);
}

} // namespace RecordingFeed
