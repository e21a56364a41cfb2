#include "CStreamQuery.h"

#include "Common/CDateTime.h"
#include "Common/COldQuery.h"
#include "dvr_protocol/cgi_protocol.h"

namespace {

// Old-dialect modes of stream requests and of the stop command.
const int OLD_LIVE = 0;
const int OLD_LIVE_SUB = 9;
const int OLD_RECORDED = 2;
const int OLD_AUDIO_LIVE = 1;
const int OLD_AUDIO_LIVE_SUB = 10;
const int OLD_AUDIO_RECORDED = 3;
const int OLD_COMMAND = 5;
const int OLD_OP_STOP = 5;

QString text(const std::string& bytes)
{
    return QString::fromStdString(bytes);
}

QString hexMask(const DVR& dvr)
{
    return QString::number(dvr.bitch(), 16);
}

cgi::User userOf(const DVR& dvr)
{
    cgi::User user;
    user.set_name(dvr.id());
    user.set_password(dvr.password());
    return user;
}

QString newQuery(cgi::Mode mode, const DVR& dvr, const google::protobuf::MessageLite& message, int* result)
{
    std::string query;
    const int encoded = cgi::Data2Url(mode, userOf(dvr), message, &query);
    if (result)
        *result = encoded;
    return encoded == cgi::DATA2URL_OK ? QString::fromStdString(query) : QString();
}

QString oldQuery(const COldQuery& query, int* result)
{
    if (result)
        *result = query.result();
    return query.text();
}

COldQuery& addUser(COldQuery& query, const DVR& dvr)
{
    return query.addCredential("ID", text(dvr.id())).addCredential("PW", text(dvr.password()));
}

QString newVideo(const DVR& dvr, const CHttpConnect::ConnParam& request, int* result)
{
    switch (request.mode) {
    case CHttpConnect::PLAYBACK: {
        cgi::Playback playback;
        playback.set_start_time(static_cast<quint32>(request.startTime));
        playback.set_vchmask(dvr.bitch());
        playback.set_achmask(dvr.bitch());
        playback.set_skip_mode(request.skipMode);
        return newQuery(cgi::MODE_PLAYBACK, dvr, playback, result);
    }
    case CHttpConnect::BACKUP: {
        cgi::Backup backup;
        backup.set_start_time(static_cast<quint32>(request.startTime));
        backup.set_end_time(static_cast<quint32>(request.endTime));
        backup.set_chmask(dvr.bitch());
        return newQuery(cgi::MODE_BACKUP, dvr, backup, result);
    }
    default: {
        cgi::Live live;
        live.set_codec(cgi::Codec_IsValid(request.codec) ? cgi::Codec(request.codec) : cgi::CODEC_MAIN);
        live.set_vchmask(dvr.bitch());
        // A map view asks for headers only; it turns pictures on per camera.
        live.set_achmask(request.emapMode ? 0 : dvr.bitch());
        live.set_header_only_mask(request.emapMode ? dvr.bitch() : 0);
        return newQuery(cgi::MODE_LIVE, dvr, live, result);
    }
    }
}

QString oldVideo(const DVR& dvr, const CHttpConnect::ConnParam& request, int* result)
{
    COldQuery query;
    if (request.mode == CHttpConnect::LIVE) {
        query.add("MODE", request.codec != 0 ? OLD_LIVE_SUB : OLD_LIVE);
    } else {
        query.add("MODE", OLD_RECORDED);
        query.add("STARTTIME", CStreamQuery::oldTime(request.startTime));
        if (request.mode == CHttpConnect::BACKUP)
            query.add("ENDTIME", CStreamQuery::oldTime(request.endTime));
    }
    addUser(query, dvr).add("VER", CStreamQuery::OLD_VERSION).add("CH", hexMask(dvr));
    return oldQuery(query, result);
}

} // namespace

QString CStreamQuery::video(const DVR& dvr, const CHttpConnect::ConnParam& request, int* result)
{
    return dvr.oldprotocol() ? oldVideo(dvr, request, result) : newVideo(dvr, request, result);
}

QString CStreamQuery::audio(const DVR& dvr, const CHttpConnect::ConnParam& request, int videoClientId, int* result)
{
    int mode = OLD_AUDIO_RECORDED;
    if (request.mode == CHttpConnect::LIVE)
        mode = request.codec != 0 ? OLD_AUDIO_LIVE_SUB : OLD_AUDIO_LIVE;
    COldQuery query;
    query.add("MODE", mode);
    addUser(query, dvr)
        .add("VER", OLD_VERSION)
        .add("CH", hexMask(dvr))
        .add("CID", videoClientId + AUDIO_CLIENT_ID_OFFSET);
    return oldQuery(query, result);
}

QString CStreamQuery::stop(const DVR& dvr, int clientId, bool audioLink)
{
    if (dvr.oldprotocol()) {
        const int stream = clientId + (audioLink ? AUDIO_CLIENT_ID_OFFSET : 0);
        return COldQuery().add("MODE", OLD_COMMAND).add("CID", stream).add("OP", OLD_OP_STOP).text();
    }
    if (audioLink)
        return QString();
    cgi::StreamStop stop;
    stop.set_stream_id(static_cast<quint32>(clientId));
    return newQuery(cgi::MODE_STREAM_STOP, dvr, stop, nullptr);
}

QString CStreamQuery::oldTime(time_t seconds)
{
    return CDateTime::convert_Timet_QDateTime(static_cast<long>(seconds)).toString(QStringLiteral("yyMMddhhmmss"));
}
