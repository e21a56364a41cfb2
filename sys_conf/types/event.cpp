#include "event.h"

#include "TableLookup.h"
#include "dvr_types/KAssert.h"

#include <limits>

namespace config {

namespace {

struct SensorTypeRow {
    Event_Sensor_Type type;
    const char* text;
};

const SensorTypeRow g_kSensorType[] = {
    {Event_Sensor::TYPE_NO, "NORMAL OPEN"},
    {Event_Sensor::TYPE_NC, "NORMAL CLOSE"},
};

struct PopDownTypeRow {
    Event_PopDownType type;
    const char* text;
    int seconds;
};

const PopDownTypeRow g_kPopDownType[] = {
    {Event::POP_DOWN_CONT, "CONT", std::numeric_limits<int>::max()},
    {Event::POP_DOWN_5SEC, "5 s", 5},
    {Event::POP_DOWN_10SEC, "10 s", 10},
    {Event::POP_DOWN_30SEC, "30 s", 30},
};

struct RelayKeepTimeRow {
    Event_Relay_KeepTime type;
    const char* text;
    int seconds;
};

const RelayKeepTimeRow g_kRelayKeepTime[] = {
    {Event_Relay::KEEP_NONE, "NONE", 0},
    {Event_Relay::KEEP_5SEC, "5 s", 5},
    {Event_Relay::KEEP_10SEC, "10 s", 10},
    {Event_Relay::KEEP_30SEC, "30 s", 30},
};

struct SendPeriodRow {
    Event_Email_SendPeriod type;
    const char* text;
    int minutes;
};

const SendPeriodRow g_kSendPeriod[] = {
    {Event_Email::SEND_PERIOD_NO, "NO", 0},
    {Event_Email::SEND_PERIOD_30MINS, "30 min", 30},
    {Event_Email::SEND_PERIOD_1HOUR, "1 hour", 60},
    {Event_Email::SEND_PERIOD_2HOURS, "2 hours", 120},
    {Event_Email::SEND_PERIOD_5HOURS, "5 hours", 300},
    {Event_Email::SEND_PERIOD_12HOURS, "12 hours", 720},
    {Event_Email::SEND_PERIOD_24HOURS, "24 hours", 1440},
    {Event_Email::SEND_PERIOD_2MINS_AFTER_EVENT, "2 min after event", 2},
};

struct PostAlarmRecordTimeRow {
    Event_PostRecord_Time type;
    const char* text;
    int seconds;
};

const PostAlarmRecordTimeRow g_kPostAlarmRecordTime[] = {
    {Event_PostRecord::TIME_NONE, "NONE", 0},
    {Event_PostRecord::TIME_10SEC, "10 s", 10},
    {Event_PostRecord::TIME_20SEC, "20 s", 20},
    {Event_PostRecord::TIME_30SEC, "30 s", 30},
    {Event_PostRecord::TIME_40SEC, "40 s", 40},
    {Event_PostRecord::TIME_50SEC, "50 s", 50},
    {Event_PostRecord::TIME_60SEC, "60 s", 60},
};

} // namespace

const char* SensorType_Index2String(int index)
{
    K_ASSERT(table::hasRow(g_kSensorType, index), "sys_conf/types/event.cpp, config::SensorType_Index2String");
    return g_kSensorType[index].text;
}

Event_Sensor_Type SensorType_Index2Type(int index)
{
    K_ASSERT(table::hasRow(g_kSensorType, index), "sys_conf/types/event.cpp, config::SensorType_Index2Type");
    return g_kSensorType[index].type;
}

int SensorType_Type2Index(const Event_Sensor_Type& type)
{
    const int row = table::findRow(g_kSensorType, type);
    K_ASSERT(row >= 0, "sys_conf/types/event.cpp, config::SensorType_Type2Index");
    return row;
}

Event_PopDownType PopDownType_Index2Type(int index)
{
    return table::hasRow(g_kPopDownType, index) ? g_kPopDownType[index].type : g_kPopDownType[0].type;
}

int PopDownType_Type2Index(Event_PopDownType type)
{
    const int row = table::findRow(g_kPopDownType, type);
    K_ASSERT(row >= 0, "sys_conf/types/event.cpp, config::PopDownType_Type2Index");
    return row;
}

const char* PopDownType_Index2String(int index)
{
    K_ASSERT(table::hasRow(g_kPopDownType, index), "sys_conf/types/event.cpp, config::PopDownType_Index2String");
    return g_kPopDownType[index].text;
}

int PopDownType_Type2Value(Event_PopDownType type)
{
    const int row = table::findRow(g_kPopDownType, type);
    K_ASSERT(row >= 0, "sys_conf/types/event.cpp, config::PopDownType_Type2Value");
    return g_kPopDownType[row].seconds;
}

const char* RelayKeepTime_Index2String(int index)
{
    K_ASSERT(table::hasRow(g_kRelayKeepTime, index), "sys_conf/types/event.cpp, config::RelayKeepTime_Index2String");
    return g_kRelayKeepTime[index].text;
}

int RelayKeepTime_Type2Index(const Event_Relay_KeepTime& type)
{
    const int row = table::findRow(g_kRelayKeepTime, type);
    K_ASSERT(row >= 0, "sys_conf/types/event.cpp, config::RelayKeepTime_Type2Index");
    return row;
}

const Event_Relay_KeepTime& RelayKeepTime_Index2Type(int index)
{
    K_ASSERT(table::hasRow(g_kRelayKeepTime, index), "sys_conf/types/event.cpp, config::RelayKeepTime_Index2Type");
    return g_kRelayKeepTime[index].type;
}

int RelayKeepTime_Type2Value(const Event_Relay_KeepTime& type)
{
    const int row = table::findRow(g_kRelayKeepTime, type);
    K_ASSERT(row >= 0, "sys_conf/types/event.cpp, config::RelayKeepTime_Type2Value");
    return g_kRelayKeepTime[row].seconds;
}

const char* SendPeriod_Index2String(int index)
{
    K_ASSERT(table::hasRow(g_kSendPeriod, index), "sys_conf/types/event.cpp, config::SendPeriod_Index2String");
    return g_kSendPeriod[index].text;
}

int SendPeriod_Type2Index(const Event_Email_SendPeriod& type)
{
    const int row = table::findRow(g_kSendPeriod, type);
    K_ASSERT(row >= 0, "sys_conf/types/event.cpp, config::SendPeriod_Type2Index");
    return row;
}

const Event_Email_SendPeriod& SendPeriod_Index2Type(int index)
{
    K_ASSERT(table::hasRow(g_kSendPeriod, index), "sys_conf/types/event.cpp, config::SendPeriod_Index2Type");
    return g_kSendPeriod[index].type;
}

int SendPeriod_Type2Minute(const Event_Email_SendPeriod& type)
{
    const int row = table::findRow(g_kSendPeriod, type);
    K_ASSERT(row >= 0, "sys_conf/types/event.cpp, config::SendPeriod_Type2Minute");
    return g_kSendPeriod[row].minutes;
}

const char* PostAlarmRecordTime_Index2String(int index)
{
    K_ASSERT(table::hasRow(g_kPostAlarmRecordTime, index),
        "sys_conf/types/event.cpp, config::PostAlarmRecordTime_Index2String");
    return g_kPostAlarmRecordTime[index].text;
}

int PostAlarmRecordTime_Type2Index(const Event_PostRecord_Time& type)
{
    const int row = table::findRow(g_kPostAlarmRecordTime, type);
    K_ASSERT(row >= 0, "sys_conf/types/event.cpp, config::PostAlarmRecordTime_Type2Index");
    return row;
}

const Event_PostRecord_Time& PostAlarmRecordTime_Index2Type(int index)
{
    K_ASSERT(table::hasRow(g_kPostAlarmRecordTime, index),
        "sys_conf/types/event.cpp, config::PostAlarmRecordTime_Index2Type");
    return g_kPostAlarmRecordTime[index].type;
}

int PostAlarmRecordTime_Type2Value(const Event_PostRecord_Time& type)
{
    const int row = table::findRow(g_kPostAlarmRecordTime, type);
    K_ASSERT(row >= 0, "sys_conf/types/event.cpp, config::PostAlarmRecordTime_Type2Value");
    return g_kPostAlarmRecordTime[row].seconds;
}

} // namespace config
