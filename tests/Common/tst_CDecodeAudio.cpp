#include "Common/CDecodeAudio.h"
#include "Common/CG723Coder.h"
#include "Common/G72xCodec.h"

#include <QtTest>
#include <cmath>
#include <vector>

namespace {

std::vector<unsigned char> pseudoRandomBytes(int count, unsigned seed)
{
    std::vector<unsigned char> bytes(count);
    for (auto& byte : bytes) {
        seed = seed * 1103515245u + 12345u;
        byte = static_cast<unsigned char>(seed >> 16);
    }
    return bytes;
}

std::vector<short> sine(int count, double hertz, double amplitude)
{
    std::vector<short> samples(count);
    for (int i = 0; i < count; ++i)
        samples[i] = static_cast<short>(std::lround(amplitude * std::sin(2 * M_PI * hertz * i / 8000.0)));
    return samples;
}

} // namespace

class tst_CDecodeAudio : public QObject {
    Q_OBJECT

private slots:
    void refusesWrongSizes_data();
    void refusesWrongSizes();
    void alawVectors_data();
    void alawVectors();
    void g723FramesCarryTheirState();
    void g723CountsWithoutOutput_data();
    void g723CountsWithoutOutput();
    void g723UnpacksCodesLowBitsFirst();
    void g723PartialGroupsGiveWholeCodes();
    void g723RoundTripFollowsTheSignal_data();
    void g723RoundTripFollowsTheSignal();
    void g723EncoderPacksWholeGroups();
};

void tst_CDecodeAudio::refusesWrongSizes_data()
{
    QTest::addColumn<bool>("g723");
    QTest::addColumn<int>("inputLength");
    QTest::addColumn<int>("capacity");
    QTest::addColumn<int>("expected");

    QTest::newRow("g723 whole frame") << true << 1200 << 3200 << 3200;
    QTest::newRow("g723 one byte short") << true << 1199 << 3200 << -1;
    QTest::newRow("g723 one byte long") << true << 1201 << 3200 << -1;
    QTest::newRow("g723 output short") << true << 1200 << 3199 << -1;
    QTest::newRow("g723 output long") << true << 1200 << 3201 << -1;
    QTest::newRow("g723 given an A-law frame") << true << 320 << 320 << -1;
    QTest::newRow("alaw whole frame") << false << 320 << 320 << 320;
    QTest::newRow("alaw one byte short") << false << 319 << 320 << -1;
    QTest::newRow("alaw output short") << false << 320 << 319 << -1;
    QTest::newRow("alaw given a G.723 frame") << false << 1200 << 3200 << -1;
}

void tst_CDecodeAudio::refusesWrongSizes()
{
    QFETCH(bool, g723);
    QFETCH(int, inputLength);
    QFETCH(int, capacity);
    QFETCH(int, expected);

    const auto input = pseudoRandomBytes(1201, 7);
    std::vector<short> output(3201, 0x5A5A);
    CDecodeAudio decoder;
    QCOMPARE(decoder.DecodeFrame(g723, input.data(), inputLength, output.data(), capacity), expected);
    if (expected < 0) {
        QVERIFY(std::all_of(output.begin(), output.end(), [](short s) { return s == 0x5A5A; }));
        // A refused frame leaves the G.723 state as it was: the next good
        // frame decodes exactly as on a fresh decoder.
        CDecodeAudio fresh;
        std::vector<short> afterRefusal(3200);
        std::vector<short> reference(3200);
        QCOMPARE(decoder.DecodeFrame(true, input.data(), 1200, afterRefusal.data(), 3200), 3200);
        QCOMPARE(fresh.DecodeFrame(true, input.data(), 1200, reference.data(), 3200), 3200);
        QVERIFY(afterRefusal == reference);
    }
}

void tst_CDecodeAudio::alawVectors_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("sample");
    QTest::newRow("smallest positive") << 0xD5 << 8;
    QTest::newRow("smallest negative") << 0x55 << -8;
    QTest::newRow("largest positive") << 0xAA << 32256;
    QTest::newRow("largest negative") << 0x2A << -32256;
}

void tst_CDecodeAudio::alawVectors()
{
    QFETCH(int, code);
    QFETCH(int, sample);
    std::vector<unsigned char> frame(320, static_cast<unsigned char>(code));
    std::vector<short> output(320);
    CDecodeAudio decoder;
    QCOMPARE(decoder.DecodeFrame(false, frame.data(), 320, output.data(), 320), 320);
    QCOMPARE(int(output.front()), sample);
    QCOMPARE(int(output.back()), sample);
}

void tst_CDecodeAudio::g723FramesCarryTheirState()
{
    const auto bytes = pseudoRandomBytes(2400, 99);
    CDecodeAudio decoder;
    std::vector<short> framed(6400);
    QCOMPARE(decoder.DecodeFrame(true, bytes.data(), 1200, framed.data(), 3200), 3200);
    QCOMPARE(decoder.DecodeFrame(true, bytes.data() + 1200, 1200, framed.data() + 3200, 3200), 3200);

    CG723Coder coder;
    std::vector<short> whole(6400);
    QCOMPARE(coder.Decode(bytes.data(), 2400, whole.data(), 6400), 6400);
    QVERIFY(framed == whole);
}

void tst_CDecodeAudio::g723CountsWithoutOutput_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("count");
    QTest::newRow("one frame") << 1200 << 3200;
    QTest::newRow("one group") << 3 << 8;
    QTest::newRow("one byte") << 1 << 2;
    QTest::newRow("two bytes") << 2 << 5;
    QTest::newRow("nothing") << 0 << 0;
}

void tst_CDecodeAudio::g723CountsWithoutOutput()
{
    QFETCH(int, length);
    QFETCH(int, count);
    const auto bytes = pseudoRandomBytes(length, 3);
    CG723Coder coder;
    QCOMPARE(coder.Decode(bytes.data(), length, nullptr, 0), count);
    // Nothing was decoded: the state is still the initial one.
    CG723Coder fresh;
    std::vector<short> a(8), b(8);
    const unsigned char group[3] = {0x12, 0x34, 0x56};
    coder.Decode(group, 3, a.data(), 8);
    fresh.Decode(group, 3, b.data(), 8);
    QVERIFY(a == b);
}

void tst_CDecodeAudio::g723UnpacksCodesLowBitsFirst()
{
    const unsigned char group[3] = {0x88, 0xC6, 0xFA};
    CG723Coder coder;
    std::vector<short> decoded(8);
    QCOMPARE(coder.Decode(group, 3, decoded.data(), 8), 8);

    g72x_state state;
    g72x_init_state(&state);
    for (int code = 0; code < 8; ++code)
        QCOMPARE(int(decoded[code]), g723_24_decoder(code, AUDIO_ENCODING_LINEAR, &state));
}

void tst_CDecodeAudio::g723PartialGroupsGiveWholeCodes()
{
    // 5 bytes: one whole group, then two bytes holding five more codes.
    const unsigned char bytes[5] = {0x88, 0xC6, 0xFA, 0xD1, 0x02};
    CG723Coder coder;
    std::vector<short> decoded(13);
    QCOMPARE(coder.Decode(bytes, 5, decoded.data(), 12), -1);
    QCOMPARE(coder.Decode(bytes, 5, decoded.data(), 13), 13);

    const quint32 tail = 0xD1u | (0x02u << 8);
    g72x_state state;
    g72x_init_state(&state);
    for (int code = 0; code < 8; ++code)
        g723_24_decoder(code, AUDIO_ENCODING_LINEAR, &state);
    for (int k = 0; k < 5; ++k)
        QCOMPARE(int(decoded[8 + k]), g723_24_decoder((tail >> (3 * k)) & 7, AUDIO_ENCODING_LINEAR, &state));
}

void tst_CDecodeAudio::g723RoundTripFollowsTheSignal_data()
{
    QTest::addColumn<double>("hertz");
    QTest::addColumn<double>("amplitude");
    QTest::addColumn<double>("minimumSnr");
    // 3 bits per sample: speech-band tones come back well above the noise.
    QTest::newRow("300 Hz loud") << 300.0 << 12000.0 << 30.0;
    QTest::newRow("1 kHz") << 1000.0 << 8000.0 << 20.0;
    QTest::newRow("2.5 kHz quiet") << 2500.0 << 2000.0 << 20.0;
}

void tst_CDecodeAudio::g723RoundTripFollowsTheSignal()
{
    QFETCH(double, hertz);
    QFETCH(double, amplitude);
    QFETCH(double, minimumSnr);

    const auto input = sine(3200, hertz, amplitude);
    CG723Coder coder;
    std::vector<unsigned char> packed(1200);
    QCOMPARE(coder.Encode(input.data(), 3200, packed.data(), 1200), 1200);
    std::vector<short> output(3200);
    QCOMPARE(coder.Decode(packed.data(), 1200, output.data(), 3200), 3200);

    double signal = 0;
    double noise = 0;
    for (int i = 800; i < 3200; ++i) { // after the adaptation has settled
        signal += double(input[i]) * input[i];
        noise += double(input[i] - output[i]) * (input[i] - output[i]);
    }
    const double snr = 10 * std::log10(signal / std::max(noise, 1.0));
    QVERIFY2(snr >= minimumSnr, qPrintable(QStringLiteral("SNR %1 dB").arg(snr)));
}

void tst_CDecodeAudio::g723EncoderPacksWholeGroups()
{
    const auto input = sine(11, 500, 4000);
    CG723Coder coder;
    QCOMPARE(coder.Encode(input.data(), 11, nullptr, 0), 4);
    std::vector<unsigned char> packed(4, 0xEE);
    QCOMPARE(coder.Encode(input.data(), 11, packed.data(), 3), -1);
    QCOMPARE(coder.Encode(input.data(), 11, packed.data(), 4), 3);
    QCOMPARE(int(packed[3]), 0xEE); // the three codes of the last group are not written
}

QTEST_APPLESS_MAIN(tst_CDecodeAudio)
#include "tst_CDecodeAudio.moc"
