#include "Display/CCheckSpeed.h"

#include <QRegularExpression>
#include <QtTest>
#include <thread>
#include <vector>

namespace {

using Clock = CCheckSpeed::Clock;

Clock::time_point at(double seconds)
{
    return Clock::time_point(std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds)));
}

// Drives the meter through blank-separated events up to the moment `until`,
// times in seconds: "r10" a reset at 10; "25x4000@0..10" 25 pictures a
// second of 4000 bytes each from 0 up to, not including, 10; "0.5x500@0..10"
// one picture every two seconds.
void drive(CCheckSpeed& meter, const QString& events, double until)
{
    static const QRegularExpression pictures(QStringLiteral("^([0-9.]+)x([0-9]+)@([0-9.]+)\\.\\.([0-9.]+)$"));
    for (const QString& event : events.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (event.startsWith(QLatin1Char('r'))) {
            if (event.mid(1).toDouble() <= until)
                meter.reset(at(event.mid(1).toDouble()));
            continue;
        }
        const QRegularExpressionMatch match = pictures.match(event);
        QVERIFY2(match.hasMatch(), qPrintable(event));
        const double perSecond = match.captured(1).toDouble();
        const unsigned long bytes = match.captured(2).toULong();
        const double from = match.captured(3).toDouble();
        const double to = match.captured(4).toDouble();
        // Counted, not summed, so that steps of a fraction of a second do not
        // drift past the end.
        for (long i = 0; from + i / perSecond < to && from + i / perSecond <= until; ++i)
            meter.addData(bytes, at(from + i / perSecond));
    }
}

} // namespace

class tst_CCheckSpeed : public QObject {
    Q_OBJECT

private slots:
    void readOut_data();
    void readOut();
    void aLongGapDoesNotSpin();
    void writersAndReadersMayRunAtOnce();
};

// Each row: the events, the moment of reading, and what the read-out shows
// then. A figure shown is the drawn wall's, none until it has one; a wall
// that draws nothing reads 0.
void tst_CCheckSpeed::readOut_data()
{
    QTest::addColumn<QString>("events");
    QTest::addColumn<double>("readAt");
    QTest::addColumn<QString>("shown");

    QTest::newRow("a steady wall") << "10x100@0..5" << 4.95 << "10 FPS / 100";
    QTest::newRow("a fresh meter, nothing drawn") << "" << 100.0 << "0 FPS / 0";

    // Another DVR chosen, a disconnect and the like: a wall drawing one
    // picture a second follows one drawing 25.
    const QString another = QStringLiteral("25x4000@0..10 r10 1x500@10.2..20");
    QTest::newRow("another wall: none of the old wall's figure") << another << 10.9 << "";
    QTest::newRow("another wall: its figure once it has one") << another << 11.5 << "1 FPS / 500";
    QTest::newRow("another wall: its figure stays its own") << another << 13.5 << "1 FPS / 500";

    // A sequence at a 2 s step after 16 tiles drew 160 pictures a second;
    // the one tile draws 10, its first picture a little after each step.
    const QString sequence = QStringLiteral(
        "160x14218@0..10 r10 10x3000@10.1..12 r12 10x3000@12.1..14 r14 10x3000@14.1..16 r16 10x3000@16.1..18");
    QTest::newRow("sequence: right after a step, no figure") << sequence << 14.05 << "";
    QTest::newRow("sequence: the tile's figure within its step") << sequence << 14.8 << "10 FPS / 3000";
    QTest::newRow("sequence: and late in its step") << sequence << 15.95 << "10 FPS / 3000";
    QTest::newRow("resets in a row keep no figure from before the first")
        << "25x4000@0..10 r10 r10.5 5x200@10.6..11" << 10.9 << "";

    QTest::newRow("less than a picture a second") << "0.5x500@0..10" << 9.5 << "0.5 FPS / 500";
    QTest::newRow("a slow wall is drawing between its pictures") << "0.5x500@0..10" << 11.5 << "0.5 FPS / 500";
    QTest::newRow("a slow wall that stopped") << "0.5x500@0..10" << 12.5 << "0 FPS / 0";
    QTest::newRow("a rate just under a whole one") << "9.8x100@0..10" << 9.99 << "9.8 FPS / 100";

    QTest::newRow("a wall that stopped drawing reads 0") << "10x100@0..5" << 7.5 << "0 FPS / 0";
    QTest::newRow("a reset, its first picture awaited") << "10x100@0..5 r5" << 6.5 << "";
    QTest::newRow("a reset, nothing drawn since") << "10x100@0..5 r5" << 7.5 << "0 FPS / 0";
    QTest::newRow("a first picture alone is no pace yet") << "r0 1x100@0.5..1" << 2.0 << "";
    QTest::newRow("a decoder's start is no pace") << "r0 100x100@0.1..0.15" << 1.0 << "";
    // 50 pictures, then 3 s without, then 20: 69 counted over 9.9 s.
    QTest::newRow("seconds without pictures count") << "10x100@0..5 10x100@8..10" << 9.95 << "7 FPS / 100";
    // Of 30 s at 10 and 70 s at 1, the last 60 whole seconds are read.
    QTest::newRow("the last minute counts") << "10x100@0..30 1x200@30..100" << 99.5 << "1 FPS / 200";
}

void tst_CCheckSpeed::readOut()
{
    QFETCH(QString, events);
    QFETCH(double, readAt);
    QFETCH(QString, shown);
    CCheckSpeed meter;
    drive(meter, events, readAt);
    QCOMPARE(meter.readOut(at(readAt)), shown);
    // Reading changes nothing.
    QCOMPARE(meter.readOut(at(readAt)), shown);
}

void tst_CCheckSpeed::aLongGapDoesNotSpin()
{
    CCheckSpeed meter;
    drive(meter, QStringLiteral("10x100@0..2"), 2);
    // Some 63 years later: one picture in the last minute.
    meter.addData(100, at(2e9));
    QCOMPARE(meter.readOut(at(2e9)), QStringLiteral("0.017 FPS / 100"));
}

void tst_CCheckSpeed::writersAndReadersMayRunAtOnce()
{
    CCheckSpeed meter;
    std::vector<std::thread> threads;
    for (int w = 0; w < 4; ++w) {
        threads.emplace_back([&meter] {
            for (int i = 0; i < 2000; ++i)
                meter.addData(100, at(i / 100.0));
        });
    }
    threads.emplace_back([&meter] {
        static const QRegularExpression shown(QStringLiteral("^$|^[0-9.]+ FPS / (100|0)$"));
        for (int i = 0; i < 500; ++i) {
            const QString text = meter.readOut(at(i / 25.0));
            QVERIFY2(shown.match(text).hasMatch(), qPrintable(text));
            if (i % 100 == 0)
                meter.reset(at(i / 25.0));
        }
    });
    for (auto& thread : threads)
        thread.join();
}

QTEST_APPLESS_MAIN(tst_CCheckSpeed)
#include "tst_CCheckSpeed.moc"
