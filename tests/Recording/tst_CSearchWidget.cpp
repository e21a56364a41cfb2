#include "Recording/CCalendarWidget.h"
#include "Recording/CSearchWidget.h"
#include "Recording/CTimeLine.h"
#include "ShownSearch.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

std::time_t at(const QString& text)
{
    return ShownSearch::at(text);
}

CDateHour hourOf(const QString& text)
{
    return CDateHour::fromTime(quint32(at(text)));
}

// A panel whose hours hold recordings of kind 1 on channels 0 to 2 in
// every minute.
struct Panel {
    CSearchWidget widget;
    CTimeLine* timeLine;
    CCalendarWidget* calendar;

    explicit Panel(const QStringList& recordedHours = {})
    {
        widget.setDVRChannels(16);
        timeLine = widget.findChild<CTimeLine*>();
        calendar = widget.findChild<CCalendarWidget*>();
        CMinData full;
        for (int channel = 0; channel < 3; ++channel) {
            for (int minute = 0; minute < 60; ++minute)
                full.SetData(channel, minute, 1);
        }
        CSearchWidget::HourSet hours;
        CSearchWidget::MinuteData minutes;
        for (const QString& hour : recordedHours) {
            hours.insert(hourOf(hour));
            minutes[hourOf(hour)] = full;
        }
        widget.SetDateHour(hours);
        widget.AppendDatas(minutes);
        widget.show();
    }
};

} // namespace

class tst_CSearchWidget : public QObject {
    Q_OBJECT

private slots:
    void selection_data();
    void selection();
    void choosingEmitsEveryTimeWithTheChannels();
    void calendarMarksRecordedDaysOfTheShownMonth();
    void rangeMarksTheShownHour_data();
    void rangeMarksTheShownHour();
};

void tst_CSearchWidget::selection_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<int>("changes");
    const QString start = "2024-02-10 10:20";
    // Set by the owner: shown exactly, nothing reported.
    QTest::newRow("set, same day") << start << "set"
                                   << "2024-02-10 13:45:30"
                                   << "2024-02-10 13:45" << 0;
    QTest::newRow("set, same minute") << start << "set"
                                      << "2024-02-10 10:20:45"
                                      << "2024-02-10 10:20" << 0;
    QTest::newRow("set, next day") << start << "set"
                                   << "2024-02-11 00:05:59"
                                   << "2024-02-11 00:05" << 0;
    QTest::newRow("set, other year") << start << "set"
                                     << "2023-12-31 23:59:00"
                                     << "2023-12-31 23:59" << 0;
    // Moved by the operator: reported when another minute is selected.
    QTest::newRow("same minute") << start << "minute"
                                 << "20" << start << 0;
    QTest::newRow("next minute") << start << "minute"
                                 << "21"
                                 << "2024-02-10 10:21" << 1;
    QTest::newRow("another hour") << start << "hour"
                                  << "11"
                                  << "2024-02-10 11:20" << 1;
    QTest::newRow("another day") << start << "day"
                                 << "2024-02-12"
                                 << "2024-02-12 10:20" << 1;
    QTest::newRow("31 Jan 2023, next month") << "2023-01-31 10:20"
                                             << "month"
                                             << "1"
                                             << "2023-02-28 10:20" << 1;
    QTest::newRow("31 Jan 2024, next month") << "2024-01-31 10:20"
                                             << "month"
                                             << "1"
                                             << "2024-02-29 10:20" << 1;
    QTest::newRow("31 Mar 2024, month before") << "2024-03-31 10:20"
                                               << "month"
                                               << "-1"
                                               << "2024-02-29 10:20" << 1;
    QTest::newRow("15 Feb 2024, next month") << "2024-02-15 10:20"
                                             << "month"
                                             << "1"
                                             << "2024-03-15 10:20" << 1;
}

void tst_CSearchWidget::selection()
{
    QFETCH(QString, start);
    QFETCH(QString, action);
    QFETCH(QString, target);
    QFETCH(QString, selected);
    QFETCH(int, changes);
    Panel panel;
    QVERIFY(QTest::qWaitForWindowExposed(&panel.widget));
    panel.widget.setSelectedTime(at(start));
    QSignalSpy changed(&panel.widget, &CSearchWidget::changedTime);

    if (action == "set")
        panel.widget.setSelectedTime(at(target));
    else if (action == "minute")
        QTest::mouseClick(panel.timeLine->findChild<QWidget*>("TimeLine_Minute"), Qt::LeftButton, {},
            QPoint(7 * target.toInt() + 3, 30));
    else if (action == "hour")
        QTest::mouseClick(panel.timeLine->findChild<QWidget*>("TimeLine_Hour"), Qt::LeftButton, {},
            QPoint(18 * target.toInt() + 5, 20));
    else if (action == "day")
        panel.calendar->setSelectedDate(QDate::fromString(target, Qt::ISODate));
    else if (target.toInt() > 0)
        panel.calendar->showNextMonth();
    else
        panel.calendar->showPreviousMonth();

    QCOMPARE(changed.size(), changes);
    const QDateTime shown = QDateTime::fromSecsSinceEpoch(panel.widget.getSelectedDateTime(), Qt::UTC);
    QCOMPARE(shown.toString("yyyy-MM-dd hh:mm"), selected);
    QCOMPARE(panel.calendar->selectedDate(), shown.date());
    QCOMPARE(panel.calendar->monthShown(), shown.date().month());
    QCOMPARE(panel.timeLine->getHour(), shown.time().hour());
    QCOMPARE(panel.timeLine->getMinute(), shown.time().minute());
}

void tst_CSearchWidget::choosingEmitsEveryTimeWithTheChannels()
{
    QCOMPARE(CSearchWidget().getSelectedChannels(), 0);
    Panel panel({"2024-02-10 10:00"});
    QVERIFY(QTest::qWaitForWindowExposed(&panel.widget));
    panel.widget.setSelectedTime(at("2024-02-10 10:00"));
    QSignalSpy chosen(&panel.widget, &CSearchWidget::selectedTime);
    QSignalSpy changed(&panel.widget, &CSearchWidget::changedTime);
    QSignalSpy channels(&panel.widget, &CSearchWidget::updateSelected);
    QWidget* grid = panel.timeLine->findChild<QWidget*>("TimeLine_Minute");

    QTest::mouseDClick(grid, Qt::LeftButton, {}, QPoint(7 * 21 + 3, 30));
    QTest::mouseDClick(grid, Qt::LeftButton, {}, QPoint(7 * 21 + 3, 30));
    QTest::mouseClick(panel.timeLine->findChildren<QPushButton*>().at(2), Qt::LeftButton);
    QTest::mouseDClick(grid, Qt::LeftButton, {}, QPoint(7 * 21 + 3, 30));

    QCOMPARE(changed.size(), 1);
    QCOMPARE(channels.size(), 1);
    QCOMPARE(chosen.size(), 3);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(chosen.at(i).at(0).value<std::time_t>(), at("2024-02-10 10:21"));
        QCOMPARE(chosen.at(i).at(1).toInt(), i < 2 ? 0xFFFF : 0xFFFD);
    }
}

void tst_CSearchWidget::calendarMarksRecordedDaysOfTheShownMonth()
{
    Panel panel({"2024-01-31 10:00", "2024-02-01 00:00", "2024-02-15 23:00", "2024-03-01 05:00"});
    QVERIFY(QTest::qWaitForWindowExposed(&panel.widget));
    const auto day
        = [&](const char* date) { return ShownSearch::day(panel.calendar, QDate::fromString(date, Qt::ISODate)); };

    panel.widget.setSelectedTime(at("2024-02-10 10:00"));
    QCOMPARE(day("2024-01-31"), "empty grey");
    QCOMPARE(day("2024-02-01"), "filled");
    QCOMPARE(day("2024-02-10"), "empty");
    QCOMPARE(day("2024-02-15"), "filled");
    QCOMPARE(day("2024-03-01"), "empty grey");

    panel.widget.setSelectedTime(at("2024-01-31 10:00"));
    QCOMPARE(day("2024-01-31"), "filled");
    QCOMPARE(day("2024-02-01"), "empty grey");

    panel.widget.clear();
    QCOMPARE(day("2024-01-31"), "empty");
}

void tst_CSearchWidget::rangeMarksTheShownHour_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    const QString day = "2024-02-10 10:20";
    const QString dayEnd = "2024-02-10 12:40";
    for (const char* chosen : {"start", "end"}) {
        QTest::addRow("%s chosen, first hour", chosen) << day << dayEnd << "2024-02-10 10:00" << 20 << 59;
        QTest::addRow("%s chosen, middle hour", chosen) << day << dayEnd << "2024-02-10 11:30" << 0 << 59;
        QTest::addRow("%s chosen, last hour", chosen) << day << dayEnd << "2024-02-10 12:10" << 0 << 39;
    }
    QTest::newRow("hour after") << day << dayEnd << "2024-02-10 13:00" << -1 << -1;
    QTest::newRow("hour before") << day << dayEnd << "2024-02-10 09:00" << -1 << -1;
    QTest::newRow("another date") << day << dayEnd << "2024-02-11 11:00" << -1 << -1;
    QTest::newRow("end before start") << dayEnd << day << "2024-02-10 11:00" << -1 << -1;
    QTest::newRow("parts of minutes") << "2024-02-10 10:20:30"
                                      << "2024-02-10 10:21:01"
                                      << "2024-02-10 10:00" << 20 << 21;
    const QString late = "2024-02-10 23:50";
    const QString early = "2024-02-11 00:10";
    QTest::newRow("midnight, before") << late << early << "2024-02-10 23:00" << 50 << 59;
    QTest::newRow("midnight, after") << late << early << "2024-02-11 00:00" << 0 << 9;
    QTest::newRow("midnight, same hour a day early") << late << early << "2024-02-10 00:00" << -1 << -1;
}

void tst_CSearchWidget::rangeMarksTheShownHour()
{
    QFETCH(QString, start);
    QFETCH(QString, end);
    QFETCH(QString, shown);
    QFETCH(int, first);
    QFETCH(int, last);
    Panel panel({"2024-02-10 00:00", "2024-02-10 09:00", "2024-02-10 10:00", "2024-02-10 11:00", "2024-02-10 12:00",
        "2024-02-10 13:00", "2024-02-10 23:00", "2024-02-11 00:00", "2024-02-11 11:00"});
    QVERIFY(QTest::qWaitForWindowExposed(&panel.widget));
    panel.widget.setSelectedTime(at("2024-02-10 10:20"));

    // Marked on channels 0 and 2, and kept as the shown hour changes.
    const bool startChosen = QByteArray(QTest::currentDataTag()).startsWith("start");
    panel.widget.updateSelectedRange(startChosen, 0b101, at(start), at(end));
    panel.widget.setSelectedTime(at(shown));

    QString marked(60, '1');
    for (int minute = first; minute >= 0 && minute <= last; ++minute)
        marked[minute] = 'a';
    QCOMPARE(
        ShownSearch::grid(panel.timeLine), (QStringList{"c0:" + marked, "c1:" + QString(60, '1'), "c2:" + marked}));
}

QTEST_MAIN(tst_CSearchWidget)
#include "tst_CSearchWidget.moc"
