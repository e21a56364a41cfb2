#include "CSetupEvent.h"

#include "DVRSetup/CModelInfoDialog.h"
#include "DVRSetup/CMotionZoneDialog.h"
#include "DVRSetup/CSetupControls.h"
#include "DVRSetup/KValidator.h"
#include "dvr_types/DvrModelInfo.h"
#include "sys_conf/types/event.h"
#include "ui_CSetupEvent.h"

#include <QEvent>
#include <QRegularExpressionValidator>
#include <algorithm>

namespace {

constexpr int SENSITIVITY_MAX = 15;
constexpr int RECEIVERS = 4;
constexpr unsigned long ADDRESS_LENGTH = 32;
constexpr unsigned long SMTP_LENGTH = 30;
constexpr int PORT_MAX = 65535;
constexpr int LAST_HOUR = 23;
constexpr int MODEL_TYPE_HD_SDI = 0;
constexpr int RELAY_GROUP_Y = 410;
const char* const SENDER = "senderAddress";
const char* const RECEIVER = "rAddress";

// A stored number shown on a control of smaller range.
int shown(google::protobuf::uint32 value, int most)
{
    return static_cast<int>(std::min<google::protobuf::uint32>(value, static_cast<google::protobuf::uint32>(most)));
}

} // namespace

using Controls = CSetupControls;

CSetupEvent::CSetupEvent(QWidget* parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::CSetupEvent>())
{
    m_ui->setupUi(this);
    m_ui->AuthenPassword->setEchoMode(QLineEdit::Password);
    for (QLineEdit* edit : {m_ui->senderAddress, m_ui->rAddress1, m_ui->rAddress2, m_ui->rAddress3, m_ui->rAddress4})
        edit->setValidator(KValidator::All(edit, ADDRESS_LENGTH));
    for (QLineEdit* edit : {m_ui->smtpAddress, m_ui->AuthenID, m_ui->AuthenPassword})
        edit->setValidator(KValidator::All(edit, SMTP_LENGTH));
    connectControls();
    InitControls();
    InitDvrInfo(config::DvrConf_DvrInfo());
}

CSetupEvent::~CSetupEvent() = default;

void CSetupEvent::connectControls()
{
    const auto combo = &QComboBox::currentIndexChanged;
    const auto group = &QButtonGroup::idClicked;
    const auto text = &QLineEdit::textChanged;
    const auto spin = &QSpinBox::valueChanged;
    Ui::CSetupEvent& ui = *m_ui;
    connect(ui.motionCh, combo, this, &CSetupEvent::OnChangedMotion);
    connect(ui.sensitivity, &QSlider::valueChanged, this, &CSetupEvent::OnChangedSensitivity);
    connect(ui.MotionPopupGroup, group, this, &CSetupEvent::OnChangedMotionPopup);
    connect(ui.motionPopdown, combo, this, &CSetupEvent::OnChangedMotionPopdown);
    connect(ui.detectZone, &QPushButton::clicked, this, &CSetupEvent::OnDetectZone);
    connect(ui.sensorCh, combo, this, &CSetupEvent::OnChangedSensor);
    connect(ui.sensorType, combo, this, &CSetupEvent::OnChangedSensorType);
    connect(ui.sensorLink, combo, this, &CSetupEvent::OnChangedSensorLink);
    connect(ui.SensorPopupGroup, group, this, &CSetupEvent::OnChangedSensorPopup);
    connect(ui.sensorPopdown, combo, this, &CSetupEvent::OnChangedSensorPopdown);
    connect(ui.relaySensor, combo, this, &CSetupEvent::OnChangedRelaySensor);
    connect(ui.RelaySensorGroup, group, this, &CSetupEvent::OnChangedRelaySensorOutput);
    connect(ui.relayMotion, combo, this, &CSetupEvent::OnChangedRelayMotion);
    connect(ui.RelayMotionGroup, group, this, &CSetupEvent::OnChangedRelayMotionOutput);
    connect(ui.RecordFailGroup, group, this, &CSetupEvent::OnChangedRecFail);
    connect(ui.RecordWarnGroup, group, this, &CSetupEvent::OnChangedRecWarn);
    connect(ui.relayTime, combo, this, &CSetupEvent::OnChangedRelayTime);
    connect(ui.postAlarmRecord, combo, this, &CSetupEvent::OnChangedPostAlarmRecord);

    for (QLineEdit* edit : {ui.senderAddress, ui.rAddress1, ui.rAddress2, ui.rAddress3, ui.rAddress4})
        connect(edit, text, this, &CSetupEvent::OnChangedAddress);
    connect(ui.smtpAddress, text, this, &CSetupEvent::OnChangedSmtpAddress);
    connect(ui.smtpPort, spin, this, &CSetupEvent::OnChangedSmtpPort);
    connect(ui.AuthenGroup, group, this, &CSetupEvent::OnChangedAuthen);
    connect(ui.AuthenID, text, this, &CSetupEvent::OnChangedAuthenID);
    connect(ui.AuthenPassword, text, this, &CSetupEvent::OnChangedAuthenPassword);
    connect(ui.sslGroup, group, this, &CSetupEvent::OnChangedSsl);
    connect(ui.mimeGroup, group, this, &CSetupEvent::OnChangedMime);
    connect(ui.emailPeriod, combo, this, &CSetupEvent::OnChangedEmailPeriod);
    connect(ui.prohibitionGroup, group, this, &CSetupEvent::OnChangedProhibition);
    connect(ui.startHour, spin, this, &CSetupEvent::OnChangedStart);
    connect(ui.endHour, spin, this, &CSetupEvent::OnChangedEnd);
    connect(ui.motionContentsGroup, group, this, &CSetupEvent::OnChangedMotionContent);
    connect(ui.sensorContentsGroup, group, this, &CSetupEvent::OnChangedSensorContent);
    connect(ui.videoLossContentsGroup, group, this, &CSetupEvent::OnChangedVLossContent);
    connect(ui.recordContentsGroup, group, this, &CSetupEvent::OnChangedRecordContent);
    connect(ui.systemContentsGroup, group, this, &CSetupEvent::OnChangedSystemContent);
}

QList<QButtonGroup*> CSetupEvent::buttonGroups() const
{
    const Ui::CSetupEvent& ui = *m_ui;
    return {ui.MotionPopupGroup, ui.SensorPopupGroup, ui.RelaySensorGroup, ui.RelayMotionGroup, ui.RecordFailGroup,
        ui.RecordWarnGroup, ui.AuthenGroup, ui.sslGroup, ui.mimeGroup, ui.prohibitionGroup, ui.motionContentsGroup,
        ui.sensorContentsGroup, ui.videoLossContentsGroup, ui.recordContentsGroup, ui.systemContentsGroup};
}

void CSetupEvent::InitControls()
{
    Controls::setItems(
        m_ui->sensorType, Controls::rows(config::SensorType_Index2String, config::Event_Sensor::Type_ARRAYSIZE));
    Controls::setItems(
        m_ui->relayTime, Controls::rows(config::RelayKeepTime_Index2String, config::Event_Relay::KeepTime_ARRAYSIZE));
    Controls::setItems(
        m_ui->emailPeriod, Controls::rows(config::SendPeriod_Index2String, config::Event_Email::SendPeriod_ARRAYSIZE));
    Controls::setItems(m_ui->postAlarmRecord,
        Controls::rows(config::PostAlarmRecordTime_Index2String, config::Event_PostRecord::Time_ARRAYSIZE));
    const QStringList popDown = Controls::rows(config::PopDownType_Index2String, config::Event::PopDownType_ARRAYSIZE);
    Controls::setItems(m_ui->motionPopdown, popDown);
    Controls::setItems(m_ui->sensorPopdown, popDown);
    {
        const QSignalBlocker blocker(m_ui->sensitivity);
        m_ui->sensitivity->setRange(0, SENSITIVITY_MAX);
    }
    for (const auto& [spin, most] : {std::pair{m_ui->smtpPort, PORT_MAX}, std::pair{m_ui->startHour, LAST_HOUR},
             std::pair{m_ui->endHour, LAST_HOUR}}) {
        const QSignalBlocker blocker(spin);
        spin->setRange(0, most);
    }
    for (QButtonGroup* group : buttonGroups())
        Controls::setSwitchIds(group);
    UpdateControls();
}

void CSetupEvent::InitDvrInfo(const config::DvrConf_DvrInfo& info)
{
    m_dvrInfo = info;
    UpdateControls();
    InitConf();
}

void CSetupEvent::InitConf()
{
    SetConf(config::Event());
}

void CSetupEvent::setTargetDVR(const DVR& dvr)
{
    m_dvr = dvr;
}

int CSetupEvent::channels() const
{
    return static_cast<int>(m_dvrInfo.ch_num());
}

int CSetupEvent::sensors() const
{
    return static_cast<int>(DvrModelInfo(DvrModel(static_cast<int>(m_dvrInfo.model()))).sensors);
}

int CSetupEvent::getMotionZoneCols() const
{
    return CModelInfoDialog::ModelIndex2Type(static_cast<int>(m_dvrInfo.model())) == MODEL_TYPE_HD_SDI ? 22 : 16;
}

int CSetupEvent::getMotionZoneRows() const
{
    if (CModelInfoDialog::ModelIndex2Type(static_cast<int>(m_dvrInfo.model())) != MODEL_TYPE_HD_SDI)
        return 12;
    return m_dvrInfo.vtype() == 0 ? 15 : 18;
}

int CSetupEvent::zoneCells() const
{
    return getMotionZoneRows() * getMotionZoneCols();
}

void CSetupEvent::UpdateControls()
{
    const QStringList channelTexts = Controls::numbered(QStringLiteral("Ch "), channels());
    Controls::setItems(m_ui->motionCh, channelTexts + QStringList{QStringLiteral("ALL")});
    Controls::setItems(m_ui->sensorLink, channelTexts);
    Controls::setItems(m_ui->relayMotion, channelTexts);
    const QStringList sensorTexts = Controls::numbered(QStringLiteral("Sensor "), sensors());
    Controls::setItems(m_ui->sensorCh, sensorTexts);
    Controls::setItems(m_ui->relaySensor, sensorTexts);

    const bool withSensors = sensors() > 0;
    m_ui->relayFrame->setVisible(DvrModelInfo(DvrModel(static_cast<int>(m_dvrInfo.model()))).alarm);
    m_ui->sensorFrame->setVisible(withSensors);
    m_ui->relayFrame->move(withSensors ? QPoint(0, RELAY_GROUP_Y) : m_ui->sensorFrame->pos());
    for (QWidget* control : {static_cast<QWidget*>(m_ui->relaySensorLabel), static_cast<QWidget*>(m_ui->relaySensor),
             static_cast<QWidget*>(m_ui->relaySensorOutputLabel), static_cast<QWidget*>(m_ui->relaySensorOff),
             static_cast<QWidget*>(m_ui->relaySensorOn), static_cast<QWidget*>(m_ui->sensorLabel),
             static_cast<QWidget*>(m_ui->sensorNo), static_cast<QWidget*>(m_ui->sensorYes)})
        control->setVisible(withSensors);
}

void CSetupEvent::MakeConfValid()
{
    const int cells = zoneCells();
    if (m_event.motion_conf().motion_size() != channels()) {
        auto& motions = *m_event.mutable_motion_conf()->mutable_motion();
        motions.Clear();
        for (int ch = 0; ch < channels(); ++ch)
            motions.Add();
    }
    // Every entry holds at least the grid's cells; cells a short zone lacks
    // do not detect.
    for (config::Event_Motion& motion : *m_event.mutable_motion_conf()->mutable_motion()) {
        while (motion.zone_size() < cells)
            motion.add_zone(false);
    }
    const int inputs = sensors();
    if (m_event.sensor_conf().sensor_size() != inputs) {
        auto& entries = *m_event.mutable_sensor_conf()->mutable_sensor();
        entries.Clear();
        for (int input = 0; input < inputs; ++input)
            entries.Add()->set_link_ch(static_cast<google::protobuf::uint32>(input));
    }
    const auto resize = [](google::protobuf::RepeatedField<bool>& list, int count) {
        if (list.size() == count)
            return;
        list.Clear();
        for (int i = 0; i < count; ++i)
            list.Add(false);
    };
    resize(*m_event.mutable_relay()->mutable_motion(), channels());
    resize(*m_event.mutable_relay()->mutable_sensor(), inputs);
    if (m_event.email().address().receiver_size() != RECEIVERS) {
        auto& receivers = *m_event.mutable_email()->mutable_address()->mutable_receiver();
        receivers.Clear();
        for (int i = 0; i < RECEIVERS; ++i)
            receivers.Add();
    }
}

void CSetupEvent::SetConf(const config::Event& event)
{
    m_event = event;
    MakeConfValid();
    m_allEdit.reset();
    ++m_loads;
    m_all = m_event.motion_conf().motion_size() > 0 ? m_event.motion_conf().motion(0) : config::Event_Motion();
    m_all.clear_zone();
    const int allCells = std::max(
        zoneCells(), m_event.motion_conf().motion_size() > 0 ? m_event.motion_conf().motion(0).zone_size() : 0);
    for (int cell = 0; cell < allCells; ++cell)
        m_all.add_zone(true);

    Controls::setRow(m_ui->motionCh, 0);
    m_zone = QByteArray(zoneCells(), 0);
    showMotion(0);
    Controls::setRow(m_ui->sensorCh, 0);
    showSensor(0);
    Controls::setRow(m_ui->relaySensor, 0);
    showRelaySensor(0);
    Controls::setRow(m_ui->relayMotion, 0);
    showRelayMotion(0);
    const config::Event_Relay& relay = m_event.relay();
    Controls::setSwitch(m_ui->RecordFailGroup, relay.record_fail());
    Controls::setSwitch(m_ui->RecordWarnGroup, relay.record_warning());
    Controls::setRow(m_ui->relayTime, config::RelayKeepTime_Type2Index(relay.keep_time()));
    loadEmail();
    Controls::setRow(m_ui->postAlarmRecord, config::PostAlarmRecordTime_Type2Index(m_event.post_record().time()));
}

void CSetupEvent::loadEmail()
{
    const config::Event_Email& email = m_event.email();
    const config::Event_Email_Address& address = email.address();
    QLineEdit* const receivers[] = {m_ui->rAddress1, m_ui->rAddress2, m_ui->rAddress3, m_ui->rAddress4};
    for (int i = 0; i < RECEIVERS; ++i)
        Controls::setText(receivers[i], Controls::fromNarrow(address.receiver(i)));
    Controls::setText(m_ui->senderAddress, Controls::fromNarrow(address.sender()));
    const config::Event_Email_SMTP& smtp = email.smtp();
    Controls::setText(m_ui->smtpAddress, Controls::fromNarrow(smtp.address()));
    Controls::setValue(m_ui->smtpPort, shown(smtp.port(), PORT_MAX));
    Controls::setSwitch(m_ui->AuthenGroup, smtp.authentication());
    Controls::setText(m_ui->AuthenID, Controls::fromNarrow(smtp.auth_id()));
    Controls::setText(m_ui->AuthenPassword, Controls::fromNarrow(smtp.auth_password()));
    Controls::setSwitch(m_ui->sslGroup, smtp.use_ssl());
    Controls::setSwitch(m_ui->mimeGroup, smtp.use_mime());
    const config::Event_Email_SendCond& condition = email.send_cond();
    Controls::setRow(m_ui->emailPeriod, config::SendPeriod_Type2Index(condition.period()));
    Controls::setSwitch(m_ui->prohibitionGroup, condition.prohibition());
    Controls::setValue(m_ui->startHour, shown(condition.prohibition_start(), LAST_HOUR));
    Controls::setValue(m_ui->endHour, shown(condition.prohibition_end(), LAST_HOUR));
    const config::Event_Email_SendContent& content = email.send_content();
    Controls::setSwitch(m_ui->motionContentsGroup, content.motion());
    Controls::setSwitch(m_ui->sensorContentsGroup, content.sensor());
    Controls::setSwitch(m_ui->videoLossContentsGroup, content.video_loss());
    Controls::setSwitch(m_ui->recordContentsGroup, content.rec_status());
    Controls::setSwitch(m_ui->systemContentsGroup, content.sys_access());
}

config::Event CSetupEvent::GetConf()
{
    if (m_allEdit.spreads(allShown())) {
        for (config::Event_Motion& motion : *m_event.mutable_motion_conf()->mutable_motion())
            motion = m_all;
    }
    return m_event;
}

bool CSetupEvent::allShown() const
{
    return m_ui->motionCh->currentIndex() == channels();
}

config::Event_Motion* CSetupEvent::motionAt(int index)
{
    if (index < 0)
        return nullptr;
    if (index >= channels())
        return &m_all;
    return index < m_event.motion_conf().motion_size() ? m_event.mutable_motion_conf()->mutable_motion(index) : nullptr;
}

config::Event_Motion* CSetupEvent::shownMotion()
{
    return motionAt(m_ui->motionCh->currentIndex());
}

config::Event_Sensor* CSetupEvent::shownSensor()
{
    const int index = m_ui->sensorCh->currentIndex();
    if (index < 0 || index >= m_event.sensor_conf().sensor_size())
        return nullptr;
    return m_event.mutable_sensor_conf()->mutable_sensor(index);
}

void CSetupEvent::showMotion(int index)
{
    if (index < 0)
        return;
    if (const config::Event_Motion* entry = motionAt(index)) {
        Controls::setValue(m_ui->sensitivity, shown(entry->sensitivity(), SENSITIVITY_MAX));
        for (int cell = 0; cell < m_zone.size(); ++cell)
            m_zone[cell] = cell < entry->zone_size() && entry->zone(cell) ? 1 : 0;
        Controls::setSwitch(m_ui->MotionPopupGroup, entry->pop_up());
    }
    Controls::setRow(m_ui->motionPopdown, config::PopDownType_Type2Index(m_event.motion_conf().pop_down()));
}

void CSetupEvent::showSensor(int index)
{
    if (index < 0 || index >= m_event.sensor_conf().sensor_size())
        return;
    const config::Event_Sensor& sensor = m_event.sensor_conf().sensor(index);
    Controls::setRow(m_ui->sensorType, config::SensorType_Type2Index(sensor.type()));
    // A link beyond this DVR's channels shows no channel.
    const bool linked = sensor.link_ch() < static_cast<google::protobuf::uint32>(channels());
    Controls::setRow(m_ui->sensorLink, linked ? static_cast<int>(sensor.link_ch()) : -1);
    Controls::setSwitch(m_ui->SensorPopupGroup, sensor.pop_up());
    Controls::setRow(m_ui->sensorPopdown, config::PopDownType_Type2Index(m_event.sensor_conf().pop_down()));
}

void CSetupEvent::showRelaySensor(int index)
{
    if (index >= 0 && index < m_event.relay().sensor_size())
        Controls::setSwitch(m_ui->RelaySensorGroup, m_event.relay().sensor(index));
}

void CSetupEvent::showRelayMotion(int index)
{
    if (index >= 0 && index < m_event.relay().motion_size())
        Controls::setSwitch(m_ui->RelayMotionGroup, m_event.relay().motion(index));
}

void CSetupEvent::OnChangedMotion(int index)
{
    m_allEdit.reset();
    showMotion(index);
}

void CSetupEvent::OnChangedSensitivity(int value)
{
    config::Event_Motion* motion = shownMotion();
    if (!motion)
        return;
    motion->set_sensitivity(static_cast<google::protobuf::uint32>(value));
    m_allEdit.noteEdit(allShown());
}

void CSetupEvent::OnChangedMotionPopup(int id)
{
    config::Event_Motion* motion = shownMotion();
    if (!motion)
        return;
    const bool changed = motion->pop_up() != (id != 0);
    motion->set_pop_up(id != 0);
    if (changed)
        m_allEdit.noteEdit(allShown());
}

void CSetupEvent::OnChangedMotionPopdown(int index)
{
    if (index >= 0)
        m_event.mutable_motion_conf()->set_pop_down(config::PopDownType_Index2Type(index));
}

void CSetupEvent::OnDetectZone()
{
    const int index = m_ui->motionCh->currentIndex();
    if (!shownMotion())
        return;
    CMotionZoneDialog dialog;
    dialog.setMotionZone(getMotionZoneRows(), getMotionZoneCols(), m_zone);
    const QWidget* page = window();
    dialog.move(page->mapToGlobal(page->rect().center()) - dialog.rect().center());
    m_dvr.set_bitch(index >= channels() ? 1u : 1u << index);
    dialog.connect(m_dvr);
    const quint64 load = m_loads;
    if (dialog.exec() != QDialog::Accepted)
        return;
    // A read or a file that replaced the part while the editor was open
    // wins: the zone belonged to the part it replaced.
    config::Event_Motion* motion = shownMotion();
    const QByteArray zone = dialog.getMotionZone();
    if (load != m_loads || !motion || zone == m_zone)
        return;
    m_zone = zone;
    const int cells = std::min<int>(motion->zone_size(), static_cast<int>(m_zone.size()));
    for (int cell = 0; cell < cells; ++cell)
        motion->set_zone(cell, m_zone.at(cell) != 0);
    m_allEdit.noteEdit(allShown());
}

void CSetupEvent::OnChangedSensor(int index)
{
    showSensor(index);
}

void CSetupEvent::OnChangedSensorType(int index)
{
    if (config::Event_Sensor* sensor = shownSensor(); sensor && index >= 0)
        sensor->set_type(config::SensorType_Index2Type(index));
}

void CSetupEvent::OnChangedSensorLink(int index)
{
    if (config::Event_Sensor* sensor = shownSensor(); sensor && index >= 0)
        sensor->set_link_ch(static_cast<google::protobuf::uint32>(index));
}

void CSetupEvent::OnChangedSensorPopup(int id)
{
    if (config::Event_Sensor* sensor = shownSensor())
        sensor->set_pop_up(id != 0);
}

void CSetupEvent::OnChangedSensorPopdown(int index)
{
    if (index >= 0)
        m_event.mutable_sensor_conf()->set_pop_down(config::PopDownType_Index2Type(index));
}

void CSetupEvent::OnChangedRelaySensor(int index)
{
    showRelaySensor(index);
}

void CSetupEvent::OnChangedRelaySensorOutput(int id)
{
    const int index = m_ui->relaySensor->currentIndex();
    if (index >= 0 && index < m_event.relay().sensor_size())
        m_event.mutable_relay()->set_sensor(index, id != 0);
}

void CSetupEvent::OnChangedRelayMotion(int index)
{
    showRelayMotion(index);
}

void CSetupEvent::OnChangedRelayMotionOutput(int id)
{
    const int index = m_ui->relayMotion->currentIndex();
    if (index >= 0 && index < m_event.relay().motion_size())
        m_event.mutable_relay()->set_motion(index, id != 0);
}

void CSetupEvent::OnChangedRecFail(int id)
{
    m_event.mutable_relay()->set_record_fail(id != 0);
}

void CSetupEvent::OnChangedRecWarn(int id)
{
    m_event.mutable_relay()->set_record_warning(id != 0);
}

void CSetupEvent::OnChangedRelayTime(int index)
{
    if (index >= 0)
        m_event.mutable_relay()->set_keep_time(config::RelayKeepTime_Index2Type(index));
}

void CSetupEvent::OnChangedPostAlarmRecord(int index)
{
    if (index >= 0)
        m_event.mutable_post_record()->set_time(config::PostAlarmRecordTime_Index2Type(index));
}

void CSetupEvent::OnChangedAddress(const QString& text)
{
    const QString name = sender() ? sender()->objectName() : QString();
    config::Event_Email_Address& address = *m_event.mutable_email()->mutable_address();
    if (name == QLatin1String(SENDER)) {
        address.set_sender(Controls::toNarrow(text));
        return;
    }
    if (!name.startsWith(QLatin1String(RECEIVER)))
        return;
    bool number = false;
    const int n = name.mid(int(qstrlen(RECEIVER))).toInt(&number);
    if (number && n >= 1 && n <= address.receiver_size())
        address.set_receiver(n - 1, Controls::toNarrow(text));
}

void CSetupEvent::OnChangedSmtpAddress(const QString& text)
{
    m_event.mutable_email()->mutable_smtp()->set_address(Controls::toNarrow(text));
}

void CSetupEvent::OnChangedSmtpPort(int value)
{
    m_event.mutable_email()->mutable_smtp()->set_port(static_cast<google::protobuf::uint32>(value));
}

void CSetupEvent::OnChangedAuthen(int id)
{
    m_event.mutable_email()->mutable_smtp()->set_authentication(id != 0);
}

void CSetupEvent::OnChangedAuthenID(const QString& text)
{
    m_event.mutable_email()->mutable_smtp()->set_auth_id(Controls::toNarrow(text));
}

void CSetupEvent::OnChangedAuthenPassword(const QString& text)
{
    m_event.mutable_email()->mutable_smtp()->set_auth_password(Controls::toNarrow(text));
}

void CSetupEvent::OnChangedSsl(int id)
{
    m_event.mutable_email()->mutable_smtp()->set_use_ssl(id != 0);
}

void CSetupEvent::OnChangedMime(int id)
{
    m_event.mutable_email()->mutable_smtp()->set_use_mime(id != 0);
}

void CSetupEvent::OnChangedEmailPeriod(int index)
{
    if (index >= 0)
        m_event.mutable_email()->mutable_send_cond()->set_period(config::SendPeriod_Index2Type(index));
}

void CSetupEvent::OnChangedProhibition(int id)
{
    m_event.mutable_email()->mutable_send_cond()->set_prohibition(id != 0);
}

void CSetupEvent::OnChangedStart(int value)
{
    m_event.mutable_email()->mutable_send_cond()->set_prohibition_start(static_cast<google::protobuf::uint32>(value));
}

void CSetupEvent::OnChangedEnd(int value)
{
    m_event.mutable_email()->mutable_send_cond()->set_prohibition_end(static_cast<google::protobuf::uint32>(value));
}

void CSetupEvent::OnChangedMotionContent(int id)
{
    m_event.mutable_email()->mutable_send_content()->set_motion(id != 0);
}

void CSetupEvent::OnChangedSensorContent(int id)
{
    m_event.mutable_email()->mutable_send_content()->set_sensor(id != 0);
}

void CSetupEvent::OnChangedVLossContent(int id)
{
    m_event.mutable_email()->mutable_send_content()->set_video_loss(id != 0);
}

void CSetupEvent::OnChangedRecordContent(int id)
{
    m_event.mutable_email()->mutable_send_content()->set_rec_status(id != 0);
}

void CSetupEvent::OnChangedSystemContent(int id)
{
    m_event.mutable_email()->mutable_send_content()->set_sys_access(id != 0);
}

void CSetupEvent::languageChange()
{
    m_ui->retranslateUi(this);
}

void CSetupEvent::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        languageChange();
    QWidget::changeEvent(event);
}
