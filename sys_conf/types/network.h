#pragma once

#include "sys_conf/proto/network.pb.h"

// Combo-box rows of the network settings: the address type (rows in the
// network page's order, not the enumeration's: Auto UPnP, Static, DHCP) and the
// bandwidth limit with its kilobits per second (0: no limit). A row index or
// value outside a table is a programming error and stops the program.
namespace config {

const char* NetworkType_Index2String(int index);
Network_Type NetworkType_Index2Type(int index);
int NetworkType_Type2Index(const Network_Type& type);

const char* BandWidthLimitation_Index2String(int index);
Network_BandWidthLimitation BandWidthLimitation_Index2Type(int index);
int BandWidthLimitation_Type2Index(const Network_BandWidthLimitation& type);
int BandWidthLimitation_Index2Value(int index);
int BandWidthLimitation_Type2Value(const Network_BandWidthLimitation& type);

} // namespace config
