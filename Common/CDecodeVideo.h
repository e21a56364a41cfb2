#pragma once

#include "Common/CH264Decoder.h"
#include "Common/FrameSize.h"
#include "dvr_types/StreamTypes.h"

#include <atomic>
#include <memory>
#include <vector>

// H.264 decoding for a set of independent entries (the screens of a wall, the
// cameras of a map, ...), each turning the frames of one stream into pictures
// in its own output buffer. An entry waits for an I frame after it starts and
// after every restart, so that decoding always begins on a clean picture.
//
// Each entry is fed by one thread at a time; different entries may be fed by
// different threads at once. Restarts and the output option may come from any
// thread and take effect from the entry's next frame.
class CDecodeVideo {
public:
    // Frames above this many payload bytes are not decoded.
    static constexpr unsigned long kMaxFrameBytes = 0x80000;
    // What a padded frame carries behind it (see DecodeFrame).
    static constexpr std::size_t kInputPadding = CH264Decoder::kInputPadding;

    CDecodeVideo();
    ~CDecodeVideo();
    CDecodeVideo(const CDecodeVideo&) = delete;
    CDecodeVideo& operator=(const CDecodeVideo&) = delete;

    // Prepares n entries; does nothing when already initialised.
    void Init(int n);
    bool IsInit() const { return m_initialised; }
    void Deinit();
    int EntryCount() const { return m_count; }

    // Decodes one frame of an entry into the entry's output buffer. Old-dialect
    // I frames get the fixed parameter sets for their size put in front.
    // Non-zero: the bytes of a new picture of `size`; 0: no picture. A frame
    // that fails to decode makes the entry wait for its next I frame.
    // A padded frame has kInputPadding zero bytes behind it and is decoded
    // where it lies.
    unsigned long DecodeFrame(bool oldDialect, int entry, const unsigned char* data, unsigned long length,
        const FrameSize& size, const FrameType& type, bool padded = false);

    // The entry's output buffer: the last picture, rows back to back; null
    // before the entry's first picture. Valid until the entry's next frame.
    const unsigned char* GetDecodedRGB(int entry) const;
    // The entry's last picture, to keep: it stays as it is while held, and
    // the entry's later pictures go elsewhere. Only the feeding thread asks.
    CVideoPicture GetDecodedPicture(int entry) const;
    // The entry's pictures held anywhere now, its last one included.
    int PicturesInUse(int entry) const;

    void SetResolution(int entry, const FrameSize& size, const AVCodecID& codecId);
    void RestartIPicture(int entry);
    void AllRestart();
    // Frees what the entry holds (its codec, its buffers, its last picture)
    // while it has no stream; its next stream starts at an I frame.
    void ReleaseEntry(int entry);
    void SetPixelFormat(const AVPixelFormat& format);
    void changeOpenglOption(bool opengl);
    void setDeinterlaced(bool deinterlaced);

private:
    struct Entry {
        std::atomic<bool> started{false};
        std::atomic<int> codecId{AV_CODEC_ID_NONE};
        FrameSize size;
        std::vector<unsigned char> scratch;
    };

    void ClearCodecIds();

    std::atomic<bool> m_initialised{false};
    CH264Decoder m_decoder;
    std::unique_ptr<Entry[]> m_entries;
    int m_count = 0;
};
