#include "CSetupQuery.h"

#include "Common/COldQuery.h"
#include "Common/CPlainMessageBox.h"
#include "dvr_protocol/cgi_protocol.h"

#include <QMessageBox>

std::optional<QString> CSetupQuery::build(
    cgi::Mode mode, const std::string& user, const std::string& password, const google::protobuf::MessageLite& data)
{
    cgi::User credentials;
    credentials.set_name(user);
    credentials.set_password(password);
    std::string query;
    const int result = cgi::Data2Url(mode, credentials, data, &query);
    if (result != cgi::DATA2URL_OK) {
        reportRefused(QString::fromLatin1(cgi::Data2UrlErrorText(result)));
        return std::nullopt;
    }
    return QString::fromStdString(query);
}

std::optional<QString> CSetupQuery::build(const COldQuery& query)
{
    if (query.isRefused()) {
        reportRefused(query.errorText());
        return std::nullopt;
    }
    return query.text();
}

void CSetupQuery::reportRefused(const QString& reason)
{
    qDebug("[ERROR] request not sent: %s", qPrintable(reason));
    CPlainMessageBox::warning(nullptr, tr("DVR"), tr("The request was not sent: %1").arg(reason));
}
