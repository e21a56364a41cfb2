#include "CEMapStreams.h"

#include "Connection/CHttpConnect.h"
#include "Connection/CSendCommand.h"
#include "EMap/CEMapChannelRequest.h"
#include "EMap/CEMapStreamPlan.h"

#include <QtDebug>

CEMapStreams::CEMapStreams(QObject* parent)
    : QObject(parent)
    , m_sendCommand(new CSendCommand(this))
{
}

CEMapStreams::~CEMapStreams()
{
    stop();
}

void CEMapStreams::open(const QList<DVR>& requests)
{
    stop();
    for (const DVR& request : requests) {
        Stream stream;
        stream.link = new CHttpConnect;
        stream.request = request;
        stream.camera = request;
        connect(stream.link, &CHttpConnect::EMapDataReceived, this, &CEMapStreams::onFrame);
        connect(stream.link, &CHttpConnect::signalEMapStatus, this, &CEMapStreams::onStatus);
        connect(stream.link, &CHttpConnect::Connected, this, &CEMapStreams::onConnected);
        m_streams.append(stream);
    }
}

void CEMapStreams::start()
{
    CHttpConnect::ConnParam param;
    param.mode = CHttpConnect::LIVE;
    param.skipMode = true;
    param.emapMode = true;
    param.codec = 0;
    for (const Stream& stream : std::as_const(m_streams))
        stream.link->Connect(stream.request, param);
}

void CEMapStreams::stop()
{
    for (const Stream& stream : std::as_const(m_streams)) {
        stream.link->disconnect();
        stream.link->Disconnect();
        delete stream.link;
    }
    m_streams.clear();
}

CHttpConnect* CEMapStreams::link(int stream) const
{
    return stream >= 0 && stream < count() ? m_streams[stream].link : nullptr;
}

quint32 CEMapStreams::openChannels(int stream) const
{
    return stream >= 0 && stream < count() ? m_streams[stream].openChannels : 0;
}

void CEMapStreams::openVideo(int stream, const DVR& camera, int channel)
{
    if (stream < 0 || stream >= count() || !CEMapStreamPlan::isStreamChannel(channel))
        return;
    const quint32 open = m_streams[stream].openChannels;
    if (open & (1u << channel))
        return;
    qDebug("m_showVideoChannel : %04X\n", open);
    changeChannels(stream, camera, open | (1u << channel));
}

void CEMapStreams::closeVideo(int stream, const DVR& camera, int channel)
{
    if (stream < 0 || stream >= count() || !CEMapStreamPlan::isStreamChannel(channel))
        return;
    const quint32 open = m_streams[stream].openChannels;
    if (!(open & (1u << channel)))
        return;
    changeChannels(stream, camera, open & ~(1u << channel));
}

void CEMapStreams::changeChannels(int stream, const DVR& camera, quint32 openChannels)
{
    Stream& changed = m_streams[stream];
    changed.openChannels = openChannels;
    changed.camera = camera;
    sendChannels(changed, changed.link->getClientID());
}

void CEMapStreams::sendChannels(const Stream& stream, int clientId)
{
    const QString query = CEMapChannelRequest::query(stream.camera, clientId, stream.openChannels);
    if (!query.isEmpty())
        m_sendCommand->send(stream.camera, query);
}

void CEMapStreams::onFrame(const DISPLAY_DVR_INFO& info, const QByteArray& frame)
{
    const int stream = indexOf(sender());
    if (stream >= 0)
        emit frameReceived(stream, info, frame);
}

void CEMapStreams::onStatus(int channel, const QString& time, bool record, EMap_Status::ENUM status)
{
    const int stream = indexOf(sender());
    if (stream >= 0)
        emit cameraStatus(stream, channel, time, record, status);
}

void CEMapStreams::onConnected(const cgi::DvrInfo&, int clientId)
{
    const int stream = indexOf(sender());
    // A new stream carries headers only until it is asked for more.
    if (stream >= 0 && m_streams[stream].openChannels != 0)
        sendChannels(m_streams[stream], clientId);
}

int CEMapStreams::indexOf(QObject* link) const
{
    for (int i = 0; i < count(); ++i) {
        if (m_streams[i].link == link)
            return i;
    }
    return -1;
}
