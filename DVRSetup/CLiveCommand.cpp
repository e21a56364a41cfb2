#include "DVRSetup/CLiveCommand.h"

#include "Common/COldQuery.h"
#include "Connection/CSendCommand.h"
#include "dvr_protocol/cgi_protocol.h"

#include <QDebug>

CLiveCommand::CLiveCommand()
    : m_sender(std::make_unique<CSendCommand>())
{
}

CLiveCommand::~CLiveCommand() = default;

void CLiveCommand::setDVR(const DVR& dvr, int clientId)
{
    m_dvr.CopyFrom(dvr);
    m_clientId = clientId;
}

QString CLiveCommand::newQuery(cgi::Mode mode, const google::protobuf::MessageLite& message) const
{
    cgi::User user;
    user.set_name(m_dvr.id());
    user.set_password(m_dvr.password());
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
    const QString query = newQuery(mode, message);
    if (!query.isEmpty())
        m_sender->send(m_dvr, query);
}

void CLiveCommand::sendOld(int op, int channel, const QByteArray& request)
{
    sendOldQuery(op, channel, request);
}

void CLiveCommand::sendOld(int op, const QByteArray& request)
{
    sendOldQuery(op, std::nullopt, request);
}

void CLiveCommand::sendOldQuery(int op, std::optional<int> channel, const QByteArray& request)
{
    COldQuery query;
    query.add("MODE", OLD_COMMAND_MODE).add("CID", m_clientId).add("OP", op);
    if (channel)
        query.add("CH", *channel);
    query.add("LEN", request.size()).addPlain("REQ", request);
    m_sender->send(m_dvr, query.text());
}
