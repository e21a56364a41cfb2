#include "Connection/CControlDVRList.h"
#include "ReadOnlyFolder.h"
#include "Settings/CAppDir.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

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

bool isDefaultDirectory(const GroupList& groups)
{
    if (groups.group_size() != 1 || groups.group(0).dvr_size() != 1)
        return false;
    const Group& group = groups.group(0);
    const DVR& dvr = group.dvr(0);
    return group.name() == "My Group" && group.autoconnect() == -1 && dvr.name() == "My DVR" && dvr.port() == 80
        && dvr.chnum() == 16 && dvr.bitch() == 65535 && !dvr.oldprotocol() && dvr.address().empty() && dvr.id().empty()
        && dvr.password().empty();
}

GroupList sampleDirectory()
{
    GroupList groups;
    Group* office = groups.add_group();
    office->set_name("Office \xc3\xa9\xea\xb0\x80");
    DVR* front = office->add_dvr();
    front->set_name("Front");
    front->set_address("192.168.0.10");
    front->set_port(8080);
    front->set_id("admin");
    front->set_password("p+w=&%");
    front->set_chnum(8);
    front->set_bitch(0xff);
    front->add_chname("Door");
    front->add_chname("\xc7\xd1\xb1\xdb");
    DVR* old = office->add_dvr();
    old->set_name("Old");
    old->set_oldprotocol(true);
    Group* empty = groups.add_group();
    empty->set_name("Empty");
    empty->set_autoconnect(1);
    return groups;
}

} // namespace

class tst_CControlDVRList : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void noFileGivesDefaultAndWritesNothing();
    void saveThenLoad();
    void codeOnlyGivesDefault();
    void unusableFileSurvivesLoadAndIsMovedAsideOnSave_data();
    void unusableFileSurvivesLoadAndIsMovedAsideOnSave();
    void unreadableFileIsKept();
    void readOnlyFileLoads();
    void saveIntoReadOnlyFolderFails();

private:
    QScopedPointer<QTemporaryDir> m_dir;
    QString m_path;
};

void tst_CControlDVRList::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    CAppDir::setCurrentPathOverride(m_dir->path());
    m_path = m_dir->filePath(QStringLiteral("DVRlist.pb"));
    QCOMPARE(CControlDVRList::filePath(), m_path);
}

void tst_CControlDVRList::cleanup()
{
    CAppDir::setCurrentPathOverride(QString());
    m_dir.reset();
}

void tst_CControlDVRList::noFileGivesDefaultAndWritesNothing()
{
    QTest::ignoreMessage(QtWarningMsg, qPrintable("error: file open error " + m_path));
    CListFileStatus status;
    QVERIFY(isDefaultDirectory(CControlDVRList().Load(&status)));
    QCOMPARE(int(status.code()), int(CListFileStatus::Missing));
    QVERIFY(!status.needsAttention());
    QVERIFY(QDir(m_dir->path()).isEmpty());
}

void tst_CControlDVRList::saveThenLoad()
{
    const CListFileStatus saved = CControlDVRList().Save(sampleDirectory());
    QVERIFY(saved.isOk());
    QVERIFY(contentOf(m_path).startsWith("DVRLIST_PB"));

    CListFileStatus status;
    const GroupList loaded = CControlDVRList().Load(&status);
    QVERIFY(status.isOk());
    QCOMPARE(loaded.SerializeAsString(), sampleDirectory().SerializeAsString());
    QCOMPARE(loaded.group(0).dvr(0).chname(1), std::string("\xc7\xd1\xb1\xdb"));
}

void tst_CControlDVRList::codeOnlyGivesDefault()
{
    writeFile(m_path, "DVRLIST_PB");
    CListFileStatus status;
    QVERIFY(isDefaultDirectory(CControlDVRList().Load(&status)));
    QVERIFY(status.isOk());
    QCOMPARE(contentOf(m_path), QByteArray("DVRLIST_PB"));
}

void tst_CControlDVRList::unusableFileSurvivesLoadAndIsMovedAsideOnSave_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("code");
    QTest::addColumn<QByteArray>("warning");
    const QByteArray invalid = "Invalid file format(DVR list)";
    QTest::newRow("empty") << QByteArray() << int(CListFileStatus::InvalidFormat) << invalid;
    QTest::newRow("start of the code") << QByteArray("DVRL") << int(CListFileStatus::InvalidFormat) << invalid;
    QTest::newRow("E-Map list") << QByteArray("EMAPLIST_PB") + QByteArray::fromHex("0a021200")
                                << int(CListFileStatus::InvalidFormat) << invalid;
    QTest::newRow("damaged body") << QByteArray("DVRLIST_PB") + QByteArray::fromHex("0a0a1203ff")
                                  << int(CListFileStatus::Damaged) << QByteArray("error: file parse error");
}

void tst_CControlDVRList::unusableFileSurvivesLoadAndIsMovedAsideOnSave()
{
    QFETCH(QByteArray, content);
    QFETCH(int, code);
    QFETCH(QByteArray, warning);
    writeFile(m_path, content);

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QRegularExpression::escape(warning)));
    CListFileStatus loaded;
    QVERIFY(isDefaultDirectory(CControlDVRList().Load(&loaded)));
    QCOMPARE(int(loaded.code()), code);
    QVERIFY(loaded.needsAttention());
    QVERIFY(!loaded.message().isEmpty());
    QCOMPARE(contentOf(m_path), content);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files).size(), 1);

    const CListFileStatus saved = CControlDVRList().Save(sampleDirectory());
    QVERIFY(saved.isOk());
    QVERIFY(saved.needsAttention());
    QCOMPARE(contentOf(saved.asidePath()), content);
    QCOMPARE(QFileInfo(saved.asidePath()).absolutePath(), m_dir->path());
    QCOMPARE(CControlDVRList().Load().SerializeAsString(), sampleDirectory().SerializeAsString());
}

void tst_CControlDVRList::unreadableFileIsKept()
{
    // A folder in the file's place cannot be read, whoever runs the test.
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("DVRlist.pb")));
    writeFile(m_path + QStringLiteral("/inside"), "kept");
    QTest::ignoreMessage(QtWarningMsg, qPrintable("error: file open error " + m_path));
    CListFileStatus loaded;
    QVERIFY(isDefaultDirectory(CControlDVRList().Load(&loaded)));
    QCOMPARE(int(loaded.code()), int(CListFileStatus::Unreadable));

    const CListFileStatus saved = CControlDVRList().Save(sampleDirectory());
    QVERIFY(saved.isOk());
    QCOMPARE(contentOf(saved.asidePath() + QStringLiteral("/inside")), QByteArray("kept"));
    QVERIFY(contentOf(m_path).startsWith("DVRLIST_PB"));
}

void tst_CControlDVRList::readOnlyFileLoads()
{
    QVERIFY(CControlDVRList().Save(sampleDirectory()).isOk());
    const std::string expected = sampleDirectory().SerializeAsString();
    QVERIFY(withReadOnlyFolder(m_dir->path(), [&expected] {
        CListFileStatus status;
        const GroupList loaded = CControlDVRList().Load(&status);
        return status.isOk() && loaded.SerializeAsString() == expected;
    }));
}

void tst_CControlDVRList::saveIntoReadOnlyFolderFails()
{
    QVERIFY(CControlDVRList().Save(sampleDirectory()).isOk());
    const QByteArray before = contentOf(m_path);
    QVERIFY(withReadOnlyFolder(m_dir->path(), [] {
        const CListFileStatus status = CControlDVRList().Save(GroupList());
        return status.code() == CListFileStatus::SaveFailed && status.needsAttention() && !status.detail().isEmpty();
    }));
    QCOMPARE(contentOf(m_path), before);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(), 1);
}

QTEST_GUILESS_MAIN(tst_CControlDVRList)
#include "tst_CControlDVRList.moc"
