#include "CSetupSystem.h"

#include "DVRSetup/CSetupControls.h"
#include "DVRSetup/KValidator.h"
#include "dvr_types/DvrModelInfo.h"
#include "sys_conf/types/system.h"
#include "ui_CSetupSystem.h"

#include <QEvent>
#include <iterator>

namespace {

constexpr unsigned long NAME_LENGTH = 21;
constexpr int ID_MAX = 255;
constexpr int TIME_FORMAT_ROWS = 2;
constexpr int DATE_FORMAT_ROWS = 3;
constexpr int VGA_MODE_ROWS = 5;

const char* const TIME_ZONES[] = {"GMT", "America/Anchorage", "America/Chicago", "America/Dawson", "America/Denver",
    "America/Los_Angeles", "America/Mexico_City", "America/New_York", "America/Sao_Paulo", "America/Toronto",
    "America/Winnipeg", "Asia/Dubai", "Asia/Istanbul", "Asia/Seoul", "Asia/Tehran", "Asia/Tokyo", "Australia/Darwin",
    "Australia/Perth", "Australia/Sydney", "Europe/Amsterdam", "Europe/Athens", "Europe/Berlin", "Europe/Brussels",
    "Europe/Copenhagen", "Europe/Dublin", "Europe/Helsinki", "Europe/London", "Europe/Madrid", "Europe/Moscow",
    "Europe/Oslo", "Europe/Paris", "Europe/Prague", "Europe/Rome", "Europe/Stockholm", "Europe/Tallinn",
    "Europe/Vienna", "Europe/Warsaw", "Europe/Zurich", "Pacific/Auckland", "Pacific/Chatham", "Europe/Kaliningrad",
    "Europe/Samara", "Asia/Yekaterinburg", "Asia/Omsk", "Asia/Krasnoyarsk", "Asia/Irkutsk", "Asia/Yakutsk",
    "Asia/Vladivostok", "Asia/Magadan", "Asia/Kamchatka"};

bool hasSensors(unsigned model)
{
    // A model the program does not know is not treated as any model.
    const int id = static_cast<int>(qMin<unsigned>(model, INT_MAX));
    return DvrModel::IsValid(id) && DvrModelInfo(DvrModel(id)).sensors != 0;
}

} // namespace

QString Capitalize(const QString& text)
{
    QString capitalized = text.toLower();
    if (!capitalized.isEmpty())
        capitalized[0] = capitalized[0].toUpper();
    return capitalized;
}

CSetupSystem::CSetupSystem(QWidget* parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::CSetupSystem>())
{
    m_ui->setupUi(this);
    connect(m_ui->systemName, &QLineEdit::textChanged, this, &CSetupSystem::OnChangedName);
    connect(m_ui->systemID, &QSpinBox::valueChanged, this, &CSetupSystem::OnChangedID);
    connect(m_ui->timeFormat, &QComboBox::currentIndexChanged, this, &CSetupSystem::OnChangedTimeFormat);
    connect(m_ui->dateFormat, &QComboBox::currentIndexChanged, this, &CSetupSystem::OnChangedDateFormat);
    connect(m_ui->timezone, &QComboBox::currentIndexChanged, this, &CSetupSystem::OnChangedTimezone);
    connect(m_ui->ntpGroup, &QButtonGroup::idClicked, this, &CSetupSystem::OnChangedNtp);
    connect(m_ui->ntpAddress, &QLineEdit::textChanged, this, &CSetupSystem::OnChangedNtpAddress);
    connect(m_ui->language, &QComboBox::currentIndexChanged, this, &CSetupSystem::OnChangedLangauge);
    connect(m_ui->sensorGroup, &QButtonGroup::idClicked, this, &CSetupSystem::OnChangedSensor);
    connect(m_ui->motionGroup, &QButtonGroup::idClicked, this, &CSetupSystem::OnChangedMotion);
    connect(m_ui->videolossGroup, &QButtonGroup::idClicked, this, &CSetupSystem::OnChangedVideoLoss);
    connect(m_ui->recFailGroup, &QButtonGroup::idClicked, this, &CSetupSystem::OnChangedRecordFail);
    connect(m_ui->recWarnGroup, &QButtonGroup::idClicked, this, &CSetupSystem::OnChangedRecordWarning);
    connect(m_ui->camNameGroup, &QButtonGroup::idClicked, this, &CSetupSystem::OnChangedCameraName);
    connect(m_ui->recordIconGroup, &QButtonGroup::idClicked, this, &CSetupSystem::OnChangedRecordIcon);
    connect(m_ui->motionIconGroup, &QButtonGroup::idClicked, this, &CSetupSystem::OnChangedMotionIcon);
    connect(m_ui->sensorIconGroup, &QButtonGroup::idClicked, this, &CSetupSystem::OnChangedSensorIcon);
    connect(m_ui->taskbarGroup, &QButtonGroup::idClicked, this, &CSetupSystem::OnChangedTaskBar);
    connect(m_ui->vgaMode, &QComboBox::currentIndexChanged, this, &CSetupSystem::OnChangedVgaMode);
    m_ui->systemName->setValidator(KValidator::All(this, NAME_LENGTH));
    InitControls();
    InitDvrInfo(config::DvrConf_DvrInfo());
}

CSetupSystem::~CSetupSystem() = default;

void CSetupSystem::InitControls()
{
    m_ui->systemID->setRange(0, ID_MAX);
    CSetupControls::setItems(m_ui->timeFormat, CSetupControls::rows(config::TimeFormat_Index2String, TIME_FORMAT_ROWS));
    CSetupControls::setItems(m_ui->dateFormat, CSetupControls::rows(config::DateFormat_Index2String, DATE_FORMAT_ROWS));
    CSetupControls::setItems(m_ui->timezone,
        CSetupControls::rows([](int row) { return TIME_ZONES[row]; }, static_cast<int>(std::size(TIME_ZONES))));
    CSetupControls::setItems(m_ui->vgaMode, CSetupControls::rows(config::VgaMode_Index2String, VGA_MODE_ROWS));
    const std::pair<QButtonGroup*, std::pair<QAbstractButton*, QAbstractButton*>> switches[] = {
        {m_ui->ntpGroup, {m_ui->ntpOff, m_ui->ntpOn}},
        {m_ui->sensorGroup, {m_ui->sensorOff, m_ui->sensorOn}},
        {m_ui->motionGroup, {m_ui->motionOff, m_ui->motionOn}},
        {m_ui->videolossGroup, {m_ui->videolossOff, m_ui->videolossOn}},
        {m_ui->recFailGroup, {m_ui->recFailOff, m_ui->recFailOn}},
        {m_ui->recWarnGroup, {m_ui->recWarnOff, m_ui->recWarnOn}},
        {m_ui->camNameGroup, {m_ui->camNameOff, m_ui->camNameOn}},
        {m_ui->recordIconGroup, {m_ui->recIconOff, m_ui->recIconOn}},
        {m_ui->motionIconGroup, {m_ui->motionIconOff, m_ui->motionIconOn}},
        {m_ui->sensorIconGroup, {m_ui->sensorIconOff, m_ui->sensorIconOn}},
        {m_ui->taskbarGroup, {m_ui->taskbarOff, m_ui->taskbarOn}},
    };
    for (const auto& [group, buttons] : switches)
        CSetupControls::setSwitchIds(group, buttons.first, buttons.second);
    UpdateControls();
}

void CSetupSystem::UpdateControls()
{
    {
        const QSignalBlocker blocker(m_ui->language);
        m_ui->language->clear();
        for (const std::string& language : m_dvrInfo.languages())
            m_ui->language->addItem(Capitalize(QString::fromStdString(language)));
    }
    const bool sensors = hasSensors(m_dvrInfo.model());
    for (QWidget* row : {static_cast<QWidget*>(m_ui->sensorLabel), static_cast<QWidget*>(m_ui->sensorOff),
             static_cast<QWidget*>(m_ui->sensorOn), static_cast<QWidget*>(m_ui->sensorIconLabel),
             static_cast<QWidget*>(m_ui->sensorIconOff), static_cast<QWidget*>(m_ui->sensorIconOn)})
        row->setVisible(sensors);
}

void CSetupSystem::InitDvrInfo(const config::DvrConf_DvrInfo& info)
{
    m_dvrInfo = info;
    UpdateControls();
    InitConf();
}

void CSetupSystem::InitConf()
{
    SetConf(config::System());
}

void CSetupSystem::MakeConfValid()
{
    if (m_system.name_id().dvr_id() > ID_MAX)
        m_system.mutable_name_id()->set_dvr_id(0);
}

void CSetupSystem::SetConf(const config::System& system)
{
    m_system = system;
    MakeConfValid();
    const config::System_NameId& nameId = m_system.name_id();
    CSetupControls::setText(m_ui->systemName, CSetupControls::fromNarrow(nameId.dvr_name()));
    CSetupControls::setValue(m_ui->systemID, static_cast<int>(nameId.dvr_id()));
    const config::System_TimeDate& timeDate = m_system.time_date();
    CSetupControls::setRow(m_ui->timeFormat, timeDate.time_format());
    CSetupControls::setRow(m_ui->dateFormat, timeDate.date_format());
    CSetupControls::setRow(m_ui->timezone,
        m_ui->timezone->findText(
            CSetupControls::fromNarrow(timeDate.time_zone()), Qt::MatchExactly | Qt::MatchCaseSensitive));
    CSetupControls::setSwitch(m_ui->ntpGroup, timeDate.using_ntp());
    CSetupControls::setText(m_ui->ntpAddress, CSetupControls::fromNarrow(timeDate.ntp_server()));
    m_ui->ntpAddress->setEnabled(timeDate.using_ntp());
    const int language
        = m_ui->language->findText(CSetupControls::fromNarrow(m_system.language()), Qt::MatchFixedString);
    CSetupControls::setRow(m_ui->language, qMax(language, 0));
    const config::System_Buzzer& buzzer = m_system.buzzer();
    CSetupControls::setSwitch(m_ui->sensorGroup, buzzer.sensor());
    CSetupControls::setSwitch(m_ui->motionGroup, buzzer.motion());
    CSetupControls::setSwitch(m_ui->videolossGroup, buzzer.video_loss());
    CSetupControls::setSwitch(m_ui->recFailGroup, buzzer.record_fail());
    CSetupControls::setSwitch(m_ui->recWarnGroup, buzzer.record_warning());
    const config::System_Display& display = m_system.display();
    CSetupControls::setSwitch(m_ui->camNameGroup, display.camera_name());
    CSetupControls::setSwitch(m_ui->recordIconGroup, display.rec_icon());
    CSetupControls::setSwitch(m_ui->motionIconGroup, display.motion_icon());
    CSetupControls::setSwitch(m_ui->sensorIconGroup, display.sensor_icon());
    CSetupControls::setSwitch(m_ui->taskbarGroup, display.task_bar());
    CSetupControls::setRow(m_ui->vgaMode, config::VgaMode_Type2Index(display.vga_mode()));
}

config::System CSetupSystem::GetConf() const
{
    return m_system;
}

void CSetupSystem::OnChangedName(const QString& text)
{
    m_system.mutable_name_id()->set_dvr_name(CSetupControls::toNarrow(text));
}

void CSetupSystem::OnChangedID(int id)
{
    m_system.mutable_name_id()->set_dvr_id(static_cast<quint32>(id));
}

void CSetupSystem::OnChangedTimeFormat(int position)
{
    if (position >= 0)
        m_system.mutable_time_date()->set_time_format(config::TimeFormat_Index2Type(position));
}

void CSetupSystem::OnChangedDateFormat(int position)
{
    if (position >= 0)
        m_system.mutable_time_date()->set_date_format(config::DateFormat_Index2Type(position));
}

void CSetupSystem::OnChangedTimezone(int position)
{
    if (position >= 0)
        m_system.mutable_time_date()->set_time_zone(CSetupControls::toNarrow(m_ui->timezone->itemText(position)));
}

void CSetupSystem::OnChangedNtp(int)
{
    const bool on = CSetupControls::isOn(m_ui->ntpGroup);
    m_system.mutable_time_date()->set_using_ntp(on);
    m_ui->ntpAddress->setEnabled(on);
}

void CSetupSystem::OnChangedNtpAddress(const QString& text)
{
    m_system.mutable_time_date()->set_ntp_server(CSetupControls::toNarrow(text));
}

void CSetupSystem::OnChangedLangauge(int position)
{
    if (position >= 0)
        m_system.set_language(CSetupControls::toNarrow(m_ui->language->itemText(position).toLower()));
}

void CSetupSystem::OnChangedSensor(int)
{
    m_system.mutable_buzzer()->set_sensor(CSetupControls::isOn(m_ui->sensorGroup));
}

void CSetupSystem::OnChangedMotion(int)
{
    m_system.mutable_buzzer()->set_motion(CSetupControls::isOn(m_ui->motionGroup));
}

void CSetupSystem::OnChangedVideoLoss(int)
{
    m_system.mutable_buzzer()->set_video_loss(CSetupControls::isOn(m_ui->videolossGroup));
}

void CSetupSystem::OnChangedRecordFail(int)
{
    m_system.mutable_buzzer()->set_record_fail(CSetupControls::isOn(m_ui->recFailGroup));
}

void CSetupSystem::OnChangedRecordWarning(int)
{
    m_system.mutable_buzzer()->set_record_warning(CSetupControls::isOn(m_ui->recWarnGroup));
}

void CSetupSystem::OnChangedCameraName(int)
{
    m_system.mutable_display()->set_camera_name(CSetupControls::isOn(m_ui->camNameGroup));
}

void CSetupSystem::OnChangedRecordIcon(int)
{
    m_system.mutable_display()->set_rec_icon(CSetupControls::isOn(m_ui->recordIconGroup));
}

void CSetupSystem::OnChangedMotionIcon(int)
{
    m_system.mutable_display()->set_motion_icon(CSetupControls::isOn(m_ui->motionIconGroup));
}

void CSetupSystem::OnChangedSensorIcon(int)
{
    m_system.mutable_display()->set_sensor_icon(CSetupControls::isOn(m_ui->sensorIconGroup));
}

void CSetupSystem::OnChangedTaskBar(int)
{
    m_system.mutable_display()->set_task_bar(CSetupControls::isOn(m_ui->taskbarGroup));
}

void CSetupSystem::OnChangedVgaMode(int position)
{
    if (position >= 0)
        m_system.mutable_display()->set_vga_mode(config::VgaMode_Index2Type(position));
}

void CSetupSystem::languageChange()
{
    m_ui->retranslateUi(this);
}

void CSetupSystem::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        languageChange();
    QWidget::changeEvent(event);
}
