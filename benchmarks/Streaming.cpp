// Live video of a 16-channel DVR with camera-like content (a panning pattern
// under noise at a camera's bit rate, the channels out of step, an I frame a
// second) from the test DVR, running as a process of its own, through a
// connection controller onto the OpenGL wall, at 704 x 480 (2 Mbit/s a
// channel) and 1920 x 1080 (6 Mbit/s), 25 frames a second per channel; beside
// it, in the same round, bare libavcodec and libswscale decoding the same
// frames to RGB on one thread (the floor).
//
// Each case runs QELM_BENCH_ROUNDS rounds (5 unless set) of QELM_BENCH_SECONDS
// seconds (20 unless set); Google Benchmark adds the mean, median, standard
// deviation and coefficient of variation of every figure over the rounds.
// The cases: each size on the wall of the main window's smallest size
// (730 x 550) and on a wall filling a 1920 x 1080 screen, and each size on
// the small wall while another program keeps every core busy (busy:1).
//
// Reported per round:
//   cores, load_avg_1min   the machine and how busy it was when the round began
//   frames_per_s           video frames delivered per second (16 x 25 = 400 when keeping up)
//   frames_lost            frames missing from each channel's sequence of frame times
//   cpu_us_per_frame       processor time of this whole process per frame: receiving,
//                          decoding, drawing and the software rasteriser (the DVR is
//                          another process, the X server too)
//   raster_us_per_frame    of which the rasteriser's own threads (Mesa's llvmpipe)
//   cpu_ex_raster_us_per_frame   the rest
//   gui_us_per_frame       of which the GUI thread's own (taking the pictures, the
//                          overlay, uploads and the driver's work on that thread)
//   floor_us_per_frame     bare decoding and conversion of the same frames
//   ratio, ratio_ex_raster cpu_us_per_frame and cpu_ex_raster_us_per_frame over the floor
//                          (goals: at most 1.5 at 704 x 480 and 1.1 at 1920 x 1080,
//                          the median of the rounds, the rasteriser included)
//   min_drawn_fps          pictures drawn per second on the least served screen, each
//                          picture counted once when a redraw shows it (goal: 24; the
//                          program exits with 1 when a screen draws fewer than 20)
//   redraws_per_s          redraws of the wall per second (goal: at most 30)
//   lag_ms                 mean time from a frame's arrival to the redraw that shows it;
//   lag_first10_ms, lag_last10_ms  the same over the first and last 10 seconds (flat
//                          when nothing piles up), lag_max_ms the longest
//   rss_mib, rss_growth_mib resident memory at the end, and its growth from the 10th
//                          second to the end (goals: 250 MiB at 704 x 480, 700 MiB at
//                          1920 x 1080, flat)
//   disconnect_ms          how long the controller's disconnect takes
//
// Run it as it is: without a DISPLAY it starts an Xvfb server of its own, a
// 1920 x 1080 screen (the OpenGL wall then draws with Mesa's software
// renderer). --benchmark_filter picks cases, e.g. 'size:0/window:0/busy:0'.
//   build/benchmarks/bench_Streaming

#include "BenchApplication.h"
#include "BenchDisplay.h"
#include "Common/CFrameInfo.h"
#include "Connection/CConnectDVR.h"
#include "CpuClock.h"
#include "Display/CDisplayWidget.h"
#include "Display/CGraphicsView.h"
#include "Display/CScreen.h"
#include "Display/OpenGLMode.h"
#include "NewPictures.h"
#include "ProcessFigures.h"
#include "Settings/CAppSettings.h"
#include "TestDvrClips.h"
#include "viewer/CStartup.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLoggingCategory>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <algorithm>
#include <array>
#include <atomic>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <ctime>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <sys/syscall.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/imgutils.h>
#include <libswscale/swscale.h>
}

namespace {

const int CHANNELS = 16;
const int FPS = 25;
// The test DVR loops two seconds of pictures per channel, an I frame a second.
const int CLIP_FRAMES = 2 * FPS;
const int KEY_INTERVAL = FPS;
const int SETTLE_LIMIT_MS = 120000;
const double MIN_DRAWN_FPS = 20;

bool g_belowMinimum = false;

struct Size {
    int width;
    int height;
    int kbps;
};
const Size SIZES[] = {{704, 480, 2000}, {1920, 1080, 6000}};
// The wall: the main window's smallest, or a whole full-HD screen.
const QSize WINDOWS[] = {{730, 550}, {1920, 1080}};

int measuredSeconds()
{
    const int seconds = qEnvironmentVariableIntValue("QELM_BENCH_SECONDS");
    return seconds > 0 ? seconds : 20;
}

int rounds()
{
    const int rounds = qEnvironmentVariableIntValue("QELM_BENCH_ROUNDS");
    return rounds > 0 ? rounds : 5;
}

// Another program keeping every core busy while it lives.
class BusyCores {
public:
    explicit BusyCores(bool busy)
    {
        if (!busy)
            return;
        for (unsigned i = 0; i < std::thread::hardware_concurrency(); ++i) {
            auto* spinner = new QProcess;
            spinner->start(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("while :; do :; done")});
            m_spinners.push_back(spinner);
        }
    }
    ~BusyCores()
    {
        for (QProcess* spinner : m_spinners) {
            spinner->kill();
            spinner->waitForFinished(5000);
            delete spinner;
        }
    }
    BusyCores(const BusyCores&) = delete;
    BusyCores& operator=(const BusyCores&) = delete;

private:
    std::vector<QProcess*> m_spinners;
};

// The test DVR of a size, started once for all rounds; its port, or 0 when
// it did not start.
quint16 testDvr(int sizeIndex)
{
    static std::map<int, std::pair<std::unique_ptr<QProcess>, quint16>> dvrs;
    auto found = dvrs.find(sizeIndex);
    if (found != dvrs.end())
        return found->second.second;
    const Size& size = SIZES[sizeIndex];
    auto dvrProcess = std::make_unique<QProcess>();
    dvrProcess->start(QStringLiteral(TEST_DVR_PROGRAM),
        {"--port", "0", "--size", QStringLiteral("%1x%2").arg(size.width).arg(size.height), "--fps",
            QString::number(FPS), "--content", "camera", "--bitrate", QString::number(size.kbps), "--lifetime", "3600",
            "--no-audio"});
    quint16 port = 0;
    while (port == 0 && dvrProcess->waitForReadyRead(30000)) {
        const QByteArray line = dvrProcess->readLine().trimmed();
        if (line.startsWith("listening on "))
            port = quint16(line.mid(line.lastIndexOf(':') + 1).toUInt());
    }
    static const bool stopsAtExit = [] {
        std::atexit([] {
            for (auto& dvr : dvrs) {
                dvr.second.first->terminate();
                dvr.second.first->waitForFinished(5000);
            }
            dvrs.clear();
        });
        return true;
    }();
    Q_UNUSED(stopsAtExit);
    dvrs.emplace(sizeIndex, std::make_pair(std::move(dvrProcess), port));
    return port;
}

double processCpuSeconds()
{
    return cpuSeconds(CLOCK_PROCESS_CPUTIME_ID);
}

// Processor time of the rasteriser's threads of this process, from /proc.
double rasterCpuSeconds()
{
    double seconds = 0;
    const QDir tasks(QStringLiteral("/proc/self/task"));
    for (const QString& tid : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile stat(tasks.filePath(tid + QStringLiteral("/stat")));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray line = stat.readAll();
        const qsizetype open = line.indexOf('(');
        const qsizetype close = line.lastIndexOf(')');
        if (open < 0 || close < open || !line.mid(open + 1, close - open - 1).startsWith("llvmpipe"))
            continue;
        const QList<QByteArray> fields = line.mid(close + 2).split(' ');
        if (fields.size() > 12)
            seconds += double(fields.at(11).toLongLong() + fields.at(12).toLongLong()) / double(sysconf(_SC_CLK_TCK));
    }
    return seconds;
}

QApplication& application()
{
    return benchApplication<QApplication>("bench_Streaming", [] {
        qputenv("QT_QPA_PLATFORM", "xcb");
        // The wall's audio parts stay away from any real sound server.
        qputenv("PULSE_SERVER", "unix:/nonexistent");
        CScreen::prepareOpenGL();
        QLoggingCategory::setFilterRules(QStringLiteral("qelm.network.debug=false\ndefault.debug=false"));
    });
}

// What arrives, on the link's thread: frames counted, gaps in each
// channel's frame times, and when each frame came (by channel and length,
// which the record drawn from it carries too).
class Arrivals {
public:
    void note(const unsigned char* data, size_t len, qint64 nowNs)
    {
        const CFrameInfo frame = CFrameInfo::read(false, data, len);
        if (!frame.valid)
            return;
        const qint64 us = frame.time.sec * 1000000 + frame.time.usec;
        std::lock_guard<std::mutex> lock(m_mutex);
        Channel& channel = m_channels[std::size_t(frame.channel)];
        if (m_counting) {
            ++m_frames;
            if (channel.lastUs != 0 && us - channel.lastUs > 1000000 / FPS)
                m_lost += (us - channel.lastUs) / (1000000 / FPS) - 1;
        }
        channel.lastUs = us;
        channel.recent.push_back({uint32_t(len), nowNs});
        if (channel.recent.size() > 2 * CLIP_FRAMES)
            channel.recent.pop_front();
    }
    // When the newest frame of that length came; -1 when unknown.
    qint64 arrivedNs(int channel, uint32_t length) const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        const auto& recent = m_channels[std::size_t(channel)].recent;
        for (auto it = recent.rbegin(); it != recent.rend(); ++it) {
            if (it->first == length)
                return it->second;
        }
        return -1;
    }
    void setCounting(bool counting)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_counting = counting;
    }
    qint64 frames() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_frames;
    }
    qint64 lost() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_lost;
    }

private:
    struct Channel {
        qint64 lastUs = 0;
        std::deque<std::pair<uint32_t, qint64>> recent;
    };
    mutable std::mutex m_mutex;
    std::array<Channel, CHANNELS> m_channels;
    bool m_counting = false;
    qint64 m_frames = 0;
    qint64 m_lost = 0;
};

// Watches the wall's redraws on the GUI thread: each redraw shows what the
// tiles hold as it begins; a tile whose picture changed since the last
// redraw has one more picture drawn.
class DrawnPictures : public QObject {
public:
    DrawnPictures(CScreen& wall, const Arrivals& arrivals, const QElapsedTimer& clock)
        : m_wall(wall)
        , m_arrivals(arrivals)
        , m_clock(clock)
    {
    }

    void start(qint64 endNs)
    {
        m_counting = true;
        m_startNs = m_clock.nsecsElapsed();
        m_endNs = endNs;
    }
    void stop() { m_counting = false; }

    int redraws = 0;
    std::array<int, CHANNELS> drawn{};
    int shownTiles() const { return m_new.tilesShown(); }
    double lagSumMs = 0;
    double lagMaxMs = 0;
    int lags = 0;
    double firstLagSumMs = 0;
    int firstLags = 0;
    double lastLagSumMs = 0;
    int lastLags = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::Paint)
            return false;
        const qint64 now = m_clock.nsecsElapsed();
        if (m_counting)
            ++redraws;
        for (int tile = 0; tile < CHANNELS; ++tile) {
            const CDisplayInfo info = m_wall.getInfo(tile);
            if (!m_new.isNew(tile, info) || !m_counting || info.channel < 0)
                continue;
            ++drawn[std::size_t(tile)];
            const qint64 arrived = m_arrivals.arrivedNs(info.channel, info.length);
            if (arrived < 0)
                continue;
            const double lagMs = double(now - arrived) / 1e6;
            lagSumMs += lagMs;
            lagMaxMs = std::max(lagMaxMs, lagMs);
            ++lags;
            if (now - m_startNs < 10000000000LL) {
                firstLagSumMs += lagMs;
                ++firstLags;
            }
            if (m_endNs - now < 10000000000LL) {
                lastLagSumMs += lagMs;
                ++lastLags;
            }
        }
        return false;
    }

private:
    CScreen& m_wall;
    const Arrivals& m_arrivals;
    const QElapsedTimer& m_clock;
    NewPictures<CHANNELS> m_new;
    bool m_counting = false;
    qint64 m_startNs = 0;
    qint64 m_endNs = 0;
};

void wait(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Bare libavcodec and libswscale on one thread: every frame of the loops,
// twice over, decoded and converted to RGB24 as the engine did before it
// handed planar pictures to the graphics card. Processor time per frame.
double floorSecondsPerFrame(const Size& size, const QList<QList<TestDvrClips::Frame>>& loops)
{
    const AVCodec* codec = avcodec_find_decoder(AV_CODEC_ID_H264);
    std::vector<AVCodecContext*> contexts;
    for (int ch = 0; ch < CHANNELS; ++ch) {
        AVCodecContext* context = avcodec_alloc_context3(codec);
        context->thread_count = 1;
        context->flags |= AV_CODEC_FLAG_LOW_DELAY;
        avcodec_open2(context, codec, nullptr);
        contexts.push_back(context);
    }
    AVFrame* picture = av_frame_alloc();
    AVPacket* packet = av_packet_alloc();
    SwsContext* scaler = nullptr;
    std::vector<uint8_t> rgb(std::size_t(size.width) * size.height * 3);
    uint8_t* planes[4] = {};
    int strides[4] = {};
    av_image_fill_arrays(planes, strides, rgb.data(), AV_PIX_FMT_RGB24, size.width, size.height, 1);
    std::vector<uint8_t> input;

    const int total = CHANNELS * CLIP_FRAMES * 2;
    const double before = cpuSeconds(CLOCK_THREAD_CPUTIME_ID);
    for (int i = 0; i < total; ++i) {
        const int ch = i % CHANNELS;
        const QByteArray& data = loops.at(ch).at((i / CHANNELS) % CLIP_FRAMES).data;
        input.assign(data.cbegin(), data.cend());
        input.resize(input.size() + AV_INPUT_BUFFER_PADDING_SIZE);
        packet->data = input.data();
        packet->size = int(data.size());
        avcodec_send_packet(contexts[std::size_t(ch)], packet);
        while (avcodec_receive_frame(contexts[std::size_t(ch)], picture) == 0) {
            scaler = sws_getCachedContext(scaler, picture->width, picture->height,
                static_cast<AVPixelFormat>(picture->format), size.width, size.height, AV_PIX_FMT_RGB24,
                SWS_FAST_BILINEAR, nullptr, nullptr, nullptr);
            sws_scale(scaler, picture->data, picture->linesize, 0, picture->height, planes, strides);
            av_frame_unref(picture);
        }
    }
    const double seconds = cpuSeconds(CLOCK_THREAD_CPUTIME_ID) - before;
    sws_freeContext(scaler);
    packet->data = nullptr;
    av_packet_free(&packet);
    av_frame_free(&picture);
    for (AVCodecContext* context : contexts)
        avcodec_free_context(&context);
    return seconds / total;
}

// The frames the DVR of a size sends (its encoder gives the same bytes
// here), made once.
const QList<QList<TestDvrClips::Frame>>& dvrFrames(int sizeIndex)
{
    static std::map<int, QList<QList<TestDvrClips::Frame>>> frames;
    auto found = frames.find(sizeIndex);
    if (found != frames.end())
        return found->second;
    const Size& size = SIZES[sizeIndex];
    QList<int> channels;
    for (int ch = 0; ch < CHANNELS; ++ch)
        channels.append(ch);
    return frames[sizeIndex]
        = TestDvrClips::loops(size.width, size.height, channels, CLIP_FRAMES, KEY_INTERVAL, size.kbps);
}

void BM_CameraWall(benchmark::State& state)
{
    const int sizeIndex = int(state.range(0));
    const Size& size = SIZES[sizeIndex];
    const QSize window = WINDOWS[state.range(1)];
    const bool busy = state.range(2) != 0;
    QApplication& app = application();
    state.counters["cores"] = std::thread::hardware_concurrency();
    state.counters["load_avg_1min"] = ProcessFigures::loadAverage();

    const quint16 port = testDvr(sizeIndex);
    if (port == 0) {
        state.SkipWithError("the test DVR did not start");
        return;
    }

    CAppSettings().writeSetting(CAppSettings::OPENGL, OPENGL_HIGH_PERFORMANCE);
    CDisplayWidget wall;
    wall.resetDisplay();
    wall.setScreens(CHANNELS);
    wall.resize(window);
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

    QElapsedTimer clock;
    clock.start();
    Arrivals arrivals;
    QObject::connect(
        controller.findChild<CHttpConnect*>(QStringLiteral("video")), &CHttpConnect::VDataReceived, &wall,
        [&arrivals, &clock](const DISPLAY_DVR_INFO&, const unsigned char* data, size_t len) {
            arrivals.note(data, len, clock.nsecsElapsed());
        },
        Qt::DirectConnection);
    DrawnPictures drawn(*wall.wall(), arrivals, clock);
    wall.wall()->view()->viewport()->installEventFilter(&drawn);

    const int seconds = measuredSeconds();
    for (auto _ : state) {
        controller.startLive(false);
        // The DVR encodes its loops first; then every screen's first I frame.
        const qint64 settleStart = clock.elapsed();
        while (drawn.shownTiles() < CHANNELS && clock.elapsed() - settleStart < SETTLE_LIMIT_MS)
            wait(500);
        BusyCores spinners(busy);
        wait(2000);

        const double cpuBefore = processCpuSeconds();
        const double rasterBefore = rasterCpuSeconds();
        const double guiBefore = cpuSeconds(CLOCK_THREAD_CPUTIME_ID);
        const qint64 startNs = clock.nsecsElapsed();
        arrivals.setCounting(true);
        drawn.start(startNs + qint64(seconds) * 1000000000);
        double rssAt10 = 0;
        double rssPeak = 0;
        for (int second = 1; second <= seconds; ++second) {
            wait(int(std::max<qint64>(0, startNs / 1000000 + second * 1000 - clock.elapsed())));
            const double rss = ProcessFigures::residentMiB();
            rssPeak = std::max(rssPeak, rss);
            if (second == std::min(10, seconds))
                rssAt10 = rss;
        }
        drawn.stop();
        arrivals.setCounting(false);
        const double elapsed = double(clock.nsecsElapsed() - startNs) / 1e9;
        const double cpu = processCpuSeconds() - cpuBefore;
        const double raster = rasterCpuSeconds() - rasterBefore;
        const double gui = cpuSeconds(CLOCK_THREAD_CPUTIME_ID) - guiBefore;
        const double rss = ProcessFigures::residentMiB();
        state.SetIterationTime(elapsed);

        const double frames = double(arrivals.frames());
        const double perFrame = frames > 0 ? 1e6 / frames : 0;
        state.counters["frames_per_s"] = frames / elapsed;
        state.counters["frames_lost"] = double(arrivals.lost());
        state.counters["cpu_us_per_frame"] = cpu * perFrame;
        state.counters["raster_us_per_frame"] = raster * perFrame;
        state.counters["cpu_ex_raster_us_per_frame"] = (cpu - raster) * perFrame;
        state.counters["gui_us_per_frame"] = gui * perFrame;
        const double minDrawn = double(*std::min_element(drawn.drawn.begin(), drawn.drawn.end())) / elapsed;
        state.counters["min_drawn_fps"] = minDrawn;
        state.counters["redraws_per_s"] = drawn.redraws / elapsed;
        state.counters["lag_ms"] = drawn.lags ? drawn.lagSumMs / drawn.lags : 0;
        state.counters["lag_first10_ms"] = drawn.firstLags ? drawn.firstLagSumMs / drawn.firstLags : 0;
        state.counters["lag_last10_ms"] = drawn.lastLags ? drawn.lastLagSumMs / drawn.lastLags : 0;
        state.counters["lag_max_ms"] = drawn.lagMaxMs;
        state.counters["rss_mib"] = rss;
        state.counters["rss_peak_mib"] = std::max(rssPeak, rss);
        state.counters["rss_growth_mib"] = rss - rssAt10;
        if (minDrawn < MIN_DRAWN_FPS)
            g_belowMinimum = true;

        QElapsedTimer disconnecting;
        disconnecting.start();
        controller.disconnect();
        state.counters["disconnect_ms"] = disconnecting.nsecsElapsed() / 1e6;

        // The floor in the same round, under the same load.
        const double floor = floorSecondsPerFrame(size, dvrFrames(sizeIndex)) * 1e6;
        state.counters["floor_us_per_frame"] = floor;
        state.counters["ratio"] = floor > 0 ? cpu * perFrame / floor : 0;
        state.counters["ratio_ex_raster"] = floor > 0 ? (cpu - raster) * perFrame / floor : 0;
    }
    app.processEvents();
}

} // namespace

int main(int argc, char** argv)
{
    // The allocator as the viewer sets it, before anything is allocated.
    CStartup::prepareMemory();
    if (!BenchDisplay::ensureDisplay("1920x1080x24")) {
        std::fprintf(stderr, "bench_Streaming: no DISPLAY and no Xvfb to start\n");
        return 2;
    }
    benchmark::Initialize(&argc, argv);
    // size, window, busy
    const std::array<std::array<int, 3>, 6> cases{{{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {1, 1, 0}, {0, 0, 1}, {1, 0, 1}}};
    for (const auto& args : cases) {
        benchmark::RegisterBenchmark("BM_CameraWall", BM_CameraWall)
            ->ArgNames({"size", "window", "busy"})
            ->Args({args[0], args[1], args[2]})
            ->Iterations(1)
            ->Repetitions(rounds())
            ->UseManualTime()
            ->Unit(benchmark::kSecond);
    }
    benchmark::AddCustomContext("load_average_at_start", std::to_string(ProcessFigures::loadAverage()));
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (g_belowMinimum)
        std::fprintf(stderr, "bench_Streaming: a screen drew fewer than %.0f pictures a second\n", MIN_DRAWN_FPS);
    return g_belowMinimum ? 1 : 0;
}
