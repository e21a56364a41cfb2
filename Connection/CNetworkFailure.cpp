#include "Connection/CNetworkFailure.h"

QString CNetworkFailure::text(QNetworkReply::NetworkError error, int httpStatus)
{
    if (httpStatus != 0)
        return tr("HTTP error status %1").arg(httpStatus);
    switch (error) {
    case QNetworkReply::ConnectionRefusedError:
        return tr("the DVR refused the connection");
    case QNetworkReply::RemoteHostClosedError:
        return tr("the DVR closed the connection");
    case QNetworkReply::HostNotFoundError:
        return tr("the DVR's address was not found");
    case QNetworkReply::TimeoutError:
        return tr("the connection timed out");
    // The sender aborts a request that outlives its time limit.
    case QNetworkReply::OperationCanceledError:
        return tr("no answer within the time limit");
    case QNetworkReply::TemporaryNetworkFailureError:
    case QNetworkReply::NetworkSessionFailedError:
        return tr("the network is not available");
    case QNetworkReply::ProtocolFailure:
        return tr("the DVR's answer could not be read");
    case QNetworkReply::UnknownNetworkError:
        return tr("the DVR could not be reached");
    default:
        return tr("network error %1").arg(int(error));
    }
}
