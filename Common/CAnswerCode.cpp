#include "Common/CAnswerCode.h"

bool CAnswerCode::accepts(bool oldProtocol, int code)
{
    return !oldProtocol && code == 0;
}

QString CAnswerCode::text(bool oldProtocol, int code)
{
    if (accepts(oldProtocol, code))
        return QString();
    if (oldProtocol) {
        switch (code) {
        case 1:
            return tr("[ERROR]user unknown");
        case 2:
            return tr("[ERROR]password miss");
        case 3:
            return tr("[ERROR]protocol version");
        case 4:
            return tr("[ERROR]client limit");
        case 5:
            return tr("[ERROR]super exist");
        case 6:
            return tr("[ERROR]no video data");
        case 7:
            return tr("[ERROR]no video channel");
        case 10:
            return tr("[ERROR]mpeg push end");
        case 14:
            return tr("[ERROR]connection timeout");
        default:
            return tr("[ERROR]unknown");
        }
    }
    switch (code) {
    case 1:
        return tr("[ERROR]user unknown");
    case 2:
        return tr("[ERROR]password miss");
    case 3:
        return tr("[ERROR]client limit");
    case 4:
        return tr("[ERROR]permission denied");
    case 5:
        return tr("[ERROR]network timeout");
    default:
        return tr("[ERROR]unknown");
    }
}
