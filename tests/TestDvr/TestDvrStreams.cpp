#include "TestDvrStreams.h"

#include "dvr_protocol/cgi_request.pb.h"

#include <QDateTime>
#include <QTimeZone>
#include <utility>

namespace {

// Old-dialect stream modes.
const int OLD_LIVE = 0;
const int OLD_LIVE_SUB = 9;
const int OLD_RECORDED = 2;
const int OLD_AUDIO_LIVE = 1;
const int OLD_AUDIO_LIVE_SUB = 10;
const int OLD_AUDIO_RECORDED = 3;
const int AUDIO_ID_OFFSET = 100;
const int MAX_VIDEO_ID = 99;

quint32 hexMask(const QByteArray& text)
{
    bool ok = false;
    const uint mask = text.toUInt(&ok, 16);
    return ok ? mask & 0xFFFF : 0;
}

// "yyMMddhhmmss" on the DVR's clock (read as UTC); 0 when it is none.
quint32 oldTime(const QByteArray& text)
{
    QDateTime time = QDateTime::fromString(QString::fromLatin1(text), QStringLiteral("yyMMddhhmmss"));
    if (!time.isValid())
        return 0;
    time.setTimeZone(QTimeZone::utc());
    return static_cast<quint32>(time.addYears(100).toSecsSinceEpoch());
}

bool parseNew(const TestDvrRequest& request, TestDvrMediaStream::Request* stream)
{
    const std::string data = request.data.toStdString();
    stream->mode = request.mode;
    switch (request.mode) {
    case cgi::MODE_LIVE: {
        cgi::Live live;
        if (!live.ParseFromString(data))
            return false;
        stream->videoMask = live.vchmask() & 0xFFFF;
        stream->audioMask = live.achmask() & 0xFFFF;
        stream->headerOnlyMask = live.header_only_mask() & 0xFFFF;
        return true;
    }
    case cgi::MODE_PLAYBACK: {
        cgi::Playback playback;
        if (!playback.ParseFromString(data))
            return false;
        stream->videoMask = playback.vchmask() & 0xFFFF;
        stream->audioMask = playback.achmask() & 0xFFFF;
        stream->startTime = playback.start_time();
        stream->skipMode = playback.skip_mode();
        return true;
    }
    case cgi::MODE_BACKUP: {
        cgi::Backup backup;
        if (!backup.ParseFromString(data))
            return false;
        stream->videoMask = stream->audioMask = backup.chmask() & 0xFFFF;
        stream->startTime = backup.start_time();
        stream->endTime = backup.end_time();
        return true;
    }
    default:
        return false;
    }
}

bool parseOld(const TestDvrRequest& request, TestDvrMediaStream::Request* stream)
{
    const quint32 mask = hexMask(request.decodedParam("CH"));
    switch (request.mode) {
    case OLD_LIVE:
    case OLD_LIVE_SUB:
        stream->mode = 0;
        stream->videoMask = mask;
        return true;
    case OLD_RECORDED:
        stream->startTime = oldTime(request.decodedParam("STARTTIME"));
        stream->endTime = oldTime(request.decodedParam("ENDTIME"));
        stream->mode = request.hasParam("ENDTIME") ? 2 : 1;
        stream->videoMask = mask;
        return true;
    case OLD_AUDIO_LIVE:
    case OLD_AUDIO_LIVE_SUB:
    case OLD_AUDIO_RECORDED: {
        bool ok = false;
        stream->id = request.decodedParam("CID").toInt(&ok);
        if (!ok || stream->id < 0 || stream->id > 255)
            return false;
        stream->audioStream = true;
        stream->mode = request.mode == OLD_AUDIO_RECORDED ? 1 : 0;
        stream->audioMask = mask;
        return true;
    }
    default:
        return false;
    }
}

// The id a stop request names to end a stream: its own, except for the
// audio of a new-dialect video stream, which ends with that video stream.
int stopName(const TestDvrMediaStream::Request& stream)
{
    return stream.audioStream && !stream.oldDialect ? stream.id - AUDIO_ID_OFFSET : stream.id;
}

} // namespace

TestDvrStreams::TestDvrStreams(QObject* parent)
    : QObject(parent)
{
}

void TestDvrStreams::setSettings(const TestDvrStreamSettings& settings)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_settings = settings;
}

void TestDvrStreams::setPlaybackFactory(PlaybackFactory factory)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_playbackFactory = std::move(factory);
}

TestDvrStreamSettings TestDvrStreams::settings() const
{
    std::unique_lock<std::mutex> lock(m_mutex);
    return m_settings;
}

TestDvrReply TestDvrStreams::answer(const TestDvrRequest& request, const TestDvrContent& content)
{
    TestDvrMediaStream::Request stream;
    stream.oldDialect = request.dialect == TestDvrRequest::OldDialect;
    const bool parsed = stream.oldDialect ? parseOld(request, &stream) : parseNew(request, &stream);
    if (!parsed)
        return TestDvrReply::http(200);

    return TestDvrReply::streamed([this, stream, content](QObject* parent) mutable -> TestDvrStream* {
        if (stream.audioStream) {
            // The audio of a video stream: in that stream's dialect, and of a
            // recording from that stream's times.
            std::unique_lock<std::mutex> lock(m_mutex);
            for (const Record& record : std::as_const(m_records)) {
                if (record.audioStream || !record.running || record.id + AUDIO_ID_OFFSET != stream.id)
                    continue;
                stream.oldDialect = record.oldDialect;
                if (record.mode != 0) {
                    stream.mode = record.mode;
                    stream.startTime = record.startTime;
                    stream.endTime = record.endTime;
                }
            }
        } else {
            stream.id = nextVideoId();
        }
        int index = 0;
        TestDvrStreamSettings settings;
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            Record record;
            static_cast<TestDvrMediaStream::Request&>(record) = stream;
            m_records.append(record);
            index = int(m_records.size()) - 1;
            settings = m_settings;
            if (stream.mode != 0 && !stream.audioStream && m_playbackFactory)
                stream.playback = m_playbackFactory(stream, settings);
        }
        auto* media = new TestDvrMediaStream(stream, settings, content, this, index, parent);
        m_running.insert(stopName(stream), media);
        return media;
    });
}

void TestDvrStreams::setNextVideoId(int id)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_nextVideoId = id;
}

int TestDvrStreams::nextVideoId() const
{
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        if (m_nextVideoId > 0)
            return std::exchange(m_nextVideoId, 0);
    }
    for (int tries = 0; tries < MAX_VIDEO_ID; ++tries) {
        m_lastVideoId = m_lastVideoId % MAX_VIDEO_ID + 1;
        if (!isRunning(m_lastVideoId))
            break;
    }
    return m_lastVideoId;
}

bool TestDvrStreams::stop(int id)
{
    const QList<QPointer<TestDvrMediaStream>> named = m_running.values(id);
    if (named.isEmpty())
        return false;
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        for (Record& record : m_records) {
            if (stopName(record) == id && record.running)
                record.stoppedByRequest = true;
        }
    }
    for (const QPointer<TestDvrMediaStream>& stream : named) {
        if (stream)
            stream->finish();
    }
    return true;
}

TestDvrMediaStream* TestDvrStreams::runningStream(int id) const
{
    // Under its own id, or as a new-dialect audio stream under its video's.
    for (const int name : {id, id - AUDIO_ID_OFFSET}) {
        for (const QPointer<TestDvrMediaStream>& stream : m_running.values(name)) {
            if (stream && stream->clientId() == id)
                return stream;
        }
    }
    return nullptr;
}

bool TestDvrStreams::changeChannels(int id, quint32 videoMask, quint32 headerOnlyMask)
{
    TestDvrMediaStream* stream = runningStream(id);
    if (stream)
        stream->setVideoChannels(videoMask, headerOnlyMask);
    return stream;
}

bool TestDvrStreams::changeAudioChannels(int id, quint32 audioMask)
{
    TestDvrMediaStream* stream = runningStream(id);
    if (stream)
        stream->setAudioChannels(audioMask);
    return stream;
}

void TestDvrStreams::dropAll()
{
    forEachRunning([](TestDvrMediaStream* stream) { stream->finish(); });
}

void TestDvrStreams::silenceAll()
{
    forEachRunning([](TestDvrMediaStream* stream) { stream->fallSilent(); });
}

void TestDvrStreams::forEachRunning(const std::function<void(TestDvrMediaStream*)>& act)
{
    // The streams belong to the DVR's thread.
    QMetaObject::invokeMethod(this, [this, act] {
        const QList<QPointer<TestDvrMediaStream>> running = m_running.values();
        for (const QPointer<TestDvrMediaStream>& stream : running) {
            if (stream)
                act(stream);
        }
    });
}

QList<TestDvrStreams::Record> TestDvrStreams::records() const
{
    std::unique_lock<std::mutex> lock(m_mutex);
    return m_records;
}

int TestDvrStreams::runningCount() const
{
    std::unique_lock<std::mutex> lock(m_mutex);
    return static_cast<int>(
        std::count_if(m_records.cbegin(), m_records.cend(), [](const Record& record) { return record.running; }));
}

bool TestDvrStreams::isRunning(int id) const
{
    std::unique_lock<std::mutex> lock(m_mutex);
    return std::any_of(
        m_records.cbegin(), m_records.cend(), [id](const Record& record) { return record.running && record.id == id; });
}

void TestDvrStreams::noteSent(int record, qint64 videoFrames, qint64 packets)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_records[record].videoFrames = videoFrames;
    m_records[record].packets = packets;
}

void TestDvrStreams::noteChannels(int record, const TestDvrMediaStream::Request& request)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    if (record >= m_records.size())
        return;
    m_records[record].videoMask = request.videoMask;
    m_records[record].audioMask = request.audioMask;
    m_records[record].headerOnlyMask = request.headerOnlyMask;
}

void TestDvrStreams::noteEnded(int record, TestDvrMediaStream* stream)
{
    Record ended;
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_records[record].running = false;
        ended = m_records[record];
    }
    m_running.remove(stopName(ended), QPointer<TestDvrMediaStream>(stream));
    emit streamEnded(ended);
}
