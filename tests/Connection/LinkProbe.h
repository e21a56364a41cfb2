#pragma once

#include "Connection/CHttpConnect.h"
#include "WakeUpCounter.h"

#include <QList>
#include <QObject>
#include <QSet>
#include <atomic>
#include <mutex>

// Watches one streaming link on behalf of a test: counts what it delivers on
// its own thread (checking every frame as a receiver would read it), keeps
// its queued reports, and counts how often its thread woke up, so that a
// test can tell a link that streams, one that failed cleanly and one that
// spins. Made after its link, so that it goes first.
class LinkProbe : public QObject {
    Q_OBJECT

public:
    explicit LinkProbe(CHttpConnect& link);
    // Stops the link first, so that nothing reaches a probe on its way out.
    ~LinkProbe() override { m_link.Disconnect(); }

    int videoFrames() const { return m_videoFrames.load(); }
    int audioFrames() const { return m_audioFrames.load(); }
    // Frames handed on although their header is not whole and sound.
    int badFrames() const { return m_badFrames.load(); }
    QSet<int> videoChannels() const;

    int failures() const { return m_failures; }
    QList<int> connectedIds() const { return m_connectedIds; }
    QList<cgi::DvrInfo> connectedIdentities() const { return m_identities; }
    QList<DISPLAY_DVR_INFO> statusReports() const { return m_statuses; }
    QList<QByteArray> emapFrames() const { return m_emapFrames; }
    QList<int> emapStatuses() const { return m_emapStatuses; }

    // Passes of the link's loop: every pass, and every packet, processes
    // the thread's events once.
    int wakeUps() const { return m_wakeUps.count(); }

private:
    void onFrame(const DISPLAY_DVR_INFO& info, const unsigned char* data, size_t len, bool video);

    CHttpConnect& m_link;
    std::atomic<int> m_videoFrames{0};
    std::atomic<int> m_audioFrames{0};
    std::atomic<int> m_badFrames{0};
    mutable std::mutex m_mutex;
    QSet<int> m_channels;
    WakeUpCounter m_wakeUps;

    int m_failures = 0;
    QList<int> m_connectedIds;
    QList<cgi::DvrInfo> m_identities;
    QList<DISPLAY_DVR_INFO> m_statuses;
    QList<QByteArray> m_emapFrames;
    QList<int> m_emapStatuses;
};
