#pragma once

#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <optional>
#include <sys/resource.h>

// While it lives, no file of this process may grow past `bytes`: a write
// that would is cut short or fails with "File too large" (SIGXFSZ is
// ignored), much as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_saved;
};

// A folder that a test can fill up: a small tmpfs of its own where the test
// may mount one (as root), else a plain folder where, once "full", no file
// of the process may grow until the object goes.
class FullDisk {
public:
    FullDisk();
    ~FullDisk();

    QString path() const { return m_dir.path(); }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }
    // The system's words for a write that finds no room.
    QString reason() const;
    void fill();

private:
    QTemporaryDir m_dir;
    const bool m_mounted;
    QFile m_filler;
    std::optional<FileSizeLimit> m_limit;
};
