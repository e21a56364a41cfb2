#include "TestDvrMediaStream.h"

#include "Common/CEucKr.h"
#include "TestDvrAnswers.h"
#include "TestDvrAudio.h"
#include "TestDvrPlaybackCursor.h"
#include "TestDvrStreams.h"
#include "VideoFrameWrapper.h"
#include "WireBuilder.h"
#include "dvr_protocol/cgi_response.pb.h"

#include <QDateTime>
#include <algorithm>

namespace {

using Fault = TestDvrStreamSettings::Fault;

// Old-dialect packet types.
const quint8 OLD_AUDIO = 2;
const quint8 OLD_VIDEO_KEY = 10;
const quint8 OLD_VIDEO = 11;
const quint8 OLD_DVR_INFO = 20;

const int OLD_IDENTITY_SIZE = 214;
const int OLD_NAME_SIZE = 13;
const int OVERSIZE_PAYLOAD = 6 * 1024 * 1024;
const int SILENCE_STEP_MS = 500;
const int PIECE_DELAY_MS = 1;
const quint64 ALAW_FRAME_MS = 40;
const quint64 G723_FRAME_MS = 400;

// Picture sizes of the old header's info byte: bits 1-2, plus bit 6 for
// 625-line pictures.
const int OLD_SIZES[8][2] = {{704, 240}, {352, 240}, {704, 480}, {704, 576}, {704, 288}, {352, 288}, {704, 576}};

quint8 oldSizeInfo(int width, int height)
{
    for (int i = 0; i < 6; ++i) {
        if (OLD_SIZES[i][0] == width && OLD_SIZES[i][1] == height)
            return static_cast<quint8>(((i & 3) << 1) | (i >= 4 ? 0x40 : 0) | 0x01);
    }
    return 0x01 | (1 << 1);
}

bool bit(quint32 mask, int channel)
{
    return (mask >> channel) & 1;
}

// Junk that never holds a start marker, with marker-like bytes in it.
QByteArray junk(qint64 seed)
{
    QByteArray bytes("\xFB\xFB\xFB", 3);
    for (int i = 0; i < 5 + int(seed % 11); ++i)
        bytes.append(static_cast<char>(0x20 + (seed * 7 + i * 13) % 0x50));
    bytes.append("\xFB\xFB", 2);
    return bytes;
}

void setLength(QByteArray& packet, quint32 length, bool bigEndian)
{
    for (int i = 0; i < 4; ++i) {
        const int shift = bigEndian ? 8 * (3 - i) : 8 * i;
        packet[6 + i] = static_cast<char>(length >> shift);
    }
}

} // namespace

TestDvrMediaStream::TestDvrMediaStream(const Request& request, const TestDvrStreamSettings& settings,
    const TestDvrContent& content, TestDvrStreams* streams, int record, QObject* parent)
    : TestDvrStream(parent)
    , m_request(request)
    , m_settings(settings)
    , m_content(content)
    , m_streams(streams)
    , m_record(record)
    , m_liveStatus(content.liveStatus)
{
    m_settings.fps = std::clamp(m_settings.fps, 1, 60);
    m_settings.backupSpeed = std::max(1, m_settings.backupSpeed);
    m_liveStartUs = quint64(QDateTime::currentMSecsSinceEpoch()) * 1000;
    m_clipAt.fill(-1);
    m_clock.start();
    setVideoChannels(request.videoMask, request.headerOnlyMask);
    setAudioChannels(request.audioMask);
}

quint32 TestDvrMediaStream::channelLimit() const
{
    const quint32 channels = std::min<quint32>(m_content.dvrInfo.ch_num(), 16);
    return (1u << channels) - 1;
}

void TestDvrMediaStream::setVideoChannels(quint32 videoMask, quint32 headerOnlyMask)
{
    m_request.videoMask = videoMask & channelLimit();
    m_request.headerOnlyMask = headerOnlyMask & channelLimit();
    // Streaming has begun: the pictures of channels new to the stream.
    if (m_tick > 0)
        loadClips();
    if (m_streams)
        m_streams->noteChannels(m_record, m_request);
}

void TestDvrMediaStream::setAudioChannels(quint32 audioMask)
{
    m_request.audioMask = audioMask & channelLimit();
    if (m_streams)
        m_streams->noteChannels(m_record, m_request);
}

void TestDvrMediaStream::fallSilent()
{
    m_silent = true;
    m_pieces.clear();
    m_pieceDueMs.clear();
}

TestDvrMediaStream::~TestDvrMediaStream()
{
    if (m_streams)
        m_streams->noteEnded(m_record, this);
}

std::optional<TestDvrStream::Chunk> TestDvrMediaStream::nextChunk()
{
    while (m_pieces.isEmpty()) {
        if (m_ended)
            return std::nullopt;
        if (!m_started) {
            m_started = true;
            queue(preamble(), 0);
            if (refuses())
                m_ended = true;
            continue;
        }
        if (m_silent || m_settings.fault == Fault::Silence)
            return Chunk{QByteArray(), SILENCE_STEP_MS};
        const int delay = tickDelayMs();
        QList<QByteArray> packets;
        if (!nextPackets(&packets)) {
            m_ended = true;
            continue;
        }
        if (packets.isEmpty())
            return Chunk{QByteArray(), delay};
        queue(packets, delay);
    }
    if (m_streams)
        m_streams->noteSent(m_record, m_videoFrames, m_packets);
    Chunk next = m_pieces.takeFirst();
    if (!m_pieceDueMs.isEmpty())
        next.delayMs = int(std::max<qint64>(0, m_pieceDueMs.takeFirst() - m_clock.elapsed()));
    return next;
}

QList<QByteArray> TestDvrMediaStream::preamble() const
{
    QList<QByteArray> packets;
    const bool refuse = refuses();
    if (refuse || !m_request.oldDialect)
        packets.append(TestDvrAnswers::responsePacket(quint8(m_request.id),
            refuse ? quint8(m_settings.faultValue) : TestDvrAnswers::ANSWER_ACCEPTED, m_request.oldDialect));
    if (refuse || m_request.audioStream)
        return packets;
    if (m_request.oldDialect) {
        packets.append(packet(0, OLD_DVR_INFO, oldIdentity()));
        return packets;
    }
    cgi::DvrInfo identity = m_content.dvrInfo;
    if (m_settings.fault == Fault::ShortNames) {
        while (identity.ch_name_size() > 3)
            identity.mutable_ch_name()->RemoveLast();
    }
    packets.append(packet(cgi::DATA_DVR_INFO, 0, WireBuilder::bytesOf(identity)));
    return packets;
}

QByteArray TestDvrMediaStream::oldIdentity() const
{
    const cgi::DvrInfo& info = m_content.dvrInfo;
    QByteArray record(OLD_IDENTITY_SIZE, '\0');
    const bool shortNames = m_settings.fault == Fault::ShortNames;
    record[0] = static_cast<char>(shortNames ? 40 : info.ch_num());
    record[2] = static_cast<char>(info.available_chmask() >> 8);
    record[3] = static_cast<char>(info.available_chmask());
    record[4] = static_cast<char>(m_content.oldModel);
    for (int channel = 0; channel < std::min(16, info.ch_name_size()); ++channel) {
        const QByteArray name = CEucKr::fromUnicode(QString::fromStdString(info.ch_name(channel)));
        record.replace(6 + channel * OLD_NAME_SIZE, std::min<int>(int(name.size()), OLD_NAME_SIZE - 1), name);
    }
    return record;
}

bool TestDvrMediaStream::refuses() const
{
    // Code 0 is the new dialect's acceptance: the stream follows.
    return m_settings.fault == Fault::Refuse && (m_request.oldDialect || m_settings.faultValue != 0);
}

int TestDvrMediaStream::tickDelayMs() const
{
    const int speed = m_request.mode == 2 ? m_settings.backupSpeed : 1;
    const qint64 due = m_tick * 1000 / (qint64(m_settings.fps) * speed);
    return int(std::max<qint64>(0, due - m_clock.elapsed()));
}

bool TestDvrMediaStream::nextPackets(QList<QByteArray>* out)
{
    if (m_request.playback)
        return nextRecordedPackets(out);
    const qint64 tick = m_tick++;
    if (tick == 0) {
        loadClips();
        // The stream starts once it has pictures: no backlog to catch up
        // with a burst.
        m_clock.restart();
        m_liveStartUs = quint64(QDateTime::currentMSecsSinceEpoch()) * 1000;
    }
    const quint64 offsetUs = quint64(tick) * 1000000 / quint64(m_settings.fps);
    const quint64 timeUs
        = m_request.mode == 0 ? m_liveStartUs + offsetUs : quint64(m_request.startTime) * 1000000 + offsetUs;
    // A backup runs up to and including its end time.
    if (m_request.mode == 2 && m_request.endTime != 0 && timeUs > quint64(m_request.endTime) * 1000000)
        return false;

    QList<QByteArray>& packets = *out;
    // A change goes out before the frames it concerns.
    if (takeLiveState())
        addStatus(packets, true);
    if (m_settings.fault == Fault::Oversize && tick == 1) {
        WireBuilder::NewHeader header;
        header.type = 1;
        header.size = OVERSIZE_PAYLOAD;
        packets.append(packet(cgi::DATA_VIDEO, OLD_VIDEO, WireBuilder::newFrame(header, OVERSIZE_PAYLOAD)));
    }
    if (!m_request.audioStream) {
        for (int channel = 0; channel < 16; ++channel)
            addVideo(packets, channel, timeUs);
        if (m_settings.fault == Fault::LyingHeaders)
            addLyingFrames(packets, timeUs);
    }
    addAudio(packets, offsetUs / 1000);
    addStatus(packets);
    return true;
}

bool TestDvrMediaStream::nextRecordedPackets(QList<QByteArray>* out)
{
    if (m_tick++ == 0)
        loadClips();
    const TestDvrPlaybackCursor::Frames frames = m_request.playback->next();
    if (frames.ended)
        return false;
    const int mode = m_request.playback->mode();
    for (int channel = 0; channel < 16; ++channel) {
        const QList<TestDvrClips::Frame>& clip = m_clips.value(channel);
        int& at = m_clipAt[std::size_t(channel)];
        if (!bit(frames.channels & m_request.videoMask, channel) || clip.isEmpty()) {
            at = -1;
            continue;
        }
        at = frames.restart || frames.keyOnly || at < 0 ? 0 : (at + 1) % int(clip.size());
        const TestDvrClips::Frame& frame = clip.at(at);
        out->append(packet(cgi::DATA_VIDEO, frame.key ? OLD_VIDEO_KEY : OLD_VIDEO,
            videoFrame(frame.data, frame.key, channel, frames.timeUs, 0, frames.kinds[std::size_t(channel)], mode)));
        ++m_videoFrames;
    }
    addStatus(*out);
    return true;
}

void TestDvrMediaStream::loadClips()
{
    if (m_request.audioStream)
        return;
    m_clips.resize(16);
    QList<int> wanted;
    for (int channel = 0; channel < 16; ++channel) {
        if (bit(m_request.videoMask | m_request.headerOnlyMask, channel) && m_clips.at(channel).isEmpty())
            wanted.append(channel);
    }
    const QList<QList<TestDvrClips::Frame>> loops = TestDvrClips::loops(m_settings.width, m_settings.height, wanted,
        m_settings.clipFrames, m_settings.keyInterval, m_settings.cameraKbps);
    for (qsizetype i = 0; i < wanted.size(); ++i)
        m_clips[wanted.at(i)] = loops.value(i);
}

void TestDvrMediaStream::addVideo(QList<QByteArray>& packets, int channel, quint64 microseconds)
{
    const QList<TestDvrClips::Frame>& clip = m_clips.value(channel);
    if (clip.isEmpty() || !bit(m_request.videoMask | m_request.headerOnlyMask, channel))
        return;
    const TestDvrClips::Frame& frame = clip.at(int((m_tick - 1) % clip.size()));
    const quint8 oldType = frame.key ? OLD_VIDEO_KEY : OLD_VIDEO;
    if (bit(m_request.headerOnlyMask, channel)) {
        // Headers only: the real size, no picture.
        const QByteArray header = videoFrame(frame.data, frame.key, channel, microseconds, 0);
        packets.append(packet(cgi::DATA_VIDEO, oldType, header.left(header.size() - frame.data.size())));
        return;
    }
    QByteArray payload = frame.data;
    if (m_settings.fault == Fault::CorruptVideo && m_videoFrames % 3 == 2) {
        for (qsizetype i = 8; i < payload.size(); ++i)
            payload[i] = static_cast<char>(payload.at(i) ^ 0x5A);
    }
    packets.append(packet(cgi::DATA_VIDEO, oldType, videoFrame(payload, frame.key, channel, microseconds, 0)));
    ++m_videoFrames;
}

void TestDvrMediaStream::addLyingFrames(QList<QByteArray>& packets, quint64 microseconds)
{
    const QByteArray picture = m_clips.value(0).value(1).data;
    const int channel = 16 + int(m_tick % 200);
    packets.append(packet(cgi::DATA_VIDEO, OLD_VIDEO, videoFrame(picture, false, channel, microseconds, 0)));
    packets.append(packet(cgi::DATA_VIDEO, OLD_VIDEO, videoFrame(picture, false, 0, microseconds, 1000)));
}

QByteArray TestDvrMediaStream::videoFrame(const QByteArray& payload, bool key, int channel, quint64 microseconds,
    qint64 sizeLie, quint8 kind, int pbMode) const
{
    const quint32 seconds = quint32(microseconds / 1000000);
    const quint32 usec = quint32(microseconds % 1000000);
    const quint32 size = quint32(payload.size() + sizeLie);
    if (!m_request.oldDialect) {
        WireBuilder::NewHeader header;
        header.type = key ? 0 : 1;
        header.channel = static_cast<quint8>(channel);
        header.size = size;
        header.width = static_cast<quint16>(m_settings.width);
        header.height = static_cast<quint16>(m_settings.height);
        header.sec = seconds;
        header.usec = usec;
        header.recReason = kind;
        return WireBuilder::newFrame(header, 0) + payload;
    }
    const cgi::LiveStatus& status = m_liveStatus;
    WireBuilder::OldHeader header;
    header.totalLength = size;
    header.dataSize = size;
    header.sizeAndType = (quint32(payload.size()) & 0xFFFFF) | quint32(key ? 0 : 1) << 22;
    header.info = oldSizeInfo(m_settings.width, m_settings.height);
    if (bit(status.record_chmask(), channel & 15))
        header.info |= 0x20;
    if (bit(status.motion_chmask(), channel & 15))
        header.info |= 0x08;
    if (bit(status.sensor_chmask(), channel & 15))
        header.info |= 0x10;
    header.videoLoss = static_cast<quint16>(status.vloss_chmask());
    // Byte 13: the playback code over the record reason (kinds 1 to 3 are
    // that dialect's reasons 0 to 2).
    const quint8 reason = kind == 0 ? 0 : quint8(kind - 1);
    header.recordAndPlayback = m_request.mode == 0 ? 0 : quint8(TestDvrPlaybackCursor::oldCode(pbMode) << 3 | reason);
    header.sec = seconds;
    header.usec = usec;
    header.channel = static_cast<quint8>(channel);
    return WireBuilder::oldFrame(header, 0) + payload;
}

bool TestDvrMediaStream::audioMovedToItsOwnStream() const
{
    return m_streams && m_streams->isRunning(m_request.id + 100);
}

void TestDvrMediaStream::addAudio(QList<QByteArray>& packets, quint64 streamMs)
{
    if (!m_settings.audio || m_request.audioMask == 0)
        return;
    // An old DVR sends audio on its audio stream only; a new one moves it
    // there once the client opened one.
    if (!m_request.audioStream && (m_request.oldDialect || audioMovedToItsOwnStream()))
        return;
    const int samples = m_request.oldDialect ? TestDvrAudio::G723_SAMPLES : TestDvrAudio::ALAW_SAMPLES;
    const quint64 frameMs = m_request.oldDialect ? G723_FRAME_MS : ALAW_FRAME_MS;
    const quint64 base = m_request.mode == 0 ? m_liveStartUs / 1000 : quint64(m_request.startTime) * 1000;
    while (quint64(m_audioSamples / samples) * frameMs <= streamMs) {
        const quint64 atMs = base + quint64(m_audioSamples / samples) * frameMs;
        for (int channel = 0; channel < 16; ++channel) {
            if (!bit(m_request.audioMask, channel))
                continue;
            const quint32 seconds = quint32(atMs / 1000);
            const quint32 usec = quint32(atMs % 1000 * 1000);
            if (m_request.oldDialect) {
                const QByteArray coded = TestDvrAudio::g723(m_g723, channel, m_audioSamples);
                packets.append(packet(0, OLD_AUDIO, VideoFrameWrapper::oldFrame(coded, 3, channel, 0, seconds, usec)));
            } else {
                const QByteArray alaw = TestDvrAudio::alaw(channel, m_audioSamples);
                packets.append(
                    packet(cgi::DATA_AUDIO, 0, VideoFrameWrapper::newFrame(alaw, 3, channel, 704, 480, seconds, usec)));
            }
        }
        m_audioSamples += samples;
    }
}

bool TestDvrMediaStream::takeLiveState()
{
    if (!m_streams || m_streams->liveState().version() == m_liveVersion)
        return false;
    m_liveStatus = m_streams->liveState().status(&m_liveVersion);
    return true;
}

void TestDvrMediaStream::addStatus(QList<QByteArray>& packets, bool changed)
{
    if (m_request.oldDialect || m_request.audioStream)
        return;
    const qint64 now = m_clock.elapsed();
    if (!changed && m_lastStatusMs >= 0 && now - m_lastStatusMs < m_settings.statusIntervalMs)
        return;
    m_lastStatusMs = now;
    if (m_request.mode == 0) {
        packets.append(packet(cgi::DATA_LIVE_STATUS, 0, WireBuilder::bytesOf(m_liveStatus)));
        return;
    }
    cgi::PbStatus playback;
    playback.set_mode(m_request.playback ? quint32(m_request.playback->mode()) : 0);
    packets.append(packet(cgi::DATA_PB_STATUS, 0, WireBuilder::bytesOf(playback)));
}

QByteArray TestDvrMediaStream::packet(int newType, int oldType, const QByteArray& payload) const
{
    const quint8 type = static_cast<quint8>(m_request.oldDialect ? oldType : newType);
    return WireBuilder::packet(static_cast<quint8>(m_request.id), type, payload, m_request.oldDialect);
}

void TestDvrMediaStream::queue(const QList<QByteArray>& packets, int delayMs)
{
    QList<QByteArray> wire;
    for (QByteArray bytes : packets) {
        if (m_settings.fault == Fault::CloseAfter && m_packets >= m_settings.faultValue) {
            m_ended = true;
            break;
        }
        ++m_packets;
        if (m_settings.fault == Fault::BadLength && m_packets % 7 == 0) {
            // Alternately too short (the end marker is not where it says)
            // and too long (the DVR's next packet is read as this one's end).
            const qint64 payload = bytes.size() - 14;
            const qint64 lie = m_packets % 14 == 0 ? payload + 3 : std::max<qint64>(0, payload - 5);
            setLength(bytes, quint32(lie), m_request.oldDialect);
        }
        if (m_settings.fault == Fault::Garbage)
            wire.append(junk(m_packets));
        wire.append(bytes);
    }
    if (wire.isEmpty())
        return;

    if (m_settings.fault == Fault::SlowDrip) {
        const QByteArray all = wire.join();
        for (qsizetype i = 0; i < all.size(); ++i)
            m_pieces.append({all.mid(i, 1), std::max(1, m_settings.faultValue)});
        return;
    }
    if (m_settings.fault == Fault::Split) {
        // The first packet of each frame time in three writes, the first
        // ending inside its start marker; the others follow whole.
        const QByteArray& first = wire.first();
        const qsizetype half = std::max<qsizetype>(3, first.size() / 2);
        m_pieces.append({first.left(2), delayMs});
        m_pieces.append({first.mid(2, half - 2), PIECE_DELAY_MS});
        m_pieces.append({first.mid(half) + wire.mid(1).join(), PIECE_DELAY_MS});
        return;
    }
    if (m_settings.cameraKbps > 0) {
        // Cameras are not in step: their frames come spread over the frame
        // interval, each at its own time however late the last one went.
        const qint64 dueMs = m_clock.elapsed() + delayMs;
        const int spacingMs = 1000 / m_settings.fps / int(wire.size());
        for (qsizetype i = 0; i < wire.size(); ++i) {
            m_pieces.append({wire.at(i), 0});
            m_pieceDueMs.append(dueMs + i * spacingMs);
        }
        return;
    }
    m_pieces.append({wire.join(), delayMs});
}
