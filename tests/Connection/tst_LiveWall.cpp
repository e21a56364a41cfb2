#include "Common/CCoreMetaTypes.h"
#include "Connection/CApplicationSender.h"
#include "Connection/CConnectDVR.h"
#include "Connection/CHttpConnect.h"
#include "Display/CDisplayVideo.h"
#include "Display/CDisplayWidget.h"
#include "Display/CScreen.h"
#include "Display/CScreenWidget.h"
#include "Display/OpenGLMode.h"
#include "H264TestEncoder.h"
#include "Settings/CAppSettings.h"
#include "Settings/CLanguage.h"
#include "ShownText.h"
#include "TestDvr.h"
#include "TestDvrStreamSettings.h"
#include "TestDvrStreams.h"
#include "ThreadNames.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

// Live video of a 16-channel DVR through a connection controller onto a real
// screen wall: every screen shows its own channel's picture.
namespace {

const int WIDTH = 352;
const int HEIGHT = 240;
// The decoder and sound threads see that their stream is gone.
const int THREADS_END_MS = 3 * CDisplayVideo::kSlotIdleMs;

// Threads of this process, but for the toolkit's own: its HTTP thread (the
// stop requests' sender starts it with the first stop and keeps it), the
// sound server's main loop (started with the first sound, kept) and its pool
// threads (which come and go by themselves).
int ownThreads()
{
    const QStringList toolkit{
        QStringLiteral("QNetworkAccessM"), QStringLiteral("threaded-ml"), QStringLiteral("Thread (pooled)")};
    const QStringList names = threadNames();
    return int(std::count_if(
        names.cbegin(), names.cend(), [&toolkit](const QString& name) { return !toolkit.contains(name); }));
}

// How a DVR is lost while it streams.
enum class Loss { PortClosed, ProgramKilled, Silence };

bool everyTile(const CDisplayWidget& wall, const std::function<bool(const CDisplayInfo&)>& test)
{
    for (int tile = 0; tile < 16; ++tile) {
        if (!test(wall.wall()->getInfo(tile)))
            return false;
    }
    return true;
}

// A test DVR of its own process, listening on a free port of 127.0.0.1.
bool startDvrProgram(QProcess& program, quint16* port)
{
    program.start(QStringLiteral(TEST_DVR_PROGRAM), {QStringLiteral("--lifetime"), QStringLiteral("300")});
    if (!program.waitForReadyRead(10000))
        return false;
    const QByteArray line = program.readLine();
    *port = line.mid(line.lastIndexOf(':') + 1).trimmed().toUShort();
    return line.startsWith("listening on 127.0.0.1:") && *port != 0;
}

} // namespace

class tst_LiveWall : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        CCoreMetaTypes::registerTypes();
        QLoggingCategory::setFilterRules(QStringLiteral("qelm.network.debug=false"));
        CAppSettings settings;
        settings.writeSetting(CAppSettings::OSD_CH_NAME, 0);
        settings.writeSetting(CAppSettings::OSD_RECORD, 0);
        settings.writeSetting(CAppSettings::OSD_EVENT, 0);
    }

    // A row that failed while another language was chosen leaves it to none
    // of the later ones.
    void cleanup() { CLanguage().applyLanguage(QStringLiteral("English")); }

    void everyScreenShowsItsChannel_data()
    {
        QTest::addColumn<bool>("oldProtocol");
        QTest::addColumn<int>("rendering");
        QTest::newRow("new dialect, OpenGL") << false << int(OPENGL_HIGH_PERFORMANCE);
        QTest::newRow("old dialect, OpenGL") << true << int(OPENGL_HIGH_PERFORMANCE);
        QTest::newRow("new dialect, widgets") << false << int(OPENGL_OFF);
    }

    void everyScreenShowsItsChannel()
    {
        QFETCH(bool, oldProtocol);
        QFETCH(int, rendering);
        TestDvr dvr;
        QVERIFY(dvr.listen());
        CAppSettings().writeSetting(CAppSettings::OPENGL, rendering);
        CDisplayWidget wall;
        wall.resetDisplay();
        wall.show();
        QVERIFY(QTest::qWaitForWindowExposed(&wall));
        wall.setScreens(16);

        CConnectDVR controller;
        controller.setDVR(dvr.dvrRecord(oldProtocol));
        controller.setDisplayScreen(0, 16);
        controller.setDisplayWidget(&wall);
        controller.startLive(true);

        QSet<int> showing;
        for (const QDeadlineTimer patience(30000); showing.size() < 16 && !patience.hasExpired();) {
            QTest::qWait(100);
            const QImage shot = wall.grab().toImage().convertToFormat(QImage::Format_RGB32);
            for (int channel = 0; channel < 16; ++channel) {
                if (H264TestEncoder::tileShowsPattern(
                        shot, wall.wall()->getDisplayRect(channel), WIDTH, HEIGHT, channel))
                    showing.insert(channel);
            }
        }
        QVERIFY2(showing.size() == 16,
            qPrintable(QStringLiteral("%1 of 16 screens showed their channel").arg(showing.size())));
        controller.disconnect();
        // The stop request must reach the DVR before it goes away.
        QTRY_COMPARE_WITH_TIMEOUT(CApplicationSender::pending(), 0, 15000);
    }

    // The streaming threads call the wall and the recorder directly while
    // the GUI thread changes the layout, the selection and the page and
    // starts and stops recording: under the thread checker, every access
    // they share must be ordered.
    void layoutAndRecordingChangeUnderLiveVideo_data()
    {
        QTest::addColumn<bool>("oldProtocol");
        QTest::addColumn<int>("fileFormat");
        QTest::newRow("new dialect, raw files") << false << 0;
        QTest::newRow("old dialect, AVI files") << true << 1;
    }

    void layoutAndRecordingChangeUnderLiveVideo()
    {
        QFETCH(bool, oldProtocol);
        QFETCH(int, fileFormat);
        TestDvr dvr;
        QVERIFY(dvr.listen());
        QTemporaryDir folder;
        CAppSettings settings;
        settings.writeSetting(CAppSettings::OPENGL, int(OPENGL_OFF));
        settings.writeSetting(CAppSettings::FILE_FORMAT, fileFormat);
        settings.writeSetting(CAppSettings::PATH_LIST.at(1), folder.path());
        QCOMPARE(settings.save(), CWholeFileWriter::Result::Written);
        CDisplayWidget wall;
        wall.resetDisplay();
        wall.show();
        QVERIFY(QTest::qWaitForWindowExposed(&wall));

        CConnectDVR controller;
        controller.setDVR(dvr.dvrRecord(oldProtocol));
        controller.setDisplayScreen(0, 16);
        controller.setDisplayWidget(&wall);
        controller.startLive(false);
        QTRY_VERIFY_WITH_TIMEOUT(controller.IsConnected(), 15000);
        // Audio flows too once its link is up.
        QTRY_VERIFY_WITH_TIMEOUT(dvr.streams()->runningCount() == 2, 15000);

        const int layouts[] = {16, 1, 4, 9, 16, 4};
        for (int round = 0; round < 24; ++round) {
            wall.setScreens(layouts[round % 6]);
            wall.updateSelectScreen(round % 4);
            if (round % 5 == 4)
                wall.setNextPage();
            if (round % 3 == 0)
                controller.recordStart();
            else if (round % 3 == 2)
                controller.recordStop();
            QTest::qWait(40);
        }
        controller.recordStop();
        QVERIFY(controller.IsConnected());
        controller.disconnect();
        QTRY_COMPARE_WITH_TIMEOUT(CApplicationSender::pending(), 0, 15000);
    }

    // A DVR that goes away while 16 channels stream, its port closed or its
    // program killed, shows the failed state on every tile long before the
    // silence rule, every time. One that only falls silent, its links left
    // open, is not taken for one that went away: its tiles fail by the
    // silence rule (here a short silence time). QELM_LOST_DVR_ROUNDS rounds
    // for each row.
    void aLostDvrFailsEveryTile_data()
    {
        QTest::addColumn<int>("loss");
        QTest::addColumn<int>("rounds");
        QTest::newRow("port closed") << int(Loss::PortClosed) << 20;
        QTest::newRow("program killed") << int(Loss::ProgramKilled) << 20;
        QTest::newRow("silent, links left open") << int(Loss::Silence) << 2;
    }

    void aLostDvrFailsEveryTile()
    {
        QFETCH(int, loss);
        QFETCH(int, rounds);
        if (qEnvironmentVariableIsSet("QELM_LOST_DVR_ROUNDS"))
            rounds = qEnvironmentVariableIntValue("QELM_LOST_DVR_ROUNDS");
        const int silenceMs = loss == int(Loss::Silence) ? 3000 : CHttpConnect::DEFAULT_SILENCE_MS;
        TestDvr inProcess;
        QVERIFY(inProcess.listen());
        const quint16 inProcessPort = inProcess.port();
        inProcess.close();
        CAppSettings().writeSetting(CAppSettings::OPENGL, int(OPENGL_HIGH_PERFORMANCE));
        CDisplayWidget wall;
        wall.resetDisplay();
        wall.show();
        QVERIFY(QTest::qWaitForWindowExposed(&wall));
        QList<qint64> shownAfter;
        for (int round = 0; round < rounds; ++round) {
            const QString where = QStringLiteral("round %1").arg(round);
            QProcess program;
            DVR record = inProcess.dvrRecord(round % 2 == 1);
            quint16 port = inProcessPort;
            if (loss == int(Loss::ProgramKilled))
                QVERIFY2(startDvrProgram(program, &port), qPrintable(where));
            else
                QVERIFY(inProcess.listen(port));
            record.set_port(port);
            wall.setScreens(16);
            wall.wall()->clear();
            CConnectDVR controller;
            controller.setDVR(record);
            controller.setDisplayScreen(0, 16);
            controller.setDisplayWidget(&wall);
            controller.setSilenceTime(silenceMs);
            controller.startLive(false);
            QTRY_VERIFY2_WITH_TIMEOUT(
                everyTile(wall, [](const CDisplayInfo& info) { return info.hasPicture(); }), qPrintable(where), 30000);

            // Both links fall silent: the audio link is up too.
            if (loss == int(Loss::Silence))
                QTRY_COMPARE_WITH_TIMEOUT(inProcess.streams()->runningCount(), 2, 15000);
            const int started = inProcess.streamsStarted();
            QElapsedTimer clock;
            clock.start();
            if (loss == int(Loss::ProgramKilled))
                program.kill();
            else if (loss == int(Loss::PortClosed))
                inProcess.close();
            else
                inProcess.streams()->silenceAll();
            if (loss == int(Loss::Silence))
                QVERIFY2(everyTile(wall, [](const CDisplayInfo& info) { return !info.status; }), qPrintable(where));
            QTRY_VERIFY2_WITH_TIMEOUT(everyTile(wall, [](const CDisplayInfo& info) { return info.status; }),
                qPrintable(where), std::min(silenceMs, 10000) + 10000);
            shownAfter << clock.elapsed();
            // A silent link is neither restarted nor closed: the DVR still
            // serves the streams it started.
            if (loss == int(Loss::Silence))
                QCOMPARE(inProcess.streamsStarted(), started);
            controller.disconnect();
            program.waitForFinished(10000);
            inProcess.close();
        }
        std::sort(shownAfter.begin(), shownAfter.end());
        qInfo("failed state on every tile after %lld ms (median), %lld ms (slowest) of %d rounds",
            shownAfter.at(shownAfter.size() / 2), shownAfter.last(), int(shownAfter.size()));
    }

    // What the tiles of a DVR that failed say reads in the language chosen
    // last, also when it failed before the switch: an older DVR at its
    // client limit, a DVR that cannot be reached. Each row chooses the
    // languages in turn, each with what a tile's tool tip then says.
    void failedTilesReadInTheLanguageChosen_data()
    {
        QTest::addColumn<bool>("reachable");
        QTest::addColumn<QStringList>("languages");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("an older DVR at its client limit")
            << true << QStringList{"English", "French", "Korean"}
            << QStringList{"[ERROR]client limit", "[ERREUR]limite de clients atteinte", "[오류]접속자 수 제한"};
        QTest::newRow("nothing listens") << false << QStringList{"French", "Korean", "English"}
                                         << QStringList{"Échec de la connexion", "연결 실패", "Connection failed"};
    }

    void failedTilesReadInTheLanguageChosen()
    {
        QFETCH(bool, reachable);
        QFETCH(QStringList, languages);
        QFETCH(QStringList, texts);
        TestDvr dvr;
        QVERIFY(dvr.listen());
        TestDvrStreamSettings settings;
        settings.fault = TestDvrStreamSettings::Fault::Refuse;
        settings.faultValue = 4;
        dvr.setStreamSettings(settings);
        DVR record = dvr.dvrRecord(true);
        if (!reachable)
            record.set_port(TestDvr::unusedPort());
        CAppSettings().writeSetting(CAppSettings::OPENGL, int(OPENGL_OFF));
        CDisplayWidget wall;
        wall.resetDisplay();
        wall.show();
        QVERIFY(QTest::qWaitForWindowExposed(&wall));
        wall.setScreens(4);

        CConnectDVR controller;
        controller.setDVR(record);
        controller.setDisplayScreen(0, 4);
        controller.setDisplayWidget(&wall);
        // A DVR that cannot be reached fails by its silence; one that
        // refuses, however late its refusal comes, by its refusal.
        if (!reachable)
            controller.setSilenceTime(500);
        controller.startLive(false);
        const CScreenWidget* tile = wall.wall()->screenWidgets().at(0);
        QTRY_VERIFY(wall.wall()->getInfo(0).status);
        for (int i = 0; i < languages.size(); ++i) {
            // English has no translations to load: its texts are the code's.
            QVERIFY(CLanguage().applyLanguage(languages.at(i)) || languages.at(i) == "English");
            QTRY_COMPARE(shownText(tile->toolTip()), texts.at(i));
        }
        controller.disconnect();
    }

    // Connect, stream until every screen holds a picture, change the layout
    // and disconnect, over and over: the decoding threads start and stop
    // while the wall and its events still hold their pictures, and after
    // each disconnect the threads that served the stream (links, decoders,
    // sound output) are gone. The sanitizer builds run it QELM_STREAM_CYCLES
    // times (default 10).
    void connectStreamDisconnectCycles()
    {
        const int cycles
            = qEnvironmentVariableIsSet("QELM_STREAM_CYCLES") ? qEnvironmentVariableIntValue("QELM_STREAM_CYCLES") : 10;
        TestDvr dvr;
        QVERIFY(dvr.listen());
        CAppSettings().writeSetting(CAppSettings::OPENGL, int(OPENGL_HIGH_PERFORMANCE));
        CDisplayWidget wall;
        wall.resetDisplay();
        wall.show();
        QVERIFY(QTest::qWaitForWindowExposed(&wall));
        const auto everyScreenShows = [&wall] {
            for (int tile = 0; tile < 16; ++tile) {
                const CDisplayInfo info = wall.wall()->getInfo(tile);
                if (info.channel != tile || info.picture.isNull())
                    return false;
            }
            return true;
        };

        const int threads = ownThreads();
        const QStringList before = threadNames();
        // Which thread outlived its stream, should one.
        const auto threadsLeft = [&before] {
            return QStringLiteral("before: %1; now: %2").arg(before.join(u','), threadNames().join(u','));
        };
        for (int cycle = 0; cycle < cycles; ++cycle) {
            wall.setScreens(16);
            wall.wall()->clear();
            CConnectDVR controller;
            controller.setDVR(dvr.dvrRecord(cycle % 2 == 1));
            controller.setDisplayScreen(0, 16);
            controller.setDisplayWidget(&wall);
            controller.startLive(false);
            QTRY_VERIFY2_WITH_TIMEOUT(everyScreenShows(), qPrintable(QStringLiteral("cycle %1").arg(cycle)), 30000);
            wall.setScreens(cycle % 2 == 0 ? 4 : 9);
            controller.disconnect();
            QTRY_VERIFY2_WITH_TIMEOUT(ownThreads() == threads, qPrintable(threadsLeft()), THREADS_END_MS);
        }
        QTRY_COMPARE_WITH_TIMEOUT(CApplicationSender::pending(), 0, 15000);
    }
};

QTEST_MAIN(tst_LiveWall)
#include "tst_LiveWall.moc"
