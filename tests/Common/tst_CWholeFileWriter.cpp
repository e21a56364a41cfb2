#include "Common/CWholeFileWriter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>
#include <utility>

namespace {

// The next sync of a file or of a folder fails once with `error`.
struct SyncFault {
    bool onFolder = false;
    int error = 0;
    int fileSyncs = 0;
    int folderSyncs = 0;
};

SyncFault g_fault;

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

// The writer, linked into this program, syncs through this one; real syncs
// still reach the system.
extern "C" int fsync(int descriptor)
{
    struct stat status { };
    const bool folder = ::fstat(descriptor, &status) == 0 && S_ISDIR(status.st_mode);
    ++(folder ? g_fault.folderSyncs : g_fault.fileSyncs);
    if (g_fault.error != 0 && folder == g_fault.onFolder) {
        errno = std::exchange(g_fault.error, 0);
        return -1;
    }
    return static_cast<int>(::syscall(SYS_fsync, descriptor));
}

// What the system says when the data or the rename reaches the disk: a
// failure is reported, and only a file known to be on the disk replaces the
// old one.
class tst_CWholeFileWriter : public QObject {
    Q_OBJECT

private slots:
    void failedSync_data();
    void failedSync();
};

void tst_CWholeFileWriter::failedSync_data()
{
    QTest::addColumn<bool>("onFolder");
    QTest::addColumn<int>("error");
    QTest::addColumn<bool>("written");
    QTest::addColumn<bool>("replaced");
    QTest::addColumn<int>("fileSyncs");
    QTest::addColumn<int>("folderSyncs");
    QTest::newRow("file: I/O error") << false << EIO << false << false << 1 << 0;
    QTest::newRow("file: quota exceeded") << false << EDQUOT << false << false << 1 << 0;
    QTest::newRow("file: interrupted once") << false << EINTR << true << true << 2 << 1;
    QTest::newRow("folder: I/O error") << true << EIO << false << true << 1 << 1;
    QTest::newRow("folder: interrupted once") << true << EINTR << true << true << 1 << 2;
}

void tst_CWholeFileWriter::failedSync()
{
    QFETCH(bool, onFolder);
    QFETCH(int, error);
    QFETCH(bool, written);
    QFETCH(bool, replaced);
    QFETCH(int, fileSyncs);
    QFETCH(int, folderSyncs);
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("list.pb"));
    QVERIFY(CWholeFileWriter::write(path, "old list"));

    g_fault = {onFolder, error, 0, 0};
    QString reason;
    QCOMPARE(CWholeFileWriter::write(path, "the new, longer list", &reason), written);
    QCOMPARE(reason, written ? QString() : qt_error_string(error));
    QCOMPARE(contentOf(path), replaced ? QByteArray("the new, longer list") : QByteArray("old list"));
    QCOMPARE(g_fault.fileSyncs, fileSyncs);
    QCOMPARE(g_fault.folderSyncs, folderSyncs);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("list.pb")});
}

QTEST_GUILESS_MAIN(tst_CWholeFileWriter)
#include "tst_CWholeFileWriter.moc"
