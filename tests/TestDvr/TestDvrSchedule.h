#pragma once

#include "Common/CDateHour.h"

#include <QList>
#include <array>
#include <set>

// What a test DVR has recorded: time spans of DVR time, each with the
// channels that recorded and each channel's record kind (1 to 3). Search
// replies describe it; playback streams can follow it.
class TestDvrSchedule {
public:
    struct Span {
        quint32 start = 0;
        quint32 end = 0; // exclusive
        quint16 channels = 0;
        std::array<quint8, 16> kinds = {};
    };

    // Channels of the mask recorded from start to end (exclusive); kinds
    // gives channel 0's kind first, missing kinds are 1.
    TestDvrSchedule& add(quint32 start, quint32 end, quint16 channels, const QList<quint8>& kinds = {});

    const QList<Span>& spans() const { return m_spans; }
    QList<Span> overlapping(quint32 from, quint32 to) const;
    // Every hour (DVR time, read as UTC) that a span reaches into.
    std::set<CDateHour, CDateHourCompareLess> hours() const;
    // The channel's kind in the minute that begins at minuteStart, as a
    // search shows it: that of the last span reaching into the minute; 0
    // when none does.
    quint8 kindInMinute(int channel, quint32 minuteStart) const;

private:
    QList<Span> m_spans;
};
