#include "Display/CGLWidget.h"

#include "Display/GLExtensionFunctions.h"

#include <QOpenGLContext>

CGLWidget::CGLWidget(QWidget* parent)
    : QOpenGLWidget(parent)
{
    // Keeps the last drawn picture in the frame buffer, so that a snapshot
    // reads back what the operator sees.
    setUpdateBehavior(QOpenGLWidget::PartialUpdate);
}

CGLWidget::~CGLWidget()
{
    // The base class destroys the context after this object is gone: let
    // go of it while this object is still whole.
    if (QOpenGLContext* current = context()) {
        disconnect(current, nullptr, this, nullptr);
        releaseContext();
    }
}

void CGLWidget::initializeGL()
{
    getGLExtensionFunctions().resolve(context());
    connect(context(), &QOpenGLContext::aboutToBeDestroyed, this, &CGLWidget::releaseContext, Qt::UniqueConnection);
    emit contextCreated();
}

void CGLWidget::releaseContext()
{
    makeCurrent();
    emit contextAboutToBeDestroyed();
    doneCurrent();
}
