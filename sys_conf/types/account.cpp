#include "account.h"

#include "TableLookup.h"
#include "dvr_types/KAssert.h"

namespace config {
namespace {

struct NetworkTimeoutRow {
    Account_NetworkTimeout type;
    const char* text;
    int seconds;
};

const NetworkTimeoutRow g_kNetworkTimeout[] = {
    {Account::NETWORK_TIMEOUT_OFF, "Off", 0},
    {Account::NETWORK_TIMEOUT_1MIN, "1 min", 60},
    {Account::NETWORK_TIMEOUT_5MINS, "5 min", 300},
    {Account::NETWORK_TIMEOUT_15MINS, "15 min", 900},
    {Account::NETWORK_TIMEOUT_30MINS, "30 min", 1800},
    {Account::NETWORK_TIMEOUT_1HOUR, "1 hour", 3600},
};

struct WaitTimeRow {
    Account_Logoff_WaitTime type;
    const char* text;
    int seconds;
};

const WaitTimeRow g_kWaitTime[] = {
    {Account_Logoff::WAIT_TIME_30SEC, "30 s", 30},
    {Account_Logoff::WAIT_TIME_1MIN, "1 min", 60},
    {Account_Logoff::WAIT_TIME_3MIN, "3 min", 180},
    {Account_Logoff::WAIT_TIME_5MIN, "5 min", 300},
    {Account_Logoff::WAIT_TIME_10MIN, "10 min", 600},
};

} // namespace

const char* NetworkTimeout_Index2String(int index)
{
    K_ASSERT(
        table::hasRow(g_kNetworkTimeout, index), "sys_conf/types/account.cpp, config::NetworkTimeout_Index2String");
    return g_kNetworkTimeout[index].text;
}

Account_NetworkTimeout NetworkTimeout_Index2Type(int index)
{
    K_ASSERT(table::hasRow(g_kNetworkTimeout, index), "sys_conf/types/account.cpp, config::NetworkTimeout_Index2Type");
    return g_kNetworkTimeout[index].type;
}

int NetworkTimeout_Type2Index(const Account_NetworkTimeout& type)
{
    const int row = table::findRow(g_kNetworkTimeout, type);
    K_ASSERT(row >= 0, "sys_conf/types/account.cpp, config::NetworkTimeout_Type2Index");
    return row;
}

int NetworkTimeout_Type2Value(const Account_NetworkTimeout& type)
{
    const int row = table::findRow(g_kNetworkTimeout, type);
    K_ASSERT(row >= 0, "sys_conf/types/account.cpp, config::NetworkTimeout_Type2Value");
    return g_kNetworkTimeout[row].seconds;
}

const char* WaitTime_Index2String(int index)
{
    K_ASSERT(table::hasRow(g_kWaitTime, index), "sys_conf/types/account.cpp, config::WaitTime_Index2String");
    return g_kWaitTime[index].text;
}

const Account_Logoff_WaitTime& WaitTime_Index2Type(int index)
{
    K_ASSERT(table::hasRow(g_kWaitTime, index), "sys_conf/types/account.cpp, config::WaitTime_Index2Type");
    return g_kWaitTime[index].type;
}

int WaitTime_Type2Index(const Account_Logoff_WaitTime& type)
{
    const int row = table::findRow(g_kWaitTime, type);
    K_ASSERT(row >= 0, "sys_conf/types/account.cpp, config::WaitTime_Type2Index");
    return row;
}

int WaitTime_Type2Value(const Account_Logoff_WaitTime& type)
{
    const int row = table::findRow(g_kWaitTime, type);
    K_ASSERT(row >= 0, "sys_conf/types/account.cpp, config::WaitTime_Type2Value");
    return g_kWaitTime[row].seconds;
}

} // namespace config
