#include "CUFrame.h"

#include <QDebug>
#include <cstring>

namespace {

// By the info byte's size index: bits 1-2, plus 4 for a 625-line picture.
const int pictureSizes[8][2]
    = {{704, 240}, {352, 240}, {704, 480}, {704, 576}, {704, 288}, {352, 288}, {704, 576}, {704, 576}};

// By the 5-bit playback code of byte 13.
const PbMode playbackModes[32] = {32, 0, 1, 2, 3, 4, 5, 6, 7, 8, 32, 32, 32, 51, 34, 33, 32, 16, 17, 18, 19, 20, 21, 22,
    23, 24, 32, 32, 32, 52, 32, 32};

const int frameTypes[4] = {0, 1, 0, 3};

} // namespace

CUFrame::CUFrame()
{
    std::memset(m_header, 0, sizeof m_header);
}

void CUFrame::SetData(const unsigned char* data, int len)
{
    m_length = len > 0 ? len : 0;
    if (len >= HEADER_SIZE)
        std::memcpy(m_header, data, HEADER_SIZE);
}

bool CUFrame::IsHeaderValid() const
{
    return m_length >= HEADER_SIZE && m_header[0] == 'U' && m_header[1] == 'M' && u32(2) == HEADER_SIZE
        && GetChannel() < 16;
}

bool CUFrame::IsValid() const
{
    if (!IsHeaderValid())
        return false;
    // The payload is the last data-size bytes of the frame, and the raw size
    // the decoder reads must stay inside it too.
    const std::uint64_t frameEnd = std::uint64_t(u32(8)) + HEADER_SIZE;
    return frameEnd <= std::uint64_t(m_length) && GetSize() <= u32(8) && GetRawDataSize() <= GetSize();
}

bool CUFrame::IsValidModel() const
{
    return IsValidModel(GetModel());
}

bool CUFrame::IsValidModel(int model)
{
    if (model >= 12 && model <= 21)
        return true;
    qDebug("[%s] Unknown Model[%d]", "IsValidModel", model);
    return false;
}

int CUFrame::GetModel() const
{
    return m_header[16];
}

std::uint32_t CUFrame::GetDataOffset() const
{
    return u32(8) + HEADER_SIZE - GetSize();
}

std::uint32_t CUFrame::GetSize() const
{
    return u32(57);
}

std::uint32_t CUFrame::GetRawDataSize() const
{
    return u32(17) & 0xFFFFF;
}

int CUFrame::GetType() const
{
    return frameTypes[(u32(17) >> 22) & 0x03];
}

int CUFrame::GetChannel() const
{
    return m_header[56];
}

KTimeVal CUFrame::GetTime() const
{
    return KTimeVal{u32(37), static_cast<int>(u32(41))};
}

int CUFrame::GetPTS() const
{
    return static_cast<int>((u32(37) % 1000) * 1000 + u32(41) / 1000);
}

int CUFrame::GetInfo() const
{
    return m_header[12] | 0x01;
}

int CUFrame::GetRecReason() const
{
    return m_header[13] & 0x03;
}

PbMode CUFrame::GetPbMode() const
{
    return playbackModes[m_header[13] >> 3];
}

std::uint16_t CUFrame::GetVideoLoss() const
{
    return static_cast<std::uint16_t>(m_header[14] << 8 | m_header[15]);
}

void CUFrame::GetResolution(int& width, int& height) const
{
    const int index = ((m_header[12] >> 1) & 0x03) + ((m_header[12] & 0x40) ? 4 : 0);
    width = pictureSizes[index][0];
    height = pictureSizes[index][1];
}

std::uint32_t CUFrame::u32(int offset) const
{
    return std::uint32_t(m_header[offset]) << 24 | std::uint32_t(m_header[offset + 1]) << 16
        | std::uint32_t(m_header[offset + 2]) << 8 | std::uint32_t(m_header[offset + 3]);
}
