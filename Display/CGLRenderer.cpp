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
        bool onProcessor = true;
        probe([&onProcessor](QOpenGLContext&) {
            const auto* renderer = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
            onProcessor = !renderer || isSoftware(renderer);
        });
        return onProcessor;
    }();
    return software;
}

bool CGLRenderer::probe(const std::function<void(QOpenGLContext&)>& inContext)
{
    QOpenGLContext context;
    if (!context.create())
        return false;
    QOffscreenSurface surface;
    surface.setFormat(context.format());
    surface.create();
    if (!surface.isValid() || !context.makeCurrent(&surface))
        return false;
    inContext(context);
    context.doneCurrent();
    return true;
}
