#include "CRecord.h"

#include "Common/CFrameInfo.h"
#include "Common/MakeDecodeFrame.h"
#include "Settings/CAppSettings.h"
#include "Settings/CSavePath.h"
#include "SysData/CRecordPath.h"
#include "dvr_protocol/cgi_response.pb.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutexLocker>
#include <QtDebug>
#include <algorithm>

namespace {

const quint32 MAX_CHANNELS = 16;

bool taken(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

} // namespace

CRecord::CRecord() = default;

CRecord::~CRecord()
{
    stop();
}

bool CRecord::start(const QString& dvrName, const cgi::DvrInfo& info, long mode)
{
    stop();
    QMutexLocker lock(&m_mutex);
    m_error.clear();
    const int channels = static_cast<int>(std::min(info.ch_num(), MAX_CHANNELS));
    if (channels == 0) {
        m_error = tr("[ERROR] The DVR has reported no channels to record");
        return false;
    }
    const QString key = CAppSettings::PATH_LIST.at(mode == 0 ? 1 : 2);
    m_folder = CRecordPath::folder(CSavePath::folder(key), dvrName);
    if (!QDir().mkpath(m_folder)) {
        m_error = tr("[ERROR] Can not create the recording folder %1").arg(m_folder);
        return false;
    }
    m_fileFormat = CAppSettings().readSetting(CAppSettings::FILE_FORMAT).toInt();
    if (m_fileFormat == FORMAT_AVI) {
        for (int i = 0; i < channels; ++i)
            m_channels.push_back(std::make_unique<Channel>());
    } else {
        m_raw.init(dvrName, m_folder, info);
    }
    m_recording.store(true, std::memory_order_release);
    return true;
}

bool CRecord::stop()
{
    QMutexLocker lock(&m_mutex);
    if (!m_recording.load(std::memory_order_relaxed))
        return true;
    return closeAll();
}

QString CRecord::errorString() const
{
    QMutexLocker lock(&m_mutex);
    return m_error;
}

QString CRecord::takeFailure()
{
    QMutexLocker lock(&m_mutex);
    QString failure;
    failure.swap(m_error);
    return failure;
}

void CRecord::writeFrame(bool oldProtocol, const QByteArray& frame)
{
    if (!isRecording())
        return;
    const CFrameInfo info = CFrameInfo::read(oldProtocol, frame);
    if (!info.valid)
        return;

    QString failure;
    {
        QMutexLocker lock(&m_mutex);
        if (!m_recording.load(std::memory_order_relaxed))
            return;
        if (m_fileFormat == FORMAT_AVI)
            failure = writeAvi(oldProtocol, frame, info);
        else if (m_raw.writeData(oldProtocol, frame) == CCreateRaw::Failed)
            failure = m_raw.errorString();
        if (failure.isEmpty())
            return;
        closeAll();
        m_error = failure;
    }
    emit failed(failure);
}

QString CRecord::writeAvi(bool oldProtocol, const QByteArray& frame, const CFrameInfo& info)
{
    if (info.channel >= static_cast<int>(m_channels.size()))
        return QString();
    Channel& channel = *m_channels[static_cast<size_t>(info.channel)];
    const bool key = info.type == CFrameInfo::TYPE_KEY;

    if (key && channel.rotate && channel.writer.isOpen() && !closeAvi(channel))
        return tr("[ERROR] Can not write the recording file %1")
            .arg(QString::fromStdString(channel.writer.errorText()));
    if (key && !channel.writer.isOpen()) {
        const QString error = openAvi(channel, info.channel, oldProtocol, info);
        if (!error.isEmpty())
            return error;
    }
    // Frames of a channel before its first key frame cannot be decoded and
    // are not kept.
    if (!channel.writer.isOpen())
        return QString();
    return writeAviChunk(channel, oldProtocol, frame, info);
}

QString CRecord::writeAviChunk(Channel& channel, bool oldProtocol, const QByteArray& frame, const CFrameInfo& info)
{
    const auto* payload = reinterpret_cast<const unsigned char*>(frame.constData()) + info.dataOffset;
    const unsigned char* data = payload;
    int length = info.dataSize;
    const bool audio = info.type == CFrameInfo::TYPE_AUDIO;
    if (audio) {
        m_samples.resize(static_cast<size_t>(CDecodeAudio::getDecodedSize(oldProtocol)));
        const int samples = channel.audio.DecodeFrame(
            oldProtocol, payload, info.dataSize, m_samples.data(), static_cast<int>(m_samples.size()));
        if (samples <= 0)
            return QString();
        data = reinterpret_cast<const unsigned char*>(m_samples.data());
        length = samples * static_cast<int>(sizeof(short));
    } else {
        channel.fps.count(info.time);
        if (oldProtocol && info.type == CFrameInfo::TYPE_KEY) {
            // Old-dialect key frames come without parameter sets.
            m_keyFrame.resize(static_cast<size_t>(info.dataSize) + MAX_DECODE_PREFIX);
            length = static_cast<int>(MakeDecodeFrame(
                payload, static_cast<unsigned long>(info.dataSize), info.width, info.height, m_keyFrame.data()));
            data = m_keyFrame.data();
        }
    }

    const bool key = info.type == CFrameInfo::TYPE_KEY;
    int result = channel.writer.writeData(data, length, audio, key);
    if (result == CCreateAVI::WRITE_FULL) {
        // No key frame came in time: the file is full, so a new one begins
        // here rather than losing the chunk.
        if (!closeAvi(channel))
            return tr("[ERROR] Can not write the recording file %1")
                .arg(QString::fromStdString(channel.writer.errorText()));
        const QString error = openAvi(channel, info.channel, oldProtocol, info);
        if (!error.isEmpty())
            return error;
        result = channel.writer.writeData(data, length, audio, key);
    }
    switch (result) {
    case CCreateAVI::WRITE_NEARLY_FULL:
        channel.rotate = true;
        break;
    case CCreateAVI::WRITE_FAILED:
        return tr("[ERROR] Can not write the recording file %1")
            .arg(QString::fromStdString(channel.writer.errorText()));
    case CCreateAVI::WRITE_NOT_H264:
        qDebug("[ERROR] channel %d: video frame is not H.264, not recorded", info.channel + 1);
        break;
    default:
        break;
    }
    return QString();
}

QString CRecord::openAvi(Channel& channel, int number, bool oldProtocol, const CFrameInfo& info)
{
    // The sound as live view plays it.
    channel.writer.setInfo(CCreateAVI::H264, info.width, info.height, CCreateAVI::PCM,
        CDecodeAudio::getDecodedSize(oldProtocol), CDecodeAudio::SAMPLE_RATE, CDecodeAudio::getChannels(oldProtocol),
        CDecodeAudio::BITS_PER_SAMPLE);
    const QString stem = CRecordPath::timeStem(m_folder, info.time.sec) + QString::asprintf("_%02d", number + 1);
    for (int attempt = 0; attempt <= CRecordPath::MAX_ATTEMPTS; ++attempt) {
        const QString path = CRecordPath::numbered(stem, attempt) + QStringLiteral(".avi");
        if (taken(path))
            continue;
        if (channel.writer.init(QFile::encodeName(path).constData()) == 0)
            return QString();
        if (!taken(path))
            return tr("[ERROR] Can not create the recording file %1")
                .arg(QString::fromStdString(channel.writer.errorText()));
    }
    return tr("[ERROR] No free file name for %1").arg(stem);
}

bool CRecord::closeAvi(Channel& channel)
{
    channel.writer.setVideoFPS(channel.fps.rate());
    channel.fps = CCheckFPS();
    channel.rotate = false;
    return channel.writer.deinit() == 0;
}

bool CRecord::closeAll()
{
    m_recording.store(false, std::memory_order_release);
    bool complete = true;
    if (m_fileFormat == FORMAT_AVI) {
        for (const std::unique_ptr<Channel>& channel : m_channels) {
            if (channel->writer.isOpen() && !closeAvi(*channel) && complete) {
                complete = false;
                m_error = tr("[ERROR] Can not complete the recording file %1")
                              .arg(QString::fromStdString(channel->writer.errorText()));
            }
        }
        m_channels.clear();
    } else if (!m_raw.deinit()) {
        complete = false;
        m_error = m_raw.errorString();
    }
    m_samples = std::vector<short>();
    m_keyFrame = std::vector<unsigned char>();
    return complete;
}
