#pragma once

#include "sys_conf/proto/event.pb.h"

// Combo-box rows of the event settings: sensor types, pop-down times, relay
// keep times, e-mail send periods and post-alarm recording times, with their
// texts and units. In every table row i holds enumeration value i.
//
// A row index or value outside a table is a programming error and stops the
// program, with one exception: PopDownType_Index2Type is also handed a row kept
// in the settings file, so a row outside the table gives POP_DOWN_CONT (row 0);
// config::Event_PopDownType_IsValid(row) tells the caller beforehand.
namespace config {

const char* SensorType_Index2String(int index);
Event_Sensor_Type SensorType_Index2Type(int index);
int SensorType_Type2Index(const Event_Sensor_Type& type);

Event_PopDownType PopDownType_Index2Type(int index);
int PopDownType_Type2Index(Event_PopDownType type);
const char* PopDownType_Index2String(int index);
// Seconds a pop-up stays; POP_DOWN_CONT gives the largest int: it stays.
int PopDownType_Type2Value(Event_PopDownType type);

const char* RelayKeepTime_Index2String(int index);
int RelayKeepTime_Type2Index(const Event_Relay_KeepTime& type);
const Event_Relay_KeepTime& RelayKeepTime_Index2Type(int index);
int RelayKeepTime_Type2Value(const Event_Relay_KeepTime& type);

const char* SendPeriod_Index2String(int index);
int SendPeriod_Type2Index(const Event_Email_SendPeriod& type);
const Event_Email_SendPeriod& SendPeriod_Index2Type(int index);
int SendPeriod_Type2Minute(const Event_Email_SendPeriod& type);

const char* PostAlarmRecordTime_Index2String(int index);
int PostAlarmRecordTime_Type2Index(const Event_PostRecord_Time& type);
const Event_PostRecord_Time& PostAlarmRecordTime_Index2Type(int index);
int PostAlarmRecordTime_Type2Value(const Event_PostRecord_Time& type);

} // namespace config
