#include "dvr_protocol/cal_data.pb.h"
#include "dvr_protocol/cgi_request.pb.h"
#include "dvr_protocol/cgi_response.pb.h"

#include <QTest>

namespace {

QByteArray serialized(const google::protobuf::MessageLite& message)
{
    return QByteArray::fromStdString(message.SerializeAsString());
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

class tst_cgi_messages : public QObject {
    Q_OBJECT

private slots:
    void requestDefaultsAreNotSent();
    void requestEncodings();
    void invalidEnumerationsAreDropped();
    void dvrInfo();
    void repeatedLists();
    void emptyReplies();
};

void tst_cgi_messages::requestDefaultsAreNotSent()
{
    const cgi::Live live;
    QVERIFY(live.codec() == cgi::CODEC_MAIN && live.vchmask() == 65535 && live.achmask() == 65535);
    const cgi::Playback playback;
    QVERIFY(playback.skip_mode() && playback.vchmask() == 65535 && playback.achmask() == 65535);
    QCOMPARE(cgi::Backup().chmask(), 65535u);
    QCOMPARE(cgi::StreamChannel().vchmask(), 65535u);
    QCOMPARE(cgi::Search().chmask(), 65535u);
    for (const QByteArray& bytes : {serialized(live), serialized(playback), serialized(cgi::Backup()),
             serialized(cgi::StreamChannel()), serialized(cgi::Search()), serialized(cgi::NullMsg())})
        QCOMPARE(bytes, QByteArray());
}

void tst_cgi_messages::requestEncodings()
{
    cgi::StreamStop stop;
    stop.set_stream_id(5);
    QCOMPARE(serialized(stop).toHex(), QByteArray("1005"));

    cgi::Live live;
    live.set_vchmask(65535);
    QCOMPARE(serialized(live).toHex(), QByteArray("10ffff03"));

    // The largest request the client builds stays far below every limit.
    cgi::StreamChannel channel;
    channel.set_mode(cgi::MODE_PLAYBACK);
    channel.set_stream_id(0xffffffffu);
    channel.set_vchmask(0xffffffffu);
    channel.set_achmask(0xffffffffu);
    channel.set_header_only_mask(0xffffffffu);
    channel.set_auto_stream(cgi::AUTO_STREAM_SUB);
    QCOMPARE(serialized(channel).size(), 28);
}

void tst_cgi_messages::invalidEnumerationsAreDropped()
{
    const auto ptz = parsed<cgi::Ptzf>("080d1002");
    QVERIFY(!ptz.has_cmd());
    QCOMPARE(ptz.cmd(), cgi::Ptzf::CMD_ZOOM_IN);
    QCOMPARE(ptz.channel(), 2u);
    QCOMPARE(parsed<cgi::Ptzf>("080c").cmd(), cgi::Ptzf::CMD_PRESET_GO);

    const auto channel = parsed<cgi::StreamChannel>("08181007");
    QVERIFY(!channel.has_mode());
    QCOMPARE(channel.stream_id(), 7u);
    QVERIFY(cgi::Mode_IsValid(10) && cgi::Mode_IsValid(21) && cgi::Mode_IsValid(23) && !cgi::Mode_IsValid(24));
}

void tst_cgi_messages::dvrInfo()
{
    const auto empty = parsed<cgi::DvrInfo>("");
    QCOMPARE(empty.ch_num(), 16u);
    QCOMPARE(empty.available_chmask(), 65535u);
    QCOMPARE(empty.ch_name_size(), 0);
    QVERIFY(empty.dvr_name().empty() && empty.model_name().empty());
    QCOMPARE(empty.GetTypeName(), std::string("cgi.DvrInfo"));

    // An EUC-KR name, the undefined field 11, ch_num 4 and one channel name.
    const auto info = parsed<cgi::DvrInfo>("1a04c7d1b1db"
                                           "5a0178"
                                           "2004"
                                           "320343414d");
    QCOMPARE(QByteArray::fromStdString(info.dvr_name()).toHex(), QByteArray("c7d1b1db"));
    QCOMPARE(info.ch_num(), 4u);
    QCOMPARE(info.ch_name_size(), 1);
    QCOMPARE(info.ch_name(0), std::string("CAM"));
}

void tst_cgi_messages::repeatedLists()
{
    // Picture values travel unpacked; channel 3 of three values has none.
    cgi::PictureControlGet picture;
    for (unsigned value : {1u, 2u, 3u})
        picture.add_contrast(value);
    QCOMPARE(serialized(picture).toHex(), QByteArray("080108020803"));
    QCOMPARE(parsed<cgi::PictureControlGet>("080108020803").contrast_size(), 3);

    // Record kinds travel packed behind tag 34, and unpacked input is accepted too.
    cgi::CalItem item;
    item.set_record_chmask(7);
    for (unsigned reason : {1u, 2u, 300u})
        item.add_record_reason(reason);
    QCOMPARE(serialized(item).toHex(),
        QByteArray("1807"
                   "22040102ac02"));
    const auto mixed = parsed<cgi::CalItem>("20012003"
                                            "22020405");
    QCOMPARE(QList<quint32>(mixed.record_reason().begin(), mixed.record_reason().end()), QList<quint32>({1, 3, 4, 5}));
}

void tst_cgi_messages::emptyReplies()
{
    const auto calendar = parsed<cgi::CalData>("0801");
    QVERIFY(!calendar.has_header());
    QCOMPARE(calendar.header().ch_num(), 0u);
    QCOMPARE(calendar.items_size(), 0);
    QCOMPARE(parsed<cgi::HddInfo>("").info_size(), 0);
    QCOMPARE(parsed<cgi::SysLog>("").log_size(), 0);
}

QTEST_APPLESS_MAIN(tst_cgi_messages)
#include "tst_cgi_messages.moc"
