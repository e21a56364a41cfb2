#pragma once

#include <cstdint>

namespace cgi {

#pragma pack(push, 1)
// The packet header behind the start marker, as it stands in the stream:
// `length` keeps the byte order of the dialect (big-endian for old-protocol
// DVRs); packet readers take the payload size from Parser::GetDataSize.
struct PayLoadHeader {
    std::uint8_t id;
    std::uint8_t type;
    std::uint32_t length;
};
#pragma pack(pop)

static_assert(sizeof(PayLoadHeader) == 6, "the packet header is 6 bytes on the wire");

} // namespace cgi
