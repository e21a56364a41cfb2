#pragma once

#include <QWidget>
#include <functional>
#include <memory>

class QOffscreenSurface;
class QOpenGLContext;
class QOpenGLPaintDevice;
class QPainter;

// The OpenGL viewport of the screen wall's view: a native window of its own
// that OpenGL draws straight into. A QOpenGLWidget draws into a texture that
// Qt then composes with the rest of the window on every redraw; with 30
// redraws a second on a software renderer that composition cost more than the
// wall itself.
//
// Painters opened on the widget between beginFrame() and endFrame() draw with
// OpenGL on its window. The context is made on the first frame and lives as
// long as the widget, across moves to other windows (full screen and back);
// the scene is told of both ends of its life, since every GL object belongs
// to it.
class CGLWidget : public QWidget {
    Q_OBJECT

public:
    explicit CGLWidget(QWidget* parent = nullptr);
    ~CGLWidget() override;

    // Makes the context current on this widget's window; false when OpenGL
    // cannot draw there (then nothing is to be drawn).
    bool beginFrame();
    // Shows what was drawn since beginFrame().
    void endFrame();
    // What `draw` paints on a painter of this widget's size, read back from
    // an off-screen buffer of the same context: for snapshots and grabs,
    // since the window's own buffers cannot be read back reliably. The image
    // holds the window's device pixels and carries its pixel ratio. A null
    // image when OpenGL cannot draw.
    QImage renderToImage(const std::function<void(QPainter&)>& draw);
    // Whether painters opened on the widget now draw elsewhere, as they do
    // while QWidget::grab() or render() takes a picture of it.
    bool isPaintingElsewhere() const;

    // Painted by OpenGL, never by Qt's backing store.
    QPaintEngine* paintEngine() const override;

signals:
    // A new context is current; GL objects of earlier contexts are gone.
    void contextCreated();
    // The context is current and about to go; release its GL objects now.
    void contextAboutToBeDestroyed();

protected:
    bool event(QEvent* event) override;
    QPaintDevice* redirected(QPoint* offset) const override;

private:
    // Qt makes native child windows for raster painting; OpenGL needs a
    // window made for it, so the window is made again when Qt made it wrong.
    void ensureOpenGLWindow();
    // On the window when it can be drawn, off screen otherwise.
    bool makeCurrent();
    void releaseContext();

    std::unique_ptr<QOpenGLContext> m_context;
    std::unique_ptr<QOffscreenSurface> m_offscreen;
    std::unique_ptr<QOpenGLPaintDevice> m_device;
    QPaintDevice* m_target = nullptr;
    bool m_remakingWindow = false;
};
