#include "Display/CGLWidget.h"

#include "Display/GLExtensionFunctions.h"

#include <QEvent>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <QOpenGLFunctions>
#include <QOpenGLPaintDevice>
#include <QPainter>
#include <QWindow>

CGLWidget::CGLWidget(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_NativeWindow);
    setAttribute(Qt::WA_PaintOnScreen);
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

CGLWidget::~CGLWidget()
{
    releaseContext();
}

QPaintEngine* CGLWidget::paintEngine() const
{
    return nullptr;
}

bool CGLWidget::event(QEvent* event)
{
    if (event->type() == QEvent::WinIdChange)
        ensureOpenGLWindow();
    return QWidget::event(event);
}

QPaintDevice* CGLWidget::redirected(QPoint* offset) const
{
    if (QPaintDevice* other = QWidget::redirected(offset))
        return other;
    if (m_target && offset)
        *offset = QPoint();
    return m_target;
}

void CGLWidget::ensureOpenGLWindow()
{
    QWindow* window = windowHandle();
    if (m_remakingWindow || !window || !window->handle() || window->surfaceType() == QSurface::OpenGLSurface)
        return;
    m_remakingWindow = true;
    const bool shown = isVisible();
    if (shown)
        hide();
    window->destroy();
    window->setSurfaceType(QSurface::OpenGLSurface);
    window->create();
    if (shown)
        show();
    m_remakingWindow = false;
}

bool CGLWidget::makeCurrent()
{
    QWindow* window = windowHandle();
    const bool drawable = window && window->handle() && window->surfaceType() == QSurface::OpenGLSurface;
    const bool created = !m_context;
    if (created) {
        m_context = std::make_unique<QOpenGLContext>();
        m_context->setFormat(QSurfaceFormat::defaultFormat());
        if (!m_context->create()) {
            m_context.reset();
            return false;
        }
    }
    // A wall never shown still takes snapshots: they draw off screen.
    QSurface* surface = window;
    if (!drawable) {
        if (!m_offscreen) {
            m_offscreen = std::make_unique<QOffscreenSurface>();
            m_offscreen->setFormat(m_context->format());
            m_offscreen->create();
        }
        surface = m_offscreen.get();
    }
    if (!m_context->makeCurrent(surface))
        return false;
    if (created) {
        getGLExtensionFunctions().resolve(m_context.get());
        emit contextCreated();
    }
    return true;
}

bool CGLWidget::beginFrame()
{
    QWindow* window = windowHandle();
    if (!window || window->surfaceType() != QSurface::OpenGLSurface || !makeCurrent())
        return false;
    if (!m_device)
        m_device = std::make_unique<QOpenGLPaintDevice>();
    const qreal ratio = devicePixelRatioF();
    m_device->setSize(size() * ratio);
    m_device->setDevicePixelRatio(ratio);
    m_context->functions()->glBindFramebuffer(GL_FRAMEBUFFER, m_context->defaultFramebufferObject());
    m_target = m_device.get();
    return true;
}

void CGLWidget::endFrame()
{
    m_target = nullptr;
    if (m_context && windowHandle())
        m_context->swapBuffers(windowHandle());
}

QImage CGLWidget::renderToImage(const std::function<void(QPainter&)>& draw)
{
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = size() * ratio;
    if (pixels.isEmpty() || !makeCurrent())
        return QImage();
    QOpenGLFramebufferObject buffer(pixels, QOpenGLFramebufferObject::CombinedDepthStencil);
    if (!buffer.isValid() || !buffer.bind())
        return QImage();
    QOpenGLPaintDevice device(pixels);
    device.setDevicePixelRatio(ratio);
    {
        QPainter painter(&device);
        draw(painter);
    }
    QImage image = buffer.toImage();
    buffer.release();
    image.setDevicePixelRatio(ratio);
    return image;
}

bool CGLWidget::isPaintingElsewhere() const
{
    QPoint offset;
    return QWidget::redirected(&offset) != nullptr;
}

void CGLWidget::releaseContext()
{
    if (!m_context)
        return;
    if (makeCurrent())
        emit contextAboutToBeDestroyed();
    m_device.reset();
    m_context->doneCurrent();
    m_context.reset();
    m_offscreen.reset();
}
