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
    static constexpr int TIME_LIMIT_MS = 10000;

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
    // Records on until what was recorded since the last take holds that
    // much sound at or above the magnitude; false when it does not come
    // within the time limit.
    bool hears(int magnitude, int milliseconds, int timeLimitMs = TIME_LIMIT_MS);
    // Records on until the sound ends: the last milliseconds recorded stay
    // below the magnitude. False when it goes on past the time limit.
    bool hearsItEnd(int magnitude, int milliseconds, int timeLimitMs = TIME_LIMIT_MS);
    // Drops what was recorded so far and records that much sound (as many
    // samples, however long the server takes): true when all of it stays
    // below the magnitude, false when it does not or does not come.
    bool staysQuiet(int magnitude, int milliseconds, int timeLimitMs = TIME_LIMIT_MS);

    static int peak(const QByteArray& pcm);
    // How much of pcm, in milliseconds, is at least the given magnitude.
    static int loudMilliseconds(const QByteArray& pcm, int magnitude);

private:
    // Adds what the recorder delivered to what was heard.
    void record();
    static qsizetype bytesOf(int milliseconds) { return qsizetype(milliseconds) * RATE / 1000 * 2; }

    QProcess m_recorder;
    QByteArray m_heard; // since the last take
};
