#include "H264TestEncoder.h"

#include <algorithm>
#include <cstdlib>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/error.h>
#include <libavutil/imgutils.h>
#include <libavutil/log.h>
#include <libavutil/opt.h>
#include <libswscale/swscale.h>
}

namespace {

const QRgb kBars[8] = {qRgb(235, 235, 235), qRgb(235, 235, 16), qRgb(16, 235, 235), qRgb(16, 235, 16),
    qRgb(235, 16, 235), qRgb(235, 16, 16), qRgb(16, 16, 235), qRgb(16, 16, 16)};
const QRgb kBand = qRgb(40, 40, 40);
const QRgb kHighBand = qRgb(40, 40, 150);
const QRgb kBlock = qRgb(235, 235, 235);

int bandTop(int height)
{
    return height * 3 / 4;
}
int blockSize(int height)
{
    return std::max(16, height / 8) & ~15;
}

int blockLeft(int width, int height, int index)
{
    const int span = width - blockSize(height);
    return span <= 0 ? 0 : ((index * 16) % span) & ~15;
}

} // namespace

H264TestEncoder::H264TestEncoder(int width, int height, int keyInterval, int channel, int cameraKbps)
    : m_width(width)
    , m_height(height)
    , m_keyInterval(std::max(1, keyInterval))
    , m_channel(channel)
    , m_cameraKbps(std::max(0, cameraKbps))
{
    // Tests feed broken streams on purpose; libav's own complaints about them
    // would only bury the test output.
    av_log_set_level(AV_LOG_FATAL);
    const AVCodec* codec = avcodec_find_encoder_by_name("libx264");
    if (!codec) {
        m_error = QStringLiteral("libx264 encoder not available");
        return;
    }
    m_context = avcodec_alloc_context3(codec);
    m_picture = av_frame_alloc();
    m_packet = av_packet_alloc();
    if (!m_context || !m_picture || !m_packet) {
        fail(QStringLiteral("allocation"), AVERROR(ENOMEM));
        return;
    }
    m_context->width = width;
    m_context->height = height;
    m_context->pix_fmt = AV_PIX_FMT_YUV420P;
    m_context->time_base = AVRational{1, 25};
    m_context->framerate = AVRational{25, 1};
    m_context->gop_size = m_keyInterval;
    m_context->max_b_frames = 0;
    m_context->thread_count = 1;
    av_opt_set(m_context->priv_data, "preset", "ultrafast", 0);
    av_opt_set(m_context->priv_data, "tune", "zerolatency", 0);
    av_opt_set(m_context->priv_data, "profile", "baseline", 0);
    if (m_cameraKbps > 0) {
        // A camera's constant bit rate: the encoder spends what it is given.
        m_context->bit_rate = int64_t(m_cameraKbps) * 1000;
        m_context->rc_max_rate = m_context->bit_rate;
        m_context->rc_buffer_size = int(m_context->bit_rate);
    } else {
        av_opt_set(m_context->priv_data, "crf", "16", 0);
    }
    av_opt_set(m_context->priv_data, "forced-idr", "1", 0);
    const QByteArray params
        = QStringLiteral("repeat-headers=1:scenecut=0:keyint=%1:min-keyint=%1").arg(m_keyInterval).toLatin1();
    av_opt_set(m_context->priv_data, "x264-params", params.constData(), 0);

    int result = avcodec_open2(m_context, codec, nullptr);
    if (result < 0) {
        fail(QStringLiteral("avcodec_open2"), result);
        return;
    }
    m_picture->format = AV_PIX_FMT_YUV420P;
    m_picture->width = width;
    m_picture->height = height;
    result = av_frame_get_buffer(m_picture, 0);
    if (result < 0) {
        fail(QStringLiteral("av_frame_get_buffer"), result);
        return;
    }
    m_scaler = sws_getContext(
        width, height, AV_PIX_FMT_RGB24, width, height, AV_PIX_FMT_YUV420P, SWS_POINT, nullptr, nullptr, nullptr);
    if (!m_scaler)
        fail(QStringLiteral("sws_getContext"), AVERROR(EINVAL));
}

H264TestEncoder::~H264TestEncoder()
{
    sws_freeContext(m_scaler);
    av_packet_free(&m_packet);
    av_frame_free(&m_picture);
    avcodec_free_context(&m_context);
}

void H264TestEncoder::fail(const QString& what, int code)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    m_error = what + QStringLiteral(": ") + QString::fromLatin1(text);
    avcodec_free_context(&m_context);
}

H264TestEncoder::Frame H264TestEncoder::encodeNext()
{
    Frame frame;
    frame.index = m_index;
    if (!isOpen())
        return frame;

    const QImage rgb = pattern(m_width, m_height, m_index, m_channel);
    const uint8_t* source[1] = {rgb.constBits()};
    const int sourceStride[1] = {static_cast<int>(rgb.bytesPerLine())};
    if (av_frame_make_writable(m_picture) < 0)
        return frame;
    sws_scale(m_scaler, source, sourceStride, 0, m_height, m_picture->data, m_picture->linesize);
    if (m_cameraKbps > 0)
        makeCameraLike(m_index);
    m_picture->pts = m_index;
    m_picture->pict_type = m_index % m_keyInterval == 0 ? AV_PICTURE_TYPE_I : AV_PICTURE_TYPE_NONE;
    ++m_index;

    if (avcodec_send_frame(m_context, m_picture) < 0)
        return frame;
    while (avcodec_receive_packet(m_context, m_packet) == 0) {
        frame.data.append(reinterpret_cast<const char*>(m_packet->data), m_packet->size);
        frame.key = frame.key || (m_packet->flags & AV_PKT_FLAG_KEY);
        av_packet_unref(m_packet);
    }
    return frame;
}

void H264TestEncoder::makeCameraLike(int index)
{
    // The whole picture pans 4 pixels a frame (chroma 2), wrapping round.
    for (int plane = 0; plane < 3; ++plane) {
        const int width = plane == 0 ? m_width : (m_width + 1) / 2;
        const int height = plane == 0 ? m_height : (m_height + 1) / 2;
        const int shift = (index * (plane == 0 ? 4 : 2)) % width;
        QByteArray row(width, Qt::Uninitialized);
        for (int y = 0; y < height; ++y) {
            uint8_t* line = m_picture->data[plane] + qsizetype(y) * m_picture->linesize[plane];
            std::copy(line, line + width, row.begin());
            std::copy(row.cbegin() + shift, row.cend(), line);
            std::copy(row.cbegin(), row.cbegin() + shift, line + width - shift);
        }
    }
    // Sensor noise: every luma sample up to 6 steps off, differently each
    // frame and channel, yet the same in every run.
    uint64_t state = 0x9E3779B97F4A7C15ULL * uint64_t(index + 1) ^ uint64_t(m_channel + 1) << 32;
    for (int y = 0; y < m_height; ++y) {
        uint8_t* line = m_picture->data[0] + qsizetype(y) * m_picture->linesize[0];
        for (int x = 0; x < m_width; ++x) {
            state ^= state << 13;
            state ^= state >> 7;
            state ^= state << 17;
            line[x] = static_cast<uint8_t>(std::clamp(int(line[x]) + int(state % 13) - 6, 16, 235));
        }
    }
}

QList<H264TestEncoder::Frame> H264TestEncoder::encode(int count)
{
    QList<Frame> frames;
    for (int i = 0; i < count; ++i)
        frames.append(encodeNext());
    return frames;
}

QImage H264TestEncoder::pattern(int width, int height, int index, int channel)
{
    QImage image(width, height, QImage::Format_RGB888);
    const int top = bandTop(height);
    const int shift = ((channel % 8) + 8) % 8;
    image.fill(channel >= 8 ? kHighBand : kBand);
    for (int y = 0; y < top; ++y) {
        uchar* row = image.scanLine(y);
        for (int x = 0; x < width; ++x) {
            const QRgb colour = kBars[(x * 8 / width + shift) % 8];
            row[3 * x] = static_cast<uchar>(qRed(colour));
            row[3 * x + 1] = static_cast<uchar>(qGreen(colour));
            row[3 * x + 2] = static_cast<uchar>(qBlue(colour));
        }
    }
    const int size = blockSize(height);
    const int left = blockLeft(width, height, index);
    const int blockTop = top + (height - top - size) / 2;
    for (int y = blockTop; y < blockTop + size && y < height; ++y) {
        uchar* row = image.scanLine(y);
        for (int x = left; x < left + size && x < width; ++x) {
            row[3 * x] = static_cast<uchar>(qRed(kBlock));
            row[3 * x + 1] = static_cast<uchar>(qGreen(kBlock));
            row[3 * x + 2] = static_cast<uchar>(qBlue(kBlock));
        }
    }
    return image;
}

bool H264TestEncoder::matchesPattern(
    const uchar* rgb, int width, int height, int index, int tolerance, QString* why, int channel)
{
    if (!rgb || width <= 0 || height <= 0) {
        if (why)
            *why = QStringLiteral("no picture");
        return false;
    }
    const QImage expected = pattern(width, height, index, channel);
    QList<QPoint> points;
    const int barWidth = width / 8;
    const int top = bandTop(height);
    for (int bar = 0; bar < 8; ++bar) {
        for (int row = 1; row <= 3; ++row)
            points.append(QPoint(bar * barWidth + barWidth / 2, top * row / 4));
    }
    const int size = blockSize(height);
    const int blockTop = top + (height - top - size) / 2;
    const int left = blockLeft(width, height, index);
    points.append(QPoint(left + size / 2, blockTop + size / 2));
    const int elsewhere = left + size / 2 > width / 2 ? size / 2 : width - size / 2;
    points.append(QPoint(elsewhere, blockTop + size / 2));

    for (const QPoint& point : points) {
        const uchar* got = rgb + (static_cast<qsizetype>(point.y()) * width + point.x()) * 3;
        const uchar* want = expected.constScanLine(point.y()) + point.x() * 3;
        for (int c = 0; c < 3; ++c) {
            if (std::abs(int(got[c]) - int(want[c])) > tolerance) {
                if (why) {
                    *why = QStringLiteral("frame %1 at (%2,%3): got %4,%5,%6 want %7,%8,%9")
                               .arg(index)
                               .arg(point.x())
                               .arg(point.y())
                               .arg(got[0])
                               .arg(got[1])
                               .arg(got[2])
                               .arg(want[0])
                               .arg(want[1])
                               .arg(want[2]);
                }
                return false;
            }
        }
    }
    return true;
}

bool H264TestEncoder::tileShowsPattern(
    const QImage& shot, const QRect& tile, int width, int height, int channel, QRectF shown)
{
    if (shown.isNull())
        shown = QRectF(0, 0, width, height);
    const QImage expected = pattern(width, height, 0, channel);
    QList<QPointF> points;
    for (int bar = 0; bar < 8; ++bar)
        points << QPointF((bar + 0.5) * width / 8, height * 3.0 / 8);
    points << QPointF(width / 2.0, height - 6);
    for (const QPointF& p : points) {
        if (!shown.contains(p))
            continue;
        const QRgb got = shot.pixel(tile.left() + int((p.x() - shown.left()) * tile.width() / shown.width()),
            tile.top() + int((p.y() - shown.top()) * tile.height() / shown.height()));
        const QRgb want = expected.pixel(int(p.x()), int(p.y()));
        if (qAbs(qRed(got) - qRed(want)) > 48 || qAbs(qGreen(got) - qGreen(want)) > 48
            || qAbs(qBlue(got) - qBlue(want)) > 48)
            return false;
    }
    return true;
}
