#include "Display/CWallLayout.h"

#include <QTest>

class tst_CWallLayout : public QObject {
    Q_OBJECT

private slots:
    void tiles_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QSize>("wall");
        QTest::addColumn<QList<QRect>>("expected");
        const QSize wall(730, 550);
        QTest::newRow("one screen fills the wall") << 1 << wall << QList<QRect>{QRect(0, 0, 730, 550)};
        QTest::newRow("three screens: each fills the wall")
            << 3 << wall << QList<QRect>{QRect(0, 0, 730, 550), QRect(0, 0, 730, 550), QRect(0, 0, 730, 550)};
        QTest::newRow("four: neighbours share their border line")
            << 4 << wall
            << QList<QRect>{
                   QRect(5, 5, 360, 270), QRect(364, 5, 360, 270), QRect(5, 274, 360, 270), QRect(364, 274, 360, 270)};
        QTest::newRow("sixteen on an odd wall: grid centred")
            << 16 << QSize(731, 551)
            << QList<QRect>{QRect(5, 5, 180, 135), QRect(184, 5, 180, 135), QRect(363, 5, 180, 135),
                   QRect(542, 5, 180, 135), QRect(5, 139, 180, 135)};
        QTest::newRow("no screens") << 0 << wall << QList<QRect>{};
        QTest::newRow("too small for tiles") << 4 << QSize(10, 10) << QList<QRect>{};
    }

    void tiles()
    {
        QFETCH(int, count);
        QFETCH(QSize, wall);
        QFETCH(QList<QRect>, expected);
        const QList<QRect> rects = CWallLayout::tileRects(count, wall);
        QCOMPARE(rects.size(), CWallLayout::MAX_TILES);
        for (int i = 0; i < CWallLayout::MAX_TILES; ++i) {
            if (i < expected.size())
                QCOMPARE(rects[i], expected[i]);
            else if (i >= count)
                QVERIFY2(rects[i].isNull(), qPrintable(QString::number(i)));
        }
    }

    // Every screen lies on exactly the page that pageOf names, and no page
    // starts past the last screen.
    void pagesReachEveryScreen_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("pages");
        QTest::newRow("1") << 1 << 256;
        QTest::newRow("9: the last page holds 252 to 255") << 9 << 29;
        QTest::newRow("25") << 25 << 11;
        QTest::newRow("64") << 64 << 4;
    }

    void pagesReachEveryScreen()
    {
        QFETCH(int, count);
        QFETCH(int, pages);
        QCOMPARE(CWallLayout::pageCount(count), pages);
        for (int screen = 0; screen < CWallLayout::MAX_SCREENS; ++screen) {
            const int page = CWallLayout::pageOf(screen, count);
            QVERIFY(page >= 0 && page < pages);
            const int start = CWallLayout::pageStart(page, count);
            QVERIFY2(screen >= start && screen < start + count, qPrintable(QString::number(screen)));
        }
        QVERIFY(CWallLayout::pageStart(pages, count) < CWallLayout::MAX_SCREENS);
        QCOMPARE(CWallLayout::pageStart(-1, count), 0);
    }
};

QTEST_MAIN(tst_CWallLayout)
#include "tst_CWallLayout.moc"
