#include "COldQuery.h"

#include "Common/CEucKr.h"
#include "dvr_types/KAssert.h"

#include <algorithm>

COldQuery& COldQuery::add(const char* key, const QString& value)
{
    if (!m_query.isEmpty())
        m_query += QLatin1Char('&');
    m_query += QLatin1String(key);
    m_query += QLatin1Char('=');
    m_query += value;
    return *this;
}

COldQuery& COldQuery::add(const char* key, long long number)
{
    return add(key, QString::number(number));
}

COldQuery& COldQuery::addPlain(const char* key, const QByteArray& value)
{
    const bool plain = std::all_of(value.begin(), value.end(),
        [](char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == ','; });
    K_ASSERT(plain, "Common/COldQuery.cpp, COldQuery::addPlain");
    return add(key, QString::fromLatin1(value));
}

COldQuery& COldQuery::addCredential(const char* key, const QString& value)
{
    if (!isCarriable(value))
        m_result = CREDENTIAL_REFUSED;
    return add(key, value);
}

QString COldQuery::errorText(int result)
{
    return result == CREDENTIAL_REFUSED ? tr("[ERROR]ID or password can not be sent") : QString();
}

bool COldQuery::isCarriable(const QString& credential)
{
    for (const QChar c : credential) {
        // "&" would end the value and "#" the query; a blank or a control
        // character breaks the request line or the form body.
        if (c == QLatin1Char('&') || c == QLatin1Char('#') || c.isSpace() || c.category() == QChar::Other_Control)
            return false;
    }
    // A character without an EUC-KR form would reach the DVR as another one.
    return CEucKr::toUnicode(CEucKr::fromUnicode(credential)) == credential;
}
