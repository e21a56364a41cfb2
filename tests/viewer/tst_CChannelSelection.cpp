#include "viewer/CChannelSelection.h"

#include <QTest>

// Which channels a DVR is asked for, by the screens on view.
class tst_CChannelSelection : public QObject {
    Q_OBJECT

private slots:
    void channelsOnView_data()
    {
        QTest::addColumn<quint32>("source");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("viewStart");
        QTest::addColumn<int>("viewCount");
        QTest::addColumn<bool>("manyDvrs");
        QTest::addColumn<quint32>("channels");
        QTest::addColumn<bool>("meets");
        // One DVR: screens are channel numbers, whatever its block.
        QTest::newRow("one DVR, 16 screens") << 0xFFFFu << 0 << 16 << 0 << 16 << false << 0xFFFFu << true;
        QTest::newRow("one DVR, Screen4_4") << 0xFFFFu << 0 << 16 << 4 << 4 << false << 0x00F0u << true;
        QTest::newRow("one DVR, mask 0x00F0 on Screen4_4") << 0x00F0u << 0 << 4 << 4 << 4 << false << 0x00F0u << false;
        QTest::newRow("one DVR, Screen9_7") << 0xFFFFu << 0 << 16 << 7 << 9 << false << 0xFF80u << true;
        QTest::newRow("one DVR, Ch5 of a mask without it") << 0xFFDFu << 0 << 15 << 5 << 1 << false << 0u << true;
        // Many DVRs: a block holds the mask's channels in rank order.
        QTest::newRow("many, mask 0x000A") << 0x000Au << 0 << 2 << 0 << 64 << true << 0x000Au << true;
        QTest::newRow("many, second of 0x000A only") << 0x000Au << 0 << 2 << 1 << 4 << true << 0x0008u << true;
        QTest::newRow("many, block 16-31 in 2x2 page 4") << 0xFFFFu << 16 << 16 << 16 << 4 << true << 0x000Fu << true;
        QTest::newRow("many, block 32-39 half on view") << 0x00FFu << 32 << 8 << 36 << 9 << true << 0x00F0u << true;
        QTest::newRow("many, 8x8 page 2 past the block") << 0xFFFFu << 32 << 16 << 64 << 64 << true << 0u << false;
        QTest::newRow("many, view before the block") << 0xFFFFu << 16 << 16 << 0 << 16 << true << 0u << false;
    }

    void channelsOnView()
    {
        QFETCH(quint32, source);
        QFETCH(int, first);
        QFETCH(int, count);
        QFETCH(int, viewStart);
        QFETCH(int, viewCount);
        QFETCH(bool, manyDvrs);
        QFETCH(quint32, channels);
        QFETCH(bool, meets);
        const CChannelSelection::Block block{first, count};
        QCOMPARE(CChannelSelection::channelsOnView(source, block, viewStart, viewCount, manyDvrs), channels);
        QCOMPARE(CChannelSelection::meetsView(block, viewStart, viewCount), meets);
    }
};

QTEST_APPLESS_MAIN(tst_CChannelSelection)
#include "tst_CChannelSelection.moc"
