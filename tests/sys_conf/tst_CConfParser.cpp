#include "ByteMutator.h"
#include "CompleteDvrConf.h"
#include "ConfTestSupport.h"
#include "sys_conf/proto/dvr_conf.pb.h"
#include "sys_conf/types/CConfParser.h"

#include <QtTest>

namespace {

QByteArray varint(quint64 value)
{
    QByteArray bytes;
    while (value >= 0x80) {
        bytes.append(static_cast<char>((value & 0x7F) | 0x80));
        value >>= 7;
    }
    bytes.append(static_cast<char>(value));
    return bytes;
}

QByteArray tag(int field, int wireType)
{
    return varint((static_cast<quint64>(field) << 3) | static_cast<quint64>(wireType));
}

// Wraps body into the nested message fields of path, outermost first.
QByteArray nested(const QList<int>& path, QByteArray body)
{
    for (auto field = path.crbegin(); field != path.crend(); ++field)
        body = tag(*field, 2) + varint(static_cast<quint64>(body.size())) + body;
    return body;
}

// Fields no configuration message defines, one of every wire type, and field 1
// with a wire type that no field of the schema uses.
QByteArray foreignFields()
{
    return tag(100, 0) + varint(300) + tag(101, 2) + varint(3) + "abc" + tag(102, 5) + "\x01\x02\x03\x04" + tag(103, 1)
        + "\x01\x02\x03\x04\x05\x06\x07\x08" + tag(104, 3) + tag(1, 0) + varint(1) + tag(104, 4) + tag(1, 5)
        + "\x05\x06\x07\x08";
}

} // namespace

class tst_CConfParser : public QObject {
    Q_OBJECT

private slots:
    void foreignFieldsDroppedAtEveryLevel_data();
    void foreignFieldsDroppedAtEveryLevel();
    void foreignFieldsDroppedInEveryListElement();
    void malformedInputFails_data();
    void malformedInputFails();
    void hostileBuffers();
};

void tst_CConfParser::foreignFieldsDroppedAtEveryLevel_data()
{
    QTest::addColumn<QList<int>>("path");

    // Every message field of the schema, as field numbers from the root.
    QTest::newRow("DvrConf") << QList<int>{};
    QTest::newRow("DvrInfo") << QList<int>{1};
    QTest::newRow("Limit") << QList<int>{2};
    QTest::newRow("BuyerInfo") << QList<int>{10};
    QTest::newRow("Account") << QList<int>{3};
    QTest::newRow("Account.Admin") << QList<int>{3, 1};
    QTest::newRow("Account.User") << QList<int>{3, 2};
    QTest::newRow("Account.Logoff") << QList<int>{3, 3};
    QTest::newRow("Camera") << QList<int>{4};
    QTest::newRow("Camera.Channel") << QList<int>{4, 1};
    QTest::newRow("Camera.Adjustment") << QList<int>{4, 1, 3};
    QTest::newRow("Camera.Ptz") << QList<int>{4, 2};
    QTest::newRow("Camera.Seq") << QList<int>{4, 3};
    QTest::newRow("Camera.Spot") << QList<int>{4, 4};
    QTest::newRow("Event") << QList<int>{5};
    QTest::newRow("Event.MotionConf") << QList<int>{5, 1};
    QTest::newRow("Event.Motion") << QList<int>{5, 1, 1};
    QTest::newRow("Event.SensorConf") << QList<int>{5, 2};
    QTest::newRow("Event.Sensor") << QList<int>{5, 2, 1};
    QTest::newRow("Event.Relay") << QList<int>{5, 3};
    QTest::newRow("Event.Email") << QList<int>{5, 4};
    QTest::newRow("Event.Email.Address") << QList<int>{5, 4, 1};
    QTest::newRow("Event.Email.SMTP") << QList<int>{5, 4, 2};
    QTest::newRow("Event.Email.SendCond") << QList<int>{5, 4, 3};
    QTest::newRow("Event.Email.SendContent") << QList<int>{5, 4, 4};
    QTest::newRow("Event.PostRecord") << QList<int>{5, 5};
    QTest::newRow("Hdd") << QList<int>{6};
    QTest::newRow("Hdd.Mode") << QList<int>{6, 1};
    QTest::newRow("Hdd.Smart") << QList<int>{6, 2};
    QTest::newRow("Network") << QList<int>{7};
    QTest::newRow("Network.TcpIp") << QList<int>{7, 1};
    QTest::newRow("Network.StaticNet") << QList<int>{7, 1, 3};
    QTest::newRow("Network.DDNS") << QList<int>{7, 2};
    QTest::newRow("Network.Stream") << QList<int>{7, 3};
    QTest::newRow("Network.Jpeg") << QList<int>{7, 3, 1};
    QTest::newRow("Network.H264") << QList<int>{7, 3, 2};
    QTest::newRow("Network.RemoteDvr") << QList<int>{7, 4};
    QTest::newRow("Record") << QList<int>{8};
    QTest::newRow("Record.Channel") << QList<int>{8, 1};
    QTest::newRow("Record.Schedule") << QList<int>{8, 2};
    QTest::newRow("Record.Misc") << QList<int>{8, 3};
    QTest::newRow("Record.Playback") << QList<int>{8, 4};
    QTest::newRow("System") << QList<int>{9};
    QTest::newRow("System.NameId") << QList<int>{9, 1};
    QTest::newRow("System.TimeDate") << QList<int>{9, 2};
    QTest::newRow("System.Buzzer") << QList<int>{9, 4};
    QTest::newRow("System.Display") << QList<int>{9, 5};
    QTest::newRow("System.Display.hdmi_vga_adjust") << QList<int>{9, 5, 7};
    QTest::newRow("System.Display.vga_only_adjust") << QList<int>{9, 5, 8};
}

void tst_CConfParser::foreignFieldsDroppedAtEveryLevel()
{
    QFETCH(QList<int>, path);

    config::DvrConf conf;
    QVERIFY(CConfParser::parse(nested(path, foreignFields()), conf));

    QCOMPARE(hex(serializedBytes(conf)), hex(nested(path, QByteArray())));
}

void tst_CConfParser::foreignFieldsDroppedInEveryListElement()
{
    const QByteArray user = nested({2}, foreignFields());
    config::Account account;
    QVERIFY(CConfParser::parse(user + user + user, account));

    QCOMPARE(account.users_size(), 3);
    QCOMPARE(hex(serializedBytes(account)), hex(QByteArray::fromHex("1200 1200 1200")));
}

void tst_CConfParser::malformedInputFails_data()
{
    QTest::addColumn<QByteArray>("input");

    QTest::newRow("truncated varint") << QByteArray::fromHex("0a00 10ff");
    QTest::newRow("truncated varint inside a part") << QByteArray::fromHex("0a02 10ff");
    QTest::newRow("truncated tag") << QByteArray::fromHex("0a00 ff");
    QTest::newRow("eleven-byte varint") << QByteArray::fromHex("0a0c 10 ffffffffffffffffffff01");
    QTest::newRow("length beyond the end") << QByteArray::fromHex("0a05 1010");
    QTest::newRow("length beyond its part") << QByteArray::fromHex("0a03 0a05 0801");
    QTest::newRow("over-long length") << QByteArray::fromHex("0a ffffffff0f 1010");
    QTest::newRow("truncated length") << QByteArray::fromHex("0a ff");
    QTest::newRow("unterminated group") << QByteArray::fromHex("7b 0801");
    QTest::newRow("stray end-group tag") << QByteArray::fromHex("0a021010 7c");
    QTest::newRow("tag zero") << QByteArray::fromHex("0a021010 00");
    QTest::newRow("nesting beyond the recursion limit") << QByteArray(200, '\x7b') + QByteArray(200, '\x7c');
}

void tst_CConfParser::malformedInputFails()
{
    QFETCH(QByteArray, input);

    config::DvrConf conf;
    conf.mutable_system()->set_language("german");
    const QByteArray before = serializedBytes(conf);

    QVERIFY(!CConfParser::parse(input, conf));

    QCOMPARE(hex(serializedBytes(conf)), hex(before));
}

void tst_CConfParser::hostileBuffers()
{
    const QByteArray complete = serializedBytes(CompleteDvrConf::build());
    ByteMutator mutator({complete, complete.left(600),
        QByteArray::fromHex("0a11 0803 1010 1801 2207 656e676c697368 2200"),
        nested({5, 1, 1}, QByteArray::fromHex("0808 1203 010001")), nested({8, 1}, QByteArray::fromHex("1202 0105"))});

    int parsed = 0;
    int refused = 0;
    for (int i = 0; i < 10000; ++i) {
        const QByteArray input = mutator.next();
        config::DvrConf conf;
        conf.mutable_limit()->set_apply_network_tcpip(true);
        if (!CConfParser::parse(input, conf)) {
            ++refused;
            QVERIFY(conf.limit().apply_network_tcpip());
            continue;
        }
        ++parsed;
        // What was kept must read back exactly as it is written.
        const QByteArray written = serializedBytes(conf);
        config::DvrConf again;
        QVERIFY(CConfParser::parse(written, again));
        if (serializedBytes(again) != written)
            QFAIL(qPrintable("unstable round trip for input " + input.toHex()));
    }

    QVERIFY(parsed > 500);
    QVERIFY(refused > 500);
}

QTEST_GUILESS_MAIN(tst_CConfParser)
#include "tst_CConfParser.moc"
