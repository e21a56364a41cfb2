#include "Common/CDecodeVideo.h"
#include "H264PcmSlice.h"
#include "H264TestEncoder.h"

#include <QtTest>
#include <thread>
#include <vector>

namespace {

const unsigned char* bytes(const QByteArray& data)
{
    return reinterpret_cast<const unsigned char*>(data.constData());
}

unsigned long length(const QByteArray& data)
{
    return static_cast<unsigned long>(data.size());
}

} // namespace

class tst_CDecodeVideo : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void waitsForTheFirstIFrame_data();
    void waitsForTheFirstIFrame();
    void scalesToTheAnnouncedSize_data();
    void scalesToTheAnnouncedSize();
    void refusesWhatItMustNotDecode_data();
    void refusesWhatItMustNotDecode();
    void aSizeChangeOnAPFrameSetsUpAgain();
    void oldDialectIFramesGetParameterSets_data();
    void oldDialectIFramesGetParameterSets();
    void aDecodeErrorWaitsForTheNextIFrame();
    void restartsWaitForTheNextIFrame_data();
    void restartsWaitForTheNextIFrame();
    void outputOptionSetsEveryEntryUpAgain();
    void uninitialisedSetsIgnoreRestarts();
    void secondInitKeepsTheFirstCount();
    void entriesDecodeOnTheirOwnThreads();

private:
    CDecodeVideo m_video;
};

void tst_CDecodeVideo::init()
{
    m_video.Init(4);
    m_video.changeOpenglOption(true);
    m_video.setDeinterlaced(false);
}

void tst_CDecodeVideo::cleanup()
{
    m_video.Deinit();
}

void tst_CDecodeVideo::waitsForTheFirstIFrame_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::newRow("704 x 480") << 704 << 480;
    QTest::newRow("1920 x 1080") << 1920 << 1080;
}

void tst_CDecodeVideo::waitsForTheFirstIFrame()
{
    QFETCH(int, width);
    QFETCH(int, height);
    H264TestEncoder encoder(width, height, 6);
    QVERIFY2(encoder.isOpen(), qPrintable(encoder.errorText()));
    const auto frames = encoder.encode(18);
    const FrameSize size{width, height};

    // Join the stream in the middle of a group: its P frames give nothing.
    for (int i = 3; i < 6; ++i)
        QCOMPARE(m_video.DecodeFrame(false, 2, bytes(frames[i].data), length(frames[i].data), size, 1), 0UL);
    for (int i = 6; i < 18; ++i) {
        const FrameType type = frames[i].key ? 0 : 1;
        QCOMPARE(m_video.DecodeFrame(false, 2, bytes(frames[i].data), length(frames[i].data), size, type),
            static_cast<unsigned long>(width) * height * 3);
        QString why;
        QVERIFY2(
            H264TestEncoder::matchesPattern(m_video.GetDecodedRGB(2), width, height, i, 24, &why), qPrintable(why));
    }
}

void tst_CDecodeVideo::scalesToTheAnnouncedSize_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::newRow("smaller than the stream") << 352 << 240;
    QTest::newRow("larger than the stream") << 1280 << 720;
}

void tst_CDecodeVideo::scalesToTheAnnouncedSize()
{
    // The stream's pictures differ from the size its headers announce.
    QFETCH(int, width);
    QFETCH(int, height);
    H264TestEncoder encoder(704, 480);
    const QByteArray frame = encoder.encodeNext().data;
    QCOMPARE(m_video.DecodeFrame(false, 0, bytes(frame), length(frame), {width, height}, 0),
        static_cast<unsigned long>(width) * height * 3);
    QString why;
    QVERIFY2(H264TestEncoder::matchesPattern(m_video.GetDecodedRGB(0), width, height, 0, 40, &why), qPrintable(why));
}

void tst_CDecodeVideo::refusesWhatItMustNotDecode_data()
{
    QTest::addColumn<QSize>("stream");
    QTest::addColumn<QSize>("announced");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("padTo");
    QTest::addColumn<bool>("decoded");
    const QSize cif(352, 240);
    QTest::newRow("audio frame type") << cif << cif << 3 << 0 << false;
    QTest::newRow("one byte above the limit") << cif << cif << 0 << 0x80001 << false;
    QTest::newRow("exactly the limit") << cif << cif << 0 << 0x80000 << true;
    QTest::newRow("empty size") << cif << QSize(0, 0) << 0 << 0 << false;
    QTest::newRow("negative size") << cif << QSize(-704, 480) << 0 << 0 << false;
    QTest::newRow("above the largest picture") << cif << QSize(4096, 2160) << 0 << 0 << false;
    // The headers announce a small picture, the stream carries one larger than
    // any shown: libavcodec refuses it rather than allocate for it.
    QTest::newRow("stream above the pixel limit") << QSize(2560, 1440) << QSize(704, 480) << 0 << 0 << false;
}

void tst_CDecodeVideo::refusesWhatItMustNotDecode()
{
    QFETCH(QSize, stream);
    QFETCH(QSize, announced);
    QFETCH(int, type);
    QFETCH(int, padTo);
    QFETCH(bool, decoded);
    H264TestEncoder encoder(stream.width(), stream.height());
    QVERIFY(encoder.isOpen());
    QByteArray frame = encoder.encodeNext().data;
    if (padTo > 0)
        frame.append(QByteArray(padTo - frame.size(), '\0')); // trailing zero bytes are allowed after a NAL unit
    const FrameSize size{announced.width(), announced.height()};
    const unsigned long result = m_video.DecodeFrame(false, 0, bytes(frame), length(frame), size, type);
    QCOMPARE(result != 0, decoded);
    if (!decoded) {
        // Nothing shown: the refused frame started nothing to build on.
        const QByteArray p = encoder.encodeNext().data;
        QCOMPARE(m_video.DecodeFrame(false, 0, bytes(p), length(p), size, 1), 0UL);
    }
}

void tst_CDecodeVideo::aSizeChangeOnAPFrameSetsUpAgain()
{
    H264TestEncoder d1(704, 480);
    H264TestEncoder cif(352, 240);
    const auto first = d1.encodeNext();
    QVERIFY(m_video.DecodeFrame(false, 1, bytes(first.data), length(first.data), {704, 480}, 0) > 0);
    // The stream changes size; its new I frame arrives marked as a P frame.
    // The entry is set up for the new size before decoding it and stays started.
    const auto changed = cif.encodeNext();
    QCOMPARE(m_video.DecodeFrame(false, 1, bytes(changed.data), length(changed.data), {352, 240}, 1), 352UL * 240 * 3);
    QVERIFY(H264TestEncoder::matchesPattern(m_video.GetDecodedRGB(1), 352, 240, 0, 24));
    const auto next = cif.encodeNext();
    QCOMPARE(m_video.DecodeFrame(false, 1, bytes(next.data), length(next.data), {352, 240}, 1), 352UL * 240 * 3);
}

void tst_CDecodeVideo::oldDialectIFramesGetParameterSets_data()
{
    QTest::addColumn<bool>("oldDialect");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<bool>("decoded");
    QTest::newRow("old dialect, fixed parameter sets") << true << 704 << 480 << true;
    QTest::newRow("new dialect frames bring their own") << false << 704 << 480 << false;
    QTest::newRow("old dialect, size without parameter sets") << true << 640 << 480 << false;
}

void tst_CDecodeVideo::oldDialectIFramesGetParameterSets()
{
    QFETCH(bool, oldDialect);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(bool, decoded);
    const QImage picture = H264TestEncoder::pattern(width, height, 3);
    const QByteArray slice = H264PcmSlice::make(picture);
    const unsigned long result = m_video.DecodeFrame(oldDialect, 0, bytes(slice), length(slice), {width, height}, 0);
    QCOMPARE(result != 0, decoded);
    if (decoded) {
        QCOMPARE(result, static_cast<unsigned long>(width) * height * 3);
        QString why;
        QVERIFY2(
            H264TestEncoder::matchesPattern(m_video.GetDecodedRGB(0), width, height, 3, 12, &why), qPrintable(why));
    }
}

void tst_CDecodeVideo::aDecodeErrorWaitsForTheNextIFrame()
{
    H264TestEncoder encoder(352, 240, 4);
    const auto frames = encoder.encode(8);
    const FrameSize size{352, 240};
    QVERIFY(m_video.DecodeFrame(false, 3, bytes(frames[0].data), length(frames[0].data), size, 0) > 0);
    QVERIFY(m_video.DecodeFrame(false, 3, bytes(frames[1].data), length(frames[1].data), size, 1) > 0);
    // A P frame whose slice data is destroyed: no picture, and the entry
    // shows nothing more until a clean I frame arrives.
    QByteArray broken = frames[2].data;
    for (int i = 6; i < broken.size(); ++i)
        broken[i] = static_cast<char>(0xFF);
    QCOMPARE(m_video.DecodeFrame(false, 3, bytes(broken), length(broken), size, 1), 0UL);
    QCOMPARE(m_video.DecodeFrame(false, 3, bytes(frames[3].data), length(frames[3].data), size, 1), 0UL);
    QVERIFY(m_video.DecodeFrame(false, 3, bytes(frames[4].data), length(frames[4].data), size, 0) > 0);
    QVERIFY(H264TestEncoder::matchesPattern(m_video.GetDecodedRGB(3), 352, 240, 4, 24));
}

void tst_CDecodeVideo::restartsWaitForTheNextIFrame_data()
{
    QTest::addColumn<bool>("all");
    QTest::newRow("one entry") << false;
    QTest::newRow("every entry") << true;
}

void tst_CDecodeVideo::restartsWaitForTheNextIFrame()
{
    QFETCH(bool, all);
    H264TestEncoder encoder(352, 240, 3);
    const auto frames = encoder.encode(6);
    const FrameSize size{352, 240};
    QVERIFY(m_video.DecodeFrame(false, 1, bytes(frames[0].data), length(frames[0].data), size, 0) > 0);
    if (all)
        m_video.AllRestart();
    else
        m_video.RestartIPicture(1);
    QCOMPARE(m_video.DecodeFrame(false, 1, bytes(frames[1].data), length(frames[1].data), size, 1), 0UL);
    QCOMPARE(m_video.DecodeFrame(false, 1, bytes(frames[2].data), length(frames[2].data), size, 1), 0UL);
    QVERIFY(m_video.DecodeFrame(false, 1, bytes(frames[3].data), length(frames[3].data), size, 0) > 0);
    QVERIFY(m_video.DecodeFrame(false, 1, bytes(frames[4].data), length(frames[4].data), size, 1) > 0);
}

void tst_CDecodeVideo::outputOptionSetsEveryEntryUpAgain()
{
    H264TestEncoder encoder(352, 240, 2);
    const auto frames = encoder.encode(4);
    const FrameSize size{352, 240};
    // Until the output option is chosen, pictures come as YUYV.
    CDecodeVideo video;
    video.Init(1);
    QCOMPARE(video.DecodeFrame(false, 0, bytes(frames[0].data), length(frames[0].data), size, 0), 352UL * 240 * 2);
    // The entry is set up again for the new format at its next frame.
    for (bool opengl : {false, true}) {
        video.changeOpenglOption(opengl);
        QCOMPARE(video.DecodeFrame(false, 0, bytes(frames[2].data), length(frames[2].data), size, 0), 352UL * 240 * 3);
    }
    video.SetPixelFormat(AV_PIX_FMT_YUYV422);
    QCOMPARE(video.DecodeFrame(false, 0, bytes(frames[2].data), length(frames[2].data), size, 0), 352UL * 240 * 2);
}

void tst_CDecodeVideo::uninitialisedSetsIgnoreRestarts()
{
    CDecodeVideo video;
    QVERIFY(!video.IsInit());
    video.RestartIPicture(0);
    video.AllRestart();
    video.changeOpenglOption(true);
    QVERIFY(video.GetDecodedRGB(0) == nullptr);
    const QByteArray frame(100, '\0');
    QCOMPARE(video.DecodeFrame(false, 0, bytes(frame), length(frame), {352, 240}, 0), 0UL);
}

void tst_CDecodeVideo::secondInitKeepsTheFirstCount()
{
    CDecodeVideo video;
    video.Init(1);
    video.Init(64);
    QVERIFY(video.IsInit());
    QCOMPARE(video.EntryCount(), 1);
    video.Deinit();
    QVERIFY(!video.IsInit());
    video.Init(64);
    QCOMPARE(video.EntryCount(), 64);
}

void tst_CDecodeVideo::entriesDecodeOnTheirOwnThreads()
{
    // Entries of two picture sizes, each keeping its own codec and picture.
    H264TestEncoder small(352, 240, 5);
    H264TestEncoder large(704, 480, 5);
    const QList<H264TestEncoder::Frame> streams[2] = {small.encode(20), large.encode(20)};
    const FrameSize sizes[2] = {{352, 240}, {704, 480}};
    std::vector<std::thread> threads;
    std::vector<int> pictures(4, 0);
    std::vector<int> last(4, -1);
    for (int entry = 0; entry < 4; ++entry) {
        threads.emplace_back([&, entry] {
            for (const auto& frame : streams[entry % 2]) {
                if (m_video.DecodeFrame(
                        false, entry, bytes(frame.data), length(frame.data), sizes[entry % 2], frame.key ? 0 : 1)
                    > 0) {
                    ++pictures[entry];
                    last[entry] = frame.index;
                }
            }
        });
    }
    // Restarts and option changes come from another thread meanwhile.
    for (int i = 0; i < 50; ++i) {
        m_video.RestartIPicture(i % 4);
        if (i % 10 == 0)
            m_video.changeOpenglOption(true);
        std::this_thread::yield();
    }
    for (auto& thread : threads)
        thread.join();
    for (int entry = 0; entry < 4; ++entry) {
        QVERIFY(pictures[entry] > 0);
        const FrameSize& size = sizes[entry % 2];
        QVERIFY(
            H264TestEncoder::matchesPattern(m_video.GetDecodedRGB(entry), size.width, size.height, last[entry], 24));
    }
}

QTEST_APPLESS_MAIN(tst_CDecodeVideo)
#include "tst_CDecodeVideo.moc"
