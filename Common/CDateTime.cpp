#include "CDateTime.h"

#include <cstdint>

const QString CDateTime::DISPLAY_TIME_FORMAT = QStringLiteral("yyyy-MM-dd  hh:mm:ss");
const QString CDateTime::FILE_TIME_FORMAT = QStringLiteral("yyyyMMdd_hhmmss");

CDateTime::CDateTime(const int& seconds)
{
    setDateTime(seconds);
}

CDateTime::CDateTime(int year, int month, int day, int hour, int minute, int second)
{
    setDateTime(year, month, day, hour, minute, second);
}

void CDateTime::setDateTime(const int& seconds)
{
    m_dateTime = convert_Timet_QDateTime(seconds);
    syncDate();
}

void CDateTime::setDateTime(int year, int month, int day, int hour, int minute, int second)
{
    m_dateTime = QDateTime(QDate(year, month, day), QTime(hour, minute, second));
    syncDate();
}

int CDateTime::getHour() const
{
    return m_dateTime.time().hour();
}

int CDateTime::getMinute() const
{
    return m_dateTime.time().minute();
}

int CDateTime::getSecond() const
{
    return m_dateTime.time().second();
}

bool CDateTime::operator==(const CDateTime& other) const
{
    return m_date == other.m_date && m_dateTime == other.m_dateTime;
}

QDateTime CDateTime::convert_Timet_QDateTime(long seconds)
{
    return QDateTime::fromSecsSinceEpoch(static_cast<std::uint32_t>(seconds), Qt::UTC);
}

qint64 CDateTime::currentWallClock()
{
    const QDateTime local = QDateTime::currentDateTime();
    return QDateTime(local.date(), local.time(), Qt::UTC).toSecsSinceEpoch();
}

void CDateTime::syncDate()
{
    const QDate date = m_dateTime.date();
    m_date.setDate(date.year(), date.month(), date.day());
}
