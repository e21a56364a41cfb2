#include "TestDvrAnswers.h"

#include "TestDvrScriptedStream.h"
#include "WireBuilder.h"
#include "dvr_protocol/cgi_request.pb.h"

QByteArray TestDvrAnswers::messagePacket(quint8 clientId, quint8 type, const google::protobuf::MessageLite& message)
{
    return WireBuilder::packet(clientId, type, WireBuilder::bytesOf(message));
}

QByteArray TestDvrAnswers::responsePacket(quint8 clientId, quint8 code, bool oldDialect)
{
    const quint8 type = oldDialect ? OLD_RESPONSE_TYPE : quint8(cgi::DATA_RESPONSE);
    return WireBuilder::packet(clientId, type, QByteArray(1, static_cast<char>(code)), oldDialect);
}

TestDvrReply TestDvrAnswers::stream(const TestDvrContent& content, int mode)
{
    QList<TestDvrStream::Chunk> script;
    script.append({responsePacket(content.clientId, ANSWER_ACCEPTED, false), 0});
    script.append({messagePacket(content.clientId, cgi::DATA_DVR_INFO, content.dvrInfo), 0});

    TestDvrStream::Chunk status;
    status.delayMs = content.streamStatusIntervalMs;
    if (mode == cgi::MODE_LIVE) {
        status.bytes = messagePacket(content.clientId, cgi::DATA_LIVE_STATUS, content.liveStatus);
    } else {
        cgi::PbStatus playback;
        playback.set_mode(0);
        status.bytes = messagePacket(content.clientId, cgi::DATA_PB_STATUS, playback);
    }
    return TestDvrReply::streamed(
        [script, status](QObject* parent) { return new TestDvrScriptedStream(script, status, parent); });
}

TestDvrReply TestDvrAnswers::refusal(const TestDvrRequest& request, const TestDvrContent& content)
{
    const bool oldDialect = request.dialect == TestDvrRequest::OldDialect;
    const quint8 code = request.userKnown ? ANSWER_PASSWORD_MISS : ANSWER_USER_UNKNOWN;
    return TestDvrReply::http(200, responsePacket(content.clientId, code, oldDialect));
}

TestDvrReply TestDvrAnswers::standard(const TestDvrRequest& request, const TestDvrContent& content)
{
    if (request.kind == TestDvrRequest::Malformed)
        return TestDvrReply::http(request.path.isEmpty() || request.path == "/cgi-bin/webapp.cgi" ? 400 : 404);
    return request.dialect == TestDvrRequest::NewDialect ? newDialect(request, content) : oldDialect(request, content);
}

TestDvrReply TestDvrAnswers::newDialect(const TestDvrRequest& request, const TestDvrContent& content)
{
    const quint8 id = content.clientId;
    switch (request.mode) {
    case cgi::MODE_LIVE:
    case cgi::MODE_PLAYBACK:
    case cgi::MODE_BACKUP:
        return stream(content, request.mode);
    case cgi::MODE_SEARCH:
        return TestDvrReply::http(200, messagePacket(id, content.calendarPacketType, content.calendar));
    case cgi::MODE_DVR_INFO:
        return TestDvrReply::http(200, messagePacket(id, cgi::DATA_DVR_INFO, content.dvrInfo));
    case cgi::MODE_HDD_INFO:
        return TestDvrReply::http(200, messagePacket(id, cgi::DATA_HDD_INFO, content.hddInfo));
    case cgi::MODE_SYS_LOG:
        return TestDvrReply::http(200, messagePacket(id, cgi::DATA_SYS_LOG, content.sysLog));
    case cgi::MODE_PICTURE_GET:
        return TestDvrReply::http(200, messagePacket(id, cgi::DATA_PICTURE, content.picture));
    case cgi::MODE_CONF_READ:
        return TestDvrReply::http(200, WireBuilder::packet(id, cgi::DATA_CONF, content.configuration));
    default:
        return TestDvrReply::http(cgi::Mode_IsValid(request.mode) ? 200 : 400);
    }
}

TestDvrReply TestDvrAnswers::oldDialect(const TestDvrRequest& request, const TestDvrContent& content)
{
    constexpr int MODE_INFO = 6;
    constexpr int OP_INFO = 17;
    constexpr int MODE_SEARCH = 7;
    if (request.mode == MODE_INFO && request.decodedParam("OP").toInt() == OP_INFO)
        return TestDvrReply::http(200, content.oldInfoPage, "text/html");
    if (request.mode == MODE_SEARCH)
        return TestDvrReply::http(200, content.oldSearchReply);
    return TestDvrReply::http(request.mode >= 0 ? 200 : 400);
}
