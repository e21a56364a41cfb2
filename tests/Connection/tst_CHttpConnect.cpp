#include "Common/CCoreMetaTypes.h"
#include "Common/CEucKr.h"
#include "Common/COldQuery.h"
#include "Connection/CApplicationSender.h"
#include "Connection/CHttpConnect.h"
#include "Connection/CReadDVRData.h"
#include "Connection/CSendCommand.h"
#include "Display/CDisplayVideo.h"
#include "LinkProbe.h"
#include "Settings/CAppSettings.h"
#include "SysData/CRecord.h"
#include "TestDvr.h"
#include "TestDvrStreams.h"
#include "WireBuilder.h"
#include "dvr_protocol/cgi_protocol.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <atomic>
#include <memory>

// The streaming link against the test DVR: what it asks for in both
// dialects, how it reads answers, identities and frames, how it restarts,
// fails and stops, and that every misbehaviour of a DVR ends in clean video
// or a clean failure report.
namespace {

using Fault = TestDvrStreamSettings::Fault;

enum Kind { Live, LiveSub, EMap, Playback, Backup, AudioLive, AudioPlayback };

// What follows a time asked for no channel.
enum Then { AskedAgain, DvrCloses, DvrFreezes };

const quint32 T10 = 1704103200; // 2024-01-01 10:00:00 on the DVR's clock
// Signs that a query could mistake, as an old DVR takes them: as they stand.
const char* const USER = "a=d+min";
const char* const PASSWORD = "p%41!1";
// Short for tests, long enough that two dozen links on a loaded machine under
// a sanitizer still see their DVR's first packet in time.
const int SILENCE_MS = 3000;

TestDvrStreamSettings smallStreams(int fps = 25)
{
    TestDvrStreamSettings settings;
    settings.fps = fps;
    settings.statusIntervalMs = 100;
    return settings;
}

CHttpConnect::ConnParam param(Kind kind)
{
    CHttpConnect::ConnParam p;
    p.codec = kind == LiveSub ? 1 : 0;
    p.emapMode = kind == EMap;
    if (kind == Playback || kind == AudioPlayback) {
        p.mode = CHttpConnect::PLAYBACK;
        p.skipMode = false;
        p.startTime = T10;
    } else if (kind == Backup) {
        p.mode = CHttpConnect::BACKUP;
        p.startTime = T10;
        p.endTime = T10 + 20;
    }
    return p;
}

// The link's reports that showed the failed state on its screens.
int failedStateShown(const LinkProbe& probe)
{
    const QList<DISPLAY_DVR_INFO> reports = probe.statusReports();
    return int(std::count_if(
        reports.cbegin(), reports.cend(), [](const DISPLAY_DVR_INFO& report) { return report.failure.isLost(); }));
}

} // namespace

class tst_CHttpConnect : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void requestsAndStopRequests_data();
    void requestsAndStopRequests();
    void audioLinkLeavesOtherStreams_data();
    void audioLinkLeavesOtherStreams();
    void oldDialectCredentials_data();
    void oldDialectCredentials();
    void answerCodes_data();
    void answerCodes();
    void refusalThenCloseFailsOnce();
    void identityAndFrames_data();
    void identityAndFrames();
    void emapLinkReportsStatesAndCopies();
    void dropRules_data();
    void dropRules();
    void askedForNoChannel_data();
    void askedForNoChannel();
    void restartWaits_data();
    void restartWaits();
    void droppingLinkBacksOff();
    void stoppedLinkNeverRestarts();
    void everyFaultEndsCleanly();
    void connectDisconnectCycles();

private:
    DVR record(bool oldProtocol, quint32 mask = 0x3) const;
    std::unique_ptr<TestDvr> m_dvr;
};

void tst_CHttpConnect::initTestCase()
{
    CCoreMetaTypes::registerTypes();
    QLoggingCategory::setFilterRules(QStringLiteral("qelm.network.debug=false"));
}

void tst_CHttpConnect::init()
{
    m_dvr = std::make_unique<TestDvr>();
    QVERIFY(m_dvr->listen());
    m_dvr->setCredentials(QString::fromUtf8(USER), QString::fromUtf8(PASSWORD));
    m_dvr->setStreamSettings(smallStreams());
}

void tst_CHttpConnect::cleanup()
{
    // Stop requests still on their way would otherwise be cut off at exit.
    QCoreApplication::processEvents();
    QTRY_COMPARE_WITH_TIMEOUT(CApplicationSender::pending(), 0, 15000);
    m_dvr.reset();
}

DVR tst_CHttpConnect::record(bool oldProtocol, quint32 mask) const
{
    DVR dvr = m_dvr->dvrRecord(oldProtocol);
    dvr.set_bitch(mask);
    return dvr;
}

void tst_CHttpConnect::requestsAndStopRequests_data()
{
    QTest::addColumn<bool>("oldProtocol");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("mode");
    // New dialect: the DATA message; old dialect: the whole query.
    QTest::addColumn<QByteArray>("expected");

    cgi::Live live;
    live.set_codec(cgi::CODEC_MAIN);
    live.set_vchmask(0x3);
    live.set_achmask(0x3);
    live.set_header_only_mask(0);
    QTest::newRow("new live") << false << int(Live) << 0 << WireBuilder::bytesOf(live);
    live.set_codec(cgi::CODEC_SUB);
    QTest::newRow("new live sub stream") << false << int(LiveSub) << 0 << WireBuilder::bytesOf(live);
    live.set_codec(cgi::CODEC_MAIN);
    live.set_achmask(0);
    live.set_header_only_mask(0x3);
    QTest::newRow("new E-Map") << false << int(EMap) << 0 << WireBuilder::bytesOf(live);
    cgi::Playback playback;
    playback.set_start_time(T10);
    playback.set_vchmask(0x3);
    playback.set_achmask(0x3);
    playback.set_skip_mode(false);
    QTest::newRow("new playback") << false << int(Playback) << 1 << WireBuilder::bytesOf(playback);
    cgi::Backup backup;
    backup.set_start_time(T10);
    backup.set_end_time(T10 + 20);
    backup.set_chmask(0x3);
    QTest::newRow("new backup") << false << int(Backup) << 2 << WireBuilder::bytesOf(backup);

    const QByteArray credentials = "ID=a=d+min&PW=p%41!1";
    QTest::newRow("new live audio") << false << int(AudioLive) << 1
                                    << "MODE=1&" + credentials + "&VER=3000&CH=3&CID=107";
    QTest::newRow("old live") << true << int(Live) << 0 << "MODE=0&" + credentials + "&VER=3000&CH=3";
    QTest::newRow("old live sub stream") << true << int(LiveSub) << 9 << "MODE=9&" + credentials + "&VER=3000&CH=3";
    QTest::newRow("old E-Map") << true << int(EMap) << 0 << "MODE=0&" + credentials + "&VER=3000&CH=3";
    QTest::newRow("old playback") << true << int(Playback) << 2
                                  << "MODE=2&STARTTIME=240101100000&" + credentials + "&VER=3000&CH=3";
    QTest::newRow("old backup") << true << int(Backup) << 2
                                << "MODE=2&STARTTIME=240101100000&ENDTIME=240101100020&" + credentials
            + "&VER=3000&CH=3";
    QTest::newRow("old live audio") << true << int(AudioLive) << 1
                                    << "MODE=1&" + credentials + "&VER=3000&CH=3&CID=107";
    QTest::newRow("old playback audio") << true << int(AudioPlayback) << 3
                                        << "MODE=3&" + credentials + "&VER=3000&CH=3&CID=107";
}

void tst_CHttpConnect::requestsAndStopRequests()
{
    QFETCH(bool, oldProtocol);
    QFETCH(int, kind);
    QFETCH(int, mode);
    QFETCH(QByteArray, expected);

    CHttpConnect link;
    LinkProbe probe(link);
    const bool audio = kind == AudioLive || kind == AudioPlayback;
    if (audio)
        link.audioConnect(record(oldProtocol), param(Kind(kind)), 7);
    else
        link.Connect(record(oldProtocol), param(Kind(kind)));
    QVERIFY(m_dvr->waitForRequests(1));

    TestDvrRequest request = m_dvr->lastRequest();
    QCOMPARE(request.kind, TestDvrRequest::StreamRequest);
    QVERIFY(request.authorized);
    QCOMPARE(request.mode, mode);
    if (oldProtocol || audio) {
        QCOMPARE(request.query, expected);
    } else {
        QCOMPARE(request.dialect, TestDvrRequest::NewDialect);
        QCOMPARE(request.data, expected);
    }

    int stream = 107;
    if (!audio) {
        QTRY_COMPARE(probe.connectedIds().size(), 1);
        stream = probe.connectedIds().first();
        QCOMPARE(link.getClientID(), stream);
    }
    QTRY_COMPARE(m_dvr->streams()->runningCount(), 1);
    link.Disconnect();
    QCOMPARE(link.getClientID(), -1);
    if (audio && !oldProtocol) {
        // Its video link's stop ends it; ids above 100 are other viewers'.
        QCOMPARE(CApplicationSender::pending(), 0);
        QTRY_COMPARE(m_dvr->streams()->runningCount(), 0);
        QCOMPARE(m_dvr->requestCount(), 1);
        return;
    }
    QVERIFY(m_dvr->waitForRequests(2));
    request = m_dvr->lastRequest();
    QCOMPARE(request.kind, TestDvrRequest::Command);
    if (oldProtocol) {
        QCOMPARE(request.body, "MODE=5&CID=" + QByteArray::number(stream) + "&OP=5");
    } else {
        cgi::StreamStop stop;
        stop.set_stream_id(quint32(stream));
        QCOMPARE(request.mode, int(cgi::MODE_STREAM_STOP));
        QCOMPARE(request.data, WireBuilder::bytesOf(stop));
    }
    // The stop request names this stream, so only this stream ended by it.
    QTRY_COMPARE(m_dvr->streams()->runningCount(), 0);
}

void tst_CHttpConnect::audioLinkLeavesOtherStreams_data()
{
    QTest::addColumn<bool>("oldProtocol");
    QTest::newRow("old") << true;
    QTest::newRow("new, another viewer on id + 100") << false;
}

void tst_CHttpConnect::audioLinkLeavesOtherStreams()
{
    QFETCH(bool, oldProtocol);
    CHttpConnect video;
    LinkProbe videoProbe(video);
    m_dvr->streams()->setNextVideoId(7);
    video.Connect(record(oldProtocol), param(Live));
    QTRY_COMPARE(videoProbe.connectedIds(), QList<int>{7});
    CHttpConnect other;
    LinkProbe otherProbe(other);
    if (!oldProtocol) {
        m_dvr->streams()->setNextVideoId(107);
        other.Connect(record(false), param(Live));
        QTRY_COMPARE(otherProbe.connectedIds(), QList<int>{107});
    }

    // The DVR drops the audio stream alone, after a few packets.
    TestDvrStreamSettings dropping = smallStreams();
    dropping.fault = Fault::CloseAfter;
    dropping.faultValue = 6;
    m_dvr->setStreamSettings(dropping);
    CHttpConnect audio;
    LinkProbe audioProbe(audio);
    audio.audioConnect(record(oldProtocol), param(Live), 7);
    QTRY_VERIFY(audio.isFinished());
    m_dvr->setStreamSettings(smallStreams());
    QTRY_COMPARE(CApplicationSender::pending(), 0);
    const int before = videoProbe.videoFrames();
    QTRY_VERIFY(videoProbe.videoFrames() > before + 10);
    QVERIFY(m_dvr->streams()->isRunning(7));

    // Disconnecting as the controller does: audio, then video.
    audio.Disconnect();
    video.Disconnect();
    QTRY_VERIFY(!m_dvr->streams()->isRunning(7));
    QCOMPARE(videoProbe.failures(), 0);
    if (!oldProtocol) {
        QTRY_COMPARE(CApplicationSender::pending(), 0);
        const int otherBefore = otherProbe.videoFrames();
        QTRY_VERIFY(otherProbe.videoFrames() > otherBefore + 10);
        QVERIFY(m_dvr->streams()->isRunning(107));
        QCOMPARE(otherProbe.failures(), 0);
    }
}

void tst_CHttpConnect::oldDialectCredentials_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("sent");
    QTest::newRow("exclamation mark") << "admin"
                                      << "pw!1" << true;
    QTest::newRow("percent sign") << "p%41"
                                  << "p%41" << true;
    QTest::newRow("equals and plus") << "a=b+c"
                                     << "1234" << true;
    QTest::newRow("EUC-KR name") << QString::fromUtf8("\xea\xb4\x80\xeb\xa6\xac\xec\x9e\x90") << "1234" << true;
    QTest::newRow("ampersand") << "a&b"
                               << "1234" << false;
    QTest::newRow("hash") << "admin"
                          << "a#b" << false;
    QTest::newRow("blank") << "a b"
                           << "1234" << false;
    QTest::newRow("line break") << "admin"
                                << "a\nb" << false;
}

void tst_CHttpConnect::oldDialectCredentials()
{
    QFETCH(QString, id);
    QFETCH(QString, password);
    QFETCH(bool, sent);
    m_dvr->setCredentials(id, password);
    DVR dvr = record(true);
    dvr.set_id(id.toStdString());
    dvr.set_password(password.toStdString());

    // Every request kind: video and audio streams, a command carrying a
    // relay payload, a data read.
    CHttpConnect video;
    LinkProbe videoProbe(video);
    CHttpConnect audio;
    LinkProbe audioProbe(audio);
    m_dvr->streams()->setNextVideoId(7);
    video.Connect(dvr, param(Live));
    audio.audioConnect(dvr, param(Live), 7);
    const auto withUser = [&](int mode) {
        COldQuery query;
        query.add("MODE", mode).addCredential("ID", id).addCredential("PW", password);
        return query;
    };
    CSendCommand sender;
    QCOMPARE(sender.send(dvr, withUser(8).addPlain("REQ", "0,1").text()), sent);
    CReadDVRData reader;
    QSignalSpy completed(&reader, &CReadDVRData::completed);
    reader.startRead(dvr, withUser(6).add("OP", 17).text());
    QVERIFY(completed.wait(5000));

    if (!sent) {
        // Refused before anything went out, and reported as a failure.
        QCOMPARE(videoProbe.failures(), 1);
        QCOMPARE(audioProbe.failures(), 1);
        QCOMPARE(videoProbe.statusReports().last().failure.text(), COldQuery::errorText(COldQuery::CREDENTIAL_REFUSED));
        QCOMPARE(completed.first().first().toByteArray(), QByteArray());
        QCOMPARE(m_dvr->requestCount(), 0);
        return;
    }
    QVERIFY(m_dvr->waitForRequests(4));
    QTRY_VERIFY(videoProbe.videoFrames() > 0 && audioProbe.audioFrames() > 0);
    // The DVR compares the bytes as they came.
    for (const TestDvrRequest& request : m_dvr->requests()) {
        QVERIFY2(request.authorized, request.query.constData());
        QCOMPARE(request.param("ID"), CEucKr::fromUnicode(id));
        QCOMPARE(request.param("PW"), CEucKr::fromUnicode(password));
        if (request.kind == TestDvrRequest::Command)
            QCOMPARE(request.param("REQ"), QByteArray("0,1"));
    }
    QCOMPARE(completed.first().first().toByteArray(), m_dvr->content().oldInfoPage);
}

void tst_CHttpConnect::answerCodes_data()
{
    QTest::addColumn<bool>("oldProtocol");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    const QStringList newTexts{QString(), "[ERROR]user unknown", "[ERROR]password miss", "[ERROR]client limit",
        "[ERROR]permission denied", "[ERROR]network timeout", "[ERROR]unknown"};
    for (int code = 0; code < newTexts.size(); ++code)
        QTest::addRow("new %d", code) << false << code << newTexts.at(code);
    QTest::newRow("new 200") << false << 200 << "[ERROR]unknown";
    const QList<QPair<int, QString>> oldTexts{{0, "[ERROR]unknown"}, {1, "[ERROR]user unknown"},
        {2, "[ERROR]password miss"}, {3, "[ERROR]protocol version"}, {4, "[ERROR]client limit"},
        {5, "[ERROR]super exist"}, {6, "[ERROR]no video data"}, {7, "[ERROR]no video channel"}, {8, "[ERROR]unknown"},
        {10, "[ERROR]mpeg push end"}, {14, "[ERROR]connection timeout"}, {255, "[ERROR]unknown"}};
    for (const auto& [code, text] : oldTexts)
        QTest::addRow("old %d", code) << true << code << text;
}

void tst_CHttpConnect::answerCodes()
{
    QFETCH(bool, oldProtocol);
    QFETCH(int, code);
    QFETCH(QString, text);
    TestDvrStreamSettings settings = smallStreams();
    settings.fault = Fault::Refuse;
    settings.faultValue = code;
    m_dvr->setStreamSettings(settings);

    CHttpConnect link;
    LinkProbe probe(link);
    link.Connect(record(oldProtocol), param(Live));
    if (text.isEmpty()) {
        // Accepted: the stream follows.
        QTRY_VERIFY(probe.videoFrames() > 0);
        QCOMPARE(probe.failures(), 0);
    } else {
        QTRY_COMPARE(probe.failures(), 1);
        QCOMPARE(probe.statusReports().size(), 1);
        QCOMPARE(probe.statusReports().first().failure.text(), text);
    }
    link.Disconnect();
}

void tst_CHttpConnect::refusalThenCloseFailsOnce()
{
    TestDvrStreamSettings settings = smallStreams();
    settings.fault = Fault::Refuse;
    settings.faultValue = 2;
    m_dvr->setStreamSettings(settings);

    CHttpConnect link;
    LinkProbe probe(link);
    link.Connect(record(false), param(Live));
    QTRY_COMPARE(probe.failures(), 1);
    // The DVR closed the refused stream: the link ends there, without a
    // second report and without asking again.
    QTRY_VERIFY(link.isFinished());
    QTest::qWait(200);
    QCOMPARE(probe.failures(), 1);
    QCOMPARE(m_dvr->streamsStarted(), 1);
    QCOMPARE(probe.statusReports().first().failure.text(), QStringLiteral("[ERROR]password miss"));
}

void tst_CHttpConnect::identityAndFrames_data()
{
    QTest::addColumn<bool>("oldProtocol");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("reportedModel");
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("names");
    QTest::addColumn<int>("shownModel");
    QTest::addColumn<int>("shownNames");
    QTest::newRow("new, known model") << false << int(Live) << 4 << 16 << 16 << 4 << 16;
    QTest::newRow("new, unknown model of 8 channels") << false << int(Live) << 99 << 8 << 8 << 5 << 8;
    QTest::newRow("new, unknown model of 12 channels") << false << int(Live) << 99 << 12 << 12 << 0 << 12;
    QTest::newRow("new, more channels than names") << false << int(Playback) << 4 << 16 << 3 << 4 << 3;
    QTest::newRow("new, more than 16 channels") << false << int(Live) << 4 << 40 << 20 << 4 << 16;
    QTest::newRow("old, known model") << true << int(Live) << 15 << 16 << 16 << 15 << 16;
    QTest::newRow("old, unknown model of 8 channels") << true << int(Playback) << 30 << 8 << 8 << 20 << 8;
    QTest::newRow("old, unknown model of 4 channels") << true << int(Live) << 30 << 4 << 4 << 19 << 4;
}

void tst_CHttpConnect::identityAndFrames()
{
    QFETCH(bool, oldProtocol);
    QFETCH(int, kind);
    QFETCH(int, reportedModel);
    QFETCH(int, channels);
    QFETCH(int, names);
    QFETCH(int, shownModel);
    QFETCH(int, shownNames);

    TestDvrContent content = m_dvr->content();
    content.dvrInfo.set_model(quint32(reportedModel));
    content.oldModel = quint8(reportedModel);
    content.dvrInfo.set_ch_num(quint32(channels));
    content.dvrInfo.set_available_chmask(0x0001);
    content.dvrInfo.clear_ch_name();
    for (int i = 0; i < names; ++i)
        content.dvrInfo.add_ch_name("Cam " + std::to_string(i));
    content.liveStatus.set_motion_chmask(0x2);
    m_dvr->setContent(content);

    CHttpConnect link;
    LinkProbe probe(link);
    link.setDisplayScreen(4, 2);
    link.Connect(record(oldProtocol), param(Kind(kind)));
    QTRY_VERIFY(probe.videoFrames() >= 8);
    QTRY_COMPARE(probe.connectedIds().size(), 1);
    QCOMPARE(probe.badFrames(), 0);
    QCOMPARE(probe.videoChannels(), (QSet<int>{0, 1}));
    QCOMPARE(link.getDVRChannels(), channels);
    QCOMPARE(int(probe.connectedIdentities().first().model()), reportedModel);

    const DISPLAY_DVR_INFO info = link.displayInfo();
    QCOMPARE(info.model, shownModel);
    QCOMPARE(info.oldProtocol, oldProtocol);
    QCOMPARE(info.mode, kind == Live ? 0 : 1);
    QCOMPARE(info.startScreen, 4);
    QCOMPARE(info.screenCount, 2);
    QCOMPARE(info.channelMask, 0x3);
    QCOMPARE(info.authorityMask, 0x0001);
    QCOMPARE(info.dvrName, QStringLiteral("Test DVR"));
    for (int i = 0; i < 16; ++i)
        QCOMPARE(info.channelNames[i], i < shownNames ? QStringLiteral("Cam %1").arg(i) : QString());
    if (!oldProtocol && kind == Live)
        QTRY_COMPARE(link.displayInfo().motionMask, 0x2ULL);
    if (kind == Playback)
        QTRY_COMPARE(link.displayInfo().pbMode, 0);
    if (oldProtocol) // the old dialect's audio travels on the audio link only
        QCOMPARE(probe.audioFrames(), 0);
    else
        QTRY_VERIFY(probe.audioFrames() > 0);
    link.Disconnect();
}

void tst_CHttpConnect::emapLinkReportsStatesAndCopies()
{
    TestDvrContent content = m_dvr->content();
    content.liveStatus.set_motion_chmask(0x1);
    content.liveStatus.set_sensor_chmask(0x1);
    m_dvr->setContent(content);

    CHttpConnect link;
    LinkProbe probe(link);
    link.Connect(record(false), param(EMap));
    // Headers only: a state per frame, no picture and nothing for the wall.
    QTRY_VERIFY(probe.emapStatuses().size() >= 20);
    QCOMPARE(probe.videoFrames(), 0);
    QCOMPARE(probe.emapFrames().size(), 0);
    QVERIFY(probe.emapStatuses().contains(EMap_Status::MOTION_SENSOR));
    QVERIFY(probe.emapStatuses().contains(EMap_Status::CONNECTED));
    link.Disconnect();
    link.setConnectionFailed(CLinkFailure::lost());
    QCOMPARE(probe.emapStatuses().mid(probe.emapStatuses().size() - 16), QList<int>(16, EMap_Status::DISCONNECTED));
}

void tst_CHttpConnect::dropRules_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("recording");
    QTest::addColumn<int>("closeAfter");
    QTest::addColumn<int>("streams");
    QTest::addColumn<int>("failures");
    QTest::addColumn<bool>("interrupted");
    // Packets 1 and 2 are the answer and the identity; video follows.
    // streams -1: the link keeps restarting while each run delivers.
    QTest::newRow("live keeps restarting while packets come") << int(Live) << false << 30 << -1 << 0 << false;
    QTest::newRow("live closed before video restarts") << int(Live) << false << 2 << -1 << 0 << false;
    QTest::newRow("live closed before any packet") << int(Live) << false << 0 << 1 << 1 << false;
    QTest::newRow("playback before its first frame") << int(Playback) << false << 2 << 1 << 1 << false;
    QTest::newRow("playback after frames fails, unrestarted") << int(Playback) << false << 30 << 1 << 1 << false;
    QTest::newRow("recorded playback restarts") << int(Playback) << true << 30 << -1 << 0 << false;
    QTest::newRow("backup never restarts") << int(Backup) << true << 30 << 1 << 0 << true;
    QTest::newRow("audio link") << int(AudioLive) << false << 2 << 1 << 0 << false;
}

void tst_CHttpConnect::dropRules()
{
    QFETCH(int, kind);
    QFETCH(bool, recording);
    QFETCH(int, closeAfter);
    QFETCH(int, streams);
    QFETCH(int, failures);
    QFETCH(bool, interrupted);
    TestDvrStreamSettings settings = smallStreams(50);
    settings.fault = Fault::CloseAfter;
    settings.faultValue = closeAfter;
    m_dvr->setStreamSettings(settings);

    QTemporaryDir folder;
    CAppSettings().writeSetting(CAppSettings::PATH_LIST.at(2), folder.path());
    CAppSettings().writeSetting(CAppSettings::PATH_LIST.at(1), folder.path());
    CRecord recorder;
    if (recording)
        QVERIFY(recorder.start(QStringLiteral("Test DVR"), m_dvr->content().dvrInfo, kind == Backup ? 1 : 0));

    CHttpConnect link;
    LinkProbe probe(link);
    std::atomic<int> interruptions{0};
    connect(&link, &CHttpConnect::backupInterrupted, [&interruptions] { ++interruptions; });
    link.SetRecordPtr(recording ? &recorder : nullptr);
    if (kind == AudioLive)
        link.audioConnect(record(false), param(Live), 7);
    else
        link.Connect(record(false), param(Kind(kind)));
    if (streams < 0) {
        // Drop, deliver, drop, deliver...: the link stays up, waiting 1 s
        // and 2 s before the third and fourth start.
        QTRY_VERIFY_WITH_TIMEOUT(m_dvr->streamsStarted() >= 4, 20000);
        QVERIFY(link.isRunning());
        QCOMPARE(probe.failures(), 0);
        link.Disconnect();
        recorder.stop();
        return;
    }
    QTRY_VERIFY(link.isFinished());
    QTest::qWait(100);
    QCOMPARE(m_dvr->streamsStarted(), streams);
    QCOMPARE(probe.failures(), failures);
    QCOMPARE(interruptions.load(), interrupted ? 1 : 0);
    link.Disconnect();
    recorder.stop();
}

void tst_CHttpConnect::askedForNoChannel_data()
{
    QTest::addColumn<bool>("oldProtocol");
    QTest::addColumn<int>("kind");
    // What follows the time asked for nothing: asked for channels again
    // while the DVR still sends nothing, the DVR going away, or the DVR
    // freezing with its connection left open.
    QTest::addColumn<int>("then");
    QTest::addColumn<int>("failures");
    QTest::newRow("old video asked again") << true << int(Live) << int(AskedAgain) << 1;
    QTest::newRow("old audio asked again") << true << int(AudioLive) << int(AskedAgain) << 1;
    QTest::newRow("old video, DVR closes") << true << int(Live) << int(DvrCloses) << 1;
    QTest::newRow("old audio, DVR closes") << true << int(AudioLive) << int(DvrCloses) << 0;
    QTest::newRow("old video, DVR freezes") << true << int(Live) << int(DvrFreezes) << 0;
    // A new DVR keeps sending its status: its silence means it is gone.
    QTest::newRow("new video, DVR freezes") << false << int(Live) << int(DvrFreezes) << 1;
}

// An old DVR told to stream no channel sends nothing. Its silence is counted
// against a reference link whose DVR stream falls silent too, without the
// link being told: that one reports a failure each of its silence times.
void tst_CHttpConnect::askedForNoChannel()
{
    QFETCH(bool, oldProtocol);
    QFETCH(int, kind);
    QFETCH(int, then);
    QFETCH(int, failures);
    const int referenceSilenceMs = 700;
    TestDvrStreams* streams = m_dvr->streams();

    CHttpConnect reference;
    LinkProbe referenceProbe(reference);
    reference.setSilenceTime(referenceSilenceMs);
    streams->setNextVideoId(7);
    reference.Connect(record(true), param(Live));
    QTRY_COMPARE(referenceProbe.connectedIds(), QList<int>{7});
    CHttpConnect link;
    LinkProbe probe(link);
    link.setSilenceTime(3 * referenceSilenceMs);
    int stream = 107;
    if (kind == AudioLive) {
        link.audioConnect(record(oldProtocol), param(Live), 7);
        QTRY_VERIFY(probe.audioFrames() > 0);
    } else {
        link.Connect(record(oldProtocol), param(Live));
        QTRY_COMPARE(probe.connectedIds().size(), 1);
        stream = probe.connectedIds().first();
    }

    streams->changeChannels(7, 0, 0);
    streams->changeChannels(stream, 0, 0);
    streams->changeAudioChannels(stream, 0);
    link.setRequestedChannels(0);
    const int failed = probe.failures();
    int referenceBefore = referenceProbe.failures();
    // Three of the link's silence times.
    QTRY_VERIFY_WITH_TIMEOUT(referenceProbe.failures() >= referenceBefore + 9, 30000);
    QCOMPARE(probe.failures(), failed);
    QVERIFY(link.isRunning());

    if (then == DvrCloses) {
        // A drop, not silence: the link ends.
        m_dvr->close();
        QTRY_VERIFY(link.isFinished());
        QCoreApplication::processEvents();
        QCOMPARE(probe.failures(), failed + failures);
        return;
    }
    referenceBefore = referenceProbe.failures();
    if (then == DvrFreezes) {
        streams->silenceAll();
        if (failures == 0) {
            QTRY_VERIFY_WITH_TIMEOUT(referenceProbe.failures() >= referenceBefore + 9, 30000);
            QCOMPARE(probe.failures(), failed);
            return;
        }
    } else {
        link.setRequestedChannels(0x3);
    }
    QTRY_VERIFY_WITH_TIMEOUT(probe.failures() > failed, 15000);
    // Counted from the new request or the last packet, not from the time
    // asked for nothing long ago.
    QVERIFY(referenceProbe.failures() >= referenceBefore + 2);
    QCOMPARE(probe.failures(), failed + failures);
    QCOMPARE(probe.statusReports().last().failure.text(), QStringLiteral("Connection failed"));
}

void tst_CHttpConnect::restartWaits_data()
{
    QTest::addColumn<QList<qint64>>("ran");
    QTest::addColumn<QList<int>>("waits");
    const qint64 brief = 300;
    const qint64 steady = CHttpConnect::STEADY_MS;
    QTest::newRow("a first drop restarts at once") << QList<qint64>{brief} << QList<int>{0};
    QTest::newRow("so does the first of a long stream") << QList<qint64>{steady * 6} << QList<int>{0};
    QTest::newRow("drops that follow restarts wait ever longer") << QList<qint64>{brief, brief, brief, brief, brief,
        brief, brief, brief} << QList<int>{0, 1000, 2000, 4000, 8000, 16000, 30000, 30000};
    QTest::newRow("a stream that ran steadily starts afresh")
        << QList<qint64>{brief, brief, brief, steady, brief, brief} << QList<int>{0, 1000, 2000, 0, 1000, 2000};
}

void tst_CHttpConnect::restartWaits()
{
    QFETCH(QList<qint64>, ran);
    QFETCH(QList<int>, waits);
    int drops = 0;
    QList<int> got;
    for (qint64 ms : ran)
        got << CHttpConnect::restartWait(ms, CHttpConnect::STEADY_MS, &drops);
    QCOMPARE(got, waits);
}

void tst_CHttpConnect::droppingLinkBacksOff()
{
    // The DVR takes the stream, sends one packet and closes, again and again.
    TestDvrStreamSettings settings = smallStreams();
    settings.fault = Fault::CloseAfter;
    settings.faultValue = 1;
    m_dvr->setStreamSettings(settings);
    CHttpConnect link;
    LinkProbe probe(link);
    link.setSteadyTime(600);
    link.Connect(record(false), param(Live));
    // Started, restarted at once, then after 1 s and 2 s.
    QTRY_VERIFY_WITH_TIMEOUT(m_dvr->streamsStarted() >= 4, 20000);
    const int started = m_dvr->streamsStarted();
    // The next restart waits 4 s: none reaches the DVR in this window
    // (without the waits, about a dozen would).
    QTest::qWait(1500);
    QCOMPARE(m_dvr->streamsStarted(), started);
    // The screens showed the failed state while the link waited, and the
    // link has not given up.
    const int failedShown = failedStateShown(probe);
    QVERIFY2(failedShown >= 2, qPrintable(QString::number(failedShown)));
    QCOMPARE(probe.failures(), 0);
    QVERIFY(link.isRunning());
    // Streams that then run beyond the steady time start the count afresh:
    // each of their drops restarts at once, without the failed state.
    settings.faultValue = 200;
    m_dvr->setStreamSettings(settings);
    QTRY_VERIFY_WITH_TIMEOUT(m_dvr->streamsStarted() >= started + 3, 20000);
    QCOMPARE(failedStateShown(probe), failedShown);
    link.Disconnect();
}

void tst_CHttpConnect::stoppedLinkNeverRestarts()
{
    TestDvrStreamSettings settings = smallStreams(50);
    settings.fault = Fault::CloseAfter;
    settings.faultValue = 12;
    m_dvr->setStreamSettings(settings);

    // The owner stops the link about when the DVR closes its stream, a
    // little earlier or later each round.
    for (int round = 0; round < 5; ++round) {
        const int before = m_dvr->streamsStarted();
        CHttpConnect link;
        link.Connect(record(false), param(Live));
        QTRY_VERIFY(m_dvr->streams()->records().size() > before && !m_dvr->streams()->records().at(before).running);
        QTest::qWait(round * 5);
        const int beforeStop = m_dvr->streamsStarted();
        link.Disconnect();
        QTRY_VERIFY(link.isFinished());
        // A restart already on its way at the stop may still reach the DVR;
        // nothing follows it.
        QVERIFY(m_dvr->streamsStarted() <= beforeStop + 1);
    }
}

void tst_CHttpConnect::everyFaultEndsCleanly()
{
    struct Case {
        const char* name;
        Fault fault;
        int value;
        bool video;
    };
    const Case cases[] = {{"none", Fault::None, 0, true}, {"refusal", Fault::Refuse, 4, false},
        {"garbage", Fault::Garbage, 0, true}, {"bad lengths", Fault::BadLength, 0, true},
        {"oversize packet", Fault::Oversize, 0, true}, {"split packets", Fault::Split, 0, true},
        {"closing after 20 packets", Fault::CloseAfter, 20, true}, {"silence", Fault::Silence, 0, false},
        {"slow drip", Fault::SlowDrip, 60, false}, {"corrupt H.264", Fault::CorruptVideo, 0, true},
        {"lying headers", Fault::LyingHeaders, 0, true}, {"more channels than names", Fault::ShortNames, 0, true}};

    // Members go in reverse: the probe stops the link before what it feeds.
    struct Run {
        const Case* what;
        bool oldProtocol;
        std::unique_ptr<TestDvr> dvr;
        std::unique_ptr<CDisplayVideo> router;
        std::atomic<int> pictures{0};
        int settledPictures = 0;
        std::unique_ptr<CHttpConnect> link;
        std::unique_ptr<LinkProbe> probe;
    };
    std::vector<std::unique_ptr<Run>> runs;
    for (const Case& c : cases) {
        for (bool oldProtocol : {false, true}) {
            auto run = std::make_unique<Run>();
            run->what = &c;
            run->oldProtocol = oldProtocol;
            run->dvr = std::make_unique<TestDvr>();
            QVERIFY(run->dvr->listen());
            TestDvrStreamSettings settings = smallStreams();
            settings.fault = c.fault;
            settings.faultValue = c.value;
            run->dvr->setStreamSettings(settings);
            run->link = std::make_unique<CHttpConnect>();
            // Only the cases that end in silence need a short silence time;
            // a streaming link on a loaded machine must not miss one.
            run->link->setSilenceTime(c.video ? 4 * SILENCE_MS : SILENCE_MS);
            run->probe = std::make_unique<LinkProbe>(*run->link);
            // Decoded as the wall would, on the link's thread.
            run->router = std::make_unique<CDisplayVideo>();
            run->router->changeOpenglOption(true);
            Run* raw = run.get();
            connect(
                run->router.get(), &CDisplayVideo::signalUpdateScreen, this, [raw] { ++raw->pictures; },
                Qt::DirectConnection);
            connect(
                run->link.get(), &CHttpConnect::VDataReceived, this,
                [raw](const DISPLAY_DVR_INFO& info, const unsigned char* data, size_t len) {
                    _DISPLAY_CHANNEL_INFO channel;
                    channel.oldProtocol = info.oldProtocol;
                    channel.screenIndex = channel.screen
                        = CDisplayVideo::getVideoChannel(info.oldProtocol, data, static_cast<unsigned long>(len));
                    raw->router->makeImage(channel, data, static_cast<unsigned long>(len));
                },
                Qt::DirectConnection);
            DVR dvr = run->dvr->dvrRecord(oldProtocol);
            dvr.set_bitch(0x3);
            run->link->Connect(dvr, param(Live));
            runs.push_back(std::move(run));
        }
    }

    QElapsedTimer clock;
    clock.start();
    const auto settled
        = [](const Run& run) { return run.what->video ? run.pictures.load() >= 8 : run.probe->failures() > 0; };
    const auto all = [&runs](const auto& test) { return std::all_of(runs.cbegin(), runs.cend(), test); };
    QTRY_VERIFY_WITH_TIMEOUT(all([&](const auto& run) { return settled(*run); }), 30000);
    // Then the state settles: each stream that shows video draws on, each
    // failed one shows its failure; what they reported meanwhile arrives
    // before the checks.
    for (const auto& run : runs)
        run->settledPictures = run->pictures.load();
    QTRY_VERIFY_WITH_TIMEOUT(all([](const auto& run) {
        if (run->what->video)
            return run->pictures.load() >= run->settledPictures + 8;
        return run->probe->statusReports().last().failure.text().startsWith(
            run->what->fault == Fault::Refuse ? "[ERROR]" : "Connection failed");
    }),
        30000);
    QCoreApplication::processEvents();
    const qint64 elapsedMs = clock.elapsed();

    for (const auto& run : runs) {
        const QString name = QStringLiteral("%1, %2").arg(run->what->name, run->oldProtocol ? "old" : "new");
        QVERIFY2(run->probe->badFrames() == 0, qPrintable(name));
        QVERIFY2(run->probe->videoChannels().subtract({0, 1}).isEmpty(), qPrintable(name));
        if (run->what->video)
            QVERIFY2(run->probe->failures() == 0, qPrintable(name));
        // A link waits for its socket; it never spins: it wakes for what
        // arrives and for its polls, not more. The bound only grows when the
        // machine is slow.
        qint64 packets = 0;
        for (const TestDvrStreams::Record& stream : run->dvr->streams()->records())
            packets += stream.packets;
        const qint64 bound = 8 * packets + elapsedMs / 20 + 200;
        QVERIFY2(run->probe->wakeUps() <= bound,
            qPrintable(QStringLiteral("%1: %2 wake-ups, at most %3").arg(name).arg(run->probe->wakeUps()).arg(bound)));
    }
}

void tst_CHttpConnect::connectDisconnectCycles()
{
    CHttpConnect link;
    LinkProbe probe(link);
    for (int cycle = 0; cycle < 100; ++cycle) {
        const int before = probe.videoFrames();
        link.Connect(record(cycle % 2 == 1), param(cycle % 3 == 0 ? Playback : Live));
        if (cycle % 10 == 0)
            QTRY_VERIFY(probe.videoFrames() > before);
        // Returns, with the thread ended; bench_Streaming reports how fast.
        link.Disconnect();
        QVERIFY(link.isFinished());
    }
    QTRY_COMPARE(m_dvr->openConnections(), 0);
}

QTEST_MAIN(tst_CHttpConnect)
#include "tst_CHttpConnect.moc"
