#include "Common/CWholeFileWriter.h"
#include "SyncFault.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>

namespace {

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

Q_DECLARE_METATYPE(CWholeFileWriter::Result)

// What the system says when the data or the rename reaches the disk: a
// failure is reported, only a file known to be on the disk replaces the old
// one, and a file in place that the folder's sync could not confirm is told
// apart from one that is not in place.
class tst_CWholeFileWriter : public QObject {
    Q_OBJECT

private slots:
    void failedSync_data();
    void failedSync();
};

void tst_CWholeFileWriter::failedSync_data()
{
    using Result = CWholeFileWriter::Result;
    QTest::addColumn<bool>("onFolder");
    QTest::addColumn<int>("error");
    QTest::addColumn<Result>("result");
    QTest::addColumn<bool>("replaced");
    QTest::addColumn<int>("fileSyncs");
    QTest::addColumn<int>("folderSyncs");
    QTest::newRow("file: I/O error") << false << EIO << Result::Failed << false << 1 << 0;
    QTest::newRow("file: quota exceeded") << false << EDQUOT << Result::Failed << false << 1 << 0;
    QTest::newRow("file: interrupted once") << false << EINTR << Result::Written << true << 2 << 1;
    QTest::newRow("folder: I/O error") << true << EIO << Result::Unconfirmed << true << 1 << 1;
    QTest::newRow("folder: interrupted once") << true << EINTR << Result::Written << true << 1 << 2;
}

void tst_CWholeFileWriter::failedSync()
{
    QFETCH(bool, onFolder);
    QFETCH(int, error);
    QFETCH(CWholeFileWriter::Result, result);
    QFETCH(bool, replaced);
    QFETCH(int, fileSyncs);
    QFETCH(int, folderSyncs);
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("list.pb"));
    QCOMPARE(CWholeFileWriter::write(path, "old list"), CWholeFileWriter::Result::Written);

    SyncFault::failNext(onFolder, error);
    QString reason;
    QCOMPARE(CWholeFileWriter::write(path, "the new, longer list", &reason), result);
    QCOMPARE(reason, result == CWholeFileWriter::Result::Written ? QString() : qt_error_string(error));
    QCOMPARE(contentOf(path), replaced ? QByteArray("the new, longer list") : QByteArray("old list"));
    QCOMPARE(SyncFault::fileSyncs(), fileSyncs);
    QCOMPARE(SyncFault::folderSyncs(), folderSyncs);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("list.pb")});
}

QTEST_GUILESS_MAIN(tst_CWholeFileWriter)
#include "tst_CWholeFileWriter.moc"
