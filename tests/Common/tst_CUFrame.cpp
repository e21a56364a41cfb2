#include "Common/CUFrame.h"
#include "WireBuilder.h"

#include <QtTest>
#include <vector>

using Header = WireBuilder::OldHeader;

namespace {

// A sound frame: the payload at the end, its raw size equal to its data size.
Header header(quint32 payload, quint8 channel = 0)
{
    Header h;
    h.totalLength = h.dataSize = h.sizeAndType = payload;
    h.channel = channel;
    return h;
}

CUFrame read(const QByteArray& bytes)
{
    // Exact-size copy: the sanitizer build catches any read past the frame.
    const std::vector<unsigned char> frame(bytes.begin(), bytes.end());
    CUFrame reader;
    reader.SetData(frame.data(), int(frame.size()));
    return reader;
}

CUFrame withByte(int at, quint8 value)
{
    QByteArray bytes = WireBuilder::oldFrame(header(0), 0);
    bytes[at] = char(value);
    return read(bytes);
}

} // namespace

class tst_CUFrame : public QObject {
    Q_OBJECT

private slots:
    void validity_data();
    void validity();
    void resolution_data();
    void resolution();
    void playbackCodes();
    void fields();
};

void tst_CUFrame::validity_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<bool>("headerValid");

    const auto frame = [](Header h, int payload, void (*change)(Header&)) {
        change(h);
        return WireBuilder::oldFrame(h, payload);
    };
    const auto same = [](Header&) {};
    QTest::newRow("sound") << frame(header(100, 15), 100, same) << true << true;
    QTest::newRow("other bytes before the payload")
        << frame(header(100), 120, [](Header& h) { h.totalLength = 120; }) << true << true;
    QTest::newRow("channel 16") << frame(header(0, 16), 0, same) << false << false;
    QTest::newRow("wrong magic") << frame(header(0), 0, [](Header& h) { h.magic = "UN"; }) << false << false;
    QTest::newRow("header length 79") << frame(header(0), 0, [](Header& h) { h.headerLength = 79; }) << false << false;
    QTest::newRow("header length 81") << frame(header(0), 0, [](Header& h) { h.headerLength = 81; }) << false << false;
    QTest::newRow("79 bytes") << frame(header(0), 0, same).left(79) << false << false;
    QTest::newRow("frame cut short") << frame(header(100), 99, same) << false << true;
    QTest::newRow("total near 4 GiB") << frame(header(100), 100, [](Header& h) { h.totalLength = 0xFFFFFFF0; }) << false
                                      << true;
    QTest::newRow("data size beyond total")
        << frame(header(100), 100, [](Header& h) { h.dataSize = 101; }) << false << true;
    QTest::newRow("raw size beyond data")
        << frame(header(100), 100, [](Header& h) { h.sizeAndType = 101; }) << false << true;
}

void tst_CUFrame::validity()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, valid);
    QFETCH(bool, headerValid);

    const CUFrame frame = read(bytes);
    QCOMPARE(frame.IsValid(), valid);
    QCOMPARE(frame.IsHeaderValid(), headerValid);
}

void tst_CUFrame::resolution_data()
{
    QTest::addColumn<int>("info");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");

    QTest::newRow("0x00") << 0x00 << 704 << 240;
    QTest::newRow("0x02") << 0x02 << 352 << 240;
    QTest::newRow("0x04") << 0x04 << 704 << 480;
    QTest::newRow("0x06") << 0x06 << 704 << 576;
    QTest::newRow("0x40") << 0x40 << 704 << 288;
    QTest::newRow("0x42") << 0x42 << 352 << 288;
    QTest::newRow("0x44") << 0x44 << 704 << 576;
    QTest::newRow("flag bits ignored") << 0xB9 << 704 << 240;
}

void tst_CUFrame::resolution()
{
    QFETCH(int, info);
    QFETCH(int, width);
    QFETCH(int, height);
    const CUFrame frame = withByte(12, quint8(info));
    int w = 0;
    int h = 0;
    frame.GetResolution(w, h);
    QCOMPARE(QSize(w, h), QSize(width, height));
    QCOMPARE(frame.GetInfo(), info | 1);
}

void tst_CUFrame::playbackCodes()
{
    const int modes[32] = {32, 0, 1, 2, 3, 4, 5, 6, 7, 8, 32, 32, 32, 51, 34, 33, 32, 16, 17, 18, 19, 20, 21, 22, 23,
        24, 32, 32, 32, 52, 32, 32};
    for (int code = 0; code < 32; ++code) {
        // The record reason below the code must not disturb it.
        const CUFrame frame = withByte(13, quint8(code << 3 | 0x06));
        QCOMPARE(frame.GetPbMode(), modes[code]);
        QCOMPARE(frame.GetRecReason(), 2);
    }
}

void tst_CUFrame::fields()
{
    Header h = header(64, 11);
    h.totalLength = 100;
    h.sizeAndType = 0xFFC00030; // type code 3, raw size 0x30; bits 20-21 and 24-31 ignored
    h.videoLoss = 0x8001;
    h.model = 22;
    h.sec = 1234567;
    h.usec = 890123;
    const CUFrame frame = read(WireBuilder::oldFrame(h, 100));
    QVERIFY(frame.IsValid());
    QCOMPARE(frame.GetChannel(), 11);
    QCOMPARE(frame.GetSize(), 64u);
    QCOMPARE(frame.GetDataOffset(), 80u + 100u - 64u);
    QCOMPARE(frame.GetRawDataSize(), 0x30u);
    QCOMPARE(frame.GetType(), 3);
    QCOMPARE(withByte(18, 0x80).GetType(), 0); // type code 2
    QCOMPARE(frame.GetVideoLoss(), quint16(0x8001));
    QCOMPARE(frame.GetTime().sec, 1234567);
    QCOMPARE(frame.GetPTS(), 567890);

    QTest::ignoreMessage(QtDebugMsg, "[IsValidModel] Unknown Model[22]");
    QVERIFY(!frame.IsValidModel());
    QVERIFY(CUFrame::IsValidModel(12) && CUFrame::IsValidModel(21));
}

QTEST_APPLESS_MAIN(tst_CUFrame)
#include "tst_CUFrame.moc"
