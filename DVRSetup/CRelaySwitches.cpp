#include "DVRSetup/CRelaySwitches.h"

#include "Common/CNetworkLog.h"
#include "Connection/CApplicationSender.h"
#include "DVRSetup/CRelayCommand.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTimerEvent>
#include <algorithm>

namespace {

const char* const INSTANCE_NAME = "qelm_relay_switches";

} // namespace

struct CRelaySwitches::Command {
    Command(CDirectoryEntry::Key entry, const CLiveCommand& target, unsigned relay, bool on, bool switchOff)
        : entry(entry)
        , target(target.dvr(), target.clientId(), &CApplicationSender::instance())
        , relay(relay)
        , on(on)
        , switchOff(switchOff)
    {
    }

    CDirectoryEntry::Key entry;
    // The DVR as it took the On: an edit of the entry does not move it.
    CLiveCommand target;
    unsigned relay;
    bool on;
    // Auto's: pending until the DVR answers; else a command by hand, kept
    // while on its way.
    bool switchOff;
    // The due time's or the retry's; 0 while none runs.
    int timerId = 0;
    // The request whose answer is awaited; 0 while none is.
    quint64 serial = 0;
    bool failed = false;
    // Sent as the program ends: not tried again.
    bool last = false;
};

CRelaySwitches& CRelaySwitches::ofApplication()
{
    QCoreApplication* application = QCoreApplication::instance();
    auto* instance = application->findChild<CRelaySwitches*>(QLatin1String(INSTANCE_NAME), Qt::FindDirectChildrenOnly);
    if (!instance) {
        instance = new CRelaySwitches(application);
        instance->setObjectName(QLatin1String(INSTANCE_NAME));
    }
    return *instance;
}

CRelaySwitches::CRelaySwitches(QObject* parent)
    : QObject(parent)
{
}

CRelaySwitches::~CRelaySwitches() = default;

CRelaySwitches::Commands::iterator CRelaySwitches::findSwitchOff(CDirectoryEntry::Key entry, unsigned relay)
{
    return std::find_if(m_commands.begin(), m_commands.end(), [&](const std::unique_ptr<Command>& command) {
        return command->switchOff && command->entry == entry && command->relay == relay;
    });
}

void CRelaySwitches::switchNow(CDirectoryEntry::Key entry, const CLiveCommand& target, unsigned relay, bool on)
{
    if (!target.hasDVR())
        return;
    replace(entry, relay);
    m_commands.push_back(std::make_unique<Command>(entry, target, relay, on, false));
    send(*m_commands.back());
}

void CRelaySwitches::switchOnFor(
    CDirectoryEntry::Key entry, const CLiveCommand& target, unsigned relay, int milliseconds)
{
    if (!target.hasDVR())
        return;
    switchNow(entry, target, relay, true);
    auto switchOff = std::make_unique<Command>(entry, target, relay, false, true);
    switchOff->timerId = startTimer(milliseconds);
    m_commands.push_back(std::move(switchOff));
    emit changed();
}

void CRelaySwitches::replace(CDirectoryEntry::Key entry, unsigned relay)
{
    const auto found = findSwitchOff(entry, relay);
    if (found == m_commands.end())
        return;
    stopTimer(**found);
    m_commands.erase(found);
    emit changed();
}

bool CRelaySwitches::isPending(CDirectoryEntry::Key entry, unsigned relay) const
{
    return const_cast<CRelaySwitches*>(this)->findSwitchOff(entry, relay) != m_commands.end();
}

void CRelaySwitches::linkConnected(CDirectoryEntry::Key entry, const DVR& dvr, int clientId)
{
    for (const std::unique_ptr<Command>& command : m_commands) {
        const bool sameDvr = command->target.isSameDVR(dvr);
        if (!command->switchOff || (command->entry != entry && !sameDvr))
            continue;
        // The older dialect's command names the stream, of the DVR it goes to.
        if (sameDvr)
            command->target.setDVR(command->target.dvr(), clientId);
        if (command->failed && command->serial == 0) {
            stopTimer(*command);
            send(*command);
        }
    }
}

void CRelaySwitches::sendAllNow()
{
    for (const std::unique_ptr<Command>& command : m_commands) {
        command->last = true;
        if (command->switchOff && command->serial == 0) {
            stopTimer(*command);
            send(*command);
        }
    }
}

void CRelaySwitches::reportUnanswered() const
{
    for (const std::unique_ptr<Command>& command : m_commands) {
        if (!command->on)
            reportLeftOn(*command);
    }
}

void CRelaySwitches::reportLeftOn(const Command& command)
{
    const DVR& dvr = command.target.dvr();
    qWarning("[ERROR] relay %u of DVR \"%s\" (%s:%u) may stay on: its switch-off was not answered", command.relay,
        dvr.name().c_str(), dvr.address().c_str(), dvr.port());
}

void CRelaySwitches::setRetryInterval(int milliseconds)
{
    m_retryMs = milliseconds;
}

void CRelaySwitches::send(Command& command)
{
    const quint64 serial = ++m_lastSerial;
    command.serial = serial;
    const QString query = CRelayCommand::query(command.target, command.relay, command.on);
    // The application's sender may outlive this object.
    const QPointer<CRelaySwitches> self(this);
    if (command.target.send(query, [self, serial](bool answered) {
            if (self)
                self->onAnswer(serial, answered);
        }))
        return;
    // A query the DVR could not take (nor its switch-on) never goes out;
    // sending it again would not change that. Later, as an answer would.
    QMetaObject::invokeMethod(
        this, [this, serial] { onAnswer(serial, false, false); }, Qt::QueuedConnection);
}

void CRelaySwitches::onAnswer(quint64 serial, bool answered, bool mayRetry)
{
    const auto found = std::find_if(m_commands.begin(), m_commands.end(),
        [serial](const std::unique_ptr<Command>& command) { return command->serial == serial; });
    // Replaced meanwhile.
    if (found == m_commands.end())
        return;
    Command& command = **found;
    command.serial = 0;
    if (!answered && command.switchOff && mayRetry && !command.last) {
        qCDebug(lcDvrNetwork, "relay switch-off not answered; sent again in %d ms", m_retryMs);
        command.failed = true;
        command.timerId = startTimer(m_retryMs);
        return;
    }
    if (!answered && !command.on)
        reportLeftOn(command);
    const bool switchOff = command.switchOff;
    m_commands.erase(found);
    if (switchOff)
        emit changed();
}

void CRelaySwitches::stopTimer(Command& command)
{
    if (command.timerId != 0)
        killTimer(command.timerId);
    command.timerId = 0;
}

void CRelaySwitches::timerEvent(QTimerEvent* event)
{
    const auto found = std::find_if(m_commands.begin(), m_commands.end(),
        [event](const std::unique_ptr<Command>& command) { return command->timerId == event->timerId(); });
    if (found == m_commands.end()) {
        QObject::timerEvent(event);
        return;
    }
    stopTimer(**found);
    send(**found);
}
