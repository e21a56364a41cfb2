#include "LinkProbe.h"

#include "Common/CFrame.h"
#include "Common/CUFrame.h"

#include <QFile>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

// CPU time of another thread of this process, from /proc; -1 when it ended.
long long threadCpuOf(int tid)
{
    QFile stat(QStringLiteral("/proc/self/task/%1/stat").arg(tid));
    if (tid <= 0 || !stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray line = stat.readAll();
    // Fields after the command name in parentheses: utime and stime are
    // fields 14 and 15 of the line, 12 and 13 after the closing parenthesis.
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 13)
        return -1;
    const long long ticks = fields.at(11).toLongLong() + fields.at(12).toLongLong();
    return ticks * 1000000000LL / sysconf(_SC_CLK_TCK);
}

} // namespace

LinkProbe::LinkProbe(CHttpConnect& link)
    : m_link(link)
{
    connect(
        &link, &QThread::started, this, [this] { m_threadId = static_cast<int>(syscall(SYS_gettid)); },
        Qt::DirectConnection);
    connect(
        &link, &CHttpConnect::VDataReceived, this,
        [this](const DISPLAY_DVR_INFO& info, const unsigned char* data, size_t len) { onFrame(info, data, len, true); },
        Qt::DirectConnection);
    connect(
        &link, &CHttpConnect::ADataReceived, this,
        [this](
            const DISPLAY_DVR_INFO& info, const unsigned char* data, size_t len) { onFrame(info, data, len, false); },
        Qt::DirectConnection);
    connect(&link, &CHttpConnect::Connected, this, [this](const cgi::DvrInfo& info, int id) {
        m_connectedIds.append(id);
        m_identities.append(info);
    });
    connect(&link, &CHttpConnect::signalConnectionFailed, this, [this] { ++m_failures; });
    connect(&link, &CHttpConnect::signalConnectedDVRStatus, this,
        [this](const DISPLAY_DVR_INFO& info) { m_statuses.append(info); });
    connect(&link, &CHttpConnect::EMapDataReceived, this,
        [this](const DISPLAY_DVR_INFO&, const QByteArray& frame) { m_emapFrames.append(frame); });
    connect(&link, &CHttpConnect::signalEMapStatus, this,
        [this](int, const QString&, bool, EMap_Status::ENUM status) { m_emapStatuses.append(status); });
}

void LinkProbe::onFrame(const DISPLAY_DVR_INFO& info, const unsigned char* data, size_t len, bool video)
{
    int channel = -1;
    bool valid = false;
    if (info.oldProtocol) {
        CUFrame header;
        header.SetData(data, int(len));
        valid = header.IsValid();
        channel = header.GetChannel();
    } else {
        CFrame header;
        header.SetData(data, int(len));
        valid = header.IsValid();
        channel = header.GetChannel();
    }
    if (!valid)
        ++m_badFrames;
    if (!video) {
        ++m_audioFrames;
        return;
    }
    ++m_videoFrames;
    std::lock_guard<std::mutex> lock(m_mutex);
    m_channels.insert(channel);
}

QSet<int> LinkProbe::videoChannels() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_channels;
}

double LinkProbe::threadCpuSeconds() const
{
    const long long ns = threadCpuOf(m_threadId.load());
    return ns < 0 ? 0.0 : double(ns) / 1e9;
}
