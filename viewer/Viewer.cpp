#include "Viewer.h"

#include "Common/CEucKr.h"
#include "Common/CPlainMessageBox.h"
#include "Connection/CConnectDVR.h"
#include "Connection/CDVRInfoWidget.h"
#include "Connection/CDVRListTree.h"
#include "Connection/CLogin.h"
#include "Connection/CMenuDVRList.h"
#include "Connection/CSendCommand.h"
#include "Connection/CStreamIdentity.h"
#include "DVRSetup/CLiveCtrlWidget.h"
#include "DVRSetup/CSetupWidget.h"
#include "Display/CCheckSpeed.h"
#include "Display/CClockWidget.h"
#include "Display/CDisplayWidget.h"
#include "Display/CScreen.h"
#include "Display/OpenGLMode.h"
#include "EMap/CEMapList.h"
#include "EMap/CEMapMenu.h"
#include "EMap/CEMapSetupDialog.h"
#include "Recording/CBackupWidget.h"
#include "Recording/CPanelMessage.h"
#include "Recording/CPlaybackWidget.h"
#include "Settings/CAppDir.h"
#include "Settings/CAppSettings.h"
#include "Settings/CPCSetupDialog.h"
#include "Settings/CSavePath.h"
#include "dvr_types/DvrModelInfo.h"
#include "ui_Viewer.h"
#include "viewer/CCaptureFile.h"
#include "viewer/CChannelSelection.h"
#include "viewer/CDisplayTitle.h"
#include "viewer/CEMapViews.h"
#include "viewer/CSnapshotView.h"
#include "viewer/CViewerCommands.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPixmap>
#include <QRegion>
#include <QSaveFile>
#include <QTextEdit>
#include <QTimer>

namespace {

const QString STYLE_SHEET = QStringLiteral(":/Viewer/files/qss/default.qss");
const QString LOGO = QStringLiteral(":/Viewer/files/images/logo.png");
const QString MAXIMIZE_ICON = QStringLiteral(":/Viewer/files/images/Maximize.png");
const QString RESTORE_ICON = QStringLiteral(":/Viewer/files/images/Restore.png");
const int MAIN_LAYOUT_SPACING = 15;
const int PAGE_MARGIN = 10;
const int LAYOUT_SPACING = 15;
const int LAYOUT_MARGIN = 9;
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

} // namespace

Viewer::Viewer(QWidget* parent, Qt::WindowFlags flags)
    : QWidget(parent, flags)
    , m_ui(std::make_unique<Ui::ViewerClass>())
{
    loadStyleSheet();
    m_ui->setupUi(this);
    if (parent)
        resize(parent->size());
    m_openGLMode = getOpenGLMode();
    connectButtons();
    createClock();
    m_liveCtrl = new CLiveCtrlWidget(m_ui->bottomLivePage);
    createDisplay();
    createPlayback();
    createBackup();
    createSetup();
    createLayout();
    createPCSetup();
    createTree();
    createEMapList();
    m_emapViews = std::make_unique<CEMapViews>(CEMapViews::Places{m_ui->DisplayFrame, m_ui->displayLayout,
        m_ui->bottomWidget, m_ui->bottomEMapPage, m_ui->emapLogSave, m_tree, m_emapList});
    loadLogo();
    setDisplayMode(LIVE_PAGE);
    updateTitle();
    m_ui->MainLayout->setSpacing(MAIN_LAYOUT_SPACING);
    setWindowTitle(QStringLiteral("QELM"));
    m_sendCommand = std::make_unique<CSendCommand>();
    m_commands = std::make_unique<CViewerCommands>(m_sendCommand.get());
}

Viewer::~Viewer()
{
    // A controller going reports its end to nobody: the window goes too.
    for (CConnectDVR* controller : m_connections.entries()) {
        if (controller)
            unwatch(controller);
    }
    m_connections.deleteAll();
    m_commands.reset();
    m_sendCommand.reset();
}

void Viewer::loadStyleSheet()
{
    Q_INIT_RESOURCE(Viewer);
    QFile file(STYLE_SHEET);
    if (!file.open(QIODevice::ReadOnly))
        return;
    QByteArray text = file.readAll();
    const qsizetype end = text.indexOf('\0');
    if (end >= 0)
        text.truncate(end);
    qApp->setStyleSheet(CEucKr::toUnicode(text));
}

int Viewer::getOpenGLMode()
{
    CAppSettings settings;
    if (settings.contains(CAppSettings::OPENGL))
        return settings.readSetting(CAppSettings::OPENGL).toInt();
    const int mode = CScreen::initOpengl(16) ? OPENGL_HIGH_PERFORMANCE : OPENGL_OFF;
    settings.writeSetting(CAppSettings::OPENGL, mode);
    return mode;
}

int Viewer::getCodecType()
{
    return CAppSettings().readSetting(CAppSettings::CODEC_TYPE, 0).toInt();
}

// ---- Construction ----

void Viewer::connectButtons()
{
    const Ui::ViewerClass& ui = *m_ui;
    const std::pair<QPushButton*, void (Viewer::*)()> menuSlots[] = {
        {ui.LiveS, &Viewer::OnLiveSClicked},
        {ui.LiveM, &Viewer::OnLiveMClicked},
        {ui.Search, &Viewer::OnSearchClicked},
        {ui.Playback, &Viewer::OnPlaybackClicked},
        {ui.Backup, &Viewer::OnBackupClicked},
        {ui.EMap, &Viewer::OnEMapClicked},
        {ui.EMapView, &Viewer::OnEMapViewClicked},
        {ui.EMapEdit, &Viewer::OnEMapEditClicked},
        {ui.EMapSetup, &Viewer::OnEMapSetupClicked},
        {ui.EMapExit, &Viewer::OnEMapExitClicked},
        {ui.emapLogSave, &Viewer::OnEMapLogSave},
        {ui.Information, &Viewer::OnDVRInformation},
        {ui.Setup, &Viewer::OnDVRSetupClicked},
        {ui.RecToDVR, &Viewer::OnRecordToDVRClicked},
        {ui.RecToPC, &Viewer::OnRecordToPCClicked},
        {ui.PCSetup, &Viewer::OnPCSetupClicked},
        {ui.Maximize, &Viewer::OnMaximized},
        {ui.DigitalZoom, &Viewer::OnDZoomClicked},
        {ui.DigitalZoom_PB, &Viewer::OnDZoomClicked},
        {ui.Capture, &Viewer::OnCaptureClicked},
        {ui.Capture_PB, &Viewer::OnCaptureClicked},
        {ui.Directory, &Viewer::OnDirectoryClicked},
        {ui.searchImage, &Viewer::OnSearchImageClicked},
        {ui.Sequence, &Viewer::OnClickSequence},
        {ui.SingleFull, &Viewer::OnClickFullScreen},
        {ui.MultiFull, &Viewer::OnClickFullScreen},
        {ui.NextPage, &Viewer::OnScreenNext},
        {ui.PrevPage, &Viewer::OnScreenPrev},
        {ui.configExit, &Viewer::OnConfigExit},
    };
    for (const auto& [button, slot] : menuSlots)
        connect(button, &QPushButton::clicked, this, slot);
    connect(ui.Minimize, &QPushButton::clicked, this, &QWidget::showMinimized);
    connect(ui.Exit, &QPushButton::clicked, this, &QWidget::close);

    m_screenButtons.collect(ui.SingleScreenGroup, ui.MultiScreenGroup, ui.PageScreenGroup);
    for (QPushButton* button : m_screenButtons.single())
        connect(button, &QPushButton::clicked, this, &Viewer::OnClickSingleScreen);
    for (QPushButton* button : m_screenButtons.multi())
        connect(button, &QPushButton::clicked, this, &Viewer::OnClickMultiScreen);
    for (QPushButton* button : m_screenButtons.page())
        connect(button, &QPushButton::clicked, this, &Viewer::OnClickPageScreen);
}

void Viewer::createClock()
{
    m_clock = new CClockWidget(this);
    connect(m_clock, &CClockWidget::timeout, this, &Viewer::OnDisplaySpeed);
    m_ui->MainLayout->insertWidget(1, m_clock, 0, Qt::AlignHCenter);
}

void Viewer::createDisplay()
{
    m_title = new CDisplayTitle(m_ui->DisplayFrame);
    m_display = new CDisplayWidget(m_ui->DisplayFrame);
    m_ui->displayLayout->setSpacing(0);
    m_ui->displayLayout->setContentsMargins(0, 0, 0, 0);
    m_ui->displayLayout->addWidget(m_title);
    m_ui->displayLayout->addWidget(m_display);
    m_display->setDeinterlaced(false);
    m_snapshot = std::make_unique<CSnapshotView>(m_ui->DisplayFrame, m_ui->displayLayout);
    connect(m_display, &CDisplayWidget::exitFullScreen, this, &Viewer::OnExitFullScreen);
    connect(m_display, &CDisplayWidget::enableSingleScreen, m_ui->DigitalZoom, &QWidget::setEnabled);
    connect(m_display, &CDisplayWidget::enableSingleScreen, m_ui->DigitalZoom_PB, &QWidget::setEnabled);
    connect(m_display, &CDisplayWidget::enableSingleScreen, m_liveCtrl, &CLiveCtrlWidget::changeState);
    connect(m_display, &CDisplayWidget::changedScreen, this, &Viewer::slotChangedScreen);
    connect(m_display, &CDisplayWidget::doubleClicked, this, &Viewer::OnDoubleClickedDisplay);
    connect(m_display, &CDisplayWidget::sendChannelCommand, this, &Viewer::sendChannelCommand);
}

void Viewer::createPlayback()
{
    m_ui->bottomPlaybackPage->setFixedWidth(m_ui->bottomWidget->width());
    m_playback = new CPlaybackWidget(m_ui->bottomPlaybackPage);
    connect(m_playback, &CPlaybackWidget::selectedTime, this, &Viewer::OnSelectedTime);
    connect(m_playback, &CPlaybackWidget::changedPbStatus, this, &Viewer::OnChangedPbStatus);
    connect(m_playback, &CPlaybackWidget::stopDisplay, this, &Viewer::stopDisplay);
}

void Viewer::createBackup()
{
    m_ui->bottomBackupPage->setFixedWidth(m_ui->bottomWidget->width());
    m_backup = new CBackupWidget(m_ui->bottomBackupPage);
    connect(m_backup, &CBackupWidget::backupStart, this, &Viewer::OnBackupStart);
    connect(m_backup, &CBackupWidget::backupStop, this, &Viewer::OnBackupStop);
}

QRect Viewer::panelArea() const
{
    const int x = m_ui->MainFrame->width() + PAGE_MARGIN;
    const int y = m_ui->SystemButtons->geometry().bottom() + 1;
    return QRect(x, y, width() - x, height() - y);
}

void Viewer::createSetup()
{
    const QRect area = panelArea();
    m_setup = new CSetupWidget(this);
    m_setup->setGeometry(area);
    m_setup->hide();
    const Ui::ViewerClass& ui = *m_ui;
    const std::pair<QPushButton*, void (CSetupWidget::*)()> hubSlots[] = {
        {ui.open, &CSetupWidget::OnOpenFiles},
        {ui.save, &CSetupWidget::OnSaveFiles},
        {ui.setupModel, &CSetupWidget::OnSetupModel},
        {ui.loadDefault, &CSetupWidget::OnLoadDefault},
        {ui.reload, &CSetupWidget::OnReload},
        {ui.send, &CSetupWidget::OnSend},
        {ui.sendAll, &CSetupWidget::OnSendAll},
        {ui.upgrade, &CSetupWidget::OnUpgrade},
        {ui.dateTime, &CSetupWidget::OnDateTime},
        {ui.reset, &CSetupWidget::OnResetDVR},
    };
    for (const auto& [button, slot] : hubSlots)
        connect(button, &QPushButton::clicked, m_setup, slot);

    m_dvrInfo = new CDVRInfoWidget(this);
    m_dvrInfo->setGeometry(area);
    m_dvrInfo->hide();
}

void Viewer::createLayout()
{
    auto* grid = new QGridLayout(this);
    grid->addWidget(m_ui->MainFrame, 0, 0, 3, 1);
    grid->addWidget(m_ui->DisplayFrame, 0, 1, 2, 1);
    // The title-bar buttons top the right column, where the form has them:
    // without them Exit could not be reached, nor the way back from full
    // screen, which has no window frame.
    grid->addWidget(m_ui->SystemButtons, 0, 2);
    grid->addWidget(m_ui->ControlMenu, 1, 2);
    grid->addWidget(m_ui->bottomWidget, 2, 1, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(1, 1);
    grid->setSpacing(LAYOUT_SPACING);
    grid->setContentsMargins(LAYOUT_MARGIN, LAYOUT_MARGIN, LAYOUT_MARGIN, LAYOUT_MARGIN);
    // Above the setup and information windows, which reach up to the form's
    // place of these buttons.
    m_ui->SystemButtons->raise();
}

void Viewer::createPCSetup()
{
    m_pcSetup = new CPCSetupDialog(this);
    connect(m_pcSetup, &QDialog::accepted, this, &Viewer::OnApplyPCSetup);
    connect(m_pcSetup, &QDialog::accepted, m_display, &CDisplayWidget::UpdateDisplaySettings);
    connect(m_pcSetup, &QDialog::accepted, m_display, &CDisplayWidget::UpdateEventAlarmSetting);
    connect(m_pcSetup, &QDialog::finished, this, &Viewer::OnFinishedPCSetup);
}

void Viewer::createTree()
{
    m_tree = new CDVRListTree(this);
    m_tree->setCameraNameShow(false);
    connect(m_tree, &CDVRListTree::groupConnect, this, &Viewer::OnGroupConnect);
    connect(m_tree, &CDVRListTree::changedDVR, this, &Viewer::OnChangedDVR);
    connect(m_tree, &CDVRListTree::disconnectDVR, this, &Viewer::slotDisconnectDVR);
    connect(m_tree, &CDVRListTree::aboutToRemove, this, &Viewer::OnRemovingDVR);
    m_ui->verticalLayout->insertWidget(0, m_tree, 0, Qt::AlignHCenter);
}

void Viewer::createEMapList()
{
    m_emapList = new CEMapList(this);
    m_emapList->hide();
    connect(m_emapList, &CEMapList::signalSelectedEMap, this, &Viewer::OnSelectedEMap);
    connect(m_emapList, &CEMapList::signalSelectedEMapGroup, this, &Viewer::OnSelectedEMapGroup);
    connect(m_emapList, &CEMapList::changedEMap, this, &Viewer::OnChangedEMap);
    connect(m_emapList, &CEMapList::signalRemoveEMap, this, &Viewer::OnRemoveEMap);
}

void Viewer::loadLogo()
{
    m_ui->MainLayout->activate();
    m_ui->Logo->setPixmap(
        QPixmap(LOGO).scaled(m_ui->Logo->contentsRect().size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

// ---- Helpers of the mode switches ----

void Viewer::setDisplayMode(int page)
{
    m_ui->DisplayFrame->show();
    m_ui->ControlMenu->show();
    m_ui->bottomWidget->show();
    m_ui->CheckSpeed->setVisible(page != EMAP_PAGE);
    m_setup->hide();
    m_dvrInfo->hide();
    m_ui->bottomWidget->setCurrentIndex(page);
    m_ui->bottomWidget->setFixedHeight(page == LIVE_PAGE ? LIVE_PAGE_HEIGHT : OTHER_PAGE_HEIGHT);
}

void Viewer::setFunctionWidget()
{
    const int page = m_ui->bottomWidget->currentIndex();
    if (page == BACKUP_PAGE || page == EMAP_PAGE) {
        m_ui->functionWidget->hide();
        return;
    }
    m_ui->functionWidget->show();
    if (m_menuMode == LIVE_S || m_menuMode == LIVE_M)
        m_ui->functionWidget->setCurrentWidget(m_ui->LivePage);
    else if (m_menuMode == SEARCH)
        m_ui->functionWidget->setCurrentWidget(m_ui->SearchPage);
    else if (m_menuMode == PLAYBACK)
        m_ui->functionWidget->setCurrentWidget(m_ui->PlaybackPage);
}

void Viewer::controlDisplayArea(bool show)
{
    m_snapshot->hide();
    if (show) {
        m_ui->CheckSpeed->show();
        m_ui->displayLayout->addWidget(m_title);
        m_ui->displayLayout->addWidget(m_display);
        m_display->show();
        m_title->setLabelsVisible(true);
        return;
    }
    m_display->hide();
    m_title->setLabelsVisible(false);
    m_ui->displayLayout->removeWidget(m_title);
    m_ui->displayLayout->removeWidget(m_display);
    m_ui->CheckSpeed->hide();
}

void Viewer::hideDisplayWidget()
{
    exitZoom();
    ExitSequence();
    m_ui->DisplayFrame->hide();
    m_ui->ControlMenu->hide();
    m_ui->bottomWidget->hide();
    m_ui->CheckSpeed->hide();
    stopBackup();
    stopLocalPlayback();
    stopDisplay();
}

void Viewer::exitZoom()
{
    m_ui->DigitalZoom->setChecked(false);
    m_ui->DigitalZoom_PB->setChecked(false);
    if (m_display->IsZoom())
        m_display->setZoom(false);
}

void Viewer::ExitSequence()
{
    if (!m_ui->Sequence->isChecked())
        return;
    m_display->setSequence(false);
    m_ui->Sequence->setChecked(false);
}

void Viewer::stopBackup()
{
    // Not only in backup mode: PC setup or the E-Map may have left it while
    // the backup ran, and the connection it runs on is about to stop.
    if (m_backup->isBackup())
        m_backup->OnBackupStop();
}

void Viewer::stopLocalPlayback()
{
    if (!m_playback->IsLocalPlayback())
        return;
    m_display->stop();
    m_playback->PlayStop();
}

void Viewer::readyForSearch()
{
    m_ui->controlScreen->setCurrentIndex(0);
    m_display->setScreenMode(CDisplayWidget::SINGLE_DVR);
    stopBackup();
    stopLocalPlayback();
    stopDisplay();
    m_screenButtons.uncheckSingleAndMulti();
    m_display->setScreens(16);
    m_ui->Screen16_0->setChecked(true);
    redrawLater();
}

QPushButton* Viewer::menuButton(int mode) const
{
    switch (mode) {
    case LIVE_S:
        return m_ui->LiveS;
    case LIVE_M:
        return m_ui->LiveM;
    case SEARCH:
        return m_ui->Search;
    case PLAYBACK:
        return m_ui->Playback;
    case BACKUP:
        return m_ui->Backup;
    case INFORMATION:
        return m_ui->Information;
    case SETUP:
        return m_ui->Setup;
    default:
        return nullptr;
    }
}

void Viewer::setPrevMenu()
{
    if (QPushButton* button = menuButton(m_prevMenuMode))
        button->click();
}

void Viewer::updateTitle()
{
    m_title->follow(m_display, m_menuMode != LIVE_M, m_menuMode == SEARCH || m_menuMode == PLAYBACK);
}

void Viewer::createEMap(const EMap& map, bool show)
{
    m_emapViews->open(map, m_menuMode == EMAP_EDIT, show);
}

void Viewer::removeEMap()
{
    m_emapViews->closeAll();
}

void Viewer::redrawLater()
{
    QTimer::singleShot(REDRAW_DELAY_MS, this, &Viewer::restoreScreen);
}

void Viewer::stopDisplay()
{
    for (CConnectDVR* controller : m_connections.entries()) {
        if (controller)
            controller->resetDisplayWidget();
    }
    if (m_playback->IsLocalPlayback())
        m_playback->disconnectSignal();
    m_display->ClearScreen();
    m_title->clear();
    gCheckSpeed.reset();
}

// ---- Live modes ----

void Viewer::OnLiveSClicked()
{
    if (m_menuMode == LIVE_S)
        return;
    controlDisplayArea(true);
    m_screenButtons.uncheckSingleAndMulti();
    exitZoom();
    ExitSequence();
    stopBackup();
    stopLocalPlayback();
    stopDisplay();

    m_ui->controlScreen->setCurrentIndex(0);
    m_display->setScreenMode(CDisplayWidget::SINGLE_DVR);
    setDisplayMode(LIVE_PAGE);
    m_display->setScreens(16);
    m_ui->Screen16_0->setChecked(true);

    if (m_menuMode == LIVE_M) {
        redrawLater();
    } else {
        disconnectDVR(false);
        connectDVR();
    }

    m_menuMode = LIVE_S;
    setFunctionWidget();
    m_ui->RecToPC->setEnabled(true);
    updateDVRInfo();
    updateTitle();
}

void Viewer::OnLiveMClicked()
{
    if (m_menuMode == LIVE_M)
        return;
    controlDisplayArea(true);
    m_screenButtons.uncheckPages();
    exitZoom();
    ExitSequence();
    stopBackup();
    stopLocalPlayback();
    stopDisplay();

    m_ui->controlScreen->setCurrentIndex(1);
    m_display->setScreenMode(CDisplayWidget::MULTI_DVR);
    setDisplayMode(LIVE_PAGE);
    m_display->setScreens(64);
    m_ui->Screen8x8->setChecked(true);
    sendChannelCommand(64, 0);

    if (m_menuMode == LIVE_S) {
        redrawLater();
    } else {
        disconnectDVR(false);
        connectDVR();
    }

    m_menuMode = LIVE_M;
    setFunctionWidget();
    if (m_ui->RecToPC->isChecked()) {
        if (CConnectDVR* current = m_connections.current())
            current->recordStop();
    }
    m_ui->RecToPC->setEnabled(false);
    updateDVRInfo();
    updateTitle();
    m_ui->multiPage->setText(m_display->getCurrentPage());
}

// ---- Search, playback, backup, setup, information, PC setup ----

void Viewer::OnSearchClicked()
{
    if (m_menuMode == SEARCH)
        return;
    controlDisplayArea(true);
    exitZoom();
    ExitSequence();
    readyForSearch();
    setDisplayMode(PLAYBACK_PAGE);
    m_playback->clear();

    if (CConnectDVR* current = m_connections.current()) {
        if (current->IsConnected())
            disconnectDVR(false);
        m_playback->search(current->getDVR(), current->getDVRChannels(), current->getClientID());
    } else {
        m_playback->search(DVR(), 16, -1);
    }

    m_menuMode = SEARCH;
    setFunctionWidget();
    updateTitle();
}

void Viewer::OnPlaybackClicked()
{
    if (m_menuMode == PLAYBACK)
        return;
    controlDisplayArea(true);
    exitZoom();
    ExitSequence();
    readyForSearch();
    setDisplayMode(PLAYBACK_PAGE);

    if (CConnectDVR* current = m_connections.current(); current && current->IsConnected())
        disconnectDVR(true);

    m_playback->clear();
    m_playback->setDisplayWidget(m_display);
    m_playback->search(QString());

    m_menuMode = PLAYBACK;
    setFunctionWidget();
    updateTitle();
    m_display->repaint();
    OnDirectoryClicked();
}

void Viewer::OnBackupClicked()
{
    if (m_menuMode == BACKUP)
        return;
    controlDisplayArea(true);
    exitZoom();
    ExitSequence();
    readyForSearch();
    setDisplayMode(BACKUP_PAGE);

    CConnectDVR* current = m_connections.current();
    if (current && current->IsConnected()) {
        disconnectDVR(false);
        m_backup->search(current->getDVR(), current->getDVRChannels(), current->getClientID());
    } else {
        m_backup->clear();
    }

    m_menuMode = BACKUP;
    setFunctionWidget();
    updateTitle();
}

void Viewer::OnDVRSetupClicked()
{
    if (m_menuMode == SETUP)
        return;
    m_prevMenuMode = m_menuMode;
    hideDisplayWidget();
    m_setup->Init();

    if (CConnectDVR* current = m_connections.current()) {
        if (current->IsConnected())
            disconnectDVR(false);
        m_setup->readData(current->getDVR(), current->getDVRChannels(), config::VideoType(current->getVideoType()));
    }

    m_dvrInfo->hide();
    m_setup->show();
    m_ui->MainMenu->setCurrentWidget(m_ui->configPage);
    m_menuMode = SETUP;
    setFunctionWidget();
}

void Viewer::OnConfigExit()
{
    m_ui->MainMenu->setCurrentWidget(m_ui->MainPage);
    setPrevMenu();
}

void Viewer::OnDVRInformation()
{
    if (m_menuMode == INFORMATION)
        return;
    hideDisplayWidget();
    if (CConnectDVR* current = m_connections.current()) {
        if (current->IsConnected())
            disconnectDVR(false);
        m_dvrInfo->readData(current->getDVR());
    }
    m_setup->hide();
    m_dvrInfo->show();
    m_menuMode = INFORMATION;
    setFunctionWidget();
}

void Viewer::OnPCSetupClicked()
{
    // Opened again after closing: the mode on view is still the one before.
    if (m_menuMode != PC_SETUP)
        m_prevMenuMode = m_menuMode;
    m_menuMode = PC_SETUP;
    m_codecType = getCodecType();
    m_openGLMode = getOpenGLMode();
    m_pcSetup->loadSettings();
    m_pcSetup->show();
}

void Viewer::OnFinishedPCSetup()
{
    if (QPushButton* button = menuButton(m_prevMenuMode))
        button->setChecked(true);
}

// ---- E-Map ----

void Viewer::OnEMapClicked()
{
    m_prevMenuMode = m_menuMode;
    stopBackup();
    disconnectDVR(true);
    m_ui->controlScreen->hide();
    m_ui->verticalLayout->insertWidget(0, m_emapList, 0, Qt::AlignHCenter);
    controlDisplayArea(false);
    setDisplayMode(EMAP_PAGE);
    m_ui->MainMenu->setCurrentWidget(m_ui->EMapPage);
    m_ui->EMapView->click();
}

void Viewer::OnEMapViewClicked()
{
    removeEMap();
    m_tree->hide();
    m_emapList->show();
    m_emapList->setEditable(false);
    m_ui->bottomWidget->show();
    m_ui->emapLogSave->hide();
    m_menuMode = EMAP_VIEW;
    setFunctionWidget();
}

void Viewer::OnEMapEditClicked()
{
    removeEMap();
    m_tree->show();
    m_emapList->show();
    m_emapList->setEditable(true);
    m_tree->setCameraNameShow(true);
    m_ui->bottomWidget->show();
    m_ui->emapLogSave->hide();
    m_menuMode = EMAP_EDIT;
    setFunctionWidget();
}

void Viewer::OnEMapExitClicked()
{
    m_ui->MainMenu->setCurrentWidget(m_ui->MainPage);
    m_emapList->hide();
    m_ui->verticalLayout->removeWidget(m_emapList);
    m_ui->controlScreen->show();
    m_tree->setCameraNameShow(false);
    m_tree->show();
    removeEMap();
    controlDisplayArea(true);
    setPrevMenu();
}

// ---- Connections ----

void Viewer::OnGroupConnect(const QTreeWidgetItem& treeItem, int groupIndex, int dvrIndex)
{
    if (m_menuMode == PLAYBACK)
        return;
    disconnectDVR(true);
    m_connections.setCurrentIndex(dvrIndex < 0 ? 0 : dvrIndex);
    m_currentGroup = groupIndex;

    const QVariant data = treeItem.data(0, Qt::UserRole);
    if (data.metaType() != QMetaType::fromType<Group>())
        return;
    m_connections.connectGroup(
        data.value<Group>(), treeItem, dvrIndex, m_display->getScreenMode() == CDisplayWidget::MULTI_DVR);

    const int page = m_ui->bottomWidget->currentIndex();
    if (page == PLAYBACK_PAGE) {
        m_playback->setGroupIndex(groupIndex);
        m_playback->setDvrIndex(dvrIndex);
    } else if (page == BACKUP_PAGE) {
        m_backup->setGroupIndex(groupIndex);
        m_backup->setDvrIndex(dvrIndex);
    }
    connectDVR();
}

void Viewer::connectDVR()
{
    updateDisplayScreen();
    m_playback->clear();
    m_backup->clear();

    CConnectDVR* current = m_connections.current();
    const int page = m_ui->bottomWidget->currentIndex();
    if (page == PLAYBACK_PAGE) {
        if (current)
            m_playback->search(current->getDVR(), current->getDVRChannels(), current->getClientID());
        return;
    }
    if (page == BACKUP_PAGE) {
        if (current)
            m_backup->search(current->getDVR(), current->getDVRChannels(), current->getClientID());
        return;
    }
    m_ui->RecToPC->setEnabled(true);
    for (CConnectDVR* controller : m_connections.entries()) {
        if (!controller)
            continue;
        watch(controller);
        controller->startLive(true);
    }
    gCheckSpeed.reset();
}

void Viewer::connectDVR(const QString& address, int port)
{
    CLogin login(this);
    if (login.exec() != QDialog::Accepted)
        return;
    disconnectDVR(true);
    m_connections.setCurrentIndex(0);
    // The DVR is in no group: what the tree asks of a group's DVRs is not
    // asked of it.
    m_currentGroup = -1;
    DVR dvr;
    dvr.set_address(address.toStdString());
    dvr.set_port(static_cast<quint32>(port));
    dvr.set_id(login.getID().toStdString());
    dvr.set_password(login.getPassword().toStdString());
    // All 16 channels of the default mask: screens 0 to 15.
    m_connections.append(dvr);
    connectDVR();
}

void Viewer::watch(CConnectDVR* controller)
{
    connect(controller, &CConnectDVR::connected, this, &Viewer::OnConnected, Qt::UniqueConnection);
    connect(controller, &CConnectDVR::disconnected, this, &Viewer::OnDisconnected, Qt::UniqueConnection);
    connect(controller, &CConnectDVR::recordFailed, this, &Viewer::OnRecordFailed, Qt::UniqueConnection);
}

void Viewer::watchBackup(CConnectDVR* controller)
{
    connect(controller, &CConnectDVR::connected, this, &Viewer::OnConnected, Qt::UniqueConnection);
    connect(controller, &CConnectDVR::disconnected, this, &Viewer::OnDisconnected, Qt::UniqueConnection);
    connect(controller, &CConnectDVR::updateBackupProgress, m_backup, &CBackupWidget::OnUpdateProgress,
        Qt::UniqueConnection);
    connect(controller, &CConnectDVR::recordFailed, m_backup, &CBackupWidget::OnBackupFailed, Qt::UniqueConnection);
}

void Viewer::unwatch(CConnectDVR* controller)
{
    QObject::disconnect(controller, &CConnectDVR::connected, nullptr, nullptr);
    QObject::disconnect(controller, &CConnectDVR::disconnected, nullptr, nullptr);
    QObject::disconnect(controller, &CConnectDVR::updateBackupProgress, nullptr, nullptr);
    QObject::disconnect(controller, &CConnectDVR::recordFailed, nullptr, nullptr);
}

void Viewer::disconnectDVR(bool remove)
{
    exitZoom();
    ExitSequence();
    stopDisplay();
    for (CConnectDVR* controller : m_connections.entries()) {
        if (!controller)
            continue;
        unwatch(controller);
        controller->disconnect();
    }
    if (remove)
        m_connections.deleteAll();
    m_tree->clearIcon(m_currentGroup);
}

void Viewer::updateDisplayScreen()
{
    m_connections.assignScreens(m_display);
    sendChannelCommand(
        m_display->getViewEndScreen() - m_display->getViewStartScreen(), m_display->getViewStartScreen());
}

void Viewer::restoreScreen()
{
    m_display->ClearScreen();
    m_title->centre()->clear();
    gCheckSpeed.reset();
    updateDisplayScreen();
    if (m_ui->controlScreen->currentIndex() == 1) {
        for (CConnectDVR* controller : m_connections.entries()) {
            if (controller)
                controller->updateStatus();
        }
    } else if (CConnectDVR* current = m_connections.current()) {
        current->updateStatus();
    }
    if (m_playback->IsLocalPlayback())
        m_playback->connectSignal();
}

void Viewer::OnDisplaySpeed()
{
    quint64 bytes = 0;
    quint64 pictures = 0;
    const std::deque<CCheckSpeed::Data> history = gCheckSpeed.historyAt();
    for (const CCheckSpeed::Data& second : history) {
        bytes += second.bytes;
        pictures += second.pictures;
    }
    // A wall that drew nothing in the last second is not drawing: no rate
    // of pictures from before is shown for it.
    const bool measured = !history.empty() && history.back().pictures > 0 && bytes > 0 && pictures > 0;
    const quint64 fps = measured ? pictures / history.size() : 0;
    const quint64 pictureBytes = measured ? bytes / pictures : 0;
    m_ui->CheckSpeed->setText(tr("%1 FPS / %2").arg(fps).arg(pictureBytes));
}

// ---- Window handling ----

void Viewer::OnMaximized()
{
    if (isFullScreen()) {
        showNormal();
        m_ui->Maximize->setIcon(QIcon(MAXIMIZE_ICON));
    } else {
        showFullScreen();
        m_ui->Maximize->setIcon(QIcon(RESTORE_ICON));
    }
}

void Viewer::setRoundedDialog(int radius)
{
    const QRect window = rect();
    const QSize corner(2 * radius, 2 * radius);
    QRegion shape(window.adjusted(radius, 0, -radius, 0));
    shape += window.adjusted(0, radius, 0, -radius);
    for (const QPoint& topLeft : {window.topLeft(), QPoint(window.right() + 1 - corner.width(), window.top()),
             QPoint(window.left(), window.bottom() + 1 - corner.height()),
             window.bottomRight() + QPoint(1, 1) - QPoint(corner.width(), corner.height())})
        shape += QRegion(QRect(topLeft, corner), QRegion::Ellipse);
    setMask(shape);
}

void Viewer::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        m_dragOffset = event->globalPosition().toPoint() - frameGeometry().topLeft();
        m_dragging = true;
    }
    event->accept();
}

void Viewer::mouseReleaseEvent(QMouseEvent*)
{
    m_dragging = false;
}

void Viewer::mouseMoveEvent(QMouseEvent* event)
{
    if (m_dragging && !isFullScreen() && (event->buttons() & Qt::LeftButton))
        move(event->globalPosition().toPoint() - m_dragOffset);
    event->accept();
}

void Viewer::keyPressEvent(QKeyEvent* event)
{
    // Escape must not end full screen or the window.
    if (event->key() == Qt::Key_Escape) {
        event->ignore();
        return;
    }
    QWidget::keyPressEvent(event);
}

void Viewer::resizeEvent(QResizeEvent*)
{
    // The window grows past its form's size to hold its layout; the setup
    // and information panels cover what it has, or their right columns
    // would be cut.
    const QRect area = panelArea();
    m_setup->setGeometry(area);
    m_dvrInfo->setGeometry(area);
}

void Viewer::closeEvent(QCloseEvent* event)
{
    stopLocalPlayback();
    disconnectDVR(true);
    event->accept();
}

void Viewer::contextMenuEvent(QContextMenuEvent* event)
{
    const auto contains = [event](const QWidget* widget) {
        return widget->isVisible()
            && QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size()).contains(event->globalPos());
    };
    if (contains(m_tree)) {
        CMenuDVRList menu(m_tree, m_menuMode == EMAP_EDIT);
        menu.exec(event->globalPos());
    }
    if (m_menuMode == EMAP_EDIT && contains(m_emapList)) {
        CEMapMenu menu(m_emapList);
        menu.exec(event->globalPos());
    }
}

void Viewer::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        languageChange();
    QWidget::changeEvent(event);
}

void Viewer::languageChange()
{
    m_ui->retranslateUi(this);
}

// ---- The current DVR and the tree's requests ----

void Viewer::OnConnected()
{
    // The DVR streams its whole mask until told what the view shows.
    const int index = m_connections.entries().indexOf(qobject_cast<CConnectDVR*>(sender()));
    if (index >= 0)
        selectChannels(index, m_display->getViewScreens(), m_display->getViewStartScreen());
    if (m_connections.isCurrentValid())
        updateDVRInfo();
}

void Viewer::OnDisconnected()
{
    // The button shows the current DVR, whichever controller stopped.
    CConnectDVR* current = m_connections.current();
    m_ui->RecToPC->setChecked(current && current->isRecording());
    stopBackup();
    stopDisplay();
    redrawLater();
}

void Viewer::slotDisconnectDVR(int groupIndex, int dvrIndex)
{
    // Another group's DVR is not connected.
    if (groupIndex != m_currentGroup || m_connections.entries().isEmpty())
        return;
    if (dvrIndex < 0) {
        disconnectDVR(false);
    } else {
        CConnectDVR* controller = m_connections.entries().value(dvrIndex);
        if (!controller)
            return;
        controller->resetDisplayWidget();
        unwatch(controller);
        controller->disconnect();
        m_tree->clearIcon(m_currentGroup);
        for (CConnectDVR* other : m_connections.entries()) {
            if (other)
                other->refreshTreeIcon();
        }
    }
    QTimer::singleShot(REDRAW_DELAY_MS, this, &Viewer::OnDisconnected);
}

void Viewer::OnRemovingDVR(int groupIndex, int dvrIndex)
{
    if (dvrIndex < 0 && groupIndex < m_currentGroup) {
        --m_currentGroup;
        return;
    }
    if (groupIndex != m_currentGroup || m_connections.entries().isEmpty())
        return;
    if (dvrIndex < 0) {
        disconnectDVR(true);
        m_currentGroup = -1;
    } else if (dvrIndex < m_connections.entries().size()) {
        // The remaining DVRs move up in the tree, and so do their entries.
        if (CConnectDVR* controller = m_connections.entries().at(dvrIndex))
            unwatch(controller);
        stopDisplay();
        m_connections.removeAt(dvrIndex);
        redrawLater();
    }
    updateDVRInfo();
}

void Viewer::OnChangedDVR(int groupIndex, int dvrIndex)
{
    if (m_display->getScreenMode() == CDisplayWidget::MULTI_DVR)
        return;
    m_display->ClearScreen();
    if (groupIndex != m_currentGroup) {
        stopDisplay();
        m_connections.setCurrentIndex(-1);
    } else if (dvrIndex != m_connections.currentIndex()) {
        stopDisplay();
        m_connections.setCurrentIndex(dvrIndex);
        m_playback->clear();
        m_backup->clear();
        redrawLater();
    }
    const int page = m_ui->bottomWidget->currentIndex();
    if (page == PLAYBACK_PAGE && m_playback->getGroupIndex() == groupIndex && m_playback->getDvrIndex() == dvrIndex)
        m_playback->reloadSearchData();
    else if (page == BACKUP_PAGE && m_backup->getGroupIndex() == groupIndex && m_backup->getDvrIndex() == dvrIndex)
        m_backup->reloadSearchData();
    updateDVRInfo();
    sendChannelCommand(DVR_CHANNELS, 0);
}

void Viewer::slotChangedScreen(int screen, int dvrch)
{
    const QList<CConnectDVR*>& entries = m_connections.entries();
    for (int i = 0; i < entries.size(); ++i) {
        CConnectDVR* controller = entries.at(i);
        if (!controller || !controller->isVisible() || screen < controller->getDisplayStartScreen()
            || screen >= controller->getDisplayEndScreen())
            continue;
        if (dvrch < 0 || !controller->IsConnected())
            return;
        // The title and the record buttons act on the current DVR, so they
        // follow it too.
        m_connections.setCurrentIndex(i);
        updateDVRInfo();
        m_liveCtrl->setSelectedChannel(dvrch);
        return;
    }
}

void Viewer::updateDVRInfo()
{
    m_title->left()->clear();
    m_title->right()->clear();
    CConnectDVR* current = m_connections.current();
    if (!current) {
        m_ui->RecToPC->setChecked(false);
        return;
    }
    if (current->IsConnected())
        showLiveControls(*current);
    m_ui->RecToPC->setChecked(current->isRecording());
    const DVR dvr = current->getDVR();
    const QString user = QString::fromStdString(dvr.id());
    const bool admin = user.compare(QLatin1String("ADMIN"), Qt::CaseInsensitive) == 0;
    m_ui->RecToDVR->setEnabled(admin);
    m_ui->Setup->setEnabled(admin);
    m_title->left()->setText(QStringLiteral("%1( %2 )").arg(QString::fromStdString(dvr.name()), user));
}

void Viewer::showLiveControls(const CConnectDVR& controller)
{
    const DVR dvr = controller.getDVR();
    if (dvr.oldprotocol()) {
        m_liveCtrl->setConnectedDVR(dvr, controller.getClientID(), false);
        m_liveCtrl->setVisiblePictureCtrl(false);
        m_ui->Setup->hide();
        return;
    }
    const int model = panelModel(controller.GetDvrInfo());
    m_liveCtrl->setConnectedDVR(dvr, controller.getClientID(), DvrModelInfo(DvrModel(model)).alarm);
    m_liveCtrl->setVisiblePictureCtrl(hasPictureControls(model));
    m_ui->Setup->show();
}

// ---- Live commands ----

void Viewer::sendChannelCommand(int screens, int startscreen)
{
    if (!m_connections.isCurrentValid())
        return;
    for (int i = 0; i < m_connections.entries().size(); ++i)
        selectChannels(i, screens, startscreen);
    gCheckSpeed.reset();
}

void Viewer::selectChannels(int index, int screens, int startscreen)
{
    const CConnectDVR* controller = m_connections.entries().value(index);
    // A recording keeps every channel.
    if (!controller || !controller->IsConnected() || controller->isRecording())
        return;
    const bool manyDvrs = m_display->getScreenMode() == CDisplayWidget::MULTI_DVR;
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
    const quint32 source = live ? controller->getDVR().bitch() : quint32(m_playback->getSelectedChannels());
    cgi::AutoStream autoStream = cgi::AUTO_STREAM_NONE;
    if (live && getCodecType() == CODEC_AUTOMATIC)
        autoStream = m_display->getViewScreens() > FOUR_SCREENS ? cgi::AUTO_STREAM_SUB : cgi::AUTO_STREAM_MAIN;
    m_commands->selectChannels(
        *controller, CChannelSelection::channelsOnView(source, block, startscreen, screens, manyDvrs), autoStream);
}

void Viewer::OnRecordToDVRClicked()
{
    CConnectDVR* current = m_connections.current();
    if (current && current->IsConnected())
        m_commands->recordOnDvr(*current);
}

void Viewer::OnRecordToPCClicked()
{
    CConnectDVR* current = m_connections.current();
    if (!current || !current->IsConnected()) {
        m_ui->RecToPC->setChecked(false);
        return;
    }
    if (!m_ui->RecToPC->isChecked()) {
        current->recordStop();
        selectChannels(m_connections.currentIndex(), m_display->getViewScreens(), m_display->getViewStartScreen());
        return;
    }
    // A recording holds every channel of the DVR, on view or not.
    if (current->recordStart())
        m_commands->selectChannels(*current, current->getDVR().bitch() & 0xFFFF, cgi::AUTO_STREAM_NONE);
}

void Viewer::OnRecordFailed(const QString& reason)
{
    if (sender() == m_connections.current())
        m_ui->RecToPC->setChecked(false);
    auto* box = new CPlainMessageBox(QMessageBox::Warning, tr("Record"), reason, QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void Viewer::OnChangedPbStatus(const cgi::PbControl::Cmd& cmd)
{
    // Only a running playback has a stream to steer; a client id of a
    // stream that ended may already name another client's.
    CConnectDVR* current = m_connections.current();
    if (!current || !current->IsConnected() || current->IsLive())
        return;
    m_commands->playbackControl(*current, cmd);
    m_display->setPbStatus(cmd);
    if (cmd == cgi::PbControl::CMD_STOP) {
        disconnectDVR(false);
        connectDVR();
    }
}

// ---- Snapshots and the speed read-out ----

void Viewer::OnCaptureClicked()
{
    if (m_connections.entries().isEmpty())
        return;
    const QString folder = CCaptureFile::folder();
    const QString path = folder.isEmpty()
        ? QString()
        : CCaptureFile::freeName(folder, QDateTime::currentDateTime(), CCaptureFile::format());
    const QString shown = path.isEmpty() ? CSavePath::folder(CAppSettings::PATH_LIST.at(0)) : path;
    if (!path.isEmpty() && saveSnapshot(path))
        CPlainMessageBox::information(
            nullptr, tr("Capture"), tr("The image has been saved.") + QStringLiteral("\n(%1)").arg(shown));
    else
        CPlainMessageBox::warning(
            nullptr, tr("Capture"), tr("The image could not be saved.") + QStringLiteral("\n(%1)").arg(shown));
}

bool Viewer::saveSnapshot(const QString& path)
{
    const CAPTURE_FILEFORMAT::ENUM format = CCaptureFile::format();
    if (openGLModeSetting() == OPENGL_OFF)
        return m_ui->DisplayFrame->grab().save(path, format == CAPTURE_FILEFORMAT::JPEG ? "JPEG" : "PNG");
    return m_display->saveCaptureImage(path, format);
}

// ---- Screen layouts ----

bool Viewer::showScreens(int screens, int start)
{
    if (m_display->IsSameScreen(screens, start))
        return false;
    stopDisplay();
    m_display->UpdateDisplayRect(screens, start);
    redrawLater();
    return true;
}

void Viewer::updatePageText()
{
    m_ui->multiPage->setText(m_display->getCurrentPage());
}

void Viewer::OnClickSingleScreen()
{
    showOneDvrLayout(qobject_cast<QPushButton*>(sender()));
}

void Viewer::OnClickMultiScreen()
{
    showOneDvrLayout(qobject_cast<QPushButton*>(sender()));
}

void Viewer::showOneDvrLayout(QPushButton* button)
{
    if (!button)
        return;
    m_screenButtons.checkAlone(button);
    exitZoom();
    ExitSequence();
    const CScreenButtons::Layout layout = CScreenButtons::layoutOf(button);
    showScreens(layout.screens, layout.start);
}

void Viewer::OnClickPageScreen()
{
    auto* button = qobject_cast<QPushButton*>(sender());
    if (!button)
        return;
    m_screenButtons.checkAlone(button);
    ExitSequence();
    // The page that holds the selected screen.
    if (showScreens(CScreenButtons::layoutOf(button).screens, 0)) {
        m_display->updatePage();
        updatePageText();
    }
}

void Viewer::OnClickSequence()
{
    m_screenButtons.uncheckSingleAndMulti();
    m_display->setSequence(m_ui->Sequence->isChecked());
}

void Viewer::OnClickFullScreen()
{
    if (m_display->isFullScreen())
        return;
    hide();
    m_display->EnterFullScreen();
    if (m_display->isFullScreen())
        qDebug() << "display is full screen";
}

void Viewer::OnExitFullScreen()
{
    show();
    m_ui->displayLayout->addWidget(m_display);
}

void Viewer::OnScreenNext()
{
    stopDisplay();
    m_display->setNextPage();
    updatePageText();
    redrawLater();
}

void Viewer::OnScreenPrev()
{
    stopDisplay();
    m_display->setPrevPage();
    updatePageText();
    redrawLater();
}

void Viewer::OnDZoomClicked()
{
    CConnectDVR* current = m_connections.current();
    if (current && current->IsConnected()) {
        m_display->setZoom(m_ui->DigitalZoom->isChecked() || m_ui->DigitalZoom_PB->isChecked());
        return;
    }
    m_ui->DigitalZoom->setChecked(false);
    m_ui->DigitalZoom_PB->setChecked(false);
}

void Viewer::OnDoubleClickedDisplay(int screen)
{
    const bool oneDvrPage = m_ui->controlScreen->currentIndex() == 0;
    // A single screen's button would be checked again on the whole layout.
    if (!m_display->isSingleScreen())
        m_screenButtons.rememberChecked(oneDvrPage);
    if (oneDvrPage)
        m_screenButtons.uncheckSingleAndMulti();
    else
        m_screenButtons.uncheckPages();

    stopDisplay();
    m_display->doubleClickedScreen(screen);
    if (!m_display->isSingleScreen())
        m_screenButtons.checkRemembered();
    else if (oneDvrPage)
        m_screenButtons.checkSingle(screen);
    if (!oneDvrPage)
        updatePageText();
    redrawLater();
}

// ---- Local and remote playback, backup ----

void Viewer::OnDirectoryClicked()
{
    const QString dir = QFileDialog::getExistingDirectory(this, tr("Please select a folder."),
        CSavePath::folder(CAppSettings::PATH_LIST.at(1)), QFileDialog::ShowDirsOnly);
    if (!dir.isEmpty())
        OnUpdatePlaybackPath(dir);
}

void Viewer::OnUpdatePlaybackPath(const QString& dir)
{
    m_playback->setDisplayWidget(m_display);
    m_playback->search(dir);
    controlDisplayArea(true);
}

void Viewer::OnSelectedTime(time_t time, int channels)
{
    if (m_playback->IsLocalPlayback()) {
        disconnectDVR(true);
        m_display->start(DISPLAY_MODE::LOCAL_PLAYBACK);
        m_playback->connectSignal();
    } else {
        // The panel offers the times of the current DVR's recordings; with
        // no current DVR there is nothing to play.
        CConnectDVR* current = m_connections.current();
        if (!current)
            return;
        startRecorded(current, CHttpConnect::PLAYBACK, time, 0, channels);
    }
    updateTitle();
    gCheckSpeed.reset();
}

void Viewer::OnBackupStart(time_t startTime, time_t endTime, int channels)
{
    CConnectDVR* current = m_connections.current();
    if (!current) {
        // The panel has nothing to back up from: back to idle.
        m_backup->OnBackupStop();
        return;
    }
    startRecorded(current, CHttpConnect::BACKUP, startTime, endTime, channels);
    updateTitle();
}

void Viewer::startRecorded(CConnectDVR* current, int mode, time_t startTime, time_t endTime, int channels)
{
    // The current DVR's stream alone: the others stop, their entries stay.
    disconnectDVR(false);
    m_connections.deleteAllButCurrent();
    updateDisplayScreen();
    if (mode == CHttpConnect::BACKUP)
        watchBackup(current);
    else
        watch(current);
    current->startPlayback({mode, startTime, endTime, quint32(channels)});
}

void Viewer::OnBackupStop()
{
    CConnectDVR* current = m_connections.current();
    if (!current)
        return;
    // First, while the panel still hears that the files could not be
    // completed.
    current->recordStop();
    disconnectDVR(false);
    if (m_backup->isBackup())
        m_backup->OnBackupStop();
    stopDisplay();
}

// ---- PC setup ----

void Viewer::OnApplyPCSetup()
{
    // The stream type is a live view's; other modes have no live stream to
    // ask again (and a search panel would be cleared).
    const bool live = m_prevMenuMode == LIVE_S || m_prevMenuMode == LIVE_M;
    if (live && getCodecType() != m_codecType) {
        disconnectDVR(false);
        connectDVR();
    }
    if (getOpenGLMode() == m_openGLMode)
        return;
    stopDisplay();
    m_display->resetDisplay();
    // The wall starts again with all its screens; so do the buttons.
    if (m_display->getScreenMode() == CDisplayWidget::MULTI_DVR) {
        m_screenButtons.uncheckPages();
        m_ui->Screen8x8->setChecked(true);
        updatePageText();
    } else {
        m_screenButtons.uncheckSingleAndMulti();
        m_ui->Screen16_0->setChecked(true);
    }
    redrawLater();
}

// ---- Snapshots shown, E-Map ----

void Viewer::OnSearchImageClicked()
{
    const QString path = QFileDialog::getOpenFileName(
        this, tr("Open File"), CAppDir::getCurrentPath(), tr("Capture Images (*.png *.jpg)"));
    if (path.isEmpty())
        return;
    m_playback->clear();
    stopLocalPlayback();
    controlDisplayArea(false);
    m_snapshot->show(path);
}

void Viewer::OnEMapSetupClicked()
{
    const auto imageSize = [] { return CAppSettings().readSetting(CAppSettings::EMAP_IMAGESIZE, 0).toInt(); };
    const int before = imageSize();
    CEMapSetupDialog dialog;
    dialog.exec();
    if (imageSize() != before)
        m_emapViews->updateImageSize();
}

void Viewer::OnEMapLogSave()
{
    const QString path
        = QFileDialog::getSaveFileName(this, tr("Save File"), CAppDir::getCurrentPath(), tr("Text files(*.txt)"));
    if (path.isEmpty())
        return;
    // Without a log on view there is nothing to save: the chosen file keeps
    // what it holds.
    const QTextEdit* log = m_emapViews->shownLog();
    if (!log)
        return;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text) || file.write(log->toPlainText().toUtf8()) < 0
        || !file.commit()) {
        CPanelMessage::show(
            this, tr("Cannot write file %1:\n%2.").arg(QDir::toNativeSeparators(path), file.errorString()));
        return;
    }
    CPanelMessage::show(this, tr("File saved"));
}

void Viewer::OnSelectedEMap(const EMap& map)
{
    removeEMap();
    createEMap(map, true);
}

void Viewer::OnSelectedEMapGroup(const EMapList& group)
{
    if (m_menuMode == EMAP_EDIT)
        return;
    removeEMap();
    for (int i = 0; i < group.emap_size(); ++i)
        createEMap(group.emap(i), i == m_emapViews->current());
}

void Viewer::OnChangedEMap(int index)
{
    m_emapViews->showAt(index);
}

void Viewer::OnRemoveEMap()
{
    removeEMap();
}
