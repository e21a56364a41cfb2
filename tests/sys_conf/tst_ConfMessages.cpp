#include "CompleteDvrConf.h"
#include "ConfTestSupport.h"
#include "sys_conf/proto/dvr_conf.pb.h"

#include <QtTest>

namespace {

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

// A golden row for a message that build fills in.
template <class Message, class Build> void addBuilt(const char* name, const QByteArray& expectedHex, Build build)
{
    Message message;
    build(message);
    addGoldenRow(name, message, QByteArray::fromHex(expectedHex));
}

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
    using namespace config;

    // DvrConf
    addBuilt<DvrConf>("identity created", "0a00", [](auto& m) { m.mutable_dvr_info(); });
    addBuilt<DvrConf>(
        "identity with its default channel count", "0a021010", [](auto& m) { m.mutable_dvr_info()->set_ch_num(16); });
    addBuilt<DvrConf>("identity with languages", "0a11 0803 1010 1801 2207 656e676c697368 2200", [](auto& m) {
        DvrConf_DvrInfo& info = *m.mutable_dvr_info();
        info.set_model(3);
        info.set_ch_num(16);
        info.set_vtype(1);
        info.add_languages("english");
        info.add_languages("");
    });
    addBuilt<DvrConf>("every part, created in any order, in field order",
        "0a00 1200 1a00 2200 2a00 3200 3a00 4200 4a00 5200", [](auto& m) {
            m.mutable_system();
            m.mutable_buyer_info();
            m.mutable_account();
            m.mutable_hdd();
            m.mutable_limit();
            m.mutable_record();
            m.mutable_event();
            m.mutable_dvr_info();
            m.mutable_network();
            m.mutable_camera();
        });

    // Account
    addBuilt<Account_User>(
        "user with every field at its default", "0a00 1204 37393235 18ffff03 2000 2800 3000 3801 4000", [](auto& m) {
            m.set_name("");
            m.set_password("7925");
            m.set_ch_mask(65535);
            m.set_ptz(false);
            m.set_playback(false);
            m.set_backup(false);
            m.set_network(true);
            m.set_network_timeout(Account::NETWORK_TIMEOUT_OFF);
        });

    // Camera
    addBuilt<Camera>(
        "camera lists in field order", "0a0b 0a05 43482d3031 1000 1a00 1202 3807 1a00 2202 3007 2802", [](auto& m) {
            Camera_Channel& channel = *m.add_channel();
            channel.set_name("CH-01");
            channel.set_covert(false);
            channel.mutable_adjustment();
            m.add_ptz()->set_baudrate(Camera_Ptz::BAUDRATE_115200);
            m.mutable_seq();
            m.add_spot()->set_seq_time(Camera::SEQ_30SECS);
            m.set_sharpness(Camera::SHARPNESS_HARD);
        });

    // Event
    addBuilt<Event_Motion>("three-cell zone", "0808 1203 010001", [](auto& m) {
        m.set_sensitivity(8);
        m.add_zone(true);
        m.add_zone(false);
        m.add_zone(true);
    });
    for (const int cells : {330, 396, 192}) {
        Event_Motion motion;
        QByteArray cellBytes;
        for (int cell = 0; cell < cells; ++cell) {
            motion.add_zone(cell % 2 == 0);
            cellBytes.append(cell % 2 == 0 ? '\x01' : '\x00');
        }
        QByteArray length;
        length.append(char(0x80 | (cells & 0x7F))).append(char(cells >> 7));
        addGoldenRow(qPrintable(QString::number(cells) + " zone cells"), motion, "\x12" + length + cellBytes);
    }
    addBuilt<Event_Relay>("relay keep time", "2803", [](auto& m) { m.set_keep_time(Event_Relay::KEEP_30SEC); });
    addBuilt<Event_Relay>("relay lists packed", "0a020100 120100 1801 2000", [](auto& m) {
        m.add_motion(true);
        m.add_motion(false);
        m.add_sensor(false);
        m.set_record_fail(true);
        m.set_record_warning(false);
    });
    addBuilt<Event>("post-alarm recording only", "2a02 0801",
        [](auto& m) { m.mutable_post_record()->set_time(Event_PostRecord::TIME_10SEC); });
    addBuilt<Event>("empty relay created", "1a00", [](auto& m) { m.mutable_relay(); });
    addBuilt<Event_Email_SMTP>("SMTP port only", "1019", [](auto& m) { m.set_port(25); });
    addBuilt<Event_Email_SMTP>("empty password set explicitly", "2a00", [](auto& m) { m.set_auth_password(""); });
    addBuilt<Event_Email_Address>("four empty receivers", "1200 1200 1200 1200", [](auto& m) {
        for (int i = 0; i < 4; ++i)
            m.add_receiver("");
    });
    addBuilt<Event_Email_SendContent>("send contents", "1801 2801", [](auto& m) {
        m.set_video_loss(true);
        m.set_sys_access(true);
    });

    // Hdd
    addBuilt<Hdd>("forced deletion 99", "0a02 1063", [](auto& m) { m.mutable_mode()->set_forced_deletion(99); });
    addBuilt<Hdd_Smart>("check off, every 24 hours", "0800 1002", [](auto& m) {
        m.set_smart(false);
        m.set_check_interval(Hdd_Smart::INTERVAL_24HOURS);
    });

    // Network
    addBuilt<Network_TcpIp>("static address created", "1a00", [](auto& m) { m.mutable_static_net(); });
    addBuilt<Network_StaticNet>("address set to its default", "0a0d 3139322e3136382e302e313030",
        [](auto& m) { m.set_ip_address("192.168.0.100"); });
    addBuilt<Network>("remote DVRs in list order", "2203 0a0161 2203 18903f", [](auto& m) {
        m.add_remote_dvrs()->set_name("a");
        m.add_remote_dvrs()->set_port(8080);
    });
    addBuilt<Network_H264>("H.264 stream element", "0802 1002 1002 1002 1002 1a04 1e1e0f07", [](auto& m) {
        m.set_resolution(RESOLUTION_D1);
        for (const unsigned fps : {30u, 30u, 15u, 7u}) {
            m.add_qual(QUALITY_HIGH);
            m.add_fps(fps);
        }
    });
    addBuilt<Network_H264>("no frame rates, no field 3", "0801", [](auto& m) { m.set_resolution(RESOLUTION_HALF_D1); });
    addBuilt<Network_H264>("two-byte frame rate", "1a03 c80101", [](auto& m) {
        m.add_fps(200);
        m.add_fps(1);
    });
    addBuilt<Network_Stream>("JPEG list before H.264 list", "0a03 1a0105 1202 0801 1200", [](auto& m) {
        m.add_h264()->set_resolution(RESOLUTION_HALF_D1);
        m.add_jpeg()->add_fps(5);
        m.add_h264();
    });

    // Record
    addBuilt<Record_Channel>(
        "channel with every list but the event ones", "0802 1002 1002 1002 1002 1a04 1e0f0707 3001", [](auto& m) {
            m.set_resolution(RESOLUTION_D1);
            for (const unsigned fps : {30u, 15u, 7u, 7u}) {
                m.add_qual(QUALITY_HIGH);
                m.add_fps(fps);
            }
            m.set_record_mode(RECORD_CONTINUOUS);
        });
    addBuilt<Record_Channel>("event lists; no frame rates, no field 3", "1000 2003 2a02 c801", [](auto& m) {
        m.add_qual(QUALITY_LOW);
        m.add_qual_evt(QUALITY_SUPER);
        m.add_fps_evt(200);
    });
    addBuilt<Record_Schedule>("week of manual hours", QByteArray("0800").repeated(168), [](auto& m) {
        for (int hour = 0; hour < 168; ++hour)
            m.add_record_mode(RECORD_MANUAL);
    });
    addBuilt<Record>("one default channel", "0a00", [](auto& m) { m.add_channel(); });
    addBuilt<Record>("schedule, switches and playback", "1202 0809 1a02 0800 2206 080f 1005 1801", [](auto& m) {
        m.add_schedule()->add_record_mode(RECORD_SCHEDULE_4);
        m.mutable_misc()->set_audio_rec(false);
        m.mutable_playback()->set_chmode(15);
        m.mutable_playback()->set_start_point(Record_Playback::START_FIRST);
        m.mutable_playback()->set_audio_play(true);
    });

    // System
    addBuilt<System_NameId>("ID only", "1005", [](auto& m) { m.set_dvr_id(5); });
    addBuilt<System_NameId>("name set to its default", "0a03 445652", [](auto& m) { m.set_dvr_name("DVR"); });
    addBuilt<System>("every system part, in number order",
        "0a00 1202 1001 1a07 656e676c697368 2200 2a06 3004 42022809 3001", [](auto& m) {
            m.set_mode(System::MODE_HD);
            m.mutable_display()->set_vga_mode(System_Display::VGA_1920x1080);
            m.mutable_display()->mutable_vga_only_adjust()->set_gain(9);
            m.set_language("english");
            m.mutable_time_date()->set_time_format(System_TimeDate::TIME_FORMAT_12);
            m.mutable_buzzer();
            m.mutable_name_id();
        });
}

void tst_ConfMessages::golden()
{
    checkGoldenRow();
}

void tst_ConfMessages::parsing_data()
{
    addParseColumns();
    using namespace config;

    // Invalid enumeration values are dropped and leave the field as it was.
    addParseRow<Account_User>("time-out 6 keeps the earlier value", "4003 4006", "4003");
    addParseRow<Account_Logoff>("wait time 5 keeps the earlier value", "1004 1005 0801", "0801 1004");
    addParseRow<Account>("rest of the message still parsed", "1a02 1009 0a02 0a00", "0a02 0a00 1a00");
    addParseRow<Camera_Spot>("spot mode 5 keeps the earlier mode", "0802 0805", "0802");
    addParseRow<Camera_Seq>("negative dwell time dropped", "10ffffffffffffffffff01", "");
    addParseRow<Event_Sensor>("sensor type 2 dropped, linked channel kept", "0802 1005", "1005");
    addParseRow<Event_SensorConf>("sensor with a dropped type still listed", "0a04 0802 1003", "0a02 1003");
    addParseRow<Event_PostRecord>("post-alarm time 7 dropped", "0807", "");
    addParseRow<Event_PostRecord>("post-alarm time 6 kept", "0806", "0806");
    addParseRow<Event_Email_SendCond>("send period 8 dropped", "0808", "");
    addParseRow<Event_Email_SendCond>("send period 7 kept", "0807", "0807");
    addParseRow<Hdd_Mode>("write mode 2 dropped", "0802", "");
    addParseRow<Hdd_Smart>("interval 3 dropped", "1003", "");
    addParseRow<Network_TcpIp>("address type 3 dropped", "0803", "");
    addParseRow<Network_TcpIp>("bandwidth limit 10 dropped", "300a", "");
    addParseRow<Network_H264>("resolution 4 dropped", "0804", "");
    addParseRow<Record_Playback>("start point 6 keeps the earlier value", "1003 1006", "1003");
    addParseRow<Record_Playback>("start point 6 leaves it absent", "1006", "");
    addParseRow<System_TimeDate>("time format 2 dropped", "1002", "");
    addParseRow<System_Display>("VGA mode 5 dropped", "3005", "");
    addParseRow<System_Display>("OSG position 1 kept", "4801", "4801");
    addParseRow<System>("mode 2 dropped", "3002", "");
    // Repeated elements with invalid values vanish; later ones move up.
    addParseRow<Network_H264>("packed qualities, 5 dropped", "1203 010502", "1001 1002");
    addParseRow<Record_Schedule>("hour 10 dropped, later hours move up", "0801 080a 0805", "0801 0805");
    // Packed and unpacked input are both read; output packs only where it must.
    addParseRow<Event_Motion>("unpacked zone", "1001 1000", "1202 0100");
    addParseRow<Event_Motion>("packed cell 2 reads true", "1201 02", "1201 01");
    addParseRow<Network_H264>("unpacked frame rates", "181e 180f", "1a02 1e0f");
    addParseRow<Record_Channel>(
        "unpacked frame rates, packed qualities", "181e 180f 1807 1807 1202 0203", "1002 1003 1a04 1e0f0707");
    addParseRow<Record_Schedule>("packed schedule written unpacked", "0a03 000105", "0800 0801 0805");
    addParseRow<Event_Email_Address>("receivers keep their count", "1200 1200 1200 1200", "1200 1200 1200 1200");
    // Scalars and nesting as protobuf reads them; unknown fields are not kept.
    addParseRow<DvrConf>("empty input", "", "");
    addParseRow<DvrConf>("unknown field 11", "0a021010 5801", "0a021010");
    addParseRow<DvrConf>("ten-byte varint keeps the low 32 bits", "0a0b 10 ffffffffffffffffff01", "0a06 10 ffffffff0f");
    addParseRow<DvrConf>("fields written in number order", "5200 1200 0a00", "0a00 1200 5200");
    addParseRow<DvrConf>("known number, wrong wire type", "0805 0a021008", "0a021008");
    addParseRow<DvrConf>("two identities merge, later scalars win", "0a05 1008 220161 0a07 1004 0801 220162",
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
