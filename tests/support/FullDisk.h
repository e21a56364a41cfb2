#pragma once

#include <QString>
#include <QTemporaryDir>
#include <functional>
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

// A folder that a test can make full. Where the test may mount (as root), it
// is a small tmpfs of its own, unmounted when the object goes, whatever the
// test's outcome; otherwise a plain temporary folder, and "full" is a file
// size limit of 0 on the whole process, which checks less: no file can take
// the few bytes left in its last page.
class FullDisk {
public:
    FullDisk();
    ~FullDisk();
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

    bool isValid() const { return m_dir.isValid(); }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }
    // The system's text for the failure a write meets while full, as the
    // toolkit words it: "No space left on device" (or "File too large").
    QString reason() const;

    // Runs check() with no room left in the folder and returns its result;
    // the room comes back afterwards. On tmpfs, a file already there may
    // still grow into the rest of its last page.
    bool whileFull(const std::function<bool()>& check) const;

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
};
