#include "CWaitWidget.h"

#include <QPainter>
#include <QTimer>

CWaitWidget::CWaitWidget(QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint)
    , m_timer(new QTimer(this))
{
    setFixedSize(50, 50);
    setAttribute(Qt::WA_NoSystemBackground);
    connect(m_timer, &QTimer::timeout, this, &CWaitWidget::updateValue);
}

bool CWaitWidget::isAnimating() const
{
    return m_timer->isActive();
}

void CWaitWidget::updateValue()
{
    m_step = m_step < 11 ? m_step + 1 : 0;
    update();
}

void CWaitWidget::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (isVisible())
        m_timer->start(70);
    else
        m_timer->stop();
}

void CWaitWidget::paintEvent(QPaintEvent*)
{
    if (!m_timer->isActive())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate((width() - 1) / 2, (height() - 1) / 2);
    painter.setPen(Qt::NoPen);
    QColor color = m_color;
    for (int i = 0; i < 12; ++i) {
        color.setAlpha(i == m_step ? 180 : 80);
        painter.setBrush(color);
        painter.rotate(30);
        painter.drawRoundedRect(5, 7, 5, 15, 5, 5, Qt::AbsoluteSize);
    }
}
