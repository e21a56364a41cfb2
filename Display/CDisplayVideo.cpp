#include "CDisplayVideo.h"

#include "Common/CDateTime.h"
#include "Common/CFrameInfo.h"
#include "dvr_types/CPlaybackSpeed.h"
#include "dvr_types/KTimeVal.h"

#include <QDebug>
#include <algorithm>
#include <boost/chrono.hpp>
#include <boost/thread/thread.hpp>
#include <cmath>
#include <pthread.h>

namespace {

constexpr PbMode kStop = 32;
constexpr PbMode kStepForward = 51;
constexpr int kOldHeaderBytes = 80;
// Frames are at most this big: the largest payload and the longest header.
constexpr unsigned long kMaxWholeFrame = CDecodeVideo::kMaxFrameBytes + kOldHeaderBytes;

bool isForwardMoving(PbMode mode)
{
    return PbMode_IsSlowMode(mode) || PbMode_IsForwardMode(mode) || mode == kStepForward;
}

bool isSpeed(PbMode mode)
{
    return PbMode_IsSlowMode(mode) || PbMode_IsForwardMode(mode) || PbMode_IsReverseMode(mode);
}

void releasePicture(void* picture)
{
    delete static_cast<CVideoPicture*>(picture);
}

// An RGB24 picture as an image of the same pixels, holding the picture for
// as long as the image or a copy of it lives.
QImage imageOf(const CVideoPicture& picture)
{
    auto* held = new CVideoPicture(picture);
    QImage image(picture.data(0), picture.width(), picture.height(), picture.stride(0), QImage::Format_RGB888,
        releasePicture, held);
    if (image.isNull())
        delete held;
    return image;
}

} // namespace

// A frame whose header and sizes let it reach the decoder.
struct CDisplayVideo::Frame : CFrameInfo {
    const unsigned char* payload = nullptr;

    bool read(bool oldProtocol, const unsigned char* data, unsigned long length)
    {
        if (length > kMaxWholeFrame)
            return false;
        static_cast<CFrameInfo&>(*this) = CFrameInfo::read(oldProtocol, data, length);
        if (!valid || dataSize < 0 || static_cast<unsigned long>(dataSize) >= CDecodeVideo::kMaxFrameBytes)
            return false;
        payload = data + dataOffset;
        return true;
    }
};

CDisplayVideo::CDisplayVideo()
    : m_pbMode(kStop)
{
    qRegisterMetaType<CDisplayInfo>("CDisplayInfo");
    m_decoder.Init(kDecoderSlots);
}

CDisplayVideo::~CDisplayVideo()
{
    stopSlotThreads();
    exitDecodeThread();
    clear(-1);
    m_decoder.Deinit();
}

int CDisplayVideo::getVideoChannel(bool oldProtocol, const unsigned char* data, unsigned long size)
{
    Frame frame;
    return frame.read(oldProtocol, data, size) ? frame.channel : -1;
}

void CDisplayVideo::makeImage(_DISPLAY_CHANNEL_INFO info, const unsigned char* data, unsigned long size)
{
    if (info.screenIndex < 0 || info.screenIndex >= kDecoderSlots || info.screen < 0 || info.screen >= kScreens)
        return;
    Frame frame;
    if (!frame.read(info.oldProtocol, data, size))
        return;

    // Read before the frame is looked at: a clear meanwhile makes it stale.
    info.clears = m_clears.load();
    if (info.mode == DISPLAY_MODE::PLAYBACK)
        checkPlaybackMode(info.pbMode, info.clears);
    if (info.mode != DISPLAY_MODE::LOCAL_PLAYBACK) {
        if (queueForSlot(info, frame, data, size) && frame.type == 0)
            displayTime(info.mode, static_cast<unsigned int>(frame.time.sec), info.pbMode, info.clears);
        return;
    }

    if (!m_decoding)
        return;
    // The shown time of local playback follows the pictures as they are
    // drawn (decodeProcess).
    m_queues[frame.channel].push(data, size, info, kLocalQueueFrames);
}

bool CDisplayVideo::queueForSlot(
    const _DISPLAY_CHANNEL_INFO& info, const Frame& frame, const unsigned char* data, unsigned long size)
{
    const int slot = info.screenIndex;
    std::atomic<bool>& awaitingKey = m_awaitingKey[slot];
    if (awaitingKey.load(std::memory_order_acquire)) {
        if (frame.type != 0)
            return false;
        awaitingKey.store(false, std::memory_order_release);
    }
    if (!m_slotRunning[slot].load(std::memory_order_acquire))
        startSlotThread(slot);
    CFrameQueue& queue = m_slotQueues[slot];
    if (queue.tryPush(data, size, info, kSlotQueueFrames)) {
        m_showsStatus[slot].store(false, std::memory_order_release);
        return true;
    }
    // Behind: what waits would only be shown late. Start again from the
    // next I frame (this one, when it is one).
    queue.dropQueued();
    m_decoder.RestartIPicture(slot);
    if (frame.type == 0 && queue.tryPush(data, size, info, kSlotQueueFrames)) {
        m_showsStatus[slot].store(false, std::memory_order_release);
        return true;
    }
    awaitingKey.store(true, std::memory_order_release);
    return false;
}

void CDisplayVideo::startSlotThread(int slot)
{
    std::lock_guard<std::mutex> lock(m_slotStartMutex);
    if (m_slotsStopped || m_slotRunning[slot].load(std::memory_order_relaxed))
        return;
    // An idle thread of the slot has let go of everything and is ending.
    if (m_slotThreads[slot])
        m_slotThreads[slot]->join();
    m_slotQueues[slot].open();
    m_slotThreads[slot] = std::make_unique<boost::thread>([this, slot] { slotProcess(slot); });
    m_slotRunning[slot].store(true, std::memory_order_release);
}

bool CDisplayVideo::endIdleSlot(int slot)
{
    // No new thread can start for the slot until it is wholly released.
    std::lock_guard<std::mutex> lock(m_slotStartMutex);
    if (!m_slotQueues[slot].closeIfEmpty())
        return false;
    {
        std::lock_guard<std::mutex> decoding(m_slotMutex[slot]);
        m_decoder.ReleaseEntry(slot);
        m_tileScalers[slot].release();
    }
    m_awaitingKey[slot].store(true, std::memory_order_release);
    m_slotRunning[slot].store(false, std::memory_order_release);
    return true;
}

void CDisplayVideo::stopSlotThreads()
{
    std::array<std::unique_ptr<boost::thread>, kDecoderSlots> threads;
    {
        std::lock_guard<std::mutex> lock(m_slotStartMutex);
        m_slotsStopped = true;
        threads.swap(m_slotThreads);
    }
    // Joined without the lock: an idle thread may be waiting for it to end.
    for (int slot = 0; slot < kDecoderSlots; ++slot) {
        if (!threads[slot])
            continue;
        threads[slot]->interrupt();
        m_slotQueues[slot].close();
        threads[slot]->join();
    }
}

std::size_t CDisplayVideo::queuedFrames(int slot) const
{
    return slot >= 0 && slot < kDecoderSlots ? m_slotQueues[slot].frameCount() : 0;
}

std::size_t CDisplayVideo::queuedLocalFrames(int channel) const
{
    return channel >= 0 && channel < kChannels ? m_queues[channel].frameCount() : 0;
}

bool CDisplayVideo::showsStatus(int slot) const
{
    return slot >= 0 && slot < kDecoderSlots && m_showsStatus[slot].load(std::memory_order_acquire);
}

void CDisplayVideo::slotProcess(int slot)
{
#if defined(__linux__)
    // Named for whoever lists the program's threads.
    pthread_setname_np(pthread_self(), "wall decoder");
#endif
    CFrameQueue& queue = m_slotQueues[slot];
    try {
        for (;;) {
            CFrameQueue::Front front;
            const CFrameQueue::Waited waited = queue.waitFrontFor(front, kSlotIdleMs);
            if (waited == CFrameQueue::Waited::Closed || (waited == CFrameQueue::Waited::Idle && endIdleSlot(slot)))
                return;
            if (waited == CFrameQueue::Waited::Idle)
                continue;
            Frame frame;
            if (frame.read(front.info.oldProtocol, front.data, front.length))
                decodeImage(front, frame, Pictures::Bounded);
            queue.popFront();
            boost::this_thread::interruption_point();
        }
    } catch (const boost::thread_interrupted&) {
        // Stopped with the router.
    }
}

bool CDisplayVideo::takePicture(int slot, const Frame& frame, CDisplayInfo& record)
{
    const CVideoPicture picture = m_decoder.GetDecodedPicture(slot);
    // Only a whole picture of the announced size is shown.
    if (picture.width() != frame.width || picture.height() != frame.height)
        return false;
    if (m_planar.load()) {
        if (!picture.isPlanarYuv())
            return false;
        record.picture = picture;
        const uint32_t tile = m_tileSizes[slot].load(std::memory_order_relaxed);
        record.tileImage = m_tileScalers[slot].scaled(picture, QSize(int(tile >> 16), int(tile & 0xFFFF)));
        return true;
    }
    if (picture.format() != AV_PIX_FMT_RGB24)
        return false;
    record.image = imageOf(picture);
    return !record.image.isNull();
}

bool CDisplayVideo::decodeImage(
    const CFrameQueue::Front& front, const Frame& frame, Pictures pictures, uint32_t localRun)
{
    const _DISPLAY_CHANNEL_INFO& info = front.info;
    if (info.screenIndex < 0 || info.screenIndex >= kDecoderSlots || info.screen < 0 || info.screen >= kScreens)
        return false;

    // The queue's padding follows the frame: a payload that ends with the
    // frame is decoded where it lies; one followed by more of the frame is
    // copied first.
    const bool padded = front.padded
        && static_cast<std::size_t>(frame.dataOffset) + static_cast<std::size_t>(frame.dataSize) == front.length;
    CDisplayInfo record;
    {
        std::lock_guard<std::mutex> lock(m_slotMutex[info.screenIndex]);
        // Asked before decoding: the slot's last picture, about to be
        // replaced, is among those in use.
        // The header's sizes are up to 65535 each: their product needs more
        // than an int.
        const long long pixels = std::max(1LL, static_cast<long long>(frame.width) * frame.height);
        const int allowed = static_cast<int>(std::clamp<long long>(kPixelsInUse / pixels, 2, kPicturesInUse));
        const bool spare = pictures == Pictures::Unbounded || m_decoder.PicturesInUse(info.screenIndex) < allowed;
        const FrameSize size{frame.width, frame.height};
        const unsigned long bytes = m_decoder.DecodeFrame(info.oldProtocol, info.screenIndex, frame.payload,
            static_cast<unsigned long>(frame.dataSize), size, frame.type, padded);
        // A failed stream's last frames must not cover its failed state.
        if (bytes == 0 || !spare || showsStatus(info.screenIndex) || !takePicture(info.screenIndex, frame, record))
            return false;
    }

    const bool oldProtocol = info.oldProtocol;
    record.length = static_cast<uint32_t>(front.length);
    record.channel = frame.channel;
    record.screen = info.screen;
    record.record = info.mode == DISPLAY_MODE::LIVE && (oldProtocol ? frame.record : info.record);
    record.motion = oldProtocol ? frame.motion : info.motion;
    record.sensor = oldProtocol ? frame.sensor : info.sensor;
    record.name = info.name;
    record.title = info.title;
    record.videoLoss = oldProtocol ? frame.videoLoss : info.videoLoss;
    record.authority = info.authority;
    record.status = false;
    record.localRun = localRun;
    record.clears = info.clears;
    emit signalUpdateScreen(record);
    return true;
}

void CDisplayVideo::updateDVRStatus(int channel, const _DISPLAY_CHANNEL_INFO& info)
{
    if (info.screen < 0 || info.screen >= kScreens)
        return;
    CDisplayInfo record;
    record.channel = channel;
    record.screen = info.screen;
    if (!info.failure.isNull()) {
        record.status = true;
        record.failure = info.failure;
        const int slot = info.screenIndex;
        if (info.mode != DISPLAY_MODE::LOCAL_PLAYBACK && slot >= 0 && slot < kDecoderSlots) {
            // What the slot still holds came before the failure.
            m_showsStatus[slot].store(true, std::memory_order_release);
            m_slotQueues[slot].dropQueued();
            m_awaitingKey[slot].store(true, std::memory_order_release);
        }
    }
    record.authority = info.authority;
    emit signalUpdateScreen(record);
}

void CDisplayVideo::clear(int ch)
{
    for (int slot = 0; slot < kDecoderSlots; ++slot) {
        if (ch >= 0 && slot != ch)
            continue;
        // What waits belongs to the stretch of stream before the clear.
        m_slotQueues[slot].dropQueued();
        m_awaitingKey[slot].store(true, std::memory_order_release);
        m_showsStatus[slot].store(false, std::memory_order_release);
    }
    if (ch < 0) {
        // Pictures decoded from what came before are on their way still.
        ++m_clears;
        // Local playback jumps or turns: what waits would be shown first.
        for (CFrameQueue& queue : m_queues)
            queue.dropQueued();
        m_decoder.AllRestart();
    } else if (ch < kDecoderSlots) {
        m_decoder.RestartIPicture(ch);
    }
    // A redraw clears too, while frames sent before a Pause may still be on
    // their way: the hold stays.
    std::lock_guard<std::mutex> lock(m_stateMutex);
    m_shownTime = QDateTime();
    m_pbMode = kStop;
}

void CDisplayVideo::newPlaybackStream()
{
    std::lock_guard<std::mutex> lock(m_stateMutex);
    m_pbMode = kStop;
    m_speedHeld = QDeadlineTimer();
}

void CDisplayVideo::setPbStatus(const cgi::PbControl_Cmd& cmd)
{
    const bool standsStill = cmd == cgi::PbControl::CMD_PAUSE || cmd == cgi::PbControl::CMD_STEP_FORWARD
        || cmd == cgi::PbControl::CMD_STEP_REVERSE;
    {
        std::lock_guard<std::mutex> lock(m_stateMutex);
        m_pbMode = kStop;
        m_speedHeld = standsStill ? QDeadlineTimer(m_commandSettleMs) : QDeadlineTimer();
    }
    if (cmd == cgi::PbControl::CMD_PAUSE || cmd == cgi::PbControl::CMD_STOP)
        emit signalChangedStatus(QString(), m_clears.load());
}

void CDisplayVideo::setCommandSettleTime(int milliseconds)
{
    std::lock_guard<std::mutex> lock(m_stateMutex);
    m_commandSettleMs = milliseconds;
}

void CDisplayVideo::checkPlaybackMode(const PbMode& mode, uint32_t clears)
{
    {
        std::lock_guard<std::mutex> lock(m_stateMutex);
        // The clear forgot the mode; the next frame announces it again.
        if (clears != m_clears.load())
            return;
        if (!m_speedHeld.hasExpired()) {
            if (isSpeed(mode))
                return;
            // The DVR's own word that it stands still: what follows on the
            // stream was sent after it took the command.
            m_speedHeld = QDeadlineTimer();
        }
        if (mode == m_pbMode)
            return;
        m_pbMode = mode;
    }
    emit signalChangedStatus(QStringLiteral("Playback( ") + PbMode_Mode2String(mode) + QStringLiteral(" )"), clears);
}

bool CDisplayVideo::isForwardPlayback() const
{
    std::lock_guard<std::mutex> lock(m_stateMutex);
    return isForwardMoving(m_pbMode);
}

void CDisplayVideo::displayTime(
    const DISPLAY_MODE::ENUM& mode, unsigned int time, const PbMode& pbMode, uint32_t clears)
{
    const QDateTime frameTime = CDateTime::convert_Timet_QDateTime(static_cast<long>(time));
    QString text;
    {
        std::lock_guard<std::mutex> lock(m_stateMutex);
        bool replace = false;
        if (m_shownTime.isNull())
            replace = true;
        else if (mode == DISPLAY_MODE::LIVE)
            replace = frameTime > m_shownTime;
        else if (mode == DISPLAY_MODE::PLAYBACK && m_pbMode != kStop)
            replace = isForwardMoving(m_pbMode) ? frameTime > m_shownTime : frameTime < m_shownTime;
        else
            replace = (PbMode_IsReverseMode(pbMode) && frameTime < m_shownTime) || frameTime > m_shownTime;
        if (!replace)
            return;
        m_shownTime = frameTime;
        text = m_shownTime.toString(CDateTime::DISPLAY_TIME_FORMAT);
    }
    emit signalUpdateTime(text, clears);
}

void CDisplayVideo::startDecodeThread(int n, const DISPLAY_MODE::ENUM& mode)
{
    if (m_decoding || mode != DISPLAY_MODE::LOCAL_PLAYBACK)
        return;
    const int count = n < 0 ? 0 : (n > kChannels ? kChannels : n);
    const uint32_t run = m_localRun.load() + 1;
    m_localRun = run;
    for (int ch = 0; ch < count; ++ch)
        m_queues[ch].open();
    for (int ch = 0; ch < count; ++ch)
        m_threads.push_back(std::make_unique<boost::thread>([this, ch, run] { decodeProcess(ch, run); }));
    m_decoding = true;
}

bool CDisplayVideo::isStale(const CDisplayInfo& record) const
{
    if (record.localRun != 0)
        return !m_decoding.load() || record.localRun != m_localRun.load();
    return record.hasPicture() && record.clears != m_clears.load();
}

void CDisplayVideo::exitDecodeThread()
{
    m_decoding = false;
    for (auto& thread : m_threads)
        thread->interrupt();
    for (auto& thread : m_threads)
        thread->join();
    m_threads.clear();
    // Producers still waiting for room wake up here and drop their frames.
    for (auto& queue : m_queues)
        queue.close();
}

void CDisplayVideo::decodeProcess(int ch, uint32_t run)
{
    CFrameQueue& queue = m_queues[ch];
    PtsDelay& pacing = m_pacing[ch];
    float lastSpeed = 0;
    try {
        for (;;) {
            boost::this_thread::interruption_point();
            CFrameQueue::Front front;
            if (!queue.waitFront(front))
                return;
            Frame frame;
            if (!frame.read(front.info.oldProtocol, front.data, front.length)) {
                queue.popFront();
                continue;
            }

            const float speed = CPlaybackSpeed::PlayMode2Speed(front.info.pbMode);
            if (speed != lastSpeed) {
                m_decoder.AllRestart();
                lastSpeed = speed;
                pacing = PtsDelay();
            }

            // Pause, stop and step frames are shown as they come.
            const bool paced = speed != 0;
            KTimeVal pts;
            KTimeVal delay;
            if (paced) {
                // Every speed is paced, the slow ones included: a frame time
                // divided by 0.25 stretches the stream four times.
                pts = frame.time / std::fabs(speed);
                delay = pacing.GetDelay(pts, KTimeVal::GetSystemTv());
                if ((delay.sec == 0 && delay.usec >= 10000) || (delay.sec >= 1 && delay.sec <= 4))
                    boost::this_thread::sleep_for(boost::chrono::milliseconds(delay.sec * 1000 + delay.usec / 1000));
            } else {
                pacing = PtsDelay();
            }

            if (decodeImage(front, frame, Pictures::Unbounded, run))
                displayTime(
                    front.info.mode, static_cast<unsigned int>(frame.time.sec), front.info.pbMode, front.info.clears);
            queue.popFront();

            if (paced) {
                if (delay.sec >= 5) {
                    pacing = PtsDelay();
                    if (front.info.screenIndex >= 0 && front.info.screenIndex < kDecoderSlots)
                        m_decoder.RestartIPicture(front.info.screenIndex);
                } else if (delay.sec <= -5) {
                    pacing = PtsDelay();
                } else {
                    pacing.Update(pts, KTimeVal::GetSystemTv());
                }
            }
        }
    } catch (const boost::thread_interrupted&) {
        qDebug("thread interrupted %d", ch);
    }
}

void CDisplayVideo::changeOpenglOption(bool opengl)
{
    m_decoder.changeOpenglOption(opengl);
    if (m_planar.load())
        m_decoder.SetPixelFormat(AV_PIX_FMT_YUV420P);
}

void CDisplayVideo::setPlanarPictures(bool planar)
{
    m_planar = planar;
    m_decoder.SetPixelFormat(planar ? AV_PIX_FMT_YUV420P : AV_PIX_FMT_RGB24);
}

void CDisplayVideo::setTileSize(int slot, const QSize& size)
{
    if (slot < 0 || slot >= kDecoderSlots)
        return;
    const uint32_t width = uint32_t(qBound(0, size.width(), 0xFFFF));
    const uint32_t height = uint32_t(qBound(0, size.height(), 0xFFFF));
    m_tileSizes[slot].store(width << 16 | height, std::memory_order_relaxed);
}

void CDisplayVideo::setDeinterlaced(bool deinterlaced)
{
    m_decoder.setDeinterlaced(deinterlaced);
}
