#include "WireBuilder.h"
#include "dvr_protocol/CPacketStream.h"

#include <QtTest>
#include <algorithm>
#include <cstring>

using cgi::CPacketStream;

namespace {

// A delivered packet as id, type and payload.
QByteArray packetText(quint8 id, quint8 type, const QByteArray& payload)
{
    return QByteArray(1, char(id)) + char(type) + payload;
}

struct Run {
    QList<QByteArray> packets;
    QByteArray kept;
    bool jammed = false;
};

// Feeds a byte script to the stream the way a streaming thread does: each
// read goes behind the held bytes as far as it fits, then every whole packet
// is taken; a read that does not fit is completed after draining.
Run play(const QList<QByteArray>& script, bool swap, std::size_t capacity)
{
    Run run;
    CPacketStream stream(swap, capacity);
    auto drain = [&] {
        int taken = 0;
        CPacketStream::Packet packet;
        while (stream.nextPacket(packet)) {
            run.packets.append(packetText(packet.header.id, packet.header.type,
                QByteArray(reinterpret_cast<const char*>(packet.data), int(packet.size))));
            ++taken;
        }
        return taken;
    };
    for (const QByteArray& read : script) {
        qsizetype at = 0;
        do {
            const std::size_t count = std::min<std::size_t>(stream.writeSpace(), std::size_t(read.size() - at));
            if (count > 0)
                std::memcpy(stream.writePos(), read.constData() + at, count);
            stream.commit(count);
            at += qsizetype(count);
            if (drain() == 0 && count == 0) {
                run.jammed = true;
                return run;
            }
        } while (at < read.size());
    }
    run.kept = QByteArray(reinterpret_cast<const char*>(stream.data()), qsizetype(stream.size()));
    return run;
}

} // namespace

class tst_CPacketStream : public QObject {
    Q_OBJECT

private slots:
    void script_data();
    void script();
    void appendTakesWhatFits();
};

void tst_CPacketStream::script_data()
{
    QTest::addColumn<QList<QByteArray>>("script");
    QTest::addColumn<bool>("swap");
    QTest::addColumn<int>("capacity");
    QTest::addColumn<QList<QByteArray>>("packets");
    QTest::addColumn<QByteArray>("kept");

    const QByteArray p1 = WireBuilder::packet(7, 2, "video-one");
    const QByteArray p2 = WireBuilder::packet(7, 3, "au");
    const QByteArray d1 = packetText(7, 2, "video-one");
    const QByteArray d2 = packetText(7, 3, "au");
    const QByteArray etxTail("\xFB\xFB\xFD", 3);
    const int big = 0x500000;

    QByteArray shifted = p1;
    shifted.insert(shifted.size() - 4, 'x');
    // Its length points into the packet it hides.
    const QByteArray hiding = QByteArray("\xFB\xFB\xFB\xFC\x01\x02\x03\0\0\0", 10) + p2 + "zz";

    QTest::newRow("one packet") << QList<QByteArray>{p1} << false << big << QList<QByteArray>{d1} << etxTail;
    QTest::newRow("garbage before") << QList<QByteArray>{"\xFB\xFBgarbage" + p1} << false << big
                                    << QList<QByteArray>{d1} << etxTail;
    QTest::newRow("marker split 1+3") << QList<QByteArray>{"ab" + p1.left(1), p1.mid(1)} << false << big
                                      << QList<QByteArray>{d1} << etxTail;
    QTest::newRow("marker split 2+2") << QList<QByteArray>{"abcdef" + p1.left(2), p1.mid(2)} << false << big
                                      << QList<QByteArray>{d1} << etxTail;
    QTest::newRow("over three reads") << QList<QByteArray>{p1.left(12), p1.mid(12, 5), p1.mid(17) + p2} << false << big
                                      << QList<QByteArray>{d1, d2} << etxTail;
    QTest::newRow("incomplete is kept") << QList<QByteArray>{p2 + "zz" + p1.left(12)} << false << big
                                        << QList<QByteArray>{d2} << p1.left(12);
    QTest::newRow("split marker is kept") << QList<QByteArray>{p2 + "\xFB\xFB\xFB"} << false << big
                                          << QList<QByteArray>{d2} << QByteArray("\xFB\xFB\xFB");
    QTest::newRow("long garbage keeps 3")
        << QList<QByteArray>{"abcdef"} << false << big << QList<QByteArray>{} << QByteArray("def");
    QTest::newRow("bad then sound in one read")
        << QList<QByteArray>{shifted + p2} << false << big << QList<QByteArray>{d2} << etxTail;
    QTest::newRow("bad packet hides a sound one")
        << QList<QByteArray>{hiding} << false << big << QList<QByteArray>{d2} << QByteArray("\xFDzz");
    QTest::newRow("big-endian") << QList<QByteArray>{WireBuilder::packet(7, 2, "video-one", true)
        + WireBuilder::packet(7, 3, "au", true)}
                                << true << big << QList<QByteArray>{d1, d2} << etxTail;
    QTest::newRow("packet the size of the buffer")
        << QList<QByteArray>{"xyz" + WireBuilder::packet(1, 2, QByteArray(50, 'v'))} << false << 64
        << QList<QByteArray>{packetText(1, 2, QByteArray(50, 'v'))} << etxTail;
    QTest::newRow("packet larger than the buffer")
        << QList<QByteArray>{WireBuilder::packet(1, 2, QByteArray(51, 'v')) + p2} << false << 64
        << QList<QByteArray>{d2} << etxTail;
    QTest::newRow("many packets through a small buffer")
        << QList<QByteArray>{p1 + p2 + p1 + p2 + p1, p2 + p2} << false << 32
        << QList<QByteArray>{d1, d2, d1, d2, d1, d2, d2} << etxTail;
}

void tst_CPacketStream::script()
{
    QFETCH(QList<QByteArray>, script);
    QFETCH(bool, swap);
    QFETCH(int, capacity);
    QFETCH(QList<QByteArray>, packets);
    QFETCH(QByteArray, kept);

    const Run run = play(script, swap, std::size_t(capacity));
    QVERIFY(!run.jammed);
    QCOMPARE(run.packets, packets);
    QCOMPARE(run.kept, kept);
}

void tst_CPacketStream::appendTakesWhatFits()
{
    CPacketStream stream(false, 20);
    const QByteArray bytes(30, 'a');
    QCOMPARE(stream.append(reinterpret_cast<const unsigned char*>(bytes.constData()), 30), std::size_t(20));
    QCOMPARE(stream.size(), std::size_t(20));
    QCOMPARE(stream.writeSpace(), std::size_t(0));
    CPacketStream::Packet packet;
    QVERIFY(!stream.nextPacket(packet));
    QCOMPARE(stream.size(), std::size_t(3));
    stream.clear();
    QCOMPARE(stream.writeSpace(), stream.capacity());
}

QTEST_APPLESS_MAIN(tst_CPacketStream)
#include "tst_CPacketStream.moc"
