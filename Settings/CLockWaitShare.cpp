#include "CLockWaitShare.h"

#include "Settings/CAppSettings.h"

#include <algorithm>

namespace {

thread_local CLockWaitShare* t_share = nullptr;

} // namespace

CLockWaitShare::CLockWaitShare()
    : m_leftMs(CAppSettings::LOCK_WAIT_MS)
    , m_outer(t_share)
{
    t_share = this;
}

CLockWaitShare::~CLockWaitShare()
{
    t_share = m_outer;
}

int CLockWaitShare::allowance(int boundMs)
{
    return t_share ? int(std::min<qint64>(boundMs, t_share->m_leftMs)) : boundMs;
}

void CLockWaitShare::spend(qint64 milliseconds)
{
    if (t_share)
        t_share->m_leftMs = std::max<qint64>(0, t_share->m_leftMs - milliseconds);
}
