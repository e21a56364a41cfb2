#include "system.h"

#include "TableLookup.h"
#include "dvr_types/KAssert.h"

#include <iterator>

namespace config {

namespace {

struct DateFormatRow {
    System_TimeDate_DateFormat type;
    const char* text;
};

const DateFormatRow g_kDateFormat[] = {
    {System_TimeDate::DATE_FORMAT_YYYYMMDD, "YYYY/MM/DD"},
    {System_TimeDate::DATE_FORMAT_DDMMYYYY, "DD/MM/YYYY"},
    {System_TimeDate::DATE_FORMAT_MMDDYYYY, "MM/DD/YYYY"},
};

struct TimeFormatRow {
    System_TimeDate_TimeFormat type;
    const char* text;
};

const TimeFormatRow g_kTimeFormat[] = {
    {System_TimeDate::TIME_FORMAT_24, "24"},
    {System_TimeDate::TIME_FORMAT_12, "12 AM/PM"},
};

struct VgaModeRow {
    System_Display_VgaMode type;
    const char* text;
    int width;
    int height;
};

const VgaModeRow g_kVgaMode[] = {
    {System_Display::VGA_1024x768, "1024x768", 1024, 768},
    {System_Display::VGA_1280x720, "1280x720", 1280, 720},
    {System_Display::VGA_1280x1024, "1280x1024", 1280, 1024},
    {System_Display::VGA_1440x900, "1440x900", 1440, 900},
    {System_Display::VGA_1920x1080, "1920x1080", 1920, 1080},
};

struct OsgPositionRow {
    System_Display_OsgPosition type;
    const char* text;
};

const OsgPositionRow g_kOsgPosition[] = {
    {System_Display::FOR_CVBS, "CVBS"},
    {System_Display::FOR_VGA, "VGA"},
};

// Language names as the DVR spells them.
const char* const g_kSysLang[]
    = {"english", "korean", "russian", "turkish", "norwegian", "german", "french", "chinese_tw"};

} // namespace

const char* DateFormat_Index2String(int index)
{
    K_ASSERT(table::hasRow(g_kDateFormat, index), "sys_conf/types/system.cpp, config::DateFormat_Index2String");
    return g_kDateFormat[index].text;
}

System_TimeDate_DateFormat DateFormat_Index2Type(int index)
{
    K_ASSERT(table::hasRow(g_kDateFormat, index), "sys_conf/types/system.cpp, config::DateFormat_Index2Type");
    return g_kDateFormat[index].type;
}

const char* TimeFormat_Index2String(int index)
{
    K_ASSERT(table::hasRow(g_kTimeFormat, index), "sys_conf/types/system.cpp, config::TimeFormat_Index2String");
    return g_kTimeFormat[index].text;
}

System_TimeDate_TimeFormat TimeFormat_Index2Type(int index)
{
    K_ASSERT(table::hasRow(g_kTimeFormat, index), "sys_conf/types/system.cpp, config::TimeFormat_Index2Type");
    return g_kTimeFormat[index].type;
}

std::size_t SysLang_Count()
{
    return std::size(g_kSysLang);
}

std::string SysLang_Index2String(std::size_t index)
{
    K_ASSERT(index < std::size(g_kSysLang), "sys_conf/types/system.cpp, config::SysLang_Index2String");
    return g_kSysLang[index];
}

const char* VgaMode_Index2String(int index)
{
    K_ASSERT(table::hasRow(g_kVgaMode, index), "sys_conf/types/system.cpp, config::VgaMode_Index2String");
    return g_kVgaMode[index].text;
}

int VgaMode_Type2Index(const System_Display_VgaMode& type)
{
    const int row = table::findRow(g_kVgaMode, type);
    K_ASSERT(row >= 0, "sys_conf/types/system.cpp, config::VgaMode_Type2Index");
    return row;
}

const System_Display_VgaMode& VgaMode_Index2Type(int index)
{
    K_ASSERT(table::hasRow(g_kVgaMode, index), "sys_conf/types/system.cpp, config::VgaMode_Index2Type");
    return g_kVgaMode[index].type;
}

int VgaMode_Type2Size(const System_Display_VgaMode& type, int* width, int* height)
{
    K_ASSERT(System_Display_VgaMode_IsValid(type), "sys_conf/types/system.cpp, config::VgaMode_Type2Size");
    const int row = table::findRow(g_kVgaMode, type);
    K_ASSERT(row >= 0, "sys_conf/types/system.cpp, config::VgaMode_Type2Size");
    if (width)
        *width = g_kVgaMode[row].width;
    if (height)
        *height = g_kVgaMode[row].height;
    return 0;
}

const char* OsgPosition_Index2String(int index)
{
    K_ASSERT(table::hasRow(g_kOsgPosition, index), "sys_conf/types/system.cpp, config::OsgPosition_Index2String");
    return g_kOsgPosition[index].text;
}

int OsgPosition_Type2Index(const System_Display_OsgPosition& type)
{
    const int row = table::findRow(g_kOsgPosition, type);
    K_ASSERT(row >= 0, "sys_conf/types/system.cpp, config::OsgPosition_Type2Index");
    return row;
}

const System_Display_OsgPosition& OsgPosition_Index2Type(int index)
{
    K_ASSERT(table::hasRow(g_kOsgPosition, index), "sys_conf/types/system.cpp, config::OsgPosition_Index2Type");
    return g_kOsgPosition[index].type;
}

} // namespace config
