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

    static constexpr int kHistorySeconds = 60;

    CCheckSpeed() = default;
    CCheckSpeed(const CCheckSpeed&) = delete;
    CCheckSpeed& operator=(const CCheckSpeed&) = delete;

    // Counts one drawn picture of `bytes` bytes at `now` (seconds since 1970;
    // 0 means the current time). Pictures of the first two seconds after a
    // reset and pictures older than the second being counted are not counted.
    void addData(unsigned long bytes, long now = 0);

    void reset();

    // One entry per finished second, oldest first.
    std::deque<Data> history() const;
    // The same as at `now` (seconds since 1970; 0 means the current time):
    // the seconds since the last picture finished without pictures, so a
    // wall that stopped drawing never reads as drawing.
    std::deque<Data> historyAt(long now = 0) const;

private:
    // Writers take it exclusively, readers shared.
    mutable std::shared_mutex m_lock;
    Data m_current;
    std::deque<Data> m_history;
    int64_t m_currentSecond = 0;
};

extern CCheckSpeed gCheckSpeed;
