#include "CApplicationSender.h"

#include "Common/ApplicationInstance.h"
#include "Connection/CSendCommand.h"

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
    const CSendCommand* sender = madeApplicationInstance<CSendCommand>(SENDER_NAME);
    return sender ? sender->activeReplies() : 0;
}
