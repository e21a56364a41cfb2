#pragma once

#include "ProtoBuf/DVRList.pb.h"

#include <QString>

// The request that changes which channels of a running map stream carry
// full video: those whose video window is open; the others of the camera's
// DVR record travel as headers only. Empty when it cannot go out: the DVR
// has not named the stream yet, or the query is too long for it.
class CEMapChannelRequest {
public:
    static QString query(const DVR& dvr, int clientId, quint32 openChannels);
};
