#include "KTimeVal.h"

#include "dvr_types/KAssert.h"

#include <chrono>
#include <cmath>

KTimeVal KTimeVal::GetSystemTv()
{
    using namespace std::chrono;
    const auto sinceEpoch = duration_cast<microseconds>(system_clock::now().time_since_epoch()).count();
    return KTimeVal{sinceEpoch / 1000000, static_cast<int>(sinceEpoch % 1000000)};
}

KTimeVal KTimeVal::operator/(double f) const
{
    // Playback speed factors lie between 1/4 and 256; anything near zero is a
    // caller's mistake that would overflow the quotient.
    K_ASSERT(std::fabs(f) >= 1.0 / 1024, "dvr_types/KTimeVal");
    const std::int64_t ms = sec * 1000 + usec / 1000;
    const auto q = static_cast<std::int64_t>(static_cast<double>(ms) / f);
    return KTimeVal{q / 1000, static_cast<int>(q % 1000) * 1000};
}
