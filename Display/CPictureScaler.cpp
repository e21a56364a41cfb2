#include "Display/CPictureScaler.h"

extern "C" {
#include <libswscale/swscale.h>
}

namespace {

struct Source {
    AVPixelFormat format = AV_PIX_FMT_NONE;
    const uint8_t* planes[4] = {};
    int strides[4] = {};
};

// 0xAARRGGBB words: blue first in memory on little-endian machines.
const AVPixelFormat RGB32 = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? AV_PIX_FMT_BGRA : AV_PIX_FMT_ARGB;

int flagsOf(CPictureScaler::Sampling sampling)
{
    switch (sampling) {
    case CPictureScaler::Sampling::Nearest:
        return SWS_POINT;
    case CPictureScaler::Sampling::FastBilinear:
        return SWS_FAST_BILINEAR;
    case CPictureScaler::Sampling::Bilinear:
        break;
    }
    return SWS_BILINEAR;
}

// The planes of a packed image from its top-left pixel at `from`.
Source packedSource(const QImage& image, QPoint from)
{
    Source source;
    int bytesPerPixel = 0;
    if (image.format() == QImage::Format_RGB888) {
        source.format = AV_PIX_FMT_RGB24;
        bytesPerPixel = 3;
    } else if (image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32) {
        source.format = RGB32;
        bytesPerPixel = 4;
    } else {
        return source;
    }
    source.planes[0] = image.constScanLine(from.y()) + qsizetype(from.x()) * bytesPerPixel;
    source.strides[0] = int(image.bytesPerLine());
    return source;
}

// The planes of a planar YUV 4:2:0 picture from `from`, which must be even.
Source planarSource(const CVideoPicture& picture, QPoint from)
{
    Source source;
    // The studio range is the rule; libswscale names the full range by its
    // own format.
    source.format = picture.isFullRange() ? AV_PIX_FMT_YUVJ420P : AV_PIX_FMT_YUV420P;
    for (int plane = 0; plane < 3; ++plane) {
        const int shift = plane == 0 ? 0 : 1;
        source.strides[plane] = picture.stride(plane);
        source.planes[plane]
            = picture.data(plane) + qsizetype(from.y() >> shift) * picture.stride(plane) + (from.x() >> shift);
    }
    return source;
}

// The part of the source at `size`, as RGB32 rows `stride` bytes apart.
bool convert(SwsContext*& context, const Source& from, const QSize& part, const QSize& size,
    CPictureScaler::Sampling sampling, uint8_t* target, int stride)
{
    context = sws_getCachedContext(context, part.width(), part.height(), from.format, size.width(), size.height(),
        RGB32, flagsOf(sampling), nullptr, nullptr, nullptr);
    if (!context)
        return false;
    uint8_t* const targets[4] = {target, nullptr, nullptr, nullptr};
    const int targetStrides[4] = {stride, 0, 0, 0};
    return sws_scale(context, from.planes, from.strides, 0, part.height(), targets, targetStrides) > 0;
}

} // namespace

CPictureScaler::~CPictureScaler()
{
    sws_freeContext(m_context);
}

AVPixelFormat CPictureScaler::targetFormat()
{
    return RGB32;
}

void CPictureScaler::release()
{
    sws_freeContext(m_context);
    m_context = nullptr;
    m_image = QImage();
}

bool CPictureScaler::scaleInto(
    const CVideoPicture& picture, const QSize& size, Sampling sampling, uint8_t* target, int stride)
{
    if (!picture.isPlanarYuv() || size.isEmpty())
        return false;
    return convert(m_context, planarSource(picture, QPoint(0, 0)), QSize(picture.width(), picture.height()), size,
        sampling, target, stride);
}

const QImage& CPictureScaler::scaled(const CDisplayInfo& info, const QRect& source, const QSize& size)
{
    static const QImage none;
    const bool planar = info.image.isNull();
    if (planar && !info.picture.isPlanarYuv())
        return none;
    QRect part = source & QRect(QPoint(0, 0), info.pictureSize());
    if (planar) {
        // Chroma samples cover two by two pixels: start on one.
        part.setLeft(part.left() & ~1);
        part.setTop(part.top() & ~1);
    }
    if (part.isEmpty() || size.isEmpty())
        return none;

    const Source from = planar ? planarSource(info.picture, part.topLeft()) : packedSource(info.image, part.topLeft());
    if (from.format == AV_PIX_FMT_NONE)
        return none;
    if (m_image.size() != size)
        m_image = QImage(size, QImage::Format_RGB32);
    if (m_image.isNull()
        || !convert(
            m_context, from, part.size(), size, Sampling::Bilinear, m_image.bits(), int(m_image.bytesPerLine())))
        return none;
    return m_image;
}
