#include "CStopRequest.h"

#include "Connection/CApplicationSender.h"
#include "Connection/CSendCommand.h"

#include <QCoreApplication>
#include <QThread>

void CStopRequest::send(const DVR& dvr, const QString& query)
{
    QCoreApplication* application = QCoreApplication::instance();
    if (!application || query.isEmpty())
        return;
    if (QThread::currentThread() == application->thread()) {
        CApplicationSender::instance().send(dvr, query);
        return;
    }
    QMetaObject::invokeMethod(
        application, [dvr, query] { CApplicationSender::instance().send(dvr, query); }, Qt::QueuedConnection);
}
