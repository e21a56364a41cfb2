#include "dvr_types/PbMode.h"

#include <QtTest>

class tst_PbMode : public QObject {
    Q_OBJECT

private slots:
    void codes_data();
    void codes();
    void increase_data();
    void increase();
    void direction_data();
    void direction();
};

void tst_PbMode::codes_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("speed");
    // One letter per predicate that holds: F forward, R reverse, L slow, P pause, S step.
    QTest::addColumn<QString>("kinds");

    QTest::newRow("+1X") << 0 << "+1X" << 0 << "F";
    QTest::newRow("+4X") << 2 << "+4X" << 2 << "F";
    QTest::newRow("+256X") << 8 << "+256X" << 8 << "F";
    QTest::newRow("9") << 9 << "" << 0 << "";
    QTest::newRow("15") << 15 << "" << 0 << "";
    QTest::newRow("-1X") << 16 << "-1X" << 0 << "R";
    QTest::newRow("-32X") << 21 << "-32X" << 5 << "R";
    QTest::newRow("-256X") << 24 << "-256X" << 8 << "R";
    QTest::newRow("25") << 25 << "" << 0 << "";
    QTest::newRow("STOP") << 32 << "STOP" << 0 << "";
    QTest::newRow("+1/4X") << 33 << "+1/4X" << 0 << "L";
    QTest::newRow("+1/2X") << 34 << "+1/2X" << 0 << "L";
    QTest::newRow("35") << 35 << "" << 0 << "";
    QTest::newRow("47") << 47 << "" << 0 << "";
    QTest::newRow("PAUSE 48") << 48 << "PAUSE" << 0 << "P";
    QTest::newRow("PAUSE 49") << 49 << "PAUSE" << 0 << "P";
    QTest::newRow("PAUSE 50") << 50 << "PAUSE" << 0 << "P";
    QTest::newRow("STEP+") << 51 << "STEP+" << 0 << "S";
    QTest::newRow("STEP-") << 52 << "STEP-" << 0 << "S";
    QTest::newRow("53") << 53 << "" << 0 << "";
    QTest::newRow("-1") << -1 << "" << 0 << "";
    QTest::newRow("1000") << 1000 << "" << 0 << "";
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
    QCOMPARE(PbMode_IsForwardMode(code), kinds.contains('F'));
    QCOMPARE(PbMode_IsReverseMode(code), kinds.contains('R'));
    QCOMPARE(PbMode_IsSlowMode(code), kinds.contains('L'));
    QCOMPARE(PbMode_IsPauseMode(code), kinds.contains('P'));
    QCOMPARE(PbMode_IsStepMode(code), kinds.contains('S'));
}

void tst_PbMode::increase_data()
{
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<bool>("expected");

    QTest::newRow("+4X over +2X") << 2 << 1 << true;
    QTest::newRow("+2X over +4X") << 1 << 2 << false;
    QTest::newRow("same speed") << 3 << 3 << false;
    QTest::newRow("from pause") << 2 << 48 << false;
    QTest::newRow("into pause") << 50 << 0 << false;
    QTest::newRow("over unknown code") << 2 << 60 << true;
    QTest::newRow("-8X over +4X") << 19 << 2 << true;
    QTest::newRow("slow over +1X") << 33 << 0 << false;
}

void tst_PbMode::increase()
{
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(bool, expected);
    QCOMPARE(PbMode_IsIncrease(a, b), expected);
}

void tst_PbMode::direction_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("previous");
    QTest::addColumn<int>("expected");

    QTest::newRow("forward") << 3 << 20 << 0;
    QTest::newRow("reverse") << 20 << 0 << 1;
    QTest::newRow("pause after reverse") << 48 << 20 << 1;
    QTest::newRow("pause after forward") << 48 << 3 << 0;
    QTest::newRow("pause after pause") << 48 << 48 << 1;
    QTest::newRow("pause after reverse pause") << 48 << 50 << 1;
    QTest::newRow("pause after step back") << 48 << 52 << 1;
    QTest::newRow("reverse pause") << 50 << 0 << 1;
    QTest::newRow("forward pause") << 49 << 20 << 0;
    QTest::newRow("step back") << 52 << 0 << 1;
    QTest::newRow("step forward") << 51 << 20 << 0;
    QTest::newRow("above the table") << 60 << 20 << 0;
    QTest::newRow("stop") << 32 << 20 << 0;
}

void tst_PbMode::direction()
{
    QFETCH(int, mode);
    QFETCH(int, previous);
    QFETCH(int, expected);
    QCOMPARE(PbMode_Mode2Direction(mode, previous), expected);
}

QTEST_APPLESS_MAIN(tst_PbMode)
#include "tst_PbMode.moc"
