#include "Viewer.h"

#include "Common/CEucKr.h"
#include "Common/CPlainMessageBox.h"
#include "Common/CWholeFileWriter.h"
#include "Connection/CConnectDVR.h"
#include "Connection/CDVRInfoWidget.h"
#include "Connection/CDVRListTree.h"
#include "Connection/CLogin.h"
#include "Connection/CMenuDVRList.h"
#include "DVRSetup/CLiveCtrlWidget.h"
#include "DVRSetup/CSetupWidget.h"
#include "Display/CCheckSpeed.h"
#include "Display/CClockWidget.h"
#include "Display/CDisplayWidget.h"
#include "Display/CScreen.h"
#include "Display/CSnapshotWriter.h"
#include "Display/OpenGLMode.h"
#include "EMap/CEMapList.h"
#include "EMap/CEMapMenu.h"
#include "Recording/CBackupWidget.h"
#include "Recording/CPanelMessage.h"
#include "Recording/CPlaybackWidget.h"
#include "Settings/CAppDir.h"
#include "Settings/CAppSettings.h"
#include "Settings/CPCSetupDialog.h"
#include "Settings/CSavePath.h"
#include "ui_Viewer.h"
#include "viewer/CCaptureFile.h"
#include "viewer/CDisplayTitle.h"
#include "viewer/CEMapViews.h"
#include "viewer/CLiveView.h"
#include "viewer/CSnapshotView.h"
#include "viewer/CWindowGeometry.h"

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
#include <QPixmap>
#include <QRegion>
#include <QTextEdit>

namespace {

const QString STYLE_SHEET = QStringLiteral(":/Viewer/files/qss/default.qss");
const QString LOGO = QStringLiteral(":/Viewer/files/images/logo.png");
const QString MAXIMIZE_ICON = QStringLiteral(":/Viewer/files/images/Maximize.png");
const QString RESTORE_ICON = QStringLiteral(":/Viewer/files/images/Restore.png");
const int MAIN_LAYOUT_SPACING = 15;
const int PAGE_MARGIN = 10;
const int LAYOUT_SPACING = 15;
const int LAYOUT_MARGIN = 9;
const int ONE_DVR_SCREENS = 16;
const int MANY_DVR_SCREENS = 64;

} // namespace

Viewer::Viewer(QWidget* parent, Qt::WindowFlags flags)
    : QWidget(parent, flags)
    , m_ui(std::make_unique<Ui::ViewerClass>())
{
    loadStyleSheet();
    m_ui->setupUi(this);
    if (parent)
        resize(parent->size());
    m_geometry = new CWindowGeometry(*this);
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
    createLiveView();
    defineSteps();
    loadLogo();
    setDisplayMode(CModeTable::LIVE_PAGE);
    m_live->updateTitle();
    m_ui->MainLayout->setSpacing(MAIN_LAYOUT_SPACING);
    setWindowTitle(QStringLiteral("QELM"));
}

Viewer::~Viewer() = default;

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
    // Only into a file that still lacks it once the lock is had: a mode
    // that another viewer stored meanwhile stays.
    settings.saveFilling([&settings, mode] {
        if (!settings.contains(CAppSettings::OPENGL))
            settings.writeSetting(CAppSettings::OPENGL, mode);
    });
    return mode;
}

int Viewer::getCodecType()
{
    return CLiveView::codecType();
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
    connect(m_display, &CDisplayWidget::doubleClicked, this, &Viewer::OnDoubleClickedDisplay);
}

void Viewer::createPlayback()
{
    m_ui->bottomPlaybackPage->setFixedWidth(m_ui->bottomWidget->width());
    m_playback = new CPlaybackWidget(m_ui->bottomPlaybackPage);
}

void Viewer::createBackup()
{
    m_ui->bottomBackupPage->setFixedWidth(m_ui->bottomWidget->width());
    m_backup = new CBackupWidget(m_ui->bottomBackupPage);
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
    // The areas that the setup and information modes hide keep their room,
    // so the window keeps its smallest size in those modes too: the panels
    // that cover the areas are laid out for that size.
    for (QWidget* area : std::initializer_list<QWidget*>{m_ui->DisplayFrame, m_ui->ControlMenu, m_ui->bottomWidget}) {
        QSizePolicy policy = area->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        area->setSizePolicy(policy);
    }
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

void Viewer::createLiveView()
{
    m_live = std::make_unique<CLiveView>(
        CLiveView::Panels{m_display, m_title, m_liveCtrl, m_playback, m_backup, m_tree}, m_modes);
    connect(m_live.get(), &CLiveView::streamsStopping, this, [this] {
        exitZoom();
        ExitSequence();
    });
    // The old wall's figure goes at once, not at the next tick.
    connect(m_live.get(), &CLiveView::meterReset, this, &Viewer::OnDisplaySpeed);
    connect(m_live.get(), &CLiveView::recordToPcChecked, m_ui->RecToPC, &QAbstractButton::setChecked);
    connect(m_live.get(), &CLiveView::recordToPcEnabled, m_ui->RecToPC, &QWidget::setEnabled);
    connect(m_live.get(), &CLiveView::adminRights, m_ui->RecToDVR, &QWidget::setEnabled);
    connect(m_live.get(), &CLiveView::adminRights, m_ui->Setup, &QWidget::setEnabled);
    connect(m_live.get(), &CLiveView::setupShown, m_ui->Setup, &QWidget::setVisible);
    connect(m_live.get(), &CLiveView::recordToPcEnded, this, [this](const QString& reason) {
        auto* box = new CPlainMessageBox(QMessageBox::Warning, tr("Record"), reason, QMessageBox::Ok, this);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
    });
}

void Viewer::loadLogo()
{
    m_ui->MainLayout->activate();
    m_ui->Logo->setPixmap(
        QPixmap(LOGO).scaled(m_ui->Logo->contentsRect().size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

// ---- The steps of the mode changes ----

void Viewer::defineSteps()
{
    using S = CModeTable::Step;
    m_steps = {
        {S::ShowMainMenu, [this] { m_ui->MainMenu->setCurrentWidget(m_ui->MainPage); }},
        {S::LeaveSetup, [this] { m_setup->leave(); }},
        {S::HideMapList, [this] { showMapList(false); }},
        {S::CloseMaps, [this] { m_emapViews->closeAll(); }},
        {S::CheckMenuButton, [this] { menuButton(m_modes.current())->setChecked(true); }},
        {S::ExitZoom, [this] { exitZoom(); }},
        {S::SequenceOff, [this] { ExitSequence(); }},
        {S::StopBackup, [this] { m_live->stopBackup(); }},
        {S::StopRecordToPC, [this] { m_live->stopRecordingToPc(CLiveView::RecordingEnd::ModeChanged); }},
        {S::StopLocalPlayback, [this] { m_live->stopLocalPlayback(); }},
        {S::StopDisplay, [this] { m_live->stopDisplay(); }},
        {S::ShowWall, [this] { controlDisplayArea(true); }},
        {S::HideWall, [this] { controlDisplayArea(false); }},
        {S::HideDisplayArea, [this] { hideDisplayArea(); }},
        {S::OneDvrLayout, [this] { showOneDvrLayout(); }},
        {S::ManyDvrLayout, [this] { showManyDvrLayout(); }},
        {S::ShowMapList, [this] { showMapList(true); }},
        {S::BottomPage, [this] { setDisplayMode(m_modes.bottomPage()); }},
        {S::SendViewChannels, [this] { m_live->sendChannelCommand(MANY_DVR_SCREENS, 0); }},
        {S::Redraw, [this] { m_live->redrawLater(); }},
        {S::Reconnect,
            [this] {
                m_live->stop(false);
                m_live->start();
            }},
        {S::DropConnections, [this] { m_live->stop(true); }},
        {S::SearchCurrent, [this] { m_live->searchCurrent(); }},
        {S::LocalFiles, [this] { m_live->browseLocalFiles(); }},
        {S::BackupCurrent, [this] { m_live->backupCurrent(); }},
        {S::ReadInformation, [this] { readInformation(); }},
        {S::ReadSetup, [this] { readSetup(); }},
        {S::ViewMaps, [this] { showMaps(false); }},
        {S::EditMaps, [this] { showMaps(true); }},
        {S::OpenPCSetup, [this] { openPCSetup(); }},
        {S::FunctionPage, [this] { setFunctionWidget(); }},
        {S::EnableRecordToPC, [this] { m_ui->RecToPC->setEnabled(true); }},
        {S::DisableRecordToPC, [this] { m_ui->RecToPC->setEnabled(false); }},
        {S::UpdateDvrInfo, [this] { m_live->updateDvrInfo(); }},
        {S::UpdateTitle, [this] { m_live->updateTitle(); }},
        {S::PageText, [this] { updatePageText(); }},
        {S::RepaintWall, [this] { m_display->repaint(); }},
        {S::ChooseFolder, [this] { OnDirectoryClicked(); }},
    };
}

void Viewer::run(const CModeTable::Steps& steps)
{
    const QSize before = size();
    for (const CModeTable::Step step : steps)
        m_steps.at(step)();
    m_geometry->modeChanged(before);
}

void Viewer::setDisplayMode(int page)
{
    m_ui->DisplayFrame->show();
    m_ui->ControlMenu->show();
    m_ui->bottomWidget->show();
    m_ui->CheckSpeed->setVisible(page != CModeTable::EMAP_PAGE);
    m_setup->hide();
    m_dvrInfo->hide();
    m_ui->bottomWidget->setCurrentIndex(page);
    m_ui->bottomWidget->setFixedHeight(page == CModeTable::LIVE_PAGE ? LIVE_PAGE_HEIGHT : OTHER_PAGE_HEIGHT);
}

void Viewer::setFunctionWidget()
{
    const CModeTable::Functions functions = m_modes.functions();
    m_ui->functionWidget->setVisible(functions != CModeTable::NO_FUNCTIONS);
    if (functions == CModeTable::LIVE_FUNCTIONS)
        m_ui->functionWidget->setCurrentWidget(m_ui->LivePage);
    else if (functions == CModeTable::SEARCH_FUNCTIONS)
        m_ui->functionWidget->setCurrentWidget(m_ui->SearchPage);
    else if (functions == CModeTable::PLAYBACK_FUNCTIONS)
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

void Viewer::hideDisplayArea()
{
    m_ui->DisplayFrame->hide();
    m_ui->ControlMenu->hide();
    m_ui->bottomWidget->hide();
    m_ui->CheckSpeed->hide();
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

void Viewer::showOneDvrLayout()
{
    m_ui->controlScreen->setCurrentWidget(m_ui->SScreen);
    m_display->setScreenMode(CDisplayWidget::SINGLE_DVR);
    m_screenButtons.uncheckSingleAndMulti();
    m_display->setScreens(ONE_DVR_SCREENS);
    m_ui->Screen16_0->setChecked(true);
}

void Viewer::showManyDvrLayout()
{
    m_ui->controlScreen->setCurrentWidget(m_ui->MScreen);
    m_display->setScreenMode(CDisplayWidget::MULTI_DVR);
    m_screenButtons.uncheckPages();
    m_display->setScreens(MANY_DVR_SCREENS);
    m_ui->Screen8x8->setChecked(true);
}

// The map list takes the place of the layout buttons, and the E-Map's menu
// that of the main menu.
void Viewer::showMapList(bool show)
{
    m_ui->controlScreen->setVisible(!show);
    if (show) {
        m_ui->verticalLayout->insertWidget(0, m_emapList, 0, Qt::AlignHCenter);
        m_ui->MainMenu->setCurrentWidget(m_ui->EMapPage);
        return;
    }
    m_emapList->hide();
    m_ui->verticalLayout->removeWidget(m_emapList);
    m_tree->setCameraNameShow(false);
    m_tree->show();
}

void Viewer::readSetup()
{
    m_setup->Init();
    if (const CConnectDVR* current = m_live->stopForPage())
        m_setup->readData(current->getDVR(), current->getDVRChannels(), config::VideoType(current->getVideoType()));
    m_dvrInfo->hide();
    m_setup->show();
    m_ui->MainMenu->setCurrentWidget(m_ui->configPage);
}

void Viewer::readInformation()
{
    if (const CConnectDVR* current = m_live->stopForPage())
        m_dvrInfo->readData(current->getDVR());
    m_setup->hide();
    m_dvrInfo->show();
}

// Maps are edited with cameras dragged from the tree.
void Viewer::showMaps(bool edit)
{
    m_emapViews->showList(edit);
    (edit ? m_ui->EMapEdit : m_ui->EMapView)->setChecked(true);
}

void Viewer::openPCSetup()
{
    m_codecType = getCodecType();
    m_openGLMode = getOpenGLMode();
    m_pcSetup->loadSettings();
    m_pcSetup->show();
}

QPushButton* Viewer::menuButton(int mode) const
{
    QPushButton* const buttons[CModeTable::MODES] = {m_ui->LiveS, m_ui->LiveM, m_ui->Search, m_ui->Playback,
        m_ui->Backup, nullptr, nullptr, m_ui->Information, m_ui->Setup, nullptr};
    return mode >= 0 && mode < CModeTable::MODES ? buttons[mode] : nullptr;
}

// ---- The modes ----

void Viewer::OnFinishedPCSetup()
{
    run(m_modes.closePCSetup());
}

// ---- The live view ----

void Viewer::connectDVR(const QString& address, int port)
{
    CLogin login(this);
    if (login.exec() != QDialog::Accepted)
        return;
    DVR dvr;
    dvr.set_address(address.toStdString());
    dvr.set_port(static_cast<quint32>(port));
    dvr.set_id(login.getID().toStdString());
    dvr.set_password(login.getPassword().toStdString());
    // All 16 channels of the default mask: screens 0 to 15.
    m_live->connectOne(dvr);
}

void Viewer::OnDisplaySpeed()
{
    m_ui->CheckSpeed->setText(gCheckSpeed.readOut());
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
    m_live->stopLocalPlayback();
    // Files that could not be completed are told before the program ends;
    // the operator's OK ends it.
    const QStringList failures = m_live->end();
    if (!failures.isEmpty())
        CPlainMessageBox::warning(this, tr("Record"), failures.join(QLatin1Char('\n')));
    event->accept();
}

void Viewer::contextMenuEvent(QContextMenuEvent* event)
{
    const auto contains = [event](const QWidget* widget) {
        return widget->isVisible()
            && QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size()).contains(event->globalPos());
    };
    if (contains(m_tree)) {
        QTreeWidgetItem* item = m_tree->itemAt(m_tree->viewport()->mapFromGlobal(event->globalPos()));
        CMenuDVRList menu(m_tree, item, m_modes.editsMaps());
        menu.exec(event->globalPos());
    }
    if (m_modes.editsMaps() && contains(m_emapList)) {
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

// ---- Snapshots and the speed read-out ----

void Viewer::OnCaptureClicked()
{
    if (m_live->connections().entries().isEmpty())
        return;
    const QString folder = CCaptureFile::folder();
    const QString path = folder.isEmpty()
        ? QString()
        : CCaptureFile::freeName(folder, QDateTime::currentDateTime(), CCaptureFile::format());
    const QString shown = path.isEmpty() ? CSavePath::folder(CAppSettings::PATH_LIST.at(0)) : path;
    QString reason;
    const CWholeFileWriter::Result saved
        = path.isEmpty() ? CWholeFileWriter::Result::Failed : saveSnapshot(path, &reason);
    const QString where = QStringLiteral("\n(%1)").arg(shown);
    const QString why = reason.isEmpty() ? QString() : QStringLiteral("\n") + reason;
    if (saved == CWholeFileWriter::Result::Written)
        CPlainMessageBox::information(nullptr, tr("Capture"), tr("The image has been saved.") + where);
    else if (saved == CWholeFileWriter::Result::Unconfirmed)
        CPlainMessageBox::warning(nullptr, tr("Capture"),
            tr("The image has been saved, but the system could not confirm that it is on the disk.") + where + why);
    else
        CPlainMessageBox::warning(nullptr, tr("Capture"), tr("The image could not be saved.") + where + why);
}

CWholeFileWriter::Result Viewer::saveSnapshot(const QString& path, QString* reason)
{
    const CAPTURE_FILEFORMAT::ENUM format = CCaptureFile::format();
    if (openGLModeSetting() == OPENGL_OFF)
        return CSnapshotWriter::write(m_ui->DisplayFrame->grab().toImage(), path, format, reason);
    return m_display->saveCaptureImage(path, format, reason);
}

// ---- Screen layouts ----

void Viewer::updatePageText()
{
    m_ui->multiPage->setText(m_display->getCurrentPage());
}

void Viewer::selectLayout(QPushButton* button)
{
    if (!button)
        return;
    m_screenButtons.checkAlone(button);
    exitZoom();
    ExitSequence();
    const CScreenButtons::Layout layout = CScreenButtons::layoutOf(button);
    m_live->showScreens(layout.screens, layout.start);
}

void Viewer::OnClickPageScreen()
{
    auto* button = qobject_cast<QPushButton*>(sender());
    if (!button)
        return;
    m_screenButtons.checkAlone(button);
    ExitSequence();
    // The page that holds the selected screen.
    if (m_live->showScreens(CScreenButtons::layoutOf(button).screens, 0)) {
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

void Viewer::turnPage(bool next)
{
    m_live->stopDisplay();
    if (next)
        m_display->setNextPage();
    else
        m_display->setPrevPage();
    updatePageText();
    m_live->redrawLater();
}

void Viewer::OnDZoomClicked()
{
    if (m_live->isCurrentConnected()) {
        m_display->setZoom(m_ui->DigitalZoom->isChecked() || m_ui->DigitalZoom_PB->isChecked());
        return;
    }
    m_ui->DigitalZoom->setChecked(false);
    m_ui->DigitalZoom_PB->setChecked(false);
}

void Viewer::OnDoubleClickedDisplay(int screen)
{
    const bool oneDvrPage = m_display->getScreenMode() == CDisplayWidget::SINGLE_DVR;
    // A single screen's button would be checked again on the whole layout.
    if (!m_display->isSingleScreen())
        m_screenButtons.rememberChecked(oneDvrPage);
    if (oneDvrPage)
        m_screenButtons.uncheckSingleAndMulti();
    else
        m_screenButtons.uncheckPages();

    m_live->stopDisplay();
    m_display->doubleClickedScreen(screen);
    if (!m_display->isSingleScreen())
        m_screenButtons.checkRemembered();
    else if (oneDvrPage)
        m_screenButtons.checkSingle(screen);
    if (!oneDvrPage)
        updatePageText();
    m_live->redrawLater();
}

void Viewer::OnRecordToPCClicked()
{
    m_live->recordToPc(m_ui->RecToPC->isChecked());
}

// ---- Local playback ----

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

// ---- PC setup ----

void Viewer::OnApplyPCSetup()
{
    // The stream type is a live view's; other modes have no live stream to
    // ask again (and a search panel would be cleared).
    const bool live = m_modes.shown() == CModeTable::LIVE_S || m_modes.shown() == CModeTable::LIVE_M;
    if (live && getCodecType() != m_codecType) {
        m_live->stopRecordingToPc(CLiveView::RecordingEnd::StreamTypeChanged);
        m_live->stop(false);
        m_live->start();
    }
    if (getOpenGLMode() == m_openGLMode)
        return;
    // The wall is made anew with all its screens: a sequence and a zoom end.
    ExitSequence();
    exitZoom();
    m_live->stopDisplay();
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
    m_live->redrawLater();
}

// ---- Snapshots shown, E-Map ----

void Viewer::OnSearchImageClicked()
{
    const QString path = QFileDialog::getOpenFileName(
        this, tr("Open File"), CAppDir::getCurrentPath(), tr("Capture Images (*.png *.jpg)"));
    if (path.isEmpty())
        return;
    m_playback->clear();
    m_live->stopLocalPlayback();
    controlDisplayArea(false);
    m_snapshot->show(path);
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
    QString reason;
    switch (CWholeFileWriter::write(path, log->toPlainText().toUtf8(), &reason, QIODevice::Text)) {
    case CWholeFileWriter::Result::Written:
        CPanelMessage::show(this, tr("File saved"));
        break;
    case CWholeFileWriter::Result::Unconfirmed:
        CPanelMessage::show(this, CWholeFileWriter::unconfirmedMessage(path, reason));
        break;
    case CWholeFileWriter::Result::Failed:
        CPanelMessage::show(this, tr("Cannot write file %1:\n%2.").arg(QDir::toNativeSeparators(path), reason));
        break;
    }
}
