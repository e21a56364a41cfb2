#include "DVRSetup/CRelaySwitches.h"

#include "Common/CDvrIdentity.h"
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
    Command(const CLiveCommand& given, bool on, bool switchOff)
        : target(given.dvr(), given.clientId(), &CApplicationSender::instance())
        , on(on)
        , switchOff(switchOff)
    {
    }

    // The DVR as it was given: the page may show another by the time the
    // command goes out.
    CLiveCommand target;
    bool on;
    // Auto's, still pending: false once replaced.
    bool switchOff;
    // Given before the program's end: not tried again.
    bool last = false;
};

struct CRelaySwitches::Relay {
    Relay(const DVR& dvr, unsigned number)
        : dvr(dvr)
        , number(number)
    {
    }

    bool idle() const { return !sent && !waiting && !armed; }
    // The command given last, which decides how the relay ends: an armed
    // switch-off came after its On, and anything given later replaced it.
    const Command* lastGiven() const
    {
        if (armed)
            return armed.get();
        return waiting ? waiting.get() : sent.get();
    }
    bool hasSwitchOff() const { return armed || (waiting && waiting->switchOff) || (sent && sent->switchOff); }

    // Names the relay by its address and port, with `number`.
    DVR dvr;
    unsigned number;
    // On its way, under `serial`.
    std::unique_ptr<Command> sent;
    quint64 serial = 0;
    // Goes out when the one on its way has ended.
    std::unique_ptr<Command> waiting;
    // A switch-off not yet due, or failed and waiting to be sent again.
    std::unique_ptr<Command> armed;
    int timerId = 0;
    bool armedFailed = false;
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

CRelaySwitches::Relays::const_iterator CRelaySwitches::findRelay(const DVR& dvr, unsigned number) const
{
    return std::find_if(m_relays.cbegin(), m_relays.cend(), [&](const std::unique_ptr<Relay>& relay) {
        return relay->number == number && CDvrIdentity::same(relay->dvr, dvr);
    });
}

CRelaySwitches::Relay& CRelaySwitches::relayOf(const DVR& dvr, unsigned number)
{
    const auto found = findRelay(dvr, number);
    if (found != m_relays.cend())
        return **found;
    m_relays.push_back(std::make_unique<Relay>(dvr, number));
    return *m_relays.back();
}

void CRelaySwitches::switchNow(const CLiveCommand& target, unsigned relay, bool on)
{
    if (!target.hasDVR())
        return;
    Relay& named = relayOf(target.dvr(), relay);
    const bool replaced = replace(named);
    give(named, std::make_unique<Command>(target, on, false));
    if (replaced)
        emit changed();
}

void CRelaySwitches::switchOnFor(const CLiveCommand& target, unsigned relay, int milliseconds)
{
    if (!target.hasDVR())
        return;
    switchNow(target, relay, true);
    Relay& named = relayOf(target.dvr(), relay);
    named.armed = std::make_unique<Command>(target, false, true);
    named.armedFailed = false;
    named.timerId = startTimer(milliseconds);
    emit changed();
}

bool CRelaySwitches::replace(Relay& relay)
{
    const bool pending = relay.hasSwitchOff();
    stopTimer(relay);
    relay.armed.reset();
    relay.waiting.reset();
    // It may still reach the DVR, but before what replaces it.
    if (relay.sent)
        relay.sent->switchOff = false;
    return pending;
}

bool CRelaySwitches::isPending(const DVR& dvr, unsigned relay) const
{
    const auto found = findRelay(dvr, relay);
    return found != m_relays.cend() && (*found)->hasSwitchOff();
}

void CRelaySwitches::linkConnected(const DVR& dvr, int clientId)
{
    for (const std::unique_ptr<Relay>& relay : m_relays) {
        if (!CDvrIdentity::same(relay->dvr, dvr))
            continue;
        // The older dialect's command names the stream.
        for (Command* command : {relay->waiting.get(), relay->armed.get()}) {
            if (command)
                command->target.setDVR(command->target.dvr(), clientId);
        }
        if (relay->armed && relay->armedFailed)
            sendSwitchOff(*relay);
    }
}

void CRelaySwitches::sendAllNow()
{
    for (const std::unique_ptr<Relay>& relay : m_relays) {
        for (Command* command : {relay->sent.get(), relay->waiting.get(), relay->armed.get()}) {
            if (command)
                command->last = true;
        }
        if (relay->armed)
            sendSwitchOff(*relay);
    }
}

bool CRelaySwitches::isSending() const
{
    return std::any_of(m_relays.cbegin(), m_relays.cend(),
        [](const std::unique_ptr<Relay>& relay) { return relay->sent || relay->waiting; });
}

void CRelaySwitches::reportUnanswered() const
{
    for (const std::unique_ptr<Relay>& relay : m_relays) {
        const Command* last = relay->lastGiven();
        if (last && !last->on)
            reportLeftOn(*relay, *last);
    }
}

void CRelaySwitches::reportLeftOn(const Relay& relay, const Command& command)
{
    const DVR& dvr = command.target.dvr();
    qWarning("[ERROR] relay %u of DVR \"%s\" (%s:%u) may stay on: its switch-off was not answered", relay.number,
        dvr.name().c_str(), dvr.address().c_str(), dvr.port());
}

void CRelaySwitches::setRetryInterval(int milliseconds)
{
    m_retryMs = milliseconds;
}

void CRelaySwitches::give(Relay& relay, std::unique_ptr<Command> command)
{
    if (relay.sent)
        relay.waiting = std::move(command);
    else
        send(relay, std::move(command));
}

void CRelaySwitches::send(Relay& relay, std::unique_ptr<Command> command)
{
    const quint64 serial = ++m_lastSerial;
    relay.sent = std::move(command);
    relay.serial = serial;
    const QString query = CRelayCommand::query(relay.sent->target, relay.number, relay.sent->on);
    // The application's sender may outlive this object.
    const QPointer<CRelaySwitches> self(this);
    if (relay.sent->target.send(query, [self, serial](bool answered) {
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
    const auto found = std::find_if(m_relays.begin(), m_relays.end(),
        [serial](const std::unique_ptr<Relay>& relay) { return relay->sent && relay->serial == serial; });
    if (found == m_relays.end())
        return;
    Relay& relay = **found;
    std::unique_ptr<Command> done = std::move(relay.sent);
    relay.serial = 0;
    const bool switchOff = done->switchOff;
    // Still pending, so nothing was given after it: it goes again.
    if (!answered && switchOff && mayRetry && !done->last) {
        qCDebug(lcDvrNetwork, "relay switch-off not answered; sent again in %d ms", m_retryMs);
        relay.armed = std::move(done);
        relay.armedFailed = true;
        relay.timerId = startTimer(m_retryMs);
        return;
    }
    if (!answered && !done->on && !relay.waiting)
        reportLeftOn(relay, *done);
    if (relay.waiting)
        send(relay, std::move(relay.waiting));
    else if (relay.idle())
        m_relays.erase(found);
    if (switchOff)
        emit changed();
}

void CRelaySwitches::sendSwitchOff(Relay& relay)
{
    stopTimer(relay);
    relay.armedFailed = false;
    give(relay, std::move(relay.armed));
}

void CRelaySwitches::stopTimer(Relay& relay)
{
    if (relay.timerId != 0)
        killTimer(relay.timerId);
    relay.timerId = 0;
}

void CRelaySwitches::timerEvent(QTimerEvent* event)
{
    const auto found = std::find_if(m_relays.cbegin(), m_relays.cend(),
        [event](const std::unique_ptr<Relay>& relay) { return relay->timerId == event->timerId(); });
    if (found == m_relays.cend()) {
        QObject::timerEvent(event);
        return;
    }
    sendSwitchOff(**found);
}
