#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <optional>

class QTcpSocket;

// A long-lived answer: the connection hands its socket over and the stream
// writes piece after piece until it ends, the client goes away or the DVR
// is destroyed. Subclasses decide what comes next (a fixed script, media
// packets at a frame rate, ...).
class TestDvrStream : public QObject {
    Q_OBJECT

public:
    // Wait delayMs, then write bytes.
    struct Chunk {
        QByteArray bytes;
        int delayMs = 0;
    };

    explicit TestDvrStream(QObject* parent = nullptr);

    void start(QTcpSocket* socket);
    // Ends the stream now: nothing more is written and the connection closes.
    void finish();

signals:
    // The stream has nothing more to send: the connection closes.
    void finished();

protected:
    // The next piece of the answer; nothing ends the stream.
    virtual std::optional<Chunk> nextChunk() = 0;

private:
    void scheduleNext();
    void writePending();

    // A client that reads slowly must not make the DVR buffer without end.
    static constexpr qint64 MAX_UNSENT_BYTES = 256 * 1024;

    QPointer<QTcpSocket> m_socket;
    QTimer m_timer;
    Chunk m_pending;
};
