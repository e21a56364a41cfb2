#include "Display/COverlayPainter.h"

#include "Display/CDisplayInfo.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

// The images live in this static library; nothing else references them, so
// the linker keeps them only when asked here (outside any namespace, as the
// resource macro requires).
static void initScreenImages()
{
    Q_INIT_RESOURCE(ScreenImages);
}

namespace {
const int OUTLINE_ALPHA = 200;

QPixmap loadImage(const char* name)
{
    initScreenImages();
    return QPixmap(QStringLiteral(":/Viewer/files/images/") + QLatin1String(name));
}
} // namespace

COverlayPainter::COverlayPainter()
    : m_connectionFailed(loadImage("ConnectionFailed.png"))
    , m_noAuthority(loadImage("NoAuthority.png"))
    , m_videoLoss(loadImage("VideoLoss.png"))
    , m_recordIcon(loadImage("record.png"))
    , m_motionIcon(loadImage("motion.png"))
    , m_sensorIcon(loadImage("sensor.png"))
{
}

void COverlayPainter::setDisplaySettings(bool showNames, int recordMode, int eventMode)
{
    m_showNames = showNames;
    m_recordMode = recordMode;
    m_eventMode = eventMode;
}

COverlayPainter::State COverlayPainter::stateOf(const CDisplayInfo& info)
{
    if (info.status)
        return State::ConnectionFailed;
    if (!info.authority)
        return State::NoAuthority;
    if (info.videoLoss)
        return State::VideoLoss;
    return State::Picture;
}

const QPixmap& COverlayPainter::stateImage(State state) const
{
    switch (state) {
    case State::ConnectionFailed:
        return m_connectionFailed;
    case State::NoAuthority:
        return m_noAuthority;
    case State::VideoLoss:
        return m_videoLoss;
    case State::Picture:
        break;
    }
    static const QPixmap none;
    return none;
}

void COverlayPainter::drawState(QPainter& painter, const QRect& tile, State state) const
{
    if (!tile.isValid())
        return;
    const QPixmap& image = stateImage(state);
    painter.fillRect(QRect(tile.topLeft() + QPoint(1, 1), tile.bottomRight() - QPoint(1, 1)), Qt::black);
    painter.drawPixmap((tile.left() + tile.right()) / 2 - image.width() / 2,
        (tile.top() + tile.bottom()) / 2 - image.height() / 2, image);
}

void COverlayPainter::drawOSD(QPainter& painter, const QRect& tile, const CDisplayInfo& info) const
{
    if (!tile.isValid() || tile.isNull())
        return;
    const int x1 = tile.left();
    const int y1 = tile.top();
    const int x2 = tile.right();
    const int y2 = tile.bottom();

    if (info.channel >= 0 && m_showNames) {
        QFont font;
        font.setWeight(QFont::Bold);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(QPoint(x1 + 2, y1 + 12), info.shownName());
        const QFontMetrics metrics = painter.fontMetrics();
        painter.drawText(
            QPoint(x1 + (x2 - x1 + 1 - metrics.horizontalAdvance(info.title)) / 2, y2 + 1 - metrics.height()),
            info.title);
    }

    const int iconTop = y1 + 15;
    if (info.record) {
        if (m_recordMode == 2)
            drawOutline(
                painter, QRect(QPoint(x1 + 3, y1 + 3), QPoint(x2 - 4, y2 - 4)), QColor(255, 0, 0, OUTLINE_ALPHA));
        else if (m_recordMode == 1)
            painter.drawPixmap(x1 + 1, iconTop, m_recordIcon);
    }
    if (info.motion) {
        if (m_eventMode == 2)
            drawOutline(
                painter, QRect(QPoint(x1 + 2, y1 + 2), QPoint(x2 - 3, y2 - 3)), QColor(0, 255, 0, OUTLINE_ALPHA));
        else if (m_eventMode == 1)
            painter.drawPixmap(x1 + 1 + m_recordIcon.width(), iconTop, m_motionIcon);
    }
    if (info.sensor) {
        if (m_eventMode == 2)
            drawOutline(
                painter, QRect(QPoint(x1 + 1, y1 + 1), QPoint(x2 - 2, y2 - 2)), QColor(255, 130, 0, OUTLINE_ALPHA));
        else if (m_eventMode == 1)
            painter.drawPixmap(x1 + 1 + m_recordIcon.width() + m_motionIcon.width(), iconTop, m_sensorIcon);
    }
}

void COverlayPainter::drawOutline(QPainter& painter, const QRect& rect, const QColor& colour, int thickness)
{
    if (!rect.isValid())
        return;
    const int t = qMin(thickness, qMin(rect.width(), rect.height()) / 2 + 1);
    const int sideHeight = rect.height() - 2 * t;
    painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), t), colour);
    if (rect.height() > t)
        painter.fillRect(QRect(rect.left(), rect.bottom() - t + 1, rect.width(), t), colour);
    if (sideHeight > 0) {
        painter.fillRect(QRect(rect.left(), rect.top() + t, t, sideHeight), colour);
        if (rect.width() > t)
            painter.fillRect(QRect(rect.right() - t + 1, rect.top() + t, t, sideHeight), colour);
    }
}

void COverlayPainter::drawSelection(QPainter& painter, const QRect& tile)
{
    drawOutline(painter, tile.adjusted(1, 1, -1, -1), Qt::yellow, 2);
}
