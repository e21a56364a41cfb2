#include "Display/CDisplayWidget.h"
#include "Settings/CAppSettings.h"
#include "SinkMonitor.h"
#include "WallFeed.h"
#include "WireBuilder.h"

#include <QApplication>
#include <QTest>

// The selected screen's audio, and only its audio, reaches the sound server
// as 8 kHz mono PCM.
namespace {
// One second of one channel's A-law audio, delivered as a connection does.
void deliver(CDisplayWidget& wall, const _DISPLAY_DVR_INFO& dvr, int channel, int frames = 25)
{
    const QByteArray frame = WallFeed::alawFrame(channel);
    for (int i = 0; i < frames; ++i)
        wall.OnPlayAudio(dvr, reinterpret_cast<const unsigned char*>(frame.constData()), size_t(frame.size()));
}
} // namespace

class tst_WallAudio : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(SinkMonitor::serverAvailable(), "the test sound server is not running");
        CAppSettings().writeSetting(CAppSettings::OPENGL, 2);
        QVERIFY(m_monitor.start());
    }

    void selectedChannelReachesTheSink()
    {
        CDisplayWidget wall(nullptr);
        wall.setScreens(16);
        wall.updateSelectScreen(2);
        m_monitor.take();
        for (int i = 0; i < 10; ++i) {
            deliver(wall, WallFeed::dvr(), 2, 2);
            QTest::qWait(80);
        }
        QTRY_COMPARE(SinkMonitor::playingFormats(), QStringList{QStringLiteral("s16le 1ch 8000Hz")});
        QVERIFY(SinkMonitor::peak(m_monitor.take()) > 20000);
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

QTEST_MAIN(tst_WallAudio)
#include "tst_WallAudio.moc"
