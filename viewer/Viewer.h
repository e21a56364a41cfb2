#pragma once

#include "ProtoBuf/EMapList.pb.h"
#include "dvr_protocol/cgi_request.pb.h"
#include "viewer/CConnectionList.h"
#include "viewer/CScreenButtons.h"

#include <QPoint>
#include <QWidget>
#include <ctime>
#include <memory>

class CBackupWidget;
class CClockWidget;
class CDVRInfoWidget;
class CDVRListTree;
class CDisplayTitle;
class CDisplayWidget;
class CEMapList;
class CEMapViews;
class CLiveCtrlWidget;
class CPCSetupDialog;
class CPlaybackWidget;
class CSendCommand;
class CSetupWidget;
class CSnapshotView;
class CViewerCommands;
class QPushButton;
class QTreeWidgetItem;

namespace Ui {
class ViewerClass;
}

// The main window. It owns every page and panel for the life of the
// process and switches between ten modes: live for one DVR or many, search,
// local playback, backup, E-Map view and edit, DVR information, DVR setup
// and PC setup. It coordinates the panels: the screen wall with its title,
// the DVR tree, the bottom panels of the modes, and one connection
// controller per DVR of the connected group.
class Viewer : public QWidget {
    Q_OBJECT

public:
    // The page of the bottom panel.
    enum VIEW_MODE { LIVE_PAGE = 0, PLAYBACK_PAGE = 1, BACKUP_PAGE = 2, EMAP_PAGE = 3 };
    enum MENU_MODE {
        LIVE_S = 0,
        LIVE_M = 1,
        SEARCH = 2,
        PLAYBACK = 3,
        BACKUP = 4,
        EMAP_VIEW = 5,
        EMAP_EDIT = 6,
        INFORMATION = 7,
        SETUP = 8,
        PC_SETUP = 9,
    };
    static constexpr int LIVE_PAGE_HEIGHT = 130;
    static constexpr int OTHER_PAGE_HEIGHT = 190;
    static constexpr int REDRAW_DELAY_MS = 100;

    explicit Viewer(QWidget* parent = nullptr, Qt::WindowFlags flags = {});
    ~Viewer() override;

    // The Opengl setting; on the first run, without one, OpenGL is probed
    // and the result (0, or 2 without OpenGL) stored.
    static int getOpenGLMode();
    // The CodecType setting, 0 when absent.
    static int getCodecType();

    int menuMode() const { return m_menuMode; }
    const CConnectionList& connections() const { return m_connections; }

    // Connects the one DVR at the address after asking for a user id and
    // password; it shows on screens 0 to 15 and belongs to no group of the
    // tree.
    void connectDVR(const QString& address, int port);
    // Rounds the window's corners by the radius: the window is masked to
    // itself less what lies outside a circle of that radius in each corner.
    void setRoundedDialog(int radius);

public slots:
    void OnLiveSClicked();
    void OnLiveMClicked();
    void OnSearchClicked();
    void OnPlaybackClicked();
    void OnDirectoryClicked();
    void OnUpdatePlaybackPath(const QString& dir);
    void OnBackupClicked();
    void OnEMapClicked();
    void OnEMapViewClicked();
    void OnEMapEditClicked();
    void OnEMapSetupClicked();
    void OnEMapExitClicked();
    void OnEMapLogSave();
    void OnDVRInformation();
    void OnDVRSetupClicked();
    void OnConfigExit();
    void OnPCSetupClicked();
    void OnApplyPCSetup();
    void OnFinishedPCSetup();
    void OnMaximized();
    void OnDisplaySpeed();

    void OnGroupConnect(const QTreeWidgetItem& treeItem, int groupIndex, int dvrIndex);
    void OnChangedDVR(int groupIndex, int dvrIndex);
    void slotDisconnectDVR(int groupIndex, int dvrIndex);
    void OnRemovingDVR(int groupIndex, int dvrIndex);
    void OnConnected();
    void OnDisconnected();
    void slotChangedScreen(int screen, int dvrch);
    void restoreScreen();
    void stopDisplay();

    void sendChannelCommand(int screens, int startscreen);
    void OnRecordToDVRClicked();
    void OnRecordToPCClicked();
    void OnChangedPbStatus(const cgi::PbControl::Cmd& cmd);
    void OnCaptureClicked();
    void OnClickSingleScreen();
    void OnClickMultiScreen();
    void OnClickPageScreen();
    void OnClickSequence();
    void OnClickFullScreen();
    void OnExitFullScreen();
    void OnScreenNext();
    void OnScreenPrev();
    void OnDoubleClickedDisplay(int screen);
    void OnDZoomClicked();

    void OnSelectedTime(time_t time, int channels);
    void OnBackupStart(time_t startTime, time_t endTime, int channels);
    void OnBackupStop();
    void OnSearchImageClicked();
    void OnSelectedEMap(const EMap& map);
    void OnSelectedEMapGroup(const EMapList& group);
    void OnChangedEMap(int index);
    void OnRemoveEMap();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void changeEvent(QEvent* event) override;
    virtual void languageChange();

private:
    static void loadStyleSheet();
    // Where the setup and information panels lie: right of the menu column,
    // below the title-bar buttons, to the window's edges.
    QRect panelArea() const;
    void connectButtons();
    void createClock();
    void createDisplay();
    void createPlayback();
    void createBackup();
    void createSetup();
    void createLayout();
    void createPCSetup();
    void createTree();
    void createEMapList();
    void loadLogo();

    // Mode switching.
    void setDisplayMode(int page);
    void setFunctionWidget();
    void controlDisplayArea(bool show);
    void hideDisplayWidget();
    void exitZoom();
    void ExitSequence();
    void stopBackup();
    void stopLocalPlayback();
    void readyForSearch();
    void setPrevMenu();
    QPushButton* menuButton(int mode) const;
    void updateTitle();
    void createEMap(const EMap& map, bool show);
    void removeEMap();

    // Connections.
    void connectDVR();
    void disconnectDVR(bool remove);
    void updateDisplayScreen();
    void updateDVRInfo();
    void showLiveControls(const CConnectDVR& controller);
    void watch(CConnectDVR* controller);
    // A backup's failures are the backup panel's to tell.
    void watchBackup(CConnectDVR* controller);
    void unwatch(CConnectDVR* controller);
    // Remote playback or backup (by the stream mode) of the current DVR's
    // recordings.
    void startRecorded(CConnectDVR* current, int mode, time_t startTime, time_t endTime, int channels);
    void OnRecordFailed(const QString& reason);
    void redrawLater();

    // Live commands and layouts.
    void selectChannels(int index, int screens, int startscreen);
    void showOneDvrLayout(QPushButton* button);
    // False when the wall already shows them.
    bool showScreens(int screens, int start);
    void updatePageText();
    bool saveSnapshot(const QString& path);

    std::unique_ptr<Ui::ViewerClass> m_ui;
    CConnectionList m_connections;
    int m_currentGroup = 0;
    int m_menuMode = LIVE_S;
    int m_prevMenuMode = LIVE_S;
    QPoint m_dragOffset;
    bool m_dragging = false;
    int m_codecType = -1;
    int m_openGLMode = 0;
    CScreenButtons m_screenButtons;

    CClockWidget* m_clock = nullptr;
    CLiveCtrlWidget* m_liveCtrl = nullptr;
    CDisplayTitle* m_title = nullptr;
    CDisplayWidget* m_display = nullptr;
    CPlaybackWidget* m_playback = nullptr;
    CBackupWidget* m_backup = nullptr;
    CSetupWidget* m_setup = nullptr;
    CDVRInfoWidget* m_dvrInfo = nullptr;
    CPCSetupDialog* m_pcSetup = nullptr;
    CDVRListTree* m_tree = nullptr;
    CEMapList* m_emapList = nullptr;
    std::unique_ptr<CEMapViews> m_emapViews;
    std::unique_ptr<CSnapshotView> m_snapshot;
    std::unique_ptr<CSendCommand> m_sendCommand;
    std::unique_ptr<CViewerCommands> m_commands;
};
