#pragma once

#include "Common/CDecodeVideo.h"
#include "Display/DisplayChannelInfo.h"

#include <boost/thread/condition_variable.hpp>
#include <boost/thread/mutex.hpp>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>

// The frames of one channel on their way to the thread that decodes them:
// whole frames back to back in one fixed buffer, with the channel record of
// each. Each frame is followed by kPadding zero bytes, so the decoder reads
// it where it lies (its bit reader reads whole words past the end) rather
// than from a padded copy. One consumer. Local playback's file reader waits while the queue is
// full (push); a streaming link never waits and is told when there is no room
// (tryPush).
class CFrameQueue {
public:
    static constexpr std::size_t kCapacity = 0x100000;
    // The producer waits while this much is queued.
    static constexpr std::size_t kHighWater = 0xC0000;
    // Zero bytes behind every frame: what the decoder may read past it.
    static constexpr std::size_t kPadding = CDecodeVideo::kInputPadding;

    struct Front {
        // Valid until popFront.
        const unsigned char* data = nullptr;
        std::size_t length = 0;
        // The frame is followed by kPadding zero bytes: every frame taken
        // from a queue is.
        bool padded = false;
        _DISPLAY_CHANNEL_INFO info;
    };

    CFrameQueue() = default;
    CFrameQueue(const CFrameQueue&) = delete;
    CFrameQueue& operator=(const CFrameQueue&) = delete;

    // Allocates the buffer and starts empty.
    void open();
    // Drops every queued frame and frees the buffer, unless the consumer
    // still works on its frame (it then goes when the consumer is done with
    // it, even when the queue is opened again meanwhile); producers waiting
    // for room wake up and drop their frames.
    void close();
    bool isOpen() const;

    // Appends a copy of the frame. Waits while kHighWater bytes or more are
    // queued, while the frame would not fit behind them, or while maxFrames
    // frames (the consumer's included) are queued. False (the frame is
    // dropped) when the queue is closed, or closed and opened again, before
    // the frame went in, or when it could never fit.
    bool push(const unsigned char* data, std::size_t length, const _DISPLAY_CHANNEL_INFO& info,
        std::size_t maxFrames = SIZE_MAX);

    // Appends a copy of the frame without waiting. False (nothing queued)
    // when the queue is closed, holds maxFrames frames, or push would wait.
    bool tryPush(
        const unsigned char* data, std::size_t length, const _DISPLAY_CHANNEL_INFO& info, std::size_t maxFrames);
    // Drops the queued frames, all but the one the consumer is working on.
    void dropQueued();

    // Waits for the oldest frame; an interruption point of the calling boost
    // thread. False when the queue is closed. The frame stays the consumer's
    // until popFront or the next waitFront.
    bool waitFront(Front& front);
    enum class Waited { Frame, Closed, Idle };
    // As waitFront, but gives up (Idle) when no frame came within idleMs.
    Waited waitFrontFor(Front& front, int idleMs);
    // Closes the queue, as close does, when it holds no frame; false, and
    // nothing changes, when it holds one.
    bool closeIfEmpty();
    // The consumer is done with its frame. A frame queued after the queue
    // was closed and opened again is not the consumer's and stays.
    void popFront();

    std::size_t fillLevel() const;
    std::size_t frameCount() const;

private:
    // close, or closeIfEmpty.
    bool shut(bool onlyWhenEmpty);
    // Both with m_mutex held. A frame fits behind the queued ones, or in
    // front of them once they are moved to the buffer's start, which is
    // done only while the consumer reads none of them.
    bool fits(std::size_t length) const;
    void append(const unsigned char* data, std::size_t length, const _DISPLAY_CHANNEL_INFO& info);
    // Moves the queued frames to the buffer's start; m_mutex held, no frame
    // taken.
    void compact();

    mutable boost::mutex m_mutex;
    boost::condition_variable m_data;
    boost::condition_variable m_space;
    std::unique_ptr<unsigned char[]> m_buffer;
    // The frames' bytes, padding not counted.
    std::size_t m_fill = 0;
    // Where the first frame starts and where the last one's padding ends.
    std::size_t m_start = 0;
    std::size_t m_end = 0;
    std::deque<std::size_t> m_lengths;
    std::deque<_DISPLAY_CHANNEL_INFO> m_infos;
    bool m_open = false;
    // The consumer is working on the first frame.
    bool m_frontTaken = false;
    // The buffer of a closed queue whose frame the consumer still reads.
    std::unique_ptr<unsigned char[]> m_consumersBuffer;
    uint64_t m_session = 0;
};
