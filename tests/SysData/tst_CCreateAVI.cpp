#include "AviFileChecker.h"
#include "SysData/CreateAVI.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>

namespace {

// One NAL unit with a 4-byte start code; the filler never forms a start code.
QByteArray nal(int header, int bytes)
{
    QByteArray unit("\x00\x00\x00\x01", 4);
    unit.append(static_cast<char>(header));
    for (int i = 0; unit.size() < bytes; ++i)
        unit.append(static_cast<char>(0x80 | (i & 0x7F)));
    return unit;
}

const QByteArray SPS_PPS = nal(0x67, 12) + nal(0x68, 6);

struct Chunk {
    bool audio = false;
    QByteArray data;
    bool keyArg = false;
};

QByteArray path(const QTemporaryDir& dir)
{
    return QFile::encodeName(dir.filePath("01.avi"));
}

void declare(CCreateAVI& avi, int fps = 25)
{
    avi.setInfo(CCreateAVI::H264, 704, 480, CCreateAVI::PCM, 320, 8000, 1, 16);
    avi.setVideoFPS(fps);
}

} // namespace

Q_DECLARE_METATYPE(QList<Chunk>)

class tst_CCreateAVI : public QObject {
    Q_OBJECT

private slots:
    void layout_data();
    void layout();
    void keyFlags_data();
    void keyFlags();
    void refusals();
    void rotationBeforeTheIndexFills();
    void failedWriteLeavesAPlayableFile_data();
    void failedWriteLeavesAPlayableFile();
};

void tst_CCreateAVI::layout_data()
{
    QTest::addColumn<int>("fps");
    QTest::addColumn<QList<Chunk>>("chunks");
    QTest::addColumn<quint32>("usecPerFrame");

    const QByteArray key = SPS_PPS + nal(0x65, 983); // 1001 bytes: padded
    const QList<Chunk> mixed = {{false, key}, {true, QByteArray(640, 'a')}, {false, nal(0x41, 500)},
        {false, nal(0x41, 1001)}, {true, QByteArray(640, 'b')}};
    QTest::newRow("20 fps") << 20 << mixed << quint32(50000);
    QTest::newRow("30 fps") << 30 << mixed << quint32(33334);
    QTest::newRow("rate not measured yet") << 0 << mixed << quint32(0);
    QTest::newRow("video only") << 25 << QList<Chunk>{{false, key}, {false, nal(0x41, 2)}} << quint32(40000);
}

void tst_CCreateAVI::layout()
{
    QFETCH(int, fps);
    QFETCH(QList<Chunk>, chunks);
    QFETCH(quint32, usecPerFrame);

    QTemporaryDir dir;
    CCreateAVI avi;
    declare(avi, 7);
    QCOMPARE(avi.init(path(dir)), 0);
    for (const Chunk& c : chunks)
        QCOMPARE(avi.writeData(reinterpret_cast<const unsigned char*>(c.data.constData()), int(c.data.size()), c.audio),
            CCreateAVI::WRITE_OK);
    // The rate measured while writing is the one the file keeps.
    avi.setVideoFPS(fps);
    QCOMPARE(avi.deinit(), 0);

    const AviFileChecker file(dir.filePath("01.avi"));
    QVERIFY2(file.ok(), qPrintable(file.problems()));
    QCOMPARE(file.u32(32), usecPerFrame);
    QCOMPARE(file.u32(132), quint32(fps * 100));
    QCOMPARE(file.u32(64), 704u);
    QCOMPARE(file.u32(68), 480u);
    QCOMPARE(file.u32(176), 704u);
    QCOMPARE(file.u32(180), 480u);
    QCOMPARE(file.u32(192), 704u * 480 * 6);
    QCOMPARE(file.u16(160), quint16(704));
    QCOMPARE(file.u16(162), quint16(480));
    QCOMPARE(file.u16(298), quint16(1));
    QCOMPARE(file.u32(300), 8000u);
    QCOMPARE(file.u16(310), quint16(16));
    QCOMPARE(file.u16(314), quint16(320));
    QCOMPARE(file.chunks.size(), chunks.size());
    for (int i = 0; i < chunks.size(); ++i) {
        QCOMPARE(file.chunks[i].code, QByteArray(chunks[i].audio ? "01wb" : "00dc"));
        QCOMPARE(file.chunks[i].data, chunks[i].data);
    }
    QCOMPARE(file.indexOffsets.first(), 4u);
    QCOMPARE(file.indexOffsets[1], 4u + 8 + quint32(chunks[0].data.size() + (chunks[0].data.size() & 1)));
}

void tst_CCreateAVI::keyFlags_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<bool>("keyArg");
    QTest::addColumn<bool>("key");

    QTest::newRow("parameter sets and IDR") << SPS_PPS + nal(0x65, 50) << false << true;
    QTest::newRow("IDR alone") << nal(0x65, 50) << false << true;
    QTest::newRow("delimiter, then IDR") << nal(0x09, 6) + nal(0x65, 50) << false << true;
    QTest::newRow("parameter sets, non-IDR I slice") << SPS_PPS + nal(0x61, 50) << false << true;
    QTest::newRow("P slice") << nal(0x41, 50) << false << false;
    QTest::newRow("SEI, then P slice") << nal(0x06, 9) + nal(0x41, 50) << false << false;
    QTest::newRow("P slice before an IDR") << nal(0x41, 9) + nal(0x65, 50) << false << false;
    QTest::newRow("header says key frame") << nal(0x41, 50) << true << true;
    QTest::newRow("MPEG sequence start code is no key") << QByteArray("\x00\x00\x01\xB3\x00\x00", 6) << false << false;
}

void tst_CCreateAVI::keyFlags()
{
    QFETCH(QByteArray, data);
    QFETCH(bool, keyArg);
    QFETCH(bool, key);

    QTemporaryDir dir;
    CCreateAVI avi;
    declare(avi);
    QCOMPARE(avi.init(path(dir)), 0);
    QCOMPARE(avi.writeData(reinterpret_cast<const unsigned char*>(data.constData()), int(data.size()), false, keyArg),
        CCreateAVI::WRITE_OK);
    const QByteArray audio(320, 'x');
    QCOMPARE(avi.writeData(reinterpret_cast<const unsigned char*>(audio.constData()), 320, true), CCreateAVI::WRITE_OK);
    QCOMPARE(avi.deinit(), 0);
    const AviFileChecker file(dir.filePath("01.avi"));
    QVERIFY2(file.ok(), qPrintable(file.problems()));
    QCOMPARE(file.chunks[0].key, key);
    QVERIFY(file.chunks[1].key);
}

void tst_CCreateAVI::refusals()
{
    QTemporaryDir dir;
    const QByteArray frame = SPS_PPS + nal(0x65, 40);
    const auto* bytes = reinterpret_cast<const unsigned char*>(frame.constData());
    CCreateAVI avi;

    QCOMPARE(avi.init(path(dir)), 1); // no stream declared
    declare(avi);
    QCOMPARE(avi.writeData(bytes, int(frame.size()), false), CCreateAVI::WRITE_NOT_OPEN);
    QCOMPARE(avi.writeData(bytes, 320, true), CCreateAVI::WRITE_NOT_OPEN);

    QFile taken(dir.filePath("01.avi"));
    QVERIFY(taken.open(QIODevice::WriteOnly));
    taken.write("earlier recording");
    taken.close();
    QCOMPARE(avi.init(path(dir)), 1);
    QVERIFY(!avi.errorText().empty());
    QVERIFY(taken.open(QIODevice::ReadOnly));
    QCOMPARE(taken.readAll(), QByteArray("earlier recording"));

    const QByteArray other = QFile::encodeName(dir.filePath("02.avi"));
    QCOMPARE(avi.init(other), 0);
    QCOMPARE(avi.init(other), 1); // already open
    const QByteArray notH264("\x01\x02\x03\x04\x41\x00", 6);
    QCOMPARE(avi.writeData(reinterpret_cast<const unsigned char*>(notH264.constData()), 6, false),
        CCreateAVI::WRITE_NOT_H264);
    QCOMPARE(avi.writeData(bytes, int(frame.size()), false), CCreateAVI::WRITE_OK);
    QCOMPARE(avi.deinit(), 0);
    QCOMPARE(avi.writeData(bytes, int(frame.size()), false), CCreateAVI::WRITE_NOT_OPEN);
    QCOMPARE(avi.deinit(), 0);
    const AviFileChecker file(dir.filePath("02.avi"));
    QVERIFY2(file.ok(), qPrintable(file.problems()));
    QCOMPARE(file.chunks.size(), 1);
}

void tst_CCreateAVI::rotationBeforeTheIndexFills()
{
    QTemporaryDir dir;
    CCreateAVI avi;
    declare(avi);
    QCOMPARE(avi.init(path(dir)), 0);
    const QByteArray p = nal(0x41, 6);
    const auto* bytes = reinterpret_cast<const unsigned char*>(p.constData());
    QList<int> firstResultAt(7, -1);
    for (int i = 0; i < CCreateAVI::MAX_INDEX + 10; ++i) {
        const int result = avi.writeData(bytes, int(p.size()), i % 2);
        if (firstResultAt[result] < 0)
            firstResultAt[result] = i;
    }
    QCOMPARE(firstResultAt[CCreateAVI::WRITE_OK], 0);
    QCOMPARE(firstResultAt[CCreateAVI::WRITE_NEARLY_FULL], CCreateAVI::ROTATE_INDEX - 1);
    QCOMPARE(firstResultAt[CCreateAVI::WRITE_FULL], CCreateAVI::MAX_INDEX);
    QVERIFY(CCreateAVI::MAX_INDEX - CCreateAVI::ROTATE_INDEX >= 25 * 2 * 300);
    QCOMPARE(avi.deinit(), 0);
    const AviFileChecker file(dir.filePath("01.avi"));
    QVERIFY2(file.ok(), qPrintable(file.problems()));
    QCOMPARE(file.chunks.size(), CCreateAVI::MAX_INDEX);
}

void tst_CCreateAVI::failedWriteLeavesAPlayableFile_data()
{
    QTest::addColumn<int>("chunkBytes");
    QTest::addColumn<bool>("allKept");
    // The broken chunk leaves room enough for the index.
    QTest::newRow("large chunks") << 997 << true;
    // It does not: the last whole chunks give up their room.
    QTest::newRow("small chunks") << 100 << false;
}

void tst_CCreateAVI::failedWriteLeavesAPlayableFile()
{
    QFETCH(int, chunkBytes);
    QFETCH(bool, allKept);

    // A file size limit fails writes the way a full disk does.
    QTemporaryDir dir;
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved;
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit limited = saved;
    limited.rlim_cur = 30000;

    CCreateAVI avi;
    declare(avi);
    QCOMPARE(avi.init(path(dir)), 0);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &limited), 0);
    const QByteArray p = nal(0x41, chunkBytes);
    int written = 0;
    int result = CCreateAVI::WRITE_OK;
    while (result == CCreateAVI::WRITE_OK && written < 1000) {
        result = avi.writeData(reinterpret_cast<const unsigned char*>(p.constData()), int(p.size()), false);
        written += result == CCreateAVI::WRITE_OK;
    }
    const int closed = avi.deinit();
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &saved), 0);

    QCOMPARE(result, CCreateAVI::WRITE_FAILED);
    QCOMPARE(closed, 1);
    QVERIFY(!avi.errorText().empty());
    const AviFileChecker file(dir.filePath("01.avi"));
    QVERIFY2(file.ok(), qPrintable(file.problems()));
    QVERIFY(file.chunks.size() > written / 2);
    QCOMPARE(file.chunks.size() == written, allKept);
    QCOMPARE(file.chunks.last().data, p);
}

QTEST_GUILESS_MAIN(tst_CCreateAVI)
#include "tst_CCreateAVI.moc"
