#pragma once

#include "Connection/CCommandAnswer.h"
#include "Connection/COrderedCommands.h"
#include "DVRSetup/CLiveCommand.h"

#include <QList>
#include <QObject>
#include <QString>
#include <map>
#include <memory>
#include <optional>
#include <vector>

// Every relay command: On and Off by hand, and Auto's On with its automatic
// switch-off. A relay command is promised to a DVR, not a page's state: it
// lives with the application rather than with any window and goes through
// the DVR's line of commands (COrderedCommands), which keeps the order
// given, lets only the last waiting command of a relay and entry go, builds
// each query from the DVR's record when it goes out, and which the
// program's end waits for. So an Off clicked just before the window closes
// still reaches the DVR.
//
// A relay is the DVR's (address and port, CDvrIdentity) and its number,
// whichever directory entry's page shows it: every entry of the DVR shows
// the one armed switch-off, and a command of any entry that the DVR takes
// replaces it, since it is the operator's later choice. Each command goes
// with the account of the entry that gave it, which the DVR may let switch
// relays or not: a command it refuses, or leaves unanswered, replaces
// nothing, and the switch-off still comes. A switch-off goes with the
// account of the entry that gave its On; once that entry is deleted or
// names another DVR, with the account of the DVR's entry it was handed to
// (COrderedCommands::handedOver), or else with that entry's last record.
//
// Auto's switch-off is armed when the DVR has answered its On, so the relay
// is on for the whole time chosen; it then goes when due, whichever DVR a
// page shows by then, unless a command given after that On still waits for
// its answer: then it goes once that command has failed. It stays pending
// until the DVR takes it: one that is refused or not answered goes again
// every retry interval, and at once when that DVR's record is edited, its
// live link connects again or it is handed to another entry. It lives as
// long as a directory entry names its DVR: when none does any more
// (COrderedCommands::unlisted), and likewise at the program's end, every
// pending switch-off goes out at once, and one that fails then is reported
// rather than tried again.
//
// What went wrong is told for the operator (problems()): the switch-off's
// failure on every entry's page, a command given by hand or Auto's On on the
// page of the entry that gave it. An Off or a switch-off that was not taken,
// with nothing given after it and no other switch-off of that relay
// pending, may leave the relay on: that is reported on the log and kept for
// the program's end to tell on screen, unless a later command to that relay
// is taken. GUI thread.
class CRelaySwitches : public QObject {
    Q_OBJECT

public:
    static constexpr int RETRY_MS = 3000;

    // The application's one instance, made on first use; it goes with the
    // application object.
    static CRelaySwitches& ofApplication();

    // Switches the relay of the command's DVR on or off, as the command's
    // entry. Nothing is sent while the command names no DVR.
    void switchNow(const CLiveCommand& target, unsigned relay, bool on);
    // Switches it on, and off `milliseconds` after the DVR answered the On.
    void switchOnFor(const CLiveCommand& target, unsigned relay, int milliseconds);
    // A switch-off of that DVR's relay, given by any of its entries, is
    // promised and not yet taken.
    bool isPending(const DVR& dvr, unsigned relay) const;
    // Why commands to that DVR's relay were not carried out, for the page of
    // that entry: the last command the entry gave, then the pending
    // switch-off, whichever entry gave its On. A problem goes once a later
    // command of that entry (of any entry, for the switch-off) is taken.
    QList<CCommandAnswer> problems(const DVR& dvr, CDirectoryEntry::Id entry, unsigned relay) const;

    // The program ends: every pending switch-off goes out now, and one that
    // fails is reported rather than tried again.
    void sendAllNow();
    // Reports on the log each relay that may stay on: the last command given
    // for it is an Off or a switch-off still unanswered.
    void reportUnanswered();
    // The sentences that tell the operator each relay reported as it may
    // stay on, one a line, in the language chosen now; empty for none. Each
    // is told once.
    QString takeLeftOnMessage();

    // How long a failed switch-off waits before it is sent again.
    void setRetryInterval(int milliseconds);

signals:
    // A switch-off was promised, taken or replaced, or a command failed:
    // what the relay page shows may change.
    void changed();

private:
    enum class Kind { Hand, AutoOn, SwitchOff };
    struct Given;
    struct SwitchOffProblem;
    struct Relay;
    struct LeftOn {
        DVR dvr;
        unsigned number;
    };
    using Relays = std::vector<std::unique_ptr<Relay>>;

    explicit CRelaySwitches(QObject* parent);
    ~CRelaySwitches() override;

    Relay* findRelay(const DVR& dvr, unsigned number) const;
    Relay& relayOf(const CLiveCommand& target, unsigned number);
    // A command of the target's entry, by hand or Auto's On.
    void command(const CLiveCommand& target, unsigned relay, bool on, std::optional<int> autoOffMs);
    // Gives a command to the DVR's line, built from what the line knows of
    // its giver's entry when it goes out.
    void give(Relay& relay, const Given& given);
    void onAnswer(quint64 serial, const CCommandAnswer& answer);
    void onTaken(Relay& relay, const Given& done);
    void onFailed(Relay& relay, const Given& done, const CCommandAnswer& answer);
    void onKnown(const DVR& record);
    void onHandedOver(CDirectoryEntry::Id entry, const DVR& record, const COrderedCommands::Giver& heir);
    // No page shows that DVR's relays any more: they end as at the
    // program's end.
    void onUnlisted(const DVR& record);
    // The switch-off that ends the command of serial `origin` is due in that
    // time, at once while the relay is ending.
    void arm(Relay& relay, int milliseconds, bool failed, quint64 origin, const COrderedCommands::Giver& by);
    // The armed switch-off is due: it goes, unless a command given after its
    // On waits for its answer.
    void release(Relay& relay);
    void sendSwitchOff(Relay& relay, quint64 origin, const COrderedCommands::Giver& by);
    // Pending switch-offs go now, and none of the relay's commands is tried
    // again.
    void sendLast(Relay& relay);
    // A switch-off of the DVR's relay pends: the relay is not left on.
    bool switchOffPends(const Relay& relay) const;
    void reportLeftOn(const Relay& relay);
    void forgetLeftOn(const Relay& relay);
    void stopTimer(Relay& relay);
    void timerEvent(QTimerEvent* event) override;

    Relays m_relays;
    // Reported as they may stay on, for the program's end to tell.
    std::vector<LeftOn> m_leftOn;
    quint64 m_lastSerial = 0;
    int m_retryMs = RETRY_MS;
};
