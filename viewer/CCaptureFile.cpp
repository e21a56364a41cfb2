#include "CCaptureFile.h"

#include "Common/CDateTime.h"
#include "Settings/CAppSettings.h"
#include "Settings/CSavePath.h"
#include "SysData/CRecordPath.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

CAPTURE_FILEFORMAT::ENUM CCaptureFile::format()
{
    const int stored = CAppSettings().readSetting(CAppSettings::CAPTURE_FILE_FORMAT, 0).toInt();
    return stored == CAPTURE_FILEFORMAT::JPEG ? CAPTURE_FILEFORMAT::JPEG : CAPTURE_FILEFORMAT::PNG;
}

QString CCaptureFile::folder()
{
    const QString path = CSavePath::folder(CAppSettings::PATH_LIST.at(0));
    return QDir().mkpath(path) ? path : QString();
}

QString CCaptureFile::freeName(const QString& folder, const QDateTime& time, CAPTURE_FILEFORMAT::ENUM format)
{
    const QString stem = QDir::toNativeSeparators(
        QDir::fromNativeSeparators(folder) + QLatin1Char('/') + time.toString(CDateTime::FILE_TIME_FORMAT));
    const QString extension = format == CAPTURE_FILEFORMAT::JPEG ? QStringLiteral(".jpg") : QStringLiteral(".png");
    for (int attempt = 0; attempt <= CRecordPath::MAX_ATTEMPTS; ++attempt) {
        const QString name = CRecordPath::numbered(stem, attempt) + extension;
        const QFileInfo info(name);
        if (!info.exists() && !info.isSymLink())
            return name;
    }
    return QString();
}
