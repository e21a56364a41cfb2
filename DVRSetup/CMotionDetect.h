#pragma once

#include <QByteArray>
#include <QWidget>

// The motion zone grid laid over a channel's live picture: one cell per
// byte of the zone (1 detects, 0 not), row after row. The operator drags a
// block of cells (press, move, release) and sets or clears it, or toggles
// the cell of a double click. Cells set are tinted yellow; nothing else is
// drawn under the grid's lines, so the picture shows through.
class CMotionDetect : public QWidget {
    Q_OBJECT

public:
    explicit CMotionDetect(QWidget* parent = nullptr);

    // cols cells across; as many rows as whole rows the zone holds. Cell
    // sizes follow the widget's size at this call; the pixels the division
    // leaves over belong to the last column and row. The first argument
    // (the row count) is not used.
    void setMotionZone(int rows, int cols, const QByteArray& zone);
    QByteArray getMotionZone() const { return m_zone; }
    // Sets every cell of the dragged block (both corners included) to value.
    void updateMotionZone(bool value);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    struct Cell {
        int row = 0;
        int column = 0;
    };
    // The cell under a point, held to the grid.
    Cell cellAt(const QPoint& point) const;

    int m_cols = 0;
    int m_rows = 0;
    int m_cellWidth = 1;
    int m_cellHeight = 1;
    Cell m_anchor;
    Cell m_current;
    QByteArray m_zone;
    bool m_dragging = false;
};
