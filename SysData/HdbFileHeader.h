#pragma once

#include <QtGlobal>

// The 12-byte header of a minute database (".hdb") file: "HDB", version 1,
// the DVR's channel count, zeros. Single bytes only, so it is read and
// written as it lies in memory.
struct HdbFileHeader {
    static constexpr int SIZE = 12;

    char code[3] = {'H', 'D', 'B'};
    quint8 version = 1;
    // 0 until a DVR's channel count is known: nothing can be recorded then.
    quint8 channelCount = 0;
    quint8 reserved[7] = {};
};

static_assert(sizeof(HdbFileHeader) == HdbFileHeader::SIZE, "HdbFileHeader is stored byte for byte");
