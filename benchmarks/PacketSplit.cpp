// Packet splitting over 64 MiB of DVR stream, beside a bare search of the same
// bytes for the start marker. Argument 0: mixed packets with garbage between
// some of them; argument 1: garbage only, the worst case, where every byte is
// searched; argument 2: 4 MiB of bad packets (start markers with lengths over
// the limit), each of which costs the reader a resynchronisation. The reply
// reader (CDataParser) runs beside the stream reader on the same bytes.

#include "Common/CDataParser.h"
#include "dvr_protocol/CPacketStream.h"
#include "dvr_protocol/Parser.h"

#include <benchmark/benchmark.h>
#include <cstring>
#include <random>
#include <vector>

namespace {

const std::size_t streamSize = 64u << 20;
const unsigned char stx[4] = {0xFB, 0xFB, 0xFB, 0xFC};
const unsigned char etx[4] = {0xFB, 0xFB, 0xFB, 0xFD};

// Half audio frames, a third video frames of 1 to 64 KiB, the rest small
// status packets; one packet in ten follows a run of garbage and one in a
// hundred has its end marker out of place.
const std::vector<unsigned char>& mixedStream()
{
    static const std::vector<unsigned char> bytes = [] {
        std::mt19937 random(2014);
        std::vector<unsigned char> out;
        out.reserve(streamSize + (64u << 10));
        auto noise = [&](std::size_t count) {
            for (std::size_t i = 0; i < count; ++i)
                out.push_back(static_cast<unsigned char>(random()));
        };
        while (out.size() < streamSize) {
            if (random() % 10 == 0)
                noise(1 + random() % 200);
            const unsigned kind = random() % 6;
            const std::uint32_t length = kind < 3 ? 320 + random() % 480
                : kind < 5                        ? 1024 + random() % 65536
                                                  : 8 + random() % 32;
            out.insert(out.end(), stx, stx + 4);
            out.push_back(7);
            out.push_back(kind < 3 ? 3 : kind < 5 ? 2 : 5);
            for (int i = 0; i < 4; ++i)
                out.push_back(static_cast<unsigned char>(length >> (8 * i)));
            noise(length);
            if (random() % 100 == 0)
                out.push_back(0);
            out.insert(out.end(), etx, etx + 4);
        }
        out.resize(streamSize);
        return out;
    }();
    return bytes;
}

const std::vector<unsigned char>& garbage()
{
    static const std::vector<unsigned char> bytes = [] {
        std::mt19937 random(2015);
        std::vector<unsigned char> out(streamSize);
        for (unsigned char& byte : out)
            byte = static_cast<unsigned char>(random());
        return out;
    }();
    return bytes;
}

const std::vector<unsigned char>& badPackets()
{
    static const std::vector<unsigned char> bytes = [] {
        const unsigned char bad[15]
            = {0xFB, 0xFB, 0xFB, 0xFC, 1, 1, 0xFF, 0xFF, 0xFF, 0xFF, 'x', 0xFB, 0xFB, 0xFB, 0xFD};
        std::vector<unsigned char> out;
        while (out.size() < (4u << 20))
            out.insert(out.end(), bad, bad + sizeof bad);
        return out;
    }();
    return bytes;
}

const std::vector<unsigned char>& input(const benchmark::State& state)
{
    switch (state.range(0)) {
    case 0:
        return mixedStream();
    case 1:
        return garbage();
    default:
        return badPackets();
    }
}

void BM_SplitPackets(benchmark::State& state)
{
    const auto& bytes = input(state);
    const cgi::Parser parser(false);
    for (auto _ : state) {
        const unsigned char* scan = bytes.data();
        const unsigned char* const end = bytes.data() + bytes.size();
        std::size_t payload = 0;
        for (;;) {
            const unsigned char* s;
            const unsigned char* e;
            if (parser.FindPacket(scan, end, s, e)) {
                payload += parser.GetDataSize(s, e) + parser.GetPayLoad(s).type;
                scan = e;
            } else if (e == cgi::Parser::BAD_PACKET) {
                scan = s;
            } else {
                break;
            }
        }
        benchmark::DoNotOptimize(payload);
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(bytes.size()));
}

void BM_ReassembleFromReads(benchmark::State& state)
{
    // As a streaming thread does: 64 KiB reads into the receive buffer.
    const auto& bytes = input(state);
    cgi::CPacketStream stream(false);
    for (auto _ : state) {
        stream.clear();
        std::size_t payload = 0;
        std::size_t at = 0;
        while (at < bytes.size()) {
            at += stream.append(bytes.data() + at, std::min<std::size_t>(64u << 10, bytes.size() - at));
            cgi::CPacketStream::Packet packet;
            while (stream.nextPacket(packet))
                payload += packet.size + packet.header.type;
        }
        benchmark::DoNotOptimize(payload);
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(bytes.size()));
}

void BM_ReplyParser(benchmark::State& state)
{
    // As the command sender does with a reply: 64 KiB deliveries, every
    // packet taken before the next one.
    const auto& bytes = input(state);
    for (auto _ : state) {
        CDataParser parser;
        std::size_t payload = 0;
        for (std::size_t at = 0; at < bytes.size();) {
            const unsigned chunk = unsigned(std::min<std::size_t>(64u << 10, bytes.size() - at));
            bool more = parser.setReceivedData(reinterpret_cast<const char*>(bytes.data() + at), chunk);
            for (; more; more = parser.setReceivedData(nullptr, 0))
                payload += parser.getResultData().size() + parser.getDataType();
            at += chunk;
        }
        benchmark::DoNotOptimize(payload);
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(bytes.size()));
}

void BM_BareMemchr(benchmark::State& state)
{
    const auto& bytes = input(state);
    for (auto _ : state) {
        const unsigned char* p = bytes.data();
        const unsigned char* const end = p + bytes.size();
        std::size_t hits = 0;
        while (const void* hit = std::memchr(p, 0xFC, std::size_t(end - p))) {
            ++hits;
            p = static_cast<const unsigned char*>(hit) + 1;
        }
        benchmark::DoNotOptimize(hits);
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(bytes.size()));
}

void BM_BareMemmem(benchmark::State& state)
{
    const auto& bytes = input(state);
    for (auto _ : state) {
        const unsigned char* p = bytes.data();
        const unsigned char* const end = p + bytes.size();
        std::size_t hits = 0;
        while (const void* hit = memmem(p, std::size_t(end - p), stx, sizeof stx)) {
            ++hits;
            p = static_cast<const unsigned char*>(hit) + 1;
        }
        benchmark::DoNotOptimize(hits);
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(bytes.size()));
}

} // namespace

BENCHMARK(BM_SplitPackets)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReassembleFromReads)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReplyParser)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareMemchr)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareMemmem)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
