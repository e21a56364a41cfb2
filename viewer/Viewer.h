#pragma once

#include "Common/CWholeFileWriter.h"
#include "ProtoBuf/EMapList.pb.h"
#include "dvr_protocol/cgi_request.pb.h"
#include "viewer/CEMapViews.h"
#include "viewer/CLiveView.h"
#include "viewer/CModeTable.h"
#include "viewer/CScreenButtons.h"

#include <QPushButton>
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
class CLiveCtrlWidget;
class CPCSetupDialog;
class CPlaybackWidget;
class CSetupWidget;
class CSnapshotView;
class CWindowGeometry;
class QTreeWidgetItem;

namespace Ui {
class ViewerClass;
}

// The main window. It owns every page and panel for the life of the
// process, lays them out and wires them together. Its ten modes (live for
// one DVR or many, search, local playback, backup, E-Map view and edit, DVR
// information, DVR setup and PC setup) change as the mode table says, step
// by step; the live view of the connected group is the live-view
// coordinator's, to which its slots of the live view forward, and its drag
// and the room a mode grows it by are the window geometry's. GUI thread.
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
    const CConnectionList& connections() const { return m_live->connections(); }

    // Connects the one DVR at the address after asking for a user id and
    // password; it shows on screens 0 to 15 and belongs to no group of the
    // tree.
    void connectDVR(const QString& address, int port);
    // Rounds the window's corners by the radius: the window is masked to
    // itself less what lies outside a circle of that radius in each corner.
    void setRoundedDialog(int radius);

public slots:
    void OnLiveSClicked() { run(m_modes.enter(CModeTable::LIVE_S)); }
    void OnLiveMClicked() { run(m_modes.enter(CModeTable::LIVE_M)); }
    void OnSearchClicked() { run(m_modes.enter(CModeTable::SEARCH)); }
    void OnPlaybackClicked() { run(m_modes.enter(CModeTable::PLAYBACK)); }
    void OnDirectoryClicked();
    void OnUpdatePlaybackPath(const QString& dir);
    void OnBackupClicked() { run(m_modes.enter(CModeTable::BACKUP)); }
    void OnEMapClicked() { run(m_modes.openEMap()); }
    void OnEMapViewClicked() { run(m_modes.enter(CModeTable::EMAP_VIEW)); }
    void OnEMapEditClicked() { run(m_modes.enter(CModeTable::EMAP_EDIT)); }
    void OnEMapSetupClicked() { m_emapViews->runSetup(); }
    void OnEMapExitClicked() { run(m_modes.back()); }
    void OnEMapLogSave();
    void OnDVRInformation() { run(m_modes.enter(CModeTable::INFORMATION)); }
    void OnDVRSetupClicked() { run(m_modes.enter(CModeTable::SETUP)); }
    void OnConfigExit() { run(m_modes.back()); }
    void OnPCSetupClicked() { run(m_modes.enter(CModeTable::PC_SETUP)); }
    void OnApplyPCSetup();
    void OnFinishedPCSetup();
    void OnMaximized();
    void OnDisplaySpeed();

    void OnGroupConnect(const QTreeWidgetItem& treeItem, int groupIndex, int dvrIndex)
    {
        m_live->OnGroupConnect(treeItem, groupIndex, dvrIndex);
    }
    void OnChangedDVR(int groupIndex, int dvrIndex) { m_live->OnChangedDVR(groupIndex, dvrIndex); }
    void slotDisconnectDVR(int groupIndex, int dvrIndex) { m_live->slotDisconnectDVR(groupIndex, dvrIndex); }
    void OnRemovingDVR(int groupIndex, int dvrIndex) { m_live->OnRemovingDVR(groupIndex, dvrIndex); }
    void OnConnected() { m_live->OnConnected(); }
    void OnDisconnected() { m_live->OnDisconnected(); }
    void slotChangedScreen(int screen, int dvrch) { m_live->slotChangedScreen(screen, dvrch); }
    void restoreScreen() { m_live->restoreScreen(); }
    void stopDisplay() { m_live->stopDisplay(); }

    void sendChannelCommand(int screens, int startscreen) { m_live->sendChannelCommand(screens, startscreen); }
    void OnRecordToDVRClicked() { m_live->recordOnDvr(); }
    void OnRecordToPCClicked();
    void OnChangedPbStatus(const cgi::PbControl::Cmd& cmd) { m_live->OnChangedPbStatus(cmd); }
    void OnCaptureClicked();
    void OnClickSingleScreen() { selectLayout(qobject_cast<QPushButton*>(sender())); }
    void OnClickMultiScreen() { selectLayout(qobject_cast<QPushButton*>(sender())); }
    void OnClickPageScreen();
    void OnClickSequence();
    void OnClickFullScreen();
    void OnExitFullScreen();
    void OnScreenNext() { turnPage(true); }
    void OnScreenPrev() { turnPage(false); }
    void OnDoubleClickedDisplay(int screen);
    void OnDZoomClicked();

    void OnSelectedTime(time_t time, int channels) { m_live->OnSelectedTime(time, channels); }
    void OnBackupStart(time_t startTime, time_t endTime, int channels)
    {
        m_live->OnBackupStart(startTime, endTime, channels);
    }
    void OnBackupStop() { m_live->stopBackup(); }
    void OnSearchImageClicked();
    void OnSelectedEMap(const EMap& map) { m_emapViews->openMap(map, m_modes.editsMaps()); }
    void OnSelectedEMapGroup(const EMapList& group) { m_emapViews->openGroup(group, m_modes.editsMaps()); }
    void OnChangedEMap(int index) { m_emapViews->showAt(index); }
    void OnRemoveEMap() { m_emapViews->closeAll(); }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // Every connection stops; files that could not be completed are told,
    // and the close waits for the operator's OK.
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
    QPushButton* menuButton(int mode) const;

    // Layouts of the wall.
    void selectLayout(QPushButton* button);
    void turnPage(bool next);
    void updatePageText();
    CWholeFileWriter::Result saveSnapshot(const QString& path, QString* reason);

    std::unique_ptr<Ui::ViewerClass> m_ui;
    CModeTable m_modes;
    std::map<CModeTable::Step, std::function<void()>> m_steps;
    int m_codecType = -1;
    int m_openGLMode = 0;
    CScreenButtons m_screenButtons;

    CWindowGeometry* m_geometry = nullptr;
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
    std::unique_ptr<CLiveView> m_live;
};
