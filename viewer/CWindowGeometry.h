#pragma once

#include <QObject>
#include <QPoint>
#include <QSize>

class QMouseEvent;
class QWidget;

// The main window's place and size as the operator gives them. The window
// has no frame of the system's, so a left press on it starts a drag that
// moves it, anywhere but on a disabled control (slider, combo box, spin box,
// line edit, scroll area, tab bar), which hands its press on to the window;
// each press decides anew, so a press whose release went elsewhere leaves no
// drag running. A full-screen window does not move. A mode whose panels need
// more room than the window has grows it; the window gives that room back as
// soon as a mode fits in the size it had before, unless the operator has
// resized it since. Lives as the window's child and takes the mouse events
// that reach the window itself; GUI thread only; cannot fail.
class CWindowGeometry : public QObject {
    Q_OBJECT

public:
    explicit CWindowGeometry(QWidget& window);

    // After a mode change that found the window at the size before.
    void modeChanged(const QSize& before);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void press(QMouseEvent* event);
    void drag(QMouseEvent* event);
    // A press there drags the window: anywhere but on a disabled control.
    bool isGrip(const QPoint& position) const;

    QWidget& m_window;
    QPoint m_dragOffset;
    bool m_dragging = false;
    // While a mode keeps the window grown: its size before and after.
    QSize m_sizeBeforeGrowth;
    QSize m_grownSize;
};
