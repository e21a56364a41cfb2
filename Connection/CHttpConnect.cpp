#include "CHttpConnect.h"

#include "Common/CDateTime.h"
#include "Common/CEucKr.h"
#include "Common/CFrameInfo.h"
#include "Common/CNetworkLog.h"
#include "Connection/CStopRequest.h"
#include "Connection/CStreamIdentity.h"
#include "Connection/CStreamQuery.h"
#include "SysData/CRecord.h"
#include "dvr_protocol/CPacketStream.h"
#include "dvr_protocol/cgi_protocol.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QNetworkProxy>
#include <QTcpSocket>
#include <algorithm>

namespace {

// The longest the link's thread waits for the socket before it looks at its
// stop flag again.
const int POLL_MS = 100;

// Packet types of the old dialect.
const int OLD_RESPONSE = 1;
const int OLD_AUDIO_FIRST = 2;
const int OLD_AUDIO_LAST = 4;
const int OLD_VIDEO_FIRST = 10;
const int OLD_VIDEO_LAST = 13;
const int OLD_DVR_INFO = 20;

bool bit(unsigned long long mask, int channel)
{
    return channel >= 0 && channel < 64 && (mask >> channel) & 1;
}

QString displayTime(std::int64_t seconds)
{
    return CDateTime::convert_Timet_QDateTime(static_cast<long>(seconds)).toString(CDateTime::DISPLAY_TIME_FORMAT);
}

} // namespace

CHttpConnect::CHttpConnect(QObject* parent)
    : QThread(parent)
{
    qRegisterMetaType<QAbstractSocket::SocketError>("QAbstractSocket::SocketError");
    qRegisterMetaType<cgi::DvrInfo>("cgi::DvrInfo");
    qRegisterMetaType<_DISPLAY_DVR_INFO>("DISPLAY_DVR_INFO");
    qRegisterMetaType<EMap_Status::ENUM>("EMap_Status::ENUM");
    // Made here, on the owner's thread: the link's thread only emits.
}

CHttpConnect::~CHttpConnect()
{
    // A running thread would outlive its object.
    if (isRunning())
        Disconnect();
}

void CHttpConnect::Connect(const DVR& dvr, const ConnParam& p)
{
    Request next;
    next.dvr = dvr;
    next.mode = p.mode;
    next.emap = p.emapMode;
    next.backupEnd = p.endTime;
    int result = 0;
    next.query = CStreamQuery::video(dvr, p, &result);
    next.refusal = CLinkFailure::notSent(result);
    {
        std::lock_guard<std::mutex> lock(m_requestMutex);
        m_request = next;
    }
    {
        std::lock_guard<std::mutex> lock(m_infoMutex);
        m_info.mode = p.mode == LIVE ? 0 : 1;
        m_info.dvrName = QString::fromStdString(dvr.name());
        m_info.channelMask = static_cast<int>(dvr.bitch());
        m_info.failure = CLinkFailure();
        // Known from the record before any identity arrives, so that the
        // first frames are read with the right header.
        m_info.oldProtocol = dvr.oldprotocol();
    }
    startThread();
}

void CHttpConnect::audioConnect(const DVR& dvr, const ConnParam& p, int clientId)
{
    Request next;
    next.dvr = dvr;
    next.mode = p.mode;
    next.audio = true;
    int result = 0;
    next.query = CStreamQuery::audio(dvr, p, clientId, &result);
    next.refusal = CLinkFailure::notSent(result);
    {
        std::lock_guard<std::mutex> lock(m_requestMutex);
        m_request = next;
    }
    if (m_clientId.load() < 0)
        m_clientId = clientId;
    {
        // The wall finds an audio frame's screen and header by these, and an
        // audio stream need not carry the DVR's identity.
        std::lock_guard<std::mutex> lock(m_infoMutex);
        m_info.channelMask = static_cast<int>(dvr.bitch());
        m_info.oldProtocol = dvr.oldprotocol();
    }
    startThread();
}

void CHttpConnect::tryConnect()
{
    startThread();
}

void CHttpConnect::startThread()
{
    // A request made while the link runs only replaces the held request.
    if (isRunning() && !m_exiting.load())
        return;
    joinThread();
    const Request next = request();
    if (next.query.isEmpty()) {
        // Refused before anything was sent.
        setConnectionFailed(next.refusal);
        return;
    }
    m_stop = false;
    m_exiting = false;
    start();
}

void CHttpConnect::joinThread()
{
    wait();
    // The thread's last act: reading it orders all it did before what
    // follows here.
    m_exiting.load(std::memory_order_acquire);
}

void CHttpConnect::Disconnect()
{
    m_stop = true;
    joinThread();
    sendStop();
    m_clientId = -1;
    m_connected = false;
}

void CHttpConnect::sendStop()
{
    const int clientId = m_clientId.load();
    if (clientId < 0)
        return;
    const Request held = request();
    const QString stop = CStreamQuery::stop(held.dvr, clientId, held.audio);
    if (stop.isEmpty())
        return;
    qCDebug(lcDvrNetwork, "SEND STOP");
    CStopRequest::send(held.dvr, stop);
}

void CHttpConnect::SetRecordPtr(CRecord* recorder)
{
    m_recorder = recorder;
}

void CHttpConnect::setDisplayScreen(int first, int count)
{
    std::lock_guard<std::mutex> lock(m_infoMutex);
    m_info.startScreen = first;
    m_info.screenCount = count;
}

int CHttpConnect::getStartScreen() const
{
    std::lock_guard<std::mutex> lock(m_infoMutex);
    return m_info.startScreen;
}

int CHttpConnect::getEndScreen() const
{
    std::lock_guard<std::mutex> lock(m_infoMutex);
    return m_info.startScreen + m_info.screenCount;
}

DISPLAY_DVR_INFO CHttpConnect::displayInfo() const
{
    std::lock_guard<std::mutex> lock(m_infoMutex);
    return m_info;
}

bool CHttpConnect::IsLive() const
{
    return getConnectedMode() == LIVE;
}

int CHttpConnect::getConnectedMode() const
{
    std::lock_guard<std::mutex> lock(m_requestMutex);
    return m_request.mode;
}

int CHttpConnect::getDVRChannels() const
{
    std::lock_guard<std::mutex> lock(m_infoMutex);
    return static_cast<int>(m_identity.ch_num());
}

void CHttpConnect::setSilenceTime(int milliseconds)
{
    m_silenceMs = milliseconds;
}

void CHttpConnect::setRequestedChannels(quint32 channels)
{
    m_requestedChannels = channels;
}

void CHttpConnect::setSteadyTime(int milliseconds)
{
    m_steadyMs = milliseconds;
}

CHttpConnect::Request CHttpConnect::request() const
{
    std::lock_guard<std::mutex> lock(m_requestMutex);
    return m_request;
}

void CHttpConnect::UpdateConnectedDVRStatus()
{
    const Request held = request();
    if (held.emap && held.mode == LIVE) {
        const QString now = QDateTime::currentDateTime().toString(CDateTime::DISPLAY_TIME_FORMAT);
        for (int channel = 0; channel < 16; ++channel)
            emit signalEMapStatus(channel, now, false, EMap_Status::DISCONNECTED);
        return;
    }
    emit signalConnectedDVRStatus(displayInfo());
}

void CHttpConnect::setConnectionFailed(const CLinkFailure& failure)
{
    {
        std::lock_guard<std::mutex> lock(m_infoMutex);
        if (m_info.failure.isNull())
            m_info.failure = failure;
    }
    UpdateConnectedDVRStatus();
    emit signalConnectionFailed();
}

void CHttpConnect::run()
{
    Session session;
    session.request = request();
    int drops = 0;
    while (runSession(session) == SessionEnd::Dropped) {
        if (!endAfterDrop(session) || m_stop.load())
            break;
        emit Dropped();
        const int wait = restartWait(session.ranMs, m_steadyMs.load(), &drops);
        if (wait > 0 && !waitBeforeRestart(wait))
            break;
        session = Session();
        session.request = request();
        session.restarted = true;
    }
    m_exiting.store(true, std::memory_order_release);
}

int CHttpConnect::restartWait(qint64 ranMs, int steadyMs, int* drops)
{
    *drops = ranMs >= steadyMs ? 1 : *drops + 1;
    if (*drops <= 1)
        return 0;
    const int doublings = std::min(*drops - 2, 5);
    return std::min(FIRST_RESTART_WAIT_MS << doublings, LONGEST_RESTART_WAIT_MS);
}

bool CHttpConnect::waitBeforeRestart(int milliseconds)
{
    qCDebug(lcDvrNetwork, "restart in %d ms", milliseconds);
    {
        std::lock_guard<std::mutex> lock(m_infoMutex);
        m_info.failure = CLinkFailure::lost();
    }
    UpdateConnectedDVRStatus();
    QElapsedTimer waited;
    waited.start();
    while (!m_stop.load() && waited.elapsed() < milliseconds)
        QThread::msleep(POLL_MS);
    {
        // The restarted stream's pictures replace the failed state.
        std::lock_guard<std::mutex> lock(m_infoMutex);
        m_info.failure = CLinkFailure();
    }
    return !m_stop.load();
}

CHttpConnect::SessionEnd CHttpConnect::runSession(Session& session)
{
    const Request& held = session.request;
    cgi::CPacketStream stream(held.dvr.oldprotocol(), RECEIVE_BUFFER_SIZE);
    // A new stream carries the request's channels until a selection changes
    // them.
    m_requestedChannels = held.dvr.bitch();

    QTcpSocket socket;
    socket.setProxy(QNetworkProxy::NoProxy);
    socket.setReadBufferSize(SOCKET_READ_BUFFER_SIZE);
    connect(&socket, &QAbstractSocket::errorOccurred, this, &CHttpConnect::slotError, Qt::DirectConnection);
    socket.connectToHost(QString::fromStdString(held.dvr.address()), static_cast<quint16>(held.dvr.port()));
    // Old-dialect credentials go as they stand, in the DVR's narrow text.
    socket.write("GET /cgi-bin/webapp.cgi?" + CEucKr::fromUnicode(held.query) + "\r\n\r\n");

    QElapsedTimer silence;
    silence.start();
    QElapsedTimer running;
    running.start();
    bool wasConnected = false;
    SessionEnd end = SessionEnd::Stopped;
    for (;;) {
        QCoreApplication::processEvents();
        if (m_stop.load())
            break;
        const QAbstractSocket::SocketState state = socket.state();
        wasConnected = wasConnected || state == QAbstractSocket::ConnectedState;
        if (socket.bytesAvailable() > 0) {
            const int packets = readAndDispatch(socket, session, stream);
            if (packets < 0)
                break;
            if (packets > 0)
                silence.restart();
        } else if ((wasConnected || session.restarted) && state == QAbstractSocket::UnconnectedState) {
            // A restart that could not connect at all is a drop before any
            // packet: the DVR went away. A first start keeps trying until
            // the silence time.
            end = SessionEnd::Dropped;
            break;
        }
        // An old DVR asked for no channel rightly says nothing; a new one
        // still sends its status, so its silence means it is gone. One that
        // cannot be reached is failed by its silence either way.
        if (held.dvr.oldprotocol() && m_requestedChannels.load() == 0 && state == QAbstractSocket::ConnectedState)
            silence.restart();
        // Checked on every pass, so that a stream of bytes that never forms
        // a packet counts as silence too.
        if (silence.elapsed() > m_silenceMs.load()) {
            silence.restart();
            setConnectionFailed(CLinkFailure::lost());
        }
        if (socket.bytesAvailable() > 0)
            continue;
        if (state == QAbstractSocket::UnconnectedState || state == QAbstractSocket::HostLookupState)
            QThread::msleep(POLL_MS);
        else
            socket.waitForReadyRead(POLL_MS);
    }
    disconnect(&socket, nullptr, this, nullptr);
    socket.abort();
    session.ranMs = running.elapsed();
    return end;
}

int CHttpConnect::readAndDispatch(QTcpSocket& socket, Session& session, cgi::CPacketStream& stream)
{
    if (stream.writeSpace() == 0)
        stream.clear();
    const qint64 wanted = std::min<qint64>(socket.bytesAvailable(), qint64(stream.writeSpace()));
    const qint64 got = socket.read(reinterpret_cast<char*>(stream.writePos()), wanted);
    if (got <= 0) {
        qCDebug(lcDvrNetwork, "socket read error\n");
        return 0;
    }
    stream.commit(static_cast<std::size_t>(got));

    int packets = 0;
    cgi::CPacketStream::Packet packet;
    while (stream.nextPacket(packet)) {
        ++packets;
        // A backup's restart budget is not renewed by its packets: the DVR
        // closing a backup ends it.
        if (session.request.mode != BACKUP)
            session.retry = 0;
        ProcessPacket(session, packet.header.id, packet.header.type, packet.data, packet.size);
        QCoreApplication::processEvents();
        if (m_stop.load())
            return -1;
    }
    return packets;
}

bool CHttpConnect::endAfterDrop(Session& session)
{
    qCDebug(lcDvrNetwork, "CHttpConnect httpFinished\n");
    ++session.retry;
    sendStop();
    m_clientId = -1;
    m_connected = false;

    const Request& held = session.request;
    // A refusal was reported already; a backup that reached its end time
    // ends with the DVR closing it; audio failures are not watched.
    if (session.refused || session.backupEnded || held.audio)
        return false;
    if (held.mode != LIVE && !m_recorder.load()) {
        // A DVR keeps a playback open past its recordings, so one it closes
        // is lost: its owner must end it, not leave the last pictures
        // standing. An owner waiting for a first frame hears that none will
        // come.
        if (held.mode == PLAYBACK || !session.sawVideo)
            setConnectionFailed(CLinkFailure::lost());
        return false;
    }
    // Whole packets since the last start renewed the budget: a link that
    // keeps delivering between drops keeps going.
    if (session.retry <= 2)
        return true;
    if (held.mode == BACKUP) {
        emit backupInterrupted();
        return false;
    }
    setConnectionFailed(CLinkFailure::lost());
    return false;
}

void CHttpConnect::ProcessPacket(Session& session, int id, int type, const unsigned char* data, std::size_t len)
{
    if (session.request.dvr.oldprotocol()) {
        if (type == OLD_RESPONSE) {
            ReceivedResponse(session, data, len);
        } else if (type >= OLD_AUDIO_FIRST && type <= OLD_AUDIO_LAST) {
            ReceivedAudio(session, data, len);
        } else if (type >= OLD_VIDEO_FIRST && type <= OLD_VIDEO_LAST) {
            int none = -1;
            m_clientId.compare_exchange_strong(none, id);
            ReceivedVideo(session, data, len);
        } else if (type == OLD_DVR_INFO) {
            ReceivedDVRInfo(session, data, len);
        }
        return;
    }
    switch (type) {
    case cgi::DATA_RESPONSE:
        ReceivedResponse(session, data, len);
        break;
    case cgi::DATA_DVR_INFO:
        ReceivedDVRInfo(session, data, len);
        break;
    case cgi::DATA_VIDEO: {
        int none = -1;
        m_clientId.compare_exchange_strong(none, id);
        ReceivedVideo(session, data, len);
        break;
    }
    case cgi::DATA_AUDIO:
        ReceivedAudio(session, data, len);
        break;
    case cgi::DATA_LIVE_STATUS:
        ReceivedLiveStatus(data, len);
        break;
    case cgi::DATA_PB_STATUS:
        ReceivedPbStatus(data, len);
        break;
    default:
        break;
    }
}

void CHttpConnect::ReceivedResponse(Session& session, const unsigned char* data, std::size_t len)
{
    CRecord* recorder = m_recorder.load();
    if (session.request.mode != LIVE && recorder && recorder->isRecording())
        return;
    // A response that names no code fails the link without a text.
    CLinkFailure failure;
    if (len == 1) {
        failure = CLinkFailure::refused(session.request.dvr.oldprotocol(), data[0]);
        if (failure.isNull())
            return;
    }
    session.refused = true;
    setConnectionFailed(failure);
}

void CHttpConnect::ReceivedDVRInfo(const Session& session, const unsigned char* data, std::size_t len)
{
    const bool oldProtocol = session.request.dvr.oldprotocol();
    cgi::DvrInfo identity;
    if (oldProtocol) {
        identity = CStreamIdentity::fromOldRecord(data, len);
    } else if (!CStreamIdentity::fromMessage(data, len, &identity)) {
        qCDebug(lcDvrNetwork, "[ERROR] DVR information does not parse");
        return;
    }
    const int named = CStreamIdentity::namedChannels(identity);
    std::lock_guard<std::mutex> lock(m_infoMutex);
    m_info.model = CStreamIdentity::normalisedModel(
        oldProtocol, static_cast<int>(identity.model()), static_cast<int>(identity.ch_num()), m_info.model);
    m_info.oldProtocol = oldProtocol;
    m_info.authorityMask = static_cast<int>(identity.available_chmask());
    for (int channel = 0; channel < int(m_info.channelNames.size()); ++channel) {
        m_info.channelNames[channel] = channel < named ? QString::fromStdString(identity.ch_name(channel)) : QString();
    }
    m_identity.Swap(&identity);
}

void CHttpConnect::ReceivedVideo(Session& session, const unsigned char* data, std::size_t len)
{
    const Request& held = session.request;
    const bool oldProtocol = held.dvr.oldprotocol();
    const CFrameInfo frame = CFrameInfo::read(oldProtocol, data, len);
    // A map view's frames may be headers alone; every other frame must be
    // whole, and a channel outside 0-15 is never whole.
    const bool emapLink = held.emap && held.mode == LIVE;
    if (!(emapLink ? frame.headerValid : frame.valid))
        return;
    const int ch = frame.channel;

    DISPLAY_DVR_INFO info;
    unsigned long long available = 0;
    cgi::DvrInfo identity;
    {
        std::lock_guard<std::mutex> lock(m_infoMutex);
        if (oldProtocol && held.mode != LIVE)
            m_info.pbMode = frame.pbMode;
        info = m_info;
        available = m_identity.available_chmask();
        if (!m_connected.load() && m_clientId.load() >= 0)
            identity = m_identity;
    }
    bool record = bit(info.recordMask, ch);
    bool motion = bit(info.motionMask, ch);
    bool sensor = bit(info.sensorMask, ch);
    bool videoLoss = bit(info.videoLossMask, ch);
    if (oldProtocol) {
        record = frame.record;
        motion = frame.motion;
        sensor = frame.sensor;
        videoLoss = frame.videoLoss;
    }

    session.sawVideo = true;
    const int clientId = m_clientId.load();
    if (!m_connected.load() && clientId >= 0) {
        m_videoType = frame.height == 288 || frame.height == 576 ? 1 : 0;
        qCDebug(lcDvrNetwork, "%s is called", "ReceivedVideo");
        m_connected = true;
        emit Connected(identity, clientId);
    }

    if (held.backupEnd != 0 && frame.time.sec >= held.backupEnd) {
        if (!session.backupEnded)
            emit updateBackupProgress(-1);
        session.backupEnded = true;
        return;
    }

    if (emapLink) {
        EMap_Status::ENUM status = EMap_Status::CONNECTED;
        if (videoLoss)
            status = EMap_Status::VIDEO_LOSS;
        else if (motion && sensor)
            status = EMap_Status::MOTION_SENSOR;
        else if (motion)
            status = EMap_Status::MOTION;
        else if (sensor)
            status = EMap_Status::SENSOR;
        emit signalEMapStatus(ch, displayTime(frame.time.sec), record, status);
        if (frame.valid)
            emit EMapDataReceived(info, QByteArray(reinterpret_cast<const char*>(data), qsizetype(len)));
        return;
    }

    CRecord* recorder = m_recorder.load();
    if (recorder && recorder->isRecording() && bit(available, ch)) {
        if (!bit(info.videoLossMask, ch))
            recorder->writeFrame(oldProtocol, QByteArray(reinterpret_cast<const char*>(data), qsizetype(len)));
        if (session.lastFrameTime == 0 || frame.time.sec > session.lastFrameTime) {
            if (session.lastFrameTime != 0)
                emit updateBackupProgress(static_cast<int>(frame.time.sec - session.lastFrameTime));
            session.lastFrameTime = static_cast<time_t>(frame.time.sec);
        }
    }
    emit VDataReceived(info, data, len);
}

void CHttpConnect::ReceivedAudio(const Session& session, const unsigned char* data, std::size_t len)
{
    const bool oldProtocol = session.request.dvr.oldprotocol();
    const CFrameInfo frame = CFrameInfo::read(oldProtocol, data, len);
    if (!frame.valid)
        return;
    const DISPLAY_DVR_INFO info = displayInfo();
    CRecord* recorder = m_recorder.load();
    if (recorder && recorder->isRecording()) {
        if (bit(info.videoLossMask, frame.channel))
            return;
        recorder->writeFrame(oldProtocol, QByteArray(reinterpret_cast<const char*>(data), qsizetype(len)));
        if (session.request.mode != LIVE)
            return;
    }
    emit ADataReceived(info, data, len);
}

void CHttpConnect::ReceivedLiveStatus(const unsigned char* data, std::size_t len)
{
    cgi::LiveStatus status;
    if (len > std::size_t(INT_MAX) || !status.ParseFromArray(data, static_cast<int>(len)))
        return;
    std::lock_guard<std::mutex> lock(m_infoMutex);
    m_info.recordMask = status.record_chmask();
    m_info.motionMask = status.motion_chmask();
    m_info.sensorMask = status.sensor_chmask();
    m_info.videoLossMask = status.vloss_chmask();
}

void CHttpConnect::ReceivedPbStatus(const unsigned char* data, std::size_t len)
{
    cgi::PbStatus status;
    if (len > std::size_t(INT_MAX) || !status.ParseFromArray(data, static_cast<int>(len)))
        return;
    std::lock_guard<std::mutex> lock(m_infoMutex);
    m_info.pbMode = static_cast<int>(status.mode());
}

void CHttpConnect::slotError(QAbstractSocket::SocketError error)
{
    switch (error) {
    case QAbstractSocket::ConnectionRefusedError:
        qCDebug(lcDvrNetwork, "ConnectionRefusedError");
        break;
    case QAbstractSocket::RemoteHostClosedError:
        qCDebug(lcDvrNetwork, "RemoteHostClosedError");
        break;
    case QAbstractSocket::HostNotFoundError:
        qCDebug(lcDvrNetwork, "HostNotFoundError");
        break;
    case QAbstractSocket::SocketAccessError:
        qCDebug(lcDvrNetwork, "SocketAccessError");
        break;
    case QAbstractSocket::SocketTimeoutError:
        // Every empty wait for data raises it.
        break;
    default:
        qCDebug(lcDvrNetwork, "socket Error code = %d", int(error));
        break;
    }
}
