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
        QMutexLocker locker(&m_lock);
        m_stop = true;
        m_buffer.clear();
        m_dataArrived.wakeAll();
    }
    wait();
}

QAudioFormat CPlayAudio::audioFormat(bool oldProtocol)
{
    QAudioFormat format;
    format.setSampleRate(SAMPLE_RATE);
    format.setChannelCount(oldProtocol ? 2 : 1);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

int CPlayAudio::maxBufferedBytes(bool oldProtocol)
{
    return SAMPLE_RATE * MAX_BUFFERED_SECONDS * bytesPerFrame(oldProtocol);
}

void CPlayAudio::PushAudio(bool oldProtocol, const QByteArray& pcm)
{
    QMutexLocker locker(&m_lock);
    if (m_stop)
        return;
    if (oldProtocol != m_oldProtocol) {
        m_buffer.clear();
        m_oldProtocol = oldProtocol;
    }
    m_buffer.append(pcm);
    const int frame = bytesPerFrame(oldProtocol);
    const int excess = m_buffer.size() - maxBufferedBytes(oldProtocol);
    if (excess > 0)
        m_buffer.remove(0, (excess + frame - 1) / frame * frame);
    m_dataArrived.wakeAll();
    if (!isRunning())
        start();
}

void CPlayAudio::clear()
{
    QMutexLocker locker(&m_lock);
    m_buffer.clear();
}

int CPlayAudio::bufferedBytes() const
{
    QMutexLocker locker(&m_lock);
    return int(m_buffer.size());
}

void CPlayAudio::run()
{
    QMutexLocker locker(&m_lock);
    while (!m_stop) {
        if (m_buffer.isEmpty()) {
            m_dataArrived.wait(&m_lock);
            continue;
        }
        if (!m_sink || m_sinkOldProtocol != m_oldProtocol) {
            closeOutput();
            if (!m_retryOpen.hasExpired() || !openOutput(m_oldProtocol)) {
                // Nothing can play it: what arrived meanwhile goes.
                m_buffer.clear();
                continue;
            }
        }
        writeOutput();
    }
    closeOutput();
}

bool CPlayAudio::openOutput(bool oldProtocol)
{
    const QAudioFormat format = audioFormat(oldProtocol);
    m_lock.unlock();
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    QAudioSink* sink = nullptr;
    QIODevice* output = nullptr;
    if (device.isNull() || !device.isFormatSupported(format)) {
        qDebug() << "raw audio format not supported by backend, cannot play audio.";
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
    m_lock.lock();
    if (!sink) {
        m_retryOpen.setRemainingTime(RETRY_OPEN_MILLISECONDS);
        return false;
    }
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

void CPlayAudio::writeOutput()
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
        m_dataArrived.wait(&m_lock, FULL_SINK_WAIT_MILLISECONDS);
    } else {
        const QByteArray chunk = m_buffer.left(room);
        m_buffer.remove(0, chunk.size());
        m_lock.unlock();
        m_device->write(chunk);
        m_lock.lock();
    }
    // The sink reports its state changes through this thread's events.
    m_lock.unlock();
    QCoreApplication::processEvents();
    m_lock.lock();
}
