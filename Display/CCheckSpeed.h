#pragma once

#include <QCoreApplication>
#include <QString>
#include <chrono>
#include <cstdint>
#include <deque>
#include <optional>
#include <shared_mutex>

// The display speed meter and its read-out: the pictures the wall draws and
// their bytes, counted from the first picture after the last reset over at
// most the last 60 seconds, and the text the main window shows of them. The
// main window resets it whenever the wall's content changes, so that a figure
// shown is always the figure of the wall that is drawn: after a reset it shows
// none until the new wall has one. Written from any thread, reset and read
// from any; never fails.
class CCheckSpeed {
    Q_DECLARE_TR_FUNCTIONS(CCheckSpeed)

public:
    using Clock = std::chrono::steady_clock;

    static constexpr int kHistorySeconds = 60;
    // A wall that draws no picture for this long after a reset or after its
    // last picture (or for twice its mean time between pictures, when that
    // is longer) reads as not drawing.
    static constexpr std::chrono::milliseconds kQuiet{2000};
    // The shortest stretch of pictures a rate is read from: a shorter one is
    // a decoder's start rather than its pace.
    static constexpr std::chrono::milliseconds kShortestSpan{250};

    CCheckSpeed() = default;
    CCheckSpeed(const CCheckSpeed&) = delete;
    CCheckSpeed& operator=(const CCheckSpeed&) = delete;

    // Counts one drawn picture of `bytes` bytes, drawn now or at `at`. The
    // first picture after a reset opens the count and is not counted itself:
    // the wait for it is no part of the wall's pace.
    void addData(unsigned long bytes) { addData(bytes, Clock::now()); }
    void addData(unsigned long bytes, Clock::time_point at);

    // The wall's content changed now or at `at`: nothing counted before
    // belongs to the wall that is drawn from then on.
    void reset() { reset(Clock::now()); }
    void reset(Clock::time_point at);

    // What the read-out shows now or at `at`: "<pictures a second> FPS /
    // <bytes a picture>", the rate whole from 10 a second up and to two
    // significant digits below ("0.5 FPS"); "0 FPS / 0" for a wall that draws
    // nothing; empty while the wall's figure is not known yet.
    QString readOut() const { return readOut(Clock::now()); }
    QString readOut(Clock::time_point at) const;

private:
    struct Data {
        uint64_t bytes = 0;
        uint64_t pictures = 0;
    };
    struct Figure {
        double perSecond = 0;
        uint64_t bytesPerPicture = 0;
    };

    // With the lock held. No figure while the wall's is not known yet.
    std::optional<Figure> figureLocked(Clock::time_point at) const;

    // Writers take it exclusively, readers shared.
    mutable std::shared_mutex m_lock;
    // The last reset; none before the first.
    std::optional<Clock::time_point> m_reset;
    // The picture that opened the count; none since the reset.
    std::optional<Clock::time_point> m_first;
    Clock::time_point m_last;
    // One entry per second since the first picture, at most the last
    // kHistorySeconds of them; m_dropped seconds went before the first kept.
    std::deque<Data> m_seconds;
    int64_t m_dropped = 0;
};

extern CCheckSpeed gCheckSpeed;
