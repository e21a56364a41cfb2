#pragma once

#include "DVRSetup/CSetupStandIn.h"

// The system page (stand-in until the page is built).
class CSetupSystem : public CSetupStandIn<config::System> {
    Q_OBJECT

public:
    using CSetupStandIn::CSetupStandIn;
};
