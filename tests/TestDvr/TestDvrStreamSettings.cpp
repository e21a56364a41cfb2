#include "TestDvrStreamSettings.h"

#include <iterator>

namespace {

const char* const FAULT_NAMES[] = {"none", "refuse", "garbage", "bad-length", "oversize", "split", "close-after",
    "silence", "slow-drip", "corrupt-video", "lying-headers", "short-names"};

} // namespace

bool TestDvrStreamSettings::faultFromName(const QString& name, Fault* fault)
{
    for (int i = 0; i < int(std::size(FAULT_NAMES)); ++i) {
        if (name == QLatin1String(FAULT_NAMES[i])) {
            *fault = static_cast<Fault>(i);
            return true;
        }
    }
    return false;
}
