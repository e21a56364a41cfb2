#include "FullDisk.h"

#include <QFile>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

FileSizeLimit::FileSizeLimit(rlim_t bytes)
{
    std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &m_saved);
    rlimit limited = m_saved;
    limited.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limited);
}

FileSizeLimit::~FileSizeLimit()
{
    setrlimit(RLIMIT_FSIZE, &m_saved);
}

FullDisk::FullDisk()
{
    if (!m_dir.isValid())
        return;
    m_mounted = mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                    "size=1m,mode=0755")
        == 0;
}

FullDisk::~FullDisk()
{
    // Detached: a file still open in the test does not keep the mount.
    if (m_mounted)
        umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
}

QString FullDisk::reason() const
{
    return qt_error_string(m_mounted ? ENOSPC : EFBIG);
}

bool FullDisk::whileFull(const std::function<bool()>& check) const
{
    if (!m_mounted) {
        const FileSizeLimit none(0);
        return check();
    }
    const QByteArray filler = QFile::encodeName(m_dir.filePath(QStringLiteral(".filler")));
    const int fd = open(filler.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    static const char block[64 * 1024] = {};
    while (fd >= 0 && write(fd, block, sizeof block) > 0) { }
    if (fd >= 0)
        close(fd);
    const bool result = check();
    unlink(filler.constData());
    return result;
}
