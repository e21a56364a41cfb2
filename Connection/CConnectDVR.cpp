#include "CConnectDVR.h"

#include "Connection/CControlDVRList.h"
#include "Connection/CStreamIdentity.h"
#include "Display/CDisplayWidget.h"
#include "Settings/CAppSettings.h"
#include "SysData/CRecord.h"

#include <QTreeWidget>
#include <QtDebug>
#include <algorithm>

namespace {

// The index of a tree item in its tree's model, column 0.
QModelIndex indexOf(QTreeWidgetItem* item)
{
    QTreeWidget* tree = item->treeWidget();
    QTreeWidgetItem* parent = item->parent();
    if (!parent)
        return tree->model()->index(tree->indexOfTopLevelItem(item), 0);
    return tree->model()->index(parent->indexOfChild(item), 0, indexOf(parent));
}

} // namespace

CConnectDVR::CConnectDVR()
    : m_video(new CHttpConnect(this))
    , m_audio(new CHttpConnect(this))
    , m_recorder(new CRecord)
{
    // Named, so that a tool can watch a link's frames.
    m_video->setObjectName(QStringLiteral("video"));
    m_audio->setObjectName(QStringLiteral("audio"));
    m_reconnect.setSingleShot(true);
    connect(&m_reconnect, &QTimer::timeout, this, &CConnectDVR::OnTimer);
    connect(m_recorder, &CRecord::failed, this, &CConnectDVR::OnRecordFailed);
}

CConnectDVR::~CConnectDVR()
{
    disconnect();
    delete m_audio;
    delete m_video;
    delete m_recorder;
}

void CConnectDVR::setDVR(QTreeWidgetItem* item)
{
    if (!item)
        return;
    const QVariant data = item->data(0, Qt::UserRole);
    if (data.metaType() == QMetaType::fromType<DVR>())
        m_dvr = data.value<DVR>();
    m_entry = CDirectoryEntry::of(item);
    m_treeModel = nullptr;
    m_treeItem = QPersistentModelIndex();
    if (item->treeWidget()) {
        m_treeModel = item->treeWidget()->model();
        m_treeItem = indexOf(item);
    }
}

void CConnectDVR::setDVR(const DVR& dvr)
{
    m_dvr = dvr;
}

void CConnectDVR::setTreeIcon(const QIcon& icon)
{
    if (m_treeModel && m_treeItem.isValid())
        m_treeModel->setData(m_treeItem, icon, Qt::DecorationRole);
}

void CConnectDVR::setDisplayWidget(CDisplayWidget* wall)
{
    resetDisplayWidget();
    m_wall = wall;
    if (!wall)
        return;
    // The wall keeps no state of its own: emptied, its tiles show the
    // failure again only when told.
    connect(wall, &CDisplayWidget::tilesCleared, this, &CConnectDVR::showFailureAgain);
    // Frames are drawn from the links' threads; the pointer they carry is
    // valid during the call only.
    connect(m_video, &CHttpConnect::VDataReceived, wall, &CDisplayWidget::slotDisplayVideo, Qt::DirectConnection);
    connect(m_video, &CHttpConnect::ADataReceived, wall, &CDisplayWidget::OnPlayAudio, Qt::DirectConnection);
    connect(m_audio, &CHttpConnect::ADataReceived, wall, &CDisplayWidget::OnPlayAudio, Qt::DirectConnection);
    connect(m_video, &CHttpConnect::signalConnectedDVRStatus, wall, &CDisplayWidget::slotUpdateDVRStatus);
}

void CConnectDVR::resetDisplayWidget()
{
    if (m_wall)
        QObject::disconnect(m_wall, &CDisplayWidget::tilesCleared, this, nullptr);
    m_wall = nullptr;
    QObject::disconnect(m_video, &CHttpConnect::VDataReceived, nullptr, nullptr);
    QObject::disconnect(m_video, &CHttpConnect::signalConnectedDVRStatus, nullptr, nullptr);
    QObject::disconnect(m_video, &CHttpConnect::ADataReceived, nullptr, nullptr);
    QObject::disconnect(m_audio, &CHttpConnect::ADataReceived, nullptr, nullptr);
}

void CConnectDVR::showWaitWidget(bool show)
{
    if (m_wall)
        m_wall->showWaitWidget(show);
    // A controller that left the wall while it connected (a DVR
    // disconnected then) still takes its indicator off.
    if (!show && m_waitingWall && m_waitingWall != m_wall)
        m_waitingWall->showWaitWidget(false);
    m_waitingWall = show ? m_wall : nullptr;
}

void CConnectDVR::setDisplayScreen(int first, int count)
{
    m_video->setDisplayScreen(first, count);
    m_audio->setDisplayScreen(first, count);
}

int CConnectDVR::getDVRChannels() const
{
    return IsConnected() ? m_video->getDVRChannels() : 16;
}

int CConnectDVR::getCodec() const
{
    const int codec = CAppSettings().readSetting(CAppSettings::CODEC_TYPE, 0).toInt();
    if (codec == 1)
        return 1;
    if (codec == 3 && m_wall && m_wall->getViewScreens() > 4)
        return 1;
    return 0;
}

void CConnectDVR::setReconnectDelay(int milliseconds)
{
    m_reconnectMs = std::max(1, milliseconds);
}

void CConnectDVR::setSilenceTime(int milliseconds)
{
    m_video->setSilenceTime(milliseconds);
    m_audio->setSilenceTime(milliseconds);
}

void CConnectDVR::setRequestedChannels(quint32 channels)
{
    m_video->setRequestedChannels(channels);
    m_audio->setRequestedChannels(channels);
}

void CConnectDVR::watchVideoLink(bool live)
{
    // Every stop of the links cut these: each session makes them anew.
    QObject::disconnect(m_video, &CHttpConnect::Connected, this, nullptr);
    QObject::disconnect(m_video, &CHttpConnect::signalConnectionFailed, this, nullptr);
    QObject::disconnect(m_video, &CHttpConnect::Dropped, this, nullptr);
    connect(m_video, &CHttpConnect::Connected, this, live ? &CConnectDVR::OnConnected : &CConnectDVR::OnPlay);
    connect(m_video, &CHttpConnect::signalConnectionFailed, this, &CConnectDVR::slotConnectionFailed);
    connect(m_video, &CHttpConnect::Dropped, this, &CConnectDVR::streamDropped);
    m_live = live;
    m_state = State::Starting;
}

void CConnectDVR::startLive(bool showWait)
{
    // A start of its own supersedes a pending reconnect.
    m_reconnect.stop();
    m_clientId = 0;
    showWaitWidget(showWait);
    watchVideoLink(true);
    CHttpConnect::ConnParam p;
    p.mode = CHttpConnect::LIVE;
    p.skipMode = true;
    p.codec = getCodec();
    m_video->Connect(m_dvr, p);
}

void CConnectDVR::startPlayback(const PbBackupParam& p)
{
    if (p.mode != CHttpConnect::PLAYBACK && p.mode != CHttpConnect::BACKUP) {
        qDebug("[ERROR] startPlayback : Unknown Mode[%d]", p.mode);
        return;
    }
    m_reconnect.stop();
    showWaitWidget(true);
    watchVideoLink(false);
    DVR channels = m_dvr;
    channels.set_bitch(p.channelMask);
    CHttpConnect::ConnParam request;
    request.mode = p.mode;
    request.skipMode = CAppSettings().readSetting(CAppSettings::PLAYBACK_MODE, 0).toInt() != 0;
    request.startTime = p.startTime;
    request.endTime = p.endTime;
    if (p.mode == CHttpConnect::BACKUP)
        armBackupRecording(p.endTime);
    m_video->Connect(channels, request);
}

void CConnectDVR::armBackupRecording(time_t endTime)
{
    recordStop();
    {
        std::lock_guard<std::mutex> lock(m_armMutex);
        m_armed = true;
    }
    const QString name = QString::fromStdString(m_dvr.name());
    const long end = static_cast<long>(endTime);
    connect(
        m_video, &CHttpConnect::Connected, this,
        [this, name, end](const cgi::DvrInfo& info, int) {
            std::lock_guard<std::mutex> lock(m_armMutex);
            if (!m_armed)
                return;
            m_armed = false;
            if (!m_recorder->start(name, info, end))
                QMetaObject::invokeMethod(this, &CConnectDVR::OnRecordFailed, Qt::QueuedConnection);
        },
        Qt::DirectConnection);
    connect(m_video, &CHttpConnect::updateBackupProgress, this, &CConnectDVR::updateBackupProgress);
    connect(m_video, &CHttpConnect::backupInterrupted, this, &CConnectDVR::OnBackupInterrupted);
    m_video->SetRecordPtr(m_recorder);
    m_audio->SetRecordPtr(m_recorder);
}

void CConnectDVR::startAudio(int cid)
{
    CHttpConnect::ConnParam p;
    p.mode = m_video->getConnectedMode();
    p.skipMode = true;
    p.codec = getCodec();
    m_audio->audioConnect(m_dvr, p, cid);
}

void CConnectDVR::OnConnected(const cgi::DvrInfo& info, int cid)
{
    // A report that was under way when the links were stopped is stale.
    if (m_state == State::Idle)
        return;
    showWaitWidget(false);
    m_failure = CLinkFailure();
    m_identity = info;
    startAudio(cid);
    const int model = static_cast<int>(info.model());
    m_identity.set_model(static_cast<quint32>(
        CStreamIdentity::normalisedModel(m_dvr.oldprotocol(), model, static_cast<int>(info.ch_num()), model)));
    m_clientId = cid;
    setTreeIcon(CControlDVRList::getConnectedIcon());
    m_state = State::Running;
    emit connected();
}

void CConnectDVR::OnPlay(const cgi::DvrInfo& info, int cid)
{
    if (m_state == State::Idle)
        return;
    showWaitWidget(false);
    m_failure = CLinkFailure();
    m_identity = info;
    m_clientId = cid;
    startAudio(cid);
    m_state = State::Running;
}

bool CConnectDVR::recordStart()
{
    recordStop();
    if (!m_recorder->start(QString::fromStdString(m_dvr.name()), m_identity, 0)) {
        tellRecordFailure("[ERROR] recording not started:");
        return false;
    }
    m_video->SetRecordPtr(m_recorder);
    m_audio->SetRecordPtr(m_recorder);
    return true;
}

void CConnectDVR::recordStop()
{
    {
        std::lock_guard<std::mutex> lock(m_armMutex);
        m_armed = false;
    }
    m_video->SetRecordPtr(nullptr);
    m_audio->SetRecordPtr(nullptr);
    QObject::disconnect(m_video, &CHttpConnect::updateBackupProgress, this, nullptr);
    QObject::disconnect(m_video, &CHttpConnect::backupInterrupted, this, nullptr);
    m_recorder->stop();
    // The stop's own failure, or that of a write just before it whose report
    // is still on its way from the link's thread: told now, while the caller
    // still listens.
    tellRecordFailure("[ERROR] recording not completed:");
}

void CConnectDVR::tellRecordFailure(const char* what)
{
    const QString reason = m_recorder->takeFailure();
    if (reason.isEmpty())
        return;
    // Nothing is recorded any more.
    m_video->SetRecordPtr(nullptr);
    m_audio->SetRecordPtr(nullptr);
    qWarning().noquote() << what << reason;
    // Last: a receiver may drop this controller.
    emit recordFailed(reason);
}

QString CConnectDVR::backupLostReason()
{
    return tr("There is no more backup data. Or Connection failed");
}

void CConnectDVR::OnBackupInterrupted()
{
    emit recordFailed(backupLostReason());
}

void CConnectDVR::OnRecordFailed()
{
    // The recorder has stopped itself and closed its files, or did not
    // start; a stop or a start since may have told it already.
    tellRecordFailure("[ERROR] recording failed:");
}

bool CConnectDVR::isRecording() const
{
    return m_recorder->isRecording();
}

void CConnectDVR::updateStatus()
{
    if (m_wall)
        m_wall->slotUpdateDVRStatus(shownStatus());
}

DISPLAY_DVR_INFO CConnectDVR::shownStatus() const
{
    DISPLAY_DVR_INFO status = m_video->displayInfo();
    // A stopped link keeps the failure of its last state; stopped, the DVR
    // shows only the failure this controller holds, none once the operator
    // stopped it.
    if (!m_failure.isNull() || m_state == State::Idle)
        status.failure = m_failure;
    return status;
}

void CConnectDVR::showFailureAgain()
{
    const DISPLAY_DVR_INFO status = shownStatus();
    if (m_wall && !status.failure.isNull())
        m_wall->slotUpdateDVRStatus(status);
}

void CConnectDVR::refreshTreeIcon()
{
    if (m_live && m_state == State::Running)
        setTreeIcon(CControlDVRList::getConnectedIcon());
}

void CConnectDVR::stopLinks()
{
    showWaitWidget(false);
    recordStop();
    m_audio->Disconnect();
    m_video->Disconnect();
    QObject::disconnect(m_audio, nullptr, nullptr, nullptr);
    QObject::disconnect(m_video, nullptr, nullptr, nullptr);
    m_state = State::Idle;
}

void CConnectDVR::disconnect()
{
    m_reconnect.stop();
    m_failure = CLinkFailure();
    stopLinks();
    emit disconnected();
}

void CConnectDVR::slotConnectionFailed()
{
    // Every report after the first comes from a link already stopped.
    if (m_state == State::Idle)
        return;
    const CLinkFailure status = m_video->displayInfo().failure;
    emit failing(status);
    // The work on the links ended as its Stop ends it, and stopped them.
    if (m_state == State::Idle)
        return;
    const bool live = m_live;
    // Held until the DVR streams again: a reconnect attempt starts the link
    // afresh, its state cleared, while the DVR is still gone.
    m_failure = status;
    setTreeIcon(CControlDVRList::getConnectionFailedIcon());
    stopLinks();
    // Only live view comes back by itself; a playback or backup that failed
    // is the operator's to start again.
    if (live && CAppSettings().readSetting(CAppSettings::RECONNECT, false).toBool())
        m_reconnect.start(m_reconnectMs);
    // Last: a receiver may drop this controller.
    emit disconnected();
}

void CConnectDVR::OnTimer()
{
    startLive(false);
}
