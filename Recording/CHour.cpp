#include "Recording/CHour.h"

#include "Recording/TimeLineImage.h"

#include <QPainter>

namespace {
const int HOUR_WIDTH = 18; // a cell and its one-pixel line
const int CELL_TOP = 16;
} // namespace

CHour::CHour(QWidget* parent)
    : CCursorStrip(parent)
    , m_image(TimeLineImage::hourBar())
{
    setObjectName(QStringLiteral("TimeLine_Hour"));
    setFixedSize(m_image.size());
}

void CHour::SetData(const CHourData& data)
{
    m_data = data;
    update();
}

void CHour::clear()
{
    m_data = CHourData();
    update();
}

void CHour::setPos(int hour)
{
    m_x = HOUR_WIDTH * qBound(0, hour, HOURS_OF_DAY - 1) + 1;
    update();
}

int CHour::getPos() const
{
    return m_x == 0 ? 0 : (m_x - 1) / HOUR_WIDTH;
}

void CHour::UpdatePosition(const QPoint& point)
{
    m_x = cellAt(point.x(), HOUR_WIDTH);
    emit changedHour();
    update();
}

void CHour::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_image);
    for (int hour = 0; hour < HOURS_OF_DAY; ++hour) {
        if (m_data[hour])
            painter.fillRect(1 + HOUR_WIDTH * hour, CELL_TOP, 17, 15, QColor(255, 0, 0, 100));
    }
    if (m_x >= 1) {
        painter.setPen(QPen(Qt::blue, 3, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(m_x, CELL_TOP, 15, 13);
    }
}
