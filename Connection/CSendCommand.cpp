#include "CSendCommand.h"

#include "Common/CDataParser.h"
#include "Common/CDvrUrl.h"
#include "Common/CEucKr.h"
#include "Common/CNetworkLog.h"

#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkRequest>
#include <QTimer>

CSendCommand::CSendCommand(QObject* parent)
    : QObject(parent)
    , m_manager(new QNetworkAccessManager(this))
{
    m_manager->setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
    // A DVR is reached directly, as the streaming connections reach it.
    m_manager->setProxy(QNetworkProxy::NoProxy);
}

CSendCommand::~CSendCommand()
{
    // Replies that are aborted now must not call back into a half-destroyed sender.
    for (const auto& entry : m_readers)
        disconnect(entry.first, nullptr, this, nullptr);
}

void CSendCommand::setTimeLimit(int milliseconds)
{
    m_timeLimitMs = milliseconds;
}

bool CSendCommand::send(const DVR& dvr, const QString& query, Answered answered)
{
    if (query.isEmpty()) {
        qCWarning(lcDvrNetwork, "[ERROR] no command sent: the request was refused");
        return false;
    }
    const QByteArray address = QByteArray::fromStdString(dvr.address());
    const QByteArray urlText = CDvrUrl::text(address, dvr.port(), true);
    const QUrl url = CDvrUrl::toUrl(urlText, address, dvr.port());
    const QByteArray body = CEucKr::fromUnicode(query);
    qCDebug(lcDvrNetwork, "%s%s", urlText.constData(), body.constData());
    if (url.isEmpty()) {
        qCWarning(lcDvrNetwork, "[ERROR] no command sent: invalid DVR address %s", urlText.constData());
        return false;
    }

    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/x-www-form-urlencoded"));
    request.setHeader(QNetworkRequest::ContentLengthHeader, body.size());
    QNetworkReply* reply = m_manager->post(request, body);
    m_readers.emplace(reply, Reply{std::make_unique<CDataParser>(), std::move(answered)});

    connect(reply, &QNetworkReply::finished, this, &CSendCommand::OnHttpFinished);
    connect(reply, &QNetworkReply::readyRead, this, &CSendCommand::OnHttpReadyRead);
    connect(reply, &QNetworkReply::errorOccurred, this, &CSendCommand::OnHttpError);

    auto* limit = new QTimer(reply);
    limit->setSingleShot(true);
    connect(limit, &QTimer::timeout, reply, &QNetworkReply::abort);
    limit->start(m_timeLimitMs);
    return true;
}

void CSendCommand::OnHttpReadyRead()
{
    qCDebug(lcDvrNetwork, "sendcommand OnHttpReadyRead");
    auto* reply = qobject_cast<QNetworkReply*>(sender());
    cgi::DvrInfo info;
    if (!reply || !findDvrInfo(reply, &info))
        return;
    // Closed first, so that a receiver may even destroy the sender.
    reply->abort();
    emit receivedCameraName(info);
}

bool CSendCommand::findDvrInfo(QNetworkReply* reply, cgi::DvrInfo* info)
{
    const auto found = m_readers.find(reply);
    if (found == m_readers.end())
        return false;
    CDataParser& reader = *found->second.reader;
    const QByteArray bytes = reply->readAll();
    bool packet = reader.setReceivedData(bytes.constData(), static_cast<unsigned>(bytes.size()));
    for (; packet; packet = reader.setReceivedData(nullptr, 0)) {
        if (reader.getDataType() != cgi::DATA_DVR_INFO)
            continue;
        const std::vector<char>& payload = reader.getResultData();
        // A payload that does not parse still gives what it held.
        info->ParsePartialFromArray(payload.data(), static_cast<int>(payload.size()));
        return true;
    }
    return false;
}

void CSendCommand::OnHttpFinished()
{
    qCDebug(lcDvrNetwork, "sendcommand httpFinished");
    auto* reply = qobject_cast<QNetworkReply*>(sender());
    if (!reply)
        return;
    const auto found = m_readers.find(reply);
    Answered answered;
    if (found != m_readers.end()) {
        answered = std::move(found->second.answered);
        m_readers.erase(found);
    }
    disconnect(reply, nullptr, this, nullptr);
    reply->deleteLater();
    if (answered)
        answered(reply->error() == QNetworkReply::NoError);
}

void CSendCommand::OnHttpError(QNetworkReply::NetworkError code)
{
    qCDebug(lcDvrNetwork) << "OnHttpError";
    qCDebug(lcDvrNetwork).noquote() << CNetworkLog::errorName(code);
}
