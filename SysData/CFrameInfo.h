#pragma once

#include "dvr_types/KTimeVal.h"

#include <QByteArray>

// What the recorder's writers need from a media frame of either dialect:
// the old 80-byte header (CUFrame) or the new one (CFrame). A frame whose
// header is damaged or whose sizes reach past the delivered bytes is not
// valid and must not be written.
struct CFrameInfo {
    static constexpr int TYPE_KEY = 0;
    static constexpr int TYPE_AUDIO = 3;

    bool valid = false;
    int channel = 0;
    // 0 key frame, 1 P frame, 3 audio.
    int type = 0;
    int recordReason = 0;
    int width = 0;
    int height = 0;
    KTimeVal time;
    // The payload: dataSize bytes from dataOffset, inside the frame.
    int dataOffset = 0;
    int dataSize = 0;

    static CFrameInfo read(bool oldProtocol, const QByteArray& frame);
};
