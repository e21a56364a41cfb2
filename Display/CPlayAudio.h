#pragma once

#include "Common/CDecodeAudio.h"

#include <QAudioFormat>
#include <QByteArray>
#include <QDeadlineTimer>
#include <QThread>
#include <condition_variable>
#include <mutex>

class QAudioSink;
class QIODevice;

// The audio output: the threads that deliver audio frames push decoded PCM of
// the selected screen's channel; this thread plays it on the default audio
// output as 8000 Hz 16-bit signed little-endian PCM, with the channels of
// CDecodeAudio's rule (two for DVRs of the old dialect, one otherwise). The
// thread starts with the first push and ends, closing the sink, when no audio
// came for IDLE_MILLISECONDS: without a stream the output holds no thread.
//
// The sink lives on this thread alone: it is opened, fed, re-opened for the
// other format and closed here, never from a delivering thread or the GUI
// thread. The buffer holds at most two seconds; when a push would overflow it
// the oldest samples go. Without a usable output device the pushed PCM is
// dropped, opening is retried at most once a second while audio keeps
// arriving (the missing device is reported once), and the thread sleeps in
// between.
class CPlayAudio : public QThread {
    Q_OBJECT

public:
    static constexpr int SAMPLE_RATE = CDecodeAudio::SAMPLE_RATE;
    static constexpr int MAX_BUFFERED_SECONDS = 2;
    // Longer than any gap between two audio frames of a running stream.
    static constexpr int IDLE_MILLISECONDS = 3000;

    CPlayAudio();
    ~CPlayAudio() override;

    static QAudioFormat audioFormat(bool oldProtocol);
    static int maxBufferedBytes(bool oldProtocol);

    // Called on the delivering thread for every decoded frame of the
    // selected channel. PCM of the other format than the buffered one
    // replaces the buffer and makes the thread re-open the sink.
    void PushAudio(bool oldProtocol, const QByteArray& pcm);
    // Drops everything not yet handed to the sink.
    void clear();
    int bufferedBytes() const;

protected:
    void run() override;

private:
    // Output-thread side; the lock is held on entry and on return.
    bool openOutput(std::unique_lock<std::mutex>& lock, bool oldProtocol);
    void closeOutput();
    void writeOutput(std::unique_lock<std::mutex>& lock);

    mutable std::mutex m_lock;
    std::condition_variable m_dataArrived;
    QByteArray m_buffer;
    bool m_oldProtocol = false;
    bool m_stop = false;

    // Touched by the output thread only.
    QAudioSink* m_sink = nullptr;
    QIODevice* m_device = nullptr;
    bool m_sinkOldProtocol = false;
    QDeadlineTimer m_retryOpen;
    bool m_reportedNoDevice = false;
};
