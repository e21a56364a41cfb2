#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <ctime>

class CSearchWidget;
class QCalendarWidget;
class QWidget;

// What a search panel shows, read from grabs of its widgets as the operator
// sees them.
class ShownSearch {
public:
    // A DVR time from "yyyy-MM-dd hh:mm[:ss]", read as UTC.
    static std::time_t at(const QString& text);

    // The hour bar's 24 hours: '#' filled, '.' empty, '?' another colour.
    static QString hours(QWidget* timeLine);
    // The minute grid as "c<channel>:<row>" for each row that is not empty,
    // a character per minute: '.' empty, '1' to '3' the kind's colour, 'a'
    // to 'c' that kind marked, '?' another colour.
    static QStringList grid(QWidget* timeLine);

    // Moves the panel's selection to the minute of t as the operator does:
    // the date on the calendar, then the hour and the minute on the time
    // line.
    static void moveTo(CSearchWidget* panel, std::time_t t);
    // Chooses a backup panel's range as the operator does: its start button
    // and the start minute, its end button and the end minute.
    static void chooseBackupRange(QWidget* backupPanel, std::time_t start, std::time_t end);

    // The cell of a date among those the calendar shows: "filled" (red) or
    // "empty", and " grey" when its number is not drawn in black.
    static QString day(QCalendarWidget* calendar, const QDate& date);
};
