#pragma once

#include "dvr_protocol/cal_data.pb.h"

namespace cgi::cal_data {

// Joins the next recorded span into the span being built when they meet on
// the same minute with the same channels and record kinds. Returns 0 when
// `next` was taken in (or holds no channel), -1 when it must start a new span.
int Comp(CalItem* building, const CalItem& next);

} // namespace cgi::cal_data
