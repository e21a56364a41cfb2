#include "CDateHour.h"

#include "Common/CDateTime.h"

#include <tuple>

CDateHour::CDateHour(const CDate& date, int hour)
    : date(date)
    , hour(hour)
{
}

CDateHour::CDateHour(int year, int month, int day, int hour)
    : date(year, month, day)
    , hour(hour)
{
}

CDateHour CDateHour::fromTime(std::uint32_t seconds)
{
    const QDateTime time = CDateTime::convert_Timet_QDateTime(static_cast<long>(seconds));
    const QDate day = time.date();
    return CDateHour(day.year(), day.month(), day.day(), time.time().hour());
}

bool CDateHour::operator==(const CDateHour& other) const
{
    return date == other.date && hour == other.hour;
}

bool CDateHour::operator<(const CDateHour& other) const
{
    return std::tie(date.year, date.month, date.day, hour)
        < std::tie(other.date.year, other.date.month, other.date.day, other.hour);
}
