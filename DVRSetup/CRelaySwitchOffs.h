#pragma once

#include "DVRSetup/CLiveCommand.h"

#include <QObject>
#include <functional>
#include <memory>
#include <vector>

class CSendCommand;

// The automatic switch-offs of relays that were switched on for a while:
// each belongs to the DVR, stream and relay switched on, and is sent there
// when due, whichever DVR the relay page shows by then. Arming or
// cancelling one touches no other DVR's. GUI thread.
class CRelaySwitchOffs : public QObject {
    Q_OBJECT

public:
    // Sends the switch-off of a relay through the command given.
    using SwitchOff = std::function<void(CLiveCommand& command, unsigned relay)>;

    CRelaySwitchOffs(CSendCommand* sender, SwitchOff switchOff, QObject* parent = nullptr);
    ~CRelaySwitchOffs() override;

    // The relay of the command's DVR switches off after `milliseconds`; a
    // switch-off pending for that DVR's relay is replaced.
    void arm(const CLiveCommand& target, unsigned relay, int milliseconds);
    void cancel(const CLiveCommand& target, unsigned relay);
    bool isPending(const CLiveCommand& target, unsigned relay) const;

signals:
    // The switch-off was sent.
    void switchedOff(unsigned relay);

private:
    struct Pending;

    // -1 when none pends.
    int indexOf(const CLiveCommand& target, unsigned relay) const;
    // A switch-off is due.
    void timerEvent(QTimerEvent* event) override;

    CSendCommand* m_sender;
    SwitchOff m_switchOff;
    std::vector<std::unique_ptr<Pending>> m_pending;
};
