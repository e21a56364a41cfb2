#include "CAppSettings.h"

#include "Settings/CIniFileReader.h"
#include "Settings/CIniWriter.h"
#include "Settings/CLanguage.h"
#include "Settings/CLockWaitShare.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QLockFile>
#include <QMutex>
#include <QSettings>
#include <QSysInfo>
#include <QThread>
#include <QTimer>
#include <QtDebug>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <mutex>

namespace {

// One merge at a time within the process; the lock file parts processes.
QMutex g_saveMutex;
const int LOCK_RETRY_MS = 50;
// Clocks of computers kept in time differ by far less; a moment further
// ahead would keep every later choice of its key from being stored.
const qint64 BELIEVED_AHEAD_US = 60'000'000;

QString chosenAtKey(const QString& key)
{
    return CAppSettings::CHOSEN_AT_GROUP + u'/' + key;
}

// The toolkit's store in another program (and in this one) takes a file of
// the same size and modification time (to the millisecond) as unchanged. A
// save within the millisecond of the file it replaced would leave such a
// reader with the older values, and its next save would write them back.
// Where the file system keeps coarser times this cannot help; this
// program's own reads do not depend on it.
void stampAfter(const QString& path, const QDateTime& previous)
{
    if (!previous.isValid() || QFileInfo(path).lastModified() > previous)
        return;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        file.setFileTime(previous.addMSecs(1), QFileDevice::FileModificationTime);
}

// Whether the lock file names no live program that could be checked: one
// of another computer, or none readable (a lock file damaged by a power
// cut), and is older than the stale time. As the toolkit does, a time in
// the future (another computer's clock) counts by its distance.
bool uncheckedAndStale(const QLockFile& lock, std::chrono::milliseconds staleTime)
{
    qint64 pid = 0;
    QString host;
    QString application;
    if (lock.getLockInfo(&pid, &host, &application) && (host.isEmpty() || host == QSysInfo::machineHostName()))
        return false;
    const QDateTime modified = QFileInfo(lock.fileName()).lastModified();
    return modified.isValid() && std::abs(modified.msecsTo(QDateTime::currentDateTime())) > staleTime.count();
}

// One try; true when it settled the matter: taken, or failed for another
// reason than a holder.
bool tryOnce(QLockFile& lock, std::chrono::milliseconds staleTime)
{
    if (lock.tryLock(0) || lock.error() != QLockFile::LockFailedError)
        return true;
    // The removal fails while a program holds the file's own lock.
    if (uncheckedAndStale(lock, staleTime) && lock.removeStaleLockFile())
        return lock.tryLock(0) || lock.error() != QLockFile::LockFailedError;
    return false;
}

// Takes the lock by the deadline or fails. While the thread's event loop
// runs (PC setup's OK, not the window's start or end), the wait lets the
// window draw and the streams flow: the operator's input waits, so that no
// other save starts meanwhile.
bool takeLock(QLockFile& lock, std::chrono::milliseconds staleTime, const QDeadlineTimer& deadline)
{
    const auto settled = [&] { return tryOnce(lock, staleTime) || deadline.hasExpired(); };
    if (settled())
        return lock.isLocked();
    if (QThread::currentThread()->loopLevel() == 0) {
        do
            QThread::msleep(std::clamp<qint64>(deadline.remainingTime(), 0, LOCK_RETRY_MS));
        while (!settled());
        return lock.isLocked();
    }
    QEventLoop waiting;
    QTimer retry;
    QObject::connect(&retry, &QTimer::timeout, &waiting, [&] {
        if (settled())
            waiting.quit();
    });
    retry.start(LOCK_RETRY_MS);
    waiting.exec(QEventLoop::ExcludeUserInputEvents);
    return lock.isLocked();
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
const QString CAppSettings::CHOSEN_AT_GROUP = QStringLiteral("ChosenAt");

CAppSettings::CAppSettings() = default;

CAppSettings::~CAppSettings()
{
    if (!m_writes.isEmpty())
        save();
}

QVariant CAppSettings::readSetting(const QString& key, const QVariant& defaultValue) const
{
    const auto written = m_writes.constFind(key);
    if (written != m_writes.cend() && written->has_value())
        return **written;
    if (written == m_writes.cend()) {
        const auto stored = fileValues().constFind(key);
        if (stored != fileValues().cend())
            return *stored;
    }
    if (organisationFile().contains(key))
        return organisationFile().value(key);
    return systemFiles().value(key, defaultValue);
}

void CAppSettings::writeSetting(const QString& key, const QVariant& value)
{
    m_writes.insert(key, value);
    m_chosenAt.remove(key);
}

void CAppSettings::writeChosenSetting(const QString& key, const QVariant& value, qint64 chosenAtUs)
{
    m_writes.insert(key, value);
    m_chosenAt.insert(key, chosenAtUs);
}

std::optional<qint64> CAppSettings::chosenAt(const QString& key) const
{
    bool stored = false;
    const qint64 chosenAtUs = fileValues().value(chosenAtKey(key)).toLongLong(&stored);
    if (!stored || chosenAtUs > nowUs() + BELIEVED_AHEAD_US)
        return std::nullopt;
    return chosenAtUs;
}

qint64 CAppSettings::nowUs()
{
    // Finer than the clicks of two viewers one after the other can come.
    return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::system_clock::now().time_since_epoch())
        .count();
}

bool CAppSettings::contains(const QString& key) const
{
    const auto written = m_writes.constFind(key);
    if (written != m_writes.cend() && written->has_value())
        return true;
    return (written == m_writes.cend() && fileValues().contains(key)) || fallbacksContain(key);
}

void CAppSettings::remove(const QString& key)
{
    m_writes.insert(key, std::nullopt);
    m_chosenAt.remove(key);
}

void CAppSettings::writeSettings(const QMap<QString, QVariant>& values)
{
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        writeSetting(it.key(), *it);
}

QStringList CAppSettings::autoPresetKeys(int channel)
{
    const QString group = QStringLiteral("channel") + QString::number(channel) + u'/';
    return {group + START_PRESET, group + END_PRESET, group + PRESET_INTERVAL};
}

QMap<QString, QVariant> CAppSettings::autoPreset(int channel, int start, int end, int interval)
{
    const QStringList keys = autoPresetKeys(channel);
    return {{keys.at(0), start}, {keys.at(1), end}, {keys.at(2), interval}};
}

QString CAppSettings::readLanguage() const
{
    const QString fallback = CLanguage::storedName(QLocale::system().name().split(QLatin1Char('_')).first());
    const QString stored = readSetting(LANGUAGE, fallback).toString();
    return stored.isEmpty() ? fallback : stored;
}

CWholeFileWriter::Result CAppSettings::save(QString* reason)
{
    if (m_writes.isEmpty())
        return CWholeFileWriter::Result::Written;
    return saveFilling({}, reason);
}

CWholeFileWriter::Result CAppSettings::saveFilling(const std::function<void()>& fill, QString* reason)
{
    return saveWithin(CLockWaitShare::allowance(LOCK_WAIT_MS), true, fill, reason);
}

CWholeFileWriter::Result CAppSettings::trySaveFilling(const std::function<void()>& fill, QString* reason)
{
    return saveWithin(0, false, fill, reason);
}

CWholeFileWriter::Result CAppSettings::saveWithin(
    int waitMs, bool log, const std::function<void()>& fill, QString* reason)
{
    QString why;
    const CWholeFileWriter::Result result = mergeIntoFile(waitMs, fill, &why);
    m_writes.clear();
    m_chosenAt.clear();
    m_fileValues.reset();
    const QByteArray path = QDir::toNativeSeparators(fileName()).toLocal8Bit();
    if (result == CWholeFileWriter::Result::Failed && log)
        qWarning("error: settings not saved to %s: %s", path.constData(), qPrintable(why));
    else if (result == CWholeFileWriter::Result::Unconfirmed)
        qWarning("error: settings saved to %s but not confirmed on the disk: %s", path.constData(), qPrintable(why));
    if (reason)
        *reason = why;
    return result;
}

CWholeFileWriter::Result CAppSettings::mergeIntoFile(int allowance, const std::function<void()>& fill, QString* reason)
{
    const QString path = fileName();
    const QString lockPath = path + QStringLiteral(".lock");
    const QDeadlineTimer deadline(allowance);
    QElapsedTimer waiting;
    waiting.start();
    // Another thread's save holds the mutex only while it waits for the same
    // lock, so the wait for it counts against the same bound.
    const std::unique_lock<QMutex> inProcess(g_saveMutex, std::chrono::milliseconds(allowance));
    if (!inProcess.owns_lock()) {
        CLockWaitShare::spend(waiting.elapsed());
        *reason = inUseReason(lockPath);
        return CWholeFileWriter::Result::Failed;
    }
    QDir().mkpath(QFileInfo(path).absolutePath());
    // The lock file the toolkit's store takes for this file when it writes.
    QLockFile betweenPrograms(lockPath);
    const std::chrono::milliseconds toolkitStaleTime = betweenPrograms.staleLockTimeAsDuration();
    // The toolkit would take over any lock older than its stale time, also
    // a live program's that hangs while it saves. Itself it takes over at
    // once the lock of a program of this computer that has ended (or whose
    // number another program now has); tryOnce() the unchecked ones.
    betweenPrograms.setStaleLockTime(0);
    const bool locked = takeLock(betweenPrograms, toolkitStaleTime, deadline);
    CLockWaitShare::spend(waiting.elapsed());
    if (!locked) {
        // The lock keeps no reason for the other errors; its last call to
        // the system (making the lock file in a full or read-only folder)
        // left it in errno.
        *reason
            = betweenPrograms.error() == QLockFile::LockFailedError ? inUseReason(lockPath) : qt_error_string(errno);
        return CWholeFileWriter::Result::Failed;
    }
    // A copy beside the file needs no room the save itself does not need.
    std::optional<QMap<QString, QVariant>> values = CIniFileReader::read(path, reason, QFileInfo(path).absolutePath());
    if (!values)
        return CWholeFileWriter::Result::Failed;
    if (fill) {
        m_fileValues = values;
        fill();
    }
    if (m_writes.isEmpty())
        return CWholeFileWriter::Result::Written;
    // Here, under the lock, whatever wrote the key: a moment left as it was
    // would misorder a pending choice of another viewer against this value.
    const qint64 savedAtUs = nowUs();
    for (auto it = m_writes.cbegin(); it != m_writes.cend(); ++it) {
        const QString momentKey = chosenAtKey(it.key());
        if (!it->has_value()) {
            values->remove(it.key());
            values->remove(momentKey);
            continue;
        }
        values->insert(it.key(), **it);
        const auto chosen = m_chosenAt.constFind(it.key());
        if (chosen != m_chosenAt.cend())
            values->insert(momentKey, *chosen);
        else if (values->contains(momentKey))
            values->insert(momentKey, savedAtUs);
    }
    const QDateTime previous = QFileInfo(path).lastModified();
    const CWholeFileWriter::Result result = CWholeFileWriter::write(path, CIniWriter::toIni(*values), reason);
    if (result != CWholeFileWriter::Result::Failed)
        stampAfter(path, previous);
    return result;
}

const QMap<QString, QVariant>& CAppSettings::fileValues() const
{
    if (!m_fileValues) {
        m_fileValues = CIniFileReader::read(fileName());
        // Without a copy to read from, the toolkit reads the file itself; a
        // file that cannot be read has no values, as in the toolkit's store.
        if (!m_fileValues) {
            const QSettings file(fileName(), QSettings::IniFormat);
            m_fileValues.emplace();
            for (const QString& key : file.allKeys())
                m_fileValues->insert(key, file.value(key));
        }
    }
    return *m_fileValues;
}

const QSettings& CAppSettings::organisationFile() const
{
    if (!m_organisationFile) {
        const QString path = QSettings(QSettings::NativeFormat, QSettings::UserScope, COMPANY_NAME).fileName();
        m_organisationFile = std::make_unique<QSettings>(path, QSettings::IniFormat);
    }
    return *m_organisationFile;
}

const QSettings& CAppSettings::systemFiles() const
{
    if (!m_systemFiles)
        m_systemFiles
            = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::SystemScope, COMPANY_NAME, APP_NAME);
    return *m_systemFiles;
}

bool CAppSettings::fallbacksContain(const QString& key) const
{
    return organisationFile().contains(key) || systemFiles().contains(key);
}

QString CAppSettings::fileName()
{
    // Where the toolkit keeps the program's settings for the user: on this
    // system its native format is INI.
    static const QString path
        = QSettings(QSettings::NativeFormat, QSettings::UserScope, COMPANY_NAME, APP_NAME).fileName();
    return path;
}

QString CAppSettings::saveMessage(CWholeFileWriter::Result result, const QString& reason)
{
    const QString path = QDir::toNativeSeparators(fileName());
    switch (result) {
    case CWholeFileWriter::Result::Written:
        break;
    case CWholeFileWriter::Result::Failed:
        return tr("The settings could not be saved to %1 (%2). The previous settings are kept.").arg(path, reason);
    case CWholeFileWriter::Result::Unconfirmed:
        return tr("The new settings were saved to %1, but the system could not confirm that they are on the disk (%2).")
            .arg(path, reason);
    }
    return QString();
}

QString CAppSettings::inUseReason(const QString& lockPath)
{
    // Named, so that the operator can remove a lock that no program holds
    // any more (one left by another computer, or a damaged one).
    return tr("it is in use by another program, which holds the lock file %1").arg(QDir::toNativeSeparators(lockPath));
}
