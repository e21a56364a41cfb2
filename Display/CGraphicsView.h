#pragma once

#include <QGraphicsView>

class CGLWidget;

// The view that shows the OpenGL wall's scene one to one: scene and view
// coordinates coincide, there is no scrolling, and every redraw repaints the
// whole wall. It shows the status text of a failed tile as its tool tip and
// reports double clicks.
class CGraphicsView : public QGraphicsView {
    Q_OBJECT

public:
    explicit CGraphicsView(QWidget* parent = nullptr);

    // What the view shows now, drawn anew: its OpenGL viewport's window
    // buffers are not read back.
    QImage grabWall();

signals:
    void doubleClicked(QMouseEvent* event);

protected:
    bool event(QEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool paintWall(CGLWidget& viewport);
};
