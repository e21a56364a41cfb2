#pragma once

class CSendCommand;

// The command sender of the commands that must outlive the window that gave
// them: the streams' stop requests, a remote playback's control commands
// (its stop as the program ends), and every PTZ, preset tour and relay
// command, which reach it through their DVR's line (COrderedCommands). One
// CSendCommand on the application's thread, owned by the application object
// and made on first use, so a page, a link or the whole main window may go
// right after sending; the program's end waits for its replies
// (CStartup::sendPendingCommands). A request that gets no answer is given
// up after the time limit. GUI thread.
class CApplicationSender {
public:
    static constexpr int TIME_LIMIT_MS = 10000;

    static CSendCommand& instance();
    // Requests still on their way; 0 before the first or without an
    // application object.
    static int pending();
};
