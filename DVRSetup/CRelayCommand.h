#pragma once

#include "ProtoBuf/DVRList.pb.h"

#include <QString>

// The command that switches a DVR's relay output on or off, in the DVR's
// dialect. The newer dialect's message names neither relay nor stream; the
// older dialect names the relay and the client id of the DVR's live
// stream. No state.
class CRelayCommand {
public:
    // Empty when the DVR could not take it.
    static QString query(const DVR& dvr, int clientId, unsigned relay, bool on);
};
