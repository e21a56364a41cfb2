#pragma once

#include "Common/CDate.h"
#include "Common/CDateHour.h"
#include "Common/CMinData.h"
#include "Common/TimeLineData.h"

#include <cstdint>
#include <map>
#include <set>

namespace cgi {
class CalData;
}

// Turns the answer to a recording search into time-line data: for every hour
// that holds recordings, one record-kind byte per channel and minute, and the
// set of hours that hold recordings. Reads a new-dialect reply (a serialized
// search result), an old-dialect reply (32-byte big-endian records) or the
// minute records of local recordings (76-byte little-endian records).
//
// What a reply or a file says never drives the work or the memory beyond
// what was asked: new-dialect spans are marked only inside the search range,
// and minute grids exist only for hours that receive data.
class CSearchDataParser {
public:
    explicit CSearchDataParser(bool oldForm);

    // The range of the search request (seconds since 1970, DVR wall clock).
    // New-dialect spans are marked only inside it, widened to whole minutes;
    // until it is set, no span is marked.
    void setSearchRange(std::uint32_t start, std::uint32_t end);

    // Parses a DVR reply (old or new form by the constructor's flag),
    // replacing all earlier results. Calls the event loop (without user
    // input) now and then, so a long reply keeps the window painted.
    void setNetData(const char* data, int length);

    // Adds the 76-byte minute records of one local minute database (after
    // its 12-byte header) to the results; nothing is cleared, so the files
    // of a folder can be added one after another. Every channel a record
    // names shows as recorded: kind 0 is taken as kind 1.
    void setLocalData(const char* data, int length);

    // The DVR's time; when none was reported, the PC's current time is
    // stored first.
    std::uint32_t& getDvrTime();
    std::uint32_t getVersion() const { return m_version; }
    const std::set<CDateHour, CDateHourCompareLess>& getDateHours() const { return m_hours; }
    const std::map<CDateHour, CMinData>& getMinDatas() const { return m_minData; }

    // The minute data rebuilt per date.
    std::map<CDate, _TIMELINE_DATA>& getData();

    void clear();

    static constexpr int OLD_RECORD_SIZE = 32;
    static constexpr int LOCAL_RECORD_SIZE = 76;

private:
    void parseOldForm(const char* data, int length);
    void parseNewForm(const char* data, int length);
    void markSpan(std::uint64_t from, std::uint64_t to, const unsigned char* kinds, std::uint32_t channels);
    // The grid of the hour that holds the time, created zeroed on first use.
    CMinData& minuteGrid(std::uint32_t time);
    static int minuteOf(std::uint32_t time);
    void addMinuteHours();

    std::uint32_t m_dvrTime = 0;
    std::uint32_t m_version = 0;
    std::set<CDateHour, CDateHourCompareLess> m_hours;
    std::map<CDateHour, CMinData> m_minData;
    bool m_oldForm;
    std::map<CDate, _TIMELINE_DATA> m_data;
    bool m_rangeSet = false;
    std::uint64_t m_rangeFrom = 0;
    std::uint64_t m_rangeTo = 0;
};
