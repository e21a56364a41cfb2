#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>

// Writes a file whole or not at all. The bytes go to a temporary file beside
// it, which takes the file's place only once every byte is on the disk; the
// folder is then synced too, so that a write reported done outlives a power
// cut. A file that cannot be written whole (a full disk, a read-only folder,
// a failed sync) leaves the old file as it was, or no file, and tells the
// system's reason. When only the folder's sync fails, the new file is in
// place but may not outlive a power cut, and the write counts as failed.
// No state; any thread.
class CWholeFileWriter {
public:
    // True when the file holds exactly the bytes. Otherwise *reason, when
    // given, is what the system said (for example "No space left on
    // device"). extraMode may add QIODevice::Text.
    static bool write(const QString& path, const QByteArray& bytes, QString* reason = nullptr,
        QIODevice::OpenMode extraMode = QIODevice::NotOpen);

    // Writes every byte to an open device, or stops at the first write that
    // fails. A write cut short (a disk filling up) sets no error; writing
    // the rest gives the device the system's reason.
    static bool writeAll(QIODevice& device, const char* data, qint64 size);
};
