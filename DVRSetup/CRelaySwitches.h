#pragma once

#include "Connection/CCommandAnswer.h"
#include "Connection/COrderedCommands.h"
#include "DVRSetup/CLiveCommand.h"

#include <QObject>
#include <memory>
#include <optional>
#include <vector>

// Every relay command: On and Off by hand, and Auto's On with its automatic
// switch-off. A relay command is promised to a DVR, not a page's state: it
// lives with the application rather than with any window and goes through
// the DVR's line of commands (COrderedCommands), which keeps the order
// given, lets only the last waiting command of a relay go, builds each
// query from the DVR's record when it goes out, and which the program's
// end waits for. So an Off clicked just before the window closes still
// reaches the DVR.
//
// A relay is named by the DVR its commands go to (address and port,
// CDvrIdentity), the directory entry whose page gave them and its number:
// each command goes with the account of that entry, which the DVR may let
// switch relays or not, so two entries of one DVR keep their switch-offs and
// problems apart. One entry's On or Off, taken or refused, leaves the other
// entry's switch-off pending, and a switch-off goes with the account of the
// entry that gave its On.
//
// Auto's switch-off is armed when the DVR has answered its On, so the relay
// is on for the whole time chosen; it then goes when due, whichever DVR a
// page shows by then, and stays pending until the DVR takes it: one that is
// refused or not answered goes again every retry interval, and at once when
// that DVR's record is edited or its live link connects again. On, Off or
// Auto of the same entry on the same relay replace it; one already on its
// way is no longer awaited. It lives as long as a directory entry names its
// DVR: when none does any more (COrderedCommands::unlisted), and likewise at
// the program's end, every pending switch-off goes out at once, and one that
// fails then is reported rather than tried again.
//
// A command the DVR refuses or does not answer is what the relay page tells
// the operator (problem()); an Off or a switch-off that was not taken, with
// nothing given after it, may leave the relay on unless another entry's
// switch-off of it pends: that is reported on the log. GUI thread.
class CRelaySwitches : public QObject {
    Q_OBJECT

public:
    static constexpr int RETRY_MS = 3000;

    // The application's one instance, made on first use; it goes with the
    // application object.
    static CRelaySwitches& ofApplication();

    // Switches the relay of the command's DVR on or off; the pending
    // switch-off of the command's entry is replaced. Nothing is sent while
    // the command names no DVR.
    void switchNow(const CLiveCommand& target, unsigned relay, bool on);
    // Switches it on, and off `milliseconds` after the DVR answered the On.
    void switchOnFor(const CLiveCommand& target, unsigned relay, int milliseconds);
    // A switch-off of that DVR's relay, given by that entry, is promised and
    // not yet taken.
    bool isPending(const DVR& dvr, CDirectoryEntry::Id entry, unsigned relay) const;
    // Why the last command that entry gave the relay was not carried out,
    // for the operator; none when nothing went wrong or a command was given
    // since.
    std::optional<CCommandAnswer> problem(const DVR& dvr, CDirectoryEntry::Id entry, unsigned relay) const;

    // The program ends: every pending switch-off goes out now, and one that
    // fails is reported rather than tried again.
    void sendAllNow();
    // Reports on the log each relay that may stay on: the last command given
    // for it is an Off or a switch-off still unanswered.
    void reportUnanswered() const;

    // How long a failed switch-off waits before it is sent again.
    void setRetryInterval(int milliseconds);

signals:
    // A switch-off was promised, taken or replaced, or a command failed:
    // what the relay page shows may change.
    void changed();

private:
    struct Given;
    struct Relay;
    using Relays = std::vector<std::unique_ptr<Relay>>;

    explicit CRelaySwitches(QObject* parent);
    ~CRelaySwitches() override;

    Relay* findRelay(const DVR& dvr, CDirectoryEntry::Id entry, unsigned number) const;
    Relay& relayOf(const CLiveCommand& target, unsigned number);
    // A command given now replaces the switch-off of the relay as its entry
    // gave it: one not yet due is dropped, one on its way is no longer
    // awaited.
    void replace(Relay& relay);
    // Gives a command to the DVR's line, built from what the line knows of
    // its giver's entry when it goes out.
    void give(Relay& relay, const Given& given);
    void onAnswer(quint64 serial, const CCommandAnswer& answer);
    void onKnown(const DVR& record);
    // No page shows that DVR's relays any more: they end as at the
    // program's end.
    void onUnlisted(const DVR& record);
    void arm(Relay& relay, int milliseconds, bool failed, const COrderedCommands::Giver& by);
    void sendSwitchOff(Relay& relay, bool last, const COrderedCommands::Giver& by);
    // A switch-off pending or following an unanswered On goes out now, and
    // none of the relay's commands is tried again.
    void sendLast(Relay& relay);
    // A switch-off of the DVR's relay pends, given by any entry: the relay
    // is not left on.
    bool switchOffPends(const Relay& relay) const;
    static void reportLeftOn(const Relay& relay);
    void stopTimer(Relay& relay);
    void timerEvent(QTimerEvent* event) override;

    Relays m_relays;
    quint64 m_lastSerial = 0;
    int m_retryMs = RETRY_MS;
};
