#pragma once

#include "Connection/CCommandAnswer.h"
#include "ProtoBuf/DVRList.pb.h"
#include "dvr_protocol/cgi_response.pb.h"

#include <QNetworkReply>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <unordered_map>

class CDataParser;
class QNetworkAccessManager;

// Posts commands to a DVR: the query (of either dialect) is the body of an
// HTTP POST to the DVR's CGI endpoint; the call returns at once and nothing
// waits for the answer. The reply is read as packets in the framing of the
// DVR's dialect, however it is split: a DVR information packet is passed on
// as camera names and the reply is then closed; a response packet carries
// the DVR's answer code, whose refusal texts are the streaming link's
// (CAnswerCode). Every reply is closed and freed when it
// finishes, when the identity was found, or at the latest after the time
// limit, so a stream opened by a live request never stays. A caller that
// must know what became of the command passes an answer callback: it hears
// once, when the reply ends, whether the DVR took it, refused it (a
// response packet with a refusal code, whatever the HTTP status) or did not
// answer (a refused connection, an HTTP error status, a reply cut off or
// one that outlived the time limit).
//
// Lives and works in one thread (the GUI thread) and must outlive its
// requests: destroying it cancels those still running.
class CSendCommand : public QObject {
    Q_OBJECT

public:
    static constexpr int DEFAULT_TIME_LIMIT_MS = 30000;

    using Answered = std::function<void(const CCommandAnswer& answer)>;

    explicit CSendCommand(QObject* parent = nullptr);
    ~CSendCommand() override;

    // False, with nothing sent and `answered` never called, for an empty
    // query (one that COldQuery or cgi::Data2Url refused) or an invalid DVR
    // address. `answered` is called on this sender's thread and must not
    // destroy the sender.
    bool send(const DVR& dvr, const QString& query, Answered answered = {});

    // How long a reply may stay open; for requests sent after the call.
    void setTimeLimit(int milliseconds);
    int activeReplies() const { return static_cast<int>(m_readers.size()); }

signals:
    void receivedCameraName(const cgi::DvrInfo& info);

private slots:
    void OnHttpReadyRead();
    void OnHttpFinished();
    void OnHttpError(QNetworkReply::NetworkError code);

private:
    struct Reply {
        std::unique_ptr<CDataParser> reader;
        Answered answered;
        bool oldProtocol = false;
        bool identified = false;
        // The DVR's refusal code, once a response packet said so.
        std::optional<int> refusal;
    };

    // Reads the packets the reply holds now. True when one was the DVR's
    // identity, which it gives.
    bool readPackets(QNetworkReply* reply, Reply& read, cgi::DvrInfo* info);
    static CCommandAnswer answerOf(const QNetworkReply* reply, const Reply& read);

    QNetworkAccessManager* m_manager;
    std::unordered_map<QNetworkReply*, Reply> m_readers;
    int m_timeLimitMs = DEFAULT_TIME_LIMIT_MS;
};
