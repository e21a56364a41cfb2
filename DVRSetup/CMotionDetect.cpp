#include "CMotionDetect.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace {

const QColor SET_CELL(255, 255, 0, 100);
const QColor BLOCK_OUTLINE(255, 255, 0, 255);

} // namespace

CMotionDetect::CMotionDetect(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_TranslucentBackground);
}

void CMotionDetect::setMotionZone(int, int cols, const QByteArray& zone)
{
    m_zone = zone;
    m_cols = std::max(cols, 0);
    m_rows = m_cols > 0 ? static_cast<int>(zone.size() / m_cols) : 0;
    m_cellWidth = m_cols > 0 ? std::max(width() / m_cols, 1) : 1;
    m_cellHeight = m_rows > 0 ? std::max(height() / m_rows, 1) : 1;
    m_anchor = Cell();
    m_current = Cell();
    m_dragging = false;
    update();
}

void CMotionDetect::updateMotionZone(bool value)
{
    if (m_rows == 0)
        return;
    const auto [top, bottom] = std::minmax(m_anchor.row, m_current.row);
    const auto [left, right] = std::minmax(m_anchor.column, m_current.column);
    for (int row = top; row <= bottom; ++row) {
        for (int column = left; column <= right; ++column)
            m_zone[row * m_cols + column] = value ? 1 : 0;
    }
    update();
}

CMotionDetect::Cell CMotionDetect::cellAt(const QPoint& point) const
{
    return {std::clamp(point.y() / m_cellHeight, 0, std::max(m_rows - 1, 0)),
        std::clamp(point.x() / m_cellWidth, 0, std::max(m_cols - 1, 0))};
}

void CMotionDetect::mousePressEvent(QMouseEvent* event)
{
    m_dragging = true;
    m_anchor = cellAt(event->position().toPoint());
    m_current = m_anchor;
    update();
}

void CMotionDetect::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_dragging)
        return;
    m_current = cellAt(event->position().toPoint());
    update();
}

void CMotionDetect::mouseReleaseEvent(QMouseEvent*)
{
    m_dragging = false;
}

void CMotionDetect::mouseDoubleClickEvent(QMouseEvent*)
{
    if (m_rows == 0)
        return;
    char& cell = m_zone[m_anchor.row * m_cols + m_anchor.column];
    cell = cell != 0 ? 0 : 1;
    update();
}

void CMotionDetect::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    for (int row = 0; row < m_rows; ++row) {
        for (int column = 0; column < m_cols; ++column) {
            if (m_zone.at(row * m_cols + column) != 0)
                painter.fillRect(column * m_cellWidth, row * m_cellHeight, m_cellWidth, m_cellHeight, SET_CELL);
        }
    }
    painter.setPen(Qt::white);
    for (int row = 0; row <= m_rows; ++row)
        painter.drawLine(0, row * m_cellHeight, width(), row * m_cellHeight);
    for (int column = 0; column <= m_cols; ++column)
        painter.drawLine(column * m_cellWidth, 0, column * m_cellWidth, height());
    if (m_rows == 0)
        return;
    const auto [top, bottom] = std::minmax(m_anchor.row, m_current.row);
    const auto [left, right] = std::minmax(m_anchor.column, m_current.column);
    const int x0 = left * m_cellWidth + 1;
    const int y0 = top * m_cellHeight + 1;
    const int x1 = (right + 1) * m_cellWidth - 2;
    const int y1 = (bottom + 1) * m_cellHeight - 2;
    painter.setPen(BLOCK_OUTLINE);
    painter.drawRect(x0, y0, x1 - x0, y1 - y0);
}
