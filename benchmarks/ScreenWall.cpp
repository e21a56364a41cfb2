// The screen wall under live load: a 16-screen wall fed 704 x 480 pictures at
// 25 per second per screen for 10 seconds, in each rendering, beside a bare
// OpenGL widget that uploads and draws the same pictures with nothing else.
//
// A feeder thread posts each picture to the GUI thread the way the frame
// router does (a queued call carrying a display record that owns a copy of
// its pixels). Reported per run:
//   gui_ms_per_redraw   GUI-thread processor time per wall redraw
//   gui_ms_per_picture  GUI-thread processor time per picture shown
//   process_cpu_pct     processor time of the whole process, in % of one core
//   redraws_per_s       wall redraws per second
//   pictures_per_s      pictures shown per second (16 x 25 = 400 when keeping up)
//   min_screen_fps      updates per second of the least updated screen (goal: >= 20)
//   max_lag_ms          longest time a picture waited for the GUI thread
//   last_second_lag_ms  mean wait in the last second: stays near 0 unless the
//                       queue grows
//
// Run it under a display server with OpenGL (Mesa's software renderer will do):
//   QT_QPA_PLATFORM=xcb PULSE_SERVER=unix:/nonexistent xvfb-run -a -s "-screen 0 1280x1024x24"
//       build/benchmarks/bench_ScreenWall
// (PULSE_SERVER keeps the wall's audio parts away from any real sound server.)

#include "BenchApplication.h"
#include "CpuClock.h"
#include "Display/CDisplayWidget.h"
#include "Display/CGraphicsView.h"
#include "Display/CScreen.h"
#include "PaintWatch.h"
#include "Settings/CAppSettings.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QOpenGLWidget>
#include <QPainter>
#include <QStandardPaths>
#include <QTimer>
#include <algorithm>
#include <array>
#include <atomic>
#include <benchmark/benchmark.h>
#include <chrono>
#include <ctime>
#include <functional>
#include <thread>
#include <vector>

namespace {

const int SCREENS = 16;
const int WIDTH = 704;
const int HEIGHT = 480;
const int PICTURES_PER_SECOND = 25;
const int SECONDS = 10;

QApplication& application()
{
    return benchApplication<QApplication>("bench_ScreenWall", CScreen::prepareOpenGL);
}

// One picture per screen every 40 ms, from a thread of its own; each call to
// show runs on the GUI thread with the record and the time it was sent.
class Feeder {
public:
    using Show = std::function<void(const CDisplayInfo&, qint64 sentNs)>;

    Feeder(QObject* receiver, Show show)
        : m_receiver(receiver)
        , m_show(std::move(show))
    {
        for (int ch = 0; ch < SCREENS; ++ch) {
            QImage image(WIDTH, HEIGHT, QImage::Format_RGB888);
            image.fill(QColor::fromHsv(ch * 360 / SCREENS, 200, 200));
            m_pictures[std::size_t(ch)] = image;
        }
    }

    void run(const QElapsedTimer& clock)
    {
        const auto period = std::chrono::microseconds(1000000 / PICTURES_PER_SECOND);
        auto next = std::chrono::steady_clock::now();
        for (int tick = 0; tick < SECONDS * PICTURES_PER_SECOND && !m_stop; ++tick) {
            for (int ch = 0; ch < SCREENS; ++ch) {
                CDisplayInfo info;
                // The router hands over a record that owns its pixels.
                info.image = m_pictures[std::size_t(ch)].copy();
                info.channel = ch;
                info.screen = ch;
                info.name = QStringLiteral("DVR");
                info.title = QStringLiteral("Camera %1").arg(ch + 1);
                info.length = 20000;
                const qint64 sent = clock.nsecsElapsed();
                QMetaObject::invokeMethod(
                    m_receiver, [this, info, sent] { m_show(info, sent); }, Qt::QueuedConnection);
            }
            next += period;
            std::this_thread::sleep_until(next);
        }
    }

    void stop() { m_stop = true; }

private:
    QObject* m_receiver;
    Show m_show;
    std::array<QImage, SCREENS> m_pictures;
    std::atomic<bool> m_stop{false};
};

struct Load {
    std::array<int, SCREENS> updates{};
    qint64 maxLagNs = 0;
    qint64 lastSecondLagNs = 0;
    int lastSecondCount = 0;
    int pictures = 0;

    void note(const CDisplayInfo& info, qint64 sentNs, qint64 nowNs)
    {
        const qint64 lag = nowNs - sentNs;
        maxLagNs = std::max(maxLagNs, lag);
        if (sentNs >= qint64(SECONDS - 1) * 1000000000) {
            lastSecondLagNs += lag;
            ++lastSecondCount;
        }
        ++updates[std::size_t(info.channel)];
        ++pictures;
    }
};

// Feeds for the whole run, then reports; `target` is the widget whose paints
// are the redraws.
void runLoad(
    benchmark::State& state, QObject* receiver, QWidget* target, const std::function<void(const CDisplayInfo&)>& show)
{
    QApplication& app = application();
    int paints = 0;
    PaintWatch watch(target, [&paints] { ++paints; });
    Load load;
    QElapsedTimer clock;
    Feeder feeder(receiver, [&](const CDisplayInfo& info, qint64 sent) {
        show(info);
        load.note(info, sent, clock.nsecsElapsed());
    });

    for (auto _ : state) {
        const double guiBefore = cpuSeconds(CLOCK_THREAD_CPUTIME_ID);
        const double processBefore = cpuSeconds(CLOCK_PROCESS_CPUTIME_ID);
        clock.start();
        std::thread feeding([&] { feeder.run(clock); });
        while (clock.elapsed() < SECONDS * 1000 + 200)
            app.processEvents(QEventLoop::AllEvents, 50);
        feeder.stop();
        feeding.join();
        const double elapsed = double(clock.nsecsElapsed()) / 1e9;
        const double gui = cpuSeconds(CLOCK_THREAD_CPUTIME_ID) - guiBefore;
        const double process = cpuSeconds(CLOCK_PROCESS_CPUTIME_ID) - processBefore;
        state.SetIterationTime(elapsed);
        state.counters["gui_ms_per_redraw"] = paints ? gui * 1000 / paints : 0;
        state.counters["gui_ms_per_picture"] = load.pictures ? gui * 1000 / load.pictures : 0;
        state.counters["process_cpu_pct"] = process / elapsed * 100;
        state.counters["redraws_per_s"] = paints / elapsed;
        state.counters["pictures_per_s"] = load.pictures / elapsed;
        state.counters["min_screen_fps"]
            = double(*std::min_element(load.updates.begin(), load.updates.end())) / SECONDS;
        state.counters["max_lag_ms"] = double(load.maxLagNs) / 1e6;
        state.counters["last_second_lag_ms"]
            = load.lastSecondCount ? double(load.lastSecondLagNs) / load.lastSecondCount / 1e6 : 0;
    }
}

void BM_ScreenWall(benchmark::State& state)
{
    application();
    CAppSettings().writeSetting(CAppSettings::OPENGL, int(state.range(0)));
    CDisplayWidget wall(nullptr);
    wall.show();
    wall.setScreens(SCREENS);
    QWidget* target = wall.wall()->view() ? wall.wall()->view()->viewport() : &wall;
    runLoad(state, &wall, target, [&wall](const CDisplayInfo& info) { wall.slotUpdateScreen(info); });
    // Widget tiles compose at once on each picture; there a picture is a redraw.
    if (!wall.wall()->view()) {
        state.counters["gui_ms_per_redraw"] = state.counters["gui_ms_per_picture"];
        state.counters["redraws_per_s"] = state.counters["pictures_per_s"];
    }
}

// The same pictures uploaded into one texture per screen and drawn as 16
// quads, and nothing else: no scene, no overlays, no painter.
class BareWall : public QOpenGLWidget {
public:
    void present(const CDisplayInfo& info)
    {
        m_images[std::size_t(info.channel)] = info.image;
        m_stale[std::size_t(info.channel)] = true;
        update();
    }

protected:
    void initializeGL() override
    {
        glGenTextures(SCREENS, m_textures.data());
        for (GLuint texture : m_textures) {
            glBindTexture(GL_TEXTURE_2D, texture);
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
            glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, WIDTH, HEIGHT, 0, GL_RGB, GL_UNSIGNED_BYTE, nullptr);
        }
    }

    void paintGL() override
    {
        glViewport(0, 0, width(), height());
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(0, width(), height(), 0, 1, -1);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glClear(GL_COLOR_BUFFER_BIT);
        glEnable(GL_TEXTURE_2D);
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
        const int w = (width() - 10) / 4;
        const int h = (height() - 10) / 4;
        for (int i = 0; i < SCREENS; ++i) {
            glBindTexture(GL_TEXTURE_2D, m_textures[std::size_t(i)]);
            const QImage& image = m_images[std::size_t(i)];
            if (m_stale[std::size_t(i)] && !image.isNull()) {
                glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, WIDTH, HEIGHT, GL_RGB, GL_UNSIGNED_BYTE, image.constBits());
                m_stale[std::size_t(i)] = false;
            }
            const float x = float(5 + (i % 4) * w);
            const float y = float(5 + (i / 4) * h);
            glBegin(GL_QUADS);
            glTexCoord2f(0, 0);
            glVertex2f(x, y);
            glTexCoord2f(1, 0);
            glVertex2f(x + float(w), y);
            glTexCoord2f(1, 1);
            glVertex2f(x + float(w), y + float(h));
            glTexCoord2f(0, 1);
            glVertex2f(x, y + float(h));
            glEnd();
        }
        glDisable(GL_TEXTURE_2D);
    }

private:
    std::array<GLuint, SCREENS> m_textures{};
    std::array<QImage, SCREENS> m_images;
    std::array<bool, SCREENS> m_stale{};
};

void BM_BareOpenGL(benchmark::State& state)
{
    application();
    BareWall wall;
    wall.resize(CDisplayWidget::MAX_IMAGE_VIEW_WIDTH, CDisplayWidget::MAX_IMAGE_VIEW_HEIGHT_LIVE);
    wall.show();
    runLoad(state, &wall, &wall, [&wall](const CDisplayInfo& info) { wall.present(info); });
}

} // namespace

BENCHMARK(BM_ScreenWall)
    ->ArgName("opengl")
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);
BENCHMARK(BM_BareOpenGL)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
