#include "ShownSearch.h"

#include "Recording/CSearchWidget.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QApplication>
#include <QCalendarWidget>
#include <QImage>
#include <QTableView>
#include <QTest>

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

char classify(QRgb pixel, char filled, char marked)
{
    if (near(pixel, qRgb(255, 255, 255)))
        return '.';
    for (int kind = 0; kind < 3; ++kind) {
        if (near(pixel, overWhite(KINDS[kind], 100)))
            return char(filled + kind);
        if (near(pixel, overWhite(KINDS[kind], 200)))
            return char(marked + kind);
    }
    return '?';
}

QImage grabOf(QWidget* timeLine, const char* part)
{
    return timeLine->findChild<QWidget*>(QLatin1String(part))->grab().toImage();
}

// The cell's rectangle in the calendar; days of the neighbouring months lead
// the first row and end the last ones.
QRect cellOf(QCalendarWidget* calendar, const QDate& date)
{
    auto* view = calendar->findChild<QTableView*>(QStringLiteral("qt_calendar_calendarview"));
    const QDate first(calendar->yearShown(), calendar->monthShown(), 1);
    const QAbstractItemModel* model = view->model();
    for (int row = 1; row < model->rowCount(); ++row) {
        for (int column = 0; column < model->columnCount(); ++column) {
            const QModelIndex index = model->index(row, column);
            const int day = model->data(index).toInt();
            const QDate month = first.addMonths(row == 1 && day > 7 ? -1 : row >= 4 && day < 15 ? 1 : 0);
            if (QDate(month.year(), month.month(), day) == date)
                return view->visualRect(index).translated(view->viewport()->mapTo(calendar, QPoint(0, 0)));
        }
    }
    return QRect();
}

} // namespace

std::time_t ShownSearch::at(const QString& text)
{
    QDateTime time = QDateTime::fromString(text, text.size() > 16 ? "yyyy-MM-dd hh:mm:ss" : "yyyy-MM-dd hh:mm");
    time.setTimeSpec(Qt::UTC);
    return time.toSecsSinceEpoch();
}

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

QStringList ShownSearch::grid(QWidget* timeLine)
{
    const QImage grid = grabOf(timeLine, "TimeLine_Minute");
    QStringList rows;
    for (int channel = 0; 16 + 15 * channel < grid.height(); ++channel) {
        QString row;
        // One pixel inside the cell's left edge, clear of the cursor.
        for (int minute = 0; minute < 60; ++minute)
            row += classify(grid.pixel(1 + 35 * (minute / 5) + 7 * (minute % 5) + 1, 16 + 15 * channel + 7), '1', 'a');
        if (row != QString(60, '.'))
            rows << QStringLiteral("c%1:%2").arg(channel).arg(row);
    }
    return rows;
}

void ShownSearch::moveTo(CSearchWidget* panel, std::time_t t)
{
    // A move may make the panel ask its DVR; its modal wait dialog takes
    // the input until the reply.
    const auto replied = [] { return QTest::qWaitFor([] { return !QApplication::activeModalWidget(); }, 5000); };
    const QDateTime time = QDateTime::fromSecsSinceEpoch(t, Qt::UTC);
    panel->findChild<QCalendarWidget*>()->setSelectedDate(time.date());
    replied();
    QTest::mouseClick(
        panel->findChild<QWidget*>("TimeLine_Hour"), Qt::LeftButton, {}, QPoint(18 * time.time().hour() + 5, 20));
    replied();
    QTest::mouseClick(
        panel->findChild<QWidget*>("TimeLine_Minute"), Qt::LeftButton, {}, QPoint(7 * time.time().minute() + 3, 30));
}

void ShownSearch::chooseBackupRange(QWidget* backupPanel, std::time_t start, std::time_t end)
{
    auto* search = backupPanel->findChild<CSearchWidget*>();
    QTest::mouseClick(backupPanel->findChild<QAbstractButton*>("BackupTime1"), Qt::LeftButton);
    moveTo(search, start);
    QTest::mouseClick(backupPanel->findChild<QAbstractButton*>("BackupTime2"), Qt::LeftButton);
    moveTo(search, end);
}

QString ShownSearch::day(QCalendarWidget* calendar, const QDate& date)
{
    const QRect cell = cellOf(calendar, date);
    if (cell.isNull())
        return QStringLiteral("not shown");
    const QImage image = calendar->grab(cell).toImage();
    // The number, inside the selection's outline.
    int darkest = 255;
    for (int y = 4; y < image.height() - 4; ++y) {
        for (int x = 4; x < image.width() - 4; ++x)
            darkest = qMin(darkest, qGray(image.pixel(x, y)));
    }
    return QString(near(image.pixel(5, 5), overWhite(KINDS[0], 100)) ? "filled" : "empty")
        + (darkest > 100 ? " grey" : "");
}
