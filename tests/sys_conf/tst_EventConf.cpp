#include "ConfTestSupport.h"
#include "sys_conf/proto/event.pb.h"

#include <QtTest>

namespace {

config::Event_Motion fullZone(int cells)
{
    config::Event_Motion motion;
    for (int cell = 0; cell < cells; ++cell)
        motion.add_zone(cell % 2 == 0);
    return motion;
}

QByteArray fullZoneBytes(const char* header, int cells)
{
    QByteArray bytes = QByteArray::fromHex(header);
    for (int cell = 0; cell < cells; ++cell)
        bytes.append(cell % 2 == 0 ? '\x01' : '\x00');
    return bytes;
}

} // namespace

class tst_EventConf : public QObject {
    Q_OBJECT

private slots:
    void golden_data();
    void golden();
    void parsing_data();
    void parsing();
    void defaults();
    void droppedSensorTypeKeepsTheSensor();
    void clearRestoresMailDefaults();
    void enumerationRanges_data();
    void enumerationRanges();
    void limitValues_data();
    void limitValues();
};

void tst_EventConf::golden_data()
{
    addGoldenColumns();

    addGoldenRow("default motion", config::Event_Motion(), "");

    config::Event_Motion motion;
    motion.set_sensitivity(8);
    motion.add_zone(true);
    motion.add_zone(false);
    motion.add_zone(true);
    addGoldenRow("motion with a three-cell zone", motion, "0808 1203 010001");

    addGoldenRow("330 zone cells", fullZone(330), fullZoneBytes("12ca02", 330));
    addGoldenRow("396 zone cells", fullZone(396), fullZoneBytes("128c03", 396));
    addGoldenRow("192 zone cells", fullZone(192), fullZoneBytes("12c001", 192));

    config::Event_Relay relay;
    relay.set_keep_time(config::Event_Relay::KEEP_30SEC);
    addGoldenRow("relay keep time", relay, "2803");

    relay.Clear();
    relay.add_motion(true);
    relay.add_motion(false);
    relay.add_sensor(false);
    relay.set_record_fail(true);
    relay.set_record_warning(false);
    addGoldenRow("relay lists packed", relay, "0a020100 120100 1801 2000");

    config::Event_Sensor sensor;
    sensor.set_type(config::Event_Sensor::TYPE_NC);
    sensor.set_link_ch(15);
    sensor.set_pop_up(true);
    addGoldenRow("sensor", sensor, "0801 100f 1801");

    config::Event_SensorConf sensorConf;
    sensorConf.add_sensor()->set_link_ch(1);
    sensorConf.set_pop_down(config::Event::POP_DOWN_5SEC);
    addGoldenRow("sensor list", sensorConf, "0a02 1001 1001");

    config::Event event;
    event.mutable_post_record()->set_time(config::Event_PostRecord::TIME_10SEC);
    addGoldenRow("post-alarm recording only", event, "2a02 0801");

    event.Clear();
    event.mutable_relay();
    addGoldenRow("empty relay created", event, "1a00");

    config::Event_Email_SMTP smtp;
    smtp.set_port(25);
    addGoldenRow("SMTP port only", smtp, "1019");

    smtp.Clear();
    smtp.set_auth_password("");
    addGoldenRow("empty password set explicitly", smtp, "2a00");

    smtp.Clear();
    smtp.set_address("smtp.example.org");
    smtp.set_port(587);
    smtp.set_authentication(false);
    smtp.set_auth_id("id");
    smtp.set_auth_password("pw");
    smtp.set_use_ssl(false);
    smtp.set_use_mime(true);
    addGoldenRow(
        "every SMTP field", smtp, "0a10 736d74702e6578616d706c652e6f7267 10cb04 1800 2202 6964 2a02 7077 3000 3801");

    config::Event_Email_Address address;
    for (int i = 0; i < 4; ++i)
        address.add_receiver("");
    addGoldenRow("four empty receivers", address, "1200 1200 1200 1200");

    address.set_sender("a@b");
    address.set_receiver(1, "c");
    addGoldenRow("sender and receivers", address, "0a03 614062 1200 120163 1200 1200");

    config::Event_Email_SendContent content;
    content.set_video_loss(true);
    content.set_sys_access(true);
    addGoldenRow("send contents", content, "1801 2801");

    config::Event_Email_SendCond sendCond;
    sendCond.set_period(config::Event_Email::SEND_PERIOD_2MINS_AFTER_EVENT);
    sendCond.set_prohibition(true);
    sendCond.set_prohibition_start(23);
    sendCond.set_prohibition_end(0);
    addGoldenRow("send conditions", sendCond, "0807 1001 1817 2000");

    config::Event_Email email;
    email.mutable_send_content();
    email.mutable_smtp();
    email.mutable_address();
    email.mutable_send_cond();
    addGoldenRow("every mail part, in field order", email, "0a00 1200 1a00 2200");
}

void tst_EventConf::golden()
{
    checkGoldenRow();
}

void tst_EventConf::parsing_data()
{
    addParseColumns();

    addParseRow<config::Event_Motion>("unpacked zone", "1001 1000", "1202 0100");
    addParseRow<config::Event_Motion>("packed cell 2 reads true", "1201 02", "1201 01");
    addParseRow<config::Event_Motion>("packed and unpacked append in order", "1202 0100 1001 1201 00", "1204 01000100");
    addParseRow<config::Event_Motion>("empty packed zone", "1200", "");
    addParseRow<config::Event_Relay>("unpacked relay lists", "0801 0800 1001", "0a02 0100 1201 01");
    addParseRow<config::Event_Relay>("keep time 4 dropped", "2804", "");
    addParseRow<config::Event_Sensor>("sensor type 2 dropped", "0802", "");
    addParseRow<config::Event_Sensor>("linked channel 5", "1005", "1005");
    addParseRow<config::Event_SensorConf>("sensor with a dropped type still listed", "0a04 0802 1003", "0a02 1003");
    addParseRow<config::Event_MotionConf>("pop-down 4 dropped", "1001 1004", "1001");
    addParseRow<config::Event_PostRecord>("post-alarm time 7 dropped", "0807", "");
    addParseRow<config::Event_PostRecord>("post-alarm time 6 kept", "0806", "0806");
    addParseRow<config::Event_Email_SendCond>("send period 8 dropped", "0808", "");
    addParseRow<config::Event_Email_SendCond>("send period 7 kept", "0807", "0807");
    addParseRow<config::Event_Email_Address>(
        "receivers keep their count", "1200 1200 1200 1200", "1200 1200 1200 1200");
    addParseRow<config::Event_Email_Address>("text bytes kept as they are", "0a02 b0a1", "0a02 b0a1");
}

void tst_EventConf::parsing()
{
    checkParseRow();
}

void tst_EventConf::defaults()
{
    const config::Event_Motion motion;
    QCOMPARE(motion.sensitivity(), 8u);
    QCOMPARE(motion.zone_size(), 0);
    QCOMPARE(motion.pop_up(), false);

    const config::Event_Relay relay;
    QCOMPARE(relay.motion_size(), 0);
    QCOMPARE(relay.sensor_size(), 0);
    QCOMPARE(relay.record_fail(), false);
    QCOMPARE(relay.record_warning(), false);
    QCOMPARE(relay.keep_time(), config::Event_Relay::KEEP_NONE);

    const config::Event event;
    QCOMPARE(event.motion_conf().pop_down(), config::Event::POP_DOWN_CONT);
    QCOMPARE(event.sensor_conf().pop_down(), config::Event::POP_DOWN_CONT);
    QCOMPARE(event.post_record().time(), config::Event_PostRecord::TIME_NONE);
    QCOMPARE(event.email().send_cond().period(), config::Event_Email::SEND_PERIOD_NO);

    const config::Event_Email_SMTP smtp;
    QCOMPARE(smtp.address(), std::string("smtp.gmail.com"));
    QCOMPARE(smtp.port(), 587u);
    QVERIFY(smtp.authentication() && smtp.use_ssl() && smtp.use_mime());
    QVERIFY(serializedBytes(smtp).isEmpty());
}

void tst_EventConf::droppedSensorTypeKeepsTheSensor()
{
    config::Event_Sensor sensor;
    QVERIFY(CConfParser::parse(QByteArray::fromHex("0802 1005"), sensor));

    QVERIFY(!sensor.has_type());
    QCOMPARE(sensor.type(), config::Event_Sensor::TYPE_NO);
    QCOMPARE(sensor.link_ch(), 5u);
}

void tst_EventConf::clearRestoresMailDefaults()
{
    config::Event_Email email;
    config::Event_Email_SMTP& smtp = *email.mutable_smtp();
    smtp.set_address("mail.example.com");
    smtp.set_port(25);
    smtp.set_authentication(false);
    smtp.set_auth_id("id");
    smtp.set_use_ssl(false);
    smtp.set_use_mime(false);
    email.mutable_address()->add_receiver("x");

    email.Clear();

    QVERIFY(!email.has_smtp());
    QVERIFY(!email.has_address());
    QCOMPARE(email.mutable_smtp(), &smtp);
    QCOMPARE(smtp.address(), std::string("smtp.gmail.com"));
    QCOMPARE(smtp.port(), 587u);
    QVERIFY(smtp.authentication() && smtp.use_ssl() && smtp.use_mime());
    QCOMPARE(smtp.auth_id(), std::string());
    QCOMPARE(email.address().receiver_size(), 0);
    QCOMPARE(hex(serializedBytes(email)), hex(QByteArray::fromHex("1200")));
}

void tst_EventConf::enumerationRanges_data()
{
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("arraySize");
    QTest::addColumn<int>("expectedMax");

    QTest::newRow("pop-down") << int(config::Event::PopDownType_MAX) << int(config::Event::PopDownType_ARRAYSIZE) << 3;
    QTest::newRow("sensor type") << int(config::Event_Sensor::Type_MAX) << int(config::Event_Sensor::Type_ARRAYSIZE)
                                 << 1;
    QTest::newRow("keep time") << int(config::Event_Relay::KeepTime_MAX) << int(config::Event_Relay::KeepTime_ARRAYSIZE)
                               << 3;
    QTest::newRow("post-alarm time") << int(config::Event_PostRecord::Time_MAX)
                                     << int(config::Event_PostRecord::Time_ARRAYSIZE) << 6;
    QTest::newRow("send period") << int(config::Event_Email::SendPeriod_MAX)
                                 << int(config::Event_Email::SendPeriod_ARRAYSIZE) << 7;
}

void tst_EventConf::enumerationRanges()
{
    QFETCH(int, max);
    QFETCH(int, arraySize);
    QFETCH(int, expectedMax);

    QCOMPARE(max, expectedMax);
    QCOMPARE(arraySize, expectedMax + 1);
}

void tst_EventConf::limitValues_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("valid");

    QTest::newRow("30") << 30 << true;
    QTest::newRow("32") << 32 << true;
    QTest::newRow("0") << 0 << false;
    QTest::newRow("31") << 31 << false;
    QTest::newRow("33") << 33 << false;
}

void tst_EventConf::limitValues()
{
    QFETCH(int, value);
    QFETCH(bool, valid);
    QCOMPARE(config::Event_Limit_IsValid(value), valid);
}

QTEST_GUILESS_MAIN(tst_EventConf)
#include "tst_EventConf.moc"
