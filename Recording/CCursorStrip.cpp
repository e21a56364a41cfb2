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
