#include "Display/CGraphicsView.h"

#include "Display/CGLWidget.h"
#include "Display/CGraphicsScene.h"
#include "Display/TileToolTip.h"

#include <QHelpEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QToolTip>

CGraphicsView::CGraphicsView(QWidget* parent)
    : QGraphicsView(parent)
{
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The scene draws the whole wall as its background in one pass.
    setViewportUpdateMode(QGraphicsView::FullViewportUpdate);
    setCacheMode(QGraphicsView::CacheNone);
}

bool CGraphicsView::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip && QToolTip::isVisible())
        QToolTip::hideText();
    return QGraphicsView::event(event);
}

QImage CGraphicsView::grabWall()
{
    auto* wall = qobject_cast<CGLWidget*>(viewport());
    if (!wall)
        return viewport()->grab().toImage();
    auto* wallScene = qobject_cast<CGraphicsScene*>(scene());
    if (wallScene)
        wallScene->setDrawingGrab(true);
    // The painter measures in the viewport's units; left to itself, render()
    // would fill the buffer's device pixels, scaling the wall by its pixel
    // ratio once more.
    const QRect whole = viewport()->rect();
    QImage image = wall->renderToImage([this, whole](QPainter& painter) { render(&painter, whole, whole); });
    if (wallScene)
        wallScene->setDrawingGrab(false);
    return image;
}

bool CGraphicsView::paintWall(CGLWidget& wall)
{
    if (wall.isPaintingElsewhere()) {
        const QImage picture = grabWall();
        QPainter painter(&wall);
        painter.drawImage(wall.rect(), picture);
        return true;
    }
    if (!wall.beginFrame())
        return true;
    // The window's buffers keep nothing of the last frame: each frame is
    // drawn whole, whatever part of the window asked for it.
    QPaintEvent whole(wall.rect());
    QGraphicsView::viewportEvent(&whole);
    wall.endFrame();
    return true;
}

bool CGraphicsView::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::Paint) {
        if (auto* wall = qobject_cast<CGLWidget*>(viewport()))
            return paintWall(*wall);
    }
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        auto* wall = qobject_cast<CGraphicsScene*>(scene());
        const QString text = wall ? wall->getToolTip(mapToScene(help->pos()).toPoint()) : QString();
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), tileToolTip(text), viewport());
        return true;
    }
    return QGraphicsView::viewportEvent(event);
}

void CGraphicsView::mouseDoubleClickEvent(QMouseEvent* event)
{
    QGraphicsView::mouseDoubleClickEvent(event);
    emit doubleClicked(event);
    // Handled here: the wall below must not take it for a press as well,
    // after the double click may have changed the layout.
    event->accept();
}

void CGraphicsView::resizeEvent(QResizeEvent* event)
{
    if (!scene())
        return;
    scene()->setSceneRect(0, 0, event->size().width(), event->size().height());
    QGraphicsView::resizeEvent(event);
}
