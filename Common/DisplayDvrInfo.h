#pragma once

#include "Common/CLinkFailure.h"

#include <QMetaType>
#include <QString>
#include <array>

// What a streaming connection tells the receivers of its frames about its DVR
// and its screens; passed by value with every frame and status report.
// DISPLAY_DVR_INFO is the name under which it crosses threads in queued
// signals.
struct _DISPLAY_DVR_INFO {
    // DISPLAY_MODE: 0 live, 1 remote playback or backup, 2 local-file playback.
    int mode = 0;
    // The DVR's current PbMode; STOP until the DVR reports one.
    int pbMode = 32;
    int startScreen = 0;
    int screenCount = 0;
    // Channels requested from the DVR.
    int channelMask = 0;
    // Channels the DVR lets this user watch.
    int authorityMask = 0xFFFF;
    QString dvrName;
    // Camera names by DVR channel; only the DVR's channels are filled.
    std::array<QString, 16> channelNames;
    // Shown instead of pictures after a failure, worded when shown.
    CLinkFailure failure;
    // DvrModel number, normalised by the connection.
    int model = 0;
    // Live event state by channel (new dialect only).
    unsigned long long recordMask = 0;
    unsigned long long motionMask = 0;
    unsigned long long sensorMask = 0;
    unsigned long long videoLossMask = 0;
    // Frames carry the old 80-byte header.
    bool oldProtocol = false;
};

typedef _DISPLAY_DVR_INFO DISPLAY_DVR_INFO;

Q_DECLARE_METATYPE(_DISPLAY_DVR_INFO)
