#pragma once

#include "sys_conf/proto/account.pb.h"

// Combo-box rows of the account settings: a user's network time-out and the
// automatic log-off wait time, each in enumeration order with its text and
// seconds. A row index or value outside a table is a programming error and
// stops the program.
namespace config {

const char* NetworkTimeout_Index2String(int index);
Account_NetworkTimeout NetworkTimeout_Index2Type(int index);
int NetworkTimeout_Type2Index(const Account_NetworkTimeout& type);
int NetworkTimeout_Type2Value(const Account_NetworkTimeout& type);

const char* WaitTime_Index2String(int index);
const Account_Logoff_WaitTime& WaitTime_Index2Type(int index);
int WaitTime_Type2Index(const Account_Logoff_WaitTime& type);
int WaitTime_Type2Value(const Account_Logoff_WaitTime& type);

} // namespace config
