#include "DVRSetup/CLiveCommand.h"

#include "Common/CDvrIdentity.h"
#include "Common/COldQuery.h"
#include "Connection/CSendCommand.h"
#include "dvr_protocol/cgi_protocol.h"

#include <QDebug>

namespace {

COldQuery commandNaming(int clientId, int op)
{
    COldQuery query;
    query.add("MODE", CLiveCommand::OLD_COMMAND_MODE).add("CID", clientId).add("OP", op);
    return query;
}

} // namespace

CLiveCommand::CLiveCommand(CSendCommand* sender)
    : m_ownSender(sender ? nullptr : std::make_unique<CSendCommand>())
    , m_sender(sender ? sender : m_ownSender.get())
{
}

CLiveCommand::CLiveCommand(const DVR& dvr, int clientId, CSendCommand* sender)
    : CLiveCommand(sender)
{
    setDVR(dvr, clientId);
}

CLiveCommand::~CLiveCommand() = default;

void CLiveCommand::setDVR(const DVR& dvr, int clientId, CDirectoryEntry::Id entry)
{
    m_dvr.CopyFrom(dvr);
    m_clientId = clientId;
    m_entry = entry;
    m_hasDvr = true;
}

void CLiveCommand::clearDVR()
{
    m_dvr.Clear();
    m_clientId = 0;
    m_entry = CDirectoryEntry::NONE;
    m_hasDvr = false;
}

bool CLiveCommand::isSameDVR(const DVR& dvr) const
{
    return m_hasDvr && CDvrIdentity::same(m_dvr, dvr);
}

QString CLiveCommand::newQuery(cgi::Mode mode, const google::protobuf::MessageLite& message) const
{
    return newQuery(m_dvr, mode, message);
}

QString CLiveCommand::newQuery(const DVR& dvr, cgi::Mode mode, const google::protobuf::MessageLite& message)
{
    cgi::User user;
    user.set_name(dvr.id());
    user.set_password(dvr.password());
    std::string query;
    const int result = cgi::Data2Url(mode, user, message, &query);
    if (result != cgi::DATA2URL_OK) {
        qDebug("[ERROR] request %d not sent: %s", static_cast<int>(mode), cgi::Data2UrlErrorText(result));
        return QString();
    }
    return QString::fromStdString(query);
}

void CLiveCommand::sendNew(cgi::Mode mode, const google::protobuf::MessageLite& message)
{
    if (m_hasDvr)
        send(newQuery(mode, message));
}

QString CLiveCommand::oldQuery(int op, std::optional<int> channel, const QByteArray& request) const
{
    return oldQuery(m_clientId, op, channel, request);
}

QString CLiveCommand::oldQuery(int clientId, int op, std::optional<int> channel, const QByteArray& request)
{
    COldQuery query = commandNaming(clientId, op);
    if (channel)
        query.add("CH", *channel);
    query.add("LEN", request.size()).addPlain("REQ", request);
    return checked(query);
}

void CLiveCommand::sendOld(int op, const QByteArray& request)
{
    send(oldQuery(op, std::nullopt, request));
}

COldQuery CLiveCommand::oldCommand(int op, int streamOffset) const
{
    return commandNaming(m_clientId + streamOffset, op);
}

void CLiveCommand::sendOld(const COldQuery& query)
{
    if (m_hasDvr)
        send(checked(query));
}

bool CLiveCommand::send(const QString& query, CSendCommand::Answered answered)
{
    return m_hasDvr && !query.isEmpty() && m_sender->send(m_dvr, query, std::move(answered));
}

QString CLiveCommand::checked(const COldQuery& query)
{
    if (query.isRefused())
        qDebug().noquote() << "[ERROR] command not sent:" << query.errorText();
    return query.text();
}
