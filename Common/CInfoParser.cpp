#include "CInfoParser.h"

#include "Common/CHddParser.h"

#include <limits>

const char* const CInfoParser::InfoString[INFO_COUNT]
    = {"ModelName : ", "Video Type : ", "Hardware Version : ", "Kernel Version : ", "Ramdisk Version : ",
        "MAC Address : ", "Network Type : ", "IP Address : ", "Write Mode : ", "Mounted HDD : ", "< System Logs >"};
const char CInfoParser::StartCode[] = "<pre>";
const char CInfoParser::EndCode[] = "</pre>";
const char CInfoParser::NotUsedString[] = "< Record Statistics >";

namespace {

constexpr std::int64_t INT64_MAXIMUM = std::numeric_limits<std::int64_t>::max();

// Carriage returns go too, so that a page with CR LF line ends gives the
// same values as one with LF alone.
std::string stripped(const std::string& text)
{
    static const char blanks[] = " \t\n\r";
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos)
        return std::string();
    const std::size_t last = text.find_last_not_of(blanks);
    return text.substr(first, last - first + 1);
}

// No disk comes near this size; keeping each figure below it lets the total
// be used + free without overflow.
constexpr std::int64_t MAX_HDD_MB = INT64_MAXIMUM / 2;

std::int64_t diskFigure(const std::string& digits)
{
    const std::int64_t value = CInfoParser::stoll(digits);
    return value > MAX_HDD_MB ? MAX_HDD_MB : value;
}

} // namespace

void CInfoParser::clear()
{
    for (std::string& text : m_info)
        text.clear();
    m_hdd.clear();
}

const std::string& CInfoParser::getInfo(INFO_INDEX index) const
{
    static const std::string none;
    if (index < 0 || index >= INFO_COUNT)
        return none;
    return m_info[index];
}

std::int64_t CInfoParser::stoll(const std::string& text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    std::int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        const int digit = text[i] - '0';
        if (value > (INT64_MAXIMUM - digit) / 10)
            return negative ? std::numeric_limits<std::int64_t>::min() : INT64_MAXIMUM;
        value = value * 10 + digit;
    }
    return negative ? -value : value;
}

void CInfoParser::setData(const char* page)
{
    clear();
    if (!page)
        return;
    std::string text(page);

    const std::size_t start = text.find(StartCode);
    if (start == std::string::npos)
        return;
    text.erase(start, sizeof(StartCode) - 1);

    const std::size_t end = text.rfind(EndCode);
    if (end == std::string::npos)
        return;
    const std::string body = text.substr(0, end);

    const std::size_t logs = body.rfind(InfoString[SYSTEM_LOGS]);
    if (logs == std::string::npos)
        return;
    m_info[SYSTEM_LOGS] = body.substr(logs);

    const std::size_t statistics = body.find(NotUsedString);
    if (statistics == std::string::npos)
        return;

    std::size_t lineStart = 0;
    while (lineStart < statistics) {
        std::size_t lineEnd = body.find('\n', lineStart);
        if (lineEnd == std::string::npos || lineEnd > statistics)
            lineEnd = statistics;
        parseLine(body.substr(lineStart, lineEnd - lineStart));
        lineStart = lineEnd + 1;
    }
}

void CInfoParser::parseLine(const std::string& line)
{
    for (int index = 0; index < INFO_COUNT; ++index) {
        const std::string key = InfoString[index];
        const std::size_t found = line.find(key);
        if (found == std::string::npos)
            continue;
        std::string value = line;
        value.erase(found, key.size());
        m_info[index] = stripped(value);
        if (index == MOUNTED_HDD) {
            std::int64_t count = stoll(m_info[index]);
            if (count < 0)
                count = 0;
            if (count > MAX_HDD_COUNT)
                count = MAX_HDD_COUNT;
            m_hdd.resize(static_cast<std::size_t>(count));
        }
        break;
    }
    readHddLine(line);
}

void CInfoParser::readHddLine(const std::string& line)
{
    if (m_hdd.empty())
        return;
    CHddParser parser;
    parser.parse(line);
    const std::vector<std::string>& result = parser.getResult();
    if (result.size() != 3)
        return;
    const std::int64_t disk = stoll(result[0]);
    if (disk < 1 || disk > static_cast<std::int64_t>(m_hdd.size()))
        return;
    HDD_INFO_T& hdd = m_hdd[static_cast<std::size_t>(disk - 1)];
    hdd.used = diskFigure(result[1]);
    hdd.free = diskFigure(result[2]);
    hdd.total = hdd.used + hdd.free;
}
