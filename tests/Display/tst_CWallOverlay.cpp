#include "Display/CWallOverlay.h"

#include <QPainter>
#include <QtTest>

// What the wall's overlay is painted into at each pixel ratio, and where it
// is laid over the pictures: the blocks that hold something, joined into few
// rectangles, covering every pixel drawn.
class tst_CWallOverlay : public QObject {
    Q_OBJECT

private slots:
    // The image holds the whole surface in device pixels: the border and the
    // selection of a tile filling the surface run along the image's far edges,
    // as thick as the ratio makes a logical pixel.
    void imageCoversTheSurfaceAtItsPixelRatio_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("2") << qreal(2);
        QTest::newRow("3") << qreal(3);
    }

    void imageCoversTheSurfaceAtItsPixelRatio()
    {
        QFETCH(qreal, ratio);
        const QSize surface(120, 90);
        CWallOverlay::Look look;
        look.surface = surface;
        look.pixelRatio = ratio;
        look.tiles.append(CWallOverlay::tileOf(QRect(QPoint(0, 0), surface), CDisplayInfo()));
        look.selected = 0;
        CWallOverlay overlay;
        overlay.render(look, COverlayPainter());
        const QImage& image = overlay.image();
        const int r = int(ratio);
        QCOMPARE(image.size(), surface * r);
        QCOMPARE(image.devicePixelRatio(), ratio);
        const int right = image.width() - 1;
        const int bottom = image.height() - 1;
        for (int i = 0; i < r; ++i) {
            QCOMPARE(image.pixel(right - i, bottom / 2), qRgb(255, 255, 255));
            QCOMPARE(image.pixel(image.width() / 2, bottom - i), qRgb(255, 255, 255));
            // The selection's two pixels lie just inside the border.
            QCOMPARE(image.pixel(right - r - i, bottom / 2), qRgb(255, 255, 0));
            QCOMPARE(image.pixel(right - 2 * r - i, bottom / 2), qRgb(255, 255, 0));
        }
        QCOMPARE(qAlpha(image.pixel(right - 3 * r, bottom / 2)), 0);
        const QList<QRect>& covered = overlay.covered();
        QVERIFY(std::any_of(
            covered.cbegin(), covered.cend(), [&](const QRect& part) { return part.contains(right, bottom); }));
    }

    void coversWhatIsDrawnInFewParts_data()
    {
        QTest::addColumn<QList<QRect>>("drawn");
        QTest::addColumn<QList<QRect>>("parts");
        QTest::newRow("nothing") << QList<QRect>{} << QList<QRect>{};
        QTest::newRow("one pixel: its block") << QList<QRect>{{5, 6, 1, 1}} << QList<QRect>{{4, 4, 4, 4}};
        QTest::newRow("a line across: one strip") << QList<QRect>{{0, 9, 30, 1}} << QList<QRect>{{0, 8, 30, 4}};
        QTest::newRow("a line down: one column") << QList<QRect>{{13, 0, 1, 21}} << QList<QRect>{{12, 0, 4, 21}};
        QTest::newRow("a frame: top, sides, bottom") << QList<QRect>{{0, 0, 30, 1}, {0, 0, 1, 21}, {29, 0, 1, 21},
            {0, 20, 30, 1}} << QList<QRect>{{0, 0, 30, 4}, {0, 4, 4, 16}, {28, 4, 2, 16}, {0, 20, 30, 1}};
        QTest::newRow("a filled tile and a mark apart")
            << QList<QRect>{{2, 2, 10, 10}, {22, 2, 2, 2}} << QList<QRect>{{20, 0, 4, 4}, {0, 0, 12, 12}};
    }

    void coversWhatIsDrawnInFewParts()
    {
        QFETCH(QList<QRect>, drawn);
        QFETCH(QList<QRect>, parts);
        QImage image(30, 21, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            for (const QRect& rect : drawn)
                painter.fillRect(rect, QColor(255, 255, 255, 40));
        }
        const QList<QRect> covered = CWallOverlay::coveredParts(image, 4);
        QCOMPARE(covered, parts);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (qAlpha(image.pixel(x, y)) == 0)
                    continue;
                const bool inPart = std::any_of(
                    covered.cbegin(), covered.cend(), [x, y](const QRect& part) { return part.contains(x, y); });
                QVERIFY2(inPart, qPrintable(QStringLiteral("%1, %2").arg(x).arg(y)));
            }
        }
    }
};

QTEST_MAIN(tst_CWallOverlay)
#include "tst_CWallOverlay.moc"
