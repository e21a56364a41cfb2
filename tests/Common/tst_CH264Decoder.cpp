#include "ByteMutator.h"
#include "Common/CH264Decoder.h"
#include "H264TestEncoder.h"

#include <QtTest>

class tst_CH264Decoder : public QObject {
    Q_OBJECT

private slots:
    void init();
    void decodesEveryFrameOfAStream_data();
    void decodesEveryFrameOfAStream();
    void scalesToTheAnnouncedSize_data();
    void scalesToTheAnnouncedSize();
    void refusesUnusableSizes_data();
    void refusesUnusableSizes();
    void refusesStreamsAboveThePixelLimit();
    void survivesHostileBytes();
    void channelsAreIndependent();
    void outputFormatFollowsTheOpenglOption();

private:
    CH264Decoder m_decoder;
};

void tst_CH264Decoder::init()
{
    m_decoder.Init(4);
    m_decoder.changeOpenglOption(true);
}

void tst_CH264Decoder::decodesEveryFrameOfAStream_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::newRow("D1") << 704 << 480;
    QTest::newRow("full HD") << 1920 << 1080;
}

void tst_CH264Decoder::decodesEveryFrameOfAStream()
{
    QFETCH(int, width);
    QFETCH(int, height);
    H264TestEncoder encoder(width, height, 5);
    QVERIFY2(encoder.isOpen(), qPrintable(encoder.errorText()));
    QVERIFY(m_decoder.SetupCodec(1, width, height, AV_CODEC_ID_H264));

    const auto frames = encoder.encode(12);
    QVERIFY(frames[0].key && !frames[1].key && frames[5].key);
    for (const auto& frame : frames) {
        const long bytes = m_decoder.DecodeFrame(
            1, reinterpret_cast<const uint8_t*>(frame.data.constData()), static_cast<std::size_t>(frame.data.size()));
        QCOMPARE(bytes, long(width) * height * 3);
        QString why;
        QVERIFY2(H264TestEncoder::matchesPattern(m_decoder.OutputBuffer(1), width, height, frame.index, 24, &why),
            qPrintable(why));
    }
}

void tst_CH264Decoder::scalesToTheAnnouncedSize_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::newRow("smaller than the stream") << 352 << 240;
    QTest::newRow("larger than the stream") << 1280 << 720;
}

void tst_CH264Decoder::scalesToTheAnnouncedSize()
{
    QFETCH(int, width);
    QFETCH(int, height);
    H264TestEncoder encoder(704, 480);
    QVERIFY(m_decoder.SetupCodec(0, width, height, AV_CODEC_ID_H264));
    const auto frame = encoder.encodeNext();
    const long bytes = m_decoder.DecodeFrame(
        0, reinterpret_cast<const uint8_t*>(frame.data.constData()), static_cast<std::size_t>(frame.data.size()));
    QCOMPARE(bytes, long(width) * height * 3);
    QString why;
    QVERIFY2(H264TestEncoder::matchesPattern(m_decoder.OutputBuffer(0), width, height, 0, 40, &why), qPrintable(why));
}

void tst_CH264Decoder::refusesUnusableSizes_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::newRow("empty") << 0 << 0;
    QTest::newRow("negative") << -704 << 480;
    QTest::newRow("above the largest picture") << 4096 << 2160;
    QTest::newRow("header maximum") << 65535 << 65535;
}

void tst_CH264Decoder::refusesUnusableSizes()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QVERIFY(!m_decoder.SetupCodec(2, width, height, AV_CODEC_ID_H264));
    H264TestEncoder encoder(352, 240);
    const auto frame = encoder.encodeNext();
    QCOMPARE(m_decoder.DecodeFrame(2, reinterpret_cast<const uint8_t*>(frame.data.constData()),
                 static_cast<std::size_t>(frame.data.size())),
        0L);
}

void tst_CH264Decoder::refusesStreamsAboveThePixelLimit()
{
    // The header announces a small picture but the stream carries one larger
    // than any the decoder is meant to show: libavcodec must refuse it rather
    // than allocate for it.
    H264TestEncoder encoder(2560, 1440);
    QVERIFY(encoder.isOpen());
    QVERIFY(m_decoder.SetupCodec(0, 704, 480, AV_CODEC_ID_H264));
    const auto frame = encoder.encodeNext();
    QCOMPARE(m_decoder.DecodeFrame(0, reinterpret_cast<const uint8_t*>(frame.data.constData()),
                 static_cast<std::size_t>(frame.data.size())),
        CH264Decoder::kDecodeError);
}

void tst_CH264Decoder::survivesHostileBytes()
{
    H264TestEncoder encoder(352, 240, 4);
    QList<QByteArray> samples;
    for (const auto& frame : encoder.encode(8))
        samples.append(frame.data);
    ByteMutator mutator(samples, 4711, 2048);
    QVERIFY(m_decoder.SetupCodec(3, 352, 240, AV_CODEC_ID_H264));
    for (int i = 0; i < 1500; ++i) {
        const QByteArray bytes = mutator.next();
        const long result = m_decoder.DecodeFrame(
            3, reinterpret_cast<const uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size()));
        QVERIFY(result == 0 || result == CH264Decoder::kDecodeError || result == 352L * 240 * 3);
    }
    // A clean I frame afterwards decodes again.
    m_decoder.Flush(3);
    H264TestEncoder again(352, 240);
    const auto frame = again.encodeNext();
    QCOMPARE(m_decoder.DecodeFrame(3, reinterpret_cast<const uint8_t*>(frame.data.constData()),
                 static_cast<std::size_t>(frame.data.size())),
        352L * 240 * 3);
}

void tst_CH264Decoder::channelsAreIndependent()
{
    H264TestEncoder small(352, 240);
    H264TestEncoder large(704, 480);
    QVERIFY(m_decoder.SetupCodec(0, 352, 240, AV_CODEC_ID_H264));
    QVERIFY(m_decoder.SetupCodec(1, 704, 480, AV_CODEC_ID_H264));
    const auto a = small.encode(3);
    const auto b = large.encode(3);
    for (int i = 0; i < 3; ++i) {
        QVERIFY(m_decoder.DecodeFrame(0, reinterpret_cast<const uint8_t*>(a[i].data.constData()),
                    static_cast<std::size_t>(a[i].data.size()))
            > 0);
        QVERIFY(m_decoder.DecodeFrame(1, reinterpret_cast<const uint8_t*>(b[i].data.constData()),
                    static_cast<std::size_t>(b[i].data.size()))
            > 0);
    }
    QVERIFY(H264TestEncoder::matchesPattern(m_decoder.OutputBuffer(0), 352, 240, 2, 24));
    QVERIFY(H264TestEncoder::matchesPattern(m_decoder.OutputBuffer(1), 704, 480, 2, 24));
}

void tst_CH264Decoder::outputFormatFollowsTheOpenglOption()
{
    CH264Decoder decoder;
    decoder.Init(1);
    QCOMPARE(decoder.PixelFormat(), AV_PIX_FMT_YUYV422);
    QVERIFY(decoder.SetupCodec(0, 352, 240, AV_CODEC_ID_H264));
    H264TestEncoder encoder(352, 240);
    const auto frame = encoder.encodeNext();
    QCOMPARE(decoder.DecodeFrame(0, reinterpret_cast<const uint8_t*>(frame.data.constData()),
                 static_cast<std::size_t>(frame.data.size())),
        352L * 240 * 2);
    decoder.changeOpenglOption(false);
    QCOMPARE(decoder.PixelFormat(), AV_PIX_FMT_RGB24);
    decoder.changeOpenglOption(true);
    QCOMPARE(decoder.PixelFormat(), AV_PIX_FMT_RGB24);
}

QTEST_APPLESS_MAIN(tst_CH264Decoder)
#include "tst_CH264Decoder.moc"
