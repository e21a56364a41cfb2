#pragma once

#include "Common/CDecodeVideo.h"
#include "Display/CDisplayInfo.h"
#include "Display/CFrameQueue.h"
#include "Display/CTileScaler.h"
#include "Display/DisplayChannelInfo.h"
#include "dvr_protocol/cgi_request.pb.h"
#include "dvr_types/PbMode.h"
#include "dvr_types/PtsDelay.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QObject>
#include <array>
#include <atomic>
#include <memory>
#include <mutex>
#include <vector>

namespace boost {
class thread;
}

// Turns the video frames of the screen wall into display records.
//
// Live and remote-playback frames are queued per decoder slot and decoded by
// the slot's own thread, so a streaming connection never waits for decoding
// and a slow channel holds up no other. Fewer threads would not decode for
// less: frames paced as cameras send them cost as much per frame on two to
// four threads as on one a slot, and only a single thread for the whole wall
// costs less, which cannot keep up with 16 full-HD channels and lets one slow
// channel hold up all (bench_VideoDecode's BM_EngineThreads). A slot that
// falls behind (its queue full) drops what it holds and skips to the next I
// frame. A slot's thread
// starts with its first frame and ends when no frame came for kSlotIdleMs;
// the slot then gives up its queue's buffer and its decoder's codec and
// pictures, so a wall without a stream holds no decoder threads and no
// decoding memory. Local-playback frames are queued per DVR channel and
// decoded by one thread per channel, which spaces them out by their own times
// at the playback speed; each run of them (start to stop) stamps its records.
// Either way a record reaches its receivers by signalUpdateScreen, emitted on
// the thread that made it (the wall takes it from there coalesced, see
// CRecordHandOff, rather than one queued event per picture); every record
// holds its own picture, which the decoder does not touch while the record
// lives. Records of a local playback run still on their way once it stopped
// are stale, and
// so are pictures, times and playback modes of live and remote playback
// frames that came before the whole wall was last cleared (clear(-1)): a
// stream stopped and cleared away leaves none of its pictures, nor its
// status, behind.
//
// It also keeps the time shown for the stream and announces the playback mode.
class CDisplayVideo : public QObject {
    Q_OBJECT

public:
    static constexpr int kDecoderSlots = 64;
    static constexpr int kScreens = 256;
    static constexpr int kChannels = 16;
    // A slot holding this many frames is behind: about half a second of
    // video at a camera's rate.
    static constexpr std::size_t kSlotQueueFrames = 12;
    // Longer than any gap between two frames of a running stream.
    static constexpr int kSlotIdleMs = 3000;
    // A live slot emits no new record while this many of its pictures are
    // held (by the wall, or on their way to it), nor while they hold
    // kPixelsInUse pixels (about three full-HD pictures), but always allows
    // two: its pictures are dropped until the wall lets go, rather than
    // piling up in the event queue and in memory.
    static constexpr int kPicturesInUse = 4;
    static constexpr int kPixelsInUse = 8000000;
    // Local playback queues this many frames of a channel, the one being
    // decoded included: Pause, speed, step and seek reach the screen within
    // a frame or two, however small the recording's frames.
    static constexpr std::size_t kLocalQueueFrames = 2;
    // A DVR takes a playback command, and the frames it sent before reach
    // us, well within this time.
    static constexpr int kCommandSettleMs = 2000;

    CDisplayVideo();
    ~CDisplayVideo() override;

    // One video frame, header included, with where and how to show it.
    void makeImage(_DISPLAY_CHANNEL_INFO info, const unsigned char* data, unsigned long size);
    // Shows a status (or nothing) on the screen named in info.
    void updateDVRStatus(int channel, const _DISPLAY_CHANNEL_INFO& info);
    // The channel of a frame, or -1 when its header is not valid.
    static int getVideoChannel(bool oldProtocol, const unsigned char* data, unsigned long size);

    // ch < 0: every decoder slot waits for its next I frame and local
    // playback's queued frames go; otherwise slot ch. Forgets the shown time
    // and the playback mode, not a command's hold (setPbStatus).
    void clear(int ch);
    // A remote playback starts: its frames answer no earlier command.
    void newPlaybackStream();

    // Starts local playback's decode threads (only for mode local playback),
    // a new run; does nothing while they run.
    void startDecodeThread(int n, const DISPLAY_MODE::ENUM& mode);
    // Stops and joins the decode threads and drops every queued frame: the
    // run's records still on their way are stale from now on.
    void exitDecodeThread();
    bool isDecoding() const { return m_decoding; }
    // A record of a local playback run that has stopped, or a picture whose
    // frame came before the last clear of the whole wall: it must not be
    // drawn. For the thread that runs start, stop and clear.
    bool isStale(const CDisplayInfo& record) const;
    // How often the whole wall was cleared: what a record of a frame that
    // comes now carries.
    uint32_t clears() const { return m_clears.load(); }

    // A playback command from the panel: the next frame announces its mode
    // again; Pause and Stop empty the status. After Pause or a step the DVR
    // stands still, yet frames it sent before it took the command may still
    // be on their way and announce the speed it had: for kCommandSettleMs no
    // frame announces a speed, unless the DVR's own frames already told a
    // mode that is no speed (it took the command). A speed that frames still
    // announce after that time comes from a DVR that plays on. Only a new
    // stream, Play, a speed or Stop ends the hold early; a clear does not.
    void setPbStatus(const cgi::PbControl_Cmd& cmd);
    // How long the hold after Pause or a step lasts; for the next command.
    void setCommandSettleTime(int milliseconds);
    // The mode a remote-playback frame that came after the wall's clears-th
    // clear announces.
    void checkPlaybackMode(const PbMode& mode, uint32_t clears);
    // The time of a frame that came after the wall's clears-th clear.
    void displayTime(const DISPLAY_MODE::ENUM& mode, unsigned int time, const PbMode& pbMode, uint32_t clears);
    bool isForwardPlayback() const;

    void changeOpenglOption(bool opengl);
    void setDeinterlaced(bool deinterlaced);
    // Records carry planar YUV pictures (CDisplayInfo::picture) instead of
    // RGB images, for walls that convert on the graphics card.
    void setPlanarPictures(bool planar);
    // The size of the tile a decoder slot's pictures are shown on (empty:
    // none). A planar picture that the tile shows shrunk comes shrunk to it
    // as well (CDisplayInfo::tileImage), from the slot's next picture on.
    // Any thread.
    void setTileSize(int slot, const QSize& size);
    // Frames waiting for a decoder slot's thread.
    std::size_t queuedFrames(int slot) const;
    // Local playback's frames of a DVR channel queued for its decode thread,
    // the one it works on included.
    std::size_t queuedLocalFrames(int channel) const;
    // The slot shows a status (a failed connection) and its stream sent no
    // frame since: pictures decoded before are stale.
    bool showsStatus(int slot) const;

signals:
    void signalUpdateScreen(CDisplayInfo info);
    // The frame's time to show, with the wall's clears before it came: a
    // time of a frame that came before the last clear is stale.
    void signalUpdateTime(QString time, uint32_t clears);
    // The playback status to show, with the wall's clears before the frame
    // that announced it came: a status of a frame that came before the last
    // clear is stale.
    void signalChangedStatus(QString status, uint32_t clears);

private:
    struct Frame;

    // Whether a record may take a new picture: always in local playback,
    // which waits for the wall rather than dropping pictures.
    enum class Pictures { Bounded, Unbounded };

    bool queueForSlot(
        const _DISPLAY_CHANNEL_INFO& info, const Frame& frame, const unsigned char* data, unsigned long size);
    void startSlotThread(int slot);
    // True when the slot was idle and is now released; false when a frame
    // came meanwhile.
    bool endIdleSlot(int slot);
    void stopSlotThreads();
    void slotProcess(int slot);
    // The queued frame read as `frame`. True when a record went out; localRun
    // stamps it (0 for live and remote playback).
    bool decodeImage(const CFrameQueue::Front& front, const Frame& frame, Pictures pictures, uint32_t localRun = 0);
    bool takePicture(int slot, const Frame& frame, CDisplayInfo& record);
    void decodeProcess(int ch, uint32_t run);

    CDecodeVideo m_decoder;
    std::atomic<bool> m_planar{false};
    // One feeder per decoder slot at a time, even while a change of view
    // hands a slot from one stream to another.
    std::array<std::mutex, kDecoderSlots> m_slotMutex;

    mutable std::mutex m_stateMutex;
    PbMode m_pbMode;
    // Running after Pause or a step: frames announce no speed meanwhile.
    QDeadlineTimer m_speedHeld;
    int m_commandSettleMs = kCommandSettleMs;
    QDateTime m_shownTime;

    // Live and remote playback: one queue and one thread per decoder slot,
    // started with the slot's first frame and ended when it is idle; a
    // thread that ended is joined when the slot starts again.
    std::array<CFrameQueue, kDecoderSlots> m_slotQueues;
    std::array<std::atomic<bool>, kDecoderSlots> m_slotRunning{};
    // The slot dropped frames and takes none until the next I frame.
    std::array<std::atomic<bool>, kDecoderSlots> m_awaitingKey{};
    std::array<std::atomic<bool>, kDecoderSlots> m_showsStatus{};
    // Width and height of each slot's tile, packed.
    std::array<std::atomic<uint32_t>, kDecoderSlots> m_tileSizes{};
    // Each used under its slot's m_slotMutex.
    std::array<CTileScaler, kDecoderSlots> m_tileScalers;
    std::array<std::unique_ptr<boost::thread>, kDecoderSlots> m_slotThreads;
    std::mutex m_slotStartMutex;
    bool m_slotsStopped = false;

    // Local playback.
    std::array<CFrameQueue, kChannels> m_queues;
    std::array<PtsDelay, kChannels> m_pacing;
    std::vector<std::unique_ptr<boost::thread>> m_threads;
    std::atomic<bool> m_decoding{false};
    // The run the decode threads belong to (the last one once they stopped).
    std::atomic<uint32_t> m_localRun{0};
    // How often the whole wall was cleared.
    std::atomic<uint32_t> m_clears{0};
};
