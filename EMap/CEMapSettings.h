#pragma once

// The three E-Map settings, as the setup dialog and the map views and
// camera icons read them. A stored value that is no choice of the
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
};
