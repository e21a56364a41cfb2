#include "Display/CGraphicsScene.h"
#include "Display/CScreen.h"
#include "Display/CScreenWidget.h"
#include "Display/CWaitWidget.h"
#include "ShownText.h"

#include <QGraphicsSceneMouseEvent>
#include <QTest>

// The parts of the wall that need no OpenGL: the widget-mode tiles, the
// scene's bookkeeping and the widget wall.
namespace {

CDisplayInfo picture(int width, int height)
{
    CDisplayInfo info;
    info.image = QImage(width, height, QImage::Format_RGB888);
    info.image.fill(Qt::gray);
    info.channel = 0;
    info.screen = 0;
    return info;
}

CDisplayInfo failed(const CLinkFailure& failure)
{
    CDisplayInfo info;
    info.channel = 0;
    info.screen = 0;
    info.status = true;
    info.failure = failure;
    return info;
}

void dragOnScene(QGraphicsScene& scene, QPointF from, QPointF to)
{
    QGraphicsSceneMouseEvent press(QEvent::GraphicsSceneMousePress);
    press.setButton(Qt::LeftButton);
    press.setButtons(Qt::LeftButton);
    press.setScenePos(from);
    QCoreApplication::sendEvent(&scene, &press);
    QGraphicsSceneMouseEvent move(QEvent::GraphicsSceneMouseMove);
    move.setButtons(Qt::LeftButton);
    move.setScenePos(to);
    QCoreApplication::sendEvent(&scene, &move);
    QGraphicsSceneMouseEvent release(QEvent::GraphicsSceneMouseRelease);
    release.setButton(Qt::LeftButton);
    release.setScenePos(to);
    QCoreApplication::sendEvent(&scene, &release);
}
} // namespace

class tst_ScreenTiles : public QObject {
    Q_OBJECT

private slots:
    void labelZoomMapsToImagePixels_data()
    {
        QTest::addColumn<bool>("selected");
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<QRect>("source");
        QTest::newRow("label to image pixels, truncated")
            << true << QPoint(10, 10) << QPoint(49, 39) << QRect(70, 60, 275, 175);
        QTest::newRow("dragged up and left: the same rectangle")
            << true << QPoint(49, 39) << QPoint(10, 10) << QRect(70, 60, 275, 175);
        QTest::newRow("past the label: clipped to the image")
            << true << QPoint(-20, 50) << QPoint(150, 120) << QRect(0, 300, 705, 181);
        QTest::newRow("press and release without a move: whole picture")
            << true << QPoint(10, 10) << QPoint() << QRect(0, 0, 704, 480);
        QTest::newRow("not the selected tile: presses ignored")
            << false << QPoint(10, 10) << QPoint(49, 39) << QRect(0, 0, 704, 480);
    }

    void labelZoomMapsToImagePixels()
    {
        QFETCH(bool, selected);
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(QRect, source);
        CScreenWidget label;
        label.resize(100, 80);
        label.setInfo(picture(704, 480));
        label.setSelected(selected);
        label.startZoom();
        QTest::mousePress(&label, Qt::LeftButton, {}, from);
        if (!to.isNull())
            QTest::mouseMove(&label, to);
        QTest::mouseRelease(&label, Qt::LeftButton, {}, to.isNull() ? from : to);
        QCOMPARE(label.sourceRect(), source);
        label.endZoom();
        QCOMPARE(label.sourceRect(), QRect(0, 0, 704, 480));
    }

    void labelToolTipStaysUntilCleared()
    {
        CScreenWidget label;
        label.resize(100, 80);
        label.setInfo(failed(CLinkFailure::lost()));
        QCOMPARE(shownText(label.toolTip()), QStringLiteral("Connection failed"));
        label.setInfo(picture(16, 16));
        QCOMPARE(shownText(label.toolTip()), QStringLiteral("Connection failed"));
        label.clear();
        QVERIFY(label.toolTip().isEmpty());
        QCOMPARE(label.getInfo(), CDisplayInfo());
    }

    void widgetWallHoldsOneLabelPerTile()
    {
        QWidget parent;
        parent.resize(730, 550);
        CScreen wall(&parent, OPENGL_OFF, 64);
        QCOMPARE(wall.screenWidgets().size(), 64);
        for (CScreenWidget* label : wall.screenWidgets())
            QVERIFY(!label->isHidden());
        wall.setSelected(5);
        wall.setSelected(7);
        int selected = 0;
        for (CScreenWidget* label : wall.screenWidgets())
            selected += label->isSelected() ? 1 : 0;
        QCOMPARE(selected, 1);
        QVERIFY(wall.screenWidgets()[7]->isSelected());
        // Out-of-range tiles are ignored, not indexed.
        wall.setInfo(64, picture(8, 8));
        wall.setInfo(-1, picture(8, 8));
        QCOMPARE(wall.getInfo(64), CDisplayInfo());
    }

    void sceneToolTipNamesTheFailedTile()
    {
        CGraphicsScene scene(OPENGL_HIGH_PERFORMANCE, 4);
        scene.updateDisplayRect(0, QRect(5, 5, 360, 270));
        scene.updateDisplayRect(1, QRect(364, 5, 360, 270));
        scene.setInfo(1, failed(CLinkFailure::lost()));
        scene.setInfo(0, picture(8, 8));
        scene.setInfo(9, failed(CLinkFailure::refused(false, 1)));
        QCOMPARE(scene.getToolTip(QPoint(400, 100)), QStringLiteral("Connection failed"));
        QCOMPARE(scene.getToolTip(QPoint(364, 5)), QStringLiteral("Connection failed"));
        QVERIFY(scene.getToolTip(QPoint(100, 100)).isEmpty());
        QVERIFY(scene.getToolTip(QPoint(1, 1)).isEmpty());
    }

    void sceneZoomIsClippedToTheSelectedTile_data()
    {
        QTest::addColumn<QPointF>("from");
        QTest::addColumn<QPointF>("to");
        QTest::addColumn<QRect>("zoom");
        QTest::newRow("inside") << QPointF(10.7, 20.2) << QPointF(100.9, 80.5)
                                << QRect(QPoint(10, 20), QPoint(100, 80));
        QTest::newRow("leaving the tile")
            << QPointF(600, 400) << QPointF(900, 700) << QRect(QPoint(600, 400), QPoint(729, 549));
        QTest::newRow("starting outside every tile")
            << QPointF(-50, -50) << QPointF(20, 30) << QRect(QPoint(0, 0), QPoint(20, 30));
    }

    void sceneZoomIsClippedToTheSelectedTile()
    {
        QFETCH(QPointF, from);
        QFETCH(QPointF, to);
        QFETCH(QRect, zoom);
        CGraphicsScene scene(OPENGL_HIGH_PERFORMANCE, 64);
        scene.updateDisplayRect(0, QRect(0, 0, 730, 550));
        dragOnScene(scene, from, to);
        QVERIFY(!scene.isZoomed());
        scene.startZoom();
        dragOnScene(scene, from, to);
        QVERIFY(scene.isZoomed());
        QCOMPARE(scene.zoomRect(), zoom);
        scene.endZoom();
        QVERIFY(!scene.isZoomed());
        QVERIFY(!scene.zoomRect().isValid());
    }
};

QTEST_MAIN(tst_ScreenTiles)
#include "tst_ScreenTiles.moc"
