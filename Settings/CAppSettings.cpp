#include "CAppSettings.h"

#include <QLocale>

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
    : m_settings(QSettings::NativeFormat, QSettings::UserScope, COMPANY_NAME, APP_NAME)
{
}

CAppSettings::~CAppSettings() = default;

QVariant CAppSettings::readSetting(const QString& key, const QVariant& defaultValue) const
{
    return m_settings.value(key, defaultValue);
}

void CAppSettings::writeSetting(const QString& key, const QVariant& value)
{
    m_settings.setValue(key, value);
}

bool CAppSettings::contains(const QString& key) const
{
    return m_settings.contains(key);
}

void CAppSettings::remove(const QString& key)
{
    m_settings.remove(key);
}

void CAppSettings::writeAutoPreset(int channel, int start, int end, int interval)
{
    m_settings.beginGroup(channelGroup(channel));
    m_settings.setValue(START_PRESET, start);
    m_settings.setValue(END_PRESET, end);
    m_settings.setValue(PRESET_INTERVAL, interval);
    m_settings.endGroup();
}

void CAppSettings::readAutoPreset(int channel, int& start, int& end, int& interval)
{
    m_settings.beginGroup(channelGroup(channel));
    start = m_settings.value(START_PRESET, 0).toInt();
    end = m_settings.value(END_PRESET, 0).toInt();
    interval = m_settings.value(PRESET_INTERVAL, 0).toInt();
    m_settings.endGroup();
}

void CAppSettings::writeLanguage(const QString& name)
{
    m_settings.setValue(LANGUAGE, name);
}

QString CAppSettings::readLanguage() const
{
    const QString language = QLocale::system().name().split(QLatin1Char('_')).first();
    const QString fallback = QLocale::languageToString(QLocale(language).language());
    const QString stored = m_settings.value(LANGUAGE, fallback).toString();
    return stored.isEmpty() ? fallback : stored;
}

QString CAppSettings::channelGroup(int channel)
{
    return QStringLiteral("channel") + QString::number(channel);
}
