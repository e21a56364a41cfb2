// Decoding plus conversion to RGB per frame: the engine's CDecodeVideo against
// bare libavcodec decoding plus sws_scale of the same frames, in one run.
// Besides the time per frame, each benchmark reports the heap allocations per
// frame made inside its timed loop (counted by wrapping the C allocator), so
// that the engine can be seen to add none to what libavcodec itself makes.

#include "Common/CDecodeVideo.h"
#include "H264TestEncoder.h"

#include <atomic>
#include <benchmark/benchmark.h>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
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

} // namespace

extern "C" {

void* malloc(size_t size)
{
    gAllocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_malloc(size);
}

void* calloc(size_t count, size_t size)
{
    gAllocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_calloc(count, size);
}

void* realloc(void* pointer, size_t size)
{
    gAllocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_realloc(pointer, size);
}

int posix_memalign(void** pointer, size_t alignment, size_t size)
{
    gAllocations.fetch_add(1, std::memory_order_relaxed);
    *pointer = __libc_memalign(alignment, size);
    return *pointer ? 0 : ENOMEM;
}

void* aligned_alloc(size_t alignment, size_t size)
{
    gAllocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_memalign(alignment, size);
}

void* memalign(size_t alignment, size_t size)
{
    gAllocations.fetch_add(1, std::memory_order_relaxed);
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

void reportAllocations(benchmark::State& state, long long allocations)
{
    state.counters["allocs/frame"] = static_cast<double>(allocations) / static_cast<double>(state.iterations());
}

void BM_Engine(benchmark::State& state)
{
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    const auto& frames = stream(width, height);

    CDecodeVideo decoder;
    decoder.Init(1);
    decoder.changeOpenglOption(true);
    const FrameSize size{width, height};
    auto decode = [&](const H264TestEncoder::Frame& frame) {
        return decoder.DecodeFrame(false, 0, reinterpret_cast<const unsigned char*>(frame.data.constData()),
            static_cast<unsigned long>(frame.data.size()), size, frame.key ? 0 : 1);
    };
    for (const auto& frame : frames) // the first pass sets everything up
        decode(frame);

    std::size_t next = 0;
    const long long before = gAllocations.load();
    for (auto _ : state) {
        const unsigned long bytes = decode(frames[next]);
        benchmark::DoNotOptimize(bytes);
        if (bytes == 0)
            state.SkipWithError("no picture");
        next = (next + 1) % frames.size();
    }
    reportAllocations(state, gAllocations.load() - before);
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
    const long long before = gAllocations.load();
    for (auto _ : state) {
        const bool got = decode(frames[next]);
        benchmark::DoNotOptimize(got);
        if (!got)
            state.SkipWithError("no picture");
        next = (next + 1) % frames.size();
    }
    reportAllocations(state, gAllocations.load() - before);

    sws_freeContext(scaler);
    packet->data = nullptr;
    av_packet_free(&packet);
    av_frame_free(&picture);
    avcodec_free_context(&context);
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
            const auto bare = m_times.find({"BM_BareLibavcodec", key.second});
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
BENCHMARK(BM_Engine)->Args({704, 480})->Args({1920, 1080})->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
