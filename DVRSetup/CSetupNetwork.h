#pragma once

#include "DVRSetup/CSetupStandIn.h"

// The network page (stand-in until the page is built), with the operator's
// confirmation that TCP/IP and DDNS changes are to be applied.
class CSetupNetwork : public CSetupStandIn<config::Network> {
    Q_OBJECT

public:
    using CSetupStandIn::CSetupStandIn;

    // Loading the defaults unticks the confirmation.
    void InitDvrInfo(const config::DvrConf_DvrInfo& info)
    {
        CSetupStandIn::InitDvrInfo(info);
        m_applyNetworkTcpIp = false;
    }
    void InitConf()
    {
        CSetupStandIn::InitConf();
        m_applyNetworkTcpIp = false;
    }
    void SetApplyNetworkTCPIP(bool apply) { m_applyNetworkTcpIp = apply; }
    bool GetApplyNetworkTCPIP() const { return m_applyNetworkTcpIp; }

private:
    bool m_applyNetworkTcpIp = false;
};
