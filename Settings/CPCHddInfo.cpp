#include "CPCHddInfo.h"

#include <QFile>
#include <sys/statvfs.h>

namespace {

const quint64 MEGABYTE = quint64(1) << 20;

// blocks x size / 2^20 without the product overflowing for block sizes up
// to 2^44.
quint64 megabytes(quint64 blocks, quint64 size)
{
    return blocks / MEGABYTE * size + blocks % MEGABYTE * size / MEGABYTE;
}

} // namespace

std::optional<CPCHddInfo::Blocks> CPCHddInfo::queryFileSystem(const QString& path)
{
    struct statvfs fs { };
    if (path.isEmpty() || statvfs(QFile::encodeName(path).constData(), &fs) != 0)
        return std::nullopt;
    return Blocks{quint64(fs.f_blocks), quint64(fs.f_bavail), quint64(fs.f_frsize)};
}

bool CPCHddInfo::getHddInfo(const QString& path, quint64& free, quint64& total, const FileSystemQuery& query)
{
    free = 0;
    total = 0;
    const std::optional<Blocks> blocks = query ? query(path) : std::nullopt;
    if (!blocks)
        return false;
    free = megabytes(blocks->availableBlocks, blocks->blockSize);
    total = megabytes(blocks->blockCount, blocks->blockSize);
    return true;
}
