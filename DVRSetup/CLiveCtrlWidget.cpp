#include "DVRSetup/CLiveCtrlWidget.h"

#include "DVRSetup/CAutoPresetWidget.h"
#include "DVRSetup/CPictureWidget.h"
#include "DVRSetup/CPtzfWidget.h"
#include "DVRSetup/CRemotePortWiget.h"
#include "ui_CLiveCtrlWidget.h"

#include <QEvent>

const QRegularExpression CLiveCtrlWidget::BUTTON_REGEX(QStringLiteral("DVRControl([0-9])"));

CLiveCtrlWidget::CLiveCtrlWidget(QWidget* parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::CLiveCtrlWidget>())
{
    m_ui->setupUi(this);
    createControlGroup();
    for (QPushButton* button : findChildren<QPushButton*>(BUTTON_REGEX))
        connect(button, &QPushButton::clicked, this, &CLiveCtrlWidget::changeWidget);
    m_ui->stackedWidget->setCurrentIndex(PTZ_PAGE);
    m_ui->stackedWidget->setEnabled(false);
}

CLiveCtrlWidget::~CLiveCtrlWidget() = default;

void CLiveCtrlWidget::createControlGroup()
{
    // Each page keeps its own size: no layout.
    m_ptzf = new CPtzfWidget(m_ui->page0);
    m_autoPreset = new CAutoPresetWidget(m_ui->page1);
    m_remotePort = new CRemotePortWiget(m_ui->page2);
    m_picture = new CPictureWidget(m_ui->page3);
}

void CLiveCtrlWidget::setConnectedDVR(const DVR& dvr, int clientId, bool showRelay, CDirectoryEntry::Id entry)
{
    m_ptzf->setConnectedDVR(dvr, clientId, entry);
    m_autoPreset->setConnectedDVR(dvr, clientId, entry);
    m_ui->DVRControl2->setVisible(showRelay);
    m_remotePort->setVisible(showRelay);
    m_remotePort->setConnectedDVR(dvr, clientId, entry);
    m_picture->SetConnectedDVR(dvr, clientId);
    if (!showRelay && m_ui->stackedWidget->currentIndex() == RELAY_PAGE)
        showPage(PTZ_PAGE);
    m_ui->stackedWidget->setEnabled(true);
}

void CLiveCtrlWidget::clearConnectedDVR(const std::optional<DVR>& named, CDirectoryEntry::Id entry)
{
    m_ptzf->clearConnectedDVR();
    m_autoPreset->clearConnectedDVR();
    m_remotePort->clearConnectedDVR(named, entry);
    m_picture->clearConnectedDVR();
    m_ui->stackedWidget->setEnabled(false);
}

void CLiveCtrlWidget::setSelectedChannel(int channel)
{
    if (channel == m_channel)
        return;
    m_channel = channel;
    // Every page acts on the framed tile's channel, whichever page shows.
    m_picture->SetChannel(channel);
    m_ptzf->setChannel(channel);
    m_autoPreset->setChannel(channel);
}

void CLiveCtrlWidget::setVisiblePictureCtrl(bool visible)
{
    m_ui->DVRControl3->setVisible(visible);
    if (!visible && m_ui->stackedWidget->currentIndex() == PICTURE_PAGE)
        showPage(PTZ_PAGE);
}

int CLiveCtrlWidget::currentPage() const
{
    return m_ui->stackedWidget->currentIndex();
}

void CLiveCtrlWidget::changeState(bool enable)
{
    m_singleScreen = enable;
    // A tour acts on the framed channel as PTZ does, so the tour page
    // follows the wall while it shows too; the relay page acts on no
    // channel and has no part in it.
    enableCurrentPage();
}

void CLiveCtrlWidget::enableCurrentPage()
{
    switch (m_ui->stackedWidget->currentIndex()) {
    case PICTURE_PAGE:
        m_picture->setEnabled(m_singleScreen);
        break;
    case PTZ_PAGE:
        m_ptzf->setEnabled(m_singleScreen);
        m_autoPreset->setEnabled(m_singleScreen);
        break;
    case TOUR_PAGE:
        m_autoPreset->setEnabled(m_singleScreen);
        break;
    default:
        break;
    }
}

void CLiveCtrlWidget::changeWidget()
{
    const QRegularExpressionMatch match = BUTTON_REGEX.match(sender()->objectName());
    showPage(match.hasMatch() ? match.captured(1).toInt() : PTZ_PAGE);
}

void CLiveCtrlWidget::showPage(int page)
{
    m_ui->stackedWidget->setCurrentIndex(page);
    // The button of the page shown is the one checked, however the page
    // came to show.
    if (auto* button = findChild<QPushButton*>(QStringLiteral("DVRControl%1").arg(page)))
        button->setChecked(true);
    enableCurrentPage();
}

void CLiveCtrlWidget::languageChange()
{
    m_ui->retranslateUi(this);
}

void CLiveCtrlWidget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        languageChange();
    QWidget::changeEvent(event);
}
