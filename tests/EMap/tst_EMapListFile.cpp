#include "EMap/CControlEMapList.h"
#include "EMap/CEMapListStore.h"
#include "ReadOnlyFolder.h"
#include "Settings/CAppDir.h"
#include "SyncFault.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// The E-Map list file: its bytes, a round trip, and what the map tree's
// keeper does with files it cannot use and saves that fail.
namespace {

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
}

EMapGroupList oneGroup(const char* group, const char* map, const char* path)
{
    EMapGroupList list;
    EMapList* maps = list.add_emaplist();
    maps->set_name(group);
    EMap* one = maps->add_emap();
    one->set_name(map);
    one->set_mapimagepath(path);
    return list;
}

} // namespace

class tst_EMapListFile : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void bytes_data();
    void bytes();
    void roundTripKeepsOrderAndDuplicates();
    void unusableFileIsToldKeptAndMovedAside_data();
    void unusableFileIsToldKeptAndMovedAside();
    void failedSaveKeepsTheFileAndIsToldOnce();
    void unconfirmedSaveIsToldOnce();

private:
    QScopedPointer<QTemporaryDir> m_dir;
    QString m_path;
};

void tst_EMapListFile::init()
{
    m_dir.reset(new QTemporaryDir);
    CAppDir::setCurrentPathOverride(m_dir->path());
    m_path = m_dir->filePath(QStringLiteral("EMaplist.pb"));
    QCOMPARE(CControlEMapList::filePath(), m_path);
}

void tst_EMapListFile::cleanup()
{
    CAppDir::setCurrentPathOverride(QString());
    m_dir.reset();
}

void tst_EMapListFile::bytes_data()
{
    QTest::addColumn<QByteArray>("serialized");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("group A, map m, image p") << QByteArray::fromStdString(oneGroup("A", "m", "p").SerializeAsString())
                                             << QByteArray::fromHex("0A0B0A014112060A016D120170");
    EMap empty;
    empty.set_name("m");
    const QByteArray absent = QByteArray::fromStdString(empty.SerializeAsString());
    empty.set_mapimagepath("");
    QTest::newRow("image path absent") << absent << QByteArray::fromHex("0A016D");
    QTest::newRow("image path empty") << QByteArray::fromStdString(empty.SerializeAsString())
                                      << QByteArray::fromHex("0A016D1200");
    EMapItems camera;
    camera.mutable_dvr()->set_name("D");
    camera.set_posx(100);
    camera.set_posy(40);
    camera.set_channel(2);
    QTest::newRow("camera at 100, 40 on channel 2")
        << QByteArray::fromStdString(camera.SerializeAsString()).mid(5) << QByteArray::fromHex("106418282002");
}

void tst_EMapListFile::bytes()
{
    QFETCH(QByteArray, serialized);
    QFETCH(QByteArray, expected);
    QCOMPARE(serialized.toHex(' '), expected.toHex(' '));
}

void tst_EMapListFile::roundTripKeepsOrderAndDuplicates()
{
    EMapGroupList list = oneGroup("G", "m", "/maps/one.png");
    *list.add_emaplist() = list.emaplist(0);
    EMapItems* camera = list.mutable_emaplist(1)->add_emap()->add_items();
    camera->mutable_dvr()->set_name("Front \xea\xb0\x80");
    camera->set_posx(-5);
    camera->set_channel(15);
    list.mutable_emaplist(1)->mutable_emap(1)->set_name("m");

    QVERIFY(CControlEMapList::Save(list).isOk());
    QCOMPARE(fileBytes(m_path), QByteArray("EMAPLIST_PB") + QByteArray::fromStdString(list.SerializeAsString()));
    CListFileStatus status;
    QCOMPARE(CControlEMapList::Load(&status).SerializeAsString(), list.SerializeAsString());
    QVERIFY(status.isOk());
}

void tst_EMapListFile::unusableFileIsToldKeptAndMovedAside_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QByteArray>("warning");
    QTest::newRow("foreign") << QByteArray("DVRLIST_PB") + QByteArray::fromHex("0a021200")
                             << QByteArray("Invalid file format(DVR list)");
    QTest::newRow("damaged") << QByteArray("EMAPLIST_PB") + QByteArray::fromHex("0a0a1203ff")
                             << QByteArray("error: file parse error");
    QTest::newRow("unreadable") << QByteArray() << QByteArray("error: file open error");
}

void tst_EMapListFile::unusableFileIsToldKeptAndMovedAside()
{
    QFETCH(QByteArray, content);
    QFETCH(QByteArray, warning);
    const bool folder = content.isEmpty();
    // A folder in the file's place cannot be read, whoever runs the test.
    if (folder)
        QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("EMaplist.pb")));
    else {
        QFile file(m_path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QRegularExpression::escape(warning)));
    CEMapListStore store;
    QCOMPARE(store.load().emaplist_size(), 0);
    QCOMPARE(store.notices().size(), 1);
    QCOMPARE(folder ? QByteArray("<none>") : fileBytes(m_path), folder ? QByteArray("<none>") : content);

    QVERIFY(store.save(oneGroup("A", "m", "p")));
    QCOMPARE(store.notices().size(), 2);
    const QString aside = QDir(m_dir->path()).entryList({QStringLiteral("EMaplist.pb.invalid-*")}).value(0);
    QVERIFY(!aside.isEmpty());
    QVERIFY(store.notices().last().contains(aside));
    if (!folder)
        QCOMPARE(fileBytes(m_dir->filePath(aside)), content);
    QCOMPARE(CControlEMapList::Load().SerializeAsString(), oneGroup("A", "m", "p").SerializeAsString());
}

void tst_EMapListFile::failedSaveKeepsTheFileAndIsToldOnce()
{
    QVERIFY(CControlEMapList::Save(oneGroup("A", "m", "p")).isOk());
    const QByteArray before = fileBytes(m_path);
    QVERIFY(withReadOnlyFolder(m_dir->path(), [] {
        CEMapListStore store;
        const bool failedTwice = !store.save(oneGroup("B", "m", "p")) && !store.save(oneGroup("C", "m", "p"));
        const int toldOnce = int(store.notices().size());
        return failedTwice && toldOnce == 1 && store.save(EMapGroupList()) == false && store.notices().size() == 1;
    }));
    QCOMPARE(fileBytes(m_path), before);
}

// The list is in the file, though the system could not confirm that it is on
// the disk: the operator hears it once, and a failure after it is news.
void tst_EMapListFile::unconfirmedSaveIsToldOnce()
{
    CEMapListStore store;
    for (const char* group : {"A", "B"}) {
        SyncFault::failNext(true, EIO);
        QVERIFY(store.save(oneGroup(group, "m", "p")));
    }
    QCOMPARE(store.notices().size(), 1);
    QVERIFY2(store.notices().first().startsWith(QStringLiteral("The list was saved to ")),
        qPrintable(store.notices().first()));
    QCOMPARE(CControlEMapList::Load().SerializeAsString(), oneGroup("B", "m", "p").SerializeAsString());
    QVERIFY(withReadOnlyFolder(m_dir->path(), [&store] { return !store.save(oneGroup("C", "m", "p")); }));
    QCOMPARE(store.notices().size(), 2);
}

QTEST_MAIN(tst_EMapListFile)
#include "tst_EMapListFile.moc"
