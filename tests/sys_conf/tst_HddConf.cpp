#include "ConfTestSupport.h"
#include "sys_conf/proto/hdd.pb.h"
#include "sys_conf/types/hdd.h"

#include <QtTest>

class tst_HddConf : public QObject {
    Q_OBJECT

private slots:
    void golden_data();
    void golden();
    void parsing_data();
    void parsing();
    void defaults();
    void clearRestoresDefaults();
    void writeModeTable_data();
    void writeModeTable();
    void checkIntervalTable_data();
    void checkIntervalTable();
    void misuseStops_data();
    void misuseStops();
};

void tst_HddConf::golden_data()
{
    addGoldenColumns();

    addGoldenRow("default mode", config::Hdd_Mode(), "");
    addGoldenRow("default smart", config::Hdd_Smart(), "");

    config::Hdd hdd;
    hdd.mutable_mode()->set_forced_deletion(99);
    addGoldenRow("forced deletion 99", hdd, "0a02 1063");

    config::Hdd_Smart smart;
    smart.set_smart(false);
    smart.set_check_interval(config::Hdd_Smart::INTERVAL_24HOURS);
    addGoldenRow("check off, every 24 hours", smart, "0800 1002");

    hdd.Clear();
    hdd.mutable_smart();
    hdd.mutable_mode()->set_write_mode(config::Hdd::WRITE_OVERWRITE);
    addGoldenRow("write mode set to its default", hdd, "0a02 0801 1200");
}

void tst_HddConf::golden()
{
    checkGoldenRow();
}

void tst_HddConf::parsing_data()
{
    addParseColumns();

    addParseRow<config::Hdd_Mode>("write mode 2 dropped", "0802", "");
    addParseRow<config::Hdd_Mode>("write mode 2 keeps the earlier value", "0800 0802", "0800");
    addParseRow<config::Hdd_Smart>("interval 3 dropped", "1003", "");
    addParseRow<config::Hdd_Mode>("forced deletion beyond the page's range", "10e807", "10e807");
}

void tst_HddConf::parsing()
{
    checkParseRow();
}

void tst_HddConf::defaults()
{
    const config::Hdd hdd;
    QVERIFY(!hdd.has_mode());
    QVERIFY(!hdd.has_smart());
    QCOMPARE(hdd.mode().write_mode(), config::Hdd::WRITE_OVERWRITE);
    QCOMPARE(hdd.mode().forced_deletion(), 0u);
    QCOMPARE(hdd.smart().smart(), true);
    QCOMPARE(hdd.smart().check_interval(), config::Hdd_Smart::INTERVAL_6HOURS);
    QCOMPARE(config::Hdd::WriteMode_ARRAYSIZE, 2);
    QCOMPARE(config::Hdd_Smart::CheckInterval_MAX, config::Hdd_Smart::INTERVAL_24HOURS);
}

void tst_HddConf::clearRestoresDefaults()
{
    config::Hdd_Smart smart;
    smart.set_smart(false);
    smart.set_check_interval(config::Hdd_Smart::INTERVAL_12HOURS);

    smart.Clear();

    QCOMPARE(smart.smart(), true);
    QCOMPARE(smart.check_interval(), config::Hdd_Smart::INTERVAL_6HOURS);
    QVERIFY(serializedBytes(smart).isEmpty());
}

void tst_HddConf::writeModeTable_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QByteArray>("text");

    QTest::newRow("once") << 0 << QByteArray("ONCE");
    QTest::newRow("overwrite") << 1 << QByteArray("OVERWRITE");
}

void tst_HddConf::writeModeTable()
{
    QFETCH(int, row);
    QFETCH(QByteArray, text);

    QCOMPARE(QByteArray(config::HddWriteMode_Index2String(row)), text);
    QCOMPARE(int(config::HddWriteMode_Index2Type(row)), row);
    QCOMPARE(config::HddWriteMode_Type2Index(config::HddWriteMode_Index2Type(row)), row);
}

void tst_HddConf::checkIntervalTable_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("seconds");

    QTest::newRow("6 hours") << 0 << QByteArray("6 hours") << 21600;
    QTest::newRow("12 hours") << 1 << QByteArray("12 hours") << 43200;
    QTest::newRow("24 hours") << 2 << QByteArray("24 hours") << 86400;
}

void tst_HddConf::checkIntervalTable()
{
    QFETCH(int, row);
    QFETCH(QByteArray, text);
    QFETCH(int, seconds);

    const config::Hdd_Smart_CheckInterval type = config::SmartCheckInterval_Index2Type(row);
    QCOMPARE(QByteArray(config::SmartCheckInterval_Index2String(row)), text);
    QCOMPARE(int(type), row);
    QCOMPARE(config::SmartCheckInterval_Type2Index(type), row);
    QCOMPARE(config::SmartCheckInterval_Type2Sec(type), seconds);
}

void tst_HddConf::misuseStops_data()
{
    addAbortColumns();
    const QByteArray source = "sys_conf/types/hdd";

    QTest::newRow("write mode row 2") << Action([] { config::HddWriteMode_Index2String(2); })
                                      << QByteArray("HddWriteMode_Index2String") << source;
    QTest::newRow("write mode 2") << Action([] { config::HddWriteMode_Type2Index(config::Hdd_WriteMode(2)); })
                                  << QByteArray("HddWriteMode_Type2Index") << source;
    QTest::newRow("interval 3") << Action(
        [] { config::SmartCheckInterval_Type2Sec(config::Hdd_Smart_CheckInterval(3)); })
                                << QByteArray("SmartCheckInterval_Type2Sec") << source;
}

void tst_HddConf::misuseStops()
{
    checkAbortRow();
}

QTEST_GUILESS_MAIN(tst_HddConf)
#include "tst_HddConf.moc"
