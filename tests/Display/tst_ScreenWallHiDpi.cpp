#include "Display/CDisplayWidget.h"
#include "Display/CScreen.h"
#include "Settings/CAppSettings.h"
#include "WallFeed.h"

#include <QApplication>
#include <QScreen>
#include <QTest>

// The OpenGL wall on a screen of twice the pixel density: what it lays over
// its pictures lies where the tiles are, read back from the screen in device
// pixels.
namespace {
bool near(QRgb actual, QRgb expected, int tolerance)
{
    return qAbs(qRed(actual) - qRed(expected)) <= tolerance && qAbs(qGreen(actual) - qGreen(expected)) <= tolerance
        && qAbs(qBlue(actual) - qBlue(expected)) <= tolerance;
}

QImage shot(QWidget& window)
{
    return window.screen()->grabWindow(window.winId()).toImage().convertToFormat(QImage::Format_RGB32);
}
} // namespace

class tst_ScreenWallHiDpi : public QObject {
    Q_OBJECT

private slots:
    void overlayLiesOverItsTiles_data()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("OpenGL, fast PC") << int(OPENGL_HIGH_PERFORMANCE);
        QTest::newRow("OpenGL, slow PC") << int(OPENGL_LOW_PERFORMANCE);
    }

    void overlayLiesOverItsTiles()
    {
        QFETCH(int, mode);
        CAppSettings().writeSetting(CAppSettings::OPENGL, mode);
        CDisplayWidget wall(nullptr);
        wall.resetDisplay();
        wall.show();
        QVERIFY(QTest::qWaitForWindowExposed(&wall));
        QCOMPARE(wall.devicePixelRatio(), 2);
        wall.setScreens(4);
        // The failedTile tile failed: its state image lies in its middle; the tile
        // next to it is selected: its yellow frame runs just inside its border.
        _DISPLAY_DVR_INFO failed = WallFeed::dvr(1 << 3);
        failed.failure = CLinkFailure::lost();
        wall.slotUpdateDVRStatus(failed);
        wall.updateSelectScreen(1);
        CScreen& screens = *wall.wall();
        const QRect failedTile = screens.getDisplayRect(3);
        const QRect selected = screens.getDisplayRect(1);
        const QPoint middle
            = QPoint((failedTile.left() + failedTile.right()) / 2, (failedTile.top() + failedTile.bottom()) / 2) * 2;
        const QPoint border = QPoint(selected.left(), (selected.top() + selected.bottom()) / 2) * 2;
        QTRY_VERIFY(near(shot(wall).pixel(middle), qRgb(230, 30, 30), 60));
        const QImage image = shot(wall);
        for (int x = 0; x < 2; ++x) {
            QVERIFY(near(image.pixel(border + QPoint(x, 0)), qRgb(255, 255, 255), 10));
            QVERIFY(near(image.pixel(border + QPoint(2 + x, 0)), qRgb(255, 255, 0), 10));
            QVERIFY(near(image.pixel(border + QPoint(4 + x, 0)), qRgb(255, 255, 0), 10));
        }
        QVERIFY(near(image.pixel(border + QPoint(6, 0)), qRgb(0, 0, 0), 10));
    }
};

int main(int argc, char** argv)
{
    qputenv("QT_SCALE_FACTOR", "2");
    CScreen::prepareOpenGL();
    QApplication app(argc, argv);
    tst_ScreenWallHiDpi test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_ScreenWallHiDpi.moc"
