#include "TestDvrAudio.h"

#include "Common/G711.h"

#include <cmath>
#include <vector>

namespace {

short toneSample(int channel, qint64 index)
{
    const double hertz = 400.0 + 40.0 * channel;
    return static_cast<short>(8000.0 * std::sin(2.0 * M_PI * hertz * double(index) / 8000.0));
}

} // namespace

QByteArray TestDvrAudio::alaw(int channel, qint64 at)
{
    QByteArray bytes(ALAW_SAMPLES, Qt::Uninitialized);
    for (int i = 0; i < ALAW_SAMPLES; ++i)
        bytes[i] = static_cast<char>(linear2alaw(toneSample(channel, at + i)));
    return bytes;
}

QByteArray TestDvrAudio::g723(CG723Coder& coder, int channel, qint64 at)
{
    std::vector<short> samples(G723_SAMPLES);
    for (int i = 0; i < G723_SAMPLES; ++i)
        samples[std::size_t(i)] = toneSample(channel, at + i);
    QByteArray bytes(G723_SAMPLES * 3 / 8, Qt::Uninitialized);
    const int written = coder.Encode(
        samples.data(), G723_SAMPLES, reinterpret_cast<unsigned char*>(bytes.data()), static_cast<int>(bytes.size()));
    bytes.resize(written < 0 ? 0 : written);
    return bytes;
}
