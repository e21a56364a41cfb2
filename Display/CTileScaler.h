#pragma once

#include "Common/CVideoPicture.h"
#include "Display/CPictureScaler.h"

#include <QImage>
#include <QSize>

// Shrinks a decoding slot's planar pictures to the size of the tile that
// shows them, as RGB, on the decoding thread: a software renderer then only
// copies the tile's pixels instead of running the colour program over every
// one of them at every redraw. It samples as the wall's renderer would at
// that size: the nearest pixel when a tile shows a third of the picture's
// width or less, bilinear above. The pixels live in a pool of the slot's,
// reused once the wall lets go of them, so a running stream allocates no
// pixel memory; each image still costs two small allocations, its header and
// the reference that keeps its pixels from the pool, next to nothing beside
// the scaling. One thread at a time (the slot's feeder); the images may be
// held and dropped on any thread.
class CTileScaler {
public:
    CTileScaler();
    ~CTileScaler();
    CTileScaler(const CTileScaler&) = delete;
    CTileScaler& operator=(const CTileScaler&) = delete;

    // Whether a tile of that size shows the picture shrunk, so that it is
    // shrunk here.
    static bool shrinks(const QSize& picture, const QSize& tile);
    // The picture at the tile's size; a null image when it is not planar
    // YUV, does not shrink to the tile, or cannot be scaled.
    QImage scaled(const CVideoPicture& picture, const QSize& tile);
    // Lets go of the scaler and of the images not held elsewhere.
    void release();

private:
    CPictureScaler m_scaler;
    CVideoPicture::Pool* m_pool;
};
