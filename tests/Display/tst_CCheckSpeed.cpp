#include "Display/CCheckSpeed.h"

#include <QtTest>
#include <thread>
#include <vector>

using Entries = QList<QPair<quint64, quint64>>;
using Samples = QList<QPair<long, unsigned long>>; // second, bytes

namespace {

Entries entries(const CCheckSpeed& meter)
{
    Entries list;
    for (const auto& data : meter.history())
        list.append({data.bytes, data.pictures});
    return list;
}

} // namespace

class tst_CCheckSpeed : public QObject {
    Q_OBJECT

private slots:
    void countsWholeSeconds_data();
    void countsWholeSeconds();
    void readingCountsSecondsWithoutPictures_data();
    void readingCountsSecondsWithoutPictures();
    void keepsTheLastSixtySeconds();
    void aLongGapDoesNotSpin();
    void resetStartsOver();
    void writersAndReadersMayRunAtOnce();
};

void tst_CCheckSpeed::countsWholeSeconds_data()
{
    QTest::addColumn<Samples>("samples");
    QTest::addColumn<Entries>("expected");

    const long s = 1'700'000'000;
    QTest::newRow("first two seconds are not counted")
        << Samples{{s, 10}, {s + 1, 20}, {s + 2, 30}, {s + 3, 40}} << Entries{{30, 1}};
    QTest::newRow("silent seconds enter as zeros") << Samples{{s, 1}, {s + 2, 1000}, {s + 2, 1000}, {s + 2, 1000},
        {s + 5, 7}} << Entries{{3000, 3}, {0, 0}, {0, 0}};
    QTest::newRow("pictures from before the current second are dropped")
        << Samples{{s, 1}, {s + 3, 100}, {s + 2, 5000}, {s + 3, 100}, {s + 4, 1}} << Entries{{0, 0}, {200, 2}};
    QTest::newRow("nothing finished yet") << Samples{{s, 1}, {s + 2, 9}} << Entries{};
}

void tst_CCheckSpeed::countsWholeSeconds()
{
    QFETCH(Samples, samples);
    QFETCH(Entries, expected);
    CCheckSpeed meter;
    for (const auto& sample : samples)
        meter.addData(sample.second, sample.first);
    QCOMPARE(entries(meter), expected);
}

void tst_CCheckSpeed::readingCountsSecondsWithoutPictures_data()
{
    QTest::addColumn<long>("later");
    QTest::addColumn<Entries>("expected");
    // Pictures in s+2 and s+3, read at s+3+later.
    QTest::newRow("within the drawing second") << 0L << Entries{{30, 1}};
    QTest::newRow("one second on: the last second closes") << 1L << Entries{{30, 1}, {40, 1}};
    QTest::newRow("drawing stopped: empty seconds follow") << 3L << Entries{{30, 1}, {40, 1}, {0, 0}, {0, 0}};
}

void tst_CCheckSpeed::readingCountsSecondsWithoutPictures()
{
    QFETCH(long, later);
    QFETCH(Entries, expected);
    CCheckSpeed meter;
    const long s = 1'700'000'000;
    for (long t = s; t <= s + 3; ++t)
        meter.addData(static_cast<unsigned long>((t - s) * 10 + 10), t);
    Entries list;
    for (const auto& data : meter.readingAt(s + 3 + later).seconds)
        list.append({data.bytes, data.pictures});
    QCOMPARE(list, expected);
    // Reading changes nothing.
    QCOMPARE(entries(meter), (Entries{{30, 1}}));
}

void tst_CCheckSpeed::keepsTheLastSixtySeconds()
{
    CCheckSpeed meter;
    const long s = 1'700'000'000;
    meter.addData(1, s);
    for (long t = s + 2; t <= s + 2 + 61; ++t)
        meter.addData(static_cast<unsigned long>(t - s), t);
    const Entries list = entries(meter);
    QCOMPARE(list.size(), 60);
    // 61 seconds (s+2 to s+62) have finished; s+2 was dropped first.
    QCOMPARE(list.first(), qMakePair(quint64(3), quint64(1)));
    QCOMPARE(list.last(), qMakePair(quint64(62), quint64(1)));
}

void tst_CCheckSpeed::aLongGapDoesNotSpin()
{
    CCheckSpeed meter;
    const long s = 1'000'000;
    meter.addData(1, s);
    meter.addData(500, s + 2);
    meter.addData(1, 2'000'000'000);
    const Entries list = entries(meter);
    QCOMPARE(list.size(), 60);
    QCOMPARE(list.first(), qMakePair(quint64(0), quint64(0)));
}

void tst_CCheckSpeed::resetStartsOver()
{
    CCheckSpeed meter;
    const long s = 1'700'000'000;
    meter.addData(1, s);
    meter.addData(10, s + 2);
    meter.addData(10, s + 3);
    QCOMPARE(entries(meter).size(), 1);
    meter.reset();
    QVERIFY(entries(meter).isEmpty());
    meter.addData(10, s + 4); // first picture after the reset again only starts the count
    meter.addData(10, s + 5);
    QVERIFY(entries(meter).isEmpty());
}

void tst_CCheckSpeed::writersAndReadersMayRunAtOnce()
{
    CCheckSpeed meter;
    std::vector<std::thread> threads;
    for (int w = 0; w < 4; ++w) {
        threads.emplace_back([&meter, w] {
            for (int i = 0; i < 2000; ++i)
                meter.addData(100, 1'700'000'000 + i / 100 + w);
        });
    }
    threads.emplace_back([&meter] {
        for (int i = 0; i < 500; ++i) {
            for (const auto& data : meter.history())
                QVERIFY(data.bytes == data.pictures * 100);
            if (i % 100 == 0)
                meter.reset();
        }
    });
    for (auto& thread : threads)
        thread.join();
}

QTEST_APPLESS_MAIN(tst_CCheckSpeed)
#include "tst_CCheckSpeed.moc"
