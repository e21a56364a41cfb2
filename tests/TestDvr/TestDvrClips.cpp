#include "TestDvrClips.h"

#include "H264TestEncoder.h"

#include <QHash>
#include <mutex>

QList<TestDvrClips::Frame> TestDvrClips::loop(int width, int height, int channel, int frames, int keyInterval)
{
    static std::mutex mutex;
    static QHash<QString, QList<Frame>> loops;

    const QString key
        = QStringLiteral("%1x%2 ch%3 %4/%5").arg(width).arg(height).arg(channel).arg(frames).arg(keyInterval);
    std::lock_guard<std::mutex> lock(mutex);
    const auto found = loops.constFind(key);
    if (found != loops.constEnd())
        return *found;

    QList<Frame> loop;
    H264TestEncoder encoder(width, height, keyInterval, channel);
    for (int i = 0; i < frames && encoder.isOpen(); ++i) {
        const H264TestEncoder::Frame encoded = encoder.encodeNext();
        if (encoded.data.isEmpty())
            return {};
        loop.append({encoded.data, encoded.key});
    }
    loops.insert(key, loop);
    return loop;
}
