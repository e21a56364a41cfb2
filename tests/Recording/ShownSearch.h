#pragma once

#include <QDate>
#include <QImage>
#include <QString>

class QCalendarWidget;
class QWidget;

// What a search panel shows, read from grabs of its widgets as the operator
// sees them.
class ShownSearch {
public:
    // The hour bar's 24 hours: '#' filled, '.' empty, '?' another colour.
    static QString hours(QWidget* timeLine);
    // One channel row of the minute grid, a character per minute: '.' empty,
    // '1' to '3' the kind's colour, 'a' to 'c' that kind marked, '?' another
    // colour.
    static QString minutes(QWidget* timeLine, int channel);
    // A whole hour of the grid as "c<channel>:<row>" for each row that is not
    // empty.
    static QStringList grid(QWidget* timeLine, int channels);

    struct Day {
        bool filled = false; // red
        bool greyNumber = false; // drawn light grey, not black
    };
    // The cell of a date among the days the calendar shows.
    static Day day(QCalendarWidget* calendar, const QDate& date);
    static bool isShown(QCalendarWidget* calendar, const QDate& date);
};
