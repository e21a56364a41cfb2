#pragma once

#include "Common/CWholeFileWriter.h"
#include "Display/CaptureFileFormat.h"

#include <QString>

class QImage;

// Writes a snapshot as a JPEG or PNG file, whole or not at all: the picture
// is encoded in memory first, so a disk that fills up leaves no file, not an
// empty or cut one that would pass for a snapshot. No state; any thread.
class CSnapshotWriter {
public:
    // Written or Unconfirmed when the file holds the whole picture (as the
    // whole-file writer has them). Otherwise, and when Unconfirmed, *reason,
    // when given, says why (for example "No space left on device"); it stays
    // empty when there was no picture to save.
    static CWholeFileWriter::Result write(
        const QImage& image, const QString& path, CAPTURE_FILEFORMAT::ENUM format, QString* reason);
};
