// The playback and backup panels against the test DVR: the searches they
// send as the operator moves, and the playback buttons turned into
// commands that change the DVR's playback stream, in both dialects.
#include "Common/CCoreMetaTypes.h"
#include "Common/CDateTime.h"
#include "Common/COldQuery.h"
#include "Connection/CApplicationSender.h"
#include "Connection/CConnectDVR.h"
#include "Connection/CSendCommand.h"
#include "Display/CWaitDialog.h"
#include "Recording/CBackupWidget.h"
#include "Recording/CPlaybackWidget.h"
#include "Recording/CRemoteSearch.h"
#include "Recording/CSearchWidget.h"
#include "ShownSearch.h"
#include "TestDvr.h"
#include "TestDvrPlayback.h"
#include "TestDvrRecordings.h"
#include "dvr_protocol/cgi_protocol.h"

#include <QLoggingCategory>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <memory>

namespace {

const std::time_t HOUR = 3600;
// The time limit of a read from a silent DVR: short, and still long enough
// for a busy computer to deliver the request first.
const int SILENT_DVR_LIMIT_MS = 3000;
// Only for what never comes.
const int TIME_LIMIT_MS = 60000;
const char* const BUTTONS[] = {"PbCtrl_RevPlay", "PbCtrl_Play", "PbCtrl_Pause", "PbCtrl_Stop", "PbCtrl_PrevFrame",
    "PbCtrl_NextFrame", "PbCtrl_Slow", "PbCtrl_Fast"};

// A request as the DVR decoded it; new-dialect times relative to `hour`.
QString describe(const TestDvrRequest& request, std::time_t hour)
{
    cgi::Search search;
    if (request.dialect == TestDvrRequest::OldDialect || !search.ParseFromString(request.data.toStdString()))
        return QString::fromLatin1(request.query);
    return QStringLiteral("%1 {%2, %3, %4, %5, %6}")
        .arg(request.mode)
        .arg(search.chmask())
        .arg(search.version())
        .arg(search.hours_include())
        .arg(qint64(search.start_time()) - hour)
        .arg(qint64(search.end_time()) - hour);
}

// As the main window sends a playback command.
void sendCommand(CSendCommand& sender, const DVR& dvr, int clientId, cgi::PbControl::Cmd cmd)
{
    if (dvr.oldprotocol()) {
        static const int REQUESTS[] = {4, 6, 5, 1, 8, 7, 2, 3};
        sender.send(dvr,
            COldQuery()
                .add("MODE", 5)
                .add("CID", clientId)
                .add("OP", 8)
                .add("LEN", 1)
                .add("REQ", REQUESTS[cmd])
                .text());
        return;
    }
    cgi::PbControl control;
    control.set_stream_id(quint32(clientId));
    control.set_cmd(cmd);
    sender.send(dvr, TestDvr::newQuery(cgi::MODE_PB_CONTROL, control));
}

} // namespace

class tst_CPlaybackWidget : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void searches_data();
    void searches();
    void buttonsEmitTheirCommands();
    void commandsChangeTheStream_data();
    void commandsChangeTheStream();

private:
    std::unique_ptr<TestDvr> m_dvr;
    std::time_t m_now = 0;
};

void tst_CPlaybackWidget::initTestCase()
{
    CCoreMetaTypes::registerTypes();
    QLoggingCategory::setFilterRules(QStringLiteral("qelm.network.debug=false\nqelm.network.warning=false"));
}

void tst_CPlaybackWidget::init()
{
    m_dvr = std::make_unique<TestDvr>();
    QVERIFY(m_dvr->listen());
    // Recordings on channels 0 and 1 for a day either side of now.
    m_now = CDateTime::currentWallClock();
    const auto hour = quint32(m_now / HOUR * HOUR);
    TestDvrRecordings::of(m_dvr.get())->setSchedule(TestDvrSchedule().add(hour - 86400, hour + 86400, 0x3, {1, 2}));
}

void tst_CPlaybackWidget::cleanup()
{
    QTRY_COMPARE_WITH_TIMEOUT(CApplicationSender::pending(), 0, 15000);
    m_dvr.reset();
}

void tst_CPlaybackWidget::searches_data()
{
    QTest::addColumn<QString>("panel");
    QTest::addColumn<bool>("oldProtocol");
    QTest::addColumn<int>("clientId");
    QTest::addColumn<QString>("change"); // of the DVR's answers
    QTest::addColumn<QString>("asked");
    QTest::addColumn<QStringList>("requests");
    const QString first = "6 {65535, 1, 1, 0, 3600}";
    // Twelve hours away on the same day.
    const qint64 day = CDateTime::currentWallClock() / HOUR * HOUR % 86400;
    const qint64 away = (day + 43200) % 86400 - day;
    const QString other = QStringLiteral("6 {65535, 1, 0, %1, %2}").arg(away).arg(away + HOUR);
    const QString once = "search:1 minute:0 hour:0 back:0 reload:0";
    for (const char* panel : {"playback", "backup"}) {
        QTest::addRow("%s, new dialect", panel)
            << panel << false << 3 << ""
            << "search:1 minute:0 hour:1 back:0 reload:0" << QStringList{first, other};
        QTest::addRow("%s, old dialect", panel) << panel << true << 3 << "" << once << QStringList{"MODE=7&CID=3"};
    }
    QTest::newRow("version 0") << "playback" << false << 3 << "version 0" << once << QStringList{first};
    QTest::newRow("no client id") << "backup" << false << -1 << ""
                                  << "search:0 minute:0 hour:0 back:0 reload:0" << QStringList();
    QTest::newRow("silent DVR") << "playback" << false << 3 << "silent" << once << QStringList{first};
}

void tst_CPlaybackWidget::searches()
{
    QFETCH(QString, panel);
    QFETCH(bool, oldProtocol);
    QFETCH(int, clientId);
    QFETCH(QString, change);
    QFETCH(QString, asked);
    QFETCH(QStringList, requests);
    if (change == "version 0")
        TestDvrRecordings::of(m_dvr.get())->setVersion(0);
    if (change == "silent")
        m_dvr->setFault(TestDvr::Fault::NoAnswer);
    CPlaybackWidget playback;
    CBackupWidget backup;
    QWidget* shown = panel == "playback" ? static_cast<QWidget*>(&playback) : &backup;
    const std::time_t hour = CDateTime::currentWallClock() / HOUR * HOUR;
    if (change == "silent")
        shown->findChild<CRemoteSearch*>()->setTimeLimit(SILENT_DVR_LIMIT_MS);
    CWaitDialog* wait = shown->findChild<CRemoteSearch*>()->waitDialog();
    auto* search = shown->findChild<CSearchWidget*>();
    shown->show();

    QStringList done;
    const auto act = [&](const char* name, const std::function<void()>& action) {
        const int before = m_dvr->requestCount();
        action();
        // A request shows the wait dialog at once, until its reply: the DVR
        // has it then.
        QTRY_VERIFY_WITH_TIMEOUT(!wait->isVisible(), TIME_LIMIT_MS);
        done << QStringLiteral("%1:%2").arg(name).arg(m_dvr->requestCount() - before);
    };
    const DVR dvr = m_dvr->dvrRecord(oldProtocol);
    const std::time_t minute = hour + (m_now + 60) % HOUR / 60 * 60;
    act("search",
        [&] { panel == "playback" ? playback.search(dvr, 1, 16, clientId) : backup.search(dvr, 1, 16, clientId); });
    act("minute", [&] { ShownSearch::moveTo(search, minute); });
    const std::time_t away = hour - hour % 86400 + (hour % 86400 + 43200) % 86400;
    act("hour", [&] { ShownSearch::moveTo(search, away); });
    act("back", [&] { ShownSearch::moveTo(search, minute); });
    act("reload", [&] {
        playback.clear();
        backup.clear();
        playback.reloadSearchData();
        backup.reloadSearchData();
    });
    QCOMPARE(done.join(' '), asked);
    // Without a DVR to search, the panel says so.
    QCOMPARE(shown->findChild<QWidget*>("NoDvrLine")->isVisible(), clientId < 0);
    QStringList received;
    for (const TestDvrRequest& request : m_dvr->requests())
        received << describe(request, hour);
    QCOMPARE(received, requests);
    // The last reply is shown again.
    const CDateHour last = CDateHour::fromTime(quint32(requests.size() > 1 ? away : hour));
    QCOMPARE(search->IsExistInDatas(last), !requests.isEmpty() && change != "silent");
}

void tst_CPlaybackWidget::buttonsEmitTheirCommands()
{
    CPlaybackWidget panel;
    panel.search(m_dvr->dvrRecord(), 1, 16, -1);
    QSignalSpy commands(&panel, &CPlaybackWidget::changedPbStatus);
    for (const char* name : BUTTONS)
        QTest::mouseClick(panel.findChild<QPushButton*>(name), Qt::LeftButton);
    QList<int> sent;
    for (const QList<QVariant>& command : std::as_const(commands))
        sent << command.at(0).value<cgi::PbControl::Cmd>();
    QCOMPARE(sent, (QList<int>{1, 0, 2, 3, 4, 5, 6, 7}));
}

void tst_CPlaybackWidget::commandsChangeTheStream_data()
{
    QTest::addColumn<bool>("oldProtocol");
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<int>("mode");
    for (bool oldProtocol : {false, true}) {
        const char* dialect = oldProtocol ? "old" : "new";
        QTest::addRow("%s: reverse", dialect) << oldProtocol << QStringList{"RevPlay"} << 16;
        QTest::addRow("%s: play after a pause", dialect) << oldProtocol << QStringList{"Pause", "Play"} << 0;
        QTest::addRow("%s: pause", dialect) << oldProtocol << QStringList{"Pause"} << 48;
        QTest::addRow("%s: stop", dialect) << oldProtocol << QStringList{"Stop"} << 32;
        QTest::addRow("%s: step back", dialect) << oldProtocol << QStringList{"PrevFrame"} << 52;
        QTest::addRow("%s: step", dialect) << oldProtocol << QStringList{"NextFrame"} << 51;
        QTest::addRow("%s: slower to 1/4X", dialect) << oldProtocol << QStringList{"Slow", "Slow", "Slow"} << 33;
        QTest::addRow("%s: faster", dialect) << oldProtocol << QStringList{"Fast", "Fast"} << 2;
    }
}

void tst_CPlaybackWidget::commandsChangeTheStream()
{
    QFETCH(bool, oldProtocol);
    QFETCH(QStringList, buttons);
    QFETCH(int, mode);
    TestDvrPlayback* playback = TestDvrPlayback::of(m_dvr.get());
    const DVR dvr = m_dvr->dvrRecord(oldProtocol);
    CPlaybackWidget panel;
    CConnectDVR controller;
    controller.setDVR(dvr);
    CSendCommand sender;
    // Wired as the main window wires them.
    connect(&panel, &CPlaybackWidget::selectedTime, &controller, [&](time_t time, int channels) {
        CConnectDVR::PbBackupParam p;
        p.startTime = time;
        p.channelMask = quint32(channels);
        controller.startPlayback(p);
    });
    connect(&panel, &CPlaybackWidget::changedPbStatus, &sender,
        [&](const cgi::PbControl::Cmd& cmd) { sendCommand(sender, dvr, controller.getClientID(), cmd); });
    panel.show();
    panel.search(dvr, 1, 2, 1);
    QTRY_VERIFY(!panel.findChild<CRemoteSearch*>()->waitDialog()->isVisible());
    // Chooses the shown minute, which holds recordings.
    const std::time_t shown = panel.findChild<CSearchWidget*>()->getSelectedDateTime();
    QTest::mouseDClick(
        panel.findChild<QWidget*>("TimeLine_Minute"), Qt::LeftButton, {}, QPoint(7 * int(shown % HOUR / 60) + 3, 30));
    QTRY_VERIFY(controller.getClientID() > 0);
    const int stream = controller.getClientID();
    QTRY_COMPARE(playback->mode(stream), 0);

    for (const QString& button : buttons)
        QTest::mouseClick(panel.findChild<QPushButton*>("PbCtrl_" + button), Qt::LeftButton);
    QTRY_COMPARE(playback->mode(stream), mode);
    // The client sees it in the playback status, or (old dialect) in the
    // headers of the frames that still come.
    if (!oldProtocol || (mode != 48 && mode != 32))
        QTRY_COMPARE(controller.findChild<CHttpConnect*>("video")->displayInfo().pbMode, mode);
    controller.disconnect();
}

QTEST_MAIN(tst_CPlaybackWidget)
#include "tst_CPlaybackWidget.moc"
