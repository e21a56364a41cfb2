#pragma once

#include <QString>

// Enumerations carried in DVR streams and frame headers, with their validity
// tests: values read from a DVR are checked with these before use.

typedef int VideoType; // 0 NTSC, 1 PAL
typedef int KCodecType; // codec kinds of the stream defaults: 0, 1, 3
typedef int NetworkStream; // network stream codec: only 1 (H264) is valid
typedef int FrameType; // 0 I frame, 1 other video frame, 3 frame with the longer header
typedef int RecordReason; // per-channel record kind, 0 to 3

bool VideoType_IsValid(int value);
bool KCodecType_IsValid(int value);
bool NetworkStream_IsValid(int value);
bool FrameType_IsValid(int value);
bool RecordReason_IsValid(int value);

// "JPEG" for 0 and "H264" for 1 (although only 1 is a valid stream), else empty.
QString NetworkStream_Index2String(int value);

// The newer reason replaces the older one.
RecordReason RecordReason_Update(RecordReason oldReason, RecordReason newReason);
