#pragma once

#include <QByteArray>
#include <QByteArrayView>

// Frames payloads as a DVR sends them on its CGI endpoint:
//   FB FB FB FC | client id | type | length (4) | payload | FB FB FB FD
// The length is big-endian in the old dialect and little-endian in the new.
class TestDvrPacketWriter {
public:
    static QByteArray packet(quint8 clientId, quint8 type, QByteArrayView payload, bool bigEndian = false);
    static void appendPacket(
        QByteArray& out, quint8 clientId, quint8 type, QByteArrayView payload, bool bigEndian = false);
};
