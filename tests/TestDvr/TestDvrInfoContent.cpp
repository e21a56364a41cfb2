#include "TestDvrInfoContent.h"

#include "Common/CEucKr.h"
#include "TestDvrInfoPage.h"

namespace {

constexpr quint32 MARCH_1_2015_NOON = 1425211200; // on the DVR's clock

std::string eucKr(const QString& text)
{
    return CEucKr::fromUnicode(text).toStdString();
}

} // namespace

QString TestDvrInfoContent::koreanUser()
{
    return QStringLiteral("관리자");
}

QString TestDvrInfoContent::koreanLog()
{
    return QStringLiteral("전원 켜짐");
}

QString TestDvrInfoContent::koreanVersion()
{
    return QStringLiteral("버전 2.0");
}

TestDvrContent TestDvrInfoContent::unusual()
{
    TestDvrContent content = TestDvrContent::standard();
    content.dvrInfo.set_model(UNKNOWN_MODEL);
    content.dvrInfo.set_model_name("");
    content.dvrInfo.set_vtype(1);
    content.dvrInfo.set_app_version(eucKr(koreanVersion()));
    // Markup the window must show as it stands.
    content.dvrInfo.set_hardware_version("<i>HW</i> 1.2");

    content.hddInfo.clear_info();
    for (int i = 0; i < DISKS; ++i) {
        cgi::HddInfo::Info* disk = content.hddInfo.add_info();
        disk->set_model("DISK " + std::to_string(i + 1));
        disk->set_mounted(true);
        disk->set_total(1000u * quint32(i + 1));
        disk->set_used(i == OVERFULL_DISK ? 5000u : 100u * quint32(i));
    }

    content.sysLog.clear_log();
    cgi::SysLog::Log* entry = content.sysLog.add_log();
    entry->set_time(0);
    entry->set_user("admin%3");
    entry->set_log("clock <b>reset</b>");
    entry = content.sysLog.add_log();
    entry->set_time(MARCH_1_2015_NOON);
    entry->set_user(eucKr(koreanUser()));
    entry->set_log(eucKr(koreanLog()));

    QList<TestDvrInfoPage::Disk> disks;
    for (int i = 0; i < DISKS; ++i)
        disks.append({100 * i, 1000 - 100 * i});
    content.oldInfoPage = TestDvrInfoPage::build(
        {{"ModelName : ", CEucKr::fromUnicode(QStringLiteral("녹화기-8"))}, {"Video Type : ", "PAL"},
            {"Hardware Version : ", "1.0"}, {"Kernel Version : ", "2.6.32"},
            {"Ramdisk Version : ", CEucKr::fromUnicode(koreanVersion())}, {"MAC Address : ", "00:11:22:33:44:55"}},
        disks, "2015/03/01 12:00:00 " + CEucKr::fromUnicode(koreanUser() + QLatin1Char(' ') + koreanLog()));
    return content;
}
