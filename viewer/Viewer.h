#pragma once

#include "ProtoBuf/EMapList.pb.h"
#include "dvr_protocol/cgi_request.pb.h"
#include "viewer/CConnectionList.h"
#include "viewer/CModeTable.h"
#include "viewer/CScreenButtons.h"

#include <QPoint>
#include <QWidget>
#include <ctime>
#include <functional>
#include <map>
#include <memory>

class CBackupWidget;
class CClockWidget;
class CDVRInfoWidget;
class CDVRListTree;
class CDisplayTitle;
class CDisplayWidget;
class CEMapList;
class CEMapViews;
class CLiveView;
class CLiveCtrlWidget;
class CPCSetupDialog;
class CPlaybackWidget;
class CSendCommand;
class CSetupWidget;
class CSnapshotView;
class QPushButton;
class QTreeWidgetItem;

namespace Ui {
class ViewerClass;
}

// The main window. It owns every page and panel for the life of the
// process, lays them out and wires them together. Its ten modes (live for
// one DVR or many, search, local playback, backup, E-Map view and edit, DVR
// information, DVR setup and PC setup) change as the mode table says, step
// by step; the live view of the connected group is the live-view
// coordinator's, to which its slots of the live view forward. GUI thread.
class Viewer : public QWidget {
    Q_OBJECT

public:
    using MENU_MODE = CModeTable::Mode;
    static constexpr MENU_MODE LIVE_S = CModeTable::LIVE_S, LIVE_M = CModeTable::LIVE_M, SEARCH = CModeTable::SEARCH,
                               PLAYBACK = CModeTable::PLAYBACK, BACKUP = CModeTable::BACKUP,
                               EMAP_VIEW = CModeTable::EMAP_VIEW, EMAP_EDIT = CModeTable::EMAP_EDIT,
                               INFORMATION = CModeTable::INFORMATION, SETUP = CModeTable::SETUP,
                               PC_SETUP = CModeTable::PC_SETUP;
    static constexpr int LIVE_PAGE_HEIGHT = 130;
    static constexpr int OTHER_PAGE_HEIGHT = 190;

    explicit Viewer(QWidget* parent = nullptr, Qt::WindowFlags flags = {});
    ~Viewer() override;

    // The Opengl setting; on the first run, without one, OpenGL is probed
    // and the result (0, or 2 without OpenGL) stored.
    static int getOpenGLMode();
    // The CodecType setting, 0 when absent.
    static int getCodecType();

    int menuMode() const { return m_modes.current(); }
    const CConnectionList& connections() const;

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
    void createLiveView();
    void loadLogo();

    // The steps of the mode table.
    void defineSteps();
    void run(const CModeTable::Steps& steps);
    void setDisplayMode(int page);
    void setFunctionWidget();
    void controlDisplayArea(bool show);
    void hideDisplayArea();
    void exitZoom();
    void ExitSequence();
    void showOneDvrLayout();
    void showManyDvrLayout();
    void showMapList(bool show);
    void readSetup();
    void readInformation();
    void showMaps(bool edit);
    void openPCSetup();
    void stopRecordToPC();
    QPushButton* menuButton(int mode) const;
    void createEMap(const EMap& map, bool show);
    void removeEMap();

    // Layouts of the wall.
    void selectLayout(QPushButton* button);
    void updatePageText();
    bool saveSnapshot(const QString& path);

    std::unique_ptr<Ui::ViewerClass> m_ui;
    CModeTable m_modes;
    std::map<CModeTable::Step, std::function<void()>> m_steps;
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
    std::unique_ptr<CLiveView> m_live;
};
