#pragma once

#include "Connection/CDirectoryEntry.h"
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
// A switch-off belongs to the directory entry it was armed on, whatever is
// edited in that entry afterwards, and goes to the address that took its
// On: that is the relay that is on. It is sent when due, whichever DVR a
// page shows by then, and stays pending until the DVR answers it: one that
// fails is sent again every retry interval, and at once when the entry's
// (or that DVR's) live link connects again. Only On, Off or Auto on the
// entry's relay replace it; deleting the entry does not. At the program's
// end every switch-off still pending goes out at once. An Off or a
// switch-off that never got its answer may leave a relay on: it is reported
// on the log. GUI thread.
class CRelaySwitches : public QObject {
    Q_OBJECT

public:
    static constexpr int RETRY_MS = 3000;

    // The application's one instance, made on first use; it goes with the
    // application object.
    static CRelaySwitches& ofApplication();

    // Switches the relay of the command's DVR on or off now; the entry's
    // switch-off pending for that relay is replaced. Nothing is sent while
    // the command names no DVR.
    void switchNow(CDirectoryEntry::Key entry, const CLiveCommand& target, unsigned relay, bool on);
    // Switches it on now, and off after `milliseconds`.
    void switchOnFor(CDirectoryEntry::Key entry, const CLiveCommand& target, unsigned relay, int milliseconds);
    // A switch-off of the entry's relay waits for its time or for the DVR's
    // answer.
    bool isPending(CDirectoryEntry::Key entry, unsigned relay) const;

    // The entry's live link connected to that DVR under that client id: the
    // switch-offs that go to that DVR name the new stream, and those of the
    // entry or of that DVR that failed go out now. Those not yet due wait
    // for their time.
    void linkConnected(CDirectoryEntry::Key entry, const DVR& dvr, int clientId);
    // The program ends: every pending switch-off goes out now, and one that
    // fails is reported rather than tried again.
    void sendAllNow();
    // Reports on the log each relay that may stay on: its switch-off is
    // still pending, or an Off or switch-off was sent and not answered.
    void reportUnanswered() const;

    // How long a failed switch-off waits before it is sent again.
    void setRetryInterval(int milliseconds);

signals:
    // A switch-off was armed, answered or replaced: what Auto shows may
    // change.
    void changed();

private:
    struct Command;
    using Commands = std::vector<std::unique_ptr<Command>>;

    explicit CRelaySwitches(QObject* parent);
    ~CRelaySwitches() override;

    // The entry's switch-off of that relay.
    Commands::iterator findSwitchOff(CDirectoryEntry::Key entry, unsigned relay);
    // Replaces the entry's switch-off of that relay; an answer still to come
    // for it is no longer awaited.
    void replace(CDirectoryEntry::Key entry, unsigned relay);
    static void reportLeftOn(const Command& command);
    void send(Command& command);
    void onAnswer(quint64 serial, bool answered, bool mayRetry = true);
    void stopTimer(Command& command);
    // A switch-off is due, or due to be sent again.
    void timerEvent(QTimerEvent* event) override;

    // Switch-offs while pending, commands by hand while on their way.
    Commands m_commands;
    quint64 m_lastSerial = 0;
    int m_retryMs = RETRY_MS;
};
