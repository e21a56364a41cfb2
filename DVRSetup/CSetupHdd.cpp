#include "CSetupHdd.h"

#include "DVRSetup/CSetupControls.h"
#include "sys_conf/types/hdd.h"
#include "ui_CSetupHdd.h"

#include <QEvent>

namespace {

constexpr int FORCED_DELETION_ROWS = 100;
constexpr int WRITE_MODE_ROWS = 2;
constexpr int CHECK_INTERVAL_ROWS = 3;

} // namespace

CSetupHdd::CSetupHdd(QWidget* parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::CSetupHdd>())
{
    m_ui->setupUi(this);
    connect(m_ui->writeMode, &QComboBox::currentIndexChanged, this, &CSetupHdd::OnChangedWriteMode);
    connect(m_ui->forceDeletion, &QComboBox::currentIndexChanged, this, &CSetupHdd::OnChangedForceDeletion);
    connect(m_ui->smartGroup, &QButtonGroup::idClicked, this, &CSetupHdd::OnChangedSmart);
    connect(m_ui->smartCheckInterval, &QComboBox::currentIndexChanged, this, &CSetupHdd::OnChangedCheckInterval);
    InitControls();
    InitConf();
}

CSetupHdd::~CSetupHdd() = default;

void CSetupHdd::InitControls()
{
    CSetupControls::setItems(m_ui->writeMode, CSetupControls::rows(config::HddWriteMode_Index2String, WRITE_MODE_ROWS));
    CSetupControls::setItems(m_ui->forceDeletion,
        QStringList{QStringLiteral("Off")} + CSetupControls::numbered(QString(), FORCED_DELETION_ROWS - 1));
    CSetupControls::setItems(
        m_ui->smartCheckInterval, CSetupControls::rows(config::SmartCheckInterval_Index2String, CHECK_INTERVAL_ROWS));
    CSetupControls::setSwitchIds(m_ui->smartGroup, m_ui->smartOff, m_ui->smartOn);
}

void CSetupHdd::InitDvrInfo(const config::DvrConf_DvrInfo& info)
{
    m_dvrInfo = info;
    InitConf();
}

void CSetupHdd::InitConf()
{
    SetConf(config::Hdd());
}

void CSetupHdd::SetConf(const config::Hdd& hdd)
{
    m_hdd = hdd;
    CSetupControls::setRow(m_ui->writeMode, config::HddWriteMode_Type2Index(m_hdd.mode().write_mode()));
    // A count the page does not offer shows no row and stays as it came.
    const quint32 forcedDeletion = m_hdd.mode().forced_deletion();
    CSetupControls::setRow(
        m_ui->forceDeletion, forcedDeletion < FORCED_DELETION_ROWS ? static_cast<int>(forcedDeletion) : -1);
    CSetupControls::setSwitch(m_ui->smartGroup, m_hdd.smart().smart());
    OnChangedSmart(m_hdd.smart().smart() ? 1 : 0);
    CSetupControls::setRow(
        m_ui->smartCheckInterval, config::SmartCheckInterval_Type2Index(m_hdd.smart().check_interval()));
}

config::Hdd CSetupHdd::GetConf() const
{
    return m_hdd;
}

void CSetupHdd::OnChangedWriteMode(int row)
{
    if (row >= 0)
        m_hdd.mutable_mode()->set_write_mode(config::HddWriteMode_Index2Type(row));
}

void CSetupHdd::OnChangedForceDeletion(int row)
{
    if (row >= 0)
        m_hdd.mutable_mode()->set_forced_deletion(static_cast<quint32>(row));
}

void CSetupHdd::OnChangedSmart(int id)
{
    m_hdd.mutable_smart()->set_smart(id != 0);
    m_ui->smartCheckInterval->setEnabled(id != 0);
}

void CSetupHdd::OnChangedCheckInterval(int row)
{
    if (row >= 0)
        m_hdd.mutable_smart()->set_check_interval(config::SmartCheckInterval_Index2Type(row));
}

void CSetupHdd::languageChange()
{
    m_ui->retranslateUi(this);
}

void CSetupHdd::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        languageChange();
    QWidget::changeEvent(event);
}
