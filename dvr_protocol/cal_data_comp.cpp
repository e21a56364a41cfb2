#include "cal_data_comp.h"

#include "dvr_types/KAssert.h"

#include <algorithm>
#include <cstdint>

namespace cgi::cal_data {

namespace {

// Times are unsigned 32-bit; 64-bit arithmetic keeps rounding up near the top
// of the range from overflowing.
std::int64_t minuteUp(std::uint32_t time)
{
    return (static_cast<std::int64_t>(time) + 59) / 60 * 60;
}

std::int64_t minuteDown(std::uint32_t time)
{
    return static_cast<std::int64_t>(time) / 60 * 60;
}

} // namespace

int Comp(CalItem* building, const CalItem& next)
{
    K_ASSERT(building != NULL, "cal_data_comp.cpp");
    if (next.record_chmask() == 0)
        return 0;
    if (building->start_time() == 0 || building->end_time() == 0) {
        building->CopyFrom(next);
        return 0;
    }
    if (minuteUp(building->end_time()) != minuteDown(next.start_time()))
        return -1;
    if (building->record_chmask() != next.record_chmask())
        return -1;
    const auto& mine = building->record_reason();
    const auto& theirs = next.record_reason();
    if (mine.size() != theirs.size() || !std::equal(mine.begin(), mine.end(), theirs.begin()))
        return -1;
    building->set_end_time(next.end_time());
    return 0;
}

} // namespace cgi::cal_data
