#pragma once

#include "dvr_protocol/Parser.h"

#include <cstdint>
#include <vector>

// Pulls framed packets, one per call, out of the body of one HTTP reply of
// a DVR, in the framing of the DVR's dialect (lengths big-endian from
// old-protocol DVRs, little-endian otherwise). Packets are judged as on a
// stream: a length above the framing's limit or an end marker out of place
// makes a packet bad, and the search goes on behind its start marker, so a
// lying length never makes the parser read past its bytes or wait forever.
// The work is linear in the bytes given, whatever they hold.
class CDataParser {
public:
    explicit CDataParser(bool oldProtocol = false);

    // Appends the bytes and takes at most one whole packet. True: a packet
    // was found and its header and payload are available. False: no whole
    // packet is buffered (the result is empty). Length 0 looks for the next
    // packet in what is already buffered.
    bool setReceivedData(const char* data, unsigned length);

    // The payload of the packet found by the last call.
    const std::vector<char>& getResultData() const { return m_result; }
    unsigned char getDataType() const { return m_header.type; }
    unsigned char getClientID() const { return m_header.id; }
    std::uint32_t getFrameSize() const { return m_header.length; }

    // Empties the receive buffer; the last packet stays available.
    void clear();

    // Bytes held for packets to come.
    std::size_t bufferedSize() const { return m_buffer.size() - m_read; }

private:
    cgi::Parser m_parser;
    cgi::PayLoadHeader m_header;
    std::vector<unsigned char> m_buffer;
    // Bytes at the front of the buffer already consumed.
    std::size_t m_read = 0;
    std::vector<char> m_result;
};
