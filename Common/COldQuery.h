#pragma once

#include <QCoreApplication>
#include <QString>

// A literal query of the old dialect, "KEY=value&KEY=value...", built pair by
// pair. Every value travels exactly as it stands: whether an old DVR decodes
// escapes is unknown, so nothing is escaped (request payloads such as
// "0,1" or channel masks included). An ID or password that no such query can
// carry, one holding "&", "#", a blank or a control character, or a
// character without an EUC-KR form, refuses the whole query: result() is
// then CREDENTIAL_REFUSED, text() is empty and nothing may be sent, just as
// for a query that cgi::Data2Url refuses; errorText() is the report.
//
// The text is Unicode; the sender converts it to EUC-KR as it goes out.
// Every old-dialect request with credentials is built here.
class COldQuery {
    Q_DECLARE_TR_FUNCTIONS(COldQuery)

public:
    static constexpr int OK = 0;
    // Beside cgi::Data2Url's results, which are -1 and -2.
    static constexpr int CREDENTIAL_REFUSED = -3;

    COldQuery& add(const char* key, const QString& value);
    COldQuery& add(const char* key, long long number);
    // An ID or password, checked.
    COldQuery& addCredential(const char* key, const QString& value);
    // A request payload the program made (a command's REQ text such as
    // "10G2,5,10"): only digits, letters and "," are allowed (asserted).
    COldQuery& addPlain(const char* key, const QByteArray& value);

    int result() const { return m_result; }
    bool isRefused() const { return m_result != OK; }
    // The query; empty when it was refused.
    QString text() const { return isRefused() ? QString() : m_query; }
    // What a refused query is reported as; empty when it was not refused.
    QString errorText() const { return errorText(m_result); }
    static QString errorText(int result);

    // Whether an old-dialect query can carry the ID or password as it stands.
    static bool isCarriable(const QString& credential);

private:
    QString m_query;
    int m_result = OK;
};
