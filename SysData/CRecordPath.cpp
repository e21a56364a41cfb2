#include "CRecordPath.h"

#include "Common/CDateTime.h"

#include <QDir>
#include <QRegularExpression>

namespace {

bool isRefused(QChar c)
{
    return c.unicode() < 0x20 || c.unicode() == 0x7F || QStringView(u"<>:\"/\\|?*").contains(c);
}

bool isReservedDeviceName(const QString& name)
{
    static const QRegularExpression device(
        QStringLiteral("^(CON|PRN|AUX|NUL|COM[1-9]|LPT[1-9])(\\..*)?$"), QRegularExpression::CaseInsensitiveOption);
    return device.match(name).hasMatch();
}

} // namespace

QString CRecordPath::folderName(const QString& dvrName)
{
    QString name = dvrName;
    for (QChar& c : name) {
        if (isRefused(c))
            c = QLatin1Char('_');
    }
    while (name.endsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char(' ')))
        name.chop(1);
    if (name.isEmpty() || isReservedDeviceName(name))
        name.prepend(QLatin1Char('_'));
    return name;
}

QString CRecordPath::folder(const QString& base, const QString& dvrName)
{
    return QDir::toNativeSeparators(QDir::fromNativeSeparators(base) + QLatin1Char('/') + folderName(dvrName));
}

QString CRecordPath::timeStem(const QString& folder, std::int64_t seconds)
{
    const QString time
        = CDateTime::convert_Timet_QDateTime(static_cast<long>(seconds)).toString(CDateTime::FILE_TIME_FORMAT);
    return QDir::toNativeSeparators(QDir::fromNativeSeparators(folder) + QLatin1Char('/') + time);
}

QString CRecordPath::numbered(const QString& stem, int attempt)
{
    return attempt == 0 ? stem : stem + QLatin1Char('-') + QString::number(attempt);
}
