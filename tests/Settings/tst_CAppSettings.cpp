#include "Settings/CAppSettings.h"

#include <QCoreApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

namespace {

QSettings rawStore()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, "COMPANY", "KTAX QELM");
}

} // namespace

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
};

void tst_CAppSettings::init()
{
    rawStore().clear();
}

void tst_CAppSettings::storeIsIsolated()
{
    QVERIFY2(rawStore().fileName().contains(QLatin1String(".qttest")), qPrintable(rawStore().fileName()));
    QVERIFY(rawStore().fileName().endsWith(QLatin1String("COMPANY/KTAX QELM.conf")));
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
