#pragma once

#include "ProtoBuf/DVRList.pb.h"
#include "dvr_protocol/cgi_response.pb.h"

#include <QObject>
#include <QPersistentModelIndex>
#include <memory>
#include <vector>

class CSendCommand;

// The camera-name reads of the DVR tree. Each read has a command sender of
// its own, so a DVR's identity can only reach the item it was asked for, and
// overlapping reads of several DVRs do not mix. A read whose item left the
// model, or that was cancelled, delivers nothing.
class CCameraNameReads : public QObject {
    Q_OBJECT

public:
    explicit CCameraNameReads(QObject* parent = nullptr);
    ~CCameraNameReads() override;

    // Asks the DVR for its identity with a live request in the new dialect,
    // whatever the DVR's dialect; an earlier read for the same item is dropped.
    void read(const QModelIndex& target, const DVR& dvr);
    void cancel(const QModelIndex& target);
    void cancelAll();
    // Reads still waiting for their DVR.
    int pending();

signals:
    void namesRead(const QModelIndex& target, const cgi::DvrInfo& info);

private:
    struct Read {
        std::unique_ptr<CSendCommand> sender;
        QPersistentModelIndex target;
    };

    void received(const CSendCommand* sender, const cgi::DvrInfo& info);
    // Drops the reads that can deliver nothing any more.
    void prune();

    std::vector<Read> m_reads;
};
