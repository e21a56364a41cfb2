#include "Recording/CCalendarWidget.h"

#include <QEvent>
#include <QHeaderView>
#include <QPainter>
#include <QTableView>
#include <QTextCharFormat>

namespace {

const int MIN_ROW_HEIGHT = 12;

} // namespace

CCalendarWidget::CCalendarWidget(QWidget* parent)
    : QCalendarWidget(parent)
{
    setFixedSize(200, 170);
    setDateRange(QDate(1900, 1, 1), QDate(3000, 12, 31));
    setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    // Seven columns of this width show one letter of a day's name whole in
    // every language, not the short names.
    setHorizontalHeaderFormat(QCalendarWidget::SingleLetterDayNames);
    // The day names and six weeks share the fixed height, which is less
    // than seven of the view's default rows in most fonts: the last week
    // would be cut.
    if (auto* view = findChild<QTableView*>())
        view->verticalHeader()->setMinimumSectionSize(MIN_ROW_HEIGHT);
    setGridVisible(true);
    QTextCharFormat header = headerTextFormat();
    header.setFontWeight(QFont::Bold);
    setHeaderTextFormat(header);
    connect(this, &QCalendarWidget::currentPageChanged, this, &CCalendarWidget::OnChangedMonth);
}

void CCalendarWidget::changeEvent(QEvent* event)
{
    // The chosen language's locale is the default once the language changed.
    if (event->type() == QEvent::LanguageChange)
        setLocale(QLocale());
    QCalendarWidget::changeEvent(event);
}

void CCalendarWidget::addRecoredDate(const QDate& date)
{
    m_recordedDates.insert(date);
    updateCell(date);
}

void CCalendarWidget::clear()
{
    m_recordedDates.clear();
    updateCells();
}

void CCalendarWidget::paintCell(QPainter* painter, const QRect& rect, QDate date) const
{
    const QDate selected = selectedDate();
    const bool inSelectedMonth = date.year() == selected.year() && date.month() == selected.month();
    painter->save();
    // Over the view's own selection highlight: the outline marks the selection.
    painter->fillRect(rect, palette().color(QPalette::Base));
    if (inSelectedMonth && m_recordedDates.contains(date))
        painter->fillRect(rect, QColor(255, 0, 0, 100));
    if (date == selected) {
        painter->setPen(QPen(Qt::blue, 3, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(rect.adjusted(0, 0, -1, -1));
    }
    painter->setPen(inSelectedMonth ? Qt::black : Qt::lightGray);
    painter->drawText(rect, Qt::AlignCenter, QString::number(date.day()));
    painter->restore();
}

void CCalendarWidget::OnChangedMonth(int year, int month)
{
    const int lastDay = QDate(year, month, 1).daysInMonth();
    const QDate sameDay(year, month, qMin(selectedDate().day(), lastDay));
    if (sameDay != selectedDate())
        setSelectedDate(sameDay);
}
