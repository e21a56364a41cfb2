#include "dvr_types/PbMode.h"
#include "dvr_types/StreamTypes.h"

#include <QtTest>

class tst_PbMode : public QObject {
    Q_OBJECT

private slots:
    void codes_data();
    void codes();
    void pairs_data();
    void pairs();
    void jpegIsNoValidStream();
};

void tst_PbMode::codes_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("speed");
    // One letter per predicate that holds: F forward, R reverse, L slow, P pause, S step.
    QTest::addColumn<QString>("kinds");

    QTest::newRow("+1X") << 0 << "+1X" << 0 << "F";
    QTest::newRow("+256X") << 8 << "+256X" << 8 << "F";
    QTest::newRow("9") << 9 << "" << 0 << "";
    QTest::newRow("-1X") << 16 << "-1X" << 0 << "R";
    QTest::newRow("-256X") << 24 << "-256X" << 8 << "R";
    QTest::newRow("25") << 25 << "" << 0 << "";
    QTest::newRow("STOP") << 32 << "STOP" << 0 << "";
    QTest::newRow("+1/4X") << 33 << "+1/4X" << 0 << "L";
    QTest::newRow("+1/2X") << 34 << "+1/2X" << 0 << "L";
    QTest::newRow("47") << 47 << "" << 0 << "";
    QTest::newRow("PAUSE 48") << 48 << "PAUSE" << 0 << "P";
    QTest::newRow("PAUSE 50") << 50 << "PAUSE" << 0 << "P";
    QTest::newRow("STEP+") << 51 << "STEP+" << 0 << "S";
    QTest::newRow("STEP-") << 52 << "STEP-" << 0 << "S";
    QTest::newRow("53") << 53 << "" << 0 << "";
    QTest::newRow("-1") << -1 << "" << 0 << "";
}

void tst_PbMode::codes()
{
    QFETCH(int, code);
    QFETCH(QString, text);
    QFETCH(int, speed);
    QFETCH(QString, kinds);

    QCOMPARE(PbMode_IsValid(code), !text.isEmpty());
    QCOMPARE(PbMode_Mode2String(code), text);
    QCOMPARE(PbMode_Mode2Speed(code), speed);
    const QString held = QString(PbMode_IsForwardMode(code) ? "F" : "") + (PbMode_IsReverseMode(code) ? "R" : "")
        + (PbMode_IsSlowMode(code) ? "L" : "") + (PbMode_IsPauseMode(code) ? "P" : "")
        + (PbMode_IsStepMode(code) ? "S" : "");
    QCOMPARE(held, kinds);
}

void tst_PbMode::pairs_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("previous");
    QTest::addColumn<bool>("increase");
    QTest::addColumn<int>("direction");

    QTest::newRow("+4X after +2X") << 2 << 1 << true << 0;
    QTest::newRow("+2X after +4X") << 1 << 2 << false << 0;
    QTest::newRow("-8X after +4X") << 19 << 2 << true << 1;
    QTest::newRow("+4X after unknown") << 2 << 60 << true << 0;
    QTest::newRow("+4X after pause") << 2 << 48 << false << 0;
    QTest::newRow("pause after reverse") << 48 << 20 << false << 1;
    QTest::newRow("pause after forward") << 48 << 3 << false << 0;
    QTest::newRow("pause after pause") << 48 << 48 << false << 1;
    QTest::newRow("pause after step back") << 48 << 52 << false << 1;
    QTest::newRow("reverse pause") << 50 << 0 << false << 1;
    QTest::newRow("forward pause") << 49 << 20 << false << 0;
    QTest::newRow("step forward after reverse") << 51 << 20 << false << 0;
    QTest::newRow("above the table") << 60 << 20 << false << 0;
}

void tst_PbMode::pairs()
{
    QFETCH(int, mode);
    QFETCH(int, previous);
    QFETCH(bool, increase);
    QFETCH(int, direction);
    QCOMPARE(PbMode_IsIncrease(mode, previous), increase);
    QCOMPARE(PbMode_Mode2Direction(mode, previous), direction);
}

void tst_PbMode::jpegIsNoValidStream()
{
    QVERIFY(!NetworkStream_IsValid(0) && NetworkStream_IsValid(1));
    QCOMPARE(NetworkStream_Index2String(0), QStringLiteral("JPEG"));
}

QTEST_APPLESS_MAIN(tst_PbMode)
#include "tst_PbMode.moc"
