#include "dvr_types/CPlaybackSpeed.h"

#include <QtTest>

class tst_CPlaybackSpeed : public QObject {
    Q_OBJECT

private slots:
    void modeToSpeed_data();
    void modeToSpeed();
    void speedToMode_data();
    void speedToMode();
};

void tst_CPlaybackSpeed::modeToSpeed_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<float>("speed");
    QTest::newRow("+1X") << 0 << 1.0f;
    QTest::newRow("+2X") << 1 << 2.0f;
    QTest::newRow("+256X") << 8 << 256.0f;
    QTest::newRow("-1X") << 16 << -1.0f;
    QTest::newRow("-32X") << 21 << -32.0f;
    QTest::newRow("-256X") << 24 << -256.0f;
    QTest::newRow("+1/4X") << 33 << 0.25f;
    QTest::newRow("+1/2X") << 34 << 0.5f;
    QTest::newRow("gap after forward") << 9 << 0.0f;
    QTest::newRow("gap after reverse") << 25 << 0.0f;
    QTest::newRow("STOP") << 32 << 0.0f;
    QTest::newRow("PAUSE") << 48 << 0.0f;
    QTest::newRow("STEP+") << 51 << 0.0f;
    QTest::newRow("negative") << -1 << 0.0f;
    QTest::newRow("far above") << 1000 << 0.0f;
}

void tst_CPlaybackSpeed::modeToSpeed()
{
    QFETCH(int, mode);
    QFETCH(float, speed);
    QCOMPARE(CPlaybackSpeed::PlayMode2Speed(mode), speed);
}

void tst_CPlaybackSpeed::speedToMode_data()
{
    QTest::addColumn<float>("speed");
    QTest::addColumn<int>("mode");
    QTest::newRow("1") << 1.0f << 0;
    QTest::newRow("32") << 32.0f << 5;
    QTest::newRow("-1") << -1.0f << 16;
    QTest::newRow("-256") << -256.0f << 24;
    QTest::newRow("0.25") << 0.25f << 33;
    QTest::newRow("0.5") << 0.5f << 34;
    QTest::newRow("0") << 0.0f << 32;
    QTest::newRow("3") << 3.0f << 32;
    QTest::newRow("0.125") << 0.125f << 32;
    QTest::newRow("-0.5") << -0.5f << 32;
}

void tst_CPlaybackSpeed::speedToMode()
{
    QFETCH(float, speed);
    QFETCH(int, mode);
    QCOMPARE(CPlaybackSpeed::Speed2PlayMode(speed), mode);
}

QTEST_APPLESS_MAIN(tst_CPlaybackSpeed)
#include "tst_CPlaybackSpeed.moc"
