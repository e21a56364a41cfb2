#include "Common/CChannelNum.h"
#include "Common/CChnum.h"

#include <QCheckBox>
#include <QRegularExpression>
#include <QtTest>
#include <memory>
#include <vector>

namespace {

// Owns the boxes of one test; the list is what the helpers take.
struct Boxes {
    explicit Boxes(const QStringList& names)
    {
        for (const QString& name : names) {
            owned.push_back(std::make_unique<QCheckBox>());
            owned.back()->setObjectName(name);
            list.append(owned.back().get());
        }
    }

    QStringList names() const
    {
        QStringList result;
        for (const QCheckBox* box : list)
            result.append(box->objectName());
        return result;
    }

    std::vector<std::unique_ptr<QCheckBox>> owned;
    QList<QCheckBox*> list;
};

} // namespace

class tst_ChannelMasks : public QObject {
    Q_OBJECT

private slots:
    void indexCount_data();
    void indexCount();
    void enabled_data();
    void enabled();
    void checkedCount_data();
    void checkedCount();
    void checkBoxRoundTrip_data();
    void checkBoxRoundTrip();
    void sortByChannelNumber_data();
    void sortByChannelNumber();
};

void tst_ChannelMasks::indexCount_data()
{
    QTest::addColumn<qulonglong>("mask");
    QTest::addColumn<int>("channel");
    QTest::addColumn<int>("expected");

    QTest::newRow("fourth set bit") << 0x0035ull << 5 << 3;
    QTest::newRow("first set bit") << 0x0035ull << 0 << 0;
    QTest::newRow("clear bit counts all") << 0x0035ull << 1 << 3;
    QTest::newRow("empty mask") << 0x0000ull << 3 << -1;
    QTest::newRow("bit 16 never counts") << 0x10000ull << 0 << -1;
    QTest::newRow("channel 16") << 0xFFFFull << 16 << 15;
    QTest::newRow("negative channel") << 0x0003ull << -1 << 1;
    QTest::newRow("last channel") << 0xFFFFull << 15 << 15;
    QTest::newRow("high bits ignored") << 0xFFFF0000000000F0ull << 7 << 3;
}

void tst_ChannelMasks::indexCount()
{
    QFETCH(qulonglong, mask);
    QFETCH(int, channel);
    QFETCH(int, expected);
    QCOMPARE(CChannelNum::getIndexCount(mask, channel), expected);
}

void tst_ChannelMasks::enabled_data()
{
    QTest::addColumn<qulonglong>("mask");
    QTest::addColumn<int>("channel");
    QTest::addColumn<bool>("expected");

    QTest::newRow("channel 15 of 0xFFFF") << 0xFFFFull << 15 << true;
    QTest::newRow("channel 16 of 0xFFFF") << 0xFFFFull << 16 << false;
    QTest::newRow("bit 63") << 0x8000000000000000ull << 63 << true;
    QTest::newRow("channel 64") << ~0ull << 64 << false;
    QTest::newRow("channel -1") << ~0ull << -1 << false;
    QTest::newRow("clear bit") << 0x0035ull << 1 << false;
}

void tst_ChannelMasks::enabled()
{
    QFETCH(qulonglong, mask);
    QFETCH(int, channel);
    QFETCH(bool, expected);
    QCOMPARE(CChannelNum::isEnabled(mask, channel), expected);
}

void tst_ChannelMasks::checkedCount_data()
{
    QTest::addColumn<qulonglong>("mask");
    QTest::addColumn<int>("expected");

    QTest::newRow("all 16") << 0xFFFFull << 16;
    QTest::newRow("bit 16 ignored") << 0x1FFFFull << 16;
    QTest::newRow("none") << 0ull << 0;
    QTest::newRow("three") << 0x8101ull << 3;
}

void tst_ChannelMasks::checkedCount()
{
    QFETCH(qulonglong, mask);
    QFETCH(int, expected);
    QCOMPARE(CChnum::getCheckedChNum(static_cast<unsigned long>(mask)), expected);
}

void tst_ChannelMasks::checkBoxRoundTrip_data()
{
    QTest::addColumn<int>("boxes");
    QTest::addColumn<qulonglong>("mask");
    QTest::addColumn<qulonglong>("expected");

    QTest::newRow("four boxes") << 4 << 0x0005ull << 0x0005ull;
    QTest::newRow("two boxes") << 2 << 0x0005ull << 0x0001ull;
    QTest::newRow("no boxes") << 0 << 0xFFFFull << 0ull;
    QTest::newRow("sixteen boxes") << 16 << 0x1A5A5ull << 0xA5A5ull;
    QTest::newRow("clears what was checked") << 4 << 0ull << 0ull;
}

void tst_ChannelMasks::checkBoxRoundTrip()
{
    QFETCH(int, boxes);
    QFETCH(qulonglong, mask);
    QFETCH(qulonglong, expected);

    QStringList names;
    for (int i = 0; i < boxes; ++i)
        names.append(QStringLiteral("ch%1").arg(i + 1));
    Boxes set(names);
    for (QCheckBox* box : set.list)
        box->setChecked(true);

    CChnum::setCheckBoxValue(set.list, static_cast<unsigned long>(mask));
    QCOMPARE(qulonglong(CChnum::getCheckBoxValue(set.list)), expected);
}

void tst_ChannelMasks::sortByChannelNumber_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("sorted");
    QTest::addColumn<int>("unnumbered");

    QTest::newRow("numeric, not text order")
        << QStringList{"check10", "check2", "check1"} << QStringList{"check1", "check2", "check10"} << 0;
    QTest::newRow("first run of digits") << QStringList{"ch12_3", "ch3_12"} << QStringList{"ch3_12", "ch12_3"} << 0;
    QTest::newRow("already sorted") << QStringList{"a1", "a2", "a3"} << QStringList{"a1", "a2", "a3"} << 0;
    QTest::newRow("unnumbered boxes go last")
        << QStringList{"chX", "ch9", "chY", "ch1", "ch10"} << QStringList{"ch1", "ch9", "ch10", "chX", "chY"} << 2;
    QTest::newRow("empty") << QStringList{} << QStringList{} << 0;
}

void tst_ChannelMasks::sortByChannelNumber()
{
    QFETCH(QStringList, names);
    QFETCH(QStringList, sorted);
    QFETCH(int, unnumbered);

    Boxes boxes(names);
    for (int i = 0; i < unnumbered; ++i)
        QTest::ignoreMessage(
            QtDebugMsg, QRegularExpression("^\\[ERROR\\] Can't find a channel number from ch[XY]\\n$"));
    CChnum::SortCheckBox(&boxes.list);
    QCOMPARE(boxes.names(), sorted);
}

QTEST_MAIN(tst_ChannelMasks)
#include "tst_ChannelMasks.moc"
