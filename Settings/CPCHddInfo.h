#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

// The space of the file system that holds a path on this PC, in MB.
class CPCHddInfo : public QObject {
    Q_OBJECT

public:
    // What a file system reports of itself: its size and the part an
    // unprivileged user may still fill, both counted in blocks.
    struct Blocks {
        quint64 blockCount = 0;
        quint64 availableBlocks = 0;
        quint64 blockSize = 0;
    };
    // Nothing when the file system cannot be queried.
    using FileSystemQuery = std::function<std::optional<Blocks>(const QString& path)>;

    // The operating system's answer (statvfs).
    static std::optional<Blocks> queryFileSystem(const QString& path);

    // Free and total MB, rounded down. The blocks only a privileged user may
    // fill count as used. A file system that cannot be queried gives zeros
    // and false.
    static bool getHddInfo(
        const QString& path, quint64& free, quint64& total, const FileSystemQuery& query = queryFileSystem);
};
