#include "Recording/CSearchWidget.h"

#include "Common/CDateTime.h"
#include "Common/CHourData.h"
#include "Recording/CCalendarWidget.h"
#include "Recording/CTimeLine.h"

#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>

namespace {
const int GAP = 5; // between the calendar and the time line
const std::time_t MINUTE = 60;
const std::time_t HOUR = 3600;

QDateTime shownAs(std::time_t t)
{
    return CDateTime::convert_Timet_QDateTime(static_cast<long>(t));
}
} // namespace

CSearchWidget::CSearchWidget(QWidget* parent)
    : QWidget(parent)
    , m_calendar(new CCalendarWidget(this))
    , m_scrollArea(new QScrollArea(this))
    , m_selectedTime(CDateTime::currentWallClock())
{
    m_calendar->move(0, 0);
    m_scrollArea->setObjectName(QStringLiteral("TimeLineCtrl"));
    m_scrollArea->move(m_calendar->width() + GAP, 0);
    m_scrollArea->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    connect(m_calendar, &QCalendarWidget::selectionChanged, this, &CSearchWidget::OnChangedTime);
}

void CSearchWidget::setDVRChannels(int channels)
{
    m_timeLine = new CTimeLine(channels, this);
    connect(m_timeLine, &CTimeLine::timeChanged, this, &CSearchWidget::OnChangedTime);
    connect(m_timeLine, &CTimeLine::timeSelected, this, &CSearchWidget::OnSelectedTime);
    connect(m_timeLine, &CTimeLine::channelsChanged, this, &CSearchWidget::updateSelected);
    const int scrollBar = m_scrollArea->verticalScrollBar()->sizeHint().width();
    m_scrollArea->setFixedSize(m_timeLine->width() + GAP + scrollBar, m_calendar->height());
    // The scroll area deletes the time line it held.
    m_scrollArea->setWidget(m_timeLine);
    setFixedSize(m_calendar->width() + m_scrollArea->width() + GAP, m_calendar->height());
}

void CSearchWidget::SetDateHour(const HourSet& hours)
{
    m_hours = hours;
    // The set is ordered by date: each day once.
    const CDate* previous = nullptr;
    for (const CDateHour& hour : m_hours) {
        if (!previous || *previous != hour.date)
            m_calendar->addRecoredDate(QDate(hour.date.year, hour.date.month, hour.date.day));
        previous = &hour.date;
    }
}

void CSearchWidget::AppendDatas(const MinuteData& data)
{
    for (const auto& [hour, minutes] : data)
        m_minutes[hour] = minutes;
}

bool CSearchWidget::IsExistInDatas(const CDateHour& hour) const
{
    return m_minutes.count(hour) != 0;
}

void CSearchWidget::setSelectedTime(std::time_t t)
{
    m_selectedTime = t / MINUTE * MINUTE;
    {
        // The calendar's move is ours, not the operator's: it must not take
        // the time line's old hour and minute to the new date.
        const QSignalBlocker blocker(m_calendar);
        m_calendar->setSelectedDate(shownAs(m_selectedTime).date());
    }
    updateTime(m_selectedTime);
}

void CSearchWidget::updateTime(std::time_t t)
{
    if (!m_timeLine)
        return;
    const QDateTime shown = shownAs(t);
    const QDate day = shown.date();
    const CDateHour dayStart(day.year(), day.month(), day.day(), 0);
    const QDate next = day.addDays(1);
    const CDateHour nextDayStart(next.year(), next.month(), next.day(), 0);
    const auto first = m_hours.lower_bound(dayStart);
    const auto end = m_hours.lower_bound(nextDayStart);
    if (first == end) {
        m_timeLine->ClearHourData();
        m_timeLine->ClearMinData();
    } else {
        CHourData hours;
        for (auto hour = first; hour != end; ++hour)
            hours[hour->hour] = 1;
        m_timeLine->SetHourData(hours);
        const auto minutes = m_minutes.find(CDateHour(dayStart.date, shown.time().hour()));
        if (minutes != m_minutes.end())
            m_timeLine->SetMinData(minutes->second);
        else
            m_timeLine->ClearMinData();
    }
    m_timeLine->setSelectedTime(shown.time().hour(), shown.time().minute());
    m_shownHour = QDateTime(day, QTime(shown.time().hour(), 0), Qt::UTC).toSecsSinceEpoch();
    showRange();
}

int CSearchWidget::getSelectedChannels() const
{
    return m_timeLine ? m_timeLine->getSelectedChannels() : 0;
}

void CSearchWidget::clear()
{
    if (m_timeLine)
        m_timeLine->clear();
    m_calendar->clear();
    m_hours.clear();
    m_minutes.clear();
    m_hasRange = false;
    showRange();
}

void CSearchWidget::updateSelectedRange(bool, int channels, std::time_t start, std::time_t end)
{
    m_hasRange = true;
    m_rangeChannels = channels;
    m_rangeStart = start;
    m_rangeEnd = end;
    showRange();
}

void CSearchWidget::showRange()
{
    if (!m_timeLine)
        return;
    // The minutes of the shown hour that the range [start, end) touches.
    const std::time_t from = qMax(m_rangeStart, m_shownHour);
    const std::time_t to = qMin(m_rangeEnd, m_shownHour + HOUR);
    if (!m_hasRange || to <= from) {
        m_timeLine->updateSelectedRange(0, 0, 0);
        return;
    }
    const int first = int((from - m_shownHour) / MINUTE);
    const int end = int((to - m_shownHour + MINUTE - 1) / MINUTE);
    m_timeLine->updateSelectedRange(m_rangeChannels, first, end);
}

std::time_t CSearchWidget::timeLineTime() const
{
    return QDateTime(m_calendar->selectedDate(), QTime(m_timeLine->getHour(), m_timeLine->getMinute()), Qt::UTC)
        .toSecsSinceEpoch();
}

void CSearchWidget::OnChangedTime()
{
    if (!m_timeLine)
        return;
    const std::time_t t = timeLineTime();
    if (t / MINUTE == m_selectedTime / MINUTE)
        return;
    m_selectedTime = t;
    updateTime(t);
    emit changedTime();
}

void CSearchWidget::OnSelectedTime()
{
    if (!m_timeLine)
        return;
    m_selectedTime = timeLineTime();
    emit selectedTime(m_selectedTime, m_timeLine->getSelectedChannels());
}
