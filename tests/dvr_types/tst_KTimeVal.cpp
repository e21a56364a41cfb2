#include "AbortProbe.h"
#include "dvr_types/KTimeVal.h"
#include "dvr_types/PtsDelay.h"

#include <QtTest>

Q_DECLARE_METATYPE(KTimeVal)

namespace {

QString describe(const KTimeVal& t)
{
    return QStringLiteral("{%1 s, %2 us}").arg(t.sec).arg(t.usec);
}

bool same(const KTimeVal& a, const KTimeVal& b)
{
    return a.sec == b.sec && a.usec == b.usec;
}

#define COMPARE_TV(actual, expected)                                                                                   \
    QVERIFY2(same(actual, expected), qPrintable(QStringLiteral("%1 != %2").arg(describe(actual), describe(expected))))

// 2014-01-01 00:00:00, a real DVR time.
const qint64 epoch = 1388534400;

} // namespace

class tst_KTimeVal : public QObject {
    Q_OBJECT

private slots:
    void divide_data();
    void divide();
    void divideByZeroIsRefused();
    void delay_data();
    void delay();
    void notStartedStartsAtFirstFrame();
    void pacingKeepsFrameSpacingAtRealTimes_data();
    void pacingKeepsFrameSpacingAtRealTimes();
    void systemTimeIsNormalised();
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
    QTest::newRow("real time by 256") << KTimeVal{epoch, 0} << 256.0 << KTimeVal{5423962, 500000};
    QTest::newRow("real time at half speed") << KTimeVal{epoch, 500000} << 0.5 << KTimeVal{2777068801, 0};
    QTest::newRow("real time at quarter speed") << KTimeVal{epoch, 250000} << 0.25 << KTimeVal{5554137601, 0};
    QTest::newRow("last 32-bit second") << KTimeVal{4294967295, 999999} << 1.0 << KTimeVal{4294967295, 999000};
    QTest::newRow("truncated quotient") << KTimeVal{0, 1000} << 3.0 << KTimeVal{0, 0};
}

void tst_KTimeVal::divide()
{
    QFETCH(KTimeVal, time);
    QFETCH(double, factor);
    QFETCH(KTimeVal, expected);
    COMPARE_TV(time / factor, expected);
}

void tst_KTimeVal::divideByZeroIsRefused()
{
    const AbortProbe::Outcome outcome = AbortProbe::run([] { (void)(KTimeVal{epoch, 0} / 0.0); });
    QVERIFY(outcome.aborted);
    QVERIFY(outcome.errorOutput.contains("dvr_types/KTimeVal"));
}

void tst_KTimeVal::delay_data()
{
    QTest::addColumn<KTimeVal>("delay");
    QTest::addColumn<KTimeVal>("lastPts");
    QTest::addColumn<KTimeVal>("lastNow");
    QTest::addColumn<KTimeVal>("pts");
    QTest::addColumn<KTimeVal>("now");
    QTest::addColumn<KTimeVal>("expected");

    QTest::newRow("forward") << KTimeVal{} << KTimeVal{10, 0} << KTimeVal{100, 0} << KTimeVal{10, 400000}
                             << KTimeVal{100, 100000} << KTimeVal{0, 300000};
    QTest::newRow("backward counts the same") << KTimeVal{} << KTimeVal{10, 0} << KTimeVal{100, 0}
                                              << KTimeVal{9, 600000} << KTimeVal{100, 100000} << KTimeVal{0, 300000};
    QTest::newRow("backward across a second")
        << KTimeVal{} << KTimeVal{10, 0} << KTimeVal{100, 0} << KTimeVal{9, 0} << KTimeVal{100, 0} << KTimeVal{1, 0};
    QTest::newRow("clock ran ahead") << KTimeVal{} << KTimeVal{10, 0} << KTimeVal{100, 0} << KTimeVal{10, 100000}
                                     << KTimeVal{100, 300000} << KTimeVal{-1, 800000};
    QTest::newRow("carry into seconds") << KTimeVal{0, 900000} << KTimeVal{10, 0} << KTimeVal{100, 0}
                                        << KTimeVal{10, 200000} << KTimeVal{100, 0} << KTimeVal{1, 100000};
    QTest::newRow("real times") << KTimeVal{} << KTimeVal{epoch, 960000} << KTimeVal{epoch + 7, 990000}
                                << KTimeVal{epoch + 1, 0} << KTimeVal{epoch + 8, 10000} << KTimeVal{0, 20000};
}

void tst_KTimeVal::delay()
{
    QFETCH(KTimeVal, delay);
    QFETCH(KTimeVal, lastPts);
    QFETCH(KTimeVal, lastNow);
    QFETCH(KTimeVal, pts);
    QFETCH(KTimeVal, now);
    QFETCH(KTimeVal, expected);

    PtsDelay state{delay, lastPts, lastNow};
    COMPARE_TV(state.GetDelay(pts, now), expected);
    COMPARE_TV(state.lastPts, lastPts);

    state.Update(pts, now);
    COMPARE_TV(state.delay, expected);
    COMPARE_TV(state.lastPts, pts);
    COMPARE_TV(state.lastSystemTime, now);
}

void tst_KTimeVal::notStartedStartsAtFirstFrame()
{
    PtsDelay state;
    state.delay = KTimeVal{3, 0};
    state.lastPts = KTimeVal{epoch, 0};
    COMPARE_TV(state.GetDelay(KTimeVal{epoch + 5, 0}, KTimeVal{epoch, 0}), KTimeVal{});

    state.Update(KTimeVal{epoch + 5, 0}, KTimeVal{epoch, 1});
    COMPARE_TV(state.delay, KTimeVal{});
    COMPARE_TV(state.lastPts, (KTimeVal{epoch + 5, 0}));
    COMPARE_TV(state.lastSystemTime, (KTimeVal{epoch, 1}));
}

void tst_KTimeVal::pacingKeepsFrameSpacingAtRealTimes_data()
{
    QTest::addColumn<double>("factor");
    QTest::addColumn<int>("expectedUs");

    QTest::newRow("+1X") << 1.0 << 40000;
    QTest::newRow("+2X") << 2.0 << 20000;
    QTest::newRow("+1/2X") << 0.5 << 80000;
}

void tst_KTimeVal::pacingKeepsFrameSpacingAtRealTimes()
{
    // The decode loop: ask how early the frame is, sleep that long, decode,
    // then update with the clock read after decoding. Frames are 40 ms apart
    // at a real DVR time and scaled by the playback speed.
    QFETCH(double, factor);
    QFETCH(int, expectedUs);

    PtsDelay state;
    qint64 clockUs = (epoch + 3600) * 1000000LL + 123456;
    auto clock = [&clockUs] { return KTimeVal{clockUs / 1000000, int(clockUs % 1000000)}; };
    for (int frame = 0; frame < 25; ++frame) {
        const qint64 frameMs = epoch * 1000 + 500 + frame * 40;
        const KTimeVal pts = KTimeVal{frameMs / 1000, int(frameMs % 1000) * 1000} / factor;
        const KTimeVal delay = state.GetDelay(pts, clock());
        if (frame > 0) {
            const qint64 delayUs = delay.sec * 1000000 + delay.usec;
            QVERIFY2(qAbs(delayUs - expectedUs) <= 1000,
                qPrintable(QStringLiteral("frame %1 delayed %2 us").arg(frame).arg(delayUs)));
            clockUs += delayUs;
        }
        state.Update(pts, clock());
    }
}

void tst_KTimeVal::systemTimeIsNormalised()
{
    const KTimeVal now = KTimeVal::GetSystemTv();
    QVERIFY(now.usec >= 0 && now.usec <= 999999);
    QVERIFY(qAbs(now.sec - QDateTime::currentSecsSinceEpoch()) <= 1);
}

QTEST_APPLESS_MAIN(tst_KTimeVal)
#include "tst_KTimeVal.moc"
