#include "CApplicationSender.h"

#include "Connection/CSendCommand.h"

#include <QCoreApplication>

namespace {

const char* const SENDER_NAME = "qelm_application_sender";

CSendCommand* findSender(const QCoreApplication* application)
{
    return application->findChild<CSendCommand*>(QLatin1String(SENDER_NAME), Qt::FindDirectChildrenOnly);
}

} // namespace

CSendCommand& CApplicationSender::instance()
{
    QCoreApplication* application = QCoreApplication::instance();
    CSendCommand* sender = findSender(application);
    if (!sender) {
        sender = new CSendCommand(application);
        sender->setObjectName(QLatin1String(SENDER_NAME));
        sender->setTimeLimit(TIME_LIMIT_MS);
    }
    return *sender;
}

int CApplicationSender::pending()
{
    const QCoreApplication* application = QCoreApplication::instance();
    const CSendCommand* sender = application ? findSender(application) : nullptr;
    return sender ? sender->activeReplies() : 0;
}
