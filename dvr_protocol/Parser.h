#pragma once

#include "dvr_protocol/PayLoadHeader.h"

#include <cstddef>

namespace cgi {

// Finds whole packets in a caller-owned byte range [b, e):
//   FB FB FB FC | client id | type | length (4) | payload | FB FB FB FD
// The length is big-endian from old-protocol DVRs, little-endian otherwise.
// Never copies, allocates or reads outside the range it is given.
class Parser {
public:
    static const std::size_t STX_SIZE = 4;
    static const std::size_t ETX_SIZE = 4;
    static const std::size_t HEADER_SIZE = STX_SIZE + sizeof(PayLoadHeader);
    static const std::uint32_t MAX_PAYLOAD = 0x2800000;
    static constexpr const unsigned char* BAD_PACKET = nullptr;

    explicit Parser(bool swap);
    virtual ~Parser();

    // The first start marker in [b, e), or e.
    const unsigned char* FindSTX(const unsigned char* b, const unsigned char* e) const;
    // For a start marker at stx: its end marker when the packet is whole and
    // sound, e while it is incomplete, BAD_PACKET (null) when it is bad. No
    // position outside [stx, e] is ever formed.
    const unsigned char* FindETX(const unsigned char* stx, const unsigned char* e) const;
    // The next whole packet in [b, e). On false: stx == etx == e when there is
    // no start marker; etx == e with stx at the start marker of an incomplete
    // packet; etx == BAD_PACKET with stx 4 bytes past the marker of a bad
    // packet.
    bool FindPacket(
        const unsigned char* b, const unsigned char* e, const unsigned char*& stx, const unsigned char*& etx) const;

    PayLoadHeader GetPayLoad(const unsigned char* stx) const;
    const unsigned char* GetDataPoint(const unsigned char* stx) const;
    std::size_t GetDataSize(const unsigned char* stx, const unsigned char* etx) const;

    // The payload length of the packet at stx in host order (10 bytes needed).
    std::uint32_t ReadLength(const unsigned char* stx) const;

private:
    bool m_swap;
};

} // namespace cgi
