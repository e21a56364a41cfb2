#pragma once

#include "Common/CCheckFPS.h"
#include "Common/CDecodeAudio.h"
#include "SysData/CCreateAVI.h"
#include "SysData/CCreateRaw.h"

#include <QByteArray>
#include <QMutex>
#include <QObject>
#include <QString>
#include <atomic>
#include <memory>
#include <vector>

namespace cgi {
class DvrInfo;
}
struct CFrameInfo;

// Records what one DVR connection receives to files on the PC: the live
// stream when the operator records to the PC, the playback stream of a
// backup. The FileFormat setting chooses raw recording files (one set per
// DVR) or one AVI file per channel, written into a folder named after the
// DVR inside the Record or Backup folder.
//
// start and stop run on the GUI thread; writeFrame runs on the video and the
// audio streaming threads. One mutex makes every write, start and stop one at
// a time, and the recording mark is checked again under it, so a frame that
// arrives while recording stops never opens a file.
//
// A failure does not pass silently: when a file cannot be created or written
// (a folder gone, a full disk) the recording stops, every file is closed
// with what was written intact, and failed() carries the reason.
class CRecord : public QObject {
    Q_OBJECT

public:
    static constexpr int FORMAT_AVI = 1;

    CRecord();
    ~CRecord() override;

    // Starts recording; mode 0 records the live stream into the Record
    // folder, any other mode a backup into the Backup folder. A recording
    // under way ends first. False, with nothing recorded, when the folder
    // cannot be made or the DVR reported no channels; errorString() tells
    // why.
    bool start(const QString& dvrName, const cgi::DvrInfo& info, long mode);
    // Ends recording and closes every file. False when a file could not be
    // completed; errorString() tells why.
    bool stop();
    // One whole frame (header and payload) as the streaming link received
    // it; oldProtocol tells which header it carries. Ignored unless
    // recording.
    void writeFrame(bool oldProtocol, const QByteArray& frame);
    bool isRecording() const { return m_recording.load(std::memory_order_acquire); }
    // The last failure; empty while none occurred since start or since it
    // was taken.
    QString errorString() const;
    // The last failure, forgotten from now on: a failure is told once, by
    // whoever takes it first (failed() may still be on its way meanwhile).
    QString takeFailure();

signals:
    // The recording stopped because a file could not be created or written.
    // Emitted once, on the thread that wrote, after every file is closed.
    void failed(const QString& reason);

private:
    struct Channel {
        CCreateAVI writer;
        bool rotate = false;
        CCheckFPS fps;
        CDecodeAudio audio;
    };

    QString writeAvi(bool oldProtocol, const QByteArray& frame, const CFrameInfo& info);
    QString writeAviChunk(Channel& channel, bool oldProtocol, const QByteArray& frame, const CFrameInfo& info);
    QString openAvi(Channel& channel, int number, bool oldProtocol, const CFrameInfo& info);
    bool closeAvi(Channel& channel);
    bool closeAll();

    mutable QMutex m_mutex;
    std::atomic<bool> m_recording{false};
    QString m_folder;
    int m_fileFormat = 0;
    CCreateRaw m_raw;
    std::vector<std::unique_ptr<Channel>> m_channels;
    std::vector<short> m_samples;
    std::vector<unsigned char> m_keyFrame;
    QString m_error;
};
