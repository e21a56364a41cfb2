#include "TestDvrRequest.h"

#include "dvr_types/urlencode.h"

namespace {

const int OLD_COMMAND_MODE = 5;
const int OLD_OP_RELAY = 20;

} // namespace

QByteArray TestDvrRequest::header(const QByteArray& name) const
{
    for (const auto& [key, value] : headers) {
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return value;
    }
    return QByteArray();
}

bool TestDvrRequest::hasParam(const QByteArray& key) const
{
    for (const auto& pair : params) {
        if (pair.first == key)
            return true;
    }
    return false;
}

QByteArray TestDvrRequest::param(const QByteArray& key) const
{
    for (const auto& [name, value] : params) {
        if (name == key)
            return value;
    }
    return QByteArray();
}

QByteArray TestDvrRequest::decodedParam(const QByteArray& key) const
{
    const QByteArray value = param(key);
    return QByteArray::fromStdString(urldecode(std::string_view(value.constData(), value.size())));
}

std::optional<bool> TestDvrRequest::relayOn() const
{
    if (kind != Command)
        return std::nullopt;
    if (dialect == OldDialect) {
        if (mode != OLD_COMMAND_MODE || decodedParam("OP").toInt() != OLD_OP_RELAY)
            return std::nullopt;
        return decodedParam("REQ").endsWith(",1");
    }
    cgi::RelayPort port;
    if (mode != cgi::MODE_RELAY_PORT || !dataDecoded || !port.ParseFromString(data.toStdString()))
        return std::nullopt;
    return port.cmd() == cgi::RelayPort::CMD_ON;
}
