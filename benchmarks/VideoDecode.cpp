// Decoding plus conversion to RGB per frame: the engine's CDecodeVideo against
// bare libavcodec decoding plus sws_scale of the same frames, in one run.
// Besides the time per frame, each benchmark reports the heap allocations and
// the bytes allocated per frame inside its timed loop (counted by wrapping
// the C allocator), so that the engine can be seen to add none to what
// libavcodec itself makes; the engine runs as the wall feeds it (frames with
// the decoder's padding behind them, decoded where they lie: padded:1) and as
// other users do (padded:0).
//
// BM_EngineThreads decodes 16 channels on 1 to 16 threads, the channels
// dealt out among them, and reports the processor time per frame: what the
// wall's decoding threads, one per tile, cost against fewer threads. Flat
// out, the threads compete for the cores all the time; paced, each channel's
// frames come 25 a second as a camera sends them, and the latest a frame is
// decoded after it came is reported too.

#include "Common/CDecodeVideo.h"
#include "H264TestEncoder.h"

#include <algorithm>
#include <atomic>
#include <benchmark/benchmark.h>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <map>
#include <string>
#include <thread>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/imgutils.h>
#include <libswscale/swscale.h>

void* __libc_malloc(size_t size);
void* __libc_calloc(size_t count, size_t size);
void* __libc_realloc(void* pointer, size_t size);
void* __libc_memalign(size_t alignment, size_t size);
void __libc_free(void* pointer);
}

namespace {

std::atomic<long long> gAllocations{0};
std::atomic<long long> gAllocatedBytes{0};

void counted(size_t bytes)
{
    gAllocations.fetch_add(1, std::memory_order_relaxed);
    gAllocatedBytes.fetch_add(static_cast<long long>(bytes), std::memory_order_relaxed);
}

} // namespace

extern "C" {

void* malloc(size_t size)
{
    counted(size);
    return __libc_malloc(size);
}

void* calloc(size_t count, size_t size)
{
    counted(count * size);
    return __libc_calloc(count, size);
}

void* realloc(void* pointer, size_t size)
{
    counted(size);
    return __libc_realloc(pointer, size);
}

int posix_memalign(void** pointer, size_t alignment, size_t size)
{
    counted(size);
    *pointer = __libc_memalign(alignment, size);
    return *pointer ? 0 : ENOMEM;
}

void* aligned_alloc(size_t alignment, size_t size)
{
    counted(size);
    return __libc_memalign(alignment, size);
}

void* memalign(size_t alignment, size_t size)
{
    counted(size);
    return __libc_memalign(alignment, size);
}

void free(void* pointer)
{
    __libc_free(pointer);
}
}

namespace {

constexpr int kFrames = 50;
constexpr int kKeyInterval = 25;

const std::vector<H264TestEncoder::Frame>& stream(int width, int height)
{
    static std::map<std::pair<int, int>, std::vector<H264TestEncoder::Frame>> streams;
    auto& frames = streams[{width, height}];
    if (frames.empty()) {
        H264TestEncoder encoder(width, height, kKeyInterval);
        for (const auto& frame : encoder.encode(kFrames))
            frames.push_back(frame);
    }
    return frames;
}

struct Allocated {
    long long count = gAllocations.load();
    long long bytes = gAllocatedBytes.load();
};

void reportAllocations(benchmark::State& state, const Allocated& before)
{
    const double frames = static_cast<double>(state.iterations());
    state.counters["allocs/frame"] = static_cast<double>(gAllocations.load() - before.count) / frames;
    state.counters["alloc_bytes/frame"] = static_cast<double>(gAllocatedBytes.load() - before.bytes) / frames;
}

// A frame as the wall's queue holds it: the decoder's padding behind it.
QByteArray padded(const QByteArray& frame)
{
    return frame + QByteArray(int(CDecodeVideo::kInputPadding), '\0');
}

void BM_Engine(benchmark::State& state)
{
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    const bool wallFed = state.range(2) != 0;
    std::vector<H264TestEncoder::Frame> frames = stream(width, height);
    if (wallFed) {
        for (auto& frame : frames)
            frame.data = padded(frame.data);
    }

    CDecodeVideo decoder;
    decoder.Init(1);
    decoder.changeOpenglOption(true);
    const FrameSize size{width, height};
    auto decode = [&](const H264TestEncoder::Frame& frame) {
        const qsizetype length = frame.data.size() - (wallFed ? qsizetype(CDecodeVideo::kInputPadding) : 0);
        return decoder.DecodeFrame(false, 0, reinterpret_cast<const unsigned char*>(frame.data.constData()),
            static_cast<unsigned long>(length), size, frame.key ? 0 : 1, wallFed);
    };
    for (const auto& frame : frames) // the first pass sets everything up
        decode(frame);

    std::size_t next = 0;
    const Allocated before;
    for (auto _ : state) {
        const unsigned long bytes = decode(frames[next]);
        benchmark::DoNotOptimize(bytes);
        if (bytes == 0)
            state.SkipWithError("no picture");
        next = (next + 1) % frames.size();
    }
    reportAllocations(state, before);
}

void BM_BareLibavcodec(benchmark::State& state)
{
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    const auto& frames = stream(width, height);

    const AVCodec* codec = avcodec_find_decoder(AV_CODEC_ID_H264);
    AVCodecContext* context = avcodec_alloc_context3(codec);
    context->thread_count = 1;
    context->flags |= AV_CODEC_FLAG_LOW_DELAY;
    avcodec_open2(context, codec, nullptr);
    AVFrame* picture = av_frame_alloc();
    AVPacket* packet = av_packet_alloc();
    SwsContext* scaler = nullptr;
    std::vector<uint8_t> rgb(static_cast<std::size_t>(width) * height * 3);
    uint8_t* planes[4] = {};
    int strides[4] = {};
    av_image_fill_arrays(planes, strides, rgb.data(), AV_PIX_FMT_RGB24, width, height, 1);
    std::vector<uint8_t> input;

    auto decode = [&](const H264TestEncoder::Frame& frame) {
        const std::size_t length = static_cast<std::size_t>(frame.data.size());
        if (input.size() < length + AV_INPUT_BUFFER_PADDING_SIZE)
            input.resize(length + AV_INPUT_BUFFER_PADDING_SIZE);
        std::memcpy(input.data(), frame.data.constData(), length);
        packet->data = input.data();
        packet->size = static_cast<int>(length);
        avcodec_send_packet(context, packet);
        bool got = false;
        while (avcodec_receive_frame(context, picture) == 0) {
            scaler = sws_getCachedContext(scaler, picture->width, picture->height,
                static_cast<AVPixelFormat>(picture->format), width, height, AV_PIX_FMT_RGB24, SWS_FAST_BILINEAR,
                nullptr, nullptr, nullptr);
            sws_scale(scaler, picture->data, picture->linesize, 0, picture->height, planes, strides);
            av_frame_unref(picture);
            got = true;
        }
        return got;
    };
    for (const auto& frame : frames)
        decode(frame);

    std::size_t next = 0;
    const Allocated before;
    for (auto _ : state) {
        const bool got = decode(frames[next]);
        benchmark::DoNotOptimize(got);
        if (!got)
            state.SkipWithError("no picture");
        next = (next + 1) % frames.size();
    }
    reportAllocations(state, before);

    sws_freeContext(scaler);
    packet->data = nullptr;
    av_packet_free(&packet);
    av_frame_free(&picture);
    avcodec_free_context(&context);
}

// 16 channels, each a stream of its own (the same pictures, started at
// another frame), decoded as the wall decodes them (planar pictures, padded
// frames) on `threads` threads; an iteration decodes every frame of every
// channel once. Reports the processor time per frame of the whole process.
void BM_EngineThreads(benchmark::State& state)
{
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    const int threads = static_cast<int>(state.range(2));
    const bool paced = state.range(3) != 0;
    constexpr int kChannels = 16;
    using Clock = std::chrono::steady_clock;
    constexpr auto kFrameInterval = std::chrono::milliseconds(40);
    std::vector<H264TestEncoder::Frame> frames = stream(width, height);
    for (auto& frame : frames)
        frame.data = padded(frame.data);

    CDecodeVideo decoder;
    decoder.Init(kChannels);
    decoder.SetPixelFormat(AV_PIX_FMT_YUV420P);
    const FrameSize size{width, height};
    // Each channel starts at its own I frame.
    const auto decodeOne = [&](int channel, std::size_t i) {
        const std::size_t first = static_cast<std::size_t>(channel % 2) * kKeyInterval;
        const auto& frame = frames[(first + i) % frames.size()];
        const unsigned long length = static_cast<unsigned long>(frame.data.size()) - CDecodeVideo::kInputPadding;
        benchmark::DoNotOptimize(decoder.DecodeFrame(false, channel,
            reinterpret_cast<const unsigned char*>(frame.data.constData()), length, size, frame.key ? 0 : 1, true));
        benchmark::DoNotOptimize(decoder.GetDecodedPicture(channel));
    };
    std::atomic<long long> latestUs{0};
    // Paced, channel c's frame i comes at i frame intervals plus c/16 of one,
    // as cameras that do not send in step; a thread takes its channels'
    // frames in the order they come.
    const auto decodeShare = [&](int t, Clock::time_point start) {
        long long latest = 0;
        for (std::size_t i = 0; i < frames.size(); ++i) {
            for (int channel = t; channel < kChannels; channel += threads) {
                if (paced) {
                    const auto due = start + i * kFrameInterval + channel * kFrameInterval / kChannels;
                    std::this_thread::sleep_until(due);
                    decodeOne(channel, i);
                    latest = std::max(latest,
                        static_cast<long long>(
                            std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - due).count()));
                } else {
                    decodeOne(channel, i);
                }
            }
        }
        long long seen = latestUs.load();
        while (latest > seen && !latestUs.compare_exchange_weak(seen, latest)) { }
    };
    const auto decodeAll = [&] {
        const Clock::time_point start = Clock::now();
        std::vector<std::thread> workers;
        for (int t = 0; t < threads; ++t)
            workers.emplace_back(decodeShare, t, start);
        for (std::thread& worker : workers)
            worker.join();
    };
    decodeAll(); // sets everything up
    latestUs = 0;

    timespec start{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &start);
    for (auto _ : state)
        decodeAll();
    timespec end{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &end);
    const double cpu = double(end.tv_sec - start.tv_sec) + double(end.tv_nsec - start.tv_nsec) / 1e9;
    const double decoded = double(state.iterations()) * kChannels * double(frames.size());
    state.counters["cpu_us_per_frame"] = cpu * 1e6 / decoded;
    if (paced)
        state.counters["latest_ms"] = double(latestUs.load()) / 1000.0;
}

// Collects the results so that the engine's cost relative to the bare pair
// can be printed after the usual table.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const std::string name = run.benchmark_name();
            const auto slash = name.find('/');
            m_times[{name.substr(0, slash), name.substr(slash)}] = run.GetAdjustedCPUTime();
        }
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        for (const auto& [key, engine] : m_times) {
            if (key.first != "BM_Engine")
                continue;
            const auto bare = m_times.find({"BM_BareLibavcodec", key.second.substr(0, key.second.find("/padded"))});
            if (bare == m_times.end() || bare->second <= 0)
                continue;
            std::printf("engine / bare %s: %.3f\n", key.second.c_str(), engine / bare->second);
        }
    }

private:
    std::map<std::pair<std::string, std::string>, double> m_times;
};

} // namespace

BENCHMARK(BM_BareLibavcodec)->Args({704, 480})->Args({1920, 1080})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Engine)
    ->ArgNames({"", "", "padded"})
    ->Args({704, 480, 0})
    ->Args({704, 480, 1})
    ->Args({1920, 1080, 0})
    ->Args({1920, 1080, 1})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EngineThreads)
    ->ArgNames({"", "", "threads", "paced"})
    ->ArgsProduct({{704}, {480}, {1, 2, 4, 8, 16}, {0, 1}})
    ->ArgsProduct({{1920}, {1080}, {1, 2, 4, 8, 16}, {0, 1}})
    ->Repetitions(3)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
