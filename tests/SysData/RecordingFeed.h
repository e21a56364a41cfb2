#pragma once

#include <QByteArray>

// DVR frames of both dialects for the recorder tests.
namespace RecordingFeed {

// 2024-01-01 10:00:00 in DVR time.
const quint32 T10 = 1704103200;

// One H.264 NAL unit with a 4-byte start code; the filler never forms one.
QByteArray nal(int header, int bytes);
// Parameter sets and an IDR picture; a P picture.
QByteArray keyPicture();
QByteArray pPicture();

// New dialect: type 0 key, 1 P, 3 audio. Without a payload: keyPicture,
// pPicture or 320 bytes of A-law.
QByteArray newFrame(int type, int channel, quint32 sec, quint32 usec = 0, const QByteArray& payload = QByteArray(),
    int reason = 0, quint16 width = 704, quint16 height = 480);
// Old dialect, 704 x 480: typeCode 0 or 2 key, 1 P, 3 audio. Without a
// payload: an IDR picture without parameter sets (as these DVRs send
// them), pPicture or 1200 bytes of G.723.
QByteArray oldFrame(int typeCode, int channel, quint32 sec, int reason = 0, const QByteArray& payload = QByteArray());

} // namespace RecordingFeed
