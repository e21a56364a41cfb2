#include "Common/CCoreMetaTypes.h"
#include "Connection/CConnectDVR.h"
#include "Connection/CDVRListTree.h"
#include "Display/CScreen.h"
#include "Display/OpenGLMode.h"
#include "Settings/CAppSettings.h"
#include "TestDvr.h"
#include "TestDvrStreams.h"
#include "dvr_protocol/cgi_request.pb.h"
#include "viewer/CStartup.h"
#include "viewer/Viewer.h"

#include <QApplication>
#include <QLoggingCategory>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>

// The program's end with a group of DVRs streaming live: closing the window
// stops every stream, each DVR gets the stop requests of its links, and the
// event loop ends with exit code 0.
namespace {

const int DVRS = 4;
const int END_TIME_LIMIT_MS = 10000;

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

    void closingStopsEveryStream()
    {
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

        auto* viewer = new Viewer;
        viewer->show();
        QVERIFY(QTest::qWaitForWindowExposed(viewer));
        auto* tree = viewer->findChild<CDVRListTree*>();
        auto* groupItem = new QTreeWidgetItem(tree);
        groupItem->setData(0, Qt::UserRole, QVariant::fromValue(group));
        for (const DVR& record : group.dvr())
            (new QTreeWidgetItem(groupItem))->setData(0, Qt::UserRole, QVariant::fromValue(record));
        emit tree->groupConnect(*groupItem, 0, -1);

        // Video and audio of every DVR.
        for (const auto& dvr : dvrs)
            QTRY_COMPARE_WITH_TIMEOUT(dvr->streams()->runningCount(), 2, 20000);
        QList<QList<int>> expected;
        for (int i = 0; i < DVRS; ++i) {
            const int id = viewer->connections().entries().at(i)->getClientID();
            QVERIFY(id > 0);
            // The video link's stop; an old DVR's audio link names its own
            // stream, a new DVR's audio ends with the video stream.
            expected << (i % 2 == 1 ? QList<int>{id, id + 100} : QList<int>{id});
        }

        QTimer::singleShot(0, viewer, [viewer] { viewer->findChild<QPushButton*>("Exit")->click(); });
        QTimer::singleShot(END_TIME_LIMIT_MS, qApp, [] { QCoreApplication::exit(1); });
        const int exitCode = QApplication::exec();
        delete viewer;
        CStartup::sendPendingCommands();
        QCOMPARE(exitCode, 0);

        for (int i = 0; i < DVRS; ++i) {
            QCOMPARE(stoppedIds(*dvrs.at(i)), expected.at(i));
            QTRY_COMPARE(dvrs.at(i)->streams()->runningCount(), 0);
            QTRY_COMPARE(dvrs.at(i)->openConnections(), 0);
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
