#pragma once

#include <QByteArray>
#include <functional>

class QOpenGLContext;

// What draws this process's OpenGL: a graphics card, or a rasteriser on the
// processor (Mesa's llvmpipe or softpipe, as under Xvfb or on a computer
// without a driver for its card). The wall shrinks small tiles' pictures on
// the decoding threads only for the latter: a card turns a whole picture into
// colour for nothing, while a software rasteriser pays for every pixel it
// samples. GUI thread; asks the driver once, on first use.
class CGLRenderer {
public:
    // The driver's renderer name, as OpenGL gives it, names a rasteriser on
    // the processor.
    static bool isSoftware(const QByteArray& renderer);
    // This process's OpenGL draws on the processor; also when no OpenGL
    // context can be made, as then nothing draws on a card.
    static bool drawsInSoftware();
    // Runs `inContext` with a context of the default format current on an
    // off-screen surface, to ask the driver; false when none can be made
    // current.
    static bool probe(const std::function<void(QOpenGLContext&)>& inContext);
};
