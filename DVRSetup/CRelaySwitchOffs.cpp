#include "DVRSetup/CRelaySwitchOffs.h"

#include <QTimerEvent>
#include <algorithm>

struct CRelaySwitchOffs::Pending {
    CLiveCommand command;
    unsigned relay;
    int timerId;
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
    m_pending.push_back(std::unique_ptr<Pending>(
        new Pending{CLiveCommand(target.dvr(), target.clientId(), m_sender), relay, startTimer(milliseconds)}));
}

void CRelaySwitchOffs::cancel(const CLiveCommand& target, unsigned relay)
{
    const int index = indexOf(target, relay);
    if (index < 0)
        return;
    killTimer(m_pending[std::size_t(index)]->timerId);
    m_pending.erase(m_pending.begin() + index);
}

bool CRelaySwitchOffs::isPending(const CLiveCommand& target, unsigned relay) const
{
    return indexOf(target, relay) >= 0;
}

void CRelaySwitchOffs::timerEvent(QTimerEvent* event)
{
    const auto found = std::find_if(m_pending.begin(), m_pending.end(),
        [event](const std::unique_ptr<Pending>& entry) { return entry->timerId == event->timerId(); });
    if (found == m_pending.end()) {
        QObject::timerEvent(event);
        return;
    }
    killTimer(event->timerId());
    // Taken out first: whoever hears of the switch-off sees it done.
    const std::unique_ptr<Pending> due = std::move(*found);
    m_pending.erase(found);
    m_switchOff(due->command, due->relay);
    emit switchedOff(due->relay);
}
