#pragma once

#include <QTableWidget>

// The record page's week grid. Its current cell moves when the operator
// clicks a cell or presses a key, and also when the toolkit gives the grid
// keyboard focus (it then makes a cell current by itself). Only the
// operator's moves paint, so the grid tells them apart.
class CScheduleGrid : public QTableWidget {
    Q_OBJECT

public:
    using QTableWidget::QTableWidget;

    // True while a mouse press or move or a key press of the operator is
    // being handled.
    bool operatorMoving() const { return m_operatorMoving; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool m_operatorMoving = false;
};
