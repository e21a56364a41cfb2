#include "dvr_types/CPlaybackSpeed.h"

#include <QtTest>

class tst_CPlaybackSpeed : public QObject {
    Q_OBJECT

private slots:
    void modeToSpeed_data();
    void modeToSpeed();
    void everySpeedLeadsBackToItsMode();
};

void tst_CPlaybackSpeed::modeToSpeed_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<float>("speed");
    QTest::newRow("+1X") << 0 << 1.0f;
    QTest::newRow("+256X") << 8 << 256.0f;
    QTest::newRow("+1/4X") << 33 << 0.25f;
    QTest::newRow("+1/2X") << 34 << 0.5f;
    QTest::newRow("gap after forward") << 9 << 0.0f;
    QTest::newRow("STOP") << 32 << 0.0f;
    QTest::newRow("PAUSE") << 48 << 0.0f;
    QTest::newRow("negative") << -1 << 0.0f;
    QTest::newRow("far above") << 1000 << 0.0f;
}

void tst_CPlaybackSpeed::modeToSpeed()
{
    QFETCH(int, mode);
    QFETCH(float, speed);
    QCOMPARE(CPlaybackSpeed::PlayMode2Speed(mode), speed);
}

void tst_CPlaybackSpeed::everySpeedLeadsBackToItsMode()
{
    int moving = 0;
    for (int mode = 0; mode < 64; ++mode) {
        const float speed = CPlaybackSpeed::PlayMode2Speed(mode);
        if (speed != 0.0f) {
            QCOMPARE(CPlaybackSpeed::Speed2PlayMode(speed), mode);
            ++moving;
        }
    }
    QCOMPARE(moving, 20);
    // Each step doubles the speed; reverse modes mirror forward ones.
    for (int step = 0; step < 9; ++step) {
        if (step > 0)
            QCOMPARE(CPlaybackSpeed::PlayMode2Speed(step), 2 * CPlaybackSpeed::PlayMode2Speed(step - 1));
        QCOMPARE(CPlaybackSpeed::PlayMode2Speed(16 + step), -CPlaybackSpeed::PlayMode2Speed(step));
    }
    // Speeds no mode has stop.
    for (const float speed : {0.0f, 3.0f, 0.125f, -0.5f})
        QCOMPARE(CPlaybackSpeed::Speed2PlayMode(speed), 32);
}

QTEST_APPLESS_MAIN(tst_CPlaybackSpeed)
#include "tst_CPlaybackSpeed.moc"
