#pragma once

class TestDvr;

// Makes the test DVR keep the picture values it is sent, as a DVR does: a
// picture set (mode 20) changes the values a picture read (mode 19)
// answers with; DEFAULT puts the channel's five values to 8.
class TestDvrPictureSet {
public:
    static constexpr unsigned DEFAULT_VALUE = 8;

    static void install(TestDvr* dvr);
};
