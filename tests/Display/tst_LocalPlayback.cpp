#include "Display/CDisplayVideo.h"
#include "H264TestEncoder.h"
#include "RouterProbe.h"
#include "VideoFrameWrapper.h"

#include <QtTest>
#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

namespace {

constexpr quint32 kEpoch = 1765000000;

const unsigned char* bytes(const QByteArray& data)
{
    return reinterpret_cast<const unsigned char*>(data.constData());
}

_DISPLAY_CHANNEL_INFO localInfo(int pbMode, int screen = 0)
{
    _DISPLAY_CHANNEL_INFO info;
    info.mode = DISPLAY_MODE::LOCAL_PLAYBACK;
    info.pbMode = pbMode;
    info.screenIndex = screen;
    info.screen = screen;
    return info;
}

// A frame of the test stream at a stream time in milliseconds after kEpoch.
QByteArray frameAt(const H264TestEncoder::Frame& frame, qint64 ms, int channel = 0)
{
    return VideoFrameWrapper::newFrame(frame.data, frame.key ? 0 : 1, channel, 352, 240,
        kEpoch + static_cast<quint32>(ms / 1000), static_cast<quint32>(ms % 1000) * 1000);
}

} // namespace

class tst_LocalPlayback : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void pacesEverySpeed_data();
    void pacesEverySpeed();
    void unpacedModesShowAtOnce_data();
    void unpacedModesShowAtOnce();
    void farEarlyFrameRestartsItsSlot();
    void speedChangeWaitsForAnIFrame();
    void framesWithoutDecodeThreadsAreDropped();
    void showsTheTimeOfThePictureOnView();
    void aSeekOrTurnDropsTheQueuedFrames();
    void stopReleasesABlockedProducer();
    void stopWhileFeeding();

private:
    void feed(int count, int pbMode, int spacingMs, int channel = 0);

    QList<H264TestEncoder::Frame> m_frames;
    CDisplayVideo* m_router = nullptr;
    // Outlives the router, whose decode threads report to it until they end.
    std::unique_ptr<RouterProbe> m_probe;
};

void tst_LocalPlayback::initTestCase()
{
    H264TestEncoder encoder(352, 240, 10);
    QVERIFY2(encoder.isOpen(), qPrintable(encoder.errorText()));
    m_frames = encoder.encode(50);
}

void tst_LocalPlayback::init()
{
    m_router = new CDisplayVideo;
    m_router->changeOpenglOption(true);
    m_probe = std::make_unique<RouterProbe>(*m_router);
}

void tst_LocalPlayback::cleanup()
{
    delete m_router;
    m_router = nullptr;
    m_probe.reset();
}

void tst_LocalPlayback::feed(int count, int pbMode, int spacingMs, int channel)
{
    for (int i = 0; i < count; ++i) {
        const QByteArray f = frameAt(m_frames[i % m_frames.size()], qint64(i) * spacingMs, channel);
        m_router->makeImage(localInfo(pbMode, channel), bytes(f), static_cast<unsigned long>(f.size()));
    }
}

void tst_LocalPlayback::pacesEverySpeed_data()
{
    QTest::addColumn<int>("pbMode");
    QTest::addColumn<double>("seconds");
    QTest::newRow("+1X") << 0 << 2.0;
    QTest::newRow("+2X") << 1 << 1.0;
    QTest::newRow("+1/2X") << 34 << 4.0;
}

void tst_LocalPlayback::pacesEverySpeed()
{
    QFETCH(int, pbMode);
    QFETCH(double, seconds);
    m_router->startDecodeThread(16, DISPLAY_MODE::LOCAL_PLAYBACK);
    // 50 frames 40 ms apart at real DVR times, all queued at once.
    feed(50, pbMode, 40);
    QTRY_COMPARE_WITH_TIMEOUT(m_probe->shownCount(), 50, int(seconds * 4000));
    const auto shown = m_probe->shown();
    // The last frame is shown one frame interval before the stretch ends.
    // Never faster than the speed; slower only as far as a loaded machine
    // lags, well short of the next slower speed (twice as long).
    const double spanned = (shown.last().atMs - shown.first().atMs) / 1000.0 + 0.040 * (seconds / 2.0);
    QVERIFY2(spanned >= seconds * 0.9 && spanned <= seconds * 1.5,
        qPrintable(QStringLiteral("played in %1 s, expected %2 s").arg(spanned).arg(seconds)));
}

void tst_LocalPlayback::unpacedModesShowAtOnce_data()
{
    QTest::addColumn<int>("pbMode");
    QTest::newRow("PAUSE") << 48;
    QTest::newRow("STEP+") << 51;
    QTest::newRow("STOP") << 32;
}

void tst_LocalPlayback::unpacedModesShowAtOnce()
{
    QFETCH(int, pbMode);
    m_router->startDecodeThread(16, DISPLAY_MODE::LOCAL_PLAYBACK);
    // Three seconds apart: paced, they would take two and a half minutes.
    feed(50, pbMode, 3000);
    QTRY_COMPARE_WITH_TIMEOUT(m_probe->shownCount(), 50, 30000);
}

void tst_LocalPlayback::farEarlyFrameRestartsItsSlot()
{
    m_router->startDecodeThread(16, DISPLAY_MODE::LOCAL_PLAYBACK);
    // Frames 0-9 of a group, then a jump of six seconds into the stream,
    // continuing with frames 10-19 (an I frame and its P frames).
    for (int i = 0; i < 20; ++i) {
        const qint64 at = i < 10 ? i * 40 : 6000 + i * 40;
        const QByteArray f = frameAt(m_frames[i], at);
        m_router->makeImage(localInfo(0), bytes(f), static_cast<unsigned long>(f.size()));
    }
    // The far frame is shown at once, and the slot then waits for an I frame:
    // the P frames after it are not shown.
    QTRY_COMPARE_WITH_TIMEOUT(m_probe->shownCount(), 11, 30000);
    QTest::qWait(300);
    QCOMPARE(m_probe->shownCount(), 11);
}

void tst_LocalPlayback::speedChangeWaitsForAnIFrame()
{
    m_router->startDecodeThread(16, DISPLAY_MODE::LOCAL_PLAYBACK);
    for (int i = 0; i < 20; ++i) {
        const QByteArray f = frameAt(m_frames[i], i * 10);
        // From frame 5 on the playback runs at 2X: frames 5-9 wait for frame 10.
        m_router->makeImage(localInfo(i < 5 ? 0 : 1), bytes(f), static_cast<unsigned long>(f.size()));
    }
    QTRY_COMPARE_WITH_TIMEOUT(m_probe->shownCount(), 15, 30000);
    QTest::qWait(100);
    const auto shown = m_probe->shown();
    QCOMPARE(shown.size(), 15);
}

void tst_LocalPlayback::framesWithoutDecodeThreadsAreDropped()
{
    feed(5, 48, 40);
    m_router->startDecodeThread(16, DISPLAY_MODE::LIVE); // no threads for other modes
    QVERIFY(!m_router->isDecoding());
    feed(5, 48, 40);
    m_router->startDecodeThread(16, DISPLAY_MODE::LOCAL_PLAYBACK);
    QVERIFY(m_router->isDecoding());
    m_router->exitDecodeThread();
    feed(5, 48, 40);
    QTest::qWait(100);
    QCOMPARE(m_probe->shownCount(), 0);
    QVERIFY(m_probe->times().isEmpty());
}

void tst_LocalPlayback::showsTheTimeOfThePictureOnView()
{
    m_router->startDecodeThread(16, DISPLAY_MODE::LOCAL_PLAYBACK);
    feed(30, 0, 100); // I frames at 0, 1 and 2 seconds
    // The producer runs no more than two frames ahead of the screen, so the
    // time shown is never that of a frame still waiting.
    QVERIFY(m_probe->shownCount() >= 25);
    QTRY_COMPARE(m_probe->shownCount(), 30);
    QStringList expected;
    for (int second = 0; second < 3; ++second)
        expected << QDateTime::fromSecsSinceEpoch(kEpoch + second, Qt::UTC).toString("yyyy-MM-dd  hh:mm:ss");
    QCOMPARE(m_probe->times(), expected);
}

void tst_LocalPlayback::aSeekOrTurnDropsTheQueuedFrames()
{
    m_router->startDecodeThread(16, DISPLAY_MODE::LOCAL_PLAYBACK);
    // Four seconds apart: the channel's thread holds the second frame back
    // while the third waits behind it.
    feed(3, 0, 4000);
    QCOMPARE(m_router->queuedLocalFrames(0), std::size_t(2));
    // As a seek or a turn of the file reader clears the view: only the frame
    // the thread works on may stay.
    m_router->clear(-1);
    QVERIFY(m_router->queuedLocalFrames(0) <= 1);
}

void tst_LocalPlayback::stopReleasesABlockedProducer()
{
    m_router->startDecodeThread(16, DISPLAY_MODE::LOCAL_PLAYBACK);
    // Large frames four seconds apart: the channel's thread holds the second
    // one back while the producer fills the buffer and has to wait.
    QByteArray big = m_frames[0].data;
    big.append(QByteArray(0x60000 - big.size(), '\0'));
    std::atomic<int> queued{0};
    std::atomic<bool> returned{false};
    std::thread producer([&] {
        for (int i = 0; i < 6; ++i) {
            const QByteArray f = VideoFrameWrapper::newFrame(big, 0, 0, 352, 240, kEpoch + 4 * i);
            m_router->makeImage(localInfo(0), bytes(f), static_cast<unsigned long>(f.size()));
            ++queued;
        }
        returned = true;
    });
    QTRY_COMPARE_WITH_TIMEOUT(m_probe->shownCount(), 1, 30000);
    QTest::qWait(200);
    QVERIFY(!returned);
    // Returns, and wakes the blocked producer.
    m_router->exitDecodeThread();
    producer.join();
    QCOMPARE(queued.load(), 6);
    QCOMPARE(m_probe->shownCount(), 1);
}

void tst_LocalPlayback::stopWhileFeeding()
{
    // The file reader keeps feeding while playback is started and stopped
    // again and again, and the view is cleared meanwhile: no frame may reach
    // a freed buffer and no two threads may share a decoder slot.
    // 3200 decode threads say goodbye here; their lines would only flood the log.
    static QtMessageHandler previous = nullptr;
    previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& text) {
        if (!text.startsWith(QLatin1String("thread interrupted")))
            previous(type, context, text);
    });
    std::atomic<bool> running{true};
    std::atomic<int> fed{0};
    std::thread producer([&] {
        int i = 0;
        while (running) {
            const int channel = i % 3;
            const int pbMode = (i / 7) % 2 == 0 ? 48 : 1;
            const QByteArray f = frameAt(m_frames[i % m_frames.size()], i * 5, channel);
            _DISPLAY_CHANNEL_INFO info = localInfo(pbMode, (channel + i / 50) % 2);
            m_router->makeImage(info, bytes(f), static_cast<unsigned long>(f.size()));
            ++fed;
            ++i;
        }
    });
    for (int cycle = 0; cycle < 200; ++cycle) {
        m_router->startDecodeThread(16, DISPLAY_MODE::LOCAL_PLAYBACK);
        std::this_thread::sleep_for(std::chrono::microseconds(500 + (cycle % 5) * 300));
        if (cycle % 10 == 0)
            m_router->clear(-1);
        m_router->exitDecodeThread();
    }
    running = false;
    producer.join();
    qInstallMessageHandler(previous);
    QVERIFY(fed > 0);
}

QTEST_GUILESS_MAIN(tst_LocalPlayback)
#include "tst_LocalPlayback.moc"
