#include "Common/CCoreMetaTypes.h"
#include "Connection/CApplicationSender.h"
#include "Connection/CConnectDVR.h"
#include "Connection/CDVRListTree.h"
#include "Connection/CSendCommand.h"
#include "Display/CScreen.h"
#include "Display/OpenGLMode.h"
#include "FileSizeLimit.h"
#include "Settings/CAppSettings.h"
#include "TestDvr.h"
#include "TestDvrGroups.h"
#include "TestDvrStreams.h"
#include "dvr_protocol/cgi_request.pb.h"
#include "viewer/CStartup.h"
#include "viewer/Viewer.h"

#include <QApplication>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>
#include <optional>

// The program's end with a group of DVRs streaming live, as the program
// starts and ends: closing the window stops every stream, each DVR gets the
// stop requests of its links, and the event loop ends with exit code 0. A
// recording to the PC whose files cannot be completed is told, and the
// program ends at the operator's OK.
namespace {

const int DVRS = 4;
const int END_TIME_LIMIT_MS = 10000;
const int STREAM_TIME_LIMIT_MS = 20000;

// The client ids named by the stop requests a DVR received: new-dialect
// stream stops (mode 4) and old-dialect OP 5 commands.
QList<int> stoppedIds(const TestDvr& dvr)
{
    QList<int> ids;
    for (const TestDvrRequest& request : dvr.requests()) {
        if (request.kind != TestDvrRequest::Command)
            continue;
        cgi::StreamStop stop;
        if (request.dialect == TestDvrRequest::NewDialect && request.mode == cgi::MODE_STREAM_STOP
            && stop.ParseFromString(request.data.toStdString()))
            ids << int(stop.stream_id());
        else if (request.dialect == TestDvrRequest::OldDialect && request.decodedParam("OP").toInt() == 5)
            ids << request.decodedParam("CID").toInt();
    }
    std::sort(ids.begin(), ids.end());
    return ids;
}

} // namespace

class tst_ViewerShutdown : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        CStartup::prepareApplication();
        QLoggingCategory::setFilterRules(QStringLiteral("qelm.network.debug=false"));
        CAppSettings().writeSetting(CAppSettings::OPENGL, OPENGL_OFF);
    }

    void closing_data()
    {
        // The first DVR is recorded to the PC, and the disk is full as the
        // window closes.
        QTest::addColumn<bool>("noRoom");
        QTest::newRow("nothing to tell") << false;
        QTest::newRow("recording to the PC, no room to complete its files") << true;
    }

    void closing()
    {
        QFETCH(bool, noRoom);
        QTemporaryDir records;
        CAppSettings().writeSetting(CAppSettings::PATH_LIST.at(1), records.path());
        std::vector<std::unique_ptr<TestDvr>> dvrs;
        Group group;
        group.set_name("Shop");
        for (int i = 0; i < DVRS; ++i) {
            dvrs.push_back(std::make_unique<TestDvr>());
            QVERIFY(dvrs.back()->listen());
            DVR record = dvrs.back()->dvrRecord(i % 2 == 1);
            record.set_name(QStringLiteral("DVR %1").arg(i).toStdString());
            record.set_chnum(4);
            record.set_bitch(0x3);
            *group.add_dvr() = record;
        }

        std::unique_ptr<Viewer> viewer = CStartup::showMainWindow();
        QVERIFY(QTest::qWaitForWindowExposed(viewer.get()));
        auto* tree = viewer->findChild<CDVRListTree*>();
        auto* groupItem = new QTreeWidgetItem(tree);
        groupItem->setData(0, Qt::UserRole, QVariant::fromValue(group));
        for (const DVR& record : group.dvr())
            (new QTreeWidgetItem(groupItem))->setData(0, Qt::UserRole, QVariant::fromValue(record));
        emit tree->groupConnect(*groupItem, 0, -1);

        // Video and audio of every DVR.
        for (const auto& dvr : dvrs)
            QTRY_COMPARE_WITH_TIMEOUT(dvr->streams()->runningCount(), 2, STREAM_TIME_LIMIT_MS);
        QTRY_VERIFY_WITH_TIMEOUT(TestDvrGroups::connected(viewer->connections()), STREAM_TIME_LIMIT_MS);
        QList<QList<int>> expected;
        for (int i = 0; i < DVRS; ++i) {
            const int id = viewer->connections().entries().at(i)->getClientID();
            QVERIFY(id > 0);
            // The video link's stop; an old DVR's audio link names its own
            // stream, a new DVR's audio ends with the video stream.
            expected << (i % 2 == 1 ? QList<int>{id, id + 100} : QList<int>{id});
        }
        const auto stopsSent = [&] {
            for (int i = 0; i < DVRS; ++i) {
                if (stoppedIds(*dvrs.at(i)) != expected.at(i))
                    return false;
            }
            return true;
        };

        if (noRoom) {
            viewer->findChild<QPushButton*>("RecToPC")->click();
            QVERIFY(viewer->connections().entries().at(0)->isRecording());
            QTRY_VERIFY_WITH_TIMEOUT(
                !QDir(records.filePath(QStringLiteral("DVR 0"))).isEmpty(QDir::Files), STREAM_TIME_LIMIT_MS);
        }

        // The message stays while the connections end; the program ends at
        // its OK.
        std::optional<FileSizeLimit> full;
        // The text of the box, once one is shown.
        std::optional<QString> shown;
        bool dismissed = false;
        QTimer watch;
        connect(&watch, &QTimer::timeout, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || dismissed)
                return;
            shown = box->text();
            full.reset();
            if (!stopsSent() || !viewer->isVisible())
                return;
            dismissed = true;
            box->button(QMessageBox::Ok)->click();
        });
        watch.start(20);
        QTimer::singleShot(0, viewer.get(), [&] {
            if (noRoom)
                full.emplace(0);
            viewer->findChild<QPushButton*>("Exit")->click();
        });
        QTimer::singleShot(END_TIME_LIMIT_MS, qApp, [] { QCoreApplication::exit(1); });
        const int exitCode = QApplication::exec();
        watch.stop();
        full.reset();
        CStartup::end(std::move(viewer));
        // The application object's end takes the sender's idle keep-alive
        // connections with it; this one lives on through the rows.
        delete &CApplicationSender::instance();
        QCOMPARE(exitCode, 0);
        // Nothing to tell shows no box at all.
        QCOMPARE(shown.has_value(), noRoom);
        if (noRoom)
            QVERIFY2(
                shown->startsWith(QStringLiteral("[ERROR] Can not write the recording file ")), qPrintable(*shown));
        QCOMPARE(dismissed, noRoom);

        QVERIFY(stopsSent());
        for (const auto& dvr : dvrs) {
            QTRY_COMPARE(dvr->streams()->runningCount(), 0);
            QTRY_COMPARE(dvr->openConnections(), 0);
        }
    }
};

int main(int argc, char* argv[])
{
    CScreen::prepareOpenGL();
    QApplication application(argc, argv);
    CCoreMetaTypes::registerTypes();
    tst_ViewerShutdown test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_ViewerShutdown.moc"
