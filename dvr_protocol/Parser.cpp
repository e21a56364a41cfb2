#include "Parser.h"

#include "dvr_types/KAssert.h"

#include <cstring>

namespace cgi {

namespace {

const unsigned char STX[Parser::STX_SIZE] = {0xFB, 0xFB, 0xFB, 0xFC};
const unsigned char ETX[Parser::ETX_SIZE] = {0xFB, 0xFB, 0xFB, 0xFD};

} // namespace

Parser::Parser(bool swap)
    : m_swap(swap)
{
}

Parser::~Parser() = default;

const unsigned char* Parser::FindSTX(const unsigned char* b, const unsigned char* e) const
{
    // The marker ends in the only byte of it that is not FB: look for that
    // byte with memchr, which runs at memory speed, then check the three
    // bytes before it.
    if (e - b < static_cast<std::ptrdiff_t>(STX_SIZE))
        return e;
    const unsigned char* p = b + (STX_SIZE - 1);
    while (p < e) {
        const void* hit = std::memchr(p, STX[STX_SIZE - 1], static_cast<std::size_t>(e - p));
        if (!hit)
            return e;
        const unsigned char* last = static_cast<const unsigned char*>(hit);
        const unsigned char* start = last - (STX_SIZE - 1);
        if (std::memcmp(start, STX, STX_SIZE - 1) == 0)
            return start;
        p = last + 1;
    }
    return e;
}

std::uint32_t Parser::ReadLength(const unsigned char* stx) const
{
    const unsigned char* f = stx + 6;
    if (m_swap)
        return std::uint32_t(f[0]) << 24 | std::uint32_t(f[1]) << 16 | std::uint32_t(f[2]) << 8 | f[3];
    return std::uint32_t(f[3]) << 24 | std::uint32_t(f[2]) << 16 | std::uint32_t(f[1]) << 8 | f[0];
}

const unsigned char* Parser::FindETX(const unsigned char* stx, const unsigned char* e) const
{
    const unsigned char* ebuf = e;
    K_ASSERT(stx == FindSTX(stx, ebuf), "dvr_protocol/parser");

    const std::size_t n = static_cast<std::size_t>(e - stx);
    if (n < HEADER_SIZE + ETX_SIZE)
        return e;
    const std::uint32_t length = ReadLength(stx);
    if (length > MAX_PAYLOAD)
        return BAD_PACKET;
    if (n < std::size_t(length) + HEADER_SIZE + ETX_SIZE)
        return e;
    const unsigned char* etx = stx + HEADER_SIZE + length;
    if (std::memcmp(etx, ETX, ETX_SIZE) != 0)
        return BAD_PACKET;
    return etx;
}

bool Parser::FindPacket(
    const unsigned char* b, const unsigned char* e, const unsigned char*& stx, const unsigned char*& etx) const
{
    stx = FindSTX(b, e);
    if (stx == e) {
        etx = e;
        return false;
    }
    etx = FindETX(stx, e);
    if (etx == e)
        return false;
    if (etx == BAD_PACKET) {
        stx += STX_SIZE;
        return false;
    }
    return true;
}

PayLoadHeader Parser::GetPayLoad(const unsigned char* stx) const
{
    K_ASSERT(stx == FindSTX(stx, &stx[STX_SIZE]), "dvr_protocol/parser");
    PayLoadHeader header;
    std::memcpy(&header, stx + STX_SIZE, sizeof header);
    return header;
}

const unsigned char* Parser::GetDataPoint(const unsigned char* stx) const
{
    return stx + HEADER_SIZE;
}

std::size_t Parser::GetDataSize(const unsigned char* stx, const unsigned char* etx) const
{
    return static_cast<std::size_t>(etx - stx) - HEADER_SIZE;
}

} // namespace cgi
