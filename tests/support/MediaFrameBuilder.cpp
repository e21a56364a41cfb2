#include "MediaFrameBuilder.h"

#include <QtEndian>

namespace {

void putLittle16(QByteArray& b, int at, quint16 v)
{
    qToLittleEndian(v, b.data() + at);
}
void putLittle32(QByteArray& b, int at, quint32 v)
{
    qToLittleEndian(v, b.data() + at);
}
void putBig16(QByteArray& b, int at, quint16 v)
{
    qToBigEndian(v, b.data() + at);
}
void putBig32(QByteArray& b, int at, quint32 v)
{
    qToBigEndian(v, b.data() + at);
}

} // namespace

QByteArray MediaFrameBuilder::newFrame(const NewHeader& h, const QByteArray& payload)
{
    QByteArray frame(h.type == 3 ? 40 : 36, '\0');
    frame[0] = static_cast<char>(h.type & 3);
    frame[1] = static_cast<char>(h.channel);
    frame[2] = static_cast<char>(h.recordReason & 3);
    putLittle32(frame, 4, static_cast<quint32>(h.sizeField < 0 ? payload.size() : h.sizeField));
    putLittle16(frame, 8, static_cast<quint16>(h.width));
    putLittle16(frame, 10, static_cast<quint16>(h.height));
    putLittle32(frame, 12, h.seconds);
    putLittle32(frame, 16, h.microseconds);
    return frame + payload;
}

QByteArray MediaFrameBuilder::oldFrame(const OldHeader& h, const QByteArray& payload)
{
    QByteArray frame(80, '\0');
    frame[0] = 'U';
    frame[1] = 'M';
    putBig32(frame, 2, h.headerLength);
    putBig32(frame, 8, static_cast<quint32>(payload.size()));
    frame[12] = static_cast<char>(h.info);
    frame[13] = static_cast<char>(h.recordAndPlayback);
    putBig16(frame, 14, h.videoLoss);
    frame[16] = static_cast<char>(h.model);
    const quint32 rawSize = static_cast<quint32>(h.rawSizeField < 0 ? payload.size() : h.rawSizeField);
    putBig32(frame, 17, (rawSize & 0xFFFFFu) | (static_cast<quint32>(h.typeCode & 3) << 22));
    putBig32(frame, 37, h.seconds);
    putBig32(frame, 41, h.microseconds);
    putBig32(frame, 53, static_cast<quint32>(h.channel));
    putBig32(frame, 57, static_cast<quint32>(h.dataSizeField < 0 ? payload.size() : h.dataSizeField));
    return frame + payload;
}
