#include "Common/CCoreMetaTypes.h"
#include "Connection/CDVRInfoWidget.h"
#include "Connection/CInfoWidget.h"
#include "Display/CWaitWidget.h"
#include "Recording/CReadDVRData.h"
#include "Settings/CHDDWidget.h"
#include "TestDvr.h"
#include "TestDvrAnswers.h"
#include "TestDvrDelays.h"
#include "TestDvrInfoContent.h"

#include <QDeadlineTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QScrollArea>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>
#include <ctime>
#include <memory>

namespace {

enum class Answers { Prompt, InfoLast, HddLast, Garbled, OtherTypes, Silent };

const char* const VALUE_LABELS[]
    = {"ModelName", "VideoType", "HardwareVersion", "KernelVersion", "RamdiskVersion", "MacAddress"};
const int READ_TIME_LIMIT_MS = 1500;

QStringList standardFields()
{
    return {"TDVR-16", "NTSC", "HW 1.2", "2.6.18", "3.4.5", "00:0b:0c:0d:0e:0f"};
}

void setUp(TestDvr& dvr, Answers answers, bool oldDialect)
{
    const auto dialect = oldDialect ? TestDvrRequest::OldDialect : TestDvrRequest::NewDialect;
    switch (answers) {
    case Answers::Prompt:
        break;
    case Answers::InfoLast:
        TestDvrDelays::install(dvr, dialect, {{cgi::MODE_DVR_INFO, 300}, {cgi::MODE_HDD_INFO, 150}});
        break;
    case Answers::HddLast:
        TestDvrDelays::install(dvr, dialect, {{cgi::MODE_HDD_INFO, 300}, {cgi::MODE_SYS_LOG, 150}});
        break;
    case Answers::Garbled:
        dvr.setFault(TestDvr::Fault::Garbled);
        break;
    case Answers::OtherTypes:
        for (int mode : {cgi::MODE_DVR_INFO, cgi::MODE_HDD_INFO, cgi::MODE_SYS_LOG}) {
            dvr.setHandler(dialect, mode, [](const TestDvrRequest&, const TestDvrContent& content) {
                return TestDvrReply::http(200, TestDvrAnswers::messagePacket(1, cgi::DATA_PICTURE, content.picture));
            });
        }
        break;
    case Answers::Silent:
        dvr.setFault(TestDvr::Fault::NoAnswer);
        break;
    }
}

QStringList shownFields(const QWidget& window)
{
    QStringList fields;
    for (const char* name : VALUE_LABELS)
        fields << window.findChild<QLabel*>(name)->text();
    return fields;
}

// "title total used free bar" per panel, in panel order.
QStringList shownDisks(const QWidget& window)
{
    QList<CHDDWidget*> panels = window.findChildren<CHDDWidget*>();
    std::sort(panels.begin(), panels.end(), [](const CHDDWidget* a, const CHDDWidget* b) {
        return a->findChild<QGroupBox*>()->title().mid(4).toInt() < b->findChild<QGroupBox*>()->title().mid(4).toInt();
    });
    QStringList disks;
    for (const CHDDWidget* panel : panels) {
        QStringList parts{panel->findChild<QGroupBox*>("HddGroup")->title()};
        for (const char* name : {"totalspace", "usedspace", "freespace"})
            parts << panel->findChild<QLabel*>(name)->text();
        parts << QString::number(panel->findChild<QProgressBar*>("HddProgress")->value());
        disks << parts.join(QLatin1Char('|'));
    }
    return disks;
}

QString shownLog(const QWidget& window)
{
    return window.findChild<QTextEdit*>("LogResult")->toPlainText();
}

// Waits until that many of the window's reads have delivered their reply
// (or given up); the window has handled each reply when its signal is seen.
bool waitForReplies(const QWidget& window, int count)
{
    std::vector<std::unique_ptr<QSignalSpy>> spies;
    for (CReadDVRData* reader : window.findChildren<CReadDVRData*>())
        spies.push_back(std::make_unique<QSignalSpy>(reader, &CReadDVRData::completed));
    const auto delivered = [&] {
        int total = 0;
        for (const auto& spy : spies)
            total += int(spy->count());
        return total;
    };
    const QDeadlineTimer deadline(10000);
    while (delivered() < count && !deadline.hasExpired())
        QTest::qWait(20);
    return delivered() == count;
}

QString disk(int number, qint64 total, qint64 used)
{
    const QLocale locale;
    const qint64 free = std::max<qint64>(total - used, 0);
    const int bar = total > 0 ? int(std::min<qint64>(used * 100 / total, 100)) : 0;
    return QStringLiteral("HDD %1|%2 MB|%3 MB|%4 MB|%5")
        .arg(number)
        .arg(locale.toString(total), locale.toString(used), locale.toString(free))
        .arg(bar);
}

} // namespace

// The information window against the test DVR in both dialects: what is
// asked, what is shown, in whatever order and shape the replies come.
class tst_CDVRInfoWidget : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        CCoreMetaTypes::registerTypes();
        QLocale::setDefault(QLocale(QStringLiteral("en_US")));
    }

    void showsWhatTheDvrReports_data()
    {
        QTest::addColumn<bool>("oldDialect");
        QTest::addColumn<bool>("unusual");
        QTest::addColumn<int>("answers");
        QTest::addColumn<QByteArray>("timeZone");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QStringList>("disks");
        QTest::addColumn<QString>("log");

        const QString standardLog = QStringLiteral("2014/01/01 00:00:00    admin    power on");
        const QStringList standardDisk{disk(1, 1000000, 250000)};
        QStringList unusualDisks;
        for (int i = 0; i < TestDvrInfoContent::DISKS; ++i)
            unusualDisks << disk(i + 1, 1000 * (i + 1), i == TestDvrInfoContent::OVERFULL_DISK ? 5000 : 100 * i);
        const QString unusualLog
            = QStringLiteral("1970/01/01 00:00:00    admin%3    clock <b>reset</b>\n2015/03/01 12:00:00    ")
            + TestDvrInfoContent::koreanUser() + QStringLiteral("    ") + TestDvrInfoContent::koreanLog();
        QStringList unusualFields = standardFields();
        unusualFields[0] = QString();
        unusualFields[1] = QStringLiteral("PAL");
        unusualFields[4] = TestDvrInfoContent::koreanVersion();
        const QStringList none{"", "", "", "", "", ""};

        QTest::newRow("new dialect") << false << false << int(Answers::Prompt) << QByteArray("Pacific/Auckland")
                                     << standardFields() << standardDisk << standardLog;
        QTest::newRow("new dialect, information last")
            << false << false << int(Answers::InfoLast) << QByteArray("America/Los_Angeles") << standardFields()
            << standardDisk << standardLog;
        QTest::newRow("new dialect, disks last, unusual content")
            << false << true << int(Answers::HddLast) << QByteArray("UTC") << unusualFields << unusualDisks
            << unusualLog;
        QTest::newRow("new dialect, garbled")
            << false << false << int(Answers::Garbled) << QByteArray("UTC") << none << QStringList() << QString();
        QTest::newRow("new dialect, other packet types")
            << false << false << int(Answers::OtherTypes) << QByteArray("UTC") << none << QStringList() << QString();
        QTest::newRow("new dialect, silent")
            << false << false << int(Answers::Silent) << QByteArray("UTC") << none << QStringList() << QString();

        QStringList oldUnusualDisks;
        for (int i = 0; i < TestDvrInfoContent::DISKS; ++i)
            oldUnusualDisks << disk(i + 1, 1000, 100 * i);
        QTest::newRow("old dialect") << true << false << int(Answers::Prompt) << QByteArray("Asia/Seoul")
                                     << QStringList{"TDVR-16", "NTSC", "1.2", "2.6.18", "3.4.5", "00:0b:0c:0d:0e:0f"}
                                     << QStringList{disk(1, 1000, 120), disk(2, 500, 0)}
                                     << "< System Logs >\n2014/01/01 00:00:00 admin power on\n";
        QTest::newRow("old dialect, unusual content")
            << true << true << int(Answers::Prompt) << QByteArray("UTC")
            << QStringList{"녹화기-8", "PAL", "1.0", "2.6.32", TestDvrInfoContent::koreanVersion(), "00:11:22:33:44:55"}
            << oldUnusualDisks
            << "< System Logs >\n2015/03/01 12:00:00 " + TestDvrInfoContent::koreanUser() + ' '
                + TestDvrInfoContent::koreanLog() + '\n';
        QTest::newRow("old dialect, garbled")
            << true << false << int(Answers::Garbled) << QByteArray("UTC") << none << QStringList() << QString();
    }

    void showsWhatTheDvrReports()
    {
        QFETCH(bool, oldDialect);
        QFETCH(bool, unusual);
        QFETCH(int, answers);
        QFETCH(QByteArray, timeZone);
        QFETCH(QStringList, fields);
        QFETCH(QStringList, disks);
        QFETCH(QString, log);
        qputenv("TZ", timeZone);
        tzset();

        TestDvr dvr;
        QVERIFY(dvr.listen());
        if (unusual)
            dvr.setContent(TestDvrInfoContent::unusual());
        setUp(dvr, Answers(answers), oldDialect);
        CDVRInfoWidget window;
        window.findChild<CInfoWidget*>()->setReadTimeLimit(READ_TIME_LIMIT_MS);
        window.show();
        window.readData(dvr.dvrRecord(oldDialect));
        QVERIFY(window.findChild<CWaitWidget*>());
        QVERIFY(waitForReplies(window, oldDialect ? 1 : 3));

        QCOMPARE(shownFields(window), fields);
        QCOMPARE(shownDisks(window), disks);
        QCOMPARE(shownLog(window), log);
        QVERIFY(!window.findChild<CWaitWidget*>());

        const QList<TestDvrRequest> requests = dvr.requests();
        if (oldDialect) {
            QCOMPARE(requests.size(), 1);
            QCOMPARE(requests.first().kind, TestDvrRequest::DataRead);
            QCOMPARE(requests.first().query, QByteArray("MODE=6&ID=admin&PW=1234&OP=17"));
            return;
        }
        QList<int> modes;
        for (const TestDvrRequest& request : requests) {
            modes << request.mode;
            QCOMPARE(request.kind, TestDvrRequest::DataRead);
            QVERIFY(request.userDecoded && request.dataDecoded);
            QCOMPARE(request.user.name(), std::string("admin"));
            QCOMPARE(request.user.password(), std::string("1234"));
            QVERIFY(request.data.isEmpty());
        }
        std::sort(modes.begin(), modes.end());
        QCOMPARE(modes, QList<int>({cgi::MODE_DVR_INFO, cgi::MODE_HDD_INFO, cgi::MODE_SYS_LOG}));
    }

    void diskPanels_data()
    {
        QTest::addColumn<int>("disks");
        QTest::addColumn<int>("panels");
        QTest::newRow("five: the first three columns") << 5 << 5;
        QTest::newRow("a thousand: the first sixteen") << 1000 << CInfoWidget::MAX_HDD_PANELS;
    }

    // The first six panels stand in two rows under the captions; every
    // panel can be scrolled into view.
    void diskPanels()
    {
        QFETCH(int, disks);
        QFETCH(int, panels);
        TestDvr dvr;
        QVERIFY(dvr.listen());
        TestDvrContent content = TestDvrContent::standard();
        for (int i = 1; i < disks; ++i)
            content.hddInfo.add_info()->CopyFrom(content.hddInfo.info(0));
        dvr.setContent(content);
        CDVRInfoWidget window;
        window.show();
        window.readData(dvr.dvrRecord());
        QVERIFY(waitForReplies(window, 3));

        const QList<CHDDWidget*> shown = window.findChildren<CHDDWidget*>();
        QCOMPARE(shown.size(), panels);
        const auto* info = window.findChild<CInfoWidget*>();
        const QPoint places[] = {{10, 300}, {10, 453}, {294, 300}, {294, 453}, {578, 300}, {578, 453}};
        for (int i = 0; i < std::min(panels, 6); ++i)
            QCOMPARE(shown.at(i)->mapTo(info, QPoint(0, 0)), places[i]);
        auto* area = window.findChild<QScrollArea*>("HddArea");
        for (CHDDWidget* panel : shown) {
            area->ensureWidgetVisible(panel, 0, 0);
            const QRect inView(panel->mapTo(area->viewport(), QPoint(0, 0)), panel->size());
            QVERIFY2(area->viewport()->rect().contains(inView), qPrintable(panel->findChild<QGroupBox*>()->title()));
        }
    }

    // A language change keeps what the DVR reported; reading again clears
    // everything before the new replies come.
    void keepsValuesUntilReadAgain()
    {
        TestDvr dvr;
        QVERIFY(dvr.listen());
        CDVRInfoWidget window;
        window.readData(dvr.dvrRecord());
        QVERIFY(waitForReplies(window, 3));
        const QStringList disks = shownDisks(window);
        QEvent change(QEvent::LanguageChange);
        for (QWidget* widget : window.findChildren<QWidget*>())
            QCoreApplication::sendEvent(widget, &change);
        QCOMPARE(shownFields(window), standardFields());
        QCOMPARE(shownDisks(window), disks);
        QVERIFY(!shownLog(window).isEmpty());

        dvr.setFault(TestDvr::Fault::NoAnswer);
        window.readData(dvr.dvrRecord());
        QCOMPARE(shownFields(window), QStringList({"", "", "", "", "", ""}));
        QVERIFY(window.findChildren<CHDDWidget*>().isEmpty());
        QVERIFY(shownLog(window).isEmpty());
        QVERIFY(window.findChild<CWaitWidget*>());
    }
};

QTEST_MAIN(tst_CDVRInfoWidget)
#include "tst_CDVRInfoWidget.moc"
