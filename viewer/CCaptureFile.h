#pragma once

#include "Display/CaptureFileFormat.h"

#include <QString>

class QDateTime;

// Where a snapshot goes: the Capture setting's folder, or the data folder's
// "Capture" while none is set, made when missing; named by the PC's local
// time "yyyyMMdd_hhmmss" with ".png" or ".jpg" by the CaptureFileFormat
// setting. A snapshot never replaces another: a name taken in the same
// second gets "-1", "-2", ... before the extension.
class CCaptureFile {
public:
    static CAPTURE_FILEFORMAT::ENUM format();
    // The folder, made when missing; empty when it cannot be made.
    static QString folder();
    // A name in the folder that no file holds yet; empty when none is left.
    static QString freeName(const QString& folder, const QDateTime& time, CAPTURE_FILEFORMAT::ENUM format);
};
