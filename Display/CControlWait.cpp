#include "CControlWait.h"

#include "Display/CWaitWidget.h"

void CControlWait::show(QWidget* widget)
{
    hide();
    if (!widget)
        return;
    m_waitWidget = new CWaitWidget(widget);
    m_waitWidget->move(
        (widget->width() - 1) / 2 - m_waitWidget->width() / 2, (widget->height() - 1) / 2 - m_waitWidget->height() / 2);
    m_waitWidget->show();
}

void CControlWait::hide()
{
    if (!m_waitWidget)
        return;
    m_waitWidget->hide();
    delete m_waitWidget.data();
    m_waitWidget = nullptr;
}
