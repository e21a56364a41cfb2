#include "TestDvrSchedule.h"

TestDvrSchedule& TestDvrSchedule::add(quint32 start, quint32 end, quint16 channels, const QList<quint8>& kinds)
{
    Span span;
    span.start = start;
    span.end = end;
    span.channels = channels;
    for (int channel = 0; channel < 16; ++channel)
        span.kinds[channel] = channels >> channel & 1 ? kinds.value(channel, 1) : 0;
    m_spans.append(span);
    return *this;
}

QList<TestDvrSchedule::Span> TestDvrSchedule::overlapping(quint32 from, quint32 to) const
{
    QList<Span> found;
    for (const Span& span : m_spans) {
        if (span.start < to && from < span.end)
            found.append(span);
    }
    return found;
}

std::set<CDateHour, CDateHourCompareLess> TestDvrSchedule::hours() const
{
    std::set<CDateHour, CDateHourCompareLess> hours;
    for (const Span& span : m_spans) {
        for (quint64 hour = span.start / 3600 * 3600; hour < span.end; hour += 3600)
            hours.insert(CDateHour::fromTime(quint32(hour)));
    }
    return hours;
}

quint8 TestDvrSchedule::kindInMinute(int channel, quint32 minuteStart) const
{
    quint8 kind = 0;
    for (const Span& span : overlapping(minuteStart, minuteStart + 60)) {
        if (span.channels >> channel & 1)
            kind = span.kinds[channel];
    }
    return kind;
}
