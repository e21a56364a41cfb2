#pragma once

// Helpers over channel masks: bit n stands for DVR channel n; only bits 0 to
// 15 carry channels. Stateless; callable from any thread.
class CChannelNum {
public:
    // The position of channel ch among the set bits 0 to 15 (the screen of a
    // DVR's block that shows it). When bit ch is clear, or ch lies outside 0
    // to 15: the number of set bits minus one; an empty mask gives -1.
    static int getIndexCount(unsigned long long mask, int ch);
    // Bit ch of the mask; false for ch outside 0 to 63.
    static bool isEnabled(unsigned long long mask, int ch);
};
