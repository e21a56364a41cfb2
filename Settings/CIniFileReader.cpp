#include "CIniFileReader.h"

#include "Common/CWholeFileWriter.h"

#include <QDir>
#include <QFile>
#include <QMutex>
#include <QSettings>
#include <QTemporaryFile>

namespace {

// The content read last and its values: most reads find the file as it was.
QMutex g_lastMutex;
QByteArray g_lastBytes;
QMap<QString, QVariant> g_lastValues;
// Numbers the copies (under g_lastMutex), so that no name comes back while
// the process lives.
quint64 g_copies = 0;

} // namespace

std::optional<QMap<QString, QVariant>> CIniFileReader::read(
    const QString& path, QString* reason, const QString& copyFolder)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (!file.exists())
            return QMap<QString, QVariant>();
        if (reason)
            *reason = file.errorString();
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (reason)
            *reason = file.errorString();
        return std::nullopt;
    }
    if (bytes.isEmpty())
        return QMap<QString, QVariant>();

    const QMutexLocker lock(&g_lastMutex);
    if (bytes == g_lastBytes)
        return g_lastValues;
    std::optional<QMap<QString, QVariant>> values
        = parse(bytes, copyFolder.isEmpty() ? QDir::tempPath() : copyFolder, reason);
    if (values) {
        g_lastBytes = bytes;
        g_lastValues = *values;
    }
    return values;
}

std::optional<QMap<QString, QVariant>> CIniFileReader::parse(
    const QByteArray& bytes, const QString& copyFolder, QString* reason)
{
    QTemporaryFile copy(copyFolder + QStringLiteral("/.qelm-settings-%1-XXXXXX").arg(QString::number(++g_copies)));
    // Unbuffered, so that a full disk gives the system's reason.
    QIODevice& device = copy;
    if (!device.open(QIODevice::ReadWrite | QIODevice::Unbuffered)
        || !CWholeFileWriter::writeAll(copy, bytes.constData(), bytes.size())) {
        if (reason)
            *reason = copy.errorString();
        return std::nullopt;
    }
    const QSettings reader(copy.fileName(), QSettings::IniFormat);
    QMap<QString, QVariant> values;
    for (const QString& key : reader.allKeys())
        values.insert(key, reader.value(key));
    return values;
}
