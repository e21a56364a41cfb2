#include "Display/CScreenWidget.h"

#include "Display/TileToolTip.h"

#include <QMouseEvent>
#include <QPainter>

namespace {
const QRect NO_ZOOM(-1, -1, -1, -1);
} // namespace

CScreenWidget::CScreenWidget(QWidget* parent)
    : QLabel(parent)
{
    clear();
}

void CScreenWidget::clear()
{
    m_info.clear();
    if (!toolTip().isEmpty())
        setToolTip(QString());
    updatePixmap();
}

void CScreenWidget::setInfo(const CDisplayInfo& info)
{
    m_info = info;
    updatePixmap();
}

void CScreenWidget::setSelected(bool selected)
{
    m_selected = selected;
    updatePixmap();
}

void CScreenWidget::setDisplaySettings(bool showNames, int recordMode, int eventMode)
{
    m_overlay.setDisplaySettings(showNames, recordMode, eventMode);
    updatePixmap();
}

void CScreenWidget::startZoom()
{
    m_zoomMode = true;
}

void CScreenWidget::endZoom()
{
    m_zoomed = false;
    m_zoomMode = false;
    m_zoomRect = NO_ZOOM;
}

void CScreenWidget::setZoomRect()
{
    m_zoomRect = QRect(QPoint(qMin(m_pressPoint.x(), m_currentPoint.x()), qMin(m_pressPoint.y(), m_currentPoint.y())),
        QPoint(qMax(m_pressPoint.x(), m_currentPoint.x()), qMax(m_pressPoint.y(), m_currentPoint.y())));
    updatePixmap();
}

QRect CScreenWidget::sourceRect() const
{
    const QSize image = m_info.pictureSize();
    const int w = width();
    const int h = height();
    if (!m_zoomed || !m_zoomRect.isValid() || w == 0 || h == 0)
        return QRect(QPoint(0, 0), QPoint(image.width() - 1, image.height() - 1));
    const int sx1 = qMax(0, m_zoomRect.left() * image.width() / w);
    const int sx2 = qMin(image.width(), m_zoomRect.right() * image.width() / w);
    const int sy1 = qMax(0, m_zoomRect.top() * image.height() / h);
    const int sy2 = qMin(image.height(), m_zoomRect.bottom() * image.height() / h);
    return QRect(QPoint(sx1, sy1), QPoint(sx2, sy2));
}

void CScreenWidget::mousePressEvent(QMouseEvent* event)
{
    QLabel::mousePressEvent(event);
    if (zoomActive() && event->button() == Qt::LeftButton) {
        m_zoomed = false;
        m_zoomRect = NO_ZOOM;
        m_pressing = true;
        m_pressPoint = event->position().toPoint();
    }
}

void CScreenWidget::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (zoomActive()) {
        m_pressing = false;
        m_zoomed = true;
    }
}

void CScreenWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    emit doubleClicked(event);
}

void CScreenWidget::mouseMoveEvent(QMouseEvent* event)
{
    QLabel::mouseMoveEvent(event);
    if (zoomActive() && m_pressing) {
        m_currentPoint = event->position().toPoint();
        setZoomRect();
        event->accept();
    }
}

void CScreenWidget::resizeEvent(QResizeEvent*)
{
    updatePixmap();
}

void CScreenWidget::updatePixmap()
{
    const int w = width();
    const int h = height();
    if (w == 0 && h == 0)
        return;
    QPixmap pixmap(w, h);
    QPainter painter(&pixmap);
    // Scaled in one pass here: the painter's smooth scaling would convert
    // the whole picture first and spread the work over a thread pool.
    const QImage& picture = m_info.hasPicture() ? m_scaler.scaled(m_info, sourceRect(), size()) : QImage();
    if (picture.isNull())
        painter.fillRect(rect(), Qt::black);
    else
        painter.drawImage(0, 0, picture);

    const QRect tile(QPoint(0, 0), QPoint(w - 1, h - 1));
    if (m_selected)
        COverlayPainter::drawSelection(painter, tile);
    COverlayPainter::drawOutline(painter, tile, Qt::white);

    const COverlayPainter::State state = COverlayPainter::stateOf(m_info);
    if (state == COverlayPainter::State::Picture) {
        displayOSD(painter);
        if (!m_zoomed && m_zoomRect.isValid())
            COverlayPainter::drawOutline(painter, m_zoomRect, Qt::white);
    } else {
        displayState(painter, state);
        if (state == COverlayPainter::State::ConnectionFailed)
            setToolTip(tileToolTip(m_info.statusText()));
    }
    painter.end();
    setPixmap(pixmap);
}

void CScreenWidget::displayState(QPainter& painter, COverlayPainter::State state)
{
    m_overlay.drawState(painter, QRect(QPoint(0, 0), QPoint(width() - 1, height() - 1)), state);
}

void CScreenWidget::displayOSD(QPainter& painter)
{
    m_overlay.drawOSD(painter, QRect(QPoint(0, 0), QPoint(width() - 1, height() - 1)), m_info);
}
