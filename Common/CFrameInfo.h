#pragma once

#include "dvr_types/KTimeVal.h"
#include "dvr_types/PbMode.h"

#include <QByteArray>
#include <cstddef>

// What is read of a media frame of either dialect, the old 80-byte header
// (CUFrame) or the new one (CFrame), checked against the bytes delivered
// with it. The one reader of a frame's channel, type, size and time: the
// streaming links, the screen wall, the frame router and the recorder all
// take frames through it.
struct CFrameInfo {
    static constexpr int TYPE_KEY = 0;
    static constexpr int TYPE_P = 1;
    static constexpr int TYPE_AUDIO = 3;

    // The header was delivered whole and is sound; enough for frames that
    // are headers alone (a map view's).
    bool headerValid = false;
    // The whole frame is usable: sound header, channel 0-15, payload inside
    // the delivered bytes. Nothing else may be used of a frame that is not.
    bool valid = false;
    int channel = -1;
    // 0 key frame, 1 P frame, 3 audio.
    int type = 0;
    int recordReason = 0;
    int width = 0;
    int height = 0;
    KTimeVal time;
    // The payload: payloadSize bytes from dataOffset, of which the decoder
    // reads dataSize.
    int dataOffset = 0;
    int payloadSize = 0;
    int dataSize = 0;
    // Old dialect only: the states the header carries. New-dialect frames
    // leave them clear; their states come with the live status.
    bool record = false;
    bool motion = false;
    bool sensor = false;
    bool videoLoss = false; // of this frame's channel
    PbMode pbMode = -1;

    static CFrameInfo read(bool oldProtocol, const unsigned char* data, std::size_t length);
    static CFrameInfo read(bool oldProtocol, const QByteArray& frame);
};
