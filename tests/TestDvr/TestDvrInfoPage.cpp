#include "TestDvrInfoPage.h"

QByteArray TestDvrInfoPage::build(const QList<QPair<QByteArray, QByteArray>>& keyLines, const QList<Disk>& disks,
    const QByteArray& logText, const QByteArray& lineEnd)
{
    QByteArray page = "<html><head><title>DVR</title></head><body><pre>" + lineEnd;
    for (const auto& [key, value] : keyLines)
        page += key + value + lineEnd;
    page += "Mounted HDD : " + QByteArray::number(disks.size()) + lineEnd;
    for (qsizetype i = 0; i < disks.size(); ++i) {
        page += "HDD" + QByteArray::number(i + 1) + " : used " + QByteArray::number(disks.at(i).usedMb) + "MB - free "
            + QByteArray::number(disks.at(i).freeMb) + "MB" + lineEnd;
    }
    page += "< Record Statistics >" + lineEnd + "CH1 : 1024 MB" + lineEnd;
    page += "< System Logs >" + lineEnd + logText + lineEnd;
    page += "</pre></body></html>" + lineEnd;
    return page;
}

QByteArray TestDvrInfoPage::standard()
{
    return build(
        {{"ModelName : ", "TDVR-16"}, {"Video Type : ", "NTSC"}, {"Hardware Version : ", "1.2"},
            {"Kernel Version : ", "2.6.18"}, {"Ramdisk Version : ", "3.4.5"}, {"MAC Address : ", "00:0b:0c:0d:0e:0f"},
            {"Network Type : ", "Static"}, {"IP Address : ", "127.0.0.1"}, {"Write Mode : ", "Overwrite"}},
        {{120, 880}, {0, 500}}, "2014/01/01 00:00:00 admin power on");
}
