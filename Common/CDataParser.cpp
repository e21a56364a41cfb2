#include "CDataParser.h"

CDataParser::CDataParser(bool oldProtocol)
    : m_parser(oldProtocol)
    , m_header{0, 0, 0}
{
}

void CDataParser::clear()
{
    m_buffer.clear();
    m_read = 0;
}

bool CDataParser::setReceivedData(const char* data, unsigned length)
{
    m_result.clear();
    // What earlier calls consumed goes in one move per call, so the cost of
    // a reply stays linear in its size however many packets or bad markers
    // it holds.
    if (m_read > 0) {
        m_buffer.erase(m_buffer.begin(), m_buffer.begin() + static_cast<std::ptrdiff_t>(m_read));
        m_read = 0;
    }
    if (data && length > 0)
        m_buffer.insert(m_buffer.end(), data, data + length);
    if (m_buffer.empty())
        return false;

    const unsigned char* const begin = m_buffer.data();
    const unsigned char* const end = begin + m_buffer.size();
    for (;;) {
        const unsigned char* stx = nullptr;
        const unsigned char* etx = nullptr;
        if (m_parser.FindPacket(begin + m_read, end, stx, etx)) {
            m_header = m_parser.GetPayLoad(stx);
            m_header.length = m_parser.ReadLength(stx);
            const unsigned char* payload = m_parser.GetDataPoint(stx);
            m_result.assign(payload, payload + m_parser.GetDataSize(stx, etx));
            m_read = static_cast<std::size_t>(etx - begin) + cgi::Parser::ETX_SIZE;
            return true;
        }
        if (stx == end) {
            // Nothing framed: only the last 3 bytes may begin a start marker.
            const std::size_t keep = cgi::Parser::STX_SIZE - 1;
            if (m_buffer.size() - m_read > keep)
                m_read = m_buffer.size() - keep;
            return false;
        }
        // Bytes before a start marker never become part of a packet; a bad
        // packet loses its start marker too and the search goes on behind it.
        m_read = static_cast<std::size_t>(stx - begin);
        if (etx == end)
            return false;
    }
}
