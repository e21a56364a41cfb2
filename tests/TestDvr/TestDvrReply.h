#pragma once

#include <QByteArray>
#include <QObject>
#include <functional>

class TestDvrStream;

// What the test DVR answers to one request: a whole reply (an HTTP status
// and body; a raw stream request gets the body alone), or a long-lived
// stream that takes the connection over.
struct TestDvrReply {
    using StreamFactory = std::function<TestDvrStream*(QObject* parent)>;

    int status = 200;
    QByteArray contentType = "application/octet-stream";
    QByteArray body;
    StreamFactory stream; // set: the answer is this stream, after the status line

    static TestDvrReply http(
        int status, const QByteArray& body = QByteArray(), const QByteArray& contentType = "application/octet-stream");
    static TestDvrReply streamed(StreamFactory factory);

    static QByteArray reasonPhrase(int status);
};
