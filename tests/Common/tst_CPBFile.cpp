#include "Common/CPBFile.h"
#include "FileSizeLimit.h"
#include "ProtoBuf/GroupList.pb.h"
#include "SyncFault.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

namespace {

const QByteArray CODE = "EMAPLIST_PB";

GroupList sampleList()
{
    GroupList list;
    Group* group = list.add_group();
    group->set_name("Lobby");
    group->add_dvr()->set_name("Gate");
    return list;
}

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(content), content.size());
}

} // namespace

// The DVR list's own tests cover loading and saving through this container;
// these cover what a list file alone does not show.
class tst_CPBFile : public QObject {
    Q_OBJECT

private slots:
    void init();
    void oversizedFileCountsAsDamaged();
    void unusableFilesAreMovedAsideOnce();
    void savesTheDiskRefuses_data();
    void savesTheDiskRefuses();

private:
    QString m_path;
    QScopedPointer<QTemporaryDir> m_dir;
};

void tst_CPBFile::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    m_path = m_dir->filePath(QStringLiteral("EMaplist.pb"));
}

void tst_CPBFile::oversizedFileCountsAsDamaged()
{
    QFile file(m_path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.write(CODE) == CODE.size() && file.resize(CPBFile::MAX_FILE_SIZE + 1));
    file.close();
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("error: file parse error"));

    GroupList list = sampleList();
    const CListFileStatus status = CPBFile(m_path, CODE).Load(&list);
    QCOMPARE(int(status.code()), int(CListFileStatus::Damaged));
    QCOMPARE(list.group_size(), 0);
}
void tst_CPBFile::unusableFilesAreMovedAsideOnce()
{
    const QByteArray foreign = "DVRLIST_PB\x0a\x02";
    writeFile(m_path, foreign);
    const CListFileStatus first = CPBFile(m_path, CODE).Save(sampleList());
    QVERIFY(first.isOk());
    QVERIFY(first.needsAttention());
    QVERIFY(first.asidePath().startsWith(m_path + QStringLiteral(".invalid-")));
    QCOMPARE(contentOf(first.asidePath()), foreign);

    // A second unusable file within the same second gets a name of its own.
    writeFile(m_path, "garbage");
    const CListFileStatus second = CPBFile(m_path, CODE).Save(sampleList());
    QVERIFY(!second.asidePath().isEmpty());
    QVERIFY(second.asidePath() != first.asidePath());
    QCOMPARE(contentOf(first.asidePath()), foreign);
    QCOMPARE(contentOf(second.asidePath()), QByteArray("garbage"));

    // A usable file is simply replaced.
    const CListFileStatus third = CPBFile(m_path, CODE).Save(GroupList());
    QVERIFY(third.asidePath().isEmpty());
    QCOMPARE(contentOf(m_path), CODE);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files).size(), 3);
}

void tst_CPBFile::savesTheDiskRefuses_data()
{
    QTest::addColumn<int>("room"); // bytes a file may grow to; -1: no limit
    QTest::addColumn<int>("folderSyncError");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("told");
    QTest::newRow("full disk: no room") << 0 << 0 << int(CListFileStatus::SaveFailed) << EFBIG
                                        << "The list could not be saved to ";
    QTest::newRow("full disk: room for part of the list")
        << 16 << 0 << int(CListFileStatus::SaveFailed) << EFBIG << "The list could not be saved to ";
    // The new list is in place: it is no failure, but the operator hears it.
    QTest::newRow("the folder's sync fails")
        << -1 << EIO << int(CListFileStatus::SaveUnconfirmed) << EIO << "The list was saved to ";
}

void tst_CPBFile::savesTheDiskRefuses()
{
    QFETCH(int, room);
    QFETCH(int, folderSyncError);
    QFETCH(int, code);
    QFETCH(int, error);
    QFETCH(QString, told);
    QVERIFY(CPBFile(m_path, CODE).Save(sampleList()).isOk());
    const QByteArray before = contentOf(m_path);
    GroupList longer = sampleList();
    longer.mutable_group(0)->set_name(std::string(200, 'L'));
    std::optional<FileSizeLimit> full;
    if (room >= 0)
        full.emplace(static_cast<rlim_t>(room));
    SyncFault::failNext(true, folderSyncError);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^error: file (create|sync) error")));
    const CListFileStatus status = CPBFile(m_path, CODE).Save(longer);
    full.reset();
    QCOMPARE(int(status.code()), code);
    QCOMPARE(status.detail(), qt_error_string(error));
    QCOMPARE(status.isSaved(), code == CListFileStatus::SaveUnconfirmed);
    QVERIFY(status.needsAttention());
    QVERIFY2(status.message().startsWith(told + m_path), qPrintable(status.message()));
    QVERIFY2(status.message().contains(qt_error_string(error)), qPrintable(status.message()));
    QCOMPARE(
        contentOf(m_path), status.isSaved() ? CODE + QByteArray::fromStdString(longer.SerializeAsString()) : before);
}

QTEST_GUILESS_MAIN(tst_CPBFile)
#include "tst_CPBFile.moc"
