#pragma once

#include "Common/DisplayDvrInfo.h"
#include "SysData/HdbFileHeader.h"
#include "SysData/Index.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QThread>
#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <vector>

// Plays one minute of a raw recording (a frame index ".hrf" and its frame
// file ".hav") on a thread of its own: forward or backward, at a speed,
// paused or stepping. Each frame goes out whole, header included, with the
// display record of local playback; the screen wall decodes and paces it and
// holds this thread back while a channel's buffer is full.
//
// Positions are index entries; the position is the entry to play next, and
// the file has run out when it leaves the entries (past the last one
// forward, before the first one backward), so the first and the last entry
// are shown too. The thread then reports playEnd once, on the owner's
// thread, after it has finished.
//
// The operations run on the owner's (GUI) thread. A step and a seek read
// and show frames there; one mutex keeps the index, the position, the speed
// and every read of the frame file to one thread at a time.
class CPlaybackFile : public QThread {
    Q_OBJECT

public:
    // The speed of a playback-mode code and back, as the decode threads pace
    // by them.
    static float PlayMode2Speed(int mode);
    static int Speed2PlayMode(float speed);

    explicit CPlaybackFile(QObject* parent = nullptr);
    // Closes a file still playing.
    ~CPlaybackFile() override;

    // Loads the frame index at the path and its frame file and starts the
    // thread, which keeps the speed and the pause of the previous file. The
    // header is the folder's minute database header; the display record has
    // no place for its channel count.
    // False, with nothing started, when either file does not open, the frame
    // file has no header, or no index entry points at a frame inside it.
    // Only for a thread that is not running.
    bool Load(const HdbFileHeader& header, const QString& indexPath);
    // Stops the thread and closes the file; speed 1, not paused.
    void Close();

    void play(bool forward);
    // One key frame on from the position, shown paused.
    void frame(bool forward);
    // Returns once the thread is between frames: a frame it sent has been
    // delivered, and it sends no other until it plays again, so receivers of
    // DisplayVideo and PlayAudio can be disconnected then.
    void pause();
    void restart();
    void slow();
    void fast();
    // Moves to the position (on to its next key frame) and plays on.
    void setFrameIndex(int position);
    // The loaded file's entries, also once the thread has run out of them;
    // 0 after Close or a failed Load.
    int frameCount() const;

    float speed() const;
    bool isPaused() const { return m_paused.load(); }

signals:
    // The frame lives in this object's buffer during the call only: connect
    // these directly.
    void DisplayVideo(const _DISPLAY_DVR_INFO& info, const unsigned char* data, size_t len);
    void PlayAudio(const _DISPLAY_DVR_INFO& info, const unsigned char* data, size_t len);
    // The file has run out: true at the forward end, false at the backward one.
    void playEnd(bool isplayback);
    void changedframe(int frame);
    // -1: every channel; frames are about to arrive out of order.
    void signalDecoderRestart(int ch);
    void signalChangedStatus(QString status);
    // From the thread, as its last act, to the owner's thread.
    void ranOut(QPrivateSignal);

protected:
    void run() override;

private:
    using Lock = std::unique_lock<std::mutex>;

    bool loadIndex(const QString& path);
    bool loadFrameFile(const QString& path);
    // What follows needs m_mutex held.
    int direction() const { return m_speed < 0 ? -1 : 1; }
    bool atEnd() const;
    bool skipsPFrames() const;
    void stepOn();
    void FindNextIFrame();
    // Reads the entry at the position into the buffer; false when it does
    // not read whole or its header is not valid.
    bool readFrame(int* type);
    void playOne();
    void ShowData(int type);
    void updateStatus();
    void emitPosition();
    void wake();
    // On the owner's thread, once the thread has run out.
    void reportEnd();
    // The mutex for a call of the owner's thread, also while the thread
    // plays.
    Lock control() const;

    mutable std::mutex m_mutex;
    mutable std::condition_variable m_wake;
    // Calls of the owner's thread waiting for the mutex.
    mutable std::atomic<int> m_waiting{0};
    QFile m_file;
    QString m_path;
    std::vector<Index> m_index;
    QByteArray m_buffer;
    _DISPLAY_DVR_INFO m_info;
    float m_speed = 1;
    int m_position = 0;
    int m_frameCount = 0;
    // The status text and what it was made for (no speed is 0).
    QString m_status;
    float m_statusSpeed = 0;
    bool m_statusPaused = false;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_paused{false};
    std::atomic<bool> m_statusWhilePaused{false};
    // Counts loads on the owner's thread, so that the end of an earlier file
    // never arrives as the end of a later one.
    quint64 m_load = 0;
    // The load whose file ran out, over one bit for the direction (forward
    // 1); 0 when there is nothing to tell.
    std::atomic<quint64> m_ended{0};
};
