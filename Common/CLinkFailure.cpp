#include "Common/CLinkFailure.h"

#include "Common/CAnswerCode.h"
#include "Common/COldQuery.h"

CLinkFailure CLinkFailure::lost()
{
    CLinkFailure failure;
    failure.m_kind = Kind::Lost;
    return failure;
}

CLinkFailure CLinkFailure::refused(bool oldProtocol, int code)
{
    CLinkFailure failure;
    if (CAnswerCode::accepts(oldProtocol, code))
        return failure;
    failure.m_kind = Kind::Refused;
    failure.m_oldProtocol = oldProtocol;
    failure.m_code = code;
    return failure;
}

CLinkFailure CLinkFailure::notSent(int queryResult)
{
    CLinkFailure failure;
    if (queryResult == 0)
        return failure;
    failure.m_kind = Kind::NotSent;
    failure.m_code = queryResult;
    return failure;
}

QString CLinkFailure::text() const
{
    switch (m_kind) {
    case Kind::Lost:
        return tr("Connection failed");
    case Kind::Refused:
        return CAnswerCode::text(m_oldProtocol, m_code);
    case Kind::NotSent:
        return m_code == COldQuery::CREDENTIAL_REFUSED ? COldQuery::errorText(m_code) : tr("[ERROR]request too long");
    case Kind::None:
        break;
    }
    return QString();
}

bool CLinkFailure::operator==(const CLinkFailure& other) const
{
    return m_kind == other.m_kind && m_oldProtocol == other.m_oldProtocol && m_code == other.m_code;
}
