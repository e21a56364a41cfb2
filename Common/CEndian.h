#pragma once

#include <cstdint>

// Full byte reversal of 2, 4 and 8 byte values.
class CEndian {
public:
    static std::uint16_t byteswap16(std::uint16_t v) { return static_cast<std::uint16_t>(v << 8 | v >> 8); }

    static std::uint32_t byteswap32(std::uint32_t v)
    {
        return (v << 24) | ((v << 8) & 0x00FF0000u) | ((v >> 8) & 0x0000FF00u) | (v >> 24);
    }

    static std::uint64_t byteswap64(std::uint64_t v)
    {
        return (std::uint64_t(byteswap32(static_cast<std::uint32_t>(v))) << 32)
            | byteswap32(static_cast<std::uint32_t>(v >> 32));
    }
};
