#include "../SysData/RawFileChecker.h"
#include "Common/CCoreMetaTypes.h"
#include "Connection/CConnectDVR.h"
#include "Display/CDisplayWidget.h"
#include "Display/CScreen.h"
#include "Display/OpenGLMode.h"
#include "H264TestEncoder.h"
#include "Recording/CPlaybackWidget.h"
#include "Settings/CAppSettings.h"
#include "Settings/CSavePath.h"
#include "TestDvrStreams.h"
#include "ViewerBench.h"
#include "viewer/CCaptureFile.h"
#include "viewer/CStartup.h"
#include "viewer/CViewerCommands.h"
#include "viewer/Viewer.h"

#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// The main window's commands to the current DVR (record on the DVR and on
// the PC, remote playback control), snapshots, and the layouts of a double
// click and of full screen.
namespace {

const int SHOW_TIME_LIMIT_MS = 5000;
const int WIDTH = 352;
const int HEIGHT = 240;

// Commands of a kind the DVR received: new dialect by mode, old dialect by
// the OP of MODE 5; each as its message or its query.
QList<TestDvrRequest> commands(const TestDvr& dvr, int newMode, int oldOp)
{
    QList<TestDvrRequest> found;
    for (const TestDvrRequest& request : dvr.requests()) {
        if (request.kind != TestDvrRequest::Command)
            continue;
        if (request.dialect == TestDvrRequest::NewDialect
                ? request.mode == newMode
                : request.mode == 5 && request.decodedParam("OP").toInt() == oldOp)
            found << request;
    }
    return found;
}

void connectMyDvr(ViewerBench& bench, bool oldProtocol)
{
    bench.addGroup(QStringLiteral("My Group"), {bench.addDvr(QStringLiteral("My DVR"), oldProtocol)});
    bench.connectGroup(0);
}

} // namespace

class tst_ViewerCommands : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        CStartup::prepareApplication();
        QLoggingCategory::setFilterRules(QStringLiteral("qelm.network.debug=false"));
        CAppSettings settings;
        settings.writeSetting(CAppSettings::OSD_CH_NAME, 0);
        settings.writeSetting(CAppSettings::OSD_RECORD, 0);
        settings.writeSetting(CAppSettings::OSD_EVENT, 0);
    }

    void init() { CAppSettings().writeSetting(CAppSettings::OPENGL, OPENGL_OFF); }

    void dialects_data()
    {
        QTest::addColumn<bool>("oldProtocol");
        QTest::newRow("new dialect") << false;
        QTest::newRow("old dialect") << true;
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
        const int id = bench.controller(0)->getClientID();

        bench.click("RecToDVR");
        QTRY_COMPARE(commands(bench.dvr(0), cgi::MODE_RECORD, CViewerCommands::OLD_OP_RECORD).size(), 1);
        if (oldProtocol)
            QCOMPARE(commands(bench.dvr(0), 0, CViewerCommands::OLD_OP_RECORD).first().query,
                QStringLiteral("MODE=5&CID=%1&OP=11").arg(id).toLatin1());

        bench.click("RecToPC");
        QVERIFY(bench.controller(0)->isRecording());
        QVERIFY(bench.framesAfterNow(0, 200));
        bench.click("RecToPC");
        QVERIFY(!bench.controller(0)->isRecording());
        const RawFileChecker files(records.filePath(QStringLiteral("My DVR")));
        QVERIFY2(files.ok() && !files.pairs.isEmpty(), qPrintable(files.problems()));

        // A folder that cannot be made: the button goes back, the reason shows.
        QFile blocker(records.filePath(QStringLiteral("file")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        CAppSettings().writeSetting(CAppSettings::PATH_LIST.at(1), blocker.fileName() + QStringLiteral("/records"));
        bench.click("RecToPC");
        QVERIFY(!bench.button("RecToPC")->isChecked());
        auto* box = bench.viewer().findChild<QMessageBox*>();
        QVERIFY(box && box->isVisible());
        QVERIFY2(box->text().startsWith(QStringLiteral("[ERROR]")), qPrintable(box->text()));
    }

    void playbackControl_data() { dialects_data(); }

    void playbackControl()
    {
        QFETCH(bool, oldProtocol);
        ViewerBench bench;
        connectMyDvr(bench, oldProtocol);
        QTRY_VERIFY_WITH_TIMEOUT(bench.connected(), SHOW_TIME_LIMIT_MS);
        auto* panel = bench.viewer().findChild<CPlaybackWidget*>();
        emit panel->changedPbStatus(cgi::PbControl::CMD_PAUSE);

        bench.click("Search");
        CConnectDVR* controller = bench.controller(0);
        controller->startPlayback(
            {CConnectDVR::PbBackupParam{CHttpConnect::PLAYBACK, QDateTime::currentSecsSinceEpoch() - 3600, 0, 0xFFFF}});
        QTRY_VERIFY_WITH_TIMEOUT(controller->IsConnected(), SHOW_TIME_LIMIT_MS);
        const int id = controller->getClientID();
        // Stop last: it ends the playback.
        const QList<int> order{0, 1, 2, 4, 5, 6, 7, 3};
        for (const int cmd : order)
            emit panel->changedPbStatus(cgi::PbControl::Cmd(cmd));
        QTRY_COMPARE(commands(bench.dvr(0), cgi::MODE_PB_CONTROL, CViewerCommands::OLD_OP_PLAYBACK).size(), 8);
        QVERIFY(!controller->IsConnected());

        QStringList expected;
        QStringList received;
        for (const TestDvrRequest& request :
            commands(bench.dvr(0), cgi::MODE_PB_CONTROL, CViewerCommands::OLD_OP_PLAYBACK)) {
            cgi::PbControl control;
            control.ParseFromString(request.data.toStdString());
            received << (oldProtocol ? QString::fromLatin1(request.query)
                                     : QStringLiteral("%1 %2").arg(control.stream_id()).arg(int(control.cmd())));
        }
        for (const int cmd : order) {
            expected << (oldProtocol ? QStringLiteral("MODE=5&CID=%1&OP=8&LEN=1&REQ=%2")
                                           .arg(id)
                                           .arg(CViewerCommands::oldPlaybackRequest(cmd))
                                     : QStringLiteral("%1 %2").arg(id).arg(cmd));
        }
        QCOMPARE(received, expected);
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

        QString text;
        QTimer::singleShot(0, [&text] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            text = box->text();
            box->accept();
        });
        bench.click("Capture");
        const QRegularExpressionMatch saved
            = QRegularExpression(QStringLiteral("^The image has been saved.\\n\\((.*/\\d{8}_\\d{6}\\.(png|jpg))\\)$"))
                  .match(text);
        QVERIFY2(saved.hasMatch(), qPrintable(text));
        QCOMPARE(saved.captured(2), format == CAPTURE_FILEFORMAT::PNG ? QStringLiteral("png") : QStringLiteral("jpg"));
        QImage image(saved.captured(1));
        QVERIFY(!image.isNull());
        // Widget mode grabs the display area, title included.
        const QPoint wallAt = rendering == OPENGL_OFF ? bench.wall()->pos() : QPoint();
        const QRect tile = bench.wall()->wall()->getDisplayRect(5).translated(wallAt);
        QVERIFY(H264TestEncoder::tileShowsPattern(image.convertToFormat(QImage::Format_RGB32), tile, WIDTH, HEIGHT, 5));

        // An unwritable folder is said so.
        settings.writeSetting(CAppSettings::PATH_LIST.at(0), saved.captured(1) + QStringLiteral("/inside"));
        QTimer::singleShot(0, [&text] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            text = box->text();
            box->accept();
        });
        bench.click("Capture");
        QVERIFY2(text.startsWith(QStringLiteral("The image could not be saved.")), qPrintable(text));
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
        QCOMPARE(CCaptureFile::freeName(folder.path(), time, CAPTURE_FILEFORMAT::JPEG),
            folder.filePath(QStringLiteral("20240305_070809.jpg")));

        CAppSettings().writeSetting(CAppSettings::PATH_LIST.at(0), QString());
        QCOMPARE(CCaptureFile::folder(), CSavePath::defaultPath(CAppSettings::PATH_LIST.at(0)));
        QVERIFY(QFileInfo(CCaptureFile::folder()).isDir());
    }

    void doubleClickAndFullScreen()
    {
        ViewerBench bench;
        connectMyDvr(bench, false);
        QTRY_VERIFY_WITH_TIMEOUT(bench.showsChannels(16), SHOW_TIME_LIMIT_MS);
        emit bench.wall()->doubleClicked(5);
        QVERIFY(bench.wall()->IsSameScreen(1, 5));
        QVERIFY(bench.button("Ch5")->isChecked());
        QTRY_COMPARE(ViewerBench::streamedChannels(bench.dvr(0), bench.controller(0)->getClientID()), 0x0020u);
        emit bench.wall()->doubleClicked(5);
        QVERIFY(bench.wall()->IsSameScreen(16, 0));
        QVERIFY(bench.button("Screen16_0")->isChecked());
        QVERIFY(!bench.button("Ch5")->isChecked());

        CDisplayWidget* wall = bench.wall();
        bench.click("SingleFull");
        QVERIFY(wall->isFullScreen());
        QVERIFY(!bench.viewer().isVisible());
        QTest::keyClick(wall, Qt::Key_Escape);
        QVERIFY(bench.viewer().isVisible());
        QCOMPARE(wall->parentWidget(), bench.viewer().findChild<QWidget*>(QStringLiteral("DisplayFrame")));
        QTRY_VERIFY_WITH_TIMEOUT(bench.showsChannels(16), SHOW_TIME_LIMIT_MS);
    }
};

int main(int argc, char* argv[])
{
    CScreen::prepareOpenGL();
    QApplication application(argc, argv);
    CCoreMetaTypes::registerTypes();
    tst_ViewerCommands test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_ViewerCommands.moc"
