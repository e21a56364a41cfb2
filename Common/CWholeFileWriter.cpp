#include "CWholeFileWriter.h"

#include <QSaveFile>

bool CWholeFileWriter::write(
    const QString& path, const QByteArray& bytes, QString* reason, QIODevice::OpenMode extraMode)
{
    QSaveFile file(path);
    // commit() does not notice that the last flush of its buffer failed: on a
    // full disk it puts an empty or cut file in place. So the bytes must be
    // with the system before it is called.
    const bool written = file.open(QIODevice::WriteOnly | extraMode) && writeAll(file, bytes.constData(), bytes.size())
        && file.flush() && file.error() == QFileDevice::NoError && file.commit();
    if (!written && reason)
        *reason = file.errorString();
    // Without a commit the temporary file goes with the object.
    return written;
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
