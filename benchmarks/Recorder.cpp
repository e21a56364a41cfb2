// Recording a 16-channel D1 stream (25 frames a second per channel, a key
// frame every second, A-law audio on every channel) to raw files and to AVI
// files, beside the bare cost of writing the same bytes to one file.
// MB/s is the stream's bytes written per second of wall time; core% is the
// CPU time the recorder spends per second of stream, as a share of one core.
#include "Settings/CAppSettings.h"
#include "SysData/CRecord.h"
#include "dvr_protocol/cgi_response.pb.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>
#include <benchmark/benchmark.h>
#include <ctime>
#include <vector>

namespace {

const int CHANNELS = 16;
const int FPS = 25;
const int STREAM_SECONDS = 4;
const quint32 T10 = 1704103200;

QByteArray newFrame(int type, int channel, quint32 sec, quint32 usec, int payloadBytes)
{
    const int header = type == 3 ? 40 : 36;
    QByteArray frame(header + payloadBytes, '\x5A');
    std::memset(frame.data(), 0, static_cast<size_t>(header));
    frame[0] = static_cast<char>(type);
    frame[1] = static_cast<char>(channel);
    frame[2] = 1;
    qToLittleEndian<quint32>(static_cast<quint32>(payloadBytes), frame.data() + 4);
    qToLittleEndian<quint16>(704, frame.data() + 8);
    qToLittleEndian<quint16>(480, frame.data() + 10);
    qToLittleEndian<quint32>(sec, frame.data() + 12);
    qToLittleEndian<quint32>(usec, frame.data() + 16);
    if (type != 3)
        std::memcpy(frame.data() + header, type == 0 ? "\x00\x00\x00\x01\x65" : "\x00\x00\x00\x01\x41", 5);
    return frame;
}

// D1 at about 2 Mbit/s a channel: a 40 kB key frame and 24 P frames of 8 kB
// a second.
std::vector<QByteArray> stream()
{
    std::vector<QByteArray> frames;
    for (int f = 0; f < STREAM_SECONDS * FPS; ++f) {
        const quint32 sec = T10 + quint32(f / FPS);
        const quint32 usec = quint32(f % FPS * (1000000 / FPS));
        for (int ch = 0; ch < CHANNELS; ++ch) {
            frames.push_back(newFrame(f % FPS == 0 ? 0 : 1, ch, sec, usec, f % FPS == 0 ? 40000 : 8000));
            frames.push_back(newFrame(3, ch, sec, usec, 320));
        }
    }
    return frames;
}

double threadCpuSeconds()
{
    timespec t;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

void report(benchmark::State& state, qint64 bytes, double cpu)
{
    state.SetBytesProcessed(bytes);
    const double streamSeconds = double(state.iterations()) * STREAM_SECONDS;
    state.counters["core%"] = cpu / streamSeconds * 100.0;
}

void record(benchmark::State& state, int format)
{
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir dir;
    CAppSettings settings;
    settings.writeSetting("Record", dir.path());
    settings.writeSetting("FileFormat", format);
    settings.save();
    cgi::DvrInfo info;
    info.set_ch_num(CHANNELS);
    const std::vector<QByteArray> frames = stream();

    CRecord recorder;
    qint64 bytes = 0;
    double cpu = 0;
    for (auto _ : state) {
        const double begin = threadCpuSeconds();
        recorder.start("DVR", info, 0);
        for (const QByteArray& frame : frames) {
            recorder.writeFrame(false, frame);
            bytes += frame.size();
        }
        recorder.stop();
        cpu += threadCpuSeconds() - begin;
        state.PauseTiming();
        QDir(dir.filePath("DVR")).removeRecursively();
        state.ResumeTiming();
    }
    report(state, bytes, cpu);
}

void BM_RecordRaw(benchmark::State& state)
{
    record(state, 0);
}

void BM_RecordAvi(benchmark::State& state)
{
    record(state, CRecord::FORMAT_AVI);
}

// The floor: the same frames written one by one to a single file.
void BM_BareWrite(benchmark::State& state)
{
    QTemporaryDir dir;
    const std::vector<QByteArray> frames = stream();
    qint64 bytes = 0;
    double cpu = 0;
    for (auto _ : state) {
        const double begin = threadCpuSeconds();
        QFile file(dir.filePath("bare"));
        file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
        for (const QByteArray& frame : frames) {
            file.write(frame);
            bytes += frame.size();
        }
        file.close();
        cpu += threadCpuSeconds() - begin;
        state.PauseTiming();
        file.remove();
        state.ResumeTiming();
    }
    report(state, bytes, cpu);
}

} // namespace

BENCHMARK(BM_BareWrite)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RecordRaw)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RecordAvi)->Unit(benchmark::kMillisecond)->UseRealTime();
