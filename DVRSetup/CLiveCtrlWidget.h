#pragma once

#include "Connection/CDirectoryEntry.h"
#include "ProtoBuf/DVRList.pb.h"

#include <QRegularExpression>
#include <QWidget>
#include <memory>
#include <optional>

class CAutoPresetWidget;
class CPictureWidget;
class CPtzfWidget;
class CRemotePortWiget;

namespace Ui {
class CLiveCtrlWidget;
}

// The strip below the screen wall in the live modes: four pages (PTZ,
// preset tour, relay outputs, picture adjustment) behind a column of page
// buttons. It hands the current DVR, its client id and the selected channel
// to the pages, which keep the operator's choices themselves; the
// main window decides which page buttons show. The page shown is the one
// whose button is checked: it stays when the panel is pointed elsewhere,
// unless the new DVR lacks it, and then the PTZ page shows. With no DVR
// (the current one failed or is still starting) the pages show disabled
// and send nothing. The panel sends nothing itself: the PTZ and relay
// pages send through the application's sender, whose commands outlive the
// window, the tour and picture pages through their own.
class CLiveCtrlWidget : public QWidget {
    Q_OBJECT

public:
    // The capture of a page button's object name is its page index.
    static const QRegularExpression BUTTON_REGEX;

    explicit CLiveCtrlWidget(QWidget* parent = nullptr);
    ~CLiveCtrlWidget() override;

    // The pages act on the DVR's stream, their commands going with the
    // account of the directory entry (NONE for a DVR that no entry holds).
    // A movement held on the PTZ page ends on the DVR it moved when this is
    // another DVR or entry.
    void setConnectedDVR(
        const DVR& dvr, int clientId, bool showRelay, CDirectoryEntry::Id entry = CDirectoryEntry::NONE);
    // The pages send nothing. A movement held on the PTZ page ends on the
    // DVR it moved; a relay's pending switch-off still goes out, and the
    // relay page shows whether that of the `named` DVR (the one the title
    // still names, whose stream failed), as the entry gave it, pends.
    void clearConnectedDVR(
        const std::optional<DVR>& named = std::nullopt, CDirectoryEntry::Id entry = CDirectoryEntry::NONE);
    // The zero-based channel of the selected screen within its DVR; a
    // movement held on another channel ends.
    void setSelectedChannel(int channel);
    void setVisiblePictureCtrl(bool visible);
    // The page shown: 0 PTZ, 1 preset tour, 2 relay, 3 picture.
    int currentPage() const;

    virtual void languageChange();

public slots:
    // True while the wall shows a single screen. The pages that act on the
    // selected screen's channel (PTZ, tour, picture) are enabled only then:
    // the one showing follows at once, and a page takes the state up when it
    // is shown, so none stays disabled on a single screen.
    void changeState(bool enable);

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void changeWidget();

private:
    enum Page { PTZ_PAGE, TOUR_PAGE, RELAY_PAGE, PICTURE_PAGE };

    void createControlGroup();
    // Shows the page and checks its button.
    void showPage(int page);
    // Gives the single-screen state to the widgets of the page showing.
    void enableCurrentPage();

    std::unique_ptr<Ui::CLiveCtrlWidget> m_ui;
    CPtzfWidget* m_ptzf = nullptr;
    CAutoPresetWidget* m_autoPreset = nullptr;
    CRemotePortWiget* m_remotePort = nullptr;
    CPictureWidget* m_picture = nullptr;
    bool m_singleScreen = true;
    int m_channel = -1;
};
