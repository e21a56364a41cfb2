#include "Recording/CCalendarWidget.h"
#include "Recording/CSearchWidget.h"
#include "Recording/CTimeLine.h"
#include "ShownSearch.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

// A DVR time from "yyyy-MM-dd hh:mm[:ss]", read as UTC.
std::time_t at(const QString& text)
{
    QDateTime time = QDateTime::fromString(text, text.size() > 16 ? "yyyy-MM-dd hh:mm:ss" : "yyyy-MM-dd hh:mm");
    time.setTimeSpec(Qt::UTC);
    return time.toSecsSinceEpoch();
}

CDateHour hourOf(const QString& text)
{
    return CDateHour::fromTime(quint32(at(text)));
}

// Every minute of the hours recorded with kind 1 on channels 0 to 2.
CSearchWidget::MinuteData recorded(const QStringList& hours)
{
    CMinData full;
    for (int channel = 0; channel < 3; ++channel) {
        for (int minute = 0; minute < 60; ++minute)
            full.SetData(channel, minute, 1);
    }
    CSearchWidget::MinuteData data;
    for (const QString& hour : hours)
        data[hourOf(hour)] = full;
    return data;
}

CSearchWidget::HourSet hoursOf(const QStringList& hours)
{
    CSearchWidget::HourSet set;
    for (const QString& hour : hours)
        set.insert(hourOf(hour));
    return set;
}

struct Panel {
    CSearchWidget widget;
    CTimeLine* timeLine = nullptr;
    CCalendarWidget* calendar = nullptr;

    explicit Panel(const QStringList& recordedHours = {})
    {
        widget.setDVRChannels(16);
        timeLine = widget.findChild<CTimeLine*>();
        calendar = widget.findChild<CCalendarWidget*>();
        if (!recordedHours.isEmpty()) {
            widget.SetDateHour(hoursOf(recordedHours));
            widget.AppendDatas(recorded(recordedHours));
        }
        widget.show();
    }
};

} // namespace

class tst_CSearchWidget : public QObject {
    Q_OBJECT

private slots:
    void setSelectedTimeShowsTheTimeGiven_data();
    void setSelectedTimeShowsTheTimeGiven();
    void operatorMovesTheSelection_data();
    void operatorMovesTheSelection();
    void choosingEmitsEveryTimeWithTheChannels();
    void calendarMarksRecordedDaysOfTheShownMonth();
    void shownDayAndHour();
    void rangeMarksTheShownHour_data();
    void rangeMarksTheShownHour();
};

void tst_CSearchWidget::setSelectedTimeShowsTheTimeGiven_data()
{
    QTest::addColumn<QString>("time");
    QTest::newRow("same day") << "2024-02-10 13:45:30";
    QTest::newRow("same minute") << "2024-02-10 10:20:45";
    QTest::newRow("next day") << "2024-02-11 00:05:59";
    QTest::newRow("another month and year") << "2023-12-31 23:59:00";
}

void tst_CSearchWidget::setSelectedTimeShowsTheTimeGiven()
{
    QFETCH(QString, time);
    Panel panel;
    panel.widget.setSelectedTime(at("2024-02-10 10:20"));
    QSignalSpy changed(&panel.widget, &CSearchWidget::changedTime);

    const std::time_t t = at(time);
    panel.widget.setSelectedTime(t);
    QCOMPARE(changed.size(), 0);
    QCOMPARE(panel.widget.getSelectedDateTime(), t / 60 * 60);
    const QDateTime shown = QDateTime::fromSecsSinceEpoch(t, Qt::UTC);
    QCOMPARE(panel.calendar->selectedDate(), shown.date());
    QCOMPARE(panel.calendar->monthShown(), shown.date().month());
    QCOMPARE(panel.timeLine->getHour(), shown.time().hour());
    QCOMPARE(panel.timeLine->getMinute(), shown.time().minute());
}

void tst_CSearchWidget::operatorMovesTheSelection_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<int>("changes");
    QTest::newRow("same minute") << "2024-02-10 10:20"
                                 << "minute" << 20 << "2024-02-10 10:20" << 0;
    QTest::newRow("next minute") << "2024-02-10 10:20"
                                 << "minute" << 21 << "2024-02-10 10:21" << 1;
    QTest::newRow("another hour") << "2024-02-10 10:20"
                                  << "hour" << 11 << "2024-02-10 11:20" << 1;
    QTest::newRow("another day") << "2024-02-10 10:20"
                                 << "day" << 12 << "2024-02-12 10:20" << 1;
    QTest::newRow("31 January 2023, next month") << "2023-01-31 10:20"
                                                 << "month" << 1 << "2023-02-28 10:20" << 1;
    QTest::newRow("31 January 2024, next month") << "2024-01-31 10:20"
                                                 << "month" << 1 << "2024-02-29 10:20" << 1;
    QTest::newRow("31 March 2024, month before") << "2024-03-31 10:20"
                                                 << "month" << -1 << "2024-02-29 10:20" << 1;
    QTest::newRow("31 May 2024, next month") << "2024-05-31 10:20"
                                             << "month" << 1 << "2024-06-30 10:20" << 1;
    QTest::newRow("15 February, next month") << "2024-02-15 10:20"
                                             << "month" << 1 << "2024-03-15 10:20" << 1;
}

void tst_CSearchWidget::operatorMovesTheSelection()
{
    QFETCH(QString, start);
    QFETCH(QString, action);
    QFETCH(int, value);
    QFETCH(QString, selected);
    QFETCH(int, changes);
    Panel panel;
    QVERIFY(QTest::qWaitForWindowExposed(&panel.widget));
    panel.widget.setSelectedTime(at(start));
    QSignalSpy changed(&panel.widget, &CSearchWidget::changedTime);

    if (action == "minute") {
        QTest::mouseClick(
            panel.timeLine->findChild<QWidget*>("TimeLine_Minute"), Qt::LeftButton, {}, QPoint(7 * value + 3, 30));
    } else if (action == "hour") {
        QTest::mouseClick(
            panel.timeLine->findChild<QWidget*>("TimeLine_Hour"), Qt::LeftButton, {}, QPoint(18 * value + 5, 20));
    } else if (action == "day") {
        panel.calendar->setSelectedDate(panel.calendar->selectedDate().addDays(value - 10));
    } else if (value > 0) {
        panel.calendar->showNextMonth();
    } else {
        panel.calendar->showPreviousMonth();
    }
    QCOMPARE(changed.size(), changes);
    QCOMPARE(QDateTime::fromSecsSinceEpoch(panel.widget.getSelectedDateTime(), Qt::UTC).toString("yyyy-MM-dd hh:mm"),
        selected);
    QCOMPARE(panel.calendar->monthShown(), panel.calendar->selectedDate().month());
}

void tst_CSearchWidget::choosingEmitsEveryTimeWithTheChannels()
{
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
    const qint64 minute21 = at("2024-02-10 10:21");
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(chosen.at(i).at(0).value<std::time_t>(), minute21);
        QCOMPARE(chosen.at(i).at(1).toInt(), i < 2 ? 0xFFFF : 0xFFFD);
    }
    QCOMPARE(panel.widget.getSelectedChannels(), 0xFFFD);
}

void tst_CSearchWidget::calendarMarksRecordedDaysOfTheShownMonth()
{
    Panel panel({"2024-01-31 10:00", "2024-02-01 00:00", "2024-02-15 23:00", "2024-03-01 05:00"});
    QVERIFY(QTest::qWaitForWindowExposed(&panel.widget));
    const auto day = [&](const char* date) {
        const ShownSearch::Day shown = ShownSearch::day(panel.calendar, QDate::fromString(date, Qt::ISODate));
        return QString(shown.filled ? "filled" : "empty") + (shown.greyNumber ? " grey" : "");
    };

    panel.widget.setSelectedTime(at("2024-02-10 10:00"));
    QVERIFY(ShownSearch::isShown(panel.calendar, QDate(2024, 1, 31)));
    QVERIFY(ShownSearch::isShown(panel.calendar, QDate(2024, 3, 1)));
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

void tst_CSearchWidget::shownDayAndHour()
{
    CSearchWidget bare;
    QCOMPARE(bare.getSelectedChannels(), 0);
    bare.setSelectedTime(at("2024-02-10 10:00"));

    Panel panel({"2024-02-10 10:00", "2024-02-10 12:00"});
    CMinData one;
    one.SetData(4, 30, 3);
    panel.widget.AppendDatas({{hourOf("2024-02-10 10:00"), one}});
    QVERIFY(panel.widget.IsExistInDatas(hourOf("2024-02-10 10:00")));
    QVERIFY(!panel.widget.IsExistInDatas(hourOf("2024-02-10 11:00")));

    struct Row {
        const char* time;
        const char* hours;
        QStringList grid;
    };
    const Row rows[] = {
        {"2024-02-10 10:05", "..........#.#...........", {"c4:" + QString(30, '.') + "3" + QString(29, '.')}},
        {"2024-02-10 12:59", "..........#.#...........",
            {"c0:" + QString(60, '1'), "c1:" + QString(60, '1'), "c2:" + QString(60, '1')}},
        {"2024-02-10 11:00", "..........#.#...........", {}},
        {"2024-02-11 10:00", "........................", {}},
    };
    for (const Row& row : rows) {
        panel.widget.setSelectedTime(at(row.time));
        QCOMPARE(ShownSearch::hours(panel.timeLine), row.hours);
        QCOMPARE(ShownSearch::grid(panel.timeLine, 16), row.grid);
        const QTime shown = QDateTime::fromSecsSinceEpoch(at(row.time), Qt::UTC).time();
        QCOMPARE(panel.timeLine->getHour(), shown.hour());
        QCOMPARE(panel.timeLine->getMinute(), shown.minute());
    }
}

void tst_CSearchWidget::rangeMarksTheShownHour_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("marks");
    const QString day = "2024-02-10 10:20";
    const QString dayEnd = "2024-02-10 12:40";
    for (bool startSelected : {true, false}) {
        const char* flag = startSelected ? ", start chosen" : ", end chosen";
        QTest::addRow("first hour%s", flag) << day << dayEnd << "2024-02-10 10:00"
                                            << "20-59";
        QTest::addRow("middle hour%s", flag) << day << dayEnd << "2024-02-10 11:30"
                                             << "0-59";
        QTest::addRow("last hour%s", flag) << day << dayEnd << "2024-02-10 12:10"
                                           << "0-39";
    }
    QTest::newRow("hour after") << day << dayEnd << "2024-02-10 13:00"
                                << "";
    QTest::newRow("hour before") << day << dayEnd << "2024-02-10 09:00"
                                 << "";
    QTest::newRow("another date") << day << dayEnd << "2024-02-11 11:00"
                                  << "";
    QTest::newRow("within one hour") << "2024-02-10 10:20"
                                     << "2024-02-10 10:25"
                                     << "2024-02-10 10:00"
                                     << "20-24";
    QTest::newRow("part of a minute") << "2024-02-10 10:20:30"
                                      << "2024-02-10 10:21:01"
                                      << "2024-02-10 10:00"
                                      << "20-21";
    QTest::newRow("end before start") << dayEnd << day << "2024-02-10 11:00"
                                      << "";
    const QString late = "2024-02-10 23:50";
    const QString early = "2024-02-11 00:10";
    QTest::newRow("midnight, before") << late << early << "2024-02-10 23:00"
                                      << "50-59";
    QTest::newRow("midnight, after") << late << early << "2024-02-11 00:00"
                                     << "0-9";
    QTest::newRow("midnight, hour 0 of the first day") << late << early << "2024-02-10 00:00"
                                                       << "";
}

void tst_CSearchWidget::rangeMarksTheShownHour()
{
    QFETCH(QString, start);
    QFETCH(QString, end);
    QFETCH(QString, shown);
    QFETCH(QString, marks);
    Panel panel({"2024-02-10 00:00", "2024-02-10 09:00", "2024-02-10 10:00", "2024-02-10 11:00", "2024-02-10 12:00",
        "2024-02-10 13:00", "2024-02-10 23:00", "2024-02-11 00:00", "2024-02-11 11:00"});
    QVERIFY(QTest::qWaitForWindowExposed(&panel.widget));
    panel.widget.setSelectedTime(at("2024-02-10 10:20"));

    const bool startSelected = QByteArray(QTest::currentDataTag()).contains("start");
    panel.widget.updateSelectedRange(startSelected, 0b101, at(start), at(end));
    panel.widget.setSelectedTime(at(shown));

    QString expected(60, '1');
    if (!marks.isEmpty()) {
        const QStringList bounds = marks.split('-');
        for (int minute = bounds.at(0).toInt(); minute <= bounds.at(1).toInt(); ++minute)
            expected[minute] = 'a';
    }
    QCOMPARE(ShownSearch::minutes(panel.timeLine, 0), expected);
    QCOMPARE(ShownSearch::minutes(panel.timeLine, 1), QString(60, '1'));
    QCOMPARE(ShownSearch::minutes(panel.timeLine, 2), expected);
}

QTEST_MAIN(tst_CSearchWidget)
#include "tst_CSearchWidget.moc"
