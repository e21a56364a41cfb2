#include "Common/CUFrame.h"
#include "WireBuilder.h"

#include <QtTest>
#include <vector>

using Header = WireBuilder::OldHeader;

namespace {

// A sound frame: payload bytes at the end, raw size equal to the data size.
Header header(quint32 payload, quint8 channel = 0)
{
    Header h;
    h.totalLength = payload;
    h.dataSize = payload;
    h.sizeAndType = payload;
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

CUFrame withBytes(int at, quint8 value)
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
    void playbackCodes_data();
    void playbackCodes();
    void frameTypes_data();
    void frameTypes();
    void fields();
    void models_data();
    void models();
};

void tst_CUFrame::validity_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<bool>("headerValid");

    auto frame = [](const Header& h, int payload) { return WireBuilder::oldFrame(h, payload); };
    Header wrongMagic = header(0);
    wrongMagic.magic = "UN";
    Header length79 = header(0);
    length79.headerLength = 79;
    Header length81 = header(0);
    length81.headerLength = 81;
    Header extraBefore = header(100);
    extraBefore.totalLength = 120; // 20 more bytes sit between header and payload
    Header dataBeyondTotal = header(100);
    dataBeyondTotal.dataSize = 101;
    Header rawBeyondData = header(100);
    rawBeyondData.sizeAndType = 101;
    Header huge = header(100);
    huge.totalLength = 0xFFFFFFF0;

    QTest::newRow("sound") << frame(header(100, 3), 100) << true << true;
    QTest::newRow("empty payload") << frame(header(0), 0) << true << true;
    QTest::newRow("data after other bytes") << frame(extraBefore, 120) << true << true;
    QTest::newRow("channel 15") << frame(header(0, 15), 0) << true << true;
    QTest::newRow("channel 16") << frame(header(0, 16), 0) << false << false;
    QTest::newRow("wrong magic") << frame(wrongMagic, 0) << false << false;
    QTest::newRow("header length 79") << frame(length79, 0) << false << false;
    QTest::newRow("header length 81") << frame(length81, 0) << false << false;
    QTest::newRow("79 bytes") << frame(header(0), 0).left(79) << false << false;
    QTest::newRow("frame cut short") << frame(header(100), 99) << false << true;
    QTest::newRow("header only") << frame(header(5000), 0) << false << true;
    QTest::newRow("total near 4 GiB") << frame(huge, 100) << false << true;
    QTest::newRow("data size beyond total") << frame(dataBeyondTotal, 100) << false << true;
    QTest::newRow("raw size beyond data") << frame(rawBeyondData, 100) << false << true;
}

void tst_CUFrame::validity()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, valid);
    QFETCH(bool, headerValid);

    const CUFrame frame = read(bytes);
    QCOMPARE(frame.IsValid(), valid);
    QCOMPARE(frame.IsHeaderValid(), headerValid);
    if (valid)
        QVERIFY(quint64(frame.GetDataOffset()) + frame.GetSize() <= quint64(bytes.size()));
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
    QTest::newRow("0x46") << 0x46 << 704 << 576;
    QTest::newRow("flag bits ignored") << 0xB9 << 704 << 240;
}

void tst_CUFrame::resolution()
{
    QFETCH(int, info);
    QFETCH(int, width);
    QFETCH(int, height);
    const CUFrame frame = withBytes(12, quint8(info));
    int w = 0;
    int h = 0;
    frame.GetResolution(w, h);
    QCOMPARE(w, width);
    QCOMPARE(h, height);
    QCOMPARE(frame.GetInfo(), info | 1);
}

void tst_CUFrame::playbackCodes_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("mode");

    const int modes[32] = {32, 0, 1, 2, 3, 4, 5, 6, 7, 8, 32, 32, 32, 51, 34, 33, 32, 16, 17, 18, 19, 20, 21, 22, 23,
        24, 32, 32, 32, 52, 32, 32};
    for (int code = 0; code < 32; ++code)
        QTest::newRow(qPrintable(QString::number(code))) << code << modes[code];
}

void tst_CUFrame::playbackCodes()
{
    QFETCH(int, code);
    QFETCH(int, mode);
    // The record reason below the code must not disturb it.
    const CUFrame frame = withBytes(13, quint8(code << 3 | 0x07));
    QCOMPARE(frame.GetPbMode(), mode);
    QCOMPARE(frame.GetRecReason(), 3);
}

void tst_CUFrame::frameTypes_data()
{
    QTest::addColumn<quint32>("word");
    QTest::addColumn<int>("type");
    QTest::addColumn<quint32>("raw");

    QTest::newRow("code 0") << 0x000ABCDEu << 0 << 0xABCDEu;
    QTest::newRow("code 1") << 0x004FFFFFu << 1 << 0xFFFFFu;
    QTest::newRow("code 2") << 0x00800010u << 0 << 0x10u;
    QTest::newRow("code 3") << 0x00C00010u << 3 << 0x10u;
    QTest::newRow("bits 20-21 and 24-31 ignored") << 0xFF300010u << 0 << 0x10u;
}

void tst_CUFrame::frameTypes()
{
    QFETCH(quint32, word);
    QFETCH(int, type);
    QFETCH(quint32, raw);
    Header h = header(0);
    h.sizeAndType = word;
    const CUFrame frame = read(WireBuilder::oldFrame(h, 0));
    QCOMPARE(frame.GetType(), type);
    QCOMPARE(frame.GetRawDataSize(), raw);
}

void tst_CUFrame::fields()
{
    Header h = header(64, 11);
    h.totalLength = 100;
    h.videoLoss = 0x8001;
    h.model = 17;
    h.sec = 1234567;
    h.usec = 890123;
    const CUFrame frame = read(WireBuilder::oldFrame(h, 100));
    QVERIFY(frame.IsValid());
    QCOMPARE(frame.GetChannel(), 11);
    QCOMPARE(frame.GetSize(), 64u);
    QCOMPARE(frame.GetDataOffset(), 80u + 100u - 64u);
    QCOMPARE(frame.GetVideoLoss(), quint16(0x8001));
    QCOMPARE(frame.GetModel(), 17);
    QCOMPARE(frame.GetTime().sec, 1234567);
    QCOMPARE(frame.GetTime().usec, 890123);
    QCOMPARE(frame.GetPTS(), 567890);

    CUFrame copy;
    copy = frame;
    QCOMPARE(copy.GetChannel(), 11);
    QVERIFY(copy.IsValid());
}

void tst_CUFrame::models_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<bool>("valid");

    QTest::newRow("11") << 11 << false;
    QTest::newRow("12") << 12 << true;
    QTest::newRow("21") << 21 << true;
    QTest::newRow("22") << 22 << false;
    QTest::newRow("0") << 0 << false;
}

void tst_CUFrame::models()
{
    QFETCH(int, model);
    QFETCH(bool, valid);
    const QByteArray message = QByteArray("[IsValidModel] Unknown Model[") + QByteArray::number(model) + "]";
    if (!valid)
        QTest::ignoreMessage(QtDebugMsg, message.constData());
    QCOMPARE(CUFrame::IsValidModel(model), valid);
    if (!valid)
        QTest::ignoreMessage(QtDebugMsg, message.constData());
    QCOMPARE(withBytes(16, quint8(model)).IsValidModel(), valid);
}

QTEST_APPLESS_MAIN(tst_CUFrame)
#include "tst_CUFrame.moc"
