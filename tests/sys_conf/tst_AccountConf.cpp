#include "ConfTestSupport.h"
#include "sys_conf/proto/account.pb.h"
#include "sys_conf/types/account.h"

#include <QtTest>

class tst_AccountConf : public QObject {
    Q_OBJECT

private slots:
    void golden_data();
    void golden();
    void parsing_data();
    void parsing();
    void defaultUser();
    void clearRestoresPasswordDefaults();
    void networkTimeoutTable_data();
    void networkTimeoutTable();
    void waitTimeTable_data();
    void waitTimeTable();
    void misuseStops_data();
    void misuseStops();
};

void tst_AccountConf::golden_data()
{
    addGoldenColumns();

    addGoldenRow("default user", config::Account_User(), "");

    config::Account_User user;
    user.set_name("");
    user.set_password("7925");
    user.set_ch_mask(65535);
    user.set_ptz(false);
    user.set_playback(false);
    user.set_backup(false);
    user.set_network(true);
    user.set_network_timeout(config::Account::NETWORK_TIMEOUT_OFF);
    addGoldenRow("user with every field at its default", user, "0a00 1204 37393235 18ffff03 2000 2800 3000 3801 4000");

    config::Account account;
    account.mutable_admin()->set_password("1");
    account.add_users()->set_name("a");
    account.add_users()->set_name("a");
    account.mutable_logoff()->set_wait_time(config::Account_Logoff::WAIT_TIME_10MIN);
    addGoldenRow("two users of the same name", account, "0a03 0a0131 1203 0a0161 1203 0a0161 1a02 1004");

    config::Account_Logoff logoff;
    logoff.set_auto_enable(true);
    addGoldenRow("log-off switched on", logoff, "0801");
}

void tst_AccountConf::golden()
{
    checkGoldenRow();
}

void tst_AccountConf::parsing_data()
{
    addParseColumns();

    addParseRow<config::Account_User>("time-out 6 dropped", "4006", "");
    addParseRow<config::Account_User>("time-out 6 keeps the earlier value", "4003 4006", "4003");
    addParseRow<config::Account_User>("time-out 5 kept", "4005", "4005");
    addParseRow<config::Account_Logoff>("wait time 5 dropped", "1005", "");
    addParseRow<config::Account_Logoff>("wait time 5 keeps the earlier value", "1004 1005 0801", "0801 1004");
    addParseRow<config::Account>("rest of the message still parsed", "1a02 1009 0a02 0a00", "0a02 0a00 1a00");
}

void tst_AccountConf::parsing()
{
    checkParseRow();
}

void tst_AccountConf::defaultUser()
{
    const config::Account_User user;

    QCOMPARE(user.ch_mask(), 65535u);
    QCOMPARE(user.network(), true);
    QCOMPARE(user.network_timeout(), config::Account::NETWORK_TIMEOUT_OFF);
    QCOMPARE(user.password(), std::string("7925"));
    QCOMPARE(user.name(), std::string());
    QVERIFY(!user.has_password());
    QCOMPARE(config::Account_Logoff().wait_time(), config::Account_Logoff::WAIT_TIME_30SEC);
    QCOMPARE(config::Account().admin().password(), std::string("7925"));
}

void tst_AccountConf::clearRestoresPasswordDefaults()
{
    config::Account_Admin admin;
    admin.set_password("0000");
    config::Account_User user;
    user.set_password("0000");
    user.set_ch_mask(1);
    user.set_network(false);

    admin.Clear();
    user.Clear();

    QCOMPARE(admin.password(), std::string("7925"));
    QVERIFY(!admin.has_password());
    QCOMPARE(user.password(), std::string("7925"));
    QCOMPARE(user.ch_mask(), 65535u);
    QCOMPARE(user.network(), true);
    QVERIFY(serializedBytes(user).isEmpty());
}

void tst_AccountConf::networkTimeoutTable_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("seconds");

    QTest::newRow("off") << 0 << int(config::Account::NETWORK_TIMEOUT_OFF) << QByteArray("Off") << 0;
    QTest::newRow("1 min") << 1 << int(config::Account::NETWORK_TIMEOUT_1MIN) << QByteArray("1 min") << 60;
    QTest::newRow("5 min") << 2 << int(config::Account::NETWORK_TIMEOUT_5MINS) << QByteArray("5 min") << 300;
    QTest::newRow("15 min") << 3 << int(config::Account::NETWORK_TIMEOUT_15MINS) << QByteArray("15 min") << 900;
    QTest::newRow("30 min") << 4 << int(config::Account::NETWORK_TIMEOUT_30MINS) << QByteArray("30 min") << 1800;
    QTest::newRow("1 hour") << 5 << int(config::Account::NETWORK_TIMEOUT_1HOUR) << QByteArray("1 hour") << 3600;
}

void tst_AccountConf::networkTimeoutTable()
{
    QFETCH(int, row);
    QFETCH(int, type);
    QFETCH(QByteArray, text);
    QFETCH(int, seconds);

    QCOMPARE(QByteArray(config::NetworkTimeout_Index2String(row)), text);
    QCOMPARE(int(config::NetworkTimeout_Index2Type(row)), type);
    QCOMPARE(config::NetworkTimeout_Type2Index(config::NetworkTimeout_Index2Type(row)), row);
    QCOMPARE(config::NetworkTimeout_Type2Value(config::Account_NetworkTimeout(type)), seconds);
    QCOMPARE(config::Account::NetworkTimeout_ARRAYSIZE, 6);
}

void tst_AccountConf::waitTimeTable_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("seconds");

    QTest::newRow("30 s") << 0 << int(config::Account_Logoff::WAIT_TIME_30SEC) << QByteArray("30 s") << 30;
    QTest::newRow("1 min") << 1 << int(config::Account_Logoff::WAIT_TIME_1MIN) << QByteArray("1 min") << 60;
    QTest::newRow("3 min") << 2 << int(config::Account_Logoff::WAIT_TIME_3MIN) << QByteArray("3 min") << 180;
    QTest::newRow("5 min") << 3 << int(config::Account_Logoff::WAIT_TIME_5MIN) << QByteArray("5 min") << 300;
    QTest::newRow("10 min") << 4 << int(config::Account_Logoff::WAIT_TIME_10MIN) << QByteArray("10 min") << 600;
}

void tst_AccountConf::waitTimeTable()
{
    QFETCH(int, row);
    QFETCH(int, type);
    QFETCH(QByteArray, text);
    QFETCH(int, seconds);

    QCOMPARE(QByteArray(config::WaitTime_Index2String(row)), text);
    QCOMPARE(int(config::WaitTime_Index2Type(row)), type);
    QCOMPARE(config::WaitTime_Type2Index(config::WaitTime_Index2Type(row)), row);
    QCOMPARE(config::WaitTime_Type2Value(config::Account_Logoff_WaitTime(type)), seconds);
    QCOMPARE(config::Account_Logoff::WaitTime_ARRAYSIZE, 5);
}

void tst_AccountConf::misuseStops_data()
{
    addAbortColumns();
    const QByteArray source = "sys_conf/types/account";

    QTest::newRow("time-out row 6") << Action([] { config::NetworkTimeout_Index2String(6); })
                                    << QByteArray("NetworkTimeout_Index2String") << source;
    QTest::newRow("time-out value 6") << Action(
        [] { config::NetworkTimeout_Type2Index(config::Account_NetworkTimeout(6)); })
                                      << QByteArray("NetworkTimeout_Type2Index") << source;
    QTest::newRow("wait row -3") << Action([] { config::WaitTime_Index2Type(-3); }) << QByteArray("WaitTime_Index2Type")
                                 << source;
    QTest::newRow("wait seconds of 9") << Action(
        [] { config::WaitTime_Type2Value(config::Account_Logoff_WaitTime(9)); })
                                       << QByteArray("WaitTime_Type2Value") << source;
}

void tst_AccountConf::misuseStops()
{
    checkAbortRow();
}

QTEST_GUILESS_MAIN(tst_AccountConf)
#include "tst_AccountConf.moc"
