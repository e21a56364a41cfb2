#include "Display/CDisplayWidget.h"
#include "Display/CGraphicsView.h"
#include "Display/CScreen.h"
#include "Settings/CAppSettings.h"
#include "WallFeed.h"

#include <QApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

// The OpenGL wall on a screen of twice the pixel density: what it lays over
// its pictures lies where the tiles are, read back from the screen and from
// its snapshots in device pixels.
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

QPoint middleOf(const QRect& tile)
{
    return QPoint((tile.left() + tile.right()) / 2, (tile.top() + tile.bottom()) / 2);
}

// The selected tile's border, two device pixels of white, then its yellow
// frame, four; `inside` lies beyond them.
bool showsSelection(const QImage& image, const QPoint& border, QRgb inside)
{
    for (int x = 0; x < 2; ++x) {
        if (!near(image.pixel(border + QPoint(x, 0)), qRgb(255, 255, 255), 10)
            || !near(image.pixel(border + QPoint(2 + x, 0)), qRgb(255, 255, 0), 10)
            || !near(image.pixel(border + QPoint(4 + x, 0)), qRgb(255, 255, 0), 10))
            return false;
    }
    return near(image.pixel(border + QPoint(6, 0)), inside, 10);
}

// The wall in that drawing mode, shown with four tiles.
bool showFourTiles(CDisplayWidget& wall, int mode)
{
    CAppSettings().writeSetting(CAppSettings::OPENGL, mode);
    wall.resetDisplay();
    wall.show();
    if (!QTest::qWaitForWindowExposed(&wall))
        return false;
    wall.setScreens(4);
    return true;
}
} // namespace

class tst_ScreenWallHiDpi : public QObject {
    Q_OBJECT

private slots:
    void overlayLiesOverItsTiles_data() { addModes(); }

    void overlayLiesOverItsTiles()
    {
        QFETCH(int, mode);
        CDisplayWidget wall(nullptr);
        QVERIFY(showFourTiles(wall, mode));
        QCOMPARE(wall.devicePixelRatio(), 2);
        // The failedTile tile failed: its state image lies in its middle; the tile
        // next to it is selected: its yellow frame runs just inside its border.
        _DISPLAY_DVR_INFO failed = WallFeed::dvr(1 << 3);
        failed.failure = CLinkFailure::lost();
        wall.slotUpdateDVRStatus(failed);
        wall.updateSelectScreen(1);
        CScreen& screens = *wall.wall();
        const QRect failedTile = screens.getDisplayRect(3);
        const QRect selected = screens.getDisplayRect(1);
        const QPoint middle = middleOf(failedTile) * 2;
        const QPoint border = QPoint(selected.left(), middleOf(selected).y()) * 2;
        QTRY_VERIFY(near(shot(wall).pixel(middle), qRgb(230, 30, 30), 60));
        QVERIFY(showsSelection(shot(wall), border, qRgb(0, 0, 0)));
    }

    // A snapshot holds what the screen shows, in its device pixels: the
    // pictures fill their tiles, the borders and the selection lie on them.
    void snapshotShowsTheScreen_data() { addModes(); }

    void snapshotShowsTheScreen()
    {
        QFETCH(int, mode);
        CDisplayWidget wall(nullptr);
        QVERIFY(showFourTiles(wall, mode));
        const QRgb colour = qRgb(40, 160, 220);
        CDisplayInfo info;
        info.image = QImage(704, 480, QImage::Format_RGB888);
        info.image.fill(colour);
        info.channel = 2;
        info.screen = 2;
        info.length = 1000;
        wall.slotUpdateScreen(info);
        wall.updateSelectScreen(2);
        CScreen& screens = *wall.wall();
        const QRect tile = screens.getDisplayRect(2);
        const QPoint border = QPoint(tile.left(), middleOf(tile).y()) * 2;
        QTRY_VERIFY(near(shot(wall).pixel(middleOf(tile) * 2), colour, 10));
        QVERIFY(showsSelection(shot(wall), border, colour));

        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("snapshot.png"));
        QCOMPARE(wall.saveCaptureImage(path, CAPTURE_FILEFORMAT::PNG), CWholeFileWriter::Result::Written);
        const QImage saved = QImage(path).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(saved.size(), wall.size() * 2);
        // The picture reaches the tile's corners, inside its border and frame.
        const QRect inner = QRect(tile.topLeft() * 2, tile.size() * 2).adjusted(8, 8, -8, -8);
        for (const QPoint& point : {inner.topLeft(), middleOf(inner), inner.bottomRight()})
            QVERIFY(near(saved.pixel(point), colour, 10));
        QVERIFY(showsSelection(saved, border, colour));
        // The tile beside it is empty, its border where the screen has it.
        const QRect empty = screens.getDisplayRect(3);
        QVERIFY(near(saved.pixel(QPoint(empty.left(), middleOf(empty).y()) * 2), qRgb(255, 255, 255), 10));
        QVERIFY(near(saved.pixel(middleOf(empty) * 2), qRgb(0, 0, 0), 10));
        // It says its pixels are device pixels, so drawn over the wall's
        // rectangle, as a grab of the window does, it keeps them.
        QCOMPARE(screens.view()->grabWall().devicePixelRatio(), 2.0);
    }

private:
    static void addModes()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("OpenGL, fast PC") << int(OPENGL_HIGH_PERFORMANCE);
        QTest::newRow("OpenGL, slow PC") << int(OPENGL_LOW_PERFORMANCE);
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
