// Search results as the playback and backup panels get them, shown on a real
// search panel: the test DVR's replies in both dialects, asked and read as
// those panels ask and read them, and minute databases written by the
// recorder, read from their folder.
#include "Connection/CReadDVRData.h"
#include "Recording/CHdbFolder.h"
#include "Recording/CSearchRequest.h"
#include "Recording/CSearchWidget.h"
#include "Recording/CTimeLine.h"
#include "Settings/CAppDir.h"
#include "Settings/CAppSettings.h"
#include "ShownSearch.h"
#include "SysData/CRecord.h"
#include "TestDvr.h"
#include "TestDvrRecordings.h"
#include "VideoFrameWrapper.h"

#include <QCalendarWidget>
#include <QLoggingCategory>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

quint32 at(const char* text)
{
    return quint32(ShownSearch::at(QLatin1String(text)));
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

// What the panel should show of the schedule for the hour that begins at
// hourStart: its hour bar and its minute grid.
QStringList expected(const TestDvrSchedule& schedule, quint32 hourStart)
{
    QString hours(24, '.');
    for (const CDateHour& hour : schedule.hours()) {
        if (hour.date == CDateHour::fromTime(hourStart).date)
            hours[hour.hour] = '#';
    }
    QStringList shown{hours};
    for (int channel = 0; channel < 16; ++channel) {
        QString row;
        for (quint32 minute = 0; minute < 60; ++minute) {
            const quint8 kind = schedule.kindInMinute(channel, hourStart + 60 * minute);
            row += kind ? QChar('0' + kind) : QChar('.');
        }
        if (row != QString(60, '.'))
            shown << QStringLiteral("c%1:%2").arg(channel).arg(row);
    }
    return shown;
}

struct Frame {
    int channel;
    quint32 time;
    int reason;
};

// One recording of a 16-channel DVR; its minute database.
QString record(const QList<Frame>& frames)
{
    const QString folder = CAppSettings().readSetting("Record").toString() + "/DVR";
    const QStringList before = QDir(folder).entryList({"*.hdb"});
    CRecord recorder;
    cgi::DvrInfo info;
    info.set_ch_num(16);
    if (!recorder.start("DVR", info, 0))
        return QString();
    for (const Frame& frame : frames)
        recorder.writeFrame(false,
            VideoFrameWrapper::newFrame(QByteArray(64, 'v'), 0, frame.channel, 704, 480, frame.time, 0, frame.reason));
    recorder.stop();
    for (const QString& name : QDir(folder).entryList({"*.hdb"})) {
        if (!before.contains(name))
            return folder + '/' + name;
    }
    return QString();
}

} // namespace

class tst_SearchResults : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void showsTheSchedule_data();
    void showsTheSchedule();
    void hugeSpanMarksOnlyTheAskedHour();
    void unusableRepliesLeaveThePanelEmpty_data();
    void unusableRepliesLeaveThePanelEmpty();
    void showsRecorderDatabases();

private:
    std::optional<CSearchDataParser> ask(const CSearchRequest& request, bool oldProtocol, int timeLimitMs = 5000);
    void show(const CSearchDataParser& parser, quint32 time);
    QStringList shown(quint32 hourStart);

    QTemporaryDir m_root;
    std::unique_ptr<TestDvr> m_dvr;
    std::unique_ptr<CSearchWidget> m_panel;
    CTimeLine* m_timeLine = nullptr;
};

void tst_SearchResults::initTestCase()
{
    QLoggingCategory::setFilterRules(QStringLiteral("qelm.network.debug=false\nqelm.network.warning=false"));
    QStandardPaths::setTestModeEnabled(true);
    CAppDir::setCurrentPathOverride(m_root.filePath("data"));
    CAppSettings().writeSetting("Record", m_root.filePath("rec"));
    CAppSettings().writeSetting("FileFormat", 0);
}

void tst_SearchResults::init()
{
    m_dvr = std::make_unique<TestDvr>();
    QVERIFY(m_dvr->listen());
    TestDvrRecordings::of(m_dvr.get())->setSchedule(twoDays());
    TestDvrRecordings::of(m_dvr.get())->setClock(at("2024-03-10 10:31:00"));
    m_panel = std::make_unique<CSearchWidget>();
    m_panel->setDVRChannels(16);
    m_timeLine = m_panel->findChild<CTimeLine*>();
    m_panel->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_panel.get()));
}

void tst_SearchResults::cleanup()
{
    m_panel.reset();
    m_dvr.reset();
}

std::optional<CSearchDataParser> tst_SearchResults::ask(
    const CSearchRequest& request, bool oldProtocol, int timeLimitMs)
{
    CReadDVRData reader;
    reader.setTimeLimit(timeLimitMs);
    QSignalSpy completed(&reader, &CReadDVRData::completed);
    const DVR dvr = m_dvr->dvrRecord(oldProtocol);
    reader.startRead(dvr, request.query(dvr));
    if (!completed.wait(timeLimitMs + 5000) || completed.at(0).at(0).toByteArray().isEmpty())
        return std::nullopt;
    return request.read(completed.at(0).at(0).toByteArray());
}

void tst_SearchResults::show(const CSearchDataParser& parser, quint32 time)
{
    if (!parser.getDateHours().empty())
        m_panel->SetDateHour(parser.getDateHours());
    m_panel->AppendDatas(parser.getMinDatas());
    m_panel->setSelectedTime(time);
}

QStringList tst_SearchResults::shown(quint32 hourStart)
{
    m_panel->setSelectedTime(hourStart);
    return QStringList{ShownSearch::hours(m_timeLine)} + ShownSearch::grid(m_timeLine);
}

void tst_SearchResults::showsTheSchedule_data()
{
    QTest::addColumn<bool>("oldProtocol");
    QTest::newRow("new dialect") << false;
    QTest::newRow("old dialect") << true;
}

void tst_SearchResults::showsTheSchedule()
{
    QFETCH(bool, oldProtocol);
    const quint32 lastShown = at("2024-03-09 22:00:00");
    const std::optional<CSearchDataParser> first = ask(
        oldProtocol ? CSearchRequest::oldDialect(3) : CSearchRequest::newDialect(true, lastShown, lastShown + 3600),
        oldProtocol);
    QVERIFY(first);
    show(*first, lastShown);
    QCOMPARE(first->getVersion(), oldProtocol ? 0u : 1u);
    if (!oldProtocol)
        QCOMPARE(CSearchDataParser(*first).getDvrTime(), at("2024-03-10 10:31:00"));

    for (const char* hour : {"2024-03-09 22:00:00", "2024-03-09 23:00:00", "2024-03-10 00:00:00", "2024-03-10 05:00:00",
             "2024-03-10 10:00:00", "2024-03-10 11:00:00", "2024-03-11 10:00:00"}) {
        // An hour without minute data yet (the spans the first reply sent
        // reach beyond its hour) shows empty rows; then the panels ask for it.
        const quint32 start = at(hour);
        if (first->getVersion() != 0 && !m_panel->IsExistInDatas(CDateHour::fromTime(start))) {
            QCOMPARE(shown(start).mid(1), QStringList());
            const auto more = ask(CSearchRequest::newDialect(false, start, start + 3600), oldProtocol);
            QVERIFY(more);
            show(*more, start);
        }
        QVERIFY2(shown(start) == expected(twoDays(), start), hour);
    }
    auto* calendar = m_panel->findChild<QCalendarWidget*>();
    for (int day = 8; day <= 11; ++day)
        QCOMPARE(ShownSearch::day(calendar, QDate(2024, 3, day)).startsWith("filled"), day == 9 || day == 10);
}

void tst_SearchResults::hugeSpanMarksOnlyTheAskedHour()
{
    TestDvrRecordings::of(m_dvr.get())->setSchedule(TestDvrSchedule().add(0, 0xFFFFFFF0, 0x0001));
    const quint32 hour = at("2024-03-09 22:00:00");
    const std::optional<CSearchDataParser> parser = ask(CSearchRequest::newDialect(false, hour, hour + 3600), false);
    QVERIFY(parser);
    QCOMPARE(parser->getMinDatas().size(), std::size_t(1));
    m_panel->SetDateHour({CDateHour::fromTime(hour)}); // as the first search named it
    show(*parser, hour);
    QCOMPARE(ShownSearch::grid(m_timeLine), QStringList{"c0:" + QString(60, '1')});
}

void tst_SearchResults::unusableRepliesLeaveThePanelEmpty_data()
{
    QTest::addColumn<bool>("oldProtocol");
    QTest::addColumn<int>("fault");
    for (bool oldProtocol : {false, true}) {
        const char* dialect = oldProtocol ? "old" : "new";
        QTest::addRow("%s dialect, no recordings", dialect) << oldProtocol << -1;
        QTest::addRow("%s dialect, error status", dialect) << oldProtocol << int(TestDvr::Fault::HttpError);
        QTest::addRow("%s dialect, garbled", dialect) << oldProtocol << int(TestDvr::Fault::Garbled);
        QTest::addRow("%s dialect, silent", dialect) << oldProtocol << int(TestDvr::Fault::NoAnswer);
    }
}

void tst_SearchResults::unusableRepliesLeaveThePanelEmpty()
{
    QFETCH(bool, oldProtocol);
    QFETCH(int, fault);
    if (fault < 0)
        TestDvrRecordings::of(m_dvr.get())->setSchedule(TestDvrSchedule());
    else
        m_dvr->setFault(TestDvr::Fault(fault), 1);
    const quint32 lastShown = at("2024-03-09 22:00:00");
    const auto parser = ask(
        oldProtocol ? CSearchRequest::oldDialect(3) : CSearchRequest::newDialect(true, lastShown, lastShown + 3600),
        oldProtocol, 300);
    if (parser)
        show(*parser, lastShown);

    for (const char* hour : {"2024-03-09 22:00:00", "2024-03-10 10:00:00"})
        QCOMPARE(shown(at(hour)), QStringList{QString(24, '.')});
    QSignalSpy changed(m_panel.get(), &CSearchWidget::changedTime);
    QTest::mouseClick(m_timeLine->findChild<QWidget*>("TimeLine_Minute"), Qt::LeftButton, {}, QPoint(7 * 30 + 3, 30));
    QCOMPARE(changed.size(), 1);
}

void tst_SearchResults::showsRecorderDatabases()
{
    // Three channels over two days; the clock is set back so that 23:59
    // comes twice; channel 2 ends with frames of record reason 0.
    QList<Frame> frames;
    for (quint32 t = at("2024-05-01 23:58:10"); t < at("2024-05-02 00:01:30"); t += 20)
        frames << Frame{0, t, 1} << Frame{1, t, 2};
    frames << Frame{2, at("2024-05-01 23:59:05"), 3} << Frame{2, at("2024-05-02 00:02:00"), 3}
           << Frame{2, at("2024-05-02 10:00:00"), 0} << Frame{2, at("2024-05-02 10:00:50"), 0};
    QVERIFY(!record(frames).isEmpty());
    // A database of which only the header reached the disk, and one whose
    // last record was cut short.
    const QString headerOnly = record({{0, at("2024-05-03 08:00:00"), 1}});
    QVERIFY(QFile::resize(headerOnly, HdbFileHeader::SIZE));
    const QString cut = record({{1, at("2024-05-04 07:00:00"), 1}, {1, at("2024-05-04 07:01:00"), 1}});
    QVERIFY(QFile::resize(cut, QFileInfo(cut).size() - 30));

    CSearchDataParser parser(false);
    HdbFileHeader header;
    header.channelCount = 0;
    QCOMPARE(CHdbFolder::read(CHdbFolder::list(m_root.filePath("rec/DVR")), &parser, &header), 3);
    QCOMPARE(header.channelCount, quint8(16));
    show(parser, parser.getDvrTime());

    const QString two = QString(58, '.');
    const auto one = [](int minute, char kind) { return QString(minute, '.') + kind + QString(59 - minute, '.'); };
    QCOMPARE(shown(at("2024-05-01 23:00:00")),
        (QStringList{QString(23, '.') + "#", "c0:" + two + "11", "c1:" + two + "22", "c2:" + one(59, '3')}));
    const QString secondDay = "#.........#" + QString(13, '.');
    QCOMPARE(
        shown(at("2024-05-02 00:00:00")), (QStringList{secondDay, "c0:11" + two, "c1:22" + two, "c2:" + one(2, '3')}));
    QCOMPARE(shown(at("2024-05-02 10:00:00")), (QStringList{secondDay, "c2:" + one(0, '1')}));
    QCOMPARE(shown(at("2024-05-03 08:00:00")), QStringList{QString(24, '.')});
    QCOMPARE(shown(at("2024-05-04 07:00:00")), (QStringList{".......#" + QString(16, '.'), "c1:" + one(0, '1')}));
    auto* calendar = m_panel->findChild<QCalendarWidget*>();
    for (int day = 1; day <= 4; ++day)
        QCOMPARE(ShownSearch::day(calendar, QDate(2024, 5, day)).startsWith("filled"), day != 3);
}

QTEST_MAIN(tst_SearchResults)
#include "tst_SearchResults.moc"
