#pragma once

#include "Common/CSearchDataParser.h"
#include "Connection/CDirectoryEntry.h"
#include "ProtoBuf/DVRList.pb.h"
#include "Recording/CSearchRequest.h"

#include <QByteArray>
#include <QObject>
#include <ctime>
#include <memory>
#include <optional>

class CReadDVRData;
class CWaitDialog;

// The searches of a DVR's recordings that the playback and backup panels
// run alike: the first search when a DVR is chosen (the new dialect asks
// for the hour of the shown time and for every hour that holds recordings;
// the old dialect for everything, once), a follow-up per hour the operator
// moves to, and the wait dialog while a reply is awaited. The last reply is
// kept with the request it answers, so that it is read within the range
// that was asked for, also when it is shown again without asking the DVR.
// The DVR it took over is the one whose recordings its page shows, asked
// with the account of the directory entry that chose it: known by its
// address and port and by that entry, it is asked and nothing else is. The
// same DVR chosen by another entry is searched anew, with that entry's
// account, since the DVR may show the accounts different recordings.
class CRemoteSearch : public QObject {
    Q_OBJECT

public:
    explicit CRemoteSearch(QObject* parent = nullptr);
    ~CRemoteSearch() override;

    // Forgets the DVR and the last reply; a reply under way is not heard.
    void clear();
    // Takes the entry's DVR over and sends the first search; a DVR
    // connection without a client id (negative) asks nothing and takes no
    // DVR.
    void start(const DVR& dvr, CDirectoryEntry::Id entry, int clientId, std::time_t shown);
    // A DVR was taken over and not forgotten since.
    bool hasDvr() const { return m_dvr.has_value(); }
    // The DVR taken over is that one (the same address and port), taken
    // over for that entry.
    bool searches(const DVR& dvr, CDirectoryEntry::Id entry) const;
    // Whether the DVR answers hour by hour (a reply of a version above 0).
    bool searchesByHour() const;
    // Asks for the hour that holds t, without the hours.
    void searchHour(std::time_t t);
    // Shows the last reply again; false when there is none.
    bool reload();

    // The wait dialog, shown modal while the panels wait.
    CWaitDialog* waitDialog() const { return m_wait.get(); }
    void showWait();
    void hideWait();

    // The silence after which a read gives up; for reads sent after the call.
    void setTimeLimit(int milliseconds) { m_timeLimitMs = milliseconds; }

signals:
    // A reply to show, read within its request's range.
    void replied(const CSearchDataParser& result);

private:
    void send(const CSearchRequest& request);
    void OnCompleted(const QByteArray& data);
    void show(const CSearchRequest& request, const QByteArray& reply);

    std::unique_ptr<CWaitDialog> m_wait;
    std::unique_ptr<CReadDVRData> m_reader;
    std::optional<DVR> m_dvr;
    CDirectoryEntry::Id m_entry = CDirectoryEntry::NONE;
    std::optional<CSearchRequest> m_asked;
    std::optional<CSearchRequest> m_lastRequest;
    QByteArray m_lastReply;
    unsigned m_version = 0;
    int m_timeLimitMs;
};
