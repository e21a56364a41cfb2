#include "DVRSetup/CChannelWidget.h"
#include "DVRSetup/CModelInfoDialog.h"
#include "DVRSetup/CProgressDialog.h"
#include "DVRSetup/CSeqWidget.h"
#include "DVRSetup/DefStream.h"
#include "DVRSetup/KValidator.h"
#include "dvr_types/DvrModel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QProgressBar>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QRegularExpressionValidator>
#include <QTest>
#include <functional>

using Factory = std::function<QRegularExpressionValidator*(QObject*)>;
Q_DECLARE_METATYPE(Factory)

namespace {

QCheckBox* box(QWidget& widget, const QString& name)
{
    return widget.findChild<QCheckBox*>(name);
}

// "1,5" clicks CH1 then CH5.
void clickChannels(QWidget& picker, const QString& clicks)
{
    for (const QString& channel : clicks.split(QLatin1Char(','), Qt::SkipEmptyParts))
        box(picker, QStringLiteral("ch%1").arg(channel.toInt() - 1))->click();
}

} // namespace

class tst_SetupHelpers : public QObject {
    Q_OBJECT

private slots:
    void defaultRates_data();
    void defaultRates();
    void rateIndexes();
    void validators_data();
    void validators();
    void modelDialogForEveryModel();
    void channelPicker_data();
    void channelPicker();
    void randomClicksKeepTheLimit();
    void sequencePicker_data();
    void sequencePicker();
    void progressFollowsReports();
};

void tst_SetupHelpers::defaultRates_data()
{
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("type");
    QTest::addColumn<QList<int>>("rates"); // resolutions 0 to 3
    const int ntsc = config::VIDEO_TYPE_NTSC;
    const int pal = config::VIDEO_TYPE_PAL;
    QTest::newRow("4 record NTSC") << 4 << 0 << ntsc << QList<int>{30, 30, 30, 30};
    QTest::newRow("4 record PAL") << 4 << 0 << pal << QList<int>{25, 25, 25, 25};
    QTest::newRow("4 network NTSC") << 4 << 1 << ntsc << QList<int>{30, 15, 7, 7};
    QTest::newRow("4 network PAL") << 4 << 1 << pal << QList<int>{25, 9, 6, 6};
    QTest::newRow("8 record NTSC") << 8 << 0 << ntsc << QList<int>{30, 30, 15, 15};
    QTest::newRow("8 record PAL") << 8 << 0 << pal << QList<int>{25, 25, 9, 9};
    QTest::newRow("8 network NTSC") << 8 << 1 << ntsc << QList<int>{15, 7, 3, 3};
    QTest::newRow("8 network PAL") << 8 << 1 << pal << QList<int>{9, 6, 3, 3};
    QTest::newRow("16 record NTSC") << 16 << 0 << ntsc << QList<int>{30, 30, 30, 15};
    QTest::newRow("16 record PAL") << 16 << 0 << pal << QList<int>{25, 25, 25, 13};
    QTest::newRow("16 network NTSC") << 16 << 1 << ntsc << QList<int>{15, 7, 3, 1};
    QTest::newRow("16 network PAL") << 16 << 1 << pal << QList<int>{12, 6, 3, 1};
    QTest::newRow("6 channels") << 6 << 0 << ntsc << QList<int>{0, 0, 0, 0};
    QTest::newRow("kind 3") << 16 << 3 << pal << QList<int>{0, 0, 0, 0};
}

void tst_SetupHelpers::defaultRates()
{
    QFETCH(int, channels);
    QFETCH(int, kind);
    QFETCH(int, type);
    QFETCH(QList<int>, rates);
    QList<int> got;
    for (int resolution = 0; resolution < config::Resolution_ARRAYSIZE; ++resolution) {
        got << DefStream::FPS_GetDefAll(
            channels, static_cast<config::VideoType>(type), static_cast<config::Resolution>(resolution), kind);
    }
    QCOMPARE(got, rates);
}

void tst_SetupHelpers::rateIndexes()
{
    const auto ntsc = config::VIDEO_TYPE_NTSC;
    const auto pal = config::VIDEO_TYPE_PAL;
    QCOMPARE(DefStream::FPS_REAL2IDX(pal, 8), 7);
    QCOMPARE(DefStream::FPS_REAL2IDX(pal, 13), 9);
    QCOMPARE(DefStream::FPS_REAL2IDX(ntsc, 12), 8);
    QCOMPARE(DefStream::FPS_REAL2IDX(ntsc, 100), 10);
    QCOMPARE(DefStream::FPS_REAL2IDX(ntsc, -5), 0);
    QCOMPARE(DefStream::FPS_IDX2REAL(pal, 10), 25);
    QCOMPARE(DefStream::FPS_IDX2REAL(ntsc, 10), 30);
    for (const auto type : {ntsc, pal}) {
        for (int index = 0; index < DefStream::FPSNtsc.size(); ++index)
            QCOMPARE(DefStream::FPS_REAL2IDX(type, DefStream::FPS_IDX2REAL(type, index)), index);
    }
    QCOMPARE(DefStream::Quality, QStringList({"Low", "Medium", "High", "Super"}));
}

void tst_SetupHelpers::validators_data()
{
    QTest::addColumn<Factory>("factory");
    QTest::addColumn<QString>("accepted"); // of the characters 0 to 127
    QTest::addColumn<int>("longest");
    QString letters;
    for (char c = 'a'; c <= 'z'; ++c)
        letters += QLatin1Char(c) + QChar(QLatin1Char(c)).toUpper();
    letters += QStringLiteral("0123456789");
    QString freeText = QStringLiteral(" #$()");
    for (int c = '+'; c <= '~'; ++c)
        freeText += QChar(c);
    QTest::newRow("All 21") << Factory([](QObject* p) { return KValidator::All(p, 21); }) << freeText << 20;
    QTest::newRow("All 1") << Factory([](QObject* p) { return KValidator::All(p, 1); }) << QString() << 0;
    QTest::newRow("Hostname") << Factory(KValidator::Hostname) << letters + "-" << 19;
    QTest::newRow("UserName") << Factory(KValidator::UserName) << letters + "._-" << 20;
    QTest::newRow("UserPass") << Factory(KValidator::UserPass) << letters + "._-" << 20;
}

void tst_SetupHelpers::validators()
{
    QFETCH(Factory, factory);
    QFETCH(QString, accepted);
    QFETCH(int, longest);
    QObject owner;
    QValidator* validator = factory(&owner);
    QCOMPARE(validator->parent(), &owner);
    const auto state = [validator](QString text) {
        int position = 0;
        return validator->validate(text, position);
    };
    QString refused;
    for (int c = 0; c < 128; ++c) {
        const QString one(1, QChar(c));
        const bool ok = state(one) == QValidator::Acceptable;
        if (ok != (longest > 0 && accepted.contains(QChar(c))))
            refused += QStringLiteral("%1 ").arg(c);
    }
    QVERIFY2(refused.isEmpty(), qPrintable("misjudged codes: " + refused));
    QCOMPARE(state(QString()), QValidator::Acceptable);
    QCOMPARE(state(QString(longest, QLatin1Char('a'))), QValidator::Acceptable);
    QCOMPARE(state(QString(longest + 1, QLatin1Char('a'))), QValidator::Invalid);
    QCOMPARE(state(QStringLiteral("\u00e9")), QValidator::Invalid);
}

void tst_SetupHelpers::modelDialogForEveryModel()
{
    const QList<int> hdSdi = {64, 65, 67, 68, 70, 71, 85};
    const QList<int> ahd = {51, 52, 53, 54, 55, 56, 73, 76, 79, 82};
    for (int model = 0; model < 256; ++model) {
        if (!DvrModel::IsValid(model))
            continue;
        const int type = hdSdi.contains(model) ? 0 : ahd.contains(model) ? 1 : 2;
        QCOMPARE(CModelInfoDialog::ModelIndex2Type(model), type);

        CModelInfoDialog dialog;
        dialog.setDVRChannels(16);
        dialog.setVideoType(config::VIDEO_TYPE_PAL);
        dialog.setModel(model);
        dialog.show();
        QCOMPARE(dialog.findChild<QComboBox*>("combo_dvrModel")->currentIndex(), type);
        QCOMPARE(dialog.getModelType(), type);
        QCOMPARE(dialog.findChild<QRadioButton*>("channels16")->isHidden(), type == 0);
        QCOMPARE(dialog.getDVRChannels(), type == 0 ? 4 : 16);
        QCOMPARE(dialog.getVideoType(), 1);
        const int chosen = CModelInfoDialog::ModelOfChoice(dialog.getModelType(), dialog.getDVRChannels());
        QVERIFY(DvrModel::IsValid(chosen));
        if (type != 0)
            dialog.findChild<QComboBox*>("combo_dvrModel")->setCurrentIndex(0);
        QCOMPARE(dialog.getDVRChannels(), 4);
        dialog.findChild<QComboBox*>("combo_dvrModel")->setCurrentIndex(1);
        QVERIFY(!dialog.findChild<QRadioButton*>("channels16")->isHidden());
        QCOMPARE(dialog.getDVRChannels(), 4);
    }
}

void tst_SetupHelpers::channelPicker_data()
{
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("limit");
    QTest::addColumn<qulonglong>("mask");
    QTest::addColumn<QString>("clicks");
    QTest::addColumn<qulonglong>("expected");
    QTest::newRow("new picker") << 16 << 0 << 0ULL << "" << 0ULL;
    QTest::newRow("4 channels") << 4 << 0 << 0xFFFFULL << "" << 0xFULL;
    QTest::newRow("limit 1") << 16 << 1 << 0ULL << "2,5" << 0x10ULL;
    QTest::newRow("limit 4") << 16 << 4 << 0xFULL << "5" << 0x1EULL;
    QTest::newRow("unchecked leaves the order") << 16 << 2 << 0ULL << "1,2,2,3" << 0x5ULL;
    QTest::newRow("over the limit by mask") << 16 << 2 << 0x7ULL << "4" << 0xCULL;
}

void tst_SetupHelpers::channelPicker()
{
    QFETCH(int, channels);
    QFETCH(int, limit);
    QFETCH(qulonglong, mask);
    QFETCH(QString, clicks);
    QFETCH(qulonglong, expected);
    CChannelWidget picker;
    picker.updateChannelCtrl(channels);
    picker.setCheckableCount(limit);
    picker.setChMask(mask);
    clickChannels(picker, clicks);
    QCOMPARE(qulonglong(picker.getChMask()), expected);
    QCOMPARE(box(picker, "ch15")->isHidden(), channels < 16);
}

void tst_SetupHelpers::randomClicksKeepTheLimit()
{
    QRandomGenerator random(20);
    for (const int limit : {1, 4, 9}) {
        CChannelWidget picker;
        picker.setCheckableCount(limit);
        for (int click = 0; click < 2000; ++click) {
            box(picker, QStringLiteral("ch%1").arg(random.bounded(16)))->click();
            QVERIFY(qPopulationCount(quint64(picker.getChMask())) <= uint(limit));
        }
    }
}

void tst_SetupHelpers::sequencePicker_data()
{
    QTest::addColumn<int>("channels");
    QTest::addColumn<bool>("hide");
    QTest::addColumn<qulonglong>("mask");
    QTest::addColumn<qulonglong>("expected");
    QTest::addColumn<int>("stepsShown");
    QTest::addColumn<QString>("fifthStep");
    QTest::newRow("4 channels") << 4 << false << 0xFFFFULL << 0xFULL << 1 << "M1-9";
    QTest::newRow("4 channels, first step") << 4 << false << 0x1000FULL << 0x1000FULL << 1 << "M1-9";
    QTest::newRow("8 channels") << 8 << false << 0x7F00FFULL << 0x1300FFULL << 3 << "M1-8";
    QTest::newRow("16 channels") << 16 << false << 0x7FFFFFULL << 0x7FFFFFULL << 7 << "M1-9";
    QTest::newRow("16 channels, steps hidden") << 16 << true << 0x410000ULL << 0x410000ULL << 0 << "M1-9";
}

void tst_SetupHelpers::sequencePicker()
{
    QFETCH(int, channels);
    QFETCH(bool, hide);
    QFETCH(qulonglong, mask);
    QFETCH(qulonglong, expected);
    QFETCH(int, stepsShown);
    QFETCH(QString, fifthStep);
    CSeqWidget picker;
    picker.addItems();
    picker.updateChannelCtrl(8, false);
    picker.updateChannelCtrl(channels, hide);
    picker.setChMask(mask);
    QCOMPARE(qulonglong(picker.getChMask()), expected);
    int shown = 0;
    for (int step = 1; step <= 7; ++step)
        shown += box(picker, QStringLiteral("chM%1").arg(step))->isHidden() ? 0 : 1;
    QCOMPARE(shown, stepsShown);
    QCOMPARE(box(picker, "chM5")->text(), fifthStep);
    picker.setTime(7);
    QCOMPARE(picker.getTime(), 7);
    QCOMPARE(picker.findChild<QComboBox*>("seqTime")->currentText(), QStringLiteral("30 secs"));
}

void tst_SetupHelpers::progressFollowsReports()
{
    CProgressDialog dialog;
    auto* bar = dialog.findChild<QProgressBar*>("progressBar");
    QList<int> shown;
    connect(bar, &QProgressBar::valueChanged, this, [&shown](int value) { shown << value; });
    for (const auto& [sent, total] : {std::pair<qint64, qint64>{0, 0}, {50, 200}, {50, 200}, {60, 200}, {200, 200}})
        dialog.Progress(sent, total);
    QCOMPARE(shown, QList<int>({25, 30, 100}));
}

QTEST_MAIN(tst_SetupHelpers)
#include "tst_SetupHelpers.moc"
