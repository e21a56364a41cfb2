#include "CSetupWidget.h"

#include "Common/CAnswerCode.h"
#include "Common/CPlainMessageBox.h"
#include "Connection/CReadDVRData.h"
#include "Connection/CSendDVRInfoWidget.h"
#include "Connection/UpLoader.h"
#include "DVRSetup/CConfFile.h"
#include "DVRSetup/CModelInfoDialog.h"
#include "DVRSetup/CSetupAccount.h"
#include "DVRSetup/CSetupCamera.h"
#include "DVRSetup/CSetupEtc.h"
#include "DVRSetup/CSetupEvent.h"
#include "DVRSetup/CSetupHdd.h"
#include "DVRSetup/CSetupNetwork.h"
#include "DVRSetup/CSetupQuery.h"
#include "DVRSetup/CSetupRecord.h"
#include "DVRSetup/CSetupSystem.h"
#include "DVRSetup/CUpgrade.h"
#include "DVRSetup/CWheelNeedsFocus.h"
#include "Settings/CAppDir.h"
#include "dvr_protocol/Parser.h"
#include "dvr_protocol/cgi_response.pb.h"
#include "dvr_types/DvrModel.h"
#include "dvr_types/DvrModelInfo.h"
#include "sys_conf/types/CConfParser.h"
#include "ui_CSetupWidget.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QResizeEvent>
#include <QScrollArea>
#include <QTemporaryFile>
#include <QVBoxLayout>

namespace {

constexpr int OFFLINE_MODEL = 4;
constexpr int OVERLAY_MARGIN = 10;
const char* const ADMIN = "admin";
const char* const CONF_SUFFIX = ".conf";

// A page keeps the room its controls need and scrolls when its tab is
// smaller; it stands on the tab's own background. The scroll area is no Tab
// stop of its own (Tab brings the control it reaches into view), and the
// wheel scrolls it over a setting that the operator has not clicked into.
template <class Page> Page* addPage(QWidget* tab)
{
    auto* scroll = new QScrollArea(tab);
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    auto* page = new Page;
    CWheelNeedsFocus::guard(*page);
    scroll->setWidget(page);
    scroll->viewport()->setAutoFillBackground(false);
    page->setAutoFillBackground(false);
    auto* layout = new QVBoxLayout(tab);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);
    return page;
}

bool isChannelCount(unsigned channels)
{
    return channels == 4 || channels == 8 || channels == 16;
}

} // namespace

CSetupWidget::CSetupWidget(QWidget* parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::CSetupWidget>())
{
    m_ui->setupUi(this);
    m_system = addPage<CSetupSystem>(m_ui->SystemTab);
    m_network = addPage<CSetupNetwork>(m_ui->NetworkTab);
    m_record = addPage<CSetupRecord>(m_ui->RecordTab);
    m_hdd = addPage<CSetupHdd>(m_ui->HDDTab);
    m_event = addPage<CSetupEvent>(m_ui->EventTab);
    m_account = addPage<CSetupAccount>(m_ui->AccountTab);
    m_camera = addPage<CSetupCamera>(m_ui->CameraTab);
    m_upgrade = new CUpgrade(this);
    m_upgrade->hide();
    m_etc = new CSetupEtc(this);
    m_etc->hide();
    m_upLoader = new UpLoader(this);
    m_upLoader->setTimeLimit(m_timeLimitMs);
    connect(m_upLoader, &UpLoader::finished, this, &CSetupWidget::FinishUpload);
}

CSetupWidget::~CSetupWidget()
{
    cancelRead();
}

template <class Action> void CSetupWidget::forEachPage(Action action)
{
    action(*m_system);
    action(*m_etc);
    action(*m_network);
    action(*m_record);
    action(*m_hdd);
    action(*m_event);
    action(*m_account);
    action(*m_camera);
}

void CSetupWidget::setTimeLimit(int milliseconds)
{
    m_timeLimitMs = milliseconds;
    m_upLoader->setTimeLimit(milliseconds);
}

void CSetupWidget::Init()
{
    leave();
    m_target.Clear();
    m_event->setTargetDVR(m_target);
    config::DvrConf_DvrInfo info;
    info.set_model(OFFLINE_MODEL);
    info.set_ch_num(DvrModelInfo(DvrModel(OFFLINE_MODEL)).channels);
    info.set_vtype(config::VIDEO_TYPE_NTSC);
    InitDvrInfo(info);
}

void CSetupWidget::leave()
{
    cancelRead();
    if (m_readNotice)
        m_readNotice->close();
}

void CSetupWidget::InitDvrInfo(const config::DvrConf_DvrInfo& info)
{
    m_dvrInfo = info;
    if (m_dvrInfo.languages_size() == 0) {
        for (const QString& language : DvrModelInfo(DvrModel(static_cast<int>(m_dvrInfo.model()))).languages)
            m_dvrInfo.add_languages(language.toStdString());
    }
    forEachPage([this](auto& page) { page.InitDvrInfo(m_dvrInfo); });
    InitConf();
}

void CSetupWidget::InitConf()
{
    forEachPage([](auto& page) { page.InitConf(); });
    m_pagesShowDefaults = true;
}

void CSetupWidget::OnLoadDefault()
{
    InitConf();
}

void CSetupWidget::SetConf(const config::DvrConf& conf)
{
    m_system->SetConf(conf.system());
    m_etc->SetConf(conf.system());
    m_network->SetConf(conf.network());
    m_record->SetConf(conf.record());
    m_hdd->SetConf(conf.hdd());
    m_event->SetConf(conf.event());
    m_account->SetConf(conf.account());
    m_camera->SetConf(conf.camera());
    m_network->SetApplyNetworkTCPIP(conf.limit().apply_network_tcpip());
    m_pagesShowDefaults = false;
}

int CSetupWidget::SetDvrConf(const config::DvrConf& conf, QString* problem)
{
    const config::DvrConf_DvrInfo& info = conf.dvr_info();
    const int model = static_cast<int>(info.model());
    if (!DvrModel::IsValid(model)) {
        qDebug("[ERROR] unknown model : %d\n", model);
        if (problem)
            *problem = tr("The DVR model %1 is unknown.").arg(info.model());
        return -1;
    }
    // Every page sizes its lists by the channel count; only these DVRs exist.
    if (!isChannelCount(info.ch_num())) {
        qDebug("[ERROR] unknown channel count : %u\n", info.ch_num());
        if (problem)
            *problem = tr("A DVR with %1 channels is unknown.").arg(info.ch_num());
        return -1;
    }
    InitDvrInfo(info);
    SetConf(conf);
    return 0;
}

void CSetupWidget::Make_DvrConf(bool all, config::DvrConf& conf, bool applyNetworkTcpIp)
{
    *conf.mutable_dvr_info() = m_dvrInfo;
    conf.mutable_limit()->set_apply_network_tcpip(applyNetworkTcpIp);
    const QWidget* current = m_ui->tabWidget->currentWidget();
    const auto wanted = [all, current](const QWidget* tab) { return all || tab == current; };
    if (wanted(m_ui->SystemTab))
        *conf.mutable_system() = m_system->GetConf();
    if (wanted(m_ui->NetworkTab))
        *conf.mutable_network() = m_network->GetConf();
    if (wanted(m_ui->RecordTab))
        *conf.mutable_record() = m_record->GetConf();
    if (wanted(m_ui->HDDTab))
        *conf.mutable_hdd() = m_hdd->GetConf();
    if (wanted(m_ui->EventTab))
        *conf.mutable_event() = m_event->GetConf();
    if (wanted(m_ui->AccountTab))
        *conf.mutable_account() = m_account->GetConf();
    if (wanted(m_ui->CameraTab))
        *conf.mutable_camera() = m_camera->GetConf();
}

int CSetupWidget::Byte2Conf(const QByteArray& data, config::DvrConf& conf, QString* problem)
{
    const auto fail = [problem](const QString& why) {
        if (problem)
            *problem = why;
        return -1;
    };
    if (data.isEmpty())
        return fail(tr("The DVR did not answer."));
    const cgi::Parser parser(false);
    const auto* begin = reinterpret_cast<const unsigned char*>(data.constData());
    const unsigned char* end = begin + data.size();
    const unsigned char* stx = nullptr;
    const unsigned char* etx = nullptr;
    if (!parser.FindPacket(begin, end, stx, etx))
        return fail(tr("The DVR's answer is not a configuration."));
    const cgi::PayLoadHeader header = parser.GetPayLoad(stx);
    const std::size_t size = parser.GetDataSize(stx, etx);
    if (header.type == cgi::DATA_RESPONSE && size >= 1) {
        const int code = *parser.GetDataPoint(stx);
        if (!CAnswerCode::accepts(false, code))
            return fail(tr("The DVR refused the request: %1").arg(CAnswerCode::text(false, code)));
    }
    if (header.type != cgi::DATA_CONF)
        return fail(tr("The DVR's answer is not a configuration."));
    const auto* payload = reinterpret_cast<const char*>(parser.GetDataPoint(stx));
    if (!CConfParser::parse(payload, static_cast<qint64>(size), conf))
        return fail(tr("The DVR's answer is not a configuration."));
    return 0;
}

void CSetupWidget::readData(const DVR& dvr, int, config::VideoType)
{
    m_target = dvr;
    m_event->setTargetDVR(m_target);
    if (m_target.address().empty())
        return;
    startRead();
}

void CSetupWidget::OnReload()
{
    if (checkConnectedDVR())
        startRead();
}

void CSetupWidget::startRead()
{
    cancelRead();
    if (m_target.oldprotocol()) {
        tellReadFailed(tr("A DVR of the old protocol has no configuration to read."));
        return;
    }
    const std::optional<QString> query
        = CSetupQuery::build(cgi::MODE_CONF_READ, ADMIN, m_target.password(), cgi::NullMsg());
    if (!query)
        return;
    m_reader = new CReadDVRData(this);
    m_reader->setTimeLimit(m_timeLimitMs);
    connect(m_reader, &CReadDVRData::completed, this, &CSetupWidget::OnReloadCompleted);
    m_reader->startRead(m_target, *query);
}

void CSetupWidget::cancelRead()
{
    CReadDVRData::discard(m_reader);
}

void CSetupWidget::OnReloadCompleted(const QByteArray& data)
{
    config::DvrConf conf;
    QString problem;
    if (Byte2Conf(data, conf, &problem) != 0) {
        qDebug("[%s]ParseFromArray error\n", "OnReloadCompleted");
        tellReadFailed(problem);
        return;
    }
    if (SetDvrConf(conf, &problem) != 0)
        tellReadFailed(problem);
}

void CSetupWidget::tellReadFailed(const QString& reason)
{
    if (m_readNotice)
        m_readNotice->close();
    const QString pages
        = m_pagesShowDefaults ? tr("The pages show the default settings.") : tr("The pages keep their settings.");
    m_readNotice = new CPlainMessageBox(QMessageBox::Warning, tr("DVR Setup"),
        tr("The DVR configuration could not be read.") + QLatin1Char('\n') + reason + QLatin1Char('\n') + pages,
        QMessageBox::Ok, this);
    m_readNotice->setAttribute(Qt::WA_DeleteOnClose);
    m_readNotice->open();
}

bool CSetupWidget::checkConnectedDVR()
{
    CSendDVRInfoWidget prompt(this);
    prompt.setAddress(QString::fromStdString(m_target.address()));
    prompt.setPort(m_target.port());
    if (QString::fromStdString(m_target.id()).compare(QLatin1String(ADMIN), Qt::CaseInsensitive) == 0)
        prompt.setPassword(QString::fromStdString(m_target.password()));
    if (prompt.exec() != QDialog::Accepted)
        return false;
    m_target.set_id(ADMIN);
    m_target.set_address(prompt.getAddress().toStdString());
    m_target.set_port(prompt.getPort());
    m_target.set_password(prompt.getPassword().toStdString());
    m_event->setTargetDVR(m_target);
    return true;
}

void CSetupWidget::OnSend()
{
    sendConf(false);
}

void CSetupWidget::OnSendAll()
{
    sendConf(true);
}

void CSetupWidget::sendConf(bool all)
{
    if (m_upLoader->isUploading()) {
        CPlainMessageBox::information(
            this, tr("DVR Setup"), tr("The configuration is still being sent to the DVR; nothing more was sent."));
        return;
    }
    if (!checkConnectedDVR())
        return;
    config::DvrConf conf;
    Make_DvrConf(all, conf, m_network->GetApplyNetworkTCPIP());
    Send_DvrConf(conf);
}

void CSetupWidget::Send_DvrConf(const config::DvrConf& conf)
{
    const std::optional<QString> query
        = CSetupQuery::build(cgi::MODE_CONF_WRITE, ADMIN, m_target.password(), cgi::NullMsg());
    if (!query)
        return;
    // The uploader opens the file before upload() returns and reads it from
    // there, so the file may go when this function ends.
    QTemporaryFile file;
    const QByteArray bytes = CConfFile::serialize(conf);
    if (!file.open() || file.write(bytes) != bytes.size() || !file.flush()) {
        FinishUpload(true, false, file.errorString());
        return;
    }
    file.close();
    m_upLoader->upload(QString::fromStdString(m_target.address()), m_target.port(), *query, file.fileName());
}

void CSetupWidget::FinishUpload(bool error, bool aborted, const QString& text)
{
    qDebug("%s",
        qPrintable(QStringLiteral("%1 : error %2, aborted %3, errstr %4\n")
                       .arg(QStringLiteral("FinishUpload"))
                       .arg(int(error))
                       .arg(int(aborted))
                       .arg(text)));
    if (error)
        CPlainMessageBox::warning(nullptr, tr("DVR Setup"), tr("The transmission error occured!"));
    else
        CPlainMessageBox::information(nullptr, tr("DVR Setup"), tr("The DVR configuration is correctly transfered!"));
}

void CSetupWidget::OnSaveFiles()
{
    QString path = QFileDialog::getSaveFileName(
        this, tr("Please select a configuration file."), CAppDir::getCurrentPath(), tr("Config (*.conf)"));
    if (path.isEmpty())
        return;
    if (!QFileInfo(path).fileName().contains(QLatin1Char('.')))
        path += QLatin1String(CONF_SUFFIX);
    if (!path.endsWith(QLatin1String(CONF_SUFFIX))) {
        qDebug("[ERROR] File extension is not conf");
        CPlainMessageBox::warning(this, tr("DVR Setup"),
            tr("%1 was not saved: a configuration file name ends in \".conf\".").arg(QFileInfo(path).fileName()));
        return;
    }
    config::DvrConf conf;
    Make_DvrConf(true, conf, m_network->GetApplyNetworkTCPIP());
    QString problem;
    switch (CConfFile::save(path, conf, &problem)) {
    case CWholeFileWriter::Result::Written:
        break;
    case CWholeFileWriter::Result::Unconfirmed:
        CPlainMessageBox::warning(this, tr("DVR Setup"), CWholeFileWriter::unconfirmedMessage(path, problem));
        break;
    case CWholeFileWriter::Result::Failed:
        CPlainMessageBox::warning(this, tr("DVR Setup"), tr("%1 was not saved: %2").arg(path, problem));
        break;
    }
}

void CSetupWidget::OnOpenFiles()
{
    const QString path = QFileDialog::getOpenFileName(
        this, tr("Please select a configuration file."), CAppDir::getCurrentPath(), tr("Configs (*.conf)"));
    if (path.isEmpty())
        return;
    config::DvrConf conf;
    QString problem = CConfFile::load(path, &conf);
    if (problem.isEmpty() && SetDvrConf(conf, &problem) == 0) {
        cancelRead();
        return;
    }
    CPlainMessageBox::warning(this, tr("DVR Setup"), tr("%1 was not opened: %2").arg(path, problem));
}

void CSetupWidget::OnSetupModel()
{
    CModelInfoDialog dialog;
    const QWidget* mainWindow = window();
    dialog.move(mainWindow->mapToGlobal(mainWindow->rect().center()) - dialog.rect().center());
    dialog.setDVRChannels(static_cast<int>(m_dvrInfo.ch_num()));
    dialog.setVideoType(m_dvrInfo.vtype() ? config::VIDEO_TYPE_PAL : config::VIDEO_TYPE_NTSC);
    dialog.setModel(static_cast<int>(m_dvrInfo.model()));
    if (dialog.exec() != QDialog::Accepted)
        return;
    cancelRead();
    config::DvrConf_DvrInfo info;
    info.set_model(CModelInfoDialog::ModelOfChoice(dialog.getModelType(), dialog.getDVRChannels()));
    info.set_ch_num(dialog.getDVRChannels());
    info.set_vtype(dialog.getVideoType() ? config::VIDEO_TYPE_PAL : config::VIDEO_TYPE_NTSC);
    InitDvrInfo(info);
}

void CSetupWidget::OnUpgrade()
{
    if (!checkConnectedDVR())
        return;
    m_upgrade->setTarget(m_target);
    showOverlay(m_upgrade, m_etc);
}

void CSetupWidget::OnDateTime()
{
    if (!checkConnectedDVR())
        return;
    m_etc->setTarget(m_target);
    m_etc->SetCurrentTime();
    showOverlay(m_etc, m_upgrade);
}

void CSetupWidget::OnResetDVR()
{
    if (!checkConnectedDVR())
        return;
    m_etc->setTarget(m_target);
    m_etc->ResetDVR();
}

void CSetupWidget::showOverlay(QWidget* overlay, QWidget* other)
{
    m_ui->tabWidget->hide();
    other->hide();
    overlay->setGeometry(
        m_ui->tabWidget->x(), m_ui->tabWidget->y(), width() - OVERLAY_MARGIN, height() - OVERLAY_MARGIN);
    overlay->show();
}

void CSetupWidget::OnCloseUpgrade()
{
    m_upgrade->hide();
    m_ui->tabWidget->show();
}

void CSetupWidget::OnCloseDateTime()
{
    m_etc->hide();
    m_ui->tabWidget->show();
}

void CSetupWidget::resizeEvent(QResizeEvent* event)
{
    m_ui->tabWidget->resize(event->size().width() - OVERLAY_MARGIN, event->size().height() - OVERLAY_MARGIN);
    QWidget::resizeEvent(event);
}

void CSetupWidget::showEvent(QShowEvent* event)
{
    if (isVisible()) {
        m_ui->tabWidget->show();
        m_upgrade->hide();
        m_etc->hide();
    }
    QWidget::showEvent(event);
}

void CSetupWidget::languageChange()
{
    m_ui->retranslateUi(this);
}

void CSetupWidget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        languageChange();
    QWidget::changeEvent(event);
}
