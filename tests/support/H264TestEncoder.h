#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QRectF>
#include <QString>

struct AVCodecContext;
struct AVFrame;
struct AVPacket;
struct SwsContext;

// Makes real H.264 frames at test time with libavcodec's libx264 encoder, so
// that no sample file or external tool is needed. Each frame shows a test
// pattern (eight colour bars over a band with a white block that moves with
// the frame number), so a decoder test can tell a fresh picture from a stale
// one. Each of 16 channels has a pattern of its own: the bars start at colour
// (channel % 8) and channels 8-15 have a blue band, so a wall test can tell
// which channel a screen shows. Frames are Annex B byte streams; every I frame carries its own sequence
// and picture parameter sets, as a DVR's live stream does, and there are no B
// frames, so each frame decodes on its own arrival.
//
// Camera-like content (a bit rate given) fills a camera's stream instead:
// the pattern pans sideways and every pixel carries noise, at that bit rate,
// so decoding it costs what a camera's stream costs.
class H264TestEncoder {
public:
    struct Frame {
        QByteArray data;
        bool key = false;
        int index = 0;
    };

    // cameraKbps 0: the test pattern at a fixed high quality; otherwise
    // camera-like content at that many kbit/s.
    H264TestEncoder(int width, int height, int keyInterval = 10, int channel = 0, int cameraKbps = 0);
    ~H264TestEncoder();
    H264TestEncoder(const H264TestEncoder&) = delete;
    H264TestEncoder& operator=(const H264TestEncoder&) = delete;

    bool isOpen() const { return m_context != nullptr; }
    QString errorText() const { return m_error; }
    int width() const { return m_width; }
    int height() const { return m_height; }

    // The next frame of the stream: an I frame every keyInterval frames,
    // starting with frame 0; P frames in between. Empty data on failure.
    Frame encodeNext();
    QList<Frame> encode(int count);

    // The picture that frame `index` of a channel encodes, as packed RGB888.
    static QImage pattern(int width, int height, int index, int channel = 0);

    // Compares a decoded RGB24 picture (rows back to back, width x 3 bytes
    // each) with the pattern of frame `index` at points well inside the flat
    // areas, where lossy coding keeps the colours within `tolerance`. On a
    // mismatch `why` names the first point that differs.
    static bool matchesPattern(
        const uchar* rgb, int width, int height, int index, int tolerance, QString* why = nullptr, int channel = 0);

    // Whether a screenshot shows frame 0 of a channel's width x height pattern
    // scaled into `tile`: the middle of each colour bar and the band below
    // them. `shown` is the part of the picture the tile shows (all of it when
    // null); points outside it are not checked.
    static bool tileShowsPattern(
        const QImage& shot, const QRect& tile, int width, int height, int channel = 0, QRectF shown = QRectF());

private:
    void fail(const QString& what, int code);
    void makeCameraLike(int index);

    int m_width;
    int m_height;
    int m_keyInterval;
    int m_channel;
    int m_cameraKbps;
    int m_index = 0;
    QString m_error;
    AVCodecContext* m_context = nullptr;
    AVFrame* m_picture = nullptr;
    AVPacket* m_packet = nullptr;
    SwsContext* m_scaler = nullptr;
};
