#pragma once

#include "TestDvrRequest.h"

#include <QByteArray>

// Takes one HTTP request (or a raw stream request line) off the front of a
// connection's receive buffer.
class TestDvrRequestReader {
public:
    enum Result { NeedMore, Complete, Bad };

    static constexpr qsizetype MAX_HEAD_SIZE = 64 * 1024;
    static constexpr qsizetype MAX_BODY_SIZE = 64 * 1024 * 1024;

    // On Complete the request's received fields are filled and its bytes are
    // removed from the buffer; on NeedMore nothing changes.
    static Result take(QByteArray& buffer, TestDvrRequest* request);
};
