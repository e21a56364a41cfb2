#pragma once

#include "DVRSetup/CSetupStandIn.h"

// The event page (stand-in until the page is built).
class CSetupEvent : public CSetupStandIn<config::Event> {
public:
    using CSetupStandIn::CSetupStandIn;
};
