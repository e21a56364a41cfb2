#pragma once

#include <QDir>
#include <QFile>
#include <QStringList>

// The names of this process's threads, one per thread: the name a thread
// gave itself (the toolkit names its threads after their objects), else the
// program's. Read from /proc.
inline QStringList threadNames()
{
    QStringList names;
    const QDir tasks(QStringLiteral("/proc/self/task"));
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile name(tasks.filePath(task + QStringLiteral("/comm")));
        if (name.open(QIODevice::ReadOnly))
            names << QString::fromUtf8(name.readAll().trimmed());
    }
    return names;
}
