#include "CDataParser.h"

CDataParser::CDataParser()
    : m_parser(false)
    , m_header{0, 0, 0}
{
}

bool CDataParser::setReceivedData(const char* data, unsigned length)
{
    m_result.clear();
    if (data && length > 0)
        m_buffer.insert(m_buffer.end(), data, data + length);

    for (;;) {
        const unsigned char* begin = m_buffer.data();
        const unsigned char* end = begin + m_buffer.size();
        const unsigned char* stx = nullptr;
        const unsigned char* etx = nullptr;
        if (m_parser.FindPacket(begin, end, stx, etx)) {
            m_header = m_parser.GetPayLoad(stx);
            m_header.length = m_parser.ReadLength(stx);
            const unsigned char* payload = m_parser.GetDataPoint(stx);
            m_result.assign(payload, payload + m_parser.GetDataSize(stx, etx));
            m_buffer.erase(m_buffer.begin(), m_buffer.begin() + (etx - begin) + cgi::Parser::ETX_SIZE);
            return true;
        }
        if (stx == end) {
            // Nothing framed: only the last 3 bytes may begin a start marker.
            if (m_buffer.size() > cgi::Parser::STX_SIZE - 1)
                m_buffer.erase(m_buffer.begin(), m_buffer.end() - (cgi::Parser::STX_SIZE - 1));
            return false;
        }
        // Bytes before a start marker never become part of a packet; a bad
        // packet loses its start marker too and the search goes on behind it.
        const bool incomplete = etx == end;
        m_buffer.erase(m_buffer.begin(), m_buffer.begin() + (stx - begin));
        if (incomplete)
            return false;
    }
}
