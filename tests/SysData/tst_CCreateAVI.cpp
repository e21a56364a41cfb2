#include "AviFileChecker.h"
#include "FileSizeLimit.h"
#include "RecordingFeed.h"
#include "SysData/CCreateAVI.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using RecordingFeed::nal;

namespace {

struct Chunk {
    bool audio = false;
    QByteArray data;
    bool keyArg = false;
};

int write(CCreateAVI& avi, const Chunk& c)
{
    return avi.writeData(
        reinterpret_cast<const unsigned char*>(c.data.constData()), int(c.data.size()), c.audio, c.keyArg);
}

// One file with the given chunks, checked and read back.
AviFileChecker record(const QTemporaryDir& dir, const QList<Chunk>& chunks, double fps = 25)
{
    CCreateAVI avi;
    avi.setInfo(CCreateAVI::H264, 704, 480, CCreateAVI::PCM, 320, 8000, 1, 16);
    avi.setVideoFPS(7);
    const QString path = dir.filePath("rec.avi");
    if (avi.init(QFile::encodeName(path)) != 0)
        return AviFileChecker(path);
    for (const Chunk& c : chunks) {
        if (write(avi, c) != CCreateAVI::WRITE_OK)
            qWarning("chunk refused");
    }
    // The rate measured while writing is the one the file keeps.
    avi.setVideoFPS(fps);
    avi.deinit();
    return AviFileChecker(path);
}

const QByteArray SPS_PPS = nal(0x67, 12) + nal(0x68, 6);

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
    void failedWriteLeavesAPlayableFile_data();
    void failedWriteLeavesAPlayableFile();
};

void tst_CCreateAVI::layout_data()
{
    QTest::addColumn<double>("fps");
    QTest::addColumn<quint32>("usecPerFrame");

    QTest::newRow("30 fps") << 30.0 << quint32(33334);
    QTest::newRow("12.5 fps keeps its fraction") << 12.5 << quint32(80000);
    QTest::newRow("rate not measured") << 0.0 << quint32(0);
}

void tst_CCreateAVI::layout()
{
    QFETCH(double, fps);
    QFETCH(quint32, usecPerFrame);

    // A 1001-byte key frame is padded; audio is even.
    const QList<Chunk> chunks = {{false, SPS_PPS + nal(0x65, 983)}, {true, QByteArray(640, 'a')},
        {false, nal(0x41, 500)}, {false, nal(0x41, 1001)}, {true, QByteArray(640, 'b')}};
    QTemporaryDir dir;
    const AviFileChecker file = record(dir, chunks, fps);
    QVERIFY2(file.ok(), qPrintable(file.problems()));
    QCOMPARE(file.u32(32), usecPerFrame);
    QCOMPARE(file.u32(132), quint32(fps * 100));
    QCOMPARE(file.u32(128), 100u);
    const QList<quint32> sizes = {file.u32(64), file.u32(68), file.u32(176), file.u32(180), file.u32(192),
        file.u16(160), file.u16(162), file.u16(298), file.u32(300), file.u16(310), file.u16(314)};
    QCOMPARE(sizes, QList<quint32>({704, 480, 704, 480, 704 * 480 * 6, 704, 480, 1, 8000, 16, 320}));
    QCOMPARE(file.chunks.size(), chunks.size());
    for (int i = 0; i < chunks.size(); ++i) {
        QCOMPARE(file.chunks[i].code, QByteArray(chunks[i].audio ? "01wb" : "00dc"));
        QCOMPARE(file.chunks[i].data, chunks[i].data);
    }
    QCOMPARE(file.indexOffsets.mid(0, 2), QList<quint32>({4, 4 + 8 + 1002}));
}

void tst_CCreateAVI::keyFlags_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<bool>("keyArg");
    QTest::addColumn<bool>("key");

    QTest::newRow("parameter sets and IDR") << SPS_PPS + nal(0x65, 50) << false << true;
    QTest::newRow("delimiter, then IDR") << nal(0x09, 6) + nal(0x65, 50) << false << true;
    QTest::newRow("parameter sets, non-IDR I slice") << SPS_PPS + nal(0x61, 50) << false << true;
    QTest::newRow("P slice") << nal(0x41, 50) << false << false;
    QTest::newRow("P slice before an IDR") << nal(0x41, 9) + nal(0x65, 50) << false << false;
    QTest::newRow("header says key frame") << nal(0x41, 50) << true << true;
    QTest::newRow("MPEG sequence start is no key") << QByteArray("\x00\x00\x01\xB3\x00\x00", 6) << false << false;
}

void tst_CCreateAVI::keyFlags()
{
    QFETCH(QByteArray, data);
    QFETCH(bool, keyArg);
    QFETCH(bool, key);

    QTemporaryDir dir;
    const AviFileChecker file = record(dir, {{false, data, keyArg}, {true, QByteArray(320, 'x')}});
    QVERIFY2(file.ok(), qPrintable(file.problems()));
    QCOMPARE(file.chunks[0].key, key);
    QVERIFY(file.chunks[1].key);
}

void tst_CCreateAVI::refusals()
{
    QTemporaryDir dir;
    const Chunk key{false, SPS_PPS + nal(0x65, 40)};
    const QByteArray taken = QFile::encodeName(dir.filePath("taken.avi"));
    const QByteArray fresh = QFile::encodeName(dir.filePath("fresh.avi"));
    QFile earlier(taken);
    QVERIFY(earlier.open(QIODevice::WriteOnly));
    earlier.write("earlier recording");
    earlier.close();

    CCreateAVI avi;
    QCOMPARE(avi.init(fresh), 1); // no stream declared
    avi.setInfo(CCreateAVI::H264, 704, 480, CCreateAVI::PCM, 320, 8000, 1, 16);
    QCOMPARE(write(avi, key), CCreateAVI::WRITE_NOT_OPEN);
    QCOMPARE(write(avi, {true, QByteArray(320, 'x')}), CCreateAVI::WRITE_NOT_OPEN);
    QCOMPARE(avi.init(taken), 1);
    QVERIFY(earlier.open(QIODevice::ReadOnly));
    QCOMPARE(earlier.readAll(), QByteArray("earlier recording"));
    QCOMPARE(avi.init(fresh), 0);
    QCOMPARE(avi.init(fresh), 1); // already open
    QCOMPARE(write(avi, {false, QByteArray("\x01\x02\x03\x04\x41\x00", 6)}), CCreateAVI::WRITE_NOT_H264);
    QCOMPARE(write(avi, key), CCreateAVI::WRITE_OK);
    QCOMPARE(avi.deinit(), 0);
    QCOMPARE(write(avi, key), CCreateAVI::WRITE_NOT_OPEN);
    const AviFileChecker file(fresh);
    QVERIFY2(file.ok(), qPrintable(file.problems()));
    QCOMPARE(file.chunks.size(), 1);
}

void tst_CCreateAVI::failedWriteLeavesAPlayableFile_data()
{
    QTest::addColumn<int>("chunkBytes");
    QTest::addColumn<bool>("allKept");
    // The broken chunk leaves room for the index.
    QTest::newRow("large chunks") << 997 << true;
    // It does not: the last whole chunks give up their room.
    QTest::newRow("small chunks") << 100 << false;
}

void tst_CCreateAVI::failedWriteLeavesAPlayableFile()
{
    QFETCH(int, chunkBytes);
    QFETCH(bool, allKept);

    QTemporaryDir dir;
    CCreateAVI avi;
    avi.setInfo(CCreateAVI::H264, 704, 480, CCreateAVI::PCM, 320, 8000, 1, 16);
    QCOMPARE(avi.init(QFile::encodeName(dir.filePath("full.avi"))), 0);
    const Chunk p{false, nal(0x41, chunkBytes)};
    int written = 0;
    int result = CCreateAVI::WRITE_OK;
    int closed = 0;
    {
        const FileSizeLimit full(30000);
        while (result == CCreateAVI::WRITE_OK)
            written += (result = write(avi, p)) == CCreateAVI::WRITE_OK;
        closed = avi.deinit();
    }
    QCOMPARE(result, CCreateAVI::WRITE_FAILED);
    QCOMPARE(closed, 1);
    QVERIFY(!avi.errorText().empty());
    const AviFileChecker file(dir.filePath("full.avi"));
    QVERIFY2(file.ok(), qPrintable(file.problems()));
    QVERIFY(file.chunks.size() > written / 2);
    QCOMPARE(file.chunks.size() == written, allKept);
    QCOMPARE(file.chunks.last().data, p.data);
}

QTEST_GUILESS_MAIN(tst_CCreateAVI)
#include "tst_CCreateAVI.moc"
