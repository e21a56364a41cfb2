#include "CDecodeVideo.h"

#include "Common/MakeDecodeFrame.h"
#include "dvr_types/KAssert.h"

#include <cstring>

CDecodeVideo::CDecodeVideo() = default;

CDecodeVideo::~CDecodeVideo()
{
    Deinit();
}

void CDecodeVideo::Init(int n)
{
    if (m_initialised || n <= 0)
        return;
    m_count = n;
    m_decoder.Init(n);
    m_entries = std::make_unique<Entry[]>(n);
    m_initialised = true;
}

void CDecodeVideo::Deinit()
{
    if (!m_initialised)
        return;
    m_initialised = false;
    m_decoder.Deinit();
    m_entries.reset();
    m_count = 0;
}

unsigned long CDecodeVideo::DecodeFrame(bool oldDialect, int entry, const unsigned char* data, unsigned long length,
    const FrameSize& size, const FrameType& type, bool padded)
{
    if (!m_initialised)
        return 0;
    K_ASSERT(entry >= 0 && entry < m_count, "ch < m_MaxChannel");
    if (type == 3 || length > kMaxFrameBytes || !data || length == 0)
        return 0;

    Entry& e = m_entries[entry];
    if (!e.started) {
        if (type != 0)
            return 0;
        e.started = true;
        // Whatever the codec still holds from before the restart belongs to
        // another stretch of the stream.
        m_decoder.Flush(entry);
    }

    if (e.codecId != AV_CODEC_ID_H264 || e.size != size) {
        e.size = size;
        m_decoder.SetupCodec(entry, size.width, size.height, AV_CODEC_ID_H264);
        // Stored even when the set-up failed: a failing entry is tried again
        // only after a size change or a change of the output option.
        e.codecId = AV_CODEC_ID_H264;
    }

    const unsigned char* input = data;
    unsigned long inputLength = length;
    if (type == 0 && oldDialect) {
        if (e.scratch.size() < length + MAX_DECODE_PREFIX + kInputPadding)
            e.scratch.resize(length + MAX_DECODE_PREFIX + kInputPadding);
        inputLength = MakeDecodeFrame(data, length, size.width, size.height, e.scratch.data());
        std::memset(e.scratch.data() + inputLength, 0, kInputPadding);
        input = e.scratch.data();
        padded = true;
    }

    const long result = m_decoder.DecodeFrame(entry, input, inputLength, padded);
    if (result == CH264Decoder::kDecodeError) {
        // Never show a damaged or stale picture: resume on the next I frame.
        e.started = false;
        return 0;
    }
    return static_cast<unsigned long>(result);
}

const unsigned char* CDecodeVideo::GetDecodedRGB(int entry) const
{
    if (!m_initialised)
        return nullptr;
    return m_decoder.OutputBuffer(entry);
}

CVideoPicture CDecodeVideo::GetDecodedPicture(int entry) const
{
    if (!m_initialised)
        return {};
    return m_decoder.Picture(entry);
}

int CDecodeVideo::PicturesInUse(int entry) const
{
    if (!m_initialised)
        return 0;
    return m_decoder.PicturesInUse(entry);
}

void CDecodeVideo::SetResolution(int entry, const FrameSize& size, const AVCodecID& codecId)
{
    if (!m_initialised)
        return;
    K_ASSERT(entry >= 0 && entry < m_count, "ch < m_MaxChannel");
    Entry& e = m_entries[entry];
    if (e.codecId == codecId && e.size == size)
        return;
    e.size = size;
    m_decoder.SetupCodec(entry, size.width, size.height, codecId);
    e.codecId = codecId;
}

void CDecodeVideo::RestartIPicture(int entry)
{
    if (!m_initialised)
        return;
    K_ASSERT(entry >= 0 && entry < m_count, "ch < m_MaxChannel");
    m_entries[entry].started = false;
}

void CDecodeVideo::ReleaseEntry(int entry)
{
    if (!m_initialised)
        return;
    K_ASSERT(entry >= 0 && entry < m_count, "ch < m_MaxChannel");
    Entry& e = m_entries[entry];
    e.started = false;
    e.codecId = AV_CODEC_ID_NONE;
    e.size = FrameSize{};
    std::vector<unsigned char>().swap(e.scratch);
    m_decoder.ReleaseChannel(entry);
}

void CDecodeVideo::AllRestart()
{
    if (!m_initialised)
        return;
    for (int i = 0; i < m_count; ++i)
        m_entries[i].started = false;
}

void CDecodeVideo::SetPixelFormat(const AVPixelFormat& format)
{
    m_decoder.SetPixelFormat(format);
    ClearCodecIds();
}

void CDecodeVideo::changeOpenglOption(bool opengl)
{
    m_decoder.changeOpenglOption(opengl);
    ClearCodecIds();
}

void CDecodeVideo::setDeinterlaced(bool deinterlaced)
{
    m_decoder.setDeinterlaced(deinterlaced);
}

void CDecodeVideo::ClearCodecIds()
{
    if (!m_initialised)
        return;
    for (int i = 0; i < m_count; ++i)
        m_entries[i].codecId = AV_CODEC_ID_NONE;
}
