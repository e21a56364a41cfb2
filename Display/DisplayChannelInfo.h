#pragma once

#include "Common/CLinkFailure.h"
#include "Display/DisplayMode.h"
#include "dvr_types/PbMode.h"

#include <QString>
#include <cstdint>

// What the screen wall tells the frame router about one arriving frame (or
// status change) of a channel: where it goes on the wall and what to show
// with it.
struct _DISPLAY_CHANNEL_INFO {
    DISPLAY_MODE::ENUM mode = DISPLAY_MODE::LIVE;
    PbMode pbMode = 32;
    int screenIndex = 0; // screen within the current view (0-63): also the decoder slot
    int screen = 0; // absolute screen number (0-255)
    bool authority = true;
    QString name;
    QString title;
    CLinkFailure failure; // null for frames
    bool record = false;
    bool motion = false;
    bool sensor = false;
    bool videoLoss = false;
    bool oldProtocol = false; // 80-byte old-dialect frame headers
    uint32_t clears = 0; // the wall's clears before the frame came, set by the router
};
