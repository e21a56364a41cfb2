#include "CH264Decoder.h"

#include "dvr_types/KAssert.h"

#include <cstdio>
#include <cstring>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/imgutils.h>
#include <libswscale/swscale.h>
}

std::mutex CH264Decoder::m_avcodec_open_mutex;

static_assert(CH264Decoder::kInputPadding >= AV_INPUT_BUFFER_PADDING_SIZE, "libavcodec reads further");

struct CH264Decoder::Channel {
    AVCodecContext* context = nullptr;
    SwsContext* scaler = nullptr;
    AVFrame* decoded = nullptr;
    AVPacket* packet = nullptr;
    bool opened = false;

    int width = 0;
    int height = 0;
    AVPixelFormat format = AV_PIX_FMT_NONE;
    std::size_t pictureBytes = 0;

    CVideoPicture::Pool* pool = CVideoPicture::Pool::create();
    CVideoPicture last;
    // Grows to the largest unpadded frame so far and is then reused.
    std::vector<uint8_t> input;

    Channel() = default;
    Channel(const Channel&) = delete;
    Channel& operator=(const Channel&) = delete;
    ~Channel()
    {
        avcodec_free_context(&context);
        sws_freeContext(scaler);
        av_frame_free(&decoded);
        av_packet_free(&packet);
        last = CVideoPicture();
        // Pictures still held elsewhere keep the pool until they are gone.
        pool->release();
    }
};

namespace {
// The decoder's own frames can be handed out as they are.
bool sameLayout(int frameFormat, AVPixelFormat wanted)
{
    return frameFormat == wanted || (wanted == AV_PIX_FMT_YUV420P && frameFormat == AV_PIX_FMT_YUVJ420P);
}
} // namespace

CH264Decoder::CH264Decoder() = default;

CH264Decoder::~CH264Decoder()
{
    Deinit();
}

void CH264Decoder::Init(int maxChannel)
{
    Deinit();
    m_MaxChannel = maxChannel > 0 ? maxChannel : 0;
    m_channels.resize(m_MaxChannel);
    for (auto& channel : m_channels)
        channel = std::make_unique<Channel>();
}

void CH264Decoder::Deinit()
{
    m_channels.clear();
    m_MaxChannel = 0;
}

void CH264Decoder::ReleaseChannel(int ch)
{
    K_ASSERT(ch >= 0 && ch < m_MaxChannel, "ch < m_MaxChannel");
    m_channels[ch] = std::make_unique<Channel>();
}

void CH264Decoder::CloseChannel(Channel& channel)
{
    avcodec_free_context(&channel.context);
    channel.opened = false;
}

bool CH264Decoder::SetupCodec(int ch, int width, int height, const AVCodecID& codecId)
{
    K_ASSERT(ch >= 0 && ch < m_MaxChannel, "ch < m_MaxChannel");
    Channel& channel = *m_channels[ch];
    CloseChannel(channel);
    channel.pictureBytes = 0;

    const AVPixelFormat format = m_outputFormat.load();
    if (width != channel.width || height != channel.height || format != channel.format)
        channel.pool->releaseFreeBuffers();
    if (width <= 0 || height <= 0 || width > 8192 || height > 8192)
        return false;
    const int bytes = av_image_get_buffer_size(format, width, height, 1);
    if (bytes <= 0 || static_cast<std::size_t>(bytes) > kMaxPictureBytes)
        return false;

    const AVCodec* codec = avcodec_find_decoder(codecId);
    if (!codec)
        return false;
    channel.context = avcodec_alloc_context3(codec);
    if (!channel.context)
        return false;
    channel.context->width = width;
    channel.context->height = height;
    channel.context->codec_type = AVMEDIA_TYPE_VIDEO;
    channel.context->codec_id = codecId;
    // Live pictures are shown as they arrive: no frame threads (each adds a
    // frame of delay) and no reordering delay (DVR streams carry no B frames).
    channel.context->thread_count = 1;
    channel.context->flags |= AV_CODEC_FLAG_LOW_DELAY;
    // A hostile stream must not make the codec allocate more than the
    // largest picture the channel is meant to show.
    channel.context->max_pixels = kMaxPictureBytes / 3;

    {
        // Opening codecs from several threads at once is not safe.
        std::lock_guard<std::mutex> lock(m_avcodec_open_mutex);
        channel.opened = avcodec_open2(channel.context, codec, nullptr) >= 0;
    }
    if (!channel.opened) {
        CloseChannel(channel);
        return false;
    }

    if (!channel.decoded)
        channel.decoded = av_frame_alloc();
    if (!channel.packet)
        channel.packet = av_packet_alloc();
    if (!channel.decoded || !channel.packet) {
        CloseChannel(channel);
        return false;
    }

    channel.width = width;
    channel.height = height;
    channel.format = format;
    channel.pictureBytes = bytes;
    return true;
}

namespace {
// The caller's memory is the caller's to free.
void keepBuffer(void*, uint8_t*) { }
} // namespace

long CH264Decoder::DecodeFrame(int ch, const uint8_t* data, std::size_t length, bool padded)
{
    K_ASSERT(ch >= 0 && ch < m_MaxChannel, "ch < m_MaxChannel");
    Channel& channel = *m_channels[ch];
    if (!channel.opened)
        return 0;
    // The packet's buffer holds the input and its padding, counted in an int.
    if (!data || length == 0 || length > static_cast<std::size_t>(INT32_MAX) - kInputPadding)
        return kDecodeError;

    const uint8_t* input = data;
    if (!padded) {
        // libavcodec reads past the end of its input in whole words: hand it
        // a copy followed by zeroed padding.
        const std::size_t needed = length + kInputPadding;
        if (channel.input.size() < needed)
            channel.input.resize(needed);
        std::memcpy(channel.input.data(), data, length);
        std::memset(channel.input.data() + length, 0, kInputPadding);
        input = channel.input.data();
    }
    // A packet with a buffer of its own is only referenced by the codec; one
    // without would be copied into memory allocated and freed per frame. The
    // buffer wraps the input where it lies, at the cost of two small
    // allocations per packet (the buffer and its reference): no more
    // allocations than the copy would make (bench_VideoDecode counts them),
    // and no copy of the frame.
    channel.packet->buf = av_buffer_create(
        const_cast<uint8_t*>(input), int(length + kInputPadding), keepBuffer, nullptr, AV_BUFFER_FLAG_READONLY);
    if (!channel.packet->buf)
        return kDecodeError;
    channel.packet->data = const_cast<uint8_t*>(input);
    channel.packet->size = static_cast<int>(length);
    const long result = decodePacket(channel);
    // The codec consumes a whole packet before it asks for the next; one it
    // kept would read memory that is not its own once this call returns.
    const bool kept = av_buffer_get_ref_count(channel.packet->buf) > 1;
    av_packet_unref(channel.packet);
    if (kept) {
        avcodec_flush_buffers(channel.context);
        return kDecodeError;
    }
    return result;
}

long CH264Decoder::decodePacket(Channel& channel)
{
    const int sent = avcodec_send_packet(channel.context, channel.packet);
    if (sent < 0 && sent != AVERROR(EAGAIN))
        return kDecodeError;

    bool picture = false;
    bool damaged = false;
    for (;;) {
        const int received = avcodec_receive_frame(channel.context, channel.decoded);
        if (received == AVERROR(EAGAIN) || received == AVERROR_EOF)
            break;
        if (received < 0)
            return kDecodeError;
        damaged = channel.decoded->decode_error_flags != 0 || (channel.decoded->flags & AV_FRAME_FLAG_CORRUPT);
        if (!damaged) {
            CVideoPicture made = makePicture(channel);
            picture = !made.isNull();
            if (picture)
                channel.last = std::move(made);
        }
        av_frame_unref(channel.decoded);
    }
    if (damaged)
        return kDecodeError;
    return picture ? static_cast<long>(channel.pictureBytes) : 0;
}

void CH264Decoder::Flush(int ch)
{
    K_ASSERT(ch >= 0 && ch < m_MaxChannel, "ch < m_MaxChannel");
    Channel& channel = *m_channels[ch];
    if (channel.opened)
        avcodec_flush_buffers(channel.context);
}

CVideoPicture CH264Decoder::makePicture(Channel& channel)
{
    const AVFrame* frame = channel.decoded;
    if (frame->width <= 0 || frame->height <= 0 || frame->format < 0)
        return {};
    if (sameLayout(frame->format, channel.format) && frame->width == channel.width && frame->height == channel.height)
        return channel.pool->share(frame);
    return useSwscaleLibrary(channel);
}

CVideoPicture CH264Decoder::useSwscaleLibrary(Channel& channel)
{
    const AVFrame* frame = channel.decoded;
    // The stream's own picture size may differ from the size its headers
    // announce; the picture is scaled to the announced size.
    channel.scaler
        = sws_getCachedContext(channel.scaler, frame->width, frame->height, static_cast<AVPixelFormat>(frame->format),
            channel.width, channel.height, channel.format, SWS_FAST_BILINEAR, nullptr, nullptr, nullptr);
    if (!channel.scaler) {
        std::printf("[ERROR] Failed to get swscale context.\n");
        return {};
    }
    AVFrame* target = nullptr;
    CVideoPicture picture = channel.pool->make(channel.width, channel.height, channel.format, &target);
    if (picture.isNull())
        return {};
    if (sws_scale(channel.scaler, frame->data, frame->linesize, 0, frame->height, target->data, target->linesize) <= 0)
        return {};
    return picture;
}

const CVideoPicture& CH264Decoder::Picture(int ch) const
{
    K_ASSERT(ch >= 0 && ch < m_MaxChannel, "ch < m_MaxChannel");
    return m_channels[ch]->last;
}

const uint8_t* CH264Decoder::OutputBuffer(int ch) const
{
    return Picture(ch).data(0);
}

int CH264Decoder::PicturesInUse(int ch) const
{
    K_ASSERT(ch >= 0 && ch < m_MaxChannel, "ch < m_MaxChannel");
    return m_channels[ch]->pool->inUse();
}

void CH264Decoder::SetPixelFormat(const AVPixelFormat& format)
{
    m_outputFormat = format;
}

void CH264Decoder::changeOpenglOption(bool opengl)
{
    m_opengl = opengl;
    m_outputFormat = AV_PIX_FMT_RGB24;
}

void CH264Decoder::setDeinterlaced(bool deinterlaced)
{
    m_deinterlaced = deinterlaced;
}
