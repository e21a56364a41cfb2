#pragma once

// Conversions between playback-mode codes and signed speed factors (positive
// forward, negative backward, 1 = real time). Local playback and the decode
// threads that pace it share this one table.
class CPlaybackSpeed {
public:
    // Codes 0-8 give 1 to 256, codes 16-24 give -1 to -256, 33 gives 0.25
    // and 34 gives 0.5; every other code gives 0 (no paced playback).
    static float PlayMode2Speed(int mode);

    // The code of an exactly matching speed; 32 (stop) for any other value.
    static int Speed2PlayMode(float speed);
};
