#include "../Recording/RecordedFolder.h"
#include "../Recording/ShownSearch.h"
#include "../SysData/RawFileChecker.h"
#include "Common/CCoreMetaTypes.h"
#include "Connection/CApplicationSender.h"
#include "Connection/CConnectDVR.h"
#include "Connection/CControlDVRList.h"
#include "Connection/CDVRListTree.h"
#include "DVRSetup/CLiveCtrlWidget.h"
#include "Display/CDisplayVideo.h"
#include "Display/CDisplayWidget.h"
#include "Display/CScreen.h"
#include "Display/CScreenWidget.h"
#include "Display/CWaitDialog.h"
#include "Display/OpenGLMode.h"
#include "FileSizeLimit.h"
#include "Recording/CBackupWidget.h"
#include "Recording/CPlaybackWidget.h"
#include "Recording/CRemoteSearch.h"
#include "Recording/CSearchWidget.h"
#include "Settings/CAppSettings.h"
#include "ShownText.h"
#include "TestDvr.h"
#include "TestDvrChannelSelect.h"
#include "TestDvrGroups.h"
#include "TestDvrPlayback.h"
#include "TestDvrRecordings.h"
#include "TestDvrSchedule.h"
#include "TestDvrStreams.h"
#include "WidgetChild.h"
#include "viewer/CDisplayTitle.h"
#include "viewer/CLiveView.h"
#include "viewer/CModeTable.h"
#include "viewer/CStartup.h"
#include "viewer/CViewerCommands.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDateTime>
#include <QDirIterator>
#include <QGridLayout>
#include <QLabel>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QProgressBar>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <optional>

// The live view of a connected group on a wall, with the title, the live
// controls, the playback and backup panels and the DVR tree beside it but
// no main window: the channels each DVR streams for the view, groups of
// DVRs, the tree's disconnect and remove requests, failures, recording on
// the DVR and to the PC, remote playback control, and the search, playback
// and backup of the current DVR that the modes hand it to.
namespace {

// Only for what never comes: a busy computer may take long to show.
const int SHOW_TIME_LIMIT_MS = 30000;
const int TIME_LIMIT_MS = 30000;
const int STOP_TIME_LIMIT_MS = 15000;
// A DVR that sends nothing for this long has failed.
const int SILENCE_MS = 2000;
// The time limit of a search the DVR leaves unanswered: short, and still
// long enough for a busy computer to deliver the request first.
const int SILENT_DVR_LIMIT_MS = 3000;
const int ALL = 0xFFFF;
const quint32 RECORDED_CHANNELS = 0x3;

std::time_t recordedStart()
{
    return QDateTime(QDate(2024, 3, 10), QTime(10, 0), Qt::UTC).toSecsSinceEpoch();
}

// The coordinator with the panels it drives, and groups of test DVRs in
// the tree, driven as the window's steps and the tree drive it.
class LiveBench : public TestDvrGroups {
public:
    LiveBench()
        : m_title(new CDisplayTitle(&m_window))
        , m_wall(new CDisplayWidget(&m_window))
        , m_bottom(new QStackedWidget(&m_window))
        , m_liveCtrl(new CLiveCtrlWidget(m_bottom))
        , m_playback(new CPlaybackWidget(m_bottom))
        , m_backup(new CBackupWidget(m_bottom))
        , m_tree(new CDVRListTree(&m_window))
        , m_live(CLiveView::Panels{m_wall, m_title, m_liveCtrl, m_playback, m_backup, m_tree}, m_modes)
    {
        auto* grid = new QGridLayout(&m_window);
        grid->addWidget(m_title, 0, 0);
        grid->addWidget(m_wall, 1, 0);
        grid->addWidget(m_tree, 0, 1, 2, 1);
        grid->addWidget(m_bottom, 2, 0, 1, 2);
        grid->setRowStretch(1, 1);
        for (QWidget* panel :
            {static_cast<QWidget*>(m_liveCtrl), static_cast<QWidget*>(m_playback), static_cast<QWidget*>(m_backup)})
            m_bottom->addWidget(panel);
        setTree(m_tree);
        QObject::connect(
            &m_live, &CLiveView::recordToPcEnded, &m_window, [this](const QString& why) { m_recordingsEnded << why; });
        m_window.resize(1200, 900);
        m_window.show();
        if (!QTest::qWaitForWindowExposed(&m_window))
            qWarning("the wall was not shown");
    }

    ~LiveBench()
    {
        m_live.stop(true);
        // The DVRs hear the stop requests before they go.
        if (!QTest::qWaitFor([] { return CApplicationSender::pending() == 0; }, STOP_TIME_LIMIT_MS))
            qWarning("stop requests were still under way");
    }

    LiveBench(const LiveBench&) = delete;
    LiveBench& operator=(const LiveBench&) = delete;

    // The wall of the mode: in the many-DVR view 64 screens.
    void layOut(CModeTable::Mode mode)
    {
        m_modes.enter(mode);
        const bool many = mode == CModeTable::LIVE_M;
        m_wall->setScreenMode(many ? CDisplayWidget::MULTI_DVR : CDisplayWidget::SINGLE_DVR);
        m_wall->setScreens(many ? 64 : 16);
        // The pages in the bottom page's order.
        m_bottom->setCurrentIndex(m_modes.bottomPage());
    }

    // Each action in turn: "<n>@<s>" n screens from screen s, "next" the
    // next page, "step" a step of the sequence.
    void act(const QString& actions)
    {
        for (const QString& action : actions.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            if (action == QLatin1String("step")) {
                m_wall->setSequence(true);
                m_wall->switchChannel();
            } else if (action == QLatin1String("next")) {
                m_live.stopDisplay();
                m_wall->setNextPage();
                m_live.redrawLater();
            } else {
                m_live.showScreens(action.section('@', 0, 0).toInt(), action.section('@', 1).toInt());
            }
        }
    }

    bool connected() const { return TestDvrGroups::connected(m_live.connections()); }

    // DVR i streams that many more video frames within the time limit.
    bool framesAfterNow(int i, qint64 frames)
    {
        const auto sent = [this, i] {
            qint64 total = 0;
            for (const TestDvrStreams::Record& record : dvr(i).streams()->records())
                total += record.videoFrames;
            return total;
        };
        const qint64 target = sent() + frames;
        return QTest::qWaitFor([&] { return sent() >= target; }, SHOW_TIME_LIMIT_MS);
    }

    bool showsAnyPicture() const
    {
        for (int tile = 0; tile < m_wall->getViewScreens(); ++tile) {
            if (m_wall->wall()->getInfo(tile).hasPicture())
                return true;
        }
        return false;
    }

    bool showsPictures(int tiles) const
    {
        for (int tile = 0; tile < tiles; ++tile) {
            if (!m_wall->wall()->getInfo(tile).hasPicture())
                return false;
        }
        return true;
    }

    // The texts of the message boxes shown beside the wall, oldest first,
    // then what the window would tell of recordings to the PC.
    QStringList messages() const
    {
        QStringList texts;
        for (const QMessageBox* box : m_window.findChildren<QMessageBox*>())
            texts << box->text();
        return texts + m_recordingsEnded;
    }

    CLiveView& live() { return m_live; }
    CModeTable& modes() { return m_modes; }
    CDVRListTree* tree() const { return m_tree; }
    CDisplayWidget* wall() const { return m_wall; }
    CPlaybackWidget* playback() const { return m_playback; }
    CBackupWidget* backup() const { return m_backup; }
    CConnectDVR* controller(int i) const { return m_live.connections().entries().value(i); }
    QString leftTitle() const { return m_title->left()->text(); }

private:
    QWidget m_window;
    CDisplayTitle* m_title;
    CDisplayWidget* m_wall;
    QStackedWidget* m_bottom;
    CLiveCtrlWidget* m_liveCtrl;
    CPlaybackWidget* m_playback;
    CBackupWidget* m_backup;
    CDVRListTree* m_tree;
    CModeTable m_modes;
    CLiveView m_live;
    QStringList m_recordingsEnded;
};

// Commands of a kind: new dialect by mode, old dialect by OP of MODE 5.
QList<TestDvrRequest> commands(const TestDvr& dvr, int newMode, int oldOp)
{
    QList<TestDvrRequest> found;
    for (const TestDvrRequest& request : dvr.requests()) {
        const bool isNew = request.dialect == TestDvrRequest::NewDialect;
        if (request.kind == TestDvrRequest::Command
            && (isNew ? request.mode == newMode
                      : request.mode == TestDvrChannelSelect::OLD_COMMAND_MODE
                        && request.decodedParam("OP").toInt() == oldOp))
            found << request;
    }
    return found;
}

// The pictures the wall's router makes, on their way to the wall for as long
// as this lives: held, they wait, and reach the wall in their order when let
// go.
class PicturesOnTheirWay : public QObject {
public:
    explicit PicturesOnTheirWay(CDisplayWidget* wall)
        : m_wall(wall)
    {
        QObject::disconnect(
            wall->router(), &CDisplayVideo::signalUpdateScreen, wall, &CDisplayWidget::slotUpdateScreen);
        connect(wall->router(), &CDisplayVideo::signalUpdateScreen, this, [this](const CDisplayInfo& record) {
            if (m_holding)
                m_held << record;
            else
                m_wall->slotUpdateScreen(record);
        });
    }

    void hold() { m_holding = true; }
    bool holdsOne() const
    {
        return std::any_of(m_held.cbegin(), m_held.cend(), [](const CDisplayInfo& held) { return held.hasPicture(); });
    }
    void letGo()
    {
        m_holding = false;
        for (const CDisplayInfo& held : std::exchange(m_held, {}))
            m_wall->slotUpdateScreen(held);
    }

private:
    CDisplayWidget* m_wall;
    bool m_holding = false;
    QList<CDisplayInfo> m_held;
};

// While it lives, the calls queued to an object stay on their way: they are
// dropped.
class CallsOnTheirWay : public QObject {
public:
    explicit CallsOnTheirWay(QObject* target) { target->installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override { return event->type() == QEvent::MetaCall; }
};

QList<TestDvrRequest> selections(const TestDvr& dvr)
{
    return commands(dvr, cgi::MODE_STREAM_CHANNEL, TestDvrChannelSelect::OLD_OP_CHANNELS);
}

// The last channel selection naming the stream: the mask in hexadecimal,
// in the new dialect followed by " mode <m>" and " auto <a>" when sent.
QString lastSelection(const TestDvr& dvr, int stream)
{
    QString last;
    for (const TestDvrRequest& request : selections(dvr)) {
        cgi::StreamChannel channels;
        if (request.dialect == TestDvrRequest::OldDialect) {
            if (request.decodedParam("CID").toInt() == stream)
                last = QString::fromLatin1(request.decodedParam("CH"));
        } else if (channels.ParseFromString(request.data.toStdString()) && int(channels.stream_id()) == stream) {
            last = QStringLiteral("%1 mode %2").arg(channels.vchmask(), 0, 16).arg(int(channels.mode()));
            if (channels.achmask() != channels.vchmask())
                last += QStringLiteral(" audio %1").arg(channels.achmask(), 0, 16);
            if (channels.has_auto_stream())
                last += QStringLiteral(" auto %1").arg(int(channels.auto_stream()));
        }
    }
    return last;
}

void connectMyDvr(LiveBench& bench, bool oldProtocol, quint32 mask = ALL)
{
    bench.addGroup(QStringLiteral("My Group"), {bench.addDvr(QStringLiteral("My DVR"), oldProtocol, 16, mask)});
    bench.connectGroup(0);
}

// A DVR holding an hour of recordings of channels 1 and 2, connected, and
// another DVR of its group, not connected; its playback streams take each
// command that many frame times late.
void connectRecordingDvr(LiveBench& bench, bool oldProtocol, int commandLag = 0)
{
    DVR record = bench.addDvr(QStringLiteral("DVR"), oldProtocol);
    // As a list file may store it: fields at their defaults left unset,
    // which the tree's edit dialog sets.
    record.clear_chnum();
    record.clear_bitch();
    if (!oldProtocol)
        record.clear_oldprotocol();
    TestDvrRecordings::of(&bench.dvr(0))
        ->setSchedule(TestDvrSchedule().add(recordedStart(), recordedStart() + 3600, RECORDED_CHANNELS, {1, 2}));
    TestDvrPlayback::of(&bench.dvr(0));
    TestDvrStreamSettings streamSettings;
    streamSettings.backupSpeed = 100;
    streamSettings.playbackCommandLag = commandLag;
    bench.dvr(0).setStreamSettings(streamSettings);
    bench.addGroup(QStringLiteral("Group"), {record, bench.addDvr(QStringLiteral("Other"), oldProtocol)});
    bench.connectGroup(0, 0);
}

// The DVR refuses every stream that starts from now on with the answer code,
// its backups still fast.
void refuseStreams(LiveBench& bench, int code)
{
    TestDvrStreamSettings refusing;
    refusing.backupSpeed = 100;
    refusing.fault = TestDvrStreamSettings::Fault::Refuse;
    refusing.faultValue = code;
    bench.dvr(0).setStreamSettings(refusing);
}

bool searched()
{
    return QTest::qWaitFor([] { return !QApplication::activeModalWidget(); }, TIME_LIMIT_MS);
}

// The recordings searches the DVR was asked for: new mode 6.
qsizetype searches(const TestDvr& dvr)
{
    const QList<TestDvrRequest> requests = dvr.requests();
    return std::count_if(
        requests.cbegin(), requests.cend(), [](const TestDvrRequest& request) { return request.mode == 6; });
}

// The accounts of the recordings searches the DVR was asked for since its
// request `from`, each once: "a" its own, "g" the guest's, "ag" both; "-"
// none.
QString searchAccounts(const TestDvr& dvr, qsizetype from)
{
    bool own = false;
    bool guest = false;
    for (const TestDvrRequest& request : dvr.requests().mid(from)) {
        if (request.mode == 6)
            (request.guest ? guest : own) = true;
    }
    const QString accounts = QLatin1String(own ? "a" : "") + QLatin1String(guest ? "g" : "");
    return accounts.isEmpty() ? QStringLiteral("-") : accounts;
}

} // namespace

class tst_CLiveView : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        CStartup::prepareApplication();
        QLoggingCategory::setFilterRules(QStringLiteral("qelm.network.debug=false\nqelm.network.warning=false"));
        CAppSettings().writeSetting(CAppSettings::OSD_CH_NAME, 0);
    }

    void init()
    {
        CAppSettings settings;
        settings.writeSetting(CAppSettings::OPENGL, OPENGL_OFF);
        settings.writeSetting(CAppSettings::CODEC_TYPE, 0);
    }

    void dialects_data()
    {
        QTest::addColumn<bool>("oldProtocol");
        QTest::newRow("new dialect") << false;
        QTest::newRow("old dialect") << true;
    }

    // Actions as LiveBench::act takes them, on the many-DVR wall with
    // "many" first. The selection as lastSelection gives it.
    void channelSelections_data()
    {
        QTest::addColumn<bool>("oldProtocol");
        QTest::addColumn<int>("mask");
        QTest::addColumn<int>("codecType");
        QTest::addColumn<QString>("actions");
        QTest::addColumn<int>("channels");
        QTest::addColumn<QString>("extra");
        for (const bool old : {false, true}) {
            const QString dialect = old ? QStringLiteral("old: ") : QStringLiteral("new: ");
            const auto row
                = [&](const char* name) -> QTestData& { return QTest::newRow(qPrintable(dialect + name)) << old; };
            row("one screen") << ALL << 0 << "1@5" << 0x0020 << "";
            row("4 screens from 4") << ALL << 0 << "4@4" << 0x00F0 << "";
            row("9 screens from 7") << ALL << 0 << "9@7" << 0xFF80 << "";
            row("a sequence step") << ALL << 0 << "step" << 0x0002 << "";
            row("many DVRs, 2x2 page 2") << ALL << 0 << "many 4@0 next" << 0x00F0 << "";
            row("many DVRs, mask 0x000A") << 0x000A << 0 << "many" << 0x000A << "";
            row("mask 0x00F0 on 4 screens from 4") << 0x00F0 << 0 << "4@4" << 0x00F0 << "";
        }
        QTest::newRow("new: automatic, 9 screens") << false << ALL << 3 << "9@0" << 0x01FF << " auto 2";
        QTest::newRow("new: automatic, 4 screens") << false << ALL << 3 << "4@8" << 0x0F00 << " auto 1";
    }

    void channelSelections()
    {
        QFETCH(bool, oldProtocol);
        QFETCH(int, mask);
        QFETCH(int, codecType);
        QFETCH(QString, actions);
        QFETCH(int, channels);
        QFETCH(QString, extra);
        CAppSettings().writeSetting(CAppSettings::CODEC_TYPE, codecType);
        LiveBench bench;
        if (actions.startsWith(QLatin1String("many")))
            bench.layOut(CModeTable::LIVE_M);
        connectMyDvr(bench, oldProtocol, quint32(mask));
        QTRY_VERIFY_WITH_TIMEOUT(bench.connected(), SHOW_TIME_LIMIT_MS);
        const int id = bench.controller(0)->getClientID();
        bench.act(actions.remove(QLatin1String("many")));

        const QString hex = QString::number(channels, 16);
        const TestDvr& dvr = bench.dvr(0);
        if (oldProtocol)
            QTRY_COMPARE(lastSelection(dvr, id + 100), hex);
        QTRY_COMPARE(lastSelection(dvr, id), oldProtocol ? hex : hex + QStringLiteral(" mode 0") + extra);
        QTRY_COMPARE(TestDvrGroups::streamedChannels(dvr, id), quint32(channels));
    }

    // DVRs of 16, 16 and 8 channels on the many-DVR wall; the third asks
    // for 16 but streams the 8 it has.
    void groupOnTheWall()
    {
        LiveBench bench;
        bench.addGroup(QStringLiteral("Shop"),
            {bench.addDvr(QStringLiteral("A"), false), bench.addDvr(QStringLiteral("B"), true),
                bench.addDvr(QStringLiteral("C"), false, 8)});
        bench.addGroup(QStringLiteral("Other"), {bench.addDvr(QStringLiteral("D"), false)});
        bench.layOut(CModeTable::LIVE_M);
        bench.connectGroup(0);
        QTRY_VERIFY_WITH_TIMEOUT(bench.connected(), SHOW_TIME_LIMIT_MS);
        QList<int> starts;
        QList<quint32> streamed;
        for (int i = 0; i < 3; ++i) {
            starts << bench.controller(i)->getDisplayStartScreen();
            streamed << TestDvrGroups::streamedChannels(bench.dvr(i), bench.controller(i)->getClientID());
        }
        QCOMPARE(starts, (QList<int>{0, 16, 32}));
        QCOMPARE(streamed, (QList<quint32>{ALL, ALL, 0x00FF}));

        // A screen of the second makes it current.
        QTRY_COMPARE_WITH_TIMEOUT(bench.wall()->wall()->getInfo(20).channel, 4, SHOW_TIME_LIMIT_MS);
        bench.wall()->updateSelectScreen(20);
        QCOMPARE(bench.live().connections().currentIndex(), 1);
        QCOMPARE(bench.leftTitle(), QStringLiteral("B( admin )"));

        const auto lastOfEach = [&] {
            QStringList last;
            for (int i = 0; i < 3; ++i)
                last << lastSelection(bench.dvr(i), bench.controller(i)->getClientID()).section(' ', 0, 0);
            return last.join(QLatin1Char(' '));
        };
        bench.act(QStringLiteral("4@0"));
        QTRY_COMPARE(lastOfEach(), QStringLiteral("f 0 0"));
        // Page 2 holds none of them, also after the wall is resized.
        bench.act(QStringLiteral("64@0 next"));
        QTRY_COMPARE(lastOfEach(), QStringLiteral("0 0 0"));
        const qsizetype sent = selections(bench.dvr(0)).size();
        bench.wall()->window()->resize(bench.wall()->window()->size() + QSize(40, 40));
        QTRY_VERIFY(selections(bench.dvr(0)).size() > sent);
        QCOMPARE(lastOfEach(), QStringLiteral("0 0 0"));
        QTRY_COMPARE(TestDvrGroups::streamedChannels(bench.dvr(2), bench.controller(2)->getClientID()), 0u);

        // Choosing a DVR of another group forgets the current one only.
        bench.layOut(CModeTable::LIVE_S);
        emit bench.tree()->changedDVR(1, 0);
        QCOMPARE(bench.live().connections().currentIndex(), -1);
        QVERIFY(bench.connected());
    }

    void disconnectAndRemove()
    {
        QTemporaryDir records;
        CAppSettings().writeSetting(CAppSettings::PATH_LIST.at(1), records.path());
        LiveBench bench;
        bench.addGroup(QStringLiteral("Shop"),
            {bench.addDvr(QStringLiteral("A"), false), bench.addDvr(QStringLiteral("B"), true)});
        bench.addGroup(QStringLiteral("Other"), {bench.addDvr(QStringLiteral("C"), false)});
        bench.connectGroup(0);
        QTRY_VERIFY_WITH_TIMEOUT(bench.connected(), SHOW_TIME_LIMIT_MS);

        // Another group's DVR is not connected: nothing stops.
        emit bench.tree()->disconnectDVR(1, 0);
        QVERIFY(bench.connected());

        QSignalSpy recordButton(&bench.live(), &CLiveView::recordToPcChecked);
        bench.live().recordToPc(true);
        QVERIFY(bench.framesAfterNow(0, 200));
        emit bench.tree()->disconnectDVR(0, 0);
        QVERIFY(!bench.controller(0)->IsConnected());
        // The tree marks the DVR that still streams, and only that one.
        const auto icon
            = [&](int dvr) { return bench.tree()->topLevelItem(0)->child(dvr)->icon(0).pixmap(16).toImage(); };
        QCOMPARE(icon(0), CControlDVRList::getDVRIcon().pixmap(16).toImage());
        QCOMPARE(icon(1), CControlDVRList::getConnectedIcon().pixmap(16).toImage());
        QTRY_VERIFY(!recordButton.isEmpty() && !recordButton.last().at(0).toBool());
        QTRY_COMPARE(bench.dvr(0).streams()->runningCount(), 0);
        QCOMPARE(bench.dvr(1).streams()->runningCount(), 2);
        const RawFileChecker files(records.filePath(QStringLiteral("A")));
        QVERIFY2(files.ok() && !files.pairs.isEmpty(), qPrintable(files.problems()));

        // Removing a connected DVR disconnects it first.
        emit bench.tree()->aboutToRemove(0, 1);
        QCOMPARE(bench.live().connections().entries().size(), 1);
        QTRY_COMPARE(bench.dvr(1).streams()->runningCount(), 0);

        // Removing an earlier group keeps the connected group's index.
        bench.connectGroup(1);
        QTRY_VERIFY_WITH_TIMEOUT(bench.connected(), SHOW_TIME_LIMIT_MS);
        emit bench.tree()->aboutToRemove(0, -1);
        emit bench.tree()->disconnectDVR(0, -1);
        QTRY_COMPARE(bench.dvr(2).streams()->runningCount(), 0);
    }

    // DVR A of two on the many-DVR wall fails while B is current; once B
    // leaves the view, the title and the commands name A, and none goes to B.
    void failureInTheGroup()
    {
        LiveBench bench;
        bench.addGroup(QStringLiteral("Shop"),
            {bench.addDvr(QStringLiteral("A"), false), bench.addDvr(QStringLiteral("B"), false)});
        bench.layOut(CModeTable::LIVE_M);
        bench.connectGroup(0);
        QTRY_VERIFY_WITH_TIMEOUT(bench.connected(), SHOW_TIME_LIMIT_MS);
        // Screens 9 to 17: channels 9 to 15 of A, 0 and 1 of B, once redrawn.
        bench.act(QStringLiteral("9@9"));
        QTRY_VERIFY(bench.controller(0)->isVisible() && bench.controller(1)->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(bench.showsPictures(9), SHOW_TIME_LIMIT_MS);
        bench.wall()->updateSelectScreen(17);
        QCOMPARE(bench.leftTitle(), QStringLiteral("B( admin )"));
        QSignalSpy failed(bench.controller(0), &CConnectDVR::disconnected);
        bench.dvr(0).close();
        QVERIFY(failed.wait(SHOW_TIME_LIMIT_MS));
        bench.act(QStringLiteral("4@0"));
        QTRY_COMPARE(bench.leftTitle(), QStringLiteral("A( admin )"));
        bench.live().recordOnDvr();
        QTRY_COMPARE(CApplicationSender::pending(), 0);
        QVERIFY(commands(bench.dvr(1), cgi::MODE_RECORD, CViewerCommands::OLD_OP_RECORD).isEmpty());
    }

    void failuresShowOnTheWall_data()
    {
        QTest::addColumn<bool>("oldProtocol");
        QTest::addColumn<bool>("wrongPassword");
        QTest::addColumn<QString>("status");
        QTest::newRow("new: wrong password") << false << true << "[ERROR]password miss";
        QTest::newRow("old: wrong password") << true << true << "[ERROR]password miss";
        QTest::newRow("new: closed at once") << false << false << "Connection failed";
        QTest::newRow("old: closed at once") << true << false << "Connection failed";
    }

    void failuresShowOnTheWall()
    {
        QFETCH(bool, oldProtocol);
        QFETCH(bool, wrongPassword);
        QFETCH(QString, status);
        LiveBench bench;
        DVR dvr = bench.addDvr(QStringLiteral("My DVR"), oldProtocol);
        TestDvrStreamSettings settings;
        settings.fault = TestDvrStreamSettings::Fault::CloseAfter;
        settings.faultValue = 0; // closed before any packet
        if (wrongPassword)
            dvr.set_password("wrong");
        else
            bench.dvr(0).setStreamSettings(settings);
        bench.addGroup(QStringLiteral("My Group"), {dvr});
        bench.connectGroup(0);
        const auto tile = [&] { return bench.wall()->wall()->screenWidgets().at(0); };
        QTRY_COMPARE_WITH_TIMEOUT(shownText(tile()->toolTip()), status, SHOW_TIME_LIMIT_MS);
        QVERIFY(!bench.controller(0)->IsConnected());
        QVERIFY(!QApplication::activeModalWidget());
    }

    // B, off view in Live S, is asked for no channel: an old DVR then sends
    // nothing and is not failed for it; a new one keeps sending its status,
    // so once it freezes its silence fails it. Silence times are counted by
    // a link of the test's own whose old DVR is told to stream nothing: it
    // fails once each.
    void offViewDvrJudgedByItsDialect_data()
    {
        QTest::addColumn<bool>("oldProtocol");
        QTest::addColumn<bool>("fails");
        QTest::newRow("old: silent while off view") << true << false;
        QTest::newRow("new: frozen while off view") << false << true;
    }

    void offViewDvrJudgedByItsDialect()
    {
        QFETCH(bool, oldProtocol);
        QFETCH(bool, fails);
        const int silenceMs = 700;
        CAppSettings().writeSetting(CAppSettings::RECONNECT, false);
        LiveBench bench;
        bench.addGroup(QStringLiteral("Shop"),
            {bench.addDvr(QStringLiteral("A"), false), bench.addDvr(QStringLiteral("B"), oldProtocol)});
        const DVR clockDvr = bench.addDvr(QStringLiteral("Clock"), true);
        bench.connectGroup(0);
        QTRY_VERIFY_WITH_TIMEOUT(bench.connected(), SHOW_TIME_LIMIT_MS);
        // Started again with a short silence time.
        for (int i = 0; i < 2; ++i)
            bench.controller(i)->setSilenceTime(silenceMs);
        bench.live().stop(false);
        bench.live().start();
        QTRY_VERIFY_WITH_TIMEOUT(bench.connected(), SHOW_TIME_LIMIT_MS);
        QTRY_COMPARE(TestDvrGroups::streamedChannels(bench.dvr(1), bench.controller(1)->getClientID()), 0u);
        QSignalSpy failed(bench.controller(1), &CConnectDVR::disconnected);

        CHttpConnect clock;
        int silenceTimes = 0;
        connect(&clock, &CHttpConnect::signalConnectionFailed, &clock, [&silenceTimes] { ++silenceTimes; });
        clock.setSilenceTime(silenceMs);
        bench.dvr(2).streams()->setNextVideoId(7);
        clock.Connect(clockDvr, CHttpConnect::ConnParam());
        QTRY_VERIFY(bench.dvr(2).streams()->changeChannels(7, 0, 0));
        bench.dvr(1).streams()->silenceAll();
        QTRY_VERIFY_WITH_TIMEOUT(!failed.isEmpty() || silenceTimes >= 4, TIME_LIMIT_MS);
        QCOMPARE(!failed.isEmpty(), fails);
    }

    void recording_data() { dialects_data(); }

    void recording()
    {
        QFETCH(bool, oldProtocol);
        QTemporaryDir records;
        CAppSettings().writeSetting(CAppSettings::PATH_LIST.at(1), records.path());
        LiveBench bench;
        QSignalSpy admin(&bench.live(), &CLiveView::adminRights);
        connectMyDvr(bench, oldProtocol);
        QTRY_VERIFY_WITH_TIMEOUT(bench.connected(), SHOW_TIME_LIMIT_MS);
        QTRY_VERIFY(!admin.isEmpty() && admin.last().at(0).toBool());

        bench.live().recordOnDvr();
        QTRY_COMPARE(commands(bench.dvr(0), cgi::MODE_RECORD, CViewerCommands::OLD_OP_RECORD).size(), 1);
        if (oldProtocol)
            QCOMPARE(commands(bench.dvr(0), 0, CViewerCommands::OLD_OP_RECORD).first().query,
                QStringLiteral("MODE=5&CID=%1&OP=11").arg(bench.controller(0)->getClientID()).toLatin1());

        // A recording asks for every channel, whatever the view shows.
        const int id = bench.controller(0)->getClientID();
        bench.act(QStringLiteral("1@3"));
        QTRY_COMPARE(TestDvrGroups::streamedChannels(bench.dvr(0), id), 0x0008u);
        bench.live().recordToPc(true);
        QTRY_COMPARE(TestDvrGroups::streamedChannels(bench.dvr(0), id), quint32(ALL));
        QVERIFY(bench.framesAfterNow(0, 200));
        bench.live().recordToPc(false);
        QVERIFY(!bench.controller(0)->isRecording());
        QTRY_COMPARE(TestDvrGroups::streamedChannels(bench.dvr(0), id), 0x0008u);
        const RawFileChecker files(records.filePath(QStringLiteral("My DVR")));
        QVERIFY2(files.ok() && !files.pairs.isEmpty(), qPrintable(files.problems()));

        // A folder that cannot be made: the button goes back, the reason is
        // told.
        CAppSettings().writeSetting(CAppSettings::PATH_LIST.at(1),
            records.filePath(QStringLiteral("My DVR/%1.hav/x").arg(files.pairs.first().stem)));
        QSignalSpy failed(&bench.live(), &CLiveView::recordToPcEnded);
        QSignalSpy recordButton(&bench.live(), &CLiveView::recordToPcChecked);
        bench.live().recordToPc(true);
        QTRY_COMPARE(failed.size(), 1);
        QVERIFY(failed.first().at(0).toString().startsWith(QStringLiteral("[ERROR]")));
        QCOMPARE(recordButton.last().at(0).toBool(), false);
    }

    void playbackControl_data() { dialects_data(); }

    void playbackControl()
    {
        QFETCH(bool, oldProtocol);
        LiveBench bench;
        connectMyDvr(bench, oldProtocol);
        QTRY_VERIFY_WITH_TIMEOUT(bench.connected(), SHOW_TIME_LIMIT_MS);
        emit bench.playback()->changedPbStatus(cgi::PbControl::CMD_PAUSE); // live: nothing

        bench.layOut(CModeTable::SEARCH);
        bench.live().searchCurrent();
        CConnectDVR* controller = bench.controller(0);
        controller->startPlayback(
            {CHttpConnect::PLAYBACK, time_t(QDateTime::currentSecsSinceEpoch() - 3600), 0, 0xFFFF});
        QTRY_VERIFY_WITH_TIMEOUT(controller->IsConnected(), SHOW_TIME_LIMIT_MS);
        const int id = controller->getClientID();
        // Stop last: it ends the playback.
        QStringList expected;
        for (const int cmd : {0, 1, 2, 4, 5, 6, 7, 3}) {
            emit bench.playback()->changedPbStatus(cgi::PbControl::Cmd(cmd));
            expected << (oldProtocol ? QStringLiteral("MODE=5&CID=%1&OP=8&LEN=1&REQ=%2")
                                           .arg(id)
                                           .arg(CViewerCommands::oldPlaybackRequest(cmd))
                                     : QStringLiteral("%1 %2").arg(id).arg(cmd));
        }
        QVERIFY(!controller->IsConnected());
        const auto received = [&] {
            QStringList texts;
            for (const TestDvrRequest& request :
                commands(bench.dvr(0), cgi::MODE_PB_CONTROL, CViewerCommands::OLD_OP_PLAYBACK)) {
                cgi::PbControl control;
                control.ParseFromString(request.data.toStdString());
                texts << (oldProtocol ? QString::fromLatin1(request.query)
                                      : QStringLiteral("%1 %2").arg(control.stream_id()).arg(int(control.cmd())));
            }
            return texts;
        };
        QTRY_COMPARE(received(), expected);
        QCOMPARE(CViewerCommands::oldPlaybackRequest(99), 1);
    }

    // The search page: live stops and the panel asks the DVR for its
    // recordings; a chosen time plays them from the DVR.
    void searchAndPlay_data()
    {
        QTest::addColumn<bool>("oldProtocol");
        QTest::addColumn<bool>("connect");
        // The DVR's answer code to the playback stream, and what the operator
        // is told then.
        QTest::addColumn<int>("refusal");
        QTest::addColumn<QString>("told");
        QTest::newRow("new dialect") << false << true << 0 << "";
        QTest::newRow("old dialect") << true << true << 0 << "";
        QTest::newRow("no current DVR: a time does nothing") << false << false << 0 << "";
        QTest::newRow("refused: the DVR's reason")
            << false << true << 4 << "The playback stopped: [ERROR]permission denied";
    }

    void searchAndPlay()
    {
        QFETCH(bool, oldProtocol);
        QFETCH(bool, connect);
        QFETCH(int, refusal);
        QFETCH(QString, told);
        LiveBench bench;
        if (connect) {
            connectRecordingDvr(bench, oldProtocol);
            QTRY_VERIFY_WITH_TIMEOUT(bench.connected(), TIME_LIMIT_MS);
        }
        if (refusal != 0)
            refuseStreams(bench, refusal);
        bench.layOut(CModeTable::SEARCH);
        bench.live().searchCurrent();
        QVERIFY(searched());
        CConnectDVR* current = bench.live().current();
        QCOMPARE(current != nullptr, connect);
        if (current) {
            QVERIFY(!current->IsConnected());
            // The search: new mode 6, old MODE=7.
            const int searchMode = oldProtocol ? 7 : 6;
            const QList<TestDvrRequest> requests = bench.dvr(0).requests();
            QVERIFY(std::any_of(requests.cbegin(), requests.cend(),
                [&](const TestDvrRequest& request) { return request.mode == searchMode; }));
        }

        emit bench.playback()->findChild<CSearchWidget*>()->selectedTime(recordedStart(), RECORDED_CHANNELS);
        if (!current) {
            QVERIFY(!bench.live().current());
            return;
        }
        if (refusal != 0) {
            QTRY_COMPARE_WITH_TIMEOUT(bench.messages(), QStringList{told}, TIME_LIMIT_MS);
            QVERIFY(!current->isStarted());
            return;
        }
        QTRY_VERIFY_WITH_TIMEOUT(bench.showsPictures(2), TIME_LIMIT_MS);
        QVERIFY(!current->IsLive());
    }

    // The search and backup pages show and ask the current DVR alone, known
    // by its address and port, whatever made it current: a click on another
    // DVR, a DVR deleted before it, a DVR connected alone before its group.
    // Each DVR records in an hour of its own.
    void pagesShowTheCurrentDvr_data()
    {
        // "Search", "Backup", "LiveM": that mode entered; "local": Playback
        // entered and the local recording opened, "browse": no folder
        // chosen; "group": the group
        // connected, "connect=n": its DVR n alone; "choose=n": DVR n
        // clicked, "other": a DVR of another group; "delete=n": DVR n
        // deleted as the operator deletes it (clicked, then Delete).
        QTest::addColumn<QString>("steps");
        // As the page on view moves to another hour: the one hour it then
        // marks (-1: none), whether it says it has no DVR to search, and the
        // DVRs asked for that hour.
        QTest::addColumn<int>("hour");
        QTest::addColumn<bool>("noDvr");
        QTest::addColumn<QString>("asked");
        QTest::newRow("search A, B chosen") << "group Search choose=1" << 12 << false << "B";
        QTest::newRow("backup A, B chosen") << "group Backup choose=1" << 12 << false << "B";
        QTest::newRow("search A, another group chosen") << "group Search other" << -1 << true << "";
        QTest::newRow("search A, A deleted") << "group Search delete=0" << -1 << true << "";
        QTest::newRow("search, the first of three deleted, the second chosen")
            << "group Search delete=0 choose=0" << 12 << false << "B";
        QTest::newRow("search, the first of three deleted, the third chosen")
            << "group Search delete=0 choose=1" << 14 << false << "C";
        QTest::newRow("B alone, the first deleted, the third chosen")
            << "Search connect=1 delete=0 choose=1" << -1 << true << "";
        QTest::newRow("B alone, then the group in Live M, B chosen in Search")
            << "Search connect=1 LiveM group Search choose=1" << 12 << false << "B";
        QTest::newRow("backup, no DVR connected") << "Backup" << -1 << true << "";
        QTest::newRow("the local page with no folder chosen, B chosen") << "group browse choose=1" << -1 << false << "";
        QTest::newRow("local files stay as the searched DVR is deleted")
            << "connect=0 Search local delete=0" << 10 << false << "";
    }

    void pagesShowTheCurrentDvr()
    {
        QFETCH(QString, steps);
        QFETCH(int, hour);
        QFETCH(bool, noDvr);
        QFETCH(QString, asked);
        QTemporaryDir folder;
        CAppSettings().writeSetting(CAppSettings::PATH_LIST.at(2), folder.path());
        QVERIFY(RecordedFolder::record(RecordedFolder::frames(2, quint32(recordedStart()), 4), 2));
        LiveBench bench;
        const QString names = QStringLiteral("ABC");
        QList<DVR> dvrs;
        for (int i = 0; i < names.size(); ++i) {
            dvrs << bench.addDvr(names.at(i), false);
            const std::time_t from = recordedStart() + 2 * 3600 * i;
            TestDvrRecordings::of(&bench.dvr(i))
                ->setSchedule(TestDvrSchedule().add(from, from + 3600, RECORDED_CHANNELS, {1, 2}));
        }
        bench.addGroup(QStringLiteral("Group"), dvrs);
        QTreeWidgetItem* group = bench.tree()->topLevelItem(0);
        for (const QString& step : steps.split(QLatin1Char(' '))) {
            const int n = step.section(QLatin1Char('='), 1).toInt();
            if (step == QLatin1String("Search")) {
                bench.layOut(CModeTable::SEARCH);
                bench.live().searchCurrent();
            } else if (step == QLatin1String("Backup")) {
                bench.layOut(CModeTable::BACKUP);
                bench.live().backupCurrent();
            } else if (step == QLatin1String("LiveM")) {
                bench.layOut(CModeTable::LIVE_M);
            } else if (step == QLatin1String("browse")) {
                bench.layOut(CModeTable::PLAYBACK);
                bench.live().browseLocalFiles();
            } else if (step == QLatin1String("local")) {
                bench.layOut(CModeTable::PLAYBACK);
                bench.live().browseLocalFiles();
                bench.playback()->search(RecordedFolder::folder());
            } else if (step == QLatin1String("group")) {
                bench.connectGroup(0);
                if (bench.modes().bottomPage() == CModeTable::LIVE_PAGE)
                    QTRY_VERIFY_WITH_TIMEOUT(bench.connected(), TIME_LIMIT_MS);
            } else if (step.startsWith(QLatin1String("connect="))) {
                bench.connectGroup(0, n);
            } else if (step.startsWith(QLatin1String("choose="))) {
                emit bench.tree()->changedDVR(0, n);
            } else if (step == QLatin1String("other")) {
                emit bench.tree()->changedDVR(1, 0);
            } else if (step.startsWith(QLatin1String("delete="))) {
                bench.tree()->setCurrentItem(group->child(n));
                QVERIFY(searched());
                bench.tree()->OnDeleteDVR(group->child(n));
            }
            QVERIFY2(searched(), qPrintable(step));
        }

        QWidget* page = bench.modes().bottomPage() == CModeTable::BACKUP_PAGE ? static_cast<QWidget*>(bench.backup())
                                                                              : bench.playback();
        QList<qsizetype> before;
        for (int i = 0; i < names.size(); ++i)
            before << searches(bench.dvr(i));
        ShownSearch::moveTo(page->findChild<CSearchWidget*>(), recordedStart() + 6 * 3600 + 1800);
        QVERIFY(searched());
        QString askedNow;
        for (int i = 0; i < names.size(); ++i) {
            if (searches(bench.dvr(i)) > before.at(i))
                askedNow += names.at(i);
        }
        QCOMPARE(askedNow, asked);
        QString hours(24, QLatin1Char('.'));
        if (hour >= 0)
            hours[hour] = QLatin1Char('#');
        QCOMPARE(ShownSearch::hours(page), hours);
        const auto* line = page->findChild<QWidget*>(QStringLiteral("NoDvrLine"));
        QCOMPARE(line && line->isVisible(), noDvr);
        if (page == bench.backup())
            QCOMPARE(child<QAbstractButton>(*page, "BackupStart")->isEnabled(), !noDvr);
    }

    // One DVR listed twice in a group: A with its own account, G with the
    // guest's. Each entry's page searches with that entry's account; a
    // search that has no reply to show is asked again as its entry is
    // chosen, instead of leaving the page empty without a word.
    void pagesSearchAsTheirEntry_data()
    {
        // "Search", "Backup": that mode entered; "choose=n": entry n
        // clicked; "silent": the DVR leaves its searches unanswered from
        // now on, "answers": it answers them again; "hour": the page moves
        // to another hour of the day.
        QTest::addColumn<QString>("steps");
        // Step by step, the accounts of the searches it made, as
        // searchAccounts gives them. The page then shows the recorded hour.
        QTest::addColumn<QString>("asked");
        QTest::newRow("search A, G chosen") << "Search choose=1 hour"
                                            << "a g g";
        QTest::newRow("backup A, G chosen") << "Backup choose=1 hour"
                                            << "a g g";
        QTest::newRow("search G, A chosen") << "Search choose=1 choose=0 hour"
                                            << "a g a a";
        QTest::newRow("A's search unanswered, G chosen") << "silent Search answers choose=1"
                                                         << "- a - g";
        QTest::newRow("A's search unanswered, A chosen again") << "silent Search answers choose=0"
                                                               << "- a - a";
        QTest::newRow("A's backup search unanswered, A chosen again") << "silent Backup answers choose=0"
                                                                      << "- a - a";
        QTest::newRow("A's search answered, A chosen again: shown again") << "Search choose=0"
                                                                          << "a -";
    }

    void pagesSearchAsTheirEntry()
    {
        QFETCH(QString, steps);
        QFETCH(QString, asked);
        LiveBench bench;
        const DVR admin = bench.addDvr(QStringLiteral("A"), false);
        TestDvrRecordings::of(&bench.dvr(0))
            ->setSchedule(TestDvrSchedule().add(recordedStart(), recordedStart() + 3600, RECORDED_CHANNELS, {1, 2}));
        bench.addGroup(QStringLiteral("Group"), {admin, bench.asGuest(admin)});
        bench.connectGroup(0);
        QTRY_VERIFY_WITH_TIMEOUT(bench.connected(), TIME_LIMIT_MS);
        for (QWidget* page : {static_cast<QWidget*>(bench.playback()), static_cast<QWidget*>(bench.backup())})
            page->findChild<CRemoteSearch*>()->setTimeLimit(SILENT_DVR_LIMIT_MS);
        QWidget* page = bench.playback();
        QStringList made;
        for (const QString& step : steps.split(QLatin1Char(' '))) {
            const qsizetype before = bench.dvr(0).requests().size();
            if (step == QLatin1String("Search")) {
                bench.layOut(CModeTable::SEARCH);
                bench.live().searchCurrent();
            } else if (step == QLatin1String("Backup")) {
                bench.layOut(CModeTable::BACKUP);
                bench.live().backupCurrent();
                page = bench.backup();
            } else if (step.startsWith(QLatin1String("choose="))) {
                emit bench.tree()->changedDVR(0, step.section(QLatin1Char('='), 1).toInt());
            } else if (step == QLatin1String("silent")) {
                bench.dvr(0).holdAnswers(6);
            } else if (step == QLatin1String("answers")) {
                bench.dvr(0).holdAnswers(std::nullopt);
            } else if (step == QLatin1String("hour")) {
                ShownSearch::moveTo(page->findChild<CSearchWidget*>(), recordedStart() + 6 * 3600 + 1800);
                QVERIFY(searched());
                ShownSearch::moveTo(page->findChild<CSearchWidget*>(), recordedStart() + 1800);
            }
            QVERIFY2(searched(), qPrintable(step));
            made << searchAccounts(bench.dvr(0), before);
        }
        QCOMPARE(made.join(QLatin1Char(' ')), asked);
        ShownSearch::moveTo(page->findChild<CSearchWidget*>(), recordedStart() + 1800);
        QVERIFY(searched());
        QCOMPARE(ShownSearch::hours(page).at(10), QLatin1Char('#'));
        QVERIFY(!page->findChild<QWidget*>(QStringLiteral("NoDvrLine"))->isVisible());
    }

    // Choosing the current DVR again shows its recordings again, and
    // neither the running backup nor the range it shows changes: a later
    // Start backs up that range. An old DVR's reply is shown again as a
    // first reply.
    void backupRangeStaysAsTheDvrIsChosenAgain_data() { dialects_data(); }

    void backupRangeStaysAsTheDvrIsChosenAgain()
    {
        QFETCH(bool, oldProtocol);
        QTemporaryDir folder;
        CAppSettings().writeSetting(CAppSettings::PATH_LIST.at(2), folder.path());
        LiveBench bench;
        connectRecordingDvr(bench, oldProtocol);
        QTRY_VERIFY_WITH_TIMEOUT(bench.connected(), TIME_LIMIT_MS);
        bench.layOut(CModeTable::BACKUP);
        bench.live().backupCurrent();
        QVERIFY(searched());
        CBackupWidget* backup = bench.backup();
        const std::time_t end = recordedStart() + 1800;
        ShownSearch::chooseBackupRange(backup, recordedStart(), end);
        const auto* range = child<QLabel>(*backup, "BackupTime");
        const QString chosen = range->text();
        QSignalSpy starts(backup, &CBackupWidget::backupStart);
        QTest::mouseClick(child<QAbstractButton>(*backup, "BackupStart"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(child<QProgressBar>(*backup, "progressBar")->value() > 0, TIME_LIMIT_MS);
        emit bench.tree()->changedDVR(0, 0);
        QVERIFY(searched());
        QVERIFY(backup->isBackup());
        QCOMPARE(range->text(), chosen);
        QTest::mouseClick(child<QAbstractButton>(*backup, "BackupStop"), Qt::LeftButton);
        QTest::mouseClick(child<QAbstractButton>(*backup, "BackupStart"), Qt::LeftButton);
        QCOMPARE(starts.size(), 2);
        QCOMPARE(starts.last().at(0).value<time_t>(), recordedStart());
        QCOMPARE(starts.last().at(1).value<time_t>(), end);
    }

    // Frames sent before the DVR took the Pause claim no speed; its paused
    // status shows nothing. A DVR that plays on shows its speed again.
    void pauseClaimsNoSpeed_data()
    {
        QTest::addColumn<bool>("playsOn");
        QTest::addColumn<bool>("newPlayback"); // a time chosen again after the pause, within a long hold
        QTest::addColumn<QStringList>("statuses");
        const QString speed = QStringLiteral("Playback( +1X )");
        QTest::newRow("frames on their way") << false << false << QStringList{QString()};
        QTest::newRow("the DVR plays on") << true << false << QStringList{QString(), speed};
        // The paused playback ends as its Stop ends it.
        QTest::newRow("a new playback ends the hold") << true << true << QStringList{QString(), QString(), speed};
    }

    void pauseClaimsNoSpeed()
    {
        QFETCH(bool, playsOn);
        QFETCH(bool, newPlayback);
        QFETCH(QStringList, statuses);
        QStringList texts;
        LiveBench bench;
        // Frame times a command lags: a few, or more than the test lasts.
        connectRecordingDvr(bench, false, playsOn ? 1000000 : 5);
        QTRY_VERIFY_WITH_TIMEOUT(bench.connected(), TIME_LIMIT_MS);
        bench.layOut(CModeTable::SEARCH);
        bench.live().searchCurrent();
        QVERIFY(searched());
        connect(bench.wall(), &CDisplayWidget::signalChangedStatus, bench.wall(),
            [&texts](const QString& text) { texts << text; });
        emit bench.playback()->findChild<CSearchWidget*>()->selectedTime(recordedStart(), RECORDED_CHANNELS);
        QTRY_VERIFY_WITH_TIMEOUT(texts.contains(QStringLiteral("Playback( +1X )")), TIME_LIMIT_MS);
        texts.clear();
        if (newPlayback)
            bench.wall()->router()->setCommandSettleTime(3600000);
        emit bench.playback()->changedPbStatus(cgi::PbControl::CMD_PAUSE);
        if (newPlayback)
            emit bench.playback()->findChild<CSearchWidget*>()->selectedTime(recordedStart(), RECORDED_CHANNELS);
        if (!playsOn) {
            // Its paused status comes behind the frames that were on their way.
            const auto* link = bench.controller(0)->findChild<CHttpConnect*>(QStringLiteral("video"));
            QTRY_COMPARE_WITH_TIMEOUT(link->displayInfo().pbMode, 48, TIME_LIMIT_MS);
            QCoreApplication::processEvents();
        }
        QTRY_COMPARE_WITH_TIMEOUT(texts, statuses, TIME_LIMIT_MS);
    }

    // The backup page: a backup of a minute completes into files; the
    // stops of the next mode end one that still runs; one the DVR refuses
    // ends told in the DVR's words.
    void backup_data()
    {
        QTest::addColumn<bool>("stopped");
        QTest::addColumn<int>("refusal"); // the DVR's answer code to the stream
        QTest::addColumn<QString>("told");
        QTest::newRow("completes") << false << 0 << "";
        QTest::newRow("ended by the next mode") << true << 0 << "";
        QTest::newRow("refused: permission denied") << false << 4 << "The backup stopped: [ERROR]permission denied";
        QTest::newRow("refused: client limit") << false << 3 << "The backup stopped: [ERROR]client limit";
    }

    void backup()
    {
        QFETCH(bool, stopped);
        QFETCH(int, refusal);
        QFETCH(QString, told);
        QTemporaryDir folder;
        CAppSettings().writeSetting(CAppSettings::PATH_LIST.at(2), folder.path());
        LiveBench bench;
        connectRecordingDvr(bench, false);
        QTRY_VERIFY_WITH_TIMEOUT(bench.connected(), TIME_LIMIT_MS);
        if (refusal != 0)
            refuseStreams(bench, refusal);
        bench.layOut(CModeTable::BACKUP);
        bench.live().backupCurrent();
        QVERIFY(searched());

        CBackupWidget* backup = bench.backup();
        ShownSearch::chooseBackupRange(backup, recordedStart(), recordedStart() + 60);
        QTest::mouseClick(child<QAbstractButton>(*backup, "BackupStart"), Qt::LeftButton);
        QVERIFY(backup->isBackup());
        if (refusal != 0) {
            QTRY_COMPARE_WITH_TIMEOUT(bench.messages(), QStringList{told}, TIME_LIMIT_MS);
            QVERIFY(!backup->isBackup());
            return;
        }
        if (stopped) {
            bench.live().stopBackup();
            bench.live().stop(true);
            QVERIFY(!backup->isBackup());
            return;
        }
        QTRY_VERIFY_WITH_TIMEOUT(!backup->isBackup(), TIME_LIMIT_MS);
        QVERIFY(QDirIterator(folder.path(), QDir::Files, QDirIterator::Subdirectories).hasNext());
    }

    // Acts on the current DVR while a backup, a playback or a recording to
    // the PC of it runs: its Stop, and the acts of the tree. Every end goes
    // the way Stop goes: the files are complete, the wall keeps no picture
    // of the stream (a picture is on its way as it ends), and the operator
    // is told why when it was not Stop, and when the files could not be
    // completed. After an edit that restarts the DVR's streams the page
    // searches again, or live view streams again, from the new record. A
    // rename ends nothing: the same stream goes on. A deleted DVR's
    // recordings leave the page.
    void treeActsDuringRecording_data()
    {
        QTest::addColumn<int>("mode");
        // "stop": the backup's Stop; "stop, no room": with no room for its
        // files; "stop, write failed": just after a write failed; "write
        // fails": a write fails while it runs; "start":
        // the backup again. Edits: a new channel mask, "name", "password",
        // "user", "dialect" (the older). "delete": the DVR deleted, "delete
        // group": its group; "disconnect"; "connect": its group again;
        // "address": a DVR by its address; "other": a DVR of another group
        // chosen, "sibling": another DVR of its group. "search, no room": the
        // search page chosen with no room for the files. "end, no room": the
        // program ends with no room for the files; what it gives the window
        // to tell is listed after "end: ". "silent": the DVR stops sending,
        // its connection left open; "dropped": it closes the stream; "other
        // silent": the other DVR of the group, connected too, stops sending.
        QTest::addColumn<QStringList>("actions");
        QTest::addColumn<bool>("goesOn");
        QTest::addColumn<QStringList>("messages");
        const QString backup = QStringLiteral("The backup stopped because ");
        const QString recording = QStringLiteral("The recording to the PC stopped because ");
        const QString changed = QStringLiteral("the DVR's settings changed.");
        const QString deleted = QStringLiteral("the DVR was deleted.");
        const QString disconnected = QStringLiteral("the DVR was disconnected.");
        const QString connected = QStringLiteral("a group was connected.");
        const QString address = QStringLiteral("a DVR was connected by its address.");
        const QString modeChanged = QStringLiteral("another mode was chosen.");
        const QString noRoom = QStringLiteral("[ERROR] Can not write the recording file ");
        const auto row = [](int mode, const char* name, const QStringList& actions, const QStringList& messages,
                             bool goesOn = false) -> QTestData& {
            return QTest::newRow(name) << mode << actions << goesOn << messages;
        };
        const int backupMode = CModeTable::BACKUP;
        row(backupMode, "backup, stopped", {"stop"}, {});
        row(backupMode, "backup, stopped, started again and stopped", {"stop", "start", "stop"}, {});
        row(backupMode, "backup, stopped with no room for its files", {"stop, no room"}, {noRoom});
        row(backupMode, "backup, stopped just after a write failed", {"stop, write failed"}, {noRoom});
        row(backupMode, "backup, a write fails", {"write fails"}, {noRoom});
        row(backupMode, "backup, the program ends with no room for its files", {"end, no room"},
            {QStringLiteral("end: ") + noRoom});
        row(backupMode, "backup, channels edited", {"0x00FF"}, {backup + changed});
        row(backupMode, "backup, edited twice", {"0x00FF", "0x000F"}, {backup + changed});
        row(backupMode, "backup, renamed: it goes on to its end", {"name"}, {"Backup has been completed."}, true);
        row(backupMode, "backup, the DVR deleted", {"delete"}, {backup + deleted});
        row(backupMode, "backup, its group deleted", {"delete group"}, {backup + deleted});
        row(backupMode, "backup, the DVR disconnected", {"disconnect"}, {backup + disconnected});
        row(backupMode, "backup, the group connected again", {"connect"}, {backup + connected});
        row(backupMode, "backup, a DVR connected by its address", {"address"}, {backup + address});
        const QString other = backup + QStringLiteral("another DVR was chosen.");
        row(backupMode, "backup, a DVR of another group chosen", {"other"}, {other});
        row(backupMode, "backup, another DVR of its group chosen", {"sibling"}, {other});
        // As when the DVR drops the stream.
        row(backupMode, "backup, the DVR falls silent", {"silent"},
            {"There is no more backup data. Or Connection failed"});
        const int search = CModeTable::SEARCH;
        row(search, "playback, channels edited", {"0x00FF"}, {});
        row(search, "playback, a DVR of another group chosen", {"other"}, {});
        row(search, "playback, another DVR of its group chosen", {"sibling"}, {});
        row(search, "playback, the DVR deleted", {"delete"}, {});
        row(search, "playback, its group deleted", {"delete group"}, {});
        row(search, "playback, the DVR falls silent", {"silent"}, {"The playback stopped: Connection failed"});
        row(search, "playback, the DVR drops it", {"dropped"}, {"The playback stopped: Connection failed"});
        for (const char* edit : {"0x00FF", "password", "user", "dialect"}) {
            QTest::addRow("recording to the PC, %s edited", edit)
                << int(CModeTable::LIVE_S) << QStringList{edit} << false << QStringList{recording + changed};
        }
        const int live = CModeTable::LIVE_S;
        row(live, "recording to the PC, the DVR deleted", {"delete"}, {recording + deleted});
        row(live, "recording to the PC, renamed: the same stream goes on", {"name"}, {}, true);
        // One message: why, and on its next line the failure.
        row(live, "recording to the PC, the DVR disconnected with no room", {"disconnect, no room"},
            {recording + disconnected + QLatin1Char('\n') + noRoom});
        row(live, "recording to the PC, the DVR disconnected", {"disconnect"}, {recording + disconnected});
        row(live, "recording to the PC, the group connected again", {"connect"}, {recording + connected});
        row(live, "recording to the PC, the search page chosen with no room", {"search, no room"},
            {recording + modeChanged + QLatin1Char('\n') + noRoom});
        row(live, "recording to the PC, the DVR falls silent", {"silent"},
            {"The recording to the PC stopped: Connection failed"});
        row(live, "recording to the PC, another DVR of the group falls silent", {"other silent"}, {}, true);
    }

    void treeActsDuringRecording()
    {
        QFETCH(int, mode);
        QFETCH(QStringList, actions);
        QFETCH(bool, goesOn);
        QFETCH(QStringList, messages);
        QTemporaryDir folder;
        CAppSettings settings;
        settings.writeSetting(CAppSettings::PATH_LIST.at(1), folder.filePath(QStringLiteral("record")));
        settings.writeSetting(CAppSettings::PATH_LIST.at(2), folder.filePath(QStringLiteral("backup")));
        QCOMPARE(settings.save(), CWholeFileWriter::Result::Written);
        LiveBench bench;
        connectRecordingDvr(bench, false);
        const bool otherSilent = actions.contains(QLatin1String("other silent"));
        if (otherSilent)
            bench.connectGroup(0);
        QTRY_VERIFY_WITH_TIMEOUT(bench.connected(), TIME_LIMIT_MS);
        if (actions.contains(QLatin1String("silent")) || otherSilent)
            bench.controller(otherSilent ? 1 : 0)->setSilenceTime(SILENCE_MS);
        CBackupWidget* backup = bench.backup();
        QSignalSpy recordButton(&bench.live(), &CLiveView::recordToPcChecked);
        PicturesOnTheirWay pictures(bench.wall());
        const auto startBackup = [&] {
            // A minute takes the DVR a few seconds; an hour runs on while
            // the test acts.
            ShownSearch::chooseBackupRange(backup, recordedStart(), recordedStart() + (goesOn ? 60 : 3600));
            QTest::mouseClick(child<QAbstractButton>(*backup, "BackupStart"), Qt::LeftButton);
            return QTest::qWaitFor(
                [&] { return child<QProgressBar>(*backup, "progressBar")->value() > 0; }, TIME_LIMIT_MS);
        };
        const auto recording = [&] {
            const QList<CConnectDVR*>& entries = bench.live().connections().entries();
            return std::any_of(entries.cbegin(), entries.cend(),
                [](const CConnectDVR* controller) { return controller && controller->isRecording(); });
        };
        bench.layOut(CModeTable::Mode(mode));
        if (mode == CModeTable::BACKUP) {
            bench.live().backupCurrent();
            QVERIFY(searched());
            QVERIFY(startBackup());
        } else if (mode == CModeTable::SEARCH) {
            bench.live().searchCurrent();
            QVERIFY(searched());
            emit bench.playback()->findChild<CSearchWidget*>()->selectedTime(recordedStart(), RECORDED_CHANNELS);
            QTRY_VERIFY_WITH_TIMEOUT(bench.showsPictures(2), TIME_LIMIT_MS);
        } else {
            bench.live().recordToPc(true);
            QVERIFY(bench.framesAfterNow(0, 200));
        }

        QStringList toldAtEnd;
        for (const QString& action : actions) {
            if (action == QLatin1String("start")) {
                QVERIFY(startBackup());
                continue;
            }
            if (action == QLatin1String("end, no room")) {
                const FileSizeLimit noRoom(0);
                for (const QString& failure : bench.live().end())
                    toldAtEnd << QStringLiteral("end: ") + failure;
                continue;
            }
            const qsizetype searchesBefore = searches(bench.dvr(0));
            const qsizetype requestsBefore = bench.dvr(0).requests().size();
            const int stream = bench.controller(0)->getClientID();
            const bool recorded = mode == CModeTable::LIVE_S;
            const bool running = recorded || (mode == CModeTable::BACKUP ? backup->isBackup() : !goesOn);
            const bool ends = running && !goesOn && !recorded;
            if (ends) {
                // As it ends, a picture of its stream is on its way.
                pictures.hold();
                QTRY_VERIFY_WITH_TIMEOUT(pictures.holdsOne(), TIME_LIMIT_MS);
            }
            QTreeWidgetItem* group = bench.tree()->topLevelItem(0);
            if (action == QLatin1String("stop")) {
                QTest::mouseClick(child<QAbstractButton>(*backup, "BackupStop"), Qt::LeftButton);
            } else if (action == QLatin1String("stop, no room")) {
                const FileSizeLimit noRoom(0);
                QTest::mouseClick(child<QAbstractButton>(*backup, "BackupStop"), Qt::LeftButton);
            } else if (action == QLatin1String("stop, write failed")) {
                // The failure's report is still on its way from the link's
                // thread as Stop is clicked.
                const CallsOnTheirWay held(bench.controller(0));
                {
                    const FileSizeLimit noRoom(0);
                    QTRY_VERIFY_WITH_TIMEOUT(!bench.controller(0)->isRecording(), TIME_LIMIT_MS);
                }
                QTest::mouseClick(child<QAbstractButton>(*backup, "BackupStop"), Qt::LeftButton);
            } else if (action == QLatin1String("write fails")) {
                const FileSizeLimit noRoom(0);
                QTRY_VERIFY_WITH_TIMEOUT(!backup->isBackup(), TIME_LIMIT_MS);
            } else if (action == QLatin1String("search, no room")) {
                const FileSizeLimit noRoom(0);
                // As the window's steps go.
                bench.layOut(CModeTable::SEARCH);
                bench.live().stopRecordingToPc(CLiveView::RecordingEnd::ModeChanged);
                bench.live().searchCurrent();
            } else if (action == QLatin1String("delete")) {
                bench.tree()->setCurrentItem(group->child(0));
                bench.tree()->OnDeleteDVR(group->child(0));
            } else if (action == QLatin1String("delete group")) {
                bench.tree()->setCurrentItem(group);
                bench.tree()->OnDeleteGroup(group);
            } else if (action.startsWith(QLatin1String("disconnect"))) {
                std::optional<FileSizeLimit> noRoom;
                if (action.endsWith(QLatin1String("no room")))
                    noRoom.emplace(0);
                bench.tree()->setCurrentItem(group->child(0));
                bench.tree()->OnDisconnectDVR(group->child(0));
            } else if (action == QLatin1String("connect")) {
                bench.connectGroup(0, 0);
            } else if (action == QLatin1String("address")) {
                bench.live().connectOne(bench.dvr(0).dvrRecord());
            } else if (action == QLatin1String("other")) {
                emit bench.tree()->changedDVR(1, 0);
            } else if (action == QLatin1String("sibling")) {
                bench.tree()->setCurrentItem(group->child(1));
            } else if (action == QLatin1String("silent") || action == QLatin1String("dropped")) {
                if (action == QLatin1String("silent"))
                    bench.dvr(0).streams()->silenceAll();
                else
                    bench.dvr(0).streams()->dropAll();
                QTRY_VERIFY_WITH_TIMEOUT(!bench.controller(0)->isStarted(), TIME_LIMIT_MS);
                // Ended as its Stop ends it, the backup or the playback
                // leaves the DVR idle, not failed.
                if (mode != CModeTable::LIVE_S) {
                    const QIcon icon = group->child(0)->icon(0);
                    QCOMPARE(icon.pixmap(16).toImage(), CControlDVRList::getDVRIcon().pixmap(16).toImage());
                }
            } else if (action == QLatin1String("other silent")) {
                bench.dvr(1).streams()->silenceAll();
                QTRY_VERIFY_WITH_TIMEOUT(!bench.controller(1)->isStarted(), TIME_LIMIT_MS);
            } else {
                if (action == QLatin1String("password"))
                    bench.dvr(0).setCredentials(bench.dvr(0).user(), QStringLiteral("5678"));
                if (action == QLatin1String("user"))
                    bench.dvr(0).setCredentials(QStringLiteral("operator"), bench.dvr(0).password());
                bench.edit(0, [&action](DVR& record) {
                    if (action == QLatin1String("name"))
                        record.set_name("Renamed");
                    else if (action == QLatin1String("password"))
                        record.set_password("5678");
                    else if (action == QLatin1String("user"))
                        record.set_id("operator");
                    else if (action == QLatin1String("dialect"))
                        record.set_oldprotocol(true);
                    else
                        record.set_bitch(action.toUInt(nullptr, 16));
                });
            }
            if (ends) {
                // What was on its way is not drawn.
                pictures.letGo();
                QVERIFY(!bench.showsAnyPicture());
            }
            if (mode == CModeTable::BACKUP) {
                QCOMPARE(backup->isBackup(), goesOn);
            } else if (mode == CModeTable::SEARCH) {
                // Ended as its Stop ends it: the DVR is told (Stop is the
                // only playback command sent), unless it closed the stream.
                if (action != QLatin1String("dropped"))
                    QTRY_VERIFY(
                        !commands(bench.dvr(0), cgi::MODE_PB_CONTROL, CViewerCommands::OLD_OP_PLAYBACK).isEmpty());
                QTRY_COMPARE(bench.dvr(0).streams()->runningCount(), 0);
            } else if (goesOn) {
                QVERIFY(recording() && bench.controller(0)->IsConnected());
                QCOMPARE(bench.controller(0)->getClientID(), stream);
                QCOMPARE(bench.leftTitle(),
                    action == QLatin1String("name") ? QStringLiteral("Renamed( admin )")
                                                    : QStringLiteral("DVR( admin )"));
                QVERIFY(!recordButton.isEmpty() && recordButton.last().at(0).toBool());
            } else {
                QVERIFY(!recording() && !recordButton.last().at(0).toBool());
            }
            if (action.startsWith(QLatin1String("delete")) && mode != CModeTable::LIVE_S) {
                // The page keeps nothing of the deleted DVR's recordings and
                // asks it nothing as the operator moves to them.
                QWidget* page = mode == CModeTable::BACKUP ? static_cast<QWidget*>(backup) : bench.playback();
                ShownSearch::moveTo(page->findChild<CSearchWidget*>(), recordedStart());
                QCOMPARE(ShownSearch::hours(page), QString(24, QLatin1Char('.')));
                QCOMPARE(searches(bench.dvr(0)), searchesBefore);
            }
            const bool edited = action.startsWith(QLatin1String("0x")) || action == QLatin1String("password")
                || action == QLatin1String("user") || action == QLatin1String("dialect");
            if (!edited && action != QLatin1String("connect") && action != QLatin1String("address"))
                continue;
            // Asked again from the new record: with its password, in its
            // dialect.
            if (mode == CModeTable::LIVE_S) {
                const bool old = action == QLatin1String("dialect");
                const auto restarted = [&] {
                    const QList<TestDvrRequest> since = bench.dvr(0).requests().mid(requestsBefore);
                    return std::any_of(since.cbegin(), since.cend(), [old](const TestDvrRequest& request) {
                        return request.kind == TestDvrRequest::StreamRequest && request.authorized
                            && (request.dialect == TestDvrRequest::OldDialect) == old;
                    });
                };
                QTRY_VERIFY_WITH_TIMEOUT(restarted() && bench.connected(), TIME_LIMIT_MS);
                continue;
            }
            QTRY_VERIFY_WITH_TIMEOUT(searches(bench.dvr(0)) > searchesBefore, TIME_LIMIT_MS);
            QTRY_VERIFY_WITH_TIMEOUT(!bench.live().current()->isStarted(), TIME_LIMIT_MS);
            for (const CRemoteSearch* search : bench.backup()->window()->findChildren<CRemoteSearch*>())
                QTRY_VERIFY_WITH_TIMEOUT(!search->waitDialog()->isVisible(), TIME_LIMIT_MS);
        }
        if (goesOn) {
            QTRY_VERIFY_WITH_TIMEOUT(!backup->isBackup(), TIME_LIMIT_MS);
            bench.live().recordToPc(false);
        }
        // As they begin: a failure names the file.
        const auto begun = [&] {
            QStringList shown = bench.messages() + toldAtEnd;
            for (qsizetype i = 0; i < qMin(shown.size(), messages.size()); ++i)
                shown[i].truncate(messages.at(i).size());
            return shown;
        };
        QTRY_COMPARE(begun(), messages);

        // Without room, the files are complete only as far as it let them.
        if (mode == CModeTable::SEARCH || messages.value(0).contains(QLatin1String("[ERROR]")))
            return;
        const RawFileChecker files(
            folder.filePath(mode == CModeTable::BACKUP ? QStringLiteral("backup/DVR") : QStringLiteral("record/DVR")));
        QVERIFY2(files.ok() && !files.pairs.isEmpty(), qPrintable(files.problems()));
    }

    // Local files replace the group; a chosen time plays them on the wall.
    void localPlayback()
    {
        QTemporaryDir folder;
        CAppSettings().writeSetting(CAppSettings::PATH_LIST.at(2), folder.path());
        QVERIFY(RecordedFolder::record(RecordedFolder::frames(2, quint32(recordedStart()), 4), 2));
        LiveBench bench;
        connectRecordingDvr(bench, false);
        QTRY_VERIFY_WITH_TIMEOUT(bench.connected(), TIME_LIMIT_MS);
        bench.layOut(CModeTable::PLAYBACK);
        bench.live().browseLocalFiles();
        QVERIFY(bench.live().connections().entries().isEmpty());
        bench.playback()->search(RecordedFolder::folder());
        emit bench.playback()->findChild<CSearchWidget*>()->selectedTime(recordedStart(), RECORDED_CHANNELS);
        QTRY_VERIFY_WITH_TIMEOUT(bench.showsPictures(2), TIME_LIMIT_MS);
        bench.live().stopLocalPlayback();
    }
};

int main(int argc, char* argv[])
{
    CScreen::prepareOpenGL();
    QApplication application(argc, argv);
    CCoreMetaTypes::registerTypes();
    tst_CLiveView test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_CLiveView.moc"
