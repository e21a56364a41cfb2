#include "CEMapChannelRequest.h"

#include "Common/COldQuery.h"
#include "dvr_protocol/cgi_protocol.h"

namespace {

// Old-dialect command and its channel operation for map streams.
const int OLD_COMMAND = 5;
const int OLD_OP_EMAP_CHANNELS = 6;

} // namespace

QString CEMapChannelRequest::query(const DVR& dvr, int clientId, quint32 openChannels)
{
    if (clientId < 0)
        return QString();
    if (dvr.oldprotocol()) {
        return COldQuery()
            .add("MODE", OLD_COMMAND)
            .add("CID", clientId)
            .add("OP", OLD_OP_EMAP_CHANNELS)
            .addPlain("CH", QByteArray::number(openChannels, 16))
            .text();
    }
    cgi::User user;
    user.set_name(dvr.id());
    user.set_password(dvr.password());
    cgi::StreamChannel channels;
    channels.set_mode(cgi::MODE_LIVE);
    channels.set_stream_id(static_cast<quint32>(clientId));
    channels.set_vchmask(dvr.bitch());
    channels.set_achmask(0);
    channels.set_header_only_mask(dvr.bitch() & ~openChannels);
    std::string query;
    if (cgi::Data2Url(cgi::MODE_STREAM_CHANNEL, user, channels, &query) != cgi::DATA2URL_OK)
        return QString();
    return QString::fromStdString(query);
}
