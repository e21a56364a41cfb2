#pragma once

#include "Common/CWholeFileWriter.h"

#include <optional>

// The three E-Map settings, as the setup dialog writes them and the map
// views and camera icons read them. A stored value that is no choice of the
// dialog (another program's, or edited by hand) reads as the first choice,
// so nothing outside a table is ever looked up or written back.
class CEMapSettings {
public:
    enum ImageSize { ADJUST = 0, ORIGINAL = 1 };

    // 0 off, 1 on: camera events open the camera's video window.
    static int popup();
    // The pop-down row 0 to 3 ("CONT", "5 s", "10 s", "30 s").
    static int popdown();
    static int imageSize();
    // How long a popped-up window stays open; 0: until it is closed.
    static int popdownMilliseconds();

    // The given ones, all or none, as the settings store saves them; the
    // system's reason when not Written. The others keep what the store holds
    // (another viewer may have saved them).
    static CWholeFileWriter::Result store(
        std::optional<int> popup, std::optional<int> popdown, std::optional<int> imageSize, QString* reason);
};
