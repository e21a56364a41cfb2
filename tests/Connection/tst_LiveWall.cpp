#include "Common/CCoreMetaTypes.h"
#include "Connection/CConnectDVR.h"
#include "Connection/CStopRequest.h"
#include "Display/CDisplayWidget.h"
#include "Display/CScreen.h"
#include "Display/OpenGLMode.h"
#include "H264TestEncoder.h"
#include "Settings/CAppSettings.h"
#include "TestDvr.h"

#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QTest>

// Live video of a 16-channel DVR through a connection controller onto a real
// screen wall: every screen shows its own channel's picture.
namespace {

const int WIDTH = 352;
const int HEIGHT = 240;

} // namespace

class tst_LiveWall : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        CCoreMetaTypes::registerTypes();
        QLoggingCategory::setFilterRules(QStringLiteral("qelm.network.debug=false"));
        CAppSettings settings;
        settings.writeSetting(CAppSettings::OSD_CH_NAME, 0);
        settings.writeSetting(CAppSettings::OSD_RECORD, 0);
        settings.writeSetting(CAppSettings::OSD_EVENT, 0);
    }

    void everyScreenShowsItsChannel_data()
    {
        QTest::addColumn<bool>("oldProtocol");
        QTest::addColumn<int>("rendering");
        QTest::newRow("new dialect, OpenGL") << false << int(OPENGL_HIGH_PERFORMANCE);
        QTest::newRow("old dialect, OpenGL") << true << int(OPENGL_HIGH_PERFORMANCE);
        QTest::newRow("new dialect, widgets") << false << int(OPENGL_OFF);
    }

    void everyScreenShowsItsChannel()
    {
        QFETCH(bool, oldProtocol);
        QFETCH(int, rendering);
        TestDvr dvr;
        QVERIFY(dvr.listen());
        CAppSettings().writeSetting(CAppSettings::OPENGL, rendering);
        CDisplayWidget wall;
        wall.resetDisplay();
        wall.show();
        QVERIFY(QTest::qWaitForWindowExposed(&wall));
        wall.setScreens(16);

        CConnectDVR controller;
        controller.setDVR(dvr.dvrRecord(oldProtocol));
        controller.setDisplayScreen(0, 16);
        controller.setDisplayWidget(&wall);
        QElapsedTimer clock;
        clock.start();
        controller.startLive(true);

        QSet<int> showing;
        while (showing.size() < 16 && clock.elapsed() < 5000) {
            QTest::qWait(100);
            const QImage shot = wall.grab().toImage().convertToFormat(QImage::Format_RGB32);
            for (int channel = 0; channel < 16; ++channel) {
                if (H264TestEncoder::tileShowsPattern(
                        shot, wall.wall()->getDisplayRect(channel), WIDTH, HEIGHT, channel))
                    showing.insert(channel);
            }
        }
        QVERIFY2(showing.size() == 16,
            qPrintable(QStringLiteral("%1 of 16 screens showed their channel").arg(showing.size())));
        controller.disconnect();
        // The stop request must reach the DVR before it goes away.
        QTRY_COMPARE_WITH_TIMEOUT(CStopRequest::pending(), 0, 15000);
    }
};

QTEST_MAIN(tst_LiveWall)
#include "tst_LiveWall.moc"
