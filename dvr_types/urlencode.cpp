#include "urlencode.h"

namespace {

constexpr char LOWER_HEX[] = "0123456789abcdef";

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

// clang-format off
const char URLCHARTBL[256] = {
    0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   // 0x00
    0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   // 0x10
    0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   '-', '.', '/', // 0x20
    '0', '1', '2', '3', '4', '5', '6', '7', '8', '9', ':', 0,   0,   0,   0,   0,   // 0x30
    '@', 'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 'I', 'J', 'K', 'L', 'M', 'N', 'O', // 0x40
    'P', 'Q', 'R', 'S', 'T', 'U', 'V', 'W', 'X', 'Y', 'Z', 0,   '\\', 0,  0,   '_', // 0x50
    0,   'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h', 'i', 'j', 'k', 'l', 'm', 'n', 'o', // 0x60
    'p', 'q', 'r', 's', 't', 'u', 'v', 'w', 'x', 'y', 'z', 0,   0,   0,   0,   0,   // 0x70
    // 0x80 to 0xff: all escaped (zero-initialised)
};
// clang-format on

std::string urlencode(std::string_view bytes)
{
    std::string text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (URLCHARTBL[byte] != 0) {
            text += c;
        } else {
            text += '%';
            text += LOWER_HEX[byte >> 4];
            text += LOWER_HEX[byte & 0x0f];
        }
    }
    return text;
}

std::string urldecode(std::string_view text)
{
    text = text.substr(0, text.find('\0'));
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool escape = text[i] == '%' && i + 2 < text.size();
        const int high = escape ? hexValue(text[i + 1]) : -1;
        const int low = escape ? hexValue(text[i + 2]) : -1;
        if (high >= 0 && low >= 0) {
            bytes += static_cast<char>(high << 4 | low);
            i += 2;
        } else {
            bytes += text[i];
        }
    }
    return bytes;
}
