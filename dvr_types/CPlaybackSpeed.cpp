#include "CPlaybackSpeed.h"

namespace {

constexpr int kCodes = 35;
constexpr int kStopCode = 32;

constexpr float kSpeeds[kCodes] = {1, 2, 4, 8, 16, 32, 64, 128, 256, // 0-8: forward
    0, 0, 0, 0, 0, 0, 0, // 9-15
    -1, -2, -4, -8, -16, -32, -64, -128, -256, // 16-24: backward
    0, 0, 0, 0, 0, 0, 0, 0, // 25-32
    0.25f, 0.5f}; // 33-34: slow

} // namespace

float CPlaybackSpeed::PlayMode2Speed(int mode)
{
    return mode >= 0 && mode < kCodes ? kSpeeds[mode] : 0.0f;
}

int CPlaybackSpeed::Speed2PlayMode(float speed)
{
    if (speed == 0.0f)
        return kStopCode;
    for (int mode = 0; mode < kCodes; ++mode) {
        if (kSpeeds[mode] == speed)
            return mode;
    }
    return kStopCode;
}
