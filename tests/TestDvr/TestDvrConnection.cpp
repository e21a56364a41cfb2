#include "TestDvrConnection.h"

#include "TestDvr.h"
#include "TestDvrReadThrottle.h"
#include "TestDvrRequestReader.h"
#include "TestDvrStream.h"

#include <QTcpSocket>
#include <QTimer>

TestDvrConnection::TestDvrConnection(QTcpSocket* socket, TestDvr* dvr)
    : QObject(dvr)
    , m_socket(socket)
    , m_dvr(dvr)
{
    m_socket->setParent(this);
    m_dvr->noteConnectionOpened();
    connect(m_socket, &QTcpSocket::readyRead, this, &TestDvrConnection::onReadyRead);
    connect(m_socket, &QTcpSocket::disconnected, this, &TestDvrConnection::onDisconnected);
    if (m_dvr->uploadReadRate() > 0)
        m_throttle = new TestDvrReadThrottle(
            m_socket, m_dvr->uploadReadRate(), [this] { onReadyRead(); }, this);
    onReadyRead();
}

TestDvrConnection::~TestDvrConnection()
{
    if (m_socket->state() != QAbstractSocket::UnconnectedState) {
        disconnect(m_socket, nullptr, this, nullptr);
        m_socket->abort();
        m_dvr->noteConnectionClosed(false);
    }
}

void TestDvrConnection::onReadyRead()
{
    m_buffer += m_throttle ? m_throttle->read() : m_socket->readAll();
    if (m_requestTaken) {
        // One request per connection; what a streaming client sends later is dropped.
        m_buffer.clear();
        return;
    }
    TestDvrRequest request;
    switch (TestDvrRequestReader::take(m_buffer, &request)) {
    case TestDvrRequestReader::NeedMore:
        return;
    case TestDvrRequestReader::Bad:
        m_requestTaken = true;
        writeWhole(TestDvrReply::http(400), false);
        return;
    case TestDvrRequestReader::Complete:
        m_requestTaken = true;
        break;
    }
    const bool raw = request.version.isEmpty();
    if (const int lateMs = m_dvr->takeLateDelay(request); lateMs > 0) {
        // Not handled at all if the client has gone by then.
        QTimer::singleShot(lateMs, this, [this, request, raw] { handle(request, raw); });
        return;
    }
    handle(request, raw);
}

void TestDvrConnection::handle(TestDvrRequest request, bool raw)
{
    const TestDvrReply reply = m_dvr->answer(&request);
    if (m_dvr->holdsAnswers(request.mode)) {
        // Answered once the DVR lets go, unless the client has gone by then.
        connect(
            m_dvr, &TestDvr::answersLetGo, this, [this, reply, raw] { respond(reply, raw); }, Qt::SingleShotConnection);
        return;
    }
    respond(reply, raw);
}

void TestDvrConnection::respond(TestDvrReply reply, bool raw)
{
    switch (m_dvr->takeFault()) {
    case TestDvr::Fault::None:
        break;
    case TestDvr::Fault::NoAnswer:
        return;
    case TestDvr::Fault::SlowAnswer:
        QTimer::singleShot(m_dvr->slowAnswerDelay(), this, [this, reply, raw] {
            if (reply.stream)
                startStream(reply, raw);
            else
                writeWhole(reply, raw);
        });
        return;
    case TestDvr::Fault::CloseConnection:
        closeConnection();
        return;
    case TestDvr::Fault::HttpError:
        writeWhole(TestDvrReply::http(m_dvr->errorStatus(), "DVR error"), false);
        return;
    case TestDvr::Fault::Garbled:
        reply.body = garbled(reply.body);
        reply.stream = nullptr;
        break;
    }
    if (reply.stream)
        startStream(reply, raw);
    else
        writeWhole(reply, raw);
}

void TestDvrConnection::writeWhole(const TestDvrReply& reply, bool raw)
{
    if (!raw) {
        m_socket->write("HTTP/1.1 " + QByteArray::number(reply.status) + ' ' + TestDvrReply::reasonPhrase(reply.status)
            + "\r\nContent-Type: " + reply.contentType + "\r\nContent-Length: " + QByteArray::number(reply.body.size())
            + "\r\nConnection: close\r\n\r\n");
    }
    m_socket->write(reply.body);
    closeConnection();
}

void TestDvrConnection::startStream(const TestDvrReply& reply, bool raw)
{
    if (!raw) {
        m_socket->write("HTTP/1.1 200 OK\r\nContent-Type: " + reply.contentType + "\r\nConnection: close\r\n\r\n");
    }
    m_dvr->noteStreamStarted();
    m_stream = reply.stream(this);
    connect(m_stream, &TestDvrStream::finished, this, &TestDvrConnection::closeConnection);
    m_stream->start(m_socket);
}

void TestDvrConnection::closeConnection()
{
    m_closingOurselves = true;
    m_socket->disconnectFromHost();
}

void TestDvrConnection::onDisconnected()
{
    m_dvr->noteConnectionClosed(m_stream && !m_closingOurselves);
    disconnect(m_socket, nullptr, this, nullptr);
    deleteLater();
}

QByteArray TestDvrConnection::garbled(const QByteArray& bytes)
{
    if (bytes.isEmpty()) {
        // A start marker with a length that lies, then junk.
        return QByteArray("\xFB\xFB\xFB\xFC\x01\x01\xFF\xFF\xFF\x7Fjunk", 14);
    }
    QByteArray scrambled = bytes;
    for (qsizetype i = 0; i < scrambled.size(); ++i)
        scrambled[i] = static_cast<char>(scrambled.at(i) ^ (0x5A + i % 7));
    return scrambled;
}
