#include "Display/CGLRenderer.h"

#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <qopengl.h>

bool CGLRenderer::isSoftware(const QByteArray& renderer)
{
    const QByteArray name = renderer.toLower();
    for (const char* software : {"llvmpipe", "softpipe", "software rasterizer", "swrast", "swr ("}) {
        if (name.contains(software))
            return true;
    }
    return false;
}

bool CGLRenderer::drawsInSoftware()
{
    static const bool software = [] {
        QOpenGLContext context;
        if (!context.create())
            return true;
        QOffscreenSurface surface;
        surface.setFormat(context.format());
        surface.create();
        if (!surface.isValid() || !context.makeCurrent(&surface))
            return true;
        const auto* renderer = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
        const bool onProcessor = !renderer || isSoftware(renderer);
        context.doneCurrent();
        return onProcessor;
    }();
    return software;
}
