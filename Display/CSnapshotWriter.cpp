#include "CSnapshotWriter.h"

#include "Common/CWholeFileWriter.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>

bool CSnapshotWriter::write(const QImage& image, const QString& path, CAPTURE_FILEFORMAT::ENUM format, QString* reason)
{
    if (image.isNull())
        return false;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter encoder(&buffer, format == CAPTURE_FILEFORMAT::JPEG ? "JPEG" : "PNG");
    if (!encoder.write(image)) {
        if (reason)
            *reason = encoder.errorString();
        return false;
    }
    return CWholeFileWriter::write(path, bytes, reason);
}
