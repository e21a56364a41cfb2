#include "CApplicationSender.h"

#include "Common/ApplicationInstance.h"
#include "Connection/CSendCommand.h"

#include <QCoreApplication>

namespace {

const char SENDER_NAME[] = "qelm_application_sender";

} // namespace

CSendCommand& CApplicationSender::instance()
{
    return applicationInstance<CSendCommand>(SENDER_NAME, [](QObject* application) {
        auto* sender = new CSendCommand(application);
        sender->setTimeLimit(TIME_LIMIT_MS);
        return sender;
    });
}

int CApplicationSender::pending()
{
    const QCoreApplication* application = QCoreApplication::instance();
    const CSendCommand* sender = application
        ? application->findChild<CSendCommand*>(QLatin1String(SENDER_NAME), Qt::FindDirectChildrenOnly)
        : nullptr;
    return sender ? sender->activeReplies() : 0;
}
