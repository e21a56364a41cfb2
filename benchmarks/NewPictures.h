#pragma once

#include "Display/CDisplayInfo.h"

#include <algorithm>
#include <array>
#include <cstdint>

// Which tiles of the wall show a picture at this redraw that they did not
// show at the last one. A picture is known by its pixels and its frame's
// length: the decoder reuses its buffers, but not with a frame of the same
// length straight after.
template <int Tiles> class NewPictures {
public:
    // Called for every tile at every redraw.
    bool isNew(int tile, const CDisplayInfo& info)
    {
        const Shown shown{info.picture.isNull() ? info.image.constBits() : info.picture.data(0), info.length};
        Shown& last = m_shown[std::size_t(tile)];
        if (shown.pixels == nullptr || (shown.pixels == last.pixels && shown.length == last.length))
            return false;
        last = shown;
        return true;
    }
    // Tiles that showed a picture at any redraw.
    int tilesShown() const
    {
        return int(std::count_if(m_shown.begin(), m_shown.end(), [](const Shown& s) { return s.pixels != nullptr; }));
    }

private:
    struct Shown {
        const void* pixels = nullptr;
        uint32_t length = 0;
    };
    std::array<Shown, Tiles> m_shown{};
};
