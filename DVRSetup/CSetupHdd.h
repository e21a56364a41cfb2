#pragma once

#include "DVRSetup/CSetupStandIn.h"

// The HDD page (stand-in until the page is built).
class CSetupHdd : public CSetupStandIn<config::Hdd> {
    Q_OBJECT

public:
    using CSetupStandIn::CSetupStandIn;
};
