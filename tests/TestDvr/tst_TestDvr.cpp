#include "TestDvr.h"
#include "TestDvrAnswers.h"
#include "WireBuilder.h"
#include "dvr_protocol/cgi_protocol.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTest>

// The test DVR is what every network test of the client trusts, so its
// decoding, answers and fault switches are checked here against raw sockets.
namespace {

struct Exchange {
    QByteArray received;
    bool closedByDvr = false;
};

// Sends raw bytes and collects what comes back until the DVR closes the
// connection or the time is up, keeping the event loop (and so the DVR)
// running meanwhile. An exchange the DVR ends waits only for that end.
Exchange exchange(quint16 port, const QByteArray& request, int waitMs = 60000)
{
    Exchange result;
    QTcpSocket socket;
    QObject::connect(&socket, &QTcpSocket::readyRead, [&] { result.received += socket.readAll(); });
    socket.connectToHost(QStringLiteral("127.0.0.1"), port);
    socket.write(request);
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < waitMs) {
        QTest::qWait(10);
        if (socket.state() == QAbstractSocket::UnconnectedState) {
            result.closedByDvr = true;
            break;
        }
    }
    result.received += socket.readAll();
    return result;
}

QByteArray body(const QByteArray& response)
{
    const qsizetype end = response.indexOf("\r\n\r\n");
    return end < 0 ? QByteArray() : response.mid(end + 4);
}

QByteArray statusLine(const QByteArray& response)
{
    return response.left(response.indexOf("\r\n"));
}

QByteArray get(const QString& query)
{
    return "GET /cgi-bin/webapp.cgi?" + query.toLatin1() + " HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n";
}

} // namespace

class tst_TestDvr : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void answersReads_data();
    void answersReads();
    void refusesWrongCredentials_data();
    void refusesWrongCredentials();
    void faults_data();
    void faults();
    void malformedRequests_data();
    void malformedRequests();
    void standaloneProgram();

private:
    std::unique_ptr<TestDvr> m_dvr;
};

void tst_TestDvr::init()
{
    m_dvr = std::make_unique<TestDvr>();
    QVERIFY(m_dvr->listen());
}

void tst_TestDvr::cleanup()
{
    m_dvr.reset();
}

void tst_TestDvr::answersReads_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("payload");
    // The data reader's tests read the identity, search, log and configuration.
    const TestDvrContent content = TestDvrContent::standard();
    QTest::newRow("hdd info") << 17 << 7 << WireBuilder::bytesOf(content.hddInfo);
    QTest::newRow("picture") << 19 << 9 << WireBuilder::bytesOf(content.picture);
    QTest::newRow("command: nothing") << 7 << -1 << QByteArray();
}

void tst_TestDvr::answersReads()
{
    QFETCH(int, mode);
    QFETCH(int, type);
    QFETCH(QByteArray, payload);
    const Exchange answer = exchange(m_dvr->port(), get(TestDvr::newQuery(mode)));
    QVERIFY(answer.closedByDvr);
    QCOMPARE(statusLine(answer.received), QByteArray("HTTP/1.1 200 OK"));
    const QByteArray expected
        = type < 0 ? QByteArray() : WireBuilder::packet(m_dvr->content().clientId, quint8(type), payload);
    QCOMPARE(body(answer.received), expected);
}

void tst_TestDvr::refusesWrongCredentials_data()
{
    QTest::addColumn<QByteArray>("query");
    QTest::addColumn<QByteArray>("answer");
    QTest::newRow("new: other user") << TestDvr::newQuery(16, cgi::NullMsg(), "guest").toLatin1()
                                     << TestDvrAnswers::responsePacket(1, TestDvrAnswers::ANSWER_USER_UNKNOWN, false);
    QTest::newRow("new: undecodable user") << QByteArray(
        "MODE=16&USER=%%%&DATA=") << TestDvrAnswers::responsePacket(1, TestDvrAnswers::ANSWER_USER_UNKNOWN, false);
    QTest::newRow("old: wrong password") << QByteArray("MODE=6&ID=admin&PW=12345&OP=17")
                                         << TestDvrAnswers::responsePacket(
                                                1, TestDvrAnswers::ANSWER_PASSWORD_MISS, true);
    QTest::newRow("old: other user") << QByteArray("MODE=6&ID=root&PW=1234&OP=17")
                                     << TestDvrAnswers::responsePacket(1, TestDvrAnswers::ANSWER_USER_UNKNOWN, true);
}

void tst_TestDvr::refusesWrongCredentials()
{
    QFETCH(QByteArray, query);
    QFETCH(QByteArray, answer);
    const Exchange exchanged = exchange(m_dvr->port(), get(query));
    QVERIFY(!m_dvr->lastRequest().authorized);
    QCOMPARE(body(exchanged.received), answer);
}

void tst_TestDvr::faults_data()
{
    QTest::addColumn<int>("fault");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<QByteArray>("status");
    QTest::addColumn<bool>("rightBody");
    QTest::newRow("none") << int(TestDvr::Fault::None) << true << QByteArray("HTTP/1.1 200 OK") << true;
    QTest::newRow("no answer") << int(TestDvr::Fault::NoAnswer) << false << QByteArray() << false;
    QTest::newRow("slow answer") << int(TestDvr::Fault::SlowAnswer) << true << QByteArray("HTTP/1.1 200 OK") << true;
    QTest::newRow("closed connection") << int(TestDvr::Fault::CloseConnection) << true << QByteArray() << false;
    QTest::newRow("http error") << int(TestDvr::Fault::HttpError) << true
                                << QByteArray("HTTP/1.1 503 Service Unavailable") << false;
    QTest::newRow("garbled") << int(TestDvr::Fault::Garbled) << true << QByteArray("HTTP/1.1 200 OK") << false;
}

void tst_TestDvr::faults()
{
    QFETCH(int, fault);
    QFETCH(bool, closed);
    QFETCH(QByteArray, status);
    QFETCH(bool, rightBody);
    m_dvr->setFault(static_cast<TestDvr::Fault>(fault));
    m_dvr->setSlowAnswerDelay(400);
    m_dvr->setErrorStatus(503);

    QElapsedTimer clock;
    clock.start();
    // A DVR that keeps the connection open is left after a while.
    const Exchange answer = exchange(m_dvr->port(), get(TestDvr::newQuery(16)), closed ? 60000 : 1500);
    QCOMPARE(answer.closedByDvr, closed);
    QCOMPARE(statusLine(answer.received), status);
    const QByteArray right = TestDvrAnswers::messagePacket(1, cgi::DATA_DVR_INFO, m_dvr->content().dvrInfo);
    QCOMPARE(body(answer.received) == right, rightBody);
    if (fault == int(TestDvr::Fault::Garbled))
        QCOMPARE(body(answer.received).size(), right.size());
    if (fault == int(TestDvr::Fault::SlowAnswer))
        QVERIFY(clock.elapsed() >= 400);
    QCOMPARE(m_dvr->requestCount(), 1);
}

void tst_TestDvr::malformedRequests_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QByteArray>("status");
    QTest::newRow("other path") << QByteArray("GET /index.html HTTP/1.1\r\n\r\n")
                                << QByteArray("HTTP/1.1 404 Not Found");
    QTest::newRow("bad request line") << QByteArray("HELLO\r\n\r\n") << QByteArray("HTTP/1.1 400 Bad Request");
    QTest::newRow("bad length") << QByteArray("POST /cgi-bin/webapp.cgi HTTP/1.1\r\nContent-Length: -5\r\n\r\n")
                                << QByteArray("HTTP/1.1 400 Bad Request");
    QTest::newRow("broken multipart") << QByteArray(
        "POST /cgi-bin/webapp.cgi HTTP/1.1\r\nContent-Type: multipart/form-data; boundary=x\r\n"
        "Content-Length: 3\r\n\r\nabc")
                                      << QByteArray("HTTP/1.1 400 Bad Request");
}

void tst_TestDvr::malformedRequests()
{
    QFETCH(QByteArray, request);
    QFETCH(QByteArray, status);
    const Exchange answer = exchange(m_dvr->port(), request);
    QVERIFY(answer.closedByDvr);
    QCOMPARE(statusLine(answer.received), status);
}

void tst_TestDvr::standaloneProgram()
{
    QProcess help;
    help.start(QStringLiteral(TEST_DVR_PROGRAM), {QStringLiteral("--help")});
    QVERIFY(help.waitForFinished(10000));
    QCOMPARE(help.exitCode(), 0);
    QVERIFY(help.readAllStandardOutput().contains("--lifetime"));

    QProcess dvr;
    dvr.start(QStringLiteral(TEST_DVR_PROGRAM), {QStringLiteral("--lifetime"), QStringLiteral("1")});
    QVERIFY(dvr.waitForReadyRead(10000));
    const QByteArray line = dvr.readLine();
    QVERIFY2(line.startsWith("listening on 127.0.0.1:"), line.constData());
    const quint16 port = line.mid(line.lastIndexOf(':') + 1).trimmed().toUShort();
    QVERIFY(port != 0);
    // It ends by itself at the end of its lifetime.
    QVERIFY(dvr.waitForFinished(60000));
    QCOMPARE(dvr.exitCode(), 0);

    QProcess refused;
    refused.start(QStringLiteral(TEST_DVR_PROGRAM), {QStringLiteral("--lifetime"), QStringLiteral("99999")});
    QVERIFY(refused.waitForFinished(10000));
    QCOMPARE(refused.exitCode(), 2);
}

QTEST_GUILESS_MAIN(tst_TestDvr)
#include "tst_TestDvr.moc"
