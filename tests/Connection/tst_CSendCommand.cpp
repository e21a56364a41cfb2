#include "Common/CCoreMetaTypes.h"
#include "Connection/CSendCommand.h"
#include "TestDvr.h"
#include "TestDvrAnswers.h"
#include "TestDvrScriptedStream.h"
#include "WireBuilder.h"
#include "dvr_protocol/cgi_protocol.h"

#include <QFile>
#include <QLoggingCategory>
#include <QNetworkReply>
#include <QSignalSpy>
#include <QTest>
#include <optional>

namespace {

using Script = QList<TestDvrStream::Chunk>;

// The time limit of a command whose DVR leaves it unanswered: short, and
// still long enough for a busy computer to deliver the request and the
// answers that do come.
const int SILENT_DVR_LIMIT_MS = 3000;
// Only for what never comes.
const int TIME_LIMIT_MS = 60000;

int processThreads()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("Threads:"))
            return line.mid(8).trimmed().toInt();
    }
    return -1;
}

QByteArray infoPacket(const cgi::DvrInfo& info)
{
    return TestDvrAnswers::messagePacket(1, cgi::DATA_DVR_INFO, info);
}

QByteArray statusPacket()
{
    return TestDvrAnswers::messagePacket(1, cgi::DATA_LIVE_STATUS, cgi::LiveStatus());
}

cgi::DvrInfo otherInfo()
{
    cgi::DvrInfo info;
    info.set_dvr_name("Lobby");
    info.add_ch_name("Door");
    info.add_ch_name("Hall");
    return info;
}

} // namespace

class tst_CSendCommand : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void postsTheQuery_data();
    void postsTheQuery();
    void cameraNames_data();
    void cameraNames();
    void answers_data();
    void answers();
    void silentDvrIsLeftAtTheTimeLimit();
    void unreachableDvr_data();
    void unreachableDvr();
    void thousandCommandsLeaveNothingBehind();
    void destroyedWithRepliesRunning();

private:
    std::unique_ptr<TestDvr> m_dvr;
};

void tst_CSendCommand::initTestCase()
{
    CCoreMetaTypes::registerTypes();
    QLoggingCategory::setFilterRules(QStringLiteral("qelm.network.debug=false"));
}

void tst_CSendCommand::init()
{
    m_dvr = std::make_unique<TestDvr>();
    QVERIFY(m_dvr->listen());
}

void tst_CSendCommand::cleanup()
{
    m_dvr.reset();
}

void tst_CSendCommand::postsTheQuery_data()
{
    QTest::addColumn<bool>("oldProtocol");
    QTest::addColumn<QString>("query");
    QTest::addColumn<int>("mode");
    QTest::newRow("old-dialect command") << true << "MODE=5&CID=3&OP=2" << 5;
    QTest::newRow("old-dialect credentials as they stand") << true << "MODE=6&ID=a=b+c&PW=p%41!1&OP=17" << 6;
    cgi::Ptzf ptz;
    ptz.set_cmd(cgi::Ptzf::CMD_UP);
    QTest::newRow("new-dialect command") << false << TestDvr::newQuery(cgi::MODE_PTZF, ptz) << 7;
    // A refused query is never sent.
    QTest::newRow("empty query") << false << QString() << -1;
}

void tst_CSendCommand::postsTheQuery()
{
    QFETCH(bool, oldProtocol);
    QFETCH(QString, query);
    QFETCH(int, mode);

    CSendCommand sender;
    QCOMPARE(sender.send(m_dvr->dvrRecord(oldProtocol), query), !query.isEmpty());
    if (query.isEmpty()) {
        QCOMPARE(sender.activeReplies(), 0);
        QCOMPARE(m_dvr->requestCount(), 0);
        return;
    }
    QVERIFY(m_dvr->waitForRequests(1));

    const TestDvrRequest request = m_dvr->lastRequest();
    QCOMPARE(request.kind, TestDvrRequest::Command);
    QCOMPARE(request.method, QByteArray("POST"));
    QCOMPARE(request.target, QByteArray("/cgi-bin/webapp.cgi?"));
    QCOMPARE(request.body, query.toLatin1());
    QCOMPARE(request.header("Content-Type"), QByteArray("application/x-www-form-urlencoded"));
    QCOMPARE(request.header("Content-Length"), QByteArray::number(query.size()));
    QCOMPARE(request.mode, mode);
    QTRY_COMPARE(sender.activeReplies(), 0);
}

void tst_CSendCommand::cameraNames_data()
{
    QTest::addColumn<Script>("script");
    QTest::addColumn<bool>("named");

    const QByteArray info = infoPacket(otherInfo());
    const QByteArray accepted = TestDvrAnswers::responsePacket(1, 0, false);
    QTest::newRow("response, then identity") << Script{{accepted, 0}, {info, 0}} << true;
    QTest::newRow("identity split across deliveries")
        << Script{{accepted + info.left(7), 0}, {info.mid(7, 9), 150}, {info.mid(16), 150}} << true;
    QByteArray many;
    for (int i = 0; i < 12; ++i)
        many += statusPacket();
    QTest::newRow("identity after many packets of one delivery") << Script{{accepted + many + info, 0}} << true;
    Script later{{accepted, 0}};
    for (int i = 0; i < 6; ++i)
        later.append({statusPacket(), 60});
    later.append({info, 60});
    QTest::newRow("identity later in the stream") << later << true;
    QByteArray broken = info;
    broken[broken.size() - 1] = 'X';
    QTest::newRow("identity with a broken end marker") << Script{{accepted + broken, 0}} << false;
}

void tst_CSendCommand::cameraNames()
{
    QFETCH(Script, script);
    QFETCH(bool, named);
    m_dvr->setHandler(
        TestDvrRequest::NewDialect, cgi::MODE_LIVE, [script](const TestDvrRequest&, const TestDvrContent&) {
            const TestDvrStream::Chunk filler{statusPacket(), 50};
            return TestDvrReply::streamed(
                [script, filler](QObject* parent) { return new TestDvrScriptedStream(script, filler, parent); });
        });

    CSendCommand sender;
    sender.setTimeLimit(SILENT_DVR_LIMIT_MS);
    QSignalSpy names(&sender, &CSendCommand::receivedCameraName);
    sender.send(m_dvr->dvrRecord(), TestDvr::newQuery(cgi::MODE_LIVE, cgi::Live()));

    // The stream is closed by the sender either way: at once when the
    // identity came, at the time limit when it never does.
    QVERIFY(m_dvr->waitForStreamsClosedByClient(1, TIME_LIMIT_MS));
    QTRY_COMPARE(sender.activeReplies(), 0);
    QCOMPARE(names.size(), named ? 1 : 0);
    if (named) {
        const cgi::DvrInfo info = names.at(0).at(0).value<cgi::DvrInfo>();
        QCOMPARE(info.dvr_name(), std::string("Lobby"));
        QCOMPARE(info.ch_name_size(), 2);
        QCOMPARE(info.ch_name(1), std::string("Hall"));
    }
}

void tst_CSendCommand::answers_data()
{
    // The reply's status and body, or status 0: the chunks of a body that
    // goes on until the time limit; -1: the DVR's own answer, to a wrong
    // password when the body says "wrong", none when it says "close" (the
    // DVR closes the connection), a closed port when it is empty.
    QTest::addColumn<bool>("oldProtocol");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArrayList>("body");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QString>("text");
    const auto response = [](quint8 code, bool old = false) { return TestDvrAnswers::responsePacket(1, code, old); };
    const QByteArray denied = response(TestDvrAnswers::ANSWER_PERMISSION_DENIED);
    const int taken = CCommandAnswer::Taken;
    const int refused = CCommandAnswer::Refused;
    const int unanswered = CCommandAnswer::Unanswered;
    QTest::newRow("empty") << false << 200 << QByteArrayList() << taken << QString();
    QTest::newRow("accepted") << false << 200 << QByteArrayList{response(0)} << taken << QString();
    QTest::newRow("permission denied") << false << 200 << QByteArrayList{denied} << refused
                                       << "[ERROR]permission denied";
    QTest::newRow("refused in the older dialect, whose code 0 is a refusal too")
        << true << 200 << QByteArrayList{response(0, true)} << refused << "[ERROR]unknown";
    QTest::newRow("refused in the older dialect, password miss")
        << true << 200 << QByteArrayList{response(TestDvrAnswers::ANSWER_PASSWORD_MISS, true)} << refused
        << "[ERROR]password miss";
    QTest::newRow("wrong password") << false << -1 << QByteArrayList{"wrong"} << refused << "[ERROR]password miss";
    QTest::newRow("refusal with an error status")
        << false << 500 << QByteArrayList{denied} << refused << "[ERROR]permission denied";
    QTest::newRow("refusal without a code")
        << false << 200 << QByteArrayList{WireBuilder::packet(1, cgi::DATA_RESPONSE, "ab")} << refused
        << "[ERROR]unknown";
    QTest::newRow("refusal split, then the time limit")
        << false << 0 << QByteArrayList{denied.left(5), denied.mid(5)} << refused << "[ERROR]permission denied";
    // The network's failures in words; an HTTP status only where the DVR
    // sent one.
    QTest::newRow("error status") << false << 500 << QByteArrayList() << unanswered << "HTTP error status 500";
    QTest::newRow("error status, older dialect")
        << true << 404 << QByteArrayList() << unanswered << "HTTP error status 404";
    QTest::newRow("nothing listens") << false << -1 << QByteArrayList() << unanswered
                                     << "the DVR refused the connection";
    QTest::newRow("closed without an answer")
        << false << -1 << QByteArrayList{"close"} << unanswered << "the DVR closed the connection";
    QTest::newRow("no answer within the time limit")
        << false << 0 << QByteArrayList() << unanswered << "no answer within the time limit";
}

void tst_CSendCommand::answers()
{
    QFETCH(bool, oldProtocol);
    QFETCH(int, status);
    QFETCH(QByteArrayList, body);
    QFETCH(int, outcome);
    QFETCH(QString, text);
    DVR dvr = m_dvr->dvrRecord(oldProtocol);
    const TestDvrRequest::Dialect dialect = oldProtocol ? TestDvrRequest::OldDialect : TestDvrRequest::NewDialect;
    const int mode = oldProtocol ? 5 : cgi::MODE_RELAY_PORT;
    if (status == 0) {
        Script script;
        for (const QByteArray& chunk : body)
            script.append({chunk, 100});
        const TestDvrStream::Chunk filler{statusPacket(), 100};
        m_dvr->setHandler(dialect, mode, [script, filler](const TestDvrRequest&, const TestDvrContent&) {
            return TestDvrReply::streamed(
                [script, filler](QObject* parent) { return new TestDvrScriptedStream(script, filler, parent); });
        });
    } else if (status > 0) {
        const QByteArray bytes = body.join();
        m_dvr->setHandler(dialect, mode, [status, bytes](const TestDvrRequest&, const TestDvrContent&) {
            return TestDvrReply::http(status, bytes);
        });
    } else if (body.isEmpty()) {
        dvr.set_port(TestDvr::unusedPort());
    } else if (body.first() == "close") {
        m_dvr->setFault(TestDvr::Fault::CloseConnection);
    } else {
        dvr.set_password("wrong");
    }

    CSendCommand sender;
    sender.setTimeLimit(SILENT_DVR_LIMIT_MS);
    std::optional<CCommandAnswer> heard;
    const QString query = oldProtocol
        ? QStringLiteral("MODE=5&CID=1&OP=20&LEN=3&REQ=0,0")
        : TestDvr::newQuery(cgi::MODE_RELAY_PORT, cgi::RelayPort(), dvr.id(), dvr.password());
    QVERIFY(sender.send(dvr, query, [&heard](const CCommandAnswer& answer) {
        QVERIFY(!heard);
        heard = answer;
    }));
    QTRY_VERIFY_WITH_TIMEOUT(heard, TIME_LIMIT_MS);
    QCOMPARE(int(heard->outcome()), outcome);
    QCOMPARE(heard->text(), text);
}

void tst_CSendCommand::silentDvrIsLeftAtTheTimeLimit()
{
    m_dvr->setFault(TestDvr::Fault::NoAnswer);
    CSendCommand sender;
    sender.setTimeLimit(SILENT_DVR_LIMIT_MS);
    sender.send(m_dvr->dvrRecord(), QStringLiteral("MODE=5&CID=1&OP=1"));
    QVERIFY(m_dvr->waitForRequests(1));
    QCOMPARE(sender.activeReplies(), 1);
    QTRY_COMPARE_WITH_TIMEOUT(sender.activeReplies(), 0, TIME_LIMIT_MS);
    QTRY_COMPARE(m_dvr->openConnections(), 0);
}

void tst_CSendCommand::unreachableDvr_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("closedPortOnly");
    QTest::newRow("nothing listens") << "127.0.0.1" << true;
    QTest::newRow("address with blanks") << "my dvr" << false;
    QTest::newRow("empty address") << QString() << false;
    QTest::newRow("address with a path") << "127.0.0.1/x?y" << false;
}

void tst_CSendCommand::unreachableDvr()
{
    QFETCH(QString, address);
    QFETCH(bool, closedPortOnly);
    DVR dvr = m_dvr->dvrRecord();
    dvr.set_address(address.toStdString());
    if (closedPortOnly)
        dvr.set_port(TestDvr::unusedPort());

    CSendCommand sender;
    QSignalSpy names(&sender, &CSendCommand::receivedCameraName);
    sender.send(dvr, TestDvr::newQuery(cgi::MODE_LIVE, cgi::Live()));
    QTRY_COMPARE(sender.activeReplies(), 0);
    QTest::qWait(50);
    QCOMPARE(names.size(), 0);
    QCOMPARE(m_dvr->requestCount(), 0);
}

void tst_CSendCommand::thousandCommandsLeaveNothingBehind()
{
    CSendCommand sender;
    const DVR dvr = m_dvr->dvrRecord(true);
    sender.send(dvr, QStringLiteral("MODE=5&CID=1&OP=0"));
    QVERIFY(m_dvr->waitForRequests(1));
    QTRY_COMPARE(sender.activeReplies(), 0);
    const int threadsBefore = processThreads();

    constexpr int COMMANDS = 1000;
    for (int i = 1; i <= COMMANDS; ++i)
        sender.send(dvr, QStringLiteral("MODE=5&CID=1&OP=%1").arg(i));
    QVERIFY(m_dvr->waitForRequests(COMMANDS + 1, 60000));
    QTRY_COMPARE_WITH_TIMEOUT(sender.activeReplies(), 0, 10000);
    QTRY_COMPARE(sender.findChildren<QNetworkReply*>().size(), 0);
    QCOMPARE(sender.findChildren<QNetworkAccessManager*>().size(), 1);
    QVERIFY(processThreads() <= threadsBefore + 1);
    QCOMPARE(m_dvr->lastRequest().body, QByteArray("MODE=5&CID=1&OP=1000"));
}

void tst_CSendCommand::destroyedWithRepliesRunning()
{
    m_dvr->setFault(TestDvr::Fault::NoAnswer);
    auto sender = std::make_unique<CSendCommand>();
    for (int i = 0; i < 3; ++i)
        sender->send(m_dvr->dvrRecord(), TestDvr::newQuery(cgi::MODE_LIVE, cgi::Live()));
    QVERIFY(m_dvr->waitForRequests(3));
    sender.reset();
    QTRY_COMPARE(m_dvr->openConnections(), 0);
}

QTEST_GUILESS_MAIN(tst_CSendCommand)
#include "tst_CSendCommand.moc"
