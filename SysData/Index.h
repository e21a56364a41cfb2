#pragma once

#include <QtGlobal>

// One 36-byte record of a frame index (".hrf") file: where a frame lies in
// its frame (".hav") file and what it is. Stored little-endian.
struct Index {
    static constexpr int SIZE = 36;

    quint8 channel = 0;
    // 0 key frame, 1 P frame, 3 audio, as the frame header reports it.
    quint8 type = 0;
    quint32 seconds = 0;
    quint32 microseconds = 0;
    // The whole frame, header included.
    quint32 size = 0;
    // From the start of the frame file.
    quint32 offset = 0;

    void write(unsigned char* out) const;
    // The record stored at `in` (SIZE bytes).
    static Index read(const unsigned char* in);
};
