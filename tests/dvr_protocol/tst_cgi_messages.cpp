#include "dvr_protocol/cal_data.pb.h"
#include "dvr_protocol/cgi_request.pb.h"
#include "dvr_protocol/cgi_response.pb.h"

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

// A row whose input is parsed as Message and written back.
template <typename Message> void addRow(const char* name, const char* input, const char* written)
{
    QTest::newRow(name) << hexOf(parsed<Message>(input)) << QByteArray(written);
}

} // namespace

class tst_cgi_messages : public QObject {
    Q_OBJECT

private slots:
    void requestDefaultsAreNotSent();
    void vectors_data();
    void vectors();
    void dvrInfo();
    void invalidEnumerationsAreDropped();
};

void tst_cgi_messages::requestDefaultsAreNotSent()
{
    const cgi::Live live;
    QVERIFY(live.codec() == cgi::CODEC_MAIN && live.vchmask() == 65535 && live.achmask() == 65535);
    const cgi::Playback playback;
    QVERIFY(playback.skip_mode() && playback.vchmask() == 65535 && playback.achmask() == 65535);
    QVERIFY(
        cgi::Backup().chmask() == 65535 && cgi::StreamChannel().vchmask() == 65535 && cgi::Search().chmask() == 65535);
    for (const QByteArray& bytes : {hexOf(live), hexOf(playback), hexOf(cgi::Backup()), hexOf(cgi::StreamChannel()),
             hexOf(cgi::Search()), hexOf(cgi::NullMsg())})
        QCOMPARE(bytes, QByteArray());
}

void tst_cgi_messages::vectors_data()
{
    QTest::addColumn<QByteArray>("written");
    QTest::addColumn<QByteArray>("expected");

    cgi::Live live;
    live.set_vchmask(65535);
    QTest::newRow("a default set explicitly is sent") << hexOf(live) << QByteArray("10 ff ff 03");
    cgi::StreamStop stop;
    stop.set_stream_id(5);
    QTest::newRow("stream stop") << hexOf(stop) << QByteArray("10 05");
    // Picture values travel unpacked, record kinds packed; both forms are read.
    addRow<cgi::PictureControlGet>("picture values", "0801 0802 0803", "08 01 08 02 08 03");
    addRow<cgi::CalItem>("record kinds", "1807 2001 2003 2203 04ac02", "18 07 22 05 01 03 04 ac 02");
}

void tst_cgi_messages::vectors()
{
    QFETCH(QByteArray, written);
    QFETCH(QByteArray, expected);
    QCOMPARE(written, expected);
}

void tst_cgi_messages::dvrInfo()
{
    const auto empty = parsed<cgi::DvrInfo>("");
    QVERIFY(empty.ch_num() == 16 && empty.available_chmask() == 65535 && empty.ch_name_size() == 0);

    // An EUC-KR name, the undefined field 11, ch_num 4 and one channel name.
    const auto info = parsed<cgi::DvrInfo>("1a04c7d1b1db 5a0178 2004 320343414d");
    QCOMPARE(QByteArray::fromStdString(info.dvr_name()).toHex(), QByteArray("c7d1b1db"));
    QCOMPARE(info.ch_num(), 4u);
    QCOMPARE(info.ch_name_size(), 1);
    QCOMPARE(info.ch_name(0), std::string("CAM"));
    const auto calendar = parsed<cgi::CalData>("0801");
    QVERIFY(!calendar.has_header() && calendar.header().ch_num() == 0);
    QCOMPARE(parsed<cgi::HddInfo>("").info_size(), 0);
}

void tst_cgi_messages::invalidEnumerationsAreDropped()
{
    const auto ptz = parsed<cgi::Ptzf>("080d 1002");
    QVERIFY(!ptz.has_cmd() && ptz.channel() == 2);
    const auto channel = parsed<cgi::StreamChannel>("0818 1007");
    QVERIFY(!channel.has_mode() && channel.stream_id() == 7);
    QVERIFY(cgi::Mode_IsValid(23) && !cgi::Mode_IsValid(24));
}

QTEST_APPLESS_MAIN(tst_cgi_messages)
#include "tst_cgi_messages.moc"
