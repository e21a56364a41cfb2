#pragma once

#include "ProtoBuf/DVRList.pb.h"

#include <QString>

// Posts the stop request of a stream to its DVR. The request outlives the
// link that asked for it: one command sender on the application's thread,
// owned by the application, sends every stop request, so a link may end, or
// be deleted, right after asking. Callable from any thread.
class CStopRequest {
public:
    static void send(const DVR& dvr, const QString& query);
    // Stop requests still on their way; the application should let them go
    // out (or time out) before it ends.
    static int pending();
};
