#include "Common/CCoreMetaTypes.h"
#include "Connection/CDVRInfoWidget.h"
#include "Connection/CElidedLabel.h"
#include "Connection/CInfoWidget.h"
#include "Display/CWaitWidget.h"
#include "HddPanelText.h"
#include "ShownText.h"
#include "TestDvr.h"
#include "TestDvrAnswers.h"
#include "TestDvrDelays.h"
#include "TestDvrInfoContent.h"
#include "WidgetChild.h"

#include <QLabel>
#include <QLocale>
#include <QScrollArea>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>
#include <ctime>
#include <memory>
#include <numeric>

namespace {

// The time limit of a read from a silent DVR: short, and still long enough
// for a busy computer to deliver the request and the replies that do come.
const int SILENT_DVR_LIMIT_MS = 3000;

// Markup, and longer than the information page is wide.
QString longModelName()
{
    return QStringLiteral("<b>TDVR</b>-16 &amp;") + QString(120, QLatin1Char('X'));
}

enum class Answers { Prompt, InfoLast, HddLast, Garbled, OtherTypes, Silent };
enum class Content { Standard, Unusual, ThousandDisks, LongLog };

void setUp(TestDvr& dvr, Content content, Answers answers, TestDvrRequest::Dialect dialect)
{
    if (content == Content::Unusual)
        dvr.setContent(TestDvrInfoContent::unusual());
    if (content == Content::ThousandDisks) {
        TestDvrContent many = TestDvrContent::standard();
        for (int i = 1; i < 1000; ++i)
            many.hddInfo.add_info()->CopyFrom(many.hddInfo.info(0));
        dvr.setContent(many);
    }
    if (content == Content::LongLog) {
        TestDvrContent longLog = TestDvrContent::standard();
        for (int i = 1; i < CInfoWidget::MAX_LOG_LINES; ++i)
            longLog.sysLog.add_log()->CopyFrom(longLog.sysLog.log(0));
        longLog.sysLog.add_log()->set_log("beyond the shown lines");
        longLog.dvrInfo.set_model_name(longModelName().toStdString());
        dvr.setContent(longLog);
    }
    if (answers == Answers::InfoLast)
        TestDvrDelays::install(dvr, dialect, {{cgi::MODE_DVR_INFO, 300}, {cgi::MODE_HDD_INFO, 150}});
    if (answers == Answers::HddLast)
        TestDvrDelays::install(dvr, dialect, {{cgi::MODE_HDD_INFO, 300}, {cgi::MODE_SYS_LOG, 150}});
    if (answers == Answers::Garbled)
        dvr.setFault(TestDvr::Fault::Garbled);
    if (answers == Answers::Silent)
        dvr.setFault(TestDvr::Fault::NoAnswer);
    const auto picture = [](const TestDvrRequest&, const TestDvrContent& content) {
        return TestDvrReply::http(200, TestDvrAnswers::messagePacket(1, cgi::DATA_PICTURE, content.picture));
    };
    for (int mode : {cgi::MODE_DVR_INFO, cgi::MODE_HDD_INFO, cgi::MODE_SYS_LOG}) {
        if (answers == Answers::OtherTypes)
            dvr.setHandler(dialect, mode, picture);
    }
}

QStringList shownFields(const QWidget& window)
{
    QStringList fields;
    for (const char* name :
        {"ModelName", "VideoType", "HardwareVersion", "KernelVersion", "RamdiskVersion", "MacAddress"}) {
        // DVR text is never read as markup.
        const QLabel* label = child<QLabel>(window, name);
        fields << (label->textFormat() == Qt::PlainText ? label->text() : "as markup: " + label->text());
    }
    return fields;
}

QStringList shownDisks(const QWidget& window)
{
    QStringList disks;
    for (const CHDDWidget* panel : window.findChildren<CHDDWidget*>())
        disks << hddPanelText(*panel);
    return disks;
}

QString shownLog(const QWidget& window)
{
    return child<QTextEdit>(window, "LogResult")->toPlainText();
}

// Waits until that many of the window's reads have delivered their reply
// (or given up); the window has handled a reply once its signal is seen.
bool waitForReplies(const QWidget& window, int count)
{
    std::vector<std::unique_ptr<QSignalSpy>> spies;
    for (CReadDVRData* reader : window.findChildren<CReadDVRData*>())
        spies.push_back(std::make_unique<QSignalSpy>(reader, &CReadDVRData::completed));
    const auto delivered = [&] {
        return std::accumulate(
            spies.begin(), spies.end(), 0, [](int sum, const auto& spy) { return sum + int(spy->count()); });
    };
    // Only for replies that never come.
    return QTest::qWaitFor([&] { return delivered() >= count; }, 60000) && delivered() == count;
}

QString disk(int number, qint64 total, qint64 used)
{
    const QLocale locale;
    return QStringLiteral("HDD %1|%2 MB|%3 MB|%4 MB|%5")
        .arg(QString::number(number), locale.toString(total), locale.toString(used),
            locale.toString(std::max<qint64>(total - used, 0)),
            QString::number(std::clamp<qint64>(used * 100 / total, 0, 100)));
}

} // namespace

// The information window against the test DVR in both dialects: what it
// asks, and what it shows in whatever order and shape the replies come.
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
        QTest::addColumn<int>("content");
        QTest::addColumn<int>("answers");
        QTest::addColumn<QByteArray>("timeZone");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QStringList>("disks");
        QTest::addColumn<QString>("log");

        const QStringList standard{"TDVR-16", "NTSC", "HW 1.2", "2.6.18", "3.4.5", "00:0b:0c:0d:0e:0f"};
        const QString log = QStringLiteral("2014/01/01 00:00:00    admin    power on");
        QStringList unusualFields = standard;
        unusualFields[0] = QString();
        unusualFields[1] = QStringLiteral("PAL");
        unusualFields[2] = QStringLiteral("<i>HW</i> 1.2");
        unusualFields[4] = TestDvrInfoContent::koreanVersion();
        QStringList newDisks;
        QStringList oldDisks;
        for (int i = 0; i < TestDvrInfoContent::DISKS; ++i) {
            newDisks << disk(i + 1, 1000 * (i + 1), i == TestDvrInfoContent::OVERFULL_DISK ? 5000 : 100 * i);
            oldDisks << disk(i + 1, 1000, 100 * i);
        }
        QStringList sixteen;
        for (int i = 1; i <= CInfoWidget::MAX_HDD_PANELS; ++i)
            sixteen << disk(i, 1000000, 250000);
        const QString korean = TestDvrInfoContent::koreanUser() + "    " + TestDvrInfoContent::koreanLog();
        const QStringList none{"", "", "", "", "", ""};
        const auto row
            = [](const char* name, bool old, Content content, Answers answers, const char* zone) -> QTestData& {
            return QTest::newRow(name) << old << int(content) << int(answers) << QByteArray(zone);
        };

        row("new", false, Content::Standard, Answers::Prompt, "Pacific/Auckland")
            << standard << QStringList{disk(1, 1000000, 250000)} << log;
        row("new, information last", false, Content::Standard, Answers::InfoLast, "America/Los_Angeles")
            << standard << QStringList{disk(1, 1000000, 250000)} << log;
        row("new, disks last, unusual", false, Content::Unusual, Answers::HddLast, "UTC")
            << unusualFields << newDisks
            << "1970/01/01 00:00:00    admin%3    clock <b>reset</b>\n2015/03/01 12:00:00    " + korean;
        row("new, a thousand disks", false, Content::ThousandDisks, Answers::Prompt, "UTC")
            << standard << sixteen << log;
        QStringList markedModel = standard;
        markedModel[0] = longModelName();
        row("new, a log longer than shown, markup in a long model name", false, Content::LongLog, Answers::Prompt,
            "UTC")
            << markedModel << QStringList{disk(1, 1000000, 250000)}
            << QStringList(CInfoWidget::MAX_LOG_LINES, log).join(QLatin1Char('\n'));
        row("new, garbled", false, Content::Standard, Answers::Garbled, "UTC") << none << QStringList() << "";
        row("new, other packet types", false, Content::Standard, Answers::OtherTypes, "UTC")
            << none << QStringList() << "";
        row("new, silent", false, Content::Standard, Answers::Silent, "UTC") << none << QStringList() << "";
        row("old", true, Content::Standard, Answers::Prompt, "Asia/Seoul")
            << QStringList{"TDVR-16", "NTSC", "1.2", "2.6.18", "3.4.5", "00:0b:0c:0d:0e:0f"}
            << QStringList{disk(1, 1000, 120), disk(2, 500, 0)}
            << "< System Logs >\n2014/01/01 00:00:00 admin power on\n";
        row("old, unusual", true, Content::Unusual, Answers::Prompt, "UTC")
            << QStringList{"녹화기-8", "PAL", "1.0", "2.6.32", TestDvrInfoContent::koreanVersion(), "00:11:22:33:44:55"}
            << oldDisks
            << "< System Logs >\n2015/03/01 12:00:00 " + TestDvrInfoContent::koreanUser() + ' '
                + TestDvrInfoContent::koreanLog() + '\n';
        row("old, garbled", true, Content::Standard, Answers::Garbled, "UTC") << none << QStringList() << "";
    }

    void showsWhatTheDvrReports()
    {
        QFETCH(bool, oldDialect);
        QFETCH(int, content);
        QFETCH(int, answers);
        QFETCH(QByteArray, timeZone);
        QFETCH(QStringList, fields);
        QFETCH(QStringList, disks);
        QFETCH(QString, log);
        qputenv("TZ", timeZone);
        tzset();
        TestDvr dvr;
        QVERIFY(dvr.listen());
        setUp(dvr, Content(content), Answers(answers),
            oldDialect ? TestDvrRequest::OldDialect : TestDvrRequest::NewDialect);
        CDVRInfoWidget window;
        window.findChild<CInfoWidget*>()->setReadTimeLimit(SILENT_DVR_LIMIT_MS);
        window.show();
        window.readData(dvr.dvrRecord(oldDialect));
        QVERIFY(window.findChild<CWaitWidget*>());
        QVERIFY(waitForReplies(window, oldDialect ? 1 : 3));

        // Shown, also after a language change.
        for (int pass = 0; pass < 2; ++pass) {
            QCOMPARE(shownFields(window), fields);
            QCOMPARE(shownDisks(window), disks);
            QCOMPARE(shownLog(window), log);
            QEvent change(QEvent::LanguageChange);
            for (QWidget* widget : window.findChildren<QWidget*>())
                QCoreApplication::sendEvent(widget, &change);
        }
        QVERIFY(!window.findChild<CWaitWidget*>());
        // A text cut by its label is whole in the tool tip.
        for (QLabel* value : window.findChildren<CElidedLabel*>()) {
            const bool cut = value->fontMetrics().horizontalAdvance(value->text()) > value->contentsRect().width();
            QTRY_COMPARE(shownText(value->toolTip()), cut ? value->text() : QString());
        }

        // The first six panels keep their places; every panel can be
        // scrolled into view.
        const auto* info = window.findChild<CInfoWidget*>();
        const QList<CHDDWidget*> panels = window.findChildren<CHDDWidget*>();
        const QPoint places[] = {{10, 300}, {10, 453}, {294, 300}, {294, 453}, {578, 300}, {578, 453}};
        for (int i = 0; i < std::min<int>(int(panels.size()), 6); ++i)
            QCOMPARE(panels.at(i)->mapTo(info, QPoint(0, 0)), places[i]);
        auto* area = child<QScrollArea>(window, "HddArea");
        for (CHDDWidget* panel : panels) {
            area->ensureWidgetVisible(panel, 0, 0);
            QVERIFY(
                area->viewport()->rect().contains(QRect(panel->mapTo(area->viewport(), QPoint(0, 0)), panel->size())));
        }

        QList<QByteArray> asked;
        for (const TestDvrRequest& request : dvr.requests()) {
            QCOMPARE(request.kind, TestDvrRequest::DataRead);
            asked << (oldDialect ? request.query : QByteArray::number(request.mode));
            QVERIFY(oldDialect || (request.user.name() == "admin" && request.user.password() == "1234"));
            QVERIFY(oldDialect || (request.dataDecoded && request.data.isEmpty()));
        }
        std::sort(asked.begin(), asked.end());
        const QList<QByteArray> expected
            = oldDialect ? QList<QByteArray>{"MODE=6&ID=admin&PW=1234&OP=17"} : QList<QByteArray>{"16", "17", "18"};
        QCOMPARE(asked, expected);

        // Reading again clears everything before the new replies come.
        dvr.setFault(TestDvr::Fault::NoAnswer);
        window.readData(dvr.dvrRecord(oldDialect));
        QCOMPARE(shownFields(window), QStringList({"", "", "", "", "", ""}));
        QVERIFY(shownDisks(window).isEmpty() && shownLog(window).isEmpty());
        QVERIFY(window.findChild<CWaitWidget*>());
    }
};

QTEST_MAIN(tst_CDVRInfoWidget)
#include "tst_CDVRInfoWidget.moc"
