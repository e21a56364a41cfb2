#pragma once

#include "sys_conf/proto/hdd.pb.h"

// Combo-box rows of the HDD settings: the write mode and the S.M.A.R.T. check
// interval, in enumeration order, with texts and, for the interval, seconds.
// A row index or value outside a table is a programming error and stops the
// program.
namespace config {

const char* HddWriteMode_Index2String(int index);
Hdd_WriteMode HddWriteMode_Index2Type(int index);
int HddWriteMode_Type2Index(const Hdd_WriteMode& type);

Hdd_Smart_CheckInterval SmartCheckInterval_Index2Type(int index);
const char* SmartCheckInterval_Index2String(int index);
int SmartCheckInterval_Type2Index(Hdd_Smart_CheckInterval type);
int SmartCheckInterval_Type2Sec(Hdd_Smart_CheckInterval type);

} // namespace config
