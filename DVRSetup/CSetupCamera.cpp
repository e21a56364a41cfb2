#include "CSetupCamera.h"

#include "Common/CChannelNum.h"
#include "DVRSetup/CChannelWidget.h"
#include "DVRSetup/CModelInfoDialog.h"
#include "DVRSetup/CSeqWidget.h"
#include "DVRSetup/CSetupControls.h"
#include "DVRSetup/KValidator.h"
#include "sys_conf/types/camera.h"
#include "ui_CSetupCamera.h"

#include <QBoxLayout>
#include <QEvent>
#include <QRegularExpression>

namespace {

const QRegularExpression NAME_REGEX(QStringLiteral("name([0-9]+)"));
constexpr unsigned long NAME_LENGTH = 21;
constexpr int PTZ_ID_MAX = 255;
constexpr int PTZ_MODEL_ROWS = 2;
constexpr int MAX_CHANNELS = 16;
constexpr unsigned long SINGLE_MASK = 0x1;
constexpr unsigned long QUAD_MASK = 0xF;
constexpr unsigned long NONA_MASK = 0x1FF;

int channelIndexOf(const QObject* edit)
{
    const QRegularExpressionMatch match = NAME_REGEX.match(edit ? edit->objectName() : QString());
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

// A picker at the top of its page of the spot controls.
template <class Picker> Picker* spotPicker(QWidget* page)
{
    auto* picker = new Picker(page);
    auto* layout = static_cast<QBoxLayout*>(page->layout());
    layout->addWidget(picker);
    layout->addStretch();
    return picker;
}

CChannelWidget* limitedPicker(QWidget* page, int checkable)
{
    auto* picker = spotPicker<CChannelWidget>(page);
    picker->setCheckableCount(checkable);
    return picker;
}

} // namespace

CSetupCamera::CSetupCamera(QWidget* parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::CSetupCamera>())
{
    m_ui->setupUi(this);
    for (QLineEdit* edit : findChildren<QLineEdit*>(NAME_REGEX)) {
        m_names.append(edit);
        connect(edit, &QLineEdit::textChanged, this, &CSetupCamera::OnChangedName);
        edit->setValidator(KValidator::All(edit, NAME_LENGTH));
    }
    m_seq = new CSeqWidget;
    m_ui->seqFrame->layout()->addWidget(m_seq);
    m_covert = new CChannelWidget;
    m_ui->covertFrame->layout()->addWidget(m_covert);
    m_spotSingle = limitedPicker(m_ui->spotPage0, 1);
    m_spotQuad = limitedPicker(m_ui->spotPage1, 4);
    m_spotNona = limitedPicker(m_ui->spotPage2, 9);
    m_spotSeq = spotPicker<CSeqWidget>(m_ui->spotPage4);

    connect(m_ui->ptzChannel, &QSpinBox::valueChanged, this, &CSetupCamera::OnChangedPtzChannel);
    connect(m_ui->ptzModel, &QComboBox::currentIndexChanged, this, &CSetupCamera::OnChangedPtzModel);
    connect(m_ui->ptzID, &QSpinBox::valueChanged, this, &CSetupCamera::OnChangedPtzID);
    connect(m_ui->panGroup, &QButtonGroup::idClicked, this, &CSetupCamera::OnChangedPan);
    connect(m_ui->tiltGroup, &QButtonGroup::idClicked, this, &CSetupCamera::OnChangedTilt);
    connect(m_ui->zoomGroup, &QButtonGroup::idClicked, this, &CSetupCamera::OnChangedZoom);
    connect(m_ui->focusGroup, &QButtonGroup::idClicked, this, &CSetupCamera::OnChangedFocus);
    connect(m_ui->ptzBaudRate, &QComboBox::currentIndexChanged, this, &CSetupCamera::OnChangedBaudRate);
    connect(m_ui->sharpness, &QComboBox::currentIndexChanged, this, &CSetupCamera::OnChangedSharpness);
    connect(m_ui->spot, &QComboBox::currentIndexChanged, this, &CSetupCamera::OnChangedSpot);
    connect(m_ui->spotMode, &QComboBox::currentIndexChanged, this, &CSetupCamera::OnChangedSpotMode);

    InitControls();
    config::DvrConf_DvrInfo info;
    InitDvrInfo(info);
}

CSetupCamera::~CSetupCamera() = default;

int CSetupCamera::channelCount() const
{
    return static_cast<int>(m_dvrInfo.ch_num());
}

void CSetupCamera::InitControls()
{
    {
        const QSignalBlocker ptzChannel(m_ui->ptzChannel);
        m_ui->ptzChannel->setRange(1, channelCount());
    }
    CSetupControls::setItems(m_ui->ptzModel, CSetupControls::rows(config::PtzDev_Index2String, PTZ_MODEL_ROWS));
    m_ui->ptzID->setRange(0, PTZ_ID_MAX);
    CSetupControls::setItems(
        m_ui->ptzBaudRate, CSetupControls::rows(config::BaudRate_Index2String, config::BaudRate_MaxItemNum()));
    CSetupControls::setItems(
        m_ui->sharpness, CSetupControls::rows(config::Sharpness_Index2String, config::Sharpness_MaxItemNum()));
    CSetupControls::setItems(m_ui->spot, CSetupControls::numbered(QStringLiteral("Spot"), 1));
    m_seq->addItems();
    m_spotSeq->addItems();
    CSetupControls::setSwitchIds(m_ui->panGroup, m_ui->panOff, m_ui->panOn);
    CSetupControls::setSwitchIds(m_ui->tiltGroup, m_ui->tiltOff, m_ui->tiltOn);
    CSetupControls::setSwitchIds(m_ui->zoomGroup, m_ui->zoomOff, m_ui->zoomOn);
    CSetupControls::setSwitchIds(m_ui->focusGroup, m_ui->focusOff, m_ui->focusOn);
    UpdateControls();
}

void CSetupCamera::InitDvrInfo(const config::DvrConf_DvrInfo& info)
{
    m_dvrInfo = info;
    m_hdSdi = CModelInfoDialog::ModelIndex2Type(static_cast<int>(m_dvrInfo.model())) == 0;
    UpdateControls();
    InitConf();
}

void CSetupCamera::UpdateControls()
{
    const int channels = channelCount();
    m_covert->updateChannelCtrl(channels);
    m_seq->updateChannelCtrl(channels, false);
    CSetupControls::setItems(m_ui->spotMode,
        CSetupControls::rows(
            [this, channels](int row) { return config::SpotMode_Index2String(m_hdSdi, channels, row); },
            config::SpotMode_Count(m_hdSdi, channels)));
    m_spotSingle->updateChannelCtrl(channels);
    m_spotQuad->updateChannelCtrl(channels);
    m_spotNona->updateChannelCtrl(channels);
    m_spotSingle->setChMask(SINGLE_MASK);
    m_spotQuad->setChMask(QUAD_MASK);
    m_spotNona->setChMask(NONA_MASK);
    if (channels == 4 || channels == 8 || channels == 16) {
        m_spotQuad->setVisible(channels > 4);
        m_spotNona->setVisible(channels > 8);
    }
    m_spotSeq->updateChannelCtrl(channels, m_hdSdi);
    // Edits never reach past the PTZ list, which holds one entry per channel.
    const QSignalBlocker ptzChannel(m_ui->ptzChannel);
    m_ui->ptzChannel->setRange(1, channels);
}

void CSetupCamera::InitConf()
{
    m_camera.Clear();
    for (int ch = 0; ch < channelCount(); ++ch) {
        config::Camera_Ptz& ptz = *m_camera.add_ptz();
        ptz.set_model(config::Camera_Ptz::MODEL_PELCO_D);
        ptz.set_id(static_cast<quint32>(ch + 1));
        ptz.set_baudrate(config::Camera_Ptz::BAUDRATE_9600);
    }
    const config::Camera defaults = m_camera;
    SetConf(defaults);
}

void CSetupCamera::MakeConfValid()
{
    const int channels = channelCount();
    if (m_camera.channel_size() != channels) {
        m_camera.clear_channel();
        for (int ch = 1; ch <= channels; ++ch)
            m_camera.add_channel()->set_name(QStringLiteral("CH-%1").arg(ch, 2, 10, QLatin1Char('0')).toStdString());
    }
    if (m_camera.ptz_size() != channels) {
        m_camera.clear_ptz();
        for (int ch = 0; ch < channels; ++ch)
            m_camera.add_ptz();
    }
    if (m_camera.spot_size() != 1) {
        m_camera.clear_spot();
        m_camera.add_spot();
    }
}

void CSetupCamera::SetConf(const config::Camera& camera)
{
    m_camera = camera;
    MakeConfValid();
    const int channels = channelCount();
    unsigned long covert = 0;
    for (QLineEdit* edit : std::as_const(m_names)) {
        const int ch = channelIndexOf(edit);
        QWidget* label = findChild<QWidget*>(QStringLiteral("nameLabel%1").arg(ch));
        const bool shown = ch < channels;
        edit->setVisible(shown);
        if (label)
            label->setVisible(shown);
        if (!shown)
            continue;
        // Blocked: a name goes back as the DVR sent it unless the operator
        // edits it, also when the narrow codec cannot give its bytes back.
        CSetupControls::setText(edit, CSetupControls::fromNarrow(m_camera.channel(ch).name()));
        if (m_camera.channel(ch).covert())
            covert |= 1UL << ch;
    }
    m_covert->setChMask(covert);
    CSetupControls::setValue(m_ui->ptzChannel, 1);
    OnChangedPtzChannel(1);
    m_seq->setChMask(m_camera.seq().ch_mask());
    m_seq->setTime(config::SeqTime_Type2Index(m_camera.seq().time()));
    CSetupControls::setRow(m_ui->sharpness, config::Sharpness_Type2Index(m_camera.sharpness()));
    showSpot(0);
}

config::Camera CSetupCamera::GetConf()
{
    const unsigned long covert = m_covert->getChMask();
    const int channels = qMin(qMin(channelCount(), MAX_CHANNELS), m_camera.channel_size());
    for (int ch = 0; ch < channels; ++ch)
        m_camera.mutable_channel(ch)->set_covert(CChannelNum::isEnabled(covert, ch));
    config::Camera_Seq& seq = *m_camera.mutable_seq();
    seq.set_ch_mask(static_cast<quint32>(m_seq->getChMask()));
    seq.set_time(config::SeqTime_Index2Type(m_seq->getTime()));
    saveSpotToConf(m_shownSpot);
    return m_camera;
}

void CSetupCamera::showSpot(int index)
{
    m_shownSpot = index;
    const config::Camera_Spot& spot = m_camera.spot(index);
    const int channels = channelCount();
    // A mode this DVR does not offer shows as the first row offered.
    const int row = config::SpotMode_IsSupported(m_hdSdi, channels, spot.mode())
        ? config::SpotMode_Type2Index(m_hdSdi, channels, spot.mode())
        : 0;
    CSetupControls::setRow(m_ui->spotMode, row);
    m_ui->spotPage->setCurrentIndex(config::SpotMode_Index2Type(m_hdSdi, channels, row));
    m_spotModePicked = false;
    const quint32 single = spot.ch_num_single();
    m_loadedSingleMask = single < static_cast<quint32>(channels) ? 1UL << single : 0;
    m_spotSingle->setChMask(m_loadedSingleMask);
    m_spotQuad->setChMask(spot.ch_mask_quad());
    m_spotNona->setChMask(spot.ch_mask_nona());
    m_spotSeq->setChMask(spot.ch_mask_seq());
    m_spotSeq->setTime(config::SeqTime_Type2Index(spot.seq_time()));
}

void CSetupCamera::saveSpotToConf(int index)
{
    if (index < 0 || index >= m_camera.spot_size())
        return;
    config::Camera_Spot& spot = *m_camera.mutable_spot(index);
    const int channels = channelCount();
    const int row = m_ui->spotMode->currentIndex();
    if (row >= 0 && (m_spotModePicked || config::SpotMode_IsSupported(m_hdSdi, channels, spot.mode())))
        spot.set_mode(config::SpotMode_Index2Type(m_hdSdi, channels, row));
    const unsigned long single = m_spotSingle->getChMask();
    const bool singleShown = spot.ch_num_single() < static_cast<quint32>(channels);
    if (singleShown || single != m_loadedSingleMask) {
        quint32 lowest = 0;
        while (lowest < static_cast<quint32>(channels) && !CChannelNum::isEnabled(single, static_cast<int>(lowest)))
            ++lowest;
        spot.set_ch_num_single(lowest < static_cast<quint32>(channels) ? lowest : 0);
    }
    spot.set_ch_mask_quad(static_cast<quint32>(m_spotQuad->getChMask()));
    spot.set_ch_mask_nona(static_cast<quint32>(m_spotNona->getChMask()));
    spot.set_ch_mask_seq(static_cast<quint32>(m_spotSeq->getChMask()));
    spot.set_seq_time(config::SeqTime_Index2Type(m_spotSeq->getTime()));
}

config::Camera_Ptz* CSetupCamera::shownPtz()
{
    const int entry = m_ui->ptzChannel->value() - 1;
    return entry >= 0 && entry < m_camera.ptz_size() ? m_camera.mutable_ptz(entry) : nullptr;
}

void CSetupCamera::OnChangedName(const QString& text)
{
    const int ch = channelIndexOf(sender());
    if (ch < m_camera.channel_size())
        m_camera.mutable_channel(ch)->set_name(CSetupControls::toNarrow(text));
}

void CSetupCamera::OnChangedPtzChannel(int ch)
{
    if (ch < 1 || ch > m_camera.ptz_size())
        return;
    const config::Camera_Ptz& ptz = m_camera.ptz(ch - 1);
    CSetupControls::setRow(m_ui->ptzModel, config::PtzDev_Type2Index(ptz.model()));
    CSetupControls::setValue(m_ui->ptzID, static_cast<int>(qMin<quint32>(ptz.id(), PTZ_ID_MAX)));
    CSetupControls::setSwitch(m_ui->panGroup, ptz.rev_pan());
    CSetupControls::setSwitch(m_ui->tiltGroup, ptz.rev_tilt());
    CSetupControls::setSwitch(m_ui->zoomGroup, ptz.rev_zoom());
    CSetupControls::setSwitch(m_ui->focusGroup, ptz.rev_focus());
    CSetupControls::setRow(m_ui->ptzBaudRate, config::BaudRate_Type2Index(ptz.baudrate()));
}

void CSetupCamera::OnChangedPtzModel(int index)
{
    if (config::Camera_Ptz* ptz = shownPtz(); ptz && index >= 0)
        ptz->set_model(config::PtzDev_Index2Type(index));
}

void CSetupCamera::OnChangedPtzID(int id)
{
    if (config::Camera_Ptz* ptz = shownPtz())
        ptz->set_id(static_cast<quint32>(id));
}

void CSetupCamera::setReverse(void (config::Camera_Ptz::*set)(bool), const QButtonGroup* group)
{
    if (config::Camera_Ptz* ptz = shownPtz())
        (ptz->*set)(CSetupControls::isOn(group));
}

void CSetupCamera::OnChangedPan(int)
{
    setReverse(&config::Camera_Ptz::set_rev_pan, m_ui->panGroup);
}

void CSetupCamera::OnChangedTilt(int)
{
    setReverse(&config::Camera_Ptz::set_rev_tilt, m_ui->tiltGroup);
}

void CSetupCamera::OnChangedZoom(int)
{
    setReverse(&config::Camera_Ptz::set_rev_zoom, m_ui->zoomGroup);
}

void CSetupCamera::OnChangedFocus(int)
{
    setReverse(&config::Camera_Ptz::set_rev_focus, m_ui->focusGroup);
}

void CSetupCamera::OnChangedBaudRate(int index)
{
    if (config::Camera_Ptz* ptz = shownPtz(); ptz && index >= 0)
        ptz->set_baudrate(config::BaudRate_Index2Type(index));
}

void CSetupCamera::OnChangedSharpness(int index)
{
    if (index >= 0)
        m_camera.set_sharpness(config::Sharpness_Index2Type(index));
}

void CSetupCamera::OnChangedSpot(int index)
{
    saveSpotToConf(m_shownSpot);
    if (index >= 0 && index < m_camera.spot_size())
        showSpot(index);
}

void CSetupCamera::OnChangedSpotMode(int index)
{
    if (index < 0)
        return;
    m_ui->spotPage->setCurrentIndex(config::SpotMode_Index2Type(m_hdSdi, channelCount(), index));
    m_spotModePicked = true;
}

void CSetupCamera::languageChange()
{
    m_ui->retranslateUi(this);
}

void CSetupCamera::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        languageChange();
    QWidget::changeEvent(event);
}
