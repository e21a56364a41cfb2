#pragma once

#include "sys_conf/proto/system.pb.h"

#include <cstddef>
#include <string>

// Combo-box rows of the system settings: date and time formats, VGA modes with
// their picture sizes, on-screen graphics positions, and the DVR language
// names. A row index or value outside a table is a programming error and stops
// the program.
namespace config {

const char* DateFormat_Index2String(int index);
System_TimeDate_DateFormat DateFormat_Index2Type(int index);

const char* TimeFormat_Index2String(int index);
System_TimeDate_TimeFormat TimeFormat_Index2Type(int index);

std::size_t SysLang_Count();
std::string SysLang_Index2String(std::size_t index);

const char* VgaMode_Index2String(int index);
int VgaMode_Type2Index(const System_Display_VgaMode& type);
const System_Display_VgaMode& VgaMode_Index2Type(int index);
// Writes the width and height through the pointers that are not null; returns 0.
int VgaMode_Type2Size(const System_Display_VgaMode& type, int* width, int* height);

const char* OsgPosition_Index2String(int index);
int OsgPosition_Type2Index(const System_Display_OsgPosition& type);
const System_Display_OsgPosition& OsgPosition_Index2Type(int index);

} // namespace config
