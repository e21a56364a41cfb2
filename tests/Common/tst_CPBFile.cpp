#include "Common/CPBFile.h"
#include "FileSizeLimit.h"
#include "ProtoBuf/GroupList.pb.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

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
    void fullDiskKeepsTheOldFile_data();
    void fullDiskKeepsTheOldFile();

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

void tst_CPBFile::fullDiskKeepsTheOldFile_data()
{
    QTest::addColumn<int>("room"); // bytes a file may grow to
    QTest::newRow("no room") << 0;
    QTest::newRow("room for part of the list") << 16;
}

void tst_CPBFile::fullDiskKeepsTheOldFile()
{
    QFETCH(int, room);
    QVERIFY(CPBFile(m_path, CODE).Save(sampleList()).isOk());
    const QByteArray before = contentOf(m_path);
    GroupList longer = sampleList();
    longer.mutable_group(0)->set_name(std::string(200, 'L'));
    const FileSizeLimit full(static_cast<rlim_t>(room));
    const CListFileStatus status = CPBFile(m_path, CODE).Save(longer);
    QCOMPARE(int(status.code()), int(CListFileStatus::SaveFailed));
    QCOMPARE(status.detail(), qt_error_string(EFBIG));
    QCOMPARE(contentOf(m_path), before);
}

QTEST_GUILESS_MAIN(tst_CPBFile)
#include "tst_CPBFile.moc"
