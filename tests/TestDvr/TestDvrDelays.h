#pragma once

#include "TestDvrReply.h"
#include "TestDvrRequest.h"

#include <QMap>

class TestDvr;

// Late answers: the DVR sends the status line at once and the body of its
// usual answer only after a delay of the request's mode, so that replies to
// requests sent together complete in an order a test chooses.
class TestDvrDelays {
public:
    // delays: milliseconds by mode, for the modes of the dialect.
    static void install(TestDvr& dvr, TestDvrRequest::Dialect dialect, const QMap<int, int>& delays);
    // A whole answer whose body comes after the delay; a stream stays as it is.
    static TestDvrReply delayed(const TestDvrReply& reply, int delayMs);
};
