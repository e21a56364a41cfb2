#include "CompleteDvrConf.h"
#include "ConfTestSupport.h"
#include "sys_conf/proto/dvr_conf.pb.h"

#include <QtTest>

namespace {

QByteArray zone(int cells)
{
    QByteArray bytes;
    for (int cell = 0; cell < cells; ++cell)
        bytes.append(cell % 2 == 0 ? '\x01' : '\x00');
    return bytes;
}

template <class Value> QByteArray text(const Value& value)
{
    if constexpr (std::is_same_v<Value, std::string>)
        return QByteArray::fromStdString(value);
    else
        return QByteArray::number(qint64(value));
}

// List elements, whose defaults the parts cannot show.
struct Elements {
    config::Account_User user;
    config::Camera_Channel channel;
    config::Camera_Spot spot;
    config::Network_RemoteDvr remote;
};

// The defaults a DVR relies on when it leaves a field out, read through parts
// that may be absent.
QByteArrayList defaults(const config::DvrConf& conf, const Elements& e)
{
    const auto& smtp = conf.event().email().smtp();
    const auto& net = conf.network().tcpip().static_net();
    const auto& display = conf.system().display();
    return {text(conf.dvr_info().ch_num()), text(conf.account().admin().password()),
        text(e.user.password()) + ' ' + text(e.user.ch_mask()) + ' ' + text(e.user.network()),
        text(conf.account().logoff().wait_time()), text(e.channel.adjustment().contrast()),
        text(conf.camera().seq().ch_mask()), text(e.spot.ch_mask_quad()) + ' ' + text(e.spot.ch_mask_nona()),
        text(conf.event().motion_conf().pop_down()), text(smtp.address()) + ':' + text(smtp.port()),
        text(smtp.authentication() && smtp.use_ssl() && smtp.use_mime()), text(conf.hdd().mode().write_mode()),
        text(conf.hdd().smart().smart()),
        text(conf.network().tcpip().type()) + ' ' + text(conf.network().tcpip().port()),
        text(net.ip_address()) + ' ' + text(net.subnetmask()) + ' ' + text(net.gateway()) + ' ' + text(net.dns_ip()),
        text(e.remote.user()) + ':' + text(e.remote.port()), text(conf.record().misc().audio_rec()),
        text(conf.system().language()), text(conf.system().name_id().dvr_name()),
        text(conf.system().time_date().time_zone()) + ' ' + text(conf.system().time_date().ntp_server()),
        text(display.vga_mode()) + ' ' + text(display.hdmi_vga_adjust().luminance())};
}

const QByteArrayList expectedDefaults
    = {"16", "7925", "7925 65535 1", "0", "8", "65535", "15 511", "0", "smtp.gmail.com:587", "1", "1", "1", "2 80",
        "192.168.0.100 255.255.0.0 192.168.0.1 8.8.8.8", "admin:80", "1", "english", "DVR", "GMT pool.ntp.org", "0 8"};

} // namespace

class tst_ConfMessages : public QObject {
    Q_OBJECT

private slots:
    void golden_data();
    void golden();
    void parsing_data();
    void parsing();
    void absentPartsReadDefaults();
    void clearRestoresDefaults();
    void completeConfigurationRoundTrips();
};

void tst_ConfMessages::golden_data()
{
    addGoldenColumns();

    config::DvrConf conf;
    conf.mutable_dvr_info()->set_ch_num(16);
    addGoldenRow("identity with its default channel count", conf, "0a021010");
    conf.mutable_dvr_info()->set_model(3);
    conf.mutable_dvr_info()->set_vtype(1);
    conf.mutable_dvr_info()->add_languages("english");
    conf.mutable_dvr_info()->add_languages("");
    addGoldenRow("identity with languages", conf, "0a11 0803 1010 1801 2207 656e676c697368 2200");
    conf.Clear();
    // Parts created in any order are written in field order.
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
    addGoldenRow("every part, in field order", conf, "0a00 1200 1a00 2200 2a00 3200 3a00 4200 4a00 5200");

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

    config::Camera camera;
    config::Camera_Channel& channel = *camera.add_channel();
    channel.set_name("CH-01");
    channel.set_covert(false);
    channel.mutable_adjustment();
    camera.add_ptz()->set_baudrate(config::Camera_Ptz::BAUDRATE_115200);
    camera.mutable_seq();
    camera.add_spot()->set_seq_time(config::Camera::SEQ_30SECS);
    addGoldenRow("camera lists in field order", camera, "0a0b 0a05 43482d3031 1000 1a00 1202 3807 1a00 2202 3007");

    config::Event_Motion motion;
    motion.set_sensitivity(8);
    for (int cell = 0; cell < 396; ++cell)
        motion.add_zone(cell % 2 == 0);
    addGoldenRow("full motion zone, packed", motion, QByteArray::fromHex("0808 128c03") + zone(396));

    config::Event_Relay relay;
    relay.add_motion(true);
    relay.add_motion(false);
    relay.add_sensor(false);
    relay.set_record_fail(true);
    relay.set_keep_time(config::Event_Relay::KEEP_30SEC);
    addGoldenRow("relay lists packed", relay, "0a020100 120100 1801 2803");

    config::Event_Email_SMTP smtp;
    smtp.set_address("smtp.example.org");
    smtp.set_port(587);
    smtp.set_authentication(false);
    smtp.set_auth_id("id");
    smtp.set_auth_password("pw");
    smtp.set_use_ssl(false);
    smtp.set_use_mime(true);
    addGoldenRow(
        "every SMTP field", smtp, "0a10 736d74702e6578616d706c652e6f7267 10cb04 1800 2202 6964 2a02 7077 3000 3801");

    config::Hdd hdd;
    hdd.mutable_smart();
    hdd.mutable_mode()->set_write_mode(config::Hdd::WRITE_OVERWRITE);
    addGoldenRow("HDD write mode set to its default", hdd, "0a02 0801 1200");

    config::Network network;
    network.add_remote_dvrs()->set_name("a");
    network.add_remote_dvrs()->set_port(8080);
    network.mutable_ddns()->set_hostname("x");
    config::Network_H264& h264 = *network.mutable_stream()->add_h264();
    h264.set_resolution(config::RESOLUTION_D1);
    for (unsigned fps : {30u, 200u}) {
        h264.add_qual(config::QUALITY_HIGH);
        h264.add_fps(fps);
    }
    addGoldenRow("network lists; qualities unpacked, frame rates packed", network,
        "1203 0a0178 1a0d 120b 0802 1002 1002 1a03 1ec801 2203 0a0161 2203 18903f");

    config::Record record;
    config::Record_Channel& recordChannel = *record.add_channel();
    recordChannel.set_resolution(config::RESOLUTION_960H);
    recordChannel.add_qual_evt(config::QUALITY_SUPER);
    recordChannel.add_fps_evt(200);
    recordChannel.set_record_mode(config::RECORD_CONTINUOUS);
    record.add_schedule()->add_record_mode(config::RECORD_SCHEDULE_4);
    record.mutable_misc()->set_audio_rec(false);
    record.mutable_playback()->set_chmode(15);
    addGoldenRow("record channel, schedule, switches and playback", record,
        "0a0a 0803 2003 2a02c801 3001 1202 0809 1a02 0800 2202 080f");

    config::System system;
    system.set_mode(config::System::MODE_HD);
    system.mutable_display()->set_vga_mode(config::System_Display::VGA_1920x1080);
    system.mutable_display()->mutable_vga_only_adjust()->set_gain(9);
    system.set_language("english");
    system.mutable_time_date()->set_time_format(config::System_TimeDate::TIME_FORMAT_12);
    system.mutable_name_id()->set_dvr_name("DVR");
    addGoldenRow("every system part, in number order", system,
        "0a05 0a03445652 1202 1001 1a07 656e676c697368 2a06 3004 42022809 3001");
}

void tst_ConfMessages::golden()
{
    checkGoldenRow();
}

void tst_ConfMessages::parsing_data()
{
    addParseColumns();

    // Invalid enumeration values are dropped and leave the field as it was.
    addParseRow<config::Account_User>("time-out 6 keeps the earlier value", "4003 4006", "4003");
    addParseRow<config::Camera_Spot>("spot mode 5 dropped", "0805", "");
    addParseRow<config::Camera_Seq>("negative dwell time dropped", "10ffffffffffffffffff01", "");
    addParseRow<config::Event_SensorConf>("sensor with a dropped type still listed", "0a04 0802 1003", "0a02 1003");
    addParseRow<config::Record_Playback>("start point 6 dropped", "1003 1006", "1003");
    addParseRow<config::System>("mode 2 dropped", "3002", "");
    addParseRow<config::Account>("rest of the message still parsed", "1a02 1009 0a02 0a00", "0a02 0a00 1a00");
    // Repeated elements with invalid values vanish; later ones move up.
    addParseRow<config::Network_H264>("packed qualities, 5 dropped", "1203 010502", "1001 1002");
    addParseRow<config::Record_Schedule>("unpacked hour 10 dropped", "0801 080a 0805", "0801 0805");
    // Packed and unpacked input are both read; output packs only where it must.
    addParseRow<config::Event_Motion>(
        "packed and unpacked zone append in order", "1202 0100 1001 1201 02", "1204 01000101");
    addParseRow<config::Record_Channel>(
        "unpacked frame rates, packed qualities", "181e 180f 1202 0203", "1002 1003 1a02 1e0f");
    addParseRow<config::Record_Schedule>("packed schedule written unpacked", "0a03 000105", "0800 0801 0805");
    // Scalars and nesting as protobuf reads them; unknown fields are not kept.
    addParseRow<config::DvrConf>("unknown field 11", "0a021010 5801", "0a021010");
    addParseRow<config::DvrConf>(
        "ten-byte varint keeps the low 32 bits", "0a0b 10 ffffffffffffffffff01", "0a06 10 ffffffff0f");
    addParseRow<config::DvrConf>("fields written in number order", "5200 1200 0a00", "0a00 1200 5200");
    addParseRow<config::DvrConf>("known number, wrong wire type", "0805 0a021008", "0a021008");
    addParseRow<config::DvrConf>("two identities merge, later scalars win", "0a05 1008 220161 0a07 1004 0801 220162",
        "0a0a 0801 1004 220161 220162");
}

void tst_ConfMessages::parsing()
{
    checkParseRow();
}

void tst_ConfMessages::absentPartsReadDefaults()
{
    const config::DvrConf conf;

    QCOMPARE(defaults(conf, Elements()), expectedDefaults);
    QVERIFY(!conf.has_dvr_info() && !conf.has_account() && !conf.has_event() && !conf.has_system());
    QVERIFY(!conf.system().display().has_hdmi_vga_adjust());
    QVERIFY(serializedBytes(conf).isEmpty());
}

void tst_ConfMessages::clearRestoresDefaults()
{
    config::DvrConf conf = CompleteDvrConf::build();
    Elements e{conf.account().users(0), conf.camera().channel(0), conf.camera().spot(0), conf.network().remote_dvrs(0)};
    // The parts keep their objects through Clear(), so a stale value would show.
    const config::System_Display* display = &conf.system().display();
    QVERIFY(defaults(conf, e) != expectedDefaults);

    conf.Clear();
    e.user.Clear();
    e.channel.Clear();
    e.spot.Clear();
    e.remote.Clear();

    QCOMPARE(defaults(conf, e), expectedDefaults);
    QCOMPARE(&conf.mutable_system()->display(), display);
    QVERIFY(!conf.system().has_display());
    QCOMPARE(hex(serializedBytes(conf)), hex(QByteArray::fromHex("4a00")));
}

void tst_ConfMessages::completeConfigurationRoundTrips()
{
    const QByteArray first = serializedBytes(CompleteDvrConf::build());

    config::DvrConf parsed;
    QVERIFY(CConfParser::parse(first, parsed));

    QVERIFY(serializedBytes(parsed) == first);
    QCOMPARE(parsed.event().motion_conf().motion(15).zone_size(), CompleteDvrConf::kZoneCells);
    QCOMPARE(parsed.record().schedule(3).record_mode_size(), CompleteDvrConf::kScheduleHours);
    QCOMPARE(parsed.event().email().address().receiver_size(), 4);
    QCOMPARE(parsed.network().remote_dvrs_size(), 3);
}

QTEST_GUILESS_MAIN(tst_ConfMessages)
#include "tst_ConfMessages.moc"
