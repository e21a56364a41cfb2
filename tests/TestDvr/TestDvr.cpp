#include "TestDvr.h"

#include "TestDvrAnswers.h"
#include "TestDvrConnection.h"
#include "TestDvrRequestDecoder.h"
#include "TestDvrStreams.h"
#include "dvr_protocol/cgi_protocol.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QMutexLocker>
#include <QTcpServer>
#include <QTcpSocket>
#include <atomic>
#include <memory>

namespace {

const int OLD_COMMAND_MODE = 5;

} // namespace

TestDvr::TestDvr(QObject* parent)
    : QObject(parent)
    , m_server(new QTcpServer(this))
    , m_streams(new TestDvrStreams(this))
    , m_content(TestDvrContent::standard())
{
    connect(m_server, &QTcpServer::newConnection, this, &TestDvr::onNewConnection);
}

TestDvr::~TestDvr()
{
    close();
}

void TestDvr::close()
{
    m_server->close();
    // The connections report to this object while they go, so they go first.
    qDeleteAll(findChildren<TestDvrConnection*>(Qt::FindDirectChildrenOnly));
}

bool TestDvr::listen(quint16 port)
{
    return m_server->listen(QHostAddress(QHostAddress::LocalHost), port);
}

quint16 TestDvr::port() const
{
    return m_server->serverPort();
}

QString TestDvr::address()
{
    return QStringLiteral("127.0.0.1");
}

DVR TestDvr::dvrRecord(bool oldProtocol) const
{
    DVR record;
    record.set_name("Test DVR");
    record.set_address(address().toStdString());
    record.set_port(port());
    record.set_id(user().toStdString());
    record.set_password(password().toStdString());
    record.set_oldprotocol(oldProtocol);
    return record;
}

quint16 TestDvr::unusedPort()
{
    QTcpServer server;
    server.listen(QHostAddress::LocalHost);
    return server.serverPort();
}

QString TestDvr::newQuery(
    int mode, const google::protobuf::MessageLite& data, const std::string& user, const std::string& password)
{
    cgi::User credentials;
    credentials.set_name(user);
    credentials.set_password(password);
    std::string query;
    if (cgi::Data2Url(static_cast<cgi::Mode>(mode), credentials, data, &query) != cgi::DATA2URL_OK)
        return QString();
    return QString::fromStdString(query);
}

void TestDvr::setCredentials(const QString& user, const QString& password)
{
    QMutexLocker lock(&m_mutex);
    m_user = user;
    m_password = password;
}

QString TestDvr::user() const
{
    QMutexLocker lock(&m_mutex);
    return m_user;
}

QString TestDvr::password() const
{
    QMutexLocker lock(&m_mutex);
    return m_password;
}

void TestDvr::setGuest(const QString& user, const QString& password)
{
    QMutexLocker lock(&m_mutex);
    m_guestUser = user;
    m_guestPassword = password;
}

TestDvrContent TestDvr::content() const
{
    QMutexLocker lock(&m_mutex);
    return m_content;
}

void TestDvr::setContent(const TestDvrContent& content)
{
    QMutexLocker lock(&m_mutex);
    m_content = content;
}

void TestDvr::setFault(Fault fault, int count)
{
    QMutexLocker lock(&m_mutex);
    m_fault = fault;
    m_faultCount = count;
}

void TestDvr::setSlowAnswerDelay(int milliseconds)
{
    QMutexLocker lock(&m_mutex);
    m_slowAnswerDelay = milliseconds;
}

int TestDvr::slowAnswerDelay() const
{
    QMutexLocker lock(&m_mutex);
    return m_slowAnswerDelay;
}

void TestDvr::setErrorStatus(int status)
{
    QMutexLocker lock(&m_mutex);
    m_errorStatus = status;
}

int TestDvr::errorStatus() const
{
    QMutexLocker lock(&m_mutex);
    return m_errorStatus;
}

void TestDvr::setUploadReadRate(qint64 bytesPerSecond)
{
    QMutexLocker lock(&m_mutex);
    m_uploadReadRate = bytesPerSecond;
}

qint64 TestDvr::uploadReadRate() const
{
    QMutexLocker lock(&m_mutex);
    return m_uploadReadRate;
}

void TestDvr::setStreamSettings(const TestDvrStreamSettings& settings)
{
    m_streams->setSettings(settings);
}

void TestDvr::holdAnswers(std::optional<int> mode)
{
    {
        QMutexLocker lock(&m_mutex);
        m_heldMode = mode;
    }
    if (!mode)
        emit answersLetGo();
}

bool TestDvr::holdsAnswers(int mode) const
{
    QMutexLocker lock(&m_mutex);
    return m_heldMode == mode;
}

int TestDvr::heldAnswers() const
{
    return receivers(SIGNAL(answersLetGo()));
}

void TestDvr::handleLate(int mode, int delayMs, int count)
{
    QMutexLocker lock(&m_mutex);
    m_lateMode = mode;
    m_lateDelayMs = delayMs;
    m_lateCount = count;
}

int TestDvr::takeLateDelay(const TestDvrRequest& request)
{
    QMutexLocker lock(&m_mutex);
    if (m_lateCount == 0)
        return 0;
    // Decoded here only to learn the mode; it is recorded when handled.
    TestDvrRequest decoded = request;
    TestDvrRequestDecoder::decode(&decoded, m_user, m_password);
    if (decoded.mode != m_lateMode)
        return 0;
    --m_lateCount;
    return m_lateDelayMs;
}

void TestDvr::refuseNextRelay(bool on, int count)
{
    auto refusals = std::make_shared<std::atomic<int>>(count);
    const Handler refuse = [refusals, on](const TestDvrRequest& request, const TestDvrContent& content) {
        const std::optional<bool> switches = request.relayOn();
        if (!switches || *switches != on || refusals->fetch_sub(1) <= 0)
            return TestDvrAnswers::standard(request, content);
        return TestDvrReply::http(200,
            TestDvrAnswers::responsePacket(content.clientId, TestDvrAnswers::ANSWER_PERMISSION_DENIED,
                request.dialect == TestDvrRequest::OldDialect));
    };
    setHandler(TestDvrRequest::NewDialect, cgi::MODE_RELAY_PORT, refuse);
    setHandler(TestDvrRequest::OldDialect, OLD_COMMAND_MODE, refuse);
}

void TestDvr::setHandler(TestDvrRequest::Dialect dialect, int mode, Handler handler)
{
    QMutexLocker lock(&m_mutex);
    m_handlers.insert({dialect, mode}, std::move(handler));
}

TestDvr::Handler TestDvr::handler(TestDvrRequest::Dialect dialect, int mode) const
{
    QMutexLocker lock(&m_mutex);
    return m_handlers.value({dialect, mode});
}

QList<TestDvrRequest> TestDvr::requests() const
{
    QMutexLocker lock(&m_mutex);
    return m_requests;
}

TestDvr::Fault TestDvr::takeFault()
{
    QMutexLocker lock(&m_mutex);
    if (m_faultCount == 0)
        return Fault::None;
    if (m_faultCount > 0)
        --m_faultCount;
    return m_fault;
}

int TestDvr::requestCount() const
{
    QMutexLocker lock(&m_mutex);
    return static_cast<int>(m_requests.size());
}

TestDvrRequest TestDvr::lastRequest() const
{
    QMutexLocker lock(&m_mutex);
    return m_requests.isEmpty() ? TestDvrRequest() : m_requests.last();
}

namespace {

bool waitUntil(const std::function<bool()>& done, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

} // namespace

bool TestDvr::waitForRequests(int count, int timeoutMs) const
{
    return waitUntil([&] { return requestCount() >= count; }, timeoutMs);
}

int TestDvr::openConnections() const
{
    QMutexLocker lock(&m_mutex);
    return m_openConnections;
}

int TestDvr::streamsStarted() const
{
    QMutexLocker lock(&m_mutex);
    return m_streamsStarted;
}

int TestDvr::streamsClosedByClient() const
{
    QMutexLocker lock(&m_mutex);
    return m_streamsClosedByClient;
}

bool TestDvr::waitForStreamsClosedByClient(int count, int timeoutMs) const
{
    return waitUntil([&] { return streamsClosedByClient() >= count; }, timeoutMs);
}

bool TestDvr::isGuest(const TestDvrRequest& request) const
{
    if (request.dialect == TestDvrRequest::NewDialect)
        return request.user.name() == m_guestUser.toStdString()
            && request.user.password() == m_guestPassword.toStdString();
    // The older dialect's streams name their account; its commands name a
    // stream.
    return request.param("ID") == m_guestUser.toUtf8() && request.param("PW") == m_guestPassword.toUtf8();
}

TestDvrReply TestDvr::answer(TestDvrRequest* request)
{
    Handler handler;
    TestDvrContent content;
    int count = 0;
    {
        QMutexLocker lock(&m_mutex);
        TestDvrRequestDecoder::decode(request, m_user, m_password);
        request->guest = !request->authorized && !m_guestUser.isEmpty() && isGuest(*request);
        if (request->guest)
            request->userKnown = request->authorized = true;
        m_requests.append(*request);
        count = static_cast<int>(m_requests.size());
        handler = m_handlers.value({request->dialect, request->mode});
        content = m_content;
    }
    emit requestReceived(count);

    if (request->kind != TestDvrRequest::Malformed && !request->authorized)
        return TestDvrAnswers::refusal(*request, content);
    if (request->guest && request->kind == TestDvrRequest::Command
        && (request->mode == cgi::MODE_PTZF || request->mode == cgi::MODE_AUTO_PRESET))
        return TestDvrReply::http(
            200, TestDvrAnswers::responsePacket(content.clientId, TestDvrAnswers::ANSWER_PERMISSION_DENIED, false));
    if (request->kind == TestDvrRequest::Command)
        stopNamedStream(*request);
    if (handler && request->kind != TestDvrRequest::Malformed)
        return handler(*request, content);
    if (request->kind == TestDvrRequest::StreamRequest)
        return m_streams->answer(*request, content);
    return TestDvrAnswers::standard(*request, content);
}

void TestDvr::stopNamedStream(const TestDvrRequest& request)
{
    constexpr int OLD_OP_STOP = 5;
    if (request.dialect == TestDvrRequest::NewDialect) {
        cgi::StreamStop stop;
        if (request.mode == cgi::MODE_STREAM_STOP && request.dataDecoded
            && stop.ParseFromString(request.data.toStdString()))
            m_streams->stop(static_cast<int>(stop.stream_id()));
        return;
    }
    if (request.mode == OLD_COMMAND_MODE && request.decodedParam("OP").toInt() == OLD_OP_STOP)
        m_streams->stop(request.decodedParam("CID").toInt());
}

void TestDvr::noteConnectionOpened()
{
    QMutexLocker lock(&m_mutex);
    ++m_openConnections;
}

void TestDvr::noteStreamStarted()
{
    QMutexLocker lock(&m_mutex);
    ++m_streamsStarted;
}

void TestDvr::noteConnectionClosed(bool streamClosedByClient)
{
    QMutexLocker lock(&m_mutex);
    --m_openConnections;
    if (streamClosedByClient)
        ++m_streamsClosedByClient;
}

void TestDvr::onNewConnection()
{
    while (QTcpSocket* socket = m_server->nextPendingConnection())
        new TestDvrConnection(socket, this);
}
