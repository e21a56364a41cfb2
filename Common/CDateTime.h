#pragma once

#include "Common/CDate.h"

#include <QDateTime>
#include <QString>

// A date-time read from a DVR time: seconds since 1970 of the DVR's own wall
// clock. Every conversion goes through UTC, so the DVR's clock reading is
// shown, filed and searched unchanged whatever the PC's time zone.
class CDateTime {
public:
    // "yyyy-MM-dd  hh:mm:ss" (two blanks): every date-time shown on screen.
    static const QString DISPLAY_TIME_FORMAT;
    // "yyyyMMdd_hhmmss": date-times in file names.
    static const QString FILE_TIME_FORMAT;

    CDateTime() = default;
    explicit CDateTime(const int& seconds);
    // In the toolkit's default (local) time zone.
    CDateTime(int year, int month, int day, int hour, int minute, int second);

    // The seconds are taken as unsigned 32-bit, as DVRs send them.
    void setDateTime(const int& seconds);
    void setDateTime(int year, int month, int day, int hour, int minute, int second);

    const CDate& getDate() const { return m_date; }
    int getHour() const;
    int getMinute() const;
    int getSecond() const;

    bool operator==(const CDateTime& other) const;

    // The one conversion of a DVR time to a date-time, in UTC; the seconds
    // are taken as unsigned 32-bit.
    static QDateTime convert_Timet_QDateTime(long seconds);
    // "Now" in DVR time: the PC's wall clock read as if it were UTC.
    static qint64 currentWallClock();

private:
    void syncDate();

    CDate m_date;
    QDateTime m_dateTime;
};
