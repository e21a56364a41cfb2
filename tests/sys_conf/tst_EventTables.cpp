#include "ConfTestSupport.h"
#include "sys_conf/types/event.h"

#include <QtTest>
#include <limits>

namespace {

// One table row as the accessors report it, next to what the row must hold.
void addRow(const QByteArray& name, int row, const char* text, int type, int roundTrip, const char* expectedText,
    int unit, int expectedUnit)
{
    QTest::newRow(name.constData()) << row << QByteArray(text) << type << roundTrip << QByteArray(expectedText) << unit
                                    << expectedUnit;
}

} // namespace

class tst_EventTables : public QObject {
    Q_OBJECT

private slots:
    void rows_data();
    void rows();
    void storedPopDownRowOutsideTheTable();
    void misuseStops_data();
    void misuseStops();
};

void tst_EventTables::rows_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("roundTrip");
    QTest::addColumn<QByteArray>("expectedText");
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("expectedUnit");

    const char* sensorTexts[] = {"NORMAL OPEN", "NORMAL CLOSE"};
    for (int row = 0; row < 2; ++row) {
        const config::Event_Sensor_Type type = config::SensorType_Index2Type(row);
        addRow("sensor type " + QByteArray::number(row), row, config::SensorType_Index2String(row), type,
            config::SensorType_Type2Index(type), sensorTexts[row], 0, 0);
    }

    const char* popDownTexts[] = {"CONT", "5 s", "10 s", "30 s"};
    const int popDownSeconds[] = {std::numeric_limits<int>::max(), 5, 10, 30};
    for (int row = 0; row < 4; ++row) {
        const config::Event_PopDownType type = config::PopDownType_Index2Type(row);
        addRow("pop-down " + QByteArray::number(row), row, config::PopDownType_Index2String(row), type,
            config::PopDownType_Type2Index(type), popDownTexts[row], config::PopDownType_Type2Value(type),
            popDownSeconds[row]);
    }

    const char* keepTexts[] = {"NONE", "5 s", "10 s", "30 s"};
    const int keepSeconds[] = {0, 5, 10, 30};
    for (int row = 0; row < 4; ++row) {
        const config::Event_Relay_KeepTime type = config::RelayKeepTime_Index2Type(row);
        addRow("relay keep time " + QByteArray::number(row), row, config::RelayKeepTime_Index2String(row), type,
            config::RelayKeepTime_Type2Index(type), keepTexts[row], config::RelayKeepTime_Type2Value(type),
            keepSeconds[row]);
    }

    const char* periodTexts[]
        = {"NO", "30 min", "1 hour", "2 hours", "5 hours", "12 hours", "24 hours", "2 min after event"};
    const int periodMinutes[] = {0, 30, 60, 120, 300, 720, 1440, 2};
    for (int row = 0; row < 8; ++row) {
        const config::Event_Email_SendPeriod type = config::SendPeriod_Index2Type(row);
        addRow("send period " + QByteArray::number(row), row, config::SendPeriod_Index2String(row), type,
            config::SendPeriod_Type2Index(type), periodTexts[row], config::SendPeriod_Type2Minute(type),
            periodMinutes[row]);
    }

    const char* postTexts[] = {"NONE", "10 s", "20 s", "30 s", "40 s", "50 s", "60 s"};
    for (int row = 0; row < 7; ++row) {
        const config::Event_PostRecord_Time type = config::PostAlarmRecordTime_Index2Type(row);
        addRow("post-alarm time " + QByteArray::number(row), row, config::PostAlarmRecordTime_Index2String(row), type,
            config::PostAlarmRecordTime_Type2Index(type), postTexts[row], config::PostAlarmRecordTime_Type2Value(type),
            row * 10);
    }
}

void tst_EventTables::rows()
{
    QFETCH(int, row);
    QFETCH(QByteArray, text);
    QFETCH(int, type);
    QFETCH(int, roundTrip);
    QFETCH(QByteArray, expectedText);
    QFETCH(int, unit);
    QFETCH(int, expectedUnit);

    QCOMPARE(text, expectedText);
    QCOMPARE(type, row);
    QCOMPARE(roundTrip, row);
    QCOMPARE(unit, expectedUnit);
}

void tst_EventTables::storedPopDownRowOutsideTheTable()
{
    for (int stored : {-1, 4, 1000, std::numeric_limits<int>::min()}) {
        QCOMPARE(config::PopDownType_Index2Type(stored), config::Event::POP_DOWN_CONT);
        QVERIFY(!config::Event_PopDownType_IsValid(stored));
    }
}

void tst_EventTables::misuseStops_data()
{
    addAbortColumns();
    const QByteArray source = "sys_conf/types/event";

    QTest::newRow("sensor value 2") << Action([] { config::SensorType_Type2Index(config::Event_Sensor_Type(2)); })
                                    << QByteArray("SensorType_Type2Index") << source;
    QTest::newRow("pop-down seconds of 4")
        << Action([] { config::PopDownType_Type2Value(config::Event_PopDownType(4)); })
        << QByteArray("PopDownType_Type2Value") << source;
    QTest::newRow("keep value 4") << Action([] { config::RelayKeepTime_Type2Value(config::Event_Relay_KeepTime(4)); })
                                  << QByteArray("RelayKeepTime_Type2Value") << source;
    QTest::newRow("period value 8") << Action([] { config::SendPeriod_Type2Minute(config::Event_Email_SendPeriod(8)); })
                                    << QByteArray("SendPeriod_Type2Minute") << source;
    QTest::newRow("post-alarm value -1") << Action(
        [] { config::PostAlarmRecordTime_Type2Index(config::Event_PostRecord_Time(-1)); })
                                         << QByteArray("PostAlarmRecordTime_Type2Index") << source;
}

void tst_EventTables::misuseStops()
{
    checkAbortRow();
}

QTEST_GUILESS_MAIN(tst_EventTables)
#include "tst_EventTables.moc"
