#include "Display/CTileScaler.h"

extern "C" {
#include <libavutil/frame.h>
}

namespace {
// Shrunk this many times or more, the wall's renderer takes the nearest
// sample rather than averaging.
const int NEAREST_FROM = 3;

void releasePicture(void* picture)
{
    delete static_cast<CVideoPicture*>(picture);
}
} // namespace

CTileScaler::CTileScaler()
    : m_pool(CVideoPicture::Pool::create())
{
}

CTileScaler::~CTileScaler()
{
    m_pool->release();
}

bool CTileScaler::shrinks(const QSize& picture, const QSize& tile)
{
    return !tile.isEmpty() && tile.width() <= picture.width() && tile.height() <= picture.height() && tile != picture;
}

QImage CTileScaler::scaled(const CVideoPicture& picture, const QSize& tile)
{
    const QSize size(picture.width(), picture.height());
    if (!picture.isPlanarYuv() || !shrinks(size, tile))
        return QImage();
    const CPictureScaler::Sampling sampling = size.width() >= NEAREST_FROM * tile.width()
        ? CPictureScaler::Sampling::Nearest
        : CPictureScaler::Sampling::FastBilinear;
    AVFrame* target = nullptr;
    CVideoPicture scaled = m_pool->make(tile.width(), tile.height(), CPictureScaler::targetFormat(), &target);
    if (scaled.isNull() || !m_scaler.scaleInto(picture, tile, sampling, target->data[0], target->linesize[0]))
        return QImage();
    auto* held = new CVideoPicture(scaled);
    QImage image(
        scaled.data(0), tile.width(), tile.height(), scaled.stride(0), QImage::Format_RGB32, releasePicture, held);
    if (image.isNull())
        delete held;
    return image;
}

void CTileScaler::release()
{
    m_scaler.release();
    m_pool->release();
    m_pool = CVideoPicture::Pool::create();
}
