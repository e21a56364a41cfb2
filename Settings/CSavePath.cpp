#include "CSavePath.h"

#include "Settings/CAppDir.h"
#include "Settings/CAppSettings.h"

#include <QDir>

QString CSavePath::defaultPath(const QString& key)
{
    return QDir::toNativeSeparators(CAppDir::getCurrentPath() + QLatin1Char('/') + key);
}

QString CSavePath::folder(const QString& key)
{
    const QString stored = CAppSettings().readSetting(key).toString();
    return stored.trimmed().isEmpty() ? defaultPath(key) : stored;
}
