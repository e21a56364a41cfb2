#include "DVRSetup/CRelaySwitchOffs.h"

#include <QTimer>
#include <algorithm>

struct CRelaySwitchOffs::Pending {
    Pending(const CLiveCommand& target, unsigned relayNumber, CSendCommand* sender)
        : command(target.dvr(), target.clientId(), sender)
        , relay(relayNumber)
        , timer(new QTimer)
    {
        timer->setSingleShot(true);
    }

    // The timer may be the one whose timeout removes this entry.
    ~Pending()
    {
        timer->stop();
        timer->disconnect();
        timer->deleteLater();
    }

    Pending(const Pending&) = delete;
    Pending& operator=(const Pending&) = delete;

    CLiveCommand command;
    unsigned relay;
    QTimer* timer;
};

CRelaySwitchOffs::CRelaySwitchOffs(CSendCommand* sender, SwitchOff switchOff, QObject* parent)
    : QObject(parent)
    , m_sender(sender)
    , m_switchOff(std::move(switchOff))
{
}

CRelaySwitchOffs::~CRelaySwitchOffs() = default;

int CRelaySwitchOffs::indexOf(const CLiveCommand& target, unsigned relay) const
{
    for (std::size_t i = 0; i < m_pending.size(); ++i) {
        if (m_pending[i]->relay == relay && target.isSameDVR(m_pending[i]->command.dvr()))
            return static_cast<int>(i);
    }
    return -1;
}

void CRelaySwitchOffs::arm(const CLiveCommand& target, unsigned relay, int milliseconds)
{
    if (!target.hasDVR())
        return;
    cancel(target, relay);
    m_pending.push_back(std::make_unique<Pending>(target, relay, m_sender));
    const Pending* pending = m_pending.back().get();
    connect(pending->timer, &QTimer::timeout, this, [this, pending] { fire(pending); });
    pending->timer->start(milliseconds);
}

void CRelaySwitchOffs::cancel(const CLiveCommand& target, unsigned relay)
{
    const int index = indexOf(target, relay);
    if (index >= 0)
        m_pending.erase(m_pending.begin() + index);
}

bool CRelaySwitchOffs::isPending(const CLiveCommand& target, unsigned relay) const
{
    return indexOf(target, relay) >= 0;
}

void CRelaySwitchOffs::fire(const Pending* pending)
{
    const auto found = std::find_if(m_pending.begin(), m_pending.end(),
        [pending](const std::unique_ptr<Pending>& entry) { return entry.get() == pending; });
    if (found == m_pending.end())
        return;
    // Taken out first: whoever hears of the switch-off sees it done.
    const std::unique_ptr<Pending> due = std::move(*found);
    m_pending.erase(found);
    m_switchOff(due->command, due->relay);
    emit switchedOff(due->relay);
}
