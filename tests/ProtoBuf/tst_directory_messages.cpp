#include "ProtoBuf/GroupList.pb.h"
#include "ProtoBuf/ModelInfo.pb.h"

#include <QTest>

namespace {

QByteArray hexOf(const google::protobuf::MessageLite& message)
{
    return QByteArray::fromStdString(message.SerializeAsString()).toHex();
}

template <typename Message> Message parsed(const QByteArray& hex)
{
    const QByteArray bytes = QByteArray::fromHex(hex);
    Message message;
    if (!message.ParseFromArray(bytes.constData(), static_cast<int>(bytes.size())))
        qFatal("test input does not parse");
    return message;
}

bool hasDvrDefaults(const DVR& dvr)
{
    return dvr.port() == 80 && dvr.chnum() == 16 && dvr.bitch() == 65535 && !dvr.oldprotocol() && dvr.address().empty()
        && dvr.id().empty() && dvr.password().empty() && dvr.chname_size() == 0;
}

DVR dvrWithNames(std::initializer_list<const char*> names)
{
    DVR dvr;
    for (const char* name : names)
        dvr.add_chname(name);
    return dvr;
}

} // namespace

class tst_directory_messages : public QObject {
    Q_OBJECT

private slots:
    void typeNames();
    void storedFieldNumbers();
    void defaultsAndPresence();
    void negativeNumbersRoundTrip();
    void mergeAppendsCopyReplaces();
    void unknownFieldsAreSkipped();
    void modelInfo_data();
    void modelInfo();
};

void tst_directory_messages::typeNames()
{
    QCOMPARE(DVR().GetTypeName(), std::string("DVR"));
    QCOMPARE(DVRList().GetTypeName(), std::string("DVRList"));
    QCOMPARE(Group().GetTypeName(), std::string("Group"));
    QCOMPARE(GroupList().GetTypeName(), std::string("GroupList"));
    QCOMPARE(config::ModelInfo().GetTypeName(), std::string("config.ModelInfo"));
}

void tst_directory_messages::storedFieldNumbers()
{
    // Operators' list files hold exactly these bytes.
    DVR dvr;
    dvr.set_name("n");
    dvr.set_address("a");
    dvr.set_port(8080);
    dvr.set_id("i");
    dvr.set_password("p");
    dvr.set_chnum(4);
    dvr.set_bitch(15);
    dvr.add_chname("c");
    dvr.set_oldprotocol(true);
    QCOMPARE(hexOf(dvr),
        QByteArray("0a016e"
                   "120161"
                   "18903f"
                   "220169"
                   "2a0170"
                   "3004"
                   "380f"
                   "420163"
                   "4801"));

    GroupList list;
    Group* group = list.add_group();
    group->set_autoconnect(2);
    group->set_name("g");
    group->add_dvr()->set_name("d");
    QCOMPARE(hexOf(list),
        QByteArray("0a0a"
                   "0802"
                   "120167"
                   "1a03"
                   "0a0164"));

    DVRList flat;
    flat.set_autoconnect(0);
    flat.add_dvr();
    QCOMPARE(hexOf(flat),
        QByteArray("0800"
                   "1200"));
}

void tst_directory_messages::defaultsAndPresence()
{
    QVERIFY(hasDvrDefaults(DVR()));
    QCOMPARE(hexOf(DVR()), QByteArray());

    const DVR named = parsed<DVR>("0a06" + QByteArray("My DVR").toHex());
    QCOMPARE(named.name(), std::string("My DVR"));
    QVERIFY(hasDvrDefaults(named) && !named.has_port());

    DVR port = parsed<DVR>("1850");
    QVERIFY(port.has_port());
    QCOMPARE(hexOf(port), QByteArray("1850"));
    port.Clear();
    QVERIFY(!port.has_port());

    const Group group = parsed<Group>("120167");
    QVERIFY(!group.has_autoconnect());
    QCOMPARE(group.autoconnect(), -1);
}

void tst_directory_messages::negativeNumbersRoundTrip()
{
    DVR dvr;
    dvr.set_port(-1);
    dvr.set_chnum(-16);
    QCOMPARE(hexOf(dvr).size(), 2 * 2 * 11);
    const DVR back = parsed<DVR>(hexOf(dvr));
    QCOMPARE(back.port(), -1);
    QCOMPARE(back.chnum(), -16);
}

void tst_directory_messages::mergeAppendsCopyReplaces()
{
    DVR merged = dvrWithNames({"a", "b"});
    merged.MergeFrom(dvrWithNames({"c", "d", "e"}));
    QCOMPARE(merged.chname_size(), 5);
    DVR copied = dvrWithNames({"a", "b"});
    copied.CopyFrom(dvrWithNames({"c", "d", "e"}));
    QCOMPARE(copied.chname_size(), 3);
    QCOMPARE(copied.chname(0), std::string("c"));
}

void tst_directory_messages::unknownFieldsAreSkipped()
{
    // Field 15 (a number) and field 20 (a text) are not defined for a DVR.
    const DVR dvr = parsed<DVR>("7805"
                                "a201026869"
                                "3004");
    QCOMPARE(dvr.chnum(), 4);
    QVERIFY(dvr.name().empty() && !dvr.has_port());
}

void tst_directory_messages::modelInfo_data()
{
    QTest::addColumn<QByteArray>("hex");
    QTest::addColumn<bool>("hasVideoType");
    QTest::addColumn<int>("videoType");
    QTest::addColumn<bool>("hasModel");
    QTest::addColumn<int>("model");
    QTest::addColumn<uint>("channels");
    QTest::newRow("defaults") << QByteArray() << false << 0 << false << 2 << 16u;
    QTest::newRow("valid values") << QByteArray("080410011800") << true << 1 << true << 0 << 4u;
    QTest::newRow("video type 2 dropped") << QByteArray("1002") << false << 0 << false << 2 << 16u;
    QTest::newRow("model type 3 dropped") << QByteArray("18030808") << false << 0 << false << 2 << 8u;
}

void tst_directory_messages::modelInfo()
{
    QFETCH(QByteArray, hex);
    QFETCH(bool, hasVideoType);
    QFETCH(int, videoType);
    QFETCH(bool, hasModel);
    QFETCH(int, model);
    QFETCH(uint, channels);
    const auto info = parsed<config::ModelInfo>(hex);
    QCOMPARE(info.has_videotype(), hasVideoType);
    QCOMPARE(int(info.videotype()), videoType);
    QCOMPARE(info.has_model(), hasModel);
    QCOMPARE(int(info.model()), model);
    QCOMPARE(info.channels(), channels);
    QCOMPARE(hexOf(config::ModelInfo()), QByteArray());
}

QTEST_APPLESS_MAIN(tst_directory_messages)
#include "tst_directory_messages.moc"
