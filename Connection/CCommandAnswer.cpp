#include "Connection/CCommandAnswer.h"

#include "Common/CAnswerCode.h"
#include "Connection/CNetworkFailure.h"

#include <QCoreApplication>

CCommandAnswer CCommandAnswer::refused(bool oldProtocol, int code)
{
    CCommandAnswer answer(Refused);
    answer.m_oldProtocol = oldProtocol;
    answer.m_code = code;
    return answer;
}

CCommandAnswer CCommandAnswer::unanswered(QNetworkReply::NetworkError error, int httpStatus)
{
    CCommandAnswer answer(Unanswered);
    answer.m_error = error;
    answer.m_httpStatus = httpStatus;
    return answer;
}

CCommandAnswer CCommandAnswer::notSent(const char* context, const char* reason)
{
    CCommandAnswer answer(NotSent);
    answer.m_context = context;
    answer.m_reason = reason;
    return answer;
}

QString CCommandAnswer::text() const
{
    switch (m_outcome) {
    case Refused:
        return CAnswerCode::text(m_oldProtocol, m_code);
    case Unanswered:
        return CNetworkFailure::text(m_error, m_httpStatus);
    case NotSent:
        return QCoreApplication::translate(m_context, m_reason);
    case Taken:
    case Replaced:
        break;
    }
    return QString();
}
