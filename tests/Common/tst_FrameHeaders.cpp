#include "Common/CFrame.h"
#include "Common/CUFrame.h"
#include "Common/MakeDecodeFrame.h"
#include "WireBuilder.h"

#include <QtTest>
#include <vector>

using NewHeader = WireBuilder::NewHeader;
using OldHeader = WireBuilder::OldHeader;

namespace {

QByteArray newFrame(quint8 type, quint8 channel, quint32 size, int payload)
{
    NewHeader h;
    h.type = type;
    h.channel = channel;
    h.size = size;
    return WireBuilder::newFrame(h, payload);
}

// An old-dialect sound frame: the payload at the end, its raw size equal to
// its data size, changed as the row needs.
QByteArray oldFrame(
    quint32 payload, int delivered, void (*change)(OldHeader&) = [](OldHeader&) {})
{
    OldHeader h;
    h.totalLength = h.dataSize = h.sizeAndType = payload;
    change(h);
    return WireBuilder::oldFrame(h, delivered);
}

template <class Reader> Reader read(const QByteArray& bytes)
{
    // Exact-size copy: the sanitizer build catches any read past the frame.
    const std::vector<unsigned char> copy(bytes.begin(), bytes.end());
    Reader reader;
    reader.SetData(copy.data(), int(copy.size()));
    return reader;
}

CUFrame oldWithByte(int at, quint8 value)
{
    QByteArray bytes = oldFrame(0, 0);
    bytes[at] = char(value);
    return read<CUFrame>(bytes);
}

} // namespace

class tst_FrameHeaders : public QObject {
    Q_OBJECT

private slots:
    void validity_data();
    void validity();
    void newHeaderFields();
    void oldHeaderFields();
    void oldResolutions_data();
    void oldResolutions();
    void oldPlaybackCodes();
    void decodePrefix_data();
    void decodePrefix();
};

void tst_FrameHeaders::validity_data()
{
    QTest::addColumn<bool>("old");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<bool>("headerValid");
    QTest::addColumn<int>("offset"); // of a new-dialect payload; old rows leave it unread

    QTest::newRow("I frame") << false << newFrame(0, 3, 100, 100) << true << true << 36;
    QTest::newRow("long header") << false << newFrame(3, 15, 10, 20) << true << true << 40;
    QTest::newRow("channel 16") << false << newFrame(0, 16, 0, 0) << false << false << 36;
    QTest::newRow("payload cut short") << false << newFrame(0, 2, 101, 100) << false << true << 36;
    QTest::newRow("size near 4 GiB") << false << newFrame(0, 2, 0xFFFFFFFF, 8) << false << true << 36;
    QTest::newRow("long header cut") << false << newFrame(3, 1, 0, 0).left(38) << false << false << 40;
    // The held header stays zero, which alone would read as a channel-0 I frame.
    QTest::newRow("35 bytes") << false << newFrame(0, 0, 0, 0).left(35) << false << false << 36;

    QTest::newRow("old sound") << true << oldFrame(100, 120, [](OldHeader& h) {
        h.totalLength = 120;
        h.channel = 15;
    }) << true << true << 0;
    QTest::newRow("old channel 16") << true << oldFrame(0, 0, [](OldHeader& h) { h.channel = 16; }) << false << false
                                    << 0;
    QTest::newRow("old wrong magic") << true << oldFrame(0, 0, [](OldHeader& h) { h.magic = "UN"; }) << false << false
                                     << 0;
    QTest::newRow("old header length 81")
        << true << oldFrame(0, 0, [](OldHeader& h) { h.headerLength = 81; }) << false << false << 0;
    QTest::newRow("old 79 bytes") << true << oldFrame(0, 0).left(79) << false << false << 0;
    QTest::newRow("old frame cut short") << true << oldFrame(100, 99) << false << true << 0;
    QTest::newRow("old total near 4 GiB")
        << true << oldFrame(100, 100, [](OldHeader& h) { h.totalLength = 0xFFFFFFF0; }) << false << true << 0;
    QTest::newRow("old data size beyond total")
        << true << oldFrame(100, 100, [](OldHeader& h) { h.dataSize = 101; }) << false << true << 0;
    QTest::newRow("old raw size beyond data")
        << true << oldFrame(100, 100, [](OldHeader& h) { h.sizeAndType = 101; }) << false << true << 0;
}

void tst_FrameHeaders::validity()
{
    QFETCH(bool, old);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, valid);
    QFETCH(bool, headerValid);
    QFETCH(int, offset);

    if (old) {
        const CUFrame frame = read<CUFrame>(bytes);
        QCOMPARE(frame.IsValid(), valid);
        QCOMPARE(frame.IsHeaderValid(), headerValid);
    } else {
        const CFrame frame = read<CFrame>(bytes);
        QCOMPARE(frame.IsValid(), valid);
        QCOMPARE(frame.IsHeaderValid(), headerValid);
        QCOMPARE(frame.GetDataOffset(), offset);
    }
}

void tst_FrameHeaders::newHeaderFields()
{
    NewHeader h;
    h.type = 0xFD; // only bits 0-1 count
    h.channel = 9;
    h.recReason = 0xFE;
    h.size = 0x01020304;
    h.width = 1920;
    h.height = 1080;
    h.sec = 1234567;
    h.usec = 890123;
    QByteArray bytes = WireBuilder::newFrame(h, 0);
    CFrame reader = read<CFrame>(bytes);
    QCOMPARE(reader.GetType(), 1);
    QCOMPARE(reader.GetChannel(), 9);
    QCOMPARE(reader.GetRecReason(), 2);
    QCOMPARE(reader.GetRawDataSize(), 0x01020304u);
    int width = 0;
    int height = 0;
    reader.GetResolution(width, height);
    QCOMPARE(QSize(width, height), QSize(1920, 1080));
    QCOMPARE(reader.GetTime().usec, 890123);
    QCOMPARE(reader.GetPTS(), 567890);

    // Times past 2038 stay positive.
    bytes[15] = '\xFF';
    QCOMPARE(read<CFrame>(bytes).GetTime().sec, qint64(0xFF12D687));

    // A later short delivery keeps the header but no longer passes.
    reader.SetData(reinterpret_cast<const unsigned char*>(bytes.constData()), 20);
    QCOMPARE(reader.GetChannel(), 9);
    QVERIFY(!reader.IsHeaderValid());
}

void tst_FrameHeaders::oldHeaderFields()
{
    OldHeader h;
    h.totalLength = 100;
    h.dataSize = 64;
    h.sizeAndType = 0xFFC00030; // type code 3, raw size 0x30; bits 20-21 and 24-31 ignored
    h.channel = 11;
    h.videoLoss = 0x8001;
    h.model = 22;
    h.sec = 1234567;
    h.usec = 890123;
    const CUFrame frame = read<CUFrame>(WireBuilder::oldFrame(h, 100));
    QVERIFY(frame.IsValid());
    QCOMPARE(frame.GetChannel(), 11);
    QCOMPARE(frame.GetSize(), 64u);
    QCOMPARE(frame.GetDataOffset(), 80u + 100u - 64u);
    QCOMPARE(frame.GetRawDataSize(), 0x30u);
    QCOMPARE(frame.GetType(), 3);
    QCOMPARE(oldWithByte(18, 0x80).GetType(), 0); // type code 2
    QCOMPARE(frame.GetVideoLoss(), quint16(0x8001));
    QCOMPARE(frame.GetTime().sec, 1234567);
    QCOMPARE(frame.GetPTS(), 567890);

    QTest::ignoreMessage(QtDebugMsg, "[IsValidModel] Unknown Model[22]");
    QVERIFY(!frame.IsValidModel());
    QVERIFY(CUFrame::IsValidModel(12) && CUFrame::IsValidModel(21));
}

void tst_FrameHeaders::oldResolutions_data()
{
    QTest::addColumn<int>("info");
    QTest::addColumn<QSize>("size");

    QTest::newRow("0x00") << 0x00 << QSize(704, 240);
    QTest::newRow("0x02") << 0x02 << QSize(352, 240);
    QTest::newRow("0x04") << 0x04 << QSize(704, 480);
    QTest::newRow("0x06") << 0x06 << QSize(704, 576);
    QTest::newRow("0x40") << 0x40 << QSize(704, 288);
    QTest::newRow("0x42") << 0x42 << QSize(352, 288);
    QTest::newRow("0x44") << 0x44 << QSize(704, 576);
    QTest::newRow("flag bits ignored") << 0xB9 << QSize(704, 240);
}

void tst_FrameHeaders::oldResolutions()
{
    QFETCH(int, info);
    QFETCH(QSize, size);
    const CUFrame frame = oldWithByte(12, quint8(info));
    int width = 0;
    int height = 0;
    frame.GetResolution(width, height);
    QCOMPARE(QSize(width, height), size);
    QCOMPARE(frame.GetInfo(), info | 1);
}

void tst_FrameHeaders::oldPlaybackCodes()
{
    const int modes[32] = {32, 0, 1, 2, 3, 4, 5, 6, 7, 8, 32, 32, 32, 51, 34, 33, 32, 16, 17, 18, 19, 20, 21, 22, 23,
        24, 32, 32, 32, 52, 32, 32};
    for (int code = 0; code < 32; ++code) {
        // The record reason below the code must not disturb it.
        const CUFrame frame = oldWithByte(13, quint8(code << 3 | 0x06));
        QCOMPARE(frame.GetPbMode(), modes[code]);
        QCOMPARE(frame.GetRecReason(), 2);
    }
}

void tst_FrameHeaders::decodePrefix_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray sps("\x00\x00\x00\x01\x67\x42\x00\x1e\x9a\x74", 10);
    const QByteArray pps("\x00\x00\x00\x01\x68\xce\x32\x28", 8);
    QTest::newRow("704x480") << QSize(704, 480) << sps + QByteArray::fromHex("0581ec80") + pps;
    QTest::newRow("704x240") << QSize(704, 240) << sps + QByteArray::fromHex("0583f2") + pps;
    QTest::newRow("352x240") << QSize(352, 240) << sps + QByteArray::fromHex("0b0fc8") + pps;
    QTest::newRow("704x576") << QSize(704, 576) << sps + QByteArray::fromHex("05809320") + pps;
    QTest::newRow("704x288") << QSize(704, 288) << sps + QByteArray::fromHex("05812c80") + pps;
    QTest::newRow("352x288") << QSize(352, 288) << sps + QByteArray::fromHex("0b04b2") + pps;
    QTest::newRow("640x480 has none") << QSize(640, 480) << QByteArray();
}

void tst_FrameHeaders::decodePrefix()
{
    QFETCH(QSize, size);
    QFETCH(QByteArray, expected);

    for (const QByteArray& data : {QByteArray("\x00\x00\x00\x01\x65slice", 10), QByteArray()}) {
        // Exactly the room the caller must give.
        std::vector<unsigned char> out(std::size_t(data.size()) + MAX_DECODE_PREFIX);
        const unsigned long written = MakeDecodeFrame(reinterpret_cast<const unsigned char*>(data.constData()),
            data.size(), size.width(), size.height(), out.data());
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(out.data()), qsizetype(written)), expected + data);
    }
}

QTEST_APPLESS_MAIN(tst_FrameHeaders)
#include "tst_FrameHeaders.moc"
