#pragma once

#include "DVRSetup/CLiveCommand.h"

#include <QList>
#include <QRegularExpression>
#include <QWidget>
#include <memory>
#include <optional>

class QPushButton;

namespace Ui {
class CRemotePortWiget;
}

// The relay page of the live control panel: switches the DVR's relay output
// on and off by hand, or on with an automatic switch-off after the chosen
// number of seconds. Every relay command is the application's
// (CRelaySwitches), not the page's: it reaches the DVR even when the page
// has since been pointed at another DVR or has gone. A switch-off belongs
// to the DVR's relay as the directory entry that gave it, whose account it
// goes with, and that entry's On, Off or Auto on that relay replace it. Auto
// shows checked while the shown entry's switch-off pends, from the click
// until the DVR has taken it, also while the page is cleared because that
// DVR's stream failed. A command of the shown entry that the DVR refused or
// did not answer is told below the buttons until that entry's next command
// to that relay. With no DVR the page sends nothing. Nothing is read back,
// so the page does not know the relay's real state. Object names end in the
// relay number.
class CRemotePortWiget : public QWidget {
    Q_OBJECT

public:
    // The first capture is the action, the second the relay number; the
    // bracketed parts are character classes.
    static const QRegularExpression AUX_BUTTON_REGEX;
    static const QRegularExpression AUX_AUTO_BUTTON_REGEX;
    static constexpr int SECOND_MS = 1000;

    explicit CRemotePortWiget(QWidget* parent = nullptr);
    ~CRemotePortWiget() override;

    // The commands go as that entry's.
    void setConnectedDVR(const DVR& dvr, int clientId, CDirectoryEntry::Id entry);
    // Sends nothing from now on; pending switch-offs still go out, and Auto
    // shows whether the named DVR's, as that entry gave it, pends.
    void clearConnectedDVR(
        const std::optional<DVR>& named = std::nullopt, CDirectoryEntry::Id entry = CDirectoryEntry::NONE);
    // How long one second of the auto-off time lasts.
    void setSecondLength(int milliseconds);

    virtual void languageChange();

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void OnClickedRP();
    void OnClickedAutoRP();
    void OnClickedOffSecond();

private:
    // Auto shows whether the shown entry's switch-off pends, and the page
    // why its last command was not carried out.
    void showRelayStates();

    std::unique_ptr<Ui::CRemotePortWiget> m_ui;
    // Names the DVR; the commands go out through CRelaySwitches.
    CLiveCommand m_command;
    // The DVR whose switch-offs Auto shows, also while no command goes out.
    std::optional<DVR> m_shown;
    // Whose switch-offs those are.
    CDirectoryEntry::Id m_shownEntry = CDirectoryEntry::NONE;
    int m_autoOffSeconds = 0;
    int m_secondMs = SECOND_MS;
    // Indexed by relay number.
    QList<QPushButton*> m_autoButtons;
};
