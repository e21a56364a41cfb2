#pragma once

#include "Common/CDateHour.h"
#include "Common/CMinData.h"

#include <QWidget>
#include <ctime>
#include <map>
#include <set>

class CCalendarWidget;
class CTimeLine;
class QScrollArea;

// The search panel of the playback and backup panels: a month calendar whose
// recorded days are marked, beside the time line of the selected day and
// hour. It holds what the search replies reported (the hours that hold
// recordings, and per hour the kind of every channel's minutes), keeps the
// selected time to the minute, and tells its owner when the operator moves
// the selection or chooses a time. It asks nothing itself: the owner reads
// the DVR or the local minute databases and hands the results in.
//
// Times are seconds since 1970 that carry the DVR's wall-clock time; they
// are shown and built in UTC, so the DVR's clock reading is shown unchanged.
class CSearchWidget : public QWidget {
    Q_OBJECT

public:
    using HourSet = std::set<CDateHour, CDateHourCompareLess>;
    using MinuteData = std::map<CDateHour, CMinData>;

    explicit CSearchWidget(QWidget* parent = nullptr);

    // A new time line with a row per channel, replacing the previous one.
    void setDVRChannels(int channels);
    // Replaces the hours that hold recordings and marks their days.
    void SetDateHour(const HourSet& hours);
    // Adds minute data; an hour already held is replaced.
    void AppendDatas(const MinuteData& data);
    bool IsExistInDatas(const CDateHour& hour) const;

    // Selects the minute of t and shows it, without changedTime(): the
    // operator did not move anything.
    void setSelectedTime(std::time_t t);
    // Shows the day and hour of t without changing the selected time.
    void updateTime(std::time_t t);
    std::time_t getSelectedDateTime() const { return m_selectedTime; }
    // The channels checked on the time line; 0 before the first time line.
    int getSelectedChannels() const;

    // Forgets the search results (and the range); the selected time stays.
    void clear();

    // Marks the range [start, end) on the channels of the mask, wherever it
    // meets the shown date and hour; it stays marked as other hours are
    // shown. Which end the operator is choosing does not change the marks.
    void updateSelectedRange(bool startSelected, int channels, std::time_t start, std::time_t end);

signals:
    // The operator chose a time (double click on a recorded minute).
    void selectedTime(std::time_t time, int channels);
    // The operator moved the selection to another minute.
    void changedTime();
    // The operator clicked a channel button of the time line.
    void updateSelected();

private slots:
    void OnSelectedTime();
    void OnChangedTime();

private:
    // The calendar's date at the time line's hour and minute.
    std::time_t timeLineTime() const;
    void showRange();

    CCalendarWidget* m_calendar;
    CTimeLine* m_timeLine = nullptr;
    QScrollArea* m_scrollArea;
    std::time_t m_selectedTime;
    HourSet m_hours;
    MinuteData m_minutes;
    std::time_t m_shownHour = 0; // the start of the hour the time line shows
    bool m_hasRange = false;
    int m_rangeChannels = 0;
    std::time_t m_rangeStart = 0;
    std::time_t m_rangeEnd = 0;
};
