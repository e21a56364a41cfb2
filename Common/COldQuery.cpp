#include "COldQuery.h"

#include "Common/CEucKr.h"
#include "dvr_types/KAssert.h"
#include "dvr_types/urlencode.h"

#include <algorithm>

COldQuery& COldQuery::add(const char* key, const QString& value)
{
    const QByteArray narrow = CEucKr::fromUnicode(value);
    append(key, QByteArray::fromStdString(urlencode(std::string_view(narrow.constData(), narrow.size()))));
    return *this;
}

COldQuery& COldQuery::add(const char* key, long long number)
{
    append(key, QByteArray::number(number));
    return *this;
}

COldQuery& COldQuery::addPlain(const char* key, const QByteArray& value)
{
    const bool plain = std::all_of(value.begin(), value.end(),
        [](char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == ','; });
    K_ASSERT(plain, "Common/COldQuery.cpp, COldQuery::addPlain");
    append(key, value);
    return *this;
}

void COldQuery::append(const char* key, const QByteArray& escapedValue)
{
    if (!m_query.isEmpty())
        m_query += '&';
    m_query += key;
    m_query += '=';
    m_query += escapedValue;
}
