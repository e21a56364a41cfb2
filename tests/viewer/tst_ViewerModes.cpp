#include "../Connection/ModalAnswers.h"
#include "../Recording/RecordedFolder.h"
#include "../Recording/ShownSearch.h"
#include "Common/CCoreMetaTypes.h"
#include "Connection/CApplicationSender.h"
#include "Connection/CConnectDVR.h"
#include "Connection/CDVRInfoWidget.h"
#include "Connection/CDVRListTree.h"
#include "DVRSetup/CSetupEtc.h"
#include "DVRSetup/CSetupWidget.h"
#include "DVRSetup/CUpgrade.h"
#include "Display/CDisplayWidget.h"
#include "Display/CScreen.h"
#include "Display/CScreenWidget.h"
#include "Display/OpenGLMode.h"
#include "EMap/CEMapList.h"
#include "FileSizeLimit.h"
#include "Recording/CBackupWidget.h"
#include "Recording/CPlaybackWidget.h"
#include "Recording/CSearchWidget.h"
#include "Settings/CAppSettings.h"
#include "Settings/CPCSetupDialog.h"
#include "StoredFolderReset.h"
#include "TestDvr.h"
#include "TestDvrConfiguration.h"
#include "TestDvrGroups.h"
#include "TestDvrPlayback.h"
#include "TestDvrRecordings.h"
#include "TestDvrSchedule.h"
#include "TestDvrStreamSettings.h"
#include "TestDvrStreams.h"
#include "WidgetChild.h"
#include "viewer/CEMapViews.h"
#include "viewer/CStartup.h"
#include "viewer/CViewerCommands.h"
#include "viewer/Viewer.h"

#include <QApplication>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <memory>

// The modes that lend the main window to other panels, where they need the
// whole window, driven as the operator drives them against a test DVR: the
// information and setup windows, PC setup, the folder and file dialogs, the
// snapshot view and the E-Map log, and backups and local playback that mode
// switches leave behind, with the title-bar Exit reachable whatever the
// mode.
namespace {

const int TIME_LIMIT_MS = 30000;
const int STOP_TIME_LIMIT_MS = 15000;
const quint32 RECORDED_CHANNELS = 0x3;
const int MODE_SWITCHES = 50;
// Longer than any row: a reconnect comes only when the row asks for it.
const int RECONNECT_DELAY_MS = 3600 * 1000;
const char* const KEPT_TEXT = "kept\n";

std::time_t recordedStart()
{
    return QDateTime(QDate(2024, 3, 10), QTime(10, 0), Qt::UTC).toSecsSinceEpoch();
}

// A main window whose tree holds one group of the DVRs, the first named
// "DVR".
std::unique_ptr<Viewer> viewerOf(const QList<DVR>& records)
{
    auto viewer = std::make_unique<Viewer>();
    auto* tree = viewer->findChild<CDVRListTree*>();
    tree->clear();
    Group group;
    auto* item = new QTreeWidgetItem(tree);
    for (const DVR& record : records) {
        DVR* dvr = group.add_dvr();
        *dvr = record;
        dvr->set_name(group.dvr_size() == 1 ? "DVR" : "DVR " + std::to_string(group.dvr_size()));
        (new QTreeWidgetItem(item))->setData(0, Qt::UserRole, QVariant::fromValue(*dvr));
    }
    item->setData(0, Qt::UserRole, QVariant::fromValue(group));
    viewer->show();
    return viewer;
}

// Connects the group as a double click on its DVR does; true once the DVR's
// video shows.
bool connectShown(const Viewer& viewer)
{
    auto* tree = viewer.findChild<CDVRListTree*>();
    emit tree->groupConnect(*tree->topLevelItem(0), 0, 0);
    const auto* wall = viewer.findChild<CDisplayWidget*>();
    return QTest::qWaitFor(
        [&] {
            const CConnectDVR* current = viewer.connections().current();
            return current && current->IsConnected() && wall->wall()->getInfo(0).hasPicture();
        },
        TIME_LIMIT_MS);
}

// The DVR name the setup window's system page shows.
std::string shownDvrName(const Viewer& viewer)
{
    config::DvrConf shown;
    viewer.findChild<CSetupWidget*>()->Make_DvrConf(true, shown, false);
    return shown.system().name_id().dvr_name();
}

} // namespace

class tst_ViewerModes : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
        CStartup::prepareApplication();
        CCoreMetaTypes::registerTypes();
        QLoggingCategory::setFilterRules(QStringLiteral("qelm.network.debug=false\nqelm.network.warning=false"));
    }

    // Steps: a button's name clicks it; "connect" connects the DVR and waits
    // for its video; "searched" waits for the search reply; "time" chooses
    // the recorded time on the playback panel, "backup" a range of it on
    // the backup panel; "recorded" writes a local recording; "file=name"
    // answers the next file dialog with that file of the row's folder
    // ("file=@recorded": the local recording's folder; "file=" cancels);
    // "group" connects both DVRs of the group, "stopCurrent" disconnects
    // the current DVR from the tree, "choose=i" chooses DVR i in the tree;
    // "pick=name" opens PC setup and picks that option, "ok" confirms it;
    // "full=name" clicks that button while no file may grow;
    // "map" opens an E-Map and "log" adds a line to its log ("log=n" n
    // lines); "switch" runs 50 mode switches; "fail" fails the DVR with a
    // reconnect pending and starts it again, "quiet" checks that no
    // reconnect is pending and no new video stream was asked for; "hold=playback" ("hold=read")
    // makes the DVR hold its answers to playback (configuration reads),
    // "held" waits for a held answer, "release" sends them; "zoom" zooms the
    // single screen shown; "plays" waits for the playback's first frame;
    // "close" closes the window and ends the program as main() ends it.
    // Checks: "asked" the DVR got its information (setup) request, "shows"
    // the wall shows pictures, "idle" no DVR is connected, "info" the
    // information window shows, "reconnects" the DVR is asked for a new
    // stream, "same" the stream stays, "rebuilt" the wall was made anew with
    // all its screens, "snapshot" the capture shows, "saved" the log was
    // written and told, "newest" it holds the newest lines a log keeps,
    // "kept" the chosen file is untouched, "refused" the log could not be
    // written and the operator was told so, "unreadable" the snapshot view
    // says why it shows no picture, "playing" the DVR still plays back,
    // "configured" the setup window shows the DVR's configuration,
    // "backupEnded" the backup panel is idle again, "backupOn" the current
    // DVR's backup still runs, its row highlighted, the record button
    // unchecked, nothing told, "abandoned" no held
    // answer is awaited, "sequenceOff" the sequence is off and shown so,
    // "liveShown" Live S shows its wall ("liveMShown" Live M),
    // "noPlayback" no playback runs,
    // "zoomOff" the zoom is off, shown so, and a double click is taken,
    // "playbackStopped" the DVR got the playback's Stop,
    // "fullDisk" the file kept its bytes and the operator was told why,
    // "othersIdle" the DVR that was not current streams no more, "offered"
    // the backup panel marks the recorded hour, "recordingTold" the
    // operator was told that a mode change ended the recording to the PC
    // ("streamTypeTold": a new stream type), "recordOff" the current DVR
    // records nothing and the record button shows so, "recordOn" it records
    // on, shown so, its row highlighted, and nothing was told, "noDvr" the page on view says it
    // has no DVR to search and nothing can be backed up.
    void modes_data()
    {
        QTest::addColumn<bool>("oldDialect");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("checks");

        for (const bool old : {false, true}) {
            QTest::addRow("information stops live%s", old ? " (old)" : "")
                << old << "connect Information" << int(Viewer::INFORMATION) << "asked idle info";
        }
        QTest::newRow("Live S after information reconnects")
            << false << "connect Information LiveS" << int(Viewer::LIVE_S) << "shows";
        QTest::newRow("a cancelled folder leaves the panel empty")
            << false << "file= Playback" << int(Viewer::PLAYBACK) << "idle";
        QTest::newRow("a new stream type reconnects")
            << false << "connect pick=selStreamType0 ok" << int(Viewer::LIVE_S) << "reconnects";
        // The stream type is a live view's: a playback from the DVR goes on.
        QTest::newRow("a new stream type during playback reconnects nothing")
            << false << "connect Search searched time pick=selStreamType0 ok" << int(Viewer::SEARCH) << "shows playing";
        QTest::newRow("setup reads the configuration, live stops")
            << false << "connect Setup" << int(Viewer::SETUP) << "asked idle configured";
        QTest::newRow("a new OpenGL mode rebuilds the wall")
            << false << "connect Screen4_0 pick=selOpengl0 ok" << int(Viewer::LIVE_S) << "same rebuilt shows";
        QTest::newRow("a new OpenGL mode ends the sequence")
            << false << "connect Screen4_0 Sequence pick=selOpengl0 ok" << int(Viewer::LIVE_S) << "sequenceOff";
        QTest::newRow("a new OpenGL mode ends the zoom")
            << false << "connect Ch0 zoom pick=selOpengl0 ok" << int(Viewer::LIVE_S) << "zoomOff";
        QTest::newRow("Exit ends the setup read")
            << false << "connect hold=read Setup held configExit" << int(Viewer::LIVE_S) << "abandoned";
        QTest::newRow("Exit after PC setup returns to Live S")
            << false << "PCSetup ok Setup configExit" << int(Viewer::LIVE_S) << "liveShown";
        QTest::newRow("an unchanged OK reconnects nothing")
            << false << "connect PCSetup ok" << int(Viewer::LIVE_S) << "same liveShown";
        QTest::newRow("a snapshot shows") << false << "file=shot.png searchImage" << int(Viewer::LIVE_S) << "snapshot";
        QTest::newRow("a file holding no picture is told")
            << false << "file=notes.png searchImage" << int(Viewer::LIVE_S) << "unreadable";
        QTest::newRow("the shown E-Map log is saved")
            << false << "EMap map log file=log.txt emapLogSave" << int(Viewer::EMAP_VIEW) << "saved";
        QTest::newRow("a map's log keeps its newest lines")
            << false << QStringLiteral("EMap map log=%1 file=log.txt emapLogSave").arg(CEMapViews::MAX_LOG_LINES + 2)
            << int(Viewer::EMAP_VIEW) << "newest";
        QTest::newRow("no log shown: the file stays")
            << false << "EMap file=kept.txt emapLogSave" << int(Viewer::EMAP_VIEW) << "kept";
        QTest::newRow("a log file that cannot be written is told")
            << false << "EMap map log file=kept.txt/log.txt emapLogSave" << int(Viewer::EMAP_VIEW) << "refused";
        QTest::newRow("a log saved onto a full disk leaves the old file")
            << false << "EMap map log file=kept.txt full=emapLogSave" << int(Viewer::EMAP_VIEW) << "fullDisk";
        QTest::newRow("the E-Map ends a backup")
            << false << "connect Backup searched backup EMap" << int(Viewer::EMAP_VIEW) << "backupEnded";
        QTest::newRow("a mode entered after PC setup ends a backup")
            << false << "connect Backup searched backup PCSetup LiveS" << int(Viewer::LIVE_S) << "backupEnded";
        QTest::newRow("mode switches during a backup")
            << false << "connect Backup searched backup switch LiveS" << int(Viewer::LIVE_S) << QString();
        QTest::newRow("backup after a search offers the recordings")
            << false << "connect Search searched Backup searched backup" << int(Viewer::BACKUP) << "offered";
        // The E-Map dropped every connection.
        QTest::newRow("backup after the E-Map's Exit has no DVR")
            << false << "connect EMap EMapExit Backup" << int(Viewer::BACKUP) << "noDvr";
        QTest::newRow("search after the E-Map's Exit has no DVR")
            << false << "connect EMap EMapExit Search" << int(Viewer::SEARCH) << "noDvr";
        // A DVR that failed, or whose playback still starts, stops and comes
        // back as a connected one does (local playback drops the connections).
        for (const QString& entered : QStringList{"Search searched", "Backup", "Information", "Setup"}) {
            QTest::addRow("failed: no live in %s", qPrintable(entered.section(' ', 0, 0)))
                << false << "connect fail " + entered + " quiet LiveS" << int(Viewer::LIVE_S) << "shows";
        }
        QTest::newRow("failed: no live in Playback")
            << false << "connect fail file= Playback quiet" << int(Viewer::PLAYBACK) << "idle";
        // The current DVR idle, another still streams: it stops too.
        QTest::newRow("a streaming DVR that is not current stops for information")
            << false << "LiveM group stopCurrent Information" << int(Viewer::INFORMATION) << "othersIdle";
        QTest::newRow("information stops a playback that still starts")
            << false << "connect Search searched hold=playback time held Information release"
            << int(Viewer::INFORMATION) << "noPlayback";
        QTest::newRow("backup stops a playback that still starts")
            << false << "connect Search searched hold=playback time held Backup release" << int(Viewer::BACKUP)
            << "noPlayback";
        QTest::newRow("mode switches during local playback")
            << false << "recorded file=@recorded Playback time switch LiveS" << int(Viewer::LIVE_S) << QString();
        // However the operator leaves a playback, the DVR hears the Stop.
        const QList<QPair<const char*, int>> leaving{{"Information", Viewer::INFORMATION}, {"EMap", Viewer::EMAP_VIEW},
            {"LiveS", Viewer::LIVE_S}, {"LiveM", Viewer::LIVE_M}, {"Backup", Viewer::BACKUP}, {"Setup", Viewer::SETUP},
            {"file= Playback", Viewer::PLAYBACK}};
        for (const auto& [left, entered] : leaving) {
            QTest::addRow("a playback left for %s", qPrintable(QString::fromLatin1(left).section(' ', -1)))
                << false << QStringLiteral("connect Search searched time plays %1").arg(left) << entered
                << "playbackStopped noPlayback";
        }
        QTest::newRow("a playback left for another minute")
            << false << "connect Search searched time plays time" << int(Viewer::SEARCH) << "playbackStopped";
        QTest::newRow("a playback left as the program ends") << false << "connect Search searched time plays close"
                                                             << int(Viewer::SEARCH) << "playbackStopped noPlayback";
        // However the operator leaves a recording to the PC, it ends told;
        // back in Live S with its DVR chosen, the button shows the recorder.
        const QList<QPair<const char*, const char*>> recorded{{"LiveM", "LiveM LiveS"},
            {"Search", "Search searched LiveS"}, {"Playback", "file= Playback LiveS"},
            {"Backup", "Backup searched LiveS"}, {"Information", "Information LiveS"}, {"Setup", "Setup configExit"},
            {"EMap", "EMap EMapExit"}};
        for (const auto& [left, there] : recorded) {
            QTest::addRow("a recording left for %s and back", left)
                << false << QStringLiteral("connect RecToPC %1 choose=0").arg(QLatin1String(there))
                << int(Viewer::LIVE_S) << "recordingTold recordOff";
        }
        QTest::newRow("a new stream type ends a recording")
            << false << "connect RecToPC pick=selStreamType0 ok" << int(Viewer::LIVE_S) << "streamTypeTold recordOff";
        // With no DVR connected nothing can record: a click on the record
        // button is read back from the recorder, unchecked.
        QTest::newRow("its DVR disconnected, the record button records nothing")
            << false << "connect RecToPC stopCurrent RecToPC" << int(Viewer::LIVE_S) << "recordOff";
        QTest::newRow("another DVR chosen: the recording goes on")
            << false << "connect RecToPC choose=1 choose=0" << int(Viewer::LIVE_S) << "recordOn";
        // PC setup is a dialog over the mode on view: closed, that mode is
        // current again, and its own button changes nothing.
        for (const char* close : {"cancel", "ok"}) {
            QTest::addRow("PC setup's %s, then Live S: the recording goes on", close)
                << false << QStringLiteral("connect RecToPC PCSetup %1 LiveS").arg(QLatin1String(close))
                << int(Viewer::LIVE_S) << "recordOn liveShown";
            QTest::addRow("PC setup's %s over a backup, then Backup: it goes on", close)
                << false
                << QStringLiteral("connect Backup searched longBackup PCSetup %1 Backup").arg(QLatin1String(close))
                << int(Viewer::BACKUP) << "backupOn";
        }
        // Over setup and the E-Map, the dialog leaves their way back as it was.
        for (const char* close : {"cancel", "ok"}) {
            QTest::addRow("setup, PC setup's %s, then Exit: back to Live M", close)
                << false << QStringLiteral("LiveM Setup PCSetup %1 configExit").arg(QLatin1String(close))
                << int(Viewer::LIVE_M) << "liveMShown";
            QTest::addRow("the E-Map, PC setup's %s, then Exit: back to Live M", close)
                << false << QStringLiteral("LiveM EMap PCSetup %1 EMapExit").arg(QLatin1String(close))
                << int(Viewer::LIVE_M) << "liveMShown";
        }
        // The tree's menu acts on the row under the pointer and opening it
        // chooses nothing; deleting another DVR leaves the current one's work.
        QTest::newRow("a right click during a backup ends nothing")
            << false << "connect Backup searched longBackup rightClick=1" << int(Viewer::BACKUP) << "backupOn";
        QTest::newRow("another DVR deleted during a backup")
            << false << "connect Backup searched longBackup deleteFromMenu=1" << int(Viewer::BACKUP) << "backupOn";
        QTest::newRow("a right click during a recording ends nothing")
            << false << "connect RecToPC rightClick=1" << int(Viewer::LIVE_S) << "recordOn";
        QTest::newRow("another DVR deleted during a recording")
            << false << "connect RecToPC deleteFromMenu=1" << int(Viewer::LIVE_S) << "recordOn";
    }

    void modes()
    {
        QFETCH(bool, oldDialect);
        QFETCH(QString, steps);
        QFETCH(int, mode);
        QFETCH(QString, checks);

        QTemporaryDir folder;
        const StoredFolderReset forgetFolders;
        CAppSettings settings;
        // Rows change them in PC setup.
        settings.writeSetting(CAppSettings::OPENGL, OPENGL_OFF);
        settings.writeSetting(CAppSettings::CODEC_TYPE, 3);
        settings.writeSetting(CAppSettings::PATH_LIST.at(1), folder.filePath(QStringLiteral("record")));
        settings.writeSetting(CAppSettings::PATH_LIST.at(2), folder.filePath(QStringLiteral("backup")));
        QCOMPARE(settings.save(), CWholeFileWriter::Result::Written);
        QImage shot(64, 48, QImage::Format_RGB32);
        shot.fill(Qt::red);
        QVERIFY(shot.save(folder.filePath(QStringLiteral("shot.png"))));
        QFile notes(folder.filePath(QStringLiteral("notes.png")));
        QVERIFY(notes.open(QIODevice::WriteOnly) && notes.write("not a picture") > 0);
        notes.close();
        QFile kept(folder.filePath(QStringLiteral("kept.txt")));
        QVERIFY(kept.open(QIODevice::WriteOnly) && kept.write(KEPT_TEXT) > 0);
        kept.close();

        TestDvr dvr;
        QVERIFY(dvr.listen());
        TestDvrRecordings::of(&dvr)->setSchedule(
            TestDvrSchedule().add(recordedStart(), recordedStart() + 3600, RECORDED_CHANNELS, {1, 2}));
        TestDvrPlayback::of(&dvr);
        TestDvrConfiguration::install(&dvr);
        TestDvrStreamSettings streamSettings;
        streamSettings.backupSpeed = 100;
        dvr.setStreamSettings(streamSettings);

        ModalAnswers answers;
        // A second DVR, connected only by the rows that connect the group.
        TestDvr other;
        QVERIFY(other.listen());
        auto viewer = viewerOf({dvr.dvrRecord(oldDialect), other.dvrRecord(oldDialect)});
        QVERIFY(QTest::qWaitForWindowExposed(viewer.get()));

        auto* wall = viewer->findChild<CDisplayWidget*>();
        auto* playback = viewer->findChild<CPlaybackWidget*>();
        auto* backup = viewer->findChild<CBackupWidget*>();
        const auto current = [&] { return viewer->connections().current(); };
        // The video streams the DVR was asked for, and how many still run.
        const auto videoStreams = [&](bool running, int mode = -1) {
            const QList<TestDvrStreams::Record> records = dvr.streams()->records();
            return std::count_if(records.cbegin(), records.cend(), [&](const TestDvrStreams::Record& record) {
                return !record.audioStream && (!running || record.running) && (mode < 0 || record.mode == mode);
            });
        };
        settings.writeSetting(CAppSettings::RECONNECT, steps.contains(QLatin1String("fail")));
        QCOMPARE(settings.save(), CWholeFileWriter::Result::Written);
        QPointer<CScreenWidget> tileAtConnect;
        qsizetype streamsAtFailure = 0;

        const auto run = [&](const QString& step) {
            if (step == QLatin1String("connect")) {
                const bool shown = connectShown(*viewer);
                tileAtConnect = wall->findChild<CScreenWidget*>();
                return shown;
            }
            if (step == QLatin1String("group")) {
                auto* tree = viewer->findChild<CDVRListTree*>();
                emit tree->groupConnect(*tree->topLevelItem(0), 0, -1);
                return QTest::qWaitFor([&] { return TestDvrGroups::connected(viewer->connections()); }, TIME_LIMIT_MS);
            }
            if (step.startsWith(QLatin1String("choose="))) {
                auto* tree = viewer->findChild<CDVRListTree*>();
                tree->setCurrentItem(tree->topLevelItem(0)->child(step.mid(7).toInt()));
                return true;
            }
            if (step.startsWith(QLatin1String("rightClick=")) || step.startsWith(QLatin1String("deleteFromMenu="))) {
                auto* tree = viewer->findChild<CDVRListTree*>();
                const QString entry
                    = step.startsWith(QLatin1String("delete")) ? QStringLiteral("Delete DVR") : QString();
                return TestDvrGroups::rightClick(
                    tree, tree->topLevelItem(0)->child(step.section('=', 1).toInt()), entry);
            }
            if (step == QLatin1String("stopCurrent")) {
                emit viewer->findChild<CDVRListTree*>()->disconnectDVR(0, viewer->connections().currentIndex());
                return !current()->isStarted();
            }
            if (step == QLatin1String("searched"))
                return QTest::qWaitFor([] { return !QApplication::activeModalWidget(); }, TIME_LIMIT_MS);
            if (step == QLatin1String("fail")) {
                current()->setReconnectDelay(RECONNECT_DELAY_MS);
                const quint16 port = dvr.port();
                dvr.close();
                if (!QTest::qWaitFor([&] { return current()->isReconnectPending(); }, TIME_LIMIT_MS))
                    return false;
                streamsAtFailure = videoStreams(false);
                return dvr.listen(port);
            }
            // The reconnect that was pending is gone, so no stream can come.
            if (step == QLatin1String("quiet"))
                return (!current() || !current()->isReconnectPending()) && videoStreams(false) == streamsAtFailure;
            if (step == QLatin1String("zoom")) {
                child<QPushButton>(*viewer, "DigitalZoom")->click();
                return wall->IsZoom();
            }
            if (step == QLatin1String("held"))
                return QTest::qWaitFor([&] { return dvr.heldAnswers() > 0; }, TIME_LIMIT_MS);
            if (step == QLatin1String("close")) {
                viewer->close();
                CStartup::end(std::move(viewer));
                return true;
            }
            if (step == QLatin1String("plays"))
                return QTest::qWaitFor([&] { return current()->IsConnected() && !current()->IsLive(); }, TIME_LIMIT_MS);
            if (step == QLatin1String("time")) {
                emit playback->findChild<CSearchWidget*>()->selectedTime(recordedStart(), RECORDED_CHANNELS);
            } else if (step == QLatin1String("backup") || step == QLatin1String("longBackup")) {
                // A long one runs until the row ends.
                const int seconds = step == QLatin1String("backup") ? 60 : 3600;
                ShownSearch::chooseBackupRange(backup, recordedStart(), recordedStart() + seconds);
                QTest::mouseClick(child<QAbstractButton>(*backup, "BackupStart"), Qt::LeftButton);
                // Under way once the DVR's data is written, not only asked
                // for.
                const auto* progress = child<QProgressBar>(*backup, "progressBar");
                return QTest::qWaitFor([&] { return backup->isBackup() && progress->value() > 0; }, TIME_LIMIT_MS);
            } else if (step.startsWith(QLatin1String("hold="))) {
                dvr.holdAnswers(step == QLatin1String("hold=read") ? cgi::MODE_CONF_READ : cgi::MODE_PLAYBACK);
            } else if (step == QLatin1String("release")) {
                dvr.holdAnswers(std::nullopt);
            } else if (step == QLatin1String("recorded"))
                return RecordedFolder::record(RecordedFolder::frames(2, quint32(recordedStart()), 4), 2);
            else if (step.startsWith(QLatin1String("file="))) {
                const QString name = step.mid(5);
                answers.files << (name == QLatin1String("@recorded") ? RecordedFolder::folder()
                        : name.isEmpty()                             ? QString()
                                                                     : folder.filePath(name));
            } else if (step.startsWith(QLatin1String("full="))) {
                const FileSizeLimit full(0);
                child<QPushButton>(*viewer, qPrintable(step.mid(5)))->click();
            } else if (step.startsWith(QLatin1String("pick="))) {
                child<QPushButton>(*viewer, "PCSetup")->click();
                child<QRadioButton>(*viewer, qPrintable(step.mid(5)))->click();
            } else if (step == QLatin1String("ok") || step == QLatin1String("cancel")) {
                // The E-Map's dialogs have button boxes of the same name.
                auto* dialog = viewer->findChild<CPCSetupDialog*>();
                if (!dialog->isVisible())
                    return false;
                child<QDialogButtonBox>(*dialog, "buttonBox")
                    ->button(step == QLatin1String("ok") ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)
                    ->click();
                return !dialog->isVisible();
            } else if (step == QLatin1String("map")) {
                emit viewer->findChild<CEMapList*>()->signalSelectedEMap(EMap());
            } else if (step == QLatin1String("log") || step.startsWith(QLatin1String("log="))) {
                const auto logs = child(*viewer, "bottomEMapPage")->findChildren<QTextEdit*>();
                if (logs.size() != 1)
                    return false;
                // Counting down, so that the newest line is always camera 1's.
                for (int line = step == QLatin1String("log") ? 1 : step.mid(4).toInt(); line >= 1; --line)
                    logs.first()->append(QStringLiteral("camera %1 motion").arg(line));
            } else if (step == QLatin1String("switch")) {
                const QStringList buttons{"Search", "Playback", "Backup", "Information", "LiveS", "EMap", "EMapExit"};
                for (int i = 0; i < MODE_SWITCHES; ++i)
                    child<QPushButton>(*viewer, qPrintable(buttons.at(i % buttons.size())))->click();
            } else {
                child<QPushButton>(*viewer, qPrintable(step))->click();
            }
            return true;
        };
        for (const QString& step : steps.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            QVERIFY2(run(step), qPrintable(step));

        if (viewer) {
            QCOMPARE(viewer->menuMode(), mode);
            // Whatever the mode, the window can be left.
            auto* exit = child<QPushButton>(*viewer, "Exit");
            QVERIFY(exit->isVisible());
            QCOMPARE(viewer->childAt(exit->mapTo(viewer.get(), exit->rect().center())), exit);
        }

        const QStringList wanted = checks.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        const auto check = [&](const char* name) { return wanted.contains(QLatin1String(name)); };
        const auto received = [&](int wantedMode, int oldOp) {
            const QList<TestDvrRequest> requests = dvr.requests();
            return std::count_if(requests.cbegin(), requests.cend(), [&](const TestDvrRequest& request) {
                return request.mode == wantedMode && (!oldDialect || request.decodedParam("OP").toInt() == oldOp);
            });
        };
        if (check("asked")) {
            // The information: new mode 16, old MODE=6 with OP=17; the
            // configuration: mode 22.
            const int askedMode = mode == Viewer::SETUP ? int(cgi::MODE_CONF_READ) : oldDialect ? 6 : 16;
            QTRY_VERIFY_WITH_TIMEOUT(received(askedMode, 17) > 0, TIME_LIMIT_MS);
        }
        if (check("shows")) {
            QTRY_VERIFY_WITH_TIMEOUT(wall->wall()->getInfo(0).hasPicture(), TIME_LIMIT_MS);
            QTRY_VERIFY_WITH_TIMEOUT(wall->wall()->getInfo(1).hasPicture(), TIME_LIMIT_MS);
        }
        if (check("idle"))
            QVERIFY(!current() || !current()->IsConnected());
        if (check("info"))
            QVERIFY(viewer->findChild<CDVRInfoWidget*>()->isVisible());
        if (check("reconnects"))
            QTRY_VERIFY_WITH_TIMEOUT(videoStreams(false) > 1, TIME_LIMIT_MS);
        if (check("same")) {
            QVERIFY(current()->IsConnected());
            QCOMPARE(videoStreams(false), 1);
            QCOMPARE(videoStreams(true), 1);
        }
        if (check("playing"))
            QTRY_VERIFY(current()->IsConnected() && !current()->IsLive());
        if (check("configured")) {
            config::DvrConf held;
            QVERIFY(held.ParseFromString(dvr.content().configuration.toStdString()));
            QTRY_COMPARE(shownDvrName(*viewer), held.system().name_id().dvr_name());
        }
        if (check("backupEnded"))
            QVERIFY(!backup->isBackup());
        // The backup runs on, of the DVR that stays current and highlighted.
        if (check("backupOn")) {
            QVERIFY(backup->isBackup());
            QCOMPARE(viewer->connections().currentIndex(), 0);
            const auto* tree = viewer->findChild<CDVRListTree*>();
            QCOMPARE(tree->selectedItems(), QList<QTreeWidgetItem*>{tree->topLevelItem(0)->child(0)});
            // A backup records on a link of its own: not a recording to the PC.
            QVERIFY(!child<QPushButton>(*viewer, "RecToPC")->isChecked());
            QVERIFY(answers.messages.isEmpty());
            QVERIFY(current()->isStarted() && !current()->IsLive());
        }
        // The recordings start at 10:00.
        if (check("offered"))
            QCOMPARE(ShownSearch::hours(backup).at(10), QLatin1Char('#'));
        if (check("noDvr")) {
            QWidget* page = mode == Viewer::BACKUP ? static_cast<QWidget*>(backup) : playback;
            const auto* line = page->findChild<QWidget*>(QStringLiteral("NoDvrLine"));
            QVERIFY(line && line->isVisible());
            QVERIFY(!child<QPushButton>(*backup, "BackupStart")->isEnabled());
        }
        if (check("othersIdle")) {
            QVERIFY(!viewer->connections().entries().at(1)->isStarted());
            QTRY_COMPARE(other.streams()->runningCount(), 0);
        }
        if (check("abandoned"))
            QTRY_COMPARE(dvr.heldAnswers(), 0);
        if (check("zoomOff")) {
            QVERIFY(!child<QPushButton>(*viewer, "DigitalZoom")->isChecked() && !wall->IsZoom());
            // Double clicks work again on the rebuilt wall.
            QWidget* target = wall->childAt(wall->rect().center());
            QTest::mouseDClick(target, Qt::LeftButton, {}, target->mapFrom(wall, wall->rect().center()));
            QVERIFY(wall->isSingleScreen());
        }
        if (check("sequenceOff"))
            QVERIFY(!child<QPushButton>(*viewer, "Sequence")->isChecked() && !wall->isSequence());
        if (check("liveShown"))
            QVERIFY(wall->isVisible() && child<QPushButton>(*viewer, "LiveS")->isChecked());
        if (check("liveMShown"))
            QVERIFY(wall->isVisible() && child<QPushButton>(*viewer, "LiveM")->isChecked());
        if (check("noPlayback"))
            QTRY_COMPARE(videoStreams(true, cgi::MODE_PLAYBACK), 0);
        // Stop is the only playback command these rows send: once for the
        // one end, with nothing more on its way.
        if (check("playbackStopped")) {
            QTRY_VERIFY_WITH_TIMEOUT(
                received(cgi::MODE_PB_CONTROL, CViewerCommands::OLD_OP_PLAYBACK) > 0, TIME_LIMIT_MS);
            QTRY_COMPARE_WITH_TIMEOUT(CApplicationSender::pending(), 0, STOP_TIME_LIMIT_MS);
            QCOMPARE(received(cgi::MODE_PB_CONTROL, CViewerCommands::OLD_OP_PLAYBACK), 1);
        }
        const auto recordingTold = [&](const char* why) {
            return QStringList{QStringLiteral("The recording to the PC stopped because %1").arg(QLatin1String(why))};
        };
        if (check("recordingTold"))
            QTRY_COMPARE(answers.messages, recordingTold("another mode was chosen."));
        if (check("streamTypeTold"))
            QTRY_COMPARE(answers.messages, recordingTold("the stream type changed."));
        if (check("recordOff") || check("recordOn")) {
            const bool on = check("recordOn");
            if (on) {
                const auto* tree = viewer->findChild<CDVRListTree*>();
                QCOMPARE(tree->selectedItems(), QList<QTreeWidgetItem*>{tree->topLevelItem(0)->child(0)});
            }
            QCOMPARE(current() && current()->isRecording(), on);
            QCOMPARE(child<QPushButton>(*viewer, "RecToPC")->isChecked(), on);
            if (on)
                QVERIFY(answers.messages.isEmpty());
        }
        if (check("rebuilt")) {
            QVERIFY(tileAtConnect.isNull());
            // The wall starts again with all its screens, and says so.
            QCOMPARE(wall->getViewScreens(), 16);
            QVERIFY(child<QPushButton>(*viewer, "Screen16_0")->isChecked());
        }
        if (check("snapshot")) {
            QVERIFY(!wall->isVisible());
            QCOMPARE(child<QLabel>(*viewer, "snapshotName")->text(),
                QDir::toNativeSeparators(folder.filePath(QStringLiteral("shot.png"))));
            QCOMPARE(child<QLabel>(*viewer, "snapshotImage")->pixmap().size(), shot.size());
            child<QPushButton>(*viewer, "LiveM")->click();
            QVERIFY(!child(*viewer, "snapshotImage")->isVisible());
        }
        if (check("fullDisk")) {
            QTRY_COMPARE(answers.messages.size(), 1);
            QVERIFY2(answers.messages.first().contains(qt_error_string(EFBIG)), qPrintable(answers.messages.first()));
            QVERIFY(kept.open(QIODevice::ReadOnly));
            QCOMPARE(kept.readAll(), QByteArray(KEPT_TEXT));
        }
        if (check("unreadable")) {
            const auto* image = child<QLabel>(*viewer, "snapshotImage");
            QVERIFY(image->isVisible() && image->pixmap().isNull());
            QVERIFY2(image->text().contains(QDir::toNativeSeparators(folder.filePath(QStringLiteral("notes.png")))),
                qPrintable(image->text()));
            // The next snapshot shows its picture, not the earlier notice.
            answers.files << folder.filePath(QStringLiteral("shot.png"));
            child<QPushButton>(*viewer, "searchImage")->click();
            QCOMPARE(image->pixmap().size(), shot.size());
            QVERIFY(image->text().isEmpty());
        }
        if (check("saved")) {
            QTRY_COMPARE(answers.messages, QStringList{QStringLiteral("File saved")});
            QFile log(folder.filePath(QStringLiteral("log.txt")));
            QVERIFY(log.open(QIODevice::ReadOnly));
            QCOMPARE(log.readAll(), QByteArray("camera 1 motion"));
        }
        if (check("newest")) {
            QTRY_COMPARE(answers.messages, QStringList{QStringLiteral("File saved")});
            QFile log(folder.filePath(QStringLiteral("log.txt")));
            QVERIFY(log.open(QIODevice::ReadOnly));
            const QList<QByteArray> lines = log.readAll().split('\n');
            QCOMPARE(lines.size(), CEMapViews::MAX_LOG_LINES);
            QCOMPARE(lines.first(), QByteArray::number(CEMapViews::MAX_LOG_LINES).prepend("camera ") + " motion");
            QCOMPARE(lines.last(), QByteArray("camera 1 motion"));
        }
        if (check("kept")) {
            QVERIFY(kept.open(QIODevice::ReadOnly));
            QCOMPARE(kept.readAll(), QByteArray(KEPT_TEXT));
            QVERIFY(answers.messages.isEmpty());
        }
        if (check("refused")) {
            QTRY_COMPARE(answers.messages.size(), 1);
            QVERIFY2(answers.messages.first().startsWith(QStringLiteral("Cannot write file ")),
                qPrintable(answers.messages.first()));
        }
        QVERIFY(answers.files.isEmpty());
        viewer.reset();
        QTRY_COMPARE_WITH_TIMEOUT(CApplicationSender::pending(), 0, STOP_TIME_LIMIT_MS);
    }

    // Setup's buttons in the main menu, each reaching its part of the setup
    // window: the dialogs it opens (file dialogs, the model choice and the
    // address prompt answered for the test DVR), what the DVR gets after the
    // entry's read, and what the window shows.
    void configurationButtons_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("trace");
        QTest::newRow("Open") << "open"
                              << "QFileDialog opened";
        QTest::newRow("Save") << "save"
                              << "QFileDialog saved";
        QTest::newRow("Model") << "setupModel"
                               << "CModelInfoDialog defaults";
        QTest::newRow("Load Default") << "loadDefault"
                                      << "defaults";
        QTest::newRow("Reload") << "reload"
                                << "CSendDVRInfoWidget read";
        QTest::newRow("Apply") << "send"
                               << "CSendDVRInfoWidget upload-one";
        QTest::newRow("Apply All") << "sendAll"
                                   << "CSendDVRInfoWidget upload-all";
        QTest::newRow("Upgrade") << "upgrade"
                                 << "CSendDVRInfoWidget upgrade";
        QTest::newRow("Date & Time") << "dateTime"
                                     << "CSendDVRInfoWidget clock";
        QTest::newRow("Reset") << "reset"
                               << "CSendDVRInfoWidget reset";
    }

    void configurationButtons()
    {
        QFETCH(QString, button);
        QFETCH(QString, trace);
        QTemporaryDir folder;
        TestDvr dvr;
        QVERIFY(dvr.listen());
        TestDvrConfiguration::install(&dvr);
        config::DvrConf opened;
        QVERIFY(opened.ParseFromString(dvr.content().configuration.toStdString()));
        const std::string held = opened.system().name_id().dvr_name();
        opened.mutable_system()->mutable_name_id()->set_dvr_name("Opened");
        QFile conf(folder.filePath(QStringLiteral("opened.conf")));
        QVERIFY(conf.open(QIODevice::WriteOnly) && conf.write(QByteArray::fromStdString(opened.SerializeAsString())));
        conf.close();
        const QString saved = folder.filePath(QStringLiteral("saved.conf"));

        ModalAnswers answers;
        answers.answerDialog = [&dvr](QDialog* dialog) {
            if (auto* address = dialog->findChild<QLineEdit*>(QStringLiteral("address"))) {
                address->setText(TestDvr::address());
                dialog->findChild<QSpinBox*>(QStringLiteral("port"))->setValue(dvr.port());
                dialog->findChild<QLineEdit*>(QStringLiteral("password"))->setText(QStringLiteral("1234"));
            }
            dialog->accept();
        };
        auto viewer = viewerOf({dvr.dvrRecord()});
        QVERIFY(connectShown(*viewer));
        child<QPushButton>(*viewer, "Setup")->click();
        QTRY_COMPARE(shownDvrName(*viewer), held);
        const qsizetype entered = dvr.requests().size();

        const auto traced = [&] {
            QStringList facts = answers.dialogs;
            for (const TestDvrRequest& request : dvr.requests().mid(entered)) {
                config::DvrConf sent;
                if (request.kind == TestDvrRequest::DataRead && request.mode == cgi::MODE_CONF_READ)
                    facts << QStringLiteral("read");
                else if (request.kind == TestDvrRequest::Upload && !request.parts.isEmpty()
                    && sent.ParseFromString(request.parts.first().content.toStdString()))
                    facts << (sent.has_account() ? QStringLiteral("upload-all") : QStringLiteral("upload-one"));
                else if (request.kind == TestDvrRequest::Command && request.mode == cgi::MODE_RESET)
                    facts << QStringLiteral("reset");
            }
            if (viewer->findChild<CUpgrade*>()->isVisible())
                facts << QStringLiteral("upgrade");
            if (viewer->findChild<CSetupEtc*>()->isVisible())
                facts << QStringLiteral("clock");
            const std::string name = shownDvrName(*viewer);
            if (name != held)
                facts << (name == "Opened" ? QStringLiteral("opened") : QStringLiteral("defaults"));
            if (QFile::exists(saved))
                facts << QStringLiteral("saved");
            return facts.join(QLatin1Char(' '));
        };
        if (button == QLatin1String("open"))
            answers.files << conf.fileName();
        else if (button == QLatin1String("save"))
            answers.files << saved;
        child<QPushButton>(*viewer, qPrintable(button))->click();
        QTRY_COMPARE(traced(), trace);
        viewer.reset();
        QTRY_COMPARE_WITH_TIMEOUT(CApplicationSender::pending(), 0, STOP_TIME_LIMIT_MS);
    }
};

QTEST_MAIN(tst_ViewerModes)
#include "tst_ViewerModes.moc"
