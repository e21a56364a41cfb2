#include "CDate.h"

#include <tuple>

CDate::CDate(int year, int month, int day)
    : year(year)
    , month(month)
    , day(day)
{
}

void CDate::setDate(int year, int month, int day)
{
    this->year = year;
    this->month = month;
    this->day = day;
}

bool CDate::operator==(const CDate& other) const
{
    return year == other.year && month == other.month && day == other.day;
}

bool CDate::operator<(const CDate& other) const
{
    return std::tie(year, month, day) < std::tie(other.year, other.month, other.day);
}
