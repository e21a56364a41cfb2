#include "LinkProbe.h"

#include "Common/CFrameInfo.h"

LinkProbe::LinkProbe(CHttpConnect& link)
    : m_link(link)
    , m_wakeUps(link)
{
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
    const CFrameInfo frame = CFrameInfo::read(info.oldProtocol, data, len);
    const int channel = frame.channel;
    const bool valid = frame.valid;
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
