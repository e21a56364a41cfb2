#pragma once

#include <QByteArray>
#include <QString>
#include <array>

// What local playback reads from the 413-byte header of a frame (".hav")
// file: the DVR model and the names the recording was made with. The file
// is input like any other: names end at their NUL or after 20 bytes, and a
// model number no DVR has reads as model 0.
struct HavFileHeader {
    static constexpr int SIZE = 413;

    int model = 0;
    QString dvrName;
    std::array<QString, 16> cameraNames;

    // False when the bytes do not begin with a whole frame file header.
    static bool read(const QByteArray& bytes, HavFileHeader* header);
};
