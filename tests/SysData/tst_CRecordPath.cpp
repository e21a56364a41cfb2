#include "SysData/CRecordPath.h"

#include <QDir>
#include <QTest>

class tst_CRecordPath : public QObject {
    Q_OBJECT

private slots:
    void folderName_data();
    void folderName();
    void fileNames();
};

void tst_CRecordPath::folderName_data()
{
    QTest::addColumn<QString>("dvrName");
    QTest::addColumn<QString>("folder");

    QTest::newRow("plain") << "Shop 1"
                           << "Shop 1";
    QTest::newRow("separators") << "a/b\\c"
                                << "a_b_c";
    QTest::newRow("climbing out") << "../../etc"
                                  << ".._.._etc";
    QTest::newRow("parent") << ".."
                            << "_";
    QTest::newRow("empty") << ""
                           << "_";
    QTest::newRow("trailing dot and blank") << "Shop. "
                                            << "Shop";
    QTest::newRow("refused characters") << "a:b*?\"<>|"
                                        << "a_b______";
    QTest::newRow("device name") << "CON"
                                 << "_CON";
    QTest::newRow("device name with extension") << "lpt1.txt"
                                                << "_lpt1.txt";
    QTest::newRow("Korean") << QString::fromUtf8("\xea\xb0\x80\xea\xb2\x8c")
                            << QString::fromUtf8("\xea\xb0\x80\xea\xb2\x8c");
}

void tst_CRecordPath::folderName()
{
    QFETCH(QString, dvrName);
    QFETCH(QString, folder);
    QCOMPARE(CRecordPath::folderName(dvrName), folder);

    // Whatever the name, the folder is a child of the base folder.
    const QString base = QDir::tempPath() + "/records";
    const QString path = QDir::fromNativeSeparators(CRecordPath::folder(base, dvrName));
    QCOMPARE(QDir::cleanPath(path), path);
    QCOMPARE(QFileInfo(path).path(), base);
}

void tst_CRecordPath::fileNames()
{
    const QString stem = CRecordPath::timeStem("/r/Shop", 1704103200 + 59);
    QCOMPARE(QDir::fromNativeSeparators(stem), QString("/r/Shop/20240101_100059"));
    QCOMPARE(CRecordPath::numbered(stem, 0), stem);
    QCOMPARE(CRecordPath::numbered(stem, 2), stem + "-2");
    // Numbered names sort with the minute they belong to.
    QVERIFY(CRecordPath::numbered(stem, 1) + ".hrf" < CRecordPath::timeStem("/r/Shop", 1704103200 + 60) + ".hrf");
}

QTEST_GUILESS_MAIN(tst_CRecordPath)
#include "tst_CRecordPath.moc"
