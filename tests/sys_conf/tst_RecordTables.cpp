#include "ConfTestSupport.h"
#include "sys_conf/types/record.h"

#include <QtTest>

Q_DECLARE_METATYPE(std::size_t)

class tst_RecordTables : public QObject {
    Q_OBJECT

private slots:
    void resolutionRows_data();
    void resolutionRows();
    void resolutionSizeWithNullPointers();
    void qualityRows();
    void recordModeRows_data();
    void recordModeRows();
    void recordModeLookup_data();
    void recordModeLookup();
    void recordModePredicates_data();
    void recordModePredicates();
    void playStartRows_data();
    void playStartRows();
    void playStartOutsideTheTable();
    void misuseStops_data();
    void misuseStops();
};

void tst_RecordTables::resolutionRows_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QByteArray>("ntscText");
    QTest::addColumn<QByteArray>("palText");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("ntscHeight");
    QTest::addColumn<int>("palHeight");

    QTest::newRow("0") << 0 << QByteArray("352x240") << QByteArray("352x288") << 352 << 240 << 288;
    QTest::newRow("1") << 1 << QByteArray("704x240") << QByteArray("704x288") << 704 << 240 << 288;
    QTest::newRow("2") << 2 << QByteArray("704x480") << QByteArray("704x576") << 704 << 480 << 576;
    QTest::newRow("3 is 928 wide") << 3 << QByteArray("960x480") << QByteArray("960x576") << 928 << 480 << 576;
}

void tst_RecordTables::resolutionRows()
{
    QFETCH(int, row);
    QFETCH(QByteArray, ntscText);
    QFETCH(QByteArray, palText);
    QFETCH(int, width);
    QFETCH(int, ntscHeight);
    QFETCH(int, palHeight);

    const config::Resolution type = config::Resolution_Index2Type(row);
    QCOMPARE(int(type), row);
    QCOMPARE(config::Resolution_Type2Index(type), row);
    QCOMPARE(QByteArray(config::Resolution_Index2String(true, row)), ntscText);
    QCOMPARE(QByteArray(config::Resolution_Index2String(false, row)), palText);
    QCOMPARE(QByteArray(config::Resolution_Type2String(true, type)), ntscText);
    QCOMPARE(QByteArray(config::Resolution_Type2String(false, type)), palText);

    int w = 0;
    int h = 0;
    QCOMPARE(config::Resolution_Type2Size(true, type, &w, &h), 0);
    QCOMPARE(w, width);
    QCOMPARE(h, ntscHeight);
    QCOMPARE(config::Resolution_Type2Size(false, type, &w, &h), 0);
    QCOMPARE(h, palHeight);
}

void tst_RecordTables::resolutionSizeWithNullPointers()
{
    int width = 0;
    QCOMPARE(config::Resolution_Type2Size(true, config::RESOLUTION_960H, &width, nullptr), 0);
    QCOMPARE(width, 928);
    int height = 0;
    QCOMPARE(config::Resolution_Type2Size(false, config::RESOLUTION_CIF, nullptr, &height), 0);
    QCOMPARE(height, 288);
    QCOMPARE(config::Resolution_Type2Size(false, config::RESOLUTION_D1, nullptr, nullptr), 0);
}

void tst_RecordTables::qualityRows()
{
    const QByteArray texts[] = {"LOW", "MEDIUM", "HIGH", "SUPER"};
    for (int row = 0; row < 4; ++row) {
        QCOMPARE(QByteArray(config::Quality_Index2String(row)), texts[row]);
        QCOMPARE(int(config::Quality_Index2Type(row)), row);
    }
}

void tst_RecordTables::recordModeRows_data()
{
    QTest::addColumn<std::size_t>("sensors");
    QTest::addColumn<QList<int>>("modes");
    QTest::addColumn<QByteArrayList>("texts");
    QTest::addColumn<QByteArrayList>("shortTexts");
    QTest::addColumn<QList<int>>("scheduleNums");

    QTest::newRow("with sensors") << std::size_t(4) << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}
                                  << QByteArrayList{"MANUAL", "CONTINUOUS", "MOTION", "SENSOR", "MOTION+SENSOR",
                                         "CONTINUOUS+EVENT", "SCHEDULE 1", "SCHEDULE 2", "SCHEDULE 3", "SCHEDULE 4"}
                                  << QByteArrayList{"MANUAL", "CONTINUOUS", "MOTION", "SENSOR", "MOT+SEN", "CONT+EVENT",
                                         "SCHEDULE 1", "SCHEDULE 2", "SCHEDULE 3", "SCHEDULE 4"}
                                  << QList<int>{-1, -1, -1, -1, -1, -1, 0, 1, 2, 3};
    QTest::newRow("without sensors") << std::size_t(0) << QList<int>{0, 1, 2, 5, 6, 7, 8, 9}
                                     << QByteArrayList{"MANUAL", "CONTINUOUS", "MOTION", "CONTINUOUS+EVENT",
                                            "SCHEDULE 1", "SCHEDULE 2", "SCHEDULE 3", "SCHEDULE 4"}
                                     << QByteArrayList{"MANUAL", "CONTINUOUS", "MOTION", "CONT+EVENT", "SCHEDULE 1",
                                            "SCHEDULE 2", "SCHEDULE 3", "SCHEDULE 4"}
                                     << QList<int>{-1, -1, -1, -1, 0, 1, 2, 3};
}

void tst_RecordTables::recordModeRows()
{
    QFETCH(std::size_t, sensors);
    QFETCH(QList<int>, modes);
    QFETCH(QByteArrayList, texts);
    QFETCH(QByteArrayList, shortTexts);
    QFETCH(QList<int>, scheduleNums);

    QCOMPARE(config::RecordMode_Count(sensors), modes.size());
    for (int row = 0; row < modes.size(); ++row) {
        const config::RecordMode mode = config::RecordMode_Index2Type(sensors, row);
        QCOMPARE(int(mode), modes.at(row));
        QCOMPARE(config::RecordMode_Type2Index(sensors, mode), row);
        QVERIFY(config::RecordMode_IsSupported(sensors, mode));
        QCOMPARE(QByteArray(config::RecordMode_Index2String(sensors, row, false)), texts.at(row));
        QCOMPARE(QByteArray(config::RecordMode_Index2String(sensors, row, true)), shortTexts.at(row));
        QCOMPARE(config::RecordMode_Type2ScheduleNum(sensors, mode), scheduleNums.at(row));
    }
}

void tst_RecordTables::recordModeLookup_data()
{
    QTest::addColumn<std::size_t>("sensors");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("supported");
    QTest::addColumn<int>("scheduleNum");

    QTest::newRow("schedule 1 without sensors") << std::size_t(0) << 6 << 4 << true << 0;
    QTest::newRow("schedule 1 with sensors") << std::size_t(2) << 6 << 6 << true << 0;
    QTest::newRow("schedule 3, any table") << std::size_t(0) << 8 << 6 << true << 2;
    QTest::newRow("continuous+event without sensors") << std::size_t(0) << 5 << 3 << true << -1;
    QTest::newRow("sensor mode, one sensor") << std::size_t(1) << 3 << 3 << true << -1;
    // A mode the model does not offer, as a DVR may report it: row 0, no schedule.
    QTest::newRow("sensor mode without sensors") << std::size_t(0) << 3 << 0 << false << -1;
    QTest::newRow("motion+sensor without sensors") << std::size_t(0) << 4 << 0 << false << -1;
}

void tst_RecordTables::recordModeLookup()
{
    QFETCH(std::size_t, sensors);
    QFETCH(int, mode);
    QFETCH(int, row);
    QFETCH(bool, supported);
    QFETCH(int, scheduleNum);

    const auto recordMode = static_cast<config::RecordMode>(mode);
    QCOMPARE(config::RecordMode_Type2Index(sensors, recordMode), row);
    QCOMPARE(config::RecordMode_IsSupported(sensors, recordMode), supported);
    QCOMPARE(config::RecordMode_Type2ScheduleNum(sensors, recordMode), scheduleNum);
}

void tst_RecordTables::recordModePredicates_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("motion");
    QTest::addColumn<bool>("sensor");
    QTest::addColumn<bool>("continuous");
    QTest::addColumn<bool>("schedule");
    QTest::addColumn<int>("next");

    QTest::newRow("manual") << 0 << false << false << false << false << 1;
    QTest::newRow("continuous") << 1 << false << false << true << false << 2;
    QTest::newRow("motion") << 2 << true << false << false << false << 5;
    QTest::newRow("sensor") << 3 << false << true << false << false << 0;
    QTest::newRow("motion+sensor") << 4 << true << true << false << false << 0;
    QTest::newRow("continuous+event") << 5 << true << true << true << false << 0;
    QTest::newRow("schedule 1") << 6 << false << false << false << true << 0;
    QTest::newRow("schedule 4") << 9 << false << false << false << true << 0;
}

void tst_RecordTables::recordModePredicates()
{
    QFETCH(int, mode);
    QFETCH(bool, motion);
    QFETCH(bool, sensor);
    QFETCH(bool, continuous);
    QFETCH(bool, schedule);
    QFETCH(int, next);

    const auto recordMode = static_cast<config::RecordMode>(mode);
    QCOMPARE(config::RecordMode_IsMotion(recordMode), motion);
    QCOMPARE(config::RecordMode_IsSensor(recordMode), sensor);
    QCOMPARE(config::RecordMode_IsContinuous(recordMode), continuous);
    QCOMPARE(config::RecordMode_IsSchedule(recordMode), schedule);
    QCOMPARE(int(config::RecordMode_Next_In_Schedule(recordMode)), next);
}

void tst_RecordTables::playStartRows_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<qint64>("seconds");

    QTest::newRow("2 minutes") << 0 << QByteArray("2 minutes ago") << qint64(120);
    QTest::newRow("10 minutes") << 1 << QByteArray("10 minutes ago") << qint64(600);
    QTest::newRow("1 hour") << 2 << QByteArray("1 hour ago") << qint64(3600);
    QTest::newRow("6 hours") << 3 << QByteArray("6 hours ago") << qint64(21600);
    QTest::newRow("1 day") << 4 << QByteArray("1 day ago") << qint64(86400);
    QTest::newRow("first data") << 5 << QByteArray("First Data") << qint64(630720000);
}

void tst_RecordTables::playStartRows()
{
    QFETCH(int, row);
    QFETCH(QByteArray, text);
    QFETCH(qint64, seconds);

    const config::Record_Playback_Start start = config::PlayStart_Index2Type(row);
    QCOMPARE(int(start), row);
    QCOMPARE(config::PlayStart_Type2Index(start), row);
    QCOMPARE(QByteArray(config::PlayStart_Index2String(row)), text);
    QCOMPARE(QByteArray(config::PlayStart_Type2String(start)), text);
    QCOMPARE(qint64(config::PlayStart_Type2Value(start)), seconds);
}

void tst_RecordTables::playStartOutsideTheTable()
{
    for (int value : {-1, 6, 1000}) {
        const auto start = static_cast<config::Record_Playback_Start>(value);
        QCOMPARE(config::PlayStart_Type2Index(start), 0);
        QCOMPARE(qint64(config::PlayStart_Type2Value(start)), qint64(120));
    }
}

void tst_RecordTables::misuseStops_data()
{
    addAbortColumns();
    const QByteArray source = "sys_conf/types/record";

    QTest::newRow("resolution row 4") << Action([] { config::Resolution_Index2String(true, 4); })
                                      << QByteArray("Resolution_Index2String") << source;
    QTest::newRow("resolution 4 size") << Action([] {
        int width = 0;
        config::Resolution_Type2Size(true, config::Resolution(4), &width, nullptr);
    }) << QByteArray("Resolution_Type2Size")
                                       << source;
    QTest::newRow("mode row 8 without sensors") << Action([] { config::RecordMode_Index2String(0, 8, false); })
                                                << QByteArray("RecordMode_Index2String") << source;
    QTest::newRow("mode 10 to row") << Action([] { config::RecordMode_Type2Index(1, config::RecordMode(10)); })
                                    << QByteArray("RecordMode_Type2Index") << source;
    QTest::newRow("mode 10 next") << Action([] { config::RecordMode_Next_In_Schedule(config::RecordMode(10)); })
                                  << QByteArray("RecordMode_Next_In_Schedule") << source;
    QTest::newRow("mode 10 schedule test") << Action([] { config::RecordMode_IsSchedule(config::RecordMode(10)); })
                                           << QByteArray("RecordMode_IsSchedule") << source;
    QTest::newRow("start row 6") << Action([] { config::PlayStart_Index2String(6); })
                                 << QByteArray("PlayStart_Index2String") << source;
}

void tst_RecordTables::misuseStops()
{
    checkAbortRow();
}

QTEST_GUILESS_MAIN(tst_RecordTables)
#include "tst_RecordTables.moc"
