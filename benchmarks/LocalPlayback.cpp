// Local playback of a recorded minute, beside plain reads of the same frames,
// in one run.
//
// The recorder first writes, once per run, one minute of a 16-channel DVR at
// 25 frames a second (24,000 frames: a 16 KB key frame each second, 2 KB
// frames between) as raw recording files.
//   BM_PlainReads       read the minute's frame index, then seek to and read
//                       every frame it names and copy it into a receiver's buffer
//   BM_PlaybackThread   the same minute played by CPlaybackFile at 1X, unpaced,
//                       into a receiver connected as the screen wall is, which
//                       copies each frame
// Goal: PlaybackThread at most 1.5 times PlainReads.

#include "BenchApplication.h"
#include "Recording/CPlaybackFile.h"
#include "Settings/CAppSettings.h"
#include "SysData/CRecord.h"
#include "VideoFrameWrapper.h"
#include "dvr_protocol/cgi_response.pb.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstring>
#include <vector>

namespace {

const int CHANNELS = 16;
const int FPS = 25;
const quint32 MINUTE = 1704103200; // 2024-01-01 10:00 DVR time
const int INDEX_HEADER = 40;

QCoreApplication& application()
{
    return benchApplication<QCoreApplication>("bench_LocalPlayback");
}

// The frame index of the recorded minute.
QString recordedMinute()
{
    static QTemporaryDir root;
    static const QString index = [] {
        CAppSettings().writeSetting(CAppSettings::PATH_LIST.at(2), root.path());
        CAppSettings().writeSetting(CAppSettings::FILE_FORMAT, 0);
        cgi::DvrInfo info;
        info.set_ch_num(CHANNELS);
        CRecord recorder;
        recorder.start("DVR", info, 1);
        for (int tick = 0; tick < 60 * FPS; ++tick) {
            const bool key = tick % FPS == 0;
            for (int channel = 0; channel < CHANNELS; ++channel)
                recorder.writeFrame(false,
                    VideoFrameWrapper::newFrame(QByteArray(key ? 16384 : 2048, char(channel)), key ? 0 : 1, channel,
                        704, 480, MINUTE + quint32(tick / FPS), quint32(tick % FPS) * 40000));
        }
        recorder.stop();
        return root.path() + "/DVR/" + QDir(root.path() + "/DVR").entryList({"*.hrf"}).first();
    }();
    return index;
}

// Copies each frame, as the screen wall copies it into a channel's buffer.
class Receiver : public QObject {
public:
    void copy(const _DISPLAY_DVR_INFO&, const unsigned char* data, size_t len)
    {
        if (m_buffer.size() < len)
            m_buffer.resize(len);
        std::memcpy(m_buffer.data(), data, len);
        ++frames;
    }

    qint64 frames = 0;

private:
    std::vector<unsigned char> m_buffer;
};

void BM_PlainReads(benchmark::State& state)
{
    application();
    const QString indexPath = recordedMinute();
    Receiver receiver;
    QByteArray buffer;
    for (auto _ : state) {
        QFile index(indexPath);
        index.open(QIODevice::ReadOnly);
        const QByteArray entries = index.readAll();
        QFile frames(QString(indexPath).replace(".hrf", ".hav"));
        frames.open(QIODevice::ReadOnly);
        for (qsizetype at = INDEX_HEADER; at + 36 <= entries.size(); at += 36) {
            quint32 size = 0;
            quint32 offset = 0;
            std::memcpy(&size, entries.constData() + at + 12, 4);
            std::memcpy(&offset, entries.constData() + at + 16, 4);
            frames.seek(offset);
            buffer.resize(size);
            frames.read(buffer.data(), size);
            receiver.copy(_DISPLAY_DVR_INFO(), reinterpret_cast<const unsigned char*>(buffer.constData()), size);
        }
    }
    state.SetItemsProcessed(receiver.frames);
}

void BM_PlaybackThread(benchmark::State& state)
{
    application();
    const QString indexPath = recordedMinute();
    Receiver receiver;
    CPlaybackFile thread;
    QObject::connect(&thread, &CPlaybackFile::DisplayVideo, &receiver, &Receiver::copy, Qt::DirectConnection);
    for (auto _ : state) {
        thread.Load(HdbFileHeader(), indexPath);
        thread.wait();
        // The end of the file is told on this thread.
        QCoreApplication::processEvents();
    }
    state.SetItemsProcessed(receiver.frames);
}

} // namespace

// The playback runs on a thread of its own: both are timed by the clock.
BENCHMARK(BM_PlainReads)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PlaybackThread)->Unit(benchmark::kMillisecond)->UseRealTime();
