#pragma once

#include "Display/CDisplayInfo.h"
#include "Display/CDisplayVideo.h"

#include <QList>
#include <array>
#include <functional>
#include <mutex>
#include <optional>
#include <vector>

// Hands the records that the decoding threads make to the GUI thread,
// coalesced: of each screen only the newest picture waits, behind the newest
// record without a picture (a status, or a tile emptied) that came before
// it, so a status is never lost to a picture that followed it. `ready` runs
// once when the first record comes while none waits; the GUI thread then
// takes everything at once. However slow the GUI thread, what waits never
// grows beyond two records a screen and one call of `ready`.
//
// post runs on any thread, take on the thread that `ready` wakes. A record
// of a screen the decoding makes no records of (outside 0 to
// CDisplayVideo::kScreens - 1) is not handed over.
class CRecordHandOff {
public:
    explicit CRecordHandOff(std::function<void()> ready);
    CRecordHandOff(const CRecordHandOff&) = delete;
    CRecordHandOff& operator=(const CRecordHandOff&) = delete;

    void post(const CDisplayInfo& record);
    // What waits, screen by screen in the order the screens first had
    // something waiting; each screen's record without a picture comes before
    // its picture.
    QList<CDisplayInfo> take();

private:
    struct Waiting {
        std::optional<CDisplayInfo> state;
        std::optional<CDisplayInfo> picture;
    };

    const std::function<void()> m_ready;
    std::mutex m_mutex;
    std::array<Waiting, CDisplayVideo::kScreens> m_screens;
    std::vector<int> m_order;
};
