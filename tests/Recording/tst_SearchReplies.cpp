// Search replies of the test DVR, read and parsed as the playback and backup
// panels ask for them, shown on a real search panel.
#include "Recording/CReadDVRData.h"
#include "Recording/CSearchRequest.h"
#include "Recording/CSearchWidget.h"
#include "Recording/CTimeLine.h"
#include "ShownSearch.h"
#include "TestDvr.h"
#include "TestDvrRecordings.h"

#include <QCalendarWidget>
#include <QLoggingCategory>
#include <QSignalSpy>
#include <QTest>

namespace {

const int CLIENT_ID = 3;

quint32 at(const char* text)
{
    QDateTime time = QDateTime::fromString(QLatin1String(text), "yyyy-MM-dd hh:mm:ss");
    time.setTimeSpec(Qt::UTC);
    return quint32(time.toSecsSinceEpoch());
}

// Two days: two channels of kinds 1 and 2 in the evening, one of kind 3
// across midnight, a gap, then a span starting inside a minute and two
// channels far apart.
TestDvrSchedule twoDays()
{
    TestDvrSchedule schedule;
    schedule.add(at("2024-03-09 22:10:00"), at("2024-03-09 23:30:00"), 0x0003, {1, 2})
        .add(at("2024-03-09 23:45:30"), at("2024-03-10 00:20:00"), 0x0004, {0, 0, 3})
        .add(at("2024-03-10 10:00:30"), at("2024-03-10 10:02:00"), 0x8000, QList<quint8>(16, 2))
        .add(at("2024-03-10 10:30:00"), at("2024-03-10 11:15:00"), 0x0081, {3, 0, 0, 0, 0, 0, 0, 1});
    return schedule;
}

// The rows a search panel should show for the hour that begins at hourStart.
QStringList expectedGrid(const TestDvrSchedule& schedule, quint32 hourStart)
{
    QStringList rows;
    for (int channel = 0; channel < 16; ++channel) {
        QString row;
        for (quint32 minute = 0; minute < 60; ++minute) {
            const quint8 kind = schedule.kindInMinute(channel, hourStart + 60 * minute);
            row += kind ? QChar('0' + kind) : QChar('.');
        }
        if (row != QString(60, '.'))
            rows << QStringLiteral("c%1:%2").arg(channel).arg(row);
    }
    return rows;
}

QString expectedHours(const TestDvrSchedule& schedule, quint32 hourStart)
{
    QString hours(24, '.');
    const CDateHour shown = CDateHour::fromTime(hourStart);
    for (const CDateHour& hour : schedule.hours()) {
        if (hour.date == shown.date)
            hours[hour.hour] = '#';
    }
    return hours;
}

} // namespace

class tst_SearchReplies : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void showsTheSchedule_data();
    void showsTheSchedule();
    void marksOnlyTheAskedHour_data();
    void marksOnlyTheAskedHour();
    void unusableRepliesLeaveThePanelEmpty_data();
    void unusableRepliesLeaveThePanelEmpty();

private:
    // Asks the test DVR and shows the reply as the panels do.
    bool search(const CSearchRequest& request, bool oldProtocol, int timeLimitMs = 5000);
    std::optional<CSearchDataParser> ask(const CSearchRequest& request, bool oldProtocol, int timeLimitMs = 5000);
    void show(const CSearchDataParser& parser, quint32 time);
    void startPanel();

    std::unique_ptr<TestDvr> m_dvr;
    std::unique_ptr<CSearchWidget> m_panel;
    CTimeLine* m_timeLine = nullptr;
};

void tst_SearchReplies::initTestCase()
{
    QLoggingCategory::setFilterRules(QStringLiteral("qelm.network.debug=false\nqelm.network.warning=false"));
}

void tst_SearchReplies::init()
{
    m_dvr = std::make_unique<TestDvr>();
    QVERIFY(m_dvr->listen());
    TestDvrRecordings::of(m_dvr.get())->setSchedule(twoDays());
    TestDvrRecordings::of(m_dvr.get())->setClock(at("2024-03-10 10:31:00"));
    m_panel = std::make_unique<CSearchWidget>();
    m_panel->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_panel.get()));
}

void tst_SearchReplies::cleanup()
{
    m_panel.reset();
    m_dvr.reset();
}

void tst_SearchReplies::startPanel()
{
    m_panel->clear();
    m_panel->setDVRChannels(16);
    m_timeLine = m_panel->findChild<CTimeLine*>();
}

std::optional<CSearchDataParser> tst_SearchReplies::ask(
    const CSearchRequest& request, bool oldProtocol, int timeLimitMs)
{
    CReadDVRData reader;
    reader.setTimeLimit(timeLimitMs);
    QSignalSpy completed(&reader, &CReadDVRData::completed);
    const DVR dvr = m_dvr->dvrRecord(oldProtocol);
    reader.startRead(dvr, request.query(dvr));
    if (!completed.wait(timeLimitMs + 5000))
        return std::nullopt;
    const QByteArray reply = completed.at(0).at(0).toByteArray();
    if (reply.isEmpty())
        return std::nullopt;
    return request.read(reply);
}

void tst_SearchReplies::show(const CSearchDataParser& parser, quint32 time)
{
    if (!parser.getDateHours().empty())
        m_panel->SetDateHour(parser.getDateHours());
    m_panel->AppendDatas(parser.getMinDatas());
    m_panel->setSelectedTime(time);
}

bool tst_SearchReplies::search(const CSearchRequest& request, bool oldProtocol, int timeLimitMs)
{
    const std::optional<CSearchDataParser> parser = ask(request, oldProtocol, timeLimitMs);
    if (parser)
        show(*parser, request.start());
    return parser.has_value();
}

void tst_SearchReplies::showsTheSchedule_data()
{
    QTest::addColumn<bool>("oldProtocol");
    QTest::newRow("new dialect") << false;
    QTest::newRow("old dialect") << true;
}

void tst_SearchReplies::showsTheSchedule()
{
    QFETCH(bool, oldProtocol);
    const TestDvrSchedule schedule = twoDays();
    const quint32 lastShown = at("2024-03-09 22:00:00");
    startPanel();
    const CSearchRequest first = oldProtocol ? CSearchRequest::oldDialect(CLIENT_ID)
                                             : CSearchRequest::newDialect(true, lastShown, lastShown + 3600);
    const std::optional<CSearchDataParser> parser = ask(first, oldProtocol);
    QVERIFY(parser);
    show(*parser, lastShown);
    QCOMPARE(parser->getVersion(), oldProtocol ? 0u : 1u);
    if (!oldProtocol)
        QCOMPARE(CSearchDataParser(*parser).getDvrTime(), at("2024-03-10 10:31:00"));

    auto* calendar = m_panel->findChild<QCalendarWidget*>();
    const quint32 views[] = {at("2024-03-09 22:00:00"), at("2024-03-09 23:00:00"), at("2024-03-10 00:00:00"),
        at("2024-03-10 05:00:00"), at("2024-03-10 10:00:00"), at("2024-03-10 11:00:00"), at("2024-03-11 10:00:00")};
    for (const quint32 hour : views) {
        const CDateHour key = CDateHour::fromTime(hour);
        // A follow-up search for an hour without minute data, as the panels send.
        if (parser->getVersion() != 0 && !m_panel->IsExistInDatas(key))
            QVERIFY(search(CSearchRequest::newDialect(false, hour, hour + 3600), oldProtocol));
        m_panel->setSelectedTime(hour);
        const QString when = QDateTime::fromSecsSinceEpoch(hour, Qt::UTC).toString(Qt::ISODate);
        QVERIFY2(ShownSearch::hours(m_timeLine) == expectedHours(schedule, hour), qPrintable(when));
        QVERIFY2(ShownSearch::grid(m_timeLine, 16) == expectedGrid(schedule, hour), qPrintable(when));
    }
    for (const char* date : {"2024-03-08", "2024-03-09", "2024-03-10", "2024-03-11"}) {
        const QDate day = QDate::fromString(QLatin1String(date), Qt::ISODate);
        const bool recorded = day.day() == 9 || day.day() == 10;
        QVERIFY2(ShownSearch::day(calendar, day).filled == recorded, date);
    }
}

void tst_SearchReplies::marksOnlyTheAskedHour_data()
{
    QTest::addColumn<TestDvrSchedule>("schedule");
    QTest::addColumn<QStringList>("grid");
    QTest::newRow("spans reaching beyond the hour")
        << twoDays()
        << QStringList{"c0:" + QString(10, '.') + QString(50, '1'), "c1:" + QString(10, '.') + QString(50, '2')};
    QTest::newRow("span 0 to 0xFFFFFFF0")
        << TestDvrSchedule().add(0, 0xFFFFFFF0, 0x0001) << QStringList{"c0:" + QString(60, '1')};
}

void tst_SearchReplies::marksOnlyTheAskedHour()
{
    QFETCH(TestDvrSchedule, schedule);
    QFETCH(QStringList, grid);
    TestDvrRecordings::of(m_dvr.get())->setSchedule(schedule);
    const quint32 hour = at("2024-03-09 22:00:00");
    startPanel();
    const std::optional<CSearchDataParser> parser = ask(CSearchRequest::newDialect(false, hour, hour + 3600), false);
    QVERIFY(parser);
    QCOMPARE(parser->getMinDatas().size(), std::size_t(1));
    // The hour as a first search named it.
    m_panel->SetDateHour({CDateHour::fromTime(hour)});
    show(*parser, hour);
    QCOMPARE(ShownSearch::grid(m_timeLine, 16), grid);
}

void tst_SearchReplies::unusableRepliesLeaveThePanelEmpty_data()
{
    QTest::addColumn<bool>("oldProtocol");
    QTest::addColumn<int>("fault");
    QTest::addColumn<bool>("emptySchedule");
    for (bool oldProtocol : {false, true}) {
        const char* dialect = oldProtocol ? "old" : "new";
        QTest::addRow("%s dialect, no recordings", dialect) << oldProtocol << int(TestDvr::Fault::None) << true;
        QTest::addRow("%s dialect, error status", dialect) << oldProtocol << int(TestDvr::Fault::HttpError) << false;
        QTest::addRow("%s dialect, garbled", dialect) << oldProtocol << int(TestDvr::Fault::Garbled) << false;
        QTest::addRow("%s dialect, silent", dialect) << oldProtocol << int(TestDvr::Fault::NoAnswer) << false;
    }
}

void tst_SearchReplies::unusableRepliesLeaveThePanelEmpty()
{
    QFETCH(bool, oldProtocol);
    QFETCH(int, fault);
    QFETCH(bool, emptySchedule);
    if (emptySchedule)
        TestDvrRecordings::of(m_dvr.get())->setSchedule(TestDvrSchedule());
    m_dvr->setFault(TestDvr::Fault(fault), 1);
    const quint32 lastShown = at("2024-03-09 22:00:00");
    startPanel();
    m_panel->setSelectedTime(lastShown);
    search(oldProtocol ? CSearchRequest::oldDialect(CLIENT_ID)
                       : CSearchRequest::newDialect(true, lastShown, lastShown + 3600),
        oldProtocol, 300);

    for (const quint32 hour : {at("2024-03-09 22:00:00"), at("2024-03-10 10:00:00")}) {
        m_panel->setSelectedTime(hour);
        QCOMPARE(ShownSearch::hours(m_timeLine), QString(24, '.'));
        QCOMPARE(ShownSearch::grid(m_timeLine, 16), QStringList());
    }
    QSignalSpy changed(m_panel.get(), &CSearchWidget::changedTime);
    QTest::mouseClick(m_timeLine->findChild<QWidget*>("TimeLine_Minute"), Qt::LeftButton, {}, QPoint(7 * 30 + 3, 30));
    QCOMPARE(changed.size(), 1);
    QCOMPARE(m_timeLine->getMinute(), 30);
}

QTEST_MAIN(tst_SearchReplies)
#include "tst_SearchReplies.moc"
