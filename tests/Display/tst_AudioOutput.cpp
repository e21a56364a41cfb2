#include "Display/CDisplayWidget.h"
#include "Display/CPlayAudio.h"
#include "Settings/CAppSettings.h"
#include "SinkMonitor.h"
#include "WakeUpCounter.h"
#include "WallFeed.h"
#include "WireBuilder.h"

#include <QTest>
#include <QtEndian>

namespace {
// A loud 1 kHz square wave, in the sample layout of the given dialect.
QByteArray squareWave(bool oldProtocol, int milliseconds)
{
    const int channels = oldProtocol ? 2 : 1;
    const int frames = CPlayAudio::SAMPLE_RATE * milliseconds / 1000;
    QByteArray pcm(frames * channels * 2, Qt::Uninitialized);
    for (int i = 0; i < frames; ++i) {
        const qint16 value = (i / 4) % 2 ? 20000 : -20000;
        for (int c = 0; c < channels; ++c)
            qToLittleEndian<qint16>(value, pcm.data() + (i * channels + c) * 2);
    }
    return pcm;
}

// Pushes audio frame by frame as a live stream would, each once the player
// has handed the one before to the sink.
bool streamAudio(CPlayAudio& audio, bool oldProtocol, int milliseconds)
{
    const int frameMilliseconds = 40;
    const QByteArray frame = squareWave(oldProtocol, frameMilliseconds);
    for (int t = 0; t < milliseconds; t += frameMilliseconds) {
        audio.PushAudio(oldProtocol, frame);
        if (!QTest::qWaitFor([&] { return audio.bufferedBytes() == 0; }))
            return false;
    }
    return true;
}

// Only for sound that never comes.
const int SOUND_TIME_LIMIT_MS = 60000;

// Pushes 300 ms of audio as a live stream would, and more until the sound
// server lists the player's stream in that format: the stream stays open
// only while audio comes, and a busy computer may take long to list it.
bool streamsUntilPlaying(CPlayAudio& audio, const QStringList& formats)
{
    bool listed = false;
    const bool streamed = streamAudio(audio, false, 300)
        && QTest::qWaitFor(
            [&] {
                listed = SinkMonitor::playingFormats() == formats;
                return listed || !streamAudio(audio, false, 40);
            },
            SOUND_TIME_LIMIT_MS);
    return streamed && listed;
}

// One second of one channel's A-law audio, delivered as a connection does.
void deliver(CDisplayWidget& wall, const _DISPLAY_DVR_INFO& dvr, int channel, int frames = 25)
{
    const QByteArray frame = WallFeed::alawFrame(channel);
    for (int i = 0; i < frames; ++i)
        wall.OnPlayAudio(dvr, reinterpret_cast<const unsigned char*>(frame.constData()), size_t(frame.size()));
}
} // namespace

// The audio player, and the wall's choice of what it plays: the selected
// screen's audio, and only its audio, reaches the sound server as 8 kHz PCM.
class tst_AudioOutput : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(SinkMonitor::serverAvailable(), "the test sound server is not running");
        CAppSettings().writeSetting(CAppSettings::OPENGL, 2);
        QVERIFY(m_monitor.start());
    }

    void playsEachDialectInItsFormat_data()
    {
        QTest::addColumn<QList<bool>>("dialects");
        QTest::addColumn<QString>("lastFormat");
        // Old-dialect audio has two channels, new-dialect audio one.
        QTest::newRow("new then old re-opens for two channels") << QList<bool>{false, true} << "s16le 2ch 8000Hz";
        QTest::newRow("old then new re-opens for mono") << QList<bool>{true, false} << "s16le 1ch 8000Hz";
    }

    void playsEachDialectInItsFormat()
    {
        QFETCH(QList<bool>, dialects);
        QFETCH(QString, lastFormat);

        CPlayAudio audio;
        m_monitor.take();
        for (bool oldProtocol : dialects)
            QVERIFY(streamAudio(audio, oldProtocol, 300));
        QTRY_COMPARE(SinkMonitor::playingFormats(), QStringList{lastFormat});
        QVERIFY2(m_monitor.hears(10000, 1), "the sink received no sound");
    }

    void clearSilencesPromptly()
    {
        CPlayAudio audio;
        m_monitor.take();
        const int pushed = 2000;
        audio.PushAudio(false, squareWave(false, pushed));
        QTRY_VERIFY(audio.bufferedBytes() < CPlayAudio::maxBufferedBytes(false));
        const int handedOver = pushed - audio.bufferedBytes() * 1000 / (2 * CPlayAudio::SAMPLE_RATE);
        audio.clear();
        QCOMPARE(audio.bufferedBytes(), 0);
        // What the sink already held plays out (the output may hand over one
        // more sink's worth, 250 ms, before the clear); then the sound ends.
        QVERIFY(m_monitor.hears(10000, 1));
        QVERIFY(m_monitor.hearsItEnd(10000, 500));
        const int played = SinkMonitor::loudMilliseconds(m_monitor.take(), 10000);
        QVERIFY(played > 0);
        QVERIFY2(played <= handedOver + 300 && played < pushed,
            qPrintable(QStringLiteral("%1 ms played, %2 ms handed over").arg(played).arg(handedOver)));
    }

    void bufferKeepsAtMostTwoSeconds_data()
    {
        QTest::addColumn<bool>("oldProtocol");
        QTest::newRow("mono") << false;
        QTest::newRow("two channels") << true;
    }

    void bufferKeepsAtMostTwoSeconds()
    {
        QFETCH(bool, oldProtocol);
        CPlayAudio audio;
        for (int i = 0; i < 10; ++i) {
            audio.PushAudio(oldProtocol, squareWave(oldProtocol, 1000));
            QVERIFY(audio.bufferedBytes() <= CPlayAudio::maxBufferedBytes(oldProtocol));
        }
        QVERIFY(audio.bufferedBytes() > CPlayAudio::maxBufferedBytes(oldProtocol) / 2);
        QCOMPARE(audio.bufferedBytes() % (oldProtocol ? 4 : 2), 0);
    }

    // With more buffered than the sink takes, the thread waits for room
    // instead of asking again and again.
    void fullSinkDoesNotSpin()
    {
        CPlayAudio audio;
        WakeUpCounter wakeUps(audio);
        const int pushed = 2000;
        audio.PushAudio(false, squareWave(false, pushed));
        const auto handedOver = [&] { return pushed - audio.bufferedBytes() * 1000 / (2 * CPlayAudio::SAMPLE_RATE); };
        QTRY_VERIFY(handedOver() >= pushed / 2);
        QVERIFY(audio.bufferedBytes() > 0);
        // A pass per write and per 20 ms wait for room: a few for every 20 ms
        // of sound the sink took, where a spinning thread makes thousands.
        const int bound = handedOver() / 5 + 50;
        QVERIFY2(wakeUps.count() <= bound, qPrintable(QStringLiteral("%1 wake-ups").arg(wakeUps.count())));
    }

    // Without audio for a while the output closes its stream to the sound
    // server and its thread ends; the next audio opens them again.
    void outputEndsWithTheAudioAndComesBack()
    {
        CPlayAudio audio;
        const QStringList playing{QStringLiteral("s16le 1ch 8000Hz")};
        QVERIFY(streamsUntilPlaying(audio, playing));
        // Only for an output that never ends.
        QTRY_VERIFY_WITH_TIMEOUT(audio.isFinished(), 20 * CPlayAudio::IDLE_MILLISECONDS);
        QTRY_COMPARE(SinkMonitor::playingFormats(), QStringList());

        m_monitor.take();
        QVERIFY(streamsUntilPlaying(audio, playing));
        // The idle sink's monitor delivers in blocks of two seconds.
        QVERIFY2(m_monitor.hears(10000, 1, SOUND_TIME_LIMIT_MS), "the sink received no sound");
    }

    void destroyingWhileWaitingEndsAtOnce()
    {
        // Returns at once although the thread waits for more audio.
        CPlayAudio audio;
        audio.PushAudio(false, squareWave(false, 40));
        QTRY_COMPARE(audio.bufferedBytes(), 0);
        QVERIFY(audio.isRunning());
    }

    void selectedChannelReachesTheSink()
    {
        CDisplayWidget wall(nullptr);
        wall.setScreens(16);
        wall.updateSelectScreen(2);
        m_monitor.take();
        for (int i = 0; i < 10; ++i) {
            deliver(wall, WallFeed::dvr(), 2, 2);
            QTRY_COMPARE(wall.audioOutput().bufferedBytes(), 0);
        }
        QTRY_COMPARE(SinkMonitor::playingFormats(), QStringList{QStringLiteral("s16le 1ch 8000Hz")});
        QVERIFY(m_monitor.hears(20000, 1));
    }

    // Which screen a channel's audio belongs to, in both views.
    void audioFollowsTheSelectedScreen_data()
    {
        QTest::addColumn<int>("screenMode");
        QTest::addColumn<int>("channelMask");
        QTest::addColumn<int>("startScreen");
        QTest::addColumn<int>("selected");
        QTest::addColumn<int>("channel");
        QTest::addColumn<bool>("plays");
        QTest::newRow("one DVR: channel 5 on screen 5") << 0 << 0xFFFF << 32 << 5 << 5 << true;
        QTest::newRow("one DVR: channel 5 not on screen 4") << 0 << 0xFFFF << 32 << 4 << 5 << false;
        QTest::newRow("many DVRs: second channel of the DVR's block") << 1 << 0b1010 << 16 << 17 << 3 << true;
        QTest::newRow("many DVRs: first channel of the block") << 1 << 0b1010 << 16 << 16 << 1 << true;
        QTest::newRow("many DVRs: another DVR's screen") << 1 << 0b1010 << 16 << 3 << 3 << false;
        QTest::newRow("many DVRs: a channel the DVR was not asked for") << 1 << 0b1010 << 16 << 17 << 5 << false;
    }

    void audioFollowsTheSelectedScreen()
    {
        QFETCH(int, screenMode);
        QFETCH(int, channelMask);
        QFETCH(int, startScreen);
        QFETCH(int, selected);
        QFETCH(int, channel);
        QFETCH(bool, plays);
        CDisplayWidget wall(nullptr);
        wall.setScreenMode(CDisplayWidget::SCREEN_MODE(screenMode));
        wall.resetDisplay();
        wall.updateSelectScreen(selected);
        deliver(wall, WallFeed::dvr(channelMask, startScreen), channel);
        // A second of audio at once: more than the sink takes in one go.
        QCOMPARE(wall.audioOutput().bufferedBytes() > 0, plays);
    }

    void selectingAnotherScreenEmptiesTheBuffer()
    {
        CDisplayWidget wall(nullptr);
        wall.setScreens(16);
        wall.updateSelectScreen(2);
        deliver(wall, WallFeed::dvr(), 2);
        QVERIFY(wall.audioOutput().bufferedBytes() > 0);
        wall.updateSelectScreen(3);
        QCOMPARE(wall.audioOutput().bufferedBytes(), 0);
    }

    void framesOfTheWrongSizeAreDropped()
    {
        CDisplayWidget wall(nullptr);
        wall.setScreens(16);
        wall.updateSelectScreen(2);
        // A whole frame by its header, but one sample short of an A-law frame.
        WireBuilder::NewHeader header;
        header.type = 3;
        header.channel = 2;
        header.size = 319;
        const QByteArray frame = WireBuilder::newFrame(header, 319);
        wall.OnPlayAudio(
            WallFeed::dvr(), reinterpret_cast<const unsigned char*>(frame.constData()), size_t(frame.size()));
        QCOMPARE(wall.audioOutput().bufferedBytes(), 0);
    }

private:
    SinkMonitor m_monitor;
};

QTEST_MAIN(tst_AudioOutput)
#include "tst_AudioOutput.moc"
