#include "Common/COldQuery.h"
#include "Connection/CReadDVRData.h"
#include "TestDvr.h"
#include "TestDvrAnswers.h"
#include "TestDvrScriptedStream.h"
#include "WakeUpCounter.h"
#include "dvr_protocol/cgi_protocol.h"

#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QSignalSpy>
#include <QTest>

class tst_CReadDVRData : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void reads_data();
    void reads();
    void failedReads_data();
    void failedReads();
    void silentDvrEndsAtTheTimeLimitWithoutSpinning();
    void silenceAfterPartOfTheReply();
    void stoppedReadsDeliverNothing_data();
    void stoppedReadsDeliverNothing();
    void newerReadReplacesOlder();
    void tryConnectAppends();
    void largeReply();

private:
    std::unique_ptr<TestDvr> m_dvr;
};

void tst_CReadDVRData::initTestCase()
{
    QLoggingCategory::setFilterRules(QStringLiteral("qelm.network.debug=false\nqelm.network.warning=false"));
}

void tst_CReadDVRData::init()
{
    m_dvr = std::make_unique<TestDvr>();
    QVERIFY(m_dvr->listen());
}

void tst_CReadDVRData::cleanup()
{
    m_dvr.reset();
}

void tst_CReadDVRData::reads_data()
{
    QTest::addColumn<bool>("oldProtocol");
    QTest::addColumn<QString>("query");
    QTest::addColumn<QByteArray>("body");
    const TestDvrContent content = TestDvrContent::standard();
    QTest::newRow("dvr information") << false << TestDvr::newQuery(16)
                                     << TestDvrAnswers::messagePacket(1, cgi::DATA_DVR_INFO, content.dvrInfo);
    QTest::newRow("search") << false << TestDvr::newQuery(6)
                            << TestDvrAnswers::messagePacket(1, content.calendarPacketType, content.calendar);
    QTest::newRow("wrong password") << false << TestDvr::newQuery(17, cgi::NullMsg(), "admin", "+=&%")
                                    << TestDvrAnswers::responsePacket(1, TestDvrAnswers::ANSWER_PASSWORD_MISS, false);
    QTest::newRow("old information page")
        << true
        << COldQuery().add("MODE", 6).addCredential("ID", "admin").addCredential("PW", "1234").add("OP", 17).text()
        << content.oldInfoPage;
    QTest::newRow("old search") << true << "MODE=7&CID=3" << content.oldSearchReply;
    QTest::newRow("empty reply") << true << "MODE=5&CID=3&OP=1" << QByteArray();
}

void tst_CReadDVRData::reads()
{
    QFETCH(bool, oldProtocol);
    QFETCH(QString, query);
    QFETCH(QByteArray, body);

    CReadDVRData reader;
    QSignalSpy completed(&reader, &CReadDVRData::completed);
    reader.startRead(m_dvr->dvrRecord(oldProtocol), query);
    QVERIFY(completed.wait(5000));
    QVERIFY(reader.isFinished());
    QCOMPARE(completed.size(), 1);
    QCOMPARE(completed.at(0).at(0).toByteArray(), body);

    const TestDvrRequest request = m_dvr->lastRequest();
    QCOMPARE(request.kind, TestDvrRequest::DataRead);
    QCOMPARE(request.target, "/cgi-bin/webapp.cgi?" + query.toLatin1());
    QCOMPARE(request.query, query.toLatin1());
    QTest::qWait(50);
    QCOMPARE(completed.size(), 1);
}

void tst_CReadDVRData::failedReads_data()
{
    QTest::addColumn<int>("fault");
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("closedPortOnly");
    QTest::addColumn<QByteArray>("body");
    const int none = int(TestDvr::Fault::None);
    const QByteArray info = TestDvrAnswers::messagePacket(1, cgi::DATA_DVR_INFO, TestDvrContent::standard().dvrInfo);
    QTest::newRow("nothing listens") << none << "127.0.0.1" << true << QByteArray();
    QTest::newRow("invalid address") << none << "127.0.0.1/other" << false << QByteArray();
    QTest::newRow("unknown host") << none << "no-such-host.invalid" << false << QByteArray();
    QTest::newRow("closed connection") << int(TestDvr::Fault::CloseConnection) << "127.0.0.1" << false << QByteArray();
    QTest::newRow("http error") << int(TestDvr::Fault::HttpError) << "127.0.0.1" << false << QByteArray();
    QTest::newRow("slow answer") << int(TestDvr::Fault::SlowAnswer) << "127.0.0.1" << false << info;
}

void tst_CReadDVRData::failedReads()
{
    QFETCH(int, fault);
    QFETCH(QString, address);
    QFETCH(bool, closedPortOnly);
    QFETCH(QByteArray, body);
    m_dvr->setFault(static_cast<TestDvr::Fault>(fault));
    m_dvr->setSlowAnswerDelay(300);
    DVR dvr = m_dvr->dvrRecord();
    dvr.set_address(address.toStdString());
    if (closedPortOnly)
        dvr.set_port(TestDvr::unusedPort());

    CReadDVRData reader;
    reader.setTimeLimit(3000);
    QSignalSpy completed(&reader, &CReadDVRData::completed);
    reader.startRead(dvr, TestDvr::newQuery(16));
    QVERIFY(completed.wait(8000));
    QCOMPARE(completed.size(), 1);
    QCOMPARE(completed.at(0).at(0).toByteArray(), body);
}

void tst_CReadDVRData::silentDvrEndsAtTheTimeLimitWithoutSpinning()
{
    m_dvr->setFault(TestDvr::Fault::NoAnswer);
    CReadDVRData reader;
    reader.setTimeLimit(1200);
    QSignalSpy completed(&reader, &CReadDVRData::completed);

    WakeUpCounter wakeUps(reader);
    QElapsedTimer clock;
    clock.start();
    reader.startRead(m_dvr->dvrRecord(), TestDvr::newQuery(16));
    QVERIFY(completed.wait(30000));
    const qint64 elapsed = clock.elapsed();

    QCOMPARE(completed.at(0).at(0).toByteArray(), QByteArray());
    // Not before the time limit.
    QVERIFY2(elapsed >= 1100, qPrintable(QString::number(elapsed)));
    // The reader waits in its event loop: it wakes for the connection and its
    // timer, a handful of times; a spinning one would wake without end.
    QVERIFY2(wakeUps.count() <= elapsed / 20 + 20, qPrintable(QString::number(wakeUps.count())));
    QTRY_COMPARE(m_dvr->openConnections(), 0);
}

void tst_CReadDVRData::silenceAfterPartOfTheReply()
{
    m_dvr->setHandler(TestDvrRequest::NewDialect, cgi::MODE_HDD_INFO, [](const TestDvrRequest&, const TestDvrContent&) {
        return TestDvrReply::streamed([](QObject* parent) {
            return new TestDvrScriptedStream({{"partial", 0}, {"never sent", 60000}}, std::nullopt, parent);
        });
    });
    CReadDVRData reader;
    // Long enough for a busy computer to deliver the request and the part.
    reader.setTimeLimit(3000);
    QSignalSpy completed(&reader, &CReadDVRData::completed);
    reader.startRead(m_dvr->dvrRecord(), TestDvr::newQuery(17));
    QVERIFY(completed.wait(60000));
    QCOMPARE(completed.at(0).at(0).toByteArray(), QByteArray("partial"));
}

void tst_CReadDVRData::stoppedReadsDeliverNothing_data()
{
    QTest::addColumn<bool>("destroy");
    QTest::newRow("stopRead") << false;
    QTest::newRow("destroyed") << true;
}

void tst_CReadDVRData::stoppedReadsDeliverNothing()
{
    QFETCH(bool, destroy);
    m_dvr->setFault(TestDvr::Fault::NoAnswer);
    auto reader = std::make_unique<CReadDVRData>();
    QSignalSpy completed(reader.get(), &CReadDVRData::completed);
    reader->startRead(m_dvr->dvrRecord(), TestDvr::newQuery(16));
    QVERIFY(m_dvr->waitForRequests(1));
    if (destroy)
        reader.reset();
    else
        reader->stopRead();
    QTRY_COMPARE(m_dvr->openConnections(), 0);
    QTest::qWait(100);
    QCOMPARE(completed.size(), 0);
    if (!destroy)
        QVERIFY(reader->isFinished());
}

void tst_CReadDVRData::newerReadReplacesOlder()
{
    CReadDVRData reader;
    QSignalSpy completed(&reader, &CReadDVRData::completed);
    reader.startRead(m_dvr->dvrRecord(true), QStringLiteral("MODE=7&CID=1"));
    reader.startRead(m_dvr->dvrRecord(), TestDvr::newQuery(18));
    QVERIFY(completed.wait(5000));
    QTest::qWait(100);
    QCOMPARE(completed.size(), 1);
    QCOMPARE(completed.at(0).at(0).toByteArray(),
        TestDvrAnswers::messagePacket(1, cgi::DATA_SYS_LOG, m_dvr->content().sysLog));
}

void tst_CReadDVRData::tryConnectAppends()
{
    CReadDVRData reader;
    QSignalSpy completed(&reader, &CReadDVRData::completed);
    reader.startRead(m_dvr->dvrRecord(true), QStringLiteral("MODE=7&CID=1"));
    QVERIFY(completed.wait(5000));
    reader.tryConnect();
    QVERIFY(completed.wait(5000));
    const QByteArray once = m_dvr->content().oldSearchReply;
    QCOMPARE(completed.at(1).at(0).toByteArray(), once + once);
    QCOMPARE(m_dvr->requestCount(), 2);
}

void tst_CReadDVRData::largeReply()
{
    TestDvrContent content = m_dvr->content();
    content.configuration.resize(6 * 1024 * 1024);
    for (qsizetype i = 0; i < content.configuration.size(); ++i)
        content.configuration[i] = char(i * 7 + i / 251);
    m_dvr->setContent(content);

    CReadDVRData reader;
    QSignalSpy completed(&reader, &CReadDVRData::completed);
    reader.startRead(m_dvr->dvrRecord(), TestDvr::newQuery(22));
    QVERIFY(completed.wait(10000));
    const QByteArray body = completed.at(0).at(0).toByteArray();
    QCOMPARE(body.size(), content.configuration.size() + 14);
    QCOMPARE(body.mid(10, content.configuration.size()), content.configuration);
}

QTEST_GUILESS_MAIN(tst_CReadDVRData)
#include "tst_CReadDVRData.moc"
