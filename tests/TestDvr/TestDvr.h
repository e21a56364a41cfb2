#pragma once

#include "ProtoBuf/DVRList.pb.h"
#include "TestDvrContent.h"
#include "TestDvrReply.h"
#include "TestDvrRequest.h"
#include "TestDvrStreamSettings.h"

#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class QTcpServer;
class TestDvrStreams;

// A DVR for tests: one TCP port on 127.0.0.1 that answers the CGI endpoint
// "/cgi-bin/webapp.cgi" in both dialects: HTTP POST commands, HTTP GET data
// reads, multipart uploads and raw stream requests. It decodes and records
// every request, checks the user and password, and answers from its
// content, unless a fault switch makes it misbehave.
//
// Answers are chosen per dialect and mode: each (dialect, mode) may get a
// handler of its own that replaces the standard answer, and a handler may
// answer with a stream that takes the connection over. Raw stream requests
// get media streams (see TestDvrStreams), shaped by the stream settings and
// their fault switch; stop commands end the stream they name.
//
// Everything but listen() may be called from any thread.
class TestDvr : public QObject {
    Q_OBJECT

public:
    enum class Fault {
        None,
        NoAnswer, // reads the request, never answers, keeps the connection open
        SlowAnswer, // answers after the slow-answer delay
        CloseConnection, // closes the connection without an answer
        HttpError, // answers with the error status
        Garbled // answers with the bytes of the right answer scrambled
    };
    using Handler = std::function<TestDvrReply(const TestDvrRequest&, const TestDvrContent&)>;

    explicit TestDvr(QObject* parent = nullptr);
    ~TestDvr() override;

    // Listens on 127.0.0.1 only; port 0 picks a free port.
    bool listen(quint16 port = 0);
    // Stops listening and drops every connection, as a DVR whose program
    // ends; listen() opens the port again.
    void close();
    quint16 port() const;
    static QString address();
    // A directory record that points at this DVR with its credentials.
    DVR dvrRecord(bool oldProtocol = false) const;
    // A port of 127.0.0.1 that nothing listens on.
    static quint16 unusedPort();
    // A new-dialect query as a client builds it; the credentials default to
    // the DVR's own.
    static QString newQuery(int mode, const google::protobuf::MessageLite& data = cgi::NullMsg(),
        const std::string& user = "admin", const std::string& password = "1234");

    void setCredentials(const QString& user, const QString& password);
    QString user() const;
    QString password() const;
    // A second account, which may watch but not steer the cameras: its
    // newer-dialect PTZ and preset tour commands are refused with the answer
    // code 4 (permission denied). An empty user: none.
    void setGuest(const QString& user, const QString& password);

    TestDvrContent content() const;
    void setContent(const TestDvrContent& content);

    // The fault applies to the next `count` requests (all when negative),
    // then the DVR behaves again.
    void setFault(Fault fault, int count = -1);
    void setSlowAnswerDelay(int milliseconds);
    int slowAnswerDelay() const;
    void setErrorStatus(int status);
    int errorStatus() const;

    // Bytes a second at which requests are read (uploads progress in steps);
    // 0, the default, reads as fast as they come. For later connections.
    void setUploadReadRate(qint64 bytesPerSecond);
    qint64 uploadReadRate() const;

    void setStreamSettings(const TestDvrStreamSettings& settings);
    // While a mode is held, the answers to its requests wait, as from a DVR
    // slow to answer; holding none sends those whose client still waits.
    void holdAnswers(std::optional<int> mode);
    bool holdsAnswers(int mode) const;
    // Held answers whose client still waits for them.
    int heldAnswers() const;
    // The next `count` requests of that mode are handled (recorded and
    // answered) only `delayMs` after they came, as a link slow to deliver
    // them would bring them; those after them are handled as they come.
    void handleLate(int mode, int delayMs, int count = 1);
    // The streams served: their requests, ids, counts and states.
    TestDvrStreams* streams() const { return m_streams; }

    void setHandler(TestDvrRequest::Dialect dialect, int mode, Handler handler);
    // The next `count` relay Offs (or Ons), of either dialect, are refused:
    // answered with the answer code 4 (permission denied in the newer
    // dialect); every other command as usual.
    void refuseNextRelay(bool on = false, int count = 1);
    // The handler set for a dialect and mode, so that a new one can pass on
    // what it does not handle; empty when none is set.
    Handler handler(TestDvrRequest::Dialect dialect, int mode) const;

    QList<TestDvrRequest> requests() const;
    int requestCount() const;
    TestDvrRequest lastRequest() const;
    // Runs the caller's event loop until that many requests were received.
    bool waitForRequests(int count, int timeoutMs = 5000) const;

    int openConnections() const;
    int streamsStarted() const;
    int streamsClosedByClient() const;
    bool waitForStreamsClosedByClient(int count, int timeoutMs = 5000) const;

    // Used by the connections: decodes and records a request and chooses
    // its answer; takes the fault that applies to one request.
    TestDvrReply answer(TestDvrRequest* request);
    Fault takeFault();
    // How long the request waits before it is handled; takes one of the
    // late ones.
    int takeLateDelay(const TestDvrRequest& request);
    void noteConnectionOpened();
    void noteStreamStarted();
    void noteConnectionClosed(bool streamClosedByClient);

signals:
    void requestReceived(int count);
    void answersLetGo();

private:
    void onNewConnection();
    void stopNamedStream(const TestDvrRequest& request);
    // The request names the guest's account (under the mutex).
    bool isGuest(const TestDvrRequest& request) const;

    QTcpServer* m_server;
    TestDvrStreams* m_streams;
    mutable QMutex m_mutex;
    QString m_user = QStringLiteral("admin");
    QString m_password = QStringLiteral("1234");
    QString m_guestUser;
    QString m_guestPassword;
    TestDvrContent m_content;
    Fault m_fault = Fault::None;
    int m_faultCount = -1;
    int m_slowAnswerDelay = 2000;
    int m_errorStatus = 500;
    qint64 m_uploadReadRate = 0;
    std::optional<int> m_heldMode;
    int m_lateMode = -1;
    int m_lateDelayMs = 0;
    int m_lateCount = 0;
    QHash<QPair<int, int>, Handler> m_handlers;
    QList<TestDvrRequest> m_requests;
    int m_openConnections = 0;
    int m_streamsStarted = 0;
    int m_streamsClosedByClient = 0;
};
