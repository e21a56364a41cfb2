#include "Display/CPlayAudio.h"

#include <QDeadlineTimer>
#include <QTest>
#include <atomic>

namespace {

std::atomic<int> g_noDeviceReports{0};
QtMessageHandler g_previousHandler = nullptr;

void countReports(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QLatin1String("raw audio format not supported by backend")))
        ++g_noDeviceReports;
    g_previousHandler(type, context, message);
}

} // namespace

// Without any sound server the wall must go on: pushes return, the buffer
// stays bounded, and the missing device is reported once, not at every
// retry.
class tst_CPlayAudioWithoutDevice : public QObject {
    Q_OBJECT

private slots:
    void pushesGoOnAndTheDeviceIsMissedOnce()
    {
        g_previousHandler = qInstallMessageHandler(countReports);
        {
            CPlayAudio audio;
            const QByteArray frame(640, '\x10');
            // Long enough for several retries of the device, once a second.
            const QDeadlineTimer retries(3500);
            for (int i = 0; !retries.hasExpired(); ++i) {
                audio.PushAudio(i % 10 == 9, frame);
                QVERIFY(audio.bufferedBytes() <= CPlayAudio::maxBufferedBytes(true));
                QTest::qWait(20);
            }
        }
        qInstallMessageHandler(g_previousHandler);
        QCOMPARE(g_noDeviceReports.load(), 1);
    }
};

QTEST_MAIN(tst_CPlayAudioWithoutDevice)
#include "tst_CPlayAudioWithoutDevice.moc"
