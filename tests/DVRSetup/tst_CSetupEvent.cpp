#include "Common/CCoreMetaTypes.h"
#include "Connection/CApplicationSender.h"
#include "DVRSetup/CMotionDetect.h"
#include "DVRSetup/CMotionZoneDialog.h"
#include "DVRSetup/CSetupEvent.h"
#include "SetupPageSupport.h"
#include "TestDvr.h"
#include "TestDvrStreams.h"
#include "WidgetChild.h"
#include "ZoneEditorSupport.h"
#include "dvr_protocol/cgi_protocol.h"
#include "dvr_types/DvrModelInfo.h"
#include "tests/sys_conf/ModelSizedDvrConf.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTest>

using namespace SetupPageSupport;
using Act = std::function<void(CSetupEvent&)>;
using Change = std::function<void(config::Event&)>;
Q_DECLARE_METATYPE(Act)
Q_DECLARE_METATYPE(Change)

namespace {

config::Event_Motion defaultMotion(int cells)
{
    config::Event_Motion motion;
    for (int cell = 0; cell < cells; ++cell)
        motion.add_zone(false);
    return motion;
}

template <class List> void resetBools(List& list, int count)
{
    list.Clear();
    for (int i = 0; i < count; ++i)
        list.Add(false);
}

} // namespace

class tst_CSetupEvent : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
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
    void zoneEditor_data();
    void zoneEditor();

private:
    config::Event load(int model, int vtype);

    std::unique_ptr<CSetupEvent> m_page;
};

void tst_CSetupEvent::initTestCase()
{
    CCoreMetaTypes::registerTypes();
    QLoggingCategory::setFilterRules(QStringLiteral("qelm.network.debug=false"));
}

void tst_CSetupEvent::init()
{
    m_page = std::make_unique<CSetupEvent>();
    m_page->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_page.get()));
}

void tst_CSetupEvent::cleanup()
{
    m_page.reset();
}

config::Event tst_CSetupEvent::load(int model, int vtype)
{
    return loadModel(*m_page, model, vtype, &config::DvrConf::event);
}

void tst_CSetupEvent::roundTrip_data()
{
    addModelRows("round trip");
}

void tst_CSetupEvent::roundTrip()
{
    QFETCH(int, model);
    QFETCH(int, vtype);
    const config::Event event = load(model, vtype);
    QCOMPARE(bytes(m_page->GetConf()), bytes(event));
    QCOMPARE(m_page->getMotionZoneCols(), ModelSizedDvrConf::zoneColumns(model, vtype));
    QCOMPARE(m_page->getMotionZoneRows(), ModelSizedDvrConf::zoneRows(model, vtype));
    // Sensor controls show with sensors, the relay group with a relay
    // output, in the sensor group's place when that is hidden.
    const DvrModelInfo facts{DvrModel(model)};
    const bool sensors = facts.sensors > 0;
    for (const char* name : {"sensorFrame", "relaySensor", "relaySensorOn", "sensorLabel", "sensorYes"})
        QVERIFY2(child(*m_page, name)->isHidden() == !sensors, name);
    QCOMPARE(child(*m_page, "relayFrame")->isHidden(), !facts.alarm);
    QCOMPARE(child(*m_page, "relayFrame")->pos(), sensors ? QPoint(0, 410) : child(*m_page, "sensorFrame")->pos());
}

void tst_CSetupEvent::edits_data()
{
    QTest::addColumn<Act>("act");
    QTest::addColumn<Change>("change");
    const auto combo = &stepping<CSetupEvent>;
    const auto click = &clicking<CSetupEvent>;
    const auto type = [](const char* name) {
        return Act([name](CSetupEvent& page) { QTest::keyClicks(child<QLineEdit>(page, name), "x"); });
    };
    const auto up = [](const char* name) {
        return Act([name](CSetupEvent& page) { QTest::keyClick(child<QWidget>(page, name), Qt::Key_Up); });
    };
    using E = config::Event;
    const auto add
        = [](const char* name, const Act& act, const Change& change) { QTest::newRow(name) << act << change; };
    add("motion channel shown", combo("motionCh", 1), [](E&) {});
    add("sensitivity", up("sensitivity"), [](E& e) { e.mutable_motion_conf()->mutable_motion(0)->set_sensitivity(1); });
    add("motion popup", click("motionPopupOn"),
        [](E& e) { e.mutable_motion_conf()->mutable_motion(0)->set_pop_up(true); });
    add("motion popdown", combo("motionPopdown", 1),
        [](E& e) { e.mutable_motion_conf()->set_pop_down(config::Event::POP_DOWN_30SEC); });
    add("sensor shown", combo("sensorCh", 1), [](E&) {});
    add("sensor type", combo("sensorType", 1),
        [](E& e) { e.mutable_sensor_conf()->mutable_sensor(0)->set_type(config::Event_Sensor::TYPE_NC); });
    add("sensor link", combo("sensorLink", 1),
        [](E& e) { e.mutable_sensor_conf()->mutable_sensor(0)->set_link_ch(1); });
    add("sensor popup", click("sensorPopupOff"),
        [](E& e) { e.mutable_sensor_conf()->mutable_sensor(0)->set_pop_up(false); });
    add("sensor popdown", combo("sensorPopdown", -1),
        [](E& e) { e.mutable_sensor_conf()->set_pop_down(config::Event::POP_DOWN_10SEC); });
    add("relay sensor shown", combo("relaySensor", 1), [](E&) {});
    add("relay sensor output", click("relaySensorOff"), [](E& e) { e.mutable_relay()->set_sensor(0, false); });
    add(
        "relay motion output",
        [combo, click](CSetupEvent& page) {
            combo("relayMotion", 1)(page);
            click("relayMotionOn")(page);
        },
        [](E& e) { e.mutable_relay()->set_motion(1, true); });
    add("record fail", click("recordFailOff"), [](E& e) { e.mutable_relay()->set_record_fail(false); });
    add("record warning", click("recordWarnOn"), [](E& e) { e.mutable_relay()->set_record_warning(true); });
    add("relay time", combo("relayTime", 1),
        [](E& e) { e.mutable_relay()->set_keep_time(config::Event_Relay::KEEP_30SEC); });
    add("post alarm record", combo("postAlarmRecord", 1),
        [](E& e) { e.mutable_post_record()->set_time(config::Event_PostRecord::TIME_40SEC); });
    add("sender", type("senderAddress"),
        [](E& e) { e.mutable_email()->mutable_address()->set_sender("dvr@example.comx"); });
    add("receiver 3", type("rAddress3"),
        [](E& e) { e.mutable_email()->mutable_address()->set_receiver(2, "third@example.comx"); });
    add("receiver 4", type("rAddress4"), [](E& e) { e.mutable_email()->mutable_address()->set_receiver(3, "x"); });
    add("smtp address", type("smtpAddress"),
        [](E& e) { e.mutable_email()->mutable_smtp()->set_address("mail.example.comx"); });
    add("smtp port", up("smtpPort"), [](E& e) { e.mutable_email()->mutable_smtp()->set_port(466); });
    add("authentication", click("authenOff"),
        [](E& e) { e.mutable_email()->mutable_smtp()->set_authentication(false); });
    add("auth id", type("AuthenID"), [](E& e) { e.mutable_email()->mutable_smtp()->set_auth_id("dvrx"); });
    add("auth password", type("AuthenPassword"),
        [](E& e) { e.mutable_email()->mutable_smtp()->set_auth_password("secretx"); });
    add("ssl", click("sslOff"), [](E& e) { e.mutable_email()->mutable_smtp()->set_use_ssl(false); });
    add("mime", click("mimeOn"), [](E& e) { e.mutable_email()->mutable_smtp()->set_use_mime(true); });
    add("period", combo("emailPeriod", -1),
        [](E& e) { e.mutable_email()->mutable_send_cond()->set_period(config::Event_Email::SEND_PERIOD_24HOURS); });
    add("prohibition", click("prohibitionOff"),
        [](E& e) { e.mutable_email()->mutable_send_cond()->set_prohibition(false); });
    add("start hour", up("startHour"), [](E& e) { e.mutable_email()->mutable_send_cond()->set_prohibition_start(23); });
    add("end hour", up("endHour"), [](E& e) { e.mutable_email()->mutable_send_cond()->set_prohibition_end(7); });
    add("motion content", click("motionNo"),
        [](E& e) { e.mutable_email()->mutable_send_content()->set_motion(false); });
    add("sensor content", click("sensorNo"),
        [](E& e) { e.mutable_email()->mutable_send_content()->set_sensor(false); });
    add("video loss content", click("videoLossNo"),
        [](E& e) { e.mutable_email()->mutable_send_content()->set_video_loss(false); });
    add("record content", click("recordYes"),
        [](E& e) { e.mutable_email()->mutable_send_content()->set_rec_status(true); });
    add("system content", click("systemNo"),
        [](E& e) { e.mutable_email()->mutable_send_content()->set_sys_access(false); });
}

void tst_CSetupEvent::edits()
{
    QFETCH(Act, act);
    QFETCH(Change, change);
    config::Event expected = load(4, 0);
    QCOMPARE(child<QComboBox>(*m_page, "emailPeriod")->currentText(), QStringLiteral("2 min after event"));
    act(*m_page);
    change(expected);
    QCOMPARE(bytes(m_page->GetConf()), bytes(expected));
}

void tst_CSetupEvent::repairs_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<int>("vtype");
    QTest::addColumn<Change>("given");
    QTest::addColumn<Change>("repaired"); // what the given part becomes
    using E = config::Event;
    const auto defaultEntries = [](int channels, int cells) {
        return Change([channels, cells](E& e) {
            e.mutable_motion_conf()->clear_motion();
            for (int ch = 0; ch < channels; ++ch)
                *e.mutable_motion_conf()->add_motion() = defaultMotion(cells);
        });
    };
    const Change noMotion = [](E& e) { e.mutable_motion_conf()->clear_motion(); };
    QTest::newRow("16 motion entries on 4 channels") << 6 << 0 << Change([](E& e) {
        for (int ch = 4; ch < 16; ++ch)
            e.mutable_motion_conf()->add_motion()->set_sensitivity(3);
    }) << defaultEntries(4, 192);
    QTest::newRow("HD-SDI NTSC grid") << 64 << 0 << noMotion << defaultEntries(4, 22 * 15);
    QTest::newRow("HD-SDI PAL grid") << 64 << 1 << noMotion << defaultEntries(4, 22 * 18);
    QTest::newRow("AHD grid") << 51 << 1 << noMotion << defaultEntries(16, 16 * 12);
    QTest::newRow("short zone") << 4 << 0 << Change([](E& e) {
        e.mutable_motion_conf()->mutable_motion(1)->mutable_zone()->Truncate(100);
    }) << Change([](E& e) {
        for (int cell = 100; cell < 192; ++cell)
            e.mutable_motion_conf()->mutable_motion(1)->add_zone(false);
    });
    QTest::newRow("long zone kept") << 4 << 0 << Change([](E& e) {
        for (int cell = 0; cell < 50; ++cell)
            e.mutable_motion_conf()->mutable_motion(1)->add_zone(true);
    }) << Change([](E&) {});
    QTest::newRow("three sensors on 8") << 4 << 0 << Change([](E& e) {
        e.mutable_sensor_conf()->mutable_sensor()->DeleteSubrange(3, 5);
    }) << Change([](E& e) {
        e.mutable_sensor_conf()->clear_sensor();
        for (unsigned input = 0; input < 8; ++input)
            e.mutable_sensor_conf()->add_sensor()->set_link_ch(input);
    });
    QTest::newRow("relay lists") << 4 << 0 << Change([](E& e) {
        e.mutable_relay()->mutable_motion()->Truncate(3);
        e.mutable_relay()->add_sensor(true);
    }) << Change([](E& e) {
        resetBools(*e.mutable_relay()->mutable_motion(), 16);
        resetBools(*e.mutable_relay()->mutable_sensor(), 8);
    });
    QTest::newRow("2 receivers") << 4 << 0 << Change([](E& e) {
        e.mutable_email()->mutable_address()->mutable_receiver()->DeleteSubrange(2, 2);
    }) << Change([](E& e) {
        e.mutable_email()->mutable_address()->clear_receiver();
        for (int i = 0; i < 4; ++i)
            e.mutable_email()->mutable_address()->add_receiver();
    });
}

void tst_CSetupEvent::repairs()
{
    QFETCH(int, model);
    QFETCH(int, vtype);
    QFETCH(Change, given);
    QFETCH(Change, repaired);
    config::Event event = loadModel(*m_page, model, vtype, &config::DvrConf::event, given);
    repaired(event);
    QCOMPARE(bytes(m_page->GetConf()), bytes(event));
}

void tst_CSetupEvent::allEntry_data()
{
    QTest::addColumn<Act>("act");
    QTest::addColumn<Change>("change");
    const Act chooseAll = [](CSetupEvent& page) { choose(child<QComboBox>(page, "motionCh"), "ALL"); };
    QTest::newRow("looked at") << chooseAll << Change([](config::Event&) {});
    QTest::newRow("popup clicked as it stands") << Act([chooseAll](CSetupEvent& page) {
        chooseAll(page);
        QTest::mouseClick(child<QRadioButton>(page, "motionPopupOff"), Qt::LeftButton);
    }) << Change([](config::Event&) {});
    QTest::newRow("sensitivity 3") << Act([chooseAll](CSetupEvent& page) {
        chooseAll(page);
        child<QSlider>(page, "sensitivity")->setValue(3);
    }) << Change([](config::Event& e) {
        // Channel 1's pop-up and a zone that detects everywhere, as shown.
        config::Event_Motion all = defaultMotion(0);
        all.set_sensitivity(3);
        all.set_pop_up(false);
        for (int cell = 0; cell < 192; ++cell)
            all.add_zone(true);
        for (config::Event_Motion& motion : *e.mutable_motion_conf()->mutable_motion())
            motion = all;
    });
    QTest::newRow("channel chosen before taking") << Act([chooseAll](CSetupEvent& page) {
        chooseAll(page);
        child<QSlider>(page, "sensitivity")->setValue(3);
        step(child<QComboBox>(page, "motionCh"), -1);
    }) << Change([](config::Event&) {});
}

void tst_CSetupEvent::allEntry()
{
    QFETCH(Act, act);
    QFETCH(Change, change);
    config::Event expected = load(4, 0);
    act(*m_page);
    change(expected);
    QCOMPARE(bytes(m_page->GetConf()), bytes(expected));
}

void tst_CSetupEvent::zoneEditor_data()
{
    QTest::addColumn<int>("steps"); // of the motion channel combo: 1 is channel 2, 16 "ALL"
    QTest::addColumn<bool>("ok");
    QTest::addColumn<quint32>("mask"); // of the channels streamed
    QTest::newRow("channel 2, OK") << 1 << true << 0x2u;
    QTest::newRow("channel 2, Cancel") << 1 << false << 0x2u;
    QTest::newRow("ALL, OK") << 16 << true << 0x1u;
}

void tst_CSetupEvent::zoneEditor()
{
    QFETCH(int, steps);
    QFETCH(bool, ok);
    QFETCH(quint32, mask);
    TestDvr dvr;
    QVERIFY(dvr.listen());
    config::Event expected = load(4, 0);
    m_page->setTargetDVR(dvr.dvrRecord());
    step(child<QComboBox>(*m_page, "motionCh"), steps);
    const QRect block(QPoint(3, 1), QPoint(5, 2)); // columns 3-5 of rows 1-2
    const int channel = steps < 16 ? steps : -1;
    // "ALL" detects everywhere: only clearing changes it.
    const auto draw = ZoneEditorSupport::drawBlock(block, channel >= 0, ok);
    const int shown = channel >= 0 ? channel : 0;
    bool pictured = false;
    whenModal<CMotionZoneDialog>([shown, draw, &pictured](CMotionZoneDialog* dialog) {
        // The channel's picture under the grid, the zone's cells tinted.
        pictured = QTest::qWaitFor([dialog, shown] {
            return ZoneEditorSupport::showsChannel(dialog->grab().toImage(), shown, dialog->getMotionZone(), 16);
        });
        draw(dialog);
    });
    QTest::mouseClick(child<QPushButton>(*m_page, "detectZone"), Qt::LeftButton);
    QVERIFY(pictured);

    QCOMPARE(dvr.streams()->records().size(), 1);
    QCOMPARE(dvr.streams()->records().first().videoMask, mask);
    // Closing the editor asks the DVR to stop the stream.
    QVERIFY(dvr.waitForRequests(2));
    QCOMPARE(dvr.lastRequest().mode, int(cgi::MODE_STREAM_STOP));
    QTRY_COMPARE(CApplicationSender::pending(), 0);
    if (ok && channel >= 0) {
        for (int row = block.top(); row <= block.bottom(); ++row) {
            for (int column = block.left(); column <= block.right(); ++column)
                expected.mutable_motion_conf()->mutable_motion(channel)->set_zone(row * 16 + column, true);
        }
    }
    if (ok && channel < 0) {
        // Accepted on "ALL": the zone reaches every channel when taken.
        for (config::Event_Motion& motion : *expected.mutable_motion_conf()->mutable_motion()) {
            motion.set_sensitivity(0);
            motion.set_pop_up(false);
            for (int cell = 0; cell < 192; ++cell)
                motion.set_zone(cell, !block.contains(cell % 16, cell / 16));
        }
    }
    QCOMPARE(bytes(m_page->GetConf()), bytes(expected));
}

QTEST_MAIN(tst_CSetupEvent)
#include "tst_CSetupEvent.moc"
