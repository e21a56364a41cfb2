#include "Common/CDateTime.h"

#include <QtTest>
#include <ctime>

class tst_CDateTime : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void fromSeconds_data();
    void fromSeconds();
};

void tst_CDateTime::cleanup()
{
    qunsetenv("TZ");
    tzset();
}

void tst_CDateTime::fromSeconds_data()
{
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("file");

    QTest::newRow("epoch") << 0 << "1970-01-01  00:00:00"
                           << "19700101_000000";
    QTest::newRow("last second of a day") << 86399 << "1970-01-01  23:59:59"
                                          << "19700101_235959";
    QTest::newRow("a whole day") << 86400 << "1970-01-02  00:00:00"
                                 << "19700102_000000";
    QTest::newRow("1e9") << 1000000000 << "2001-09-09  01:46:40"
                         << "20010909_014640";
    QTest::newRow("in summer time") << 1404217800 << "2014-07-01  12:30:00"
                                    << "20140701_123000";
    // Unsigned 32-bit, as DVRs send it.
    QTest::newRow("beyond 2038") << -1 << "2106-02-07  06:28:15"
                                 << "21060207_062815";
}

void tst_CDateTime::fromSeconds()
{
    QFETCH(int, seconds);
    QFETCH(QString, display);
    QFETCH(QString, file);

    // Zones far apart, with and without summer time, in POSIX form so that no
    // zone database is needed: the DVR's clock reading never moves.
    for (const char* zone : {"UTC0", "KST-9", "EST5EDT,M3.2.0,M11.1.0", "NZST-12NZDT,M9.5.0,M4.1.0/3"}) {
        qputenv("TZ", zone);
        tzset();
        const QDateTime converted = CDateTime::convert_Timet_QDateTime(seconds);
        QCOMPARE(converted.toString(CDateTime::DISPLAY_TIME_FORMAT), display);
        QCOMPARE(converted.toString(CDateTime::FILE_TIME_FORMAT), file);
        QCOMPARE(converted.toSecsSinceEpoch(), qint64(quint32(seconds)));

        const CDateTime dateTime(seconds);
        const QDate date = converted.date();
        QCOMPARE(dateTime.getDate(), CDate(date.year(), date.month(), date.day()));
        QCOMPARE(QTime(dateTime.getHour(), dateTime.getMinute(), dateTime.getSecond()), converted.time());
    }
}

QTEST_APPLESS_MAIN(tst_CDateTime)
#include "tst_CDateTime.moc"
