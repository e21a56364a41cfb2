#pragma once

#include "ThreadNames.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <climits>
#include <cstdlib>
#include <malloc.h>
#include <unistd.h>

// What this process holds now, read from /proc: resident memory, the heap in
// use, threads by name and open files by what they point at; and the
// machine's load.
namespace ProcessFigures {

inline double residentMiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return 0;
}

// Bytes the allocator has handed out and not had back, in MiB: unlike the
// resident size it does not count free memory the allocator keeps.
inline double heapInUseMiB()
{
    const struct mallinfo2 info = mallinfo2();
    return double(info.uordblks + info.hblkhd) / (1024.0 * 1024.0);
}

// Thread names and how many threads carry each.
inline QMap<QString, int> threadsByName()
{
    QMap<QString, int> names;
    for (const QString& name : threadNames())
        ++names[name];
    return names;
}

inline int threadCount()
{
    return int(QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size());
}

// Open file descriptors by what they point at (a path, "socket:", "pipe:",
// "anon_inode:[eventfd]"), the kernel's inode numbers left out so that two
// lists compare by kind.
inline QMap<QString, int> openFiles()
{
    static const QRegularExpression inode(QStringLiteral("\\[\\d+\\]$"));
    QMap<QString, int> files;
    const QDir fds(QStringLiteral("/proc/self/fd"));
    for (const QString& fd : fds.entryList(QDir::System | QDir::NoDotAndDotDot)) {
        char target[PATH_MAX];
        const ssize_t length = readlink(qPrintable(fds.filePath(fd)), target, sizeof target);
        if (length > 0)
            ++files[QString::fromLocal8Bit(target, int(length)).remove(inode)];
    }
    return files;
}

inline int openFileCount()
{
    return int(QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::System | QDir::NoDotAndDotDot).size());
}

inline double loadAverage()
{
    double load[1] = {0};
    return getloadavg(load, 1) == 1 ? load[0] : -1;
}

// "+2 name, -1 other" for the names whose counts differ between two lists,
// by how many more the second list has.
inline QString difference(const QMap<QString, int>& before, const QMap<QString, int>& after)
{
    QStringList names = before.keys() + after.keys();
    names.removeDuplicates();
    names.sort();
    QStringList parts;
    for (const QString& name : names) {
        const int change = after.value(name) - before.value(name);
        if (change != 0)
            parts << QStringLiteral("%1%2 %3").arg(change > 0 ? QStringLiteral("+") : QString()).arg(change).arg(name);
    }
    return parts.isEmpty() ? QStringLiteral("no difference") : parts.join(QStringLiteral(", "));
}

} // namespace ProcessFigures
