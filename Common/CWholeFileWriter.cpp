#include "CWholeFileWriter.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

// Retries a sync the system broke off (EINTR). False, with the system's
// reason, when the data may not be on the disk.
bool syncDescriptor(int descriptor, QString* reason)
{
    int result = 0;
    do
        result = ::fsync(descriptor);
    while (result != 0 && errno == EINTR);
    if (result == 0)
        return true;
    if (reason)
        *reason = qt_error_string(errno);
    return false;
}

// The rename that put the file in place is an entry of its folder: until
// the folder is on the disk, a power cut may bring back the old file.
bool syncFolder(const QString& path, QString* reason)
{
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int descriptor = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) {
        if (reason)
            *reason = qt_error_string(errno);
        return false;
    }
    const bool synced = syncDescriptor(descriptor, reason);
    ::close(descriptor);
    return synced;
}

} // namespace

CWholeFileWriter::Result CWholeFileWriter::write(
    const QString& path, const QByteArray& bytes, QString* reason, QIODevice::OpenMode extraMode)
{
    QSaveFile file(path);
    // Unbuffered: the sync below means something only once the bytes have
    // left the buffer. Opened buffered, commit() on this Qt version misses
    // its own failed flush and puts a cut file in place; and a write the
    // disk cuts short fails here in writeAll, which keeps the system's reason.
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered | extraMode)
        && writeAll(file, bytes.constData(), bytes.size()) && file.error() == QFileDevice::NoError;
    if (!written) {
        if (reason)
            *reason = file.errorString();
        // Without a commit the temporary file goes with the object.
        return Result::Failed;
    }
    // Some file systems (network homes, quotas) tell of a full disk only
    // when the data reaches the disk, and commit() checks neither its own
    // sync nor the closing of the temporary file.
    if (!syncDescriptor(file.handle(), reason))
        return Result::Failed;
    if (!file.commit()) {
        if (reason)
            *reason = file.errorString();
        return Result::Failed;
    }
    // The rename is done: from here on the file holds the new bytes.
    return syncFolder(path, reason) ? Result::Written : Result::Unconfirmed;
}

bool CWholeFileWriter::writeAll(QIODevice& device, const char* data, qint64 size)
{
    for (qint64 done = 0; done < size;) {
        const qint64 written = device.write(data + done, size - done);
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

QString CWholeFileWriter::unconfirmedMessage(const QString& path, const QString& reason)
{
    return tr("%1 was saved, but the system could not confirm that it is on the disk (%2).")
        .arg(QDir::toNativeSeparators(path), reason);
}
