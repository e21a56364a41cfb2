#include "../SysData/AviFileChecker.h"
#include "../SysData/RawFileChecker.h"
#include "Common/CCoreMetaTypes.h"
#include "Connection/CApplicationSender.h"
#include "Connection/CConnectDVR.h"
#include "Connection/CControlDVRList.h"
#include "Display/CDisplayWidget.h"
#include "Display/CWaitWidget.h"
#include "Display/OpenGLMode.h"
#include "Settings/CAppSettings.h"
#include "SysData/Index.h"
#include "TestDvr.h"
#include "TestDvrStreams.h"
#include "dvr_protocol/cgi_protocol.h"

#include <QDir>
#include <QDirIterator>
#include <QLoggingCategory>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <algorithm>
#include <memory>
#include <numeric>

// The controller against the test DVR: its choice of stream, the audio link
// after the first frame, the model it keeps, the tree icon, recording and
// backup into files the recorder's checkers accept, and failure with its one
// cancellable reconnect.
namespace {

using Fault = TestDvrStreamSettings::Fault;

const quint32 T10 = 1704103200; // 2024-01-01 10:00:00 on the DVR's clock

QImage iconImage(const QIcon& icon)
{
    return icon.pixmap(16, 16).toImage();
}

QStringList filesIn(const QString& folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    return files;
}

// Whether a raw frame index in the folder lists a frame beyond its 40-byte
// header.
bool indexesAFrame(const QString& folder)
{
    const QStringList files = filesIn(folder);
    return std::any_of(files.cbegin(), files.cend(), [](const QString& file) {
        return file.endsWith(QLatin1String(".hrf")) && QFileInfo(file).size() >= 40 + Index::SIZE;
    });
}

} // namespace

class tst_CConnectDVR : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void codecChoice_data();
    void codecChoice();
    void unknownPlaybackModeStartsNothing();
    void liveOpensAudioAfterFirstFrame();
    void waitIndicatorGoesWithItsController();
    void failure_data();
    void failure();
    void reconnectWaitsAlikeAndIsCancelled();
    void deletedTreeItemIsLeftAlone();
    void recordingWritesCheckedFiles_data();
    void recordingWritesCheckedFiles();

private:
    std::unique_ptr<TestDvr> m_dvr;
    std::unique_ptr<QTemporaryDir> m_folder;
};

void tst_CConnectDVR::initTestCase()
{
    CCoreMetaTypes::registerTypes();
    QLoggingCategory::setFilterRules(QStringLiteral("qelm.network.debug=false"));
}

void tst_CConnectDVR::init()
{
    m_dvr = std::make_unique<TestDvr>();
    QVERIFY(m_dvr->listen());
    m_folder = std::make_unique<QTemporaryDir>();
    CAppSettings settings;
    settings.writeSetting(CAppSettings::OPENGL, OPENGL_OFF);
    settings.writeSetting(CAppSettings::PATH_LIST.at(1), m_folder->filePath(QStringLiteral("record")));
    settings.writeSetting(CAppSettings::PATH_LIST.at(2), m_folder->filePath(QStringLiteral("backup")));
    for (const QString& key : {CAppSettings::CODEC_TYPE, CAppSettings::RECONNECT, CAppSettings::FILE_FORMAT})
        settings.remove(key);
}

void tst_CConnectDVR::cleanup()
{
    // Stop requests still on their way would otherwise be cut off at exit.
    QCoreApplication::processEvents();
    QTRY_COMPARE_WITH_TIMEOUT(CApplicationSender::pending(), 0, 15000);
    m_dvr.reset();
}

void tst_CConnectDVR::codecChoice_data()
{
    QTest::addColumn<int>("setting");
    QTest::addColumn<int>("screens");
    QTest::addColumn<int>("codec");
    QTest::newRow("absent") << -1 << 16 << 0;
    QTest::newRow("main") << 0 << 16 << 0;
    QTest::newRow("sub") << 1 << 0 << 1;
    QTest::newRow("automatic, no wall") << 3 << 0 << 0;
    QTest::newRow("automatic, 4 screens") << 3 << 4 << 0;
    QTest::newRow("automatic, 9 screens") << 3 << 9 << 1;
}

void tst_CConnectDVR::codecChoice()
{
    QFETCH(int, setting);
    QFETCH(int, screens);
    QFETCH(int, codec);
    if (setting >= 0)
        CAppSettings().writeSetting(CAppSettings::CODEC_TYPE, setting);
    CDisplayWidget wall;
    wall.setScreens(screens > 0 ? screens : 16);
    CConnectDVR controller;
    if (screens > 0)
        controller.setDisplayWidget(&wall);
    QCOMPARE(controller.getCodec(), codec);
}

void tst_CConnectDVR::unknownPlaybackModeStartsNothing()
{
    CConnectDVR controller;
    controller.setDVR(m_dvr->dvrRecord());
    CConnectDVR::PbBackupParam p;
    p.mode = 0;
    QTest::ignoreMessage(QtDebugMsg, "[ERROR] startPlayback : Unknown Mode[0]");
    controller.startPlayback(p);
    QTest::qWait(100);
    QCOMPARE(m_dvr->requestCount(), 0);
}

void tst_CConnectDVR::liveOpensAudioAfterFirstFrame()
{
    TestDvrContent content = m_dvr->content();
    content.dvrInfo.set_model(99);
    content.dvrInfo.set_ch_num(8);
    m_dvr->setContent(content);

    QTreeWidget tree;
    auto* group = new QTreeWidgetItem(&tree);
    auto* item = new QTreeWidgetItem(group);
    item->setData(0, Qt::UserRole, QVariant::fromValue(m_dvr->dvrRecord()));

    CConnectDVR controller;
    controller.setDVR(item);
    QCOMPARE(controller.getDVR().port(), int(m_dvr->port()));
    QSignalSpy connected(&controller, &CConnectDVR::connected);
    QCOMPARE(controller.getDVRChannels(), 16);
    controller.startLive(false);
    QVERIFY(connected.wait(30000));

    // The audio stream follows the first frame and names the video stream.
    QTRY_COMPARE(m_dvr->streams()->records().size(), 2);
    const QList<TestDvrStreams::Record> streams = m_dvr->streams()->records();
    QVERIFY(streams.at(1).audioStream);
    QCOMPARE(streams.at(1).id, controller.getClientID() + 100);
    QCOMPARE(streams.at(0).id, controller.getClientID());
    QCOMPARE(controller.getDVRChannels(), 8);
    QCOMPARE(int(controller.GetDvrInfo().model()), 5);
    QVERIFY(controller.IsConnected());
    QVERIFY(controller.IsLive());
    QCOMPARE(iconImage(item->icon(0)), iconImage(CControlDVRList::getConnectedIcon()));

    QSignalSpy disconnected(&controller, &CConnectDVR::disconnected);
    const int before = m_dvr->requestCount();
    controller.disconnect();
    QCOMPARE(disconnected.size(), 1);
    // One stop, the video stream's, ends both streams of a new-dialect DVR.
    QVERIFY(m_dvr->waitForRequests(before + 1));
    QTRY_COMPARE(m_dvr->streams()->runningCount(), 0);
    QCOMPARE(m_dvr->requestCount(), before + 1);
}

// The wall's wait indicator goes when the controller that showed it stops,
// also when the controller left the wall first (a DVR disconnected while it
// still connects).
void tst_CConnectDVR::waitIndicatorGoesWithItsController()
{
    TestDvrStreamSettings settings;
    settings.fault = Fault::Silence;
    m_dvr->setStreamSettings(settings);
    CDisplayWidget wall;
    CConnectDVR controller;
    controller.setDVR(m_dvr->dvrRecord());
    controller.setDisplayWidget(&wall);
    controller.startLive(true);
    const auto* indicator = wall.findChild<CWaitWidget*>();
    QVERIFY(indicator && indicator->isVisibleTo(&wall));
    controller.resetDisplayWidget();
    controller.disconnect();
    QVERIFY(!indicator->isVisibleTo(&wall));
}

void tst_CConnectDVR::failure_data()
{
    QTest::addColumn<bool>("reconnect");
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("pending");
    QTest::newRow("live, reconnect off") << false << 0 << false;
    QTest::newRow("live, reconnect on") << true << 0 << true;
    QTest::newRow("playback, reconnect on") << true << 1 << false;
    QTest::newRow("backup, reconnect on") << true << 2 << false;
}

void tst_CConnectDVR::failure()
{
    QFETCH(bool, reconnect);
    QFETCH(int, mode);
    QFETCH(bool, pending);
    CAppSettings().writeSetting(CAppSettings::RECONNECT, reconnect);
    TestDvrStreamSettings settings;
    settings.fault = Fault::Refuse;
    settings.faultValue = 2;
    m_dvr->setStreamSettings(settings);

    QTreeWidget tree;
    auto* item = new QTreeWidgetItem(&tree);
    CConnectDVR controller;
    controller.setDVR(item);
    controller.setDVR(m_dvr->dvrRecord());
    QSignalSpy disconnected(&controller, &CConnectDVR::disconnected);
    if (mode == 0) {
        controller.startLive(true);
    } else {
        CConnectDVR::PbBackupParam p;
        p.mode = mode;
        p.startTime = T10;
        p.endTime = mode == 2 ? T10 + 10 : 0;
        controller.startPlayback(p);
    }
    QVERIFY(disconnected.wait(30000));
    // Reports that were under way arm nothing more.
    controller.slotConnectionFailed();
    controller.slotConnectionFailed();
    QTest::qWait(200);
    QCOMPARE(disconnected.size(), 1);
    QCOMPARE(m_dvr->streamsStarted(), 1);
    QCOMPARE(iconImage(item->icon(0)), iconImage(CControlDVRList::getConnectionFailedIcon()));
    QCOMPARE(controller.isReconnectPending(), pending);
    // A refused DVR is not asked again for the reconnect delay, a minute.
    if (pending)
        QVERIFY(controller.reconnectRemaining() > 10000);
}

void tst_CConnectDVR::reconnectWaitsAlikeAndIsCancelled()
{
    CAppSettings().writeSetting(CAppSettings::RECONNECT, true);
    const quint16 port = m_dvr->port();
    const auto videoStreams = [this] {
        const QList<TestDvrStreams::Record> streams = m_dvr->streams()->records();
        return int(std::count_if(streams.cbegin(), streams.cend(), [](const auto& s) { return !s.audioStream; }));
    };
    // Longer than a failure takes, so that a wait that grew with quick
    // failures would show.
    const int delay = 1000;

    CConnectDVR controller;
    controller.setDVR(m_dvr->dvrRecord());
    controller.setReconnectDelay(delay);
    QSignalSpy connected(&controller, &CConnectDVR::connected);
    QSignalSpy disconnected(&controller, &CConnectDVR::disconnected);
    controller.startLive(false);
    // A DVR that reboots again and again: gone at each failure, back well
    // before the delay.
    for (int failure = 1; failure <= 3; ++failure) {
        QTRY_COMPARE_WITH_TIMEOUT(connected.size(), failure, 30000);
        m_dvr->close();
        QTRY_COMPARE_WITH_TIMEOUT(disconnected.size(), failure, 30000);
        QVERIFY(controller.isReconnectPending());
        QCOMPARE(controller.reconnectDelay(), delay);
        QCOMPARE(videoStreams(), failure);
        QVERIFY(m_dvr->listen(port));
        QTRY_COMPARE_WITH_TIMEOUT(videoStreams(), failure + 1, 30000);
    }

    controller.disconnect();
    // Reports under way at the stop arm nothing.
    QCoreApplication::processEvents();
    QVERIFY(!controller.isReconnectPending());
    QCOMPARE(videoStreams(), 4);
}

void tst_CConnectDVR::deletedTreeItemIsLeftAlone()
{
    TestDvrStreamSettings settings;
    settings.fault = Fault::Refuse;
    settings.faultValue = 1;
    m_dvr->setStreamSettings(settings);
    auto tree = std::make_unique<QTreeWidget>();
    auto* item = new QTreeWidgetItem(tree.get());
    auto* other = new QTreeWidgetItem(tree.get());

    CConnectDVR controller;
    controller.setDVR(item);
    controller.setDVR(m_dvr->dvrRecord());
    delete item;
    QSignalSpy disconnected(&controller, &CConnectDVR::disconnected);
    controller.startLive(false);
    QVERIFY(disconnected.wait(30000));
    // The item that took its place keeps its own icon.
    QVERIFY(other->icon(0).isNull());

    controller.setDVR(other);
    tree.reset();
    controller.startLive(false);
    QVERIFY(disconnected.wait(30000));
}

void tst_CConnectDVR::recordingWritesCheckedFiles_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<bool>("backup");
    // The recorder's own tests write both formats in every mode.
    QTest::newRow("live, raw files") << 0 << false;
    QTest::newRow("backup, AVI") << 1 << true;
}

void tst_CConnectDVR::recordingWritesCheckedFiles()
{
    QFETCH(int, format);
    QFETCH(bool, backup);
    CAppSettings().writeSetting(CAppSettings::FILE_FORMAT, format);
    TestDvrStreamSettings settings;
    settings.backupSpeed = 12;
    m_dvr->setStreamSettings(settings);

    DVR dvr = m_dvr->dvrRecord();
    dvr.set_bitch(0x3);
    CConnectDVR controller;
    controller.setDVR(dvr);
    QSignalSpy progress(&controller, &CConnectDVR::updateBackupProgress);
    if (backup) {
        CConnectDVR::PbBackupParam p;
        p.mode = CHttpConnect::BACKUP;
        p.startTime = T10;
        p.endTime = T10 + 6;
        p.channelMask = 0x3;
        controller.startPlayback(p);
        // Progress by the second of stream time, then the end.
        QTRY_VERIFY_WITH_TIMEOUT(!progress.isEmpty() && progress.last().at(0).toInt() == -1, 10000);
        int seconds = 0;
        for (const QList<QVariant>& report : std::as_const(progress))
            seconds += std::max(0, report.at(0).toInt());
        QCOMPARE(seconds, 5);
        QVERIFY(controller.isRecording());
    } else {
        QSignalSpy connected(&controller, &CConnectDVR::connected);
        controller.startLive(false);
        QVERIFY(connected.wait(30000));
        controller.recordStart();
        QVERIFY(controller.isRecording());
        // Recorded once a frame index lists a frame: the index is written
        // after its frame.
        QTRY_VERIFY_WITH_TIMEOUT(indexesAFrame(m_folder->filePath("record")), 30000);
    }
    controller.disconnect();
    QVERIFY(!controller.isRecording());

    const QStringList files = filesIn(m_folder->filePath(backup ? "backup" : "record"));
    QVERIFY(!files.isEmpty());
    const QString folder = QFileInfo(files.first()).absolutePath();
    if (format == 0) {
        const RawFileChecker checker(folder);
        QVERIFY2(checker.ok(), qPrintable(checker.problems()));
        QVERIFY(!checker.pairs.isEmpty());
    } else {
        QCOMPARE(files.size(), 2); // one per channel
        for (const QString& file : files) {
            const AviFileChecker checker(file);
            QVERIFY2(checker.ok(), qPrintable(file + ": " + checker.problems()));
            QVERIFY(checker.chunks.size() > 10);
        }
    }
}

QTEST_MAIN(tst_CConnectDVR)
#include "tst_CConnectDVR.moc"
