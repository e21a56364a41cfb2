#pragma once

#include "dvr_types/KTimeVal.h"

#include <cstdint>

// Reader of the new dialect's media frame header: 36 bytes, little-endian,
// 40 bytes for frame type 3; the payload follows the header.
//
// SetData remembers how many bytes the frame has. IsValid then tells whether
// the whole frame is usable: the header was delivered, its channel is 0 to 15
// and its payload lies inside the delivered bytes. IsHeaderValid checks the
// header alone, for frames that legitimately carry no payload (header-only
// status frames) or whose payload is read later.
class CFrame {
public:
    static const int HEADER_SIZE = 36;
    static const int LONG_HEADER_SIZE = 40;

    CFrame();

    // Copies the header when len covers it; a shorter len keeps the held
    // header, but the frame then no longer counts as valid.
    void SetData(const unsigned char* data, int len);

    bool IsValid() const;
    bool IsHeaderValid() const;

    int GetType() const;
    int GetDataOffset() const;
    int GetChannel() const;
    std::uint32_t GetSize() const;
    std::uint32_t GetRawDataSize() const;
    void GetResolution(int& width, int& height) const;
    KTimeVal GetTime() const;
    // Milliseconds within a 1000-second cycle of the frame time.
    int GetPTS() const;
    int GetRecReason() const;

private:
    std::uint16_t u16(int offset) const;
    std::uint32_t u32(int offset) const;

    unsigned char m_header[HEADER_SIZE];
    int m_length = 0;
};
