#include "Common/CVideoPicture.h"

extern "C" {
#include <libavutil/frame.h>
#include <libavutil/pixdesc.h>
}

struct CVideoPicture::Slot {
    Pool* pool = nullptr;
    AVFrame* frame = nullptr;
    // make(): the slot's own buffer, kept from use to use. share(): a
    // reference to a decoder's frame, dropped when the picture is released.
    bool ownBuffer = false;
    std::atomic<int> refs{0};
    // Set only after the release has finished with the frame, so that the
    // owner never reuses a slot another thread is still letting go of.
    std::atomic<bool> free{true};

    ~Slot() { av_frame_free(&frame); }
};

CVideoPicture::CVideoPicture(const CVideoPicture& other)
    : m_slot(other.m_slot)
{
    if (m_slot)
        m_slot->refs.fetch_add(1, std::memory_order_relaxed);
}

CVideoPicture::CVideoPicture(CVideoPicture&& other) noexcept
    : m_slot(other.m_slot)
{
    other.m_slot = nullptr;
}

CVideoPicture& CVideoPicture::operator=(CVideoPicture other) noexcept
{
    std::swap(m_slot, other.m_slot);
    return *this;
}

CVideoPicture::~CVideoPicture()
{
    if (m_slot && m_slot->refs.fetch_sub(1, std::memory_order_acq_rel) == 1)
        m_slot->pool->slotReleased(m_slot);
}

int CVideoPicture::width() const
{
    return m_slot ? m_slot->frame->width : 0;
}

int CVideoPicture::height() const
{
    return m_slot ? m_slot->frame->height : 0;
}

AVPixelFormat CVideoPicture::format() const
{
    return m_slot ? static_cast<AVPixelFormat>(m_slot->frame->format) : AV_PIX_FMT_NONE;
}

bool CVideoPicture::isPlanarYuv() const
{
    const AVPixelFormat f = format();
    return f == AV_PIX_FMT_YUV420P || f == AV_PIX_FMT_YUVJ420P;
}

bool CVideoPicture::isFullRange() const
{
    return m_slot && (m_slot->frame->format == AV_PIX_FMT_YUVJ420P || m_slot->frame->color_range == AVCOL_RANGE_JPEG);
}

const uint8_t* CVideoPicture::data(int plane) const
{
    return m_slot && plane >= 0 && plane < AV_NUM_DATA_POINTERS ? m_slot->frame->data[plane] : nullptr;
}

int CVideoPicture::stride(int plane) const
{
    return m_slot && plane >= 0 && plane < AV_NUM_DATA_POINTERS ? m_slot->frame->linesize[plane] : 0;
}

CVideoPicture::Pool* CVideoPicture::Pool::create()
{
    return new Pool;
}

void CVideoPicture::Pool::release()
{
    unref();
}

CVideoPicture::Pool::~Pool() = default;

void CVideoPicture::Pool::unref()
{
    if (m_refs.fetch_sub(1, std::memory_order_acq_rel) == 1)
        delete this;
}

CVideoPicture::Slot* CVideoPicture::Pool::freeSlot()
{
    for (const auto& slot : m_slots) {
        if (slot->free.load(std::memory_order_acquire))
            return slot.get();
    }
    auto slot = std::make_unique<Slot>();
    slot->pool = this;
    slot->frame = av_frame_alloc();
    if (!slot->frame)
        return nullptr;
    m_slots.push_back(std::move(slot));
    return m_slots.back().get();
}

CVideoPicture CVideoPicture::Pool::handOut(Slot* slot)
{
    slot->free.store(false, std::memory_order_relaxed);
    slot->refs.store(1, std::memory_order_relaxed);
    m_refs.fetch_add(1, std::memory_order_relaxed);
    m_inUse.fetch_add(1, std::memory_order_release);
    return CVideoPicture(slot);
}

void CVideoPicture::Pool::slotReleased(Slot* slot)
{
    if (!slot->ownBuffer)
        av_frame_unref(slot->frame);
    m_inUse.fetch_sub(1, std::memory_order_release);
    slot->free.store(true, std::memory_order_release);
    unref();
}

CVideoPicture CVideoPicture::Pool::share(const AVFrame* frame)
{
    Slot* slot = freeSlot();
    if (!slot)
        return {};
    if (slot->ownBuffer) {
        av_frame_unref(slot->frame);
        slot->ownBuffer = false;
    }
    if (av_frame_ref(slot->frame, frame) < 0)
        return {};
    return handOut(slot);
}

CVideoPicture CVideoPicture::Pool::make(int width, int height, AVPixelFormat format, AVFrame** target)
{
    Slot* slot = freeSlot();
    if (!slot)
        return {};
    AVFrame* frame = slot->frame;
    const bool fits = slot->ownBuffer && frame->width == width && frame->height == height && frame->format == format;
    if (!fits) {
        av_frame_unref(frame);
        slot->ownBuffer = true;
        frame->width = width;
        frame->height = height;
        frame->format = format;
        // Alignment 1: packed rows back to back, as owners of decoded
        // pictures expect them.
        if (av_frame_get_buffer(frame, 1) < 0) {
            av_frame_unref(frame);
            slot->ownBuffer = false;
            return {};
        }
    }
    *target = frame;
    return handOut(slot);
}

void CVideoPicture::Pool::releaseFreeBuffers()
{
    for (const auto& slot : m_slots) {
        if (slot->free.load(std::memory_order_acquire) && slot->ownBuffer) {
            av_frame_unref(slot->frame);
            slot->ownBuffer = false;
        }
    }
}
