#include "DVRSetup/CRelaySwitches.h"

#include "Common/ApplicationInstance.h"
#include "Common/CDvrIdentity.h"
#include "DVRSetup/CRelayCommand.h"

#include <QCoreApplication>
#include <QPointer>
#include <QStringList>
#include <QTimerEvent>
#include <algorithm>

namespace {

const char* const INSTANCE_NAME = "qelm_relay_switches";

} // namespace

struct CRelaySwitches::Given {
    quint64 serial = 0;
    // The page's entry that gave it, or that gave the On whose switch-off
    // it is; the entry it was handed to once that one is gone.
    COrderedCommands::Giver giver;
    Kind kind = Kind::Hand;
    bool on = false;
    // Auto's On: its switch-off is armed this long after the DVR answered it.
    int autoOffMs = 0;
    // Auto's On whose switch-off was given behind it as the relay ended.
    bool followed = false;
    // A switch-off: the serial of the On it ends.
    quint64 origin = 0;
    // Given as the relay ends: not tried again.
    bool last = false;
};

struct CRelaySwitches::SwitchOffProblem {
    CCommandAnswer answer;
    // The serial of the On that the switch-off ends.
    quint64 origin = 0;
};

struct CRelaySwitches::Relay {
    Relay(const DVR& dvr, unsigned number)
        : dvr(dvr)
        , number(number)
    {
    }

    // An Auto's On that arms a switch-off when answered, a switch-off on its
    // way, or one armed.
    bool pending() const
    {
        return armed || std::any_of(given.cbegin(), given.cend(), [this](const Given& command) {
            return command.kind == Kind::SwitchOff
                || (command.kind == Kind::AutoOn && !command.followed && command.serial > taken);
        });
    }

    // The armed switch-off's time is over: it waits for a later command's
    // answer.
    bool due() const { return armed && timerId == 0; }

    // A command by hand or Auto's On, given after the On that the armed
    // switch-off ends, waits for its answer.
    bool laterPending() const
    {
        return std::any_of(given.cbegin(), given.cend(),
            [this](const Given& command) { return command.kind != Kind::SwitchOff && command.serial > armedOrigin; });
    }

    // Names the relay by its address and port, with `number`; its name is
    // the one the last entry to command it gave.
    DVR dvr;
    unsigned number;
    // Given to the DVR's line and not yet heard of, in the order given.
    std::vector<Given> given;
    // A switch-off not yet due, failed and waiting to go again, or due and
    // waiting for the answer to a command given after its On.
    bool armed = false;
    bool armedFailed = false;
    quint64 armedOrigin = 0;
    COrderedCommands::Giver armedBy;
    int timerId = 0;
    // The serial of the last command by hand or Auto's On that was taken.
    quint64 taken = 0;
    // The last switch-off failed so.
    std::optional<SwitchOffProblem> switchOffProblem;
    // The last command of each entry failed so.
    std::map<CDirectoryEntry::Id, CCommandAnswer> problems;
    // The program ends or no entry names the DVR: switch-offs go at once
    // and nothing is tried again.
    bool ending = false;
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
    connect(&lines, &COrderedCommands::handedOver, this, &CRelaySwitches::onHandedOver);
    connect(&lines, &COrderedCommands::unlisted, this, &CRelaySwitches::onUnlisted);
}

CRelaySwitches::~CRelaySwitches() = default;

CRelaySwitches::Relay* CRelaySwitches::findRelay(const DVR& dvr, unsigned number) const
{
    const auto found = std::find_if(m_relays.cbegin(), m_relays.cend(), [&](const std::unique_ptr<Relay>& relay) {
        return !relay->unlisted && relay->number == number && CDvrIdentity::same(relay->dvr, dvr);
    });
    return found == m_relays.cend() ? nullptr : found->get();
}

CRelaySwitches::Relay& CRelaySwitches::relayOf(const CLiveCommand& target, unsigned number)
{
    if (Relay* found = findRelay(target.dvr(), number))
        return *found;
    m_relays.push_back(std::make_unique<Relay>(target.dvr(), number));
    return *m_relays.back();
}

void CRelaySwitches::switchNow(const CLiveCommand& target, unsigned relay, bool on)
{
    command(target, relay, on, std::nullopt);
}

void CRelaySwitches::switchOnFor(const CLiveCommand& target, unsigned relay, int milliseconds)
{
    command(target, relay, true, std::max(milliseconds, 0));
}

void CRelaySwitches::command(const CLiveCommand& target, unsigned relay, bool on, std::optional<int> autoOffMs)
{
    if (!target.hasDVR())
        return;
    Relay& named = relayOf(target, relay);
    named.dvr = target.dvr();
    // What the entry's page told belongs to its earlier command.
    named.problems.erase(target.entry());
    Given command;
    command.giver = target.giver();
    command.kind = autoOffMs ? Kind::AutoOn : Kind::Hand;
    command.on = on;
    command.autoOffMs = autoOffMs.value_or(0);
    give(named, command);
    emit changed();
}

bool CRelaySwitches::isPending(const DVR& dvr, unsigned relay) const
{
    const Relay* found = findRelay(dvr, relay);
    return found && found->pending();
}

QList<CCommandAnswer> CRelaySwitches::problems(const DVR& dvr, CDirectoryEntry::Id entry, unsigned relay) const
{
    QList<CCommandAnswer> told;
    const Relay* found = findRelay(dvr, relay);
    if (!found)
        return told;
    if (const auto own = found->problems.find(entry); own != found->problems.cend())
        told << own->second;
    if (found->switchOffProblem)
        told << found->switchOffProblem->answer;
    return told;
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
        if (answer.outcome() == CCommandAnswer::Taken)
            onTaken(relay, done);
        else if (answer.failed())
            onFailed(relay, done, answer);
        else if (done.kind == Kind::SwitchOff && !relay.armed)
            // The entry's later command took its place in the line: it is
            // that command's to replace once the DVR takes it, so it waits
            // for the answer and goes if the DVR refuses.
            arm(relay, 0, false, done.origin, done.giver);
        // A switch-off that waited for this answer goes now.
        if (relay.due())
            release(relay);
        if (relay.unlisted && relay.given.empty() && !relay.armed)
            m_relays.erase(std::find(m_relays.begin(), m_relays.end(), named));
        emit changed();
        return;
    }
}

void CRelaySwitches::onTaken(Relay& relay, const Given& done)
{
    forgetLeftOn(relay);
    if (done.kind == Kind::SwitchOff) {
        relay.switchOffProblem.reset();
        return;
    }
    relay.problems.erase(done.giver.entry);
    relay.taken = std::max(relay.taken, done.serial);
    // The operator's later choice stands: the switch-off of an earlier On
    // goes, whichever entry gave either, and so does what its failure told,
    // armed again or not.
    if (relay.armed && relay.armedOrigin < done.serial) {
        stopTimer(relay);
        relay.armed = false;
    }
    if (relay.switchOffProblem && relay.switchOffProblem->origin < done.serial)
        relay.switchOffProblem.reset();
    if (done.kind == Kind::AutoOn && !done.followed && done.serial == relay.taken)
        arm(relay, done.autoOffMs, false, done.serial, done.giver);
}

void CRelaySwitches::onFailed(Relay& relay, const Given& done, const CCommandAnswer& answer)
{
    // A command given after it was taken already: the relay is as that one
    // left it.
    if (relay.taken > (done.kind == Kind::SwitchOff ? done.origin : done.serial))
        return;
    if (done.kind == Kind::SwitchOff) {
        relay.switchOffProblem = SwitchOffProblem{answer, done.origin};
        if (!done.last && !relay.armed && answer.outcome() != CCommandAnswer::NotSent) {
            arm(relay, m_retryMs, true, done.origin, done.giver);
            return;
        }
    } else {
        relay.problems.insert_or_assign(done.giver.entry, answer);
        // An On that was not answered may have switched the relay on.
        if (done.kind == Kind::AutoOn && !done.followed && answer.outcome() == CCommandAnswer::Unanswered) {
            arm(relay, done.autoOffMs, false, done.serial, done.giver);
            return;
        }
    }
    if (!done.on && relay.given.empty() && !switchOffPends(relay))
        reportLeftOn(relay);
}

void CRelaySwitches::onKnown(const DVR& record)
{
    for (const std::unique_ptr<Relay>& relay : m_relays) {
        if (relay->armed && relay->armedFailed && CDvrIdentity::same(relay->dvr, record))
            release(*relay);
    }
}

void CRelaySwitches::onHandedOver(CDirectoryEntry::Id entry, const DVR& record, const COrderedCommands::Giver& heir)
{
    for (const std::unique_ptr<Relay>& relay : m_relays) {
        if (!CDvrIdentity::same(relay->dvr, record))
            continue;
        // The switch-offs that its On's answer arms go as the heir's too.
        for (Given& command : relay->given) {
            if (command.giver.entry == entry)
                command.giver = heir;
        }
        // No page tells it any more.
        relay->problems.erase(entry);
        if (!relay->armed || relay->armedBy.entry != entry)
            continue;
        relay->armedBy = heir;
        relay->dvr = heir.record;
        // Another account may be taken where that entry's was refused.
        if (relay->armedFailed)
            release(*relay);
    }
    emit changed();
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
                       [](const std::unique_ptr<Relay>& relay) {
                           return relay->unlisted && relay->given.empty() && !relay->armed;
                       }),
        m_relays.end());
    emit changed();
}

void CRelaySwitches::arm(Relay& relay, int milliseconds, bool failed, quint64 origin, const COrderedCommands::Giver& by)
{
    stopTimer(relay);
    relay.armed = true;
    relay.armedFailed = failed;
    relay.armedOrigin = origin;
    relay.armedBy = by;
    if (relay.ending)
        release(relay);
    else
        relay.timerId = startTimer(milliseconds);
}

void CRelaySwitches::release(Relay& relay)
{
    stopTimer(relay);
    if (relay.laterPending())
        return;
    relay.armed = false;
    relay.armedFailed = false;
    sendSwitchOff(relay, relay.armedOrigin, relay.armedBy);
}

void CRelaySwitches::sendSwitchOff(Relay& relay, quint64 origin, const COrderedCommands::Giver& by)
{
    Given command;
    command.giver = by;
    command.kind = Kind::SwitchOff;
    command.origin = origin;
    command.last = relay.ending;
    give(relay, command);
}

void CRelaySwitches::sendAllNow()
{
    for (const std::unique_ptr<Relay>& relay : m_relays)
        sendLast(*relay);
}

void CRelaySwitches::sendLast(Relay& relay)
{
    relay.ending = true;
    for (Given& command : relay.given)
        command.last = true;
    if (relay.armed)
        release(relay);
    // An Auto's On not answered yet, with nothing given after it: its
    // switch-off follows it now.
    const auto lastGiven = std::find_if(
        relay.given.rbegin(), relay.given.rend(), [](const Given& command) { return command.kind != Kind::SwitchOff; });
    if (lastGiven == relay.given.rend() || lastGiven->kind != Kind::AutoOn || lastGiven->followed
        || lastGiven->serial <= relay.taken)
        return;
    lastGiven->followed = true;
    const Given on = *lastGiven;
    sendSwitchOff(relay, on.serial, on.giver);
}

bool CRelaySwitches::switchOffPends(const Relay& relay) const
{
    return std::any_of(m_relays.cbegin(), m_relays.cend(), [&relay](const std::unique_ptr<Relay>& held) {
        return held->number == relay.number && CDvrIdentity::same(held->dvr, relay.dvr) && held->pending();
    });
}

void CRelaySwitches::reportUnanswered()
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
    forgetLeftOn(relay);
    m_leftOn.push_back({relay.dvr, relay.number});
}

void CRelaySwitches::forgetLeftOn(const Relay& relay)
{
    m_leftOn.erase(std::remove_if(m_leftOn.begin(), m_leftOn.end(),
                       [&relay](const LeftOn& told) {
                           return told.number == relay.number && CDvrIdentity::same(told.dvr, relay.dvr);
                       }),
        m_leftOn.end());
}

QString CRelaySwitches::takeLeftOnMessage()
{
    QStringList lines;
    for (const LeftOn& relay : m_leftOn) {
        lines << tr("Relay %1 of DVR \"%2\" (%3:%4) may stay on: the DVR did not take its switch-off.")
                     .arg(QString::number(relay.number + 1), QString::fromStdString(relay.dvr.name()),
                         QString::fromStdString(relay.dvr.address()), QString::number(relay.dvr.port()));
    }
    m_leftOn.clear();
    return lines.join(QLatin1Char('\n'));
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
    release(**found);
}
