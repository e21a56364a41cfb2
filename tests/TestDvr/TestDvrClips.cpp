#include "TestDvrClips.h"

#include "H264TestEncoder.h"

#include <QHash>
#include <mutex>
#include <thread>
#include <vector>

namespace {

std::mutex mutex;
QHash<QString, QList<TestDvrClips::Frame>> made;

QString keyOf(int width, int height, int channel, int frames, int keyInterval, int cameraKbps)
{
    return QStringLiteral("%1x%2 ch%3 %4/%5 %6k")
        .arg(width)
        .arg(height)
        .arg(channel)
        .arg(frames)
        .arg(keyInterval)
        .arg(cameraKbps);
}

QList<TestDvrClips::Frame> encode(int width, int height, int channel, int frames, int keyInterval, int cameraKbps)
{
    QList<TestDvrClips::Frame> loop;
    H264TestEncoder encoder(width, height, keyInterval, channel, cameraKbps);
    for (int i = 0; i < frames && encoder.isOpen(); ++i) {
        const H264TestEncoder::Frame encoded = encoder.encodeNext();
        if (encoded.data.isEmpty())
            return {};
        loop.append({encoded.data, encoded.key});
    }
    return loop;
}

} // namespace

QList<TestDvrClips::Frame> TestDvrClips::loop(
    int width, int height, int channel, int frames, int keyInterval, int cameraKbps)
{
    return loops(width, height, {channel}, frames, keyInterval, cameraKbps).value(0);
}

QList<QList<TestDvrClips::Frame>> TestDvrClips::loops(
    int width, int height, const QList<int>& channels, int frames, int keyInterval, int cameraKbps)
{
    std::lock_guard<std::mutex> lock(mutex);
    std::vector<QList<Frame>> result(std::size_t(channels.size()));
    std::vector<std::thread> encoders;
    for (qsizetype i = 0; i < channels.size(); ++i) {
        const auto found = made.constFind(keyOf(width, height, channels[i], frames, keyInterval, cameraKbps));
        if (found != made.constEnd()) {
            result[std::size_t(i)] = *found;
            continue;
        }
        encoders.emplace_back([&result, i, width, height, channel = channels[i], frames, keyInterval, cameraKbps] {
            result[std::size_t(i)] = encode(width, height, channel, frames, keyInterval, cameraKbps);
        });
    }
    for (std::thread& encoder : encoders)
        encoder.join();
    QList<QList<Frame>> loops;
    for (qsizetype i = 0; i < channels.size(); ++i) {
        const QList<Frame>& loop = result[std::size_t(i)];
        if (!loop.isEmpty())
            made.insert(keyOf(width, height, channels[i], frames, keyInterval, cameraKbps), loop);
        loops.append(loop);
    }
    return loops;
}
