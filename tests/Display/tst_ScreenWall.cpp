#include "Common/COldQuery.h"
#include "Display/CDisplayVideo.h"
#include "Display/CDisplayWidget.h"
#include "Display/CGLRenderer.h"
#include "Display/CGraphicsScene.h"
#include "Display/CGraphicsView.h"
#include "Display/CScreen.h"
#include "Display/CScreenWidget.h"
#include "Display/CWaitWidget.h"
#include "H264TestEncoder.h"
#include "PaintWatch.h"
#include "Settings/CAppSettings.h"
#include "Settings/CLanguage.h"
#include "ShownText.h"
#include "WallFeed.h"

#include <QApplication>
#include <QFile>
#include <QHelpEvent>
#include <QScreen>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>
#include <QVBoxLayout>

// What the wall draws, read back from the screen in each of its three
// renderings: tile borders, pictures, state images, overlays, zoom, full
// screen and snapshots.
namespace {
const int WIDTH = 704;
const int HEIGHT = 480;
// Local playback paused: its frames are shown as they come.
const int PAUSED = 48;

bool near(QRgb actual, QRgb expected, int tolerance = 48)
{
    return qAbs(qRed(actual) - qRed(expected)) <= tolerance && qAbs(qGreen(actual) - qGreen(expected)) <= tolerance
        && qAbs(qBlue(actual) - qBlue(expected)) <= tolerance;
}

// What the display shows of the window, not what the widgets would draw again:
// the OpenGL wall draws into a native window of its own.
QImage shot(QWidget& window)
{
    return window.screen()->grabWindow(window.winId()).toImage().convertToFormat(QImage::Format_RGB32);
}

// Whether the tile shows the test pattern, or the part `shown` of it.
bool showsPattern(const QImage& image, const QRect& tile, const QRectF& shown = QRectF())
{
    return H264TestEncoder::tileShowsPattern(image, tile, WIDTH, HEIGHT, 0, shown);
}

bool isWhite(QRgb pixel)
{
    return near(pixel, qRgb(255, 255, 255), 10);
}

CDisplayInfo pictureRecord(int channel, const QColor& colour)
{
    CDisplayInfo info;
    info.image = QImage(WIDTH, HEIGHT, QImage::Format_RGB888);
    info.image.fill(colour);
    info.channel = channel;
    info.screen = channel;
    info.name = QStringLiteral("Test DVR");
    info.length = 1000;
    return info;
}
} // namespace

class tst_ScreenWall : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_pictures = WallFeed::encodedPictures(3);
        QCOMPARE(m_pictures.size(), 3);
    }

    void init()
    {
        CAppSettings settings;
        settings.writeSetting(CAppSettings::OSD_CH_NAME, 0);
        settings.writeSetting(CAppSettings::OSD_RECORD, 0);
        settings.writeSetting(CAppSettings::OSD_EVENT, 0);
    }

    // A row that failed while another language was chosen leaves it to none
    // of the later ones.
    void cleanup() { CLanguage().applyLanguage(QStringLiteral("English")); }

    void openGLProbeAcceptsTheDisplay() { QVERIFY(CScreen::initOpengl(16)); }

    // The software rasteriser's thread count is chosen only where nobody
    // chose it: an operator's own count stands.
    void softwareRasterThreadsChosenUnlessSet_data()
    {
        QTest::addColumn<bool>("set");
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("unset") << false << QByteArray() << QByteArray("2");
        QTest::newRow("operator's count") << true << QByteArray("6") << QByteArray("6");
    }

    void softwareRasterThreadsChosenUnlessSet()
    {
        QFETCH(bool, set);
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        const char* const variable = CScreen::SOFTWARE_RASTER_THREADS_VARIABLE;
        const auto setTo = [variable](bool isSet, const QByteArray& value) {
            if (isSet)
                qputenv(variable, value);
            else
                qunsetenv(variable);
        };
        const bool wasSet = qEnvironmentVariableIsSet(variable);
        const QByteArray was = qgetenv(variable);
        setTo(set, before);
        CScreen::prepareOpenGL();
        const bool isSet = qEnvironmentVariableIsSet(variable);
        const QByteArray now = qgetenv(variable);
        setTo(wasSet, was);
        QVERIFY(isSet);
        QCOMPARE(now, after);
    }

    // Renderer names as drivers give them: only a rasteriser on the
    // processor has small tiles shrunk before they are drawn.
    void softwareRenderersTold_data()
    {
        QTest::addColumn<QByteArray>("renderer");
        QTest::addColumn<bool>("software");
        QTest::newRow("llvmpipe") << QByteArray("llvmpipe (LLVM 15.0.6, 256 bits)") << true;
        QTest::newRow("softpipe") << QByteArray("softpipe") << true;
        QTest::newRow("classic swrast") << QByteArray("Mesa X11 swrast") << true;
        QTest::newRow("Intel") << QByteArray("Mesa Intel(R) UHD Graphics 620 (KBL GT2)") << false;
        QTest::newRow("AMD") << QByteArray("AMD Radeon RX 6600 (navi23, LLVM 15.0.6, DRM 3.49, 6.1.0-13-amd64)")
                             << false;
        QTest::newRow("NVIDIA") << QByteArray("NVIDIA GeForce GTX 1650/PCIe/SSE2") << false;
    }

    void softwareRenderersTold()
    {
        QFETCH(QByteArray, renderer);
        QFETCH(bool, software);
        QCOMPARE(CGLRenderer::isSoftware(renderer), software);
    }

    void tileBordersWhereLaidOut_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("screens");
        QTest::addColumn<QList<int>>("xs");
        QTest::addColumn<QList<int>>("ys");
        for (int mode = 0; mode <= 2; ++mode) {
            QTest::addRow("mode %d, 4 screens", mode) << mode << 4 << QList<int>{5, 364} << QList<int>{5, 274};
            QTest::addRow("mode %d, 9 screens", mode)
                << mode << 9 << QList<int>{5, 244, 483} << QList<int>{5, 184, 363};
        }
    }

    void tileBordersWhereLaidOut()
    {
        QFETCH(int, mode);
        QFETCH(int, screens);
        QFETCH(QList<int>, xs);
        QFETCH(QList<int>, ys);
        CDisplayWidget wall(nullptr);
        showWall(wall, mode);
        wall.setScreens(screens);
        const int w = (730 - 10) / xs.size();
        const int h = (550 - 10) / ys.size();
        for (int row = 0; row < ys.size(); ++row) {
            for (int column = 0; column < xs.size(); ++column) {
                const QRect tile(xs[column], ys[row], w, h);
                QCOMPARE(wall.wall()->getDisplayRect(row * xs.size() + column), tile);
            }
        }
        // The screen may still show the layout before: wait for all of the new one.
        const auto bordersShown = [&](const QImage& image) {
            bool shown = isWhite(image.pixel(xs.last() + w - 1, ys.last() + h / 2))
                && near(image.pixel(xs.first() + w / 2, ys.first() + h / 2), qRgb(0, 0, 0), 10);
            for (int x : xs)
                shown = shown && isWhite(image.pixel(x, ys.first() + h / 2));
            for (int y : ys)
                shown = shown && isWhite(image.pixel(xs.first() + w / 2, y));
            return shown;
        };
        QTRY_VERIFY(bordersShown(shot(wall)));
    }

    void pictureShowsInItsTile_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("rebuiltOnView");
        for (int mode = 0; mode <= 2; ++mode) {
            QTest::addRow("mode %d", mode) << mode << false;
            // As after PC setup: the new wall's window is made while its parent is shown.
            QTest::addRow("mode %d, rebuilt on view", mode) << mode << true;
        }
    }

    void pictureShowsInItsTile()
    {
        QFETCH(int, mode);
        QFETCH(bool, rebuiltOnView);
        CDisplayWidget wall(nullptr);
        showWall(wall, mode);
        if (rebuiltOnView)
            wall.resetDisplay();
        wall.setScreens(16);
        feed(wall, 5);
        const QRect tile = wall.wall()->getDisplayRect(5);
        QCOMPARE(tile, QRect(184, 139, 180, 135));
        QTRY_VERIFY(showsPattern(shot(wall), tile));
        QVERIFY(!showsPattern(shot(wall), wall.wall()->getDisplayRect(4)));
    }

    // The wall is not cleared before pictures cover it: what no picture
    // covers any more is blackened, or the last picture would stay on the
    // screen.
    void clearedTileTurnsBlack_data() { addOpenGLModes(); }

    void clearedTileTurnsBlack()
    {
        QFETCH(int, mode);
        CDisplayWidget wall(nullptr);
        const QRect tile = patternOnScreen(wall, mode, 16, 5);
        QVERIFY(!tile.isNull());
        wall.ClearScreen();
        const QPoint inside = tile.topLeft() + QPoint(tile.width() / 4, tile.height() / 4);
        QTRY_VERIFY(near(shot(wall).pixel(inside), qRgb(0, 0, 0), 10));
        QVERIFY(!showsPattern(shot(wall), tile));
    }

    // Pictures that come faster than the wall redraws each reach the screen
    // in turn; one that waits gives way to a newer one, and a status at once.
    void picturesBetweenRedrawsWaitTheirTurn_data() { addOpenGLModes(); }

    void picturesBetweenRedrawsWaitTheirTurn()
    {
        QFETCH(int, mode);
        CDisplayWidget wall(nullptr);
        showWall(wall, mode);
        wall.setScreens(16);
        CScreen& screens = *wall.wall();
        const auto colourOf = [&screens] {
            const QImage image = screens.getInfo(5).image;
            return image.isNull() ? QColor() : image.pixelColor(0, 0);
        };
        QList<QColor> drawn;
        PaintWatch watch(screens.view()->viewport(), [&] { drawn << colourOf(); });

        // Unthrottled, on an idle wall: no timer redraws what waited, only
        // the wall's own request after the redraw that left it waiting.
        screens.setRedrawInterval(0);
        screens.setInfo(5, pictureRecord(5, Qt::gray));
        QTRY_VERIFY(drawn.contains(QColor(Qt::gray)));
        screens.setInfo(5, pictureRecord(5, Qt::cyan));
        screens.setInfo(5, pictureRecord(5, Qt::darkCyan));
        QTRY_VERIFY(drawn.contains(QColor(Qt::darkCyan)));
        screens.setRedrawInterval(1000 / CScreen::kMaxRedrawsPerSecond);
        drawn.clear();

        screens.setInfo(5, pictureRecord(5, Qt::red));
        screens.setInfo(5, pictureRecord(5, Qt::green));
        screens.setInfo(5, pictureRecord(5, Qt::blue));
        QCOMPARE(colourOf(), QColor(Qt::red));
        QTRY_VERIFY(drawn.contains(QColor(Qt::blue)));
        QCOMPARE(drawn.first(), QColor(Qt::red));
        QVERIFY(!drawn.contains(QColor(Qt::green)));

        screens.setInfo(5, pictureRecord(5, Qt::yellow));
        screens.setInfo(5, pictureRecord(5, Qt::magenta));
        _DISPLAY_DVR_INFO dvr = WallFeed::dvr(1 << 5);
        dvr.failure = CLinkFailure::lost();
        wall.slotUpdateDVRStatus(dvr);
        QCOMPARE(screens.getInfo(5).failure, dvr.failure);
        drawn.clear();
        QTRY_VERIFY(!drawn.isEmpty());
        QCOMPARE(screens.getInfo(5).failure, dvr.failure);
    }

    void statusShowsImageAndToolTip_data() { addModes(); }

    // The tool tip shows a DVR's status as it stands, on one line.
    void statusShowsImageAndToolTip()
    {
        QFETCH(int, mode);
        CDisplayWidget wall(nullptr);
        showWall(wall, mode);
        wall.setScreens(16);
        _DISPLAY_DVR_INFO dvr = WallFeed::dvr(1 << 5);
        dvr.failure = CLinkFailure::refused(false, 2);
        const QString text = QStringLiteral("[ERROR]password miss");
        wall.slotUpdateDVRStatus(dvr);
        const QRect tile = wall.wall()->getDisplayRect(5);
        QCOMPARE(wall.wall()->getInfo(5).statusText(), text);
        // The image's red cross sits in the middle of the blacked-out tile.
        const QPoint middle((tile.left() + tile.right()) / 2, (tile.top() + tile.bottom()) / 2);
        QTRY_VERIFY(near(shot(wall).pixel(middle), qRgb(230, 30, 30), 60));
        QVERIFY(near(shot(wall).pixel(tile.left() + 10, tile.bottom() - 10), qRgb(0, 0, 0), 10));

        QWidget* target = mode == OPENGL_OFF ? wall.wall()->screenWidgets()[5] : wall.wall()->view()->viewport();
        const QPoint at = mode == OPENGL_OFF ? target->rect().center() : middle;
        if (mode == OPENGL_OFF)
            QCOMPARE(shownText(target->toolTip()), text);
        QHelpEvent help(QEvent::ToolTip, at, target->mapToGlobal(at));
        QApplication::sendEvent(target, &help);
        QTRY_COMPARE(shownText(QToolTip::text()), text);
        for (const QWidget* tip : QApplication::topLevelWidgets()) {
            if (tip->objectName() == QLatin1String("qtooltip_label") && tip->isVisible())
                QVERIFY(tip->height() < 2 * tip->fontMetrics().lineSpacing());
        }
        QToolTip::hideText();
    }

    // A failure on a tile reads in the language the operator chose last,
    // also one shown before the switch on a wall that no picture reaches
    // since: the wall draws its tiles again. Each row shows the failure,
    // then chooses the languages in turn, each with what the tile's tool tip
    // then says.
    void failureReadsInTheLanguageChosen_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<CLinkFailure>("failure");
        QTest::addColumn<QStringList>("languages");
        QTest::addColumn<QStringList>("texts");
        const char* const modes[] = {"OpenGL, fast PC", "OpenGL, slow PC", "widgets"};
        for (int mode = 0; mode <= 2; ++mode) {
            QTest::addRow("%s: an older DVR at its client limit", modes[mode])
                << mode << CLinkFailure::refused(true, 4) << QStringList{"French", "Korean"}
                << QStringList{"[ERREUR]limite de clients atteinte", "[오류]접속자 수 제한"};
            QTest::addRow("%s: the DVR lost", modes[mode])
                << mode << CLinkFailure::lost() << QStringList{"Russian", "Chinese", "English"}
                << QStringList{"Ошибка подключения", "連線失敗", "Connection failed"};
            QTest::addRow("%s: a password no query can carry", modes[mode])
                << mode << CLinkFailure::notSent(COldQuery::CREDENTIAL_REFUSED) << QStringList{"Norwegian Bokmal"}
                << QStringList{"[FEIL]bruker-ID eller passord kan ikke sendes"};
        }
    }

    void failureReadsInTheLanguageChosen()
    {
        QFETCH(int, mode);
        QFETCH(CLinkFailure, failure);
        QFETCH(QStringList, languages);
        QFETCH(QStringList, texts);
        CDisplayWidget wall(nullptr);
        showWall(wall, mode);
        wall.setScreens(16);
        _DISPLAY_DVR_INFO dvr = WallFeed::dvr(1 << 5);
        dvr.failure = failure;
        wall.slotUpdateDVRStatus(dvr);
        QWidget* target = mode == OPENGL_OFF ? wall.wall()->screenWidgets()[5] : wall.wall()->view()->viewport();
        const QRect tile = wall.wall()->getDisplayRect(5);
        const QPoint at = mode == OPENGL_OFF ? target->rect().center() : tile.center();
        int paints = 0;
        PaintWatch watch(target, [&paints] { ++paints; });
        QTRY_VERIFY(paints > 0);
        for (int i = 0; i < languages.size(); ++i) {
            const QString& language = languages.at(i);
            paints = 0;
            // English has no translations to load: its texts are the code's.
            QVERIFY(CLanguage().applyLanguage(language) || language == "English");
            QTRY_VERIFY2(paints > 0, qPrintable(language));
            if (mode == OPENGL_OFF)
                QCOMPARE(shownText(target->toolTip()), texts.at(i));
            QHelpEvent help(QEvent::ToolTip, at, target->mapToGlobal(at));
            QApplication::sendEvent(target, &help);
            QTRY_COMPARE(shownText(QToolTip::text()), texts.at(i));
            QToolTip::hideText();
        }
    }

    void overlaysWhereTheSettingsSay_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("osd");
        QTest::addColumn<QList<QPoint>>("offsets");
        QTest::addColumn<QList<QColor>>("colours");
        for (int mode = 0; mode <= 2; ++mode) {
            // Icons: record at x + 1, motion at x + 17, sensor at x + 33, all at y + 15.
            QTest::addRow("mode %d, icons", mode)
                << mode << 1 << QList<QPoint>{{1 + 8, 15 + 8}, {17 + 4, 15 + 8}, {33 + 8, 15 + 8}}
                << QList<QColor>{QColor(230, 30, 30), QColor(40, 210, 40), QColor(255, 130, 0)};
            // Outlines nest: sensor outermost at 1, motion at 2, record at 3.
            QTest::addRow("mode %d, outlines", mode)
                << mode << 2 << QList<QPoint>{{3, 100}, {2, 100}, {1, 100}}
                << QList<QColor>{QColor(211, 8, 8), QColor(8, 211, 8), QColor(211, 110, 8)};
        }
    }

    void overlaysWhereTheSettingsSay()
    {
        QFETCH(int, mode);
        QFETCH(int, osd);
        QFETCH(QList<QPoint>, offsets);
        QFETCH(QList<QColor>, colours);
        CAppSettings().writeSetting(CAppSettings::OSD_RECORD, osd);
        CAppSettings().writeSetting(CAppSettings::OSD_EVENT, osd);
        CDisplayWidget wall(nullptr);
        showWall(wall, mode);
        wall.setScreens(4);
        // Tile 1: the selection frame of tile 0 would cover the outlines.
        CDisplayInfo info = pictureRecord(1, QColor(40, 40, 40));
        info.record = info.motion = info.sensor = true;
        wall.slotUpdateScreen(info);
        const QPoint corner = wall.wall()->getDisplayRect(1).topLeft();
        QImage image;
        QTRY_VERIFY((image = shot(wall), near(image.pixel(corner + offsets[0]), colours[0].rgb(), 40)));
        for (int i = 1; i < offsets.size(); ++i)
            QVERIFY2(near(image.pixel(corner + offsets[i]), colours[i].rgb(), 40), qPrintable(QString::number(i)));
        // Nothing of it without the flags.
        info.record = info.motion = info.sensor = false;
        wall.slotUpdateScreen(info);
        QTRY_VERIFY(near(shot(wall).pixel(corner + offsets[0]), qRgb(40, 40, 40), 10));
    }

    void zoomCropsThePicture_data() { addModes(); }

    void zoomCropsThePicture()
    {
        QFETCH(int, mode);
        CDisplayWidget wall(nullptr);
        showWall(wall, mode);
        wall.setScreens(16);
        wall.UpdateDisplayRect(1, 0);
        feed(wall, 0);
        const QRect tile = wall.wall()->getDisplayRect(0);
        QTRY_VERIFY(showsPattern(shot(wall), tile));

        wall.setZoom(true);
        QVERIFY(wall.IsZoom());
        QWidget* target = mode == OPENGL_OFF ? static_cast<QWidget*>(wall.wall()->screenWidgets()[0])
                                             : wall.wall()->view()->viewport();
        const QPoint from(tile.width() / 4, tile.height() / 4);
        const QPoint to(tile.width() * 3 / 4, tile.height() * 3 / 4);
        QTest::mousePress(target, Qt::LeftButton, {}, from);
        QTest::mouseMove(target, to);
        QTest::mouseRelease(target, Qt::LeftButton, {}, to);
        feed(wall, 0);
        const QRectF shown(double(from.x()) * WIDTH / tile.width(), double(from.y()) * HEIGHT / tile.height(),
            double(to.x() - from.x()) * WIDTH / tile.width(), double(to.y() - from.y()) * HEIGHT / tile.height());
        QTRY_VERIFY(showsPattern(shot(wall), tile, shown));
        QVERIFY(!showsPattern(shot(wall), tile));

        wall.setZoom(false);
        feed(wall, 0);
        QTRY_VERIFY(showsPattern(shot(wall), tile));
    }

    // What the OpenGL wall lays over its pictures is painted again when, and
    // only when, something it shows changes.
    void overlayPaintedAgainOnlyForAChange_data()
    {
        QTest::addColumn<QString>("change");
        for (const char* change :
            {"name", "title", "flag", "selection", "state image", "language", "zoom band", "layout", "size"})
            QTest::newRow(change) << QString::fromLatin1(change);
    }

    void overlayPaintedAgainOnlyForAChange()
    {
        QFETCH(QString, change);
        CAppSettings().writeSetting(CAppSettings::OSD_CH_NAME, 1);
        CAppSettings().writeSetting(CAppSettings::OSD_RECORD, 1);
        CDisplayWidget wall(nullptr);
        showWall(wall, OPENGL_HIGH_PERFORMANCE);
        wall.setScreens(4);
        if (change == QLatin1String("zoom band")) {
            wall.UpdateDisplayRect(1, 1);
            wall.updateSelectScreen(1);
        }
        // Tile 2 failed: its failure is named over its state image.
        _DISPLAY_DVR_INFO failed = WallFeed::dvr(1 << 2);
        failed.failure = CLinkFailure::lost();
        if (change == QLatin1String("language"))
            wall.slotUpdateDVRStatus(failed);
        CScreen& screens = *wall.wall();
        int redraws = 0;
        PaintWatch watch(screens.view()->viewport(), [&redraws] { ++redraws; });
        const auto redrawn = [&] {
            // The paint after the next one has begun: the next one is done.
            const int before = redraws;
            screens.setSelected(wall.screenToWidgetIndex(wall.selectedScreen()));
            QTRY_VERIFY(redraws >= before + 1);
            screens.setSelected(wall.screenToWidgetIndex(wall.selectedScreen()));
            QTRY_VERIFY(redraws >= before + 2);
        };
        CDisplayInfo info = pictureRecord(1, QColor(60, 60, 60));
        info.title = QStringLiteral("Gate");
        wall.slotUpdateScreen(info);
        redrawn();
        const int painted = screens.scene()->wallOverlay().paints();
        const QImage before = screens.scene()->wallOverlay().image();
        // New pictures of the same look, and redraws for them, paint nothing.
        CDisplayInfo next = pictureRecord(1, QColor(70, 70, 70));
        next.title = info.title;
        wall.slotUpdateScreen(next);
        redrawn();
        QCOMPARE(screens.scene()->wallOverlay().paints(), painted);

        if (change == QLatin1String("name")) {
            info.name = QStringLiteral("Another DVR");
            wall.slotUpdateScreen(info);
        } else if (change == QLatin1String("title")) {
            info.title = QStringLiteral("Yard");
            wall.slotUpdateScreen(info);
        } else if (change == QLatin1String("flag")) {
            info.record = true;
            wall.slotUpdateScreen(info);
        } else if (change == QLatin1String("selection")) {
            wall.updateSelectScreen(1);
        } else if (change == QLatin1String("state image")) {
            wall.slotUpdateDVRStatus(failed);
        } else if (change == QLatin1String("language")) {
            QVERIFY(CLanguage().applyLanguage(QStringLiteral("French")));
        } else if (change == QLatin1String("zoom band")) {
            wall.setZoom(true);
            QWidget* viewport = screens.view()->viewport();
            QTest::mousePress(viewport, Qt::LeftButton, {}, QPoint(100, 100));
            QTest::mouseMove(viewport, QPoint(300, 250));
        } else if (change == QLatin1String("layout")) {
            wall.setScreens(9);
        } else {
            wall.resize(900, 650);
        }
        QTRY_VERIFY(screens.scene()->wallOverlay().paints() > painted);
        QVERIFY(screens.scene()->wallOverlay().image() != before);
        // And once painted, it stands until the next change.
        redrawn();
        const int settled = screens.scene()->wallOverlay().paints();
        redrawn();
        QCOMPARE(screens.scene()->wallOverlay().paints(), settled);
        if (change == QLatin1String("zoom band"))
            QTest::mouseRelease(screens.view()->viewport(), Qt::LeftButton, {}, QPoint(300, 250));
    }

    // The overlay laid over the screen from its image shows what painting it
    // straight over the pictures shows: a snapshot paints it that way. Only
    // the text engine may set a glyph's edge apart.
    void overlayOnScreenAsPaintedStraight_data()
    {
        QTest::addColumn<bool>("names");
        QTest::addColumn<int>("marks");
        QTest::newRow("icons, states and selection") << false << 1;
        QTest::newRow("outlines") << false << 2;
        QTest::newRow("names") << true << 1;
    }

    void overlayOnScreenAsPaintedStraight()
    {
        QFETCH(bool, names);
        QFETCH(int, marks);
        CAppSettings().writeSetting(CAppSettings::OSD_CH_NAME, names ? 1 : 0);
        CAppSettings().writeSetting(CAppSettings::OSD_RECORD, marks);
        CAppSettings().writeSetting(CAppSettings::OSD_EVENT, marks);
        CDisplayWidget wall(nullptr);
        showWall(wall, OPENGL_HIGH_PERFORMANCE);
        wall.setScreens(9);
        for (int tile = 0; tile < 6; ++tile) {
            CDisplayInfo info = pictureRecord(tile, QColor(40 * tile, 90, 200 - 30 * tile));
            info.title = QStringLiteral("Camera %1").arg(tile + 1);
            info.record = tile % 2 == 0;
            info.motion = tile % 3 == 0;
            info.sensor = tile >= 3;
            wall.slotUpdateScreen(info);
        }
        _DISPLAY_DVR_INFO dvr = WallFeed::dvr(1 << 6 | 1 << 7);
        dvr.failure = CLinkFailure::lost();
        wall.slotUpdateDVRStatus(dvr);
        wall.updateSelectScreen(4);
        CScreen& screens = *wall.wall();
        const QRect failed = screens.getDisplayRect(6);
        const QPoint middle((failed.left() + failed.right()) / 2, (failed.top() + failed.bottom()) / 2);
        QTRY_VERIFY(near(shot(wall).pixel(middle), qRgb(230, 30, 30), 60));
        const QImage onScreen = shot(wall);

        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("straight.png"));
        QCOMPARE(wall.saveCaptureImage(path, CAPTURE_FILEFORMAT::ENUM(1)), CWholeFileWriter::Result::Written);
        const QImage straight = QImage(path).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(straight.size(), onScreen.size());
        int apart = 0;
        for (int y = 0; y < onScreen.height(); ++y) {
            for (int x = 0; x < onScreen.width(); ++x)
                apart += near(onScreen.pixel(x, y), straight.pixel(x, y), 2) ? 0 : 1;
        }
        // Glyph edges: a few hundred pixels of the names; nothing else.
        QVERIFY2(apart <= (names ? 600 : 0), qPrintable(QString::number(apart)));
    }

    void fullScreenAndBack_data() { addModes(); }

    void fullScreenAndBack()
    {
        QFETCH(int, mode);
        CAppSettings().writeSetting(CAppSettings::OPENGL, mode);
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* wall = new CDisplayWidget(&window);
        layout->addWidget(wall);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        wall->setScreens(4);
        QSignalSpy exited(wall, &CDisplayWidget::exitFullScreen);

        wall->EnterFullScreen();
        QTRY_VERIFY(wall->isFullScreen());
        QVERIFY(wall->isWindow());
        QTRY_COMPARE(wall->wall()->getDisplayRect(0).width(), (wall->width() - 10) / 2);
        // The wall draws in its new window (a new OpenGL context for the GL walls).
        feed(*wall, 1);
        QTRY_VERIFY(showsPattern(shot(*wall), wall->wall()->getDisplayRect(1)));
        // And what lies over the pictures, in the new window's context too.
        const QRect tile = wall->wall()->getDisplayRect(1);
        QVERIFY(isWhite(shot(*wall).pixel(tile.left(), tile.center().y())));

        QTest::keyClick(wall, Qt::Key_Escape);
        QCOMPARE(exited.count(), 1);
        QTRY_VERIFY(!wall->isFullScreen());
        // What the main window does next: put the wall back.
        layout->addWidget(wall);
        wall->show();
        feed(*wall, 1);
        QTRY_VERIFY(showsPattern(shot(window), wall->wall()->getDisplayRect(1).translated(wall->pos())));
        QTest::keyClick(wall, Qt::Key_Escape);
        QCOMPARE(exited.count(), 1);
    }

    void snapshotHoldsTheWall_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("format");
        QTest::addColumn<QByteArray>("magic");
        for (int mode = 0; mode <= 1; ++mode) {
            QTest::addRow("mode %d, JPEG", mode) << mode << 0 << QByteArray("\xFF\xD8");
            QTest::addRow("mode %d, PNG", mode) << mode << 1 << QByteArray("\x89PNG");
        }
        QTest::addRow("widgets: nothing written") << 2 << 1 << QByteArray();
    }

    void snapshotHoldsTheWall()
    {
        QFETCH(int, mode);
        QFETCH(int, format);
        QFETCH(QByteArray, magic);
        CDisplayWidget wall(nullptr);
        const QRect tile = patternOnScreen(wall, mode, 4, 2);
        QVERIFY(!tile.isNull());

        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("snapshot"));
        QCOMPARE(wall.saveCaptureImage(path, CAPTURE_FILEFORMAT::ENUM(format)),
            magic.isEmpty() ? CWholeFileWriter::Result::Failed : CWholeFileWriter::Result::Written);
        QFile file(path);
        if (magic.isEmpty()) {
            QVERIFY(!file.exists());
            return;
        }
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.read(magic.size()), magic);
        file.close();
        const QImage saved = QImage(path).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(saved.size(), wall.size());
        QVERIFY(showsPattern(saved, tile));
        QVERIFY(isWhite(saved.pixel(tile.left(), tile.center().y())));
    }

    // Leaving local playback: the pictures its decode threads made before
    // they stopped are still on their way to the wall, and none of them is
    // drawn, also once another local playback has started.
    void stoppedLocalPlaybackDrawsNothing_data()
    {
        QTest::addColumn<bool>("startedAgain");
        QTest::newRow("stopped") << false;
        QTest::newRow("stopped and started again") << true;
    }

    void stoppedLocalPlaybackDrawsNothing()
    {
        QFETCH(bool, startedAgain);
        CDisplayWidget wall(nullptr);
        showWall(wall, OPENGL_OFF);
        wall.setScreens(16);
        QSemaphore made;
        connect(wall.router(), &CDisplayVideo::signalUpdateScreen, [&made](const CDisplayInfo&) { made.release(); });
        _DISPLAY_DVR_INFO playback = WallFeed::dvr();
        playback.mode = DISPLAY_MODE::LOCAL_PLAYBACK;
        playback.pbMode = PAUSED;
        wall.start(DISPLAY_MODE::LOCAL_PLAYBACK);
        feed(wall, 5, playback);
        // Made on the decode threads; not yet drawn, as this thread has not
        // taken them.
        QVERIFY(made.tryAcquire(m_pictures.size(), 10000));
        // As the main window leaves local playback.
        wall.stop();
        if (startedAgain)
            wall.start(DISPLAY_MODE::LOCAL_PLAYBACK);
        wall.ClearScreen();
        QCoreApplication::sendPostedEvents();
        QVERIFY(!wall.wall()->getInfo(5).hasPicture());
        if (!startedAgain)
            return;
        feed(wall, 5, playback);
        QTRY_VERIFY(wall.wall()->getInfo(5).hasPicture());
        wall.stop();
    }

private:
    static void addOpenGLModes()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("OpenGL, fast PC") << 0;
        QTest::newRow("OpenGL, slow PC") << 1;
    }

    static void addModes()
    {
        addOpenGLModes();
        QTest::newRow("widgets") << 2;
    }

    // The wall reads its rendering from the settings when it is built anew.
    static void showWall(CDisplayWidget& wall, int mode)
    {
        CAppSettings().writeSetting(CAppSettings::OPENGL, mode);
        wall.resetDisplay();
        // Rebuilding leaves nothing behind: one spinner, the new wall's (the
        // OpenGL renderings keep theirs in the scene).
        wall.resetDisplay();
        QCOMPARE(wall.findChildren<CWaitWidget*>().size(), mode == 2 ? 1 : 0);
        wall.show();
        QVERIFY(QTest::qWaitForWindowExposed(&wall));
        QCOMPARE(wall.size(), QSize(730, 550));
    }

    // Shows the wall in `mode` with `screens` screens and feeds `channel`:
    // its tile once the screen shows the pattern there, a null rectangle
    // when it never does.
    QRect patternOnScreen(CDisplayWidget& wall, int mode, int screens, int channel)
    {
        showWall(wall, mode);
        wall.setScreens(screens);
        feed(wall, channel);
        const QRect tile = wall.wall()->getDisplayRect(channel);
        return QTest::qWaitFor([&] { return showsPattern(shot(wall), tile); }) ? tile : QRect();
    }

    void feed(CDisplayWidget& wall, int channel, const _DISPLAY_DVR_INFO& dvr = WallFeed::dvr())
    {
        for (const QByteArray& frame : WallFeed::videoFrames(channel, m_pictures))
            wall.slotDisplayVideo(dvr, reinterpret_cast<const unsigned char*>(frame.constData()), size_t(frame.size()));
    }

    QList<QByteArray> m_pictures;
};

int main(int argc, char** argv)
{
    CScreen::prepareOpenGL();
    QApplication app(argc, argv);
    tst_ScreenWall test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_ScreenWall.moc"
