#include "Settings/CAppSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRect>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

namespace {

QSettings rawStore()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, "COMPANY", "KTAX QELM");
}

} // namespace

// The disk's own pace would part saves that follow each other within a
// millisecond of the file's clock; these tests need no data on the disk.
extern "C" int fsync(int)
{
    return 0;
}

class tst_CAppSettings : public QObject {
    Q_OBJECT

private slots:
    void init();
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
};

void tst_CAppSettings::init()
{
    rawStore().clear();
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
    QVERIFY(settings.save());
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
    CAppSettings().writeAutoPreset(channel, start, end, interval);

    const QString group = QStringLiteral("channel%1/").arg(channel);
    QSettings raw = rawStore();
    QCOMPARE(raw.value(group + "StartPreset").toInt(), start);
    QCOMPARE(raw.value(group + "EndPreset").toInt(), end);
    QCOMPARE(raw.value(group + "PresetInterval").toInt(), interval);

    int readStart = -9, readEnd = -9, readInterval = -9;
    CAppSettings settings;
    settings.readAutoPreset(channel, readStart, readEnd, readInterval);
    QCOMPARE(QList<int>({readStart, readEnd, readInterval}), QList<int>({start, end, interval}));
    settings.readAutoPreset(channel + 1, readStart, readEnd, readInterval);
    QCOMPARE(QList<int>({readStart, readEnd, readInterval}), QList<int>({0, 0, 0}));
    // The group is closed again: plain keys land at the top level.
    settings.writeSetting(CAppSettings::RECONNECT, 1);
    QVERIFY(settings.save());
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
        CAppSettings().writeLanguage(stored.toString());
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
    row("'@' at the start", "At", "@Invalid()");
    row("backslashes, control characters", "Control", QStringLiteral("C:\\a\tb\n\x01") + "Fe");
    row("key with blanks, comma, non-ASCII", "My group/key, 채널/leaf", 1, "1");
    row("group named General", "General/Speed", 2, "2");
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
    QVERIFY(settings.save());
    const QSettings reader(CAppSettings::fileName(), QSettings::IniFormat);
    QCOMPARE(reader.allKeys(), QStringList{key});
    QCOMPARE(reader.value(key), read);
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
    QVERIFY(first.save() && second.save());
    QCOMPARE(rawStore().allKeys(), QStringList({"Foreign/Rect", "Opengl", "Speed"}));
    QCOMPARE(rawStore().value("Foreign/Rect"), QVariant(QRect(1, 2, 3, 4)));
    // Saves of the same size quicker than the file's clock still read back.
    for (int i = 0; i < 20; ++i) {
        CAppSettings().writeSetting(CAppSettings::OPENGL, i % 10);
        QCOMPARE(CAppSettings().readSetting(CAppSettings::OPENGL).toInt(), i % 10);
    }
}

int main(int argc, char* argv[])
{
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
