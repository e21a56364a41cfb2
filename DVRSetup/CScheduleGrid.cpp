#include "CScheduleGrid.h"

#include <QScopedValueRollback>

void CScheduleGrid::mousePressEvent(QMouseEvent* event)
{
    const QScopedValueRollback<bool> moving(m_operatorMoving, true);
    QTableWidget::mousePressEvent(event);
}

void CScheduleGrid::mouseMoveEvent(QMouseEvent* event)
{
    const QScopedValueRollback<bool> moving(m_operatorMoving, true);
    QTableWidget::mouseMoveEvent(event);
}

void CScheduleGrid::keyPressEvent(QKeyEvent* event)
{
    const QScopedValueRollback<bool> moving(m_operatorMoving, true);
    QTableWidget::keyPressEvent(event);
}
