#pragma once

#include <QLoggingCategory>
#include <QString>

// The debug lines of the command sender, the data reader and the uploader,
// under the category "qelm.network" so that they can be filtered.
Q_DECLARE_LOGGING_CATEGORY(lcDvrNetwork)

class CNetworkLog {
public:
    // The debug text of a network error code: the code's name for the
    // common ones, "http Error code = %d" for any other. For the log only:
    // what the operator reads of a failure is worded in the operator's
    // language where it is shown.
    static QString errorName(int code);
};
