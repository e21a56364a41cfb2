#pragma once

#include "Common/CWholeFileWriter.h"

#include <QMap>
#include <QObject>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <memory>
#include <optional>

class QSettings;

// The program's options in the per-user settings file (INI). Made on the
// stack for each use; the file itself holds no defaults, so every read
// passes its own.
//
// Reads see the object's own writes first, then the user's file, then the
// files the toolkit's store falls back to (the user's file of the whole
// organisation, then the system configuration folders' files), read as the
// toolkit reads them; a removed key reads as those files have it. The user's file is read by its content (see
// CIniFileReader), so what a save wrote is what the next read returns
// whatever the file system's time resolution.
//
// The file is saved whole or not at all: the object keeps its writes, and
// save() merges them into what the user's file holds at that moment (keys of
// other objects and programs and keys this program does not know stay; the
// fallback files' values are not copied in) and puts the whole file in
// place at once. The save holds the toolkit's own lock file for the settings
// file throughout, so programs that save through the toolkit's store, and
// other viewers, take turns with it. It waits LOCK_WAIT_MS at most for its
// turn (in a running event loop the window draws meanwhile, and the
// operator's input waits; a CLockWaitShare makes several saves share that
// wait): a lock that another program holds fails the save, and the reason
// names the lock file. The lock of a program of this computer that has
// ended is taken over at once; a lock whose owner cannot be checked (it
// names another computer, or no one readable: a lock file damaged by a
// power cut) once it is older than the toolkit's own stale time, which no
// save of this program comes near; a live program's lock of this computer
// never. A file
// that cannot be read or written (no read permission, a full disk) keeps
// what it held, and save() tells the system's reason. The destructor saves
// what was not saved and only logs a failure, for the writes nobody asked
// for by a button. An object belongs to the thread that made it; saves from
// any threads are taken one at a time, within the same wait.
//
// A key may be stored with the moment it was chosen (CHOSEN_AT_GROUP), so
// that viewers sharing the file keep the later choice (CPendingSettings).
// Whoever writes such a key through this class, the moment stays true: a
// key written with its moment gets that one, one written otherwise the
// save's, and a key removed loses it. Keys stored without a moment get
// none, so that the files other programs read stay as they were.
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
    // The group of the keys' moments, in microseconds of the clock of the
    // computer that chose them since the epoch.
    static const QString CHOSEN_AT_GROUP;
    // The longest a save waits for its turn, on the thread that saves (the
    // GUI thread, also while the window closes).
    static constexpr int LOCK_WAIT_MS = 3000;

    CAppSettings();
    ~CAppSettings() override;

    // Reads see this object's own writes before the file's values.
    QVariant readSetting(const QString& key, const QVariant& defaultValue = QVariant()) const;
    void writeSetting(const QString& key, const QVariant& value);
    void writeSettings(const QMap<QString, QVariant>& values);
    bool contains(const QString& key) const;
    void remove(const QString& key);
    // Writes the value with the moment it was chosen (nowUs() then).
    void writeChosenSetting(const QString& key, const QVariant& value, qint64 chosenAtUs);
    // The moment stored with the key in the user's file (within
    // saveFilling's `fill`: as the file is then). None when the key has none,
    // or one too far ahead of this computer's clock to be believed (another
    // computer's clock ahead, or a hand-edited file): as a key stored without
    // a moment, it counts as chosen before any other.
    std::optional<qint64> chosenAt(const QString& key) const;
    // This computer's clock as the moments are stored.
    static qint64 nowUs();

    // The keys of a channel's preset tour, in the group "channel" and the
    // channel number: the start's, the end's and the interval's.
    static QStringList autoPresetKeys(int channel);
    // A channel's preset tour as those keys and values to write.
    static QMap<QString, QVariant> autoPreset(int channel, int start, int end, int interval);

    // The stored language name, or the system language's name as it would
    // be stored (CLanguage) when none (or an empty one) is stored.
    QString readLanguage() const;

    // Writes this object's writes into the file (Written), or fails with
    // the system's reason (also logged) and leaves the file as it was
    // (Failed). Unconfirmed: the file holds the new settings, but the system
    // could not confirm that they are on the disk (*reason says why). Either
    // way the writes are no longer pending: the object then reads the file.
    CWholeFileWriter::Result save(QString* reason = nullptr);
    // The same, for writes made from what the file holds (filling in what
    // it lacks, normalising what it has): `fill` runs once this program
    // holds the lock, with this object reading the file as it is then, and
    // what it writes is saved. A save that another program made while this
    // one waited is so never undone. Not run when the save fails before
    // (the lock not had, the file unreadable). `fill` must not save. When
    // there is nothing to write after it, the file is left as it is.
    CWholeFileWriter::Result saveFilling(const std::function<void()>& fill, QString* reason = nullptr);
    // The same as saveFilling() while the lock is free this moment;
    // otherwise it fails at once, without waiting for its turn, so that the
    // operator's click does not wait. Logs nothing: the caller keeps what
    // failed and tells it.
    CWholeFileWriter::Result trySaveFilling(const std::function<void()>& fill, QString* reason = nullptr);

    static QString fileName();
    // The operator's sentence for a save that was not Written: the file, the
    // reason, and what the file now holds.
    static QString saveMessage(CWholeFileWriter::Result result, const QString& reason);

private:
    // Saves within `waitMs` for the lock (0: one try), logging a failure
    // when asked.
    CWholeFileWriter::Result saveWithin(int waitMs, bool log, const std::function<void()>& fill, QString* reason);
    CWholeFileWriter::Result mergeIntoFile(int allowance, const std::function<void()>& fill, QString* reason);
    static QString inUseReason(const QString& lockPath);
    // The user's file as it was when first asked for since the last save.
    const QMap<QString, QVariant>& fileValues() const;
    const QSettings& organisationFile() const;
    const QSettings& systemFiles() const;
    bool fallbacksContain(const QString& key) const;

    mutable std::optional<QMap<QString, QVariant>> m_fileValues;
    // Read only and made when first asked: most keys are in the user's file.
    mutable std::unique_ptr<QSettings> m_organisationFile;
    mutable std::unique_ptr<QSettings> m_systemFiles;
    // Keys written (a value) or removed (none) since the last save.
    QMap<QString, std::optional<QVariant>> m_writes;
    // The moments of the written keys that were given one.
    QMap<QString, qint64> m_chosenAt;
};
