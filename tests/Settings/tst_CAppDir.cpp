#include "Settings/CAppDir.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class tst_CAppDir : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void bundleParent_data();
    void bundleParent();
    void perUserFolderIsCreated();
    void overridePointsElsewhere();
};

void tst_CAppDir::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void tst_CAppDir::bundleParent_data()
{
    QTest::addColumn<QString>("executableDir");
    QTest::addColumn<QString>("dataPath");
    QTest::newRow("bundle") << "/A/B.app/Contents/MacOS"
                            << "/A";
    QTest::newRow("trailing separator") << "/A/B.app/Contents/MacOS/"
                                        << "/A";
    QTest::newRow("bundle at the root") << "/B.app/Contents/MacOS"
                                        << "/";
    QTest::newRow("plain folder") << "/usr/bin" << QString();
    QTest::newRow("not an app") << "/A/B/Contents/MacOS" << QString();
    QTest::newRow("nameless app") << "/A/.app/Contents/MacOS" << QString();
    QTest::newRow("inside Contents") << "/A/B.app/Contents" << QString();
}

void tst_CAppDir::bundleParent()
{
    QFETCH(QString, executableDir);
    QFETCH(QString, dataPath);
    QCOMPARE(CAppDir::bundleParentPath(executableDir), dataPath);
}

void tst_CAppDir::perUserFolderIsCreated()
{
    const QString expected = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir(expected).removeRecursively();
    QCOMPARE(CAppDir::getCurrentPath(), expected);
    QVERIFY(QDir(expected).exists());
    QVERIFY(expected.contains(QLatin1String(".qttest")));
}

void tst_CAppDir::overridePointsElsewhere()
{
    QTemporaryDir dir;
    CAppDir::setCurrentPathOverride(dir.path());
    QCOMPARE(CAppDir::getCurrentPath(), dir.path());
    CAppDir::setCurrentPathOverride(QString());
    QCOMPARE(CAppDir::getCurrentPath(), QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

QTEST_GUILESS_MAIN(tst_CAppDir)
#include "tst_CAppDir.moc"
