#include "CSetupNetwork.h"

#include "DVRSetup/CSetupControls.h"
#include "DVRSetup/DefStream.h"
#include "DVRSetup/KValidator.h"
#include "sys_conf/types/network.h"
#include "ui_CSetupNetwork.h"

#include <QEvent>

namespace {

constexpr int PORT_MAX = 65535;
constexpr int NETWORK_TYPE_ROWS = 3;
constexpr int BANDWIDTH_ROWS = 10;
constexpr int SLOTS = config::Resolution_ARRAYSIZE;
constexpr KCodecType NETWORK_CODEC = 1;
constexpr config::Quality DEFAULT_QUALITY = config::QUALITY_HIGH;

int portShown(quint32 port)
{
    return static_cast<int>(qMin<quint32>(port, PORT_MAX));
}

} // namespace

CSetupNetwork::CSetupNetwork(QWidget* parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::CSetupNetwork>())
{
    m_ui->setupUi(this);
    connect(m_ui->networkType, &QComboBox::currentIndexChanged, m_ui->stackedWidget, &QStackedWidget::setCurrentIndex);
    connect(m_ui->upnpPort, &QSpinBox::valueChanged, this, &CSetupNetwork::OnChangedUpnpPort);
    connect(m_ui->ipAddress, &QLineEdit::textChanged, this, &CSetupNetwork::OnChangedIpAddress);
    connect(m_ui->subnetMask, &QLineEdit::textChanged, this, &CSetupNetwork::OnChangedSubnetMask);
    connect(m_ui->gateway, &QLineEdit::textChanged, this, &CSetupNetwork::OnChangedGateway);
    connect(m_ui->dnsIP, &QLineEdit::textChanged, this, &CSetupNetwork::OnChangedDnsIP);
    connect(m_ui->port, &QSpinBox::valueChanged, this, &CSetupNetwork::OnChangedPort);
    connect(m_ui->dhcpPort, &QSpinBox::valueChanged, this, &CSetupNetwork::OnChangedDhcpPort);
    connect(m_ui->staticUpnpGroup, &QButtonGroup::idClicked, this, &CSetupNetwork::OnChangedStaticUpnp);
    connect(m_ui->dhcpUpnpGroup, &QButtonGroup::idClicked, this, &CSetupNetwork::OnChangedDhcpUpnp);
    connect(m_ui->ddnsLinkGroup, &QButtonGroup::idClicked, this, &CSetupNetwork::OnChangedDdnsLink);
    connect(m_ui->ddnsHostname, &QLineEdit::textChanged, this, &CSetupNetwork::OnChangedDdnsHostname);
    for (QComboBox* combo : {m_ui->upnpBWLimitation, m_ui->BWLimitation, m_ui->dhcpBWLimitation})
        connect(combo, &QComboBox::currentIndexChanged, this, &CSetupNetwork::SetBWLimitation);
    connect(m_ui->streamChannel, &QComboBox::currentIndexChanged, this, &CSetupNetwork::OnChangedStreamChannel);
    connect(m_ui->streamQuality, &QComboBox::currentIndexChanged, this, &CSetupNetwork::OnChangedStreamQuality);
    connect(m_ui->streamFPS, &QComboBox::currentIndexChanged, this, &CSetupNetwork::OnChangedStreamFPS);
    m_ui->ddnsHostname->setValidator(KValidator::Hostname(this));
    InitControls();
    InitDvrInfo(config::DvrConf_DvrInfo());
}

CSetupNetwork::~CSetupNetwork() = default;

int CSetupNetwork::channelCount() const
{
    return static_cast<int>(m_dvrInfo.ch_num());
}

config::VideoType CSetupNetwork::videoType() const
{
    return m_dvrInfo.vtype() == 0 ? config::VIDEO_TYPE_NTSC : config::VIDEO_TYPE_PAL;
}

void CSetupNetwork::InitControls()
{
    CSetupControls::setItems(
        m_ui->networkType, CSetupControls::rows(config::NetworkType_Index2String, NETWORK_TYPE_ROWS));
    for (QSpinBox* port : {m_ui->upnpPort, m_ui->port, m_ui->dhcpPort})
        port->setRange(0, PORT_MAX);
    for (QComboBox* combo : {m_ui->upnpBWLimitation, m_ui->BWLimitation, m_ui->dhcpBWLimitation})
        CSetupControls::setItems(combo, CSetupControls::rows(config::BandWidthLimitation_Index2String, BANDWIDTH_ROWS));
    CSetupControls::setItems(m_ui->streamQuality, DefStream::Quality);
    m_ui->applyNetworkTCPIP->setChecked(false);
    CSetupControls::setSwitchIds(m_ui->ddnsLinkGroup, m_ui->ddnsOff, m_ui->ddnsOn);
    CSetupControls::setSwitchIds(m_ui->staticUpnpGroup, m_ui->staticUpnpOff, m_ui->staticUpnpOn);
    CSetupControls::setSwitchIds(m_ui->dhcpUpnpGroup, m_ui->dhcpUpnpOff, m_ui->dhcpUpnpOn);
    UpdateControls();
}

void CSetupNetwork::UpdateControls()
{
    CSetupControls::setItems(
        m_ui->streamChannel, CSetupControls::numbered(QStringLiteral("Ch "), channelCount()) + QStringList{"All"});
    CSetupControls::setItems(m_ui->streamFPS,
        CSetupControls::numbers(videoType() == config::VIDEO_TYPE_NTSC ? DefStream::FPSNtsc : DefStream::FPSPal));
}

void CSetupNetwork::InitDvrInfo(const config::DvrConf_DvrInfo& info)
{
    m_dvrInfo = info;
    UpdateControls();
    InitConf();
}

void CSetupNetwork::InitConf()
{
    SetConf(config::Network());
    SetApplyNetworkTCPIP(false);
}

void CSetupNetwork::completeSlots(config::Network_H264* entry) const
{
    while (entry->qual_size() < SLOTS)
        entry->add_qual(DEFAULT_QUALITY);
    while (entry->fps_size() < SLOTS) {
        const auto resolution = static_cast<config::Resolution>(entry->fps_size());
        entry->add_fps(
            static_cast<quint32>(DefStream::FPS_GetDefAll(channelCount(), videoType(), resolution, NETWORK_CODEC)));
    }
}

void CSetupNetwork::MakeConfValid()
{
    const int channels = channelCount();
    if (m_network.stream().h264_size() != channels) {
        config::Network_Stream& stream = *m_network.mutable_stream();
        stream.clear_h264();
        for (int ch = 0; ch < channels; ++ch)
            stream.add_h264();
    }
    // Every entry shows and takes its slot at its own resolution.
    for (config::Network_H264& entry : *m_network.mutable_stream()->mutable_h264())
        completeSlots(&entry);
    m_all = channels > 0 ? m_network.stream().h264(0) : config::Network_H264();
    completeSlots(&m_all);
}

void CSetupNetwork::SetConf(const config::Network& network)
{
    m_network = network;
    MakeConfValid();
    m_network.mutable_stream();
    m_allEdit.reset();

    const config::Network_TcpIp& tcpip = m_network.tcpip();
    const int typeRow = config::NetworkType_Type2Index(tcpip.type());
    CSetupControls::setRow(m_ui->networkType, typeRow);
    {
        const QSignalBlocker blocker(m_ui->stackedWidget);
        m_ui->stackedWidget->setCurrentIndex(typeRow);
    }
    CSetupControls::setValue(m_ui->upnpPort, portShown(tcpip.auto_upnp_port()));
    const config::Network_StaticNet& address = tcpip.static_net();
    CSetupControls::setText(m_ui->ipAddress, CSetupControls::fromNarrow(address.ip_address()));
    CSetupControls::setText(m_ui->subnetMask, CSetupControls::fromNarrow(address.subnetmask()));
    CSetupControls::setText(m_ui->gateway, CSetupControls::fromNarrow(address.gateway()));
    CSetupControls::setText(m_ui->dnsIP, CSetupControls::fromNarrow(address.dns_ip()));
    CSetupControls::setValue(m_ui->port, portShown(tcpip.port()));
    CSetupControls::setValue(m_ui->dhcpPort, portShown(tcpip.port()));
    CSetupControls::setSwitch(m_ui->staticUpnpGroup, tcpip.upnp());
    CSetupControls::setSwitch(m_ui->dhcpUpnpGroup, tcpip.upnp());
    CSetupControls::setSwitch(m_ui->ddnsLinkGroup, address.ddns_support());
    SetBWLimitation(config::BandWidthLimitation_Type2Index(tcpip.bandwidth_limitation()));
    CSetupControls::setText(m_ui->ddnsHostname, CSetupControls::fromNarrow(m_network.ddns().hostname()));
    OnChangedStreamType(0);
}

config::Network CSetupNetwork::GetConf()
{
    m_network.mutable_tcpip()->set_type(config::NetworkType_Index2Type(m_ui->stackedWidget->currentIndex()));
    if (m_allEdit.spreads(allShown())) {
        const int slot = m_all.resolution();
        for (config::Network_H264& entry : *m_network.mutable_stream()->mutable_h264()) {
            entry.set_qual(slot, m_all.qual(slot));
            entry.set_fps(slot, m_all.fps(slot));
        }
    }
    return m_network;
}

void CSetupNetwork::SetApplyNetworkTCPIP(bool apply)
{
    m_ui->applyNetworkTCPIP->setChecked(apply);
}

bool CSetupNetwork::GetApplyNetworkTCPIP() const
{
    return m_ui->applyNetworkTCPIP->checkState() == Qt::Checked;
}

bool CSetupNetwork::allShown() const
{
    return m_ui->streamChannel->currentIndex() == channelCount();
}

config::Network_H264* CSetupNetwork::shownEntry()
{
    const int position = m_ui->streamChannel->currentIndex();
    if (position >= 0 && position < m_network.stream().h264_size())
        return m_network.mutable_stream()->mutable_h264(position);
    return allShown() ? &m_all : nullptr;
}

void CSetupNetwork::setPort(int port)
{
    m_network.mutable_tcpip()->set_port(static_cast<quint32>(port));
    // Both pages show the one port that is sent.
    CSetupControls::setValue(m_ui->port, port);
    CSetupControls::setValue(m_ui->dhcpPort, port);
}

void CSetupNetwork::setUpnp(bool on)
{
    m_network.mutable_tcpip()->set_upnp(on);
    CSetupControls::setSwitch(m_ui->staticUpnpGroup, on);
    CSetupControls::setSwitch(m_ui->dhcpUpnpGroup, on);
}

void CSetupNetwork::OnChangedUpnpPort(int port)
{
    m_network.mutable_tcpip()->set_auto_upnp_port(static_cast<quint32>(port));
}

void CSetupNetwork::OnChangedIpAddress(const QString& text)
{
    m_network.mutable_tcpip()->mutable_static_net()->set_ip_address(CSetupControls::toNarrow(text));
}

void CSetupNetwork::OnChangedSubnetMask(const QString& text)
{
    m_network.mutable_tcpip()->mutable_static_net()->set_subnetmask(CSetupControls::toNarrow(text));
}

void CSetupNetwork::OnChangedGateway(const QString& text)
{
    m_network.mutable_tcpip()->mutable_static_net()->set_gateway(CSetupControls::toNarrow(text));
}

void CSetupNetwork::OnChangedDnsIP(const QString& text)
{
    m_network.mutable_tcpip()->mutable_static_net()->set_dns_ip(CSetupControls::toNarrow(text));
}

void CSetupNetwork::OnChangedPort(int port)
{
    setPort(port);
}

void CSetupNetwork::OnChangedDhcpPort(int port)
{
    setPort(port);
}

void CSetupNetwork::OnChangedStaticUpnp(int id)
{
    setUpnp(id != 0);
}

void CSetupNetwork::OnChangedDhcpUpnp(int id)
{
    setUpnp(id != 0);
}

void CSetupNetwork::OnChangedDdnsLink(int)
{
    m_network.mutable_tcpip()->mutable_static_net()->set_ddns_support(CSetupControls::isOn(m_ui->ddnsLinkGroup));
}

void CSetupNetwork::OnChangedDdnsHostname(const QString& text)
{
    m_network.mutable_ddns()->set_hostname(CSetupControls::toNarrow(text));
}

void CSetupNetwork::SetBWLimitation(int row)
{
    if (row < 0)
        return;
    for (QComboBox* combo : {m_ui->upnpBWLimitation, m_ui->BWLimitation, m_ui->dhcpBWLimitation})
        CSetupControls::setRow(combo, row);
    m_network.mutable_tcpip()->set_bandwidth_limitation(config::BandWidthLimitation_Index2Type(row));
}

void CSetupNetwork::OnChangedStreamChannel(int position)
{
    if (position < 0)
        return;
    const config::Network_H264* entry = shownEntry();
    if (!entry)
        return;
    const int slot = entry->resolution();
    CSetupControls::setRow(m_ui->streamQuality, entry->qual(slot));
    const int rate = static_cast<int>(qMin<quint32>(entry->fps(slot), INT_MAX));
    CSetupControls::setRow(m_ui->streamFPS, DefStream::FPS_REAL2IDX(videoType(), rate));
}

void CSetupNetwork::OnChangedStreamQuality(int position)
{
    config::Network_H264* entry = position >= 0 ? shownEntry() : nullptr;
    if (!entry || !config::Quality_IsValid(position))
        return;
    entry->set_qual(entry->resolution(), static_cast<config::Quality>(position));
    m_allEdit.noteEdit(allShown());
}

void CSetupNetwork::OnChangedStreamFPS(int position)
{
    config::Network_H264* entry = position >= 0 ? shownEntry() : nullptr;
    if (!entry)
        return;
    entry->set_fps(entry->resolution(), static_cast<quint32>(DefStream::FPS_IDX2REAL(videoType(), position)));
    m_allEdit.noteEdit(allShown());
}

void CSetupNetwork::OnChangedStreamType(int)
{
    CSetupControls::setRow(m_ui->streamChannel, 0);
    OnChangedStreamChannel(0);
}

void CSetupNetwork::languageChange()
{
    m_ui->retranslateUi(this);
}

void CSetupNetwork::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        languageChange();
    QWidget::changeEvent(event);
}
