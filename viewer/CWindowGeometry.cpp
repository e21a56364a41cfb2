#include "CWindowGeometry.h"

#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLayout>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTabBar>
#include <QWidget>

namespace {

// The widgets other than buttons that the operator works with the mouse.
// Disabled, they pass a press on to their parents and so to the window,
// which must not take it for a grip (a disabled button keeps its presses);
// labels and frames pass it on enabled or not.
bool isControl(const QWidget* widget)
{
    return qobject_cast<const QAbstractSlider*>(widget) || qobject_cast<const QComboBox*>(widget)
        || qobject_cast<const QAbstractSpinBox*>(widget) || qobject_cast<const QLineEdit*>(widget)
        || qobject_cast<const QAbstractScrollArea*>(widget) || qobject_cast<const QTabBar*>(widget);
}

} // namespace

CWindowGeometry::CWindowGeometry(QWidget& window)
    : QObject(&window)
    , m_window(window)
{
    window.installEventFilter(this);
}

void CWindowGeometry::modeChanged(const QSize& before)
{
    // A size the operator gave the window since it grew is the one to keep.
    if (before != m_grownSize)
        m_grownSize = QSize();
    // The new mode's smallest size, and the growth it forces, now.
    m_window.layout()->activate();
    if (!m_grownSize.isValid()) {
        if (m_window.size() == before)
            return;
        m_sizeBeforeGrowth = before;
    } else {
        m_window.resize(m_sizeBeforeGrowth);
    }
    m_grownSize = m_window.size() == m_sizeBeforeGrowth ? QSize() : m_window.size();
}

bool CWindowGeometry::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    // A widget takes a double click as a press unless it says otherwise.
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        press(static_cast<QMouseEvent*>(event));
        return true;
    case QEvent::MouseMove:
        drag(static_cast<QMouseEvent*>(event));
        return true;
    case QEvent::MouseButtonRelease:
        m_dragging = false;
        return true;
    default:
        return QObject::eventFilter(watched, event);
    }
}

void CWindowGeometry::press(QMouseEvent* event)
{
    // Each press decides anew: the release of an earlier one may never have
    // come here (a double click on the wall changes the layout under the
    // pointer), and its drag must not go on.
    m_dragging = event->button() == Qt::LeftButton && isGrip(event->position().toPoint());
    if (m_dragging)
        m_dragOffset = event->globalPosition().toPoint() - m_window.frameGeometry().topLeft();
    event->accept();
}

void CWindowGeometry::drag(QMouseEvent* event)
{
    if (m_dragging && !m_window.isFullScreen() && (event->buttons() & Qt::LeftButton))
        m_window.move(event->globalPosition().toPoint() - m_dragOffset);
    event->accept();
}

bool CWindowGeometry::isGrip(const QPoint& position) const
{
    for (const QWidget* widget = m_window.childAt(position); widget && widget != &m_window;
         widget = widget->parentWidget()) {
        if (isControl(widget))
            return widget->isEnabled();
    }
    return true;
}
