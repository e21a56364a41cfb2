#include "DVRSetup/CRelaySwitchOffs.h"

#include "Common/CNetworkLog.h"
#include "DVRSetup/CRelayCommand.h"

#include <QCoreApplication>
#include <QTimerEvent>
#include <algorithm>

namespace {

const char* const INSTANCE_NAME = "qelm_relay_switch_offs";

} // namespace

struct CRelaySwitchOffs::Pending {
    Pending(const CLiveCommand& target, unsigned relay, CSendCommand* sender)
        : command(target.dvr(), target.clientId(), sender)
        , relay(relay)
    {
    }

    CLiveCommand command;
    unsigned relay;
    // The due time's or the retry's; 0 while none runs.
    int timerId = 0;
    // The request whose answer is awaited; 0 while none is.
    quint64 serial = 0;
    bool failed = false;
    // Sent as the program ends: not tried again.
    bool last = false;
};

CRelaySwitchOffs& CRelaySwitchOffs::ofApplication()
{
    QCoreApplication* application = QCoreApplication::instance();
    auto* instance
        = application->findChild<CRelaySwitchOffs*>(QLatin1String(INSTANCE_NAME), Qt::FindDirectChildrenOnly);
    if (!instance) {
        instance = new CRelaySwitchOffs(application);
        instance->setObjectName(QLatin1String(INSTANCE_NAME));
    }
    return *instance;
}

CRelaySwitchOffs::CRelaySwitchOffs(QObject* parent)
    : QObject(parent)
{
    m_sender.setTimeLimit(ANSWER_TIME_LIMIT_MS);
}

CRelaySwitchOffs::~CRelaySwitchOffs() = default;

std::vector<std::unique_ptr<CRelaySwitchOffs::Pending>>::iterator CRelaySwitchOffs::find(const DVR& dvr, unsigned relay)
{
    return std::find_if(m_pending.begin(), m_pending.end(),
        [&](const std::unique_ptr<Pending>& entry) { return entry->relay == relay && entry->command.isSameDVR(dvr); });
}

std::vector<std::unique_ptr<CRelaySwitchOffs::Pending>>::const_iterator CRelaySwitchOffs::find(
    const DVR& dvr, unsigned relay) const
{
    return const_cast<CRelaySwitchOffs*>(this)->find(dvr, relay);
}

void CRelaySwitchOffs::arm(const CLiveCommand& target, unsigned relay, int milliseconds)
{
    if (!target.hasDVR())
        return;
    cancel(target, relay);
    auto pending = std::make_unique<Pending>(target, relay, &m_sender);
    pending->timerId = startTimer(milliseconds);
    m_pending.push_back(std::move(pending));
}

void CRelaySwitchOffs::cancel(const CLiveCommand& target, unsigned relay)
{
    const auto found = find(target.dvr(), relay);
    if (!target.hasDVR() || found == m_pending.end())
        return;
    // An answer still to come is no longer awaited.
    stopTimer(**found);
    m_pending.erase(found);
}

bool CRelaySwitchOffs::isPending(const DVR& dvr, unsigned relay) const
{
    return find(dvr, relay) != m_pending.end();
}

void CRelaySwitchOffs::linkConnected(const DVR& dvr, int clientId)
{
    for (const std::unique_ptr<Pending>& pending : m_pending) {
        if (!pending->command.isSameDVR(dvr))
            continue;
        // The older dialect's command names the stream.
        pending->command.setDVR(pending->command.dvr(), clientId);
        if (pending->failed && pending->serial == 0) {
            stopTimer(*pending);
            send(*pending);
        }
    }
}

void CRelaySwitchOffs::forget(const DVR& dvr)
{
    // Partitioned, not removed: the entries that go must still be there to
    // have their timers stopped.
    const auto gone = std::stable_partition(m_pending.begin(), m_pending.end(),
        [&](const std::unique_ptr<Pending>& pending) { return !pending->command.isSameDVR(dvr); });
    if (gone == m_pending.end())
        return;
    std::for_each(gone, m_pending.end(), [this](const std::unique_ptr<Pending>& pending) { stopTimer(*pending); });
    m_pending.erase(gone, m_pending.end());
    emit changed();
}

void CRelaySwitchOffs::sendAllNow()
{
    for (const std::unique_ptr<Pending>& pending : m_pending) {
        pending->last = true;
        if (pending->serial == 0) {
            stopTimer(*pending);
            send(*pending);
        }
    }
}

int CRelaySwitchOffs::awaitingAnswer() const
{
    return static_cast<int>(std::count_if(m_pending.cbegin(), m_pending.cend(),
        [](const std::unique_ptr<Pending>& pending) { return pending->serial != 0; }));
}

void CRelaySwitchOffs::reportUnsent() const
{
    for (const std::unique_ptr<Pending>& pending : m_pending)
        reportLeftOn(*pending);
}

void CRelaySwitchOffs::reportLeftOn(const Pending& pending)
{
    const DVR& dvr = pending.command.dvr();
    qWarning("[ERROR] relay %u of DVR \"%s\" (%s:%u) may stay on: its switch-off was not answered", pending.relay,
        dvr.name().c_str(), dvr.address().c_str(), dvr.port());
}

void CRelaySwitchOffs::setRetryInterval(int milliseconds)
{
    m_retryMs = milliseconds;
}

void CRelaySwitchOffs::send(Pending& pending)
{
    const quint64 serial = ++m_lastSerial;
    pending.serial = serial;
    const QString query = CRelayCommand::query(pending.command, pending.relay, false);
    if (pending.command.send(query, [this, serial](bool answered) { onAnswer(serial, answered); }))
        return;
    // A query the DVR could not take (nor its switch-on) never goes out;
    // sending it again would not change that. Later, as an answer would.
    QMetaObject::invokeMethod(
        this, [this, serial] { onAnswer(serial, false, false); }, Qt::QueuedConnection);
}

void CRelaySwitchOffs::onAnswer(quint64 serial, bool answered, bool mayRetry)
{
    const auto found = std::find_if(m_pending.begin(), m_pending.end(),
        [serial](const std::unique_ptr<Pending>& pending) { return pending->serial == serial; });
    // Replaced or forgotten meanwhile.
    if (found == m_pending.end())
        return;
    Pending& pending = **found;
    pending.serial = 0;
    if (!answered && mayRetry && !pending.last) {
        qCDebug(lcDvrNetwork, "relay switch-off not answered; sent again in %d ms", m_retryMs);
        pending.failed = true;
        pending.timerId = startTimer(m_retryMs);
        return;
    }
    if (!answered)
        reportLeftOn(pending);
    m_pending.erase(found);
    emit changed();
}

void CRelaySwitchOffs::stopTimer(Pending& pending)
{
    if (pending.timerId != 0)
        killTimer(pending.timerId);
    pending.timerId = 0;
}

void CRelaySwitchOffs::timerEvent(QTimerEvent* event)
{
    const auto found = std::find_if(m_pending.begin(), m_pending.end(),
        [event](const std::unique_ptr<Pending>& pending) { return pending->timerId == event->timerId(); });
    if (found == m_pending.end()) {
        QObject::timerEvent(event);
        return;
    }
    stopTimer(**found);
    send(**found);
}
