#pragma once

#include <cstdint>
#include <deque>
#include <shared_mutex>

// The display speed meter: bytes and pictures drawn per second over the last
// 60 whole seconds. Written from any thread, read and reset by the main window.
class CCheckSpeed {
public:
    struct Data {
        uint64_t bytes = 0;
        uint64_t pictures = 0;
        bool operator==(const Data& other) const { return bytes == other.bytes && pictures == other.pictures; }
    };

    // What the read-out shows at a moment. While the meter settles after a
    // reset the seconds are none while the first picture is awaited, then
    // those counted before the reset: no figure or the last one, never a
    // count of the settling seconds.
    struct Reading {
        std::deque<Data> seconds;
        bool settling = false;
    };

    static constexpr int kHistorySeconds = 60;
    // The seconds after a reset that are not counted, and that the read-out
    // waits for a first picture before it reads a wall as not drawing.
    static constexpr int kSettleSeconds = 2;

    CCheckSpeed() = default;
    CCheckSpeed(const CCheckSpeed&) = delete;
    CCheckSpeed& operator=(const CCheckSpeed&) = delete;

    // Counts one drawn picture of `bytes` bytes at `now` (seconds since 1970;
    // 0 means the current time). Pictures of the first kSettleSeconds
    // seconds after a reset, a decoder's start rather than its pace, and
    // pictures older than the second being counted are not counted.
    void addData(unsigned long bytes, long now = 0);

    // Starts the count over at `now` (seconds since 1970; 0 means the
    // current time), keeping the last figure for the settling seconds.
    void reset(long now = 0);

    // One entry per finished second, oldest first.
    std::deque<Data> history() const;
    // The reading at `now` (seconds since 1970; 0 means the current time).
    // The seconds since the last picture count as finished without
    // pictures, so a wall that stopped drawing never reads as drawing.
    Reading readingAt(long now = 0) const;

private:
    // Both with the lock held.
    std::deque<Data> countedAt(int64_t now) const;
    Reading readingLocked(int64_t now) const;

    // Writers take it exclusively, readers shared.
    mutable std::shared_mutex m_lock;
    Data m_current;
    std::deque<Data> m_history;
    int64_t m_currentSecond = 0;
    // The second of the last reset, 0 before the first.
    int64_t m_resetSecond = 0;
    // The seconds counted before the reset, read while the meter settles.
    std::deque<Data> m_previous;
};

extern CCheckSpeed gCheckSpeed;
