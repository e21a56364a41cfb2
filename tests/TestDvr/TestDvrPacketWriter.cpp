#include "TestDvrPacketWriter.h"

#include <QtEndian>

QByteArray TestDvrPacketWriter::packet(quint8 clientId, quint8 type, QByteArrayView payload, bool bigEndian)
{
    QByteArray out;
    appendPacket(out, clientId, type, payload, bigEndian);
    return out;
}

void TestDvrPacketWriter::appendPacket(
    QByteArray& out, quint8 clientId, quint8 type, QByteArrayView payload, bool bigEndian)
{
    static const char startMarker[] = "\xFB\xFB\xFB\xFC";
    static const char endMarker[] = "\xFB\xFB\xFB\xFD";
    const quint32 length = static_cast<quint32>(payload.size());
    char field[4];
    if (bigEndian)
        qToBigEndian(length, field);
    else
        qToLittleEndian(length, field);

    out.reserve(out.size() + payload.size() + 14);
    out.append(startMarker, 4);
    out.append(static_cast<char>(clientId));
    out.append(static_cast<char>(type));
    out.append(field, 4);
    out.append(payload);
    out.append(endMarker, 4);
}
