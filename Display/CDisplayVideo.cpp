#include "CDisplayVideo.h"

#include "Common/CDateTime.h"
#include "Common/CFrameInfo.h"
#include "dvr_types/CPlaybackSpeed.h"
#include "dvr_types/KTimeVal.h"

#include <QDebug>
#include <boost/chrono.hpp>
#include <boost/thread/thread.hpp>
#include <cmath>
#include <cstring>

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
    exitDecodeThread();
    clear(-1);
    m_decoder.Deinit();
}

int CDisplayVideo::getVideoChannel(bool oldProtocol, const unsigned char* data, unsigned long size)
{
    Frame frame;
    return frame.read(oldProtocol, data, size) ? frame.channel : -1;
}

void CDisplayVideo::makeImage(const _DISPLAY_CHANNEL_INFO& info, const unsigned char* data, unsigned long size)
{
    if (info.screenIndex < 0 || info.screenIndex >= kDecoderSlots || info.screen < 0 || info.screen >= kScreens)
        return;
    Frame frame;
    if (!frame.read(info.oldProtocol, data, size))
        return;

    if (info.mode == DISPLAY_MODE::PLAYBACK)
        checkPlaybackMode(info.pbMode);

    if (info.mode != DISPLAY_MODE::LOCAL_PLAYBACK) {
        decodeImage(info, frame, size);
        if (frame.type == 0)
            displayTime(info.mode, static_cast<unsigned int>(frame.time.sec), info.pbMode);
        return;
    }

    if (!m_decoding)
        return;
    if (!m_queues[frame.channel].push(data, size, info))
        return;
    // The shown time of local playback is that of the newest queued I frame.
    if (frame.type == 0)
        displayTime(info.mode, static_cast<unsigned int>(frame.time.sec), info.pbMode);
}

void CDisplayVideo::decodeImage(const _DISPLAY_CHANNEL_INFO& info, const Frame& frame, unsigned long size)
{
    if (info.screenIndex < 0 || info.screenIndex >= kDecoderSlots || info.screen < 0 || info.screen >= kScreens)
        return;

    CDisplayInfo record;
    {
        std::lock_guard<std::mutex> lock(m_slotMutex[info.screenIndex]);
        const FrameSize size{frame.width, frame.height};
        const unsigned long bytes = m_decoder.DecodeFrame(info.oldProtocol, info.screenIndex, frame.payload,
            static_cast<unsigned long>(frame.dataSize), size, frame.type);
        const int width = frame.width;
        const int height = frame.height;
        // Only a whole RGB24 picture of the announced size is shown.
        if (bytes == 0 || bytes != static_cast<unsigned long>(width) * height * 3)
            return;
        // The record leaves this thread, while the slot's buffer gets the next
        // picture: it takes a copy of its own.
        record.image = QImage(width, height, QImage::Format_RGB888);
        if (record.image.isNull())
            return;
        const unsigned char* rgb = m_decoder.GetDecodedRGB(info.screenIndex);
        for (int y = 0; y < height; ++y)
            std::memcpy(record.image.scanLine(y), rgb + static_cast<std::size_t>(y) * width * 3, width * 3);
    }

    const bool oldProtocol = info.oldProtocol;
    record.length = static_cast<uint32_t>(size);
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
    emit signalUpdateScreen(record);
}

void CDisplayVideo::updateDVRStatus(int channel, const _DISPLAY_CHANNEL_INFO& info)
{
    if (info.screen < 0 || info.screen >= kScreens)
        return;
    CDisplayInfo record;
    record.channel = channel;
    record.screen = info.screen;
    if (!info.statusText.isEmpty()) {
        record.status = true;
        record.name = info.statusText;
    }
    record.authority = info.authority;
    emit signalUpdateScreen(record);
}

void CDisplayVideo::clear(int ch)
{
    if (ch < 0)
        m_decoder.AllRestart();
    else if (ch < kDecoderSlots)
        m_decoder.RestartIPicture(ch);
    std::lock_guard<std::mutex> lock(m_stateMutex);
    m_shownTime = QDateTime();
    m_pbMode = kStop;
}

void CDisplayVideo::setPbStatus(const cgi::PbControl_Cmd& cmd)
{
    {
        std::lock_guard<std::mutex> lock(m_stateMutex);
        m_pbMode = kStop;
    }
    if (cmd == cgi::PbControl::CMD_PAUSE || cmd == cgi::PbControl::CMD_STOP)
        emit signalChangedStatus(QString());
}

void CDisplayVideo::checkPlaybackMode(const PbMode& mode)
{
    {
        std::lock_guard<std::mutex> lock(m_stateMutex);
        if (mode == m_pbMode)
            return;
        m_pbMode = mode;
    }
    emit signalChangedStatus(QStringLiteral("Playback( ") + PbMode_Mode2String(mode) + QStringLiteral(" )"));
}

bool CDisplayVideo::isForwardPlayback() const
{
    std::lock_guard<std::mutex> lock(m_stateMutex);
    return isForwardMoving(m_pbMode);
}

void CDisplayVideo::displayTime(const DISPLAY_MODE::ENUM& mode, unsigned int time, const PbMode& pbMode)
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
    emit signalUpdateTime(text);
}

void CDisplayVideo::startDecodeThread(int n, const DISPLAY_MODE::ENUM& mode)
{
    if (m_decoding || mode != DISPLAY_MODE::LOCAL_PLAYBACK)
        return;
    const int count = n < 0 ? 0 : (n > kChannels ? kChannels : n);
    for (int ch = 0; ch < count; ++ch)
        m_queues[ch].open();
    for (int ch = 0; ch < count; ++ch)
        m_threads.push_back(std::make_unique<boost::thread>([this, ch] { decodeProcess(ch); }));
    m_decoding = true;
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

void CDisplayVideo::decodeProcess(int ch)
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

            decodeImage(front.info, frame, static_cast<unsigned long>(front.length));
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
}

void CDisplayVideo::setDeinterlaced(bool deinterlaced)
{
    m_decoder.setDeinterlaced(deinterlaced);
}
