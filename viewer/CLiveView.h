#pragma once

#include "dvr_protocol/cgi_request.pb.h"
#include "viewer/CConnectionList.h"
#include "viewer/CLiveSelection.h"
#include "viewer/CModeTable.h"

#include <QObject>
#include <QStringList>
#include <ctime>
#include <functional>
#include <memory>
#include <optional>

class CBackupWidget;
class CLinkFailure;
class CDVRListTree;
class CDisplayTitle;
class CDisplayWidget;
class CLiveCtrlWidget;
class CPlaybackWidget;
class CViewerCommands;
class QTreeWidgetItem;

// The main window's live view of the connected group: one connection
// controller per DVR of the group, the current group and DVR, the screens of
// the wall each DVR fills and the channels each streams for the view (with
// the automatic stream choice), recording to the PC and on the DVR, remote
// playback and backup of the current DVR, and what the controllers and the
// DVR tree report. It drives the wall, its title, the live control panel,
// the playback and backup panels and the tree through their own interfaces,
// takes their requests by their signals, reads the window's mode from the
// mode table and tells the window by signals what the record and setup
// buttons show. The title, the live control panel and those buttons follow
// the live selection (CLiveSelection) alone, which this class sets anew
// after everything that may change it; the framed tile's DVR is the current
// DVR in the many-DVR view. The record-to-PC button is read from the current
// DVR's recorder each time. The search and backup pages hold the recordings
// of the selection's DVR alone, known by its address and port and searched
// with the account of the selection's entry.
//
// Work the operator started on a DVR (a backup, a remote playback, a
// recording to the PC) ends one way, the way its Stop goes, also when an act
// in the DVR tree or a mode change takes the DVR's streams away or the DVR's
// stream fails; a backup or a recording so ended is told, with why, and so is
// a playback that the DVR's failure ended, or that the DVR refused. GUI
// thread; a DVR that fails shows so on the wall.
class CLiveView : public QObject {
    Q_OBJECT

public:
    struct Panels {
        CDisplayWidget* wall = nullptr;
        CDisplayTitle* title = nullptr;
        CLiveCtrlWidget* liveCtrl = nullptr;
        CPlaybackWidget* playback = nullptr;
        CBackupWidget* backup = nullptr;
        CDVRListTree* tree = nullptr;
    };

    static constexpr int REDRAW_DELAY_MS = 100;

    CLiveView(const Panels& panels, const CModeTable& modes, QObject* parent = nullptr);
    // Deletes the controllers, which report their end to nobody.
    ~CLiveView() override;

    // The CodecType setting, 0 when absent.
    static int codecType();

    const CConnectionList& connections() const { return m_connections; }
    // nullptr unless the current DVR is valid.
    CConnectDVR* current() const { return m_connections.current(); }
    const CLiveSelection& selection() const { return m_selection; }
    // The current DVR's video stream delivers: live commands may go to it.
    bool isCurrentConnected() const;

    // Connects one DVR that belongs to no group of the tree, on screens 0 to
    // 15.
    void connectOne(const DVR& dvr);
    // Starts what the bottom page of the mode needs: the current DVR's
    // search on the search and backup pages, live streams on the others.
    void start();
    // Stops every connection, a remote playback as its Stop stops it;
    // `remove` deletes the controllers too.
    void stop(bool remove);
    // The program's end: every connection stops and goes. Returns the
    // failures to complete the files of the recordings and the backup that
    // end with them, which the window tells before the program ends.
    QStringList end();

    // Handing the current DVR to a page that acts on it. The connections
    // stop while any streams, starts or waits to reconnect; the current
    // controller, if any.
    CConnectDVR* stopForPage();
    void searchCurrent();
    // Local files replace the group: its controllers go while any streams,
    // starts or waits to reconnect.
    void browseLocalFiles();
    // As the search page: a valid current DVR is asked for its recordings,
    // whether its live link ran, was stopped for another page or failed.
    void backupCurrent();

    // As the backup panel's Stop; nothing while no backup runs.
    void stopBackup();
    void stopLocalPlayback();
    void redrawLater();
    // Clears the playback status of the title and sets the live selection
    // anew.
    void updateDvrInfo();
    // The title follows the wall's time and playback status as the mode
    // wants.
    void updateTitle();
    // Lays the wall out for that many screens from `start` unless it shows
    // them already; false when it did.
    bool showScreens(int screens, int start);

    void recordOnDvr();
    // A recording holds every channel of its DVR, on view or not.
    void recordToPc(bool on);
    // What ends the recordings to the PC other than their button.
    enum class RecordingEnd { ModeChanged, StreamTypeChanged };
    // Every DVR's recording to the PC ends, told why.
    void stopRecordingToPc(RecordingEnd why);

public slots:
    void OnGroupConnect(const QTreeWidgetItem& treeItem, int groupIndex, int dvrIndex);
    void OnChangedDVR(int groupIndex, int dvrIndex);
    void slotDisconnectDVR(int groupIndex, int dvrIndex);
    void OnRemovingDVR(int groupIndex, int dvrIndex);
    // The tree item holds an edited record: the DVR's controller takes it,
    // and restarts from it unless only names changed.
    void OnEditedDVR(int groupIndex, int dvrIndex);
    void OnConnected();
    void OnDisconnected();
    void slotChangedScreen(int screen, int dvrch);
    void restoreScreen();
    void stopDisplay();
    void sendChannelCommand(int screens, int startscreen);
    void OnChangedPbStatus(const cgi::PbControl::Cmd& cmd);
    void OnSelectedTime(time_t time, int channels);
    void OnBackupStart(time_t startTime, time_t endTime, int channels);
    void OnBackupStop();

signals:
    // The streams are about to stop: the wall's zoom and sequence end.
    void streamsStopping();
    void recordToPcChecked(bool checked);
    void recordToPcEnabled(bool enabled);
    // Recording on the DVR and its setup are for its administrator.
    void adminRights(bool admin);
    // Only the newer dialect can be set up remotely.
    void setupShown(bool shown);
    // A recording to the PC ended other than by its button: it failed, its
    // files could not be completed, or an act in the tree, a mode change or
    // a new stream type ended it. Why, for the operator.
    void recordToPcEnded(const QString& why);
    // The wall's content changed: the speed meter's figure so far was
    // another wall's.
    void meterReset();

private:
    void updateDisplayScreen();
    // Starts the speed meter over for the wall's new content.
    void resetMeter();
    // The selection as the current DVR, its stream and the framed tile now
    // are; its followers hear of it only when it changed.
    void refreshSelection();
    // The channel of the framed tile within the DVR; -1 when the tile is
    // not one of its.
    int framedChannel(const CConnectDVR& controller) const;
    // The title, the live control panel and the buttons follow the
    // selection.
    void showSelection(const CLiveSelection::Value& now);
    // The record-to-PC button shows whether the current DVR records to the
    // PC now.
    void showRecorder();
    void watch(CConnectDVR* controller);
    void watchBackup(CConnectDVR* controller);
    // What a live view, a playback and a backup all report.
    void watchWork(CConnectDVR* controller);
    void unwatch(CConnectDVR* controller);
    void stopOne(int dvrIndex);
    // The DVR's record changed how it is reached or what it streams: its
    // streams, or the current DVR's search, start anew from the new record.
    void restart(int dvrIndex);
    // Why an act of the tree, or the DVR's failure, ends the operator's
    // work: a backup's, a recording's to the PC and a remote playback's.
    struct Ending {
        QString backup;
        QString recording;
        // Empty: a playback so ended is not told.
        QString playback = {};
    };
    // The tree (or the DVR's failure) takes away the streams of the DVR at
    // `dvrIndex`, of every DVR when negative: the work the operator started
    // on them ends first, as its Stop ends it, while their controllers are
    // still heard, and the operator is told why.
    void endWork(int dvrIndex, const Ending& why);
    // The recordings to the PC of the DVR at `dvrIndex`, of every DVR when
    // negative, end as their button ends them; the operator is told why
    // when one ran, with the failures to complete their files.
    void endRecordings(int dvrIndex, const QString& why);
    // Runs `ending`, gathering the failures to complete the files of the
    // recordings and the backup it ends instead of telling them.
    QStringList failuresOf(const std::function<void()>& ending);
    // The current DVR's backup (told why) and remote playback (told why
    // when given).
    void endCurrentWork(const QString& backupWhy, const QString& playbackWhy = QString());
    // As the playback panel's Stop: the streams stop, the DVR told as `stop`
    // tells it. False when no remote playback ran.
    bool stopPlayback();
    // The DVR is told that the controller's remote playback ends, as the
    // panel's Stop tells it.
    void tellPlaybackStop(CConnectDVR& controller);
    // The controller's video link failed: the work on it ends told, as a
    // tree act ends it.
    void OnFailing(const CLinkFailure& failure);
    // A controller streams, starts to, or waits to reconnect: left alone
    // it would feed the wall (or stream unseen) once its DVR answers.
    bool anyInUse() const;
    // The page (the playback or the backup page) asks for the recordings of
    // the controller's DVR; with none it asks nothing and holds nothing.
    void searchRecordings(CModeTable::Page page, CConnectDVR* controller);
    // The search or backup page on view shows the current DVR's recordings:
    // the reply it holds of that very DVR, or else the DVR is asked.
    void showCurrentRecordings();
    // The pages hold the recordings of the current DVR alone, whatever made
    // another DVR current or left none.
    void forgetOtherDvrs(const CLiveSelection::Value& now);
    // Remote playback or backup (by the stream mode) of the current DVR's
    // recordings.
    void startRecorded(CConnectDVR* current, int mode, time_t startTime, time_t endTime, int channels);
    void selectChannels(int index, int screens, int startscreen);
    // A backup's failure is the backup panel's to tell.
    void OnRecordFailed(const QString& reason);

    Panels m_panels;
    const CModeTable& m_modes;
    // Through the application's sender: the stop that ends a playback as
    // the program ends outlives the window.
    std::unique_ptr<CViewerCommands> m_commands;
    CConnectionList m_connections;
    CLiveSelection m_selection;
    int m_currentGroup = 0;
    // While failuresOf runs: the failures to complete the files, told with
    // why they ended or at the program's end.
    std::optional<QStringList> m_endingFailures;
};
