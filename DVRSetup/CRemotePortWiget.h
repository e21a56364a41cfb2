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
// has since been pointed at another DVR or has gone. The commands go as the
// directory entry shown, with its account. The relay is the DVR's, whichever
// entry shows it: Auto shows checked while a switch-off of it pends, given
// from any entry's page, from the click until the DVR has taken it, also
// while the page is cleared because that DVR's stream failed; and an On or
// Off the DVR takes replaces it. Below the buttons the page tells why the
// shown entry's last command to the relay was not carried out, until that
// entry's next command, and why the pending switch-off was not. With no DVR
// the page sends nothing. Nothing is read back, so the page does not know
// the relay's real state. Object names end in the relay number.
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
    // Sends nothing from now on; pending switch-offs still go out, and the
    // page shows the named DVR's relay as that entry's page.
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
    // Auto shows whether the shown DVR's switch-off pends, and the page
    // why the shown entry's last command and the switch-off were not
    // carried out.
    void showRelayStates();

    std::unique_ptr<Ui::CRemotePortWiget> m_ui;
    // Names the DVR; the commands go out through CRelaySwitches.
    CLiveCommand m_command;
    // The DVR whose switch-off Auto shows, also while no command goes out.
    std::optional<DVR> m_shown;
    // Whose commands' problems the page tells.
    CDirectoryEntry::Id m_shownEntry = CDirectoryEntry::NONE;
    int m_autoOffSeconds = 0;
    int m_secondMs = SECOND_MS;
    // Indexed by relay number.
    QList<QPushButton*> m_autoButtons;
};
