#include "Recording/CCursorStrip.h"

#include <QMouseEvent>

void CCursorStrip::mousePressEvent(QMouseEvent* event)
{
    m_dragging = true;
    UpdatePosition(event->position().toPoint());
}

void CCursorStrip::mouseMoveEvent(QMouseEvent* event)
{
    if (m_dragging)
        UpdatePosition(event->position().toPoint());
}

void CCursorStrip::mouseReleaseEvent(QMouseEvent*)
{
    m_dragging = false;
}

int CCursorStrip::cellAt(int x, int cellWidth) const
{
    return qBound(1, (x - 1) / cellWidth * cellWidth + 1, width() - cellWidth);
}
