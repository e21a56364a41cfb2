#include "Settings/CAppSettings.h"
#include "Settings/CEventSound.h"
#include "SinkMonitor.h"

#include <QTest>

class tst_CEventSound : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(SinkMonitor::serverAvailable(), "the test sound server is not running");
        QVERIFY(m_monitor.start());
    }

    void init() { CAppSettings().remove(CAppSettings::ALARM_SOUND); }

    // Steps: 'u' UpdateSetting, 'e' event, 'n' no event, 'r' reset, 'o' the
    // setting switched off and read.
    void followsEventsWhileEnabled_data()
    {
        QTest::addColumn<QVariant>("setting");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("playing");
        QTest::newRow("absent setting stays silent") << QVariant() << "ue"
                                                     << "00";
        QTest::newRow("off stays silent") << QVariant(0) << "ue"
                                          << "00";
        QTest::newRow("on: event starts, end stops") << QVariant(1) << "uenen"
                                                     << "01010";
        QTest::newRow("two events start it once") << QVariant(1) << "uee"
                                                  << "011";
        QTest::newRow("nothing before the setting is read") << QVariant(1) << "eue"
                                                            << "001";
        QTest::newRow("reset silences until read again") << QVariant(1) << "uereue"
                                                         << "010001";
    }

    void followsEventsWhileEnabled()
    {
        QFETCH(QVariant, setting);
        QFETCH(QString, steps);
        QFETCH(QString, playing);
        if (setting.isValid())
            CAppSettings().writeSetting(CAppSettings::ALARM_SOUND, setting);
        CEventSound sound;
        QString seen;
        for (QChar step : steps) {
            switch (step.toLatin1()) {
            case 'u':
                sound.UpdateSetting();
                break;
            case 'e':
                sound.setEvent(true);
                break;
            case 'n':
                sound.setEvent(false);
                break;
            case 'r':
                sound.reset();
                break;
            }
            seen += sound.isPlaying() ? '1' : '0';
        }
        QCOMPARE(seen, playing);
    }

    void alarmRepeatsUntilTheEventEnds()
    {
        CAppSettings().writeSetting(CAppSettings::ALARM_SOUND, 1);
        CEventSound sound;
        sound.UpdateSetting();
        m_monitor.take();
        sound.setEvent(true);
        // The sound is loud for less than half a second: a second of it
        // heard, it repeats.
        QVERIFY(m_monitor.hears(2000, 1000));
        sound.setEvent(false);
        // It ends and does not come back.
        QVERIFY(m_monitor.hearsItEnd(100, 300));
        QVERIFY(m_monitor.staysQuiet(100, 300));
    }

private:
    SinkMonitor m_monitor;
};

QTEST_MAIN(tst_CEventSound)
#include "tst_CEventSound.moc"
