#pragma once

#include <QCoreApplication>
#include <QMetaType>
#include <QString>

// Why a streaming link to a DVR failed, as the DVR's screens show it: the
// DVR refused the request with an answer code of its dialect, the link lost
// the DVR (an unreachable DVR, silence, a drop), or the request could not be
// sent (the result of building its query). A value that keeps what happened,
// not a sentence: text() words it in the language chosen when it is read, so
// that what stands on the wall follows the operator's switch of languages.
// The null value is no failure to show, also a refusal that named no code.
class CLinkFailure {
    Q_DECLARE_TR_FUNCTIONS(CLinkFailure)

public:
    CLinkFailure() = default;

    static CLinkFailure lost();
    // Null for a code that accepts.
    static CLinkFailure refused(bool oldProtocol, int code);
    // The query builder's result (COldQuery::CREDENTIAL_REFUSED or one of
    // cgi::Data2Url's refusals); null for 0.
    static CLinkFailure notSent(int queryResult);

    bool isNull() const { return m_kind == Kind::None; }
    bool isLost() const { return m_kind == Kind::Lost; }
    // Empty for the null value.
    QString text() const;

    bool operator==(const CLinkFailure& other) const;
    bool operator!=(const CLinkFailure& other) const { return !(*this == other); }

private:
    enum class Kind { None, Lost, Refused, NotSent };

    Kind m_kind = Kind::None;
    bool m_oldProtocol = false;
    // The answer code, or the query builder's result.
    int m_code = 0;
};

Q_DECLARE_METATYPE(CLinkFailure)
