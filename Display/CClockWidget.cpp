#include "CClockWidget.h"

#include <QDateTime>
#include <QLabel>
#include <QTimerEvent>
#include <QVBoxLayout>

const QString CClockWidget::DATE_FORMAT = QStringLiteral("yyyy-MM-dd");
const QString CClockWidget::TIME_FORMAT = QStringLiteral("hh:mm:ss");

CClockWidget::CClockWidget(QWidget* parent)
    : QWidget(parent)
{
    createWidgets();
    updateTime();
    m_timer.start(1000, this);
}

CClockWidget::~CClockWidget()
{
    m_timer.stop();
    delete layout();
}

void CClockWidget::createWidgets()
{
    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(0, 10, 0, 10);
    box->setSpacing(10);

    QFont bold = font();
    bold.setWeight(QFont::Bold);

    m_date = new QLabel(this);
    m_time = new QLabel(this);
    for (QLabel* label : {m_date, m_time}) {
        label->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
        label->setFont(bold);
        box->addWidget(label);
    }
}

void CClockWidget::updateTime()
{
    showDateTime(QDateTime::currentDateTime());
    emit timeout();
}

void CClockWidget::showDateTime(const QDateTime& now)
{
    m_date->setText(now.date().toString(DATE_FORMAT));
    m_time->setText(now.time().toString(TIME_FORMAT));
}

QString CClockWidget::dateText() const
{
    return m_date->text();
}

QString CClockWidget::timeText() const
{
    return m_time->text();
}

void CClockWidget::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == m_timer.timerId())
        updateTime();
    else
        QWidget::timerEvent(event);
}
