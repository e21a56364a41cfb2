#include "AbortProbe.h"
#include "Common/CHourData.h"
#include "Common/CSearchDataParser.h"
#include "TestDvrOldSearch.h"
#include "dvr_protocol/cal_data.pb.h"

#include <QDateTime>
#include <QTest>
#include <QtEndian>
#include <csignal>

namespace {

constexpr quint32 JAN_1_2014 = 1388534400; // 2014-01-01 00:00:00 on the DVR's clock
constexpr quint32 TEN = JAN_1_2014 + 10 * 3600;

struct Span {
    quint32 start;
    quint32 end;
    quint32 mask;
    QList<quint32> reasons;
};

QByteArray calendar(
    const QList<Span>& spans, quint32 version, const QList<QList<quint32>>& hours = {}, quint32 dvrTime = TEN + 1234)
{
    cgi::CalData reply;
    reply.set_dvr_time(dvrTime);
    reply.set_version(version);
    for (const Span& span : spans) {
        cgi::CalItem* item = reply.add_items();
        item->set_start_time(span.start);
        item->set_end_time(span.end);
        item->set_record_chmask(span.mask);
        for (quint32 reason : span.reasons)
            item->add_record_reason(reason);
    }
    for (const QList<quint32>& hour : hours) {
        cgi::CalHourItem* item = reply.add_hours();
        item->set_year(hour.value(0));
        item->set_mon(hour.value(1));
        item->set_mday(hour.value(2));
        item->set_hour(hour.value(3));
    }
    return QByteArray::fromStdString(reply.SerializeAsString());
}

QByteArray localRecord(quint32 minute, quint32 mask, const QList<quint8>& kinds)
{
    QByteArray record(76, '\0');
    qToLittleEndian(minute, record.data());
    qToLittleEndian(minute + 60, record.data() + 4);
    qToLittleEndian(mask, record.data() + 8);
    for (qsizetype channel = 0; channel < kinds.size(); ++channel)
        record[12 + channel] = char(kinds.at(channel));
    record.replace(28, 32, QByteArray(32, '\xFF'));
    return record;
}

QString dateHour(const CDateHour& key)
{
    return QStringLiteral("%1-%2-%3 %4")
        .arg(key.date.year, 4, 10, QChar('0'))
        .arg(key.date.month, 2, 10, QChar('0'))
        .arg(key.date.day, 2, 10, QChar('0'))
        .arg(key.hour, 2, 10, QChar('0'));
}

// Every marked minute as "yyyy-MM-dd hh:mm c<channel>=<kind>", hour by hour,
// channel by channel.
QStringList marks(const CSearchDataParser& parser)
{
    QStringList found;
    for (const auto& [key, grid] : parser.getMinDatas()) {
        for (int channel = 0; channel < MAX_DVR_CHANNEL; ++channel) {
            for (int minute = 0; minute < MINS_OF_HOUR; ++minute) {
                if (const int kind = grid.GetData(channel)[minute])
                    found << QStringLiteral("%1:%2 c%3=%4")
                                 .arg(dateHour(key))
                                 .arg(minute, 2, 10, QChar('0'))
                                 .arg(channel)
                                 .arg(kind);
            }
        }
    }
    return found;
}

QStringList hours(const CSearchDataParser& parser)
{
    QStringList found;
    for (const CDateHour& key : parser.getDateHours())
        found << dateHour(key);
    return found;
}

QByteArray oldReply(const QList<QByteArray>& records)
{
    QByteArray reply = TestDvrOldSearch::record(0, 0, 0, {});
    for (const QByteArray& record : records)
        reply += record;
    return reply;
}

} // namespace

class tst_CSearchDataParser : public QObject {
    Q_OBJECT

private slots:
    void oldReplies_data();
    void oldReplies();
    void newReplies_data();
    void newReplies();
    void hugeSpanStaysInTheRange();
    void newReplyWithoutRangeMarksNothing();
    void unreadableReply();
    void newReplyReplacesEarlierResults();
    void localFiles();
    void perDateData();
    void timeLineInvariants_data();
    void timeLineInvariants();
};

void tst_CSearchDataParser::oldReplies_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QStringList>("marked");

    const qint32 ten = qint32(TEN);
    const QByteArray good = TestDvrOldSearch::record(ten + 5, ten + 59, 0x0003, {0, 2});
    QTest::newRow("the first record is the header")
        << TestDvrOldSearch::record(ten + 5, ten + 59, 0x0003, {0, 2}) << QStringList{};
    QTest::newRow("kinds 0, 1, 2 and others")
        << oldReply({TestDvrOldSearch::record(ten + 60, ten + 61, 0x000F, {0, 1, 2, 3})})
        << QStringList{"2014-01-01 10:01 c0=1", "2014-01-01 10:01 c1=2", "2014-01-01 10:01 c2=3"};
    QTest::newRow("a record of a minute or more")
        << oldReply({TestDvrOldSearch::record(ten + 5, ten + 65, 0x0003, {0, 2})}) << QStringList{};
    QTest::newRow("terminator ends the data") << oldReply({TestDvrOldSearch::terminator(), good}) << QStringList{};
    QTest::newRow("terminator-like record with mask 254 is skipped")
        << oldReply({TestDvrOldSearch::record(-1, -1, 254, {}), good})
        << QStringList{"2014-01-01 10:00 c0=1", "2014-01-01 10:00 c1=3"};
    QTest::newRow("start not after 1970") << oldReply({TestDvrOldSearch::record(0, 10, 1, {0})}) << QStringList{};
    QTest::newRow("mask bits above 15 mark nothing")
        << oldReply({TestDvrOldSearch::record(ten, ten + 1, 0x30000, {0})}) << QStringList{};
    QTest::newRow("end before start") << oldReply({TestDvrOldSearch::record(ten + 9, ten + 8, 1, {0})})
                                      << QStringList{};
    QTest::newRow("trailing part of a record is not read") << oldReply({good.left(31)}) << QStringList{};
}

void tst_CSearchDataParser::oldReplies()
{
    QFETCH(QByteArray, reply);
    QFETCH(QStringList, marked);
    CSearchDataParser parser(true);
    parser.setNetData(reply.constData(), int(reply.size()));
    QCOMPARE(marks(parser), marked);
    QCOMPARE(hours(parser), marked.isEmpty() ? QStringList{} : QStringList{"2014-01-01 10"});
    QCOMPARE(parser.getVersion(), 0u);
}

void tst_CSearchDataParser::newReplies_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QStringList>("marked");
    QTest::addColumn<QStringList>("hourSet");

    const QStringList tenHour{"2014-01-01 10"};
    QTest::newRow("half-minute start, whole-minute end")
        << calendar({{TEN + 30, TEN + 120, 0x1, {2}}}, 0)
        << QStringList{"2014-01-01 10:00 c0=2", "2014-01-01 10:01 c0=2"} << tenHour;
    QTest::newRow("end one second into a minute")
        << calendar({{TEN + 30, TEN + 121, 0x1, {2}}}, 0)
        << QStringList{"2014-01-01 10:00 c0=2", "2014-01-01 10:01 c0=2", "2014-01-01 10:02 c0=2"} << tenHour;
    QTest::newRow("start and end on the same whole minute")
        << calendar({{TEN + 60, TEN + 60, 0x1, {1}}}, 0) << QStringList{} << QStringList{};
    QList<quint32> twenty;
    for (quint32 i = 0; i < 20; ++i)
        twenty << i + 1;
    QStringList sixteen;
    for (int channel = 0; channel < 16; ++channel)
        sixteen << QStringLiteral("2014-01-01 10:00 c%1=%2").arg(channel).arg(channel + 1);
    QTest::newRow("twenty kinds use the first sixteen")
        << calendar({{TEN, TEN + 60, 0xFFFFFFFF, twenty}}, 0) << sixteen << tenHour;
    QTest::newRow("low byte of a kind") << calendar({{TEN, TEN + 60, 0x1, {0x1FF}}}, 0)
                                        << QStringList{"2014-01-01 10:00 c0=255"} << tenHour;
    QTest::newRow("only channels of the mask")
        << calendar({{TEN, TEN + 60, 0x0A, {1, 2, 3, 4}}}, 0)
        << QStringList{"2014-01-01 10:00 c1=2", "2014-01-01 10:00 c3=4"} << tenHour;
    QTest::newRow("version 1 without hours")
        << calendar({{TEN, TEN + 60, 0x1, {1}}}, 1) << QStringList{"2014-01-01 10:00 c0=1"} << QStringList{};
    QTest::newRow("version 1 lists its hours")
        << calendar({{TEN, TEN + 60, 0x1, {1}}}, 1, {{2014, 1, 1, 3}, {2013, 12, 31, 23}})
        << QStringList{"2014-01-01 10:00 c0=1"} << QStringList{"2013-12-31 23", "2014-01-01 03"};
    QTest::newRow("hours that are no real date are left out")
        << calendar({}, 1, {{2014, 13, 1, 3}, {2014, 2, 30, 1}, {2014, 1, 1, 24}, {0, 0, 0, 0}, {2014, 1, 2, 5}})
        << QStringList{} << QStringList{"2014-01-02 05"};
    QTest::newRow("spans outside the range")
        << calendar({{TEN - 600, TEN - 1, 0x1, {1}}, {TEN + 3600, TEN + 4000, 0x1, {1}}}, 0) << QStringList{}
        << QStringList{};
    QTest::newRow("span across the range's start")
        << calendar({{TEN - 600, TEN + 90, 0x1, {3}}}, 0)
        << QStringList{"2014-01-01 10:00 c0=3", "2014-01-01 10:01 c0=3"} << tenHour;
}

void tst_CSearchDataParser::newReplies()
{
    QFETCH(QByteArray, reply);
    QFETCH(QStringList, marked);
    QFETCH(QStringList, hourSet);
    CSearchDataParser parser(false);
    parser.setSearchRange(TEN, TEN + 3600);
    parser.setNetData(reply.constData(), int(reply.size()));
    QCOMPARE(marks(parser), marked);
    QCOMPARE(hours(parser), hourSet);
    QCOMPARE(parser.getDvrTime(), TEN + 1234);
}

void tst_CSearchDataParser::hugeSpanStaysInTheRange()
{
    const QByteArray reply = calendar({{0, 0xFFFFFFF0, 0xFFFF, QList<quint32>(16, 1)}}, 0);
    CSearchDataParser parser(false);
    parser.setSearchRange(TEN, TEN + 3600);
    parser.setNetData(reply.constData(), int(reply.size()));
    QCOMPARE(parser.getMinDatas().size(), std::size_t(1));
    QCOMPARE(marks(parser).size(), 16 * 60);
    QCOMPARE(hours(parser), QStringList{"2014-01-01 10"});

    // A range at the very end of the 32-bit time does not wrap around.
    CSearchDataParser late(false);
    late.setSearchRange(0xFFFFFF00, 0xFFFFFFFF);
    late.setNetData(reply.constData(), int(reply.size()));
    QCOMPARE(late.getMinDatas().size(), std::size_t(1));
    QCOMPARE(marks(late).size(), 16 * 4);
}

void tst_CSearchDataParser::newReplyWithoutRangeMarksNothing()
{
    const QByteArray reply = calendar({{TEN, TEN + 60, 0x1, {1}}}, 1, {{2014, 1, 1, 10}});
    CSearchDataParser parser(false);
    parser.setNetData(reply.constData(), int(reply.size()));
    QVERIFY(parser.getMinDatas().empty());
    QCOMPARE(hours(parser), QStringList{"2014-01-01 10"});
}

void tst_CSearchDataParser::unreadableReply()
{
    CSearchDataParser parser(false);
    parser.setSearchRange(TEN, TEN + 3600);
    const QByteArray broken("\x0A\xFF\xFF\xFF", 4);
    parser.setNetData(broken.constData(), int(broken.size()));
    QVERIFY(parser.getMinDatas().empty());
    QVERIFY(parser.getDateHours().empty());
    QCOMPARE(parser.getVersion(), 0u);
    // No DVR time: the PC's time stands in.
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    QVERIFY(qAbs(qint64(parser.getDvrTime()) - now) < 5);
    parser.setNetData(nullptr, 10);
    QVERIFY(parser.getMinDatas().empty());
}

void tst_CSearchDataParser::newReplyReplacesEarlierResults()
{
    CSearchDataParser parser(false);
    parser.setSearchRange(TEN, TEN + 3600);
    const QByteArray first = calendar({{TEN, TEN + 60, 0x1, {1}}}, 0, {}, 77);
    parser.setNetData(first.constData(), int(first.size()));
    const QByteArray second = calendar({{TEN + 120, TEN + 180, 0x2, {0, 2}}}, 5, {{2014, 1, 1, 10}}, 99);
    parser.setNetData(second.constData(), int(second.size()));
    QCOMPARE(marks(parser), QStringList{"2014-01-01 10:02 c1=2"});
    QCOMPARE(parser.getVersion(), 5u);
    QCOMPARE(parser.getDvrTime(), 99u);
}

void tst_CSearchDataParser::localFiles()
{
    CSearchDataParser parser(false);
    const QByteArray first = localRecord(TEN, 0x0005, {1, 0, 6}) + localRecord(TEN + 60, 0x1, {2});
    const QByteArray second = localRecord(TEN + 7200, 0x2, {0, 3}) + localRecord(TEN, 0x1, {3});
    parser.setLocalData(first.constData(), int(first.size()));
    parser.setLocalData(second.constData(), int(second.size()));
    const QByteArray cut = localRecord(TEN + 9999, 0x1, {1}).left(75);
    parser.setLocalData(cut.constData(), int(cut.size()));

    QCOMPARE(parser.getDvrTime(), TEN);
    QCOMPARE(marks(parser),
        (QStringList{
            "2014-01-01 10:00 c0=3", "2014-01-01 10:01 c0=2", "2014-01-01 10:00 c2=2", "2014-01-01 12:00 c1=3"}));
    QCOMPARE(hours(parser), (QStringList{"2014-01-01 10", "2014-01-01 12"}));
    QCOMPARE(parser.getVersion(), 0u);
}

void tst_CSearchDataParser::perDateData()
{
    CSearchDataParser parser(false);
    const QByteArray records = localRecord(TEN + 120, 0x8001, {1}) + localRecord(TEN + 86400, 0x2, {0, 2});
    parser.setLocalData(records.constData(), int(records.size()));
    std::map<CDate, _TIMELINE_DATA>& days = parser.getData();
    QCOMPARE(days.size(), std::size_t(2));
    const _TIMELINE_DATA& first = days.at(CDate(2014, 1, 1));
    QCOMPARE(first.data[0][10][2], 1u);
    QCOMPARE(first.data[15][10][2], 1u); // recorded with kind 0: shown as kind 1
    QCOMPARE(first.data[0][10][3], 0u);
    QCOMPARE(days.at(CDate(2014, 1, 2)).data[1][10][0], 2u);
    parser.clear();
    QVERIFY(parser.getData().empty());
    QVERIFY(parser.getMinDatas().empty());
}

void tst_CSearchDataParser::timeLineInvariants_data()
{
    QTest::addColumn<int>("channel");
    QTest::addColumn<int>("minute");
    QTest::addColumn<int>("hour");
    QTest::addColumn<QByteArray>("message");
    QTest::newRow("channel 16") << 16 << 0 << 0 << QByteArray("0 <= ch && ch < MAX_DVR_CHANNEL");
    QTest::newRow("minute 60") << 0 << 60 << 0 << QByteArray("0 <= min && min < MINS_OF_HOUR");
    QTest::newRow("hour 24") << 0 << 0 << 24 << QByteArray("0 <= h && h < HOURS_OF_DAY");
}

void tst_CSearchDataParser::timeLineInvariants()
{
    QFETCH(int, channel);
    QFETCH(int, minute);
    QFETCH(int, hour);
    QFETCH(QByteArray, message);
    const AbortProbe::Outcome outcome = AbortProbe::run([=] {
        // The child writes the failure to its error output, not to the test log.
        qInstallMessageHandler(nullptr);
        std::signal(SIGABRT, SIG_DFL);
        CMinData minutes;
        minutes.SetData(channel, minute, 1);
        CHourData day;
        day[hour] = 1;
    });
    QVERIFY(outcome.aborted);
    QVERIFY2(outcome.errorOutput.contains(message), outcome.errorOutput.constData());

    CMinData minutes;
    minutes.SetData(15, 59, 3);
    QCOMPARE(minutes.GetData(15)[59], 3);
    CHourData day;
    day[23] = 1;
    QCOMPARE(std::as_const(day)[23], 1);
}

QTEST_GUILESS_MAIN(tst_CSearchDataParser)
#include "tst_CSearchDataParser.moc"
