#pragma once

#include "Connection/CSendCommand.h"
#include "DVRSetup/CLiveCommand.h"

#include <QObject>
#include <memory>
#include <vector>

// The automatic switch-offs of relays that were switched on for a while. A
// switch-off is a command promised to a DVR, not a page's state: it belongs
// to the DVR and relay switched on, lives with the application rather than
// with any window, and is sent when due, whichever DVR a page shows by then.
// It stays pending until the DVR answers it: one that fails is sent again
// every retry interval, and at once when the DVR's live link connects
// again. Only On, Off or Auto on the same DVR's relay (which replace it),
// the DVR's removal from the directory or the program's end take it away;
// at the end every one still pending is sent at once, and the program waits
// for the answers as it waits for its streams' stop requests. A switch-off
// that never got its answer is reported on the log. GUI thread.
class CRelaySwitchOffs : public QObject {
    Q_OBJECT

public:
    static constexpr int RETRY_MS = 3000;
    // A DVR that takes longer than this to answer did not take it.
    static constexpr int ANSWER_TIME_LIMIT_MS = 10000;

    // The application's one instance, made on first use; it goes with the
    // application object.
    static CRelaySwitchOffs& ofApplication();

    // The relay of the command's DVR switches off after `milliseconds`; a
    // switch-off pending for that DVR's relay is replaced.
    void arm(const CLiveCommand& target, unsigned relay, int milliseconds);
    void cancel(const CLiveCommand& target, unsigned relay);
    bool isPending(const DVR& dvr, unsigned relay) const;

    // The DVR's live link connected under that client id: its switch-offs
    // name the new stream, and those that failed go out now.
    void linkConnected(const DVR& dvr, int clientId);
    // The DVR left the directory.
    void forget(const DVR& dvr);
    // The program ends: every pending switch-off goes out now, and one that
    // fails is reported rather than tried again.
    void sendAllNow();
    // Switch-offs sent whose answer has not come.
    int awaitingAnswer() const;
    // Reports each switch-off still pending on the log.
    void reportUnsent() const;

    // How long a failed switch-off waits before it is sent again.
    void setRetryInterval(int milliseconds);

signals:
    // A switch-off was answered or taken away: what Auto shows may change.
    void changed();

private:
    struct Pending;

    explicit CRelaySwitchOffs(QObject* parent);
    ~CRelaySwitchOffs() override;

    std::vector<std::unique_ptr<Pending>>::iterator find(const DVR& dvr, unsigned relay);
    std::vector<std::unique_ptr<Pending>>::const_iterator find(const DVR& dvr, unsigned relay) const;
    static void reportLeftOn(const Pending& pending);
    void send(Pending& pending);
    void onAnswer(quint64 serial, bool answered, bool mayRetry = true);
    void stopTimer(Pending& pending);
    // A switch-off is due, or due to be sent again.
    void timerEvent(QTimerEvent* event) override;

    CSendCommand m_sender;
    std::vector<std::unique_ptr<Pending>> m_pending;
    quint64 m_lastSerial = 0;
    int m_retryMs = RETRY_MS;
};
