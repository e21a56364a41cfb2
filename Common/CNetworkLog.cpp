#include "CNetworkLog.h"

Q_LOGGING_CATEGORY(lcDvrNetwork, "qelm.network")

QString CNetworkLog::errorName(int code)
{
    static const char* const names[] = {"NoError", "ConnectionRefusedError", "RemoteHostClosedError",
        "HostNotFoundError", "TimeoutError", "OperationCanceledError"};
    if (code >= 0 && code < int(std::size(names)))
        return QString::fromLatin1(names[code]);
    return QStringLiteral("http Error code = %1").arg(code);
}
