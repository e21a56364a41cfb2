// Local playback of folders the recorder wrote: the playback panel in local
// mode and its playback thread, feeding a receiver and a real screen wall.
#include "Common/CFrameInfo.h"
#include "Common/CSearchDataParser.h"
#include "Display/CDisplayVideo.h"
#include "Display/CDisplayWidget.h"
#include "Display/CScreen.h"
#include "Display/OpenGLMode.h"
#include "H264TestEncoder.h"
#include "RecordedFolder.h"
#include "Recording/CHdbFolder.h"
#include "Recording/CPlaybackFile.h"
#include "Recording/CPlaybackWidget.h"
#include "Recording/CSearchWidget.h"
#include "Settings/CAppSettings.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <condition_variable>
#include <mutex>

namespace {

const quint32 T10 = 1704103200; // 2024-01-01 10:00:00 on the DVR's clock

// What the thread handed out, one line per frame.
class Receiver : public QObject {
public:
    explicit Receiver(CPlaybackFile* thread)
    {
        connect(
            thread, &CPlaybackFile::DisplayVideo, this,
            [this](auto& info, auto* data, size_t len) { note('V', info, data, len); }, Qt::DirectConnection);
        connect(
            thread, &CPlaybackFile::PlayAudio, this,
            [this](auto& info, auto* data, size_t len) { note('A', info, data, len); }, Qt::DirectConnection);
    }
    QStringList seen() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_seen;
    }
    _DISPLAY_DVR_INFO info() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_info;
    }
    static QString line(char route, const QByteArray& frame)
    {
        const CFrameInfo info = CFrameInfo::read(false, frame);
        return QStringLiteral("%1 c%2 t%3 %4.%5")
            .arg(route)
            .arg(info.channel)
            .arg(info.type)
            .arg(info.time.sec - T10)
            .arg(info.time.usec / 1000, 3, 10, QLatin1Char('0'));
    }

private:
    void note(char route, const _DISPLAY_DVR_INFO& info, const unsigned char* data, size_t len)
    {
        const QString text = line(route, QByteArray(reinterpret_cast<const char*>(data), qsizetype(len)));
        std::lock_guard<std::mutex> lock(m_mutex);
        m_seen << text;
        m_info = info;
    }

    mutable std::mutex m_mutex;
    QStringList m_seen;
    _DISPLAY_DVR_INFO m_info;
};

bool isKey(const QByteArray& frame)
{
    return CFrameInfo::read(false, frame).type == 0;
}

// A playback panel over the recorded folder, playing on a wall of four
// screens.
struct PanelOnWall {
    PanelOnWall()
    {
        wall.resetDisplay();
        wall.setScreens(4);
        panel.setDisplayWidget(&wall);
        panel.search(RecordedFolder::folder());
    }
    CPlaybackFile* thread() const { return panel.findChild<CPlaybackFile*>(); }

    CDisplayWidget wall;
    CPlaybackWidget panel;
};

} // namespace

class tst_CPlaybackFile : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void playsAcrossMinutes_data();
    void playsAcrossMinutes();
    void controls_data();
    void controls();
    void stepsEndAFileOnce();
    void damagedPairs_data();
    void damagedPairs();
    void damagedDatabasesAreSkipped_data();
    void damagedDatabasesAreSkipped();
    void wallShowsTheRecordedChannels();
    void cyclesWithFullWallBuffers();
    void pauseWhileTheWallPacesPlay();
    void pauseWaitsForTheFrameInHand();
    void aMinuteWithoutAFileIsTold();
    void controlsActOnWhatIsShown_data();
    void controlsActOnWhatIsShown();

private:
    // Chooses the minute on a panel wired as the main window wires it; the
    // action runs before the thread is let go.
    void choose(CPlaybackWidget& panel, quint32 minute, const std::function<void(CPlaybackFile*)>& action,
        CDisplayWidget* wall = nullptr);
    QString pairCopy(const QString& stem);
    // Plays the folder's minute at 10:00 on the bench until more than
    // `positions` positions went by: frames have gone to the wall.
    void playUntil(PanelOnWall& bench, int positions);

    QTemporaryDir m_root;
    QList<QByteArray> m_first; // 10:00:58 to 10:01:01
    QList<QByteArray> m_again; // 10:01:00 to 10:01:01 once more
    QList<QByteArray> m_cut; // 10:02:00 to 10:02:01, its last frame lost
};

void tst_CPlaybackFile::initTestCase()
{
    CAppSettings settings;
    settings.writeSetting(CAppSettings::PATH_LIST.at(2), m_root.filePath("backup"));
    settings.writeSetting(CAppSettings::FILE_FORMAT, 0);
    settings.writeSetting(CAppSettings::OPENGL, OPENGL_OFF);
    QCOMPARE(settings.save(), CWholeFileWriter::Result::Written);
    m_first = RecordedFolder::frames(3, T10 + 58, 3);
    m_again = RecordedFolder::frames(3, T10 + 60, 1);
    m_cut = RecordedFolder::frames(3, T10 + 120, 1);
    QVERIFY(RecordedFolder::record(m_first, 3));
    QVERIFY(RecordedFolder::record(m_again, 3));
    QVERIFY(RecordedFolder::record(m_cut, 3));
    const QString folder = RecordedFolder::folder();
    QVERIFY(QFile::exists(folder + "/20240101_100100-1.hav"));
    // A recording killed while writing: its last frame and index record cut.
    for (const char* file : {"/20240101_100200.hav", "/20240101_100200.hrf"}) {
        QFile cut(folder + file);
        QVERIFY(cut.resize(cut.size() - 5));
    }
    m_cut.removeLast();
    // One killed in its first minute: a database with its header alone.
    QFile empty(folder + "/20240101_090000.hdb");
    QVERIFY(empty.open(QIODevice::WriteOnly));
    empty.write(QByteArray("HDB\x01\x03", 5) + QByteArray(7, '\0'));
}

void tst_CPlaybackFile::choose(
    CPlaybackWidget& panel, quint32 minute, const std::function<void(CPlaybackFile*)>& action, CDisplayWidget* wall)
{
    auto* thread = panel.findChild<CPlaybackFile*>();
    const QMetaObject::Connection wiring = connect(&panel, &CPlaybackWidget::selectedTime, &panel, [&] {
        if (wall)
            wall->start(DISPLAY_MODE::LOCAL_PLAYBACK);
        action(thread);
        panel.connectSignal();
    });
    emit panel.findChild<CSearchWidget*>()->selectedTime(minute, 0xFFFF);
    disconnect(wiring);
}

void tst_CPlaybackFile::playsAcrossMinutes_data()
{
    QTest::addColumn<QString>("speed");
    QTest::addColumn<QStringList>("expected");
    QStringList atOne;
    QStringList atHalf;
    QStringList keys;
    for (const QByteArray& frame : m_first + m_again + m_cut) {
        const bool audio = CFrameInfo::read(false, frame).type == 3;
        atOne << Receiver::line(audio ? 'A' : 'V', frame);
        atHalf << Receiver::line('V', frame);
        if (isKey(frame))
            keys << Receiver::line('V', frame);
    }
    // Backward from the last minute's first frame: the key frames of the
    // earlier minutes, latest first.
    QStringList backward;
    for (const QByteArray& frame : m_first + m_again) {
        if (isKey(frame))
            backward.prepend(Receiver::line('V', frame));
    }
    backward.prepend(Receiver::line('V', m_cut.first()));
    QTest::newRow("1X: video, and audio to the speaker") << "1X" << atOne;
    QTest::newRow("1/2X: everything as pictures") << "1/2X" << atHalf;
    QTest::newRow("4X: key frames") << "4X" << keys;
    QTest::newRow("backward: key frames") << "-1X" << backward;
}

void tst_CPlaybackFile::playsAcrossMinutes()
{
    QFETCH(QString, speed);
    QFETCH(QStringList, expected);
    CPlaybackWidget panel;
    panel.search(RecordedFolder::folder());
    Receiver receiver(panel.findChild<CPlaybackFile*>());
    QSignalSpy stops(&panel, &CPlaybackWidget::stopDisplay);
    choose(panel, speed == "-1X" ? T10 + 120 : T10, [speed](CPlaybackFile* thread) {
        if (speed == "-1X")
            thread->play(false);
        else if (speed == "1/2X")
            thread->slow();
        else if (speed == "4X")
            thread->fast(), thread->fast();
    });
    QVERIFY(stops.wait(20000));
    QCOMPARE(receiver.seen(), expected);
    QCOMPARE(receiver.info().dvrName, QStringLiteral("DVR"));
    QCOMPARE(receiver.info().channelNames[2], QStringLiteral("Camera 3"));
    QCOMPARE(receiver.info().mode, 2);
}

void tst_CPlaybackFile::controls_data()
{
    QTest::addColumn<QString>("actions");
    QTest::addColumn<float>("speed");
    QTest::addColumn<QString>("status");
    QTest::newRow("slow stops at 1/2X") << "slow slow slow" << 0.5f << "";
    QTest::newRow("fast from 1/2X stays") << "slow fast" << 0.5f << "";
    QTest::newRow("fast stops at 32X") << "fast fast fast fast fast fast" << 32.f << "Playback( +32X )";
    QTest::newRow("backward, slow stops at -1X") << "back slow" << -1.f << "";
    QTest::newRow("backward, fast stops at -32X")
        << "back fast fast fast fast fast fast" << -32.f << "Playback( -32X )";
    QTest::newRow("backward at 4X") << "back fast fast" << -4.f << "Playback( -4X )";
    QTest::newRow("forward at 2X") << "fast" << 2.f << "Playback( +2X )";
    QTest::newRow("step") << "step" << 1.f << "Playback( Step>> )";
    QTest::newRow("step back") << "stepback" << -1.f << "Playback( <<Step )";
}

void tst_CPlaybackFile::controls()
{
    QFETCH(QString, actions);
    QFETCH(float, speed);
    QFETCH(QString, status);
    QStringList statuses; // as the wall gets them, on this thread
    CPlaybackFile thread;
    Receiver receiver(&thread);
    // Queued to the receiver: statuses the thread sent after the last look
    // go with it when the row ends, not into a later test's stack.
    connect(&thread, &CPlaybackFile::signalChangedStatus, &receiver, [&](const QString& text) { statuses << text; });
    const QString file = RecordedFolder::folder() + "/20240101_100058.hrf";
    thread.pause();
    QVERIFY(thread.Load(HdbFileHeader(), file));
    // Held between the actions, though an action that plays on lets the
    // thread play until the pause after it.
    for (const QString& action : actions.split(' ')) {
        if (action == "slow")
            thread.slow();
        else if (action == "fast")
            thread.fast();
        else if (action == "back")
            thread.play(false);
        else if (action == "step")
            thread.frame(true);
        else
            thread.frame(false);
        if (!action.startsWith("step"))
            thread.pause();
    }
    QCOMPARE(thread.speed(), speed);
    if (!actions.startsWith("step")) {
        // The file may have run out meanwhile; the next one plays at the
        // speed the actions left.
        thread.restart();
        thread.wait();
        QVERIFY(thread.Load(HdbFileHeader(), file));
    }
    if (!status.isEmpty())
        QTRY_VERIFY(statuses.contains(status));
    thread.Close();
    QCOMPARE(thread.speed(), 1.f);
    QVERIFY(!thread.isPaused());
}

void tst_CPlaybackFile::stepsEndAFileOnce()
{
    for (bool forward : {true, false}) {
        CPlaybackFile thread;
        Receiver receiver(&thread);
        QSignalSpy ends(&thread, &CPlaybackFile::playEnd);
        thread.pause();
        QVERIFY(thread.Load(HdbFileHeader(), RecordedFolder::folder() + "/20240101_100100-1.hrf"));
        // Each step shows a key frame (15 in the file). Backward from where
        // the tenth left off: the key frame after it, then the ten.
        for (int step = 0; step < (forward ? 40 : 10); ++step)
            thread.frame(true);
        for (int step = 0; !forward && step < 40; ++step)
            thread.frame(false);
        thread.wait();
        QCoreApplication::processEvents();
        QCOMPARE(ends.size(), 1);
        QCOMPARE(ends.at(0).at(0).toBool(), forward);
        QCOMPARE(receiver.seen().size(), forward ? 15 : 10 + 11);
    }
}

QString tst_CPlaybackFile::pairCopy(const QString& stem)
{
    static int copies = 0;
    const QString folder = m_root.filePath(QStringLiteral("copy%1").arg(++copies));
    QDir().mkpath(folder);
    for (const char* extension : {".hav", ".hrf"})
        QFile::copy(RecordedFolder::folder() + "/" + stem + extension, folder + "/" + stem + extension);
    return folder + "/" + stem;
}

void tst_CPlaybackFile::damagedPairs_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("size"); // the new size; below 0, less than the file's
    QTest::addColumn<int>("entries");
    QTest::addColumn<int>("played");
    QTest::addColumn<QString>("names");
    const int last = 40 + 99 * 36; // the last index record
    const QString plain = "DVR/Camera 1/0";
    QTest::newRow("whole") << "hav" << -1 << QByteArray() << 0 << 100 << 100 << plain;
    QTest::newRow("index record cut") << "hrf" << -1 << QByteArray() << -10 << 99 << 99 << plain;
    QTest::newRow("entry beyond the frames")
        << "hrf" << last + 16 << QByteArray("\xFF\xFF\xFF\x7F") << 0 << 99 << 99 << plain;
    QTest::newRow("entry too large") << "hrf" << last + 12 << QByteArray("\xF0\xFF\xFF\xFF") << 0 << 99 << 99 << plain;
    QTest::newRow("frame file cut") << "hav" << -1 << QByteArray() << -5 << 99 << 99 << plain;
    QTest::newRow("frame header damaged") << "hav" << 414 << QByteArray("\x63") << 0 << 100 << 99 << plain;
    QTest::newRow("index without entries") << "hrf" << -1 << QByteArray() << 40 << -1 << 0 << "";
    QTest::newRow("frame file header cut") << "hav" << -1 << QByteArray() << 100 << -1 << 0 << "";
    QTest::newRow("model no DVR has") << "hav" << 4 << QByteArray("\xC8") << 0 << 100 << 100 << plain;
    QTest::newRow("names without their NUL") << "hav" << 8 << QByteArray(21, 'N') + QByteArray(21, 'C') << 0 << 100
                                             << 100 << QString(20, 'N') + "/" + QString(20, 'C') + "/0";
}

void tst_CPlaybackFile::damagedPairs()
{
    QFETCH(QString, file);
    QFETCH(int, offset);
    QFETCH(QByteArray, bytes);
    QFETCH(int, size);
    QFETCH(int, entries);
    QFETCH(int, played);
    QFETCH(QString, names);
    const QString stem = pairCopy("20240101_100100-1");
    QFile damaged(stem + "." + file);
    QVERIFY(damaged.open(QIODevice::ReadWrite));
    if (offset >= 0) {
        damaged.seek(offset);
        damaged.write(bytes);
    }
    QVERIFY(damaged.resize(size > 0 ? size : damaged.size() + size));
    damaged.close();

    CPlaybackFile thread;
    Receiver receiver(&thread);
    QSignalSpy ends(&thread, &CPlaybackFile::playEnd);
    QCOMPARE(thread.Load(HdbFileHeader(), stem + ".hrf"), entries > 0);
    if (entries > 0) {
        QCOMPARE(thread.frameCount(), entries);
        QVERIFY(ends.wait());
        // The slider keeps its range once the file has run out.
        QCOMPARE(thread.frameCount(), entries);
        const _DISPLAY_DVR_INFO info = receiver.info();
        QCOMPARE(QStringList({info.dvrName, info.channelNames[0], QString::number(info.model)}).join('/'), names);
    }
    QCOMPARE(receiver.seen().size(), played);
}

void tst_CPlaybackFile::damagedDatabasesAreSkipped_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray record = QByteArray(4, '\0') + QByteArray("\x3C\0\0\0\x01\0\0\0", 8) + QByteArray(64, '\1');
    QTest::newRow("shorter than its header") << QByteArray("HDB\x01\x03", 5);
    QTest::newRow("wrong code") << QByteArray("HDX\x01\x03", 5) + QByteArray(7, '\0') + record;
    QTest::newRow("version 2") << QByteArray("HDB\x02\x03", 5) + QByteArray(7, '\0') + record;
    QTest::newRow("no channels") << QByteArray("HDB\x01\x00", 5) + QByteArray(7, '\0') + record;
    QTest::newRow("17 channels") << QByteArray("HDB\x01\x11", 5) + QByteArray(7, '\0') + record;
}

void tst_CPlaybackFile::damagedDatabasesAreSkipped()
{
    QFETCH(QByteArray, bytes);
    QTemporaryDir folder;
    QFile file(folder.filePath("20240101_100000.hdb"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    CSearchDataParser result(false);
    HdbFileHeader header;
    header.channelCount = 9;
    QCOMPARE(CHdbFolder::read(CHdbFolder::list(folder.path()), &result, &header), 0);
    QVERIFY(result.getMinDatas().empty());
    QCOMPARE(header.channelCount, 9);
}

void tst_CPlaybackFile::wallShowsTheRecordedChannels()
{
    CDisplayWidget wall;
    wall.resetDisplay();
    wall.show();
    QVERIFY(QTest::qWaitForWindowExposed(&wall));
    wall.setScreens(4);
    CPlaybackWidget panel;
    panel.setDisplayWidget(&wall);
    panel.search(RecordedFolder::folder());
    choose(
        panel, T10, [](CPlaybackFile*) {}, &wall);
    QSet<int> showing;
    QTRY_VERIFY_WITH_TIMEOUT(([&] {
        const QImage shot = wall.grab().toImage().convertToFormat(QImage::Format_RGB32);
        for (int channel = 0; channel < 3; ++channel) {
            if (H264TestEncoder::tileShowsPattern(shot, wall.wall()->getDisplayRect(channel), 352, 240, channel))
                showing.insert(channel);
        }
        return showing.size() == 3;
    }()),
        10000);
    wall.stop();
    panel.PlayStop();
}

void tst_CPlaybackFile::cyclesWithFullWallBuffers()
{
    // Pictures of 200 KB: five fill a channel's buffer of the wall.
    CAppSettings().writeSetting(CAppSettings::PATH_LIST.at(2), m_root.filePath("large"));
    QVERIFY(RecordedFolder::record(RecordedFolder::frames(3, T10, 1, true, 200000), 3));
    PanelOnWall bench;
    CPlaybackFile* thread = bench.thread();
    for (int cycle = 0; cycle < 200; ++cycle) {
        choose(
            bench.panel, T10, [](CPlaybackFile*) {}, &bench.wall);
        QTRY_VERIFY(thread->isRunning());
        thread->frame(cycle % 2 == 0);
        thread->setFrameIndex(cycle % 100); // of 100 entries
        // As the main window leaves the mode, and as the Stop button stops.
        if (cycle % 3 == 0)
            bench.wall.stop();
        bench.panel.PlayStop();
        QVERIFY(!thread->isRunning());
    }
    CAppSettings().writeSetting(CAppSettings::PATH_LIST.at(2), m_root.filePath("backup"));
}

// The wall takes frames at their pace and the thread waits for it: the
// operator's pause is taken between two frames, not once the file has run
// out.
void tst_CPlaybackFile::playUntil(PanelOnWall& bench, int positions)
{
    choose(
        bench.panel, T10, [](CPlaybackFile*) {}, &bench.wall);
    // Counted on this thread, as the panel takes the thread's signals.
    int played = 0;
    QObject counter;
    connect(
        bench.thread(), &CPlaybackFile::changedframe, &counter, [&played] { ++played; }, Qt::QueuedConnection);
    QTRY_VERIFY(played > positions);
}

void tst_CPlaybackFile::pauseWhileTheWallPacesPlay()
{
    CAppSettings().writeSetting(CAppSettings::PATH_LIST.at(2), m_root.filePath("paced"));
    QVERIFY(RecordedFolder::record(RecordedFolder::frames(3, T10, 10, true, 20000), 3));
    PanelOnWall bench;
    CPlaybackFile* thread = bench.thread();
    playUntil(bench, 10);
    thread->pause();
    QVERIFY(thread->isRunning() && thread->isPaused());
    thread->fast();
    thread->pause();
    QVERIFY(thread->isRunning());
    bench.wall.stop();
    bench.panel.PlayStop();
    CAppSettings().writeSetting(CAppSettings::PATH_LIST.at(2), m_root.filePath("backup"));
}

// A pause returns between two frames, never while a receiver still holds
// the frame the thread handed it: the panel disconnects the receivers then.
void tst_CPlaybackFile::pauseWaitsForTheFrameInHand()
{
    // Outlive the thread, whose receiver uses them.
    std::mutex mutex;
    std::condition_variable changed;
    bool inHand = false;
    bool paused = false;
    bool pausedWhileInHand = false;
    CPlaybackFile thread;
    connect(
        &thread, &CPlaybackFile::DisplayVideo, this,
        [&](const _DISPLAY_DVR_INFO&, const unsigned char*, size_t) {
            std::unique_lock<std::mutex> lock(mutex);
            if (paused)
                return;
            inHand = true;
            changed.notify_all();
            // A pause that waits for this frame does not return meanwhile.
            pausedWhileInHand = changed.wait_for(lock, std::chrono::seconds(1), [&] { return paused; });
            inHand = false;
        },
        Qt::DirectConnection);
    QVERIFY(thread.Load(HdbFileHeader(), RecordedFolder::folder() + "/20240101_100058.hrf"));
    {
        std::unique_lock<std::mutex> lock(mutex);
        QVERIFY(changed.wait_for(lock, std::chrono::seconds(10), [&] { return inHand; }));
    }
    thread.pause();
    {
        std::lock_guard<std::mutex> lock(mutex);
        paused = true;
        QVERIFY(!inHand);
    }
    changed.notify_all();
    QVERIFY(!pausedWhileInHand);
    thread.Close();
}

// A minute no file holds plays nothing and is told: not the minute played
// before.
void tst_CPlaybackFile::aMinuteWithoutAFileIsTold()
{
    CPlaybackWidget panel;
    panel.search(RecordedFolder::folder());
    QSignalSpy chosen(&panel, &CPlaybackWidget::selectedTime);
    choose(panel, T10 + 60, [](CPlaybackFile*) {});
    panel.PlayStop();
    choose(panel, T10 + 600, [](CPlaybackFile*) {});
    QCOMPARE(chosen.size(), 1);
    QVERIFY(!panel.findChild<CPlaybackFile*>()->isRunning());
    QStringList told;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(window); box && box->isVisible()) {
            told << box->text();
            box->close();
        }
    }
    QCOMPARE(told, QStringList{"There is no playback file."});
}

void tst_CPlaybackFile::controlsActOnWhatIsShown_data()
{
    QTest::addColumn<QString>("control");
    QTest::newRow("pause") << "pause";
    QTest::newRow("step") << "step";
    QTest::newRow("slow") << "slow";
    QTest::newRow("reverse") << "reverse";
    QTest::newRow("slider seek") << "seek";
    QTest::newRow("new minute") << "minute";
}

// A low bit-rate recording: many seconds of its small frames would fit under
// the wall's byte mark. A drawn picture's length tells which frame it shows.
// After the control a channel draws at most the two frames already handed to
// its decoder before the first frame sent after the control (pause and step
// play on again, so that such frames come).
void tst_CPlaybackFile::controlsActOnWhatIsShown()
{
    QFETCH(QString, control);
    CAppSettings().writeSetting(CAppSettings::PATH_LIST.at(2), m_root.filePath("small"));
    const QList<QByteArray> minutes[]
        = {RecordedFolder::frames(3, T10, 10, false, 0, 4096), RecordedFolder::frames(3, T10 + 60, 2, false, 0, 8192)};
    if (!QFile::exists(RecordedFolder::folder())) {
        for (const QList<QByteArray>& minute : minutes)
            QVERIFY(RecordedFolder::record(minute, 3));
    }
    // A frame is known by its channel and length.
    QSet<QPair<int, qsizetype>> frames;
    for (const QByteArray& frame : minutes[0] + minutes[1])
        frames.insert({CFrameInfo::read(false, frame).channel, frame.size()});
    QCOMPARE(frames.size(), minutes[0].size() + minutes[1].size());

    // Outlive the bench, whose threads use them.
    std::mutex mutex;
    bool after = false; // frames sent from now on come after the control
    bool counting = false;
    // Lengths by channel.
    QHash<int, QSet<qsizetype>> sentAfter;
    QHash<int, QList<qsizetype>> drawn;
    PanelOnWall bench;
    CPlaybackFile* thread = bench.thread();
    const int playing = CPlaybackFile::Speed2PlayMode(1);
    // Made before the panel wires the wall, so that a frame is noted before
    // the wall can draw it.
    connect(
        thread, &CPlaybackFile::DisplayVideo, this,
        [&](const _DISPLAY_DVR_INFO& info, const unsigned char* data, size_t len) {
            const int channel = CFrameInfo::read(false, data, len).channel;
            std::lock_guard<std::mutex> lock(mutex);
            after = after || info.pbMode != playing;
            if (after)
                sentAfter[channel].insert(qsizetype(len));
        },
        Qt::DirectConnection);
    connect(
        thread, &CPlaybackFile::signalDecoderRestart, this,
        [&] {
            std::lock_guard<std::mutex> lock(mutex);
            after = true;
        },
        Qt::DirectConnection);
    connect(
        bench.wall.router(), &CDisplayVideo::signalUpdateScreen, this,
        [&](const CDisplayInfo& info) {
            std::lock_guard<std::mutex> lock(mutex);
            if (counting)
                drawn[info.channel] << qsizetype(info.length);
        },
        Qt::DirectConnection);
    playUntil(bench, 60);

    const bool playOn = control == QLatin1String("pause") || control == QLatin1String("step");
    if (control == QLatin1String("pause"))
        thread->pause();
    else if (control == QLatin1String("step"))
        thread->frame(true);
    else if (control == QLatin1String("slow"))
        thread->slow();
    else if (control == QLatin1String("reverse"))
        thread->play(false);
    else if (control == QLatin1String("seek"))
        thread->setFrameIndex(thread->frameCount() * 3 / 4);
    {
        std::lock_guard<std::mutex> lock(mutex);
        counting = true;
        // Paused: nothing goes out until play goes on. A new minute's
        // frames come from another file.
        after = after || playOn || control == QLatin1String("minute");
    }
    if (playOn)
        thread->restart();
    else if (control == QLatin1String("minute"))
        choose(
            bench.panel, T10 + 60, [](CPlaybackFile*) {}, &bench.wall);

    // The frames drawn on a channel before its first one sent after the
    // control, once every channel has drawn such a frame.
    const auto drawnBefore = [&](int channel) {
        const QList<qsizetype>& pictures = drawn.value(channel);
        for (int i = 0; i < pictures.size(); ++i) {
            if (sentAfter.value(channel).contains(pictures.at(i)))
                return i;
        }
        return -1;
    };
    const auto settled = [&] {
        std::lock_guard<std::mutex> lock(mutex);
        for (int channel = 0; channel < 3; ++channel) {
            if (drawnBefore(channel) < 0)
                return false;
        }
        return true;
    };
    QTRY_VERIFY_WITH_TIMEOUT(settled(), 10000);
    {
        std::lock_guard<std::mutex> lock(mutex);
        for (int channel = 0; channel < 3; ++channel)
            QVERIFY2(drawnBefore(channel) <= 2,
                qPrintable(QStringLiteral("channel %1: %2 pictures from before the %3")
                               .arg(channel)
                               .arg(drawnBefore(channel))
                               .arg(control)));
    }
    bench.wall.stop();
    bench.panel.PlayStop();
    CAppSettings().writeSetting(CAppSettings::PATH_LIST.at(2), m_root.filePath("backup"));
}

QTEST_MAIN(tst_CPlaybackFile)
#include "tst_CPlaybackFile.moc"
