#pragma once

#include <QString>

// Playback speed and direction code of a DVR stream: 0-8 forward at 2^n,
// 16-24 reverse at 2^n, 32 stop, 33 and 34 slow, 48-50 pause, 51 and 52 step.
typedef int PbMode;

bool PbMode_IsValid(int mode);
QString PbMode_Mode2String(PbMode mode);
// The power of two of the rate; 0 for every code that is not a plain speed.
int PbMode_Mode2Speed(PbMode mode);
bool PbMode_IsForwardMode(PbMode mode);
bool PbMode_IsReverseMode(PbMode mode);
bool PbMode_IsSlowMode(PbMode mode);
bool PbMode_IsPauseMode(PbMode mode);
bool PbMode_IsStepMode(PbMode mode);
// Whether going from b to a raises the speed; never across a pause.
bool PbMode_IsIncrease(PbMode a, PbMode b);
// 1 when the mode plays backward, 0 forward; a plain pause keeps the
// direction of the mode it paused.
int PbMode_Mode2Direction(PbMode mode, PbMode previous);
