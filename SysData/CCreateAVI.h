#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

// Writes one AVI (RIFF) file: at most one video stream (H.264 as "00dc"
// chunks) and one audio stream (PCM as "01wb" chunks), with a legacy "idx1"
// index in which key pictures are flagged so that players can seek. Plain
// code over the C file functions; it knows nothing of DVRs.
//
// A file is kept well inside the format's 32-bit sizes and the index's
// capacity: once either comes near, writeData answers WRITE_NEARLY_FULL and
// the owner starts a new file at the next key frame; a chunk that would not
// fit at all is refused with WRITE_FULL and nothing is lost by it.
class CCreateAVI {
public:
    enum TYPE { NONE = 0, H264 = 134, PCM = 144 };

    // writeData results.
    static constexpr int WRITE_OK = 0;
    static constexpr int WRITE_NOT_H264 = 2;
    static constexpr int WRITE_NOT_OPEN = 3;
    static constexpr int WRITE_NEARLY_FULL = 4;
    static constexpr int WRITE_FULL = 5;
    static constexpr int WRITE_FAILED = 6;

    // Index entries a file holds at most, and from how many on it asks to be
    // replaced (at 25 video and 25 audio chunks a second, six minutes early).
    static constexpr int MAX_INDEX = 108000;
    static constexpr int ROTATE_INDEX = 90000;
    // File sizes: readers treat RIFF sizes as signed 32-bit values.
    static constexpr std::int64_t MAX_FILE_SIZE = 0x7FFFFFFF;
    static constexpr std::int64_t ROTATE_FILE_SIZE = std::int64_t(1) << 30;

    CCreateAVI();
    ~CCreateAVI();
    CCreateAVI(const CCreateAVI&) = delete;
    CCreateAVI& operator=(const CCreateAVI&) = delete;

    // Declares the streams of the next file; an audio codec of NONE declares
    // no audio stream. The PCM samples are of `channels` interleaved
    // channels of bitsPerSample bits.
    void setInfo(TYPE videoCodec, int width, int height, TYPE audioCodec, int samplesPerFrame, int sampleRate,
        int channels, int bitsPerSample);
    // The video rate for the next init and for closing the current file, in
    // frames a second; hundredths are kept.
    void setVideoFPS(double fps);

    // Creates a new file (never replacing an existing one) and writes its
    // headers. 0, or 1 when no stream is declared, a file is already open or
    // the file cannot be created or written (errorText() tells why: the
    // path and the system's reason).
    int init(const char* path);
    // Appends one chunk. A video chunk is flagged as a key picture when
    // keyFrame is set or when it carries an IDR picture or parameter sets.
    int writeData(const unsigned char* data, int length, bool audio, bool keyFrame = false);
    // Writes the index and the final sizes and closes the file: 0, or 1 when
    // a write failed. Such a file is cut back to its last whole chunk, and
    // when the disk has no room for the index, to the last chunk the index
    // fits behind, so that it stays playable.
    int deinit();

    bool isOpen() const { return m_file != nullptr; }
    const std::string& errorText() const { return m_error; }

private:
    struct IndexEntry {
        bool audio;
        bool key;
        std::uint32_t offset;
        std::uint32_t size;
    };

    void buildHeaders(std::vector<unsigned char>& out);
    // Writes the index and the sizes known only now; fileEnd is then the
    // file's final length.
    bool finish(std::int64_t& fileEnd);
    // Places the file position after the last whole chunk.
    bool seekToEnd();
    void dropLastChunk();
    bool writeBytes(const void* data, std::size_t size);
    bool patch(std::int64_t position, std::uint32_t value);
    bool isKeyVideo(const unsigned char* data, int length, bool keyFrame) const;
    void setError();

    std::FILE* m_file = nullptr;
    std::string m_path;
    std::string m_error;
    bool m_failed = false;

    TYPE m_videoCodec = NONE;
    int m_width = 0;
    int m_height = 0;
    bool m_hasVideo = false;
    TYPE m_audioCodec = NONE;
    bool m_hasAudio = false;
    int m_samplesPerFrame = 0;
    int m_sampleRate = 0;
    int m_channels = 0;
    int m_bitsPerSample = 0;
    std::uint32_t m_rateHundredths = 0;

    std::vector<IndexEntry> m_index;
    std::uint32_t m_videoChunks = 0;
    std::uint32_t m_audioChunks = 0;
    std::int64_t m_audioBytes = 0;
    // End of the last whole chunk.
    std::int64_t m_end = 0;

    // Positions of the fields written at close.
    std::int64_t m_usecPerFramePos = 0;
    std::int64_t m_totalFramesPos = 0;
    std::int64_t m_videoRatePos = -1;
    std::int64_t m_videoLengthPos = -1;
    std::int64_t m_audioLengthPos = -1;
    std::int64_t m_moviSizePos = 0;
};
