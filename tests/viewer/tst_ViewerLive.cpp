#include "../SysData/RawFileChecker.h"
#include "Common/CCoreMetaTypes.h"
#include "Connection/CConnectDVR.h"
#include "Connection/CControlDVRList.h"
#include "Connection/CDVRListTree.h"
#include "DVRSetup/CLiveCtrlWidget.h"
#include "Display/CDisplayWidget.h"
#include "Display/CScreen.h"
#include "Display/CScreenWidget.h"
#include "Display/OpenGLMode.h"
#include "Settings/CAppSettings.h"
#include "TestDvrStreams.h"
#include "ViewerBench.h"
#include "viewer/CDisplayTitle.h"
#include "viewer/CStartup.h"
#include "viewer/Viewer.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// From the tree's connect request to live video: the wall, the title, the
// live controls and the channels each DVR streams for the view; groups of
// DVRs, the tree's disconnect and remove requests, failures, and many
// cycles of all of it.
namespace {

const int SHOW_TIME_LIMIT_MS = 5000;
const int ALL = 0xFFFF;

using Selection = ViewerBench::Selection;

QString leftTitle(ViewerBench& bench)
{
    return bench.viewer().findChild<CDisplayTitle*>()->left()->text();
}

bool sameIcon(const QIcon& a, const QIcon& b)
{
    return a.pixmap(16).toImage() == b.pixmap(16).toImage();
}

// Clicks each button named, or "step" for one step of the sequence.
void act(ViewerBench& bench, const QString& actions)
{
    for (const QString& action : actions.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (action == QLatin1String("step"))
            bench.wall()->switchChannel();
        else
            bench.click(action.toLatin1().constData());
    }
}

} // namespace

class tst_ViewerLive : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        CStartup::prepareApplication();
        QLoggingCategory::setFilterRules(QStringLiteral("qelm.network.debug=false"));
        CAppSettings().writeSetting(CAppSettings::OPENGL, OPENGL_OFF);
    }

    void init() { CAppSettings().writeSetting(CAppSettings::CODEC_TYPE, 0); }

    void connectShowsLiveVideo_data()
    {
        QTest::addColumn<bool>("oldProtocol");
        QTest::newRow("new dialect") << false;
        QTest::newRow("old dialect") << true;
    }

    void connectShowsLiveVideo()
    {
        QFETCH(bool, oldProtocol);
        ViewerBench bench;
        bench.addGroup(QStringLiteral("My Group"), {bench.addDvr(QStringLiteral("My DVR"), oldProtocol)});
        bench.connectGroup(0);
        QTRY_VERIFY_WITH_TIMEOUT(bench.showsChannels(16), SHOW_TIME_LIMIT_MS);
        QTRY_COMPARE(leftTitle(bench), QStringLiteral("My DVR( admin )"));
        QVERIFY(sameIcon(bench.tree()->topLevelItem(0)->child(0)->icon(0), CControlDVRList::getConnectedIcon()));
        for (const char* name : {"DVRControl2", "DVRControl3", "Setup"})
            QVERIFY2(bench.button(name)->isHidden() == oldProtocol, name);
        QVERIFY(bench.button("RecToDVR")->isEnabled());
    }

    // Actions: buttons clicked in turn, "step" a step of the sequence.
    void channelSelections_data()
    {
        QTest::addColumn<bool>("oldProtocol");
        QTest::addColumn<int>("mask");
        QTest::addColumn<int>("codecType");
        QTest::addColumn<QString>("actions");
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("autoStream");
        for (const bool old : {false, true}) {
            const QString dialect = old ? QStringLiteral("old: ") : QStringLiteral("new: ");
            const auto row
                = [&](const char* name) -> QTestData& { return QTest::newRow(qPrintable(dialect + name)) << old; };
            row("Ch5") << ALL << 0 << "Ch5" << 0x0020 << -1;
            row("Screen4_4") << ALL << 0 << "Screen4_4" << 0x00F0 << -1;
            row("Screen9_7") << ALL << 0 << "Screen9_7" << 0xFF80 << -1;
            row("a sequence step") << ALL << 0 << "Sequence step" << 0x0002 << -1;
            row("Live M 2x2 page 2") << ALL << 0 << "LiveM Screen2x2 NextPage" << 0x00F0 << -1;
            row("Live M, mask 0x000A") << 0x000A << 0 << "LiveM" << 0x000A << -1;
            row("mask 0x00F0 on Screen4_4") << 0x00F0 << 0 << "Screen4_4" << 0x00F0 << -1;
        }
        QTest::newRow("new: automatic stream, 9 screens") << false << ALL << 3 << "Screen9_0" << 0x01FF << 2;
        QTest::newRow("new: automatic stream, 4 screens") << false << ALL << 3 << "Screen4_8" << 0x0F00 << 1;
    }

    void channelSelections()
    {
        QFETCH(bool, oldProtocol);
        QFETCH(int, mask);
        QFETCH(int, codecType);
        QFETCH(QString, actions);
        QFETCH(int, channels);
        QFETCH(int, autoStream);
        if (codecType != 0)
            CAppSettings().writeSetting(CAppSettings::CODEC_TYPE, codecType);
        ViewerBench bench;
        bench.addGroup(QStringLiteral("My Group"), {bench.addDvr(QStringLiteral("My DVR"), oldProtocol, 16, mask)});
        bench.connectGroup(0);
        QTRY_VERIFY_WITH_TIMEOUT(bench.connected(), SHOW_TIME_LIMIT_MS);
        const int id = bench.controller(0)->getClientID();
        act(bench, actions);

        const TestDvr& dvr = bench.dvr(0);
        if (oldProtocol) {
            QTRY_COMPARE(ViewerBench::lastSelection(dvr, id + 100), (Selection{id + 100, quint32(channels)}));
            QTRY_COMPARE(ViewerBench::lastSelection(dvr, id), (Selection{id, quint32(channels)}));
        } else {
            QTRY_COMPARE(ViewerBench::lastSelection(dvr, id), (Selection{id, quint32(channels), 0, autoStream}));
        }
        QTRY_COMPARE(ViewerBench::streamedChannels(dvr, id), quint32(channels));
    }

    // Three DVRs of 16, 16 and 8 channels on the many-DVR wall.
    void groupOnTheWall()
    {
        ViewerBench bench;
        bench.addGroup(QStringLiteral("Shop"),
            {bench.addDvr(QStringLiteral("A"), false), bench.addDvr(QStringLiteral("B"), false),
                bench.addDvr(QStringLiteral("C"), false, 8, 0x00FF)});
        bench.addGroup(QStringLiteral("Other"), {bench.addDvr(QStringLiteral("D"), false)});
        bench.click("LiveM");
        bench.connectGroup(0);
        QTRY_VERIFY_WITH_TIMEOUT(bench.connected(), SHOW_TIME_LIMIT_MS);
        QList<int> starts;
        for (int i = 0; i < 3; ++i)
            starts << bench.controller(i)->getDisplayStartScreen();
        QCOMPARE(starts, (QList<int>{0, 16, 32}));

        // A screen of the second makes it current.
        QTRY_COMPARE_WITH_TIMEOUT(bench.wall()->wall()->getInfo(20).channel, 4, SHOW_TIME_LIMIT_MS);
        bench.wall()->updateSelectScreen(20);
        QCOMPARE(bench.viewer().connections().currentIndex(), 1);
        QCOMPARE(leftTitle(bench), QStringLiteral("B( admin )"));

        const auto lastOf = [&](int i) {
            return ViewerBench::lastSelection(bench.dvr(i), bench.controller(i)->getClientID()).channels;
        };
        bench.click("Screen2x2");
        QTRY_COMPARE((QList<quint32>{lastOf(0), lastOf(1), lastOf(2)}), (QList<quint32>{0x000F, 0, 0}));
        bench.click("Screen8x8");
        QTRY_COMPARE((QList<quint32>{lastOf(0), lastOf(1), lastOf(2)}), (QList<quint32>{ALL, ALL, 0x00FF}));
        // Page 2 holds none of them, also after the wall is resized.
        bench.click("NextPage");
        QTRY_COMPARE((QList<quint32>{lastOf(0), lastOf(1), lastOf(2)}), (QList<quint32>{0, 0, 0}));
        const qsizetype sent = ViewerBench::selections(bench.dvr(0)).size();
        bench.viewer().resize(bench.viewer().size() + QSize(40, 40));
        QTRY_VERIFY(ViewerBench::selections(bench.dvr(0)).size() > sent);
        QCOMPARE((QList<quint32>{lastOf(0), lastOf(1), lastOf(2)}), (QList<quint32>{0, 0, 0}));

        // Choosing a DVR of another group forgets the current one only.
        bench.click("LiveS");
        emit bench.tree()->changedDVR(1, 0);
        QCOMPARE(bench.viewer().connections().currentIndex(), -1);
        QVERIFY(bench.connected());
    }

    void directConnect()
    {
        ViewerBench bench;
        const DVR dvr = bench.addDvr(QStringLiteral("unused"), false);
        QTimer::singleShot(0, [] {
            QWidget* login = QApplication::activeModalWidget();
            const QList<QLineEdit*> fields = login->findChildren<QLineEdit*>();
            fields.at(0)->setText(QStringLiteral("admin"));
            fields.at(1)->setText(QStringLiteral("1234"));
            QMetaObject::invokeMethod(login, "accept");
        });
        bench.viewer().connectDVR(TestDvr::address(), bench.dvr(0).port());
        QCOMPARE(bench.viewer().connections().entries().size(), 1);
        QCOMPARE(bench.controller(0)->getDisplayStartScreen(), 0);
        QCOMPARE(bench.controller(0)->getDisplayEndScreen(), 16);
        QTRY_VERIFY_WITH_TIMEOUT(bench.showsChannels(16), SHOW_TIME_LIMIT_MS);
        QCOMPARE(leftTitle(bench), QStringLiteral("( admin )"));
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

        bench.click("RecToPC");
        QVERIFY(bench.controller(0)->isRecording());
        QVERIFY(bench.framesAfterNow(0, 200));
        emit bench.tree()->disconnectDVR(0, 0);
        QVERIFY(!bench.controller(0)->IsConnected());
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
        QCOMPARE(bench.viewer().currentGroup(), 0);
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
        QTest::newRow("new: dropped") << false << false << "Connection failed";
        QTest::newRow("old: dropped") << true << false << "Connection failed";
    }

    void failuresShowOnTheWall()
    {
        QFETCH(bool, oldProtocol);
        QFETCH(bool, wrongPassword);
        QFETCH(QString, status);
        ViewerBench bench;
        DVR dvr = bench.addDvr(QStringLiteral("My DVR"), oldProtocol);
        if (wrongPassword) {
            dvr.set_password("wrong");
        } else {
            TestDvrStreamSettings settings;
            settings.fault = TestDvrStreamSettings::Fault::CloseAfter;
            settings.faultValue = 40;
            bench.dvr(0).setStreamSettings(settings);
        }
        bench.addGroup(QStringLiteral("My Group"), {dvr});
        bench.connectGroup(0);
        const auto tile = [&] { return bench.wall()->wall()->screenWidgets().at(0); };
        QTRY_COMPARE_WITH_TIMEOUT(tile()->toolTip(), status, SHOW_TIME_LIMIT_MS);
        QVERIFY(!bench.controller(0)->IsConnected());
        QVERIFY(!QApplication::activeModalWidget());
    }

    void connectCycles()
    {
        ViewerBench bench;
        bench.addGroup(QStringLiteral("Shop"),
            {bench.addDvr(QStringLiteral("A"), false), bench.addDvr(QStringLiteral("B"), true, 8, 0x00FF)});
        for (int cycle = 0; cycle < 50; ++cycle) {
            bench.connectGroup(0);
            QTRY_VERIFY_WITH_TIMEOUT(bench.connected(), SHOW_TIME_LIMIT_MS);
            act(bench, QStringLiteral("Screen4_4 LiveM Screen3x3 NextPage LiveS Ch3"));
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
