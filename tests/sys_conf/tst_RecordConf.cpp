#include "ConfTestSupport.h"
#include "sys_conf/proto/record.pb.h"

#include <QtTest>

namespace {

QByteArray repeated(const char* hexElement, int count)
{
    return QByteArray::fromHex(hexElement).repeated(count);
}

} // namespace

class tst_RecordConf : public QObject {
    Q_OBJECT

private slots:
    void golden_data();
    void golden();
    void parsing_data();
    void parsing();
    void invalidHourMovesLaterHoursUp();
    void defaults();
    void clearRestoresDefaults();
    void enumerationRanges_data();
    void enumerationRanges();
};

void tst_RecordConf::golden_data()
{
    addGoldenColumns();

    addGoldenRow("new channel", config::Record_Channel(), "");

    config::Record_Channel channel;
    channel.set_resolution(config::RESOLUTION_D1);
    for (unsigned fps : {30u, 15u, 7u, 7u}) {
        channel.add_qual(config::QUALITY_HIGH);
        channel.add_fps(fps);
    }
    channel.set_record_mode(config::RECORD_CONTINUOUS);
    addGoldenRow("channel with every list but the event ones", channel, "0802 1002 1002 1002 1002 1a04 1e0f0707 3001");

    channel.Clear();
    channel.add_qual_evt(config::QUALITY_SUPER);
    channel.add_qual_evt(config::QUALITY_LOW);
    channel.add_fps_evt(200);
    channel.set_resolution(config::RESOLUTION_960H);
    addGoldenRow("event quality and frame rate", channel, "0803 2003 2000 2a02 c801");

    channel.Clear();
    channel.add_qual(config::QUALITY_LOW);
    addGoldenRow("empty frame rates write no field", channel, "1000");

    config::Record_Schedule schedule;
    for (int hour = 0; hour < 168; ++hour)
        schedule.add_record_mode(config::RECORD_MANUAL);
    addGoldenRow("week of manual hours", schedule, repeated("0800", 168));

    config::Record record;
    record.add_channel();
    addGoldenRow("one default channel", record, "0a00");

    record.Clear();
    record.mutable_playback()->set_start_point(config::Record_Playback::START_FIRST);
    record.mutable_playback()->set_chmode(15);
    record.mutable_playback()->set_audio_play(true);
    record.mutable_misc()->set_audio_rec(false);
    record.add_schedule()->add_record_mode(config::RECORD_SCHEDULE_4);
    addGoldenRow("schedule, switches and playback", record, "1202 0809 1a02 0800 2206 080f 1005 1801");
}

void tst_RecordConf::golden()
{
    checkGoldenRow();
}

void tst_RecordConf::parsing_data()
{
    addParseColumns();

    addParseRow<config::Record_Channel>("unpacked frame rates", "181e 180f 1807 1807", "1a04 1e0f0707");
    addParseRow<config::Record_Channel>("unpacked event frame rates", "2819 2a01 05", "2a02 1905");
    addParseRow<config::Record_Channel>("packed qualities", "1202 0203", "1002 1003");
    addParseRow<config::Record_Channel>("quality 4 dropped, 3 kept", "1004 1003", "1003");
    addParseRow<config::Record_Channel>("packed event qualities, 4 dropped", "2202 0104", "2001");
    addParseRow<config::Record_Channel>("resolution 4 dropped", "0801 0804", "0801");
    addParseRow<config::Record_Channel>("record mode 10 dropped", "300a", "");
    addParseRow<config::Record_Schedule>("packed schedule", "0a03 000105", "0800 0801 0805");
    addParseRow<config::Record_Playback>("start point 6 dropped", "1003 1006", "1003");
    addParseRow<config::Record_Playback>("start point 6 leaves it absent", "1006", "");
}

void tst_RecordConf::parsing()
{
    checkParseRow();
}

void tst_RecordConf::invalidHourMovesLaterHoursUp()
{
    QByteArray input;
    for (int hour = 0; hour < 168; ++hour)
        input += QByteArray::fromHex("08") + char(hour == 40 ? 10 : hour % 6);

    config::Record_Schedule schedule;
    QVERIFY(CConfParser::parse(input, schedule));

    QCOMPARE(schedule.record_mode_size(), 167);
    QCOMPARE(int(schedule.record_mode(39)), 39 % 6);
    QCOMPARE(int(schedule.record_mode(40)), 41 % 6);
    QCOMPARE(int(schedule.record_mode(166)), 167 % 6);
}

void tst_RecordConf::defaults()
{
    const config::Record_Channel channel;
    QCOMPARE(channel.resolution(), config::RESOLUTION_960H);
    QCOMPARE(channel.record_mode(), config::RECORD_MANUAL);
    QCOMPARE(channel.qual_size() + channel.fps_size() + channel.qual_evt_size() + channel.fps_evt_size(), 0);

    const config::Record record;
    QCOMPARE(record.misc().audio_rec(), true);
    QCOMPARE(record.misc().time_overlay(), false);
    QCOMPARE(record.playback().start_point(), config::Record_Playback::START_FIRST);
    QCOMPARE(record.playback().chmode(), 0u);
    QCOMPARE(record.playback().audio_play(), false);
}

void tst_RecordConf::clearRestoresDefaults()
{
    config::Record_Misc misc;
    misc.set_audio_rec(false);
    misc.Clear();
    QCOMPARE(misc.audio_rec(), true);
    QVERIFY(!misc.has_audio_rec());

    config::Record_Channel channel;
    channel.set_resolution(config::RESOLUTION_CIF);
    channel.add_fps(30);
    channel.add_qual_evt(config::QUALITY_LOW);
    channel.Clear();
    QCOMPARE(channel.resolution(), config::RESOLUTION_960H);
    QCOMPARE(channel.fps_size(), 0);
    QCOMPARE(channel.qual_evt_size(), 0);
}

void tst_RecordConf::enumerationRanges_data()
{
    QTest::addColumn<int>("arraySize");
    QTest::addColumn<int>("expected");
    QTest::addColumn<bool>("lastValid");
    QTest::addColumn<bool>("pastLastValid");

    QTest::newRow("resolution") << int(config::Resolution_ARRAYSIZE) << 4 << config::Resolution_IsValid(3)
                                << config::Resolution_IsValid(4);
    QTest::newRow("quality") << int(config::Quality_ARRAYSIZE) << 4 << config::Quality_IsValid(3)
                             << config::Quality_IsValid(4);
    QTest::newRow("record mode") << int(config::RecordMode_ARRAYSIZE) << 10 << config::RecordMode_IsValid(9)
                                 << config::RecordMode_IsValid(10);
    QTest::newRow("start point") << int(config::Record_Playback::Start_ARRAYSIZE) << 6
                                 << config::Record_Playback_Start_IsValid(5)
                                 << config::Record_Playback_Start_IsValid(6);
}

void tst_RecordConf::enumerationRanges()
{
    QFETCH(int, arraySize);
    QFETCH(int, expected);
    QFETCH(bool, lastValid);
    QFETCH(bool, pastLastValid);

    QCOMPARE(arraySize, expected);
    QVERIFY(lastValid);
    QVERIFY(!pastLastValid);
}

QTEST_GUILESS_MAIN(tst_RecordConf)
#include "tst_RecordConf.moc"
