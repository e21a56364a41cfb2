#pragma once

#include "ProtoBuf/DVRList.pb.h"

#include <QByteArray>
#include <QString>
#include <QThread>
#include <atomic>

// Fetches the reply to one query from a DVR: an HTTP GET of the DVR's CGI
// URL with the query appended byte for byte, on a thread of its own, which
// waits in its event loop rather than spinning. completed() comes once per
// read, on the thread that owns the reader, after the reader thread has
// ended: with the whole reply body, or after a failure with what arrived
// (possibly nothing). A DVR that stays silent for the time limit fails the
// read the same way, so no caller waits forever. Stopping or destroying a
// reader ends its read at once and delivers nothing. An empty query (one
// that COldQuery or cgi::Data2Url refused) is never sent: the read fails at
// once.
class CReadDVRData : public QThread {
    Q_OBJECT

public:
    static constexpr int DEFAULT_TIME_LIMIT_MS = 30000;

    explicit CReadDVRData(QObject* parent = nullptr);
    ~CReadDVRData() override;

    void startRead(const DVR& dvr, const QString& query);
    void stopRead();
    // Ends the reader's read and lets no completed() of it reach anyone;
    // the reader goes once control returns to the event loop, and the
    // pointer is null. Nothing happens to a null pointer.
    static void discard(CReadDVRData*& reader);
    // Reads the same URL again without clearing what was gathered.
    void tryConnect();

    // The silence after which a read fails; for reads started after the call.
    void setTimeLimit(int milliseconds);

signals:
    void completed(const QByteArray& data);
    // From the reader thread to the owner's thread; not for users.
    void runEnded(quint64 read);

protected:
    void run() override;

private:
    void OnHttpFinished(quint64 read);
    void startThread();
    void waitForRun();

    QByteArray m_query; // in the DVR's narrow text, sent as it stands
    QByteArray m_address;
    int m_port = 0;
    QByteArray m_result;
    std::atomic_bool m_stop{false};
    // Set last by the reader thread and read after waiting for it: the
    // result it wrote is then visible to this thread (also to checkers that
    // cannot see through the thread library's own synchronisation).
    std::atomic_bool m_runEnded{true};
    quint64 m_read = 0;
    int m_timeLimitMs = DEFAULT_TIME_LIMIT_MS;
};
