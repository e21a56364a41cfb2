#include "Recording/CPlaybackFile.h"

#include "Common/CFrameInfo.h"
#include "Display/DisplayMode.h"
#include "SysData/HavFileHeader.h"
#include "dvr_protocol/Parser.h"
#include "dvr_types/CPlaybackSpeed.h"

#include <chrono>
#include <cmath>

namespace {

const int HRF_HEADER_SIZE = 40;
const int PAUSE_MODE = 48;
const int KEY_FRAME = 0;
const int P_FRAME = 1;
const int AUDIO_FRAME = 3;
const auto PAUSED_WAIT = std::chrono::milliseconds(100);

// The whole part of the speed's magnitude: 0 for the slow speeds.
int wholeSpeed(float speed)
{
    return static_cast<int>(std::fabs(speed));
}

} // namespace

float CPlaybackFile::PlayMode2Speed(int mode)
{
    return CPlaybackSpeed::PlayMode2Speed(mode);
}

int CPlaybackFile::Speed2PlayMode(float speed)
{
    return CPlaybackSpeed::Speed2PlayMode(speed);
}

CPlaybackFile::CPlaybackFile(QObject* parent)
    : QThread(parent)
{
    qRegisterMetaType<_DISPLAY_DVR_INFO>("DISPLAY_DVR_INFO");
    m_info.mode = DISPLAY_MODE::LOCAL_PLAYBACK;
    m_info.channelMask = 0xFFFF;
    connect(this, &CPlaybackFile::ranOut, this, &CPlaybackFile::reportEnd, Qt::QueuedConnection);
}

CPlaybackFile::~CPlaybackFile()
{
    Close();
}

bool CPlaybackFile::Load(const HdbFileHeader&, const QString& indexPath)
{
    if (isRunning())
        return false;
    Lock lock = control();
    m_stop = false;
    m_path = indexPath;
    ++m_load;
    if (!loadFrameFile(indexPath) || !loadIndex(indexPath)) {
        m_file.close();
        m_index.clear();
        m_frameCount = 0;
        return false;
    }
    m_frameCount = int(m_index.size());
    m_position = m_speed > 0 ? 0 : int(m_index.size()) - 1;
    // The dialect of the frames: the first entry whose header either
    // dialect reads decides.
    for (const Index& entry : m_index) {
        if (!m_file.seek(entry.offset))
            continue;
        m_buffer = m_file.read(entry.size);
        m_info.oldProtocol = CFrameInfo::read(true, m_buffer).valid;
        if (m_info.oldProtocol || CFrameInfo::read(false, m_buffer).valid)
            break;
    }
    lock.unlock();
    start(QThread::InheritPriority);
    return true;
}

bool CPlaybackFile::loadFrameFile(const QString& indexPath)
{
    m_file.close();
    QString path = indexPath;
    if (path.endsWith(QLatin1String(".hrf")))
        path.replace(path.size() - 4, 4, QStringLiteral(".hav"));
    m_file.setFileName(path);
    HavFileHeader header;
    if (path == indexPath || !m_file.open(QIODevice::ReadOnly)
        || !HavFileHeader::read(m_file.read(HavFileHeader::SIZE), &header))
        return false;
    m_info.dvrName = header.dvrName;
    m_info.channelNames = header.cameraNames;
    m_info.model = header.model;
    return true;
}

bool CPlaybackFile::loadIndex(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // Read at once: a frame's index is small (36 bytes a frame).
    const QByteArray bytes = file.readAll();
    const qint64 frames = m_file.size();
    m_index.clear();
    // A record cut short (a recording that died) is left out with the header.
    for (qsizetype at = HRF_HEADER_SIZE; at + Index::SIZE <= bytes.size(); at += Index::SIZE) {
        const Index entry = Index::read(reinterpret_cast<const unsigned char*>(bytes.constData() + at));
        // Entries that point outside the frames, or at more than a packet
        // can carry, are not frames of this file.
        if (entry.size == 0 || entry.size > cgi::Parser::MAX_PAYLOAD || entry.offset < HavFileHeader::SIZE
            || qint64(entry.offset) + entry.size > frames)
            continue;
        m_index.push_back(entry);
    }
    return !m_index.empty();
}

void CPlaybackFile::Close()
{
    if (m_path.isEmpty())
        return;
    m_stop = true;
    wake();
    wait();
    Lock lock = control();
    m_file.close();
    m_index.clear();
    m_frameCount = 0;
    m_speed = 1;
    m_paused = false;
}

void CPlaybackFile::run()
{
    Lock lock(m_mutex);
    emitPosition();
    FindNextIFrame();
    while (!m_stop && !atEnd()) {
        if (m_paused) {
            if (m_statusWhilePaused.exchange(false))
                emit signalChangedStatus(QString());
            m_wake.wait_for(lock, PAUSED_WAIT);
            continue;
        }
        playOne();
        // The thread holds the mutex while the wall paces it: a control
        // waiting for it gets it between two frames.
        if (m_waiting.load() > 0)
            m_wake.wait(lock, [this] { return m_waiting.load() == 0; });
    }
    const bool forward = m_speed > 0;
    m_file.close();
    m_index.clear();
    if (m_stop)
        return;
    m_ended.store(m_load << 1 | (forward ? 1 : 0));
    emit ranOut(QPrivateSignal());
}

void CPlaybackFile::reportEnd()
{
    // Told once; nothing when a later Load has replaced the file that ended.
    const quint64 ended = m_ended.exchange(0);
    if (ended >> 1 == m_load)
        emit playEnd(ended & 1);
}

bool CPlaybackFile::atEnd() const
{
    return m_position < 0 || m_position >= int(m_index.size());
}

bool CPlaybackFile::skipsPFrames() const
{
    return m_speed == -1 || wholeSpeed(m_speed) >= 2;
}

void CPlaybackFile::stepOn()
{
    if (!atEnd())
        m_position += direction();
}

void CPlaybackFile::FindNextIFrame()
{
    while (!atEnd() && (m_index[std::size_t(m_position)].type & 3) != KEY_FRAME) {
        stepOn();
        emitPosition();
    }
}

bool CPlaybackFile::readFrame(int* type)
{
    const Index& entry = m_index[std::size_t(m_position)];
    // Frames played forward follow each other in the file.
    if (m_file.pos() != qint64(entry.offset) && !m_file.seek(entry.offset))
        return false;
    m_buffer.resize(qsizetype(entry.size));
    if (m_file.read(m_buffer.data(), m_buffer.size()) != m_buffer.size())
        return false;
    const CFrameInfo info = CFrameInfo::read(m_info.oldProtocol, m_buffer);
    *type = info.type;
    return info.valid;
}

void CPlaybackFile::playOne()
{
    int type = 0;
    if (!readFrame(&type)) {
        stepOn();
        return;
    }
    // Backward play shows key frames only.
    if (m_speed < 0 && type != KEY_FRAME) {
        stepOn();
        emitPosition();
        return;
    }
    if (m_speed == 1 && type == AUDIO_FRAME) {
        emit PlayAudio(m_info, reinterpret_cast<const unsigned char*>(m_buffer.constData()), size_t(m_buffer.size()));
        stepOn();
        return;
    }
    ShowData(type);
}

void CPlaybackFile::ShowData(int type)
{
    if (skipsPFrames() && type == P_FRAME) {
        stepOn();
        return;
    }
    m_info.pbMode = m_paused ? PAUSE_MODE : Speed2PlayMode(m_speed);
    if (m_stop)
        return;
    // Away from 1X audio goes with the pictures; the wall's video decoder
    // passes it by, so it is heard at 1X only.
    emit DisplayVideo(m_info, reinterpret_cast<const unsigned char*>(m_buffer.constData()), size_t(m_buffer.size()));
    updateStatus();
    stepOn();
    if (skipsPFrames())
        FindNextIFrame();
    emitPosition();
}

void CPlaybackFile::updateStatus()
{
    // Made again only when the speed or the pause changed.
    const bool paused = m_paused;
    if (m_statusSpeed != m_speed || m_statusPaused != paused) {
        m_statusSpeed = m_speed;
        m_statusPaused = paused;
        m_status.clear();
        if (paused) {
            if (m_speed == -1)
                m_status = QStringLiteral("<<Step");
            else if (m_speed == 1)
                m_status = QStringLiteral("Step>>");
        } else if (wholeSpeed(m_speed) != 0) {
            m_status = QLatin1Char(m_speed < 0 ? '-' : '+') + QString::number(wholeSpeed(m_speed)) + QLatin1Char('X');
        }
        if (!m_status.isEmpty())
            m_status = QStringLiteral("Playback( ") + m_status + QStringLiteral(" )");
    }
    emit signalChangedStatus(m_status);
}

void CPlaybackFile::emitPosition()
{
    // The slider runs over the entries; a file run out shows its last one.
    emit changedframe(qBound(0, m_position, qMax(0, int(m_index.size()) - 1)));
}

CPlaybackFile::Lock CPlaybackFile::control() const
{
    ++m_waiting;
    Lock lock(m_mutex);
    --m_waiting;
    m_wake.notify_all();
    return lock;
}

void CPlaybackFile::wake()
{
    m_wake.notify_all();
}

void CPlaybackFile::play(bool forward)
{
    Lock lock = control();
    if (m_index.empty())
        return;
    // Frames of the other direction follow: the decoders start again from a
    // key frame.
    if (forward != (m_speed > 0))
        emit signalDecoderRestart(-1);
    m_speed = forward ? 1 : -1;
    m_paused = false;
    wake();
}

void CPlaybackFile::frame(bool forward)
{
    Lock lock = control();
    if (m_index.empty())
        return;
    m_paused = true;
    m_statusWhilePaused = false;
    if (!forward || m_speed < 0)
        emit signalDecoderRestart(-1);
    m_speed = forward ? 1 : -1;
    FindNextIFrame();
    // At either end the thread ends the file, once.
    int type = 0;
    if (atEnd())
        wake();
    else if (readFrame(&type))
        ShowData(type);
    else
        stepOn();
}

void CPlaybackFile::pause()
{
    // The thread holds the mutex while it sends a frame.
    Lock lock = control();
    m_paused = true;
    m_statusWhilePaused = true;
}

void CPlaybackFile::restart()
{
    m_paused = false;
    wake();
}

void CPlaybackFile::slow()
{
    Lock lock = control();
    // Forward down to 1/2X, backward down to -1X.
    const float limit = m_speed <= 0 ? 1 : 0.25f;
    if (wholeSpeed(m_speed) > limit)
        m_speed /= 2;
    m_paused = false;
    wake();
}

void CPlaybackFile::fast()
{
    Lock lock = control();
    const int whole = wholeSpeed(m_speed);
    if (whole >= 1 && whole <= 31)
        m_speed *= 2;
    m_paused = false;
    wake();
}

void CPlaybackFile::setFrameIndex(int position)
{
    Lock lock = control();
    if (m_index.empty() || position == m_position)
        return;
    emit signalDecoderRestart(-1);
    m_position = qBound(0, position, int(m_index.size()) - 1);
    FindNextIFrame();
    m_paused = false;
    wake();
}

int CPlaybackFile::frameCount() const
{
    Lock lock = control();
    return m_frameCount;
}

float CPlaybackFile::speed() const
{
    Lock lock = control();
    return m_speed;
}
