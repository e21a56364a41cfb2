#include "CStopRequest.h"

#include "Connection/CSendCommand.h"

#include <QCoreApplication>
#include <QThread>

namespace {

// A stop request that gets no answer is given up after this long.
const int STOP_TIME_LIMIT_MS = 10000;

void sendOnApplicationThread(const DVR& dvr, const QString& query)
{
    QCoreApplication* application = QCoreApplication::instance();
    static const char* const senderName = "qelm_stop_request_sender";
    auto* sender = application->findChild<CSendCommand*>(QLatin1String(senderName), Qt::FindDirectChildrenOnly);
    if (!sender) {
        sender = new CSendCommand(application);
        sender->setObjectName(QLatin1String(senderName));
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
