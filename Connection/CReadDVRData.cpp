#include "CReadDVRData.h"

#include "Common/CDvrUrl.h"
#include "Common/CEucKr.h"
#include "Common/CNetworkLog.h"
#include "Connection/CHttpGet.h"

CReadDVRData::CReadDVRData(QObject* parent)
    : QThread(parent)
{
    connect(this, &CReadDVRData::runEnded, this, &CReadDVRData::OnHttpFinished, Qt::QueuedConnection);
}

CReadDVRData::~CReadDVRData()
{
    stopRead();
}

void CReadDVRData::setTimeLimit(int milliseconds)
{
    m_timeLimitMs = milliseconds;
}

void CReadDVRData::startRead(const DVR& dvr, const QString& query)
{
    stopRead();
    m_result.clear();
    m_address = QByteArray::fromStdString(dvr.address());
    m_port = dvr.port();
    // The query goes out byte for byte behind the URL's "?"; only the URL
    // itself must be well-formed.
    m_query = CEucKr::fromUnicode(query);
    startThread();
}

void CReadDVRData::tryConnect()
{
    if (isRunning())
        return;
    startThread();
}

void CReadDVRData::startThread()
{
    m_stop = false;
    ++m_read;
    m_runEnded.store(false, std::memory_order_relaxed);
    start(QThread::InheritPriority);
}

void CReadDVRData::stopRead()
{
    m_stop = true;
    quit();
    waitForRun();
}

void CReadDVRData::discard(CReadDVRData*& reader)
{
    if (!reader)
        return;
    disconnect(reader, &CReadDVRData::completed, nullptr, nullptr);
    reader->stopRead();
    reader->deleteLater();
    reader = nullptr;
}

void CReadDVRData::waitForRun()
{
    wait();
    m_runEnded.load(std::memory_order_acquire);
}

void CReadDVRData::run()
{
    const quint64 read = m_read;
    const QByteArray urlText = CDvrUrl::text(m_address, m_port, false);
    const QUrl url = CDvrUrl::toUrl(urlText, m_address, m_port);
    if (m_query.isEmpty()) {
        // Refused by its builder: nothing is sent.
        qCWarning(lcDvrNetwork, "[ERROR] no read: the request was refused");
    } else if (url.isEmpty()) {
        qCWarning(lcDvrNetwork, "[ERROR] no read: invalid DVR address %s", urlText.constData());
    } else {
        CHttpGet get(url.host(), static_cast<quint16>(m_port), url.path().toLatin1() + '?' + m_query, m_timeLimitMs);
        connect(&get, &CHttpGet::finished, &get, [this] { quit(); });
        get.start();
        exec();
        get.abort();
        m_result += get.body();
    }
    if (!m_stop)
        emit runEnded(read);
    m_runEnded.store(true, std::memory_order_release);
}

void CReadDVRData::OnHttpFinished(quint64 read)
{
    // A read that was stopped, or replaced by a newer one, delivers nothing.
    if (read != m_read || m_stop)
        return;
    qCDebug(lcDvrNetwork, "httpFinished");
    waitForRun();
    emit completed(m_result);
}
