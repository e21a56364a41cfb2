#include "Common/MakeDecodeFrame.h"

#include <QtTest>
#include <vector>

class tst_MakeDecodeFrame : public QObject {
    Q_OBJECT

private slots:
    void prefix_data();
    void prefix();
};

void tst_MakeDecodeFrame::prefix_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray sps("\x00\x00\x00\x01\x67\x42\x00\x1e\x9a\x74", 10);
    const QByteArray pps("\x00\x00\x00\x01\x68\xce\x32\x28", 8);
    QTest::newRow("704x480") << 704 << 480 << sps + QByteArray::fromHex("0581ec80") + pps;
    QTest::newRow("704x240") << 704 << 240 << sps + QByteArray::fromHex("0583f2") + pps;
    QTest::newRow("352x240") << 352 << 240 << sps + QByteArray::fromHex("0b0fc8") + pps;
    QTest::newRow("704x576") << 704 << 576 << sps + QByteArray::fromHex("05809320") + pps;
    QTest::newRow("704x288") << 704 << 288 << sps + QByteArray::fromHex("05812c80") + pps;
    QTest::newRow("352x288") << 352 << 288 << sps + QByteArray::fromHex("0b04b2") + pps;
    QTest::newRow("640x480 has none") << 640 << 480 << QByteArray();
}

void tst_MakeDecodeFrame::prefix()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(QByteArray, expected);

    for (const QByteArray& data : {QByteArray("\x00\x00\x00\x01\x65slice", 10), QByteArray()}) {
        // Exactly the room the caller must give.
        std::vector<unsigned char> out(std::size_t(data.size()) + MAX_DECODE_PREFIX);
        const unsigned long written = MakeDecodeFrame(
            reinterpret_cast<const unsigned char*>(data.constData()), data.size(), width, height, out.data());
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(out.data()), qsizetype(written)), expected + data);
    }
}

QTEST_APPLESS_MAIN(tst_MakeDecodeFrame)
#include "tst_MakeDecodeFrame.moc"
