#pragma once

#include <QCalendarWidget>
#include <QSet>

// The month calendar of the search panel. Days of the shown month that hold
// recordings are filled red; the days of the neighbouring months are grey
// and never marked. Turning the month page keeps the selection on the same
// day of the month shown (the last day when the month is shorter). Month
// and day names follow the program's language, not the system's.
class CCalendarWidget : public QCalendarWidget {
    Q_OBJECT

public:
    explicit CCalendarWidget(QWidget* parent = nullptr);

    void addRecoredDate(const QDate& date);
    void clear();

protected:
    void changeEvent(QEvent* event) override;
    void paintCell(QPainter* painter, const QRect& rect, QDate date) const override;

private slots:
    void OnChangedMonth(int year, int month);

private:
    QSet<QDate> m_recordedDates;
};
