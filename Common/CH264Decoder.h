#pragma once

#include "Common/CVideoPicture.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

extern "C" {
#include <libavcodec/codec_id.h>
#include <libavutil/pixfmt.h>
}

struct AVCodecContext;
struct AVFrame;
struct AVPacket;
struct SwsContext;

// Per-channel H.264 decoding with libavcodec. Each decoded picture comes out
// in the output format: planar YUV 4:2:0 pictures are the decoder's own
// frames, shared without a copy; any other format is converted with
// libswscale. Either way a picture lives in a slot of the channel's picture
// pool and is never written while a copy of it is held. Channels are
// independent: different channels may be decoded on different threads at the
// same time, one thread per channel at a time. A channel holds its codec
// (with the reference pictures it keeps), scaler and picture pool from its
// first set-up until ReleaseChannel or Deinit.
class CH264Decoder {
public:
    // Largest output picture a channel holds: a full-HD picture at four bytes
    // per pixel. It also bounds what a stream may make libavcodec allocate.
    static constexpr std::size_t kMaxPictureBytes = 1920 * 1080 * 4;
    // Zero bytes that a padded input carries behind its end (libavcodec's
    // bit readers read whole words past it).
    static constexpr std::size_t kInputPadding = 64;

    CH264Decoder();
    ~CH264Decoder();
    CH264Decoder(const CH264Decoder&) = delete;
    CH264Decoder& operator=(const CH264Decoder&) = delete;

    void Init(int maxChannel);
    void Deinit();

    // (Re)opens the channel's codec for pictures of width x height in the
    // current output format. False when the
    // size is unusable or the codec cannot be opened: the channel then gives
    // no pictures until its next set-up.
    bool SetupCodec(int ch, int width, int height, const AVCodecID& codecId);

    // Decodes one frame of the channel. Positive: bytes of the new picture
    // (Picture), converted to the set-up size even when the stream's own size
    // differs. 0: no picture yet. kDecodeError: the frame could not be
    // decoded or its picture is damaged. A padded input has kInputPadding
    // zero bytes behind it and stays as it is until the call returns: the
    // codec reads it where it lies. Any other is copied first.
    static constexpr long kDecodeError = -1;
    long DecodeFrame(int ch, const uint8_t* data, std::size_t length, bool padded = false);

    // Drops whatever the channel's codec holds from earlier frames.
    void Flush(int ch);
    // Frees the channel's codec, its scaler and its buffers, as if it had
    // never decoded; it gives pictures again after its next set-up.
    void ReleaseChannel(int ch);

    // The channel's last picture, kept until its next one; packed pictures
    // have their rows back to back.
    const CVideoPicture& Picture(int ch) const;
    const uint8_t* OutputBuffer(int ch) const;
    // Pictures of the channel held anywhere now, its last one included.
    int PicturesInUse(int ch) const;

    void SetPixelFormat(const AVPixelFormat& format);
    AVPixelFormat PixelFormat() const { return m_outputFormat.load(); }
    void changeOpenglOption(bool opengl);
    void setDeinterlaced(bool deinterlaced);

    static std::mutex m_avcodec_open_mutex;

private:
    struct Channel;

    void CloseChannel(Channel& channel);
    // Sends the channel's packet and takes the pictures it gives.
    long decodePacket(Channel& channel);
    CVideoPicture useSwscaleLibrary(Channel& channel);
    CVideoPicture makePicture(Channel& channel);

    int m_MaxChannel = 0;
    std::atomic<AVPixelFormat> m_outputFormat{AV_PIX_FMT_YUYV422};
    std::vector<std::unique_ptr<Channel>> m_channels;
    std::atomic<bool> m_deinterlaced{false};
    std::atomic<bool> m_opengl{false};
};
