#include "Common/CFrame.h"
#include "WireBuilder.h"

#include <QtTest>
#include <vector>

using Header = WireBuilder::NewHeader;

namespace {

Header header(quint8 type, quint8 channel, quint32 size)
{
    Header h;
    h.type = type;
    h.channel = channel;
    h.size = size;
    return h;
}

CFrame read(const QByteArray& bytes)
{
    // Exact-size copy: the sanitizer build catches any read past the frame.
    const std::vector<unsigned char> frame(bytes.begin(), bytes.end());
    CFrame reader;
    reader.SetData(frame.data(), int(frame.size()));
    return reader;
}

} // namespace

class tst_CFrame : public QObject {
    Q_OBJECT

private slots:
    void validity_data();
    void validity();
    void fields();
    void pts_data();
    void pts();
    void shortDataKeepsHeaderButInvalidates();
};

void tst_CFrame::validity_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<bool>("headerValid");
    QTest::addColumn<int>("offset");

    QTest::newRow("I frame") << WireBuilder::newFrame(header(0, 3, 100), 100) << true << true << 36;
    QTest::newRow("other frame") << WireBuilder::newFrame(header(1, 0, 10), 10) << true << true << 36;
    QTest::newRow("long header") << WireBuilder::newFrame(header(3, 1, 10), 10) << true << true << 40;
    QTest::newRow("spare bytes behind") << WireBuilder::newFrame(header(0, 0, 10), 20) << true << true << 36;
    QTest::newRow("channel 15") << WireBuilder::newFrame(header(0, 15, 0), 0) << true << true << 36;
    QTest::newRow("channel 16") << WireBuilder::newFrame(header(0, 16, 0), 0) << false << false << 36;
    QTest::newRow("channel 17") << WireBuilder::newFrame(header(0, 17, 0), 0) << false << false << 36;
    QTest::newRow("payload cut short") << WireBuilder::newFrame(header(0, 2, 101), 100) << false << true << 36;
    QTest::newRow("header only") << WireBuilder::newFrame(header(1, 2, 5000), 0) << false << true << 36;
    QTest::newRow("size near 4 GiB") << WireBuilder::newFrame(header(0, 2, 0xFFFFFFFF), 8) << false << true << 36;
    QTest::newRow("long header cut") << WireBuilder::newFrame(header(3, 1, 0), 0).left(38) << false << false << 40;
    QTest::newRow("35 bytes") << WireBuilder::newFrame(header(0, 0, 0), 0).left(35) << false << false << 36;
    QTest::newRow("nothing") << QByteArray() << false << false << 36;
}

void tst_CFrame::validity()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, valid);
    QFETCH(bool, headerValid);
    QFETCH(int, offset);

    const CFrame frame = read(bytes);
    QCOMPARE(frame.IsValid(), valid);
    QCOMPARE(frame.IsHeaderValid(), headerValid);
    QCOMPARE(frame.GetDataOffset(), offset);
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
    h.sec = 1388534400;
    h.usec = 250000;
    QByteArray bytes = WireBuilder::newFrame(h, 0);
    bytes[3] = '\xFF';

    const CFrame frame = read(bytes);
    QCOMPARE(frame.GetType(), 1);
    QCOMPARE(frame.GetChannel(), 9);
    QCOMPARE(frame.GetRecReason(), 2);
    QCOMPARE(frame.GetSize(), 0x01020304u);
    QCOMPARE(frame.GetRawDataSize(), 0x01020304u);
    int width = 0;
    int height = 0;
    frame.GetResolution(width, height);
    QCOMPARE(width, 1920);
    QCOMPARE(height, 1080);
    QCOMPARE(frame.GetTime().sec, 1388534400);
    QCOMPARE(frame.GetTime().usec, 250000);
}

void tst_CFrame::pts_data()
{
    QTest::addColumn<quint32>("sec");
    QTest::addColumn<quint32>("usec");
    QTest::addColumn<int>("pts");

    QTest::newRow("documented") << 1234567u << 890123u << 567890;
    QTest::newRow("zero") << 0u << 0u << 0;
    QTest::newRow("cycle end") << 999u << 999999u << 999999;
    QTest::newRow("past 2038") << 4294967295u << 0u << 295000;
}

void tst_CFrame::pts()
{
    QFETCH(quint32, sec);
    QFETCH(quint32, usec);
    QFETCH(int, pts);
    Header h;
    h.sec = sec;
    h.usec = usec;
    QCOMPARE(read(WireBuilder::newFrame(h, 0)).GetPTS(), pts);
    QCOMPARE(read(WireBuilder::newFrame(h, 0)).GetTime().sec, qint64(sec));
}

void tst_CFrame::shortDataKeepsHeaderButInvalidates()
{
    const QByteArray bytes = WireBuilder::newFrame(header(0, 4, 10), 10);
    CFrame frame;
    frame.SetData(reinterpret_cast<const unsigned char*>(bytes.constData()), int(bytes.size()));
    QVERIFY(frame.IsValid());
    frame.SetData(reinterpret_cast<const unsigned char*>(bytes.constData()), 20);
    QCOMPARE(frame.GetChannel(), 4);
    QVERIFY(!frame.IsValid());
    QVERIFY(!frame.IsHeaderValid());
}

QTEST_APPLESS_MAIN(tst_CFrame)
#include "tst_CFrame.moc"
