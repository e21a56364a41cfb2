#include "CAppDir.h"

#include <QCoreApplication>
#include <QDir>
#include <QMutex>
#include <QMutexLocker>
#include <QStandardPaths>

namespace {

QMutex overrideMutex;
QString overridePath;

} // namespace

QString CAppDir::getCurrentPath()
{
    {
        QMutexLocker locker(&overrideMutex);
        if (!overridePath.isEmpty())
            return overridePath;
    }
    if (QCoreApplication::instance()) {
        const QString bundleParent = bundleParentPath(QCoreApplication::applicationDirPath());
        if (!bundleParent.isEmpty())
            return bundleParent;
    }
    const QString path = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(path);
    return path;
}

QString CAppDir::bundleParentPath(const QString& executableDir)
{
    // By name only: the folders need not exist, and a folder merely called
    // "MacOS" elsewhere is no bundle.
    QStringList parts = QDir::cleanPath(QDir(executableDir).absolutePath()).split(QLatin1Char('/'));
    const qsizetype n = parts.size();
    if (n < 4 || parts[n - 1] != QLatin1String("MacOS") || parts[n - 2] != QLatin1String("Contents")
        || !parts[n - 3].endsWith(QLatin1String(".app")) || parts[n - 3] == QLatin1String(".app"))
        return QString();
    parts.resize(n - 3);
    const QString parent = parts.join(QLatin1Char('/'));
    return parent.isEmpty() ? QStringLiteral("/") : parent;
}

void CAppDir::setCurrentPathOverride(const QString& path)
{
    QMutexLocker locker(&overrideMutex);
    overridePath = path.isEmpty() ? QString() : QDir(path).absolutePath();
}
