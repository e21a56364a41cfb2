#include "base64.h"

#include "dvr_types/KAssert.h"

namespace {

constexpr char ALPHABET[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

int sixBits(char c)
{
    if (c >= 'A' && c <= 'Z')
        return c - 'A';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 26;
    if (c >= '0' && c <= '9')
        return c - '0' + 52;
    if (c == '+')
        return 62;
    if (c == '/')
        return 63;
    return -1;
}

} // namespace

std::string to64frombits(std::string_view bytes)
{
    std::string text;
    text.reserve((bytes.size() + 2) / 3 * 4);
    std::size_t i = 0;
    for (; i + 3 <= bytes.size(); i += 3) {
        const unsigned b0 = static_cast<unsigned char>(bytes[i]);
        const unsigned b1 = static_cast<unsigned char>(bytes[i + 1]);
        const unsigned b2 = static_cast<unsigned char>(bytes[i + 2]);
        text += ALPHABET[b0 >> 2];
        text += ALPHABET[(b0 & 3) << 4 | b1 >> 4];
        text += ALPHABET[(b1 & 15) << 2 | b2 >> 6];
        text += ALPHABET[b2 & 63];
    }
    const std::size_t rest = bytes.size() - i;
    if (rest > 0) {
        const unsigned b0 = static_cast<unsigned char>(bytes[i]);
        const unsigned b1 = rest > 1 ? static_cast<unsigned char>(bytes[i + 1]) : 0;
        text += ALPHABET[b0 >> 2];
        text += ALPHABET[(b0 & 3) << 4 | b1 >> 4];
        text += rest > 1 ? ALPHABET[(b1 & 15) << 2] : '=';
        text += '=';
    }
    return text;
}

int from64tobits(std::string_view text, std::string* bytes)
{
    K_ASSERT(bytes != NULL, "base64.cpp");
    bytes->clear();
    text = text.substr(0, text.find('\0'));
    if (text.substr(0, 2) == "+ ")
        text.remove_prefix(2);

    std::size_t at = 0;
    while (at < text.size() && text[at] != '\r') {
        if (text.size() - at < 4)
            return -1;
        const int c0 = sixBits(text[at]);
        const int c1 = sixBits(text[at + 1]);
        const char third = text[at + 2];
        const char fourth = text[at + 3];
        const int c2 = third == '=' ? 0 : sixBits(third);
        const int c3 = fourth == '=' ? 0 : sixBits(fourth);
        if (c0 < 0 || c1 < 0 || c2 < 0 || c3 < 0)
            return -1;

        *bytes += static_cast<char>(c0 << 2 | c1 >> 4);
        if (third != '=')
            *bytes += static_cast<char>((c1 & 15) << 4 | c2 >> 2);
        if (third != '=' && fourth != '=')
            *bytes += static_cast<char>((c2 & 3) << 6 | c3);
        at += 4;
        if (fourth == '=')
            break;
    }
    return 0;
}
