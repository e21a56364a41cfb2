#include "ByteMutator.h"
#include "Display/CDisplayVideo.h"
#include "H264PcmSlice.h"
#include "H264TestEncoder.h"
#include "RouterProbe.h"
#include "ThreadNames.h"
#include "VideoFrameWrapper.h"

#include <QSemaphore>
#include <QSignalSpy>
#include <QThread>
#include <QtTest>
#include <thread>

namespace {

constexpr quint32 kEpoch = 1765000000; // 2025-12-06  05:46:40 on the DVR's clock

const unsigned char* bytes(const QByteArray& data)
{
    return reinterpret_cast<const unsigned char*>(data.constData());
}

_DISPLAY_CHANNEL_INFO liveInfo(int screen, bool oldProtocol = false)
{
    _DISPLAY_CHANNEL_INFO info;
    info.mode = DISPLAY_MODE::LIVE;
    info.screenIndex = screen % 64;
    info.screen = screen;
    info.name = QStringLiteral("Front office");
    info.title = QStringLiteral("Door");
    info.oldProtocol = oldProtocol;
    return info;
}

// Whether a record's picture is frame `index` of the test pattern.
bool showsPattern(const QImage& image, int index, QString* why = nullptr)
{
    QByteArray rgb;
    for (int y = 0; y < image.height(); ++y)
        rgb.append(reinterpret_cast<const char*>(image.constScanLine(y)), image.width() * 3);
    return H264TestEncoder::matchesPattern(bytes(rgb), image.width(), image.height(), index, 24, why);
}

// The router's decoding threads now running.
int decoderThreads()
{
    return int(threadNames().count(QStringLiteral("wall decoder")));
}

QString timeText(quint32 seconds)
{
    return QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC).toString(QStringLiteral("yyyy-MM-dd  hh:mm:ss"));
}

} // namespace

class tst_CDisplayVideo : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void recordsCarryTheirFlags_data();
    void recordsCarryTheirFlags();
    void liveStreamFromItsFirstIFrame();
    void brokenFramesAreDropped_data();
    void brokenFramesAreDropped();
    void hostileFramesAreDroppedOrDecoded();
    void recordsReachTheGuiThreadQueued();
    void statusRecords_data();
    void statusRecords();
    void playbackTexts_data();
    void playbackTexts();
    void shownTime_data();
    void shownTime();
    void videoChannel_data();
    void videoChannel();
    void twoStreamsMayMeetInOneSlot();
    void aSlowChannelSkipsToIFramesAlone();
    void anIdleSlotLetsGoAndComesBack();

private:
    QList<H264TestEncoder::Frame> m_frames;
    CDisplayVideo* m_router = nullptr;
    // Outlives the router, whose slot threads report to it until they end.
    std::unique_ptr<RouterProbe> m_probe;
};

void tst_CDisplayVideo::initTestCase()
{
    H264TestEncoder encoder(352, 240, 4);
    QVERIFY2(encoder.isOpen(), qPrintable(encoder.errorText()));
    m_frames = encoder.encode(8);
}

void tst_CDisplayVideo::init()
{
    m_router = new CDisplayVideo;
    m_router->changeOpenglOption(true);
    m_probe = std::make_unique<RouterProbe>(*m_router);
}

void tst_CDisplayVideo::cleanup()
{
    delete m_router;
    m_router = nullptr;
    m_probe.reset();
}

void tst_CDisplayVideo::recordsCarryTheirFlags_data()
{
    QTest::addColumn<bool>("oldProtocol");
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("infoFlags"); // record, motion, sensor, video loss in the channel record
    QTest::addColumn<int>("headerInfo"); // old dialect: the header's info byte
    QTest::addColumn<int>("headerLoss"); // old dialect: the header's video-loss mask
    QTest::addColumn<bool>("record");
    QTest::addColumn<bool>("motion");
    QTest::addColumn<bool>("sensor");
    QTest::addColumn<bool>("videoLoss");

    QTest::newRow("new dialect live") << false << 0 << true << 0 << 0 << true << true << true << true;
    QTest::newRow("new dialect live, no events") << false << 0 << false << 0 << 0 << false << false << false << false;
    QTest::newRow("new dialect playback shows no record mark")
        << false << 1 << true << 0 << 0 << false << true << true << true;
    QTest::newRow("old dialect flags come from the header")
        << true << 0 << false << (0x04 | 0x20 | 0x08 | 0x10) << 0x0004 << true << true << true << true;
    QTest::newRow("old dialect ignores the channel record")
        << true << 0 << true << 0x04 << 0x0001 << false << false << false << false;
}

void tst_CDisplayVideo::recordsCarryTheirFlags()
{
    QFETCH(bool, oldProtocol);
    QFETCH(int, mode);
    QFETCH(bool, infoFlags);
    QFETCH(int, headerInfo);
    QFETCH(int, headerLoss);
    QFETCH(bool, record);
    QFETCH(bool, motion);
    QFETCH(bool, sensor);
    QFETCH(bool, videoLoss);

    RouterProbe& probe = *m_probe;
    _DISPLAY_CHANNEL_INFO info = liveInfo(37, oldProtocol);
    info.mode = static_cast<DISPLAY_MODE::ENUM>(mode);
    info.record = info.motion = info.sensor = info.videoLoss = infoFlags;
    info.authority = false;

    QByteArray frame;
    int width = 352;
    int height = 240;
    if (oldProtocol) {
        width = 704;
        height = 480;
        const QByteArray slice = H264PcmSlice::make(H264TestEncoder::pattern(width, height, 0));
        frame = VideoFrameWrapper::oldFrame(
            slice, 0, 2, static_cast<quint8>(headerInfo), kEpoch, 0, static_cast<quint16>(headerLoss));
    } else {
        frame = VideoFrameWrapper::newFrame(m_frames[0].data, 0, 2, width, height, kEpoch);
    }
    m_router->makeImage(info, bytes(frame), static_cast<unsigned long>(frame.size()));

    QTRY_COMPARE(probe.shownCount(), 1);
    const auto shown = probe.shown();
    const CDisplayInfo& r = shown.first().info;
    QCOMPARE(r.channel, 2);
    QCOMPARE(r.screen, 37);
    QCOMPARE(r.record, record);
    QCOMPARE(r.motion, motion);
    QCOMPARE(r.sensor, sensor);
    QCOMPARE(r.videoLoss, videoLoss);
    QCOMPARE(r.authority, false);
    QCOMPARE(r.status, false);
    QCOMPARE(r.name, QStringLiteral("Front office"));
    QCOMPARE(r.title, QStringLiteral("Door"));
    QCOMPARE(r.length, static_cast<uint32_t>(frame.size()));
    QCOMPARE(r.image.size(), QSize(width, height));
    QCOMPARE(r.image.format(), QImage::Format_RGB888);
    QString why;
    QVERIFY2(showsPattern(r.image, 0, &why), qPrintable(why));
}

void tst_CDisplayVideo::liveStreamFromItsFirstIFrame()
{
    RouterProbe& probe = *m_probe;
    for (int i = 1; i < 8; ++i) {
        const QByteArray f
            = VideoFrameWrapper::newFrame(m_frames[i].data, m_frames[i].key ? 0 : 1, 0, 352, 240, kEpoch + i);
        m_router->makeImage(liveInfo(0), bytes(f), static_cast<unsigned long>(f.size()));
    }
    // P frames 1-3 come before the first I frame (4): nothing of them shows.
    QTRY_COMPARE(probe.shownCount(), 4);
    const auto shown = probe.shown();
    // Each record keeps its own picture after the slot decoded more.
    for (int i = 0; i < 4; ++i)
        QVERIFY(showsPattern(shown[i].info.image, 4 + i));
    // Only I frames set the shown time.
    QCOMPARE(probe.times(), QStringList{QStringLiteral("2025-12-06  05:46:44")});
}

void tst_CDisplayVideo::brokenFramesAreDropped_data()
{
    QTest::addColumn<QByteArray>("frame");
    QTest::addColumn<int>("screen");
    QTest::addColumn<bool>("oldProtocol");

    const QByteArray payload = m_frames[0].data;
    const QByteArray good = VideoFrameWrapper::newFrame(payload, 0, 1, 352, 240, kEpoch);
    QByteArray lyingSize = good;
    lyingSize[4] = static_cast<char>(0xFF); // size field beyond the bytes delivered
    QByteArray channel17 = good;
    channel17[1] = 17;
    QByteArray huge = VideoFrameWrapper::newFrame(QByteArray(0x80000, '\0'), 0, 1, 352, 240, kEpoch);
    QByteArray oldBadMagic = VideoFrameWrapper::oldFrame(payload, 0, 1, 0x04, kEpoch);
    oldBadMagic[0] = 'X';
    QByteArray oldLyingOffset = VideoFrameWrapper::oldFrame(payload, 0, 1, 0x04, kEpoch);
    oldLyingOffset[59] = static_cast<char>(0x7F); // data size far beyond the frame

    QTest::newRow("empty") << QByteArray() << 0 << false;
    QTest::newRow("header cut short") << good.left(20) << 0 << false;
    QTest::newRow("payload cut short") << good.left(good.size() - 10) << 0 << false;
    QTest::newRow("size field lies") << lyingSize << 0 << false;
    QTest::newRow("channel out of range") << channel17 << 0 << false;
    QTest::newRow("payload at the size limit") << huge << 0 << false;
    QTest::newRow("screen out of range") << good << 256 << false;
    QTest::newRow("old dialect without magic") << oldBadMagic << 0 << true;
    QTest::newRow("old dialect data size lies") << oldLyingOffset << 0 << true;
    QTest::newRow("new frame read as old") << good << 0 << true;
    // A P frame: it reaches the slot's decoder, yet shows no time.
    QTest::newRow("announced size beyond any decoder")
        << VideoFrameWrapper::newFrame(m_frames[1].data, 1, 1, 65535, 65535, kEpoch) << 0 << false;
}

void tst_CDisplayVideo::brokenFramesAreDropped()
{
    QFETCH(QByteArray, frame);
    QFETCH(int, screen);
    QFETCH(bool, oldProtocol);
    RouterProbe& probe = *m_probe;
    _DISPLAY_CHANNEL_INFO info = liveInfo(0, oldProtocol);
    info.screen = screen;
    m_router->makeImage(info, frame.isEmpty() ? nullptr : bytes(frame), static_cast<unsigned long>(frame.size()));
    // A queued frame counts until its decoding is over; a record it made is
    // posted by then.
    QTRY_COMPARE(m_router->queuedFrames(0), std::size_t(0));
    QCoreApplication::processEvents();
    QCOMPARE(probe.shownCount(), 0);
    QVERIFY(probe.times().isEmpty());
}

void tst_CDisplayVideo::hostileFramesAreDroppedOrDecoded()
{
    QList<QByteArray> samples;
    for (int i = 0; i < 4; ++i)
        samples.append(VideoFrameWrapper::newFrame(m_frames[i].data, i == 0 ? 0 : 1, i, 352, 240, kEpoch + i));
    samples.append(
        VideoFrameWrapper::oldFrame(H264PcmSlice::make(H264TestEncoder::pattern(352, 240, 1)), 0, 3, 0x02, kEpoch));
    ByteMutator mutator(samples, 77, 600);
    RouterProbe& probe = *m_probe;
    for (int i = 0; i < 3000; ++i) {
        const QByteArray frame = mutator.next();
        _DISPLAY_CHANNEL_INFO info = liveInfo(i % 70, i % 2 == 1);
        info.mode = static_cast<DISPLAY_MODE::ENUM>(i % 3 == 2 ? 1 : 0);
        info.pbMode = i % 60;
        m_router->makeImage(info, bytes(frame), static_cast<unsigned long>(frame.size()));
    }
    for (const auto& shown : probe.shown())
        QVERIFY(!shown.info.image.isNull());
}

void tst_CDisplayVideo::recordsReachTheGuiThreadQueued()
{
    QObject receiver;
    QList<QThread*> threads;
    QList<CDisplayInfo> records;
    connect(m_router, &CDisplayVideo::signalUpdateScreen, &receiver, [&](const CDisplayInfo& info) {
        threads.append(QThread::currentThread());
        records.append(info);
    });
    std::thread streaming([this] {
        for (int i = 0; i < 4; ++i) {
            const QByteArray f = VideoFrameWrapper::newFrame(m_frames[i].data, i == 0 ? 0 : 1, 5, 352, 240, kEpoch);
            m_router->makeImage(liveInfo(5), bytes(f), static_cast<unsigned long>(f.size()));
        }
    });
    streaming.join();
    QTRY_COMPARE(records.size(), 4);
    for (QThread* thread : threads)
        QCOMPARE(thread, QThread::currentThread());
    QCOMPARE(records.last().screen, 5);
    QVERIFY(!records.last().image.isNull());
    // Receivers connected by signature find the record type by its name.
    QVERIFY(QMetaType::fromName("CDisplayInfo").isValid());
}

void tst_CDisplayVideo::statusRecords_data()
{
    QTest::addColumn<CLinkFailure>("failure");
    QTest::addColumn<bool>("authority");
    QTest::newRow("connection failed") << CLinkFailure::lost() << true;
    QTest::newRow("no authority, no failure") << CLinkFailure() << false;
}

void tst_CDisplayVideo::statusRecords()
{
    QFETCH(CLinkFailure, failure);
    QFETCH(bool, authority);
    RouterProbe& probe = *m_probe;
    _DISPLAY_CHANNEL_INFO info = liveInfo(130);
    info.failure = failure;
    info.authority = authority;
    m_router->updateDVRStatus(4, info);
    const auto shown = probe.shown();
    QCOMPARE(shown.size(), 1);
    const CDisplayInfo& r = shown.first().info;
    QCOMPARE(r.channel, 4);
    QCOMPARE(r.screen, 130);
    QCOMPARE(r.status, !failure.isNull());
    QCOMPARE(r.failure, failure);
    QVERIFY(r.image.isNull());
    QCOMPARE(r.authority, authority);
    QVERIFY(r.title.isEmpty());
    QCOMPARE(r.length, 0u);
}

void tst_CDisplayVideo::playbackTexts_data()
{
    // Steps: "f<mode>" a remote-playback frame reporting that mode, "c<cmd>"
    // a playback command from the panel, "x" a clear (a redraw), "n" a new
    // playback stream, "b<mode>" a mode announced by a frame from before the
    // last clear that reaches the router only after it.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("speed change announced once")
        << QStringList{"f0", "f0", "f1", "f1", "f1"} << QStringList{"Playback( +1X )", "Playback( +2X )"};
    QTest::newRow("pause empties the text, frames still on their way claim no speed")
        << QStringList{"f1", "c2", "f1", "f1", "c5", "f1"} << QStringList{"Playback( +2X )", ""};
    QTest::newRow("after a pause the DVR's own word shows, and a speed after it") << QStringList{
        "f0", "c2", "f0", "f51", "f0"} << QStringList{"Playback( +1X )", "", "Playback( STEP+ )", "Playback( +1X )"};
    QTest::newRow("play or a new stream after a pause: the next frame announces") << QStringList{"f1", "c2", "c0", "f0",
        "c2", "n", "f0"} << QStringList{"Playback( +2X )", "", "Playback( +1X )", "", "Playback( +1X )"};
    QTest::newRow("a redraw after a pause keeps frames on their way from claiming a speed")
        << QStringList{"f0", "c2", "x", "f0"} << QStringList{"Playback( +1X )", ""};
    QTest::newRow("reverse frames on their way after a pause claim no speed")
        << QStringList{"f16", "c2", "f16", "f16"} << QStringList{"Playback( -1X )", ""};
    QTest::newRow("stop likewise") << QStringList{"f16", "c3", "f16"}
                                   << QStringList{"Playback( -1X )", "", "Playback( -1X )"};
    QTest::newRow("other commands only reset the mode")
        << QStringList{"f34", "c7", "f34"} << QStringList{"Playback( +1/2X )", "Playback( +1/2X )"};
    QTest::newRow("clear resets the mode")
        << QStringList{"f48", "x", "f48"} << QStringList{"Playback( PAUSE )", "Playback( PAUSE )"};
    QTest::newRow("a mode from before a clear is not taken for the next picture's")
        << QStringList{"f48", "x", "b48", "f48"} << QStringList{"Playback( PAUSE )", "Playback( PAUSE )"};
}

void tst_CDisplayVideo::playbackTexts()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, texts);
    RouterProbe& probe = *m_probe;
    int frameIndex = 0;
    for (const QString& step : steps) {
        const int value = step.mid(1).toInt();
        if (step.startsWith('f')) {
            _DISPLAY_CHANNEL_INFO info = liveInfo(0);
            info.mode = DISPLAY_MODE::PLAYBACK;
            info.pbMode = value;
            const int i = frameIndex++ % 4;
            const QByteArray f = VideoFrameWrapper::newFrame(m_frames[i].data, i == 0 ? 0 : 1, 0, 352, 240, kEpoch);
            m_router->makeImage(info, bytes(f), static_cast<unsigned long>(f.size()));
        } else if (step.startsWith('c')) {
            m_router->setPbStatus(static_cast<cgi::PbControl_Cmd>(value));
        } else if (step.startsWith('b')) {
            m_router->checkPlaybackMode(value, m_router->clears() - 1);
        } else if (step == QLatin1String("n")) {
            m_router->newPlaybackStream();
        } else {
            m_router->clear(-1);
        }
    }
    QCOMPARE(probe.statuses(), texts);
}

void tst_CDisplayVideo::shownTime_data()
{
    // Steps: "m<mode>" the router's current playback mode (a remote-playback
    // frame announcing it), "t<mode>,<pbMode>,<offset>" a frame time of the
    // given display mode reported with the given playback mode, "x" a clear.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QList<int>>("shown");
    QTest::newRow("live never goes back")
        << QStringList{"t0,32,100", "t0,32,90", "t0,32,110", "t0,32,110"} << QList<int>{100, 110};
    QTest::newRow("live after a clear takes any time")
        << QStringList{"t0,32,100", "x", "t0,32,50"} << QList<int>{100, 50};
    QTest::newRow("remote forward") << QStringList{"m0", "t1,0,100", "t1,0,90", "t1,0,120"} << QList<int>{100, 120};
    QTest::newRow("remote reverse") << QStringList{"m16", "t1,16,100", "t1,16,110", "t1,16,90"} << QList<int>{100, 90};
    QTest::newRow("remote slow counts as forward")
        << QStringList{"m33", "t1,33,100", "t1,33,99", "t1,33,101"} << QList<int>{100, 101};
    QTest::newRow("remote pause counts as backward")
        << QStringList{"m48", "t1,48,100", "t1,48,101", "t1,48,99"} << QList<int>{100, 99};
    QTest::newRow("remote without a mode, reverse frames")
        << QStringList{"t1,16,100", "t1,16,90", "t1,16,95"} << QList<int>{100, 90, 95};
    QTest::newRow("remote without a mode, forward frames")
        << QStringList{"t1,0,100", "t1,0,90", "t1,0,105"} << QList<int>{100, 105};
    QTest::newRow("local reverse follows both ways")
        << QStringList{"t2,17,100", "t2,17,80", "t2,17,90"} << QList<int>{100, 80, 90};
    QTest::newRow("local forward only moves on")
        << QStringList{"t2,0,100", "t2,0,80", "t2,0,101"} << QList<int>{100, 101};
}

void tst_CDisplayVideo::shownTime()
{
    QFETCH(QStringList, steps);
    QFETCH(QList<int>, shown);
    RouterProbe& probe = *m_probe;
    for (const QString& step : steps) {
        if (step.startsWith('m')) {
            m_router->checkPlaybackMode(step.mid(1).toInt(), m_router->clears());
        } else if (step.startsWith('t')) {
            const QStringList parts = step.mid(1).split(',');
            m_router->displayTime(static_cast<DISPLAY_MODE::ENUM>(parts[0].toInt()), kEpoch + parts[2].toUInt(),
                parts[1].toInt(), m_router->clears());
        } else {
            m_router->clear(3);
        }
    }
    QStringList expected;
    for (int offset : shown)
        expected.append(timeText(kEpoch + offset));
    QCOMPARE(probe.times(), expected);
}

void tst_CDisplayVideo::videoChannel_data()
{
    QTest::addColumn<QByteArray>("frame");
    QTest::addColumn<bool>("oldProtocol");
    QTest::addColumn<int>("channel");
    const QByteArray payload(64, 'p');
    QTest::newRow("new dialect") << VideoFrameWrapper::newFrame(payload, 1, 9, 352, 240, kEpoch) << false << 9;
    QTest::newRow("old dialect") << VideoFrameWrapper::oldFrame(payload, 1, 15, 0x04, kEpoch) << true << 15;
    QTest::newRow("old frame read as new") << VideoFrameWrapper::oldFrame(payload, 1, 3, 0x04, kEpoch) << false << -1;
    QTest::newRow("truncated") << VideoFrameWrapper::newFrame(payload, 1, 9, 352, 240, kEpoch).left(40) << false << -1;
}

void tst_CDisplayVideo::videoChannel()
{
    QFETCH(QByteArray, frame);
    QFETCH(bool, oldProtocol);
    QFETCH(int, channel);
    QCOMPARE(
        CDisplayVideo::getVideoChannel(oldProtocol, bytes(frame), static_cast<unsigned long>(frame.size())), channel);
}

void tst_CDisplayVideo::twoStreamsMayMeetInOneSlot()
{
    // After a change of view two streaming threads can briefly feed the same
    // decoder slot; they take turns instead of sharing the codec.
    RouterProbe& probe = *m_probe;
    H264TestEncoder other(704, 480, 4);
    const auto otherFrames = other.encode(8);
    auto feed = [this](const QList<H264TestEncoder::Frame>& frames, int width, int height, int channel) {
        for (int round = 0; round < 10; ++round) {
            for (const auto& frame : frames) {
                const QByteArray f
                    = VideoFrameWrapper::newFrame(frame.data, frame.key ? 0 : 1, channel, width, height, kEpoch);
                m_router->makeImage(liveInfo(3), bytes(f), static_cast<unsigned long>(f.size()));
            }
        }
    };
    std::thread first(feed, m_frames, 352, 240, 1);
    std::thread second(feed, otherFrames, 704, 480, 2);
    for (int i = 0; i < 20; ++i) {
        m_router->clear(i % 2 == 0 ? -1 : 3);
        std::this_thread::yield();
    }
    first.join();
    second.join();
    for (const auto& shown : probe.shown()) {
        const QSize expected = shown.info.channel == 1 ? QSize(352, 240) : QSize(704, 480);
        QCOMPARE(shown.info.image.size(), expected);
    }
}

void tst_CDisplayVideo::aSlowChannelSkipsToIFramesAlone()
{
    // Channel 5's decoding stalls: its first record waits for the test. The
    // streaming thread (here the test itself) never waits for it, the other
    // channels keep every picture meanwhile, and channel 5's queue stays
    // bounded, dropping what it held and taking up again at an I frame.
    const int rounds = 40;
    const int slow = 5;
    H264TestEncoder encoder(352, 240, 5);
    const auto frames = encoder.encode(20);
    QSet<uint32_t> keyLengths;
    for (const auto& frame : frames) {
        if (frame.key)
            keyLengths.insert(uint32_t(VideoFrameWrapper::newFrame(frame.data, 0, slow, 352, 240, kEpoch).size()));
    }
    // A router of its own: the probe keeps every picture it is shown, and a
    // slot whose pictures are all held shows no more.
    delete m_router;
    m_router = new CDisplayVideo;
    m_router->changeOpenglOption(true);
    QSemaphore stalled;
    std::array<std::atomic<int>, 16> shown{};
    std::mutex mutex;
    QList<uint32_t> slowLengths;
    // However the test ends, the stalled thread goes on, and the router and
    // its threads are gone before what they report to.
    const auto stop = qScopeGuard([&] {
        stalled.release();
        delete m_router;
        m_router = nullptr;
    });
    connect(
        m_router, &CDisplayVideo::signalUpdateScreen, m_router,
        [&](const CDisplayInfo& info) {
            if (info.channel == slow) {
                std::lock_guard<std::mutex> lock(mutex);
                slowLengths.append(info.length);
            }
            if (shown[std::size_t(info.channel)]++ == 0 && info.channel == slow)
                stalled.acquire();
        },
        Qt::DirectConnection);
    const auto othersShow = [&](int count) {
        for (int ch = 0; ch < 16; ++ch) {
            if (ch != slow && shown[std::size_t(ch)] != count)
                return false;
        }
        return true;
    };

    for (int round = 0; round < rounds; ++round) {
        for (int ch = 0; ch < 16; ++ch) {
            const auto& frame = frames[round % frames.size()];
            const QByteArray f = VideoFrameWrapper::newFrame(frame.data, frame.key ? 0 : 1, ch, 352, 240, kEpoch);
            m_router->makeImage(liveInfo(ch), bytes(f), static_cast<unsigned long>(f.size()));
        }
        QTRY_VERIFY2(othersShow(round + 1), qPrintable(QStringLiteral("round %1").arg(round)));
        // Its first picture may still be on its way; no second one comes.
        QTRY_COMPARE(shown[slow].load(), 1);
        QVERIFY(m_router->queuedFrames(slow) <= CDisplayVideo::kSlotQueueFrames);
    }

    stalled.release();
    QTRY_COMPARE(m_router->queuedFrames(slow), std::size_t(0));
    std::lock_guard<std::mutex> lock(mutex);
    QVERIFY2(slowLengths.size() > 1 && slowLengths.size() <= int(CDisplayVideo::kSlotQueueFrames) + 1,
        qPrintable(QStringLiteral("%1 pictures of the stalled channel").arg(slowLengths.size())));
    QVERIFY(keyLengths.contains(slowLengths.at(1)));
}

// A slot without frames for a while ends its thread and lets go of its
// decoder: the pictures still held stay as they were, P frames that come
// next are not decoded on a decoder that forgot their I frame, and the slot
// shows again from the next I frame.
void tst_CDisplayVideo::anIdleSlotLetsGoAndComesBack()
{
    RouterProbe& probe = *m_probe;
    const auto feed = [this](int from, int to) {
        for (int i = from; i < to; ++i) {
            const QByteArray f
                = VideoFrameWrapper::newFrame(m_frames[i].data, m_frames[i].key ? 0 : 1, 0, 352, 240, kEpoch + i);
            m_router->makeImage(liveInfo(0), bytes(f), static_cast<unsigned long>(f.size()));
        }
    };
    const int before = decoderThreads();
    feed(0, 4);
    QTRY_COMPARE(probe.shownCount(), 4);
    QCOMPARE(decoderThreads(), before + 1);
    QTRY_COMPARE_WITH_TIMEOUT(decoderThreads(), before, 3 * CDisplayVideo::kSlotIdleMs);

    feed(5, 8);
    feed(4, 8);
    QTRY_COMPARE(probe.shownCount(), 8);
    const auto shown = probe.shown();
    for (int i = 0; i < 8; ++i)
        QVERIFY2(showsPattern(shown[i].info.image, i), qPrintable(QStringLiteral("picture %1").arg(i)));
}

QTEST_GUILESS_MAIN(tst_CDisplayVideo)
#include "tst_CDisplayVideo.moc"
