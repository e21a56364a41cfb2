#include "PtsDelay.h"

namespace {

bool isZero(const KTimeVal& t)
{
    return t.sec == 0 && t.usec == 0;
}

// a - b with the microseconds kept in 0..999 999 by borrowing a second.
KTimeVal subtract(const KTimeVal& a, const KTimeVal& b)
{
    KTimeVal d{a.sec - b.sec, a.usec - b.usec};
    if (d.usec < 0) {
        d.usec += 1000000;
        d.sec -= 1;
    }
    return d;
}

KTimeVal absolute(const KTimeVal& t)
{
    if (t.sec >= 0)
        return t;
    if (t.usec == 0)
        return KTimeVal{-t.sec, 0};
    return KTimeVal{-t.sec - 1, 1000000 - t.usec};
}

KTimeVal add(const KTimeVal& a, const KTimeVal& b)
{
    KTimeVal s{a.sec + b.sec, a.usec + b.usec};
    if (s.usec > 999999) {
        s.usec -= 1000000;
        s.sec += 1;
    }
    return s;
}

} // namespace

bool PtsDelay::IsStarted() const
{
    return !isZero(lastPts) && !isZero(lastSystemTime);
}

KTimeVal PtsDelay::GetDelay(const KTimeVal& pts, const KTimeVal& now) const
{
    if (!IsStarted())
        return KTimeVal{};
    const KTimeVal streamStep = absolute(subtract(pts, lastPts));
    const KTimeVal clockStep = subtract(now, lastSystemTime);
    return add(delay, subtract(streamStep, clockStep));
}

void PtsDelay::Update(const KTimeVal& pts, const KTimeVal& now)
{
    delay = GetDelay(pts, now);
    lastPts = pts;
    lastSystemTime = now;
}
