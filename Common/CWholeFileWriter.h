#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>

// Writes a file whole or not at all. The bytes go to a temporary file beside
// it, which takes the file's place only once every byte is with the system;
// a file that cannot be written whole (a full disk, a read-only folder)
// leaves the old file as it was, or no file, and tells the system's reason.
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
