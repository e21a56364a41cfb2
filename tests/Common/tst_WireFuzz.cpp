#include "ByteMutator.h"
#include "Common/CFrame.h"
#include "Common/CUFrame.h"
#include "WireBuilder.h"
#include "dvr_protocol/CPacketStream.h"

#include <QtTest>
#include <algorithm>
#include <memory>

namespace {

const int rounds = 10000;
const unsigned char etx[4] = {0xFB, 0xFB, 0xFB, 0xFD};
int validFrames = 0;

// Reads every field and, for a valid frame, every payload byte the header
// promises: with the sanitizer build any read outside the frame is caught.
template <typename Reader> quint64 readFrame(const unsigned char* data, int len)
{
    Reader frame;
    frame.SetData(data, len);
    int width = 0;
    int height = 0;
    frame.GetResolution(width, height);
    quint64 sum = quint64(frame.GetType()) + quint64(frame.GetChannel()) + quint64(frame.GetPTS())
        + quint64(frame.GetRecReason()) + quint64(width + height) + quint64(frame.GetTime().usec);
    if (frame.IsValid()) {
        const quint64 offset = frame.GetDataOffset();
        const quint64 size = std::max<quint64>(frame.GetSize(), frame.GetRawDataSize());
        if (offset + size > quint64(len) || !frame.IsHeaderValid())
            qFatal("a valid frame reaches past its bytes");
        ++validFrames;
        for (quint64 i = 0; i < size; ++i)
            sum += data[offset + i];
    }
    return sum;
}

// Both readers over an exact-size copy of the bytes.
quint64 readBoth(const unsigned char* data, std::size_t len)
{
    std::unique_ptr<unsigned char[]> copy(new unsigned char[len]);
    std::copy(data, data + len, copy.get());
    return readFrame<CFrame>(copy.get(), int(len)) + readFrame<CUFrame>(copy.get(), int(len));
}

QList<QByteArray> samples()
{
    WireBuilder::NewHeader video;
    video.channel = 3;
    video.size = 200;
    WireBuilder::NewHeader longHeader = video;
    longHeader.type = 3;
    WireBuilder::OldHeader old;
    old.totalLength = 150;
    old.dataSize = 150;
    old.sizeAndType = 150 | 0x400000;
    old.channel = 5;
    old.info = 0x44;

    const QByteArray newFrames = WireBuilder::packet(4, 2, WireBuilder::newFrame(video, 200))
        + WireBuilder::packet(4, 3, WireBuilder::newFrame(longHeader, 200)) + WireBuilder::packet(4, 5, "status");
    const QByteArray oldFrames = WireBuilder::packet(4, 10, WireBuilder::oldFrame(old, 150), true)
        + WireBuilder::packet(4, 2, WireBuilder::oldFrame(old, 150), true);
    return {newFrames, oldFrames, "junk" + newFrames + oldFrames, WireBuilder::packet(1, 0, "\x00")};
}

} // namespace

class tst_WireFuzz : public QObject {
    Q_OBJECT

private slots:
    void hostileBytes();
};

void tst_WireFuzz::hostileBytes()
{
    ByteMutator mutator(samples());
    QRandomGenerator chunking(7);
    quint64 sink = 0;
    int packets = 0;

    for (int round = 0; round < rounds; ++round) {
        const QByteArray input = mutator.next();
        const auto* bytes = reinterpret_cast<const unsigned char*>(input.constData());
        const std::size_t size = std::size_t(input.size());

        // The header readers straight over the bytes.
        sink += readBoth(bytes, size);

        // Reassembly in random reads through a small buffer, so that
        // oversized and split packets are common.
        const bool swap = round % 2 == 1;
        cgi::CPacketStream stream(swap, 256 + chunking.bounded(512));
        std::size_t at = 0;
        int idle = 0;
        while (at < size || idle == 0) {
            const std::size_t want = std::min<std::size_t>(size - at, 1 + chunking.bounded(300));
            const std::size_t taken = stream.append(bytes + at, want);
            at += taken;
            int found = 0;
            cgi::CPacketStream::Packet packet;
            while (stream.nextPacket(packet)) {
                ++found;
                ++packets;
                const unsigned char* begin = stream.data();
                QVERIFY(packet.data >= begin + 10 && packet.data + packet.size + 4 <= begin + stream.size());
                QVERIFY(std::equal(etx, etx + 4, packet.data + packet.size));
                QVERIFY(packet.size <= stream.capacity() - 14);
                sink += readBoth(packet.data, packet.size);
            }
            QVERIFY2(taken > 0 || found > 0 || at == size, "the buffer jammed");
            idle = at == size ? idle + 1 : 0;
        }
        QVERIFY(stream.size() < stream.capacity());
    }
    // Enough sound packets and frames got through to reach the deep paths;
    // half the rounds read the stream in the other dialect's byte order.
    QVERIFY(packets > rounds / 4);
    QVERIFY(validFrames > rounds / 10);
    QVERIFY(sink != 0);
}

QTEST_APPLESS_MAIN(tst_WireFuzz)
#include "tst_WireFuzz.moc"
