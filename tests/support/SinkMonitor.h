#pragma once

#include <QByteArray>
#include <QProcess>
#include <QStringList>

// Listens to what the test sound server's null sink plays (tests/tools/pulse.sh)
// by recording its monitor source with parec, as 8 kHz mono 16-bit PCM. The
// first samples come only after the idle sink's first two-second block, so a
// test program starts one monitor and keeps it running.
class SinkMonitor {
public:
    static constexpr int RATE = 8000;

    SinkMonitor() = default;
    ~SinkMonitor();
    SinkMonitor(const SinkMonitor&) = delete;
    SinkMonitor& operator=(const SinkMonitor&) = delete;

    // The test sound server answers.
    static bool serverAvailable();
    // The sample specifications ("s16le 1ch 8000Hz") of the streams playing
    // into the sink now.
    static QStringList playingFormats();

    // Starts recording and waits for the first samples.
    bool start();
    // Everything recorded since the last take (or since start).
    QByteArray take();
    // Drops what was recorded so far, records for the given time and returns
    // the loudest sample's magnitude.
    int listen(int milliseconds);

    static int peak(const QByteArray& pcm);
    // How much of pcm, in milliseconds, is at least the given magnitude.
    static int loudMilliseconds(const QByteArray& pcm, int magnitude);

private:
    QProcess m_recorder;
};
