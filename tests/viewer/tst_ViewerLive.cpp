#include "Common/CCoreMetaTypes.h"
#include "Connection/CConnectDVR.h"
#include "Connection/CControlDVRList.h"
#include "Connection/CDVRListTree.h"
#include "Connection/CStopRequest.h"
#include "Display/CDisplayWidget.h"
#include "Display/CScreen.h"
#include "Display/CScreenWidget.h"
#include "Display/OpenGLMode.h"
#include "FileSizeLimit.h"
#include "H264TestEncoder.h"
#include "Recording/CPlaybackWidget.h"
#include "Settings/CAppSettings.h"
#include "Settings/CSavePath.h"
#include "ShownText.h"
#include "TestDvr.h"
#include "TestDvrGroups.h"
#include "TestDvrStreams.h"
#include "viewer/CCaptureFile.h"
#include "viewer/CDisplayTitle.h"
#include "viewer/CStartup.h"
#include "viewer/Viewer.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

// From the tree's connect request to live video in the main window: the
// wall, the title, the live controls and the buttons that follow the
// current DVR, a DVR connected by its address, a recording that cannot
// start, snapshots, double clicks and full screen, and many cycles of it
// all.
namespace {

const int SHOW_TIME_LIMIT_MS = 5000;
const int STOP_TIME_LIMIT_MS = 15000;
const int QUIET_MS = 500;
const int ALL = 0xFFFF;

// A main window with groups of test DVRs in its DVR tree, driven as the
// operator and the tree drive it.
class ViewerBench : public TestDvrGroups {
public:
    ViewerBench()
        : m_viewer(std::make_unique<Viewer>())
        , m_tree(m_viewer->findChild<CDVRListTree*>())
    {
        setTree(m_tree);
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
    bool connected() const { return TestDvrGroups::connected(m_viewer->connections()); }

    // Every tile on view that a DVR fills shows a picture or the DVR's
    // state: the redraw after a layout change or a failure is done.
    bool settled() const
    {
        const CDisplayWidget* display = wall();
        for (int tile = 0; tile < display->getViewScreens(); ++tile) {
            const int screen = display->getViewStartScreen() + tile;
            const QList<CConnectDVR*>& entries = m_viewer->connections().entries();
            const bool filled = std::any_of(entries.cbegin(), entries.cend(), [screen](const CConnectDVR* controller) {
                return controller && controller->isVisible() && screen >= controller->getDisplayStartScreen()
                    && screen < controller->getDisplayEndScreen();
            });
            const CDisplayInfo info = display->wall()->getInfo(tile);
            if (filled && !info.hasPicture() && !info.status)
                return false;
        }
        return true;
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
    std::unique_ptr<Viewer> m_viewer;
    CDVRListTree* m_tree;
};

// The live commands a DVR received after its first `skip` requests, by
// kind in a fixed order: "-" for none.
QString liveCommandsSince(const TestDvr& dvr, qsizetype skip)
{
    const QList<QPair<int, const char*>> kinds{{cgi::MODE_PTZF, "ptz"}, {cgi::MODE_RELAY_PORT, "relay"},
        {cgi::MODE_PICTURE_SET, "picture"}, {cgi::MODE_RECORD, "record"}};
    const QList<TestDvrRequest> requests = dvr.requests().mid(skip);
    QStringList seen;
    for (const auto& [mode, name] : kinds) {
        if (std::any_of(requests.cbegin(), requests.cend(), [mode = mode](const TestDvrRequest& request) {
                return request.kind == TestDvrRequest::Command && request.mode == mode;
            }))
            seen << QLatin1String(name);
    }
    return seen.isEmpty() ? QStringLiteral("-") : seen.join(QLatin1Char(','));
}

void connectMyDvr(ViewerBench& bench, bool oldProtocol, quint32 mask = ALL)
{
    bench.addGroup(QStringLiteral("My Group"), {bench.addDvr(QStringLiteral("My DVR"), oldProtocol, 16, mask)});
    bench.connectGroup(0);
}

// Clicks the button and returns the text of the modal box it opened, as
// the operator reads it.
QString clickForBox(QPushButton* button)
{
    QString text;
    QTimer::singleShot(0, [&text] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        text = shownText(*box);
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

    // A recording to the PC that cannot start: the button goes back, the
    // reason is told.
    void recordFailureIsTold()
    {
        QTemporaryDir records;
        QVERIFY(QFile(records.filePath(QStringLiteral("file"))).open(QIODevice::WriteOnly));
        CAppSettings().writeSetting(CAppSettings::PATH_LIST.at(1), records.filePath(QStringLiteral("file/x")));
        ViewerBench bench;
        connectMyDvr(bench, false);
        QTRY_VERIFY_WITH_TIMEOUT(bench.connected(), SHOW_TIME_LIMIT_MS);
        bench.button("RecToPC")->click();
        QVERIFY(!bench.button("RecToPC")->isChecked());
        auto* box = bench.viewer().findChild<QMessageBox*>();
        QVERIFY(box && box->isVisible() && box->text().startsWith(QStringLiteral("[ERROR]")));
    }

    // Live M has no recording to the PC: it also ends that of a DVR that is
    // not current, which then streams the channels on view alone.
    void manyDvrsEndRecordingsToPc()
    {
        QTemporaryDir records;
        CAppSettings().writeSetting(CAppSettings::PATH_LIST.at(1), records.path());
        ViewerBench bench;
        bench.addGroup(QStringLiteral("Shop"),
            {bench.addDvr(QStringLiteral("A"), false), bench.addDvr(QStringLiteral("B"), false)});
        bench.connectGroup(0);
        QTRY_VERIFY_WITH_TIMEOUT(bench.connected(), SHOW_TIME_LIMIT_MS);
        bench.act(QStringLiteral("RecToPC"));
        QVERIFY(bench.controller(0)->isRecording());
        emit bench.tree()->changedDVR(0, 1);
        QVERIFY(!bench.button("RecToPC")->isChecked());

        bench.act(QStringLiteral("LiveM Screen2x2"));
        QVERIFY(!bench.controller(0)->isRecording());
        QTRY_COMPARE(TestDvrGroups::streamedChannels(bench.dvr(0), bench.controller(0)->getClientID()), 0x000Fu);
    }

    void snapshots_data()
    {
        QTest::addColumn<int>("rendering");
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("subfolder");
        QTest::newRow("OpenGL, JPEG") << int(OPENGL_HIGH_PERFORMANCE) << int(CAPTURE_FILEFORMAT::JPEG) << "shots";
        QTest::newRow("widgets, PNG") << int(OPENGL_OFF) << int(CAPTURE_FILEFORMAT::PNG) << "shots";
        QTest::newRow("a folder named with markup") << int(OPENGL_OFF) << int(CAPTURE_FILEFORMAT::PNG) << "<i>snap</i>";
    }

    void snapshots()
    {
        QFETCH(int, rendering);
        QFETCH(int, format);
        QFETCH(QString, subfolder);
        QTemporaryDir folder;
        const QString shots = folder.filePath(subfolder);
        CAppSettings settings;
        settings.writeSetting(CAppSettings::OPENGL, rendering);
        settings.writeSetting(CAppSettings::CAPTURE_FILE_FORMAT, format);
        settings.writeSetting(CAppSettings::PATH_LIST.at(0), shots);
        QVERIFY(settings.save());
        ViewerBench bench;
        connectMyDvr(bench, false);
        QTRY_VERIFY_WITH_TIMEOUT(bench.showsChannels(16), SHOW_TIME_LIMIT_MS);

        const QString text = clickForBox(bench.button("Capture"));
        const QRegularExpressionMatch saved
            = QRegularExpression(QStringLiteral("^The image has been saved.\\n\\((.*/\\d{8}_\\d{6}\\.(png|jpg))\\)$"))
                  .match(text);
        QVERIFY2(saved.hasMatch(), qPrintable(text));
        QCOMPARE(QFileInfo(saved.captured(1)).path(), shots);
        QCOMPARE(saved.captured(2), format == CAPTURE_FILEFORMAT::PNG ? QStringLiteral("png") : QStringLiteral("jpg"));
        // Widget mode grabs the display area, title included.
        const QPoint wallAt = rendering == OPENGL_OFF ? bench.wall()->pos() : QPoint();
        const QRect tile = bench.wall()->wall()->getDisplayRect(5).translated(wallAt);
        const QImage image = QImage(saved.captured(1)).convertToFormat(QImage::Format_RGB32);
        QVERIFY(H264TestEncoder::tileShowsPattern(image, tile, 352, 240, 5));

        settings.writeSetting(CAppSettings::PATH_LIST.at(0), saved.captured(1) + QStringLiteral("/inside"));
        QVERIFY(settings.save());
        QVERIFY(clickForBox(bench.button("Capture")).startsWith(QStringLiteral("The image could not be saved.")));

        // No room for the picture: no file is left behind, and the box says why.
        const QTemporaryDir full;
        settings.writeSetting(CAppSettings::PATH_LIST.at(0), full.path());
        QVERIFY(settings.save());
        const FileSizeLimit noRoom(0);
        const QString told = clickForBox(bench.button("Capture"));
        QVERIFY2(told.endsWith(QLatin1Char('\n') + qt_error_string(EFBIG)), qPrintable(told));
        QVERIFY(QDir(full.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
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

    // A group of DVRs A and B, driven by the operator's events: "connect"
    // the group from the tree ("connect=<i>" naming DVR i), a button's
    // name clicks it, "select=<s>" selects screen s, "dclick=<s>" double
    // clicks it, "fail=<i>" stops DVR i, "back=<i>" starts it again and
    // reconnects. Then the title names the current DVR, and the commands of
    // the live control panel (PTZ, relay, picture) and of the main window
    // (record on the DVR) reach the DVR it names, or none while that DVR is
    // not connected. PTZ and picture act on a single screen only.
    void commandsFollowTheTitle_data()
    {
        QTest::addColumn<QString>("events");
        QTest::addColumn<QString>("title"); // the DVR named
        QTest::addColumn<QString>("received"); // "<A's kinds> | <B's kinds>"
        const auto row = [](const char* name, const char* events, const char* title, const QString& received) {
            QTest::newRow(name) << events << title << received;
        };
        const QString all = QStringLiteral("ptz,relay,picture,record");
        row("B selected, A fails, a double click on A's failed tile", "connect LiveM select=16 fail=0 dclick=3", "A",
            "- | -");
        row("then A comes back", "connect LiveM select=16 fail=0 dclick=3 back=0", "A", all + " | -");
        row("the current DVR fails in Live S", "connect fail=0", "A", "- | -");
        row("the current DVR fails in Live M", "connect LiveM fail=0", "A", "- | -");
        row("another DVR fails: the selected one stays", "connect LiveM select=16 fail=0", "B", "- | relay,record");
        row("a page change takes the selected DVR off the view", "connect LiveM select=16 Screen2x2", "A",
            "relay,record | -");
        row("Live S shows the DVR selected in Live M", "connect LiveM select=16 LiveS", "B", "- | relay,record");
        row("a single screen of B", "connect LiveM select=16 dclick=16", "B", "- | " + all);
        row("B connected from the tree after A failed", "connect fail=0 connect=1", "B", "- | relay,record");
    }

    void commandsFollowTheTitle()
    {
        QFETCH(QString, events);
        QFETCH(QString, title);
        QFETCH(QString, received);
        CAppSettings().writeSetting(CAppSettings::RECONNECT, false);
        ViewerBench bench;
        bench.addGroup(QStringLiteral("Shop"),
            {bench.addDvr(QStringLiteral("A"), false), bench.addDvr(QStringLiteral("B"), false)});
        const QList<quint16> ports{bench.dvr(0).port(), bench.dvr(1).port()};
        CDisplayWidget* wall = bench.wall();
        const auto run = [&](const QString& event) {
            const QString name = event.section(QLatin1Char('='), 0, 0);
            const int value = event.section(QLatin1Char('='), 1).toInt();
            std::function<bool()> done = [&] { return bench.settled(); };
            if (name == QLatin1String("connect")) {
                bench.connectGroup(0, event.contains(QLatin1Char('=')) ? value : -1);
                done = [&] { return bench.connected(); };
            } else if (name == QLatin1String("select")) {
                if (!QTest::qWaitFor([&] { return wall->wall()->getInfo(value).hasPicture(); }, SHOW_TIME_LIMIT_MS))
                    return false;
                wall->updateSelectScreen(value);
            } else if (name == QLatin1String("dclick")) {
                emit wall->doubleClicked(value);
            } else if (name == QLatin1String("fail")) {
                bench.dvr(value).close();
                done = [&] { return !bench.controller(value)->isStarted() && bench.settled(); };
            } else if (name == QLatin1String("back")) {
                if (!bench.dvr(value).listen(ports.at(value)))
                    return false;
                bench.controller(value)->OnTimer();
                done = [&] { return bench.connected() && bench.settled(); };
            } else {
                bench.act(event);
            }
            return QTest::qWaitFor(done, SHOW_TIME_LIMIT_MS);
        };
        for (const QString& event : events.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            QVERIFY2(run(event), qPrintable(event));
        QTRY_COMPARE(bench.leftTitle(), title + "( admin )");

        // As the operator gives them: a PTZ move and its stop, a relay
        // switched on, a picture value changed, record on the DVR.
        const QList<qsizetype> before{bench.dvr(0).requests().size(), bench.dvr(1).requests().size()};
        bench.button("DVRControl0")->click();
        QTest::mousePress(bench.button("ptzf_right"), Qt::LeftButton);
        QTest::mouseRelease(bench.button("ptzf_right"), Qt::LeftButton);
        bench.button("DVRControl2")->click();
        QTest::mouseClick(bench.button("RPOn0"), Qt::LeftButton);
        bench.button("DVRControl3")->click();
        auto* contrast = bench.viewer().findChild<QSlider*>(QStringLiteral("contrast"));
        QTest::keyClick(contrast, contrast->value() < contrast->maximum() ? Qt::Key_Right : Qt::Key_Left);
        QTest::mouseClick(bench.button("RecToDVR"), Qt::LeftButton);
        const auto shown = [&] {
            return QStringLiteral("%1 | %2").arg(
                liveCommandsSince(bench.dvr(0), before.at(0)), liveCommandsSince(bench.dvr(1), before.at(1)));
        };
        QTRY_COMPARE(shown(), received);
        // A command to the wrong DVR would come within this time.
        static_cast<void>(QTest::qWaitFor([&] { return shown() != received; }, QUIET_MS));
        QCOMPARE(shown(), received);
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
