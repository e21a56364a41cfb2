#pragma once

#include <QByteArray>
#include <QString>

// A literal query of the old dialect, "KEY=value&KEY=value...", built pair by
// pair. Text values are narrow (EUC-KR) and URL-escaped, so an id or password
// holding "#", "&", "=", "%" or a blank cannot break the query or change its
// other parameters.
class COldQuery {
public:
    COldQuery& add(const char* key, const QString& value);
    COldQuery& add(const char* key, long long number);
    // A value the DVR reads as it stands, never unescaped (a command's REQ
    // text such as "10G2,5,10"): only digits, letters and "," are allowed.
    COldQuery& addPlain(const char* key, const QByteArray& value);

    QString text() const { return QString::fromLatin1(m_query); }

private:
    void append(const char* key, const QByteArray& escapedValue);

    QByteArray m_query;
};
