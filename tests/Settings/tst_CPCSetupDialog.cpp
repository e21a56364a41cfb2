#include "FileSizeLimit.h"
#include "HddPanelText.h"
#include "Settings/CAppSettings.h"
#include "Settings/CLanguage.h"
#include "Settings/CPCInfoPage.h"
#include "Settings/CPCSetupDialog.h"
#include "Settings/CSavePath.h"
#include "SyncFault.h"
#include "WidgetChild.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <optional>

namespace {

using Blocks = CPCHddInfo::Blocks;

QSettings store()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, CAppSettings::COMPANY_NAME, CAppSettings::APP_NAME);
}

QString stored(const QString& key)
{
    return store().value(key).toString();
}

void click(const QDialog& dialog, QDialogButtonBox::StandardButton which)
{
    child<QDialogButtonBox>(dialog, "buttonBox")->button(which)->click();
}

// Clicks OK from the event loop, as the operator does, and gives the text of
// the message box that it opens; *turnsBefore: how often the event loop
// turned before the box showed.
QString clickOkForBox(QDialog& dialog, int* turnsBefore)
{
    QString told;
    int turns = 0;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            told = box->text();
            box->close();
        } else if (told.isEmpty()) {
            ++turns;
        }
    });
    poll.start(10);
    QAbstractButton* ok = child<QDialogButtonBox>(dialog, "buttonBox")->button(QDialogButtonBox::Ok);
    QSignalSpy clicked(ok, &QAbstractButton::clicked);
    QTimer::singleShot(0, ok, &QAbstractButton::click);
    if (!clicked.wait(10000))
        return QStringLiteral("<OK not done>");
    *turnsBefore = turns;
    return told;
}

QString panelText(const QWidget& dialog)
{
    return hddPanelText(*dialog.findChild<CHDDWidget*>());
}

// The options as shown: the checked radio buttons, the path fields and the
// two lists' choices.
QStringList shownOptions(const QWidget& dialog)
{
    QStringList shown;
    for (const QRadioButton* button : dialog.findChildren<QRadioButton*>()) {
        if (button->isChecked())
            shown << button->objectName();
    }
    for (const QLineEdit* edit : dialog.findChildren<QLineEdit*>())
        shown << edit->text();
    return shown << child<QComboBox>(dialog, "selLangauge")->currentText()
                 << child<QComboBox>(dialog, "selSequenceTime")->currentText();
}

// Counts the language changes the application hears of: each one makes
// every window translate itself again.
class LanguageChanges : public QObject {
public:
    LanguageChanges() { qApp->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == qApp && event->type() == QEvent::LanguageChange)
            ++count;
        return false;
    }
};

} // namespace

Q_DECLARE_METATYPE(std::optional<CPCHddInfo::Blocks>)

// The PC setup dialog on its own, over a settings store of its own.
class tst_CPCSetupDialog : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QStringLiteral("en_US"))); }

    void init()
    {
        store().clear();
        store().setValue(CAppSettings::LANGUAGE, QStringLiteral("English"));
    }

    void cleanup()
    {
        QCoreApplication::removeTranslator(&g_translator);
        QFile::remove(CAppSettings::fileName() + QStringLiteral(".lock"));
    }

    // Building the dialog writes every option with its default, keeps the
    // drawing mode that the first start's probe stored, and makes the folders.
    void freshStoreGetsEveryOption()
    {
        store().clear();
        store().setValue(CAppSettings::OPENGL, 2);
        const QString language = CAppSettings().readLanguage();
        const CPCSetupDialog dialog;
        const QMap<QString, QString> expected = {{"Capture", CSavePath::defaultPath("Capture")},
            {"Record", CSavePath::defaultPath("Record")}, {"Backup", CSavePath::defaultPath("Backup")},
            {"FileFormat", "0"}, {"CaptureFileFormat", "0"}, {"OsdChName", "1"}, {"OsdRecord", "1"}, {"OsdEvent", "1"},
            {"Language", CLanguage().getLanguageName().contains(language) ? language : ""}, {"AlarmSound", "0"},
            {"CodecType", "3"}, {"PlaybackMode", "1"}, {"SeqenceInterval", "2"}, {"Reconnect", "1"}, {"Opengl", "2"}};
        QMap<QString, QString> written;
        for (const QString& key : store().allKeys())
            written.insert(key, stored(key));
        QCOMPARE(written, expected);
        for (const QString& folder : CAppSettings::PATH_LIST)
            QVERIFY2(QDir(CSavePath::defaultPath(folder)).exists(), qPrintable(folder));
    }

    void storedValuesAreNormalised_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("saved");
        QTest::newRow("stream type 2 is Auto") << "CodecType"
                                               << "2"
                                               << "3";
        QTest::newRow("record icon 7 is Icon") << "OsdRecord"
                                               << "7"
                                               << "1";
        QTest::newRow("record icon 2 stays") << "OsdRecord"
                                             << "2"
                                             << "2";
        QTest::newRow("sequence 3: no choice") << "SeqenceInterval"
                                               << "3"
                                               << "";
        QTest::newRow("unknown language: none") << "Language"
                                                << "German"
                                                << "";
        QTest::newRow("emptied folder stays empty") << "Record"
                                                    << ""
                                                    << "";
    }

    void storedValuesAreNormalised()
    {
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QString, saved);
        store().setValue(key, value);
        const CPCSetupDialog dialog;
        QCOMPARE(stored(key), saved);
    }

    // OK stores what is shown; Cancel stores nothing and the next opening
    // shows the stored values on the options page again.
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
        click(dialog, QDialogButtonBox::Cancel);
        QVERIFY(!dialog.isVisible() && accepted.isEmpty());
        QCOMPARE(stored("CodecType"), QStringLiteral("3"));
        QCOMPARE(stored("Backup"), CSavePath::defaultPath("Backup"));

        dialog.loadSettings();
        QCOMPARE(shownOptions(dialog), before);
        QCOMPARE(child<QStackedWidget>(dialog, "stackedWidget")->currentIndex(), 0);
        child<QAbstractButton>(dialog, "selStreamType1")->click();
        click(dialog, QDialogButtonBox::Ok);
        QCOMPARE(accepted.count(), 1);
        QCOMPARE(stored("CodecType"), QStringLiteral("1"));
    }

    void browseChangesOnlyItsField_data()
    {
        QTest::addColumn<bool>("choose");
        QTest::newRow("chosen") << true;
        QTest::newRow("cancelled") << false;
    }

    void browseChangesOnlyItsField()
    {
        QFETCH(bool, choose);
        const QTemporaryDir chosen;
        CPCSetupDialog dialog;
        dialog.show();
        QStringList expected = shownOptions(dialog);
        if (choose)
            expected.replace(
                expected.indexOf(CSavePath::defaultPath("Backup")), QDir::toNativeSeparators(chosen.path()));
        QString title;
        QTimer::singleShot(0, this, [&] {
            auto* chooser = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            title = chooser->windowTitle();
            chooser->setDirectory(chosen.path());
            choose ? static_cast<QDialog*>(chooser)->accept() : chooser->reject();
        });
        child<QAbstractButton>(dialog, "BackupPathBrowse")->click();
        QCOMPARE(title, QStringLiteral("Please select a folder."));
        QCOMPARE(shownOptions(dialog), expected);
    }

    void drivePage_data()
    {
        QTest::addColumn<std::optional<Blocks>>("first");
        QTest::addColumn<std::optional<Blocks>>("reopened");
        QTest::addColumn<QString>("firstShown");
        QTest::addColumn<QString>("reopenedShown");
        const std::optional<Blocks> gigabyte = Blocks{262144, 131072, 4096};
        const QString half = QStringLiteral("|1,024 MB|512 MB|512 MB|50");
        const QString zeros = QStringLiteral("|0 MB|0 MB|0 MB|0");
        QTest::newRow("2^30 bytes, then unreadable") << gigabyte << std::optional<Blocks>() << half << zeros;
        QTest::newRow("unreadable, then 2^30 bytes") << std::optional<Blocks>() << gigabyte << zeros << half;
    }

    // The figures come from the file system query; each opening reads again.
    void drivePage()
    {
        QFETCH(std::optional<Blocks>, first);
        QFETCH(std::optional<Blocks>, reopened);
        QFETCH(QString, firstShown);
        QFETCH(QString, reopenedShown);
        CPCSetupDialog dialog;
        std::optional<Blocks> figures = first;
        dialog.findChild<CPCInfoPage*>()->setFileSystemQuery([&](const QString&) { return figures; });
        QCOMPARE(panelText(dialog), firstShown);
        figures = reopened;
        dialog.loadSettings();
        QCOMPARE(panelText(dialog), reopenedShown);

        quint64 free = 1;
        quint64 total = 1;
        QVERIFY(CPCHddInfo::getHddInfo(QDir::rootPath(), free, total) && total > 0 && free <= total);
        QVERIFY(!CPCHddInfo::getHddInfo(QStringLiteral("/no/such/drive"), free, total) && free + total == 0);
    }

    // The stored language is in force from start-up: building the dialog
    // and an OK that keeps it leave the translator alone.
    void keptLanguageIsNotAppliedAgain()
    {
        store().setValue(CAppSettings::LANGUAGE, QStringLiteral("French"));
        QVERIFY(CLanguage().applyLanguage(QStringLiteral("French")));
        const LanguageChanges changes;
        CPCSetupDialog dialog;
        dialog.loadSettings();
        click(dialog, QDialogButtonBox::Ok);
        QCOMPARE(changes.count, 0);
        QCOMPARE(stored("Language"), QStringLiteral("French"));
        QCOMPARE(QCoreApplication::translate("ViewerClass", "Search"), QStringLiteral("Recherche"));
    }

    // French chosen while no translation is installed turns the program
    // French; the version, the drive's figures and the options stay.
    void languageAppliesAndKeepsValues()
    {
        CPCSetupDialog dialog;
        dialog.findChild<CPCInfoPage*>()->setFileSystemQuery([](const QString&) {
            return std::optional<Blocks>(Blocks{262144, 131072, 4096});
        });
        const QString panel = panelText(dialog);
        auto* language = child<QComboBox>(dialog, "selLangauge");
        language->setCurrentIndex(language->findText(QStringLiteral("French")));
        const QStringList options = shownOptions(dialog);
        QCOMPARE(QCoreApplication::translate("ViewerClass", "Search"), QStringLiteral("Search"));

        click(dialog, QDialogButtonBox::Ok);
        QCOMPARE(stored("Language"), QStringLiteral("French"));
        QCOMPARE(QCoreApplication::translate("ViewerClass", "Search"), QStringLiteral("Recherche"));
        QTRY_COMPARE(child<QListWidget>(dialog, "SetupMenu")->item(0)->text(), QStringLiteral("Réglages"));
        QCOMPARE(child<QLabel>(dialog, "AppVersion")->text(), QStringLiteral("QELM(Ver0.99.0)"));
        QCOMPARE(panelText(dialog), panel);
        QCOMPARE(shownOptions(dialog), options);
    }

    void norwegianInEitherSpelling_data()
    {
        QTest::addColumn<QString>("storedBefore");
        QTest::addColumn<bool>("chosen"); // by the operator, from the list
        QTest::newRow("stored as the program stores it") << "Norwegian Bokmal" << false;
        QTest::newRow("stored as spelled") << "Norwegian Bokmål" << false;
        QTest::newRow("chosen in the list") << "English" << true;
    }

    // The list spells the language as it spells itself; the store is read
    // in either spelling and keeps the spelling it always held.
    void norwegianInEitherSpelling()
    {
        QFETCH(QString, storedBefore);
        QFETCH(bool, chosen);
        store().setValue(CAppSettings::LANGUAGE, storedBefore);
        CPCSetupDialog dialog;
        dialog.loadSettings();
        auto* language = child<QComboBox>(dialog, "selLangauge");
        QCOMPARE(language->findText(QStringLiteral("Norwegian Bokmal")), -1);
        const int norwegian = language->findText(QStringLiteral("Norwegian Bokmål"));
        QVERIFY(norwegian >= 0);
        if (chosen)
            language->setCurrentIndex(norwegian);
        QCOMPARE(language->currentIndex(), norwegian);
        click(dialog, QDialogButtonBox::Ok);
        QCOMPARE(stored("Language"), QStringLiteral("Norwegian Bokmal"));
        if (chosen)
            QCOMPARE(QCoreApplication::translate("ViewerClass", "Search"), QStringLiteral("Søk"));
    }

    void okTheDiskRefuses_data()
    {
        QTest::addColumn<int>("room"); // bytes a file may grow to; -1: no limit
        QTest::addColumn<int>("folderSyncError");
        QTest::addColumn<QByteArray>("lockFile"); // another program's, when not empty
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("told");
        const int failed = int(CWholeFileWriter::Result::Failed);
        const QString file = QDir::toNativeSeparators(CAppSettings::fileName());
        const QString notSaved
            = QStringLiteral("The settings could not be saved to %1 (%2). The previous settings are kept.");
        QTest::newRow("full disk: no room")
            << 0 << 0 << QByteArray() << failed << notSaved.arg(file, qt_error_string(EFBIG));
        QTest::newRow("full disk: room for part of the file")
            << 256 << 0 << QByteArray() << failed << notSaved.arg(file, qt_error_string(EFBIG));
        // In the language just chosen.
        QTest::newRow("the folder's sync fails")
            << -1 << EIO << QByteArray() << int(CWholeFileWriter::Result::Unconfirmed)
            << QStringLiteral("Les nouveaux réglages ont été enregistrés dans %1, mais le système n'a pas pu confirmer "
                              "qu'ils sont sur le disque (%2).")
                   .arg(file, qt_error_string(EIO));
        QTest::newRow("the file in use by another program")
            << -1 << 0 << QByteArray("4194304\nqelm\nanother-computer\n") << failed
            << notSaved.arg(file, "it is in use by another program, which holds the lock file " + file + ".lock");
    }

    // OK that cannot be saved says so, names the file and why, and applies
    // nothing: the language stays and the dialog stays open. When only the
    // folder's sync fails, the new settings are already what the next start
    // reads: OK says that they may not be on the disk, and applies them.
    // Once the disk takes them, OK again saves what the operator changed.
    void okTheDiskRefuses()
    {
        QFETCH(int, room);
        QFETCH(int, folderSyncError);
        QFETCH(QByteArray, lockFile);
        QFETCH(int, result);
        QFETCH(QString, told);
        const bool saved = result == int(CWholeFileWriter::Result::Unconfirmed);
        for (int channel = 0; channel < 16; ++channel)
            CAppSettings().writeSettings(CAppSettings::autoPreset(channel, 1, 4, 10));
        CPCSetupDialog dialog;
        QSignalSpy accepted(&dialog, &QDialog::accepted);
        dialog.show();
        auto* language = child<QComboBox>(dialog, "selLangauge");
        language->setCurrentIndex(language->findText(QStringLiteral("French")));
        child<QComboBox>(dialog, "selSequenceTime")->setCurrentIndex(4);
        QFile file(CAppSettings::fileName());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray before = file.readAll();
        int turns = 0;
        QFile lock(CAppSettings::fileName() + QStringLiteral(".lock"));
        QVERIFY(lockFile.isEmpty() || (lock.open(QIODevice::WriteOnly) && lock.write(lockFile) == lockFile.size()));
        lock.close();
        {
            std::optional<FileSizeLimit> full;
            if (room >= 0)
                full.emplace(static_cast<rlim_t>(room));
            SyncFault::failNext(true, folderSyncError);
            QCOMPARE(clickOkForBox(dialog, &turns), told);
        }
        // While OK waits for the lock, the window goes on drawing.
        QVERIFY(lockFile.isEmpty() || turns > 0);
        QCOMPARE(dialog.isVisible(), !saved);
        QCOMPARE(accepted.count(), saved ? 1 : 0);
        QCOMPARE(QCoreApplication::translate("ViewerClass", "Search"), saved ? "Recherche" : "Search");
        QVERIFY(file.seek(0));
        if (!saved) {
            QCOMPARE(file.readAll(), before);
            QVERIFY(!lock.exists() || lock.remove());
            click(dialog, QDialogButtonBox::Ok);
            QCOMPARE(accepted.count(), 1);
        }
        QCOMPARE(QStringList({stored("Language"), stored("SeqenceInterval")}), QStringList({"French", "10"}));
    }
};

QTEST_MAIN(tst_CPCSetupDialog)
#include "tst_CPCSetupDialog.moc"
