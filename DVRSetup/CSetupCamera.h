#pragma once

#include "DVRSetup/CSetupStandIn.h"

// The camera page (stand-in until the page is built).
class CSetupCamera : public CSetupStandIn<config::Camera> {
    Q_OBJECT

public:
    using CSetupStandIn::CSetupStandIn;
};
