#include "CLiveView.h"

#include "Common/CDvrIdentity.h"
#include "Connection/CApplicationSender.h"
#include "Connection/CConnectDVR.h"
#include "Connection/CDVRListTree.h"
#include "Connection/COrderedCommands.h"
#include "Connection/CStreamIdentity.h"
#include "DVRSetup/CLiveCtrlWidget.h"
#include "Display/CCheckSpeed.h"
#include "Display/CDisplayWidget.h"
#include "Recording/CBackupWidget.h"
#include "Recording/CPanelMessage.h"
#include "Recording/CPlaybackWidget.h"
#include "Settings/CAppSettings.h"
#include "dvr_types/DvrModelInfo.h"
#include "viewer/CChannelSelection.h"
#include "viewer/CDisplayTitle.h"
#include "viewer/CModeTable.h"
#include "viewer/CViewerCommands.h"

#include <QLabel>
#include <QTimer>
#include <QTreeWidgetItem>
#include <algorithm>
#include <utility>

namespace {

const int DVR_CHANNELS = 16;
// CodecType: the DVR chooses main or sub stream by the screens on view.
const int CODEC_AUTOMATIC = 3;
const int FOUR_SCREENS = 4;

// The 16-channel model stands for a model the table does not know, of a
// channel count other than 4 or 8.
const int SIXTEEN_CHANNEL_MODEL = 4;

// The model whose facts decide the live controls: the reported one, or for
// a model the table does not know one of the channel count.
int panelModel(const cgi::DvrInfo& info)
{
    return CStreamIdentity::normalisedModel(
        false, static_cast<int>(info.model()), static_cast<int>(info.ch_num()), SIXTEEN_CHANNEL_MODEL);
}

bool hasPictureControls(int model)
{
    return model != 64 && model != 65;
}

// A recording to the PC runs on a live link; a backup records on a link of
// its own.
bool recordsToPc(const CConnectDVR* controller)
{
    return controller && controller->IsLive() && controller->isRecording();
}

} // namespace

CLiveView::CLiveView(const Panels& panels, const CModeTable& modes, QObject* parent)
    : QObject(parent)
    , m_panels(panels)
    , m_modes(modes)
    , m_commands(std::make_unique<CViewerCommands>(&CApplicationSender::instance()))
{
    connect(&m_selection, &CLiveSelection::changed, this, &CLiveView::showSelection);
    connect(&m_selection, &CLiveSelection::changed, this, &CLiveView::forgetOtherDvrs);
    CDVRListTree* tree = panels.tree;
    connect(tree, &CDVRListTree::groupConnect, this, &CLiveView::OnGroupConnect);
    connect(tree, &CDVRListTree::changedDVR, this, &CLiveView::OnChangedDVR);
    connect(tree, &CDVRListTree::disconnectDVR, this, &CLiveView::slotDisconnectDVR);
    connect(tree, &CDVRListTree::aboutToRemove, this, &CLiveView::OnRemovingDVR);
    connect(tree, &CDVRListTree::editedDVR, this, &CLiveView::OnEditedDVR);
    // What is pending for a DVR ends with the last entry naming it; what an
    // entry left pending goes on as another entry's of the same DVR.
    connect(tree, &CDVRListTree::unlisted, &COrderedCommands::ofApplication(), &COrderedCommands::unlist);
    connect(tree, &CDVRListTree::entryLeft, &COrderedCommands::ofApplication(), &COrderedCommands::handOver);
    connect(panels.wall, &CDisplayWidget::changedScreen, this, &CLiveView::slotChangedScreen);
    connect(panels.wall, &CDisplayWidget::sendChannelCommand, this, &CLiveView::sendChannelCommand);
    connect(panels.playback, &CPlaybackWidget::selectedTime, this, &CLiveView::OnSelectedTime);
    connect(panels.playback, &CPlaybackWidget::changedPbStatus, this, &CLiveView::OnChangedPbStatus);
    connect(panels.playback, &CPlaybackWidget::stopDisplay, this, &CLiveView::stopDisplay);
    connect(panels.backup, &CBackupWidget::backupStart, this, &CLiveView::OnBackupStart);
    connect(panels.backup, &CBackupWidget::backupStop, this, &CLiveView::OnBackupStop);
}

CLiveView::~CLiveView()
{
    for (CConnectDVR* controller : m_connections.entries()) {
        if (controller)
            unwatch(controller);
    }
    m_connections.deleteAll();
}

int CLiveView::codecType()
{
    return CAppSettings().readSetting(CAppSettings::CODEC_TYPE, 0).toInt();
}

bool CLiveView::isCurrentConnected() const
{
    return m_selection.isConnected();
}

// ---- Connecting ----

void CLiveView::OnGroupConnect(const QTreeWidgetItem& treeItem, int groupIndex, int dvrIndex)
{
    if (m_modes.current() == CModeTable::PLAYBACK)
        return;
    endWork(-1,
        {tr("The backup stopped because a group was connected."),
            tr("The recording to the PC stopped because a group was connected.")});
    stop(true);
    m_connections.setCurrentIndex(dvrIndex < 0 ? 0 : dvrIndex);
    m_currentGroup = groupIndex;

    const QVariant data = treeItem.data(0, Qt::UserRole);
    if (data.metaType() != QMetaType::fromType<Group>())
        return;
    m_connections.connectGroup(
        data.value<Group>(), treeItem, dvrIndex, m_panels.wall->getScreenMode() == CDisplayWidget::MULTI_DVR);
    start();
}

void CLiveView::connectOne(const DVR& dvr)
{
    endWork(-1,
        {tr("The backup stopped because a DVR was connected by its address."),
            tr("The recording to the PC stopped because a DVR was connected by its address.")});
    stop(true);
    m_connections.setCurrentIndex(0);
    // The DVR is in no group: what the tree asks of a group's DVRs is not
    // asked of it.
    m_currentGroup = -1;
    m_connections.append(dvr);
    start();
}

void CLiveView::start()
{
    updateDisplayScreen();
    m_panels.playback->clear();
    m_panels.backup->clear();

    CConnectDVR* controller = current();
    const CModeTable::Page page = m_modes.bottomPage();
    if (page == CModeTable::PLAYBACK_PAGE || page == CModeTable::BACKUP_PAGE) {
        searchRecordings(page, controller);
        return;
    }
    emit recordToPcEnabled(true);
    for (CConnectDVR* entry : m_connections.entries()) {
        if (!entry)
            continue;
        watch(entry);
        entry->startLive(true);
    }
}

void CLiveView::stop(bool remove)
{
    emit streamsStopping();
    for (CConnectDVR* controller : m_connections.entries()) {
        if (!controller)
            continue;
        // However the playback ends, the DVR hears what the panel's Stop
        // tells it.
        tellPlaybackStop(*controller);
        // While watched: a failure to complete a recording's files is told.
        controller->recordStop();
        unwatch(controller);
        controller->disconnect();
    }
    // Once no link runs: no picture of theirs is still on its way.
    stopDisplay();
    if (remove)
        m_connections.deleteAll();
    // No stream is left for the panel's commands to name.
    refreshSelection();
    m_panels.tree->clearIcon(m_currentGroup);
}

QStringList CLiveView::end()
{
    // A backup's too: its panel goes with the window.
    return failuresOf([this] { stop(true); });
}

QStringList CLiveView::failuresOf(const std::function<void()>& ending)
{
    m_endingFailures.emplace();
    ending();
    return *std::exchange(m_endingFailures, std::nullopt);
}

void CLiveView::watch(CConnectDVR* controller)
{
    watchWork(controller);
    connect(controller, &CConnectDVR::streamDropped, this, &CLiveView::refreshSelection, Qt::UniqueConnection);
}

void CLiveView::watchBackup(CConnectDVR* controller)
{
    watchWork(controller);
    connect(controller, &CConnectDVR::updateBackupProgress, m_panels.backup, &CBackupWidget::OnUpdateProgress,
        Qt::UniqueConnection);
}

void CLiveView::watchWork(CConnectDVR* controller)
{
    connect(controller, &CConnectDVR::connected, this, &CLiveView::OnConnected, Qt::UniqueConnection);
    connect(controller, &CConnectDVR::disconnected, this, &CLiveView::OnDisconnected, Qt::UniqueConnection);
    connect(controller, &CConnectDVR::recordFailed, this, &CLiveView::OnRecordFailed, Qt::UniqueConnection);
    connect(controller, &CConnectDVR::failing, this, &CLiveView::OnFailing, Qt::UniqueConnection);
}

void CLiveView::unwatch(CConnectDVR* controller)
{
    QObject::disconnect(controller, &CConnectDVR::connected, nullptr, nullptr);
    QObject::disconnect(controller, &CConnectDVR::disconnected, nullptr, nullptr);
    QObject::disconnect(controller, &CConnectDVR::streamDropped, nullptr, nullptr);
    QObject::disconnect(controller, &CConnectDVR::updateBackupProgress, nullptr, nullptr);
    QObject::disconnect(controller, &CConnectDVR::recordFailed, nullptr, nullptr);
    QObject::disconnect(controller, &CConnectDVR::failing, nullptr, nullptr);
}

// ---- Pages that act on the current DVR ----

bool CLiveView::anyInUse() const
{
    const QList<CConnectDVR*>& entries = m_connections.entries();
    return std::any_of(entries.cbegin(), entries.cend(), [](const CConnectDVR* controller) {
        return controller && (controller->isStarted() || controller->isReconnectPending());
    });
}

CConnectDVR* CLiveView::stopForPage()
{
    if (anyInUse())
        stop(false);
    return current();
}

void CLiveView::searchCurrent()
{
    m_panels.playback->clear();
    searchRecordings(CModeTable::PLAYBACK_PAGE, stopForPage());
}

void CLiveView::browseLocalFiles()
{
    if (anyInUse())
        stop(true);
    m_panels.playback->clear();
    m_panels.playback->setDisplayWidget(m_panels.wall);
    m_panels.playback->search(QString());
}

void CLiveView::backupCurrent()
{
    m_panels.backup->clear();
    searchRecordings(CModeTable::BACKUP_PAGE, stopForPage());
}

void CLiveView::searchRecordings(CModeTable::Page page, CConnectDVR* controller)
{
    const DVR dvr = controller ? controller->getDVR() : DVR();
    const int channels = controller ? controller->getDVRChannels() : DVR_CHANNELS;
    const int clientId = controller ? controller->getClientID() : -1;
    const CDirectoryEntry::Id entry = controller ? controller->entry() : CDirectoryEntry::NONE;
    if (page == CModeTable::BACKUP_PAGE)
        m_panels.backup->search(dvr, entry, channels, clientId);
    else
        m_panels.playback->search(dvr, entry, channels, clientId);
}

void CLiveView::stopBackup()
{
    // Not only in backup mode: PC setup or the E-Map may have left it while
    // the backup ran, and the connection it runs on is about to stop.
    m_panels.backup->OnBackupStop();
}

bool CLiveView::stopPlayback()
{
    const CConnectDVR* controller = current();
    if (!controller || !controller->isStarted() || !controller->isPlayback())
        return false;
    stop(false);
    return true;
}

void CLiveView::tellPlaybackStop(CConnectDVR& controller)
{
    // Only a stream that delivers has a client id for the command to name;
    // one still starting ends with its link.
    if (!controller.isStarted() || !controller.isPlayback() || !controller.IsConnected())
        return;
    m_commands->playbackControl(controller, cgi::PbControl::CMD_STOP);
    m_panels.wall->setPbStatus(cgi::PbControl::CMD_STOP);
}

void CLiveView::endCurrentWork(const QString& backupWhy, const QString& playbackWhy)
{
    // Both run on the current DVR's stream alone.
    m_panels.backup->OnBackupEnded(backupWhy);
    if (stopPlayback() && !playbackWhy.isEmpty())
        CPanelMessage::show(m_panels.playback, playbackWhy);
}

void CLiveView::OnFailing(const CLinkFailure& failure)
{
    const int index = m_connections.entries().indexOf(qobject_cast<CConnectDVR*>(sender()));
    if (index < 0)
        return;
    // A DVR that refused the backup says why; one that went away is told as
    // when it ends the backup's stream early.
    const QString status = failure.text();
    const QString backup
        = failure.isLost() ? CConnectDVR::backupLostReason() : tr("The backup stopped: %1").arg(status);
    endWork(index,
        {backup, tr("The recording to the PC stopped: %1").arg(status), tr("The playback stopped: %1").arg(status)});
}

void CLiveView::endWork(int dvrIndex, const Ending& why)
{
    if (dvrIndex < 0 || dvrIndex == m_connections.currentIndex())
        endCurrentWork(why.backup, why.playback);
    endRecordings(dvrIndex, why.recording);
}

void CLiveView::endRecordings(int dvrIndex, const QString& why)
{
    bool ended = false;
    const QStringList failures = failuresOf([&] {
        const QList<CConnectDVR*>& entries = m_connections.entries();
        for (int i = 0; i < entries.size(); ++i) {
            CConnectDVR* controller = entries.at(i);
            // A backup is the backup panel's to end.
            if (!controller || !controller->IsLive() || (dvrIndex >= 0 && i != dvrIndex))
                continue;
            ended = controller->isRecording() || ended;
            // While watched: a failure to complete the files, or that of a
            // write just before whose report is still on its way, is heard.
            controller->recordStop();
        }
    });
    showRecorder();
    if (ended || !failures.isEmpty())
        emit recordToPcEnded((QStringList{why} + failures).join(QLatin1Char('\n')));
}

void CLiveView::stopLocalPlayback()
{
    if (!m_panels.playback->IsLocalPlayback())
        return;
    m_panels.wall->stop();
    m_panels.playback->PlayStop();
}

// ---- The wall ----

void CLiveView::stopDisplay()
{
    for (CConnectDVR* controller : m_connections.entries()) {
        if (controller)
            controller->resetDisplayWidget();
    }
    if (m_panels.playback->IsLocalPlayback())
        m_panels.playback->disconnectSignal();
    m_panels.wall->ClearScreen();
    // The left label names the current DVR: it follows the selection.
    m_panels.title->centre()->clear();
    m_panels.title->right()->clear();
    resetMeter();
}

void CLiveView::redrawLater()
{
    QTimer::singleShot(REDRAW_DELAY_MS, this, &CLiveView::restoreScreen);
}

void CLiveView::restoreScreen()
{
    m_panels.wall->ClearScreen();
    m_panels.title->centre()->clear();
    updateDisplayScreen();
    if (m_panels.wall->getScreenMode() == CDisplayWidget::MULTI_DVR) {
        for (CConnectDVR* controller : m_connections.entries()) {
            if (controller)
                controller->updateStatus();
        }
    } else if (CConnectDVR* controller = current()) {
        controller->updateStatus();
    }
    if (m_panels.playback->IsLocalPlayback())
        m_panels.playback->connectSignal();
}

void CLiveView::updateDisplayScreen()
{
    CDisplayWidget* wall = m_panels.wall;
    // The framed tile's DVR, or one on view, becomes current.
    m_connections.assignScreens(wall);
    refreshSelection();
    sendChannelCommand(wall->getViewEndScreen() - wall->getViewStartScreen(), wall->getViewStartScreen());
}

void CLiveView::resetMeter()
{
    gCheckSpeed.reset();
    emit meterReset();
}

bool CLiveView::showScreens(int screens, int start)
{
    if (m_panels.wall->IsSameScreen(screens, start))
        return false;
    stopDisplay();
    m_panels.wall->UpdateDisplayRect(screens, start);
    redrawLater();
    return true;
}

void CLiveView::updateTitle()
{
    m_panels.title->follow(m_panels.wall, m_modes.titleShowsTime(), m_modes.titleShowsStatus());
}

// ---- The controllers' and the tree's reports ----

void CLiveView::OnConnected()
{
    auto* controller = qobject_cast<CConnectDVR*>(sender());
    // The commands waiting from that entry name its new stream.
    if (controller && controller->IsLive())
        COrderedCommands::ofApplication().know(controller->entry(), controller->getDVR(), controller->getClientID());
    // The DVR streams its whole mask until told what the view shows.
    const int index = m_connections.entries().indexOf(controller);
    if (index >= 0)
        selectChannels(index, m_panels.wall->getViewScreens(), m_panels.wall->getViewStartScreen());
    refreshSelection();
}

void CLiveView::OnDisconnected()
{
    stopBackup();
    stopDisplay();
    // At once: until the redraw the panel would still command a DVR that
    // failed.
    refreshSelection();
    redrawLater();
}

void CLiveView::slotDisconnectDVR(int groupIndex, int dvrIndex)
{
    // Another group's DVR, or a DVR of the group left out, is not connected.
    if (groupIndex != m_currentGroup || m_connections.entries().isEmpty()
        || (dvrIndex >= 0 && !m_connections.entries().value(dvrIndex)))
        return;
    endWork(dvrIndex,
        {tr("The backup stopped because the DVR was disconnected."),
            tr("The recording to the PC stopped because the DVR was disconnected.")});
    if (dvrIndex < 0)
        stop(false);
    else
        stopOne(dvrIndex);
    refreshSelection();
    QTimer::singleShot(REDRAW_DELAY_MS, this, &CLiveView::OnDisconnected);
}

void CLiveView::stopOne(int dvrIndex)
{
    CConnectDVR* controller = m_connections.entries().at(dvrIndex);
    controller->resetDisplayWidget();
    unwatch(controller);
    controller->disconnect();
    m_panels.tree->clearIcon(m_currentGroup);
    for (CConnectDVR* other : m_connections.entries()) {
        if (other)
            other->refreshTreeIcon();
    }
}

void CLiveView::OnRemovingDVR(int groupIndex, int dvrIndex)
{
    if (dvrIndex < 0 && groupIndex < m_currentGroup) {
        --m_currentGroup;
        return;
    }
    if (groupIndex != m_currentGroup || m_connections.entries().isEmpty())
        return;
    endWork(dvrIndex,
        {tr("The backup stopped because the DVR was deleted."),
            tr("The recording to the PC stopped because the DVR was deleted.")});
    // A deleted current DVR leaves no current DVR, and its recordings leave
    // the pages as the selection follows.
    if (dvrIndex < 0) {
        stop(true);
        m_currentGroup = -1;
    } else if (dvrIndex < m_connections.entries().size()) {
        // The remaining DVRs move up in the tree, and so do their entries.
        if (CConnectDVR* controller = m_connections.entries().at(dvrIndex))
            unwatch(controller);
        stopDisplay();
        m_connections.removeAt(dvrIndex);
        redrawLater();
    }
    refreshSelection();
}

void CLiveView::OnChangedDVR(int groupIndex, int dvrIndex)
{
    // The many-DVR view's current DVR is its framed tile's, which the tree
    // shows again.
    if (m_panels.wall->getScreenMode() == CDisplayWidget::MULTI_DVR) {
        refreshSelection();
        return;
    }
    m_panels.wall->ClearScreen();
    // A backup or a remote playback runs on the current DVR's stream: it
    // ends, as its Stop ends it, before that DVR is current no more and Stop
    // could not reach it.
    if (groupIndex != m_currentGroup || dvrIndex != m_connections.currentIndex())
        endCurrentWork(tr("The backup stopped because another DVR was chosen."));
    if (groupIndex != m_currentGroup) {
        stopDisplay();
        m_connections.setCurrentIndex(-1);
    } else if (dvrIndex != m_connections.currentIndex()) {
        stopDisplay();
        m_connections.setCurrentIndex(dvrIndex);
        redrawLater();
    }
    // The pages forget the DVR that is no longer current first.
    updateDvrInfo();
    showCurrentRecordings();
    sendChannelCommand(DVR_CHANNELS, 0);
}

void CLiveView::showCurrentRecordings()
{
    const CModeTable::Page page = m_modes.bottomPage();
    CConnectDVR* controller = current();
    // A search that has no reply to show (refused or unanswered) is asked
    // again, rather than leaving the page empty without a word.
    const auto show = [&](auto* panel) {
        if (!controller || !panel->searched(controller->getDVR(), controller->entry()) || !panel->reloadSearchData())
            searchRecordings(page, controller);
    };
    if (page == CModeTable::PLAYBACK_PAGE && !m_panels.playback->IsLocalPlayback())
        show(m_panels.playback);
    else if (page == CModeTable::BACKUP_PAGE)
        show(m_panels.backup);
}

void CLiveView::forgetOtherDvrs(const CLiveSelection::Value& now)
{
    // Another DVR's reply would be shown, played or backed up as the current
    // DVR's, and its hours asked of it.
    const auto keepCurrent = [&now](auto* panel) {
        if (!now.hasDvr || !panel->searched(now.dvr, now.entry))
            panel->forgetDvr();
    };
    keepCurrent(m_panels.playback);
    keepCurrent(m_panels.backup);
}

void CLiveView::OnEditedDVR(int groupIndex, int dvrIndex)
{
    const QTreeWidgetItem* groupItem = m_panels.tree->topLevelItem(groupIndex);
    QTreeWidgetItem* item = groupItem ? groupItem->child(dvrIndex) : nullptr;
    if (!item)
        return;
    // Whether connected or not: commands still to go from that entry take
    // the edited record.
    const QVariant record = item->data(0, Qt::UserRole);
    if (record.metaType() == QMetaType::fromType<DVR>())
        COrderedCommands::ofApplication().know(CDirectoryEntry::of(item), record.value<DVR>());
    CConnectDVR* controller = groupIndex == m_currentGroup ? m_connections.entries().value(dvrIndex) : nullptr;
    if (!controller)
        return;
    const DVR before = controller->getDVR();
    // The edit gave the item a new record and the plain icon.
    controller->setDVR(groupItem->child(dvrIndex));
    if (CDvrIdentity::streamsAlike(before, controller->getDVR())) {
        controller->refreshTreeIcon();
        refreshSelection();
        return;
    }
    // Another address, account or channel choice: the pictures on view and
    // the commands must come from one record, so the DVR's streams start
    // anew from the new one, as a disconnect and a connect would.
    restart(dvrIndex);
}

void CLiveView::restart(int dvrIndex)
{
    CConnectDVR* controller = m_connections.entries().at(dvrIndex);
    endWork(dvrIndex,
        {tr("The backup stopped because the DVR's settings changed."),
            tr("The recording to the PC stopped because the DVR's settings changed.")});
    const CModeTable::Page page = m_modes.bottomPage();
    if (page == CModeTable::PLAYBACK_PAGE || page == CModeTable::BACKUP_PAGE) {
        // The panel's search came from the old record.
        if (controller == current()) {
            stop(false);
            start();
        }
        return;
    }
    // One that does not stream (failed, or disconnected from the tree) takes
    // the new record at its next start.
    if (controller->isStarted() || controller->isReconnectPending()) {
        stopDisplay();
        controller->disconnect();
        watch(controller);
        controller->startLive(true);
    }
    refreshSelection();
    // The screens follow the new channels.
    redrawLater();
}

void CLiveView::slotChangedScreen(int screen, int /*dvrch*/)
{
    // In the many-DVR view a click frames a tile of any DVR, failed or not,
    // and that DVR becomes current; the one-DVR view shows the current DVR
    // alone.
    if (m_panels.wall->getScreenMode() == CDisplayWidget::MULTI_DVR) {
        const QList<CConnectDVR*>& entries = m_connections.entries();
        for (int i = 0; i < entries.size(); ++i) {
            const CConnectDVR* controller = entries.at(i);
            // Screens stay with their DVR across pages: a tile on a new page
            // names its DVR before the redraw shows it.
            if (controller && screen >= controller->getDisplayStartScreen()
                && screen < controller->getDisplayEndScreen()) {
                m_connections.setCurrentIndex(i);
                break;
            }
        }
    }
    refreshSelection();
}

void CLiveView::updateDvrInfo()
{
    m_panels.title->right()->clear();
    refreshSelection();
}

void CLiveView::refreshSelection()
{
    CLiveSelection::Value value;
    if (const CConnectDVR* controller = current()) {
        value.hasDvr = true;
        value.dvr = controller->getDVR();
        value.entry = controller->entry();
        value.connected = controller->IsConnected();
        value.channel = framedChannel(*controller);
        if (value.connected) {
            value.clientId = controller->getClientID();
            const int model = panelModel(controller->GetDvrInfo());
            value.hasRelay = !value.dvr.oldprotocol() && DvrModelInfo(DvrModel(model)).alarm;
            value.hasPicture = !value.dvr.oldprotocol() && hasPictureControls(model);
        }
    }
    m_selection.set(value);
    m_panels.tree->showCurrent(value.hasDvr ? value.entry : CDirectoryEntry::NONE);
    // Whether or not the selection changed: the recorder may have.
    showRecorder();
}

void CLiveView::showRecorder()
{
    emit recordToPcChecked(recordsToPc(current()));
}

int CLiveView::framedChannel(const CConnectDVR& controller) const
{
    const CDisplayWidget* wall = m_panels.wall;
    const CChannelSelection::Block block{
        controller.getDisplayStartScreen(), controller.getDisplayEndScreen() - controller.getDisplayStartScreen()};
    return CChannelSelection::channelOfScreen(
        controller.getDVR().bitch(), block, wall->selectedScreen(), wall->getScreenMode() == CDisplayWidget::MULTI_DVR);
}

void CLiveView::showSelection(const CLiveSelection::Value& now)
{
    QLabel* title = m_panels.title->left();
    CLiveCtrlWidget* liveCtrl = m_panels.liveCtrl;
    if (!now.hasDvr) {
        title->clear();
        liveCtrl->clearConnectedDVR();
        return;
    }
    const QString user = QString::fromStdString(now.dvr.id());
    emit adminRights(user.compare(QLatin1String("ADMIN"), Qt::CaseInsensitive) == 0);
    title->setText(QStringLiteral("%1( %2 )").arg(QString::fromStdString(now.dvr.name()), user));
    if (!now.connected) {
        liveCtrl->clearConnectedDVR(now.dvr, now.entry);
        return;
    }
    liveCtrl->setConnectedDVR(now.dvr, now.clientId, now.hasRelay, now.entry);
    liveCtrl->setVisiblePictureCtrl(now.hasPicture);
    if (now.channel >= 0)
        liveCtrl->setSelectedChannel(now.channel);
    emit setupShown(!now.dvr.oldprotocol());
}

// ---- Commands ----

void CLiveView::sendChannelCommand(int screens, int startscreen)
{
    // The wall shows other tiles (a layout, a page, a sequence step), also
    // with no DVR current, as during a local playback.
    resetMeter();
    if (!m_connections.isCurrentValid())
        return;
    for (int i = 0; i < m_connections.entries().size(); ++i)
        selectChannels(i, screens, startscreen);
}

void CLiveView::selectChannels(int index, int screens, int startscreen)
{
    CConnectDVR* controller = m_connections.entries().value(index);
    // A recording keeps every channel.
    if (!controller || !controller->IsConnected() || controller->isRecording())
        return;
    const CDisplayWidget* wall = m_panels.wall;
    const bool manyDvrs = wall->getScreenMode() == CDisplayWidget::MULTI_DVR;
    const CChannelSelection::Block block{
        controller->getDisplayStartScreen(), controller->getDisplayEndScreen() - controller->getDisplayStartScreen()};
    // In the one-DVR view the wall shows the current DVR alone.
    const bool onView
        = manyDvrs ? CChannelSelection::meetsView(block, startscreen, screens) : index == m_connections.currentIndex();
    if (!onView) {
        m_commands->selectChannels(*controller, 0, cgi::AUTO_STREAM_NONE);
        return;
    }
    const bool live = controller->IsLive();
    const quint32 source = live ? controller->getDVR().bitch() : quint32(m_panels.playback->getSelectedChannels());
    cgi::AutoStream autoStream = cgi::AUTO_STREAM_NONE;
    if (live && codecType() == CODEC_AUTOMATIC)
        autoStream = wall->getViewScreens() > FOUR_SCREENS ? cgi::AUTO_STREAM_SUB : cgi::AUTO_STREAM_MAIN;
    m_commands->selectChannels(
        *controller, CChannelSelection::channelsOnView(source, block, startscreen, screens, manyDvrs), autoStream);
}

void CLiveView::recordOnDvr()
{
    if (isCurrentConnected())
        m_commands->recordOnDvr(*current());
}

void CLiveView::recordToPc(bool on)
{
    CConnectDVR* controller = isCurrentConnected() ? current() : nullptr;
    if (controller && on) {
        if (controller->recordStart())
            m_commands->selectChannels(*controller, controller->getDVR().bitch() & 0xFFFF, cgi::AUTO_STREAM_NONE);
    } else if (controller) {
        controller->recordStop();
        const CDisplayWidget* wall = m_panels.wall;
        selectChannels(m_connections.currentIndex(), wall->getViewScreens(), wall->getViewStartScreen());
    }
    // What the recorder does now, also when it could not start.
    showRecorder();
}

void CLiveView::stopRecordingToPc(RecordingEnd why)
{
    endRecordings(-1,
        why == RecordingEnd::ModeChanged ? tr("The recording to the PC stopped because another mode was chosen.")
                                         : tr("The recording to the PC stopped because the stream type changed."));
}

void CLiveView::OnRecordFailed(const QString& reason)
{
    const auto* controller = qobject_cast<const CConnectDVR*>(sender());
    if (m_endingFailures) {
        m_endingFailures->append(reason);
    } else if (controller && !controller->IsLive()) {
        m_panels.backup->OnBackupFailed(reason);
    } else {
        showRecorder();
        emit recordToPcEnded(reason);
    }
}

// ---- Remote playback and backup ----

void CLiveView::OnChangedPbStatus(const cgi::PbControl::Cmd& cmd)
{
    // Only a running playback has a stream to steer; a client id of a
    // stream that ended may already name another client's.
    CConnectDVR* controller = current();
    if (!controller || !controller->IsConnected() || controller->IsLive())
        return;
    if (cmd == cgi::PbControl::CMD_STOP) {
        stopPlayback();
        start();
        return;
    }
    m_commands->playbackControl(*controller, cmd);
    m_panels.wall->setPbStatus(cmd);
}

void CLiveView::OnSelectedTime(time_t time, int channels)
{
    if (m_panels.playback->IsLocalPlayback()) {
        stop(true);
        m_panels.wall->start(DISPLAY_MODE::LOCAL_PLAYBACK);
        m_panels.playback->connectSignal();
    } else {
        // The panel offers the times of the current DVR's recordings; with
        // no current DVR there is nothing to play.
        CConnectDVR* controller = current();
        if (!controller)
            return;
        startRecorded(controller, CHttpConnect::PLAYBACK, time, 0, channels);
    }
    updateTitle();
    resetMeter();
}

void CLiveView::OnBackupStart(time_t startTime, time_t endTime, int channels)
{
    CConnectDVR* controller = current();
    if (!controller) {
        // The panel has nothing to back up from: back to idle.
        m_panels.backup->OnBackupStop();
        return;
    }
    startRecorded(controller, CHttpConnect::BACKUP, startTime, endTime, channels);
    updateTitle();
}

void CLiveView::startRecorded(CConnectDVR* controller, int mode, time_t startTime, time_t endTime, int channels)
{
    // The current DVR's stream alone: the others stop, their entries stay.
    stop(false);
    m_connections.deleteAllButCurrent();
    updateDisplayScreen();
    if (mode == CHttpConnect::BACKUP) {
        watchBackup(controller);
    } else {
        watch(controller);
        m_panels.wall->newPlaybackStream();
    }
    controller->startPlayback({mode, startTime, endTime, quint32(channels)});
}

void CLiveView::OnBackupStop()
{
    // The stop completes the files while the panel still hears that they
    // could not be completed.
    if (current())
        stop(false);
}
