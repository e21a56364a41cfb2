#pragma once

#include "TestDvrContent.h"

// Information contents a DVR may really report that a viewer can get
// wrong, for both dialects: eight disks, one of them fuller than its total;
// an empty model name with a model number no table knows; PAL; Korean
// (EUC-KR) texts; a log line whose user holds "%3" and whose text holds
// markup.
class TestDvrInfoContent {
public:
    static constexpr int DISKS = 8;
    static constexpr int OVERFULL_DISK = 2; // index of the disk whose used space exceeds its total
    static constexpr quint32 UNKNOWN_MODEL = 999;

    static TestDvrContent unusual();
    // The Korean texts as they should be shown.
    static QString koreanUser();
    static QString koreanLog();
    static QString koreanVersion();
};
