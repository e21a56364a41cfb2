#include "Display/CPlayAudio.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QCoreApplication>
#include <QDebug>
#include <QMediaDevices>

namespace {
// The sink's own buffer: long enough to ride out a late frame, short enough
// that live sound stays close to the picture.
const int SINK_BUFFER_MILLISECONDS = 250;
// How long the thread sleeps when the sink has no room.
const int FULL_SINK_WAIT_MILLISECONDS = 20;
const int RETRY_OPEN_MILLISECONDS = 1000;

int bytesPerFrame(bool oldProtocol)
{
    return CPlayAudio::audioFormat(oldProtocol).bytesPerFrame();
}
} // namespace

CPlayAudio::CPlayAudio()
    : m_retryOpen(0)
{
    // The media back end keeps process-wide objects; make sure they come to
    // life on this (the GUI) thread rather than on the short-lived output
    // thread that first asks for a device.
    QMediaDevices::defaultAudioOutput();
}

CPlayAudio::~CPlayAudio()
{
    {
        std::lock_guard<std::mutex> lock(m_lock);
        m_stop = true;
        m_buffer.clear();
    }
    m_dataArrived.notify_all();
    wait();
    // The thread's last act is to let go of the lock; taking it once more
    // orders everything it did before this object goes, also for race
    // checkers that cannot see inside QThread::wait.
    std::lock_guard<std::mutex> lock(m_lock);
}

QAudioFormat CPlayAudio::audioFormat(bool oldProtocol)
{
    QAudioFormat format;
    format.setSampleRate(SAMPLE_RATE);
    format.setChannelCount(CDecodeAudio::getChannels(oldProtocol));
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

int CPlayAudio::maxBufferedBytes(bool oldProtocol)
{
    return SAMPLE_RATE * MAX_BUFFERED_SECONDS * bytesPerFrame(oldProtocol);
}

void CPlayAudio::PushAudio(bool oldProtocol, const QByteArray& pcm)
{
    std::lock_guard<std::mutex> lock(m_lock);
    if (m_stop)
        return;
    if (oldProtocol != m_oldProtocol) {
        m_buffer.clear();
        m_oldProtocol = oldProtocol;
    }
    // Copied, not shared: the caller's array is released on its own thread.
    m_buffer.append(pcm.constData(), pcm.size());
    const int frame = bytesPerFrame(oldProtocol);
    const int excess = m_buffer.size() - maxBufferedBytes(oldProtocol);
    if (excess > 0)
        m_buffer.remove(0, (excess + frame - 1) / frame * frame);
    m_dataArrived.notify_all();
    if (!isRunning())
        start();
}

void CPlayAudio::clear()
{
    std::lock_guard<std::mutex> lock(m_lock);
    m_buffer.clear();
}

int CPlayAudio::bufferedBytes() const
{
    std::lock_guard<std::mutex> lock(m_lock);
    return int(m_buffer.size());
}

void CPlayAudio::run()
{
    std::unique_lock<std::mutex> lock(m_lock);
    while (!m_stop) {
        if (m_buffer.isEmpty()) {
            // The next push starts the thread again.
            if (m_dataArrived.wait_for(lock, std::chrono::milliseconds(IDLE_MILLISECONDS)) == std::cv_status::timeout
                && m_buffer.isEmpty())
                break;
            continue;
        }
        if (!m_sink || m_sinkOldProtocol != m_oldProtocol) {
            closeOutput();
            if (!m_retryOpen.hasExpired() || !openOutput(lock, m_oldProtocol)) {
                // Nothing can play it: what arrived meanwhile goes.
                m_buffer.clear();
                continue;
            }
        }
        writeOutput(lock);
    }
    closeOutput();
}

bool CPlayAudio::openOutput(std::unique_lock<std::mutex>& lock, bool oldProtocol)
{
    const QAudioFormat format = audioFormat(oldProtocol);
    lock.unlock();
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    QAudioSink* sink = nullptr;
    QIODevice* output = nullptr;
    if (device.isNull() || !device.isFormatSupported(format)) {
        // Said once until a device plays, not at every retry.
        if (!m_reportedNoDevice)
            qDebug() << "raw audio format not supported by backend, cannot play audio.";
        m_reportedNoDevice = true;
    } else {
        sink = new QAudioSink(device, format);
        sink->setBufferSize(format.bytesForDuration(SINK_BUFFER_MILLISECONDS * 1000));
        output = sink->start();
        if (!output) {
            qDebug() << "[ERROR] audio output could not be opened:" << sink->error();
            delete sink;
            sink = nullptr;
        }
    }
    lock.lock();
    if (!sink) {
        m_retryOpen.setRemainingTime(RETRY_OPEN_MILLISECONDS);
        return false;
    }
    m_reportedNoDevice = false;
    m_sink = sink;
    m_device = output;
    m_sinkOldProtocol = oldProtocol;
    return true;
}

void CPlayAudio::closeOutput()
{
    if (!m_sink)
        return;
    m_sink->stop();
    delete m_sink;
    m_sink = nullptr;
    m_device = nullptr;
}

void CPlayAudio::writeOutput(std::unique_lock<std::mutex>& lock)
{
    if (m_sink->state() == QAudio::StoppedState && m_sink->error() != QAudio::NoError) {
        qDebug() << "[ERROR] audio output failed:" << m_sink->error();
        closeOutput();
        m_retryOpen.setRemainingTime(RETRY_OPEN_MILLISECONDS);
        return;
    }
    const int frame = bytesPerFrame(m_sinkOldProtocol);
    qsizetype room = m_sink->bytesFree();
    room -= room % frame;
    if (room <= 0) {
        m_dataArrived.wait_for(lock, std::chrono::milliseconds(FULL_SINK_WAIT_MILLISECONDS));
    } else {
        const QByteArray chunk = m_buffer.left(room);
        m_buffer.remove(0, chunk.size());
        lock.unlock();
        m_device->write(chunk);
        lock.lock();
    }
    // The sink reports its state changes through this thread's events.
    lock.unlock();
    QCoreApplication::processEvents();
    lock.lock();
}
