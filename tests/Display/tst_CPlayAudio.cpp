#include "Display/CPlayAudio.h"
#include "SinkMonitor.h"

#include <QElapsedTimer>
#include <QTest>
#include <QtEndian>
#include <ctime>

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

double processSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

// Pushes audio frame by frame at its real rate, as a live stream would.
void streamAudio(CPlayAudio& audio, bool oldProtocol, int milliseconds)
{
    const int frameMilliseconds = 40;
    const QByteArray frame = squareWave(oldProtocol, frameMilliseconds);
    for (int t = 0; t < milliseconds; t += frameMilliseconds) {
        audio.PushAudio(oldProtocol, frame);
        QTest::qWait(frameMilliseconds);
    }
}
} // namespace

class tst_CPlayAudio : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(SinkMonitor::serverAvailable(), "the test sound server is not running");
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
            streamAudio(audio, oldProtocol, 300);
        QTRY_COMPARE(SinkMonitor::playingFormats(), QStringList{lastFormat});
        QTest::qWait(200);
        QVERIFY2(SinkMonitor::peak(m_monitor.take()) > 10000, "the sink received no sound");
    }

    void clearSilencesPromptly()
    {
        CPlayAudio audio;
        m_monitor.take();
        audio.PushAudio(false, squareWave(false, 2000));
        QElapsedTimer clock;
        clock.start();
        QTest::qWait(300);
        audio.clear();
        const qint64 clearedAt = clock.elapsed();
        QCOMPARE(audio.bufferedBytes(), 0);
        QTest::qWait(900);
        // What the sink already held plays out; the rest of the two seconds does not.
        const qint64 lastSound = SinkMonitor::lastLoudMillisecond(m_monitor.take(), 10000);
        QVERIFY(lastSound > 0);
        QVERIFY2(lastSound < clearedAt + 500, qPrintable(QString::number(lastSound - clearedAt)));
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
        audio.PushAudio(false, squareWave(false, 2000));
        QTest::qWait(100);
        const double before = processSeconds();
        QTest::qWait(1000);
        const double cpu = processSeconds() - before;
        QVERIFY(audio.bufferedBytes() > 0);
        QVERIFY2(cpu < 0.2, qPrintable(QStringLiteral("%1 s of processor time").arg(cpu)));
    }

    void destroyingWhileWaitingEndsAtOnce()
    {
        QElapsedTimer clock;
        {
            CPlayAudio audio;
            audio.PushAudio(false, squareWave(false, 40));
            QTest::qWait(200);
            clock.start();
        }
        QVERIFY(clock.elapsed() < 500);
    }

private:
    SinkMonitor m_monitor;
};

QTEST_MAIN(tst_CPlayAudio)
#include "tst_CPlayAudio.moc"
