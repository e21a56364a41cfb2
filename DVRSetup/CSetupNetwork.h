#pragma once

#include "DVRSetup/CSetupStandIn.h"

// The network page (stand-in until the page is built), with the operator's
// confirmation that TCP/IP and DDNS changes are to be applied.
class CSetupNetwork : public CSetupStandIn<config::Network> {
public:
    using CSetupStandIn::CSetupStandIn;

    void SetApplyNetworkTCPIP(bool apply) { m_applyNetworkTcpIp = apply; }
    bool GetApplyNetworkTCPIP() const { return m_applyNetworkTcpIp; }

private:
    bool m_applyNetworkTcpIp = false;
};
