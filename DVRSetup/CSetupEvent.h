#pragma once

#include "DVRSetup/CSetupStandIn.h"

// The event page (stand-in until the page is built).
class CSetupEvent : public CSetupStandIn<config::Event> {
    Q_OBJECT

public:
    using CSetupStandIn::CSetupStandIn;
};
