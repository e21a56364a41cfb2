#include "CCreateRaw.h"

#include "Common/CEucKr.h"
#include "Common/CFrameInfo.h"
#include "Common/CWholeFileWriter.h"
#include "SysData/CRecordPath.h"
#include "SysData/Index.h"
#include "dvr_protocol/cgi_response.pb.h"
#include "dvr_types/StreamTypes.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QtDebug>
#include <QtEndian>
#include <algorithm>
#include <cstring>

namespace {

const int HAV_HEADER_SIZE = 413;
const int HAV_NAME_FIELD = 21;
const int HAV_DVR_NAME_AT = 8;
const int HAV_CAMERA_NAMES_AT = 29;
const int HRF_HEADER_SIZE = 40;
const int MAX_CHANNELS = 16;
const int MAX_NAME_BYTES = 20;

// The longest head of an EUC-KR text that fits in max bytes without cutting
// a two-byte character.
QByteArray fitEucKr(const QByteArray& text, int max)
{
    int end = 0;
    while (end < text.size()) {
        const int next = end + (static_cast<unsigned char>(text[end]) >= 0x80 ? 2 : 1);
        if (next > max || next > text.size())
            break;
        end = next;
    }
    return text.left(end);
}

// The longest head of a UTF-8 text that fits in max bytes without cutting a
// character.
QByteArray fitUtf8(const QByteArray& text, int max)
{
    if (text.size() <= max)
        return text;
    int end = max;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        --end;
    return text.left(end);
}

void putName(QByteArray& header, int at, const QByteArray& name)
{
    std::memcpy(header.data() + at, name.constData(), static_cast<size_t>(name.size()));
}

// Kinds stored for the old dialect's record reasons 0, 1 and 2 are 1, 2 and
// 3; the undefined reason 3 is kept as 3, so its frames still show as
// recorded.
int oldDialectKind(int reason)
{
    return std::min(reason + 1, 3);
}

bool taken(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

QString tr(const char* text)
{
    return QCoreApplication::translate("CCreateRaw", text);
}

} // namespace

CCreateRaw::CCreateRaw()
    : m_havHeader(HAV_HEADER_SIZE, '\0')
{
}

CCreateRaw::~CCreateRaw() = default;

void CCreateRaw::init(const QString& dvrName, const QString& folder, const cgi::DvrInfo& info)
{
    deinit();
    m_folder = folder;
    m_error.clear();
    m_dbHeader = HdbFileHeader();
    m_dbHeader.channelCount = static_cast<quint8>(std::min<quint32>(info.ch_num(), MAX_CHANNELS));
    m_pending = MinuteRecord();

    m_havHeader.fill('\0');
    std::memcpy(m_havHeader.data(), "HAV\x01", 4);
    putName(m_havHeader, HAV_DVR_NAME_AT, fitEucKr(CEucKr::fromUnicode(dvrName), MAX_NAME_BYTES));
    const int named = std::min(info.ch_name_size(), MAX_CHANNELS);
    for (int i = 0; i < MAX_CHANNELS; ++i) {
        const QByteArray name
            = i < named ? QByteArray::fromStdString(info.ch_name(i)) : QByteArray("CH ") + QByteArray::number(i + 1);
        putName(m_havHeader, HAV_CAMERA_NAMES_AT + HAV_NAME_FIELD * i, fitUtf8(name, MAX_NAME_BYTES));
    }
}

CCreateRaw::Result CCreateRaw::writeData(bool oldProtocol, const QByteArray& frame)
{
    if (m_dbHeader.channelCount == 0) {
        qDebug("do not ready for recording");
        return Dropped;
    }
    const CFrameInfo info = CFrameInfo::read(oldProtocol, frame);
    if (!info.valid)
        return Dropped;
    const std::int64_t seconds = info.time.sec;

    if (m_pairOpen && (seconds >= m_pairMinute + 60 || m_havSize + frame.size() > MAX_FRAME_FILE_SIZE))
        closePair();
    if (!m_hdb.isOpen() && !openDatabase(seconds))
        return Failed;
    if (!m_pairOpen && !openPair(seconds))
        return Failed;

    // A finished minute is stored before the next one's frames, so that a
    // crash leaves every earlier minute on record.
    if (!writeDB(static_cast<std::uint32_t>(seconds - seconds % 60)))
        return Failed;

    Index index;
    index.channel = static_cast<quint8>(info.channel);
    index.type = static_cast<quint8>(info.type);
    index.seconds = static_cast<quint32>(seconds);
    index.microseconds = static_cast<quint32>(info.time.usec);
    index.size = static_cast<quint32>(frame.size());
    index.offset = static_cast<quint32>(m_havSize);
    unsigned char record[Index::SIZE];
    index.write(record);

    // A write cut short is taken back, so that the files end with whole
    // frames and whole records.
    if (!write(m_hav, frame.constData(), frame.size())) {
        m_hav.resize(m_havSize);
        return Failed;
    }
    m_havSize += frame.size();
    if (!write(m_hrf, reinterpret_cast<const char*>(record), Index::SIZE)) {
        m_hrf.resize(m_hrfSize);
        return Failed;
    }
    m_hrfSize += Index::SIZE;
    SaveDB(info.channel, static_cast<std::uint32_t>(seconds - seconds % 60),
        oldProtocol ? oldDialectKind(info.recordReason) : info.recordReason);
    return Written;
}

bool CCreateRaw::deinit()
{
    closePair();
    bool stored = true;
    if (m_hdb.isOpen()) {
        if (m_pending.start != 0)
            stored = appendPending();
        m_hdb.close();
    }
    m_pending = MinuteRecord();
    m_dbHeader.channelCount = 0;
    return stored;
}

bool CCreateRaw::openDatabase(std::int64_t seconds)
{
    const QString stem = CRecordPath::timeStem(m_folder, seconds);
    for (int attempt = 0; attempt <= CRecordPath::MAX_ATTEMPTS; ++attempt) {
        bool isTaken = false;
        if (!createNew(m_hdb, CRecordPath::numbered(stem, attempt) + QStringLiteral(".hdb"), "can not create db file",
                isTaken)) {
            if (isTaken)
                continue;
            return false;
        }
        if (write(m_hdb, reinterpret_cast<const char*>(&m_dbHeader), HdbFileHeader::SIZE))
            return true;
        m_hdb.close();
        return false;
    }
    fail(tr("[ERROR] No free file name for %1").arg(stem));
    return false;
}

bool CCreateRaw::openPair(std::int64_t seconds)
{
    const QString stem = CRecordPath::timeStem(m_folder, seconds);
    for (int attempt = 0; attempt <= CRecordPath::MAX_ATTEMPTS; ++attempt) {
        const QString base = CRecordPath::numbered(stem, attempt);
        bool isTaken = false;
        if (!createNew(m_hav, base + QStringLiteral(".hav"), "can not create raw file", isTaken)) {
            if (isTaken)
                continue;
            return false;
        }
        if (!createNew(m_hrf, base + QStringLiteral(".hrf"), "can not create index file", isTaken)) {
            m_hav.remove();
            if (isTaken)
                continue;
            return false;
        }
        static const char hrfHeader[HRF_HEADER_SIZE] = {'H', 'R', 'F', 1};
        if (!write(m_hav, m_havHeader.constData(), HAV_HEADER_SIZE) || !write(m_hrf, hrfHeader, HRF_HEADER_SIZE)) {
            m_hav.close();
            m_hrf.close();
            return false;
        }
        m_havSize = HAV_HEADER_SIZE;
        m_hrfSize = HRF_HEADER_SIZE;
        m_pairMinute = seconds - seconds % 60;
        m_pairOpen = true;
        return true;
    }
    fail(tr("[ERROR] No free file name for %1").arg(stem));
    return false;
}

void CCreateRaw::closePair()
{
    // Unbuffered: every byte already went to the system with its write.
    m_hav.close();
    m_hrf.close();
    m_pairOpen = false;
}

void CCreateRaw::SaveDB(int channel, std::uint32_t minute, int kind)
{
    if (m_pending.start == 0) {
        m_pending.start = minute;
        m_pending.end = minute + 60;
    }
    if (channel >= 0 && channel < MAX_CHANNELS) {
        m_pending.kinds[channel] = static_cast<quint8>(RecordReason_Update(m_pending.kinds[channel], kind));
        m_pending.mask = static_cast<quint16>(m_pending.mask | 1u << channel);
    }
}

bool CCreateRaw::writeDB(std::uint32_t minute)
{
    return m_pending.start == 0 || m_pending.start == minute || appendPending();
}

bool CCreateRaw::appendPending()
{
    unsigned char record[MinuteRecord::SIZE];
    m_pending.write(record);
    const qint64 before = m_hdb.size();
    if (!write(m_hdb, reinterpret_cast<const char*>(record), MinuteRecord::SIZE)) {
        m_hdb.resize(before);
        return false;
    }
    m_pending = MinuteRecord();
    return true;
}

bool CCreateRaw::write(QFile& file, const char* data, qint64 size)
{
    if (CWholeFileWriter::writeAll(file, data, size))
        return true;
    fail(tr("[ERROR] Can not write the recording file %1: %2").arg(file.fileName(), file.errorString()));
    return false;
}

bool CCreateRaw::createNew(QFile& file, const QString& path, const char* debugLine, bool& isTaken)
{
    file.setFileName(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
        return true;
    isTaken = taken(path);
    if (!isTaken) {
        qDebug("%s", debugLine);
        fail(tr("[ERROR] Can not create the recording file %1: %2").arg(path, file.errorString()));
    }
    return false;
}

CCreateRaw::Result CCreateRaw::fail(const QString& error)
{
    m_error = error;
    qDebug("%s", qPrintable(error));
    return Failed;
}

void CCreateRaw::MinuteRecord::write(unsigned char* out) const
{
    std::memset(out, 0, SIZE);
    qToLittleEndian<quint32>(start, out);
    qToLittleEndian<quint32>(end, out + 4);
    qToLittleEndian<quint16>(mask, out + 8);
    std::memcpy(out + 12, kinds, sizeof kinds);
    std::memset(out + 28, 0xFF, 32);
}
