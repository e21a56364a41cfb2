#pragma once

#include "sys_conf/proto/record.pb.h"

#include <cstddef>
#include <cstdint>

// Rows, texts, picture sizes, schedule numbers and times of the recording
// settings. An index or value outside a table is a programming error and stops
// the program, except where a function below says otherwise.
namespace config {

// Picture sizes per video standard: ntsc is true for an NTSC DVR (vtype 0).
const char* Resolution_Index2String(bool ntsc, int index);
const char* Resolution_Type2String(bool ntsc, const Resolution& type);
// Writes the width and height through the pointers that are not null; returns 0.
int Resolution_Type2Size(bool ntsc, const Resolution& type, int* width, int* height);
int Resolution_Type2Index(const Resolution& type);
const Resolution& Resolution_Index2Type(int index);

const char* Quality_Index2String(int index);
const Quality& Quality_Index2Type(int index);

// Record modes offered for a DVR model: a model without sensors (sensors 0)
// has no SENSOR and MOTION+SENSOR rows. A channel or schedule hour read from a
// DVR may hold a mode its model does not offer; RecordMode_IsSupported tells,
// RecordMode_Type2Index then gives row 0 (MANUAL) and
// RecordMode_Type2ScheduleNum -1, and RecordMode_Next_In_Schedule restarts the
// cycle at MANUAL. Only values outside the enumeration stop the program.
int RecordMode_Count(std::size_t sensors);
bool RecordMode_IsSupported(std::size_t sensors, const RecordMode& mode);
const char* RecordMode_Index2String(std::size_t sensors, int index, bool shortText);
const RecordMode& RecordMode_Index2Type(std::size_t sensors, int index);
int RecordMode_Type2Index(std::size_t sensors, const RecordMode& mode);
int RecordMode_Type2ScheduleNum(std::size_t sensors, const RecordMode& mode);
RecordMode RecordMode_Next_In_Schedule(const RecordMode& mode);
bool RecordMode_IsMotion(const RecordMode& mode);
bool RecordMode_IsSensor(const RecordMode& mode);
bool RecordMode_IsContinuous(const RecordMode& mode);
bool RecordMode_IsSchedule(const RecordMode& mode);

// Playback start points; the lookups by value never stop the program: a value
// outside the table gives row 0 and its 120 seconds.
const char* PlayStart_Index2String(int index);
const char* PlayStart_Type2String(const Record_Playback_Start& type);
Record_Playback_Start PlayStart_Index2Type(int index);
int PlayStart_Type2Index(const Record_Playback_Start& type);
std::int64_t PlayStart_Type2Value(const Record_Playback_Start& type);

} // namespace config
