#pragma once

#include <QMap>
#include <QString>
#include <QVariant>
#include <optional>

// Reads the keys and values of an INI file as the toolkit's reader gives
// them, from the bytes the file holds at this moment. The toolkit keeps the
// files it has read and takes a file of the same size and modification time
// as unchanged; where the file system keeps whole seconds, a file saved
// twice within a second would then read as the first save. Here the bytes
// decide: content not read before is handed to the toolkit's reader as a
// private copy under a name it has never seen in this process (in the
// system's folder for temporary files unless told otherwise). Any thread.
class CIniFileReader {
public:
    // The file's values; none for a missing file. Empty when the file exists
    // but cannot be read, or no copy can be made in copyFolder; *reason is
    // then the system's.
    static std::optional<QMap<QString, QVariant>> read(
        const QString& path, QString* reason = nullptr, const QString& copyFolder = QString());

private:
    static std::optional<QMap<QString, QVariant>> parse(
        const QByteArray& bytes, const QString& copyFolder, QString* reason);
};
