#pragma once

#include "DVRSetup/CSetupStandIn.h"

// The account page (stand-in until the page is built).
class CSetupAccount : public CSetupStandIn<config::Account> {
    Q_OBJECT

public:
    using CSetupStandIn::CSetupStandIn;
};
