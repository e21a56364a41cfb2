#include "UpLoader.h"

#include "Common/CDvrUrl.h"
#include "Common/CEucKr.h"
#include "Common/CNetworkLog.h"
#include "Connection/QUpFile.h"

#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QRandomGenerator>
#include <memory>

namespace {

// A quote or a line break in a file name would end the part's header early.
QByteArray headerSafe(QByteArray name)
{
    name.replace('"', "%22");
    name.replace('\r', "%0D");
    name.replace('\n', "%0A");
    return name;
}

QByteArray randomBoundary()
{
    return "--" + QByteArray::number(QRandomGenerator::global()->bounded(RAND_MAX));
}

} // namespace

UpLoader::UpLoader(QObject* parent)
    : QObject(parent)
    , m_manager(new QNetworkAccessManager(this))
{
    m_manager->setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
    // A DVR is reached directly, as the streaming connections reach it.
    m_manager->setProxy(QNetworkProxy::NoProxy);
}

UpLoader::~UpLoader()
{
    if (m_reply)
        disconnect(m_reply, nullptr, this, nullptr);
}

void UpLoader::setTimeLimit(int milliseconds)
{
    m_timeLimitMs = milliseconds;
}

void UpLoader::setBoundary(const QByteArray& boundary)
{
    m_fixedBoundary = boundary;
}

QByteArray UpLoader::bodyHead(const QByteArray& boundary, const QString& fileName)
{
    return "--" + boundary + "\r\n" + "Content-Disposition: form-data; name=\"REQ\"; filename=\""
        + headerSafe(fileName.toUtf8()) + "\"\r\n" + "Content-Type: application/octet-stream\r\n\r\n";
}

QByteArray UpLoader::bodyTail(const QByteArray& boundary, const QString& query)
{
    const QByteArray separator = "\r\n--" + boundary + "\r\n";
    QByteArray tail = separator;
    for (const QString& piece : query.split(QLatin1Char('&'))) {
        const QStringList keyValue = piece.split(QLatin1Char('='));
        if (keyValue.size() != 2)
            continue;
        tail += "Content-Disposition: form-data; name=\"" + CEucKr::fromUnicode(keyValue.at(0)) + "\"\r\n\r\n";
        tail += CEucKr::fromUnicode(keyValue.at(1)) + separator;
    }
    tail += "Content-Disposition: form-data; name=\"agree\"\r\n\r\n";
    tail += "1\r\n--" + boundary + "--\r\n";
    return tail;
}

bool UpLoader::upload(const QString& address, int port, const QString& query, const QString& filePath)
{
    if (m_uploading) {
        qCWarning(lcDvrNetwork, "[ERROR] an upload is already running; %s is not sent", qPrintable(filePath));
        return false;
    }
    m_aborted = false;
    const QByteArray boundary = m_fixedBoundary.isEmpty() ? randomBoundary() : m_fixedBoundary;

    const QByteArray addressText = CEucKr::fromUnicode(address);
    const QByteArray urlText = CDvrUrl::text(addressText, port, false);
    const QUrl url = CDvrUrl::toUrl(urlText, addressText, port);

    auto device = std::make_unique<QUpFile>(
        filePath, bodyHead(boundary, QFileInfo(filePath).fileName()), bodyTail(boundary, query));
    if (!device->openFile()) {
        emit finished(true, false, tr("Error: can't open file %1").arg(filePath));
        return true;
    }
    if (url.isEmpty()) {
        qCWarning(lcDvrNetwork, "[ERROR] no upload: invalid DVR address %s", urlText.constData());
        emit finished(true, false, tr("Network error: %1").arg(int(QNetworkReply::HostNotFoundError)));
        return true;
    }
    m_device = device.release();
    m_device->setParent(this);

    QNetworkRequest request(url);
    request.setRawHeader("Host", url.host(QUrl::FullyEncoded).toLatin1());
    request.setRawHeader("User-Agent",
        "Mozilla/5.0 (Windows; U; Windows NT 5.1; ru; rv:1.9.1.3) Gecko/20090824 Firefox/3.5.3 (.NET CLR 3.5.30729)");
    request.setRawHeader("Accept", "text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8");
    request.setRawHeader("Accept-Language", "ru,en-us;q=0.7,en;q=0.3");
    request.setRawHeader("Accept-Encoding", "gzip,deflate");
    request.setRawHeader("Accept-Charset", "windows-1251,utf-8;q=0.7,*;q=0.7");
    request.setRawHeader("Keep-Alive", "300");
    request.setRawHeader("Connection", "keep-alive");
    request.setRawHeader("Content-Type", "multipart/form-data; boundary=" + boundary);
    request.setTransferTimeout(m_timeLimitMs);

    m_reply = m_manager->post(request, m_device);
    connect(m_reply, &QNetworkReply::uploadProgress, this, &UpLoader::progress);
    connect(m_reply, &QNetworkReply::finished, this, &UpLoader::replyFinished);
    m_uploading = true;
    emit started();
    return true;
}

void UpLoader::abort()
{
    m_aborted = true;
    if (m_uploading && m_reply)
        m_reply->abort();
}

void UpLoader::replyFinished()
{
    QNetworkReply* reply = m_reply;
    m_reply = nullptr;
    m_uploading = false;
    if (m_device) {
        m_device->close();
        m_device->deleteLater();
        m_device = nullptr;
    }
    if (!reply)
        return;
    disconnect(reply, nullptr, this, nullptr);
    reply->deleteLater();

    if (m_aborted)
        emit finished(false, true, QString());
    else if (reply->error() > QNetworkReply::NoError)
        emit finished(true, false, tr("Network error: %1").arg(int(reply->error())));
    else
        emit finished(false, false, QString(""));
}
