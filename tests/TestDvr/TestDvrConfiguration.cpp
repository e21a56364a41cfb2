#include "TestDvrConfiguration.h"

#include "TestDvr.h"
#include "WireBuilder.h"
#include "dvr_protocol/cgi_response.pb.h"
#include "sys_conf/proto/dvr_conf.pb.h"
#include "tests/sys_conf/CompleteDvrConf.h"

namespace {

// The whole packet, or only its first half.
QByteArray readAnswer(const TestDvrContent& content, TestDvrConfiguration::Reply reply)
{
    const quint8 type = reply == TestDvrConfiguration::Reply::OtherType ? cgi::DATA_DVR_INFO : cgi::DATA_CONF;
    const QByteArray packet = WireBuilder::packet(content.clientId, type, content.configuration);
    return reply == TestDvrConfiguration::Reply::CutShort ? packet.left(packet.size() / 2) : packet;
}

} // namespace

QByteArray TestDvrConfiguration::standard()
{
    config::DvrConf conf = CompleteDvrConf::build();
    conf.mutable_dvr_info()->set_model(4);
    conf.mutable_dvr_info()->set_vtype(0);
    return WireBuilder::bytesOf(conf);
}

void TestDvrConfiguration::install(TestDvr* dvr, Reply reply)
{
    dvr->setHandler(
        TestDvrRequest::NewDialect, cgi::MODE_CONF_READ, [reply](const TestDvrRequest&, const TestDvrContent& content) {
            return TestDvrReply::http(200, readAnswer(content, reply));
        });
    dvr->setHandler(TestDvrRequest::NewDialect, cgi::MODE_CONF_WRITE,
        [dvr](const TestDvrRequest& request, const TestDvrContent& content) {
            for (const TestDvrUploadPart& part : request.parts) {
                if (part.name != "REQ")
                    continue;
                QByteArray updated = content.configuration;
                if (!replaceParts(&updated, part.content))
                    break;
                TestDvrContent changed = dvr->content();
                changed.configuration = updated;
                dvr->setContent(changed);
                return TestDvrReply::http(200);
            }
            return TestDvrReply::http(400);
        });
}

bool TestDvrConfiguration::replaceParts(QByteArray* held, const QByteArray& uploaded)
{
    config::DvrConf conf;
    config::DvrConf upload;
    if (!conf.ParseFromString(held->toStdString()) || !upload.ParseFromString(uploaded.toStdString()))
        return false;
    if (upload.has_system())
        *conf.mutable_system() = upload.system();
    if (upload.has_network())
        *conf.mutable_network() = upload.network();
    if (upload.has_record())
        *conf.mutable_record() = upload.record();
    if (upload.has_hdd())
        *conf.mutable_hdd() = upload.hdd();
    if (upload.has_event())
        *conf.mutable_event() = upload.event();
    if (upload.has_account())
        *conf.mutable_account() = upload.account();
    if (upload.has_camera())
        *conf.mutable_camera() = upload.camera();
    *held = WireBuilder::bytesOf(conf);
    return true;
}
