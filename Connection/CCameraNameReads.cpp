#include "CCameraNameReads.h"

#include "Connection/CSendCommand.h"
#include "Connection/CStreamQuery.h"

#include <algorithm>

CCameraNameReads::CCameraNameReads(QObject* parent)
    : QObject(parent)
{
}

CCameraNameReads::~CCameraNameReads() = default;

void CCameraNameReads::read(const QModelIndex& target, const DVR& dvr)
{
    cancel(target);
    prune();
    // The read speaks the newer dialect to every DVR, and reads its answer so.
    DVR newDialect = dvr;
    newDialect.set_oldprotocol(false);
    const QString query = CStreamQuery::video(newDialect, CHttpConnect::ConnParam());
    if (query.isEmpty()) {
        qWarning("[ERROR] camera names not read: the request is too long for the DVR");
        return;
    }
    auto sender = std::make_unique<CSendCommand>();
    const CSendCommand* key = sender.get();
    connect(sender.get(), &CSendCommand::receivedCameraName, this,
        [this, key](const cgi::DvrInfo& info) { received(key, info); });
    sender->send(newDialect, query);
    m_reads.push_back({std::move(sender), QPersistentModelIndex(target)});
}

void CCameraNameReads::cancel(const QModelIndex& target)
{
    m_reads.erase(
        std::remove_if(m_reads.begin(), m_reads.end(), [&target](const Read& read) { return read.target == target; }),
        m_reads.end());
}

void CCameraNameReads::cancelAll()
{
    m_reads.clear();
}

int CCameraNameReads::pending()
{
    prune();
    return static_cast<int>(m_reads.size());
}

void CCameraNameReads::received(const CSendCommand* sender, const cgi::DvrInfo& info)
{
    const auto found = std::find_if(
        m_reads.begin(), m_reads.end(), [sender](const Read& read) { return read.sender.get() == sender; });
    if (found == m_reads.end())
        return;
    const QPersistentModelIndex target = found->target;
    // The sender is inside its own signal: it goes once that has returned.
    found->sender.release()->deleteLater();
    m_reads.erase(found);
    if (target.isValid())
        emit namesRead(target, info);
}

void CCameraNameReads::prune()
{
    m_reads.erase(std::remove_if(m_reads.begin(), m_reads.end(),
                      [](const Read& read) { return !read.target.isValid() || read.sender->activeReplies() == 0; }),
        m_reads.end());
}
