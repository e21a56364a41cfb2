#pragma once

#include "dvr_protocol/Parser.h"

#include <cstddef>
#include <memory>

namespace cgi {

// Reassembles packets from a continuous DVR stream in one fixed receive
// buffer. The reader writes received bytes behind the held ones (writePos /
// writeSpace / commit, or append), then takes whole packets with nextPacket
// until it answers false; the buffer then keeps only what may still become a
// packet: an incomplete packet, or the last 3 bytes (a start marker split
// across two reads). A bad packet costs its 4 marker bytes and the scan goes
// on behind them. A packet that could never fit the buffer is treated as bad,
// so the stream always resynchronises and the buffer never jams.
//
// Not thread-safe: one streaming thread owns it.
class CPacketStream {
public:
    struct Packet {
        PayLoadHeader header; // as on the wire: header.length in the dialect's byte order
        const unsigned char* data;
        std::size_t size; // payload bytes, in host terms
    };

    static const std::size_t DEFAULT_CAPACITY = 0x500000;

    // swap: the length field is big-endian (old-protocol DVRs).
    explicit CPacketStream(bool swap, std::size_t capacity = DEFAULT_CAPACITY);

    unsigned char* writePos() { return m_buffer.get() + m_used; }
    std::size_t writeSpace() const { return m_capacity - m_used; }
    // count bytes were written at writePos().
    void commit(std::size_t count);
    // Copies as many bytes as fit and returns how many that were.
    std::size_t append(const unsigned char* bytes, std::size_t count);

    // The next whole packet. Its data stays valid until the next call of any
    // non-const member. False when none is left; the buffer is then compacted.
    bool nextPacket(Packet& packet);

    // Drops everything held, for a new connection.
    void clear();

    const unsigned char* data() const { return m_buffer.get(); }
    std::size_t size() const { return m_used; }
    std::size_t capacity() const { return m_capacity; }

private:
    void keepFrom(std::size_t offset);

    Parser m_parser;
    std::size_t m_capacity;
    std::unique_ptr<unsigned char[]> m_buffer;
    std::size_t m_used = 0;
    std::size_t m_scan = 0;
};

} // namespace cgi
