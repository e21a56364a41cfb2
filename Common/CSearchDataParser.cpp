#include "CSearchDataParser.h"

#include "dvr_protocol/cal_data.pb.h"

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QThread>
#include <QtEndian>
#include <algorithm>

namespace {

constexpr std::uint64_t MINUTE = 60;

std::uint64_t minuteFloor(std::uint64_t t)
{
    return t / MINUTE * MINUTE;
}

std::uint64_t minuteCeiling(std::uint64_t t)
{
    return (t + MINUTE - 1) / MINUTE * MINUTE;
}

// The kind of a channel that recorded in a local minute. New-dialect frames
// of record reason 0 are stored with kind 0; they show as kind 1, the kind
// the old dialect gives that reason, or the recording could not be found.
unsigned char localKind(unsigned char stored)
{
    const unsigned char kind = stored & 3;
    return kind == 0 ? 1 : kind;
}

// Keeps the window painted while a long reply is read on the GUI thread.
void keepPainting()
{
    QCoreApplication* application = QCoreApplication::instance();
    if (application && QThread::currentThread() == application->thread())
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace

CSearchDataParser::CSearchDataParser(bool oldForm)
    : m_oldForm(oldForm)
{
}

void CSearchDataParser::setSearchRange(std::uint32_t start, std::uint32_t end)
{
    m_rangeSet = true;
    m_rangeFrom = minuteFloor(start);
    m_rangeTo = minuteCeiling(end);
}

void CSearchDataParser::clear()
{
    m_dvrTime = 0;
    m_version = 0;
    m_hours.clear();
    m_minData.clear();
    m_data.clear();
}

std::uint32_t& CSearchDataParser::getDvrTime()
{
    if (m_dvrTime == 0)
        m_dvrTime = static_cast<std::uint32_t>(QDateTime::currentSecsSinceEpoch());
    return m_dvrTime;
}

void CSearchDataParser::setNetData(const char* data, int length)
{
    m_dvrTime = 0;
    m_version = 0;
    m_hours.clear();
    m_minData.clear();
    if (!data || length <= 0)
        return;
    if (m_oldForm)
        parseOldForm(data, length);
    else
        parseNewForm(data, length);
}

void CSearchDataParser::parseOldForm(const char* data, int length)
{
    const int records = length / OLD_RECORD_SIZE;
    // The first record carries nothing of the search.
    for (int i = 1; i < records; ++i) {
        keepPainting();
        const uchar* record = reinterpret_cast<const uchar*>(data) + std::size_t(i) * OLD_RECORD_SIZE;
        const qint32 start = qFromBigEndian<qint32>(record);
        const qint32 end = qFromBigEndian<qint32>(record + 4);
        const quint32 mask = qFromBigEndian<quint32>(record + 12);
        if (start <= 0 || end <= 0 || end < start) {
            if (start == -1 && end == -1 && mask == 255)
                break;
            continue;
        }
        // A record covers less than one minute.
        if (qint64(end) - qint64(start) >= qint64(MINUTE))
            continue;
        for (int channel = 0; channel < MAX_DVR_CHANNEL; ++channel) {
            const unsigned char kind = record[16 + channel];
            if ((mask >> channel & 1) && kind <= 2)
                minuteGrid(std::uint32_t(start)).SetData(channel, minuteOf(std::uint32_t(start)), kind + 1);
        }
    }
    addMinuteHours();
}

void CSearchDataParser::parseNewForm(const char* data, int length)
{
    cgi::CalData reply;
    if (!reply.ParseFromArray(data, length))
        return;
    m_dvrTime = reply.dvr_time();
    m_version = reply.version();

    for (const cgi::CalItem& item : reply.items()) {
        keepPainting();
        unsigned char kinds[MAX_DVR_CHANNEL] = {};
        std::uint32_t channels = 0;
        const int reasons = std::min(MAX_DVR_CHANNEL, item.record_reason_size());
        for (int channel = 0; channel < reasons; ++channel) {
            if (item.record_chmask() >> channel & 1) {
                channels |= 1u << channel;
                kinds[channel] = static_cast<unsigned char>(item.record_reason(channel) & 0xFF);
            }
        }
        if (channels == 0 || !m_rangeSet)
            continue;
        const std::uint64_t from = std::max(minuteFloor(item.start_time()), m_rangeFrom);
        const std::uint64_t to = std::min(minuteCeiling(item.end_time()), m_rangeTo);
        markSpan(from, to, kinds, channels);
    }

    if (m_version == 0) {
        addMinuteHours();
        return;
    }
    for (const cgi::CalHourItem& hour : reply.hours()) {
        // An hour that is no real date would break the calendar and the hour bar.
        if (hour.hour() >= HOURS_OF_DAY || hour.year() > 9999
            || !QDate::isValid(int(hour.year()), int(hour.mon()), int(hour.mday())))
            continue;
        m_hours.insert(CDateHour(int(hour.year()), int(hour.mon()), int(hour.mday()), int(hour.hour())));
    }
}

void CSearchDataParser::markSpan(
    std::uint64_t from, std::uint64_t to, const unsigned char* kinds, std::uint32_t channels)
{
    for (std::uint64_t time = from; time < to; time += MINUTE) {
        CMinData& grid = minuteGrid(std::uint32_t(time));
        for (int channel = 0; channel < MAX_DVR_CHANNEL; ++channel) {
            if (channels >> channel & 1)
                grid.SetData(channel, minuteOf(std::uint32_t(time)), kinds[channel]);
        }
    }
}

void CSearchDataParser::setLocalData(const char* data, int length)
{
    if (!data || length < LOCAL_RECORD_SIZE)
        return;
    const int records = length / LOCAL_RECORD_SIZE;
    for (int i = 0; i < records; ++i) {
        const uchar* record = reinterpret_cast<const uchar*>(data) + std::size_t(i) * LOCAL_RECORD_SIZE;
        const quint32 time = qFromLittleEndian<quint32>(record);
        const quint32 mask = qFromLittleEndian<quint32>(record + 8);
        if (m_dvrTime == 0)
            m_dvrTime = time;
        if ((mask & 0xFFFF) == 0)
            continue;
        const CDateHour key = CDateHour::fromTime(time);
        CMinData& grid = m_minData[key];
        for (int channel = 0; channel < MAX_DVR_CHANNEL; ++channel) {
            if (mask >> channel & 1)
                grid.SetData(channel, minuteOf(time), localKind(record[12 + channel]));
        }
        // Only this record's hour: going over all hours for every file of a
        // folder would make a local search slow down with its square.
        m_hours.insert(key);
    }
}

CMinData& CSearchDataParser::minuteGrid(std::uint32_t time)
{
    return m_minData[CDateHour::fromTime(time)];
}

int CSearchDataParser::minuteOf(std::uint32_t time)
{
    return static_cast<int>(time / MINUTE % MINS_OF_HOUR);
}

void CSearchDataParser::addMinuteHours()
{
    for (const auto& entry : m_minData)
        m_hours.insert(entry.first);
}

std::map<CDate, _TIMELINE_DATA>& CSearchDataParser::getData()
{
    for (const auto& [key, minutes] : m_minData) {
        _TIMELINE_DATA& day = m_data[key.date];
        for (int channel = 0; channel < MAX_DVR_CHANNEL; ++channel) {
            const unsigned char* bytes = minutes.GetData(channel);
            for (int minute = 0; minute < MINS_OF_HOUR; ++minute)
                day.data[channel][key.hour][minute] = bytes[minute];
        }
    }
    return m_data;
}
