#include "CompleteDvrConf.h"
#include "ConfTestSupport.h"
#include "sys_conf/proto/dvr_conf.pb.h"
#include "sys_conf/types/CConfParser.h"

#include <QtTest>

Q_DECLARE_METATYPE(config::DvrConf)

class tst_DvrConf : public QObject {
    Q_OBJECT

private slots:
    void golden_data();
    void golden();
    void parsing_data();
    void parsing();
    void absentPartsReadDefaults();
    void clearLeavesEveryPartAbsent();
    void copyFromItselfKeepsContent();
    void mergeFrom();
    void swap();
    void typeNames_data();
    void typeNames();
    void completeConfigurationRoundTrips();
};

void tst_DvrConf::golden_data()
{
    QTest::addColumn<config::DvrConf>("conf");
    QTest::addColumn<QByteArray>("bytes");

    config::DvrConf conf;
    QTest::newRow("empty") << conf << QByteArray();

    conf.mutable_dvr_info();
    QTest::newRow("identity created, nothing set") << conf << QByteArray::fromHex("0a00");

    conf.mutable_dvr_info()->set_ch_num(16);
    QTest::newRow("channel count set to its default") << conf << QByteArray::fromHex("0a021010");

    conf.mutable_dvr_info()->set_model(3);
    conf.mutable_dvr_info()->set_vtype(1);
    conf.mutable_dvr_info()->add_languages("english");
    conf.mutable_dvr_info()->add_languages("");
    QTest::newRow("identity with languages")
        << conf << QByteArray::fromHex("0a 11 0803 1010 1801 2207 656e676c697368 2200");

    conf.Clear();
    conf.mutable_limit()->set_apply_network_tcpip(true);
    QTest::newRow("limit") << conf << QByteArray::fromHex("1202 0801");

    conf.Clear();
    conf.mutable_buyer_info()->set_model_name("");
    QTest::newRow("buyer info with an empty model name") << conf << QByteArray::fromHex("5202 0a00");

    conf.Clear();
    conf.mutable_system();
    conf.mutable_buyer_info();
    conf.mutable_account();
    conf.mutable_hdd();
    conf.mutable_limit();
    conf.mutable_record();
    conf.mutable_event();
    conf.mutable_dvr_info();
    conf.mutable_network();
    conf.mutable_camera();
    QTest::newRow("every part, in field order")
        << conf << QByteArray::fromHex("0a00 1200 1a00 2200 2a00 3200 3a00 4200 4a00 5200");
}

void tst_DvrConf::golden()
{
    QFETCH(config::DvrConf, conf);
    QFETCH(QByteArray, bytes);

    QCOMPARE(hex(serializedBytes(conf)), hex(bytes));
    config::DvrConf parsed;
    QVERIFY(CConfParser::parse(bytes, parsed));
    QCOMPARE(hex(serializedBytes(parsed)), hex(bytes));
}

void tst_DvrConf::parsing_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("written");

    QTest::newRow("empty input") << QByteArray() << QByteArray();
    QTest::newRow("unknown varint field 11") << QByteArray::fromHex("0a021010 5801") << QByteArray::fromHex("0a021010");
    QTest::newRow("unknown length-delimited field 11")
        << QByteArray::fromHex("5a03 010203 0a021010") << QByteArray::fromHex("0a021010");
    QTest::newRow("unknown fixed32 and fixed64 fields")
        << QByteArray::fromHex("5d01020304 6101020304050607 08") << QByteArray();
    QTest::newRow("unknown group") << QByteArray::fromHex("7b 0801 7c 1200") << QByteArray::fromHex("1200");
    QTest::newRow("known number, wrong wire type")
        << QByteArray::fromHex("0805 0a021008") << QByteArray::fromHex("0a021008");
    QTest::newRow("unknown field inside the identity")
        << QByteArray::fromHex("0a04 1004 2801") << QByteArray::fromHex("0a02 1004");
    QTest::newRow("ten-byte varint keeps the low 32 bits")
        << QByteArray::fromHex("0a0b 10 ffffffffffffffffff01") << QByteArray::fromHex("0a06 10 ffffffff0f");
    QTest::newRow("any non-zero bool is true")
        << QByteArray::fromHex("1203 08ff01") << QByteArray::fromHex("1202 0801");
    QTest::newRow("fields written in number order")
        << QByteArray::fromHex("5200 1200 0a00") << QByteArray::fromHex("0a00 1200 5200");
    QTest::newRow("two identities merge, later scalars win") << QByteArray::fromHex(
        "0a05 1008 220161 0a07 1004 0801 220162") << QByteArray::fromHex("0a0a 0801 1004 220161 220162");
    QTest::newRow("later limit wins") << QByteArray::fromHex("12020801 12020800") << QByteArray::fromHex("12020800");
}

void tst_DvrConf::parsing()
{
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, written);

    config::DvrConf conf;
    QVERIFY(CConfParser::parse(input, conf));
    QCOMPARE(hex(serializedBytes(conf)), hex(written));
}

void tst_DvrConf::absentPartsReadDefaults()
{
    const config::DvrConf conf;

    QCOMPARE(conf.dvr_info().ch_num(), 16u);
    QCOMPARE(conf.dvr_info().model(), 0u);
    QCOMPARE(conf.dvr_info().vtype(), 0u);
    QCOMPARE(conf.account().admin().password(), std::string("7925"));
    QCOMPARE(conf.event().email().smtp().port(), 587u);
    QCOMPARE(conf.network().tcpip().static_net().ip_address(), std::string("192.168.0.100"));
    QCOMPARE(conf.system().display().hdmi_vga_adjust().luminance(), 8u);
    QCOMPARE(conf.limit().apply_network_tcpip(), false);
    QCOMPARE(conf.buyer_info().model_name(), std::string());

    QVERIFY(!conf.has_dvr_info());
    QVERIFY(!conf.has_account());
    QVERIFY(!conf.has_event());
    QVERIFY(!conf.has_network());
    QVERIFY(!conf.has_system());
    QVERIFY(serializedBytes(conf).isEmpty());
}

void tst_DvrConf::clearLeavesEveryPartAbsent()
{
    config::DvrConf conf = CompleteDvrConf::build();
    const config::DvrConf_DvrInfo* identity = &conf.dvr_info();

    conf.Clear();

    QVERIFY(serializedBytes(conf).isEmpty());
    QVERIFY(!conf.has_dvr_info());
    QVERIFY(!conf.has_system());
    // The cleared part object is kept and comes back with its defaults.
    config::DvrConf_DvrInfo& recreated = *conf.mutable_dvr_info();
    QCOMPARE(&recreated, identity);
    QCOMPARE(recreated.ch_num(), 16u);
    QCOMPARE(recreated.languages_size(), 0);
    QCOMPARE(conf.mutable_system()->language(), std::string("english"));
    QCOMPARE(conf.mutable_account()->users_size(), 0);
}

void tst_DvrConf::copyFromItselfKeepsContent()
{
    config::DvrConf conf = CompleteDvrConf::build();
    const QByteArray before = serializedBytes(conf);

    conf.CopyFrom(conf);

    QCOMPARE(serializedBytes(conf), before);
}

void tst_DvrConf::mergeFrom()
{
    config::DvrConf target;
    target.mutable_dvr_info()->set_ch_num(8);
    target.mutable_dvr_info()->set_model(2);
    target.mutable_dvr_info()->add_languages("english");
    target.mutable_account()->add_users()->set_name("first");

    config::DvrConf source;
    source.mutable_dvr_info()->set_ch_num(4);
    source.mutable_dvr_info()->add_languages("korean");
    source.mutable_account()->add_users()->set_name("second");
    source.mutable_limit();

    target.MergeFrom(source);

    QCOMPARE(target.dvr_info().ch_num(), 4u);
    QCOMPARE(target.dvr_info().model(), 2u);
    QCOMPARE(target.dvr_info().languages_size(), 2);
    QCOMPARE(target.dvr_info().languages(1), std::string("korean"));
    QCOMPARE(target.account().users_size(), 2);
    QCOMPARE(target.account().users(0).name(), std::string("first"));
    QCOMPARE(target.account().users(1).name(), std::string("second"));
    QVERIFY(target.has_limit());
    QVERIFY(!target.has_camera());
}

void tst_DvrConf::swap()
{
    config::DvrConf complete = CompleteDvrConf::build();
    const QByteArray completeBytes = serializedBytes(complete);
    config::DvrConf small;
    small.mutable_limit()->set_apply_network_tcpip(false);

    small.Swap(&complete);

    QCOMPARE(serializedBytes(small), completeBytes);
    QCOMPARE(hex(serializedBytes(complete)), hex(QByteArray::fromHex("12020800")));
}

void tst_DvrConf::typeNames_data()
{
    QTest::addColumn<QString>("typeName");
    QTest::addColumn<QString>("expected");

    const auto row = [](const google::protobuf::MessageLite& message, const char* expected) {
        QTest::newRow(expected) << QString::fromStdString(message.GetTypeName()) << QString::fromLatin1(expected);
    };
    row(config::DvrConf(), "config.DvrConf");
    row(config::DvrConf_DvrInfo(), "config.DvrConf.DvrInfo");
    row(config::DvrConf_Limit(), "config.DvrConf.Limit");
    row(config::DvrConf_BuyerInfo(), "config.DvrConf.BuyerInfo");
    row(config::Account(), "config.Account");
    row(config::Account_Admin(), "config.Account.Admin");
    row(config::Account_User(), "config.Account.User");
    row(config::Account_Logoff(), "config.Account.Logoff");
    row(config::Camera(), "config.Camera");
    row(config::Camera_Channel(), "config.Camera.Channel");
    row(config::Camera_Adjustment(), "config.Camera.Adjustment");
    row(config::Camera_Ptz(), "config.Camera.Ptz");
    row(config::Camera_Seq(), "config.Camera.Seq");
    row(config::Camera_Spot(), "config.Camera.Spot");
    row(config::Event(), "config.Event");
    row(config::Event_MotionConf(), "config.Event.MotionConf");
    row(config::Event_Motion(), "config.Event.Motion");
    row(config::Event_SensorConf(), "config.Event.SensorConf");
    row(config::Event_Sensor(), "config.Event.Sensor");
    row(config::Event_Relay(), "config.Event.Relay");
    row(config::Event_Email(), "config.Event.Email");
    row(config::Event_Email_Address(), "config.Event.Email.Address");
    row(config::Event_Email_SMTP(), "config.Event.Email.SMTP");
    row(config::Event_Email_SendCond(), "config.Event.Email.SendCond");
    row(config::Event_Email_SendContent(), "config.Event.Email.SendContent");
    row(config::Event_PostRecord(), "config.Event.PostRecord");
    row(config::Hdd(), "config.Hdd");
    row(config::Hdd_Mode(), "config.Hdd.Mode");
    row(config::Hdd_Smart(), "config.Hdd.Smart");
    row(config::Network(), "config.Network");
    row(config::Network_TcpIp(), "config.Network.TcpIp");
    row(config::Network_StaticNet(), "config.Network.StaticNet");
    row(config::Network_DDNS(), "config.Network.DDNS");
    row(config::Network_Stream(), "config.Network.Stream");
    row(config::Network_Jpeg(), "config.Network.Jpeg");
    row(config::Network_H264(), "config.Network.H264");
    row(config::Network_RemoteDvr(), "config.Network.RemoteDvr");
    row(config::Record(), "config.Record");
    row(config::Record_Channel(), "config.Record.Channel");
    row(config::Record_Schedule(), "config.Record.Schedule");
    row(config::Record_Misc(), "config.Record.Misc");
    row(config::Record_Playback(), "config.Record.Playback");
    row(config::System(), "config.System");
    row(config::System_NameId(), "config.System.NameId");
    row(config::System_TimeDate(), "config.System.TimeDate");
    row(config::System_Buzzer(), "config.System.Buzzer");
    row(config::System_Display(), "config.System.Display");
    row(config::System_Display_Adjustment(), "config.System.Display.Adjustment");
}

void tst_DvrConf::typeNames()
{
    QFETCH(QString, typeName);
    QFETCH(QString, expected);
    QCOMPARE(typeName, expected);
}

void tst_DvrConf::completeConfigurationRoundTrips()
{
    const config::DvrConf complete = CompleteDvrConf::build();
    const QByteArray first = serializedBytes(complete);

    config::DvrConf parsed;
    QVERIFY(CConfParser::parse(first, parsed));
    const QByteArray second = serializedBytes(parsed);

    QCOMPARE(second.size(), first.size());
    QVERIFY(second == first);
    QCOMPARE(parsed.event().motion_conf().motion(15).zone_size(), CompleteDvrConf::kZoneCells);
    QCOMPARE(parsed.record().schedule(3).record_mode_size(), CompleteDvrConf::kScheduleHours);
    QCOMPARE(parsed.event().email().address().receiver_size(), 4);
    QCOMPARE(parsed.network().remote_dvrs_size(), 3);
}

QTEST_GUILESS_MAIN(tst_DvrConf)
#include "tst_DvrConf.moc"
