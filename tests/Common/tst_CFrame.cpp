#include "Common/CFrame.h"
#include "WireBuilder.h"

#include <QtTest>
#include <vector>

using Header = WireBuilder::NewHeader;

namespace {

QByteArray frame(quint8 type, quint8 channel, quint32 size, int payload)
{
    Header h;
    h.type = type;
    h.channel = channel;
    h.size = size;
    return WireBuilder::newFrame(h, payload);
}

CFrame read(const QByteArray& bytes)
{
    // Exact-size copy: the sanitizer build catches any read past the frame.
    const std::vector<unsigned char> copy(bytes.begin(), bytes.end());
    CFrame reader;
    reader.SetData(copy.data(), int(copy.size()));
    return reader;
}

} // namespace

class tst_CFrame : public QObject {
    Q_OBJECT

private slots:
    void validity_data();
    void validity();
    void fields();
};

void tst_CFrame::validity_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<bool>("headerValid");
    QTest::addColumn<int>("offset");

    QTest::newRow("I frame") << frame(0, 3, 100, 100) << true << true << 36;
    QTest::newRow("long header") << frame(3, 1, 10, 10) << true << true << 40;
    QTest::newRow("spare bytes behind") << frame(1, 0, 10, 20) << true << true << 36;
    QTest::newRow("channel 15") << frame(0, 15, 0, 0) << true << true << 36;
    QTest::newRow("channel 16") << frame(0, 16, 0, 0) << false << false << 36;
    QTest::newRow("payload cut short") << frame(0, 2, 101, 100) << false << true << 36;
    QTest::newRow("header only") << frame(1, 2, 5000, 0) << false << true << 36;
    QTest::newRow("size near 4 GiB") << frame(0, 2, 0xFFFFFFFF, 8) << false << true << 36;
    QTest::newRow("long header cut") << frame(3, 1, 0, 0).left(38) << false << false << 40;
    // The held header stays zero, which alone would read as a channel-0 I frame.
    QTest::newRow("35 bytes") << frame(0, 0, 0, 0).left(35) << false << false << 36;
}

void tst_CFrame::validity()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, valid);
    QFETCH(bool, headerValid);
    QFETCH(int, offset);

    const CFrame reader = read(bytes);
    QCOMPARE(reader.IsValid(), valid);
    QCOMPARE(reader.IsHeaderValid(), headerValid);
    QCOMPARE(reader.GetDataOffset(), offset);
}

void tst_CFrame::fields()
{
    Header h;
    h.type = 0xFD; // only bits 0-1 count
    h.channel = 9;
    h.recReason = 0xFE;
    h.size = 0x01020304;
    h.width = 1920;
    h.height = 1080;
    h.sec = 1234567;
    h.usec = 890123;
    QByteArray bytes = WireBuilder::newFrame(h, 0);
    CFrame reader = read(bytes);
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
    QCOMPARE(read(bytes).GetTime().sec, qint64(0xFF12D687));

    // A later short delivery keeps the header but no longer passes.
    reader.SetData(reinterpret_cast<const unsigned char*>(bytes.constData()), 20);
    QCOMPARE(reader.GetChannel(), 9);
    QVERIFY(!reader.IsHeaderValid());
}

QTEST_APPLESS_MAIN(tst_CFrame)
#include "tst_CFrame.moc"
