#include "record.h"

#include "TableLookup.h"
#include "dvr_types/KAssert.h"

#include <iterator>

namespace config {

namespace {

struct ResolutionRow {
    Resolution type;
    const char* ntscText;
    const char* palText;
    int width;
    int ntscHeight;
    int palHeight;
};

const ResolutionRow g_kResolution[] = {
    {RESOLUTION_CIF, "352x240", "352x288", 352, 240, 288},
    {RESOLUTION_HALF_D1, "704x240", "704x288", 704, 240, 288},
    {RESOLUTION_D1, "704x480", "704x576", 704, 480, 576},
    // The DVR encodes the 960-pixel class 928 pixels wide.
    {RESOLUTION_960H, "960x480", "960x576", 928, 480, 576},
};

struct QualityRow {
    Quality type;
    const char* text;
};

const QualityRow g_kQuality[] = {
    {QUALITY_LOW, "LOW"},
    {QUALITY_MEDIUM, "MEDIUM"},
    {QUALITY_HIGH, "HIGH"},
    {QUALITY_SUPER, "SUPER"},
};

struct RecordModeRow {
    RecordMode type;
    const char* text;
    const char* shortText;
    int scheduleNum;
};

const RecordModeRow g_kRecordMode[] = {
    {RECORD_MANUAL, "MANUAL", nullptr, -1},
    {RECORD_CONTINUOUS, "CONTINUOUS", nullptr, -1},
    {RECORD_MOTION, "MOTION", nullptr, -1},
    {RECORD_SENSOR, "SENSOR", nullptr, -1},
    {RECORD_MOTION_SENSOR, "MOTION+SENSOR", "MOT+SEN", -1},
    {RECORD_CONTINUOUS_EVENT, "CONTINUOUS+EVENT", "CONT+EVENT", -1},
    {RECORD_SCHEDULE_1, "SCHEDULE 1", nullptr, 0},
    {RECORD_SCHEDULE_2, "SCHEDULE 2", nullptr, 1},
    {RECORD_SCHEDULE_3, "SCHEDULE 3", nullptr, 2},
    {RECORD_SCHEDULE_4, "SCHEDULE 4", nullptr, 3},
};

const RecordModeRow g_kRecordMode_NoSensor[] = {
    {RECORD_MANUAL, "MANUAL", nullptr, -1},
    {RECORD_CONTINUOUS, "CONTINUOUS", nullptr, -1},
    {RECORD_MOTION, "MOTION", nullptr, -1},
    {RECORD_CONTINUOUS_EVENT, "CONTINUOUS+EVENT", "CONT+EVENT", -1},
    {RECORD_SCHEDULE_1, "SCHEDULE 1", nullptr, 0},
    {RECORD_SCHEDULE_2, "SCHEDULE 2", nullptr, 1},
    {RECORD_SCHEDULE_3, "SCHEDULE 3", nullptr, 2},
    {RECORD_SCHEDULE_4, "SCHEDULE 4", nullptr, 3},
};

// The record-mode rows offered for a model with this many sensors.
struct RecordModeRows {
    const RecordModeRow* rows;
    int count;

    bool hasRow(int index) const { return static_cast<unsigned>(index) < static_cast<unsigned>(count); }

    int find(RecordMode mode) const
    {
        for (int row = 0; row < count; ++row) {
            if (rows[row].type == mode)
                return row;
        }
        return -1;
    }
};

RecordModeRows recordModeRows(std::size_t sensors)
{
    if (sensors == 0)
        return {g_kRecordMode_NoSensor, static_cast<int>(std::size(g_kRecordMode_NoSensor))};
    return {g_kRecordMode, static_cast<int>(std::size(g_kRecordMode))};
}

struct PS_DATA {
    Record_Playback_Start ps;
    const char* text;
    std::int64_t seconds;
};

const PS_DATA g_kPlayStart[] = {
    {Record_Playback::START_2MINS, "2 minutes ago", 120},
    {Record_Playback::START_10MINS, "10 minutes ago", 600},
    {Record_Playback::START_1HOUR, "1 hour ago", 3600},
    {Record_Playback::START_6HOURS, "6 hours ago", 21600},
    {Record_Playback::START_1DAY, "1 day ago", 86400},
    // 7300 days: 20 years of 365 days, "from the first recording".
    {Record_Playback::START_FIRST, "First Data", 630720000},
};

int playStartRow(Record_Playback_Start type)
{
    for (std::size_t row = 0; row < std::size(g_kPlayStart); ++row) {
        if (g_kPlayStart[row].ps == type)
            return static_cast<int>(row);
    }
    return -1;
}

} // namespace

const char* Resolution_Index2String(bool ntsc, int index)
{
    K_ASSERT(table::hasRow(g_kResolution, index), "sys_conf/types/record.cpp, config::Resolution_Index2String");
    return ntsc ? g_kResolution[index].ntscText : g_kResolution[index].palText;
}

const char* Resolution_Type2String(bool ntsc, const Resolution& type)
{
    const int row = table::findRow(g_kResolution, type);
    K_ASSERT(row >= 0, "sys_conf/types/record.cpp, config::Resolution_Type2String");
    return ntsc ? g_kResolution[row].ntscText : g_kResolution[row].palText;
}

int Resolution_Type2Size(bool ntsc, const Resolution& type, int* width, int* height)
{
    const int row = table::findRow(g_kResolution, type);
    K_ASSERT(row >= 0, "sys_conf/types/record.cpp, config::Resolution_Type2Size");
    if (width)
        *width = g_kResolution[row].width;
    if (height)
        *height = ntsc ? g_kResolution[row].ntscHeight : g_kResolution[row].palHeight;
    return 0;
}

int Resolution_Type2Index(const Resolution& type)
{
    const int row = table::findRow(g_kResolution, type);
    K_ASSERT(row >= 0, "sys_conf/types/record.cpp, config::Resolution_Type2Index");
    return row;
}

const Resolution& Resolution_Index2Type(int index)
{
    K_ASSERT(table::hasRow(g_kResolution, index), "sys_conf/types/record.cpp, config::Resolution_Index2Type");
    return g_kResolution[index].type;
}

const char* Quality_Index2String(int index)
{
    K_ASSERT(table::hasRow(g_kQuality, index), "sys_conf/types/record.cpp, config::Quality_Index2String");
    return g_kQuality[index].text;
}

const Quality& Quality_Index2Type(int index)
{
    K_ASSERT(table::hasRow(g_kQuality, index), "sys_conf/types/record.cpp, config::Quality_Index2Type");
    return g_kQuality[index].type;
}

int RecordMode_Count(std::size_t sensors)
{
    return recordModeRows(sensors).count;
}

bool RecordMode_IsSupported(std::size_t sensors, const RecordMode& mode)
{
    return recordModeRows(sensors).find(mode) >= 0;
}

const char* RecordMode_Index2String(std::size_t sensors, int index, bool shortText)
{
    const RecordModeRows rows = recordModeRows(sensors);
    K_ASSERT(rows.hasRow(index), "sys_conf/types/record.cpp, config::RecordMode_Index2String");
    const RecordModeRow& row = rows.rows[index];
    return shortText && row.shortText ? row.shortText : row.text;
}

const RecordMode& RecordMode_Index2Type(std::size_t sensors, int index)
{
    const RecordModeRows rows = recordModeRows(sensors);
    K_ASSERT(rows.hasRow(index), "sys_conf/types/record.cpp, config::RecordMode_Index2Type");
    return rows.rows[index].type;
}

int RecordMode_Type2Index(std::size_t sensors, const RecordMode& mode)
{
    K_ASSERT(RecordMode_IsValid(mode), "sys_conf/types/record.cpp, config::RecordMode_Type2Index");
    const int row = recordModeRows(sensors).find(mode);
    return row >= 0 ? row : 0;
}

int RecordMode_Type2ScheduleNum(std::size_t sensors, const RecordMode& mode)
{
    K_ASSERT(RecordMode_IsValid(mode), "sys_conf/types/record.cpp, config::RecordMode_Type2ScheduleNum");
    const RecordModeRows rows = recordModeRows(sensors);
    const int row = rows.find(mode);
    return row >= 0 ? rows.rows[row].scheduleNum : -1;
}

RecordMode RecordMode_Next_In_Schedule(const RecordMode& mode)
{
    K_ASSERT(RecordMode_IsValid(mode), "sys_conf/types/record.cpp, config::RecordMode_Next_In_Schedule");
    switch (mode) {
    case RECORD_MANUAL:
        return RECORD_CONTINUOUS;
    case RECORD_CONTINUOUS:
        return RECORD_MOTION;
    case RECORD_MOTION:
        return RECORD_CONTINUOUS_EVENT;
    default:
        // The cycle never offers the sensor modes; they, the last step and the
        // schedule modes all start it again.
        return RECORD_MANUAL;
    }
}

bool RecordMode_IsMotion(const RecordMode& mode)
{
    return mode == RECORD_MOTION || mode == RECORD_MOTION_SENSOR || mode == RECORD_CONTINUOUS_EVENT;
}

bool RecordMode_IsSensor(const RecordMode& mode)
{
    return mode == RECORD_SENSOR || mode == RECORD_MOTION_SENSOR || mode == RECORD_CONTINUOUS_EVENT;
}

bool RecordMode_IsContinuous(const RecordMode& mode)
{
    return mode == RECORD_CONTINUOUS || mode == RECORD_CONTINUOUS_EVENT;
}

bool RecordMode_IsSchedule(const RecordMode& mode)
{
    K_ASSERT(RecordMode_IsValid(mode), "sys_conf/types/record.cpp, config::RecordMode_IsSchedule");
    return mode >= RECORD_SCHEDULE_1;
}

const char* PlayStart_Index2String(int index)
{
    K_ASSERT(table::hasRow(g_kPlayStart, index) && g_kPlayStart[index].ps == index,
        "sys_conf/types/record.cpp, config::PlayStart_Index2String");
    return g_kPlayStart[index].text;
}

const char* PlayStart_Type2String(const Record_Playback_Start& type)
{
    const int row = playStartRow(type);
    K_ASSERT(row >= 0, "sys_conf/types/record.cpp, config::PlayStart_Type2String");
    return g_kPlayStart[row].text;
}

Record_Playback_Start PlayStart_Index2Type(int index)
{
    K_ASSERT(table::hasRow(g_kPlayStart, index) && g_kPlayStart[index].ps == index,
        "sys_conf/types/record.cpp, config::PlayStart_Index2Type");
    return g_kPlayStart[index].ps;
}

int PlayStart_Type2Index(const Record_Playback_Start& type)
{
    const int row = playStartRow(type);
    return row >= 0 ? row : 0;
}

std::int64_t PlayStart_Type2Value(const Record_Playback_Start& type)
{
    return g_kPlayStart[PlayStart_Type2Index(type)].seconds;
}

} // namespace config
