#pragma once

#include "ProtoBuf/DVRList.pb.h"
#include "dvr_protocol/cgi_response.pb.h"

#include <QNetworkReply>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <unordered_map>

class CDataParser;
class QNetworkAccessManager;

// Posts commands to a DVR: the query (of either dialect) is the body of an
// HTTP POST to the DVR's CGI endpoint; the call returns at once and nothing
// waits for the answer. The one answer looked at is a DVR information
// packet, found anywhere in the reply however it is split, which is passed
// on as camera names; the reply is then closed. Every reply is closed and
// freed when it finishes, when the identity was found, or at the latest
// after the time limit, so a stream opened by a live request never stays.
// A caller that must know whether the DVR took the command passes an
// answer callback: it hears once, when the reply ends, whether the DVR
// answered (a refused connection, an HTTP error status, a reply cut off or
// one that outlived the time limit did not).
//
// Lives and works in one thread (the GUI thread) and must outlive its
// requests: destroying it cancels those still running.
class CSendCommand : public QObject {
    Q_OBJECT

public:
    static constexpr int DEFAULT_TIME_LIMIT_MS = 30000;

    using Answered = std::function<void(bool answered)>;

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
    };

    bool findDvrInfo(QNetworkReply* reply, cgi::DvrInfo* info);

    QNetworkAccessManager* m_manager;
    std::unordered_map<QNetworkReply*, Reply> m_readers;
    int m_timeLimitMs = DEFAULT_TIME_LIMIT_MS;
};
