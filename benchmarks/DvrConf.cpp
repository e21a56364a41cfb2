// Parsing and serializing a whole DVR configuration, as the setup window does
// on every read, file load, send and save. The bare protobuf parse of the same
// bytes runs beside it, so the cost of dropping unknown fields shows.
#include "sys_conf/proto/dvr_conf.pb.h"
#include "sys_conf/types/CConfParser.h"
#include "tests/sys_conf/CompleteDvrConf.h"

#include <QByteArray>
#include <benchmark/benchmark.h>

namespace {

QByteArray completeBytes()
{
    const config::DvrConf conf = CompleteDvrConf::build();
    QByteArray bytes(static_cast<qsizetype>(conf.ByteSizeLong()), Qt::Uninitialized);
    conf.SerializeToArray(bytes.data(), static_cast<int>(bytes.size()));
    return bytes;
}

void serialize(const config::DvrConf& conf, QByteArray& buffer)
{
    buffer.resize(static_cast<qsizetype>(conf.ByteSizeLong()));
    conf.SerializeToArray(buffer.data(), static_cast<int>(buffer.size()));
}

void BM_ParseAndSerialize(benchmark::State& state)
{
    const QByteArray bytes = completeBytes();
    QByteArray buffer;
    for (auto _ : state) {
        config::DvrConf conf;
        if (!CConfParser::parse(bytes, conf))
            state.SkipWithError("parse failed");
        serialize(conf, buffer);
        benchmark::DoNotOptimize(buffer.data());
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_ParseAndSerialize)->Unit(benchmark::kMicrosecond);

void BM_Parse(benchmark::State& state)
{
    const QByteArray bytes = completeBytes();
    for (auto _ : state) {
        config::DvrConf conf;
        if (!CConfParser::parse(bytes, conf))
            state.SkipWithError("parse failed");
        benchmark::DoNotOptimize(conf);
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_Parse)->Unit(benchmark::kMicrosecond);

void BM_BareProtobufParse(benchmark::State& state)
{
    const QByteArray bytes = completeBytes();
    for (auto _ : state) {
        config::DvrConf conf;
        if (!conf.ParseFromArray(bytes.constData(), static_cast<int>(bytes.size())))
            state.SkipWithError("parse failed");
        benchmark::DoNotOptimize(conf);
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_BareProtobufParse)->Unit(benchmark::kMicrosecond);

void BM_Serialize(benchmark::State& state)
{
    const config::DvrConf conf = CompleteDvrConf::build();
    QByteArray buffer;
    for (auto _ : state) {
        serialize(conf, buffer);
        benchmark::DoNotOptimize(buffer.data());
    }
    state.SetBytesProcessed(state.iterations() * buffer.size());
}
BENCHMARK(BM_Serialize)->Unit(benchmark::kMicrosecond);

} // namespace
