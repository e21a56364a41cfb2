#include "CSnapshotWriter.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>

CWholeFileWriter::Result CSnapshotWriter::write(
    const QImage& image, const QString& path, CAPTURE_FILEFORMAT::ENUM format, QString* reason)
{
    if (image.isNull())
        return CWholeFileWriter::Result::Failed;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter encoder(&buffer, format == CAPTURE_FILEFORMAT::JPEG ? "JPEG" : "PNG");
    if (!encoder.write(image)) {
        if (reason)
            *reason = encoder.errorString();
        return CWholeFileWriter::Result::Failed;
    }
    return CWholeFileWriter::write(path, bytes, reason);
}
