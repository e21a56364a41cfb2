#include "CSendCommand.h"

#include "Common/CAnswerCode.h"
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
    Reply read;
    read.reader = std::make_unique<CDataParser>(dvr.oldprotocol());
    read.answered = std::move(answered);
    read.oldProtocol = dvr.oldprotocol();
    m_readers.emplace(reply, std::move(read));

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
    const auto found = reply ? m_readers.find(reply) : m_readers.end();
    cgi::DvrInfo info;
    if (found == m_readers.end() || !readPackets(reply, found->second, &info))
        return;
    // Closed first, so that a receiver may even destroy the sender.
    reply->abort();
    emit receivedCameraName(info);
}

bool CSendCommand::readPackets(QNetworkReply* reply, Reply& read, cgi::DvrInfo* info)
{
    // The older dialect numbers its packet types otherwise: its response is
    // type 1, and its identity is not read here.
    constexpr unsigned char OLD_RESPONSE = 1;
    const unsigned char response = read.oldProtocol ? OLD_RESPONSE : static_cast<unsigned char>(cgi::DATA_RESPONSE);
    CDataParser& reader = *read.reader;
    const QByteArray bytes = reply->readAll();
    bool packet = reader.setReceivedData(bytes.constData(), static_cast<unsigned>(bytes.size()));
    for (; packet; packet = reader.setReceivedData(nullptr, 0)) {
        const std::vector<char>& payload = reader.getResultData();
        if (reader.getDataType() == response) {
            // A payload of another size names no code: an unknown refusal.
            const int code = payload.size() == 1 ? static_cast<unsigned char>(payload.front()) : -1;
            if (!read.refusal && !CAnswerCode::accepts(read.oldProtocol, code))
                read.refusal = code;
        } else if (!read.oldProtocol && reader.getDataType() == cgi::DATA_DVR_INFO) {
            // A payload that does not parse still gives what it held.
            info->ParsePartialFromArray(payload.data(), static_cast<int>(payload.size()));
            read.identified = true;
            return true;
        }
    }
    return false;
}

CCommandAnswer CSendCommand::answerOf(const QNetworkReply* reply, const Reply& read)
{
    if (read.refusal)
        return CCommandAnswer::refused(read.oldProtocol, *read.refusal);
    // Closed by the sender once the identity came.
    if (read.identified)
        return CCommandAnswer::taken();
    if (reply->error() != QNetworkReply::NoError) {
        // A reply cut off after a head that said OK failed on the network,
        // not by its status.
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        return CCommandAnswer::unanswered(reply->error(), status >= 400 ? status : 0);
    }
    return CCommandAnswer::taken();
}

void CSendCommand::OnHttpFinished()
{
    qCDebug(lcDvrNetwork, "sendcommand httpFinished");
    auto* reply = qobject_cast<QNetworkReply*>(sender());
    if (!reply)
        return;
    const auto found = m_readers.find(reply);
    Answered answered;
    std::optional<CCommandAnswer> answer;
    if (found != m_readers.end()) {
        cgi::DvrInfo unused;
        // The last bytes may come with the end.
        if (!found->second.identified && reply->isOpen())
            readPackets(reply, found->second, &unused);
        answered = std::move(found->second.answered);
        answer = answerOf(reply, found->second);
        m_readers.erase(found);
    }
    disconnect(reply, nullptr, this, nullptr);
    reply->deleteLater();
    if (answered && answer)
        answered(*answer);
}

void CSendCommand::OnHttpError(QNetworkReply::NetworkError code)
{
    qCDebug(lcDvrNetwork) << "OnHttpError";
    qCDebug(lcDvrNetwork).noquote() << CNetworkLog::errorName(code);
}
