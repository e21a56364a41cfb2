#include "Settings/CAppSettings.h"
#include "Settings/CHDDWidget.h"
#include "Settings/CLanguage.h"
#include "Settings/CPCInfoPage.h"
#include "Settings/CPCSetupDialog.h"
#include "Settings/CSavePath.h"
#include "WidgetChild.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

QSettings store()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, CAppSettings::COMPANY_NAME, CAppSettings::APP_NAME);
}

QVariant stored(const QString& key)
{
    return store().value(key);
}

void clickButton(const QDialog& dialog, QDialogButtonBox::StandardButton which)
{
    child<QDialogButtonBox>(dialog, "buttonBox")->button(which)->click();
}

QStringList panelTexts(const QWidget& dialog)
{
    const auto* panel = dialog.findChild<CHDDWidget*>();
    QStringList texts{panel->findChild<QGroupBox*>("HddGroup")->title()};
    for (const char* name : {"totalspace", "usedspace", "freespace"})
        texts << child<QLabel>(*panel, name)->text();
    texts << QString::number(child<QProgressBar>(*panel, "HddProgress")->value());
    return texts;
}

// The options the page shows: the checked radio buttons, the path fields
// and the two lists' choices.
QStringList shownOptions(const QWidget& dialog)
{
    QStringList shown;
    for (const QRadioButton* button : dialog.findChildren<QRadioButton*>()) {
        if (button->isChecked())
            shown << button->objectName();
    }
    for (const QLineEdit* edit : dialog.findChildren<QLineEdit*>())
        shown << edit->text();
    for (const char* list : {"selLangauge", "selSequenceTime"})
        shown << child<QComboBox>(dialog, list)->currentText();
    return shown;
}

using Blocks = CPCHddInfo::Blocks;

} // namespace

Q_DECLARE_METATYPE(std::optional<CPCHddInfo::Blocks>)

// The PC setup dialog on its own, over a settings store of its own.
class tst_CPCSetupDialog : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QStringLiteral("en_US"))); }

    void init()
    {
        QSettings settings = store();
        settings.clear();
        settings.setValue(CAppSettings::LANGUAGE, QStringLiteral("English"));
    }

    void cleanup() { QCoreApplication::removeTranslator(&g_translator); }

    // Building the dialog writes every option with its default, keeps the
    // drawing mode the first start's probe stored, and makes the folders.
    void freshStoreGetsEveryOption()
    {
        QSettings settings = store();
        settings.clear();
        settings.setValue(CAppSettings::OPENGL, 2);
        settings.sync();
        const QStringList languages = CLanguage().getLanguageName();
        const QString systemLanguage = CAppSettings().readLanguage();

        const CPCSetupDialog dialog;
        const QList<QPair<QString, QVariant>> expected = {
            {"Capture", CSavePath::defaultPath("Capture")},
            {"Record", CSavePath::defaultPath("Record")},
            {"Backup", CSavePath::defaultPath("Backup")},
            {"FileFormat", 0},
            {"CaptureFileFormat", 0},
            {"OsdChName", 1},
            {"OsdRecord", 1},
            {"OsdEvent", 1},
            {"Language", languages.contains(systemLanguage) ? systemLanguage : QString()},
            {"AlarmSound", 0},
            {"CodecType", 3},
            {"PlaybackMode", 1},
            {"SeqenceInterval", "2"},
            {"Reconnect", 1},
            {"Opengl", 2},
        };
        QStringList keys;
        for (const auto& [key, value] : expected) {
            keys << key;
            QCOMPARE(stored(key).toString(), value.toString());
        }
        for (const QString& folder : CAppSettings::PATH_LIST)
            QVERIFY2(QDir(CSavePath::defaultPath(folder)).exists(), qPrintable(folder));
        QStringList storedKeys = store().allKeys();
        storedKeys.sort();
        keys.sort();
        QCOMPARE(storedKeys, keys);
        QVERIFY(child<QRadioButton>(dialog, "selStreamType3")->isChecked());
        QVERIFY(child<QRadioButton>(dialog, "selOpengl2")->isChecked());
    }

    void storedValuesAreNormalised_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QVariant>("saved");
        QTest::newRow("stream type 2 is Auto") << "CodecType" << QVariant(2) << QVariant(3);
        QTest::newRow("stream type 1 stays") << "CodecType" << QVariant(1) << QVariant(1);
        QTest::newRow("record icon 7 is Icon") << "OsdRecord" << QVariant(7) << QVariant(1);
        QTest::newRow("record icon 2 stays") << "OsdRecord" << QVariant(2) << QVariant(2);
        QTest::newRow("drawing mode Off stays") << "Opengl" << QVariant(2) << QVariant(2);
        QTest::newRow("sequence 3: no choice") << "SeqenceInterval" << QVariant("3") << QVariant("");
        QTest::newRow("sequence 15 stays") << "SeqenceInterval" << QVariant("15") << QVariant("15");
        QTest::newRow("unknown language: none") << "Language" << QVariant("German") << QVariant("");
        QTest::newRow("emptied record folder stays empty") << "Record" << QVariant("") << QVariant("");
    }

    void storedValuesAreNormalised()
    {
        QFETCH(QString, key);
        QFETCH(QVariant, value);
        QFETCH(QVariant, saved);
        store().setValue(key, value);
        const CPCSetupDialog dialog;
        QCOMPARE(stored(key).toString(), saved.toString());
    }

    // A typed folder is stored as typed and made at the next opening.
    void typedFolderIsMadeWhenLoaded()
    {
        const QTemporaryDir base;
        const QString typed = base.filePath(QStringLiteral("typed/deeper"));
        CPCSetupDialog dialog;
        child<QLineEdit>(dialog, "EditRecordPath")->setText(typed);
        clickButton(dialog, QDialogButtonBox::Ok);
        QCOMPARE(stored("Record").toString(), typed);
        QVERIFY(!QDir(typed).exists());
        dialog.loadSettings();
        QVERIFY(QDir(typed).exists());
    }

    void okStoresAndCancelStoresNothing()
    {
        CPCSetupDialog dialog;
        QSignalSpy accepted(&dialog, &QDialog::accepted);
        dialog.loadSettings();
        dialog.show();
        const QStringList before = shownOptions(dialog);
        child<QListWidget>(dialog, "SetupMenu")->setCurrentRow(1);

        child<QAbstractButton>(dialog, "selStreamType0")->click();
        child<QLineEdit>(dialog, "EditBackupPath")->setText(QStringLiteral("elsewhere"));
        clickButton(dialog, QDialogButtonBox::Cancel);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(accepted.count(), 0);
        QCOMPARE(stored("CodecType").toInt(), 3);
        QCOMPARE(stored("Backup").toString(), CSavePath::defaultPath("Backup"));

        dialog.loadSettings();
        dialog.show();
        QCOMPARE(shownOptions(dialog), before);
        QCOMPARE(child<QStackedWidget>(dialog, "stackedWidget")->currentIndex(), 0);

        child<QAbstractButton>(dialog, "selStreamType1")->click();
        clickButton(dialog, QDialogButtonBox::Ok);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(accepted.count(), 1);
        QCOMPARE(stored("CodecType").toInt(), 1);
    }

    void browseChangesOnlyItsField_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("choose");
        QTest::newRow("backup, chosen") << "BackupPathBrowse"
                                        << "EditBackupPath" << true;
        QTest::newRow("backup, cancelled") << "BackupPathBrowse"
                                           << "EditBackupPath" << false;
        QTest::newRow("capture, chosen") << "CapturePathBrowse"
                                         << "EditCapturePath" << true;
    }

    void browseChangesOnlyItsField()
    {
        QFETCH(QString, button);
        QFETCH(QString, field);
        QFETCH(bool, choose);
        const QTemporaryDir chosen;
        CPCSetupDialog dialog;
        dialog.loadSettings();
        dialog.show();
        QMap<QString, QString> paths;
        for (const QLineEdit* edit : dialog.findChildren<QLineEdit*>())
            paths.insert(edit->objectName(), edit->text());

        QString title;
        QTimer::singleShot(0, this, [&] {
            auto* chooser = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(chooser);
            title = chooser->windowTitle();
            if (!choose) {
                chooser->reject();
                return;
            }
            chooser->setDirectory(chosen.path());
            static_cast<QDialog*>(chooser)->accept();
        });
        child<QAbstractButton>(dialog, qPrintable(button))->click();
        QCOMPARE(title, QStringLiteral("Please select a folder."));
        if (choose)
            paths[field] = QDir::toNativeSeparators(chosen.path());
        for (const QLineEdit* edit : dialog.findChildren<QLineEdit*>())
            QCOMPARE(QDir::toNativeSeparators(edit->text()), QDir::toNativeSeparators(paths.value(edit->objectName())));
    }

    void drivePage_data()
    {
        QTest::addColumn<std::optional<Blocks>>("first");
        QTest::addColumn<QStringList>("firstShown");
        QTest::addColumn<std::optional<Blocks>>("reopened");
        QTest::addColumn<QStringList>("reopenedShown");
        const Blocks gigabyte{262144, 131072, 4096};
        const QStringList half{"", "1,024 MB", "512 MB", "512 MB", "50"};
        const QStringList zeros{"", "0 MB", "0 MB", "0 MB", "0"};
        QTest::newRow("2^30 bytes in 4096-byte blocks, then unreadable")
            << std::optional<Blocks>(gigabyte) << half << std::optional<Blocks>() << zeros;
        QTest::newRow("unreadable, then readable")
            << std::optional<Blocks>() << zeros << std::optional<Blocks>(gigabyte) << half;
        QTest::newRow("reserved blocks count as used")
            << std::optional<Blocks>(Blocks{1000, 100, 1 << 20})
            << QStringList{"", "1,000 MB", "900 MB", "100 MB", "90"} << std::optional<Blocks>(Blocks{1000, 50, 1 << 20})
            << QStringList{"", "1,000 MB", "950 MB", "50 MB", "95"};
    }

    // Figures come from the file system query; each opening reads again.
    void drivePage()
    {
        QFETCH(std::optional<Blocks>, first);
        QFETCH(QStringList, firstShown);
        QFETCH(std::optional<Blocks>, reopened);
        QFETCH(QStringList, reopenedShown);
        CPCSetupDialog dialog;
        std::optional<Blocks> figures = first;
        dialog.findChild<CPCInfoPage*>()->setFileSystemQuery([&](const QString&) { return figures; });
        QCOMPARE(panelTexts(dialog), firstShown);
        figures = reopened;
        dialog.loadSettings();
        QCOMPARE(panelTexts(dialog), reopenedShown);
    }

    void fileSystemQuery()
    {
        quint64 free = 1;
        quint64 total = 1;
        QVERIFY(CPCHddInfo::getHddInfo(QDir::rootPath(), free, total));
        QVERIFY(total > 0 && free <= total);
        QVERIFY(!CPCHddInfo::getHddInfo(QStringLiteral("/no/such/drive"), free, total));
        QCOMPARE(free + total, quint64(0));
    }

    // French chosen while no translation is installed turns the program
    // French; the version, the drive's figures and the options stay.
    void languageAppliesAndKeepsValues()
    {
        CPCSetupDialog dialog;
        dialog.findChild<CPCInfoPage*>()->setFileSystemQuery([](const QString&) {
            return std::optional<Blocks>(Blocks{262144, 131072, 4096});
        });
        dialog.loadSettings();
        dialog.show();
        QCOMPARE(QCoreApplication::translate("ViewerClass", "Search"), QStringLiteral("Search"));
        const QStringList panel = panelTexts(dialog);
        auto* language = child<QComboBox>(dialog, "selLangauge");
        language->setCurrentIndex(language->findText(QStringLiteral("French")));
        const QStringList options = shownOptions(dialog);

        clickButton(dialog, QDialogButtonBox::Ok);
        QCOMPARE(stored("Language").toString(), QStringLiteral("French"));
        QCOMPARE(QCoreApplication::translate("ViewerClass", "Search"), QStringLiteral("Recherche"));
        auto* menu = child<QListWidget>(dialog, "SetupMenu");
        QTRY_VERIFY(menu->item(0)->text() != QStringLiteral("Setup"));
        QCOMPARE(child<QLabel>(dialog, "AppVersion")->text(), QStringLiteral("QELM(Ver0.99.0)"));
        QCOMPARE(panelTexts(dialog), panel);
        QCOMPARE(shownOptions(dialog), options);
    }
};

QTEST_MAIN(tst_CPCSetupDialog)
#include "tst_CPCSetupDialog.moc"
