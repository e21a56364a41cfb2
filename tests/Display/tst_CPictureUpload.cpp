#include "Display/CPictureUpload.h"

#include <QtTest>

// How much of a picture goes up to its tile's texture, for the tile sizes
// of the wall's layouts in the small window (730 x 550) and on a full-HD
// screen, zoomed or not.
class tst_CPictureUpload : public QObject {
    Q_OBJECT

private slots:
    void uploadsWhatTheTileShows_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QSize>("tile");
        QTest::addColumn<QRectF>("shown");
        QTest::addColumn<bool>("grab");
        QTest::addColumn<int>("rowStep");
        QTest::addColumn<QRect>("source");
        QTest::addColumn<int>("textureRows");
        const QSize d1(704, 480);
        const QSize hd(1920, 1080);
        const QRectF whole;
        QTest::newRow("D1, 16 tiles of the small window")
            << d1 << QSize(180, 135) << whole << false << 3 << QRect(0, 0, 704, 480) << 160;
        QTest::newRow("D1, 64 tiles of the small window")
            << d1 << QSize(90, 67) << whole << false << 7 << QRect(0, 0, 704, 480) << 69;
        QTest::newRow("D1, 4 tiles of the small window: shown whole")
            << d1 << QSize(360, 270) << whole << false << 1 << QRect(0, 0, 704, 480) << 480;
        QTest::newRow("D1, one tile larger than the picture")
            << d1 << QSize(1910, 1070) << whole << false << 1 << QRect(0, 0, 704, 480) << 480;
        QTest::newRow("full HD, 16 tiles of the small window")
            << hd << QSize(180, 135) << whole << false << 8 << QRect(0, 0, 1920, 1080) << 135;
        QTest::newRow("full HD, 16 tiles of a full-HD screen")
            << hd << QSize(477, 267) << whole << false << 4 << QRect(0, 0, 1920, 1080) << 270;
        QTest::newRow("full HD, 9 tiles of the small window, rows left over")
            << hd << QSize(240, 180) << whole << false << 6 << QRect(0, 0, 1920, 1080) << 180;
        QTest::newRow("odd height: the last stepped row is the picture's")
            << QSize(352, 241) << QSize(100, 60) << whole << false << 4 << QRect(0, 0, 352, 241) << 61;
        // Zoomed: the part shown, two pixels more for the filter, from even
        // pixels for the chroma planes; every row.
        QTest::newRow("zoomed in the middle")
            << d1 << QSize(720, 540) << QRectF(QPointF(175.5, 119.2), QPointF(527.9, 358.6)) << false << 1
            << QRect(QPoint(172, 116), QPoint(530, 361)) << 480;
        QTest::newRow("zoomed at the corner: clipped to the picture")
            << d1 << QSize(720, 540) << QRectF(QPointF(0.4, 0.3), QPointF(703.2, 479.9)) << false << 1
            << QRect(0, 0, 704, 480) << 480;
        QTest::newRow("zoomed on a shrunk tile: every row of the part")
            << hd << QSize(180, 135) << QRectF(QPointF(100, 100), QPointF(300, 200)) << false << 1
            << QRect(QPoint(98, 98), QPoint(302, 202)) << 1080;
        QTest::newRow("a grab takes the whole picture")
            << hd << QSize(180, 135) << QRectF(QPointF(100, 100), QPointF(300, 200)) << true << 1
            << QRect(0, 0, 1920, 1080) << 1080;
        QTest::newRow("a tile not laid out: the whole picture")
            << d1 << QSize(0, 0) << whole << false << 1 << QRect(0, 0, 704, 480) << 480;
    }

    void uploadsWhatTheTileShows()
    {
        QFETCH(QSize, picture);
        QFETCH(QSize, tile);
        QFETCH(QRectF, shown);
        QFETCH(bool, grab);
        QFETCH(int, rowStep);
        QFETCH(QRect, source);
        QFETCH(int, textureRows);
        const CPictureUpload upload = CPictureUpload::plan(picture, tile, shown, grab);
        QCOMPARE(upload.rowStep, rowStep);
        QCOMPARE(upload.source, source);
        QCOMPARE(upload.textureRows(picture.height()), textureRows);
        // Never a row past the picture's last.
        QVERIFY((upload.textureRows(picture.height()) - 1) * upload.rowStep < picture.height());
        // The rows that go up still cover the tile: it is never drawn from
        // fewer rows than it has.
        if (!grab && shown.isNull() && !tile.isEmpty())
            QVERIFY(upload.textureRows(picture.height()) >= qMin(tile.height(), picture.height()));
    }
};

QTEST_GUILESS_MAIN(tst_CPictureUpload)
#include "tst_CPictureUpload.moc"
