#pragma once

#include "dvr_types/KTimeVal.h"

// Pacing state of one channel of local playback: how far the stream time has
// run ahead of the wall clock since pacing started, in either playback
// direction. A zero last frame time or last system time means "not started";
// assigning PtsDelay() resets it.
struct PtsDelay {
    KTimeVal delay;
    KTimeVal lastPts;
    KTimeVal lastSystemTime;

    // The delay this frame would leave, without changing the state.
    KTimeVal GetDelay(const KTimeVal& pts, const KTimeVal& now) const;
    // Applies the frame to the state.
    void Update(const KTimeVal& pts, const KTimeVal& now);

private:
    bool IsStarted() const;
};
