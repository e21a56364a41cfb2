#include "Recording/CTimeLine.h"

#include "Common/TimeLineSize.h"
#include "Recording/CHour.h"
#include "Recording/CMinute.h"

#include <QEvent>
#include <QPushButton>
#include <QSignalBlocker>

namespace {
const int BUTTON_WIDTH = 50;
const int BUTTON_HEIGHT = 15;
const int GAP = 5; // between the hour bar and the minute grid

int rowsFor(int channels)
{
    return channels >= 1 && channels <= MAX_DVR_CHANNEL ? channels : MAX_DVR_CHANNEL;
}
} // namespace

CTimeLine::CTimeLine(int channels, QWidget* parent)
    : QWidget(parent)
    , m_hourBar(new CHour(this))
    , m_minuteGrid(new CMinute(rowsFor(channels), this))
{
    connect(m_hourBar, &CHour::changedHour, this, &CTimeLine::OnChangedTime);
    connect(m_minuteGrid, &CMinute::changedTime, this, &CTimeLine::OnChangedTime);
    connect(m_minuteGrid, &CMinute::doubleclick, this, &CTimeLine::OnSelectedTime);

    const int width = qMax(m_hourBar->width(), m_minuteGrid->width()) + BUTTON_WIDTH;
    const int gridTop = m_hourBar->height() + GAP;
    resize(width, gridTop + m_minuteGrid->height());
    m_hourBar->move(BUTTON_WIDTH, 0);
    m_minuteGrid->move(width - m_minuteGrid->width(), gridTop);
    createChButtons(m_minuteGrid->channelCount());
    languageChange();

    setFixedSize(size());
    setObjectName(QStringLiteral("TimeLine"));
}

QPushButton* CTimeLine::createButton(int top)
{
    auto* button = new QPushButton(this);
    button->setGeometry(0, top, BUTTON_WIDTH, BUTTON_HEIGHT);
    QFont font = button->font();
    font.setPixelSize(9);
    font.setBold(true);
    button->setFont(font);
    button->setCheckable(true);
    button->setChecked(true);
    button->setProperty("border", QStringLiteral("thick"));
    return button;
}

void CTimeLine::createChButtons(int channels)
{
    const int gridTop = m_hourBar->height() + GAP;
    m_allButton = createButton(gridTop);
    connect(m_allButton, &QPushButton::clicked, this, &CTimeLine::OnAllBnClicked);
    // Each channel button faces its row of the grid.
    for (int channel = 0; channel < channels; ++channel) {
        QPushButton* button = createButton(gridTop + BUTTON_HEIGHT * (channel + 1));
        connect(button, &QPushButton::clicked, this, &CTimeLine::OnChBnClicked);
        m_channelButtons.append(button);
    }
}

void CTimeLine::languageChange()
{
    m_allButton->setText(tr("ALL"));
    for (int channel = 0; channel < m_channelButtons.size(); ++channel)
        m_channelButtons.at(channel)->setText(tr("CH-%1").arg(channel + 1));
}

void CTimeLine::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        languageChange();
    QWidget::changeEvent(event);
}

void CTimeLine::clear()
{
    ClearHourData();
    ClearMinData();
}

void CTimeLine::ClearHourData()
{
    m_hourBar->clear();
}

void CTimeLine::ClearMinData()
{
    m_minuteGrid->clear();
}

void CTimeLine::SetHourData(const CHourData& data)
{
    m_hourBar->SetData(data);
}

void CTimeLine::SetMinData(const CMinData& data)
{
    m_minuteGrid->SetData(data);
}

void CTimeLine::setSelectedTime(int hour, int minute)
{
    const QSignalBlocker hourBlocker(m_hourBar);
    const QSignalBlocker minuteBlocker(m_minuteGrid);
    m_hourBar->setPos(hour);
    m_minuteGrid->setPos(minute);
    m_hour = m_hourBar->getPos();
    m_minute = m_minuteGrid->getPos();
}

int CTimeLine::getSelectedChannels() const
{
    int channels = 0;
    for (int channel = 0; channel < m_channelButtons.size(); ++channel) {
        if (m_channelButtons.at(channel)->isChecked())
            channels |= 1 << channel;
    }
    return channels;
}

void CTimeLine::updateSelectedRange(int channels, int firstMinute, int endMinute)
{
    m_minuteGrid->updateSelectedRange(channels, firstMinute, endMinute);
}

void CTimeLine::OnChangedTime()
{
    const int hour = m_hourBar->getPos();
    const int minute = m_minuteGrid->getPos();
    if (hour == m_hour && minute == m_minute)
        return;
    m_hour = hour;
    m_minute = minute;
    emit timeChanged();
}

void CTimeLine::OnSelectedTime()
{
    m_hour = m_hourBar->getPos();
    m_minute = m_minuteGrid->getPos();
    emit timeSelected();
}

void CTimeLine::OnAllBnClicked()
{
    for (QPushButton* button : std::as_const(m_channelButtons))
        button->setChecked(m_allButton->isChecked());
    emit channelsChanged();
}

void CTimeLine::OnChBnClicked()
{
    bool all = true;
    for (const QPushButton* button : std::as_const(m_channelButtons))
        all = all && button->isChecked();
    m_allButton->setChecked(all);
    emit channelsChanged();
}
