#include "CPacketStream.h"

#include "dvr_types/KAssert.h"

#include <algorithm>
#include <cstring>

namespace cgi {

CPacketStream::CPacketStream(bool swap, std::size_t capacity)
    : m_parser(swap)
    , m_capacity(capacity)
    , m_buffer(new unsigned char[capacity])
{
    K_ASSERT(capacity >= Parser::HEADER_SIZE + Parser::ETX_SIZE, "dvr_protocol/CPacketStream");
}

void CPacketStream::commit(std::size_t count)
{
    K_ASSERT(count <= writeSpace(), "dvr_protocol/CPacketStream");
    m_used += count;
}

std::size_t CPacketStream::append(const unsigned char* bytes, std::size_t count)
{
    const std::size_t taken = std::min(count, writeSpace());
    if (taken > 0)
        std::memcpy(writePos(), bytes, taken);
    m_used += taken;
    return taken;
}

bool CPacketStream::nextPacket(Packet& packet)
{
    const unsigned char* const begin = m_buffer.get();
    const unsigned char* const end = begin + m_used;
    const std::size_t largest = m_capacity - Parser::HEADER_SIZE - Parser::ETX_SIZE;

    for (;;) {
        const unsigned char* stx;
        const unsigned char* etx;
        if (m_parser.FindPacket(begin + m_scan, end, stx, etx)) {
            packet.header = m_parser.GetPayLoad(stx);
            packet.data = m_parser.GetDataPoint(stx);
            packet.size = m_parser.GetDataSize(stx, etx);
            // The end marker is skipped by the next search for a start marker.
            m_scan = static_cast<std::size_t>(etx - begin);
            return true;
        }
        if (etx == Parser::BAD_PACKET) {
            // Bad packet: stx already stands behind its marker; search on.
            m_scan = static_cast<std::size_t>(stx - begin);
            continue;
        }
        if (stx == end) {
            // No start marker: keep what may be the front of a split one.
            const std::size_t tail = Parser::STX_SIZE - 1;
            keepFrom(m_used >= Parser::STX_SIZE ? std::max(m_scan, m_used - tail) : m_scan);
            return false;
        }
        const std::size_t at = static_cast<std::size_t>(stx - begin);
        if (m_used - at >= Parser::HEADER_SIZE && m_parser.ReadLength(stx) > largest) {
            // It can never be whole in this buffer: resynchronise behind it.
            m_scan = at + Parser::STX_SIZE;
            continue;
        }
        keepFrom(at);
        return false;
    }
}

void CPacketStream::clear()
{
    m_used = 0;
    m_scan = 0;
}

void CPacketStream::keepFrom(std::size_t offset)
{
    if (offset > 0)
        std::memmove(m_buffer.get(), m_buffer.get() + offset, m_used - offset);
    m_used -= offset;
    m_scan = 0;
}

} // namespace cgi
