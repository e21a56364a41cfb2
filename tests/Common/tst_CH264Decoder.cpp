#include "Common/CH264Decoder.h"
#include "H264TestEncoder.h"

#include <QtTest>

class tst_CH264Decoder : public QObject {
    Q_OBJECT

private slots:
    void init();
    void scalesToTheAnnouncedSize_data();
    void scalesToTheAnnouncedSize();
    void refusesUnusableSizes_data();
    void refusesUnusableSizes();
    void refusesStreamsAboveThePixelLimit();
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
