#include "ShownSearch.h"

#include <QAbstractItemModel>
#include <QCalendarWidget>
#include <QTableView>
#include <QWidget>

namespace {

// A colour at the given alpha over the white cells of the pictures.
QRgb overWhite(QColor colour, int alpha)
{
    const auto blend = [alpha](int c) { return (c * alpha + 255 * (255 - alpha) + 127) / 255; };
    return qRgb(blend(colour.red()), blend(colour.green()), blend(colour.blue()));
}

bool near(QRgb a, QRgb b)
{
    return qAbs(qRed(a) - qRed(b)) <= 3 && qAbs(qGreen(a) - qGreen(b)) <= 3 && qAbs(qBlue(a) - qBlue(b)) <= 3;
}

const QColor KINDS[] = {QColor(255, 0, 0), QColor(0, 255, 0), QColor(255, 130, 0)};

QImage grabOf(QWidget* timeLine, const char* part)
{
    return timeLine->findChild<QWidget*>(QLatin1String(part))->grab().toImage();
}

// Cells sampled one pixel inside their left edge, clear of the cursors.
char minuteAt(const QImage& grid, int channel, int minute)
{
    const QRgb pixel = grid.pixel(1 + 35 * (minute / 5) + 7 * (minute % 5) + 1, 16 + 15 * channel + 7);
    if (near(pixel, qRgb(255, 255, 255)))
        return '.';
    for (int kind = 0; kind < 3; ++kind) {
        if (near(pixel, overWhite(KINDS[kind], 100)))
            return char('1' + kind);
        if (near(pixel, overWhite(KINDS[kind], 200)))
            return char('a' + kind);
    }
    return '?';
}

struct Cell {
    QRect rect;
    QDate date;
};

Cell cellOf(QCalendarWidget* calendar, const QDate& date)
{
    auto* view = calendar->findChild<QTableView*>(QStringLiteral("qt_calendar_calendarview"));
    const QDate first(calendar->yearShown(), calendar->monthShown(), 1);
    const QAbstractItemModel* model = view->model();
    for (int row = 1; row < model->rowCount(); ++row) {
        for (int column = 0; column < model->columnCount(); ++column) {
            const QModelIndex index = model->index(row, column);
            const int number = model->data(index).toInt();
            // Days of the neighbouring months lead the first row and end the last ones.
            const QDate month = row == 1 && number > 7 ? first.addMonths(-1)
                : row >= 4 && number < 15              ? first.addMonths(1)
                                                       : first;
            if (QDate(month.year(), month.month(), number) == date) {
                const QRect rect = view->visualRect(index);
                return {rect.translated(view->viewport()->mapTo(calendar, QPoint(0, 0))), date};
            }
        }
    }
    return {};
}

} // namespace

QString ShownSearch::hours(QWidget* timeLine)
{
    const QImage bar = grabOf(timeLine, "TimeLine_Hour");
    QString shown;
    for (int hour = 0; hour < 24; ++hour) {
        const QRgb pixel = bar.pixel(1 + 18 * hour + 8, 23);
        shown += near(pixel, qRgb(255, 255, 255)) ? '.' : near(pixel, overWhite(KINDS[0], 100)) ? '#' : '?';
    }
    return shown;
}

QString ShownSearch::minutes(QWidget* timeLine, int channel)
{
    const QImage grid = grabOf(timeLine, "TimeLine_Minute");
    QString row;
    for (int minute = 0; minute < 60; ++minute)
        row += minuteAt(grid, channel, minute);
    return row;
}

QStringList ShownSearch::grid(QWidget* timeLine, int channels)
{
    const QImage grid = grabOf(timeLine, "TimeLine_Minute");
    QStringList rows;
    for (int channel = 0; channel < channels; ++channel) {
        QString row;
        for (int minute = 0; minute < 60; ++minute)
            row += minuteAt(grid, channel, minute);
        if (row != QString(60, '.'))
            rows << QStringLiteral("c%1:%2").arg(channel).arg(row);
    }
    return rows;
}

bool ShownSearch::isShown(QCalendarWidget* calendar, const QDate& date)
{
    return cellOf(calendar, date).date.isValid();
}

ShownSearch::Day ShownSearch::day(QCalendarWidget* calendar, const QDate& date)
{
    const Cell cell = cellOf(calendar, date);
    const QImage image = calendar->grab(cell.rect).toImage();
    Day shown;
    shown.filled = near(image.pixel(5, 5), overWhite(KINDS[0], 100));
    // The number, inside the selection's outline.
    int darkest = 255;
    for (int y = 4; y < image.height() - 4; ++y) {
        for (int x = 4; x < image.width() - 4; ++x)
            darkest = qMin(darkest, qGray(image.pixel(x, y)));
    }
    shown.greyNumber = darkest > 100;
    return shown;
}
