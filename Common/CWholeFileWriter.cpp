#include "CWholeFileWriter.h"

#include <QSaveFile>

bool CWholeFileWriter::write(
    const QString& path, const QByteArray& bytes, QString* reason, QIODevice::OpenMode extraMode)
{
    QSaveFile file(path);
    bool written = file.open(QIODevice::WriteOnly | extraMode);
    // A write cut short sets no error; writing the rest tells why it stopped.
    qint64 done = 0;
    while (written && done < bytes.size()) {
        const qint64 n = file.write(bytes.constData() + done, bytes.size() - done);
        written = n > 0;
        done += written ? n : 0;
    }
    // commit() does not notice that the last flush of its buffer failed: on a
    // full disk it puts an empty or cut file in place. So the bytes must be
    // with the system before it is called.
    written = written && file.flush() && file.error() == QFileDevice::NoError && file.commit();
    if (!written && reason)
        *reason = file.errorString();
    // Without a commit the temporary file goes with the object.
    return written;
}
