#pragma once

#include <QByteArray>
#include <QtGlobal>

// Builds whole media frames (header and payload) of both DVR dialects, as a
// DVR streams them and as local recordings keep them, for tests that feed
// frames to decoders, routers, recorders or a test DVR.
class MediaFrameBuilder {
public:
    // New dialect: 36-byte little-endian header (40 bytes for type 3).
    struct NewHeader {
        int type = 0; // 0 I frame, 1 P frame, 3 audio
        int channel = 0;
        int recordReason = 0;
        int width = 0;
        int height = 0;
        quint32 seconds = 0;
        quint32 microseconds = 0;
        qint64 sizeField = -1; // the size field; -1 writes the payload's real length
    };

    // Old dialect: 80-byte big-endian header beginning "UM".
    struct OldHeader {
        int typeCode = 0; // 0 and 2 I frame, 1 P frame, 3 audio
        int channel = 0;
        quint8 info = 0x04; // size code in bits 1-2 (2: 704 x 480), motion 3, sensor 4, record 5, PAL 6
        quint8 recordAndPlayback = 0; // record reason in bits 0-1, playback code in bits 3-7
        quint16 videoLoss = 0;
        quint8 model = 12;
        quint32 seconds = 0;
        quint32 microseconds = 0;
        quint32 headerLength = 80;
        qint64 rawSizeField = -1; // -1 writes the payload's real length
        qint64 dataSizeField = -1;
    };

    static QByteArray newFrame(const NewHeader& header, const QByteArray& payload);
    static QByteArray oldFrame(const OldHeader& header, const QByteArray& payload);
};
