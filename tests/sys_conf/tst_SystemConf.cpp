#include "ConfTestSupport.h"
#include "sys_conf/proto/system.pb.h"
#include "sys_conf/types/system.h"

#include <QtTest>

class tst_SystemConf : public QObject {
    Q_OBJECT

private slots:
    void golden_data();
    void golden();
    void parsing_data();
    void parsing();
    void defaults();
    void clearRestoresDefaults();
    void formatTables();
    void vgaModeTable_data();
    void vgaModeTable();
    void vgaModeSizeWithNullPointers();
    void osgPositionTable();
    void languages();
    void misuseStops_data();
    void misuseStops();
};

void tst_SystemConf::golden_data()
{
    addGoldenColumns();

    addGoldenRow("new system", config::System(), "");

    config::System_NameId nameId;
    nameId.set_dvr_id(5);
    addGoldenRow("ID only", nameId, "1005");

    nameId.Clear();
    nameId.set_dvr_name("DVR");
    addGoldenRow("name set to its default", nameId, "0a03 445652");

    config::System_TimeDate timeDate;
    timeDate.set_date_format(config::System_TimeDate::DATE_FORMAT_MMDDYYYY);
    timeDate.set_time_format(config::System_TimeDate::TIME_FORMAT_12);
    timeDate.set_time_zone("GMT");
    timeDate.set_using_ntp(true);
    timeDate.set_ntp_server("ntp");
    addGoldenRow("every time field", timeDate, "0802 1001 1a03 474d54 2001 2a03 6e7470");

    config::System_Buzzer buzzer;
    buzzer.set_motion(false);
    buzzer.set_record_warning(true);
    addGoldenRow("buzzer", buzzer, "0800 2801");

    config::System_Display display;
    display.set_camera_name(true);
    display.set_rec_icon(true);
    display.set_motion_icon(false);
    display.set_sensor_icon(true);
    display.set_task_bar(false);
    display.set_vga_mode(config::System_Display::VGA_1920x1080);
    display.mutable_hdmi_vga_adjust();
    display.mutable_vga_only_adjust()->set_gain(9);
    display.set_osg_position(config::System_Display::FOR_VGA);
    addGoldenRow("every display field", display, "0801 1001 1800 2001 2800 3004 3a00 4202 2809 4801");

    config::System system;
    system.set_mode(config::System::MODE_HD);
    system.mutable_display();
    system.mutable_buzzer();
    system.set_language("english");
    system.mutable_time_date();
    system.mutable_name_id();
    addGoldenRow("every system field, in number order", system, "0a00 1200 1a07 656e676c697368 2200 2a00 3001");
}

void tst_SystemConf::golden()
{
    checkGoldenRow();
}

void tst_SystemConf::parsing_data()
{
    addParseColumns();

    addParseRow<config::System_TimeDate>("time format 2 dropped", "1002", "");
    addParseRow<config::System_TimeDate>("date format 3 dropped", "0801 0803", "0801");
    addParseRow<config::System_Display>("VGA mode 5 dropped", "3005", "");
    addParseRow<config::System_Display>("OSG position 1 kept", "4801", "4801");
    addParseRow<config::System>("mode 2 dropped", "3002", "");
}

void tst_SystemConf::parsing()
{
    checkParseRow();
}

void tst_SystemConf::defaults()
{
    const config::System system;
    QCOMPARE(system.language(), std::string("english"));
    QCOMPARE(system.mode(), config::System::MODE_SD);
    QCOMPARE(system.name_id().dvr_name(), std::string("DVR"));
    QCOMPARE(system.name_id().dvr_id(), 0u);
    QCOMPARE(system.time_date().time_zone(), std::string("GMT"));
    QCOMPARE(system.time_date().ntp_server(), std::string("pool.ntp.org"));
    QCOMPARE(system.time_date().date_format(), config::System_TimeDate::DATE_FORMAT_YYYYMMDD);
    QCOMPARE(system.time_date().time_format(), config::System_TimeDate::TIME_FORMAT_24);
    QCOMPARE(system.display().camera_name(), true);
    QCOMPARE(system.display().task_bar(), true);
    QCOMPARE(system.display().vga_mode(), config::System_Display::VGA_1024x768);
    QCOMPARE(system.display().osg_position(), config::System_Display::FOR_CVBS);
    QCOMPARE(system.display().hdmi_vga_adjust().luminance(), 8u);
    QCOMPARE(system.display().vga_only_adjust().gain(), 8u);
    QVERIFY(!system.has_display());
    QVERIFY(!system.display().has_hdmi_vga_adjust());
}

void tst_SystemConf::clearRestoresDefaults()
{
    config::System system;
    system.set_language("german");
    system.mutable_name_id()->set_dvr_name("Front");
    system.mutable_time_date()->set_time_zone("Asia/Seoul");
    system.mutable_time_date()->set_ntp_server("time.example.com");
    config::System_Display& display = *system.mutable_display();
    display.set_rec_icon(false);
    display.set_vga_mode(config::System_Display::VGA_1440x900);
    display.set_osg_position(config::System_Display::FOR_VGA);
    config::System_Display_Adjustment& adjustment = *display.mutable_hdmi_vga_adjust();
    adjustment.set_hue(1);

    display.Clear();
    QCOMPARE(display.rec_icon(), true);
    QCOMPARE(display.vga_mode(), config::System_Display::VGA_1024x768);
    QCOMPARE(display.osg_position(), config::System_Display::FOR_CVBS);
    QVERIFY(!display.has_hdmi_vga_adjust());
    QCOMPARE(display.mutable_hdmi_vga_adjust(), &adjustment);
    QCOMPARE(adjustment.hue(), 8u);

    system.Clear();
    QCOMPARE(system.language(), std::string("english"));
    QCOMPARE(system.mutable_name_id()->dvr_name(), std::string("DVR"));
    QCOMPARE(system.mutable_time_date()->time_zone(), std::string("GMT"));
    QCOMPARE(system.mutable_time_date()->ntp_server(), std::string("pool.ntp.org"));
    QVERIFY(!system.time_date().has_time_zone());
}

void tst_SystemConf::formatTables()
{
    const QByteArray dateTexts[] = {"YYYY/MM/DD", "DD/MM/YYYY", "MM/DD/YYYY"};
    for (int row = 0; row < 3; ++row) {
        QCOMPARE(QByteArray(config::DateFormat_Index2String(row)), dateTexts[row]);
        QCOMPARE(int(config::DateFormat_Index2Type(row)), row);
    }
    const QByteArray timeTexts[] = {"24", "12 AM/PM"};
    for (int row = 0; row < 2; ++row) {
        QCOMPARE(QByteArray(config::TimeFormat_Index2String(row)), timeTexts[row]);
        QCOMPARE(int(config::TimeFormat_Index2Type(row)), row);
    }
}

void tst_SystemConf::vgaModeTable_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");

    QTest::newRow("1024x768") << 0 << QByteArray("1024x768") << 1024 << 768;
    QTest::newRow("1280x720") << 1 << QByteArray("1280x720") << 1280 << 720;
    QTest::newRow("1280x1024") << 2 << QByteArray("1280x1024") << 1280 << 1024;
    QTest::newRow("1440x900") << 3 << QByteArray("1440x900") << 1440 << 900;
    QTest::newRow("1920x1080") << 4 << QByteArray("1920x1080") << 1920 << 1080;
}

void tst_SystemConf::vgaModeTable()
{
    QFETCH(int, row);
    QFETCH(QByteArray, text);
    QFETCH(int, width);
    QFETCH(int, height);

    const config::System_Display_VgaMode mode = config::VgaMode_Index2Type(row);
    QCOMPARE(int(mode), row);
    QCOMPARE(config::VgaMode_Type2Index(mode), row);
    QCOMPARE(QByteArray(config::VgaMode_Index2String(row)), text);
    int w = 0;
    int h = 0;
    QCOMPARE(config::VgaMode_Type2Size(mode, &w, &h), 0);
    QCOMPARE(w, width);
    QCOMPARE(h, height);
}

void tst_SystemConf::vgaModeSizeWithNullPointers()
{
    QCOMPARE(config::VgaMode_Type2Size(config::System_Display::VGA_1440x900, nullptr, nullptr), 0);
    int height = 0;
    QCOMPARE(config::VgaMode_Type2Size(config::System_Display::VGA_1280x720, nullptr, &height), 0);
    QCOMPARE(height, 720);
}

void tst_SystemConf::osgPositionTable()
{
    const QByteArray texts[] = {"CVBS", "VGA"};
    for (int row = 0; row < 2; ++row) {
        const config::System_Display_OsgPosition position = config::OsgPosition_Index2Type(row);
        QCOMPARE(QByteArray(config::OsgPosition_Index2String(row)), texts[row]);
        QCOMPARE(int(position), row);
        QCOMPARE(config::OsgPosition_Type2Index(position), row);
    }
}

void tst_SystemConf::languages()
{
    const std::string names[]
        = {"english", "korean", "russian", "turkish", "norwegian", "german", "french", "chinese_tw"};
    QCOMPARE(config::SysLang_Count(), std::size_t(8));
    for (std::size_t index = 0; index < 8; ++index)
        QCOMPARE(config::SysLang_Index2String(index), names[index]);
}

void tst_SystemConf::misuseStops_data()
{
    addAbortColumns();
    const QByteArray source = "sys_conf/types/system";

    QTest::newRow("date row 3") << Action([] { config::DateFormat_Index2String(3); })
                                << QByteArray("DateFormat_Index2String") << source;
    QTest::newRow("language 8") << Action([] { config::SysLang_Index2String(8); }) << QByteArray("SysLang_Index2String")
                                << source;
    QTest::newRow("VGA mode 5 size") << Action([] {
        int width = 0;
        config::VgaMode_Type2Size(config::System_Display_VgaMode(5), &width, nullptr);
    }) << QByteArray("VgaMode_Type2Size")
                                     << source;
    QTest::newRow("OSG position 2") << Action(
        [] { config::OsgPosition_Type2Index(config::System_Display_OsgPosition(2)); })
                                    << QByteArray("OsgPosition_Type2Index") << source;
}

void tst_SystemConf::misuseStops()
{
    checkAbortRow();
}

QTEST_GUILESS_MAIN(tst_SystemConf)
#include "tst_SystemConf.moc"
