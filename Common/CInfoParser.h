#pragma once

#include "Common/HDD_INFO_T.h"

#include <cstdint>
#include <string>
#include <vector>

// Cuts the information page of an old-dialect DVR (a <pre> block of
// "key : value" lines, one line per hard disk, record statistics and the
// system log) into the texts the information window shows and one record
// per mounted hard disk.
class CInfoParser {
public:
    enum INFO_INDEX {
        MODEL_NAME,
        VIDEO_TYPE,
        HARDWARE_VERSION,
        KERNEL_VERSION,
        RAMDISK_VERSION,
        MAC_ADDRESS,
        NETWORK_TYPE,
        IP_ADDRESS,
        WRITE_MODE,
        MOUNTED_HDD,
        SYSTEM_LOGS,
        INFO_COUNT
    };

    // The key that introduces each text, by INFO_INDEX.
    static const char* const InfoString[INFO_COUNT];
    static const char StartCode[];
    static const char EndCode[];
    static const char NotUsedString[];

    // The disk lines name a disk by one digit, 1 to 9, so no page can
    // describe more disks than this; a larger count is cut to it.
    static constexpr std::int64_t MAX_HDD_COUNT = 9;

    // Clears everything and parses the NUL-terminated page (null: nothing).
    void setData(const char* page);

    const std::string& getInfo(INFO_INDEX index) const;
    const std::vector<HDD_INFO_T>& getHddInfo() const { return m_hdd; }
    void clear();

    // The leading decimal number of the text (leading white space and one
    // sign allowed), 0 when there is none; saturates at the 64-bit range.
    static std::int64_t stoll(const std::string& text);

private:
    void parseLine(const std::string& line);
    void readHddLine(const std::string& line);

    std::string m_info[INFO_COUNT];
    std::vector<HDD_INFO_T> m_hdd;
};
