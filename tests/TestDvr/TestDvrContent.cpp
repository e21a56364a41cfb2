#include "TestDvrContent.h"

#include "TestDvrConfiguration.h"
#include "TestDvrInfoPage.h"
#include "TestDvrOldSearch.h"

namespace {

constexpr quint32 JAN_1_2014 = 1388534400; // 2014-01-01 00:00:00 on the DVR's clock

} // namespace

TestDvrContent TestDvrContent::standard()
{
    TestDvrContent content;

    content.dvrInfo.set_model(4);
    content.dvrInfo.set_vtype(0);
    content.dvrInfo.set_dvr_name("Test DVR");
    content.dvrInfo.set_ch_num(16);
    content.dvrInfo.set_available_chmask(0xFFFF);
    for (int channel = 1; channel <= 16; ++channel)
        content.dvrInfo.add_ch_name("CAM" + std::to_string(channel));
    content.dvrInfo.set_hardware_version("HW 1.2");
    content.dvrInfo.set_kernel_version("2.6.18");
    content.dvrInfo.set_app_version("3.4.5");
    content.dvrInfo.set_mac_address("00:0b:0c:0d:0e:0f");
    content.dvrInfo.set_model_name("TDVR-16");

    content.hddInfo.set_available_time(7200);
    cgi::HddInfo::Info* disk = content.hddInfo.add_info();
    disk->set_model("TESTDISK 1TB");
    disk->set_mounted(true);
    disk->set_total(1000000);
    disk->set_used(250000);

    cgi::SysLog::Log* entry = content.sysLog.add_log();
    entry->set_time(JAN_1_2014);
    entry->set_user("admin");
    entry->set_log("power on");

    for (quint32 channel = 0; channel < 16; ++channel) {
        content.picture.add_contrast(50 + channel);
        content.picture.add_brightness(40 + channel);
        content.picture.add_saturation(30 + channel);
        content.picture.add_hsharpness(channel % 8);
        content.picture.add_vsharpness(channel % 4);
    }

    content.configuration = TestDvrConfiguration::standard();

    content.calendar.set_dvr_time(JAN_1_2014 + 10 * 3600 + 30 * 60);
    content.calendar.mutable_header()->set_ch_num(16);
    content.calendar.set_version(1);
    cgi::CalItem* item = content.calendar.add_items();
    item->set_start_time(JAN_1_2014 + 10 * 3600);
    item->set_end_time(JAN_1_2014 + 10 * 3600 + 5 * 60);
    item->set_record_chmask(0x0003);
    item->add_record_reason(1);
    item->add_record_reason(2);
    cgi::CalHourItem* hour = content.calendar.add_hours();
    hour->set_year(2014);
    hour->set_mon(1);
    hour->set_mday(1);
    hour->set_hour(10);

    content.liveStatus.set_record_chmask(0x0001);

    content.oldInfoPage = TestDvrInfoPage::standard();
    const qint32 tenOClock = static_cast<qint32>(JAN_1_2014 + 10 * 3600);
    content.oldSearchReply
        = TestDvrOldSearch::reply({TestDvrOldSearch::record(tenOClock + 5, tenOClock + 59, 0x0003, {0, 2})});
    return content;
}
