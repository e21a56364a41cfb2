#include "WireBuilder.h"

namespace {

void putLittle(QByteArray& bytes, int at, quint64 value, int width)
{
    for (int i = 0; i < width; ++i)
        bytes[at + i] = static_cast<char>(value >> (8 * i));
}

void putBig(QByteArray& bytes, int at, quint64 value, int width)
{
    for (int i = 0; i < width; ++i)
        bytes[at + i] = static_cast<char>(value >> (8 * (width - 1 - i)));
}

} // namespace

QByteArray WireBuilder::packet(quint8 id, quint8 type, const QByteArray& payload, bool bigEndian, qint64 declaredLength)
{
    QByteArray bytes("\xFB\xFB\xFB\xFC", 4);
    bytes.append(static_cast<char>(id)).append(static_cast<char>(type)).append(4, '\0');
    const quint64 length = declaredLength < 0 ? quint64(payload.size()) : quint64(declaredLength);
    if (bigEndian)
        putBig(bytes, 6, length, 4);
    else
        putLittle(bytes, 6, length, 4);
    bytes.append(payload).append("\xFB\xFB\xFB\xFD", 4);
    return bytes;
}

QByteArray WireBuilder::newFrame(const NewHeader& header, int payloadBytes)
{
    const int headerSize = (header.type & 3) == 3 ? 40 : 36;
    QByteArray bytes(headerSize + payloadBytes, '\0');
    bytes[0] = static_cast<char>(header.type);
    bytes[1] = static_cast<char>(header.channel);
    bytes[2] = static_cast<char>(header.recReason);
    putLittle(bytes, 4, header.size, 4);
    putLittle(bytes, 8, header.width, 2);
    putLittle(bytes, 10, header.height, 2);
    putLittle(bytes, 12, header.sec, 4);
    putLittle(bytes, 16, header.usec, 4);
    for (int i = headerSize; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(i);
    return bytes;
}

QByteArray WireBuilder::oldFrame(const OldHeader& header, int payloadBytes)
{
    QByteArray bytes(80 + payloadBytes, '\0');
    bytes.replace(0, 2, header.magic.left(2));
    putBig(bytes, 2, header.headerLength, 4);
    putBig(bytes, 8, header.totalLength, 4);
    bytes[12] = static_cast<char>(header.info);
    bytes[13] = static_cast<char>(header.recordAndPlayback);
    putBig(bytes, 14, header.videoLoss, 2);
    bytes[16] = static_cast<char>(header.model);
    putBig(bytes, 17, header.sizeAndType, 4);
    putBig(bytes, 37, header.sec, 4);
    putBig(bytes, 41, header.usec, 4);
    bytes[56] = static_cast<char>(header.channel);
    putBig(bytes, 57, header.dataSize, 4);
    for (int i = 80; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(i);
    return bytes;
}
