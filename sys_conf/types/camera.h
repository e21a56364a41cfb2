#pragma once

#include "sys_conf/proto/camera.pb.h"

#include <cstdint>

// Combo-box rows of the camera settings: PTZ baud rates and models, sequence
// dwell times, spot monitor modes and sharpness levels, with their texts and
// units. A row index or value outside a table is a programming error and stops
// the program; the spot-mode lookups, whose rows depend on the DVR's reported
// channel count, are the exception (see below).
namespace config {

int BaudRate_MaxItemNum();
const char* BaudRate_Index2String(int index);
Camera_Ptz_BaudRate BaudRate_Index2Type(int index);
int BaudRate_Index2Value(int index);
int BaudRate_Type2Index(const Camera_Ptz_BaudRate& type);
int BaudRate_Type2Value(const Camera_Ptz_BaudRate& type);

int SeqTime_MaxItemNum();
const char* SeqTime_Index2String(int index);
Camera_SeqTime SeqTime_Index2Type(int index);
int SeqTime_Type2Index(const Camera_SeqTime& type);
std::int64_t SeqTime_Type2Value(const Camera_SeqTime& type);

// The spot-mode rows offered for 4, 8 or 16 channels; `single` offers only
// "Single" and "Sequence". The channel count and the stored mode come from the
// DVR, so these never stop the program for them: a channel count other than
// 4, 8 or 16 offers no rows (count 0, empty texts, MODE_SINGLE, row -1), and a
// mode the chosen rows do not offer maps to row 0. SpotMode_IsSupported tells
// the caller whether a mode has a row of its own.
int SpotMode_Count(bool single, int chNum);
Camera_Spot_Mode SpotMode_Index2Type(bool single, int chNum, int index);
const char* SpotMode_Index2String(bool single, int chNum, int index);
int SpotMode_Type2Index(bool single, int chNum, const Camera_Spot_Mode& mode);
bool SpotMode_IsSupported(bool single, int chNum, const Camera_Spot_Mode& mode);

const char* PtzDev_Index2String(int index);
Camera_Ptz_Model PtzDev_Index2Type(int index);
int PtzDev_Type2Index(const Camera_Ptz_Model& type);

int Sharpness_MaxItemNum();
Camera_Sharpness Sharpness_Index2Type(int index);
const char* Sharpness_Index2String(int index);
int Sharpness_Type2Index(const Camera_Sharpness& type);

} // namespace config
