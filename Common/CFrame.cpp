#include "CFrame.h"

#include <cstring>

CFrame::CFrame()
{
    std::memset(m_header, 0, sizeof m_header);
}

void CFrame::SetData(const unsigned char* data, int len)
{
    m_length = len > 0 ? len : 0;
    if (len >= HEADER_SIZE)
        std::memcpy(m_header, data, HEADER_SIZE);
}

bool CFrame::IsHeaderValid() const
{
    return m_length >= GetDataOffset() && GetChannel() < 16;
}

bool CFrame::IsValid() const
{
    return IsHeaderValid() && std::uint64_t(GetDataOffset()) + GetSize() <= std::uint64_t(m_length);
}

int CFrame::GetType() const
{
    return m_header[0] & 0x03;
}

int CFrame::GetDataOffset() const
{
    return GetType() == 3 ? LONG_HEADER_SIZE : HEADER_SIZE;
}

int CFrame::GetChannel() const
{
    return m_header[1];
}

std::uint32_t CFrame::GetSize() const
{
    return u32(4);
}

std::uint32_t CFrame::GetRawDataSize() const
{
    return u32(4);
}

void CFrame::GetResolution(int& width, int& height) const
{
    width = u16(8);
    height = u16(10);
}

KTimeVal CFrame::GetTime() const
{
    return KTimeVal{u32(12), static_cast<int>(u32(16))};
}

int CFrame::GetPTS() const
{
    return static_cast<int>((u32(12) % 1000) * 1000 + u32(16) / 1000);
}

int CFrame::GetRecReason() const
{
    return m_header[2] & 0x03;
}

std::uint16_t CFrame::u16(int offset) const
{
    return static_cast<std::uint16_t>(m_header[offset] | m_header[offset + 1] << 8);
}

std::uint32_t CFrame::u32(int offset) const
{
    return std::uint32_t(m_header[offset]) | std::uint32_t(m_header[offset + 1]) << 8
        | std::uint32_t(m_header[offset + 2]) << 16 | std::uint32_t(m_header[offset + 3]) << 24;
}
