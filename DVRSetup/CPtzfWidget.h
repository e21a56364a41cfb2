#pragma once

#include "DVRSetup/CLiveCommand.h"
#include "Settings/CChangedSettings.h"

#include <QList>
#include <QWidget>
#include <memory>

class QPushButton;
class QTimer;

namespace Ui {
class CPtzfWidget;
}

// The PTZ page of the live control panel: steers the camera on the selected
// channel. A movement runs while its button is held (sent at the press,
// repeated at every tick, stopped at the release, or stopped on its DVR
// when the page is pointed at another DVR or channel, or at none, or when
// the page goes); presets 1 to 99 are stored and recalled. Its commands go
// through the DVR's line of commands (COrderedCommands), so a DVR takes the
// stop after the movement it stops, also one held as the window closes; a
// repeat is left out while the DVR has not taken the command before it, and
// a movement or stop takes the place of one to the same camera that still
// waits, while a preset stored or recalled is an act that keeps its place
// among them, in the order clicked. The
// speed is kept in the settings store as soon as the operator chooses it,
// and only then, so that another viewer's stays; one the settings file
// could not take yet (held by another program) stays pending
// (CPendingSettings); given up there for another viewer's later one, the
// page shows that one.
class CPtzfWidget : public QWidget {
    Q_OBJECT

public:
    static constexpr int REPEAT_INTERVAL_MS = 1000;

    explicit CPtzfWidget(QWidget* parent = nullptr);
    // Ends a held movement.
    ~CPtzfWidget() override;

    // The commands go with the account of that entry; one the DVR refuses
    // or does not answer is told on the page until a later one is taken.
    void setConnectedDVR(const DVR& dvr, int clientId, CDirectoryEntry::Id entry);
    void clearConnectedDVR();
    // Where the page's commands go.
    const CLiveCommand& command() const { return m_command; }
    // How often a held movement is sent again.
    void setRepeatInterval(int milliseconds);

    virtual void languageChange();

public slots:
    void setChannel(int channel);

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void OnChangedSpeed(int speed);
    void OnSendPreset();
    void OnPressedPTZF();
    void OnReleasedPTZF();
    void OnTimer();

private:
    // Stops a held movement on the DVR it moves; the button's release then
    // sends nothing more.
    void endHeldMovement();
    // A button's command, or the stop for an empty name.
    void sendCommand(const QString& name, bool repeat = false);
    // One command, in the DVR's dialect when it goes out; one the older
    // dialect has no request for (empty) is not given to such a DVR.
    void send(const QString& what, cgi::Ptzf::Cmd command, const QByteArray& oldRequest, int preset, bool repeat);
    // Shows the speed chosen on this viewer when it is not written yet,
    // otherwise the stored one.
    void readSpeed();
    QMap<QString, QVariant> shownSpeed() const;
    // Keeps the speed shown when the operator changed it.
    void keepSpeed();

    std::unique_ptr<Ui::CPtzfWidget> m_ui;
    CLiveCommand m_command;
    int m_channel = 0;
    QList<QPushButton*> m_ptzfButtons;
    QTimer* m_repeatTimer;
    int m_repeatIntervalMs = REPEAT_INTERVAL_MS;
    CChangedSettings m_storedSpeed;
};
