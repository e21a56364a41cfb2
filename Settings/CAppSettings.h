#pragma once

#include <QObject>
#include <QSettings>
#include <QStringList>
#include <QVariant>

// The program's options in the per-user settings store. Made on the stack for
// each use; the store itself holds no defaults, so every read passes its own.
class CAppSettings : public QObject {
    Q_OBJECT

public:
    static const QString COMPANY_NAME;
    static const QString APP_NAME;
    static const QString START_PRESET;
    static const QString END_PRESET;
    static const QString PRESET_INTERVAL;
    static const QString LANGUAGE;
    // The keys of the capture, record and backup folders, in that order.
    static const QStringList PATH_LIST;
    static const QString CODEC_TYPE;
    static const QString PLAYBACK_MODE;
    static const QString SEQ_INTERVAL;
    static const QString RECONNECT;
    static const QString OPENGL;
    static const QString OSD_CH_NAME;
    static const QString OSD_RECORD;
    static const QString OSD_EVENT;
    // What PC setup shows and stores while the overlay keys are absent: the
    // wall reads them the same way, also before PC setup ever stored them.
    static constexpr int OSD_CH_NAME_DEFAULT = 1;
    static constexpr int OSD_RECORD_DEFAULT = 1;
    static constexpr int OSD_EVENT_DEFAULT = 1;
    static const QString ALARM_SOUND;
    static const QString FILE_FORMAT;
    static const QString CAPTURE_FILE_FORMAT;
    static const QString EMAP_POPUP;
    static const QString EMAP_POPDOWN;
    static const QString EMAP_IMAGESIZE;

    CAppSettings();
    ~CAppSettings() override;

    QVariant readSetting(const QString& key, const QVariant& defaultValue = QVariant()) const;
    void writeSetting(const QString& key, const QVariant& value);
    bool contains(const QString& key) const;
    void remove(const QString& key);

    // A channel's preset tour, in the group "channel" and the channel number.
    void writeAutoPreset(int channel, int start, int end, int interval);
    void readAutoPreset(int channel, int& start, int& end, int& interval);

    void writeLanguage(const QString& name);
    // The stored language name, or the English name of the system language
    // when none (or an empty one) is stored.
    QString readLanguage() const;

private:
    static QString channelGroup(int channel);

    QSettings m_settings;
};
