#include "FileSizeLimit.h"
#include "RawFileChecker.h"
#include "RecordingFeed.h"
#include "SysData/CCreateRaw.h"
#include "dvr_protocol/cgi_response.pb.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace RecordingFeed;

namespace {

struct Feed {
    bool old = false;
    QByteArray frame;
};

Feed frame(int channel, quint32 sec, int type, int reason)
{
    return {false, newFrame(type, channel, sec, 0, QByteArray(), reason)};
}

Feed old(int channel, quint32 sec, int typeCode, int reason)
{
    return {true, oldFrame(typeCode, channel, sec, reason)};
}

cgi::DvrInfo dvrInfo(int channels, const QStringList& names = {})
{
    cgi::DvrInfo info;
    info.set_ch_num(static_cast<quint32>(channels));
    for (const QString& name : names)
        info.add_ch_name(name.toStdString());
    return info;
}

// "hhmmss:entries" per pair; "hhmm:mask:kinds" per minute record.
QStringList summary(const RawFileChecker& c)
{
    QStringList out;
    for (const RawFileChecker::Pair& p : c.pairs)
        out << p.stem.mid(9) + ':' + QString::number(p.entries.size());
    for (const RawFileChecker::Database& db : c.databases) {
        for (const RawFileChecker::Minute& m : db.minutes) {
            QString kinds;
            for (int k : m.kinds)
                kinds += QString::number(k);
            out << fileTime(m.start).mid(9, 4) + ':' + QString::number(m.mask, 16).rightJustified(4, '0') + ':' + kinds;
        }
    }
    return out;
}

} // namespace

Q_DECLARE_METATYPE(QList<Feed>)

class tst_CCreateRaw : public QObject {
    Q_OBJECT

private slots:
    void layout_data();
    void layout();
    void names_data();
    void names();
    void neverOverwrites_data();
    void neverOverwrites();
    void failures();
};

void tst_CCreateRaw::layout_data()
{
    QTest::addColumn<QList<Feed>>("feeds");
    QTest::addColumn<QStringList>("files");

    QTest::newRow("minute boundary") << QList<Feed>{frame(0, T10 + 59, 0, 1), frame(1, T10 + 60, 1, 2)}
                                     << QStringList{"100059:1", "100100:1", "1000:0001:1000000000000000",
                                            "1001:0002:0200000000000000"};
    // Records are neither sorted nor merged: a minute may come twice.
    QTest::newRow("clock set back stays in the pair")
        << QList<Feed>{frame(0, T10 + 10, 0, 1), frame(0, T10 + 50, 1, 1), frame(1, T10 - 30, 0, 2),
               frame(2, T10 + 55, 0, 3)}
        << QStringList{
               "100010:4", "1000:0001:1000000000000000", "0959:0002:0200000000000000", "1000:0004:0030000000000000"};
    QTest::newRow("audio counts, last kind wins") << QList<Feed>{frame(0, T10 + 1, 0, 1), frame(0, T10 + 2, 3, 0),
        frame(5, T10 + 3, 1, 2), frame(0, T10 + 4, 1, 3), frame(15, T10 + 5, 3, 1)}
                                                  << QStringList{"100001:5", "1000:8021:3000020000000001"};
    QTest::newRow("old dialect reasons become kinds 1 to 3") << QList<Feed>{old(0, T10, 0, 0), old(1, T10 + 1, 1, 1),
        old(2, T10 + 2, 2, 2), old(3, T10 + 3, 3, 3)} << QStringList{"100000:4", "1000:000f:1233000000000000"};
    QTest::newRow("damaged frames are dropped") << QList<Feed>{{false, frame(0, T10, 0, 1).frame.chopped(1)},
        frame(16, T10, 0, 0), frame(1, T10 + 1, 0, 1), {true, old(0, T10, 0, 0).frame.chopped(1)},
        {true, frame(0, T10, 0, 0).frame}} << QStringList{"100001:1", "1000:0002:0100000000000000"};
    QTest::newRow("no frame, no file") << QList<Feed>{} << QStringList{};
}

void tst_CCreateRaw::layout()
{
    QFETCH(QList<Feed>, feeds);
    QFETCH(QStringList, files);

    QTemporaryDir dir;
    CCreateRaw raw;
    raw.init("DVR", dir.path(), dvrInfo(16));
    for (const Feed& f : feeds)
        raw.writeData(f.old, f.frame);
    QVERIFY(raw.deinit());

    const RawFileChecker c(dir.path());
    QVERIFY2(c.ok(), qPrintable(c.problems()));
    QCOMPARE(summary(c), files);
    if (files.isEmpty()) {
        QVERIFY(QDir(dir.path()).isEmpty());
        return;
    }
    // One database, named after the first written frame, like its first pair.
    QCOMPARE(c.databases.size(), 1);
    QCOMPARE(c.databases[0].stem, c.pairs[0].stem);
    QCOMPARE(c.databases[0].channels, 16);
    // The written frames are the accepted ones, in order, byte for byte.
    qsizetype next = 0;
    QList<QByteArray> written;
    for (const RawFileChecker::Pair& p : c.pairs) {
        for (const RawFileChecker::Entry& e : p.entries)
            written << e.frame;
    }
    for (const Feed& f : feeds)
        next += next < written.size() && written[next] == f.frame;
    QCOMPARE(next, written.size());
}

void tst_CCreateRaw::names_data()
{
    QTest::addColumn<QString>("dvrName");
    QTest::addColumn<QStringList>("cameras");
    QTest::addColumn<QByteArray>("storedDvrName");
    QTest::addColumn<QList<QByteArray>>("stored");

    QList<QByteArray> numbered;
    for (int i = 1; i <= 16; ++i)
        numbered << "CH " + QByteArray::number(i);
    QList<QByteArray> four = numbered;
    four.replace(0, "Door");
    four.replace(1, "");
    four.replace(2, "0123456789012345678"); // a 2-byte character would pass 20 bytes
    four.replace(3, "abcdefghijklmnopqrst");
    QTest::newRow("four names, the rest numbered, cut at 20 bytes")
        << "ABCDEFGHIJKLMNOPQRSTUVWXYZ"
        << QStringList{"Door", "", "0123456789012345678\u00e9", "abcdefghijklmnopqrstuvwxyz"}
        << QByteArray("ABCDEFGHIJKLMNOPQRST") << four;
    // Korean is two bytes a character in the narrow codec: 9 + 5 x 2 fit.
    QTest::newRow("narrow DVR name cut between characters")
        << QString("123456789") + QString(6, QChar(0xAC00)) << QStringList{}
        << QByteArray("123456789\xb0\xa1\xb0\xa1\xb0\xa1\xb0\xa1\xb0\xa1") << numbered;
}

void tst_CCreateRaw::names()
{
    QFETCH(QString, dvrName);
    QFETCH(QStringList, cameras);
    QFETCH(QByteArray, storedDvrName);
    QFETCH(QList<QByteArray>, stored);

    QTemporaryDir dir;
    CCreateRaw raw;
    raw.init(dvrName, dir.path(), dvrInfo(4, cameras));
    QCOMPARE(raw.writeData(false, frame(0, T10, 0, 0).frame), CCreateRaw::Written);
    QVERIFY(raw.deinit());
    const RawFileChecker c(dir.path());
    QVERIFY2(c.ok(), qPrintable(c.problems()));
    QCOMPARE(c.databases[0].channels, 4);
    QCOMPARE(c.pairs[0].dvrName, storedDvrName);
    QCOMPARE(c.pairs[0].cameraNames, stored);
}

void tst_CCreateRaw::neverOverwrites_data()
{
    QTest::addColumn<QStringList>("taken");
    QTest::addColumn<QStringList>("made");

    QTest::newRow("frame file taken") << QStringList{
        "20240101_100000.hav"} << QStringList{"20240101_100000-1.hav", "20240101_100000-1.hrf", "20240101_100000.hdb"};
    QTest::newRow("index file taken") << QStringList{
        "20240101_100000.hrf"} << QStringList{"20240101_100000-1.hav", "20240101_100000-1.hrf", "20240101_100000.hdb"};
    QTest::newRow("database taken twice") << QStringList{"20240101_100000.hdb",
        "20240101_100000-1.hdb"} << QStringList{"20240101_100000-2.hdb", "20240101_100000.hav", "20240101_100000.hrf"};
}

void tst_CCreateRaw::neverOverwrites()
{
    QFETCH(QStringList, taken);
    QFETCH(QStringList, made);

    QTemporaryDir dir;
    for (const QString& name : taken) {
        QFile f(dir.filePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("earlier recording");
    }
    CCreateRaw raw;
    raw.init("DVR", dir.path(), dvrInfo(16));
    QCOMPARE(raw.writeData(false, frame(0, T10, 0, 0).frame), CCreateRaw::Written);
    QVERIFY(raw.deinit());
    QStringList all = taken + made;
    all.sort();
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files, QDir::Name), all);
    for (const QString& name : taken) {
        QFile f(dir.filePath(name));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("earlier recording"));
    }
}

void tst_CCreateRaw::failures()
{
    QTemporaryDir dir;
    CCreateRaw raw;
    raw.init("DVR", dir.filePath("missing"), dvrInfo(16));
    QCOMPARE(raw.writeData(false, frame(0, T10, 0, 0).frame), CCreateRaw::Failed);
    QVERIFY(raw.errorString().startsWith("[ERROR] Can not create the recording file " + dir.filePath("missing")));

    // A write that fails leaves whole frames, whole index records and
    // minutes that match them.
    raw.init("DVR", dir.path(), dvrInfo(16));
    int written = 0;
    {
        const FileSizeLimit full(20000);
        for (quint32 i = 0; i < 400
             && raw.writeData(false, newFrame(i % 10 ? 1 : 0, int(i % 4), T10 + i / 4, 0, nal(0x41, 997)))
                 == CCreateRaw::Written;
             ++i)
            ++written;
        raw.deinit();
    }
    // A frame cut short tells the system's reason, not an unknown error.
    QVERIFY2(raw.errorString().startsWith("[ERROR] Can not write the recording file")
            && raw.errorString().endsWith(": " + qt_error_string(EFBIG)),
        qPrintable(raw.errorString()));
    const RawFileChecker c(dir.path());
    QVERIFY2(c.ok(), qPrintable(c.problems()));
    QCOMPARE(c.pairs.size(), 1);
    QCOMPARE(c.pairs[0].entries.size(), written);

    // Nothing is written once the recording ended, or for a DVR without channels.
    QCOMPARE(raw.writeData(false, frame(0, T10, 0, 0).frame), CCreateRaw::Dropped);
    raw.init("DVR", dir.filePath("none"), dvrInfo(0));
    QCOMPARE(raw.writeData(false, frame(0, T10, 0, 0).frame), CCreateRaw::Dropped);
    QVERIFY(!QDir(dir.filePath("none")).exists());
}

QTEST_GUILESS_MAIN(tst_CCreateRaw)
#include "tst_CCreateRaw.moc"
