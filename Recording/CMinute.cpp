#include "Recording/CMinute.h"

#include "Recording/CMinutePos.h"
#include "Recording/TimeLineImage.h"

#include <QMouseEvent>
#include <QPainter>

namespace {
const int MINUTE_WIDTH = 7;
const int GROUP_WIDTH = 35; // five minutes and a one-pixel line
const int ROW_TOP = 16;
const int ROW_HEIGHT = 15; // a cell and its one-pixel line

QSize gridSize(int channels, const QSize& image)
{
    // Short grids for the common small DVRs; the whole picture otherwise.
    if (channels == 8 || channels == 4)
        return QSize(image.width(), ROW_TOP + ROW_HEIGHT * channels);
    return image;
}

QColor kindColour(int kind, bool marked)
{
    const int alpha = marked ? 200 : 100;
    switch (kind) {
    case 1:
        return QColor(255, 0, 0, alpha);
    case 2:
        return QColor(0, 255, 0, alpha);
    case 3:
        return QColor(255, 130, 0, alpha);
    default:
        return QColor();
    }
}
} // namespace

CMinute::CMinute(int channels, QWidget* parent)
    : CCursorStrip(parent)
    , m_image(TimeLineImage::minuteGrid())
    , m_channels(qBound(0, channels, MAX_DVR_CHANNEL))
    , m_cursor(new CMinutePos(this))
{
    setObjectName(QStringLiteral("TimeLine_Minute"));
    setFixedSize(gridSize(m_channels, m_image.size()));
}

void CMinute::SetData(const CMinData& data)
{
    m_data = data;
    UpdateMinute();
}

void CMinute::UpdateMinute()
{
    for (int channel = 0; channel < m_channels; ++channel) {
        const unsigned char* minutes = m_data.GetData(channel);
        for (int minute = 0; minute < MINS_OF_HOUR; ++minute)
            m_kinds[channel][minute] = minutes[minute];
    }
    update();
}

void CMinute::clear()
{
    SetData(CMinData());
}

void CMinute::setPos(int minute)
{
    UpdatePosition(QPoint(MINUTE_WIDTH * minute + 1, 0));
}

int CMinute::getPos() const
{
    return m_x / MINUTE_WIDTH;
}

void CMinute::updateSelectedRange(int channels, int firstMinute, int endMinute)
{
    m_rangeChannels = channels;
    m_rangeFirst = firstMinute;
    m_rangeEnd = endMinute;
    update();
}

bool CMinute::isMarked(int channel, int minute) const
{
    return (m_rangeChannels >> channel & 1) && m_rangeFirst <= minute && minute < m_rangeEnd;
}

bool CMinute::isRecorded(int minute) const
{
    for (int channel = 0; channel < m_channels; ++channel) {
        if (m_kinds[channel][minute] != 0)
            return true;
    }
    return false;
}

void CMinute::UpdatePosition(const QPoint& point)
{
    m_x = cellAt(point.x(), MINUTE_WIDTH);
    m_cursor->move(m_x, 0);
    m_cursor->show();
    emit changedTime();
    update();
}

void CMinute::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_image);
    for (int channel = 0; channel < m_channels; ++channel) {
        for (int minute = 0; minute < MINS_OF_HOUR; ++minute) {
            const int kind = m_kinds[channel][minute];
            if (kind < 1 || kind > 3)
                continue;
            const int inGroup = minute % 5;
            const int left = 1 + GROUP_WIDTH * (minute / 5) + MINUTE_WIDTH * inGroup;
            const int width = inGroup == 4 ? MINUTE_WIDTH - 1 : MINUTE_WIDTH;
            painter.fillRect(left, ROW_TOP + ROW_HEIGHT * channel, width, ROW_HEIGHT - 1,
                kindColour(kind, isMarked(channel, minute)));
        }
    }
}

void CMinute::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The double click is a press as well: it chooses the minute under it.
    mousePressEvent(event);
    if (isRecorded(getPos()))
        emit doubleclick();
}
