#include "DVRSetup/CRelaySwitches.h"

#include "Common/ApplicationInstance.h"
#include "Common/CDvrIdentity.h"
#include "DVRSetup/CRelayCommand.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTimerEvent>
#include <algorithm>
#include <optional>

namespace {

const char* const INSTANCE_NAME = "qelm_relay_switches";
const int NO_AUTO_OFF = -1;

} // namespace

struct CRelaySwitches::Given {
    quint64 serial = 0;
    // The page's entry that gave it, or that gave the On whose switch-off
    // it is: it goes with that entry's account.
    COrderedCommands::Giver giver;
    bool on = false;
    // A switch-off still pending: false once replaced.
    bool switchOff = false;
    // Auto's On: its switch-off is armed this long after the DVR answered
    // it; NO_AUTO_OFF for none, or once replaced.
    int autoOffMs = NO_AUTO_OFF;
    // Given for the program's end: not tried again.
    bool last = false;
};

struct CRelaySwitches::Relay {
    Relay(const DVR& dvr, CDirectoryEntry::Id entry, unsigned number)
        : dvr(dvr)
        , entry(entry)
        , number(number)
    {
    }

    bool pending() const
    {
        return armed || std::any_of(given.cbegin(), given.cend(), [](const Given& command) {
            return command.switchOff || command.autoOffMs != NO_AUTO_OFF;
        });
    }

    // Names the relay by its address and port, with `entry`, whose page gave
    // its commands, and `number`.
    DVR dvr;
    CDirectoryEntry::Id entry;
    unsigned number;
    // Given to the DVR's line and not yet heard of, in the order given.
    std::vector<Given> given;
    // A switch-off not yet due, or failed and waiting to go again, for the
    // entry that gave its On.
    bool armed = false;
    bool armedFailed = false;
    COrderedCommands::Giver armedBy;
    int timerId = 0;
    // The relay's last command failed so; none once a command was given
    // since.
    std::optional<CCommandAnswer> problem;
    // No directory entry names its DVR: no page shows or commands it any
    // more, and it goes once its last commands are heard of.
    bool unlisted = false;
};

CRelaySwitches& CRelaySwitches::ofApplication()
{
    return applicationInstance<CRelaySwitches>(
        INSTANCE_NAME, [](QObject* application) { return new CRelaySwitches(application); });
}

CRelaySwitches::CRelaySwitches(QObject* parent)
    : QObject(parent)
{
    COrderedCommands& lines = COrderedCommands::ofApplication();
    connect(&lines, &COrderedCommands::known, this, &CRelaySwitches::onKnown);
    connect(&lines, &COrderedCommands::unlisted, this, &CRelaySwitches::onUnlisted);
}

CRelaySwitches::~CRelaySwitches() = default;

CRelaySwitches::Relay* CRelaySwitches::findRelay(const DVR& dvr, CDirectoryEntry::Id entry, unsigned number) const
{
    const auto found = std::find_if(m_relays.cbegin(), m_relays.cend(), [&](const std::unique_ptr<Relay>& relay) {
        return !relay->unlisted && relay->number == number && relay->entry == entry
            && CDvrIdentity::same(relay->dvr, dvr);
    });
    return found == m_relays.cend() ? nullptr : found->get();
}

CRelaySwitches::Relay& CRelaySwitches::relayOf(const CLiveCommand& target, unsigned number)
{
    if (Relay* found = findRelay(target.dvr(), target.entry(), number))
        return *found;
    m_relays.push_back(std::make_unique<Relay>(target.dvr(), target.entry(), number));
    return *m_relays.back();
}

void CRelaySwitches::switchNow(const CLiveCommand& target, unsigned relay, bool on)
{
    if (!target.hasDVR())
        return;
    Relay& named = relayOf(target, relay);
    replace(named);
    Given command;
    command.giver = target.giver();
    command.on = on;
    give(named, command);
    emit changed();
}

void CRelaySwitches::switchOnFor(const CLiveCommand& target, unsigned relay, int milliseconds)
{
    if (!target.hasDVR())
        return;
    Relay& named = relayOf(target, relay);
    replace(named);
    Given command;
    command.giver = target.giver();
    command.on = true;
    command.autoOffMs = std::max(milliseconds, 0);
    give(named, command);
    emit changed();
}

void CRelaySwitches::replace(Relay& relay)
{
    stopTimer(relay);
    relay.armed = false;
    relay.armedFailed = false;
    relay.problem.reset();
    // It may still reach the DVR, but before what replaces it.
    for (Given& command : relay.given) {
        command.switchOff = false;
        command.autoOffMs = NO_AUTO_OFF;
    }
}

bool CRelaySwitches::isPending(const DVR& dvr, CDirectoryEntry::Id entry, unsigned relay) const
{
    const Relay* found = findRelay(dvr, entry, relay);
    return found && found->pending();
}

std::optional<CCommandAnswer> CRelaySwitches::problem(const DVR& dvr, CDirectoryEntry::Id entry, unsigned relay) const
{
    const Relay* found = findRelay(dvr, entry, relay);
    return found ? found->problem : std::nullopt;
}

void CRelaySwitches::give(Relay& relay, const Given& given)
{
    Given command = given;
    command.serial = ++m_lastSerial;
    relay.given.push_back(command);

    COrderedCommands::Command line;
    line.kind = {COrderedCommands::Kind::Relay, static_cast<int>(relay.number)};
    line.what = QStringLiteral("relay %1 %2").arg(relay.number).arg(command.on ? "on" : "off");
    line.ending = !command.on;
    line.query = [number = relay.number, on = command.on](
                     const DVR& dvr, int clientId) { return CRelayCommand::query(dvr, clientId, number, on); };
    // The line may outlive this object.
    const QPointer<CRelaySwitches> self(this);
    line.answered = [self, serial = command.serial](const CCommandAnswer& answer) {
        if (self)
            self->onAnswer(serial, answer);
    };
    COrderedCommands::ofApplication().send(command.giver, std::move(line));
}

void CRelaySwitches::onAnswer(quint64 serial, const CCommandAnswer& answer)
{
    for (const std::unique_ptr<Relay>& named : m_relays) {
        Relay& relay = *named;
        const auto found = std::find_if(relay.given.begin(), relay.given.end(),
            [serial](const Given& command) { return command.serial == serial; });
        if (found == relay.given.end())
            continue;
        const Given done = *found;
        relay.given.erase(found);
        const bool mayBeOn = answer.outcome() == CCommandAnswer::Unanswered;
        if (answer.outcome() == CCommandAnswer::Taken) {
            relay.problem.reset();
            if (done.autoOffMs != NO_AUTO_OFF)
                arm(relay, done.autoOffMs, false, done.giver);
        } else if (answer.failed()) {
            relay.problem = answer;
            const bool sentAgain = done.switchOff && !done.last && answer.outcome() != CCommandAnswer::NotSent;
            // An On that was not answered may have switched the relay on.
            if (done.autoOffMs != NO_AUTO_OFF && mayBeOn)
                arm(relay, done.autoOffMs, false, done.giver);
            else if (sentAgain)
                arm(relay, m_retryMs, true, done.giver);
            else if (!done.on && relay.given.empty() && !switchOffPends(relay))
                reportLeftOn(relay);
        }
        if (relay.unlisted && relay.given.empty())
            m_relays.erase(std::find(m_relays.begin(), m_relays.end(), named));
        emit changed();
        return;
    }
}

void CRelaySwitches::onKnown(const DVR& record)
{
    for (const std::unique_ptr<Relay>& relay : m_relays) {
        if (relay->armed && relay->armedFailed && CDvrIdentity::same(relay->dvr, record))
            sendSwitchOff(*relay, false, relay->armedBy);
    }
}

void CRelaySwitches::onUnlisted(const DVR& record)
{
    bool unlisted = false;
    for (const std::unique_ptr<Relay>& relay : m_relays) {
        if (relay->unlisted || !CDvrIdentity::same(relay->dvr, record))
            continue;
        // Nothing would try again once it failed.
        sendLast(*relay);
        relay->unlisted = true;
        unlisted = true;
    }
    if (!unlisted)
        return;
    m_relays.erase(std::remove_if(m_relays.begin(), m_relays.end(),
                       [](const std::unique_ptr<Relay>& relay) { return relay->unlisted && relay->given.empty(); }),
        m_relays.end());
    emit changed();
}

void CRelaySwitches::arm(Relay& relay, int milliseconds, bool failed, const COrderedCommands::Giver& by)
{
    stopTimer(relay);
    relay.armed = true;
    relay.armedFailed = failed;
    relay.armedBy = by;
    relay.timerId = startTimer(milliseconds);
}

void CRelaySwitches::sendSwitchOff(Relay& relay, bool last, const COrderedCommands::Giver& by)
{
    stopTimer(relay);
    relay.armed = false;
    relay.armedFailed = false;
    Given command;
    command.giver = by;
    command.switchOff = true;
    command.last = last;
    give(relay, command);
}

void CRelaySwitches::sendAllNow()
{
    for (const std::unique_ptr<Relay>& relay : m_relays)
        sendLast(*relay);
}

void CRelaySwitches::sendLast(Relay& relay)
{
    std::optional<COrderedCommands::Giver> switchOffBy;
    if (relay.armed)
        switchOffBy = relay.armedBy;
    for (Given& command : relay.given) {
        command.last = true;
        // Its On has not been answered yet: the switch-off follows it.
        if (command.autoOffMs != NO_AUTO_OFF)
            switchOffBy = command.giver;
        command.autoOffMs = NO_AUTO_OFF;
    }
    if (switchOffBy)
        sendSwitchOff(relay, true, *switchOffBy);
}

bool CRelaySwitches::switchOffPends(const Relay& relay) const
{
    return std::any_of(m_relays.cbegin(), m_relays.cend(), [&relay](const std::unique_ptr<Relay>& held) {
        return held->number == relay.number && CDvrIdentity::same(held->dvr, relay.dvr) && held->pending();
    });
}

void CRelaySwitches::reportUnanswered() const
{
    for (const std::unique_ptr<Relay>& relay : m_relays) {
        if (relay->armed || (!relay->given.empty() && !relay->given.back().on))
            reportLeftOn(*relay);
    }
}

void CRelaySwitches::reportLeftOn(const Relay& relay)
{
    const DVR& dvr = relay.dvr;
    qWarning("[ERROR] relay %u of DVR \"%s\" (%s:%u) may stay on: its switch-off was not taken", relay.number,
        dvr.name().c_str(), dvr.address().c_str(), dvr.port());
}

void CRelaySwitches::setRetryInterval(int milliseconds)
{
    m_retryMs = milliseconds;
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
    sendSwitchOff(**found, false, (*found)->armedBy);
}
