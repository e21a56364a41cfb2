#include "FullDisk.h"

#include <cerrno>
#include <csignal>
#include <sys/mount.h>

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
    : m_mounted(
        mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs", MS_NOSUID | MS_NODEV, "size=1m") == 0)
{
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

void FullDisk::fill()
{
    if (!m_mounted) {
        m_limit.emplace(0);
        return;
    }
    // Unlinked at once, the filler leaves the folder as it was, but full.
    m_filler.setFileName(filePath(QStringLiteral("filler")));
    if (m_filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && QFile::remove(m_filler.fileName())) {
        const QByteArray block(64 * 1024, 0);
        while (m_filler.write(block) > 0) { }
    }
}
