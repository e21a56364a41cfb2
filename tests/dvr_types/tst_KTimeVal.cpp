#include "dvr_types/KTimeVal.h"
#include "dvr_types/PtsDelay.h"

#include <QtTest>

namespace {

// 2014-01-01 00:00:00, a real DVR time.
const qint64 epoch = 1388534400;

QString text(const KTimeVal& t)
{
    return QStringLiteral("{%1 s, %2 us}").arg(t.sec).arg(t.usec);
}

} // namespace

class tst_KTimeVal : public QObject {
    Q_OBJECT

private slots:
    void divide_data();
    void divide();
    void delay_data();
    void delay();
    void pacingAtRealTimes_data();
    void pacingAtRealTimes();
};

void tst_KTimeVal::divide_data()
{
    QTest::addColumn<KTimeVal>("time");
    QTest::addColumn<double>("factor");
    QTest::addColumn<KTimeVal>("expected");

    QTest::newRow("half of 1.5 s") << KTimeVal{1, 500000} << 2.0 << KTimeVal{0, 750000};
    QTest::newRow("sub-millisecond lost") << KTimeVal{0, 999} << 1.0 << KTimeVal{0, 0};
    QTest::newRow("real time unchanged") << KTimeVal{epoch, 500000} << 1.0 << KTimeVal{epoch, 500000};
    QTest::newRow("real time halved") << KTimeVal{epoch, 500000} << 2.0 << KTimeVal{694267200, 250000};
    QTest::newRow("real time at quarter speed") << KTimeVal{epoch, 250000} << 0.25 << KTimeVal{5554137601, 0};
    QTest::newRow("last 32-bit second") << KTimeVal{4294967295, 999999} << 1.0 << KTimeVal{4294967295, 999000};
}

void tst_KTimeVal::divide()
{
    QFETCH(KTimeVal, time);
    QFETCH(double, factor);
    QFETCH(KTimeVal, expected);
    QCOMPARE(text(time / factor), text(expected));
}

void tst_KTimeVal::delay_data()
{
    QTest::addColumn<PtsDelay>("state");
    QTest::addColumn<KTimeVal>("pts");
    QTest::addColumn<KTimeVal>("now");
    QTest::addColumn<KTimeVal>("expected");

    const PtsDelay started{{}, {10, 0}, {100, 0}};
    QTest::newRow("forward") << started << KTimeVal{10, 400000} << KTimeVal{100, 100000} << KTimeVal{0, 300000};
    QTest::newRow("backward counts the same")
        << started << KTimeVal{9, 600000} << KTimeVal{100, 100000} << KTimeVal{0, 300000};
    QTest::newRow("clock ran ahead") << started << KTimeVal{10, 100000} << KTimeVal{100, 300000}
                                     << KTimeVal{-1, 800000};
    QTest::newRow("carry into seconds") << PtsDelay{{0, 900000}, {10, 0}, {100, 0}} << KTimeVal{10, 200000}
                                        << KTimeVal{100, 0} << KTimeVal{1, 100000};
    QTest::newRow("not started") << PtsDelay{{3, 0}, {epoch, 0}, {}} << KTimeVal{epoch + 5, 0} << KTimeVal{epoch, 0}
                                 << KTimeVal{};
}

void tst_KTimeVal::delay()
{
    QFETCH(PtsDelay, state);
    QFETCH(KTimeVal, pts);
    QFETCH(KTimeVal, now);
    QFETCH(KTimeVal, expected);

    QCOMPARE(text(state.GetDelay(pts, now)), text(expected));
    state.Update(pts, now);
    QCOMPARE(text(state.delay), text(expected));
    QCOMPARE(text(state.lastPts), text(pts));
    QCOMPARE(text(state.lastSystemTime), text(now));
}

void tst_KTimeVal::pacingAtRealTimes_data()
{
    QTest::addColumn<double>("factor");
    QTest::addColumn<int>("expectedUs");

    QTest::newRow("+1X") << 1.0 << 40000;
    QTest::newRow("+2X") << 2.0 << 20000;
    QTest::newRow("+1/2X") << 0.5 << 80000;
}

void tst_KTimeVal::pacingAtRealTimes()
{
    // The decode loop on a simulated clock: ask how early the frame is, sleep
    // that long, update. Frames are 40 ms apart at a real DVR time.
    QFETCH(double, factor);
    QFETCH(int, expectedUs);

    PtsDelay state;
    qint64 clockUs = (epoch + 3600) * 1000000 + 123456;
    auto clock = [&clockUs] { return KTimeVal{clockUs / 1000000, int(clockUs % 1000000)}; };
    for (int frame = 0; frame < 25; ++frame) {
        const qint64 frameMs = epoch * 1000 + 500 + frame * 40;
        const KTimeVal pts = KTimeVal{frameMs / 1000, int(frameMs % 1000) * 1000} / factor;
        const KTimeVal delay = state.GetDelay(pts, clock());
        const qint64 delayUs = delay.sec * 1000000 + delay.usec;
        if (frame > 0)
            QVERIFY2(qAbs(delayUs - expectedUs) <= 1000, qPrintable(QString::number(delayUs)));
        clockUs += delayUs;
        state.Update(pts, clock());
    }
}

QTEST_APPLESS_MAIN(tst_KTimeVal)
#include "tst_KTimeVal.moc"
