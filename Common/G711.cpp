#include "G711.h"

namespace {

constexpr int kSignBit = 0x80;
constexpr int kQuantMask = 0x0F;
constexpr int kSegShift = 4;
constexpr int kSegMask = 0x70;
constexpr int kUlawBias = 0x84;
constexpr int kUlawClip = 8159;

const short kAlawSegmentEnds[8] = {0x1F, 0x3F, 0x7F, 0xFF, 0x1FF, 0x3FF, 0x7FF, 0xFFF};
const short kUlawSegmentEnds[8] = {0x3F, 0x7F, 0xFF, 0x1FF, 0x3FF, 0x7FF, 0xFFF, 0x1FFF};

int segment(int value, const short* ends)
{
    int i = 0;
    while (i < 8 && value > ends[i])
        ++i;
    return i;
}

} // namespace

int alaw2linear(unsigned char alaw)
{
    const int value = alaw ^ 0x55;
    int t = (value & kQuantMask) << 4;
    const int seg = (value & kSegMask) >> kSegShift;
    if (seg == 0)
        t += 8;
    else if (seg == 1)
        t += 0x108;
    else
        t = (t + 0x108) << (seg - 1);
    return (value & kSignBit) ? t : -t;
}

unsigned char linear2alaw(int pcm)
{
    int value = pcm >> 3;
    int mask = 0xD5;
    if (value < 0) {
        mask = 0x55;
        value = -value - 1;
    }
    const int seg = segment(value, kAlawSegmentEnds);
    if (seg >= 8)
        return static_cast<unsigned char>(0x7F ^ mask);
    int code = seg << kSegShift;
    code |= seg < 2 ? (value >> 1) & kQuantMask : (value >> seg) & kQuantMask;
    return static_cast<unsigned char>(code ^ mask);
}

int ulaw2linear(unsigned char ulaw)
{
    const int value = ~ulaw & 0xFF;
    const int t = (((value & kQuantMask) << 3) + kUlawBias) << ((value & kSegMask) >> kSegShift);
    return (value & kSignBit) ? kUlawBias - t : t - kUlawBias;
}

unsigned char linear2ulaw(int pcm)
{
    int value = pcm >> 2;
    int mask = 0xFF;
    if (value < 0) {
        value = -value;
        mask = 0x7F;
    }
    if (value > kUlawClip)
        value = kUlawClip;
    value += kUlawBias >> 2;
    const int seg = segment(value, kUlawSegmentEnds);
    if (seg >= 8)
        return static_cast<unsigned char>(0x7F ^ mask);
    const int code = (seg << 4) | ((value >> (seg + 1)) & 0xF);
    return static_cast<unsigned char>(code ^ mask);
}
