// An operator's day on the real main window, for hours: 16 channels of
// camera-like video (704 x 480, 2 Mbit/s a channel, 25 frames a second) from
// the test DVR, running as a process of its own, on the OpenGL wall, recorded
// to the PC as raw files, while the operator goes through a round every few
// minutes: a live stretch with recording on (layouts of 16, 4, 9 and 1
// screens, the sequence, PC setup confirmed with OK), Live M with its pages,
// back to Live S, a search and back, disconnecting and connecting from the
// DVR tree, and in every third round from the second a DVR that drops (its
// process killed) and comes back a little later, which the viewer's
// reconnect setting picks up.
//
// Every 10 seconds it prints resident memory, the heap in use, threads, open
// files and the process's queues (frames waiting for the decoders, audio
// waiting for the sound output, stop requests under way, the longest delay
// of the GUI thread's timers), with the frames received and the pictures
// drawn so far. At the end:
//   memory slope           least squares of resident memory (and of the heap)
//                          after the warm-up (the first 10 minutes, or a third of
//                          a shorter run), in MiB an hour (goal: at most 2)
//   threads, open files    by name and by kind, before the first connect and
//                          after the first and the last disconnect from the
//                          tree (goal: after the last as before the first, but
//                          for the toolkit's own threads that start on first
//                          use and stay, named below, with their files; and
//                          after the last as after the first); the toolkit's
//                          pool threads, which come and go by themselves, are
//                          left out
//   pictures drawn a second per screen on the 16-screen layout, first and last
//                          10 minutes (or thirds) (goal: every screen in the
//                          last as many as in the first, within 5 %, and at
//                          least 24 on 4 or more cores)
//   recorded minutes       every whole minute of DVR time that fell inside a
//                          stretch of recording holds frames of all 16
//                          channels, at least 95 % of them (goal: none missing)
// and exits with 1 when a goal is missed. The recorded files are checked and
// deleted minute by minute, so that hours of recording need little disk.
//
// Run it by hand (without a DISPLAY it starts an Xvfb server of its own; with
// PulseAudio installed it plays the sound into a null sink of its own):
//   QELM_SOAK_SECONDS=7200 build/benchmarks/bench_Soak
// QELM_SOAK_SECONDS is the length of the run, 600 by default. QELM_SOAK_NO_SOUND=1
// (any number but 0) starts no sound server, so the viewer runs as on a PC
// without a sound device while the DVR still sends audio. Settings, lists and
// recordings go to a temporary home of its own.

#include "BenchApplication.h"
#include "BenchDisplay.h"
#include "Connection/CApplicationSender.h"
#include "Connection/CConnectDVR.h"
#include "Connection/CDVRListTree.h"
#include "Connection/CHttpConnect.h"
#include "Display/CDisplayWidget.h"
#include "Display/CGraphicsView.h"
#include "Display/CScreen.h"
#include "Display/OpenGLMode.h"
#include "NewPictures.h"
#include "ProcessFigures.h"
#include "Settings/CAppSettings.h"
#include "SysData/Index.h"
#include "viewer/CStartup.h"
#include "viewer/Viewer.h"

#include <QApplication>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidgetItem>
#include <algorithm>
#include <array>
#include <atomic>
#include <climits>
#include <cstdio>
#include <memory>
#include <numeric>
#include <thread>
#include <vector>

namespace {

const int CHANNELS = 16;
const int FPS = 25;
const int SAMPLE_MS = 10000;
const int LONGEST_WINDOW_S = 600;
const double MAX_SLOPE_MIB_PER_HOUR = 2;
const double MIN_DRAWN_FPS = 24;
const double DRAWN_TOLERANCE = 0.95;
const double MIN_MINUTE_SHARE = 0.95;
const int CONNECT_LIMIT_MS = 30000;
// The viewer tries a dropped DVR again after a minute; twice that and the
// DVR's own start are ample.
const int RECONNECT_LIMIT_MS = 180000;
// Threads that end serve nothing any more: give idle ones time to notice.
const int SETTLE_LIMIT_MS = 30000;
const int STEP_MS = 6000;
const int DROP_EVERY_ROUNDS = 3;
const int DROP_MS = 5000;

// Threads the toolkit starts the first time a feature is used and keeps for
// the life of the process, at most as many as named: they stay after the
// last disconnect by design, not by leak. The HTTP thread of each command
// sender the program keeps for good (the main window's and the stop
// requests'), and the main loop of the sound server's client.
const std::pair<const char*, int> TOOLKIT_THREADS[] = {
    {"QNetworkAccessM", 2},
    {"threaded-ml", 1},
};
// The files the toolkit keeps open with those threads: each HTTP thread's
// wake-up event; the sound server client's connection, wake-up pipe and
// events (one client is opened with the main window, a second one with the
// first sound played).
const std::pair<const char*, int> TOOLKIT_FILES[] = {
    {"anon_inode:[eventfd]", 4},
    {"pipe:", 2},
    {"socket:", 1},
};

// Nothing in `now` that was not in `before`, but for the allowance.
template <std::size_t N>
bool within(
    const QMap<QString, int>& before, const QMap<QString, int>& now, const std::pair<const char*, int> (&allowance)[N])
{
    QMap<QString, int> allowed = before;
    for (const auto& [name, count] : allowance)
        allowed[QLatin1String(name)] += count;
    for (auto it = now.cbegin(); it != now.cend(); ++it) {
        if (it.value() > allowed.value(it.key()))
            return false;
    }
    return true;
}

int total(const QMap<QString, int>& names)
{
    return std::accumulate(names.cbegin(), names.cend(), 0);
}

// The threads by name and the open files by kind at one moment.
struct Held {
    QMap<QString, int> threads;
    QMap<QString, int> files;

    static Held now() { return {ProcessFigures::threadsByName(), ProcessFigures::openFiles()}; }
    // The toolkit's pool threads come and go by themselves (they end after
    // half a minute without work), each with its wake-up event: they are
    // left out of every comparison.
    Held withoutPool() const
    {
        Held kept = *this;
        const int pooled = kept.threads.take(QStringLiteral("Thread (pooled)"));
        int& events = kept.files[QStringLiteral("anon_inode:[eventfd]")];
        events = std::max(0, events - pooled);
        return kept;
    }
};

int soakSeconds()
{
    const int seconds = qEnvironmentVariableIntValue("QELM_SOAK_SECONDS");
    return seconds > 0 ? seconds : 600;
}

void printLine(const QString& text)
{
    std::printf("%s\n", qPrintable(text));
    std::fflush(stdout);
}

// A home of the benchmark's own: settings, the DVR list, recordings and the
// sound server stay out of the operator's (and other programs') way.
class OwnHome {
public:
    OwnHome()
    {
        const QByteArray path = m_dir.path().toLocal8Bit();
        qputenv("HOME", path);
        qputenv("XDG_CONFIG_HOME", path + "/config");
        qputenv("XDG_DATA_HOME", path + "/data");
        qputenv("XDG_CACHE_HOME", path + "/cache");
        startSound();
    }
    ~OwnHome()
    {
        if (m_sound)
            QProcess::execute(QStringLiteral(PULSE_SCRIPT), {QStringLiteral("stop"), m_dir.filePath("sound")});
    }
    OwnHome(const OwnHome&) = delete;
    OwnHome& operator=(const OwnHome&) = delete;

    QString path(const QString& name) const { return m_dir.filePath(name); }

private:
    // The sound goes to a null sink when PulseAudio is there; without it the
    // audio output finds no device and drops what it gets, as on a PC
    // without sound.
    void startSound()
    {
        const QString state = m_dir.filePath("sound");
        m_sound = qEnvironmentVariableIntValue("QELM_SOAK_NO_SOUND") == 0
            && QProcess::execute(QStringLiteral(PULSE_SCRIPT), {QStringLiteral("start"), state}) == 0;
        qputenv("PULSE_SERVER", m_sound ? "unix:" + state.toLocal8Bit() + "/pulse/native" : "unix:/nonexistent");
        if (!m_sound)
            printLine(QStringLiteral("no PulseAudio: the sound output has no device"));
    }

    QTemporaryDir m_dir;
    bool m_sound = false;
};

// The test DVR as a process of its own, started again on the same port after
// it was made to drop. Its request log is read and thrown away (kept, it
// would grow this process); what it says on its error channel is passed on.
class DvrProcess {
public:
    DvrProcess()
    {
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QObject::connect(&m_process, &QProcess::readyReadStandardOutput, [this] {
            while (m_process.canReadLine()) {
                const QByteArray line = m_process.readLine().trimmed();
                if (line.startsWith("listening on "))
                    m_port = quint16(line.mid(line.lastIndexOf(':') + 1).toUInt());
            }
        });
    }
    ~DvrProcess() { drop(); }
    DvrProcess(const DvrProcess&) = delete;
    DvrProcess& operator=(const DvrProcess&) = delete;

    bool start()
    {
        const quint16 port = m_port;
        m_port = 0;
        m_process.start(QStringLiteral(TEST_DVR_PROGRAM),
            {"--port", QString::number(port), "--size", "704x480", "--fps", QString::number(FPS), "--content", "camera",
                "--lifetime", "3600"});
        return QTest::qWaitFor([this] { return m_port != 0; }, CONNECT_LIMIT_MS);
    }
    void drop()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.kill();
        m_process.waitForFinished(5000);
    }
    bool running() const { return m_process.state() == QProcess::Running; }
    quint16 port() const { return m_port; }

private:
    QProcess m_process;
    quint16 m_port = 0;
};

// Pictures drawn per tile: each redraw of the wall shows what the tiles hold
// as it begins; a tile with a new picture since the last redraw has one more
// picture drawn.
class DrawnPictures : public QObject {
public:
    explicit DrawnPictures(CDisplayWidget& wall)
        : m_wall(wall)
    {
        follow();
    }

    // The wall is made anew when its rendering changes.
    void follow()
    {
        QWidget* viewport = m_wall.wall()->view() ? m_wall.wall()->view()->viewport() : nullptr;
        if (viewport == m_viewport)
            return;
        if (m_viewport)
            m_viewport->removeEventFilter(this);
        m_viewport = viewport;
        if (m_viewport)
            m_viewport->installEventFilter(this);
    }

    qint64 total() const { return m_total; }
    std::array<qint64, CHANNELS> perTile() const { return m_perTile; }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::Paint)
            return false;
        for (int tile = 0; tile < CHANNELS; ++tile) {
            if (!m_new.isNew(tile, m_wall.wall()->getInfo(tile)))
                continue;
            ++m_total;
            ++m_perTile[std::size_t(tile)];
        }
        return false;
    }

private:
    CDisplayWidget& m_wall;
    QWidget* m_viewport = nullptr;
    NewPictures<CHANNELS> m_new;
    std::array<qint64, CHANNELS> m_perTile{};
    qint64 m_total = 0;
};

// The recorded minutes: which whole minutes fell inside a stretch of
// recording, and which channels' frames the files of each minute hold. A
// minute's files are read and deleted once the minute is well over.
class RecordedMinutes {
public:
    explicit RecordedMinutes(const QString& folder)
        : m_folder(folder)
    {
    }

    // Called once a second with whether the current DVR records.
    void note(bool recording)
    {
        const qint64 now = QDateTime::currentSecsSinceEpoch();
        if (recording && m_spanStart < 0)
            m_spanStart = now;
        if (recording)
            m_spanEnd = now;
        if (!recording && m_spanStart >= 0) {
            closeSpan();
            m_spanStart = -1;
        }
    }

    // Reads the files of every minute that ended two minutes ago or earlier
    // (all of them when `all`), then deletes them.
    void collect(bool all)
    {
        const qint64 before = all ? LLONG_MAX : QDateTime::currentSecsSinceEpoch() / 60 - 2;
        QDirIterator files(m_folder, {QStringLiteral("*.hrf")}, QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString path = files.next();
            const QDateTime named
                = QDateTime::fromString(QFileInfo(path).completeBaseName().left(15), QStringLiteral("yyyyMMdd_hhmmss"));
            QDateTime utc = named;
            utc.setTimeSpec(Qt::UTC);
            if (!all && (!named.isValid() || utc.toSecsSinceEpoch() / 60 > before))
                continue;
            read(path);
            QFile::remove(path);
            QFile::remove(path.left(path.size() - 4) + QStringLiteral(".hav"));
        }
    }

    void finish()
    {
        if (m_spanStart >= 0)
            closeSpan();
        m_spanStart = -1;
        collect(true);
    }

    int expected() const { return int(m_expected.size()); }
    // Expected minutes without frames of every channel, or short of frames.
    QStringList missing() const
    {
        QStringList missing;
        for (const qint64 minute : m_expected) {
            const Minute found = m_minutes.value(minute);
            const qint64 fewest = *std::min_element(found.frames.begin(), found.frames.end());
            if (fewest < qint64(MIN_MINUTE_SHARE * FPS * 60))
                missing << QStringLiteral("%1 (fewest frames of a channel: %2)")
                               .arg(QDateTime::fromSecsSinceEpoch(minute * 60, Qt::UTC).toString("hh:mm"))
                               .arg(fewest);
        }
        return missing;
    }

private:
    struct Minute {
        std::array<qint64, CHANNELS> frames{};
    };

    // The whole minutes of the span, a few seconds in from either end: the
    // DVR's clock and ours need not tick together.
    void closeSpan()
    {
        const qint64 margin = 3;
        for (qint64 minute = (m_spanStart + margin + 59) / 60; (minute + 1) * 60 <= m_spanEnd - margin; ++minute)
            m_expected.push_back(minute);
    }

    void read(const QString& path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return;
        const QByteArray bytes = file.readAll();
        // Behind the index file's 40-byte header, one record per frame.
        const int header = 40;
        for (qsizetype at = header; at + Index::SIZE <= bytes.size(); at += Index::SIZE) {
            const Index index = Index::read(reinterpret_cast<const unsigned char*>(bytes.constData() + at));
            // Audio is recorded too; the minute is judged by its video.
            if (index.type == 3 || index.channel >= CHANNELS)
                continue;
            ++m_minutes[qint64(index.seconds) / 60].frames[index.channel];
        }
    }

    QString m_folder;
    qint64 m_spanStart = -1;
    qint64 m_spanEnd = -1;
    std::vector<qint64> m_expected;
    QMap<qint64, Minute> m_minutes;
};

struct Sample {
    double seconds;
    double residentMiB;
    double heapMiB;
};

// Least squares slope of y over the samples from `from` seconds on, per hour.
double slopePerHour(const std::vector<Sample>& samples, double from, double Sample::*y)
{
    double n = 0, sx = 0, sy = 0, sxx = 0, sxy = 0;
    for (const Sample& s : samples) {
        if (s.seconds < from)
            continue;
        const double x = s.seconds / 3600.0;
        n += 1;
        sx += x;
        sy += s.*y;
        sxx += x * x;
        sxy += x * (s.*y);
    }
    const double d = n * sxx - sx * sx;
    return n >= 2 && d > 0 ? (n * sxy - sx * sy) / d : 0;
}

// The operator at the main window, with the DVR and the measures.
class Soak {
public:
    Soak(OwnHome& home, DvrProcess& dvr)
        : m_home(home)
        , m_dvr(dvr)
        , m_duration(soakSeconds())
        , m_window(std::min(LONGEST_WINDOW_S, m_duration / 3))
        , m_recorded(home.path("record"))
    {
    }

    int run();

private:
    QPushButton* button(const char* name) const { return m_viewer->findChild<QPushButton*>(QLatin1String(name)); }
    CDisplayWidget* wall() const { return m_viewer->findChild<CDisplayWidget*>(); }
    double elapsed() const { return double(m_clock.elapsed()) / 1000.0; }
    bool timeLeft() const { return m_clock.elapsed() < qint64(m_duration) * 1000; }

    void click(const char* name);
    void stay(int ms);
    void connectFromTree();
    void disconnectFromTree();
    bool connected() const;
    bool waitConnected(int limitMs);
    void ensureRecording();
    void countReceived();
    void watch();
    void liveStretch();
    void otherModes();
    void dropDvr();
    void sample();
    void settle();
    void finish();
    bool report();
    bool reportMemory() const;
    bool reportHeld() const;
    std::array<double, CHANNELS> drawnRates(bool last) const;
    bool reportDrawn() const;
    bool reportRecorded() const;

    OwnHome& m_home;
    DvrProcess& m_dvr;
    const int m_duration;
    const int m_window;
    std::unique_ptr<Viewer> m_viewer;
    std::unique_ptr<DrawnPictures> m_drawn;
    RecordedMinutes m_recorded;
    QElapsedTimer m_clock;
    QTimer m_sampler;
    QTimer m_second;
    QTimer m_lagProbe;
    QElapsedTimer m_lagClock;
    qint64 m_worstLagMs = 0;
    std::atomic<qint64> m_received{0};
    qint64 m_receivedBefore = 0;
    struct Counter {
        QPointer<CHttpConnect> link;
        QMetaObject::Connection connection;
    };
    std::vector<Counter> m_counters;
    std::vector<Sample> m_samples;
    // Per watch: when it began, pictures drawn per tile, its length.
    struct Watch {
        double at;
        std::array<qint64, CHANNELS> drawn;
        double seconds;
    };
    std::vector<Watch> m_watches;
    Held m_before;
    // After each disconnect from the tree, the last one's last.
    std::vector<Held> m_idle;
    QStringList m_failures;
    double m_loadMin = 1e9;
    double m_loadMax = 0;
    double m_loadSum = 0;
    int m_loadCount = 0;
    int m_round = 0;
    int m_drops = 0;
};

void Soak::click(const char* name)
{
    QPushButton* target = button(name);
    if (!target) {
        m_failures << QStringLiteral("no button %1").arg(QLatin1String(name));
        return;
    }
    if (target->isVisible() && target->isEnabled())
        QTest::mouseClick(target, Qt::LeftButton);
    else
        target->click();
    countReceived();
}

void Soak::stay(int ms)
{
    QTest::qWait(ms);
}

void Soak::connectFromTree()
{
    auto* tree = m_viewer->findChild<CDVRListTree*>();
    emit tree->groupConnect(*tree->topLevelItem(0), 0, -1);
}

void Soak::disconnectFromTree()
{
    emit m_viewer->findChild<CDVRListTree*>()->disconnectDVR(0, -1);
}

bool Soak::connected() const
{
    const QList<CConnectDVR*>& entries = m_viewer->connections().entries();
    return !entries.isEmpty() && std::all_of(entries.cbegin(), entries.cend(), [](const CConnectDVR* controller) {
        return controller && controller->IsConnected() && controller->getClientID() > 0;
    });
}

bool Soak::waitConnected(int limitMs)
{
    const bool ok = QTest::qWaitFor([this] { return connected(); }, limitMs);
    countReceived();
    return ok;
}

// The operator keeps the live view recorded: after anything that stopped the
// recording (Live M, a search, a disconnect, a drop), the button again.
void Soak::ensureRecording()
{
    if (m_viewer->menuMode() != Viewer::LIVE_S || !connected())
        return;
    const CConnectDVR* current = m_viewer->connections().current();
    if (current && !current->isRecording())
        click("RecToPC");
}

// Counts the frames of every video link. The main window cuts a link's
// receivers whenever it takes the wall off the link (every layout change):
// the counter is put back after each of the operator's steps.
void Soak::countReceived()
{
    m_counters.erase(std::remove_if(m_counters.begin(), m_counters.end(),
                         [](const Counter& counter) { return !counter.link || !counter.connection; }),
        m_counters.end());
    for (CConnectDVR* controller : m_viewer->connections().entries()) {
        auto* video = controller ? controller->findChild<CHttpConnect*>(QStringLiteral("video")) : nullptr;
        if (!video || std::any_of(m_counters.cbegin(), m_counters.cend(), [video](const Counter& counter) {
                return counter.link == video;
            }))
            continue;
        m_counters.push_back({video,
            QObject::connect(
                video, &CHttpConnect::VDataReceived, video,
                [this](const DISPLAY_DVR_INFO&, const unsigned char*, size_t) { m_received.fetch_add(1); },
                Qt::DirectConnection)});
    }
}

// The 16-screen layout watched for a while: pictures drawn per screen.
void Soak::watch()
{
    click("Screen16_0");
    ensureRecording();
    // Counted from the moment every screen shows its channel again.
    CScreen* screens = wall()->wall();
    const bool shown = QTest::qWaitFor(
        [screens] {
            for (int tile = 0; tile < CHANNELS; ++tile) {
                if (!screens->getInfo(tile).hasPicture())
                    return false;
            }
            return true;
        },
        CONNECT_LIMIT_MS);
    if (!shown)
        m_failures << QStringLiteral("a screen without pictures at %1 s").arg(elapsed(), 0, 'f', 0);
    m_drawn->follow();
    const auto before = m_drawn->perTile();
    QElapsedTimer watched;
    watched.start();
    const double at = elapsed();
    stay(10000);
    const auto after = m_drawn->perTile();
    Watch counted{at, {}, double(watched.elapsed()) / 1000.0};
    for (int tile = 0; tile < CHANNELS; ++tile)
        counted.drawn[std::size_t(tile)] = after[std::size_t(tile)] - before[std::size_t(tile)];
    m_watches.push_back(counted);
}

// Live S with recording on, two and a half minutes or more of layouts.
void Soak::liveStretch()
{
    const char* const layouts[]
        = {"Screen4_0", "Screen4_4", "Screen4_8", "Screen4_12", "Screen9_0", "Screen9_7", "Ch0", "Ch7", "Ch15"};
    watch();
    for (const char* layout : layouts) {
        click(layout);
        ensureRecording();
        stay(STEP_MS);
    }
    click("Screen16_0");
    click("Sequence");
    stay(2 * STEP_MS);
    click("Sequence");
    click("PCSetup");
    stay(1000);
    m_viewer->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"))->button(QDialogButtonBox::Ok)->click();
    stay(STEP_MS);
    for (auto it = std::rbegin(layouts); it != std::rend(layouts); ++it) {
        click(*it);
        ensureRecording();
        stay(STEP_MS);
    }
    watch();
}

// Live M and its pages, a search, the tree's disconnect and connect.
void Soak::otherModes()
{
    click("LiveM");
    stay(STEP_MS);
    for (const char* step : {"NextPage", "Screen2x2", "NextPage", "NextPage", "Screen4x4", "PrevPage", "Screen8x8"}) {
        click(step);
        stay(STEP_MS / 2);
    }
    click("LiveS");
    if (!waitConnected(CONNECT_LIMIT_MS))
        m_failures << QStringLiteral("no video after Live S at %1 s").arg(elapsed(), 0, 'f', 0);
    ensureRecording();
    stay(STEP_MS);

    click("Search");
    stay(STEP_MS);
    click("LiveS");
    if (!waitConnected(CONNECT_LIMIT_MS))
        m_failures << QStringLiteral("no video after the search at %1 s").arg(elapsed(), 0, 'f', 0);
    ensureRecording();
    stay(STEP_MS);

    disconnectFromTree();
    settle();
    connectFromTree();
    if (!waitConnected(CONNECT_LIMIT_MS))
        m_failures << QStringLiteral("no video after connecting again at %1 s").arg(elapsed(), 0, 'f', 0);
    ensureRecording();
    stay(STEP_MS);
}

// The DVR goes away for a few seconds; the viewer takes it up again by itself.
void Soak::dropDvr()
{
    ++m_drops;
    m_dvr.drop();
    stay(DROP_MS);
    if (!m_dvr.start()) {
        m_failures << QStringLiteral("the test DVR did not start again at %1 s").arg(elapsed(), 0, 'f', 0);
        return;
    }
    if (!waitConnected(RECONNECT_LIMIT_MS))
        m_failures
            << QStringLiteral("the DVR came back at %1 s, the viewer did not take it up").arg(elapsed(), 0, 'f', 0);
    ensureRecording();
}

void Soak::sample()
{
    CDisplayWidget* display = wall();
    const Sample s{elapsed(), ProcessFigures::residentMiB(), ProcessFigures::heapInUseMiB()};
    m_samples.push_back(s);
    const double load = ProcessFigures::loadAverage();
    m_loadMin = std::min(m_loadMin, load);
    m_loadMax = std::max(m_loadMax, load);
    m_loadSum += load;
    ++m_loadCount;
    printLine(QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8 %9 %10 %11 %12")
                  .arg(s.seconds, 7, 'f', 0)
                  .arg(s.residentMiB, 8, 'f', 1)
                  .arg(s.heapMiB, 8, 'f', 1)
                  .arg(ProcessFigures::threadCount(), 7)
                  .arg(ProcessFigures::openFileCount(), 5)
                  .arg(qulonglong(display->queuedFrames()), 6)
                  .arg(display->audioOutput().bufferedBytes(), 6)
                  .arg(CApplicationSender::pending(), 5)
                  .arg(m_worstLagMs, 6)
                  .arg(m_received.load(), 10)
                  .arg(m_drawn->total(), 10)
                  .arg(load, 5, 'f', 2));
    m_worstLagMs = 0;
}

// After a disconnect: the stop requests go out and the threads that served
// the streams end; what still runs and what is still open is noted.
void Soak::settle()
{
    if (!QTest::qWaitFor([] { return CApplicationSender::pending() == 0; }, SETTLE_LIMIT_MS))
        m_failures << QStringLiteral("stop requests still under way at %1 s").arg(elapsed(), 0, 'f', 0);
    // Judged at the end, on what is left.
    const QMap<QString, int> before = m_before.withoutPool().threads;
    static_cast<void>(QTest::qWaitFor(
        [&before] { return within(before, Held::now().withoutPool().threads, TOOLKIT_THREADS); }, SETTLE_LIMIT_MS));
    m_idle.push_back(Held::now());
}

void Soak::finish()
{
    disconnectFromTree();
    settle();
    sample();
    m_recorded.finish();
}

int Soak::run()
{
    CAppSettings settings;
    settings.writeSetting(CAppSettings::OPENGL, int(OPENGL_HIGH_PERFORMANCE));
    settings.writeSetting(CAppSettings::PATH_LIST.at(1), m_home.path("record"));
    settings.writeSetting(CAppSettings::FILE_FORMAT, 0);
    settings.writeSetting(CAppSettings::RECONNECT, true);
    settings.writeSetting(CAppSettings::SEQ_INTERVAL, CDisplayWidget::MIN_SEQUENCE_SECONDS);
    settings.save();
    QDir().mkpath(m_home.path("record"));

    if (!m_dvr.start()) {
        printLine(QStringLiteral("the test DVR did not start"));
        return 2;
    }
    DVR dvr;
    dvr.set_name("Soak DVR");
    dvr.set_address("127.0.0.1");
    dvr.set_port(m_dvr.port());
    dvr.set_id("admin");
    dvr.set_password("1234");

    m_viewer = std::make_unique<Viewer>();
    auto* tree = m_viewer->findChild<CDVRListTree*>();
    tree->clear();
    Group group;
    group.set_name("Soak");
    *group.add_dvr() = dvr;
    auto* item = new QTreeWidgetItem(tree);
    (new QTreeWidgetItem(item))->setData(0, Qt::UserRole, QVariant::fromValue(dvr));
    item->setData(0, Qt::UserRole, QVariant::fromValue(group));
    m_viewer->show();
    if (!QTest::qWaitForWindowExposed(m_viewer.get()))
        m_failures << QStringLiteral("the main window was not shown");
    m_drawn = std::make_unique<DrawnPictures>(*wall());
    stay(3000);
    m_before = Held::now();

    printLine(QStringLiteral("soak of %1 s: %2 channels 704x480 camera content at 2000 kbit/s, %3 cores, load "
                             "average at start %4")
                  .arg(m_duration)
                  .arg(CHANNELS)
                  .arg(std::thread::hardware_concurrency())
                  .arg(ProcessFigures::loadAverage(), 0, 'f', 2));
    printLine(QStringLiteral("      s  rss_mib heap_mib threads files queued audio_b stops lag_ms   received      "
                             "drawn  load"));
    m_clock.start();
    m_lagClock.start();
    QObject::connect(&m_sampler, &QTimer::timeout, [this] {
        sample();
        m_recorded.collect(false);
    });
    m_sampler.start(SAMPLE_MS);
    QObject::connect(&m_second, &QTimer::timeout, [this] {
        // A recording without frames (the DVR gone) has nothing to write.
        const qint64 received = m_received.load();
        const CConnectDVR* current = m_viewer->connections().current();
        m_recorded.note(current && current->isRecording() && received > m_receivedBefore);
        m_receivedBefore = received;
        countReceived();
    });
    m_second.start(1000);
    m_lagProbe.setTimerType(Qt::PreciseTimer);
    QObject::connect(
        &m_lagProbe, &QTimer::timeout, [this] { m_worstLagMs = std::max(m_worstLagMs, m_lagClock.restart() - 100); });
    m_lagProbe.start(100);
    sample();

    connectFromTree();
    if (!waitConnected(CONNECT_LIMIT_MS))
        m_failures << QStringLiteral("no video after the first connect");
    while (timeLeft()) {
        ++m_round;
        liveStretch();
        if (!timeLeft())
            break;
        otherModes();
        if (m_round % DROP_EVERY_ROUNDS == 2 && timeLeft())
            dropDvr();
        if (!m_dvr.running() && !m_dvr.start())
            m_failures << QStringLiteral("the test DVR is gone");
    }
    m_sampler.stop();
    finish();
    m_second.stop();
    m_lagProbe.stop();
    const bool met = report();

    m_drawn.reset();
    m_viewer.reset();
    CStartup::sendPendingCommands();
    return met ? 0 : 1;
}

bool Soak::report()
{
    printLine(QString());
    printLine(QStringLiteral("rounds %1, DVR drops %2, load average min %3 mean %4 max %5")
                  .arg(m_round)
                  .arg(m_drops)
                  .arg(m_loadMin, 0, 'f', 2)
                  .arg(m_loadCount ? m_loadSum / m_loadCount : 0, 0, 'f', 2)
                  .arg(m_loadMax, 0, 'f', 2));
    const bool flat = reportMemory();
    const bool held = reportHeld();
    printLine(QStringLiteral("frames received %1, pictures drawn %2").arg(m_received.load()).arg(m_drawn->total()));
    const bool drawn = reportDrawn();
    const bool recorded = reportRecorded();
    for (const QString& failure : m_failures)
        printLine(QStringLiteral("MISSED: %1").arg(failure));
    const bool met = flat && held && drawn && recorded && m_failures.isEmpty();
    printLine(met ? QStringLiteral("every goal met") : QStringLiteral("a goal was missed"));
    return met;
}

bool Soak::reportMemory() const
{
    const double rssSlope = slopePerHour(m_samples, m_window, &Sample::residentMiB);
    const double heapSlope = slopePerHour(m_samples, m_window, &Sample::heapMiB);
    const bool flat = rssSlope <= MAX_SLOPE_MIB_PER_HOUR;
    printLine(QStringLiteral("memory slope after %1 s: resident %2 MiB/h, heap %3 MiB/h (goal: at most %4) %5")
                  .arg(m_window)
                  .arg(rssSlope, 0, 'f', 2)
                  .arg(heapSlope, 0, 'f', 2)
                  .arg(MAX_SLOPE_MIB_PER_HOUR)
                  .arg(flat ? "met" : "MISSED"));
    return flat;
}

// After the last disconnect as before the first, but for the toolkit's own;
// and the same after the last disconnect as after the first.
bool Soak::reportHeld() const
{
    const Held before = m_before.withoutPool();
    const Held first = m_idle.front().withoutPool();
    const Held last = m_idle.back().withoutPool();
    const bool threadsBack = within(before.threads, last.threads, TOOLKIT_THREADS) && last.threads == first.threads;
    const bool filesBack = within(before.files, last.files, TOOLKIT_FILES) && last.files == first.files;
    const auto line = [&](const char* what, const QMap<QString, int> Held::*part, bool kept) {
        printLine(QStringLiteral("%1 (the toolkit's pool threads left out): %2 before the first connect, %3 after the "
                                 "first disconnect, %4 after the last (%5; last against first: %6) %7")
                      .arg(QLatin1String(what))
                      .arg(total(before.*part))
                      .arg(total(first.*part))
                      .arg(total(last.*part))
                      .arg(ProcessFigures::difference(before.*part, last.*part))
                      .arg(ProcessFigures::difference(first.*part, last.*part))
                      .arg(kept ? "met" : "MISSED"));
    };
    line("threads", &Held::threads, threadsBack);
    line("open files", &Held::files, filesBack);
    return threadsBack && filesBack;
}

// Pictures a second per screen over the watches of the first and of the last
// window.
std::array<double, CHANNELS> Soak::drawnRates(bool last) const
{
    std::array<double, CHANNELS> drawn{};
    double seconds = 0;
    for (const Watch& w : m_watches) {
        if (last ? w.at < m_duration - m_window : w.at >= m_window)
            continue;
        seconds += w.seconds;
        for (int tile = 0; tile < CHANNELS; ++tile)
            drawn[std::size_t(tile)] += double(w.drawn[std::size_t(tile)]);
    }
    for (double& d : drawn)
        d = seconds > 0 ? d / seconds : 0;
    return drawn;
}

bool Soak::reportDrawn() const
{
    const auto first = drawnRates(false);
    const auto last = drawnRates(true);
    const bool cores = std::thread::hardware_concurrency() >= 4;
    bool kept = true;
    QStringList lastRates;
    for (int tile = 0; tile < CHANNELS; ++tile) {
        const double f = first[std::size_t(tile)];
        const double l = last[std::size_t(tile)];
        kept = kept && l >= DRAWN_TOLERANCE * f && (!cores || l >= MIN_DRAWN_FPS);
        lastRates << QString::number(l, 'f', 1);
    }
    printLine(QStringLiteral("pictures drawn a second, slowest screen: first %1 s %2, last %1 s %3 (%4) %5")
                  .arg(m_window)
                  .arg(*std::min_element(first.begin(), first.end()), 0, 'f', 2)
                  .arg(*std::min_element(last.begin(), last.end()), 0, 'f', 2)
                  .arg(lastRates.join(QLatin1Char(' ')))
                  .arg(kept ? "met" : "MISSED"));
    return kept;
}

bool Soak::reportRecorded() const
{
    const QStringList missing = m_recorded.missing();
    printLine(QStringLiteral("recorded minutes: %1 whole minutes recorded, missing or short: %2 %3")
                  .arg(m_recorded.expected())
                  .arg(missing.isEmpty() ? QStringLiteral("none") : missing.join(QStringLiteral(", ")))
                  .arg(missing.isEmpty() ? "met" : "MISSED"));
    return missing.isEmpty();
}

} // namespace

int main()
{
    CStartup::prepareMemory();
    if (!BenchDisplay::ensureDisplay()) {
        std::fprintf(stderr, "bench_Soak: no DISPLAY and no Xvfb to start\n");
        return 2;
    }
    OwnHome home;
    int code = 0;
    {
        benchApplication<QApplication>("bench_Soak", [] {
            qputenv("QT_QPA_PLATFORM", "xcb");
            CScreen::prepareOpenGL();
            QLoggingCategory::setFilterRules(QStringLiteral("qelm.network.debug=false\ndefault.debug=false"));
        });
        CStartup::prepareApplication();
        DvrProcess dvr;
        Soak soak(home, dvr);
        code = soak.run();
    }
    return code;
}
