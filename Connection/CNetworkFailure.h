#pragma once

#include <QCoreApplication>
#include <QNetworkReply>
#include <QString>

// What a request to a DVR that got no answer tells the operator, in the
// language chosen when it is asked for: the HTTP error status the DVR
// answered with, when there was one; otherwise the network's error, worded
// for each error a request to a DVR can meet (refused, closed, an address
// not found, the time limit...) and in general terms for any other.
class CNetworkFailure {
    Q_DECLARE_TR_FUNCTIONS(CNetworkFailure)

public:
    // httpStatus 0: the DVR sent no status.
    static QString text(QNetworkReply::NetworkError error, int httpStatus);
};
