#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTcpSocket>
#include <QTimer>

// One HTTP/1.0 GET over a socket of its own, with the request target sent
// byte for byte as given: the URL type would rewrite the query's percent
// escapes in upper case, and the query must reach the DVR exactly as it was
// built. HTTP/1.0 keeps the answer unchunked. The reply body is gathered
// until the DVR closes the connection or its Content-Length is reached. A
// DVR that stays silent for the silence limit, before or during the reply,
// ends the exchange like a network failure: finished() comes with what was
// gathered. A reply with an HTTP error status delivers no body. Lives in one
// thread.
class CHttpGet : public QObject {
    Q_OBJECT

public:
    static constexpr qsizetype MAX_HEAD_SIZE = 64 * 1024;
    // No DVR reply comes near this; a larger one is cut here.
    static constexpr qsizetype MAX_BODY_SIZE = 64 * 1024 * 1024;

    CHttpGet(
        const QString& host, quint16 port, const QByteArray& target, int silenceLimitMs, QObject* parent = nullptr);

    void start();
    // Ends the exchange at once; the body keeps what was gathered.
    void abort();

    bool isFinished() const { return m_finished; }
    // The reply body: empty when the reply had no valid HTTP head or an
    // error status; possibly incomplete after a failure.
    QByteArray body() const;
    int status() const { return m_status; }

signals:
    void finished();

private:
    void onConnected();
    void onReadyRead();
    void onDisconnected();
    void onError(QAbstractSocket::SocketError error);
    void onSilence();
    bool readHead();
    void takeBody(const QByteArray& bytes);
    void fail(int networkError);
    void finish();

    QString m_host;
    quint16 m_port;
    QByteArray m_target;
    QTcpSocket m_socket;
    QTimer m_silence;
    QByteArray m_head;
    QByteArray m_body;
    bool m_headRead = false;
    int m_status = 0;
    qint64 m_contentLength = -1;
    bool m_finished = false;
};
