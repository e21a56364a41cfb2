#include "Settings/CAppDir.h"
#include "Settings/CAppSettings.h"
#include "Settings/CSavePath.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class tst_CSavePath : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void folder_data();
    void folder();

private:
    QTemporaryDir m_data;
};

void tst_CSavePath::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    CAppDir::setCurrentPathOverride(m_data.path());
}

void tst_CSavePath::folder_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QString>("folder");

    const QString data = QDir::toNativeSeparators(m_data.path());
    QTest::newRow("absent record") << "Record" << QVariant() << data + QDir::separator() + "Record";
    QTest::newRow("empty backup") << "Backup" << QVariant("") << data + QDir::separator() + "Backup";
    QTest::newRow("blank capture") << "Capture" << QVariant("  ") << data + QDir::separator() + "Capture";
    QTest::newRow("chosen record") << "Record" << QVariant("/srv/rec") << "/srv/rec";
}

void tst_CSavePath::folder()
{
    QFETCH(QString, key);
    QFETCH(QVariant, stored);
    QFETCH(QString, folder);

    CAppSettings settings;
    settings.remove(key);
    if (stored.isValid())
        settings.writeSetting(key, stored);
    QCOMPARE(settings.save(), CWholeFileWriter::Result::Written);
    QCOMPARE(CSavePath::folder(key), folder);
    QCOMPARE(CSavePath::defaultPath(key), QDir::toNativeSeparators(m_data.path() + "/" + key));
}

QTEST_GUILESS_MAIN(tst_CSavePath)
#include "tst_CSavePath.moc"
