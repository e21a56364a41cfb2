#include "dvr_types/StreamTypes.h"

#include <QtTest>

namespace {

using Check = bool (*)(int);

const struct {
    const char* name;
    Check check;
} checks[] = {{"VideoType", VideoType_IsValid}, {"KCodecType", KCodecType_IsValid},
    {"NetworkStream", NetworkStream_IsValid}, {"FrameType", FrameType_IsValid}, {"RecordReason", RecordReason_IsValid}};

} // namespace

class tst_StreamTypes : public QObject {
    Q_OBJECT

private slots:
    void validValues_data();
    void validValues();
    void networkStreamNames();
    void recordReasonUpdate();
};

void tst_StreamTypes::validValues_data()
{
    QTest::addColumn<int>("which");
    QTest::addColumn<QList<int>>("valid");

    const QList<QList<int>> expected = {{0, 1}, {0, 1, 3}, {1}, {0, 1, 3}, {0, 1, 2, 3}};
    for (int i = 0; i < int(std::size(checks)); ++i)
        QTest::newRow(checks[i].name) << i << expected[i];
}

void tst_StreamTypes::validValues()
{
    QFETCH(int, which);
    QFETCH(QList<int>, valid);
    for (int value = -2; value <= 260; ++value)
        QVERIFY2(checks[which].check(value) == valid.contains(value), qPrintable(QString::number(value)));
}

void tst_StreamTypes::networkStreamNames()
{
    QCOMPARE(NetworkStream_Index2String(0), QStringLiteral("JPEG"));
    QCOMPARE(NetworkStream_Index2String(1), QStringLiteral("H264"));
    QCOMPARE(NetworkStream_Index2String(2), QString());
    QVERIFY(!NetworkStream_IsValid(0));
}

void tst_StreamTypes::recordReasonUpdate()
{
    QCOMPARE(RecordReason_Update(3, 1), 1);
    QCOMPARE(RecordReason_Update(0, 2), 2);
}

QTEST_APPLESS_MAIN(tst_StreamTypes)
#include "tst_StreamTypes.moc"
