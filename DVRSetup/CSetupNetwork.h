#pragma once

#include "DVRSetup/CAllChannelsEdit.h"
#include "ProtoBuf/ModelInfo.pb.h"
#include "sys_conf/proto/dvr_conf.pb.h"

#include <QWidget>
#include <memory>

namespace Ui {
class CSetupNetwork;
}

// The "Network" tab: how the DVR gets its TCP/IP settings (automatic UPnP,
// static, DHCP) with ports, UPnP and bandwidth limit, the DDNS host name,
// each channel's network stream quality and frame rate (at the entry's own
// resolution), and the operator's confirmation that TCP/IP and DDNS changes
// are to be applied. Every edit goes into the held part at once; edits of
// "All" reach the channels through GetConf.
class CSetupNetwork : public QWidget {
    Q_OBJECT

public:
    explicit CSetupNetwork(QWidget* parent = nullptr);
    ~CSetupNetwork() override;

    void InitControls();
    void InitDvrInfo(const config::DvrConf_DvrInfo& info);
    void InitConf();
    void SetConf(const config::Network& network);
    config::Network GetConf();
    void UpdateControls();
    void MakeConfValid();

    void SetApplyNetworkTCPIP(bool apply);
    bool GetApplyNetworkTCPIP() const;

    virtual void languageChange();

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void OnChangedUpnpPort(int port);
    void OnChangedIpAddress(const QString& text);
    void OnChangedSubnetMask(const QString& text);
    void OnChangedGateway(const QString& text);
    void OnChangedDnsIP(const QString& text);
    void OnChangedPort(int port);
    void OnChangedDhcpPort(int port);
    void OnChangedStaticUpnp(int id);
    void OnChangedDhcpUpnp(int id);
    void OnChangedDdnsLink(int id);
    void OnChangedDdnsHostname(const QString& text);
    void SetBWLimitation(int row);
    void OnChangedStreamChannel(int position);
    void OnChangedStreamQuality(int position);
    void OnChangedStreamFPS(int position);
    void OnChangedStreamType(int type);

private:
    int channelCount() const;
    config::VideoType videoType() const;
    // Completes an entry's quality and frame-rate slots to one per resolution.
    void completeSlots(config::Network_H264* entry) const;
    // The entry the channel combo stands on; null when none.
    config::Network_H264* shownEntry();
    bool allShown() const;
    void setPort(int port);
    void setUpnp(bool on);

    std::unique_ptr<Ui::CSetupNetwork> m_ui;
    config::DvrConf_DvrInfo m_dvrInfo;
    config::Network m_network;
    config::Network_H264 m_all;
    CAllChannelsEdit m_allEdit;
};
