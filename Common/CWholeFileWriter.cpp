#include "CWholeFileWriter.h"

#include <QSaveFile>
#include <cerrno>
#include <unistd.h>

namespace {

// Some file systems (network homes, quotas) tell of a full disk only when
// the data reaches the disk; commit() neither checks its own sync nor the
// closing of the temporary file.
bool syncToDisk(QSaveFile& file, QString* reason)
{
    int result = 0;
    do
        result = ::fsync(file.handle());
    while (result != 0 && errno == EINTR);
    if (result == 0)
        return true;
    if (reason)
        *reason = qt_error_string(errno);
    return false;
}

} // namespace

bool CWholeFileWriter::write(
    const QString& path, const QByteArray& bytes, QString* reason, QIODevice::OpenMode extraMode)
{
    QSaveFile file(path);
    // Unbuffered: a write the disk cuts short fails in writeAll, which keeps
    // the system's reason; inside a buffer's flush the toolkit loses it.
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered | extraMode)
        && writeAll(file, bytes.constData(), bytes.size()) && file.error() == QFileDevice::NoError;
    if (!written) {
        if (reason)
            *reason = file.errorString();
        // Without a commit the temporary file goes with the object.
        return false;
    }
    if (!syncToDisk(file, reason))
        return false;
    if (file.commit())
        return true;
    if (reason)
        *reason = file.errorString();
    return false;
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
