#include "CEMapPicture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>

bool CEMapPicture::load(const QString& path)
{
    m_original = QPixmap();
    m_scaled = QPixmap();
    m_refusal.clear();
    if (path.isEmpty())
        return true;
    // Opening a pipe or a device waits for a writer or reads without end.
    const QFileInfo file(path);
    if (file.exists() && !file.isFile()) {
        m_refusal = QCoreApplication::translate(
            "CEMapPicture", "The map image %1 is not a file. The map is shown without it.")
                        .arg(QDir::toNativeSeparators(path));
        return false;
    }
    QImageReader reader(path);
    // The header alone tells the size, before anything is allocated.
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > MAX_PIXELS) {
        m_refusal = QCoreApplication::translate("CEMapPicture",
            "The map image %1 is too large (%2 x %3 pixels, at most 64 megapixels). The map is shown without it.")
                        .arg(QDir::toNativeSeparators(path))
                        .arg(size.width())
                        .arg(size.height());
        return false;
    }
    m_original = QPixmap::fromImageReader(&reader);
    // A moved or damaged image would otherwise leave a blank map unexplained.
    if (m_original.isNull()) {
        m_refusal = QCoreApplication::translate(
            "CEMapPicture", "The map image %1 cannot be read (%2). The map is shown without it.")
                        .arg(QDir::toNativeSeparators(path), reader.errorString());
        return false;
    }
    return true;
}

const QPixmap& CEMapPicture::scaled(const QSize& size)
{
    if (m_original.isNull() || size.isEmpty()) {
        m_scaled = QPixmap();
        return m_scaled;
    }
    if (m_scaled.size() != size)
        m_scaled = m_original.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    return m_scaled;
}
