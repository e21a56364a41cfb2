#include "CStopRequest.h"

#include "Connection/CSendCommand.h"

#include <QCoreApplication>
#include <QThread>

namespace {

// A stop request that gets no answer is given up after this long.
const int STOP_TIME_LIMIT_MS = 10000;

const char* const SENDER_NAME = "qelm_stop_request_sender";

CSendCommand* findSender(QCoreApplication* application)
{
    return application->findChild<CSendCommand*>(QLatin1String(SENDER_NAME), Qt::FindDirectChildrenOnly);
}

void sendOnApplicationThread(const DVR& dvr, const QString& query)
{
    QCoreApplication* application = QCoreApplication::instance();
    auto* sender = findSender(application);
    if (!sender) {
        sender = new CSendCommand(application);
        sender->setObjectName(QLatin1String(SENDER_NAME));
        sender->setTimeLimit(STOP_TIME_LIMIT_MS);
    }
    sender->send(dvr, query);
}

} // namespace

void CStopRequest::send(const DVR& dvr, const QString& query)
{
    QCoreApplication* application = QCoreApplication::instance();
    if (!application || query.isEmpty())
        return;
    if (QThread::currentThread() == application->thread()) {
        sendOnApplicationThread(dvr, query);
        return;
    }
    QMetaObject::invokeMethod(
        application, [dvr, query] { sendOnApplicationThread(dvr, query); }, Qt::QueuedConnection);
}

int CStopRequest::pending()
{
    QCoreApplication* application = QCoreApplication::instance();
    if (!application)
        return 0;
    const CSendCommand* sender = findSender(application);
    return sender ? sender->activeReplies() : 0;
}
