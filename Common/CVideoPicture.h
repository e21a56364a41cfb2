#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

extern "C" {
#include <libavutil/pixfmt.h>
}

struct AVFrame;

// A decoded picture, shared read-only between the decoder that made it and
// whoever shows it. Its pixels stay untouched until the last copy is gone:
// only then does the picture go back to its pool for a later frame. Copies
// are cheap (a reference count) and may be made and dropped on any thread.
//
// A picture is packed (one plane, e.g. RGB24) or planar YUV 4:2:0 (three
// planes: luma at full size, the two chroma planes at half width and half
// height, rounded up).
class CVideoPicture {
public:
    class Pool;

    CVideoPicture() = default;
    CVideoPicture(const CVideoPicture& other);
    CVideoPicture(CVideoPicture&& other) noexcept;
    CVideoPicture& operator=(CVideoPicture other) noexcept;
    ~CVideoPicture();

    bool isNull() const { return m_slot == nullptr; }
    int width() const;
    int height() const;
    AVPixelFormat format() const;
    bool isPlanarYuv() const;
    // Planar YUV only: the samples span 0-255 rather than the studio range
    // (16-235 luma, 16-240 chroma).
    bool isFullRange() const;
    const uint8_t* data(int plane) const;
    int stride(int plane) const;

    // The same picture (not merely equal pixels).
    bool operator==(const CVideoPicture& other) const { return m_slot == other.m_slot; }
    bool operator!=(const CVideoPicture& other) const { return m_slot != other.m_slot; }

private:
    struct Slot;
    // Takes over a reference already counted.
    explicit CVideoPicture(Slot* slot)
        : m_slot(slot)
    {
    }

    Slot* m_slot = nullptr;
};

// The pictures of one decoder entry: a few slots used over and over, so that
// decoding allocates no picture memory once a stream runs. A slot is free
// again only when every copy of its picture is gone, so a picture handed to
// another thread is never written while it is shown there.
//
// The owner (the one thread at a time that feeds the entry) takes pictures
// from the pool; copies are released on any thread. The pool grows by a slot
// when all are out, so it holds as many pictures as its users keep at once
// and never more: its users bound that (a live wall slot keeps at most four,
// see CDisplayVideo), and a decoder entry that lets go takes a new pool. It
// outlives its owner while pictures are out and goes with the last one.
class CVideoPicture::Pool {
public:
    // A pool holding its owner's reference; the owner gives it up by release.
    static Pool* create();
    void release();

    // A new reference to a decoded frame: nothing is copied, the frame's
    // buffers stay as they are until the picture is gone.
    CVideoPicture share(const AVFrame* frame);
    // A picture with a buffer of its own, width x height in format, which the
    // owner fills through `target` before handing the picture out. Null when
    // no such buffer can be had.
    CVideoPicture make(int width, int height, AVPixelFormat format, AVFrame** target);
    // Drops the buffers of free slots, which a change of size leaves unfit.
    void releaseFreeBuffers();

    // Pictures out now, whoever holds them.
    int inUse() const { return m_inUse.load(std::memory_order_acquire); }

private:
    friend class CVideoPicture;

    Pool() = default;
    ~Pool();
    Pool(const Pool&) = delete;
    Pool& operator=(const Pool&) = delete;

    Slot* freeSlot();
    CVideoPicture handOut(Slot* slot);
    void slotReleased(Slot* slot);
    void unref();

    // The owner's reference and one per slot in use.
    std::atomic<int> m_refs{1};
    std::atomic<int> m_inUse{0};
    std::vector<std::unique_ptr<Slot>> m_slots;
};
