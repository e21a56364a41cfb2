#pragma once

#include <QWidget>

// A strip of the search time line with a cursor that follows the mouse: a
// press places it, moving with the button held drags it, a release ends the
// drag.
class CCursorStrip : public QWidget {
public:
    // Places the cursor on the cell under the point, as a mouse press does.
    virtual void UpdatePosition(const QPoint& point) = 0;

protected:
    using QWidget::QWidget;

    // The left edge of the cell under x, for cells of that width from x 1:
    // never left of the first cell nor beyond the widget's last.
    int cellAt(int x, int cellWidth) const;

    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_dragging = false;
};
