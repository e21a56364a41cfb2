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
    void validNumbers();
    void everyModelHasSoundFacts();
    void rows_data();
    void rows();
    void invalidNumberStopsTheProgram_data();
    void invalidNumberStopsTheProgram();
};

void tst_DvrModel::validNumbers()
{
    for (int t = -5; t <= 260; ++t)
        QVERIFY2(DvrModel::IsValid(t) == validModels.contains(t), qPrintable(QString::number(t)));
}

void tst_DvrModel::everyModelHasSoundFacts()
{
    QSet<QString> names;
    for (int t : validModels) {
        const DvrModelInfo info{DvrModel(t)};
        QCOMPARE(int(info.model), t);
        QVERIFY(info.channels == 4 || info.channels == 8 || info.channels == 16);
        QVERIFY(info.sensors == 0 || info.sensors == 4 || info.sensors == 8);
        QVERIFY(info.sensors == 0 || info.alarm);
        QVERIFY(info.languages == listA || info.languages == listB);
        QVERIFY(!info.name.isEmpty());
        names.insert(info.name);
        QCOMPARE(info.appPattern, info.name.toLower() + "app_*.bin");
        QCOMPARE(info.kernelPattern, info.name.toLower() + "kernel_*.bin");
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

    QTest::newRow("0") << 0 << 16u << 8u << true << listA;
    QTest::newRow("3") << 3 << 4u << 0u << false << listB;
    QTest::newRow("6") << 6 << 4u << 4u << true << listA;
    QTest::newRow("8") << 8 << 8u << 0u << true << listB;
    QTest::newRow("20") << 20 << 8u << 8u << true << listB;
    QTest::newRow("54") << 54 << 16u << 0u << true << listA;
    QTest::newRow("85") << 85 << 4u << 4u << true << listB;
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

void tst_DvrModel::invalidNumberStopsTheProgram_data()
{
    QTest::addColumn<int>("model");
    for (int t : {-1, 18, 21, 57, 101})
        QTest::newRow(qPrintable(QString::number(t))) << t;
}

void tst_DvrModel::invalidNumberStopsTheProgram()
{
    QFETCH(int, model);
    const AbortProbe::Outcome outcome = AbortProbe::run([model] { DvrModel{model}; });
    QVERIFY(outcome.aborted);
    QVERIFY(outcome.errorOutput.contains("IsValid(t)"));
    QVERIFY(outcome.errorOutput.contains("./dvr_types/model_info.h"));
}

QTEST_APPLESS_MAIN(tst_DvrModel)
#include "tst_DvrModel.moc"
