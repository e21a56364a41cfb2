#include "Recording/CSearchRequest.h"

#include "Common/CDataParser.h"
#include "Common/COldQuery.h"
#include "dvr_protocol/cgi_protocol.h"

namespace {
const int OLD_MODE_SEARCH = 7;
const std::uint32_t ALL_CHANNELS = 0xFFFF;
const std::uint32_t SEARCH_VERSION = 1;
} // namespace

CSearchRequest CSearchRequest::newDialect(bool hoursIncluded, std::uint32_t start, std::uint32_t end)
{
    CSearchRequest request;
    request.m_hoursIncluded = hoursIncluded;
    request.m_start = start;
    request.m_end = end;
    return request;
}

CSearchRequest CSearchRequest::oldDialect(int clientId)
{
    CSearchRequest request;
    request.m_oldDialect = true;
    request.m_clientId = clientId;
    return request;
}

QString CSearchRequest::query(const DVR& dvr) const
{
    if (m_oldDialect)
        return COldQuery().add("MODE", OLD_MODE_SEARCH).add("CID", m_clientId).text();

    cgi::User user;
    user.set_name(dvr.id());
    user.set_password(dvr.password());
    cgi::Search search;
    search.set_chmask(ALL_CHANNELS);
    search.set_version(SEARCH_VERSION);
    search.set_hours_include(m_hoursIncluded);
    search.set_start_time(m_start);
    search.set_end_time(m_end);
    std::string query;
    if (cgi::Data2Url(cgi::MODE_SEARCH, user, search, &query) != cgi::DATA2URL_OK)
        return QString();
    return QString::fromStdString(query);
}

std::optional<CSearchDataParser> CSearchRequest::read(const QByteArray& reply) const
{
    CSearchDataParser parser(m_oldDialect);
    if (m_oldDialect) {
        parser.setNetData(reply.constData(), int(reply.size()));
        return parser;
    }
    CDataParser packets;
    if (!packets.setReceivedData(reply.constData(), unsigned(reply.size())))
        return std::nullopt;
    const std::vector<char>& payload = packets.getResultData();
    parser.setSearchRange(m_start, m_end);
    parser.setNetData(payload.data(), int(payload.size()));
    return parser;
}
