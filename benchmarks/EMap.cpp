// A map of 64 cameras: four test DVRs of 16 channels each, their streams
// headers only at 25 frames a second, motion switched on and off on 8
// channels of every DVR each second, and one video window open. Side by
// side in one run:
//   bare  a receiver that opens the same four streams (the window's channel
//         with full video) and only splits them into packets, one thread a
//         stream;
//   emap  a map view in view mode with its 64 icons and event log.
// The DVRs run on a thread of their own, whose processor time is left out.
//
// Reported:
//   bare_cpu_pct, emap_cpu_pct  processor time of the client side, in % of one core
//   extra_cpu_pct               emap minus bare (goal: at most 10)
//   changes                     motion changes the icons showed
//   colour_p95_ms, colour_max_ms  from the change at the DVR to the icon's new colour
//   log_p95_ms                  to the log line of a change into motion (goal for both: 150)
//
// Run it under Xvfb, as the operator's display would draw it:
//   xvfb-run -a build/benchmarks/bench_EMap
// (without a display it draws on the offscreen platform).

#include "BenchApplication.h"
#include "Connection/CHttpConnect.h"
#include "CpuClock.h"
#include "Display/OpenGLMode.h"
#include "EMap/CCameraWidget.h"
#include "EMap/CEMapStreams.h"
#include "EMap/CEMapWidget.h"
#include "Settings/CAppSettings.h"
#include "TestDvr.h"
#include "TestDvrChannelSelect.h"
#include "TestDvrStreams.h"
#include "dvr_protocol/CPacketStream.h"
#include "dvr_protocol/cgi_protocol.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <arpa/inet.h>
#include <atomic>
#include <benchmark/benchmark.h>
#include <ctime>
#include <memory>
#include <netinet/in.h>
#include <pthread.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

const int DVRS = 4;
const int CHANNELS = 16;
const int TOGGLED = 8;
const int SETTLE_MS = 3000;
const int RUN_MS = 10000;

QApplication& application()
{
    return benchApplication<QApplication>("bench_EMap", [] {
        if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        QLoggingCategory::setFilterRules(QStringLiteral("qelm.network.debug=false\ndefault.debug=false"));
    });
}

void runFor(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

// Four test DVRs on a thread of their own.
class DvrThread {
public:
    DvrThread()
    {
        m_context.moveToThread(&m_thread);
        m_thread.start();
        QMetaObject::invokeMethod(
            &m_context,
            [this] {
                m_cpuClock = clockOfThisThread();
                TestDvrStreamSettings settings;
                settings.audio = false;
                for (int i = 0; i < DVRS; ++i) {
                    auto* dvr = new TestDvr;
                    dvr->listen();
                    dvr->setStreamSettings(settings);
                    TestDvrChannelSelect::install(dvr);
                    dvr->streams()->liveState().set(cgi::LiveStatus());
                    m_dvrs.push_back(dvr);
                }
            },
            Qt::BlockingQueuedConnection);
    }
    ~DvrThread()
    {
        QMetaObject::invokeMethod(
            &m_context, [this] { qDeleteAll(m_dvrs); }, Qt::BlockingQueuedConnection);
        m_thread.quit();
        m_thread.wait();
    }
    double cpu() const { return cpuSeconds(m_cpuClock); }
    const std::vector<TestDvr*>& dvrs() const { return m_dvrs; }

    DVR record(int i) const
    {
        DVR dvr = m_dvrs[std::size_t(i)]->dvrRecord();
        dvr.set_name(QStringLiteral("DVR%1").arg(i + 1).toStdString());
        for (int ch = 0; ch < CHANNELS; ++ch)
            dvr.add_chname(QStringLiteral("C%1").arg(ch + 1).toStdString());
        return dvr;
    }

private:
    static clockid_t clockOfThisThread()
    {
        clockid_t clock{};
        pthread_getcpuclockid(pthread_self(), &clock);
        return clock;
    }

    QThread m_thread;
    QObject m_context;
    clockid_t m_cpuClock{};
    std::vector<TestDvr*> m_dvrs;
};

// The bare side: a stream request and packet splitting, nothing more.
class BareReceiver {
public:
    BareReceiver(const DVR& dvr, quint32 fullVideo)
    {
        // The stream as the map view has it once its window is open.
        cgi::User user;
        user.set_name(dvr.id());
        user.set_password(dvr.password());
        cgi::Live live;
        live.set_vchmask(0xFFFF);
        live.set_achmask(0);
        live.set_header_only_mask(0xFFFF & ~fullVideo);
        std::string text;
        (void)cgi::Data2Url(cgi::MODE_LIVE, user, live, &text);
        m_thread = std::thread([this, port = dvr.port(), text] { run(quint16(port), text); });
    }
    ~BareReceiver()
    {
        m_stop = true;
        m_thread.join();
    }
    qint64 packets() const { return m_packets.load(); }

private:
    void run(quint16 port, const std::string& query)
    {
        const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(port);
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        timeval wait{0, 100000};
        setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
        if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) {
            const std::string request = "GET /cgi-bin/webapp.cgi?" + query + "\r\n\r\n";
            (void)::send(fd, request.data(), request.size(), 0);
            cgi::CPacketStream stream(false);
            while (!m_stop) {
                if (stream.writeSpace() == 0)
                    stream.clear();
                const ssize_t got = ::recv(fd, stream.writePos(), stream.writeSpace(), 0);
                if (got <= 0)
                    continue;
                stream.commit(std::size_t(got));
                cgi::CPacketStream::Packet packet;
                while (stream.nextPacket(packet))
                    ++m_packets;
            }
        }
        ::close(fd);
    }

    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    std::atomic<qint64> m_packets{0};
};

// Switches motion on 8 channels of every DVR each second and times when the
// icons and the log show it.
class MotionClock : public QObject {
public:
    MotionClock(const DvrThread& dvrs, CEMapWidget& view)
        : m_dvrs(dvrs)
        , m_view(view)
        , m_pending(DVRS * CHANNELS, -1)
    {
        m_clock.start();
        connect(m_view.streams(), &CEMapStreams::cameraStatus, this,
            [this](int stream, int channel) { seen(stream, channel); });
        connect(&m_view, &CEMapWidget::updateLog, this, &MotionClock::logged);
        connect(&m_timer, &QTimer::timeout, this, &MotionClock::toggle);
        m_timer.start(1000);
    }

    std::vector<double> colourMs;
    std::vector<double> logMs;

private:
    void toggle()
    {
        m_on = !m_on;
        cgi::LiveStatus status;
        status.set_motion_chmask(m_on ? (1u << TOGGLED) - 1 : 0);
        const qint64 now = m_clock.nsecsElapsed();
        for (int d = 0; d < DVRS; ++d) {
            for (int ch = 0; ch < TOGGLED; ++ch)
                m_pending[d * CHANNELS + ch] = now;
            m_dvrs.dvrs()[std::size_t(d)]->streams()->liveState().set(status);
        }
    }
    // Runs after the icons took the same report.
    void seen(int stream, int channel)
    {
        const int key = stream * CHANNELS + channel;
        qint64& since = m_pending[key];
        const CCameraWidget* icon = m_view.cameras().at(key);
        if (since < 0 || icon->statusColor() != (m_on ? Qt::green : Qt::blue))
            return;
        colourMs.push_back(double(m_clock.nsecsElapsed() - since) / 1e6);
        since = -1;
    }
    // Runs before the icon's report reaches seen().
    void logged(const QString& line)
    {
        const QStringList parts = line.split(QStringLiteral("  "));
        if (parts.value(4) != QLatin1String("motion"))
            return;
        const int key = (parts.value(2).mid(3).toInt() - 1) * CHANNELS + parts.value(3).mid(1).toInt() - 1;
        const qint64 since = m_pending.value(key, -1);
        if (since >= 0)
            logMs.push_back(double(m_clock.nsecsElapsed() - since) / 1e6);
    }

    const DvrThread& m_dvrs;
    CEMapWidget& m_view;
    QElapsedTimer m_clock;
    QTimer m_timer;
    bool m_on = false;
    QList<qint64> m_pending;
};

double percentile(std::vector<double> values, double share)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, std::size_t(share * double(values.size())))];
}

void BM_EMapBesideBareReceiver(benchmark::State& state)
{
    application();
    CAppSettings().writeSetting(CAppSettings::OPENGL, OPENGL_OFF);
    DvrThread dvrs;
    for (auto _ : state) {
        // The bare side.
        double bare = 0;
        {
            std::vector<std::unique_ptr<BareReceiver>> receivers;
            for (int d = 0; d < DVRS; ++d)
                receivers.push_back(std::make_unique<BareReceiver>(dvrs.record(d), d == 0 ? 1u : 0u));
            runFor(SETTLE_MS);
            const double process = cpuSeconds(CLOCK_PROCESS_CPUTIME_ID);
            const double server = dvrs.cpu();
            QElapsedTimer clock;
            clock.start();
            runFor(RUN_MS);
            bare = ((cpuSeconds(CLOCK_PROCESS_CPUTIME_ID) - process) - (dvrs.cpu() - server))
                / (clock.nsecsElapsed() / 1e9);
        }

        // The map view.
        EMap map;
        for (int d = 0; d < DVRS; ++d) {
            for (int ch = 0; ch < CHANNELS; ++ch) {
                EMapItems* item = map.add_items();
                *item->mutable_dvr() = dvrs.record(d);
                item->set_channel(ch);
                item->set_posx(10 + ch * 40);
                item->set_posy(10 + d * 120);
            }
        }
        CEMapWidget* view = new CEMapWidget;
        view->resize(1000, 600);
        view->setSelectedEMap(map);
        view->show();
        runFor(SETTLE_MS);
        view->cameras().first()->setShowVideo(QPoint());
        runFor(SETTLE_MS);
        const double process = cpuSeconds(CLOCK_PROCESS_CPUTIME_ID);
        const double server = dvrs.cpu();
        QElapsedTimer clock;
        clock.start();
        std::unique_ptr<MotionClock> motion = std::make_unique<MotionClock>(dvrs, *view);
        runFor(RUN_MS);
        const double emap
            = ((cpuSeconds(CLOCK_PROCESS_CPUTIME_ID) - process) - (dvrs.cpu() - server)) / (clock.nsecsElapsed() / 1e9);
        state.SetIterationTime(clock.nsecsElapsed() / 1e9);
        state.counters["bare_cpu_pct"] = bare * 100;
        state.counters["emap_cpu_pct"] = emap * 100;
        state.counters["extra_cpu_pct"] = (emap - bare) * 100;
        state.counters["changes"] = double(motion->colourMs.size());
        state.counters["colour_p95_ms"] = percentile(motion->colourMs, 0.95);
        state.counters["colour_max_ms"] = percentile(motion->colourMs, 1.0);
        state.counters["log_p95_ms"] = percentile(motion->logMs, 0.95);
        motion.reset();
        delete view;
        runFor(500);
    }
}

} // namespace

BENCHMARK(BM_EMapBesideBareReceiver)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
