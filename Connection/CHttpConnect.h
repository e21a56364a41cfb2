#pragma once

#include "Common/DisplayDvrInfo.h"
#include "Connection/EMapStatus.h"
#include "ProtoBuf/DVRList.pb.h"
#include "dvr_protocol/cgi_response.pb.h"

#include <QAbstractSocket>
#include <QString>
#include <QThread>
#include <atomic>
#include <cstddef>
#include <ctime>
#include <mutex>

class CRecord;
class QTcpSocket;
namespace cgi {
class CPacketStream;
}

// One streaming link to a DVR: a thread that opens a TCP connection to the
// DVR's HTTP port, sends one raw request and reads the DVR's endless packet
// stream until it is told to stop. It serves live, E-Map, playback and
// backup video and the audio link beside a video link, in either dialect.
//
// Frames go out by VDataReceived and ADataReceived on the link's thread,
// with a pointer into the receive buffer that is valid during the call only:
// connect them directly. Everything else reaches the GUI queued.
//
// The link restarts when the DVR closes a stream that delivered whole packets
// since its last start; a drop before any packet, or a restart that cannot
// reach the DVR (its port closed, its program gone), ends it with "Connection
// failed" at once, as does the drop of a playback that is not being recorded
// (it never restarts). The first restart after a drop is immediate; when drops
// keep following restarts soon, the link waits 1, 2, 4 ... up to 30 s before
// each further restart and shows "Connection failed" on its screens while it
// waits; a stream that then runs for the steady time (STEADY_MS) starts that
// count afresh. It reports "Connection failed" after the silence time without
// a whole packet (again after each further silence time). An old-dialect DVR
// told to stream no channel sends nothing at all, so an old-dialect link is
// judged so only while its DVR is asked for at least one channel or its
// connection does not stand; a new-dialect DVR keeps sending its status
// whatever it streams, so its link is always judged. It tells the DVR to stop
// the stream when it ends. A link that its owner stopped never restarts.
//
// A request the DVR could not take (a new-dialect query over its limits, an
// old-dialect id or password that no query can carry) is never sent: it is
// reported at once as a failure, its reason as the failure shown.
//
// Requests, Disconnect and the queries are for the thread that owns the
// object (the GUI thread); the state they share with the link's thread is
// atomic or behind a standard mutex (visible to the thread checker, as the
// toolkit's own locks are not).
class CHttpConnect : public QThread {
    Q_OBJECT

public:
    enum RequestMode { LIVE = 0, PLAYBACK = 1, BACKUP = 2 };

    struct ConnParam {
        int mode = LIVE;
        bool skipMode = true;
        bool emapMode = false;
        int codec = 0;
        time_t startTime = 0;
        time_t endTime = 0;
    };

    static constexpr int DEFAULT_SILENCE_MS = 60000;
    // Waits before a restart that follows a drop soon after the last one:
    // the first of them, doubled each time, at most the longest.
    static constexpr int FIRST_RESTART_WAIT_MS = 1000;
    static constexpr int LONGEST_RESTART_WAIT_MS = 30000;
    // A stream that ran this long before it dropped restarts at once.
    static constexpr int STEADY_MS = 10000;
    static constexpr std::size_t RECEIVE_BUFFER_SIZE = 0x500000;
    static constexpr int SOCKET_READ_BUFFER_SIZE = 8192;

    explicit CHttpConnect(QObject* parent = nullptr);
    // Stops a link that still runs.
    ~CHttpConnect() override;

    void Connect(const DVR& dvr, const ConnParam& p);
    void audioConnect(const DVR& dvr, const ConnParam& p, int clientId);
    // Ends the link: the thread stops (within a short poll), then the DVR
    // is asked to stop the stream when it gave one.
    void Disconnect();
    void tryConnect();
    void sendStop();
    void SetRecordPtr(CRecord* recorder);

    void setDisplayScreen(int first, int count);
    int getStartScreen() const;
    int getEndScreen() const;
    void UpdateConnectedDVRStatus();
    // Shows the failure on the link's screens unless one shows already (a
    // null one shows none), and tells that the link failed.
    void setConnectionFailed(const CLinkFailure& failure);

    bool IsLive() const;
    int getConnectedMode() const;
    bool IsConnected() const { return m_connected.load(); }
    int getClientID() const { return m_clientId.load(); }
    int getDVRChannels() const;
    int getVideoType() const { return m_videoType.load(); }
    // A copy of what goes with every frame.
    DISPLAY_DVR_INFO displayInfo() const;

    // Time without a whole packet before "Connection failed"; for the next
    // start.
    void setSilenceTime(int milliseconds);
    // The channels the DVR was last asked to stream on this link (a channel
    // selection); each start and restart asks for the request's channels.
    // While none is asked of an old-dialect DVR, silence is no failure; once
    // channels are asked again, the silence time counts from then.
    void setRequestedChannels(quint32 channels);
    // Time a stream must run for its drop to restart at once, the count of
    // quick drops starting afresh; for the next drop.
    void setSteadyTime(int milliseconds);

    // The wait before a restart after a stream that ran ranMs and dropped;
    // drops counts the drops that came within steadyMs of their start, this
    // one included (0 before the first).
    static int restartWait(qint64 ranMs, int steadyMs, int* drops);

signals:
    void VDataReceived(const DISPLAY_DVR_INFO& info, const unsigned char* data, size_t len);
    void ADataReceived(const DISPLAY_DVR_INFO& info, const unsigned char* data, size_t len);
    void EMapDataReceived(const DISPLAY_DVR_INFO& info, const QByteArray& frame);
    void Connected(const cgi::DvrInfo& info, int clientId);
    void signalConnectionFailed();
    // The DVR closed a stream that delivered: the link is no longer
    // connected and restarts (Connected follows once it delivers again).
    void Dropped();
    void signalConnectedDVRStatus(const DISPLAY_DVR_INFO& info);
    void updateBackupProgress(int value);
    // The DVR ended a backup stream before the range's end.
    void backupInterrupted();
    void signalEMapStatus(int channel, const QString& time, bool record, EMap_Status::ENUM status);

protected:
    void run() override;

private slots:
    // Runs on the link's thread; debug lines only.
    void slotError(QAbstractSocket::SocketError error);

private:
    // What the link asks of the DVR; written by the owner, copied by the
    // link's thread at each (re)start.
    struct Request {
        DVR dvr;
        QString query;
        int mode = LIVE;
        bool emap = false;
        bool audio = false;
        time_t backupEnd = 0;
        // Why the query is empty: it was refused before sending.
        CLinkFailure refusal;
    };
    enum class SessionEnd { Stopped, Dropped };

    // Per (re)start of the link's thread.
    struct Session {
        Request request;
        int retry = 3;
        // A restart after a drop: the DVR refusing it is a drop too.
        bool restarted = false;
        bool refused = false;
        bool sawVideo = false;
        bool backupEnded = false;
        time_t lastFrameTime = 0;
        // How long the session ran before it ended.
        qint64 ranMs = 0;
    };

    void startThread();
    // Waits for the link's thread to end; what it did is then visible here.
    void joinThread();
    Request request() const;
    SessionEnd runSession(Session& session);
    // The whole packets of one read, dispatched; -1 when the link was stopped
    // meanwhile.
    int readAndDispatch(QTcpSocket& socket, Session& session, cgi::CPacketStream& stream);
    // True when the link restarts.
    bool endAfterDrop(Session& session);
    // Shows the failed state while the link waits; false when the link was
    // stopped meanwhile.
    bool waitBeforeRestart(int milliseconds);

    void ProcessPacket(Session& session, int id, int type, const unsigned char* data, std::size_t len);
    void ReceivedResponse(Session& session, const unsigned char* data, std::size_t len);
    void ReceivedDVRInfo(const Session& session, const unsigned char* data, std::size_t len);
    void ReceivedVideo(Session& session, const unsigned char* data, std::size_t len);
    void ReceivedAudio(const Session& session, const unsigned char* data, std::size_t len);
    void ReceivedLiveStatus(const unsigned char* data, std::size_t len);
    void ReceivedPbStatus(const unsigned char* data, std::size_t len);

    mutable std::mutex m_requestMutex;
    Request m_request;

    mutable std::mutex m_infoMutex;
    DISPLAY_DVR_INFO m_info;
    cgi::DvrInfo m_identity;

    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_exiting{false};
    std::atomic<bool> m_connected{false};
    std::atomic<int> m_clientId{-1};
    std::atomic<int> m_videoType{0};
    std::atomic<int> m_silenceMs{DEFAULT_SILENCE_MS};
    std::atomic<quint32> m_requestedChannels{0};
    std::atomic<int> m_steadyMs{STEADY_MS};
    std::atomic<CRecord*> m_recorder{nullptr};
};
