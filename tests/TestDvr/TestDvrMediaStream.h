#pragma once

#include "Common/CG723Coder.h"
#include "TestDvrClips.h"
#include "TestDvrContent.h"
#include "TestDvrStream.h"
#include "TestDvrStreamSettings.h"

#include <QElapsedTimer>
#include <QList>
#include <QPointer>
#include <array>
#include <memory>

class TestDvrPlaybackCursor;
class TestDvrStreams;

// What a DVR streams for one stream request: the answer code, its identity,
// then video of every requested channel at the frame rate (live at the
// current time; playback and backup from the start time, a backup up to its
// end time and then the DVR closes), audio, and live or playback status
// packets; shaped by the fault switch of the settings. A playback or backup
// stream given a cursor follows the DVR's recordings and its playback
// commands instead (video and status only).
class TestDvrMediaStream : public TestDvrStream {
    Q_OBJECT

public:
    struct Request {
        bool oldDialect = false;
        bool audioStream = false;
        int mode = 0; // 0 live, 1 playback, 2 backup
        int id = 1; // the client id the packets carry
        quint32 videoMask = 0;
        quint32 audioMask = 0;
        quint32 headerOnlyMask = 0;
        quint32 startTime = 0;
        quint32 endTime = 0;
        bool skipMode = true;
        std::shared_ptr<TestDvrPlaybackCursor> playback;
    };

    TestDvrMediaStream(const Request& request, const TestDvrStreamSettings& settings, const TestDvrContent& content,
        TestDvrStreams* streams, int record, QObject* parent = nullptr);
    ~TestDvrMediaStream() override;

    // The client id its packets carry.
    int clientId() const { return m_request.id; }

    // From the next frame time on: the video channels with those sent as
    // headers only (a video stream), the audio channels. Channels beyond the
    // DVR's count are never sent.
    void setVideoChannels(quint32 videoMask, quint32 headerOnlyMask);
    void setAudioChannels(quint32 audioMask);
    // Sends nothing more and keeps the connection open, as a DVR that hangs
    // or a link cut on the way.
    void fallSilent();

protected:
    std::optional<Chunk> nextChunk() override;

private:
    quint32 channelLimit() const;
    bool refuses() const;
    QList<QByteArray> preamble() const;
    // The packets of the next frame time; false when the stream has ended.
    bool nextPackets(QList<QByteArray>* out);
    bool nextRecordedPackets(QList<QByteArray>* out);
    // Encoded on first use (once per process), after the answer went out.
    void loadClips();
    void addVideo(QList<QByteArray>& packets, int channel, quint64 microseconds);
    void addAudio(QList<QByteArray>& packets, quint64 streamMs);
    // A live status packet when it is due, or at once after a change.
    void addStatus(QList<QByteArray>& packets, bool changed = false);
    // Takes a change of the DVR's live state; true when there was one.
    bool takeLiveState();
    void addLyingFrames(QList<QByteArray>& packets, quint64 microseconds);
    QByteArray packet(int newType, int oldType, const QByteArray& payload) const;
    QByteArray videoFrame(const QByteArray& payload, bool key, int channel, quint64 microseconds, qint64 sizeLie,
        quint8 kind = 0, int pbMode = 0) const;
    QByteArray oldIdentity() const;
    // Turns packets into pieces on the wire as the fault switch wants them.
    void queue(const QList<QByteArray>& packets, int delayMs);
    int tickDelayMs() const;
    bool audioMovedToItsOwnStream() const;

    Request m_request;
    TestDvrStreamSettings m_settings;
    TestDvrContent m_content;
    QPointer<TestDvrStreams> m_streams;
    int m_record;
    QList<QList<TestDvrClips::Frame>> m_clips;
    std::array<int, 16> m_clipAt; // of a recorded stream: each channel's last frame, -1 none
    CG723Coder m_g723;
    QElapsedTimer m_clock;
    quint64 m_liveStartUs = 0;
    qint64 m_tick = 0;
    qint64 m_audioSamples = 0;
    qint64 m_lastStatusMs = -1;
    cgi::LiveStatus m_liveStatus;
    quint64 m_liveVersion = 0;
    qint64 m_videoFrames = 0;
    qint64 m_packets = 0;
    bool m_started = false;
    bool m_ended = false;
    bool m_silent = false;
    QList<Chunk> m_pieces;
    // Camera content: when each piece is due on the stream's clock.
    QList<qint64> m_pieceDueMs;
};
