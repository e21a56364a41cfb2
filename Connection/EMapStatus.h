#pragma once

#include <QMetaType>

// The state of one camera as a streaming connection reports it to the map
// icons of an E-Map view.
struct EMap_Status {
    enum ENUM {
        CONNECTED = 1,
        DISCONNECTED = 2,
        VIDEO_LOSS = 3,
        MOTION = 4,
        SENSOR = 5,
        MOTION_SENSOR = 6,
        RECORD_ON = 7,
        RECORD_OFF = 8,
    };
};

Q_DECLARE_METATYPE(EMap_Status::ENUM)
