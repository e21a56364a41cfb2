#include "Common/CHddParser.h"
#include "Common/CInfoParser.h"

#include <QTest>
#include <limits>

Q_DECLARE_METATYPE(std::string)

namespace {

using Texts = QMap<int, QByteArray>;
using Disks = QList<HDD_INFO_T>;

HDD_INFO_T disk(std::int64_t total, std::int64_t used, std::int64_t free)
{
    HDD_INFO_T hdd;
    hdd.total = total;
    hdd.used = used;
    hdd.free = free;
    return hdd;
}

// An information page as an old-dialect DVR sends it, around the given key
// lines.
QByteArray page(const QByteArray& infoLines, const QByteArray& eol = "\n")
{
    QByteArray text = "<html><body><pre>" + eol;
    text += infoLines;
    text += "< Record Statistics >" + eol + "CH1 : 10 files" + eol;
    text += "< System Logs >" + eol + "2014/01/01 boot" + eol;
    text += "</pre></body></html>" + eol;
    return text;
}

const QByteArray LOG_TEXT = "< System Logs >\n2014/01/01 boot\n";

} // namespace

class tst_CInfoParser : public QObject {
    Q_OBJECT

private slots:
    void pages_data();
    void pages();
    void stoll_data();
    void stoll();
    void hddLines_data();
    void hddLines();
};

void tst_CInfoParser::pages_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<Texts>("texts");
    QTest::addColumn<Disks>("disks");

    const QByteArray keys = "ModelName : DVR-16\nVideo Type : NTSC\nHardware Version : 1.0\nKernel Version : 2.6\n"
                            "Ramdisk Version : 3.1\nMAC Address : 00:11:22:33:44:55\nNetwork Type : DHCP\n"
                            "IP Address : 10.0.0.5\nWrite Mode : Overwrite\n";
    QTest::newRow("every key") << page(keys)
                               << Texts{{CInfoParser::MODEL_NAME, "DVR-16"}, {CInfoParser::VIDEO_TYPE, "NTSC"},
                                      {CInfoParser::HARDWARE_VERSION, "1.0"}, {CInfoParser::KERNEL_VERSION, "2.6"},
                                      {CInfoParser::RAMDISK_VERSION, "3.1"},
                                      {CInfoParser::MAC_ADDRESS, "00:11:22:33:44:55"},
                                      {CInfoParser::NETWORK_TYPE, "DHCP"}, {CInfoParser::IP_ADDRESS, "10.0.0.5"},
                                      {CInfoParser::WRITE_MODE, "Overwrite"}, {CInfoParser::SYSTEM_LOGS, LOG_TEXT}}
                               << Disks{};

    QByteArray noLogs = page(keys);
    noLogs.replace("< System Logs >", "< Other >");
    QTest::newRow("no system logs: nothing at all") << noLogs << Texts{} << Disks{};

    QByteArray noStatistics = page(keys);
    noStatistics.replace("< Record Statistics >", "< Statistics >");
    QTest::newRow("no record statistics: the log only")
        << noStatistics << Texts{{CInfoParser::SYSTEM_LOGS, LOG_TEXT}} << Disks{};

    QByteArray noPre = page(keys);
    noPre.replace("<pre>", "<p>");
    QTest::newRow("no start code") << noPre << Texts{} << Disks{};
    QByteArray noEnd = page(keys);
    noEnd.replace("</pre>", "</p>");
    QTest::newRow("no end code") << noEnd << Texts{} << Disks{};
    QTest::newRow("empty page") << QByteArray() << Texts{} << Disks{};

    QTest::newRow("two disks") << page(
        "Mounted HDD : 2\nHDD1 : used 100MB - free 900MB\nHDD2 : used 0MB - free 500MB\n")
                               << Texts{{CInfoParser::MOUNTED_HDD, "2"}, {CInfoParser::SYSTEM_LOGS, LOG_TEXT}}
                               << Disks{disk(1000, 100, 900), disk(500, 0, 500)};
    QTest::newRow("disks 0 and 3 of 2 change nothing")
        << page("Mounted HDD : 2\nHDD0 : used 1MB - free 1MB\nHDD3 : used 7MB - free 7MB\n")
        << Texts{{CInfoParser::MOUNTED_HDD, "2"}, {CInfoParser::SYSTEM_LOGS, LOG_TEXT}}
        << Disks{disk(0, 0, 0), disk(0, 0, 0)};
    QTest::newRow("disk lines before the count are not read")
        << page("HDD1 : used 100MB - free 900MB\nMounted HDD : 1\n")
        << Texts{{CInfoParser::MOUNTED_HDD, "1"}, {CInfoParser::SYSTEM_LOGS, LOG_TEXT}} << Disks{disk(0, 0, 0)};
    QTest::newRow("a second count cuts the list")
        << page("Mounted HDD : 2\nHDD2 : used 5MB - free 5MB\nMounted HDD : 1\n")
        << Texts{{CInfoParser::MOUNTED_HDD, "1"}, {CInfoParser::SYSTEM_LOGS, LOG_TEXT}} << Disks{disk(0, 0, 0)};
    QTest::newRow("negative count gives no disks")
        << page("Mounted HDD : -3\nHDD1 : used 5MB - free 5MB\n")
        << Texts{{CInfoParser::MOUNTED_HDD, "-3"}, {CInfoParser::SYSTEM_LOGS, LOG_TEXT}} << Disks{};
    QTest::newRow("huge count is bounded")
        << page("Mounted HDD : 99999999999999999999\n")
        << Texts{{CInfoParser::MOUNTED_HDD, "99999999999999999999"}, {CInfoParser::SYSTEM_LOGS, LOG_TEXT}}
        << Disks(CInfoParser::MAX_HDD_COUNT, disk(0, 0, 0));
    QTest::newRow("count that is no number")
        << page("Mounted HDD : many\n")
        << Texts{{CInfoParser::MOUNTED_HDD, "many"}, {CInfoParser::SYSTEM_LOGS, LOG_TEXT}} << Disks{};
    const std::int64_t half = std::numeric_limits<std::int64_t>::max() / 2;
    QTest::newRow("huge sizes never overflow the total")
        << page("Mounted HDD : 1\nHDD1 : used 99999999999999999999999MB - free 9223372036854775807MB\n")
        << Texts{{CInfoParser::MOUNTED_HDD, "1"}, {CInfoParser::SYSTEM_LOGS, LOG_TEXT}}
        << Disks{disk(2 * half, half, half)};

    QTest::newRow("blanks and a tab around a value")
        << page("ModelName :    DVR-4 \t\nMAC Address : \t 00:11\n")
        << Texts{{CInfoParser::MODEL_NAME, "DVR-4"}, {CInfoParser::MAC_ADDRESS, "00:11"},
               {CInfoParser::SYSTEM_LOGS, LOG_TEXT}}
        << Disks{};
    QTest::newRow("the later of two equal keys wins")
        << page("IP Address : 1.1.1.1\nIP Address : 2.2.2.2\n")
        << Texts{{CInfoParser::IP_ADDRESS, "2.2.2.2"}, {CInfoParser::SYSTEM_LOGS, LOG_TEXT}} << Disks{};
    QTest::newRow("first key in table order, removed once")
        << page("x Video Type : PAL ModelName : Z\n")
        << Texts{{CInfoParser::MODEL_NAME, "x Video Type : PAL Z"}, {CInfoParser::SYSTEM_LOGS, LOG_TEXT}} << Disks{};

    QByteArray crlfLog = LOG_TEXT;
    crlfLog.replace("\n", "\r\n");
    QTest::newRow("CR LF page") << page(
        "ModelName : DVR-16\r\nMounted HDD : 1\r\nHDD1 : used 10MB - free 20MB\r\n", "\r\n")
                                << Texts{{CInfoParser::MODEL_NAME, "DVR-16"}, {CInfoParser::MOUNTED_HDD, "1"},
                                       {CInfoParser::SYSTEM_LOGS, crlfLog}}
                                << Disks{disk(30, 10, 20)};
    QTest::newRow("text before the start code stays in the body")
        << QByteArray("ModelName : OUT\n<pre>\n< Record Statistics >\n< System Logs >\n</pre>")
        << Texts{{CInfoParser::MODEL_NAME, "OUT"}, {CInfoParser::SYSTEM_LOGS, "< System Logs >\n"}} << Disks{};
}

void tst_CInfoParser::pages()
{
    QFETCH(QByteArray, text);
    QFETCH(Texts, texts);
    QFETCH(Disks, disks);

    CInfoParser parser;
    parser.setData("<pre>ModelName : STALE\n< Record Statistics >\n< System Logs >\n</pre>");
    parser.setData(text.constData());
    for (int index = 0; index < CInfoParser::INFO_COUNT; ++index) {
        const std::string got = parser.getInfo(static_cast<CInfoParser::INFO_INDEX>(index));
        QCOMPARE(QByteArray::fromStdString(got), texts.value(index));
    }
    QCOMPARE(Disks(parser.getHddInfo().begin(), parser.getHddInfo().end()), disks);
}

void tst_CInfoParser::stoll_data()
{
    QTest::addColumn<std::string>("text");
    QTest::addColumn<qint64>("value");
    QTest::newRow("plain") << std::string("42") << qint64(42);
    QTest::newRow("white space and sign") << std::string(" \t-17x") << qint64(-17);
    QTest::newRow("plus") << std::string("+8") << qint64(8);
    QTest::newRow("no number") << std::string("abc") << qint64(0);
    QTest::newRow("empty") << std::string() << qint64(0);
    QTest::newRow("sign only") << std::string("-") << qint64(0);
    QTest::newRow("too large") << std::string("123456789012345678901234") << std::numeric_limits<qint64>::max();
    QTest::newRow("too small") << std::string("-123456789012345678901234") << std::numeric_limits<qint64>::min();
}

void tst_CInfoParser::stoll()
{
    QFETCH(std::string, text);
    QFETCH(qint64, value);
    QCOMPARE(CInfoParser::stoll(text), value);
}

void tst_CInfoParser::hddLines_data()
{
    QTest::addColumn<std::string>("line");
    QTest::addColumn<QStringList>("result");
    QTest::newRow("plain") << std::string("HDD1 : used 10MB - free 5MB") << QStringList{"1", "10", "5"};
    QTest::newRow("inside a longer line")
        << std::string("  >> HDD7 : used 0MB - free 123456MB <<") << QStringList{"7", "0", "123456"};
    QTest::newRow("tabs are white space")
        << std::string("HDD2\t:\tused\t3MB\t-\tfree\t4MB") << QStringList{"2", "3", "4"};
    QTest::newRow("two digits after HDD") << std::string("HDD10 : used 1MB - free 1MB") << QStringList{};
    QTest::newRow("two blanks") << std::string("HDD1  : used 1MB - free 1MB") << QStringList{};
    QTest::newRow("lower case") << std::string("hdd1 : used 1MB - free 1MB") << QStringList{};
    QTest::newRow("no size") << std::string("HDD1 : used MB - free 1MB") << QStringList{};
    QTest::newRow("second entry after a broken one")
        << std::string("HDD1 : used xMB HDD3 : used 9MB - free 8MB") << QStringList{"3", "9", "8"};
}

void tst_CInfoParser::hddLines()
{
    QFETCH(std::string, line);
    QFETCH(QStringList, result);
    CHddParser parser;
    parser.parse("HDD1 : used 1MB - free 1MB");
    parser.parse(line);
    QStringList got;
    for (const std::string& text : parser.getResult())
        got << QString::fromStdString(text);
    QCOMPARE(got, result);
}

QTEST_APPLESS_MAIN(tst_CInfoParser)
#include "tst_CInfoParser.moc"
