#pragma once

#include "TestDvrContent.h"
#include "TestDvrLiveState.h"
#include "TestDvrMediaStream.h"
#include "TestDvrReply.h"
#include "TestDvrRequest.h"
#include "TestDvrStreamSettings.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <mutex>

// The stream side of a test DVR: answers raw stream requests of both
// dialects with media streams, gives each video stream a client id of its
// own (an audio stream is named by the CID of its request), ends the stream
// that a stop request names, and keeps a record of every stream served. On
// the new dialect a video stream's stop ends its audio stream too.
// Lives on the DVR's thread; settings and records may be used from any.
class TestDvrStreams : public QObject {
    Q_OBJECT

public:
    // What a stream was asked for (its channels as they are now), and how it
    // went.
    struct Record : TestDvrMediaStream::Request {
        qint64 videoFrames = 0; // whole, valid video frames written
        qint64 packets = 0;
        bool running = true;
        bool stoppedByRequest = false;
    };

    explicit TestDvrStreams(QObject* parent = nullptr);

    // Gives each playback and backup video stream a cursor that it follows.
    using PlaybackFactory = std::function<std::shared_ptr<TestDvrPlaybackCursor>(
        const TestDvrMediaStream::Request& request, const TestDvrStreamSettings& settings)>;

    void setSettings(const TestDvrStreamSettings& settings);
    TestDvrStreamSettings settings() const;
    void setPlaybackFactory(PlaybackFactory factory);

    // The answer to a raw stream request; a mode that is no stream gets an
    // empty answer and the connection closes.
    TestDvrReply answer(const TestDvrRequest& request, const TestDvrContent& content);
    // A stop command: ends the running stream with that client id.
    bool stop(int id);
    // A channel selection: from its next frame the running stream with that
    // client id carries these video channels, those of headerOnlyMask as
    // headers without pictures (an audio stream ignores both).
    bool changeChannels(int id, quint32 videoMask, quint32 headerOnlyMask);
    // The same for the audio channels of a stream.
    bool changeAudioChannels(int id, quint32 audioMask);
    // The next video stream gets this client id (1-255), as if another
    // viewer's numbering had got there.
    void setNextVideoId(int id);

    // The DVR closes every running stream, as when it drops its clients.
    void dropAll();
    // Every running stream falls silent with its connection left open.
    void silenceAll();
    // The channels' live state, shared by every stream.
    TestDvrLiveState& liveState() { return m_liveState; }

    QList<Record> records() const;
    int runningCount() const;
    bool isRunning(int id) const;

signals:
    // A stream has ended (the client left, a stop request, its end, a fault).
    void streamEnded(const TestDvrStreams::Record& record);

public:
    // Reports of the streams.
    void noteSent(int record, qint64 videoFrames, qint64 packets);
    void noteChannels(int record, const TestDvrMediaStream::Request& request);
    void noteEnded(int record, TestDvrMediaStream* stream);

private:
    int nextVideoId() const;
    // On the DVR's thread, for each running stream.
    void forEachRunning(const std::function<void(TestDvrMediaStream*)>& act);
    // The running stream whose packets carry that client id.
    TestDvrMediaStream* runningStream(int id) const;

    mutable std::mutex m_mutex;
    TestDvrStreamSettings m_settings;
    PlaybackFactory m_playbackFactory;
    QList<Record> m_records;
    // By the id that stops them.
    QMultiHash<int, QPointer<TestDvrMediaStream>> m_running;
    mutable int m_lastVideoId = 0;
    mutable int m_nextVideoId = 0;
    TestDvrLiveState m_liveState;
};
