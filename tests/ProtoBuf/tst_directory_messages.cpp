#include "ProtoBuf/GroupList.pb.h"
#include "ProtoBuf/ModelInfo.pb.h"

#include <QTest>
#include <functional>

namespace {

QByteArray serialized(const google::protobuf::MessageLite& message)
{
    return QByteArray::fromStdString(message.SerializeAsString());
}

template <typename Message> Message parsed(const QByteArray& bytes)
{
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
    void encodings_data();
    void encodings();
    void dvrDefaultsSurviveRoundTrip();
    void explicitDefaultIsPresent();
    void negativeNumbersRoundTrip();
    void mergeAppendsCopyReplaces();
    void groupWithoutAutoConnect();
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

void tst_directory_messages::encodings_data()
{
    QTest::addColumn<std::function<QByteArray()>>("bytes");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("default DVR") << std::function<QByteArray()>([] { return serialized(DVR()); }) << QByteArray();
    QTest::newRow("DVR with name only") << std::function<QByteArray()>([] {
        DVR dvr;
        dvr.set_name("My DVR");
        return serialized(dvr);
    }) << QByteArray::fromHex("0a06") + "My DVR";
    QTest::newRow("every DVR field") << std::function<QByteArray()>([] {
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
        return serialized(dvr);
    })
                                     << QByteArray::fromHex("0a016e"
                                                            "120161"
                                                            "18903f"
                                                            "220169"
                                                            "2a0170"
                                                            "3004"
                                                            "380f"
                                                            "420163"
                                                            "4801");
    QTest::newRow("group") << std::function<QByteArray()>([] {
        GroupList list;
        Group* group = list.add_group();
        group->set_autoconnect(2);
        group->set_name("g");
        group->add_dvr()->set_name("d");
        return serialized(list);
    })
                           << QByteArray::fromHex("0a0a"
                                                  "0802"
                                                  "120167"
                                                  "1a03"
                                                  "0a0164");
    QTest::newRow("default model info") << std::function<QByteArray()>([] { return serialized(config::ModelInfo()); })
                                        << QByteArray();
}

void tst_directory_messages::encodings()
{
    QFETCH(std::function<QByteArray()>, bytes);
    QFETCH(QByteArray, expected);
    QCOMPARE(bytes().toHex(), expected.toHex());
}

void tst_directory_messages::dvrDefaultsSurviveRoundTrip()
{
    QVERIFY(hasDvrDefaults(DVR()));
    DVR named;
    named.set_name("My DVR");
    const DVR back = parsed<DVR>(serialized(named));
    QCOMPARE(back.name(), std::string("My DVR"));
    QVERIFY(hasDvrDefaults(back));
    QVERIFY(!back.has_port());
}

void tst_directory_messages::explicitDefaultIsPresent()
{
    DVR dvr;
    dvr.set_port(80);
    QCOMPARE(serialized(dvr), QByteArray::fromHex("1850"));
    DVR back = parsed<DVR>(serialized(dvr));
    QVERIFY(back.has_port());
    back.Clear();
    QVERIFY(!back.has_port());
    QCOMPARE(serialized(back), QByteArray());
}

void tst_directory_messages::negativeNumbersRoundTrip()
{
    DVR dvr;
    dvr.set_port(-1);
    dvr.set_chnum(-16);
    QCOMPARE(serialized(dvr).size(), 2 * 11);
    const DVR back = parsed<DVR>(serialized(dvr));
    QCOMPARE(back.port(), -1);
    QCOMPARE(back.chnum(), -16);
}

void tst_directory_messages::mergeAppendsCopyReplaces()
{
    DVR merged = dvrWithNames({"a", "b"});
    merged.MergeFrom(dvrWithNames({"c", "d", "e"}));
    QCOMPARE(merged.chname_size(), 5);
    QCOMPARE(merged.chname(2), std::string("c"));

    DVR copied = dvrWithNames({"a", "b"});
    copied.CopyFrom(dvrWithNames({"c", "d", "e"}));
    QCOMPARE(copied.chname_size(), 3);
    QCOMPARE(copied.chname(0), std::string("c"));
}

void tst_directory_messages::groupWithoutAutoConnect()
{
    const Group group = parsed<Group>(QByteArray::fromHex("120167"));
    QCOMPARE(group.name(), std::string("g"));
    QVERIFY(!group.has_autoconnect());
    QCOMPARE(group.autoconnect(), -1);
}

void tst_directory_messages::unknownFieldsAreSkipped()
{
    // Field 15 (varint) and field 20 (text) are not defined for a DVR.
    const DVR dvr = parsed<DVR>(QByteArray::fromHex("7805"
                                                    "a20102"
                                                    "6869"
                                                    "3004"));
    QCOMPARE(dvr.chnum(), 4);
    QVERIFY(dvr.name().empty() && !dvr.has_port());
}

void tst_directory_messages::modelInfo_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("hasVideoType");
    QTest::addColumn<int>("videoType");
    QTest::addColumn<bool>("hasModel");
    QTest::addColumn<int>("model");
    QTest::addColumn<uint>("channels");
    QTest::newRow("defaults") << QByteArray() << false << 0 << false << 2 << 16u;
    QTest::newRow("valid values") << QByteArray::fromHex("080410011800") << true << 1 << true << 0 << 4u;
    QTest::newRow("video type 2 dropped") << QByteArray::fromHex("1002") << false << 0 << false << 2 << 16u;
    QTest::newRow("model type 3 dropped") << QByteArray::fromHex("18030808") << false << 0 << false << 2 << 8u;
}

void tst_directory_messages::modelInfo()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, hasVideoType);
    QFETCH(int, videoType);
    QFETCH(bool, hasModel);
    QFETCH(int, model);
    QFETCH(uint, channels);
    const auto info = parsed<config::ModelInfo>(bytes);
    QCOMPARE(info.has_videotype(), hasVideoType);
    QCOMPARE(int(info.videotype()), videoType);
    QCOMPARE(info.has_model(), hasModel);
    QCOMPARE(int(info.model()), model);
    QCOMPARE(info.channels(), channels);
    QVERIFY(config::VideoType_IsValid(1) && !config::VideoType_IsValid(2));
    QVERIFY(config::ModelType_IsValid(2) && !config::ModelType_IsValid(3));
}

QTEST_APPLESS_MAIN(tst_directory_messages)
#include "tst_directory_messages.moc"
