#pragma once

#include "Connection/CDirectoryEntry.h"
#include "Connection/CHttpConnect.h"
#include "ProtoBuf/DVRList.pb.h"
#include "dvr_protocol/cgi_response.pb.h"

#include <QObject>
#include <QPersistentModelIndex>
#include <QPointer>
#include <QTimer>
#include <ctime>
#include <mutex>

class CDisplayWidget;
class CRecord;
class QAbstractItemModel;
class QTreeWidgetItem;

// The main window's handle on one connected DVR: starts live view, remote
// playback or backup on its video link, opens the audio link once video
// flows, records to the PC, feeds the screen wall, shows the connection
// state as the icon of the DVR's tree item, and after a failure of live view
// reconnects by itself when the operator's reconnect setting is on.
//
// It owns the DVR's failure: from the failure until the DVR streams again
// (through reconnect attempts) or the operator stops it, its tiles show the
// failed state, also each time the wall empties them (a new layout, a
// sequence step, a clear). Stopped by the operator, its tiles show nothing.
//
// Reconnecting waits the reconnect delay (60 s) after every failure, however
// many came before: the video link's own restart back-off already spares a
// DVR that keeps dropping, and an operator never waits longer than the delay
// to see a DVR that is back. Disconnecting cancels it. Lives and works on the
// GUI thread. Its links are its children "video" and "audio".
class CConnectDVR : public QObject {
    Q_OBJECT

public:
    struct PbBackupParam {
        int mode = CHttpConnect::PLAYBACK; // 1 playback, 2 backup
        time_t startTime = 0;
        time_t endTime = 0; // 0 for playback
        quint32 channelMask = 0xFFFF;
    };

    static constexpr int DEFAULT_RECONNECT_MS = 60000;

    CConnectDVR();
    // Stops both links and the recording.
    ~CConnectDVR() override;

    // Takes the DVR record the item holds and shows the state on the item
    // for as long as the item exists; the live commands given for it are
    // that entry's.
    void setDVR(QTreeWidgetItem* item);
    void setDVR(const DVR& dvr);
    DVR getDVR() const { return m_dvr; }
    // The directory entry of the item, or one of its own without an item.
    CDirectoryEntry::Id entry() const { return m_entry; }
    cgi::DvrInfo GetDvrInfo() const { return m_identity; }

    void setDisplayWidget(CDisplayWidget* wall);
    void resetDisplayWidget();
    bool isVisible() const { return !m_wall.isNull(); }
    void showWaitWidget(bool show);
    void setDisplayScreen(int first, int count);
    int getDisplayStartScreen() const { return m_video->getStartScreen(); }
    int getDisplayEndScreen() const { return m_video->getEndScreen(); }

    void startLive(bool showWait);
    void startPlayback(const PbBackupParam& p);
    // False, with recordFailed, when the recording could not start.
    bool recordStart();
    // Ends the recording; a failure to complete its files, or one of a write
    // just before, is reported by recordFailed before it returns.
    void recordStop();
    bool isRecording() const;
    // Shows on the wall the DVR's failure, or else its video link's state
    // while it runs.
    void updateStatus();
    // Shows the connected icon again on the tree item while live view runs,
    // after the tree reset the icons of the group.
    void refreshTreeIcon();
    void disconnect();

    int getClientID() const { return m_clientId; }
    int getDVRChannels() const;
    int getVideoType() const { return m_video->getVideoType(); }
    bool IsConnected() const { return m_video->IsConnected(); }
    // Live view, playback or backup was started and has not stopped: it
    // streams, or waits for the DVR's first frame.
    bool isStarted() const { return m_state != State::Idle; }
    bool IsLive() const { return m_video->IsLive(); }
    // The video link serves a remote playback (not a backup, not live).
    bool isPlayback() const { return m_video->getConnectedMode() == CHttpConnect::PLAYBACK; }
    int getCodec() const;

    // For the next failure: the wait before reconnecting.
    void setReconnectDelay(int milliseconds);
    // For the next start: the links' silence time.
    void setSilenceTime(int milliseconds);
    // The channels the DVR was last asked to stream, on both links: while
    // none, an old-dialect DVR's silence fails neither.
    void setRequestedChannels(quint32 channels);
    bool isReconnectPending() const { return m_reconnect.isActive(); }
    int reconnectRemaining() const { return m_reconnect.remainingTime(); }
    // The wait the pending reconnect was armed with.
    int reconnectDelay() const { return m_reconnect.interval(); }

    // Why a backup ends when the DVR stops sending it before its end.
    static QString backupLostReason();

signals:
    void connected();
    void disconnected();
    // The video link lost its stream and restarts by itself: until
    // `connected` comes again it is not connected.
    void streamDropped();
    // The video link failed (`status` says how): sent first, while the
    // links and the recording still run, so that a receiver ends the work on
    // them as its Stop ends it; it may stop this controller, not delete it.
    // Unless it stopped it, the failure is then shown and `disconnected`
    // follows.
    void failing(const CLinkFailure& status);
    void updateBackupProgress(int value);
    // A recording (to the PC or a backup) could not be made or completed:
    // the recorder failed, or the DVR ended a backup before its end.
    void recordFailed(const QString& reason);

public slots:
    void OnConnected(const cgi::DvrInfo& info, int cid);
    void OnPlay(const cgi::DvrInfo& info, int cid);
    void slotConnectionFailed();
    void OnTimer();

private:
    enum class State { Idle, Starting, Running };

    void watchVideoLink(bool live);
    void startAudio(int cid);
    void stopLinks();
    void setTreeIcon(const QIcon& icon);
    // The video link's display information with the failure, if any; while
    // stopped, no state but the failure.
    DISPLAY_DVR_INFO shownStatus() const;
    // The wall emptied its tiles: a failed state is shown again.
    void showFailureAgain();
    // The recorder's failure, reported from the link's thread: a write
    // failed or the backup's recording did not start.
    void OnRecordFailed();
    // The recorder's failure not yet told, if any, is told now: each failure
    // reaches recordFailed once, by whichever way comes first.
    void tellRecordFailure(const char* what);
    void OnBackupInterrupted();
    // The backup's recording starts on the video link's thread with the
    // DVR's identity, before the link writes the first frame.
    void armBackupRecording(time_t endTime);

    CHttpConnect* m_video;
    CHttpConnect* m_audio;
    QPointer<CDisplayWidget> m_wall;
    // The wall showing this controller's wait indicator, also once the
    // controller has left it.
    QPointer<CDisplayWidget> m_waitingWall;
    CRecord* m_recorder;
    int m_clientId = 0;
    DVR m_dvr;
    CDirectoryEntry::Id m_entry = CDirectoryEntry::fresh();
    // The tree item, by its place in its tree: the tree may delete it.
    QPointer<QAbstractItemModel> m_treeModel;
    QPersistentModelIndex m_treeItem;
    cgi::DvrInfo m_identity;
    // Whether the armed backup recording may still start; the link's
    // thread reads it, recordStop clears it.
    std::mutex m_armMutex;
    bool m_armed = false;

    State m_state = State::Idle;
    bool m_live = false;
    // The last failure; null once the DVR streams again or is stopped.
    CLinkFailure m_failure;
    QTimer m_reconnect;
    int m_reconnectMs = DEFAULT_RECONNECT_MS;
};
