#include "CHttpGet.h"

#include "Common/CNetworkLog.h"

#include <QNetworkProxy>
#include <QNetworkReply>

CHttpGet::CHttpGet(const QString& host, quint16 port, const QByteArray& target, int silenceLimitMs, QObject* parent)
    : QObject(parent)
    , m_host(host)
    , m_port(port)
    , m_target(target)
    , m_socket(this)
    , m_silence(this)
{
    // A DVR is reached directly, as the streaming connections reach it.
    m_socket.setProxy(QNetworkProxy::NoProxy);
    m_silence.setSingleShot(true);
    m_silence.setInterval(silenceLimitMs);
    connect(&m_silence, &QTimer::timeout, this, &CHttpGet::onSilence);
    connect(&m_socket, &QTcpSocket::connected, this, &CHttpGet::onConnected);
    connect(&m_socket, &QTcpSocket::readyRead, this, &CHttpGet::onReadyRead);
    connect(&m_socket, &QTcpSocket::disconnected, this, &CHttpGet::onDisconnected);
    connect(&m_socket, &QTcpSocket::errorOccurred, this, &CHttpGet::onError);
}

void CHttpGet::start()
{
    m_silence.start();
    m_socket.connectToHost(m_host, m_port);
}

void CHttpGet::abort()
{
    if (m_finished)
        return;
    m_finished = true;
    m_silence.stop();
    disconnect(&m_socket, nullptr, this, nullptr);
    m_socket.abort();
}

QByteArray CHttpGet::body() const
{
    if (!m_headRead || m_status < 200 || m_status > 299)
        return QByteArray();
    return m_body;
}

void CHttpGet::onConnected()
{
    m_silence.start();
    m_socket.write("GET " + m_target + " HTTP/1.0\r\nHost: " + m_host.toLatin1() + ':' + QByteArray::number(m_port)
        + "\r\nConnection: close\r\n\r\n");
}

void CHttpGet::onReadyRead()
{
    m_silence.start();
    const QByteArray bytes = m_socket.readAll();
    if (m_headRead) {
        takeBody(bytes);
        return;
    }
    m_head += bytes;
    if (!readHead())
        return;
    const QByteArray rest = m_head;
    m_head.clear();
    takeBody(rest);
}

// True once the head is whole; what follows it is left in m_head.
bool CHttpGet::readHead()
{
    qsizetype end = m_head.indexOf("\r\n\r\n");
    qsizetype separator = 4;
    const qsizetype bare = m_head.indexOf("\n\n");
    if (bare >= 0 && (end < 0 || bare < end)) {
        end = bare;
        separator = 2;
    }
    if (end < 0) {
        if (m_head.size() > MAX_HEAD_SIZE) {
            qCWarning(lcDvrNetwork, "[ERROR] reply head too long");
            fail(QNetworkReply::ProtocolFailure);
        }
        return false;
    }

    const QList<QByteArray> lines = m_head.left(end).split('\n');
    const QList<QByteArray> statusLine = lines.first().trimmed().split(' ');
    bool ok = false;
    m_status = statusLine.value(1).toInt(&ok);
    if (!statusLine.first().startsWith("HTTP/") || !ok) {
        qCWarning(lcDvrNetwork, "[ERROR] reply is not HTTP");
        m_status = 0;
        fail(QNetworkReply::ProtocolFailure);
        return false;
    }
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines.at(i).trimmed();
        if (line.left(15).compare("Content-Length:", Qt::CaseInsensitive) == 0) {
            const qint64 length = line.mid(15).trimmed().toLongLong(&ok);
            m_contentLength = ok && length >= 0 ? length : -1;
        }
    }
    m_headRead = true;
    if (m_status < 200 || m_status > 299) {
        qCDebug(lcDvrNetwork) << "OnHttpError";
        qCDebug(lcDvrNetwork).noquote() << CNetworkLog::errorName(m_status);
    }
    m_head.remove(0, end + separator);
    return true;
}

void CHttpGet::takeBody(const QByteArray& bytes)
{
    m_body += bytes;
    qCDebug(lcDvrNetwork, "read size = %lld", static_cast<long long>(m_body.size()));
    if (m_body.size() > MAX_BODY_SIZE) {
        qCWarning(lcDvrNetwork, "[ERROR] reply too large, cut at %lld bytes", static_cast<long long>(MAX_BODY_SIZE));
        m_body.truncate(MAX_BODY_SIZE);
        finish();
        return;
    }
    if (m_contentLength >= 0 && m_body.size() >= m_contentLength) {
        m_body.truncate(m_contentLength);
        finish();
    }
}

void CHttpGet::onDisconnected()
{
    // Without a length the end of the connection ends the body; with one,
    // an early end is a failure that still delivers what came.
    if (!m_headRead)
        fail(QNetworkReply::RemoteHostClosedError);
    else if (m_contentLength >= 0 && m_body.size() < m_contentLength)
        fail(QNetworkReply::RemoteHostClosedError);
    else
        finish();
}

void CHttpGet::onError(QAbstractSocket::SocketError error)
{
    switch (error) {
    case QAbstractSocket::RemoteHostClosedError:
        return; // the disconnection that follows decides
    case QAbstractSocket::ConnectionRefusedError:
        fail(QNetworkReply::ConnectionRefusedError);
        return;
    case QAbstractSocket::HostNotFoundError:
        fail(QNetworkReply::HostNotFoundError);
        return;
    case QAbstractSocket::SocketTimeoutError:
        fail(QNetworkReply::TimeoutError);
        return;
    default:
        fail(QNetworkReply::UnknownNetworkError);
        return;
    }
}

void CHttpGet::onSilence()
{
    qCWarning(lcDvrNetwork, "[ERROR] no answer from %s:%u within %d ms", qPrintable(m_host), unsigned(m_port),
        m_silence.interval());
    fail(QNetworkReply::TimeoutError);
}

void CHttpGet::fail(int networkError)
{
    if (m_finished)
        return;
    qCDebug(lcDvrNetwork) << "OnHttpError";
    qCDebug(lcDvrNetwork).noquote() << CNetworkLog::errorName(networkError);
    finish();
}

void CHttpGet::finish()
{
    if (m_finished)
        return;
    abort();
    emit finished();
}
