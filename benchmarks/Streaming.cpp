// Live video of a 16-channel DVR, 704 x 480 at 25 frames a second per
// channel, from the test DVR (running as a process of its own) through a
// connection controller into the screen wall's decoders for 20 seconds;
// beside it, bare libavcodec and libswscale decoding the same frames to RGB.
//
// Reported for the controller run:
//   frames_per_s      video frames delivered per second (16 x 25 = 400 when keeping up)
//   frames_lost       frames missing from each channel's sequence of frame times (goal: 0)
//   cpu_us_per_frame  processor time of this whole process per frame: receiving,
//                     splitting, decoding and drawing (the DVR is another process)
//   link_us_per_frame processor time of the video link's thread per frame:
//                     receiving, splitting and decoding to RGB
//   gui_us_per_frame  processor time of the GUI thread per frame: drawing
//   cpu_pct           processor time of this process, in % of one core
//   disconnect_ms     how long the controller's disconnect takes: both links
//                     stopped and their threads ended (goal: about one socket
//                     wait of a link, 100 ms)
// and for the bare run: cpu_us_per_frame of decoding and conversion alone.
// The DVR sends no audio here.
//
// Run it as it is (the wall draws with plain widgets on the offscreen platform):
//   build/benchmarks/bench_Streaming

#include "Common/CFrame.h"
#include "Connection/CConnectDVR.h"
#include "CpuClock.h"
#include "Display/CDisplayWidget.h"
#include "Display/OpenGLMode.h"
#include "H264TestEncoder.h"
#include "Settings/CAppSettings.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLoggingCategory>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <array>
#include <atomic>
#include <benchmark/benchmark.h>
#include <ctime>
#include <mutex>
#include <sys/syscall.h>
#include <unistd.h>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/imgutils.h>
#include <libswscale/swscale.h>
}

namespace {

const int CHANNELS = 16;
const int WIDTH = 704;
const int HEIGHT = 480;
const int FPS = 25;
const int SECONDS = 20;
// The test DVR loops two seconds of pictures per channel, an I frame a second.
const int CLIP_FRAMES = 2 * FPS;
const int KEY_INTERVAL = FPS;

double processCpuSeconds()
{
    return cpuSeconds(CLOCK_PROCESS_CPUTIME_ID);
}

// Processor time of another thread of this process, from /proc.
double threadCpuSeconds(int tid)
{
    QFile stat(QStringLiteral("/proc/self/task/%1/stat").arg(tid));
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray line = stat.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 13)
        return 0;
    return double(fields.at(11).toLongLong() + fields.at(12).toLongLong()) / double(sysconf(_SC_CLK_TCK));
}

QApplication& application()
{
    static int argc = 1;
    static char name[] = "bench_Streaming";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        QStandardPaths::setTestModeEnabled(true);
        QLoggingCategory::setFilterRules(QStringLiteral("qelm.network.debug=false"));
        return new QApplication(argc, argv);
    }();
    return *app;
}

// Counts the frames a link delivers, and the gaps in each channel's frame
// times, on the link's thread.
class FrameCounter {
public:
    void count(const unsigned char* data, size_t len)
    {
        m_tid = static_cast<int>(syscall(SYS_gettid));
        CFrame header;
        header.SetData(data, int(len));
        if (!header.IsValid())
            return;
        const KTimeVal time = header.GetTime();
        const qint64 us = time.sec * 1000000 + time.usec;
        std::lock_guard<std::mutex> lock(m_mutex);
        qint64& last = m_last[std::size_t(header.GetChannel())];
        if (m_counting) {
            ++m_frames;
            if (last != 0 && us - last > 1000000 / FPS)
                m_lost += (us - last) / (1000000 / FPS) - 1;
        }
        last = us;
    }
    void start()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_counting = true;
    }
    void stop()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_counting = false;
    }
    qint64 frames() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_frames;
    }
    int threadId() const { return m_tid.load(); }
    qint64 lost() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_lost;
    }

private:
    mutable std::mutex m_mutex;
    std::array<qint64, CHANNELS> m_last{};
    std::atomic<int> m_tid{0};
    bool m_counting = false;
    qint64 m_frames = 0;
    qint64 m_lost = 0;
};

void BM_StreamThroughController(benchmark::State& state)
{
    QApplication& app = application();
    QProcess dvrProcess;
    dvrProcess.start(QStringLiteral(TEST_DVR_PROGRAM),
        {"--port", "0", "--size", QStringLiteral("%1x%2").arg(WIDTH).arg(HEIGHT), "--fps", QString::number(FPS),
            "--lifetime", "300", "--no-audio"});
    quint16 port = 0;
    while (port == 0 && dvrProcess.waitForReadyRead(30000)) {
        const QByteArray line = dvrProcess.readLine().trimmed();
        if (line.startsWith("listening on "))
            port = quint16(line.mid(line.lastIndexOf(':') + 1).toUInt());
    }
    if (port == 0) {
        state.SkipWithError("the test DVR did not start");
        return;
    }

    CAppSettings().writeSetting(CAppSettings::OPENGL, OPENGL_OFF);
    CDisplayWidget wall;
    wall.resetDisplay();
    wall.setScreens(CHANNELS);
    wall.show();

    DVR dvr;
    dvr.set_name("Bench DVR");
    dvr.set_address("127.0.0.1");
    dvr.set_port(port);
    dvr.set_id("admin");
    dvr.set_password("1234");
    CConnectDVR controller;
    controller.setDVR(dvr);
    controller.setDisplayScreen(0, CHANNELS);
    controller.setDisplayWidget(&wall);
    FrameCounter counter;
    QObject::connect(
        controller.findChild<CHttpConnect*>(QStringLiteral("video")), &CHttpConnect::VDataReceived, &wall,
        [&counter](const DISPLAY_DVR_INFO&, const unsigned char* data, size_t len) { counter.count(data, len); },
        Qt::DirectConnection);

    for (auto _ : state) {
        controller.startLive(false);
        // Two seconds to settle: the first I frame of every channel.
        QEventLoop settle;
        QTimer::singleShot(2000, &settle, &QEventLoop::quit);
        settle.exec();

        QElapsedTimer clock;
        const double cpuBefore = processCpuSeconds();
        const double linkBefore = threadCpuSeconds(counter.threadId());
        const double guiBefore = cpuSeconds(CLOCK_THREAD_CPUTIME_ID);
        clock.start();
        counter.start();
        QEventLoop run;
        QTimer::singleShot(SECONDS * 1000, &run, &QEventLoop::quit);
        run.exec();
        counter.stop();
        const double elapsed = clock.nsecsElapsed() / 1e9;
        const double cpu = processCpuSeconds() - cpuBefore;
        const double link = threadCpuSeconds(counter.threadId()) - linkBefore;
        const double gui = cpuSeconds(CLOCK_THREAD_CPUTIME_ID) - guiBefore;
        state.SetIterationTime(elapsed);

        const double frames = double(counter.frames());
        state.counters["frames_per_s"] = frames / elapsed;
        state.counters["frames_lost"] = double(counter.lost());
        state.counters["cpu_us_per_frame"] = frames > 0 ? cpu / frames * 1e6 : 0;
        state.counters["link_us_per_frame"] = frames > 0 ? link / frames * 1e6 : 0;
        state.counters["gui_us_per_frame"] = frames > 0 ? gui / frames * 1e6 : 0;
        state.counters["cpu_pct"] = cpu / elapsed * 100;

        QElapsedTimer disconnecting;
        disconnecting.start();
        controller.disconnect();
        state.counters["disconnect_ms"] = disconnecting.nsecsElapsed() / 1e6;
    }
    app.processEvents();
    dvrProcess.terminate();
    dvrProcess.waitForFinished(5000);
}

void BM_BareDecode(benchmark::State& state)
{
    struct Channel {
        QList<H264TestEncoder::Frame> frames;
        AVCodecContext* context = nullptr;
    };
    std::vector<Channel> channels(CHANNELS);
    const AVCodec* codec = avcodec_find_decoder(AV_CODEC_ID_H264);
    for (int ch = 0; ch < CHANNELS; ++ch) {
        H264TestEncoder encoder(WIDTH, HEIGHT, KEY_INTERVAL, ch);
        channels[std::size_t(ch)].frames = encoder.encode(CLIP_FRAMES);
        AVCodecContext*& context = channels[std::size_t(ch)].context;
        context = avcodec_alloc_context3(codec);
        context->thread_count = 1;
        context->flags |= AV_CODEC_FLAG_LOW_DELAY;
        avcodec_open2(context, codec, nullptr);
    }
    AVFrame* picture = av_frame_alloc();
    AVPacket* packet = av_packet_alloc();
    SwsContext* scaler = nullptr;
    std::vector<uint8_t> rgb(std::size_t(WIDTH) * HEIGHT * 3);
    uint8_t* planes[4] = {};
    int strides[4] = {};
    av_image_fill_arrays(planes, strides, rgb.data(), AV_PIX_FMT_RGB24, WIDTH, HEIGHT, 1);
    std::vector<uint8_t> input;

    const int total = CHANNELS * FPS * SECONDS;
    for (auto _ : state) {
        const double cpuBefore = processCpuSeconds();
        int pictures = 0;
        for (int i = 0; i < total; ++i) {
            Channel& channel = channels[std::size_t(i % CHANNELS)];
            const QByteArray& data = channel.frames.at((i / CHANNELS) % CLIP_FRAMES).data;
            input.assign(data.cbegin(), data.cend());
            input.resize(input.size() + AV_INPUT_BUFFER_PADDING_SIZE);
            packet->data = input.data();
            packet->size = int(data.size());
            avcodec_send_packet(channel.context, packet);
            while (avcodec_receive_frame(channel.context, picture) == 0) {
                scaler = sws_getCachedContext(scaler, picture->width, picture->height,
                    static_cast<AVPixelFormat>(picture->format), WIDTH, HEIGHT, AV_PIX_FMT_RGB24, SWS_FAST_BILINEAR,
                    nullptr, nullptr, nullptr);
                sws_scale(scaler, picture->data, picture->linesize, 0, picture->height, planes, strides);
                av_frame_unref(picture);
                ++pictures;
            }
        }
        const double cpu = processCpuSeconds() - cpuBefore;
        state.SetIterationTime(cpu);
        state.counters["frames"] = pictures;
        state.counters["cpu_us_per_frame"] = cpu / total * 1e6;
    }
    sws_freeContext(scaler);
    packet->data = nullptr;
    av_packet_free(&packet);
    av_frame_free(&picture);
    for (Channel& channel : channels)
        avcodec_free_context(&channel.context);
}

} // namespace

BENCHMARK(BM_StreamThroughController)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
BENCHMARK(BM_BareDecode)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
