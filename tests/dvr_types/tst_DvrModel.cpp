#include "AbortProbe.h"
#include "dvr_types/DvrModelInfo.h"

#include <QSet>
#include <QtTest>

namespace {

const QList<int> validModels = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 19, 20, 50, 51, 52, 53,
    54, 55, 56, 64, 65, 67, 68, 70, 71, 73, 76, 79, 82, 85, 100};

const QStringList listA = {"english", "korean", "russian", "turkish", "norwegian", "german", "french", "chinese_tw"};
const QStringList listB = {"english", "korean"};

} // namespace

class tst_DvrModel : public QObject {
    Q_OBJECT

private slots:
    void everyValidNumberHasARow();
    void rows_data();
    void rows();
    void invalidNumberStopsTheProgram();
};

void tst_DvrModel::everyValidNumberHasARow()
{
    QSet<QString> names;
    for (int t = -5; t <= 260; ++t) {
        QCOMPARE(DvrModel::IsValid(t), validModels.contains(t));
        if (!DvrModel::IsValid(t))
            continue;
        const DvrModelInfo info{DvrModel(t)};
        QCOMPARE(int(info.model), t);
        QVERIFY(info.languages == listA || info.languages == listB);
        QCOMPARE(info.kernelPattern, info.name.toLower() + "kernel_*.bin");
        names.insert(info.appPattern);
    }
    QCOMPARE(names.size(), validModels.size());
}

void tst_DvrModel::rows_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<unsigned>("channels");
    QTest::addColumn<unsigned>("sensors");
    QTest::addColumn<bool>("alarm");
    QTest::addColumn<QStringList>("languages");

    QTest::newRow("3") << 3 << 4u << 0u << false << listB;
    QTest::newRow("6") << 6 << 4u << 4u << true << listA;
    QTest::newRow("8") << 8 << 8u << 0u << true << listB;
    QTest::newRow("20") << 20 << 8u << 8u << true << listB;
    QTest::newRow("100") << 100 << 16u << 0u << false << listA;
}

void tst_DvrModel::rows()
{
    QFETCH(int, model);
    QFETCH(unsigned, channels);
    QFETCH(unsigned, sensors);
    QFETCH(bool, alarm);
    QFETCH(QStringList, languages);

    DvrModelInfo info{DvrModel(4)};
    info.Init(DvrModel(model));
    QCOMPARE(int(info.model), model);
    QCOMPARE(info.channels, channels);
    QCOMPARE(info.sensors, sensors);
    QCOMPARE(info.alarm, alarm);
    QCOMPARE(info.languages, languages);
}

void tst_DvrModel::invalidNumberStopsTheProgram()
{
    // 21 is an old-dialect frame header model, not a table model.
    for (int t : {18, 21}) {
        const AbortProbe::Outcome outcome = AbortProbe::run([t] { DvrModel{t}; });
        QVERIFY(outcome.aborted);
        QVERIFY(outcome.errorOutput.contains("IsValid(t)"));
    }
}

QTEST_APPLESS_MAIN(tst_DvrModel)
#include "tst_DvrModel.moc"
