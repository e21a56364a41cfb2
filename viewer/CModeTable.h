#pragma once

#include <QList>

// The main window's ten modes and what it takes to change between them: for
// each pair of modes the steps of leaving the one and entering the other, in
// the order the window carries them out, and the one current mode that the
// rest of the window reads. Two more facts, each with one owner: the mode on
// view behind the PC setup dialog, which closing the dialog makes current
// again, and the mode that DVR setup and the E-Map return to (PC setup is a
// dialog over a mode, not a mode to return to: setup or the E-Map entered
// from it return where the mode behind it would). It holds no widgets: the
// window runs the steps. The pages of the window's stacked panels follow
// from the mode; nothing reads them back. GUI thread; it cannot fail.
class CModeTable {
public:
    enum Mode {
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
    static constexpr int MODES = 10;

    // The page of the bottom panel.
    enum Page { LIVE_PAGE = 0, PLAYBACK_PAGE = 1, BACKUP_PAGE = 2, EMAP_PAGE = 3 };
    // The page of the function buttons beside the layout buttons.
    enum Functions { NO_FUNCTIONS, LIVE_FUNCTIONS, SEARCH_FUNCTIONS, PLAYBACK_FUNCTIONS, KEPT_FUNCTIONS };

    enum class Step {
        // Leaving DVR setup or the E-Map.
        ShowMainMenu, // the main menu's own page
        LeaveSetup, // its reads end; its uploads go on
        HideMapList, // the map list goes, the layout buttons and the tree come back
        CloseMaps,
        // The way back: the menu button of the mode returned to is checked.
        CheckMenuButton,
        // What every mode but the E-Map and PC setup stops, in this order.
        ExitZoom,
        SequenceOff,
        StopBackup,
        StopRecordToPC, // told, before the streams it writes stop
        StopLocalPlayback, // its decode threads before the wall is cleared
        StopDisplay,
        // The display area.
        ShowWall,
        HideWall,
        HideDisplayArea, // wall, layout buttons, tree and bottom panel
        OneDvrLayout, // 16 screens of one DVR and their buttons
        ManyDvrLayout, // 64 screens of many DVRs and their buttons
        ShowMapList, // the map list in place of the layout buttons
        BottomPage, // the bottom panel's page of the new mode
        SendViewChannels,
        // The connections.
        Redraw, // kept, redrawn a moment later
        Reconnect, // stopped and started again for the new page
        DropConnections, // stopped and deleted
        // What the new mode hands the current DVR to.
        SearchCurrent,
        LocalFiles,
        BackupCurrent,
        ReadInformation,
        ReadSetup,
        ViewMaps,
        EditMaps,
        OpenPCSetup,
        // Once the mode is entered.
        FunctionPage,
        EnableRecordToPC,
        DisableRecordToPC,
        UpdateDvrInfo,
        UpdateTitle,
        PageText,
        RepaintWall,
        ChooseFolder,
    };
    using Steps = QList<Step>;

    Mode current() const { return m_current; }
    // The mode whose pages are on view: the current one, or while the PC
    // setup dialog is open the one behind it.
    Mode shown() const { return m_current == PC_SETUP ? m_behindDialog : m_current; }

    // The steps from the current mode to `to`, which becomes current at
    // once, so that the steps act for it as the window runs them; none when
    // `to` is current and ignores re-entry (every mode but the E-Map's two
    // and PC setup).
    Steps enter(Mode to);
    // The E-Map button: the maps replace the wall and the E-Map view is
    // entered, also from an E-Map mode, whose way back it keeps.
    Steps openEMap();
    // The PC setup dialog closed: the mode on view behind it is current
    // again, its menu button checked; nothing of it stops.
    Steps closePCSetup();
    // The way out of DVR setup and the E-Map: the mode they were entered
    // from (from PC setup: the mode behind it) is entered as its menu button
    // would enter it. One without a menu button (setup entered from the
    // E-Map) is not entered: the current mode's panels go and the mode stays.
    Steps back();

    // The modes that have a button in the main menu.
    static bool hasMenuButton(Mode mode);

    // The bottom page of the mode on view (behind the PC setup dialog while
    // it is open); DVR information and setup hide the panel and
    // act on it as live view does.
    Page bottomPage() const;
    Functions functions() const;
    bool titleShowsTime() const { return m_current != LIVE_M; }
    bool titleShowsStatus() const { return m_current == SEARCH || m_current == PLAYBACK; }
    bool editsMaps() const { return m_current == EMAP_EDIT; }

private:
    static bool isEMap(Mode mode) { return mode == EMAP_VIEW || mode == EMAP_EDIT; }
    static Steps leaving(Mode from, Mode to);
    // What covers the window's own panels in the mode goes.
    static Steps leaves(Mode from);
    static Steps entering(Mode to, Mode from);
    static Steps enteringRecordings(Step handOver);
    static Steps enteringEMap(Mode to, bool opening);
    // Keeps what `to`, entered from the mode on view, goes back to.
    void remember(Mode to);

    Mode m_current = LIVE_S;
    // Meaningful while PC setup is current.
    Mode m_behindDialog = LIVE_S;
    // Meaningful while setup or the E-Map is current, or on view behind PC
    // setup.
    Mode m_returnTo = LIVE_S;
};
