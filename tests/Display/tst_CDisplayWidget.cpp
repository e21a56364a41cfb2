#include "Display/CDisplayVideo.h"
#include "Display/CDisplayWidget.h"
#include "Display/CGraphicsScene.h"
#include "Display/CGraphicsView.h"
#include "Display/CScreen.h"
#include "Display/CScreenWidget.h"
#include "Settings/CAppSettings.h"
#include "Settings/CEventSound.h"
#include "WallFeed.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <atomic>
#include <thread>
#include <vector>

// The wall controller driven as the operator and the main window drive it:
// layouts for channel counts, pages, selection by click, double click to one
// screen and back, the sequence and the event alarm.
namespace {
// Tiles and whether their record shows motion.
using Records = QList<QPair<int, bool>>;

// A picture of a frame that came now.
CDisplayInfo eventRecord(const CDisplayWidget& wall, int channel, bool motion)
{
    CDisplayInfo info;
    info.clears = wall.router()->clears();
    info.image = QImage(64, 48, QImage::Format_RGB888);
    info.image.fill(Qt::darkGray);
    info.channel = channel;
    info.screen = channel;
    info.motion = motion;
    return info;
}
} // namespace

class tst_CDisplayWidget : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        CAppSettings settings;
        settings.writeSetting(CAppSettings::OPENGL, OPENGL_OFF);
        settings.remove(CAppSettings::SEQ_INTERVAL);
        settings.remove(CAppSettings::ALARM_SOUND);
    }

    void layoutFollowsChannelCount_data()
    {
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("screens");
        QTest::newRow("4 channels") << 4 << 4;
        QTest::newRow("8 channels: 9 screens") << 8 << 9;
        QTest::newRow("16 channels") << 16 << 16;
        QTest::newRow("1 channel") << 1 << 1;
        QTest::newRow("no channels: layout kept") << 0 << 16;
        QTest::newRow("more than a DVR has: layout kept") << 17 << 16;
    }

    void layoutFollowsChannelCount()
    {
        QFETCH(int, channels);
        QFETCH(int, screens);
        CDisplayWidget wall(nullptr);
        wall.setScreens(16);
        wall.OnDVRChannels(channels);
        QCOMPARE(wall.getViewScreens(), screens);
        QCOMPARE(wall.getViewStartScreen(), 0);
    }

    void pages_data()
    {
        QTest::addColumn<int>("screens");
        QTest::addColumn<QString>("steps"); // n next, p previous
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<int>("lastStart");
        QTest::addColumn<bool>("manyDvrs");
        QTest::newRow("9: back from the first page to the last, 252 to 255")
            << 9 << "p" << QStringList{"1 / 29", "29 / 29"} << 252 << false;
        QTest::newRow("16: through the pages")
            << 16 << "nn" << QStringList{"1 / 16", "2 / 16", "3 / 16"} << 32 << false;
        QTest::newRow("64: four pages") << 64 << "ppp" << QStringList{"1 / 4", "4 / 4", "3 / 4", "2 / 4"} << 64
                                        << false;
        QTest::newRow("64 of many DVRs: page 2") << 64 << "n" << QStringList{"1 / 4", "2 / 4"} << 64 << true;
    }

    // The channels asked for follow the page on view, also when the wall is
    // laid out again at a new size.
    void pages()
    {
        QFETCH(int, screens);
        QFETCH(QString, steps);
        QFETCH(QStringList, texts);
        QFETCH(int, lastStart);
        QFETCH(bool, manyDvrs);
        CDisplayWidget wall(nullptr);
        if (manyDvrs) {
            wall.setScreenMode(CDisplayWidget::MULTI_DVR);
            wall.resetDisplay();
        }
        wall.show();
        QVERIFY(QTest::qWaitForWindowExposed(&wall));
        QSignalSpy asked(&wall, &CDisplayWidget::sendChannelCommand);
        wall.setScreens(screens);
        QStringList seen{wall.getCurrentPage()};
        for (QChar step : steps) {
            if (step == 'n')
                wall.setNextPage();
            else
                wall.setPrevPage();
            seen.append(wall.getCurrentPage());
        }
        QCOMPARE(seen, texts);
        QCOMPARE(wall.getViewStartScreen(), lastStart);
        QCOMPARE(wall.getViewScreens(), screens);
        QCOMPARE(asked.last(), (QVariantList{screens, lastStart}));
        asked.clear();
        wall.resize(wall.size() + QSize(40, 40));
        QTRY_VERIFY(!asked.isEmpty());
        QCOMPARE(asked.last(), (QVariantList{screens, lastStart}));
    }

    void pageOfTheSelectedScreen()
    {
        CDisplayWidget wall(nullptr);
        wall.setScreenMode(CDisplayWidget::MULTI_DVR);
        wall.resetDisplay();
        wall.UpdateDisplayRect(9, 243);
        wall.updateSelectScreen(254);
        wall.updatePage();
        QCOMPARE(wall.getCurrentPage(), QStringLiteral("29 / 29"));
        QCOMPARE(wall.getViewStartScreen(), 252);
    }

    void clickSelectsTheScreenUnderThePointer_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("pagesOn");
        QTest::addColumn<QPoint>("click");
        QTest::addColumn<int>("selected");
        for (int mode : {OPENGL_HIGH_PERFORMANCE, OPENGL_OFF}) {
            QTest::addRow("mode %d: second tile", mode) << mode << 0 << QPoint(400, 100) << 1;
            QTest::addRow("mode %d: second tile of page 3", mode) << mode << 2 << QPoint(400, 100) << 9 * 2 + 1;
            QTest::addRow("mode %d: shared border belongs to the first", mode) << mode << 0 << QPoint(244, 100) << 0;
            QTest::addRow("mode %d: left margin keeps the selection", mode) << mode << 0 << QPoint(2, 100) << 4;
            QTest::addRow("mode %d: bottom margin keeps the selection", mode) << mode << 2 << QPoint(100, 547) << 22;
        }
    }

    void clickSelectsTheScreenUnderThePointer()
    {
        QFETCH(int, mode);
        QFETCH(int, pagesOn);
        QFETCH(QPoint, click);
        QFETCH(int, selected);
        CAppSettings().writeSetting(CAppSettings::OPENGL, mode);
        CDisplayWidget wall(nullptr);
        wall.show();
        QVERIFY(QTest::qWaitForWindowExposed(&wall));
        wall.setScreens(9);
        for (int i = 0; i < pagesOn; ++i)
            wall.setNextPage();
        wall.updateSelectScreen(wall.getViewStartScreen() + 4);
        QSignalSpy changed(&wall, &CDisplayWidget::changedScreen);
        QWidget* target = wall.childAt(click);
        if (!target)
            target = &wall;
        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(&wall, click));
        QCOMPARE(wall.selectedScreen(), selected);
        for (const QList<QVariant>& announced : changed)
            QVERIFY(announced.at(0).toInt() < 256);
    }

    void doubleClickToOneScreenAndBack_data()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("OpenGL") << int(OPENGL_HIGH_PERFORMANCE);
        QTest::newRow("widgets") << int(OPENGL_OFF);
    }

    void doubleClickToOneScreenAndBack()
    {
        QFETCH(int, mode);
        CAppSettings().writeSetting(CAppSettings::OPENGL, mode);
        CDisplayWidget wall(nullptr);
        // What the main window does with a double click.
        connect(&wall, &CDisplayWidget::doubleClicked, &wall, &CDisplayWidget::doubleClickedScreen);
        QSignalSpy doubleClicked(&wall, &CDisplayWidget::doubleClicked);
        QSignalSpy single(&wall, &CDisplayWidget::enableSingleScreen);
        wall.show();
        QVERIFY(QTest::qWaitForWindowExposed(&wall));
        wall.setScreens(16);

        const QPoint tile5 = wall.wall()->getDisplayRect(5).center();
        QWidget* target = wall.childAt(tile5);
        QTest::mouseDClick(target, Qt::LeftButton, {}, target->mapFrom(&wall, tile5));
        QCOMPARE(doubleClicked.count(), 1);
        QCOMPARE(doubleClicked.first().at(0).toInt(), 5);
        QVERIFY(wall.IsSameScreen(1, 5));
        QCOMPARE(wall.selectedScreen(), 5);
        QCOMPARE(single.last().at(0).toBool(), true);

        target = wall.childAt(wall.rect().center());
        QTest::mouseDClick(target, Qt::LeftButton, {}, target->mapFrom(&wall, wall.rect().center()));
        QCOMPARE(doubleClicked.count(), 2);
        QVERIFY(wall.IsSameScreen(16, 0));
        QCOMPARE(wall.selectedScreen(), 5);
        QCOMPARE(single.last().at(0).toBool(), false);

        // No double clicks while zoomed or in sequence.
        wall.UpdateDisplayRect(1, 5);
        wall.setZoom(true);
        QTest::mouseDClick(target, Qt::LeftButton, {}, target->mapFrom(&wall, wall.rect().center()));
        QCOMPARE(doubleClicked.count(), 2);
        wall.setZoom(false);
        QVERIFY(!wall.IsZoom());
    }

    void sequenceSteps_data()
    {
        QTest::addColumn<QVariant>("interval");
        QTest::addColumn<int>("milliseconds");
        QTest::newRow("absent: the shortest choice") << QVariant() << 2000;
        QTest::newRow("zero: the shortest choice") << QVariant("0") << 2000;
        QTest::newRow("1: the shortest choice") << QVariant("1") << 2000;
        QTest::newRow("5") << QVariant("5") << 5000;
    }

    void sequenceSteps()
    {
        QFETCH(QVariant, interval);
        QFETCH(int, milliseconds);
        if (interval.isValid())
            CAppSettings().writeSetting(CAppSettings::SEQ_INTERVAL, interval);
        CDisplayWidget wall(nullptr);
        wall.setScreens(4);
        QSignalSpy commands(&wall, &CDisplayWidget::sendChannelCommand);
        wall.setSequence(true);
        QCOMPARE(commands.first(), (QList<QVariant>{16, 0}));
        auto* timer = wall.findChild<QTimer*>(QString(), Qt::FindDirectChildrenOnly);
        QVERIFY(timer && timer->isActive());
        QCOMPARE(timer->interval(), milliseconds);
        QList<int> shown{wall.getViewStartScreen()};
        for (int i = 0; i < 4; ++i) {
            wall.switchChannel();
            QVERIFY(wall.isSingleScreen());
            shown.append(wall.getViewStartScreen());
        }
        QCOMPARE(shown, (QList<int>{0, 1, 2, 3, 0}));
        // The redraws after a layout change or a DVR's failure clear the
        // wall; the sequence steps on all the same.
        wall.ClearScreen();
        QTRY_COMPARE_WITH_TIMEOUT(wall.getViewStartScreen(), 1, milliseconds + 30000);
        wall.setSequence(false);
        QVERIFY(!timer->isActive());
    }

    void manyDvrViewRefusesTheSequence()
    {
        CDisplayWidget wall(nullptr);
        wall.setScreenMode(CDisplayWidget::MULTI_DVR);
        wall.resetDisplay();
        QCOMPARE(wall.getViewScreens(), 64);
        wall.setSequence(true);
        QVERIFY(!wall.isSequence());
        wall.OnDVRChannels(4);
        QCOMPARE(wall.getViewScreens(), 64);
    }

    // Steps: tile and whether its record shows motion (tile -1 clears the
    // wall, as the redraws do); the alarm after each.
    void alarmFollowsEveryShownScreen_data()
    {
        QTest::addColumn<Records>("records");
        QTest::addColumn<QList<bool>>("playing");
        QTest::newRow("an event elsewhere keeps the alarm on")
            << Records{{0, true}, {1, false}, {1, false}, {0, false}} << QList<bool>{true, true, true, false};
        QTest::newRow("stops only when the last event ends")
            << Records{{0, true}, {2, true}, {0, false}, {2, false}} << QList<bool>{true, true, true, false};
        QTest::newRow("a cleared wall still sounds for the next event")
            << Records{{0, true}, {-1, false}, {1, true}} << QList<bool>{true, false, true};
    }

    void alarmFollowsEveryShownScreen()
    {
        QFETCH(Records, records);
        QFETCH(QList<bool>, playing);
        CAppSettings().writeSetting(CAppSettings::ALARM_SOUND, 1);
        CDisplayWidget wall(nullptr);
        wall.setScreens(4);
        QList<bool> seen;
        for (const auto& record : records) {
            if (record.first < 0)
                wall.ClearScreen();
            else
                wall.slotUpdateScreen(eventRecord(wall, record.first, record.second));
            seen.append(wall.eventSound()->isPlaying());
        }
        QCOMPARE(seen, playing);
        // A new layout shows nothing, so no event either.
        wall.slotUpdateScreen(eventRecord(wall, 3, true));
        wall.setScreens(9);
        QVERIFY(!wall.eventSound()->isPlaying());
    }

    // Streaming threads deliver video and audio while the operator changes the
    // view: the view they read is always whole, and pictures keep arriving.
    void deliveringThreadsWhileTheViewChanges()
    {
        CDisplayWidget wall(nullptr);
        wall.setScreens(4);
        const QList<QByteArray> pictures = WallFeed::encodedPictures(20, 176, 144);
        std::atomic<bool> stop{false};
        std::vector<std::thread> streams;
        for (int ch = 0; ch < 4; ++ch) {
            streams.emplace_back([&wall, &stop, &pictures, ch] {
                const _DISPLAY_DVR_INFO dvr = WallFeed::dvr();
                const QList<QByteArray> frames = WallFeed::videoFrames(ch, pictures, 176, 144);
                const QByteArray audio = WallFeed::alawFrame(ch, false);
                for (int round = 0; !stop; ++round) {
                    const QByteArray& frame = frames[round % frames.size()];
                    wall.slotDisplayVideo(
                        dvr, reinterpret_cast<const unsigned char*>(frame.constData()), size_t(frame.size()));
                    wall.OnPlayAudio(
                        dvr, reinterpret_cast<const unsigned char*>(audio.constData()), size_t(audio.size()));
                    std::this_thread::sleep_for(std::chrono::milliseconds(5));
                }
            });
        }
        for (int step = 0; step < 40; ++step) {
            switch (step % 4) {
            case 0:
                wall.setScreens(step % 8 ? 4 : 9);
                break;
            case 1:
                wall.updateSelectScreen(step % 4);
                break;
            case 2:
                wall.UpdateDisplayRect(1, step % 3);
                break;
            case 3:
                wall.setScreens(4);
                break;
            }
            QTest::qWait(10);
        }
        QTRY_VERIFY(!wall.wall()->getInfo(3).image.isNull());
        stop = true;
        for (std::thread& stream : streams)
            stream.join();
        QCoreApplication::processEvents();
    }

    // The time or the playback status of a frame that came before the wall
    // was cleared arrives after the clear: it is not shown; that of a later
    // frame is.
    void nothingOfFramesBeforeAClear_data()
    {
        QTest::addColumn<bool>("status");
        QTest::newRow("time") << false;
        QTest::newRow("playback status") << true;
    }

    void nothingOfFramesBeforeAClear()
    {
        QFETCH(bool, status);
        CDisplayWidget wall(nullptr);
        QSignalSpy shown(&wall, status ? &CDisplayWidget::signalChangedStatus : &CDisplayWidget::signalUpdateTime);
        const auto arrive = [&](const QString& text, uint32_t clears) {
            if (status)
                emit wall.router()->signalChangedStatus(text, clears);
            else
                emit wall.router()->signalUpdateTime(text, clears);
        };
        const uint32_t before = wall.router()->clears();
        wall.ClearScreen();
        arrive(QStringLiteral("before"), before);
        arrive(QStringLiteral("after"), wall.router()->clears());
        QCOMPARE(shown, QList<QList<QVariant>>{{QStringLiteral("after")}});
    }

    void statusOnlyOnTheDvrsChannels()
    {
        CDisplayWidget wall(nullptr);
        wall.setScreens(4);
        _DISPLAY_DVR_INFO dvr = WallFeed::dvr(0x3);
        dvr.failure = CLinkFailure::lost();
        wall.slotUpdateDVRStatus(dvr);
        QCOMPARE(wall.wall()->getInfo(0).channel, 0);
        QCOMPARE(wall.wall()->getInfo(1).channel, 1);
        QCOMPARE(wall.wall()->getInfo(2).channel, -1);
        QSignalSpy changed(&wall, &CDisplayWidget::changedScreen);
        wall.updateSelectScreen(0);
        QCOMPARE(changed.last(), (QList<QVariant>{0, 0}));
        // A picture decoded before the failure, delivered after it, leaves
        // the failed state on view.
        wall.slotUpdateScreen(eventRecord(wall, 0, false));
        QVERIFY(wall.wall()->getInfo(0).status);
    }

    // From the first start (no overlay key stored yet) the wall draws the
    // names and icons PC setup shows, and follows a change at once.
    void overlaysAsPcSetupShowsThem_data()
    {
        QTest::addColumn<int>("rendering");
        QTest::newRow("OpenGL") << int(OPENGL_HIGH_PERFORMANCE);
        QTest::newRow("widgets") << int(OPENGL_OFF);
    }

    void overlaysAsPcSetupShowsThem()
    {
        QFETCH(int, rendering);
        CAppSettings settings;
        for (const QString& key : {CAppSettings::OSD_CH_NAME, CAppSettings::OSD_RECORD, CAppSettings::OSD_EVENT})
            settings.remove(key);
        settings.writeSetting(CAppSettings::OPENGL, rendering);
        QCOMPARE(settings.save(), CWholeFileWriter::Result::Written);
        CDisplayWidget wall(nullptr);
        wall.resetDisplay();
        const auto overlay = [&wall]() -> const COverlayPainter& {
            CScreen* screen = wall.wall();
            return screen->scene() ? screen->scene()->overlay() : screen->screenWidgets().first()->overlay();
        };
        QCOMPARE(overlay().showNames(), true);
        QCOMPARE(overlay().recordMode(), 1);
        QCOMPARE(overlay().eventMode(), 1);
        settings.writeSetting(CAppSettings::OSD_CH_NAME, 0);
        settings.writeSetting(CAppSettings::OSD_RECORD, 2);
        settings.writeSetting(CAppSettings::OSD_EVENT, 0);
        QCOMPARE(settings.save(), CWholeFileWriter::Result::Written);
        wall.UpdateDisplaySettings();
        QCOMPARE(overlay().showNames(), false);
        QCOMPARE(overlay().recordMode(), 2);
        QCOMPARE(overlay().eventMode(), 0);
        for (const QString& key : {CAppSettings::OSD_CH_NAME, CAppSettings::OSD_RECORD, CAppSettings::OSD_EVENT})
            settings.remove(key);
    }
};

int main(int argc, char** argv)
{
    CScreen::prepareOpenGL();
    QApplication app(argc, argv);
    tst_CDisplayWidget test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_CDisplayWidget.moc"
