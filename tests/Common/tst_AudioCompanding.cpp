#include "Common/G711.h"
#include "Common/ImaAdpcm.h"

#include <QtTest>
#include <cmath>
#include <vector>

class tst_AudioCompanding : public QObject {
    Q_OBJECT

private slots:
    void knownSamples_data();
    void knownSamples();
    void everyCodeSurvivesARoundTrip_data();
    void everyCodeSurvivesARoundTrip();
    void compressionStaysNearTheSample_data();
    void compressionStaysNearTheSample();
    void imaBlockRoundTrip_data();
    void imaBlockRoundTrip();
    void imaRefusesShortBuffers();
};

void tst_AudioCompanding::knownSamples_data()
{
    QTest::addColumn<bool>("alaw");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("sample");
    QTest::newRow("A-law +8") << true << 0xD5 << 8;
    QTest::newRow("A-law -32256") << true << 0x2A << -32256;
    QTest::newRow("mu-law zero") << false << 0xFF << 0;
    QTest::newRow("mu-law largest") << false << 0x80 << 32124;
    QTest::newRow("mu-law smallest") << false << 0x00 << -32124;
}

void tst_AudioCompanding::knownSamples()
{
    QFETCH(bool, alaw);
    QFETCH(int, code);
    QFETCH(int, sample);
    const auto byte = static_cast<unsigned char>(code);
    QCOMPARE(alaw ? alaw2linear(byte) : ulaw2linear(byte), sample);
}

void tst_AudioCompanding::everyCodeSurvivesARoundTrip_data()
{
    QTest::addColumn<bool>("alaw");
    QTest::newRow("A-law") << true;
    QTest::newRow("mu-law") << false;
}

void tst_AudioCompanding::everyCodeSurvivesARoundTrip()
{
    QFETCH(bool, alaw);
    for (int code = 0; code < 256; ++code) {
        const auto byte = static_cast<unsigned char>(code);
        if (!alaw && byte == 0x7F) // negative zero of mu-law comes back as positive zero
            continue;
        const int again = alaw ? linear2alaw(alaw2linear(byte)) : linear2ulaw(ulaw2linear(byte));
        QCOMPARE(again, code);
    }
}

void tst_AudioCompanding::compressionStaysNearTheSample_data()
{
    QTest::addColumn<bool>("alaw");
    QTest::newRow("A-law") << true;
    QTest::newRow("mu-law") << false;
}

void tst_AudioCompanding::compressionStaysNearTheSample()
{
    QFETCH(bool, alaw);
    for (int sample = -32768; sample <= 32767; sample += 7) {
        const int back = alaw ? alaw2linear(linear2alaw(sample)) : ulaw2linear(linear2ulaw(sample));
        // Logarithmic steps: the error grows with the magnitude, to about 1/16.
        const int allowed = std::max(40, std::abs(sample) / 14);
        QVERIFY2(std::abs(back - sample) <= allowed, qPrintable(QStringLiteral("%1 -> %2").arg(sample).arg(back)));
    }
}

void tst_AudioCompanding::imaBlockRoundTrip_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("bytes");
    QTest::newRow("odd count") << 1001 << 504;
    QTest::newRow("even count") << 1000 << 504;
    QTest::newRow("one sample") << 1 << 4;
}

void tst_AudioCompanding::imaBlockRoundTrip()
{
    QFETCH(int, count);
    QFETCH(int, bytes);
    std::vector<short> input(count);
    for (int i = 0; i < count; ++i)
        input[i] = static_cast<short>(std::lround(9000 * std::sin(2 * M_PI * 440 * i / 8000.0) + 1234));

    QCOMPARE(adpcm_encoder(input.data(), count, nullptr, 0), bytes);
    std::vector<unsigned char> block(bytes);
    QCOMPARE(adpcm_encoder(input.data(), count, block.data(), bytes), bytes);
    QCOMPARE(int(static_cast<short>(block[0] | (block[1] << 8))), int(input[0]));

    const int decodedCount = adpcm_decoder(block.data(), bytes, nullptr, 0);
    QVERIFY(decodedCount >= count && decodedCount <= count + 1);
    std::vector<short> output(decodedCount);
    QCOMPARE(adpcm_decoder(block.data(), bytes, output.data(), decodedCount), decodedCount);
    double noise = 0;
    double signal = 0;
    for (int i = std::min(count, 50); i < count; ++i) {
        signal += double(input[i] - 1234) * (input[i] - 1234);
        noise += double(input[i] - output[i]) * (input[i] - output[i]);
    }
    if (count > 50)
        QVERIFY(10 * std::log10(signal / std::max(noise, 1.0)) > 20);
}

void tst_AudioCompanding::imaRefusesShortBuffers()
{
    const short input[5] = {1, 2, 3, 4, 5};
    unsigned char block[6];
    QCOMPARE(adpcm_encoder(input, 5, block, 5), -1);
    QCOMPARE(adpcm_decoder(block, 3, nullptr, 0), -1);
    QCOMPARE(adpcm_encoder(input, 5, block, 6), 6);
    short output[5];
    QCOMPARE(adpcm_decoder(block, 6, output, 4), -1);
    QCOMPARE(adpcm_decoder(block, 6, output, 5), 5);
}

QTEST_APPLESS_MAIN(tst_AudioCompanding)
#include "tst_AudioCompanding.moc"
