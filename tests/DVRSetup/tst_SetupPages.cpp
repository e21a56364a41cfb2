#include "DVRSetup/CSetupAccount.h"
#include "DVRSetup/CSetupCamera.h"
#include "DVRSetup/CSetupHdd.h"
#include "DVRSetup/CSetupNetwork.h"
#include "DVRSetup/CSetupSystem.h"
#include "DVRSetup/DefStream.h"
#include "WireBuilder.h"
#include "tests/Connection/ModalAnswers.h"
#include "tests/DVRSetup/SetupPageSupport.h"
#include "tests/sys_conf/ModelSizedDvrConf.h"

#include <QLineEdit>
#include <QSpinBox>
#include <QTest>
#include <functional>

using namespace SetupPageSupport;
using Change = std::function<void(config::DvrConf&)>;
Q_DECLARE_METATYPE(Change)

namespace {

// One page with the part of the configuration it edits.
class PageUnderTest {
public:
    virtual ~PageUnderTest() = default;
    virtual QWidget* widget() = 0;
    virtual void showDefaults(const config::DvrConf_DvrInfo& info) = 0;
    virtual void load(const config::DvrConf& conf) = 0;
    virtual QByteArray taken() = 0;
    virtual QByteArray partOf(const config::DvrConf& conf) const = 0;
};

template <class Page, class Part> class PageOf : public PageUnderTest {
public:
    using Accessor = const Part& (config::DvrConf::*)() const;
    explicit PageOf(Accessor accessor)
        : m_accessor(accessor)
    {
    }
    QWidget* widget() override { return &m_page; }
    void showDefaults(const config::DvrConf_DvrInfo& info) override { m_page.InitDvrInfo(info); }
    void load(const config::DvrConf& conf) override
    {
        m_page.InitDvrInfo(conf.dvr_info());
        m_page.SetConf((conf.*m_accessor)());
    }
    QByteArray taken() override { return WireBuilder::bytesOf(m_page.GetConf()).toHex(' '); }
    QByteArray partOf(const config::DvrConf& conf) const override
    {
        return WireBuilder::bytesOf((conf.*m_accessor)()).toHex(' ');
    }

private:
    Page m_page;
    Accessor m_accessor;
};

std::unique_ptr<PageUnderTest> makePage(const QString& name)
{
    if (name == "account")
        return std::make_unique<PageOf<CSetupAccount, config::Account>>(&config::DvrConf::account);
    if (name == "hdd")
        return std::make_unique<PageOf<CSetupHdd, config::Hdd>>(&config::DvrConf::hdd);
    if (name == "camera")
        return std::make_unique<PageOf<CSetupCamera, config::Camera>>(&config::DvrConf::camera);
    if (name == "network")
        return std::make_unique<PageOf<CSetupNetwork, config::Network>>(&config::DvrConf::network);
    return std::make_unique<PageOf<CSetupSystem, config::System>>(&config::DvrConf::system);
}

const Change asSized = [](config::DvrConf&) {};

void setUserRight(config::DvrConf& c, int user, void (config::Account_User::*set)(bool), bool value)
{
    (c.mutable_account()->mutable_users(user)->*set)(value);
}

config::Network_H264 defaultEntry(int channels, config::VideoType type)
{
    config::Network_H264 entry;
    for (int r = 0; r < config::Resolution_ARRAYSIZE; ++r) {
        entry.add_qual(config::QUALITY_HIGH);
        entry.add_fps(DefStream::FPS_GetDefAll(channels, type, config::Resolution(r), 1));
    }
    return entry;
}

} // namespace

class tst_SetupPages : public QObject {
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip() { run(); }
    void edits_data();
    void edits() { run(); }
    void repairs_data();
    void repairs() { run(); }
    void languageChange_data();
    void languageChange();

private:
    void addColumns();
    void run();
};

void tst_SetupPages::addColumns()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<int>("model");
    QTest::addColumn<int>("vtype");
    QTest::addColumn<Change>("load"); // of the sized configuration; none: the page's defaults
    QTest::addColumn<QString>("steps");
    QTest::addColumn<Change>("expected"); // of what was loaded; none: unchanged
    QTest::addColumn<QStringList>("shown");
}

void tst_SetupPages::run()
{
    QFETCH(QString, page);
    QFETCH(int, model);
    QFETCH(int, vtype);
    QFETCH(Change, load);
    QFETCH(QString, steps);
    QFETCH(Change, expected);
    QFETCH(QStringList, shown);
    config::DvrConf conf = ModelSizedDvrConf::build(model, static_cast<unsigned>(vtype));
    const std::unique_ptr<PageUnderTest> tested = makePage(page);
    QWidget* widget = tested->widget();
    widget->show();
    QVERIFY(QTest::qWaitForWindowExposed(widget));
    if (load) {
        load(conf);
        tested->load(conf);
    } else {
        tested->showDefaults(conf.dvr_info());
    }
    ModalAnswers boxes;
    // "reload" loads the same part again, as the hub does for the next DVR.
    const QStringList phases = steps.split(QStringLiteral("; reload; "));
    for (int phase = 0; phase < phases.size(); ++phase) {
        if (phase > 0)
            tested->load(conf);
        perform(widget, phases[phase]);
    }
    for (const QString& check : shown) {
        if (check.startsWith("box="))
            QCOMPARE(boxes.messages.join('|'), check.mid(4));
        else
            QCOMPARE(check.section('=', 0, 0) + '=' + shownValue(widget, check), check);
    }
    if (expected)
        expected(conf);
    QCOMPARE(tested->taken(), tested->partOf(conf));
    QCOMPARE(tested->taken(), tested->partOf(conf)); // taking it again changes nothing
}

void tst_SetupPages::roundTrip_data()
{
    addColumns();
    const std::pair<const char*, std::pair<int, int>> models[]
        = {{"4-channel 960H NTSC", {6, 0}}, {"8-channel AHD PAL", {52, 1}}, {"8-channel HD-SDI PAL", {65, 1}},
            {"4-channel HD-SDI NTSC", {64, 0}}, {"16-channel 960H", {4, 0}}, {"16-channel AHD PAL", {51, 1}},
            {"8-channel without sensors", {55, 1}}, {"4-channel without sensors", {2, 0}}};
    for (const char* page : {"account", "hdd", "camera", "network", "system"}) {
        for (const auto& [name, model] : models) {
            QTest::addRow("%s, %s", page, name)
                << page << model.first << model.second << asSized << QString() << Change() << QStringList();
        }
    }
}

void tst_SetupPages::edits_data()
{
    addColumns();
    const auto row = [](const char* name, const char* page, const char* steps, const Change& expected,
                         const QStringList& shown = {}, int model = 4) {
        QTest::newRow(name) << page << model << 0 << asSized << steps << expected << shown;
    };
    const auto account = [](config::DvrConf& c) { return c.mutable_account(); };
    const auto user = [](config::DvrConf& c, int i) { return c.mutable_account()->mutable_users(i); };
    const auto users = [](const QStringList& names) {
        return Change([names](config::DvrConf& c) {
            google::protobuf::RepeatedPtrField<config::Account_User> kept;
            for (const QString& name : names)
                *kept.Add() = c.account().users(name.back().digitValue());
            c.mutable_account()->mutable_users()->Swap(&kept);
        });
    };
    row("admin password", "account", "type admin_password 4321",
        [=](config::DvrConf& c) { account(c)->mutable_admin()->set_password("4321"); });
    row("log-off auto", "account", "click logoffAutoOff",
        [=](config::DvrConf& c) { account(c)->mutable_logoff()->set_auto_enable(false); });
    row("log-off wait", "account", "pick logoffWaitTime 10 min", [=](config::DvrConf& c) {
        account(c)->mutable_logoff()->set_wait_time(config::Account_Logoff::WAIT_TIME_10MIN);
    });
    row("Add", "account", "click clear; type name eve; type password pw1; click userAdd",
        [=](config::DvrConf& c) {
            config::Account_User& eve = *account(c)->add_users();
            eve.set_name("eve");
            eve.set_password("pw1");
            eve.set_ch_mask(0xFFFF);
            eve.set_ptz(false);
            eve.set_playback(false);
            eve.set_backup(false);
            eve.set_network(true);
            eve.set_network_timeout(config::Account::NETWORK_TIMEOUT_OFF);
        },
        {"userList.currentRow=4", "name.text=eve"});
    row("Add, name in other letter case", "account", "click clear; type name USER1; type password x; click userAdd", {},
        {"box=Can't add same user.", "userList.count=4"});
    row("Add without password", "account", "click clear; type name eve; click userAdd", {}, {"userList.count=4"});
    row("Modify password", "account", "row userList user2; type password abc; click userModify",
        [=](config::DvrConf& c) { user(c, 2)->set_password("abc"); });
    row("Modify name to another's", "account", "row userList user3; type name user1; click userModify",
        [=](config::DvrConf& c) { user(c, 3)->set_name("user1"); });
    row("Modify PTZF", "account", "row userList user0; click ptzfOff; click userModify",
        [](config::DvrConf& c) { setUserRight(c, 0, &config::Account_User::set_ptz, false); });
    row("Modify playback", "account", "row userList user1; click playbackOff; click userModify",
        [](config::DvrConf& c) { setUserRight(c, 1, &config::Account_User::set_playback, false); });
    row("Modify backup", "account", "row userList user1; click backupOn; click userModify",
        [](config::DvrConf& c) { setUserRight(c, 1, &config::Account_User::set_backup, true); });
    row("Modify network", "account", "row userList user2; click networkOff; click userModify",
        [](config::DvrConf& c) { setUserRight(c, 2, &config::Account_User::set_network, false); });
    row("Modify time-out", "account", "row userList user2; pick networkTimeout 60 minutes; click userModify",
        [=](config::DvrConf& c) { user(c, 2)->set_network_timeout(config::Account::NETWORK_TIMEOUT_1HOUR); });
    row("Modify channel", "account", "row userList user1; click ch3; click userModify",
        [=](config::DvrConf& c) { user(c, 1)->set_ch_mask(0x7FF7); });
    row("Modify ALL", "account", "row userList user3; click chAll; click userModify",
        [=](config::DvrConf& c) { user(c, 3)->set_ch_mask(0xFFFF); });
    row("unchecking a channel unchecks ALL", "account", "row userList user0; click ch4", {},
        {"chAll.checked=false", "ch4.checked=false"});
    row("checking the last channel checks ALL", "account", "row userList user3; click ch13; click ch14; click ch15", {},
        {"chAll.checked=true"});
    row("Modify after another user was shown and the part reloaded", "account",
        "row userList user2; reload; click userModify", {}, {"name.text=user0"});
    QTest::newRow("Modify with no current row")
        << "account" << 4 << 0 << Change([](config::DvrConf& c) { c.mutable_account()->clear_users(); })
        << "type name eve; type password pw; click userModify" << Change() << QStringList{"userList.count=0"};
    row("Delete", "account", "row userList user2; click userDelete", users({"user0", "user1", "user3"}),
        {"userList.count=3"});
    row("Clear", "account", "row userList user3; click clear", {},
        {"name.text=", "password.text=", "ch15.checked=true", "chAll.checked=true", "networkOn.checked=true",
            "backupOff.checked=true", "networkTimeout.currentText=Continuous"});
    row("blank in a user name", "account", "type name a b", {}, {"name.text=ab"});
    QTest::newRow("Modify on 8 channels")
        << "account" << 52 << 1
        << Change([](config::DvrConf& c) { c.mutable_account()->mutable_users(0)->set_ch_mask(0xFFFF); })
        << "row userList user0; click userModify"
        << Change([](config::DvrConf& c) { c.mutable_account()->mutable_users(0)->set_ch_mask(0xFF); })
        << QStringList{"ch8.shown=false"};

    const auto hdd = [](config::DvrConf& c) { return c.mutable_hdd(); };
    row("write mode", "hdd", "pick writeMode OVERWRITE",
        [=](config::DvrConf& c) { hdd(c)->mutable_mode()->set_write_mode(config::Hdd::WRITE_OVERWRITE); });
    row("forced deletion", "hdd", "pick forceDeletion 37",
        [=](config::DvrConf& c) { hdd(c)->mutable_mode()->set_forced_deletion(37); });
    row("forced deletion off", "hdd", "pick forceDeletion Off",
        [=](config::DvrConf& c) { hdd(c)->mutable_mode()->set_forced_deletion(0); });
    row("S.M.A.R.T. off", "hdd", "click smartOff",
        [=](config::DvrConf& c) { hdd(c)->mutable_smart()->set_smart(false); },
        {"smartCheckInterval.enabled=false", "smartCheckInterval.currentText=24 hours"});
    row("check interval", "hdd", "pick smartCheckInterval 6 hours",
        [=](config::DvrConf& c) { hdd(c)->mutable_smart()->set_check_interval(config::Hdd_Smart::INTERVAL_6HOURS); });

    const auto camera = [](config::DvrConf& c) { return c.mutable_camera(); };
    const auto ptz = [](config::DvrConf& c, int i) { return c.mutable_camera()->mutable_ptz(i); };
    const auto spot = [](config::DvrConf& c) { return c.mutable_camera()->mutable_spot(0); };
    row("channel name", "camera", "type name2 Gate",
        [=](config::DvrConf& c) { camera(c)->mutable_channel(2)->set_name("Gate"); });
    row("\"&\" in a channel name", "camera", "type name0 a&b",
        [=](config::DvrConf& c) { camera(c)->mutable_channel(0)->set_name("ab"); });
    row("21st character", "camera", "type name1 abcdefghijklmnopqrstu",
        [=](config::DvrConf& c) { camera(c)->mutable_channel(1)->set_name("abcdefghijklmnopqrst"); });
    row("covert", "camera", "click covertFrame/ch3",
        [=](config::DvrConf& c) { camera(c)->mutable_channel(3)->set_covert(true); });
    row("PTZ model of channel 3", "camera", "type ptzChannel 3; pick ptzModel ----",
        [=](config::DvrConf& c) { ptz(c, 2)->set_model(config::Camera_Ptz::MODEL_NONE); });
    row("PTZ ID", "camera", "type ptzID 77", [=](config::DvrConf& c) { ptz(c, 0)->set_id(77); });
    row("pan", "camera", "click panOn", [=](config::DvrConf& c) { ptz(c, 0)->set_rev_pan(true); });
    row("tilt", "camera", "click tiltOff", [=](config::DvrConf& c) { ptz(c, 0)->set_rev_tilt(false); });
    row("zoom", "camera", "click zoomOn", [=](config::DvrConf& c) { ptz(c, 0)->set_rev_zoom(true); });
    row("focus", "camera", "type ptzChannel 16; click focusOff",
        [=](config::DvrConf& c) { ptz(c, 15)->set_rev_focus(false); });
    row("baud rate", "camera", "pick ptzBaudRate 115200",
        [=](config::DvrConf& c) { ptz(c, 0)->set_baudrate(config::Camera_Ptz::BAUDRATE_115200); });
    row("sharpness", "camera", "pick sharpness SOFT",
        [=](config::DvrConf& c) { camera(c)->set_sharpness(config::Camera::SHARPNESS_SOFT); });
    row("sequence channel", "camera", "click seqFrame/ch0",
        [=](config::DvrConf& c) { camera(c)->mutable_seq()->set_ch_mask(0x7FFFFE); });
    row("sequence dwell", "camera", "pick seqFrame/seqTime 30 secs",
        [=](config::DvrConf& c) { camera(c)->mutable_seq()->set_time(config::Camera::SEQ_30SECS); });
    row("spot single", "camera", "pick spotMode Single; click spotPage0/ch5", [=](config::DvrConf& c) {
        spot(c)->set_mode(config::Camera_Spot::MODE_SINGLE);
        spot(c)->set_ch_num_single(5);
    });
    row("spot quad, fifth box", "camera", "pick spotMode Quad; click spotPage1/ch0", [=](config::DvrConf& c) {
        spot(c)->set_mode(config::Camera_Spot::MODE_QUAD);
        spot(c)->set_ch_mask_quad(0xE1);
    });
    row("spot nona", "camera", "pick spotMode 9 Split; click spotPage2/ch8", [=](config::DvrConf& c) {
        spot(c)->set_mode(config::Camera_Spot::MODE_NONA);
        spot(c)->set_ch_mask_nona(0xFF);
    });
    QTest::newRow("spot channel beyond the DVR, then checked") << "camera" << 4 << 0 << Change([](config::DvrConf& c) {
        c.mutable_camera()->mutable_spot(0)->set_ch_num_single(0xFFFFFFFF);
    }) << "pick spotMode Single; click spotPage0/ch5" << Change([](config::DvrConf& c) {
        c.mutable_camera()->mutable_spot(0)->set_mode(config::Camera_Spot::MODE_SINGLE);
        c.mutable_camera()->mutable_spot(0)->set_ch_num_single(5);
    }) << QStringList();
    row("spot sequence step", "camera", "click spotPage4/chM7",
        [=](config::DvrConf& c) { spot(c)->set_ch_mask_seq(0xFFFF); });
    row("spot dwell", "camera", "pick spotPage4/seqTime 1 sec",
        [=](config::DvrConf& c) { spot(c)->set_seq_time(config::Camera::SEQ_1SECS); });

    const auto tcpip = [](config::DvrConf& c) { return c.mutable_network()->mutable_tcpip(); };
    const auto address = [](config::DvrConf& c) { return c.mutable_network()->mutable_tcpip()->mutable_static_net(); };
    const auto h264 = [](config::DvrConf& c, int i) { return c.mutable_network()->mutable_stream()->mutable_h264(i); };
    row("DHCP", "network", "pick networkType DHCP",
        [=](config::DvrConf& c) { tcpip(c)->set_type(config::Network::TYPE_DHCP); }, {"stackedWidget.currentIndex=2"});
    row("UPnP port", "network", "pick networkType Auto UPnP; type upnpPort 9000", [=](config::DvrConf& c) {
        tcpip(c)->set_type(config::Network::TYPE_AUTO_UPNP);
        tcpip(c)->set_auto_upnp_port(9000);
    });
    row("IP address", "network", "type ipAddress 10.0.0.99",
        [=](config::DvrConf& c) { address(c)->set_ip_address("10.0.0.99"); });
    row("subnet mask", "network", "type subnetMask 255.0.0.0",
        [=](config::DvrConf& c) { address(c)->set_subnetmask("255.0.0.0"); });
    row("gateway", "network", "type gateway 10.0.0.254",
        [=](config::DvrConf& c) { address(c)->set_gateway("10.0.0.254"); });
    row("DNS", "network", "type dnsIP 1.1.1.1", [=](config::DvrConf& c) { address(c)->set_dns_ip("1.1.1.1"); });
    row("static port", "network", "type port 8080", [=](config::DvrConf& c) { tcpip(c)->set_port(8080); },
        {"dhcpPort.value=8080"});
    row("DHCP port", "network", "pick networkType DHCP; type dhcpPort 81",
        [=](config::DvrConf& c) {
            tcpip(c)->set_type(config::Network::TYPE_DHCP);
            tcpip(c)->set_port(81);
        },
        {"port.value=81"});
    row("static UPnP", "network", "click staticUpnpOff", [=](config::DvrConf& c) { tcpip(c)->set_upnp(false); },
        {"dhcpUpnpOff.checked=true"});
    row("DHCP UPnP", "network", "pick networkType DHCP; click dhcpUpnpOff",
        [=](config::DvrConf& c) {
            tcpip(c)->set_type(config::Network::TYPE_DHCP);
            tcpip(c)->set_upnp(false);
        },
        {"staticUpnpOff.checked=true"});
    row("DDNS link", "network", "click ddnsOn", [=](config::DvrConf& c) { address(c)->set_ddns_support(true); });
    row("\".\" in a host name", "network", "type ddnsHostname my.host",
        [](config::DvrConf& c) { c.mutable_network()->mutable_ddns()->set_hostname("myhost"); });
    row("bandwidth", "network", "pick BWLimitation 500 kbps",
        [=](config::DvrConf& c) { tcpip(c)->set_bandwidth_limitation(config::Network::BWL_500kbps); },
        {"upnpBWLimitation.currentText=500 kbps", "dhcpBWLimitation.currentText=500 kbps"});
    row("bandwidth on the UPnP page", "network", "pick networkType Auto UPnP; pick upnpBWLimitation 2000 kbps",
        [=](config::DvrConf& c) {
            tcpip(c)->set_type(config::Network::TYPE_AUTO_UPNP);
            tcpip(c)->set_bandwidth_limitation(config::Network::BWL_2000kbps);
        },
        {"BWLimitation.currentText=2000 kbps"});
    row("bandwidth on the DHCP page", "network", "pick networkType DHCP; pick dhcpBWLimitation OFF",
        [=](config::DvrConf& c) {
            tcpip(c)->set_type(config::Network::TYPE_DHCP);
            tcpip(c)->set_bandwidth_limitation(config::Network::BWL_OFF);
        },
        {"BWLimitation.currentText=OFF"});
    row("stream quality", "network", "pick streamQuality Low",
        [=](config::DvrConf& c) { h264(c, 0)->set_qual(0, config::QUALITY_LOW); });
    row("stream rate of channel 2", "network", "pick streamChannel Ch 2; pick streamFPS 10",
        [=](config::DvrConf& c) { h264(c, 1)->set_fps(1, 10); });
    row("All edited", "network", "pick streamChannel All; pick streamQuality Super; pick streamFPS 7",
        [=](config::DvrConf& c) {
            for (int ch = 0; ch < 16; ++ch) {
                h264(c, ch)->set_qual(0, config::QUALITY_SUPER);
                h264(c, ch)->set_fps(0, 7);
            }
        });
    QTest::newRow("All only looked at") << "network" << 4 << 0 << Change([](config::DvrConf& c) {
        c.mutable_network()->mutable_stream()->mutable_h264(3)->set_fps(0, 5);
    }) << "pick streamChannel All" << Change()
                                        << QStringList{"streamFPS.currentText=30"};
    row("All edited, then a channel chosen", "network",
        "pick streamChannel All; pick streamQuality Super; pick streamChannel Ch 1", {},
        {"streamQuality.currentText=High"});

    const auto system = [](config::DvrConf& c) { return c.mutable_system(); };
    const auto timeDate = [](config::DvrConf& c) { return c.mutable_system()->mutable_time_date(); };
    const auto buzzer = [](config::DvrConf& c) { return c.mutable_system()->mutable_buzzer(); };
    const auto display = [](config::DvrConf& c) { return c.mutable_system()->mutable_display(); };
    row("name", "system", "type systemName Back door",
        [=](config::DvrConf& c) { system(c)->mutable_name_id()->set_dvr_name("Back door"); });
    row("21st character of the name", "system", "type systemName abcdefghijklmnopqrstu",
        [=](config::DvrConf& c) { system(c)->mutable_name_id()->set_dvr_name("abcdefghijklmnopqrst"); });
    row("ID", "system", "type systemID 42", [=](config::DvrConf& c) { system(c)->mutable_name_id()->set_dvr_id(42); });
    row("time format", "system", "pick timeFormat 24",
        [=](config::DvrConf& c) { timeDate(c)->set_time_format(config::System_TimeDate::TIME_FORMAT_24); });
    row("date format", "system", "pick dateFormat MM/DD/YYYY",
        [=](config::DvrConf& c) { timeDate(c)->set_date_format(config::System_TimeDate::DATE_FORMAT_MMDDYYYY); });
    row("time zone", "system", "pick timezone Asia/Seoul",
        [=](config::DvrConf& c) { timeDate(c)->set_time_zone("Asia/Seoul"); });
    row("NTP off", "system", "click ntpOff", [=](config::DvrConf& c) { timeDate(c)->set_using_ntp(false); },
        {"ntpAddress.enabled=false", "ntpAddress.text=time.example.com"});
    row("NTP address", "system", "type ntpAddress pool.example.org",
        [=](config::DvrConf& c) { timeDate(c)->set_ntp_server("pool.example.org"); });
    row("language", "system", "pick language Chinese_tw",
        [=](config::DvrConf& c) { system(c)->set_language("chinese_tw"); });
    row("buzzer sensor", "system", "click sensorOn", [=](config::DvrConf& c) { buzzer(c)->set_sensor(true); });
    row("buzzer motion", "system", "click motionOff", [=](config::DvrConf& c) { buzzer(c)->set_motion(false); });
    row("buzzer video loss", "system", "click videolossOff",
        [=](config::DvrConf& c) { buzzer(c)->set_video_loss(false); });
    row("buzzer record fail", "system", "click recFailOff",
        [=](config::DvrConf& c) { buzzer(c)->set_record_fail(false); });
    row("buzzer record warning", "system", "click recWarnOn",
        [=](config::DvrConf& c) { buzzer(c)->set_record_warning(true); });
    row("camera name", "system", "click camNameOff", [=](config::DvrConf& c) { display(c)->set_camera_name(false); });
    row("record icon", "system", "click recIconOn", [=](config::DvrConf& c) { display(c)->set_rec_icon(true); });
    row("motion icon", "system", "click motionIconOff",
        [=](config::DvrConf& c) { display(c)->set_motion_icon(false); });
    row("sensor icon", "system", "click sensorIconOn", [=](config::DvrConf& c) { display(c)->set_sensor_icon(true); });
    row("task bar", "system", "click taskbarOff", [=](config::DvrConf& c) { display(c)->set_task_bar(false); });
    row("VGA mode", "system", "pick vgaMode 1024x768",
        [=](config::DvrConf& c) { display(c)->set_vga_mode(config::System_Display::VGA_1024x768); });
}

void tst_SetupPages::repairs_data()
{
    addColumns();
    const auto row = [](const char* name, const char* page, int model, int vtype, const Change& load,
                         const Change& expected, const QStringList& shown) {
        QTest::newRow(name) << page << model << vtype << load << QString() << expected << shown;
    };

    row(
        "account without administrator", "account", 4, 0,
        [](config::DvrConf& c) { c.mutable_account()->clear_admin(); },
        [](config::DvrConf& c) { c.mutable_account()->mutable_admin(); }, {"admin_password.text=7925"});
    row("account defaults", "account", 4, 0, {},
        [](config::DvrConf& c) {
            c.clear_account();
            c.mutable_account()->mutable_admin();
            c.mutable_account()->mutable_logoff()->set_auto_enable(false);
            c.mutable_account()->mutable_logoff()->set_wait_time(config::Account_Logoff::WAIT_TIME_30SEC);
        },
        {"userList.count=0", "ch15.checked=true"});
    row("account shows its first user", "account", 4, 0, asSized, {},
        {"userList.currentRow=0", "name.text=user0", "password.text=1234", "ptzfOn.checked=true"});

    row("HDD defaults", "hdd", 4, 0, {},
        [](config::DvrConf& c) {
            c.clear_hdd();
            c.mutable_hdd()->mutable_smart()->set_smart(true);
        },
        {"writeMode.currentText=OVERWRITE", "forceDeletion.currentText=Off", "smartOn.checked=true",
            "smartCheckInterval.currentText=6 hours", "smartCheckInterval.enabled=true"});
    row("forced deletion beyond the list", "hdd", 4, 0,
        [](config::DvrConf& c) { c.mutable_hdd()->mutable_mode()->set_forced_deletion(1000); }, {},
        {"forceDeletion.currentIndex=-1"});

    row("camera defaults, 4 channels", "camera", 6, 0, {},
        [](config::DvrConf& c) {
            config::Camera& camera = *c.mutable_camera();
            camera.Clear();
            for (int ch = 0; ch < 4; ++ch) {
                camera.add_channel()->set_name("CH-0" + std::to_string(ch + 1));
                camera.mutable_channel(ch)->set_covert(false);
                config::Camera_Ptz& ptz = *camera.add_ptz();
                ptz.set_model(config::Camera_Ptz::MODEL_PELCO_D);
                ptz.set_id(static_cast<quint32>(ch + 1));
                ptz.set_baudrate(config::Camera_Ptz::BAUDRATE_9600);
            }
            camera.mutable_seq()->set_ch_mask(0xF);
            camera.mutable_seq()->set_time(config::Camera::SEQ_1SECS);
            config::Camera_Spot& spot = *camera.add_spot();
            spot.set_mode(config::Camera_Spot::MODE_SINGLE);
            spot.set_ch_num_single(0);
            spot.set_ch_mask_quad(0xF);
            spot.set_ch_mask_nona(0xF);
            spot.set_ch_mask_seq(0xF);
            spot.set_seq_time(config::Camera::SEQ_1SECS);
        },
        {"spotMode.items=Single|Quad|Sequence", "spotPage1/CChannelWidget.shown=false",
            "spotPage2/CChannelWidget.shown=false", "name4.shown=false", "nameLabel15.shown=false",
            "ptzChannel.maximum=4", "sharpness.currentText=NORMAL"});
    row(
        "16 channel entries on 8 channels", "camera", 52, 1,
        [](config::DvrConf& c) {
            for (int ch = 8; ch < 16; ++ch)
                c.mutable_camera()->add_channel()->set_name("extra");
        },
        [](config::DvrConf& c) {
            c.mutable_camera()->clear_channel();
            for (int ch = 1; ch <= 8; ++ch) {
                c.mutable_camera()->add_channel()->set_name("CH-0" + std::to_string(ch));
                c.mutable_camera()->mutable_channel(ch - 1)->set_covert(false);
            }
        },
        {"spotMode.items=Single|Quad|9 Split|Sequence", "ptzChannel.maximum=8"});
    row("name the narrow codec cannot carry", "camera", 4, 0,
        [](config::DvrConf& c) { c.mutable_camera()->mutable_channel(0)->set_name("\xff\xfe\x80"); }, {}, {});
    row("HD-SDI spot", "camera", 65, 1, asSized, {},
        {"spotMode.items=Single|Sequence", "spotPage4/chM5.shown=false", "spotPage4/chM5.checked=true"});
    row("spot mode HD-SDI lacks", "camera", 65, 1,
        [](config::DvrConf& c) { c.mutable_camera()->mutable_spot(0)->set_mode(config::Camera_Spot::MODE_QUAD); }, {},
        {"spotMode.currentText=Single"});
    row("spot channel beyond the DVR", "camera", 4, 0,
        [](config::DvrConf& c) { c.mutable_camera()->mutable_spot(0)->set_ch_num_single(0xFFFFFFFF); }, {},
        {"spotPage0/ch0.checked=false", "spotPage0/ch15.checked=false"});
    row("spot channel 4", "camera", 4, 0,
        [](config::DvrConf& c) { c.mutable_camera()->mutable_spot(0)->set_ch_num_single(3); }, {},
        {"spotPage0/ch3.checked=true"});

    row(
        "network without streams", "network", 4, 0, [](config::DvrConf& c) { c.mutable_network()->clear_stream(); },
        [](config::DvrConf& c) {
            for (int ch = 0; ch < 16; ++ch)
                *c.mutable_network()->mutable_stream()->add_h264() = defaultEntry(16, config::VIDEO_TYPE_NTSC);
        },
        {"streamChannel.currentText=Ch 1", "streamQuality.currentText=High", "streamFPS.currentText=15"});
    row("network defaults, 4 channels PAL", "network", 53, 1, {},
        [](config::DvrConf& c) {
            config::Network& network = *c.mutable_network();
            network.Clear();
            network.mutable_tcpip()->set_type(config::Network::TYPE_AUTO_UPNP);
            network.mutable_tcpip()->set_bandwidth_limitation(config::Network::BWL_OFF);
            for (int ch = 0; ch < 4; ++ch)
                *network.mutable_stream()->add_h264() = defaultEntry(4, config::VIDEO_TYPE_PAL);
        },
        {"streamChannel.items=Ch 1|Ch 2|Ch 3|Ch 4|All", "streamFPS.currentText=25", "stackedWidget.currentIndex=0",
            "applyNetworkTCPIP.checked=false"});
    row("rate between the listed ones", "network", 4, 0,
        [](config::DvrConf& c) { c.mutable_network()->mutable_stream()->mutable_h264(0)->set_fps(0, 8); }, {},
        {"streamFPS.currentText=7"});
    row("rate beyond every list", "network", 4, 0,
        [](config::DvrConf& c) { c.mutable_network()->mutable_stream()->mutable_h264(0)->set_fps(0, 0xFFFFFFFF); }, {},
        {"streamFPS.currentText=30"});
    row(
        "entry without slots", "network", 8, 0,
        [](config::DvrConf& c) {
            config::Network_H264& entry = *c.mutable_network()->mutable_stream()->mutable_h264(0);
            entry.clear_qual();
            entry.clear_fps();
        },
        [](config::DvrConf& c) {
            config::Network_H264& entry = *c.mutable_network()->mutable_stream()->mutable_h264(0);
            const config::Network_H264 completed = defaultEntry(8, config::VIDEO_TYPE_NTSC);
            *entry.mutable_qual() = completed.qual();
            *entry.mutable_fps() = completed.fps();
        },
        {"streamFPS.currentText=15"});
    row("port beyond the range", "network", 4, 0,
        [](config::DvrConf& c) { c.mutable_network()->mutable_tcpip()->set_port(70000); }, {}, {"port.value=65535"});

    row(
        "ID 300", "system", 4, 0, [](config::DvrConf& c) { c.mutable_system()->mutable_name_id()->set_dvr_id(300); },
        [](config::DvrConf& c) { c.mutable_system()->mutable_name_id()->set_dvr_id(0); }, {"systemID.value=0"});
    row("language in capitals", "system", 4, 0, [](config::DvrConf& c) { c.mutable_system()->set_language("GERMAN"); },
        {},
        {"language.currentText=German",
            "language.items=English|Korean|Russian|Turkish|Norwegian|German|French|Chinese_tw"});
    row("language not listed", "system", 4, 0, [](config::DvrConf& c) { c.mutable_system()->set_language("klingon"); },
        {}, {"language.currentText=English"});
    row("time zone in lower case", "system", 4, 0,
        [](config::DvrConf& c) { c.mutable_system()->mutable_time_date()->set_time_zone("gmt"); }, {},
        {"timezone.currentIndex=-1"});
    row("no sensors", "system", 55, 1, asSized, {},
        {"sensorLabel.shown=false", "sensorOn.shown=false", "sensorIconLabel.shown=false", "motionOn.shown=true"});
    row("sensors", "system", 52, 1, asSized, {}, {"sensorLabel.shown=true", "sensorIconOff.shown=true"});
}

void tst_SetupPages::languageChange_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("combo"); // keeps its rows
    QTest::newRow("account") << "account"
                             << "title6"
                             << "Log off"
                             << "networkTimeout";
    QTest::newRow("HDD") << "hdd"
                         << "label0_1"
                         << "Force Deletion"
                         << "forceDeletion";
    QTest::newRow("camera") << "camera"
                            << "nameLabel3"
                            << "CH-4"
                            << "spotMode";
    QTest::newRow("network") << "network"
                             << "applyNetworkTCPIP"
                             << "Apply network TCP/IP && DDNS configuration"
                             << "streamChannel";
    QTest::newRow("system") << "system"
                            << "label1_2"
                            << "Timezone"
                            << "timezone";
}

void tst_SetupPages::languageChange()
{
    QFETCH(QString, page);
    QFETCH(QString, label);
    QFETCH(QString, text);
    QFETCH(QString, combo);
    const std::unique_ptr<PageUnderTest> tested = makePage(page);
    QWidget* widget = tested->widget();
    const QString rows = shownValue(widget, combo + ".items");
    child(widget, label)->setProperty("text", "x");
    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(widget, &change);
    QCOMPARE(child(widget, label)->property("text").toString(), text);
    QCOMPARE(shownValue(widget, combo + ".items"), rows);
}

QTEST_MAIN(tst_SetupPages)
#include "tst_SetupPages.moc"
