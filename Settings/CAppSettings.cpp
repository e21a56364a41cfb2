#include "CAppSettings.h"

#include "Common/CWholeFileWriter.h"
#include "Settings/CIniWriter.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QMutex>
#include <QtDebug>

namespace {

// One merge at a time, so that no save writes over keys another object
// saved after this one read the file.
QMutex g_saveMutex;

// The toolkit's cache of settings files takes a file of the same size and
// modification time (to the millisecond) as unchanged. A save within the
// millisecond of the file it replaced would leave every reader in this
// process with the older values, and the next merge would write them back.
void stampAfter(const QString& path, const QDateTime& previous)
{
    if (!previous.isValid() || QFileInfo(path).lastModified() > previous)
        return;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        file.setFileTime(previous.addMSecs(1), QFileDevice::FileModificationTime);
}

} // namespace

// Stored keys: the spelling is part of every operator's settings store.
const QString CAppSettings::COMPANY_NAME = QStringLiteral("COMPANY");
const QString CAppSettings::APP_NAME = QStringLiteral("KTAX QELM");
const QString CAppSettings::START_PRESET = QStringLiteral("StartPreset");
const QString CAppSettings::END_PRESET = QStringLiteral("EndPreset");
const QString CAppSettings::PRESET_INTERVAL = QStringLiteral("PresetInterval");
const QString CAppSettings::LANGUAGE = QStringLiteral("Language");
const QStringList CAppSettings::PATH_LIST
    = {QStringLiteral("Capture"), QStringLiteral("Record"), QStringLiteral("Backup")};
const QString CAppSettings::CODEC_TYPE = QStringLiteral("CodecType");
const QString CAppSettings::PLAYBACK_MODE = QStringLiteral("PlaybackMode");
const QString CAppSettings::SEQ_INTERVAL = QStringLiteral("SeqenceInterval");
const QString CAppSettings::RECONNECT = QStringLiteral("Reconnect");
const QString CAppSettings::OPENGL = QStringLiteral("Opengl");
const QString CAppSettings::OSD_CH_NAME = QStringLiteral("OsdChName");
const QString CAppSettings::OSD_RECORD = QStringLiteral("OsdRecord");
const QString CAppSettings::OSD_EVENT = QStringLiteral("OsdEvent");
const QString CAppSettings::ALARM_SOUND = QStringLiteral("AlarmSound");
const QString CAppSettings::FILE_FORMAT = QStringLiteral("FileFormat");
const QString CAppSettings::CAPTURE_FILE_FORMAT = QStringLiteral("CaptureFileFormat");
const QString CAppSettings::EMAP_POPUP = QStringLiteral("EmapPopup");
const QString CAppSettings::EMAP_POPDOWN = QStringLiteral("EmapPopdown");
const QString CAppSettings::EMAP_IMAGESIZE = QStringLiteral("EmapImageSize");

CAppSettings::CAppSettings()
    : m_file(fileName(), QSettings::IniFormat)
{
}

CAppSettings::~CAppSettings()
{
    if (!m_writes.isEmpty())
        save();
}

QVariant CAppSettings::readSetting(const QString& key, const QVariant& defaultValue) const
{
    const auto written = m_writes.constFind(key);
    return written != m_writes.cend() ? written->value_or(defaultValue) : m_file.value(key, defaultValue);
}

void CAppSettings::writeSetting(const QString& key, const QVariant& value)
{
    m_writes.insert(key, value);
}

bool CAppSettings::contains(const QString& key) const
{
    const auto written = m_writes.constFind(key);
    return written != m_writes.cend() ? written->has_value() : m_file.contains(key);
}

void CAppSettings::remove(const QString& key)
{
    m_writes.insert(key, std::nullopt);
}

void CAppSettings::writeAutoPreset(int channel, int start, int end, int interval)
{
    const QString group = channelGroup(channel);
    writeSetting(group + START_PRESET, start);
    writeSetting(group + END_PRESET, end);
    writeSetting(group + PRESET_INTERVAL, interval);
}

void CAppSettings::readAutoPreset(int channel, int& start, int& end, int& interval)
{
    const QString group = channelGroup(channel);
    start = readSetting(group + START_PRESET, 0).toInt();
    end = readSetting(group + END_PRESET, 0).toInt();
    interval = readSetting(group + PRESET_INTERVAL, 0).toInt();
}

void CAppSettings::writeLanguage(const QString& name)
{
    writeSetting(LANGUAGE, name);
}

QString CAppSettings::readLanguage() const
{
    const QString language = QLocale::system().name().split(QLatin1Char('_')).first();
    const QString fallback = QLocale::languageToString(QLocale(language).language());
    const QString stored = readSetting(LANGUAGE, fallback).toString();
    return stored.isEmpty() ? fallback : stored;
}

bool CAppSettings::save(QString* reason)
{
    if (m_writes.isEmpty())
        return true;
    const QMutexLocker lock(&g_saveMutex);
    m_file.sync();
    QMap<QString, QVariant> values;
    for (const QString& key : m_file.allKeys())
        values.insert(key, m_file.value(key));
    for (auto it = m_writes.cbegin(); it != m_writes.cend(); ++it) {
        if (it->has_value())
            values.insert(it.key(), **it);
        else
            values.remove(it.key());
    }
    m_writes.clear();

    const QString path = fileName();
    const QDateTime previous = QFileInfo(path).lastModified();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QString failure;
    if (!CWholeFileWriter::write(path, CIniWriter::toIni(values), &failure)) {
        qWarning(
            "error: settings not saved to %s: %s", qPrintable(QDir::toNativeSeparators(path)), qPrintable(failure));
        if (reason)
            *reason = failure;
        return false;
    }
    stampAfter(path, previous);
    m_file.sync();
    return true;
}

QString CAppSettings::fileName()
{
    // Where the toolkit keeps the program's settings for the user: on this
    // system its native format is INI.
    static const QString path
        = QSettings(QSettings::NativeFormat, QSettings::UserScope, COMPANY_NAME, APP_NAME).fileName();
    return path;
}

QString CAppSettings::saveFailedMessage(const QString& reason)
{
    return tr("The settings could not be saved to %1 (%2). The previous settings are kept.")
        .arg(QDir::toNativeSeparators(fileName()), reason);
}

QString CAppSettings::channelGroup(int channel)
{
    return QStringLiteral("channel") + QString::number(channel) + u'/';
}
