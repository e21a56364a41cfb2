#include "DVRSetup/CWheelNeedsFocus.h"

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QWheelEvent>

CWheelNeedsFocus::CWheelNeedsFocus(QObject* parent)
    : QObject(parent)
{
}

void CWheelNeedsFocus::guard(QWidget& page)
{
    auto* filter = new CWheelNeedsFocus(&page);
    for (QWidget* control : page.findChildren<QWidget*>()) {
        if (qobject_cast<QComboBox*>(control) || qobject_cast<QAbstractSpinBox*>(control)) {
            // Taking focus from the wheel, the control would take it from
            // the very turn that is to scroll past it.
            control->setFocusPolicy(Qt::StrongFocus);
            control->installEventFilter(filter);
        }
    }
}

bool CWheelNeedsFocus::eventFilter(QObject* watched, QEvent* event)
{
    auto* control = static_cast<QWidget*>(watched);
    if (event->type() != QEvent::Wheel || control->hasFocus())
        return QObject::eventFilter(watched, event);
    // The turn goes to the scroll area that holds the page: the toolkit
    // hands a turn on to the parents only when it comes from the wheel
    // itself, not when a program sends it.
    const auto* wheel = static_cast<QWheelEvent*>(event);
    for (QWidget* above = control->parentWidget(); above; above = above->parentWidget()) {
        if (auto* area = qobject_cast<QAbstractScrollArea*>(above)) {
            QWidget* viewport = area->viewport();
            QWheelEvent scroll(control->mapTo(viewport, wheel->position()), wheel->globalPosition(),
                wheel->pixelDelta(), wheel->angleDelta(), wheel->buttons(), wheel->modifiers(), wheel->phase(),
                wheel->inverted(), wheel->source(), wheel->pointingDevice());
            QCoreApplication::sendEvent(viewport, &scroll);
            break;
        }
    }
    return true;
}
