#include "../SysData/RawFileChecker.h"
#include "Common/CCoreMetaTypes.h"
#include "Connection/CConnectDVR.h"
#include "Connection/CControlDVRList.h"
#include "Connection/CDVRListTree.h"
#include "Connection/CStopRequest.h"
#include "Display/CDisplayWidget.h"
#include "Display/CScreen.h"
#include "Display/CScreenWidget.h"
#include "Display/OpenGLMode.h"
#include "H264TestEncoder.h"
#include "Recording/CPlaybackWidget.h"
#include "Settings/CAppSettings.h"
#include "Settings/CSavePath.h"
#include "ShownText.h"
#include "TestDvr.h"
#include "TestDvrChannelSelect.h"
#include "TestDvrStreams.h"
#include "viewer/CCaptureFile.h"
#include "viewer/CDisplayTitle.h"
#include "viewer/CStartup.h"
#include "viewer/CViewerCommands.h"
#include "viewer/Viewer.h"

#include <QApplication>
#include <QDateTime>
#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>
#include <vector>

// From the tree's connect request to live video: the wall, the title, the
// live controls, the channels each DVR streams for the view, groups of DVRs,
// the tree's disconnect and remove requests, failures, the commands to the
// current DVR, snapshots, and many cycles of it all.
namespace {

const int SHOW_TIME_LIMIT_MS = 5000;
const int STOP_TIME_LIMIT_MS = 15000;
const int ALL = 0xFFFF;

// A main window with groups of test DVRs in its DVR tree, driven as the
// operator and the tree drive it.
class ViewerBench {
public:
    ViewerBench()
        : m_viewer(std::make_unique<Viewer>())
        , m_tree(m_viewer->findChild<CDVRListTree*>())
    {
        // Only the groups of the test: none from the list file.
        m_tree->clear();
        m_viewer->show();
        if (!QTest::qWaitForWindowExposed(m_viewer.get()))
            qWarning("the main window was not shown");
    }

    ~ViewerBench()
    {
        m_viewer.reset();
        // The DVRs hear the stop requests before they go.
        if (!QTest::qWaitFor([] { return CStopRequest::pending() == 0; }, STOP_TIME_LIMIT_MS))
            qWarning("stop requests were still under way");
    }

    ViewerBench(const ViewerBench&) = delete;
    ViewerBench& operator=(const ViewerBench&) = delete;

    // A running test DVR of that many channels that honours channel
    // selections; its record carries the name and the channel mask.
    DVR addDvr(const QString& name, bool oldProtocol, int channels = 16, quint32 mask = ALL)
    {
        auto dvr = std::make_unique<TestDvr>();
        TestDvrContent content = TestDvrContent::standard();
        content.dvrInfo.set_ch_num(static_cast<quint32>(channels));
        dvr->setContent(content);
        TestDvrChannelSelect::install(dvr.get());
        if (!dvr->listen())
            qWarning("a test DVR could not listen");
        DVR record = dvr->dvrRecord(oldProtocol);
        record.set_name(name.toStdString());
        record.set_chnum(static_cast<quint32>(channels));
        record.set_bitch(mask);
        m_dvrs.push_back(std::move(dvr));
        return record;
    }

    // A top-level tree item holding the group, with one child per DVR.
    void addGroup(const QString& name, const QList<DVR>& dvrs)
    {
        Group group;
        group.set_name(name.toStdString());
        auto* item = new QTreeWidgetItem(m_tree);
        for (const DVR& dvr : dvrs) {
            *group.add_dvr() = dvr;
            (new QTreeWidgetItem(item))->setData(0, Qt::UserRole, QVariant::fromValue(dvr));
        }
        item->setData(0, Qt::UserRole, QVariant::fromValue(group));
    }

    // What a double click on the group (or on one of its DVRs) emits.
    void connectGroup(int group, int dvrIndex = -1)
    {
        emit m_tree->groupConnect(*m_tree->topLevelItem(group), group, dvrIndex);
    }

    TestDvr& dvr(int i) { return *m_dvrs.at(size_t(i)); }
    Viewer& viewer() { return *m_viewer; }
    CDVRListTree* tree() const { return m_tree; }
    CDisplayWidget* wall() const { return m_viewer->findChild<CDisplayWidget*>(); }
    CConnectDVR* controller(int i) const { return m_viewer->connections().entries().value(i); }
    QPushButton* button(const char* name) const { return m_viewer->findChild<QPushButton*>(QLatin1String(name)); }
    QString leftTitle() const { return m_viewer->findChild<CDisplayTitle*>()->left()->text(); }

    // Clicks each button named, or "step" for a step of the sequence.
    void act(const QString& actions)
    {
        for (const QString& action : actions.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            if (action == QLatin1String("step"))
                wall()->switchChannel();
            else
                button(action.toLatin1().constData())->click();
        }
    }

    // Every controller has video flowing and the main window heard so.
    bool connected() const
    {
        const QList<CConnectDVR*>& entries = m_viewer->connections().entries();
        return !entries.isEmpty() && std::all_of(entries.cbegin(), entries.cend(), [](const CConnectDVR* controller) {
            return !controller || (controller->IsConnected() && controller->getClientID() > 0);
        });
    }

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

    // The tiles [0, count) show their own channel's pictures.
    bool showsChannels(int count) const
    {
        for (int tile = 0; tile < count; ++tile) {
            const CDisplayInfo info = wall()->wall()->getInfo(tile);
            if (info.channel != tile || !info.hasPicture())
                return false;
        }
        return true;
    }

private:
    std::vector<std::unique_ptr<TestDvr>> m_dvrs;
    std::unique_ptr<Viewer> m_viewer;
    CDVRListTree* m_tree;
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

// The channels the running video stream of that id carries.
quint32 streamedChannels(const TestDvr& dvr, int stream)
{
    for (const TestDvrStreams::Record& record : dvr.streams()->records()) {
        if (record.running && !record.audioStream && record.id == stream)
            return record.videoMask;
    }
    return ~0u;
}

void connectMyDvr(ViewerBench& bench, bool oldProtocol, quint32 mask = ALL)
{
    bench.addGroup(QStringLiteral("My Group"), {bench.addDvr(QStringLiteral("My DVR"), oldProtocol, 16, mask)});
    bench.connectGroup(0);
}

// Clicks the button and returns the text of the modal box it opened.
QString clickForBox(QPushButton* button)
{
    QString text;
    QTimer::singleShot(0, [&text] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        text = box->text();
        box->accept();
    });
    button->click();
    return text;
}

} // namespace

class tst_ViewerLive : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        CStartup::prepareApplication();
        QLoggingCategory::setFilterRules(QStringLiteral("qelm.network.debug=false"));
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

    void connectShowsLiveVideo_data() { dialects_data(); }

    void connectShowsLiveVideo()
    {
        QFETCH(bool, oldProtocol);
        ViewerBench bench;
        connectMyDvr(bench, oldProtocol);
        QTRY_VERIFY_WITH_TIMEOUT(bench.showsChannels(16), SHOW_TIME_LIMIT_MS);
        QTRY_COMPARE(bench.leftTitle(), QStringLiteral("My DVR( admin )"));
        const QIcon icon = bench.tree()->topLevelItem(0)->child(0)->icon(0);
        QCOMPARE(icon.pixmap(16).toImage(), CControlDVRList::getConnectedIcon().pixmap(16).toImage());
        for (const char* name : {"DVRControl2", "DVRControl3", "Setup"})
            QVERIFY2(bench.button(name)->isHidden() == oldProtocol, name);
        QVERIFY(bench.button("RecToDVR")->isEnabled());
    }

    // Actions: buttons clicked in turn, "step" a step of the sequence. The
    // selection as lastSelection gives it.
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
            row("Ch5") << ALL << 0 << "Ch5" << 0x0020 << "";
            row("Screen4_4") << ALL << 0 << "Screen4_4" << 0x00F0 << "";
            row("Screen9_7") << ALL << 0 << "Screen9_7" << 0xFF80 << "";
            row("a sequence step") << ALL << 0 << "Sequence step" << 0x0002 << "";
            row("Live M 2x2 page 2") << ALL << 0 << "LiveM Screen2x2 NextPage" << 0x00F0 << "";
            row("Live M, mask 0x000A") << 0x000A << 0 << "LiveM" << 0x000A << "";
            row("mask 0x00F0 on Screen4_4") << 0x00F0 << 0 << "Screen4_4" << 0x00F0 << "";
        }
        QTest::newRow("new: automatic, 9 screens") << false << ALL << 3 << "Screen9_0" << 0x01FF << " auto 2";
        QTest::newRow("new: automatic, 4 screens") << false << ALL << 3 << "Screen4_8" << 0x0F00 << " auto 1";
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
        ViewerBench bench;
        connectMyDvr(bench, oldProtocol, quint32(mask));
        QTRY_VERIFY_WITH_TIMEOUT(bench.connected(), SHOW_TIME_LIMIT_MS);
        const int id = bench.controller(0)->getClientID();
        bench.act(actions);

        const QString hex = QString::number(channels, 16);
        const TestDvr& dvr = bench.dvr(0);
        if (oldProtocol)
            QTRY_COMPARE(lastSelection(dvr, id + 100), hex);
        QTRY_COMPARE(lastSelection(dvr, id), oldProtocol ? hex : hex + QStringLiteral(" mode 0") + extra);
        QTRY_COMPARE(streamedChannels(dvr, id), quint32(channels));
    }

    // DVRs of 16, 16 and 8 channels on the many-DVR wall; the third asks
    // for 16 but streams the 8 it has.
    void groupOnTheWall()
    {
        ViewerBench bench;
        bench.addGroup(QStringLiteral("Shop"),
            {bench.addDvr(QStringLiteral("A"), false), bench.addDvr(QStringLiteral("B"), true),
                bench.addDvr(QStringLiteral("C"), false, 8)});
        bench.addGroup(QStringLiteral("Other"), {bench.addDvr(QStringLiteral("D"), false)});
        bench.button("LiveM")->click();
        bench.connectGroup(0);
        QTRY_VERIFY_WITH_TIMEOUT(bench.connected(), SHOW_TIME_LIMIT_MS);
        QList<int> starts;
        QList<quint32> streamed;
        for (int i = 0; i < 3; ++i) {
            starts << bench.controller(i)->getDisplayStartScreen();
            streamed << streamedChannels(bench.dvr(i), bench.controller(i)->getClientID());
        }
        QCOMPARE(starts, (QList<int>{0, 16, 32}));
        QCOMPARE(streamed, (QList<quint32>{ALL, ALL, 0x00FF}));

        // A screen of the second makes it current.
        QTRY_COMPARE_WITH_TIMEOUT(bench.wall()->wall()->getInfo(20).channel, 4, SHOW_TIME_LIMIT_MS);
        bench.wall()->updateSelectScreen(20);
        QCOMPARE(bench.viewer().connections().currentIndex(), 1);
        QCOMPARE(bench.leftTitle(), QStringLiteral("B( admin )"));

        const auto lastOfEach = [&] {
            QStringList last;
            for (int i = 0; i < 3; ++i)
                last << lastSelection(bench.dvr(i), bench.controller(i)->getClientID()).section(' ', 0, 0);
            return last.join(QLatin1Char(' '));
        };
        bench.act(QStringLiteral("Screen2x2"));
        QTRY_COMPARE(lastOfEach(), QStringLiteral("f 0 0"));
        // Page 2 holds none of them, also after the wall is resized.
        bench.act(QStringLiteral("Screen8x8 NextPage"));
        QTRY_COMPARE(lastOfEach(), QStringLiteral("0 0 0"));
        const qsizetype sent = selections(bench.dvr(0)).size();
        bench.viewer().resize(bench.viewer().size() + QSize(40, 40));
        QTRY_VERIFY(selections(bench.dvr(0)).size() > sent);
        QCOMPARE(lastOfEach(), QStringLiteral("0 0 0"));
        QTRY_COMPARE(streamedChannels(bench.dvr(2), bench.controller(2)->getClientID()), 0u);

        // Choosing a DVR of another group forgets the current one only.
        bench.button("LiveS")->click();
        emit bench.tree()->changedDVR(1, 0);
        QCOMPARE(bench.viewer().connections().currentIndex(), -1);
        QVERIFY(bench.connected());
    }

    void directConnect()
    {
        ViewerBench bench;
        bench.addDvr(QString(), false);
        QTimer::singleShot(0, [] {
            QWidget* login = QApplication::activeModalWidget();
            const QList<QLineEdit*> fields = login->findChildren<QLineEdit*>();
            fields.at(0)->setText(QStringLiteral("admin"));
            fields.at(1)->setText(QStringLiteral("1234"));
            QMetaObject::invokeMethod(login, "accept");
        });
        bench.viewer().connectDVR(TestDvr::address(), bench.dvr(0).port());
        QCOMPARE(bench.viewer().connections().entries().size(), 1);
        QCOMPARE(bench.controller(0)->getDisplayEndScreen(), 16);
        QTRY_VERIFY_WITH_TIMEOUT(bench.showsChannels(16), SHOW_TIME_LIMIT_MS);
        // The first DVR of the first group is another DVR.
        emit bench.tree()->disconnectDVR(0, 0);
        emit bench.tree()->aboutToRemove(0, 0);
        QCOMPARE(bench.viewer().connections().entries().size(), 1);
        QVERIFY(bench.controller(0)->IsConnected());
    }

    void disconnectAndRemove()
    {
        QTemporaryDir records;
        CAppSettings().writeSetting(CAppSettings::PATH_LIST.at(1), records.path());
        ViewerBench bench;
        bench.addGroup(QStringLiteral("Shop"),
            {bench.addDvr(QStringLiteral("A"), false), bench.addDvr(QStringLiteral("B"), true)});
        bench.addGroup(QStringLiteral("Other"), {bench.addDvr(QStringLiteral("C"), false)});
        bench.connectGroup(0);
        QTRY_VERIFY_WITH_TIMEOUT(bench.connected(), SHOW_TIME_LIMIT_MS);

        // Another group's DVR is not connected: nothing stops.
        emit bench.tree()->disconnectDVR(1, 0);
        QVERIFY(bench.connected());

        bench.button("RecToPC")->click();
        QVERIFY(bench.framesAfterNow(0, 200));
        emit bench.tree()->disconnectDVR(0, 0);
        QVERIFY(!bench.controller(0)->IsConnected());
        // The tree marks the DVR that still streams, and only that one.
        const auto icon
            = [&](int dvr) { return bench.tree()->topLevelItem(0)->child(dvr)->icon(0).pixmap(16).toImage(); };
        QCOMPARE(icon(0), CControlDVRList::getDVRIcon().pixmap(16).toImage());
        QCOMPARE(icon(1), CControlDVRList::getConnectedIcon().pixmap(16).toImage());
        QTRY_VERIFY(!bench.button("RecToPC")->isChecked());
        QTRY_COMPARE(bench.dvr(0).streams()->runningCount(), 0);
        QCOMPARE(bench.dvr(1).streams()->runningCount(), 2);
        const RawFileChecker files(records.filePath(QStringLiteral("A")));
        QVERIFY2(files.ok() && !files.pairs.isEmpty(), qPrintable(files.problems()));

        // Removing a connected DVR disconnects it first.
        emit bench.tree()->aboutToRemove(0, 1);
        QCOMPARE(bench.viewer().connections().entries().size(), 1);
        QTRY_COMPARE(bench.dvr(1).streams()->runningCount(), 0);

        // Removing an earlier group keeps the connected group's index.
        bench.connectGroup(1);
        QTRY_VERIFY_WITH_TIMEOUT(bench.connected(), SHOW_TIME_LIMIT_MS);
        emit bench.tree()->aboutToRemove(0, -1);
        emit bench.tree()->disconnectDVR(0, -1);
        QTRY_COMPARE(bench.dvr(2).streams()->runningCount(), 0);
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
        ViewerBench bench;
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

    void recording_data() { dialects_data(); }

    void recording()
    {
        QFETCH(bool, oldProtocol);
        QTemporaryDir records;
        CAppSettings().writeSetting(CAppSettings::PATH_LIST.at(1), records.path());
        ViewerBench bench;
        connectMyDvr(bench, oldProtocol);
        QTRY_VERIFY_WITH_TIMEOUT(bench.connected(), SHOW_TIME_LIMIT_MS);

        bench.button("RecToDVR")->click();
        QTRY_COMPARE(commands(bench.dvr(0), cgi::MODE_RECORD, CViewerCommands::OLD_OP_RECORD).size(), 1);
        if (oldProtocol)
            QCOMPARE(commands(bench.dvr(0), 0, CViewerCommands::OLD_OP_RECORD).first().query,
                QStringLiteral("MODE=5&CID=%1&OP=11").arg(bench.controller(0)->getClientID()).toLatin1());

        bench.button("RecToPC")->click();
        QVERIFY(bench.framesAfterNow(0, 200));
        bench.button("RecToPC")->click();
        QVERIFY(!bench.controller(0)->isRecording());
        const RawFileChecker files(records.filePath(QStringLiteral("My DVR")));
        QVERIFY2(files.ok() && !files.pairs.isEmpty(), qPrintable(files.problems()));

        // A folder that cannot be made: the button goes back, the reason shows.
        CAppSettings().writeSetting(CAppSettings::PATH_LIST.at(1),
            records.filePath(QStringLiteral("My DVR/%1.hav/x").arg(files.pairs.first().stem)));
        bench.button("RecToPC")->click();
        QVERIFY(!bench.button("RecToPC")->isChecked());
        auto* box = bench.viewer().findChild<QMessageBox*>();
        QVERIFY(box && box->isVisible() && box->text().startsWith(QStringLiteral("[ERROR]")));
    }

    void playbackControl_data() { dialects_data(); }

    void playbackControl()
    {
        QFETCH(bool, oldProtocol);
        ViewerBench bench;
        connectMyDvr(bench, oldProtocol);
        QTRY_VERIFY_WITH_TIMEOUT(bench.connected(), SHOW_TIME_LIMIT_MS);
        auto* panel = bench.viewer().findChild<CPlaybackWidget*>();
        emit panel->changedPbStatus(cgi::PbControl::CMD_PAUSE); // live: nothing

        bench.button("Search")->click();
        CConnectDVR* controller = bench.controller(0);
        controller->startPlayback(
            {CHttpConnect::PLAYBACK, time_t(QDateTime::currentSecsSinceEpoch() - 3600), 0, 0xFFFF});
        QTRY_VERIFY_WITH_TIMEOUT(controller->IsConnected(), SHOW_TIME_LIMIT_MS);
        const int id = controller->getClientID();
        // Stop last: it ends the playback.
        QStringList expected;
        for (const int cmd : {0, 1, 2, 4, 5, 6, 7, 3}) {
            emit panel->changedPbStatus(cgi::PbControl::Cmd(cmd));
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

    void snapshots_data()
    {
        QTest::addColumn<int>("rendering");
        QTest::addColumn<int>("format");
        QTest::newRow("OpenGL, JPEG") << int(OPENGL_HIGH_PERFORMANCE) << int(CAPTURE_FILEFORMAT::JPEG);
        QTest::newRow("widgets, PNG") << int(OPENGL_OFF) << int(CAPTURE_FILEFORMAT::PNG);
    }

    void snapshots()
    {
        QFETCH(int, rendering);
        QFETCH(int, format);
        QTemporaryDir folder;
        CAppSettings settings;
        settings.writeSetting(CAppSettings::OPENGL, rendering);
        settings.writeSetting(CAppSettings::CAPTURE_FILE_FORMAT, format);
        settings.writeSetting(CAppSettings::PATH_LIST.at(0), folder.path());
        ViewerBench bench;
        connectMyDvr(bench, false);
        QTRY_VERIFY_WITH_TIMEOUT(bench.showsChannels(16), SHOW_TIME_LIMIT_MS);

        const QString text = clickForBox(bench.button("Capture"));
        const QRegularExpressionMatch saved
            = QRegularExpression(QStringLiteral("^The image has been saved.\\n\\((.*/\\d{8}_\\d{6}\\.(png|jpg))\\)$"))
                  .match(text);
        QVERIFY2(saved.hasMatch(), qPrintable(text));
        QCOMPARE(saved.captured(2), format == CAPTURE_FILEFORMAT::PNG ? QStringLiteral("png") : QStringLiteral("jpg"));
        // Widget mode grabs the display area, title included.
        const QPoint wallAt = rendering == OPENGL_OFF ? bench.wall()->pos() : QPoint();
        const QRect tile = bench.wall()->wall()->getDisplayRect(5).translated(wallAt);
        const QImage image = QImage(saved.captured(1)).convertToFormat(QImage::Format_RGB32);
        QVERIFY(H264TestEncoder::tileShowsPattern(image, tile, 352, 240, 5));

        settings.writeSetting(CAppSettings::PATH_LIST.at(0), saved.captured(1) + QStringLiteral("/inside"));
        QVERIFY(clickForBox(bench.button("Capture")).startsWith(QStringLiteral("The image could not be saved.")));
    }

    void snapshotNames()
    {
        QTemporaryDir folder;
        const QDateTime time(QDate(2024, 3, 5), QTime(7, 8, 9));
        const QString first = CCaptureFile::freeName(folder.path(), time, CAPTURE_FILEFORMAT::PNG);
        QCOMPARE(first, folder.filePath(QStringLiteral("20240305_070809.png")));
        QFile(first).open(QIODevice::WriteOnly);
        QCOMPARE(CCaptureFile::freeName(folder.path(), time, CAPTURE_FILEFORMAT::PNG),
            folder.filePath(QStringLiteral("20240305_070809-1.png")));

        CAppSettings().writeSetting(CAppSettings::PATH_LIST.at(0), QString());
        QCOMPARE(CCaptureFile::folder(), CSavePath::defaultPath(CAppSettings::PATH_LIST.at(0)));
        QVERIFY(QFileInfo(CCaptureFile::folder()).isDir());
    }

    void doubleClickAndFullScreen()
    {
        ViewerBench bench;
        connectMyDvr(bench, false);
        QTRY_VERIFY_WITH_TIMEOUT(bench.showsChannels(16), SHOW_TIME_LIMIT_MS);
        CDisplayWidget* wall = bench.wall();
        emit wall->doubleClicked(5);
        QVERIFY(wall->IsSameScreen(1, 5) && bench.button("Ch5")->isChecked());
        emit wall->doubleClicked(5);
        QVERIFY(wall->IsSameScreen(16, 0) && bench.button("Screen16_0")->isChecked());
        QVERIFY(!bench.button("Ch5")->isChecked());

        bench.button("SingleFull")->click();
        QVERIFY(wall->isFullScreen() && !bench.viewer().isVisible());
        QTest::keyClick(wall, Qt::Key_Escape);
        QVERIFY(bench.viewer().isVisible());
        QCOMPARE(wall->parentWidget()->objectName(), QStringLiteral("DisplayFrame"));
        QTRY_VERIFY_WITH_TIMEOUT(bench.showsChannels(16), SHOW_TIME_LIMIT_MS);
    }

    void connectCycles()
    {
        ViewerBench bench;
        bench.addGroup(QStringLiteral("Shop"),
            {bench.addDvr(QStringLiteral("A"), false), bench.addDvr(QStringLiteral("B"), true, 8, 0x00FF)});
        for (int cycle = 0; cycle < 50; ++cycle) {
            bench.connectGroup(0);
            QTRY_VERIFY_WITH_TIMEOUT(bench.connected(), SHOW_TIME_LIMIT_MS);
            bench.act(QStringLiteral("Screen4_4 LiveM Screen3x3 NextPage LiveS Ch3"));
            emit bench.tree()->disconnectDVR(0, -1);
            QVERIFY(!bench.controller(0)->IsConnected());
        }
        QTRY_COMPARE(bench.dvr(0).streams()->runningCount() + bench.dvr(1).streams()->runningCount(), 0);
    }
};

int main(int argc, char* argv[])
{
    CScreen::prepareOpenGL();
    QApplication application(argc, argv);
    CCoreMetaTypes::registerTypes();
    tst_ViewerLive test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_ViewerLive.moc"
