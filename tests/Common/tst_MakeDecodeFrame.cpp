#include "Common/CEndian.h"
#include "Common/MakeDecodeFrame.h"

#include <QtTest>
#include <vector>

class tst_MakeDecodeFrame : public QObject {
    Q_OBJECT

private slots:
    void prefix_data();
    void prefix();
    void byteSwaps();
};

void tst_MakeDecodeFrame::prefix_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("704x480") << 704 << 480 << QByteArray::fromHex("00000001674200 1e9a7405 81ec80 00000001 68ce3228");
    QTest::newRow("704x240") << 704 << 240 << QByteArray::fromHex("00000001674200 1e9a7405 83f200 000001 68ce3228");
    QTest::newRow("352x240") << 352 << 240 << QByteArray::fromHex("00000001674200 1e9a740b 0fc800 000001 68ce3228");
    QTest::newRow("704x576") << 704 << 576 << QByteArray::fromHex("00000001674200 1e9a7405 809320 00000001 68ce3228");
    QTest::newRow("704x288") << 704 << 288 << QByteArray::fromHex("00000001674200 1e9a7405 812c80 00000001 68ce3228");
    QTest::newRow("352x288") << 352 << 288 << QByteArray::fromHex("00000001674200 1e9a740b 04b200 000001 68ce3228");
    QTest::newRow("640x480 has none") << 640 << 480 << QByteArray();
    QTest::newRow("480x704 has none") << 480 << 704 << QByteArray();
}

void tst_MakeDecodeFrame::prefix()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(QByteArray, expected);

    for (const QByteArray& data : {QByteArray("\x00\x00\x00\x01\x65slice", 10), QByteArray()}) {
        // Exactly the room the caller must give: len + 22.
        std::vector<unsigned char> out(std::size_t(data.size()) + MAX_DECODE_PREFIX);
        const unsigned long written = MakeDecodeFrame(
            reinterpret_cast<const unsigned char*>(data.constData()), data.size(), width, height, out.data());
        QCOMPARE(written, static_cast<unsigned long>(expected.size() + data.size()));
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(out.data()), qsizetype(written)), expected + data);
    }
}

void tst_MakeDecodeFrame::byteSwaps()
{
    QCOMPARE(CEndian::byteswap16(0x1234), quint16(0x3412));
    QCOMPARE(CEndian::byteswap32(0x12345678u), 0x78563412u);
    QCOMPARE(CEndian::byteswap64(0x0102030405060708ull), 0x0807060504030201ull);
    QCOMPARE(CEndian::byteswap32(CEndian::byteswap32(0xFB00FCFDu)), 0xFB00FCFDu);
}

QTEST_APPLESS_MAIN(tst_MakeDecodeFrame)
#include "tst_MakeDecodeFrame.moc"
