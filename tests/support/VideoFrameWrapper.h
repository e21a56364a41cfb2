#pragma once

#include <QByteArray>
#include <QtGlobal>

// Wraps a payload (H.264, or audio for type 3) in a DVR media frame header of
// either dialect, so that encoded test pictures can be fed where DVR frames
// are expected.
class VideoFrameWrapper {
public:
    // New dialect: frame type 0 (I), 1 (P) or 3 (audio).
    static QByteArray newFrame(const QByteArray& payload, int type, int channel, int width, int height, quint32 seconds,
        quint32 microseconds = 0, int recordReason = 0);

    // Old dialect: frame type code 0 or 2 (I), 1 (P) or 3 (audio); the info
    // byte carries the size code (bits 1-2, bit 6) and the motion, sensor and
    // record bits.
    static QByteArray oldFrame(const QByteArray& payload, int typeCode, int channel, quint8 info, quint32 seconds,
        quint32 microseconds = 0, quint16 videoLoss = 0, int recordReason = 0);
};
