#include "RawFileChecker.h"
#include "SysData/CCreateRaw.h"
#include "WireBuilder.h"
#include "dvr_protocol/cgi_response.pb.h"

#include <QDateTime>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>

namespace {

struct Feed {
    bool old = false;
    QByteArray frame;
};

// 2024-01-01 10:00:00 in DVR time.
const quint32 T10 = 1704103200;

Feed frame(int channel, quint32 sec, int type = 0, int reason = 0, int bytes = 100, quint32 usec = 0)
{
    WireBuilder::NewHeader h;
    h.type = static_cast<quint8>(type);
    h.channel = static_cast<quint8>(channel);
    h.recReason = static_cast<quint8>(reason);
    h.size = static_cast<quint32>(bytes);
    h.sec = sec;
    h.usec = usec;
    return {false, WireBuilder::newFrame(h, bytes)};
}

// typeCode as the old header carries it: 0 or 2 key frame, 1 P frame, 3 audio.
Feed oldFrame(int channel, quint32 sec, int typeCode, int reason, int bytes = 120)
{
    WireBuilder::OldHeader h;
    h.totalLength = h.dataSize = static_cast<quint32>(bytes);
    h.sizeAndType = static_cast<quint32>(bytes) | static_cast<quint32>(typeCode) << 22;
    h.recordAndPlayback = static_cast<quint8>(reason);
    h.channel = static_cast<quint8>(channel);
    h.sec = sec;
    return {true, WireBuilder::oldFrame(h, bytes)};
}

cgi::DvrInfo dvrInfo(int channels, const QStringList& names = {})
{
    cgi::DvrInfo info;
    info.set_ch_num(static_cast<quint32>(channels));
    for (const QString& name : names)
        info.add_ch_name(name.toStdString());
    return info;
}

// "hhmmss:entries" per pair, "hhmm:mask:kinds" per minute record.
QStringList pairSummary(const RawFileChecker& c)
{
    QStringList out;
    for (const RawFileChecker::Pair& p : c.pairs)
        out << p.stem.mid(9) + ':' + QString::number(p.entries.size());
    return out;
}

QStringList minuteSummary(const RawFileChecker& c)
{
    QStringList out;
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

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void record(const QString& folder, const QList<Feed>& feeds, const cgi::DvrInfo& info = dvrInfo(16))
{
    CCreateRaw raw;
    raw.init(QStringLiteral("DVR"), folder, info);
    for (const Feed& f : feeds)
        raw.writeData(f.old, f.frame);
    QVERIFY(raw.deinit());
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
    void unwritableFolderFails();
    void diskFullKeepsFilesConsistent();
    void nothingAfterDeinit();
};

void tst_CCreateRaw::layout_data()
{
    QTest::addColumn<QList<Feed>>("feeds");
    QTest::addColumn<QStringList>("pairs");
    QTest::addColumn<QStringList>("minutes");

    QTest::newRow("minute boundary") << QList<Feed>{frame(0, T10 + 59, 0, 1), frame(1, T10 + 60, 1, 2)}
                                     << QStringList{"100059:1", "100100:1"}
                                     << QStringList{"1000:0001:1000000000000000", "1001:0002:0200000000000000"};
    QTest::newRow("clock set back stays in the pair")
        << QList<Feed>{frame(0, T10 + 10, 0, 1), frame(0, T10 + 50, 1, 1), frame(1, T10 - 30, 0, 2),
               frame(2, T10 + 55, 0, 3)}
        << QStringList{"100010:4"}
        << QStringList{"1000:0001:1000000000000000", "0959:0002:0200000000000000", "1000:0004:0030000000000000"};
    QTest::newRow("one minute, audio too, last kind wins")
        << QList<Feed>{frame(0, T10 + 1, 0, 1), frame(0, T10 + 2, 3, 0, 320), frame(5, T10 + 3, 1, 2, 1001),
               frame(0, T10 + 4, 1, 3), frame(15, T10 + 5, 3, 1, 320)}
        << QStringList{"100001:5"} << QStringList{"1000:8021:3000020000000001"};
    QTest::newRow("old dialect reasons become kinds 1 to 3")
        << QList<Feed>{oldFrame(0, T10, 0, 0), oldFrame(1, T10 + 1, 1, 1), oldFrame(2, T10 + 2, 2, 2),
               oldFrame(3, T10 + 3, 3, 3, 1200)}
        << QStringList{"100000:4"} << QStringList{"1000:000f:1233000000000000"};
    QTest::newRow("damaged frames are dropped")
        << QList<Feed>{{false, frame(0, T10, 0, 1).frame.left(100)}, frame(16, T10), frame(1, T10 + 1, 0, 1),
               {true, oldFrame(0, T10, 0, 0).frame.left(150)}, {true, frame(0, T10).frame}}
        << QStringList{"100001:1"} << QStringList{"1000:0002:0100000000000000"};
    QTest::newRow("no frame, no file") << QList<Feed>{} << QStringList{} << QStringList{};
    QTest::newRow("only damaged frames, no file")
        << QList<Feed>{{false, frame(0, T10).frame.left(35)}} << QStringList{} << QStringList{};
}

void tst_CCreateRaw::layout()
{
    QFETCH(QList<Feed>, feeds);
    QFETCH(QStringList, pairs);
    QFETCH(QStringList, minutes);

    QTemporaryDir dir;
    record(dir.path(), feeds);
    const RawFileChecker c(dir.path());
    QVERIFY2(c.ok(), qPrintable(c.problems()));
    QCOMPARE(pairSummary(c), pairs);
    QCOMPARE(minuteSummary(c), minutes);
    if (pairs.isEmpty()) {
        QVERIFY(QDir(dir.path()).isEmpty());
        return;
    }
    // The database is named after the recording's first written frame.
    QCOMPARE(c.databases.size(), 1);
    QCOMPARE(c.databases[0].stem, c.pairs[0].stem);
    QCOMPARE(c.databases[0].channels, 16);
    // The written frames are the accepted ones, in order, byte for byte.
    QList<QByteArray> written;
    for (const RawFileChecker::Pair& p : c.pairs) {
        for (const RawFileChecker::Entry& e : p.entries)
            written << e.frame;
    }
    qsizetype next = 0;
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

    const QList<QByteArray> fallback = {"CH 1", "CH 2", "CH 3", "CH 4", "CH 5", "CH 6", "CH 7", "CH 8", "CH 9", "CH 10",
        "CH 11", "CH 12", "CH 13", "CH 14", "CH 15", "CH 16"};
    QList<QByteArray> four = fallback;
    four[0] = "Door";
    four[1] = "Yard";
    four[2] = "";
    four[3] = "Gate";
    QTest::newRow("four names, the rest numbered")
        << "Shop" << QStringList{"Door", "Yard", "", "Gate"} << QByteArray("Shop") << four;

    QList<QByteArray> cut = fallback;
    cut[0] = "abcdefghijklmnopqrst";
    // 19 ASCII bytes then a 3-byte character: cut before the character.
    cut[1] = "0123456789012345678";
    QTest::newRow("long names cut at 20 bytes, whole characters")
        << "ABCDEFGHIJKLMNOPQRSTUVWXYZ" << QStringList{"abcdefghijklmnopqrstuvwxyz", "0123456789012345678\u00e9\u00e9"}
        << QByteArray("ABCDEFGHIJKLMNOPQRST") << cut;

    // Korean text is two bytes a character in the narrow codec: 9 ASCII
    // bytes and five characters need 19 bytes, a sixth would need 21.
    QTest::newRow("narrow DVR name cut between characters")
        << QString("123456789")
            + QString::fromUtf8("\xea\xb0\x80\xea\xb0\x80\xea\xb0\x80\xea\xb0\x80\xea\xb0\x80\xea\xb0\x80")
        << QStringList{} << QByteArray("123456789\xb0\xa1\xb0\xa1\xb0\xa1\xb0\xa1\xb0\xa1") << fallback;

    QStringList seventeen;
    for (int i = 0; i < 17; ++i)
        seventeen << QStringLiteral("cam%1").arg(i);
    QList<QByteArray> sixteen;
    for (int i = 0; i < 16; ++i)
        sixteen << QByteArray("cam") + QByteArray::number(i);
    QTest::newRow("more than sixteen names") << "D" << seventeen << QByteArray("D") << sixteen;
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
    QCOMPARE(raw.writeData(false, frame(0, T10).frame), CCreateRaw::Written);
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
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("frame file taken") << QStringList{"20240101_100000.hav"}
                                      << QStringList{"20240101_100000-1.hav", "20240101_100000-1.hrf",
                                             "20240101_100000.hav", "20240101_100000.hdb"};
    QTest::newRow("index file taken") << QStringList{"20240101_100000.hrf"}
                                      << QStringList{"20240101_100000-1.hav", "20240101_100000-1.hrf",
                                             "20240101_100000.hdb", "20240101_100000.hrf"};
    QTest::newRow("database taken twice") << QStringList{"20240101_100000.hdb", "20240101_100000-1.hdb"}
                                          << QStringList{"20240101_100000-1.hdb", "20240101_100000-2.hdb",
                                                 "20240101_100000.hav", "20240101_100000.hdb", "20240101_100000.hrf"};
}

void tst_CCreateRaw::neverOverwrites()
{
    QFETCH(QStringList, taken);
    QFETCH(QStringList, expected);

    QTemporaryDir dir;
    for (const QString& name : taken) {
        QFile f(dir.filePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("earlier recording");
    }
    record(dir.path(), {frame(0, T10), frame(1, T10 + 1)});
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files, QDir::Name), expected);
    for (const QString& name : taken)
        QCOMPARE(fileBytes(dir.filePath(name)), QByteArray("earlier recording"));
}

void tst_CCreateRaw::unwritableFolderFails()
{
    QTemporaryDir dir;
    CCreateRaw raw;
    raw.init("DVR", dir.filePath("missing"), dvrInfo(16));
    QCOMPARE(raw.writeData(false, frame(0, T10).frame), CCreateRaw::Failed);
    QVERIFY(raw.errorString().startsWith("[ERROR]"));
    QVERIFY(raw.errorString().contains("missing"));
    QVERIFY(raw.deinit());
    QVERIFY(QDir(dir.path()).isEmpty());
}

void tst_CCreateRaw::diskFullKeepsFilesConsistent()
{
    // A file size limit fails writes the way a full disk does.
    QTemporaryDir dir;
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved;
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit limited = saved;
    limited.rlim_cur = 20000;

    CCreateRaw raw;
    raw.init("DVR", dir.path(), dvrInfo(16));
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &limited), 0);
    CCreateRaw::Result result = CCreateRaw::Written;
    int written = 0;
    for (quint32 i = 0; i < 400 && result == CCreateRaw::Written; ++i) {
        result = raw.writeData(false, frame(i % 4, T10 + i / 4, i % 10 ? 1 : 0, 1, 997).frame);
        written += result == CCreateRaw::Written;
    }
    raw.deinit();
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &saved), 0);

    QCOMPARE(result, CCreateRaw::Failed);
    QVERIFY(raw.errorString().startsWith("[ERROR] Can not write"));
    const RawFileChecker c(dir.path());
    QVERIFY2(c.ok(), qPrintable(c.problems()));
    int indexed = 0;
    for (const RawFileChecker::Pair& p : c.pairs)
        indexed += p.entries.size();
    QCOMPARE(indexed, written);
}

void tst_CCreateRaw::nothingAfterDeinit()
{
    QTemporaryDir dir;
    CCreateRaw raw;
    raw.init("DVR", dir.path(), dvrInfo(16));
    QVERIFY(raw.deinit());
    QCOMPARE(raw.writeData(false, frame(0, T10).frame), CCreateRaw::Dropped);
    QVERIFY(QDir(dir.path()).isEmpty());

    // A DVR that reported no channels records nothing.
    raw.init("DVR", dir.path(), dvrInfo(0));
    QCOMPARE(raw.writeData(false, frame(0, T10).frame), CCreateRaw::Dropped);
    QVERIFY(QDir(dir.path()).isEmpty());
}

QTEST_GUILESS_MAIN(tst_CCreateRaw)
#include "tst_CCreateRaw.moc"
