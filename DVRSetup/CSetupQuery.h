#pragma once

#include "dvr_protocol/cgi_request.pb.h"

#include <QCoreApplication>
#include <QString>
#include <optional>
#include <string>

class COldQuery;

// The queries of the setup hub and its overlays. A query that no DVR could
// take is not built: the operator is told why, and nothing is sent.
class CSetupQuery {
    Q_DECLARE_TR_FUNCTIONS(CSetupQuery)

public:
    // "MODE=%d&USER=%s&DATA=%s" for the user and password.
    static std::optional<QString> build(cgi::Mode mode, const std::string& user, const std::string& password,
        const google::protobuf::MessageLite& data);
    static std::optional<QString> build(const COldQuery& query);

private:
    static void reportRefused(const QString& reason);
};
