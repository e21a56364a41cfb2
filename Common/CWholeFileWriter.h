#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QIODevice>
#include <QString>

// Writes a file whole or not at all. The bytes go to a temporary file beside
// it, which takes the file's place only once every byte is on the disk; the
// folder is then synced too, so that a write reported done outlives a power
// cut. A file that cannot be written whole (a full disk, a read-only folder,
// a failed sync) leaves the old file as it was, or no file, and tells the
// system's reason. When only the folder's sync fails, the new file is
// already in place but may not outlive a power cut: the write tells that
// apart, so that the operator hears what is true. No state; any thread.
class CWholeFileWriter {
    Q_DECLARE_TR_FUNCTIONS(CWholeFileWriter)

public:
    enum class Result {
        Failed, // the old file (or none) is as it was
        Written, // the file holds exactly the bytes, and so does the disk
        Unconfirmed, // the file holds the bytes; the system could not confirm that the disk does
    };

    // *reason, when given, is what the system said when the result is not
    // Written (for example "No space left on device"). extraMode may add
    // QIODevice::Text.
    static Result write(const QString& path, const QByteArray& bytes, QString* reason = nullptr,
        QIODevice::OpenMode extraMode = QIODevice::NotOpen);

    // Writes every byte to an open device, or stops at the first write that
    // fails. A write cut short (a disk filling up) sets no error; writing
    // the rest gives the device the system's reason.
    static bool writeAll(QIODevice& device, const char* data, qint64 size);

    // The operator's sentence for an Unconfirmed write of the file at path.
    static QString unconfirmedMessage(const QString& path, const QString& reason);
};
