#include "Display/CTileScaler.h"

extern "C" {
#include <libavutil/frame.h>
#include <libswscale/swscale.h>
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
    sws_freeContext(m_context);
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
    const int flags = size.width() >= NEAREST_FROM * tile.width() ? SWS_POINT : SWS_FAST_BILINEAR;
    // The studio range is the rule; libswscale names the full range by its
    // own format.
    const AVPixelFormat from = picture.isFullRange() ? AV_PIX_FMT_YUVJ420P : AV_PIX_FMT_YUV420P;
    // Blue, green, red and a fourth byte in memory: RGB32 words on a
    // little-endian machine.
    const AVPixelFormat to = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? AV_PIX_FMT_BGRA : AV_PIX_FMT_ARGB;
    m_context = sws_getCachedContext(m_context, size.width(), size.height(), from, tile.width(), tile.height(), to,
        flags, nullptr, nullptr, nullptr);
    if (!m_context)
        return QImage();
    AVFrame* target = nullptr;
    CVideoPicture scaled = m_pool->make(tile.width(), tile.height(), to, &target);
    if (scaled.isNull())
        return QImage();
    const uint8_t* const planes[4] = {picture.data(0), picture.data(1), picture.data(2), nullptr};
    const int strides[4] = {picture.stride(0), picture.stride(1), picture.stride(2), 0};
    if (sws_scale(m_context, planes, strides, 0, size.height(), target->data, target->linesize) <= 0)
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
    sws_freeContext(m_context);
    m_context = nullptr;
    m_pool->release();
    m_pool = CVideoPicture::Pool::create();
}
