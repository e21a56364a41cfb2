#include "ChooseEntry.h"
#include "DVRSetup/CLiveCtrlWidget.h"
#include "PlainUser.h"
#include "Settings/CAppSettings.h"
#include "Settings/CIniFileReader.h"
#include "Settings/CIniWriter.h"
#include "Settings/CLockWaitShare.h"
#include "Settings/CPCSetupDialog.h"
#include "Settings/CPendingSettings.h"
#include "TestDvr.h"
#include "WidgetChild.h"
#include "viewer/CStartup.h"
#include "viewer/Viewer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLockFile>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRect>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QSlider>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cerrno>
#include <memory>
#include <optional>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>

namespace {

QSettings rawStore()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, "COMPANY", "KTAX QELM");
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// The user's file of the whole organisation, beside the program's folder.
QString organisationFile()
{
    return QFileInfo(CAppSettings::fileName()).dir().absoluteFilePath(QStringLiteral("../COMPANY.conf"));
}

// Which file is at the path, and when it was last written: a file put in
// its place is another one, even with the same bytes.
std::tuple<ino_t, time_t, long> fileIdentity(const QString& path)
{
    struct stat status { };
    if (stat(QFile::encodeName(path).constData(), &status) != 0)
        return {};
    return {status.st_ino, status.st_mtim.tv_sec, status.st_mtim.tv_nsec};
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size());
}

// Other programs on the same settings file: this test program started
// again (see main()). Each says "ready" when it has done what comes before
// its go, and goes on when it reads a line.
const char SAVE_KEYS[] = "--save-keys";
const char PC_SETUP_OK[] = "--pc-setup-ok";
const char VIEWER_START[] = "--viewer-start";
const char VIEWER_END[] = "--viewer-end";
const char LIVE_PANEL[] = "--live-panel";
const char HOLD_LOCK[] = "--hold-lock";
const char SAVE_WHILE_HOLDING[] = "--save-while-holding";
const char CHOOSE[] = "--choose";
const char FAILED_SAVE[] = "error: settings not saved to ";

bool sayReady()
{
    QFile output;
    return output.open(stdout, QIODevice::WriteOnly) && output.write("ready\n") == 6 && output.flush();
}

// True when a go came. Read a byte at a time: a later go stays in the pipe
// for the next wait.
bool waitForGo()
{
    char byte = 0;
    while (read(STDIN_FILENO, &byte, 1) == 1) {
        if (byte == '\n')
            return true;
    }
    return false;
}

bool readyThenWait()
{
    return sayReady() && waitForGo();
}

// Starts another program; true once it is ready. Its messages show with
// this program's, or are read (failedSaves).
bool startReady(QProcess& process, const QStringList& arguments, bool readMessages = false)
{
    process.setProcessChannelMode(readMessages ? QProcess::SeparateChannels : QProcess::ForwardedErrorChannel);
    process.start(QCoreApplication::applicationFilePath(), arguments);
    while (!process.canReadLine()) {
        if (!process.waitForReadyRead(30000))
            return false;
    }
    return process.readLine() == "ready\n";
}

// Reads the program's messages until that many saves have failed; gives
// what the last of them left of its thread's wait for the lock
// (tellWaitLeft).
bool failedSaves(QProcess& process, int count, int* waitLeftMs = nullptr)
{
    static const QRegularExpression waitLeft(QStringLiteral(R"(\(wait left: (\d+) ms\)$)"));
    process.setReadChannel(QProcess::StandardError);
    while (count > 0) {
        if (!process.canReadLine() && !process.waitForReadyRead(30000))
            return false;
        const QString line = QString::fromLocal8Bit(process.readLine()).trimmed();
        if (line.startsWith(QLatin1String(FAILED_SAVE))) {
            --count;
            if (waitLeftMs)
                *waitLeftMs = waitLeft.match(line).captured(1).toInt();
        }
    }
    return true;
}

// Reads the program's next line of output, once it has written it.
QByteArray nextLine(QProcess& process)
{
    process.setReadChannel(QProcess::StandardOutput);
    while (!process.canReadLine()) {
        if (!process.waitForReadyRead(30000))
            return QByteArray();
    }
    return process.readLine().trimmed();
}

QtMessageHandler g_messages = nullptr;

// Adds to each failed save's message what is left of its thread's wait for
// the lock: a save that shares a wait that is spent tries once.
void tellWaitLeft(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    g_messages(type, context,
        message.startsWith(QLatin1String(FAILED_SAVE))
            ? message + QStringLiteral(" (wait left: %1 ms)").arg(CLockWaitShare::allowance(CAppSettings::LOCK_WAIT_MS))
            : message);
}

// Saves `count` keys "<prefix>0", "<prefix>1" ... one save each, as a viewer
// does or through the toolkit's store.
int saveKeys(const QString& how, const QString& prefix, int count)
{
    if (!readyThenWait())
        return 2;
    for (int i = 0; i < count; ++i) {
        const QString key = prefix + QString::number(i);
        if (how == QLatin1String("viewer")) {
            CAppSettings settings;
            settings.writeSetting(key, i);
            if (settings.save() != CWholeFileWriter::Result::Written)
                return 1;
        } else {
            QSettings settings = rawStore();
            settings.setValue(key, i);
            settings.sync();
            if (settings.status() != QSettings::NoError)
                return 1;
        }
    }
    return 0;
}

// A viewer's PC setup, opened as the operator opens it; on the go the
// operator clicks the radio button and OK.
int pcSetupOk(const QString& button)
{
    CPCSetupDialog dialog;
    dialog.loadSettings();
    dialog.show();
    if (!readyThenWait())
        return 2;
    child<QAbstractButton>(dialog, qPrintable(button))->click();
    child<QDialogButtonBox>(dialog, "buttonBox")->button(QDialogButtonBox::Ok)->click();
    return dialog.result() == QDialog::Accepted ? 0 : 1;
}

// On the go, a viewer starts and ends as the program does: the OpenGL probe
// when no mode is stored, then the PC options.
int viewerStart()
{
    if (!readyThenWait())
        return 2;
    CStartup::end(CStartup::showMainWindow());
    return 0;
}

// The live control panel pointed at channel 3 of a DVR on a single screen,
// the PTZ page shown.
void pointAtDvr(CLiveCtrlWidget& panel, const TestDvr& dvr)
{
    panel.setConnectedDVR(dvr.dvrRecord(), 1, true);
    panel.setSelectedChannel(3);
    panel.changeState(true);
}

// The operator chooses the PTZ speed 3, then, on the tour page, a tour's
// start preset 4 (and, if `whole`, its end preset 8 and 20 s).
void chooseSpeedAndTour(CLiveCtrlWidget& panel, bool whole)
{
    QTest::keyClick(child<QSlider>(panel, "Speed"), Qt::Key_End);
    child<QAbstractButton>(panel, "DVRControl1")->click();
    chooseEntry(*child<QComboBox>(panel, "StartPreset"), 3);
    if (whole) {
        chooseEntry(*child<QComboBox>(panel, "EndPreset"), 7);
        chooseEntry(*child<QComboBox>(panel, "Interval"), 3);
    }
}

// A viewer started with the settings free. On the go the operator chooses
// the PTZ speed and a tour's start preset (each saved at once, if the
// settings are free then), and closes the window. What the end tells the
// operator is written out as "told: " and the text, its lines parted by
// " | ", and answered.
int viewerEnd()
{
    TestDvr dvr;
    if (!dvr.listen())
        return 3;
    std::unique_ptr<Viewer> window = CStartup::showMainWindow();
    pointAtDvr(*window->findChild<CLiveCtrlWidget*>(), dvr);
    if (!readyThenWait())
        return 2;
    chooseSpeedAndTour(*window->findChild<CLiveCtrlWidget*>(), false);
    QTimer operatorAnswers;
    QObject::connect(&operatorAnswers, &QTimer::timeout, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        QFile output;
        if (output.open(stdout, QIODevice::WriteOnly))
            output.write("told: " + box->text().replace(u'\n', QStringLiteral(" | ")).toUtf8() + '\n');
        box->button(QMessageBox::Ok)->click();
    });
    operatorAnswers.start(20);
    CStartup::end(std::move(window));
    return 0;
}

// A viewer's live control panel. On the go the operator chooses the PTZ
// speed 3 and the tour 4, 8, 20 (or, to keep them, nothing) and closes the
// window.
int livePanel(bool change)
{
    TestDvr dvr;
    if (!dvr.listen())
        return 3;
    auto panel = std::make_unique<CLiveCtrlWidget>();
    pointAtDvr(*panel, dvr);
    if (!readyThenWait())
        return 2;
    if (change)
        chooseSpeedAndTour(*panel, true);
    // As the program's end: what the file could not take at once.
    QString reason;
    return CPendingSettings::ofApplication().saveOrGiveUp(&reason).isEmpty() ? 0 : 4;
}

QLockFile& settingsLock()
{
    static QLockFile lock(CAppSettings::fileName() + QStringLiteral(".lock"));
    return lock;
}

// Holds the settings' lock as another program does while it saves, and
// lets it go as it ends, at the go.
int holdLock()
{
    return settingsLock().tryLock(0) && readyThenWait() ? 0 : 1;
}

// A viewer's live control panel. On the go the operator chooses the PTZ
// speed (Slow or Very Fast, by the keyboard) or the tour's interval; at the
// next go the viewer writes what is pending: on its own ("retry"), or as
// the program's end does ("end"). Then it writes out what its page shows
// ("shown: "), and each choice its end could not save ("lost: ").
int choose(const QString& what, const QString& value, const QString& finish)
{
    TestDvr dvr;
    if (!dvr.listen())
        return 3;
    CLiveCtrlWidget panel;
    pointAtDvr(panel, dvr);
    const bool speed = what == QLatin1String("speed");
    if (!speed)
        child<QAbstractButton>(panel, "DVRControl1")->click();
    auto* slider = child<QSlider>(panel, "Speed");
    auto* interval = child<QComboBox>(panel, "Interval");
    if (!readyThenWait())
        return 2;
    if (speed)
        QTest::keyClick(slider, value == QLatin1String("Slow") ? Qt::Key_Home : Qt::Key_End);
    else
        chooseEntry(*interval, interval->findText(value));
    if (!readyThenWait())
        return 2;
    QStringList lost;
    if (finish == QLatin1String("end")) {
        QString reason;
        lost = CPendingSettings::ofApplication().saveOrGiveUp(&reason);
    } else if (!QTest::qWaitFor([] { return CPendingSettings::ofApplication().isEmpty(); }, 30000)) {
        return 4;
    }
    QFile output;
    if (!output.open(stdout, QIODevice::WriteOnly))
        return 5;
    output.write(
        "shown: " + (speed ? child<QLabel>(panel, "SpeedLabel")->text() : interval->currentText()).toUtf8() + '\n');
    for (const QString& name : std::as_const(lost))
        output.write("lost: " + name.toUtf8() + '\n');
    return 0;
}

// Another program that holds the lock: at the go it saves the value under
// the key once the stored capture folder is made (by the viewer starting
// beside it), or when none is made in 1.5 s; then it lets the lock go.
int saveWhileHolding(const QString& key, int value)
{
    if (!settingsLock().tryLock(0) || !readyThenWait())
        return 1;
    const QString folder = CAppSettings().readSetting(CAppSettings::PATH_LIST.at(0)).toString();
    static_cast<void>(QTest::qWaitFor([&] { return QFileInfo::exists(folder); }, 1500));
    std::optional<QMap<QString, QVariant>> values = CIniFileReader::read(CAppSettings::fileName());
    if (!values)
        return 2;
    values->insert(key, value);
    return CWholeFileWriter::write(CAppSettings::fileName(), CIniWriter::toIni(*values))
            == CWholeFileWriter::Result::Written
        ? 0
        : 3;
}

} // namespace

// The disk's own pace would part saves that follow each other within a
// millisecond of the file's clock; these tests need no data on the disk.
extern "C" int fsync(int)
{
    return 0;
}

extern "C" int fdatasync(int)
{
    return 0;
}

class tst_CAppSettings : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void storeIsIsolated();
    void keysAsStored();
    void autoPreset_data();
    void autoPreset();
    void language_data();
    void language();
    void absentKeys();
    void valuesReadBackAsWritten_data();
    void valuesReadBackAsWritten();
    void savesKeepEachOthersKeys();
    void programsKeepEachOthersSaves_data();
    void programsKeepEachOthersSaves();
    void lockOfAnotherProgram_data();
    void lockOfAnotherProgram();
    void laterChoiceStands_data();
    void laterChoiceStands();
    void choiceAgainstStoredMoment_data();
    void choiceAgainstStoredMoment();
    void unreadableFileIsKept();
    void wholeSecondFileTimes();
    void fallbackFiles_data();
    void fallbackFiles();
};

void tst_CAppSettings::init()
{
    rawStore().clear();
}

void tst_CAppSettings::cleanup()
{
    // A failed row's choice is not written into the next row's file.
    QString reason;
    static_cast<void>(CPendingSettings::ofApplication().saveOrGiveUp(&reason));
    QFile::remove(CAppSettings::fileName() + QStringLiteral(".lock"));
    QFile::remove(organisationFile());
    qunsetenv("XDG_CONFIG_DIRS");
}

void tst_CAppSettings::storeIsIsolated()
{
    QVERIFY2(rawStore().fileName().contains(QLatin1String(".qttest")), qPrintable(rawStore().fileName()));
    QVERIFY(rawStore().fileName().endsWith(QLatin1String("COMPANY/KTAX QELM.conf")));
    QCOMPARE(CAppSettings::fileName(), rawStore().fileName());
}

void tst_CAppSettings::keysAsStored()
{
    // The spelling of each key is part of the operators' existing stores.
    const QStringList constants = {CAppSettings::LANGUAGE, CAppSettings::CODEC_TYPE, CAppSettings::PLAYBACK_MODE,
        CAppSettings::SEQ_INTERVAL, CAppSettings::RECONNECT, CAppSettings::OPENGL, CAppSettings::OSD_CH_NAME,
        CAppSettings::OSD_RECORD, CAppSettings::OSD_EVENT, CAppSettings::ALARM_SOUND, CAppSettings::FILE_FORMAT,
        CAppSettings::CAPTURE_FILE_FORMAT, CAppSettings::EMAP_POPUP, CAppSettings::EMAP_POPDOWN,
        CAppSettings::EMAP_IMAGESIZE};
    const QStringList stored
        = {"Language", "CodecType", "PlaybackMode", "SeqenceInterval", "Reconnect", "Opengl", "OsdChName", "OsdRecord",
            "OsdEvent", "AlarmSound", "FileFormat", "CaptureFileFormat", "EmapPopup", "EmapPopdown", "EmapImageSize"};
    QCOMPARE(CAppSettings::PATH_LIST, QStringList({"Capture", "Record", "Backup"}));
    CAppSettings settings;
    for (const QString& key : constants + CAppSettings::PATH_LIST)
        settings.writeSetting(key, 7);
    settings.remove(CAppSettings::EMAP_IMAGESIZE);
    QVERIFY(!settings.contains(CAppSettings::EMAP_IMAGESIZE));
    settings.writeSetting(CAppSettings::EMAP_IMAGESIZE, 7);
    QCOMPARE(settings.save(), CWholeFileWriter::Result::Written);
    QCOMPARE(rawStore().allKeys().size(), stored.size() + 3);
    for (const QString& key : stored + CAppSettings::PATH_LIST)
        QVERIFY2(rawStore().value(key).toInt() == 7, qPrintable(key));
}

void tst_CAppSettings::autoPreset_data()
{
    QTest::addColumn<int>("channel");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");
    QTest::addColumn<int>("interval");
    QTest::newRow("channel 3") << 3 << 1 << 4 << 10;
    QTest::newRow("channel 0") << 0 << 0 << 15 << 2;
    QTest::newRow("negative numbers as given") << -1 << 2 << 3 << 4;
}

void tst_CAppSettings::autoPreset()
{
    QFETCH(int, channel);
    QFETCH(int, start);
    QFETCH(int, end);
    QFETCH(int, interval);
    CAppSettings().writeSettings(CAppSettings::autoPreset(channel, start, end, interval));

    const QString group = QStringLiteral("channel%1/").arg(channel);
    QSettings raw = rawStore();
    QCOMPARE(raw.value(group + "StartPreset").toInt(), start);
    QCOMPARE(raw.value(group + "EndPreset").toInt(), end);
    QCOMPARE(raw.value(group + "PresetInterval").toInt(), interval);

    CAppSettings settings;
    // The keys as the tour page reads them: start, end, interval.
    QList<int> read;
    for (const QString& key : CAppSettings::autoPresetKeys(channel))
        read << settings.readSetting(key, -9).toInt();
    QCOMPARE(read, QList<int>({start, end, interval}));
    // Another channel's tour has keys of its own.
    for (const QString& key : CAppSettings::autoPresetKeys(channel + 1))
        QVERIFY2(!settings.contains(key), qPrintable(key));
    // The group is closed again: plain keys land at the top level.
    settings.writeSetting(CAppSettings::RECONNECT, 1);
    QCOMPARE(settings.save(), CWholeFileWriter::Result::Written);
    QVERIFY(rawStore().contains("Reconnect"));
}

void tst_CAppSettings::language_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QString>("read");
    // main() runs the test in a Korean system locale.
    QTest::newRow("absent") << QVariant() << "Korean";
    QTest::newRow("empty") << QVariant(QString()) << "Korean";
    QTest::newRow("chosen") << QVariant(QStringLiteral("English")) << "English";
}

void tst_CAppSettings::language()
{
    QFETCH(QVariant, stored);
    QFETCH(QString, read);
    if (stored.isValid())
        CAppSettings().writeSetting(CAppSettings::LANGUAGE, stored.toString());
    QCOMPARE(rawStore().contains("Language"), stored.isValid());
    QCOMPARE(CAppSettings().readLanguage(), read);
}

void tst_CAppSettings::absentKeys()
{
    CAppSettings settings;
    QVERIFY(!settings.contains(CAppSettings::OPENGL));
    QCOMPARE(settings.readSetting(CAppSettings::OPENGL).toInt(), 0);
    QCOMPARE(settings.readSetting(CAppSettings::CODEC_TYPE, 3).toInt(), 3);
}

void tst_CAppSettings::valuesReadBackAsWritten_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QVariant>("read");
    // read: as the toolkit's reader gives it back, when not the value itself
    const auto row = [](const char* name, const QString& key, const QVariant& value, const QVariant& read = {}) {
        QTest::newRow(name) << key << value << (read.isValid() ? read : value);
    };
    row("number in a channel's group", "channel3/StartPreset", 4, "4");
    row("path with blanks and non-ASCII", "Record", "/home/op/Vidéos/녹화 기록");
    row("quotes, commas, ';', '=', '#'", "Note", R"(a, "b"; c=d #e)");
    row("blanks around", "Blank", "  x  ");
    row("blank before", "Blank", " x");
    row("blanks after", "Blank", "x  ");
    row("a blank alone", "Blank", " ");
    row("blanks around list items", "List", QStringList{" a", "b ", "c"});
    row("'@' at the start", "At", "@Invalid()");
    row("backslashes, control characters", "Control", QStringLiteral("C:\\a\tb\n\x01") + "Fe");
    row("key with blanks, comma, non-ASCII", "My group/key, 채널/leaf", 1, "1");
    row("group named General", "General/Speed", 2, "2");
    row("'%' in a key", "100%", 1, "1");
    row("'%' and hex digits in a key", "a%41b%U0042", 1, "1");
    row("'%' in a group", "%20 rate%/Speed", 1, "1");
    row("empty variant", "Nothing", QVariant());
    row("bytes", "Bytes", QByteArray("\0\xff@,\"1", 6));
    row("text list", "List", QStringList{"a b", "c,d", "@e", ""});
    row("other types", "Rect", QRect(1, 2, 3, 4));
}

// The toolkit stays the one reader of the file: what is saved reads back
// through it as the toolkit's own writer would have it.
void tst_CAppSettings::valuesReadBackAsWritten()
{
    QFETCH(QString, key);
    QFETCH(QVariant, value);
    QFETCH(QVariant, read);
    CAppSettings settings;
    settings.writeSetting(key, value);
    QCOMPARE(settings.save(), CWholeFileWriter::Result::Written);
    const QSettings reader(CAppSettings::fileName(), QSettings::IniFormat);
    QCOMPARE(reader.allKeys(), QStringList{key});
    QCOMPARE(reader.value(key), read);
    QCOMPARE(CAppSettings().readSetting(key), read);
}

void tst_CAppSettings::savesKeepEachOthersKeys()
{
    CAppSettings first;
    CAppSettings second;
    // Another program saves meanwhile, in the toolkit's own format.
    QDir().mkpath(QFileInfo(CAppSettings::fileName()).path());
    QFile other(CAppSettings::fileName());
    QVERIFY(
        other.open(QIODevice::WriteOnly) && other.write("[General]\nReconnect=1\n\n[Foreign]\nRect=@Rect(1 2 3 4)\n"));
    other.close();
    first.writeSetting(CAppSettings::OPENGL, 2);
    second.writeSetting("Speed", 3);
    second.remove(CAppSettings::RECONNECT);
    QCOMPARE(first.save(), CWholeFileWriter::Result::Written);
    QCOMPARE(second.save(), CWholeFileWriter::Result::Written);
    QCOMPARE(rawStore().allKeys(), QStringList({"Foreign/Rect", "Opengl", "Speed"}));
    QCOMPARE(rawStore().value("Foreign/Rect"), QVariant(QRect(1, 2, 3, 4)));
    // Saves of the same size quicker than the file's clock still read back,
    // and the copies that reading makes go with their reads.
    const QTemporaryDir temporaryFiles;
    const QByteArray previousTemporaryFiles = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(temporaryFiles.path()));
    for (int i = 0; i < 20; ++i) {
        CAppSettings().writeSetting(CAppSettings::OPENGL, i % 10);
        QCOMPARE(CAppSettings().readSetting(CAppSettings::OPENGL).toInt(), i % 10);
    }
    qputenv("TMPDIR", previousTemporaryFiles);
    QCOMPARE(
        QDir(temporaryFiles.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
    QCOMPARE(QFileInfo(CAppSettings::fileName()).dir().entryList(QDir::Files | QDir::Hidden),
        QStringList({QFileInfo(CAppSettings::fileName()).fileName()}));
}

void tst_CAppSettings::programsKeepEachOthersSaves_data()
{
    QTest::addColumn<QVariantMap>("stored");
    QTest::addColumn<QStringList>("first");
    QTest::addColumn<QStringList>("second");
    QTest::addColumn<bool>("inTurn"); // else both go at once
    QTest::addColumn<QVariantMap>("kept");
    const int count = 40;
    const auto keys = [](const QString& how, const QString& prefix) {
        return QStringList{SAVE_KEYS, how, prefix, QString::number(count)};
    };
    QVariantMap both;
    for (int i = 0; i < count; ++i) {
        both.insert(QStringLiteral("A%1").arg(i), i);
        both.insert(QStringLiteral("B%1").arg(i), i);
    }
    QTest::newRow("two viewers") << QVariantMap() << keys("viewer", "A") << keys("viewer", "B") << false << both;
    QTest::newRow("a viewer and a program saving through the toolkit")
        << QVariantMap() << keys("viewer", "A") << keys("toolkit", "B") << false << both;
    // Both opened before either OK.
    QTest::newRow("two viewers' PC setup") << QVariantMap() << QStringList{PC_SETUP_OK, "selFileFormat1"}
                                           << QStringList{PC_SETUP_OK, "selCaptureFileFormat1"} << false
                                           << QVariantMap{{"FileFormat", 1}, {"CaptureFileFormat", 1}};
    // Both panels showed the stored tour and speed before either changed.
    QTest::newRow("a viewer's tour and PTZ speed, then another's panel left untouched")
        << QVariantMap{{"channel3/StartPreset", 1}, {"channel3/EndPreset", 4}, {"channel3/PresetInterval", 10},
               {"Speed", 1}}
        << QStringList{LIVE_PANEL, "change"} << QStringList{LIVE_PANEL, "keep"} << true
        << QVariantMap{
               {"channel3/StartPreset", 3}, {"channel3/EndPreset", 7}, {"channel3/PresetInterval", 20}, {"Speed", 3}};
    // The start-up write fills in the keys the file lacks and keeps what
    // it holds.
    const QString shots = QFileInfo(CAppSettings::fileName()).absolutePath() + QStringLiteral("/shots");
    QTest::newRow("a save made while a viewer's start waits for the lock")
        << QVariantMap{{"Capture", shots}, {"OsdChName", 1}, {"Opengl", 2}}
        << QStringList{SAVE_WHILE_HOLDING, "OsdChName", "0"} << QStringList{VIEWER_START} << false
        << QVariantMap{{"OsdChName", 0}, {"CodecType", 3}, {"Capture", shots}};
    // A mode the probe never stores.
    QTest::newRow("a drawing mode stored while a viewer's first start waits for the lock")
        << QVariantMap() << QStringList{SAVE_WHILE_HOLDING, "Opengl", "1"} << QStringList{VIEWER_START} << false
        << QVariantMap{{"Opengl", 1}, {"CodecType", 3}};
}

// Two programs on one settings file, saving from the same moment or one
// after the other: each keeps what the other saved.
void tst_CAppSettings::programsKeepEachOthersSaves()
{
    QFETCH(QVariantMap, stored);
    QFETCH(QStringList, first);
    QFETCH(QStringList, second);
    QFETCH(bool, inTurn);
    QFETCH(QVariantMap, kept);
    CAppSettings settingsBefore;
    for (auto it = stored.cbegin(); it != stored.cend(); ++it) {
        if (CAppSettings::PATH_LIST.contains(it.key()))
            QVERIFY(QDir(it->toString()).removeRecursively());
    }
    settingsBefore.writeSettings(stored);
    QCOMPARE(settingsBefore.save(), CWholeFileWriter::Result::Written);
    QProcess one;
    QProcess other;
    QVERIFY(startReady(one, first) && startReady(other, second));
    const auto ended
        = [](QProcess& process) { return process.state() == QProcess::NotRunning || process.waitForFinished(60000); };
    one.write("go\n");
    QVERIFY(one.waitForBytesWritten());
    if (inTurn)
        QVERIFY(ended(one));
    other.write("go\n");
    QVERIFY(other.waitForBytesWritten());
    QVERIFY(ended(one) && ended(other));
    QCOMPARE(one.exitCode(), 0);
    QCOMPARE(other.exitCode(), 0);

    const CAppSettings settings;
    QStringList lost;
    for (auto it = kept.cbegin(); it != kept.cend(); ++it) {
        if (settings.readSetting(it.key()).toString() != it->toString())
            lost << it.key();
    }
    QVERIFY2(lost.isEmpty(), qPrintable(lost.join(u' ')));
}

void tst_CAppSettings::lockOfAnotherProgram_data()
{
    QTest::addColumn<QString>("lock");
    QTest::addColumn<bool>("old"); // older than the toolkit's stale time
    // The saves this program makes sharing one wait, or none and a viewer's
    // first start or its end.
    QTest::addColumn<int>("saves");
    QTest::addColumn<QString>("viewer");
    // A live program lets its lock go once that many saves failed (0: it
    // keeps it throughout): a save after a spent share takes it then.
    QTest::addColumn<int>("releaseAfter");
    QTest::addColumn<bool>("taken"); // by the last save
    const QString none;
    QTest::newRow("held by a live program") << "live" << true << 1 << none << 0 << false;
    QTest::newRow("held by a live program, two saves sharing one wait") << "live" << true << 2 << none << 0 << false;
    QTest::newRow("let go by a live program between two saves sharing one wait")
        << "live" << true << 2 << none << 1 << true;
    // The probe's and the PC options' saves share one wait.
    QTest::newRow("held by a live program, a viewer's first start")
        << "live" << false << 0 << QString(VIEWER_START) << 2 << false;
    // The speed and the tour start chosen, each failing at once and kept;
    // the end's save of both waits once, fails, and is told.
    QTest::newRow("held by a live program, a viewer's end after two choices")
        << "live" << false << 0 << QString(VIEWER_END) << 3 << false;
    QTest::newRow("naming another computer") << "another computer" << false << 1 << none << 0 << false;
    QTest::newRow("naming another computer, older than the stale time")
        << "another computer" << true << 1 << none << 0 << true;
    QTest::newRow("garbage") << "garbage" << false << 1 << none << 0 << false;
    QTest::newRow("garbage, older than the stale time") << "garbage" << true << 1 << none << 0 << true;
    QTest::newRow("empty, older than the stale time") << "empty" << true << 1 << none << 0 << true;
    QTest::newRow("left by a program that ended") << "ended" << false << 1 << none << 0 << true;
}

// A save waits a few seconds at most for the lock, and saves made together
// (the window's start, its end) wait that long once: once the wait is
// spent, each tries once. The lock of a program of this computer that has
// ended is taken over, and one whose owner cannot be checked once it is
// older than the stale time; a live program's, however old, stays as it
// is.
void tst_CAppSettings::lockOfAnotherProgram()
{
    QFETCH(QString, lock);
    QFETCH(bool, old);
    QFETCH(int, saves);
    QFETCH(QString, viewer);
    QFETCH(int, releaseAfter);
    QFETCH(bool, taken);
    CAppSettings stored;
    stored.writeSetting(CAppSettings::RECONNECT, 1);
    QCOMPARE(stored.save(), CWholeFileWriter::Result::Written);
    const QString path = CAppSettings::fileName();
    const QString lockPath = path + QStringLiteral(".lock");
    QProcess viewerProgram;
    // Started with the settings free.
    if (!viewer.isEmpty())
        QVERIFY(startReady(viewerProgram, {viewer}, true));
    QProcess holder;
    QVERIFY(startReady(holder, {HOLD_LOCK}));
    const auto go = [](QProcess& process) { return process.write("go\n") == 3 && process.waitForBytesWritten(); };
    // The lock is gone once the holder has.
    const auto release = [&] { return go(holder) && holder.waitForFinished(); };
    if (lock != QLatin1String("live")) {
        const QByteArray pid = QByteArray::number(holder.processId());
        holder.kill();
        QVERIFY(holder.waitForFinished());
        if (lock == QLatin1String("another computer"))
            writeFile(lockPath, pid + "\ntst_CAppSettings\nanother-computer\n");
        else if (lock == QLatin1String("garbage"))
            writeFile(lockPath, "\x01\xfe not a lock\n");
        else if (lock == QLatin1String("empty"))
            writeFile(lockPath, QByteArray());
    }
    if (old) {
        QFile lockFile(lockPath);
        QVERIFY(lockFile.open(QIODevice::ReadWrite)
            && lockFile.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
    }
    const QByteArray lockBefore = fileBytes(lockPath);
    const QByteArray before = fileBytes(path);

    QString reason;
    QList<CWholeFileWriter::Result> results;
    if (!viewer.isEmpty()) {
        QVERIFY(go(viewerProgram));
        int waitLeftMs = -1;
        QVERIFY(failedSaves(viewerProgram, releaseAfter, &waitLeftMs));
        // The last failed save found the share spent: it did not wait on its
        // own.
        QCOMPARE(waitLeftMs, 0);
        QVERIFY(release());
        QVERIFY(viewerProgram.waitForFinished(60000));
        QCOMPARE(viewerProgram.exitCode(), 0);
        const QString told = QString::fromUtf8(viewerProgram.readAllStandardOutput());
        if (viewer == QLatin1String(VIEWER_END))
            QCOMPARE(told,
                "told: These choices could not be saved to " + path
                    + " (it is in use by another program, which holds "
                      "the lock file "
                    + lockPath + ") and are lost: | the PTZ speed | the preset tour of channel 4\n");
        else
            QCOMPARE(told, QString());
    } else {
        const CLockWaitShare oneWait;
        for (int i = 0; i < saves; ++i) {
            CAppSettings settings;
            settings.writeSetting("Speed", 2);
            if (!taken || i + 1 < saves)
                QTest::ignoreMessage(
                    QtWarningMsg, QRegularExpression(QStringLiteral("^error: settings not saved to ")));
            results << settings.save(&reason);
            if (results.last() == CWholeFileWriter::Result::Failed)
                QCOMPARE(CLockWaitShare::allowance(CAppSettings::LOCK_WAIT_MS), 0);
            if (i + 1 == releaseAfter)
                QVERIFY(release());
        }
    }
    const bool lockKept = QFile::exists(lockPath) && fileBytes(lockPath) == lockBefore;
    if (holder.state() == QProcess::Running)
        QVERIFY(release());
    if (taken) {
        QList<CWholeFileWriter::Result> expected(saves - 1, CWholeFileWriter::Result::Failed);
        expected << CWholeFileWriter::Result::Written;
        QCOMPARE(results, expected);
        QCOMPARE(CAppSettings().readSetting("Speed").toInt(), 2);
        QVERIFY(!lockKept);
    } else {
        if (saves > 0) {
            QCOMPARE(results, QList<CWholeFileWriter::Result>(saves, CWholeFileWriter::Result::Failed));
            QCOMPARE(reason, "it is in use by another program, which holds the lock file " + lockPath);
        }
        QCOMPARE(fileBytes(path), before);
        // A live program that lets its lock go itself took it away.
        QVERIFY(lockKept || releaseAfter > 0);
    }
}

void tst_CAppSettings::laterChoiceStands_data()
{
    // The speed (stored: Normal) or channel 4's tour interval (stored: 10);
    // the first viewer chooses while another program holds the file, the
    // second after it, and their choices are written in this order.
    QTest::addColumn<QString>("what");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<bool>("secondHeld"); // the second chose while held too
    QTest::addColumn<QString>("firstWrites"); // "retry", "end", or "retry first" (before the second's)
    for (const auto& [what, first, second] :
        {std::tuple<const char*, const char*, const char*>{"speed", "Slow", "Very Fast"}, {"interval", "20", "30"}}) {
        QTest::addRow("%s: the second written at once, the first's retry after", what)
            << what << first << second << false << "retry";
        QTest::addRow("%s: the second written at once, the first at its end", what)
            << what << first << second << false << "end";
        QTest::addRow("%s: both kept while held, the second's retry first", what)
            << what << first << second << true << "retry";
        QTest::addRow("%s: both kept while held, the first's retry first", what)
            << what << first << second << true << "retry first";
    }
}

// Two viewers on one settings file: whichever writes last, the value stored
// is the one chosen last; a viewer whose pending choice is overtaken so
// logs it, tells no loss, and shows the later one.
void tst_CAppSettings::laterChoiceStands()
{
    QFETCH(QString, what);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(bool, secondHeld);
    QFETCH(QString, firstWrites);
    const QString key
        = what == QLatin1String("speed") ? QStringLiteral("Speed") : CAppSettings::autoPresetKeys(3).at(2);
    CAppSettings stored;
    stored.writeSettings({{"Speed", 1}, {CAppSettings::autoPresetKeys(3).at(2), 10}});
    QCOMPARE(stored.save(), CWholeFileWriter::Result::Written);
    const bool firstEnds = firstWrites == QLatin1String("end");
    QProcess one;
    QProcess other;
    QProcess holder;
    QVERIFY(startReady(one, {CHOOSE, what, first, firstEnds ? "end" : "retry"}, true));
    QVERIFY(startReady(other, {CHOOSE, what, second, "retry"}, true));
    QVERIFY(startReady(holder, {HOLD_LOCK}));
    const auto go = [](QProcess& process) { return process.write("go\n") == 3 && process.waitForBytesWritten(); };
    // Each viewer runs only between its go and its next "ready": a pending
    // choice is tried again only when the row lets it.
    const auto chooses = [&](QProcess& viewer) { return go(viewer) && nextLine(viewer) == "ready"; };
    const auto writesAndEnds
        = [&](QProcess& viewer) { return go(viewer) && viewer.waitForFinished(60000) && viewer.exitCode() == 0; };
    QVERIFY(chooses(one));
    if (secondHeld)
        QVERIFY(chooses(other));
    QVERIFY(go(holder) && holder.waitForFinished());
    if (!secondHeld) {
        QVERIFY(chooses(other));
        QCOMPARE(CAppSettings().readSetting(key).toString(), what == QLatin1String("speed") ? "3" : second);
    }
    const bool firstOvertaken = firstWrites != QLatin1String("retry first");
    if (firstOvertaken) {
        QVERIFY(writesAndEnds(other));
        QVERIFY(writesAndEnds(one));
    } else {
        QVERIFY(writesAndEnds(one));
        QVERIFY(writesAndEnds(other));
    }

    QCOMPARE(CAppSettings().readSetting(key).toString(), what == QLatin1String("speed") ? "3" : second);
    QCOMPARE(QString::fromUtf8(other.readAllStandardOutput()), "shown: " + second + '\n');
    QCOMPARE(QString::fromUtf8(one.readAllStandardOutput()), "shown: " + (firstOvertaken ? second : first) + '\n');
    const QString note = "note: the choice of " + key + " made on this viewer is not saved to "
        + CAppSettings::fileName() + ": another viewer chose it later";
    QCOMPARE(QString::fromLocal8Bit(one.readAllStandardError()).contains(note), firstOvertaken);
    QVERIFY(!QString::fromLocal8Bit(other.readAllStandardError()).contains(QLatin1String("note: ")));
}

void tst_CAppSettings::choiceAgainstStoredMoment_data()
{
    // The speed is stored as 1, with a moment so many seconds from now (by
    // a computer whose clock is ahead, or by hand): half a minute ahead is
    // believed, an hour is not. This viewer chooses 3.
    QTest::addColumn<int>("storedAheadS");
    // Saved at once before the choice: "write" (2), "remove", or nothing.
    QTest::addColumn<QString>("before");
    // While another program holds the file the choice is pending, and
    // meanwhile the speed is saved at once ("write": 5) or another viewer's
    // later choice (5) is stored; otherwise the choice is written at once.
    QTest::addColumn<QString>("meanwhile");
    QTest::addColumn<int>("stored");
    QTest::newRow("a moment an hour ahead gives way to the choice") << 3600 << QString() << QString() << 3;
    QTest::newRow("a value saved at once renews the moment: a choice after it stands")
        << 30 << "write" << QString() << 3;
    QTest::newRow("a key removed at once loses its moment: a choice after it stands")
        << 30 << "remove" << QString() << 3;
    QTest::newRow("a value saved at once while the choice is pending stands") << -60 << QString() << "write" << 5;
    QTest::newRow("every pending choice overtaken: the file is left as it is")
        << -60 << QString() << "later choice" << 5;
}

// The file keeps a key's moment true whichever way the key was written, and
// a moment further ahead of this computer's clock than clocks kept in time
// differ is not believed. A pending choice is written unless the stored
// value was chosen after it, and a try that writes nothing leaves the file
// as it was.
void tst_CAppSettings::choiceAgainstStoredMoment()
{
    QFETCH(int, storedAheadS);
    QFETCH(QString, before);
    QFETCH(QString, meanwhile);
    QFETCH(int, stored);
    const QString path = CAppSettings::fileName();
    const auto storeBy = [&](int speed, qint64 chosenAtUs) {
        writeFile(path,
            "[General]\nSpeed=" + QByteArray::number(speed) + "\n\n[ChosenAt]\nSpeed=" + QByteArray::number(chosenAtUs)
                + '\n');
    };
    storeBy(1, CAppSettings::nowUs() + storedAheadS * qint64(1000000));
    if (!before.isEmpty()) {
        CAppSettings settings;
        if (before == QLatin1String("write"))
            settings.writeSetting("Speed", 2);
        else
            settings.remove("Speed");
        QCOMPARE(settings.save(), CWholeFileWriter::Result::Written);
    }
    QProcess holder;
    const auto release = [&] { return holder.write("go\n") == 3 && holder.waitForFinished(); };
    if (!meanwhile.isEmpty()) {
        QVERIFY(startReady(holder, {HOLD_LOCK}));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^error: settings not saved to ")));
    }
    CPendingSettings& pending = CPendingSettings::ofApplication();
    const QSignalSpy written(&pending, &CPendingSettings::written);
    const QSignalSpy overtaken(&pending, &CPendingSettings::overtaken);
    const qint64 choosingUs = CAppSettings::nowUs();
    pending.keep({{"Speed", 3}}, [] { return QStringLiteral("the PTZ speed"); });
    const qint64 choseUs = CAppSettings::nowUs();
    // Here the event loop has not run since: the choice is tried again only
    // once the row has stored what it stores meanwhile.
    if (meanwhile == QLatin1String("later choice"))
        storeBy(5, CAppSettings::nowUs());
    if (!meanwhile.isEmpty())
        QVERIFY(release());
    if (meanwhile == QLatin1String("write")) {
        CAppSettings settings;
        settings.writeSetting("Speed", 5);
        QCOMPARE(settings.save(), CWholeFileWriter::Result::Written);
    }
    const bool givenUp = stored != 3;
    if (givenUp)
        QTest::ignoreMessage(QtWarningMsg,
            qPrintable("note: the choice of Speed made on this viewer is not saved to " + path
                + ": another viewer chose it later"));
    const auto beforeTry = fileIdentity(path);
    QTRY_COMPARE_WITH_TIMEOUT(written.size(), 1, 30000);

    QVERIFY(pending.isEmpty());
    QCOMPARE(CAppSettings().readSetting("Speed").toInt(), stored);
    QCOMPARE(overtaken.size(), givenUp ? 1 : 0);
    if (givenUp) {
        QVERIFY(fileIdentity(path) == beforeTry);
    } else {
        // Stored with the choice's own moment.
        const qint64 storedMomentUs = CAppSettings().readSetting("ChosenAt/Speed").toLongLong();
        QVERIFY2(
            storedMomentUs >= choosingUs && storedMomentUs <= choseUs, qPrintable(QString::number(storedMomentUs)));
    }
}

// A file the program may write but not read is never replaced: what it
// holds is not known, so no merge could keep it.
void tst_CAppSettings::unreadableFileIsKept()
{
    CAppSettings stored;
    stored.writeSetting(CAppSettings::PATH_LIST.at(0), QStringLiteral("/shots"));
    stored.writeSetting(CAppSettings::LANGUAGE, QStringLiteral("French"));
    QCOMPARE(stored.save(), CWholeFileWriter::Result::Written);
    const QByteArray path = QFile::encodeName(CAppSettings::fileName());
    const QByteArray before = fileBytes(CAppSettings::fileName());
    QCOMPARE(chmod(path.constData(), 0200), 0);
    QString reason;
    CWholeFileWriter::Result result = CWholeFileWriter::Result::Written;
    {
        const PlainUser asPlainUser;
        CAppSettings settings;
        settings.writeSetting("Speed", 2);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^error: settings not saved to ")));
        result = settings.save(&reason);
    }
    QCOMPARE(chmod(path.constData(), 0600), 0);
    QCOMPARE(result, CWholeFileWriter::Result::Failed);
    QCOMPARE(reason, qt_error_string(EACCES));
    QCOMPARE(fileBytes(CAppSettings::fileName()), before);
}

// Where the file system keeps whole seconds, saves within one second leave
// the file with the same time, and often the same size.
void tst_CAppSettings::wholeSecondFileTimes()
{
    const QString path = CAppSettings::fileName();
    QDateTime second = QDateTime::currentDateTime();
    second.setTime(QTime(second.time().hour(), second.time().minute(), second.time().second()));
    const auto save = [&](const QString& key, int value) {
        CAppSettings settings;
        settings.writeSetting(key, value);
        QCOMPARE(settings.save(), CWholeFileWriter::Result::Written);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly) && file.setFileTime(second, QFileDevice::FileModificationTime));
    };
    for (const int speed : {10, 11, 12}) {
        save("Speed", speed);
        QCOMPARE(CAppSettings().readSetting("Speed").toInt(), speed);
    }
    save(CAppSettings::RECONNECT, 1);
    QCOMPARE(CAppSettings().readSetting("Speed").toInt(), 12);
    QVERIFY(fileBytes(path).contains("\nSpeed=12\n"));
}

void tst_CAppSettings::fallbackFiles_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("read");
    QTest::newRow("the user's own file first") << "Record" << QVariant("/mine");
    QTest::newRow("then the user's file of the organisation") << "PlaybackMode" << QVariant("1");
    QTest::newRow("the organisation's file before the system's file of the program") << "OsdEvent" << QVariant("1");
    QTest::newRow("then the system's file of the program") << "Language" << QVariant("French");
    QTest::newRow("the program's file before the organisation's") << "CodecType" << QVariant("1");
    QTest::newRow("then the system's file of the organisation") << "Backup" << QVariant("/org");
    QTest::newRow("in no file") << "Reconnect" << QVariant(-1);
}

// The files the toolkit's store reads below the user's own, in its order;
// a save writes none of their values into the user's file.
void tst_CAppSettings::fallbackFiles()
{
    QFETCH(QString, key);
    QFETCH(QVariant, read);
    const QTemporaryDir system;
    qputenv("XDG_CONFIG_DIRS", QFile::encodeName(system.path()));
    writeFile(CAppSettings::fileName(), "[General]\nRecord=/mine\n");
    writeFile(organisationFile(), "[General]\nPlaybackMode=1\nRecord=/user-org\nOsdEvent=1\n");
    writeFile(system.filePath("COMPANY/KTAX QELM.conf"),
        "[General]\nLanguage=French\nCodecType=1\nRecord=/sys\nOsdEvent=2\n");
    writeFile(system.filePath("COMPANY.conf"), "[General]\nCodecType=2\nBackup=/org\nLanguage=Korean\n");

    const QSettings toolkit = rawStore();
    QCOMPARE(toolkit.value(key, -1), read);
    CAppSettings settings;
    QCOMPARE(settings.readSetting(key, -1), read);
    QCOMPARE(settings.contains(key), read != QVariant(-1));
    settings.writeSetting("Speed", 2);
    QCOMPARE(settings.save(), CWholeFileWriter::Result::Written);
    QCOMPARE(QSettings(CAppSettings::fileName(), QSettings::IniFormat).allKeys(), QStringList({"Record", "Speed"}));
    QCOMPARE(CAppSettings().readSetting(key, -1), read);
}

int main(int argc, char* argv[])
{
    if (argc > 1 && qstrncmp(argv[1], "--", 2) == 0) {
        QStandardPaths::setTestModeEnabled(true);
        const QApplication app(argc, argv);
        const QStringList arguments = QCoreApplication::arguments();
        if (arguments.at(1) == QLatin1String(SAVE_KEYS) && argc == 5)
            return saveKeys(arguments.at(2), arguments.at(3), arguments.at(4).toInt());
        if (arguments.at(1) == QLatin1String(PC_SETUP_OK) && argc == 3)
            return pcSetupOk(arguments.at(2));
        if (arguments.at(1) == QLatin1String(VIEWER_START) || arguments.at(1) == QLatin1String(VIEWER_END))
            g_messages = qInstallMessageHandler(tellWaitLeft);
        if (arguments.at(1) == QLatin1String(VIEWER_START))
            return viewerStart();
        if (arguments.at(1) == QLatin1String(VIEWER_END))
            return viewerEnd();
        if (arguments.at(1) == QLatin1String(LIVE_PANEL) && argc == 3)
            return livePanel(arguments.at(2) == QLatin1String("change"));
        if (arguments.at(1) == QLatin1String(SAVE_WHILE_HOLDING) && argc == 4)
            return saveWhileHolding(arguments.at(2), arguments.at(3).toInt());
        if (arguments.at(1) == QLatin1String(CHOOSE) && argc == 5)
            return choose(arguments.at(2), arguments.at(3), arguments.at(4));
        return holdLock();
    }
    // The system locale is read from the environment when first needed, and
    // the store's location is fixed by the first settings object: both must
    // be set before anything else runs.
    qputenv("LC_ALL", "ko_KR.UTF-8");
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication app(argc, argv);
    tst_CAppSettings test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_CAppSettings.moc"
