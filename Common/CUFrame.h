#pragma once

#include "dvr_types/KTimeVal.h"
#include "dvr_types/PbMode.h"

#include <cstdint>

// Reader of the old dialect's media frame header: 80 bytes, big-endian,
// beginning "UM"; the payload lies at the end of the frame.
//
// SetData remembers how many bytes the frame has. IsValid then tells whether
// the whole frame is usable: the header was delivered with its magic and
// length, its channel is 0 to 15 and its payload lies inside the delivered
// bytes. IsHeaderValid checks the header alone, for frames that carry no
// payload or whose payload is read later.
class CUFrame {
public:
    static const int HEADER_SIZE = 80;

    CUFrame();

    // Copies the header when len covers it; a shorter len keeps the held
    // header, but the frame then no longer counts as valid.
    void SetData(const unsigned char* data, int len);

    bool IsValid() const;
    bool IsHeaderValid() const;
    // Old-dialect model numbers are 12 to 21; others are reported and refused.
    bool IsValidModel() const;
    static bool IsValidModel(int model);

    int GetModel() const;
    std::uint32_t GetDataOffset() const;
    std::uint32_t GetSize() const;
    std::uint32_t GetRawDataSize() const;
    int GetType() const;
    int GetChannel() const;
    KTimeVal GetTime() const;
    // Milliseconds within a 1000-second cycle of the frame time.
    int GetPTS() const;
    // Bits 1-2 size code, 3 motion, 4 sensor, 5 recording, 6 PAL; bit 0 always set.
    int GetInfo() const;
    int GetRecReason() const;
    PbMode GetPbMode() const;
    std::uint16_t GetVideoLoss() const;
    void GetResolution(int& width, int& height) const;

private:
    std::uint32_t u32(int offset) const;

    unsigned char m_header[HEADER_SIZE];
    int m_length = 0;
};
