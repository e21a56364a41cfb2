#include "ByteMutator.h"
#include "Connection/CControlDVRList.h"
#include "Settings/CAppDir.h"
#include "WireBuilder.h"
#include "dvr_protocol/base64.h"
#include "dvr_protocol/cal_data.pb.h"
#include "dvr_protocol/cgi_protocol.h"
#include "dvr_protocol/cgi_response.pb.h"
#include "dvr_types/urlencode.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// Hostile bytes from a DVR, a query or a list file must never crash, hang or
// read out of bounds; the sanitizer build runs this with its checks on.
namespace {

constexpr int ROUNDS = 10000;

std::string str(const QByteArray& bytes)
{
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QList<QByteArray> replySamples()
{
    cgi::DvrInfo info;
    info.set_dvr_name("\xc7\xd1\xb1\xdb DVR");
    for (int i = 0; i < 16; ++i)
        info.add_ch_name("CAM" + std::to_string(i));
    cgi::HddInfo hdd;
    hdd.add_info()->set_model("disk");
    hdd.mutable_info(0)->set_total(1000000);
    cgi::SysLog log;
    log.add_log()->set_log("boot");
    log.mutable_log(0)->set_time(1388534400);
    cgi::PictureControlGet picture;
    cgi::CalData calendar;
    calendar.mutable_header()->set_ch_num(16);
    cgi::CalItem* item = calendar.add_items();
    item->set_start_time(1388534400);
    item->set_record_chmask(0xffff);
    for (unsigned i = 0; i < 16; ++i) {
        picture.add_contrast(i);
        item->add_record_reason(i % 4);
    }
    calendar.add_hours()->set_year(2014);
    cgi::LiveStatus live;
    live.set_motion_chmask(1);
    cgi::PbStatus playback;
    playback.set_mode(48);
    return {WireBuilder::bytesOf(info), WireBuilder::bytesOf(hdd), WireBuilder::bytesOf(log),
        WireBuilder::bytesOf(picture), WireBuilder::bytesOf(calendar), WireBuilder::bytesOf(live),
        WireBuilder::bytesOf(playback)};
}

} // namespace

class tst_InputFuzz : public QObject {
    Q_OBJECT

private slots:
    void replies();
    void queries();
    void listFiles();
};

void tst_InputFuzz::replies()
{
    cgi::DvrInfo info;
    cgi::LiveStatus live;
    cgi::PbStatus playback;
    cgi::HddInfo hdd;
    cgi::SysLog log;
    cgi::PictureControlGet picture;
    cgi::CalData calendar;
    google::protobuf::MessageLite* const messages[] = {&info, &live, &playback, &hdd, &log, &picture, &calendar};
    ByteMutator mutator(replySamples());
    int parsed = 0;
    for (int i = 0; i < ROUNDS; ++i) {
        const QByteArray input = mutator.next();
        for (google::protobuf::MessageLite* message : messages)
            parsed += message->ParseFromArray(input.constData(), static_cast<int>(input.size())) ? 1 : 0;
    }
    QVERIFY(parsed > ROUNDS);
}

void tst_InputFuzz::queries()
{
    cgi::User admin;
    admin.set_name("admin");
    admin.set_password("1234");
    cgi::Search search;
    search.set_version(1);
    search.set_start_time(1388534400);
    std::string query;
    QCOMPARE(cgi::Data2Url(cgi::MODE_SEARCH, admin, search, &query), cgi::DATA2URL_OK);
    ByteMutator mutator(
        {QByteArray::fromStdString(query), "CgVhZG1pbhIEMTIzNA%3d%3d", "CAYQAhgD", "%2b%3D%zz%", "+ Zm9v\rZm8="});
    for (int i = 0; i < ROUNDS; ++i) {
        const std::string text = str(mutator.next());
        cgi::Url2Mode(text);
        cgi::User user;
        const int decodedUser = cgi::Url2User(text, &user);
        cgi::Search data;
        const int decodedData = cgi::Url2Data(text, &data);
        QVERIFY(decodedUser == 0 || decodedUser == -1);
        QVERIFY(decodedData == 0 || decodedData == -1);
        std::string bytes;
        from64tobits(text, &bytes);
        QVERIFY(urldecode(text).size() <= text.size());
    }
}

void tst_InputFuzz::listFiles()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    CAppDir::setCurrentPathOverride(dir.path());

    GroupList groups;
    Group* group = groups.add_group();
    group->set_name("Group");
    DVR* dvr = group->add_dvr();
    dvr->set_name("DVR");
    dvr->set_address("10.0.0.1");
    dvr->add_chname("CAM1");
    const QByteArray valid = "DVRLIST_PB" + QByteArray::fromStdString(groups.SerializeAsString());
    ByteMutator mutator({valid, "DVRLIST_PB", "EMAPLIST_PB" + valid.mid(10)});

    // Unusable files are reported on stderr by design; keep the log readable.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    for (int i = 0; i < ROUNDS; ++i) {
        QFile file(CControlDVRList::filePath());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        const QByteArray content = mutator.next();
        QCOMPARE(file.write(content), content.size());
        file.close();

        CListFileStatus status;
        const GroupList loaded = CControlDVRList().Load(&status);
        QVERIFY(loaded.group_size() > 0);
        QCOMPARE(status.needsAttention(), !status.isOk());
    }
    qInstallMessageHandler(nullptr);
    CAppDir::setCurrentPathOverride(QString());
}

QTEST_GUILESS_MAIN(tst_InputFuzz)
#include "tst_InputFuzz.moc"
