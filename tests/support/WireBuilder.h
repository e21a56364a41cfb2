#pragma once

#include <QByteArray>

// Builds DVR wire data for tests: framed packets and the media frame headers
// of both dialects, from plain field values.
class WireBuilder {
public:
    // A packet FB FB FB FC | id | type | length | payload | FB FB FB FD. The
    // declared length is the payload's size unless given.
    static QByteArray packet(
        quint8 id, quint8 type, const QByteArray& payload, bool bigEndian = false, qint64 declaredLength = -1);

    struct NewHeader {
        quint8 type = 0;
        quint8 channel = 0;
        quint8 recReason = 0;
        quint32 size = 0;
        quint16 width = 704;
        quint16 height = 480;
        quint32 sec = 0;
        quint32 usec = 0;
    };
    // The 36-byte header (40 for type 3) followed by payloadBytes bytes.
    static QByteArray newFrame(const NewHeader& header, int payloadBytes);

    struct OldHeader {
        QByteArray magic = "UM";
        quint32 headerLength = 80;
        quint32 totalLength = 0;
        quint8 info = 0;
        quint8 recordAndPlayback = 0;
        quint16 videoLoss = 0;
        quint8 model = 12;
        quint32 sizeAndType = 0;
        quint32 sec = 0;
        quint32 usec = 0;
        quint8 channel = 0;
        quint32 dataSize = 0;
    };
    // The 80-byte header followed by payloadBytes bytes.
    static QByteArray oldFrame(const OldHeader& header, int payloadBytes);

    // The serialized bytes of a protocol message.
    template <class Message> static QByteArray bytesOf(const Message& message)
    {
        return QByteArray::fromStdString(message.SerializeAsString());
    }
};
