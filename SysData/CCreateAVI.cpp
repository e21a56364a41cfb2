#include "CCreateAVI.h"

#include "dvr_types/KAssert.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace {

const std::uint32_t AVIF_HASINDEX = 0x10;
const std::uint32_t AVIF_ISINTERLEAVED = 0x100;
const std::uint32_t AVIF_TRUSTCKTYPE = 0x800;
const std::uint32_t AVIIF_KEYFRAME = 0x10;
const int INDEX_ENTRY_SIZE = 16;

void putFourCC(std::vector<unsigned char>& out, const char* code)
{
    out.insert(out.end(), code, code + 4);
}

void put16(std::vector<unsigned char>& out, std::uint32_t value)
{
    out.push_back(static_cast<unsigned char>(value));
    out.push_back(static_cast<unsigned char>(value >> 8));
}

void put32(std::vector<unsigned char>& out, std::uint32_t value)
{
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

void set32(std::vector<unsigned char>& out, std::size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out[at + i] = static_cast<unsigned char>(value >> (8 * i));
}

// Starts a LIST and returns where its size goes.
std::size_t beginList(std::vector<unsigned char>& out, const char* type)
{
    putFourCC(out, "LIST");
    const std::size_t sizeAt = out.size();
    put32(out, 0);
    putFourCC(out, type);
    return sizeAt;
}

void endList(std::vector<unsigned char>& out, std::size_t sizeAt)
{
    set32(out, sizeAt, static_cast<std::uint32_t>(out.size() - sizeAt - 4));
}

std::uint32_t usecPerFrame(std::uint32_t rateHundredths)
{
    return rateHundredths > 0 ? static_cast<std::uint32_t>(100000000.0 / rateHundredths + 0.99) : 0;
}

std::int64_t indexChunkSize(std::size_t entries)
{
    return 8 + INDEX_ENTRY_SIZE * static_cast<std::int64_t>(entries);
}

bool startsWithStartCode(const unsigned char* data, int length)
{
    return (length > 4 && data[0] == 0 && data[1] == 0 && data[2] == 0 && data[3] == 1)
        || (length > 3 && data[0] == 0 && data[1] == 0 && data[2] == 1);
}

// Whether the access unit holds an IDR picture or parameter sets (where a
// decoder can begin), judged by the NAL units before its first picture slice.
bool carriesKeyNal(const unsigned char* data, int length)
{
    for (int i = 0; i + 3 < length;) {
        if (data[i] != 0 || data[i + 1] != 0 || data[i + 2] != 1) {
            ++i;
            continue;
        }
        const int type = data[i + 3] & 0x1F;
        if (type == 5 || type == 7)
            return true;
        if (type >= 1 && type <= 4)
            return false;
        i += 3;
    }
    return false;
}

} // namespace

CCreateAVI::CCreateAVI() = default;

CCreateAVI::~CCreateAVI()
{
    // The owner closes with deinit; a file still open here is only released.
    if (m_file)
        std::fclose(m_file);
}

void CCreateAVI::setInfo(TYPE videoCodec, int width, int height, TYPE audioCodec, int samplesPerFrame, int sampleRate,
    int channels, int bitsPerSample)
{
    m_videoCodec = videoCodec;
    m_width = width;
    m_height = height;
    m_hasVideo = true;
    m_audioCodec = audioCodec;
    m_hasAudio = audioCodec > 0;
    m_samplesPerFrame = samplesPerFrame;
    m_sampleRate = sampleRate;
    m_channels = channels;
    m_bitsPerSample = bitsPerSample;
}

void CCreateAVI::setVideoFPS(double fps)
{
    // The stream header's scale of 100 keeps hundredths: 12.5 stays 12.5.
    m_rateHundredths = fps > 0 ? static_cast<std::uint32_t>(std::lround(std::min(fps, 1.0e6) * 100)) : 0;
}

int CCreateAVI::init(const char* path)
{
    if ((!m_hasVideo && !m_hasAudio) || m_file)
        return 1;
    m_path = path;
    m_error.clear();
    // "x": an existing recording is never truncated.
    m_file = std::fopen(path, "wbx");
    if (!m_file) {
        setError();
        std::fprintf(stderr, "error: file create error %s\n", path);
        return 1;
    }
    // Unbuffered: what was written is with the system at once, and a failed
    // write leaves nothing in a buffer that a later seek would try to flush.
    std::setvbuf(m_file, nullptr, _IONBF, 0);
    m_failed = false;
    m_index.clear();
    m_index.reserve(MAX_INDEX);
    m_videoChunks = 0;
    m_audioChunks = 0;
    m_audioBytes = 0;

    std::vector<unsigned char> headers;
    buildHeaders(headers);
    if (!writeBytes(headers.data(), headers.size())) {
        std::fclose(m_file);
        m_file = nullptr;
        std::remove(path);
        m_index = std::vector<IndexEntry>();
        return 1;
    }
    m_end = static_cast<std::int64_t>(headers.size());
    return 0;
}

void CCreateAVI::buildHeaders(std::vector<unsigned char>& out)
{
    const int blockAlign = m_channels * m_bitsPerSample / 8;

    putFourCC(out, "RIFF");
    put32(out, 0);
    putFourCC(out, "AVI ");
    const std::size_t hdrl = beginList(out, "hdrl");

    putFourCC(out, "avih");
    put32(out, 56);
    m_usecPerFramePos = static_cast<std::int64_t>(out.size());
    if (m_hasVideo) {
        put32(out, usecPerFrame(m_rateHundredths));
        put32(out, 0);
        put32(out, 0);
        put32(out, AVIF_HASINDEX | AVIF_ISINTERLEAVED);
    } else {
        put32(out, m_audioCodec == PCM ? 1000 : 62992);
        put32(out, 8000);
        put32(out, 0);
        put32(out, AVIF_HASINDEX | AVIF_TRUSTCKTYPE);
    }
    m_totalFramesPos = static_cast<std::int64_t>(out.size());
    put32(out, 0);
    put32(out, 0);
    put32(out, (m_hasVideo ? 1 : 0) + (m_hasAudio ? 1 : 0));
    put32(out, m_hasVideo ? 0 : m_samplesPerFrame);
    put32(out, m_hasVideo ? m_width : 0);
    put32(out, m_hasVideo ? m_height : 0);
    out.insert(out.end(), 16, 0);

    m_videoRatePos = m_videoLengthPos = m_audioLengthPos = -1;
    if (m_hasVideo) {
        const std::size_t strl = beginList(out, "strl");
        putFourCC(out, "strh");
        put32(out, 56);
        putFourCC(out, "vids");
        putFourCC(out, m_videoCodec == H264 ? "H264" : "MPEG");
        put32(out, 0);
        put32(out, 0);
        put32(out, 0);
        put32(out, 100);
        m_videoRatePos = static_cast<std::int64_t>(out.size());
        put32(out, m_rateHundredths);
        put32(out, 0);
        m_videoLengthPos = static_cast<std::int64_t>(out.size());
        put32(out, 0);
        put32(out, 0);
        put32(out, 10000);
        put32(out, 0);
        put16(out, 0);
        put16(out, 0);
        put16(out, static_cast<std::uint32_t>(m_width));
        put16(out, static_cast<std::uint32_t>(m_height));
        putFourCC(out, "strf");
        put32(out, 40);
        put32(out, 40);
        put32(out, m_width);
        put32(out, m_height);
        put16(out, 1);
        put16(out, 24);
        putFourCC(out, m_videoCodec == H264 ? "H264" : "MPEG");
        put32(out, static_cast<std::uint32_t>(m_width * m_height * (m_videoCodec == H264 ? 6 : 3)));
        out.insert(out.end(), 16, 0);
        endList(out, strl);
    }
    if (m_hasAudio) {
        const std::size_t strl = beginList(out, "strl");
        putFourCC(out, "strh");
        put32(out, 56);
        putFourCC(out, "auds");
        put32(out, 0);
        put32(out, 0);
        put32(out, 0);
        put32(out, 0);
        put32(out, 1);
        put32(out, m_sampleRate);
        put32(out, 0);
        m_audioLengthPos = static_cast<std::int64_t>(out.size());
        put32(out, m_samplesPerFrame);
        put32(out, m_samplesPerFrame);
        put32(out, 0);
        // One sample of every channel is one block, the unit of the length.
        put32(out, blockAlign);
        out.insert(out.end(), 8, 0);
        putFourCC(out, "strf");
        put32(out, 20);
        put16(out, 1);
        put16(out, m_channels);
        put32(out, m_sampleRate);
        put32(out, blockAlign * m_sampleRate);
        put16(out, blockAlign);
        put16(out, m_bitsPerSample);
        put16(out, 0);
        put16(out, m_samplesPerFrame);
        endList(out, strl);
    }
    endList(out, hdrl);

    putFourCC(out, "LIST");
    m_moviSizePos = static_cast<std::int64_t>(out.size());
    put32(out, 0);
    putFourCC(out, "movi");
}

int CCreateAVI::writeData(const unsigned char* data, int length, bool audio, bool keyFrame)
{
    K_ASSERT(length >= 0 && (data || length == 0), "CreateAVI.cpp");
    if (!m_file || (audio ? !m_hasAudio : !m_hasVideo))
        return WRITE_NOT_OPEN;
    if (m_failed)
        return WRITE_FAILED;
    if (!audio && m_videoCodec == H264 && !startsWithStartCode(data, length))
        return WRITE_NOT_H264;

    const std::int64_t padded = length + (length & 1);
    if (m_index.size() >= static_cast<std::size_t>(MAX_INDEX)
        || m_end + 8 + padded + indexChunkSize(m_index.size() + 1) > MAX_FILE_SIZE)
        return WRITE_FULL;

    const char* code = audio ? (m_hasVideo ? "01wb" : "00wb") : "00dc";
    unsigned char chunkHeader[8];
    std::memcpy(chunkHeader, code, 4);
    for (int i = 0; i < 4; ++i)
        chunkHeader[4 + i] = static_cast<unsigned char>(static_cast<std::uint32_t>(length) >> (8 * i));
    static const unsigned char pad = 0;
    if (!writeBytes(chunkHeader, sizeof chunkHeader) || !writeBytes(data, static_cast<std::size_t>(length))
        || ((length & 1) && !writeBytes(&pad, 1))) {
        m_failed = true;
        return WRITE_FAILED;
    }

    const bool key = audio || isKeyVideo(data, length, keyFrame);
    m_index.push_back(
        {audio, key, static_cast<std::uint32_t>(m_end - (m_moviSizePos + 4)), static_cast<std::uint32_t>(length)});
    m_end += 8 + padded;
    if (audio) {
        ++m_audioChunks;
        m_audioBytes += length;
    } else {
        ++m_videoChunks;
    }
    const bool nearlyFull = m_index.size() >= static_cast<std::size_t>(ROTATE_INDEX) || m_end >= ROTATE_FILE_SIZE;
    return nearlyFull ? WRITE_NEARLY_FULL : WRITE_OK;
}

bool CCreateAVI::isKeyVideo(const unsigned char* data, int length, bool keyFrame) const
{
    if (keyFrame)
        return true;
    if (m_videoCodec == H264)
        return carriesKeyNal(data, length);
    // An MPEG sequence header begins the pictures a decoder can start from.
    return length > 3 && data[3] == 0xB3;
}

int CCreateAVI::deinit()
{
    if (!m_file)
        return 0;

    // After a failed write the bytes past the last whole chunk are a broken
    // chunk: the index goes in their place.
    if (m_failed)
        seekToEnd();
    std::int64_t fileEnd = 0;
    bool ok = finish(fileEnd);
    if (!ok) {
        // The disk is full: the last chunks give up their room to the index,
        // so that the file stays playable up to them.
        m_failed = true;
        std::error_code error;
        const auto room = static_cast<std::int64_t>(std::filesystem::file_size(m_path, error));
        while (!error && !m_index.empty() && m_end + indexChunkSize(m_index.size()) > room)
            dropLastChunk();
        ok = !error && seekToEnd() && finish(fileEnd);
    }
    if (std::fclose(m_file) != 0 && ok) {
        setError();
        ok = false;
    }
    m_file = nullptr;
    if (m_failed && ok) {
        std::error_code error;
        std::filesystem::resize_file(m_path, static_cast<std::uintmax_t>(fileEnd), error);
        ok = !error;
    }
    m_index = std::vector<IndexEntry>();
    return ok && !m_failed ? 0 : 1;
}

bool CCreateAVI::seekToEnd()
{
    std::clearerr(m_file);
    return std::fseek(m_file, static_cast<long>(m_end), SEEK_SET) == 0;
}

void CCreateAVI::dropLastChunk()
{
    const IndexEntry& last = m_index.back();
    m_end = m_moviSizePos + 4 + last.offset;
    if (last.audio) {
        --m_audioChunks;
        m_audioBytes -= last.size;
    } else {
        --m_videoChunks;
    }
    m_index.pop_back();
}

bool CCreateAVI::finish(std::int64_t& fileEnd)
{
    std::vector<unsigned char> index;
    index.reserve(static_cast<std::size_t>(indexChunkSize(m_index.size())));
    putFourCC(index, "idx1");
    put32(index, static_cast<std::uint32_t>(INDEX_ENTRY_SIZE * m_index.size()));
    for (const IndexEntry& entry : m_index) {
        putFourCC(index, entry.audio ? (m_hasVideo ? "01wb" : "00wb") : "00dc");
        put32(index, entry.key ? AVIIF_KEYFRAME : 0);
        put32(index, entry.offset);
        put32(index, entry.size);
    }
    if (!writeBytes(index.data(), index.size()))
        return false;
    fileEnd = m_end + static_cast<std::int64_t>(index.size());

    const int blockAlign = m_channels * m_bitsPerSample / 8;
    bool ok = patch(m_totalFramesPos, m_hasVideo ? m_videoChunks : m_audioChunks);
    if (m_hasVideo) {
        ok = ok && patch(m_usecPerFramePos, usecPerFrame(m_rateHundredths));
        ok = ok && patch(m_videoRatePos, m_rateHundredths);
        ok = ok && patch(m_videoLengthPos, m_videoChunks);
    }
    if (m_hasAudio && blockAlign > 0)
        ok = ok && patch(m_audioLengthPos, static_cast<std::uint32_t>(m_audioBytes / blockAlign));
    ok = ok && patch(m_moviSizePos, static_cast<std::uint32_t>(m_end - (m_moviSizePos + 4)));
    return ok && patch(4, static_cast<std::uint32_t>(fileEnd - 8));
}

bool CCreateAVI::writeBytes(const void* data, std::size_t size)
{
    if (size == 0 || std::fwrite(data, 1, size, m_file) == size)
        return true;
    setError();
    return false;
}

bool CCreateAVI::patch(std::int64_t position, std::uint32_t value)
{
    unsigned char bytes[4];
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<unsigned char>(value >> (8 * i));
    if (std::fseek(m_file, static_cast<long>(position), SEEK_SET) != 0) {
        setError();
        return false;
    }
    return writeBytes(bytes, sizeof bytes);
}

void CCreateAVI::setError()
{
    const int code = errno;
    if (m_error.empty())
        m_error = m_path + ": " + std::strerror(code);
}
