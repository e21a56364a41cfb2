#pragma once

#include "DVRSetup/CLiveCommand.h"

#include <QObject>
#include <memory>
#include <vector>

// Every relay command: On and Off by hand, and Auto's On with its automatic
// switch-off. A relay command is promised to a DVR, not a page's state: it
// lives with the application rather than with any window and goes through
// the application's sender (CApplicationSender), whose replies the
// program's end waits for, so an Off clicked just before the window closes
// still reaches the DVR.
//
// A relay is named by the DVR its commands go to (address and port,
// CDvrIdentity) and its number, whichever directory entry or page gave the
// command: two entries of one DVR show and command the same relay. Its
// commands go out one at a time, in the order given: the next goes when
// the DVR has answered the one before, refused it or when the sender gave
// it up at its time limit, so a slow link cannot let a later command
// overtake an earlier one. Of the commands waiting meanwhile only the last
// given goes out.
//
// A relay's switch-off goes with the DVR record its On went to, when due,
// whichever DVR a page shows by then, and stays pending until the DVR
// answers it: one that fails is sent again every retry interval, and at
// once when that DVR's live link connects again. On, Off or Auto on the
// same relay replace it; one already on its way is no longer awaited and
// the replacing command follows its end. Deleting or editing a directory
// entry does not touch it. At the program's end every switch-off still
// pending goes out in turn. An Off or a switch-off that never got its
// answer may leave a relay on: it is reported on the log. GUI thread.
class CRelaySwitches : public QObject {
    Q_OBJECT

public:
    static constexpr int RETRY_MS = 3000;

    // The application's one instance, made on first use; it goes with the
    // application object.
    static CRelaySwitches& ofApplication();

    // Switches the relay of the command's DVR on or off; its pending
    // switch-off is replaced. Nothing is sent while the command names no
    // DVR.
    void switchNow(const CLiveCommand& target, unsigned relay, bool on);
    // Switches it on, and off after `milliseconds`.
    void switchOnFor(const CLiveCommand& target, unsigned relay, int milliseconds);
    // A switch-off of that DVR's relay waits for its time, for the commands
    // before it or for the DVR's answer.
    bool isPending(const DVR& dvr, unsigned relay) const;

    // That DVR's live link connected under that client id: its switch-offs
    // and waiting commands name the new stream, and its switch-offs that
    // failed go out now. Those not yet due wait for their time.
    void linkConnected(const DVR& dvr, int clientId);
    // The program ends: every pending switch-off goes out in turn, and one
    // that fails is reported rather than tried again.
    void sendAllNow();
    // A command is on its way to a DVR, or waits for the one before it.
    bool isSending() const;
    // Reports on the log each relay that may stay on: the last command given
    // for it is an Off or a switch-off that got no answer.
    void reportUnanswered() const;

    // How long a failed switch-off waits before it is sent again.
    void setRetryInterval(int milliseconds);

signals:
    // A switch-off was armed, answered or replaced: what Auto shows may
    // change.
    void changed();

private:
    struct Command;
    struct Relay;
    using Relays = std::vector<std::unique_ptr<Relay>>;

    explicit CRelaySwitches(QObject* parent);
    ~CRelaySwitches() override;

    Relays::const_iterator findRelay(const DVR& dvr, unsigned number) const;
    Relay& relayOf(const DVR& dvr, unsigned number);
    // The relay's switch-off is replaced by a command given now: one not
    // yet sent goes, one on its way is no longer awaited. True when one was
    // pending.
    bool replace(Relay& relay);
    // Sends the command, or has it wait for the one on its way in place of
    // any waiting.
    void give(Relay& relay, std::unique_ptr<Command> command);
    void send(Relay& relay, std::unique_ptr<Command> command);
    void onAnswer(quint64 serial, bool answered, bool mayRetry = true);
    // The relay's armed switch-off is due, or due to be sent again.
    void sendSwitchOff(Relay& relay);
    static void reportLeftOn(const Relay& relay, const Command& command);
    void stopTimer(Relay& relay);
    void timerEvent(QTimerEvent* event) override;

    // Those with a command on its way, waiting or armed.
    Relays m_relays;
    quint64 m_lastSerial = 0;
    int m_retryMs = RETRY_MS;
};
