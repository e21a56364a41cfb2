#include "TestDvrRequest.h"

#include "dvr_types/urlencode.h"

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
