#pragma once

#include "DVRSetup/CSetupStandIn.h"

// The record page (stand-in until the page is built).
class CSetupRecord : public CSetupStandIn<config::Record> {
    Q_OBJECT

public:
    using CSetupStandIn::CSetupStandIn;
};
