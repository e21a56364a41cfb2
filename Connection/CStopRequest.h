#pragma once

#include "ProtoBuf/DVRList.pb.h"

#include <QString>

// Posts the stop request of a stream to its DVR. The request outlives the
// link that asked for it: the application's sender (CApplicationSender)
// sends it on the application's thread, so a link may end, or be deleted,
// right after asking. Callable from any thread.
class CStopRequest {
public:
    static void send(const DVR& dvr, const QString& query);
};
