#include "Common/CChannelNum.h"
#include "Common/CChnum.h"

#include <QCheckBox>
#include <QRegularExpression>
#include <QtTest>
#include <memory>
#include <vector>

class tst_ChannelMasks : public QObject {
    Q_OBJECT

private slots:
    void masks_data();
    void masks();
    void checkBoxes_data();
    void checkBoxes();

private:
    QList<QCheckBox*> makeBoxes(const QStringList& names);
    std::vector<std::unique_ptr<QCheckBox>> m_boxes;
};

QList<QCheckBox*> tst_ChannelMasks::makeBoxes(const QStringList& names)
{
    QList<QCheckBox*> list;
    for (const QString& name : names) {
        m_boxes.push_back(std::make_unique<QCheckBox>());
        m_boxes.back()->setObjectName(name);
        list.append(m_boxes.back().get());
    }
    return list;
}

void tst_ChannelMasks::masks_data()
{
    QTest::addColumn<qulonglong>("mask");
    QTest::addColumn<int>("channel");
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("checked");

    QTest::newRow("fourth set bit") << 0x0035ull << 5 << 3 << true << 4;
    QTest::newRow("first set bit") << 0x0035ull << 0 << 0 << true << 4;
    QTest::newRow("clear bit counts all") << 0x0035ull << 1 << 3 << false << 4;
    QTest::newRow("empty mask") << 0x0000ull << 3 << -1 << false << 0;
    QTest::newRow("bit 16 never counts") << 0x10000ull << 16 << -1 << true << 0;
    QTest::newRow("channel 15 of all") << 0xFFFFull << 15 << 15 << true << 16;
    QTest::newRow("channel 16 of all") << 0x1FFFFull << 16 << 15 << true << 16;
    QTest::newRow("bit 63") << 0x80000000000000F0ull << 63 << 3 << true << 4;
    QTest::newRow("channel 64") << ~0ull << 64 << 15 << false << 16;
    QTest::newRow("channel -1") << ~0ull << -1 << 15 << false << 16;
}

void tst_ChannelMasks::masks()
{
    QFETCH(qulonglong, mask);
    QFETCH(int, channel);
    QFETCH(int, index);
    QFETCH(bool, enabled);
    QFETCH(int, checked);
    QCOMPARE(CChannelNum::getIndexCount(mask, channel), index);
    QCOMPARE(CChannelNum::isEnabled(mask, channel), enabled);
    QCOMPARE(CChnum::getCheckedChNum(static_cast<unsigned long>(mask)), checked);
}

void tst_ChannelMasks::checkBoxes_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<qulonglong>("mask");
    QTest::addColumn<QStringList>("sorted");
    QTest::addColumn<qulonglong>("read");

    QTest::newRow("numeric, not text order")
        << QStringList{"check10", "check2", "check1"} << 0x5ull << QStringList{"check1", "check2", "check10"} << 0x5ull;
    QTest::newRow("two boxes hold two bits")
        << QStringList{"ch2", "ch1"} << 0x5ull << QStringList{"ch1", "ch2"} << 0x1ull;
    QTest::newRow("first run of digits") << QStringList{"ch12_3", "ch3_12"} << 0x3ull << QStringList{"ch3_12", "ch12_3"}
                                         << 0x3ull;
    QTest::newRow("unnumbered boxes go last") << QStringList{"chX", "ch9", "chY", "ch1", "ch10"} << 0x1Aull
                                              << QStringList{"ch1", "ch9", "ch10", "chX", "chY"} << 0x1Aull;
    QTest::newRow("no boxes") << QStringList{} << 0xFFFFull << QStringList{} << 0ull;
}

void tst_ChannelMasks::checkBoxes()
{
    QFETCH(QStringList, names);
    QFETCH(qulonglong, mask);
    QFETCH(QStringList, sorted);
    QFETCH(qulonglong, read);

    QList<QCheckBox*> boxes = makeBoxes(names);
    for (const QString& name : names) {
        if (!name.contains(QRegularExpression("\\d")))
            QTest::ignoreMessage(QtDebugMsg, qPrintable("[ERROR] Can't find a channel number from " + name + "\n"));
    }
    CChnum::SortCheckBox(&boxes);
    QStringList order;
    for (QCheckBox* box : boxes) {
        order.append(box->objectName());
        box->setChecked(true);
    }
    QCOMPARE(order, sorted);

    CChnum::setCheckBoxValue(boxes, static_cast<unsigned long>(mask));
    QCOMPARE(qulonglong(CChnum::getCheckBoxValue(boxes)), read);
}

QTEST_MAIN(tst_ChannelMasks)
#include "tst_ChannelMasks.moc"
