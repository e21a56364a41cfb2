#include "AviFileChecker.h"
#include "FileSizeLimit.h"
#include "H264TestEncoder.h"
#include "RawFileChecker.h"
#include "RecordingFeed.h"
#include "Settings/CAppDir.h"
#include "Settings/CAppSettings.h"
#include "SysData/CCreateAVI.h"
#include "SysData/CRecord.h"
#include "dvr_protocol/cgi_response.pb.h"

#include <QDir>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <atomic>
#include <thread>

extern "C" {
#include <libavformat/avformat.h>
}

using namespace RecordingFeed;

namespace {

cgi::DvrInfo dvrInfo(int channels)
{
    cgi::DvrInfo info;
    info.set_ch_num(static_cast<quint32>(channels));
    return info;
}

QStringList files(const QString& folder, const QString& pattern = "*")
{
    return QDir(folder).entryList({pattern}, QDir::Files, QDir::Name);
}

int openFiles()
{
    return int(QDir("/proc/self/fd").entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System).size());
}

void addFormats()
{
    QTest::addColumn<int>("format");
    QTest::newRow("raw") << 0;
    QTest::newRow("AVI") << 1;
}

// Every recording file of the folder passes its checker.
QString checkFolder(const QString& folder, int format)
{
    if (format == 0)
        return RawFileChecker(folder).problems();
    QString problems;
    for (const QString& name : files(folder)) {
        const AviFileChecker file(folder + '/' + name);
        problems += file.ok() ? QString() : name + ": " + file.problems() + '\n';
    }
    return problems;
}

} // namespace

class tst_CRecord : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void folder_data();
    void folder();
    void aviPerChannel_data();
    void aviPerChannel();
    void frameRate_data();
    void frameRate();
    void aviRotation_data();
    void aviRotation();
    void ffmpegReadsAndSeeks_data();
    void ffmpegReadsAndSeeks();
    void startFailures_data();
    void startFailures();
    void writeFailureStopsAndReports_data();
    void writeFailureStopsAndReports();
    void nothingAfterStop_data();
    void nothingAfterStop();
    void concurrentWritesAndStops_data();
    void concurrentWritesAndStops();
    void killedRecordingKeepsCompletedMinutes();

private:
    void useFormat(int format);
    QString recordFolder() const { return m_root.filePath("rec/DVR"); }

    QTemporaryDir m_root;
};

void tst_CRecord::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    CAppDir::setCurrentPathOverride(m_root.filePath("data"));
}

void tst_CRecord::init()
{
    CAppSettings settings;
    for (const QString& key : CAppSettings::PATH_LIST)
        settings.remove(key);
    settings.writeSetting("Record", m_root.filePath("rec"));
    settings.remove("FileFormat");
    QCOMPARE(settings.save(), CWholeFileWriter::Result::Written);
    QDir(m_root.filePath("rec")).removeRecursively();
}

void tst_CRecord::useFormat(int format)
{
    CAppSettings().writeSetting("FileFormat", format);
}

void tst_CRecord::folder_data()
{
    QTest::addColumn<long>("mode");
    // Record and Backup settings (null: absent), DVR name, folder made.
    QTest::addColumn<QStringList>("setup");

    QTest::newRow("live") << 0L << QStringList{"rec", "bak", "Shop", "rec/Shop"};
    QTest::newRow("backup") << 1700000000L << QStringList{"rec", "bak", "Shop", "bak/Shop"};
    QTest::newRow("empty record folder") << 0L << QStringList{"", "bak", "Shop", "data/Record/Shop"};
    QTest::newRow("absent backup folder") << 5L << QStringList{"rec", QString(), "Shop", "data/Backup/Shop"};
    QTest::newRow("name climbing out") << 0L << QStringList{"rec", "bak", "../../x", "rec/.._.._x"};
}

void tst_CRecord::folder()
{
    QFETCH(long, mode);
    QFETCH(QStringList, setup);

    CAppSettings settings;
    for (int i = 0; i < 2; ++i) {
        const QString key = i == 0 ? "Record" : "Backup";
        if (setup[i].isNull())
            settings.remove(key);
        else
            settings.writeSetting(key, setup[i].isEmpty() ? setup[i] : m_root.filePath(setup[i]));
    }
    QCOMPARE(settings.save(), CWholeFileWriter::Result::Written);
    CRecord recorder;
    QVERIFY(recorder.start(setup[2], dvrInfo(4), mode));
    recorder.writeFrame(false, newFrame(0, 0, T10));
    QVERIFY(recorder.stop());
    const QString folder = m_root.filePath(setup[3]);
    QCOMPARE(files(folder), QStringList({"20240101_100000.hav", "20240101_100000.hdb", "20240101_100000.hrf"}));
    QDir(folder).removeRecursively();
}

void tst_CRecord::aviPerChannel_data()
{
    QTest::addColumn<bool>("old");
    QTest::addColumn<int>("audioBytes");
    QTest::addColumn<int>("samplesPerFrame");
    QTest::addColumn<int>("channels");
    // Sounding as live view plays it: 40 ms of A-law, 200 ms of G.723 in two
    // interleaved channels.
    QTest::newRow("new dialect, A-law") << false << 640 << 320 << 1;
    QTest::newRow("old dialect, G.723") << true << 6400 << 3200 << 2;
}

void tst_CRecord::aviPerChannel()
{
    QFETCH(bool, old);
    QFETCH(int, audioBytes);
    QFETCH(int, samplesPerFrame);
    QFETCH(int, channels);

    const auto make = [old](int type, int channel, quint32 sec) {
        return old ? oldFrame(type, channel, sec) : newFrame(type, channel, sec);
    };
    useFormat(1);
    CRecord recorder;
    QVERIFY(recorder.start("DVR", dvrInfo(4), 0));
    // Channel 1 (files count from 01): key frame first. Channel 2: a P frame
    // and audio before its key frame are lost. Channel 3: audio only, no
    // key frame, no file. Channel 4 of a 4-channel DVR does not exist.
    const QList<QByteArray> feed
        = {make(0, 0, T10), make(1, 1, T10 + 1), make(3, 1, T10 + 1), make(3, 0, T10 + 1), make(0, 1, T10 + 2),
            make(1, 0, T10 + 2), make(3, 1, T10 + 2), make(3, 2, T10 + 2), make(0, 4, T10 + 2), make(1, 1, T10 + 3)};
    for (const QByteArray& f : feed)
        recorder.writeFrame(old, f);
    QVERIFY(recorder.stop());

    QCOMPARE(files(recordFolder()), QStringList({"20240101_100000_01.avi", "20240101_100002_02.avi"}));
    const AviFileChecker first(recordFolder() + "/20240101_100000_01.avi");
    QVERIFY2(first.ok(), qPrintable(first.problems()));
    const AviFileChecker second(recordFolder() + "/20240101_100002_02.avi");
    QVERIFY2(second.ok(), qPrintable(second.problems()));

    QCOMPARE(first.chunks.size(), 3);
    QCOMPARE(first.chunks[1].code, QByteArray("01wb"));
    QCOMPARE(first.chunks[1].data.size(), audioBytes);
    QCOMPARE(second.chunks.size(), 3);
    QVERIFY(second.chunks[0].key);
    QVERIFY(!second.chunks[2].key);
    for (const AviFileChecker* file : {&first, &second}) {
        QCOMPARE(file->u16(298), quint16(channels));
        QCOMPARE(file->u32(300), 8000u);
        QCOMPARE(file->u16(308), quint16(2 * channels));
        QCOMPARE(file->u16(314), quint16(samplesPerFrame));
        // The key frame decodes alone: old-dialect ones get their
        // parameter sets in front.
        QVERIFY(file->chunks[0].data.startsWith(QByteArray("\x00\x00\x00\x01\x67", 5)));
    }

    // A player reads the sound as long as live view plays it.
    const QByteArray path = QFile::encodeName(recordFolder() + "/20240101_100000_01.avi");
    AVFormatContext* format = nullptr;
    QCOMPARE(avformat_open_input(&format, path.constData(), nullptr, nullptr), 0);
    const auto close = qScopeGuard([&format] { avformat_close_input(&format); });
    const AVStream* audio = format->streams[1];
    QCOMPARE(audio->codecpar->ch_layout.nb_channels, channels);
    QCOMPARE(audio->codecpar->sample_rate, 8000);
    QCOMPARE(double(audio->nb_frames) / audio->codecpar->sample_rate, audioBytes / (2.0 * channels * 8000));
}

void tst_CRecord::frameRate_data()
{
    QTest::addColumn<QList<quint32>>("seconds"); // start of each run of frames
    QTest::addColumn<QList<int>>("runs"); // seconds of each run
    QTest::addColumn<double>("fps");
    QTest::addColumn<int>("rate"); // hundredths
    // Sound comes with the runs: where the runs follow each other or a gap
    // is left out, video and sound end together.
    QTest::addColumn<bool>("endTogether");

    QTest::newRow("25 for a minute") << QList<quint32>{T10} << QList<int>{60} << 25.0 << 2500 << true;
    QTest::newRow("12.5 keeps its fraction") << QList<quint32>{T10} << QList<int>{70} << 12.5 << 1250 << true;
    // Seconds without frames are part of the time the file covers: 599
    // steps over 28.97 s.
    QTest::newRow("every third second missing")
        << QList<quint32>{T10, T10 + 3, T10 + 6, T10 + 9, T10 + 12, T10 + 15, T10 + 18, T10 + 21, T10 + 24, T10 + 27}
        << QList<int>{2, 2, 2, 2, 2, 2, 2, 2, 2, 2} << 30.0 << 2068 << false;
    QTest::newRow("a long gap is left out")
        << QList<quint32>{T10, T10 + 600} << QList<int>{30, 30} << 25.0 << 2500 << true;
    QTest::newRow("clock set back") << QList<quint32>{T10, T10 - 100} << QList<int>{30, 30} << 25.0 << 2500 << true;
}

void tst_CRecord::frameRate()
{
    QFETCH(QList<quint32>, seconds);
    QFETCH(QList<int>, runs);
    QFETCH(double, fps);
    QFETCH(int, rate);
    QFETCH(bool, endTogether);

    useFormat(1);
    CRecord recorder;
    QVERIFY(recorder.start("DVR", dvrInfo(1), 0));
    bool first = true;
    for (int r = 0; r < seconds.size(); ++r) {
        const qint64 start = qint64(seconds[r]) * 1000000;
        for (int f = 0; f < qRound(runs[r] * fps); ++f) {
            const qint64 us = start + qint64(f * 1000000 / fps);
            recorder.writeFrame(false, newFrame(first ? 0 : 1, 0, quint32(us / 1000000), quint32(us % 1000000)));
            first = false;
        }
        // A-law: 40 ms of sound a frame.
        for (int a = 0; a < runs[r] * 25; ++a)
            recorder.writeFrame(false, newFrame(3, 0, seconds[r] + quint32(a / 25), quint32(a % 25 * 40000)));
    }
    QVERIFY(recorder.stop());
    const QStringList avi = files(recordFolder(), "*.avi");
    QCOMPARE(avi.size(), 1);
    const AviFileChecker file(recordFolder() + "/" + avi[0]);
    QVERIFY2(file.ok(), qPrintable(file.problems()));
    QCOMPARE(file.u32(128), 100u);
    QCOMPARE(file.u32(132), quint32(rate));
    QCOMPARE(file.u32(32), quint32(1e8 / rate + 0.99));

    const double frame = 100.0 / rate;
    const double video = file.u32(140) * frame;
    const double sound = double(file.u32(264)) / file.u32(256);
    if (endTogether)
        QVERIFY2(
            qAbs(video - sound) <= frame, qPrintable(QStringLiteral("video %1 s, sound %2 s").arg(video).arg(sound)));
}

void tst_CRecord::aviRotation_data()
{
    QTest::addColumn<int>("pFrames");
    QTest::addColumn<QList<int>>("chunks");

    // Nearly full: the next key frame starts the next file.
    QTest::newRow("at the next key frame")
        << CCreateAVI::ROTATE_INDEX + 5 << QList<int>{CCreateAVI::ROTATE_INDEX + 6, 2};
    // No key frame before the index is full: the next file starts at once
    // and no frame is lost.
    QTest::newRow("full before a key frame") << CCreateAVI::MAX_INDEX + 5 << QList<int>{CCreateAVI::MAX_INDEX, 8};
}

void tst_CRecord::aviRotation()
{
    QFETCH(int, pFrames);
    QFETCH(QList<int>, chunks);

    useFormat(1);
    CRecord recorder;
    QVERIFY(recorder.start("DVR", dvrInfo(1), 0));
    const QByteArray small = nal(0x41, 6);
    recorder.writeFrame(false, newFrame(0, 0, T10));
    for (int i = 0; i < pFrames; ++i)
        recorder.writeFrame(false, newFrame(1, 0, T10 + quint32(i / 25), quint32(i % 25 * 40000), small));
    const quint32 end = T10 + quint32(pFrames / 25) + 1;
    recorder.writeFrame(false, newFrame(0, 0, end));
    recorder.writeFrame(false, newFrame(1, 0, end));
    QVERIFY(recorder.stop());

    QCOMPARE(checkFolder(recordFolder(), 1), QString());
    const QStringList avi = files(recordFolder());
    QCOMPARE(avi.size(), chunks.size());
    for (int i = 0; i < avi.size(); ++i)
        QCOMPARE(AviFileChecker(recordFolder() + "/" + avi[i]).chunks.size(), chunks[i]);
    QCOMPARE(avi.last().left(15), fileTime(chunks.last() == 2 ? end : T10 + quint32(CCreateAVI::MAX_INDEX - 1) / 25));
}

void tst_CRecord::ffmpegReadsAndSeeks_data()
{
    QTest::addColumn<qint64>("target");
    QTest::addColumn<qint64>("keyFrame");
    QTest::newRow("inside the second group") << qint64(37) << qint64(25);
    QTest::newRow("last frame") << qint64(749) << qint64(725);
}

void tst_CRecord::ffmpegReadsAndSeeks()
{
    QFETCH(qint64, target);
    QFETCH(qint64, keyFrame);

    // Thirty seconds at 25 frames a second, a key frame every second,
    // encoded once for all rows.
    static const QList<H264TestEncoder::Frame> pictures = [] {
        H264TestEncoder encoder(352, 240, 25);
        return encoder.encode(750);
    }();
    QCOMPARE(pictures.size(), 750);
    QVERIFY(!pictures.last().data.isEmpty());

    useFormat(1);
    CRecord recorder;
    QVERIFY(recorder.start("DVR", dvrInfo(1), 0));
    for (const H264TestEncoder::Frame& f : pictures) {
        const quint32 sec = T10 + quint32(f.index / 25);
        const quint32 usec = quint32(f.index % 25 * 40000);
        recorder.writeFrame(false, newFrame(f.key ? 0 : 1, 0, sec, usec, f.data, 0, 352, 240));
        recorder.writeFrame(false, newFrame(3, 0, sec, usec));
    }
    QVERIFY(recorder.stop());
    const QByteArray path = QFile::encodeName(recordFolder() + "/20240101_100000_01.avi");

    AVFormatContext* format = nullptr;
    QCOMPARE(avformat_open_input(&format, path.constData(), nullptr, nullptr), 0);
    const auto close = qScopeGuard([&format] { avformat_close_input(&format); });
    QVERIFY(avformat_find_stream_info(format, nullptr) >= 0);
    QCOMPARE(format->nb_streams, 2u);
    const AVStream* video = format->streams[0];
    const AVStream* audio = format->streams[1];
    QCOMPARE(video->codecpar->codec_id, AV_CODEC_ID_H264);
    QCOMPARE(video->codecpar->width, 352);
    QCOMPARE(av_q2d(video->avg_frame_rate), 25.0);
    QCOMPARE(video->nb_frames, 750);
    QCOMPARE(audio->codecpar->codec_id, AV_CODEC_ID_PCM_S16LE);
    QCOMPARE(audio->codecpar->sample_rate, 8000);
    QCOMPARE(audio->codecpar->ch_layout.nb_channels, 1);
    QCOMPARE(audio->nb_frames, 30 * 8000);
    QCOMPARE(format->duration, 30 * AV_TIME_BASE);

    QVERIFY(av_seek_frame(format, 0, target, AVSEEK_FLAG_BACKWARD) >= 0);
    AVPacket* packet = av_packet_alloc();
    const auto freePacket = qScopeGuard([&packet] { av_packet_free(&packet); });
    while (av_read_frame(format, packet) >= 0 && packet->stream_index != 0)
        av_packet_unref(packet);
    QCOMPARE(packet->stream_index, 0);
    QVERIFY(packet->flags & AV_PKT_FLAG_KEY);
    QCOMPARE(packet->dts, keyFrame);
}

void tst_CRecord::startFailures_data()
{
    QTest::addColumn<int>("channels");
    QTest::addColumn<bool>("folderBlocked");
    QTest::newRow("no channels reported") << 0 << false;
    QTest::newRow("folder cannot be made") << 4 << true;
}

void tst_CRecord::startFailures()
{
    QFETCH(int, channels);
    QFETCH(bool, folderBlocked);

    if (folderBlocked) {
        QFile blocker(m_root.filePath("blocker"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        CAppSettings().writeSetting("Record", m_root.filePath("blocker/rec"));
    }
    CRecord recorder;
    QVERIFY(!recorder.start("DVR", dvrInfo(channels), 0));
    QVERIFY(!recorder.isRecording());
    QVERIFY(recorder.errorString().startsWith("[ERROR]"));
    recorder.writeFrame(false, newFrame(0, 0, T10));
    QVERIFY(!QDir(m_root.filePath("rec")).exists());
}

void tst_CRecord::writeFailureStopsAndReports_data()
{
    addFormats();
}

void tst_CRecord::writeFailureStopsAndReports()
{
    QFETCH(int, format);

    useFormat(format);
    CRecord recorder;
    QSignalSpy failed(&recorder, &CRecord::failed);
    QVERIFY(recorder.start("DVR", dvrInfo(2), 0));
    {
        const FileSizeLimit full(20000);
        for (quint32 i = 0; i < 800 && recorder.isRecording(); ++i) {
            const quint32 n = i / 2;
            recorder.writeFrame(false, newFrame(n % 25 ? 1 : 0, int(i % 2), T10 + n / 25, n % 25 * 40000));
            recorder.writeFrame(false, newFrame(3, int(i % 2), T10 + n / 25, n % 25 * 40000));
        }
    }
    QVERIFY(!recorder.isRecording());
    QCOMPARE(failed.size(), 1);
    QCOMPARE(failed[0][0].toString(), recorder.errorString());
    QVERIFY(recorder.errorString().startsWith("[ERROR] Can not write the recording file"));
    // Told once, by whoever takes it first.
    QCOMPARE(recorder.takeFailure(), failed[0][0].toString());
    QCOMPARE(recorder.takeFailure(), QString());

    const QStringList before = files(recordFolder());
    recorder.writeFrame(false, newFrame(0, 0, T10 + 100));
    QVERIFY(recorder.stop());
    QCOMPARE(files(recordFolder()), before);
    // Files still open when the disk filled are completed as far as it lets
    // them.
    QCOMPARE(checkFolder(recordFolder(), format), QString());
}

void tst_CRecord::nothingAfterStop_data()
{
    addFormats();
}

void tst_CRecord::nothingAfterStop()
{
    QFETCH(int, format);

    useFormat(format);
    CRecord recorder;
    QVERIFY(recorder.start("DVR", dvrInfo(1), 0));
    recorder.writeFrame(false, newFrame(0, 0, T10));
    QVERIFY(recorder.stop());
    const QStringList first = files(recordFolder());
    QCOMPARE(first.size(), format == 0 ? 3 : 1);
    recorder.writeFrame(false, newFrame(0, 0, T10 + 120));
    QVERIFY(recorder.stop());
    QCOMPARE(files(recordFolder()), first);

    // Recording the same time again keeps the first recording.
    QVERIFY(recorder.start("DVR", dvrInfo(1), 0));
    recorder.writeFrame(false, newFrame(0, 0, T10));
    QVERIFY(recorder.stop());
    QCOMPARE(files(recordFolder()).size(), 2 * first.size());
}

void tst_CRecord::concurrentWritesAndStops_data()
{
    addFormats();
}

void tst_CRecord::concurrentWritesAndStops()
{
    QFETCH(int, format);

    useFormat(format);
    const int filesOpenBefore = openFiles();
    CRecord recorder;
    std::atomic<bool> running{true};
    // Video on one thread, audio on another, as the two streaming links do.
    const auto feed = [&](bool audio) {
        for (quint32 i = 0; running.load(); ++i) {
            const int channel = int(i % 4);
            const quint32 n = i / 4;
            const int type = audio ? 3 : n % 25 == 0 ? 0 : 1;
            recorder.writeFrame(false, newFrame(type, channel, T10 + n / 25, n % 25 * 40000));
        }
    };
    std::thread video(feed, false);
    std::thread sound(feed, true);
    for (int cycle = 0; cycle < 30; ++cycle) {
        QVERIFY(recorder.start("DVR", dvrInfo(4), 0));
        // The first recording gets its files, however slowly the feeds run.
        if (cycle == 0)
            QTRY_VERIFY(!files(recordFolder()).isEmpty());
        QThread::msleep(2);
        QVERIFY(recorder.stop());
    }
    const QStringList afterStop = files(recordFolder());
    QThread::msleep(20);
    running = false;
    video.join();
    sound.join();

    QCOMPARE(files(recordFolder()), afterStop);
    QCOMPARE(openFiles(), filesOpenBefore);
    QVERIFY(!afterStop.isEmpty());
    QCOMPARE(checkFolder(recordFolder(), format), QString());
}

void tst_CRecord::killedRecordingKeepsCompletedMinutes()
{
    QTemporaryDir folder;
    QProcess child;
    child.start(RECORDING_CHILD, {folder.path()});
    QVERIFY(child.waitForStarted());
    // Kill it while it writes its fifth minute.
    QByteArray said;
    while (!said.contains("minute 4\n")) {
        QVERIFY2(child.waitForReadyRead(20000), said.constData());
        said += child.readAllStandardOutput();
    }
    QThread::msleep(30);
    child.kill();
    QVERIFY(child.waitForFinished());
    QCOMPARE(child.exitStatus(), QProcess::CrashExit);

    const QString dir = folder.filePath("DVR");
    const QStringList pairs = files(dir, "*.hav");
    QVERIFY(pairs.size() >= 5);
    const QString current = pairs.last().chopped(4);
    const RawFileChecker c(dir, {current});
    QVERIFY2(c.ok(), qPrintable(c.problems()));
    // Every finished minute is whole: 4 channels, 5 frames a second.
    for (const RawFileChecker::Pair& pair : c.pairs) {
        if (pair.stem != current)
            QCOMPARE(pair.entries.size(), 4 * 5 * 60);
    }
    QCOMPARE(c.databases.size(), 1);
    QVERIFY(c.databases[0].minutes.size() >= 4);
    for (int m = 0; m < c.databases[0].minutes.size(); ++m) {
        QCOMPARE(c.databases[0].minutes[m].start, T10 + 60 * quint32(m));
        QCOMPARE(c.databases[0].minutes[m].mask, 0xFu);
    }
}

QTEST_GUILESS_MAIN(tst_CRecord)
#include "tst_CRecord.moc"
