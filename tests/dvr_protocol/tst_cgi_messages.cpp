#include "dvr_protocol/cal_data.pb.h"
#include "dvr_protocol/cgi_request.pb.h"
#include "dvr_protocol/cgi_response.pb.h"

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

} // namespace

class tst_cgi_messages : public QObject {
    Q_OBJECT

private slots:
    void enumerationRanges_data();
    void enumerationRanges();
    void defaultsAreNotSent_data();
    void defaultsAreNotSent();
    void requestEncodings_data();
    void requestEncodings();
    void invalidEnumerationsAreDropped_data();
    void invalidEnumerationsAreDropped();
    void dvrInfoDefaults();
    void dvrInfoKeepsNarrowTextAndSkipsUnknownFields();
    void pictureListsAreUnpacked();
    void recordReasonsArePacked();
    void recordReasonsAcceptUnpackedInput();
    void emptyReplies();
};

void tst_cgi_messages::enumerationRanges_data()
{
    QTest::addColumn<std::function<bool(int)>>("isValid");
    QTest::addColumn<int>("last");
    QTest::newRow("Mode") << std::function<bool(int)>(cgi::Mode_IsValid) << 23;
    QTest::newRow("Codec") << std::function<bool(int)>(cgi::Codec_IsValid) << 2;
    QTest::newRow("AutoStream") << std::function<bool(int)>(cgi::AutoStream_IsValid) << 2;
    QTest::newRow("PbControl::Cmd") << std::function<bool(int)>(cgi::PbControl_Cmd_IsValid) << 7;
    QTest::newRow("Ptzf::Cmd") << std::function<bool(int)>(cgi::Ptzf_Cmd_IsValid) << 12;
    QTest::newRow("AutoPreset::Cmd") << std::function<bool(int)>(cgi::AutoPreset_Cmd_IsValid) << 1;
    QTest::newRow("RelayPort::Cmd") << std::function<bool(int)>(cgi::RelayPort_Cmd_IsValid) << 1;
    QTest::newRow("SwUpgrade::Type") << std::function<bool(int)>(cgi::SwUpgrade_Type_IsValid) << 1;
    QTest::newRow("PictureControlSet::Type") << std::function<bool(int)>(cgi::PictureControlSet_Type_IsValid) << 5;
    QTest::newRow("DataType") << std::function<bool(int)>(cgi::DataType_IsValid) << 10;
    QTest::newRow("Error") << std::function<bool(int)>(cgi::Error_IsValid) << 7;
}

void tst_cgi_messages::enumerationRanges()
{
    QFETCH(std::function<bool(int)>, isValid);
    QFETCH(int, last);
    QVERIFY(!isValid(-1));
    for (int value = 0; value <= last; ++value)
        QVERIFY2(isValid(value), QByteArray::number(value).constData());
    QVERIFY(!isValid(last + 1));
}

void tst_cgi_messages::defaultsAreNotSent_data()
{
    QTest::addColumn<std::function<bool()>>("defaultsRead");
    QTest::addColumn<std::function<QByteArray()>>("bytes");
    QTest::newRow("Live") << std::function<bool()>([] {
        cgi::Live m;
        return m.codec() == cgi::CODEC_MAIN && m.vchmask() == 65535 && m.achmask() == 65535
            && m.header_only_mask() == 0;
    }) << std::function<QByteArray()>([] { return serialized(cgi::Live()); });
    QTest::newRow("Playback") << std::function<bool()>([] {
        cgi::Playback m;
        return m.skip_mode() && m.vchmask() == 65535 && m.achmask() == 65535 && m.start_time() == 0;
    }) << std::function<QByteArray()>([] { return serialized(cgi::Playback()); });
    QTest::newRow("Backup") << std::function<bool()>([] {
        cgi::Backup m;
        return m.chmask() == 65535 && m.start_time() == 0 && m.end_time() == 0;
    }) << std::function<QByteArray()>([] { return serialized(cgi::Backup()); });
    QTest::newRow("StreamChannel") << std::function<bool()>([] {
        cgi::StreamChannel m;
        return m.mode() == cgi::MODE_LIVE && m.vchmask() == 65535 && m.achmask() == 65535
            && m.auto_stream() == cgi::AUTO_STREAM_NONE;
    }) << std::function<QByteArray()>([] { return serialized(cgi::StreamChannel()); });
    QTest::newRow("Search") << std::function<bool()>([] {
        cgi::Search m;
        return m.chmask() == 65535 && m.version() == 0 && !m.hours_include();
    }) << std::function<QByteArray()>([] { return serialized(cgi::Search()); });
    QTest::newRow("NullMsg") << std::function<bool()>([] { return true; })
                             << std::function<QByteArray()>([] { return serialized(cgi::NullMsg()); });
}

void tst_cgi_messages::defaultsAreNotSent()
{
    QFETCH(std::function<bool()>, defaultsRead);
    QFETCH(std::function<QByteArray()>, bytes);
    QVERIFY(defaultsRead());
    QCOMPARE(bytes(), QByteArray());
}

void tst_cgi_messages::requestEncodings_data()
{
    QTest::addColumn<std::function<QByteArray()>>("bytes");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("stop carries only the stream id") << std::function<QByteArray()>([] {
        cgi::StreamStop m;
        m.set_stream_id(5);
        return serialized(m);
    }) << QByteArray::fromHex("1005");
    QTest::newRow("default value set explicitly is sent") << std::function<QByteArray()>([] {
        cgi::Live m;
        m.set_vchmask(65535);
        return serialized(m);
    }) << QByteArray::fromHex("10ffff03");
    QTest::newRow("largest client request") << std::function<QByteArray()>([] {
        cgi::StreamChannel m;
        m.set_mode(cgi::MODE_PLAYBACK);
        m.set_stream_id(0xffffffffu);
        m.set_vchmask(0xffffffffu);
        m.set_achmask(0xffffffffu);
        m.set_header_only_mask(0xffffffffu);
        m.set_auto_stream(cgi::AUTO_STREAM_SUB);
        return QByteArray::number(qsizetype(serialized(m).size()));
    }) << QByteArray("28");
}

void tst_cgi_messages::requestEncodings()
{
    QFETCH(std::function<QByteArray()>, bytes);
    QFETCH(QByteArray, expected);
    QCOMPARE(bytes(), expected);
}

void tst_cgi_messages::invalidEnumerationsAreDropped_data()
{
    QTest::addColumn<std::function<bool()>>("check");
    QTest::newRow("Ptzf cmd 13") << std::function<bool()>([] {
        const auto m = parsed<cgi::Ptzf>(QByteArray::fromHex("080d1002"));
        return !m.has_cmd() && m.cmd() == cgi::Ptzf::CMD_ZOOM_IN && m.channel() == 2;
    });
    QTest::newRow("StreamChannel mode 24") << std::function<bool()>([] {
        const auto m = parsed<cgi::StreamChannel>(QByteArray::fromHex("08181007"));
        return !m.has_mode() && m.mode() == cgi::MODE_LIVE && m.stream_id() == 7;
    });
    QTest::newRow("Ptzf cmd 12 is valid") << std::function<bool()>([] {
        const auto m = parsed<cgi::Ptzf>(QByteArray::fromHex("080c"));
        return m.has_cmd() && m.cmd() == cgi::Ptzf::CMD_PRESET_GO;
    });
}

void tst_cgi_messages::invalidEnumerationsAreDropped()
{
    QFETCH(std::function<bool()>, check);
    QVERIFY(check());
}

void tst_cgi_messages::dvrInfoDefaults()
{
    const auto info = parsed<cgi::DvrInfo>(QByteArray());
    QCOMPARE(info.ch_num(), 16u);
    QCOMPARE(info.available_chmask(), 65535u);
    QCOMPARE(info.ch_name_size(), 0);
    QVERIFY(info.dvr_name().empty() && info.model_name().empty() && info.mac_address().empty());
    QCOMPARE(info.GetTypeName(), std::string("cgi.DvrInfo"));
}

void tst_cgi_messages::dvrInfoKeepsNarrowTextAndSkipsUnknownFields()
{
    // dvr_name in EUC-KR, an undefined field 11, then ch_num 4 and a channel name.
    const QByteArray bytes = QByteArray::fromHex("1a04c7d1b1db") + QByteArray::fromHex("5a0178")
        + QByteArray::fromHex("2004") + QByteArray::fromHex("3203") + "CAM";
    const auto info = parsed<cgi::DvrInfo>(bytes);
    QCOMPARE(QByteArray::fromStdString(info.dvr_name()), QByteArray::fromHex("c7d1b1db"));
    QCOMPARE(info.ch_num(), 4u);
    QCOMPARE(info.ch_name_size(), 1);
    QCOMPARE(info.ch_name(0), std::string("CAM"));
    QVERIFY(info.model_name().empty());
}

void tst_cgi_messages::pictureListsAreUnpacked()
{
    cgi::PictureControlGet picture;
    for (unsigned value : {1u, 2u, 3u})
        picture.add_contrast(value);
    QCOMPARE(serialized(picture), QByteArray::fromHex("080108020803"));
    const auto back = parsed<cgi::PictureControlGet>(serialized(picture));
    QCOMPARE(back.contrast_size(), 3);
    QCOMPARE(back.brightness_size(), 0);
}

void tst_cgi_messages::recordReasonsArePacked()
{
    cgi::CalItem item;
    item.set_record_chmask(7);
    for (unsigned reason : {1u, 2u, 300u})
        item.add_record_reason(reason);
    QCOMPARE(serialized(item),
        QByteArray::fromHex("1807")
            + QByteArray::fromHex("220401"
                                  "02ac02"));
}

void tst_cgi_messages::recordReasonsAcceptUnpackedInput()
{
    const auto item = parsed<cgi::CalItem>(QByteArray::fromHex("200120032202"
                                                               "0405"));
    QCOMPARE(item.record_reason_size(), 4);
    QCOMPARE(item.record_reason(0), 1u);
    QCOMPARE(item.record_reason(1), 3u);
    QCOMPARE(item.record_reason(3), 5u);
}

void tst_cgi_messages::emptyReplies()
{
    const auto calendar = parsed<cgi::CalData>(QByteArray::fromHex("0801"));
    QVERIFY(!calendar.has_header());
    QCOMPARE(calendar.header().ch_num(), 0u);
    QCOMPARE(calendar.items_size(), 0);
    QCOMPARE(calendar.dvr_time(), 1u);

    QCOMPARE(parsed<cgi::HddInfo>(QByteArray()).info_size(), 0);
    QCOMPARE(parsed<cgi::SysLog>(QByteArray()).log_size(), 0);
}

QTEST_APPLESS_MAIN(tst_cgi_messages)
#include "tst_cgi_messages.moc"
