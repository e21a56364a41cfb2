#include "Display/CPlayAudio.h"

#include <QElapsedTimer>
#include <QTest>
#include <ctime>

namespace {
double processSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}
} // namespace

// Without any sound server the wall must go on: pushes return at once, the
// buffer stays bounded and nothing spins.
class tst_CPlayAudioWithoutDevice : public QObject {
    Q_OBJECT

private slots:
    void pushesCostNothingAndNothingSpins()
    {
        QElapsedTimer clock;
        const double cpuBefore = processSeconds();
        {
            CPlayAudio audio;
            const QByteArray frame(640, '\x10');
            clock.start();
            for (int i = 0; i < 50; ++i) {
                audio.PushAudio(i % 10 == 9, frame);
                QVERIFY(audio.bufferedBytes() <= CPlayAudio::maxBufferedBytes(true));
                QTest::qWait(20);
            }
            QTest::qWait(500);
        }
        const double cpu = processSeconds() - cpuBefore;
        QVERIFY2(cpu < 0.3, qPrintable(QStringLiteral("%1 s of processor time").arg(cpu)));
        QVERIFY(clock.elapsed() < 3000);
    }
};

QTEST_MAIN(tst_CPlayAudioWithoutDevice)
#include "tst_CPlayAudioWithoutDevice.moc"
