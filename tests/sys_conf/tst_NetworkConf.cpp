#include "ConfTestSupport.h"
#include "sys_conf/proto/network.pb.h"
#include "sys_conf/types/network.h"

#include <QtTest>

class tst_NetworkConf : public QObject {
    Q_OBJECT

private slots:
    void golden_data();
    void golden();
    void parsing_data();
    void parsing();
    void defaults();
    void clearRestoresDefaults();
    void mergeAppendsLists();
    void limitValues_data();
    void limitValues();
    void networkTypeTable_data();
    void networkTypeTable();
    void bandwidthTable_data();
    void bandwidthTable();
    void misuseStops_data();
    void misuseStops();
};

void tst_NetworkConf::golden_data()
{
    addGoldenColumns();

    addGoldenRow("default TCP/IP", config::Network_TcpIp(), "");

    config::Network_TcpIp tcpip;
    tcpip.mutable_static_net();
    addGoldenRow("static address created", tcpip, "1a00");

    tcpip.Clear();
    tcpip.set_type(config::Network::TYPE_DHCP);
    tcpip.set_auto_upnp_port(80);
    tcpip.set_port(8000);
    tcpip.set_upnp(true);
    tcpip.set_bandwidth_limitation(config::Network::BWL_10000kbps);
    addGoldenRow("every TCP/IP scalar", tcpip, "0801 1050 20c03e 2801 3009");

    config::Network_StaticNet staticNet;
    staticNet.set_ip_address("192.168.0.100");
    addGoldenRow("address set to its default", staticNet, "0a0d 3139322e3136382e302e313030");

    staticNet.Clear();
    staticNet.set_ddns_support(false);
    staticNet.set_dns_ip("1.1.1.1");
    addGoldenRow("DNS and DDNS link", staticNet, "2207 312e312e312e31 2800");

    config::Network network;
    network.add_remote_dvrs()->set_name("a");
    config::Network_RemoteDvr& second = *network.add_remote_dvrs();
    second.set_port(8080);
    second.set_user("admin");
    network.mutable_ddns()->set_hostname("x");
    addGoldenRow("remote DVRs in list order", network, "1203 0a0178 2203 0a0161 220a 18903f 2205 61646d696e");

    config::Network_H264 h264;
    h264.set_resolution(config::RESOLUTION_D1);
    for (unsigned fps : {30u, 30u, 15u, 7u}) {
        h264.add_qual(config::QUALITY_HIGH);
        h264.add_fps(fps);
    }
    addGoldenRow("H.264 stream element", h264, "0802 1002 1002 1002 1002 1a04 1e1e0f07");

    h264.Clear();
    h264.set_resolution(config::RESOLUTION_HALF_D1);
    addGoldenRow("no frame rates, no field 3", h264, "0801");

    h264.Clear();
    h264.add_fps(200);
    h264.add_fps(1);
    addGoldenRow("two-byte frame rate", h264, "1a03 c80101");

    config::Network_Stream stream;
    stream.add_h264()->set_resolution(config::RESOLUTION_HALF_D1);
    stream.add_jpeg()->add_fps(5);
    stream.add_h264();
    addGoldenRow("JPEG list before H.264 list", stream, "0a03 1a0105 1202 0801 1200");
}

void tst_NetworkConf::golden()
{
    checkGoldenRow();
}

void tst_NetworkConf::parsing_data()
{
    addParseColumns();

    addParseRow<config::Network_TcpIp>("address type 3 dropped", "0803", "");
    addParseRow<config::Network_TcpIp>("bandwidth limit 10 dropped", "300a", "");
    addParseRow<config::Network_TcpIp>("bandwidth limit 10 keeps the earlier value", "3005 300a", "3005");
    addParseRow<config::Network_H264>("unpacked frame rates", "181e 180f", "1a02 1e0f");
    addParseRow<config::Network_H264>("packed qualities, 5 dropped", "1203 010502", "1001 1002");
    addParseRow<config::Network_H264>("unpacked quality 4 dropped", "1001 1004 1003", "1001 1003");
    addParseRow<config::Network_H264>("resolution 4 dropped", "0804", "");
    addParseRow<config::Network_Jpeg>("JPEG element parses alike", "0804 181e 1203 010502", "1001 1002 1a01 1e");
    addParseRow<config::Network_H264>("frame rates of any size", "1a05 ffffffff0f", "1a05 ffffffff0f");
}

void tst_NetworkConf::parsing()
{
    checkParseRow();
}

void tst_NetworkConf::defaults()
{
    const config::Network_TcpIp tcpip;
    QCOMPARE(tcpip.type(), config::Network::TYPE_AUTO_UPNP);
    QCOMPARE(tcpip.auto_upnp_port(), 80u);
    QCOMPARE(tcpip.port(), 80u);
    QCOMPARE(tcpip.upnp(), false);
    QCOMPARE(tcpip.bandwidth_limitation(), config::Network::BWL_OFF);
    QCOMPARE(tcpip.static_net().ip_address(), std::string("192.168.0.100"));
    QCOMPARE(tcpip.static_net().subnetmask(), std::string("255.255.0.0"));
    QCOMPARE(tcpip.static_net().gateway(), std::string("192.168.0.1"));
    QCOMPARE(tcpip.static_net().dns_ip(), std::string("8.8.8.8"));
    QCOMPARE(tcpip.static_net().ddns_support(), true);
    QVERIFY(!tcpip.has_static_net());

    const config::Network_RemoteDvr remote;
    QCOMPARE(remote.port(), 80u);
    QCOMPARE(remote.user(), std::string("admin"));
    QCOMPARE(remote.pass(), std::string());

    const config::Network_H264 h264;
    QCOMPARE(h264.resolution(), config::RESOLUTION_CIF);
    QCOMPARE(h264.qual_size(), 0);
    QCOMPARE(h264.fps_size(), 0);
}

void tst_NetworkConf::clearRestoresDefaults()
{
    config::Network network;
    config::Network_TcpIp& tcpip = *network.mutable_tcpip();
    tcpip.set_type(config::Network::TYPE_STATIC);
    tcpip.set_port(8000);
    config::Network_StaticNet& staticNet = *tcpip.mutable_static_net();
    staticNet.set_gateway("10.0.0.1");
    staticNet.set_ddns_support(false);
    config::Network_RemoteDvr& remote = *network.add_remote_dvrs();
    remote.set_user("guest");
    remote.set_port(1);

    remote.Clear();
    QCOMPARE(remote.user(), std::string("admin"));
    QCOMPARE(remote.port(), 80u);

    network.Clear();
    QCOMPARE(network.remote_dvrs_size(), 0);
    QVERIFY(!network.has_tcpip());
    QCOMPARE(network.mutable_tcpip(), &tcpip);
    QVERIFY(!tcpip.has_static_net());
    QCOMPARE(tcpip.mutable_static_net(), &staticNet);
    QCOMPARE(tcpip.type(), config::Network::TYPE_AUTO_UPNP);
    QCOMPARE(tcpip.port(), 80u);
    QCOMPARE(staticNet.gateway(), std::string("192.168.0.1"));
    QCOMPARE(staticNet.ddns_support(), true);
}

void tst_NetworkConf::mergeAppendsLists()
{
    config::Network target;
    target.add_remote_dvrs()->set_name("first");
    config::Network_H264& own = *target.mutable_stream()->add_h264();
    own.add_fps(30);
    target.mutable_tcpip()->set_port(81);

    config::Network source;
    source.add_remote_dvrs()->set_name("second");
    source.mutable_stream()->add_h264()->add_fps(15);
    source.mutable_tcpip()->set_upnp(true);

    target.MergeFrom(source);

    QCOMPARE(target.remote_dvrs_size(), 2);
    QCOMPARE(target.remote_dvrs(1).name(), std::string("second"));
    QCOMPARE(target.stream().h264_size(), 2);
    QCOMPARE(target.stream().h264(1).fps(0), 15u);
    QCOMPARE(target.tcpip().port(), 81u);
    QCOMPARE(target.tcpip().upnp(), true);

    own.MergeFrom(source.stream().h264(0));
    QCOMPARE(own.fps_size(), 2);
    QCOMPARE(own.fps(1), 15u);
}

void tst_NetworkConf::limitValues_data()
{
    QTest::addColumn<bool>("valid");
    QTest::addColumn<bool>("expected");

    QTest::newRow("DDNS 19") << config::DDNS_Limit_IsValid(19) << false;
    QTest::newRow("DDNS 20") << config::DDNS_Limit_IsValid(20) << true;
    QTest::newRow("DDNS 21") << config::DDNS_Limit_IsValid(21) << false;
    QTest::newRow("remote 0") << config::RemoteDvr_Limit_IsValid(0) << false;
    QTest::newRow("remote 10") << config::RemoteDvr_Limit_IsValid(10) << true;
    QTest::newRow("remote 15") << config::RemoteDvr_Limit_IsValid(15) << false;
    QTest::newRow("remote 20") << config::RemoteDvr_Limit_IsValid(20) << true;
    QTest::newRow("remote 30") << config::RemoteDvr_Limit_IsValid(30) << true;
    QTest::newRow("remote 40") << config::RemoteDvr_Limit_IsValid(40) << false;
}

void tst_NetworkConf::limitValues()
{
    QFETCH(bool, valid);
    QFETCH(bool, expected);
    QCOMPARE(valid, expected);
}

void tst_NetworkConf::networkTypeTable_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("text");

    QTest::newRow("auto UPnP") << 0 << int(config::Network::TYPE_AUTO_UPNP) << QByteArray("Auto UPnP");
    QTest::newRow("static") << 1 << int(config::Network::TYPE_STATIC) << QByteArray("Static");
    QTest::newRow("DHCP") << 2 << int(config::Network::TYPE_DHCP) << QByteArray("DHCP");
}

void tst_NetworkConf::networkTypeTable()
{
    QFETCH(int, row);
    QFETCH(int, type);
    QFETCH(QByteArray, text);

    QCOMPARE(QByteArray(config::NetworkType_Index2String(row)), text);
    QCOMPARE(int(config::NetworkType_Index2Type(row)), type);
    QCOMPARE(config::NetworkType_Type2Index(config::NetworkType_Index2Type(row)), row);
}

void tst_NetworkConf::bandwidthTable_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("kbps");

    const int rates[] = {0, 100, 200, 300, 500, 1000, 2000, 3000, 5000, 10000};
    QTest::newRow("off") << 0 << QByteArray("OFF") << 0;
    for (int row = 1; row < 10; ++row)
        QTest::addRow("%d kbps", rates[row]) << row << QByteArray::number(rates[row]) + " kbps" << rates[row];
}

void tst_NetworkConf::bandwidthTable()
{
    QFETCH(int, row);
    QFETCH(QByteArray, text);
    QFETCH(int, kbps);

    const config::Network_BandWidthLimitation type = config::BandWidthLimitation_Index2Type(row);
    QCOMPARE(QByteArray(config::BandWidthLimitation_Index2String(row)), text);
    QCOMPARE(int(type), row);
    QCOMPARE(config::BandWidthLimitation_Type2Index(type), row);
    QCOMPARE(config::BandWidthLimitation_Index2Value(row), kbps);
    QCOMPARE(config::BandWidthLimitation_Type2Value(type), kbps);
}

void tst_NetworkConf::misuseStops_data()
{
    addAbortColumns();
    const QByteArray source = "sys_conf/types/network";

    QTest::newRow("type row 3") << Action([] { config::NetworkType_Index2String(3); })
                                << QByteArray("NetworkType_Index2String") << source;
    QTest::newRow("type 3") << Action([] { config::NetworkType_Type2Index(config::Network_Type(3)); })
                            << QByteArray("NetworkType_Type2Index") << source;
    QTest::newRow("bandwidth 10") << Action(
        [] { config::BandWidthLimitation_Type2Value(config::Network_BandWidthLimitation(10)); })
                                  << QByteArray("BandWidthLimitation_Type2Value") << source;
}

void tst_NetworkConf::misuseStops()
{
    checkAbortRow();
}

QTEST_GUILESS_MAIN(tst_NetworkConf)
#include "tst_NetworkConf.moc"
