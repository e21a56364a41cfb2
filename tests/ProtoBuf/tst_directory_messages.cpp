#include "ProtoBuf/GroupList.pb.h"
#include "ProtoBuf/ModelInfo.pb.h"

#include <QTest>

namespace {

QByteArray hexOf(const google::protobuf::MessageLite& message)
{
    return QByteArray::fromStdString(message.SerializeAsString()).toHex(' ');
}

template <typename Message> Message parsed(const QByteArray& hex)
{
    const QByteArray bytes = QByteArray::fromHex(hex);
    Message message;
    if (!message.ParseFromArray(bytes.constData(), static_cast<int>(bytes.size())))
        qFatal("test input does not parse");
    return message;
}

} // namespace

class tst_directory_messages : public QObject {
    Q_OBJECT

private slots:
    void storedFieldNumbers();
    void defaultsAndPresence();
    void modelInfo();
};

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
    QCOMPARE(hexOf(dvr), QByteArray("0a 01 6e 12 01 61 18 90 3f 22 01 69 2a 01 70 30 04 38 0f 42 01 63 48 01"));

    GroupList list;
    Group* group = list.add_group();
    group->set_autoconnect(2);
    group->set_name("g");
    group->add_dvr()->set_name("d");
    QCOMPARE(hexOf(list), QByteArray("0a 0a 08 02 12 01 67 1a 03 0a 01 64"));

    DVRList flat;
    flat.set_autoconnect(0);
    flat.add_dvr();
    QCOMPARE(hexOf(flat), QByteArray("08 00 12 00"));
}

void tst_directory_messages::defaultsAndPresence()
{
    QCOMPARE(hexOf(DVR()), QByteArray());
    // Fields 15 and 20 are not defined for a DVR and are skipped.
    const DVR dvr = parsed<DVR>("7805 a201026869 0a06" + QByteArray("My DVR").toHex());
    QCOMPARE(dvr.name(), std::string("My DVR"));
    QVERIFY(dvr.port() == 80 && dvr.chnum() == 16 && dvr.bitch() == 65535 && !dvr.oldprotocol());
    QVERIFY(dvr.address().empty() && dvr.id().empty() && dvr.password().empty() && dvr.chname_size() == 0);
    // A default value read from a file is kept present; negative numbers take ten bytes.
    QCOMPARE(hexOf(parsed<DVR>("1850")), QByteArray("18 50"));
    DVR negative;
    negative.set_port(-1);
    negative.set_chnum(-16);
    QCOMPARE(hexOf(negative), QByteArray("18 ff ff ff ff ff ff ff ff ff 01 30 f0 ff ff ff ff ff ff ff ff 01"));
    QCOMPARE(parsed<DVR>(hexOf(negative)).chnum(), -16);

    const Group group = parsed<Group>("120167");
    QVERIFY(!group.has_autoconnect());
    QCOMPARE(group.autoconnect(), -1);
}

void tst_directory_messages::modelInfo()
{
    const config::ModelInfo empty;
    QVERIFY(empty.videotype() == 0 && empty.model() == 2 && empty.channels() == 16);
    QCOMPARE(hexOf(parsed<config::ModelInfo>("0804 1001 1800")), QByteArray("08 04 10 01 18 00"));
    QVERIFY(!parsed<config::ModelInfo>("1002").has_videotype());
    // An unknown model type is dropped and leaves the field absent.
    const auto dropped = parsed<config::ModelInfo>("1803 0808");
    QVERIFY(!dropped.has_model() && dropped.model() == 2 && dropped.channels() == 8);
}

QTEST_APPLESS_MAIN(tst_directory_messages)
#include "tst_directory_messages.moc"
