#include "hdd.h"

#include "TableLookup.h"
#include "dvr_types/KAssert.h"

namespace config {

namespace {

struct HddWriteModeRow {
    Hdd_WriteMode type;
    const char* text;
};

const HddWriteModeRow g_kHddWriteMode[] = {
    {Hdd::WRITE_ONCE, "ONCE"},
    {Hdd::WRITE_OVERWRITE, "OVERWRITE"},
};

struct SmartCheckIntervalRow {
    Hdd_Smart_CheckInterval type;
    const char* text;
    int seconds;
};

const SmartCheckIntervalRow g_kSmartCheckInterval[] = {
    {Hdd_Smart::INTERVAL_6HOURS, "6 hours", 21600},
    {Hdd_Smart::INTERVAL_12HOURS, "12 hours", 43200},
    {Hdd_Smart::INTERVAL_24HOURS, "24 hours", 86400},
};

} // namespace

const char* HddWriteMode_Index2String(int index)
{
    K_ASSERT(table::hasRow(g_kHddWriteMode, index), "sys_conf/types/hdd.cpp, config::HddWriteMode_Index2String");
    return g_kHddWriteMode[index].text;
}

Hdd_WriteMode HddWriteMode_Index2Type(int index)
{
    K_ASSERT(table::hasRow(g_kHddWriteMode, index), "sys_conf/types/hdd.cpp, config::HddWriteMode_Index2Type");
    return g_kHddWriteMode[index].type;
}

int HddWriteMode_Type2Index(const Hdd_WriteMode& type)
{
    const int row = table::findRow(g_kHddWriteMode, type);
    K_ASSERT(row >= 0, "sys_conf/types/hdd.cpp, config::HddWriteMode_Type2Index");
    return row;
}

Hdd_Smart_CheckInterval SmartCheckInterval_Index2Type(int index)
{
    K_ASSERT(
        table::hasRow(g_kSmartCheckInterval, index), "sys_conf/types/hdd.cpp, config::SmartCheckInterval_Index2Type");
    return g_kSmartCheckInterval[index].type;
}

const char* SmartCheckInterval_Index2String(int index)
{
    K_ASSERT(
        table::hasRow(g_kSmartCheckInterval, index), "sys_conf/types/hdd.cpp, config::SmartCheckInterval_Index2String");
    return g_kSmartCheckInterval[index].text;
}

int SmartCheckInterval_Type2Index(Hdd_Smart_CheckInterval type)
{
    const int row = table::findRow(g_kSmartCheckInterval, type);
    K_ASSERT(row >= 0, "sys_conf/types/hdd.cpp, config::SmartCheckInterval_Type2Index");
    return row;
}

int SmartCheckInterval_Type2Sec(Hdd_Smart_CheckInterval type)
{
    const int row = table::findRow(g_kSmartCheckInterval, type);
    K_ASSERT(row >= 0, "sys_conf/types/hdd.cpp, config::SmartCheckInterval_Type2Sec");
    return g_kSmartCheckInterval[row].seconds;
}

} // namespace config
