#pragma once

#include <QOpenGLWidget>

// The OpenGL viewport of the screen wall's view. Its context is made when the
// widget is first shown and made anew whenever the widget moves to another
// window (full screen and back); every GL object belongs to one context, so
// the scene is told of both ends of each context's life.
class CGLWidget : public QOpenGLWidget {
    Q_OBJECT

public:
    explicit CGLWidget(QWidget* parent = nullptr);
    ~CGLWidget() override;

signals:
    // A new context is current; GL objects of earlier contexts are gone.
    void contextCreated();
    // The context is current and about to go; release its GL objects now.
    void contextAboutToBeDestroyed();

protected:
    void initializeGL() override;

private slots:
    void releaseContext();
};
