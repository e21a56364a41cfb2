#include "ConfTestSupport.h"
#include "sys_conf/types/account.h"
#include "sys_conf/types/camera.h"
#include "sys_conf/types/event.h"
#include "sys_conf/types/hdd.h"
#include "sys_conf/types/network.h"
#include "sys_conf/types/record.h"
#include "sys_conf/types/system.h"

#include <QtTest>
#include <limits>
#include <type_traits>

namespace {

QByteArray number(qint64 value)
{
    return QByteArray::number(value);
}

QByteArray number(const QByteArray& text)
{
    return text;
}

// One row of the tables test: every row of a value table read through its
// accessors, next to what the rows must hold. Texts are joined by "|", units
// and enumeration values by blanks. Without expectedTypes the rows must hold
// the enumeration values in their own order. Every row must come back from
// Type2Index(Index2Type(row)).
template <class ToType, class ToIndex, class Text, class Unit>
void addTable(const char* name, int rows, ToType toType, ToIndex toIndex, Text text, Unit unit, const QByteArray& texts,
    const QByteArray& units, const QByteArray& expectedTypes = QByteArray())
{
    QByteArrayList gotTexts, gotUnits, gotTypes, gotRows, identity;
    for (int row = 0; row < rows; ++row) {
        const auto type = toType(row);
        gotTexts << QByteArray(text(row));
        if constexpr (!std::is_same_v<Unit, std::nullptr_t>)
            gotUnits << number(unit(type));
        gotTypes << number(int(type));
        gotRows << number(toIndex(type));
        identity << number(row);
    }
    QTest::newRow(name) << gotTexts.join('|') << texts << gotUnits.join(' ') << units << gotTypes.join(' ')
                        << (expectedTypes.isNull() ? identity.join(' ') : expectedTypes) << gotRows.join(' ')
                        << identity.join(' ');
}

// For tables that have no Type2Index.
constexpr auto valueIsRow = [](auto type) { return int(type); };

QByteArray ntscSize(config::Resolution type)
{
    int width = 0;
    int height = 0;
    config::Resolution_Type2Size(true, type, &width, &height);
    return number(width) + 'x' + number(height);
}

QByteArray vgaSize(config::System_Display_VgaMode type)
{
    int width = 0;
    int height = 0;
    config::VgaMode_Type2Size(type, &width, &height);
    return number(width) + 'x' + number(height);
}

} // namespace

class tst_ConfTables : public QObject {
    Q_OBJECT

private slots:
    void tables_data();
    void tables();
    void rowAndValueAccessorsAgree();
    void recordModeKinds();
    void valuesFromOutsideGiveDefinedRows();
    void misuseStops_data();
    void misuseStops();
};

void tst_ConfTables::tables_data()
{
    QTest::addColumn<QByteArray>("texts");
    QTest::addColumn<QByteArray>("expectedTexts");
    QTest::addColumn<QByteArray>("units");
    QTest::addColumn<QByteArray>("expectedUnits");
    QTest::addColumn<QByteArray>("types");
    QTest::addColumn<QByteArray>("expectedTypes");
    QTest::addColumn<QByteArray>("rows");
    QTest::addColumn<QByteArray>("expectedRows");

    using namespace config;
    addTable("network time-out", Account::NetworkTimeout_ARRAYSIZE, NetworkTimeout_Index2Type,
        NetworkTimeout_Type2Index, NetworkTimeout_Index2String, NetworkTimeout_Type2Value,
        "Off|1 min|5 min|15 min|30 min|1 hour", "0 60 300 900 1800 3600");
    addTable("log-off wait", Account_Logoff::WaitTime_ARRAYSIZE, WaitTime_Index2Type, WaitTime_Type2Index,
        WaitTime_Index2String, WaitTime_Type2Value, "30 s|1 min|3 min|5 min|10 min", "30 60 180 300 600");

    addTable("baud rate", BaudRate_MaxItemNum(), BaudRate_Index2Type, BaudRate_Type2Index, BaudRate_Index2String,
        BaudRate_Type2Value, "1200|2400|4800|9600|19200|38400|57600|115200",
        "1200 2400 4800 9600 19200 38400 57600 115200");
    addTable("sequence dwell", SeqTime_MaxItemNum(), SeqTime_Index2Type, SeqTime_Type2Index, SeqTime_Index2String,
        SeqTime_Type2Value, "1 s|2 s|4 s|5 s|8 s|10 s|15 s|30 s", "1 2 4 5 8 10 15 30");
    addTable("PTZ device", Camera_Ptz::Model_ARRAYSIZE, PtzDev_Index2Type, PtzDev_Type2Index, PtzDev_Index2String,
        nullptr, "----|PELCO_D", "");
    addTable("sharpness", Sharpness_MaxItemNum(), Sharpness_Index2Type, Sharpness_Type2Index, Sharpness_Index2String,
        nullptr, "SOFT|NORMAL|HARD", "");
    for (const int chNum : {4, 8, 16}) {
        for (const bool single : {false, true}) {
            const QByteArray name = "spot mode, " + number(chNum) + (single ? " single" : "");
            const auto toType = [=](int row) { return SpotMode_Index2Type(single, chNum, row); };
            const auto toIndex = [=](Camera_Spot_Mode mode) {
                return SpotMode_IsSupported(single, chNum, mode) ? SpotMode_Type2Index(single, chNum, mode) : -1;
            };
            const auto text = [=](int row) { return SpotMode_Index2String(single, chNum, row); };
            const char* texts = single ? "Single|Sequence"
                : chNum == 4           ? "Single|Quad|Sequence"
                : chNum == 8           ? "Single|Quad|9 Split|Sequence"
                                       : "Single|Quad|9 Split|16 Split|Sequence";
            const char* types = single ? "0 4" : chNum == 4 ? "0 1 4" : chNum == 8 ? "0 1 2 4" : "0 1 2 3 4";
            addTable(name.constData(), SpotMode_Count(single, chNum), toType, toIndex, text, nullptr, texts, "", types);
        }
    }

    addTable("sensor type", Event_Sensor::Type_ARRAYSIZE, SensorType_Index2Type, SensorType_Type2Index,
        SensorType_Index2String, nullptr, "NORMAL OPEN|NORMAL CLOSE", "");
    addTable("pop-down", Event::PopDownType_ARRAYSIZE, PopDownType_Index2Type, PopDownType_Type2Index,
        PopDownType_Index2String, PopDownType_Type2Value, "CONT|5 s|10 s|30 s",
        number(std::numeric_limits<int>::max()) + " 5 10 30");
    addTable("relay keep time", Event_Relay::KeepTime_ARRAYSIZE, RelayKeepTime_Index2Type, RelayKeepTime_Type2Index,
        RelayKeepTime_Index2String, RelayKeepTime_Type2Value, "NONE|5 s|10 s|30 s", "0 5 10 30");
    addTable("mail period", Event_Email::SendPeriod_ARRAYSIZE, SendPeriod_Index2Type, SendPeriod_Type2Index,
        SendPeriod_Index2String, SendPeriod_Type2Minute,
        "NO|30 min|1 hour|2 hours|5 hours|12 hours|24 hours|2 min after event", "0 30 60 120 300 720 1440 2");
    addTable("post-alarm time", Event_PostRecord::Time_ARRAYSIZE, PostAlarmRecordTime_Index2Type,
        PostAlarmRecordTime_Type2Index, PostAlarmRecordTime_Index2String, PostAlarmRecordTime_Type2Value,
        "NONE|10 s|20 s|30 s|40 s|50 s|60 s", "0 10 20 30 40 50 60");

    addTable("HDD write mode", Hdd::WriteMode_ARRAYSIZE, HddWriteMode_Index2Type, HddWriteMode_Type2Index,
        HddWriteMode_Index2String, nullptr, "ONCE|OVERWRITE", "");
    addTable("SMART interval", Hdd_Smart::CheckInterval_ARRAYSIZE, SmartCheckInterval_Index2Type,
        SmartCheckInterval_Type2Index, SmartCheckInterval_Index2String, SmartCheckInterval_Type2Sec,
        "6 hours|12 hours|24 hours", "21600 43200 86400");

    addTable("network type", Network::Type_ARRAYSIZE, NetworkType_Index2Type, NetworkType_Type2Index,
        NetworkType_Index2String, nullptr, "Auto UPnP|Static|DHCP", "", "2 0 1");
    addTable("bandwidth limit", Network::BandWidthLimitation_ARRAYSIZE, BandWidthLimitation_Index2Type,
        BandWidthLimitation_Type2Index, BandWidthLimitation_Index2String, BandWidthLimitation_Type2Value,
        "OFF|100 kbps|200 kbps|300 kbps|500 kbps|1000 kbps|2000 kbps|3000 kbps|5000 kbps|10000 kbps",
        "0 100 200 300 500 1000 2000 3000 5000 10000");

    const auto palText = [](int row) { return Resolution_Type2String(false, Resolution_Index2Type(row)); };
    addTable(
        "resolution, NTSC", Resolution_ARRAYSIZE, Resolution_Index2Type, Resolution_Type2Index,
        [](int row) { return Resolution_Index2String(true, row); }, ntscSize, "352x240|704x240|704x480|960x480",
        "352x240 704x240 704x480 928x480");
    addTable("resolution, PAL", Resolution_ARRAYSIZE, Resolution_Index2Type, Resolution_Type2Index, palText, nullptr,
        "352x288|704x288|704x576|960x576", "");
    addTable("quality", Quality_ARRAYSIZE, Quality_Index2Type, valueIsRow, Quality_Index2String, nullptr,
        "LOW|MEDIUM|HIGH|SUPER", "");
    for (const std::size_t sensors : {std::size_t(0), std::size_t(4)}) {
        const auto toType = [=](int row) { return RecordMode_Index2Type(sensors, row); };
        const auto toIndex = [=](RecordMode mode) {
            return RecordMode_IsSupported(sensors, mode) ? RecordMode_Type2Index(sensors, mode) : -1;
        };
        const auto text = [=](int row) {
            return QByteArray(RecordMode_Index2String(sensors, row, false)) + '/'
                + RecordMode_Index2String(sensors, row, true);
        };
        const auto schedule = [=](RecordMode mode) { return RecordMode_Type2ScheduleNum(sensors, mode); };
        if (sensors == 0)
            addTable("record mode without sensors", RecordMode_Count(sensors), toType, toIndex, text, schedule,
                "MANUAL/MANUAL|CONTINUOUS/CONTINUOUS|MOTION/MOTION|CONTINUOUS+EVENT/CONT+EVENT|SCHEDULE 1/SCHEDULE "
                "1|SCHEDULE 2/SCHEDULE 2|SCHEDULE 3/SCHEDULE 3|SCHEDULE 4/SCHEDULE 4",
                "-1 -1 -1 -1 0 1 2 3", "0 1 2 5 6 7 8 9");
        else
            addTable("record mode with sensors", RecordMode_Count(sensors), toType, toIndex, text, schedule,
                "MANUAL/MANUAL|CONTINUOUS/CONTINUOUS|MOTION/MOTION|SENSOR/SENSOR|MOTION+SENSOR/MOT+SEN|CONTINUOUS+"
                "EVENT/CONT+EVENT|SCHEDULE 1/SCHEDULE 1|SCHEDULE 2/SCHEDULE 2|SCHEDULE 3/SCHEDULE 3|SCHEDULE "
                "4/SCHEDULE 4",
                "-1 -1 -1 -1 -1 -1 0 1 2 3");
    }
    addTable(
        "playback start", Record_Playback::Start_ARRAYSIZE, PlayStart_Index2Type, PlayStart_Type2Index,
        [](int row) { return PlayStart_Type2String(PlayStart_Index2Type(row)); }, PlayStart_Type2Value,
        "2 minutes ago|10 minutes ago|1 hour ago|6 hours ago|1 day ago|First Data",
        "120 600 3600 21600 86400 630720000");

    addTable("date format", System_TimeDate::DateFormat_ARRAYSIZE, DateFormat_Index2Type, valueIsRow,
        DateFormat_Index2String, nullptr, "YYYY/MM/DD|DD/MM/YYYY|MM/DD/YYYY", "");
    addTable("time format", System_TimeDate::TimeFormat_ARRAYSIZE, TimeFormat_Index2Type, valueIsRow,
        TimeFormat_Index2String, nullptr, "24|12 AM/PM", "");
    addTable("VGA mode", System_Display::VgaMode_ARRAYSIZE, VgaMode_Index2Type, VgaMode_Type2Index,
        VgaMode_Index2String, vgaSize, "1024x768|1280x720|1280x1024|1440x900|1920x1080",
        "1024x768 1280x720 1280x1024 1440x900 1920x1080");
    addTable("OSG position", System_Display::OsgPosition_ARRAYSIZE, OsgPosition_Index2Type, OsgPosition_Type2Index,
        OsgPosition_Index2String, nullptr, "CVBS|VGA", "");
    addTable(
        "language", int(SysLang_Count()), valueIsRow, valueIsRow,
        [](int row) { return QByteArray::fromStdString(SysLang_Index2String(std::size_t(row))); }, nullptr,
        "english|korean|russian|turkish|norwegian|german|french|chinese_tw", "");
}

void tst_ConfTables::tables()
{
    QFETCH(QByteArray, texts);
    QFETCH(QByteArray, expectedTexts);
    QFETCH(QByteArray, units);
    QFETCH(QByteArray, expectedUnits);
    QFETCH(QByteArray, types);
    QFETCH(QByteArray, expectedTypes);
    QFETCH(QByteArray, rows);
    QFETCH(QByteArray, expectedRows);

    QCOMPARE(texts, expectedTexts);
    QCOMPARE(units, expectedUnits);
    QCOMPARE(types, expectedTypes);
    QCOMPARE(rows, expectedRows);
}

void tst_ConfTables::rowAndValueAccessorsAgree()
{
    using namespace config;
    for (int row = 0; row < BaudRate_MaxItemNum(); ++row)
        QCOMPARE(BaudRate_Index2Value(row), BaudRate_Type2Value(BaudRate_Index2Type(row)));
    for (int row = 0; row < Network::BandWidthLimitation_ARRAYSIZE; ++row)
        QCOMPARE(
            BandWidthLimitation_Index2Value(row), BandWidthLimitation_Type2Value(BandWidthLimitation_Index2Type(row)));
    for (int row = 0; row < Resolution_ARRAYSIZE; ++row) {
        for (const bool ntsc : {true, false})
            QCOMPARE(QByteArray(Resolution_Index2String(ntsc, row)),
                QByteArray(Resolution_Type2String(ntsc, Resolution_Index2Type(row))));
    }
    for (int row = 0; row < Record_Playback::Start_ARRAYSIZE; ++row)
        QCOMPARE(QByteArray(PlayStart_Index2String(row)), QByteArray(PlayStart_Type2String(PlayStart_Index2Type(row))));
}

void tst_ConfTables::recordModeKinds()
{
    // Per mode 0 to 9: M motion, S sensor, C continuous, H schedule; then the
    // mode that follows it in a schedule cell.
    QByteArrayList kinds;
    for (int value = 0; value < config::RecordMode_ARRAYSIZE; ++value) {
        const auto mode = static_cast<config::RecordMode>(value);
        kinds << QByteArray(config::RecordMode_IsMotion(mode) ? "M" : "")
                + (config::RecordMode_IsSensor(mode) ? "S" : "") + (config::RecordMode_IsContinuous(mode) ? "C" : "")
                + (config::RecordMode_IsSchedule(mode) ? "H" : "") + '>'
                + number(config::RecordMode_Next_In_Schedule(mode));
    }
    // A sensor mode read from a DVR is never offered as the next one.
    QCOMPARE(kinds.join(' '), QByteArray(">1 C>2 M>5 S>0 MS>0 MSC>0 H>0 H>0 H>0 H>0"));
}

void tst_ConfTables::valuesFromOutsideGiveDefinedRows()
{
    using S = config::Camera_Spot;
    // Channel counts without spot rows: no rows, nothing supported.
    for (const int chNum : {0, 12, -4}) {
        QCOMPARE(config::SpotMode_Count(false, chNum), 0);
        QCOMPARE(QByteArray(config::SpotMode_Index2String(false, chNum, 0)), QByteArray());
        QCOMPARE(config::SpotMode_Index2Type(false, chNum, 0), S::MODE_SINGLE);
        QCOMPARE(config::SpotMode_Type2Index(false, chNum, S::MODE_SEQUENCE), -1);
        QVERIFY(!config::SpotMode_IsSupported(false, chNum, S::MODE_SINGLE));
    }
    // A mode the rows do not offer falls back to row 0, and the caller can tell.
    QCOMPARE(config::SpotMode_Type2Index(false, 8, S::MODE_16SPLIT), 0);
    QVERIFY(!config::SpotMode_IsSupported(false, 8, S::MODE_16SPLIT));
    QCOMPARE(config::RecordMode_Type2Index(0, config::RECORD_SENSOR), 0);
    QVERIFY(!config::RecordMode_IsSupported(0, config::RECORD_SENSOR));
    QCOMPARE(config::RecordMode_Type2ScheduleNum(0, config::RECORD_SENSOR), -1);
    // Stored rows and values outside the tables.
    for (const int stored : {-1, 4, std::numeric_limits<int>::min()}) {
        QCOMPARE(config::PopDownType_Index2Type(stored), config::Event::POP_DOWN_CONT);
        QVERIFY(!config::Event_PopDownType_IsValid(stored));
    }
    for (const int value : {-1, 6}) {
        const auto start = static_cast<config::Record_Playback_Start>(value);
        QCOMPARE(config::PlayStart_Type2Index(start), 0);
        QCOMPARE(qint64(config::PlayStart_Type2Value(start)), qint64(120));
    }
    // Sizes go only where the caller asks for them.
    int height = 0;
    QCOMPARE(config::Resolution_Type2Size(false, config::RESOLUTION_CIF, nullptr, &height), 0);
    QCOMPARE(height, 288);
    QCOMPARE(config::VgaMode_Type2Size(config::System_Display::VGA_1440x900, nullptr, nullptr), 0);
}

void tst_ConfTables::misuseStops_data()
{
    addAbortColumns();
    // One row index or value the program itself computed wrong, per table source.
    QTest::newRow("account") << Action([] { config::NetworkTimeout_Index2String(6); })
                             << QByteArray("NetworkTimeout_Index2String") << QByteArray("sys_conf/types/account");
    QTest::newRow("camera") << Action([] { config::SpotMode_Index2String(false, 8, 4); })
                            << QByteArray("SpotMode_Index2String") << QByteArray("sys_conf/types/camera");
    QTest::newRow("event") << Action([] { config::SendPeriod_Type2Minute(config::Event_Email_SendPeriod(8)); })
                           << QByteArray("SendPeriod_Type2Minute") << QByteArray("sys_conf/types/event");
    QTest::newRow("hdd") << Action([] { config::SmartCheckInterval_Type2Sec(config::Hdd_Smart_CheckInterval(3)); })
                         << QByteArray("SmartCheckInterval_Type2Sec") << QByteArray("sys_conf/types/hdd");
    QTest::newRow("network") << Action([] { config::NetworkType_Type2Index(config::Network_Type(3)); })
                             << QByteArray("NetworkType_Type2Index") << QByteArray("sys_conf/types/network");
    QTest::newRow("record") << Action([] { config::RecordMode_Next_In_Schedule(config::RecordMode(10)); })
                            << QByteArray("RecordMode_Next_In_Schedule") << QByteArray("sys_conf/types/record");
    QTest::newRow("system") << Action([] { config::SysLang_Index2String(8); }) << QByteArray("SysLang_Index2String")
                            << QByteArray("sys_conf/types/system");
}

void tst_ConfTables::misuseStops()
{
    checkAbortRow();
}

QTEST_GUILESS_MAIN(tst_ConfTables)
#include "tst_ConfTables.moc"
