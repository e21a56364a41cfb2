#pragma once

#include <QString>

class CLiveCommand;

// The command that switches a DVR's relay output on or off, in the DVR's
// dialect. The newer dialect's message names neither relay nor stream, so
// the same query may be sent again after the DVR's stream has changed; the
// older dialect names the relay and the stream's client id. No state.
class CRelayCommand {
public:
    // Empty when the command names no DVR or the DVR could not take it.
    static QString query(const CLiveCommand& command, unsigned relay, bool on);
};
