#include "DVRSetup/CSetupRecord.h"
#include "SetupPageSupport.h"
#include "WidgetChild.h"
#include "dvr_types/DvrModelInfo.h"
#include "tests/sys_conf/ModelSizedDvrConf.h"

#include <QApplication>
#include <QFocusEvent>
#include <QHeaderView>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>

using namespace SetupPageSupport;
using Act = std::function<void(CSetupRecord&)>;
using Change = std::function<void(config::Record&)>;
Q_DECLARE_METATYPE(Act)
Q_DECLARE_METATYPE(Change)

namespace {

// The week grid's cell of a day (0 Sunday) and hour, in the grid's viewport.
QPoint cellCentre(const QTableWidget* grid, int day, int hour)
{
    return grid->visualRect(grid->model()->index(day, hour)).center();
}

QColor shownColour(QTableWidget* grid, int day, int hour)
{
    const QPoint inViewport = cellCentre(grid, day, hour);
    return grid->viewport()->grab().toImage().pixelColor(inViewport);
}

bool greenish(const QColor& colour)
{
    return colour.green() > colour.red() + 40 && colour.green() > colour.blue() + 40;
}

} // namespace

class tst_CSetupRecord : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void roundTrip_data();
    void roundTrip();
    void edits_data();
    void edits();
    void repairs_data();
    void repairs();
    void allEntry_data();
    void allEntry();
    void resolutionSlots();
    void scheduleGrid();

private:
    // The page loaded with the part of that model as its DVR holds it.
    config::Record load(int model, int vtype);

    std::unique_ptr<CSetupRecord> m_page;
};

void tst_CSetupRecord::init()
{
    m_page = std::make_unique<CSetupRecord>();
    m_page->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_page.get()));
}

void tst_CSetupRecord::cleanup()
{
    m_page.reset();
}

config::Record tst_CSetupRecord::load(int model, int vtype)
{
    return loadModel(*m_page, model, vtype, &config::DvrConf::record);
}

void tst_CSetupRecord::roundTrip_data()
{
    addModelRows("round trip");
}

void tst_CSetupRecord::roundTrip()
{
    QFETCH(int, model);
    QFETCH(int, vtype);
    const config::Record record = load(model, vtype);
    QCOMPARE(bytes(m_page->GetConf()), bytes(record));
    const bool sensors = DvrModelInfo(DvrModel(model)).sensors > 0;
    QCOMPARE(child<QComboBox>(*m_page, "mode")->count(), sensors ? 10 : 8);
    QCOMPARE(child<QPushButton>(*m_page, "sensor")->isHidden(), !sensors);
    QCOMPARE(child<QPushButton>(*m_page, "event")->isHidden(), !sensors);
}

void tst_CSetupRecord::edits_data()
{
    QTest::addColumn<Act>("act");
    QTest::addColumn<Change>("change");
    const auto combo = &stepping<CSetupRecord>;
    const auto click = &clicking<CSetupRecord>;
    // Channel 6 records continuously and on events: its event controls work.
    const auto onChannel6 = [combo](const char* name, int steps) {
        return Act([combo, name, steps](CSetupRecord& page) {
            combo("channel", 5)(page);
            combo(name, steps)(page);
        });
    };
    QTest::newRow("channel shown") << combo("channel", 1) << Change([](config::Record&) {});
    QTest::newRow("resolution") << combo("resolution",
        -1) << Change([](config::Record& r) { r.mutable_channel(0)->set_resolution(config::RESOLUTION_D1); });
    QTest::newRow("quality") << combo(
        "quality", -1) << Change([](config::Record& r) { r.mutable_channel(0)->set_qual(3, config::QUALITY_MEDIUM); });
    QTest::newRow("fps (200 shown as 30)")
        << combo("fps", -1) << Change([](config::Record& r) { r.mutable_channel(0)->set_fps(3, 15); });
    QTest::newRow("mode") << combo("mode",
        1) << Change([](config::Record& r) { r.mutable_channel(0)->set_record_mode(config::RECORD_CONTINUOUS); });
    QTest::newRow("event quality") << onChannel6("eventQuality",
        -1) << Change([](config::Record& r) { r.mutable_channel(5)->set_qual_evt(3, config::QUALITY_HIGH); });
    QTest::newRow("event fps") << onChannel6("eventFPS", -2)
                               << Change([](config::Record& r) { r.mutable_channel(5)->set_fps_evt(3, 10); });
    QTest::newRow("audio") << click("audioOn")
                           << Change([](config::Record& r) { r.mutable_misc()->set_audio_rec(true); });
    QTest::newRow("time overlay") << click("timeOverlayOff")
                                  << Change([](config::Record& r) { r.mutable_misc()->set_time_overlay(false); });
    QTest::newRow("playback channel") << combo("playbackChannel", 1)
                                      << Change([](config::Record& r) { r.mutable_playback()->set_chmode(4); });
    QTest::newRow("start point") << combo("startPoint", 1) << Change([](config::Record& r) {
        r.mutable_playback()->set_start_point(config::Record_Playback::START_6HOURS);
    });
    QTest::newRow("playback audio") << click("playbackAudioOff")
                                    << Change([](config::Record& r) { r.mutable_playback()->set_audio_play(false); });
    QTest::newRow("schedule cell") << Act([](CSetupRecord& page) {
        QTest::mouseClick(child<QPushButton>(page, "continuous"), Qt::LeftButton);
        auto* grid = child<QTableWidget>(page, "schedule");
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cellCentre(grid, 1, 8));
    }) << Change([](config::Record& r) { r.mutable_schedule(0)->set_record_mode(32, config::RECORD_CONTINUOUS); });
    QTest::newRow("last hour of the week") << Act([](CSetupRecord& page) {
        QTest::mouseClick(child<QPushButton>(page, "motion"), Qt::LeftButton);
        auto* grid = child<QTableWidget>(page, "schedule");
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cellCentre(grid, 6, 23));
    }) << Change([](config::Record& r) { r.mutable_schedule(0)->set_record_mode(167, config::RECORD_MOTION); });
}

void tst_CSetupRecord::edits()
{
    QFETCH(Act, act);
    QFETCH(Change, change);
    config::Record expected = load(4, 0);
    act(*m_page);
    change(expected);
    QCOMPARE(bytes(m_page->GetConf()), bytes(expected));
}

void tst_CSetupRecord::repairs_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<Change>("given");
    QTest::addColumn<Change>("repaired"); // what the given part becomes
    QTest::newRow("three channels on 16 reset")
        << 4 << Change([](config::Record& r) { r.mutable_channel()->DeleteSubrange(3, 13); })
        << Change([](config::Record& r) {
               r.clear_channel();
               for (int ch = 0; ch < 16; ++ch) {
                   config::Record_Channel& channel = *r.add_channel();
                   for (unsigned fps : {30u, 30u, 30u, 15u}) {
                       channel.add_qual(config::QUALITY_HIGH);
                       channel.add_fps(fps);
                       channel.add_qual_evt(config::QUALITY_HIGH);
                       channel.add_fps_evt(fps);
                   }
               }
           });
    QTest::newRow("three qualities") << 4 << Change([](config::Record& r) {
        r.mutable_channel(2)->mutable_qual()->RemoveLast();
    }) << Change([](config::Record& r) {
        r.mutable_channel(2)->clear_qual();
        for (int slot = 0; slot < 4; ++slot)
            r.mutable_channel(2)->add_qual(config::QUALITY_HIGH);
    });
    QTest::newRow("resolution 0 on HD-SDI")
        << 64 << Change([](config::Record& r) { r.mutable_channel(1)->set_resolution(config::RESOLUTION_CIF); })
        << Change([](config::Record& r) { r.mutable_channel(1)->set_resolution(config::RESOLUTION_HALF_D1); });
    QTest::newRow("sensor modes without sensors") << 100 << Change([](config::Record& r) {
        r.mutable_channel(0)->set_record_mode(config::RECORD_SENSOR);
        r.mutable_channel(1)->set_record_mode(config::RECORD_MOTION_SENSOR);
        r.mutable_schedule(3)->set_record_mode(100, config::RECORD_SENSOR);
    }) << Change([](config::Record& r) {
        r.mutable_channel(0)->set_record_mode(config::RECORD_MANUAL);
        r.mutable_channel(1)->set_record_mode(config::RECORD_MANUAL);
        r.mutable_schedule(3)->set_record_mode(100, config::RECORD_MANUAL);
    });
    QTest::newRow("167-hour schedule") << 4 << Change([](config::Record& r) {
        r.mutable_schedule(1)->mutable_record_mode()->RemoveLast();
    }) << Change([](config::Record& r) { r.mutable_schedule(1)->add_record_mode(config::RECORD_MANUAL); });
    QTest::newRow("169-hour schedule") << 4 << Change([](config::Record& r) {
        r.mutable_schedule(2)->add_record_mode(config::RECORD_MOTION);
    }) << Change([](config::Record& r) { r.mutable_schedule(2)->mutable_record_mode()->RemoveLast(); });
    QTest::newRow("three schedules") << 4 << Change([](config::Record& r) { r.mutable_schedule()->RemoveLast(); })
                                     << Change([](config::Record& r) {
                                            r.clear_schedule();
                                            for (int n = 0; n < 4; ++n) {
                                                config::Record_Schedule& week = *r.add_schedule();
                                                for (int hour = 0; hour < 168; ++hour)
                                                    week.add_record_mode(config::RECORD_MANUAL);
                                            }
                                        });
    QTest::newRow("no misc, no playback") << 4 << Change([](config::Record& r) {
        r.clear_misc();
        r.clear_playback();
    }) << Change([](config::Record&) {});
}

void tst_CSetupRecord::repairs()
{
    QFETCH(int, model);
    QFETCH(Change, given);
    QFETCH(Change, repaired);
    config::Record record = loadModel(*m_page, model, 0, &config::DvrConf::record, given);
    repaired(record);
    QCOMPARE(bytes(m_page->GetConf()), bytes(record));
    if (!record.has_misc()) {
        QVERIFY(child<QRadioButton>(*m_page, "audioOn")->isChecked());
        QCOMPARE(child<QComboBox>(*m_page, "startPoint")->currentText(), QStringLiteral("First"));
    }
}

void tst_CSetupRecord::allEntry_data()
{
    QTest::addColumn<Act>("act");
    QTest::addColumn<Change>("change");
    const Act chooseAll = [](CSetupRecord& page) { choose(child<QComboBox>(page, "channel"), "ALL"); };
    QTest::newRow("looked at") << chooseAll << Change([](config::Record&) {});
    QTest::newRow(" 50 % and High") << Act([chooseAll](CSetupRecord& page) {
        chooseAll(page);
        choose(child<QComboBox>(page, "resolution"), " 50 %");
        choose(child<QComboBox>(page, "quality"), "Super");
        choose(child<QComboBox>(page, "quality"), "High");
    }) << Change([](config::Record& r) {
        for (config::Record_Channel& channel : *r.mutable_channel()) {
            channel.set_resolution(config::RESOLUTION_D1);
            channel.set_qual(2, config::QUALITY_HIGH);
            channel.set_fps(2, 30);
            channel.set_qual_evt(2, config::QUALITY_HIGH);
            channel.set_fps_evt(2, 30);
            channel.set_record_mode(config::RECORD_MANUAL);
        }
    });
    QTest::newRow("channel chosen before taking") << Act([chooseAll](CSetupRecord& page) {
        chooseAll(page);
        choose(child<QComboBox>(page, "mode"), "CONTINUOUS");
        step(child<QComboBox>(page, "channel"), -1);
    }) << Change([](config::Record&) {});
}

void tst_CSetupRecord::allEntry()
{
    QFETCH(Act, act);
    QFETCH(Change, change);
    // HD-SDI, four channels: a new page's "ALL" holds the schema's defaults.
    config::Record expected = load(64, 0);
    act(*m_page);
    change(expected);
    QCOMPARE(bytes(m_page->GetConf()), bytes(expected));
}

void tst_CSetupRecord::resolutionSlots()
{
    config::Record record = load(4, 0);
    config::Record_Channel& channel = *record.mutable_channel(0);
    for (int slot = 0; slot < 4; ++slot) {
        channel.set_qual(slot, static_cast<config::Quality>(slot));
        channel.set_fps(slot, std::array{1u, 2u, 7u, 10u}[slot]);
        channel.set_qual_evt(slot, static_cast<config::Quality>(3 - slot));
        channel.set_fps_evt(slot, std::array{30u, 15u, 5u, 3u}[slot]);
    }
    channel.set_resolution(config::RESOLUTION_CIF);
    m_page->SetConf(record);
    const auto shown = [this] {
        QStringList texts;
        for (const char* name : {"quality", "fps", "eventQuality", "eventFPS"})
            texts << child<QComboBox>(*m_page, name)->currentText();
        return texts.join(' ');
    };
    QCOMPARE(shown(), QStringLiteral("Low 1 Super 30"));
    choose(child<QComboBox>(*m_page, "resolution"), "720x480");
    QCOMPARE(shown(), QStringLiteral("High 7 Medium 5"));
    choose(child<QComboBox>(*m_page, "resolution"), "360x240");
    QCOMPARE(shown(), QStringLiteral("Low 1 Super 30"));
    QCOMPARE(bytes(m_page->GetConf()), bytes(record));

    // PAL 16 channels: the default 13 frames a second is no choice of its own.
    m_page->InitDvrInfo(identity(4, 16, 1));
    QCOMPARE(child<QComboBox>(*m_page, "fps")->currentText(), QStringLiteral("12"));
    QCOMPARE(m_page->GetConf().channel(0).fps(3), 13u);
}

void tst_CSetupRecord::scheduleGrid()
{
    config::Record record = load(4, 0);
    for (int& mode : *record.mutable_schedule(0)->mutable_record_mode())
        mode = config::RECORD_MANUAL;
    // The cell that focus makes current holds no MANUAL, the brush loaded.
    record.mutable_schedule(0)->set_record_mode(0, config::RECORD_CONTINUOUS);
    m_page->SetConf(record);
    auto* grid = child<QTableWidget>(*m_page, "schedule");
    auto* number = child<QSpinBox>(*m_page, "scheduleNumber");
    QCOMPARE(grid->size(), QSize(858, 165));
    QVERIFY(child<QPushButton>(*m_page, "manual")->isChecked());
    QCOMPARE(number->value(), 1);

    // Keyboard focus reaching the grid paints nothing. Delivered as the
    // toolkit does, so that no other window on the display can take it.
    QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(grid, &focusIn);
    QVERIFY(grid->currentIndex().isValid());
    QCOMPARE(bytes(m_page->GetConf()), bytes(record));

    QTest::mouseClick(child<QPushButton>(*m_page, "motion"), Qt::LeftButton);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cellCentre(grid, 1, 8));
    record.mutable_schedule(0)->set_record_mode(32, config::RECORD_MOTION);
    QVERIFY(greenish(shownColour(grid, 1, 8)));
    // The arrow keys paint each cell they enter.
    QTest::keyClick(grid, Qt::Key_Right);
    QTest::keyClick(grid, Qt::Key_Down);
    record.mutable_schedule(0)->set_record_mode(33, config::RECORD_MOTION);
    record.mutable_schedule(0)->set_record_mode(57, config::RECORD_MOTION);
    QCOMPARE(bytes(m_page->GetConf()), bytes(record));
    QVERIFY(greenish(shownColour(grid, 2, 9)));

    // Schedule 2 is repainted from its own hours; the brush stays.
    QTest::keyClick(number, Qt::Key_Up);
    QCOMPARE(number->value(), 2);
    QVERIFY(child<QPushButton>(*m_page, "motion")->isChecked());
    QVERIFY(!greenish(shownColour(grid, 2, 9)));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cellCentre(grid, 0, 0));
    record.mutable_schedule(1)->set_record_mode(0, config::RECORD_MOTION);
    QCOMPARE(bytes(m_page->GetConf()), bytes(record));

    // Hours that follow a schedule show no brush, whatever the cell showed.
    record.mutable_schedule(0)->set_record_mode(32, config::RECORD_SCHEDULE_2);
    m_page->SetConf(record);
    QCOMPARE(number->value(), 1);
    QVERIFY(child<QPushButton>(*m_page, "manual")->isChecked());
    QCOMPARE(shownColour(grid, 1, 8), QColor(Qt::white));
    QVERIFY(greenish(shownColour(grid, 2, 9)));
}

QTEST_MAIN(tst_CSetupRecord)
#include "tst_CSetupRecord.moc"
