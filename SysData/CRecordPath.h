#pragma once

#include <QString>
#include <cstdint>

// Names of the folders and files a recording to the PC writes. A recording
// never replaces an earlier one: when the name a file should have is taken
// (the DVR's clock was set back, the same range is backed up twice), the file
// takes a numbered name beside it that still begins with the time, so that a
// search by minute and a listing sorted by name keep finding it in time order.
class CRecordPath {
public:
    // Numbered names tried after the plain one before giving up.
    static constexpr int MAX_ATTEMPTS = 1000;

    // A DVR name as one folder name that every platform accepts: separators,
    // characters the platforms refuse and control characters become "_",
    // trailing dots and blanks are dropped, and a name that would then be
    // empty, "." or ".." or a reserved device name gets a leading "_". The
    // result never leads out of the folder it is placed in.
    static QString folderName(const QString& dvrName);

    // The recording folder of a DVR inside the base folder.
    static QString folder(const QString& base, const QString& dvrName);

    // The folder, a separator and the DVR time (seconds since 1970, read as
    // UTC) as "yyyyMMdd_hhmmss": the name of a file without its extension.
    static QString timeStem(const QString& folder, std::int64_t seconds);

    // The stem itself for attempt 0, else the stem with "-" and the attempt.
    static QString numbered(const QString& stem, int attempt);
};
