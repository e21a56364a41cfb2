#include "Settings/CHDDWidget.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QTest>

// One disk's figures as the box shows them, kept through a language change.
class tst_CHDDWidget : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QStringLiteral("en_US"))); }

    void showsOneDisk_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<qint64>("total");
        QTest::addColumn<qint64>("used");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<int>("bar");
        const qint64 tera = qint64(1) << 40;
        QTest::newRow("first disk") << 0 << qint64(1000) << qint64(333) << "HDD 1"
                                    << QStringList{"1,000 MB", "333 MB", "667 MB"} << 33;
        QTest::newRow("PC drive: no title")
            << -1 << qint64(1000) << qint64(500) << QString() << QStringList{"1,000 MB", "500 MB", "500 MB"} << 50;
        QTest::newRow("no total") << 2 << qint64(0) << qint64(0) << "HDD 3" << QStringList{"0 MB", "0 MB", "0 MB"} << 0;
        QTest::newRow("2^40 MB whole") << 0 << tera
                                       << tera
                / 4 << "HDD 1" << QStringList{"1,099,511,627,776 MB", "274,877,906,944 MB", "824,633,720,832 MB"}
                                       << 25;
        QTest::newRow("used beyond total")
            << 0 << qint64(100) << qint64(150) << "HDD 1" << QStringList{"100 MB", "150 MB", "-50 MB"} << 100;
    }

    void showsOneDisk()
    {
        QFETCH(int, index);
        QFETCH(qint64, total);
        QFETCH(qint64, used);
        QFETCH(QString, title);
        QFETCH(QStringList, values);
        QFETCH(int, bar);
        CHDDWidget box;
        box.setInfo(index, {total, used, total - used});
        for (bool afterLanguageChange : {false, true}) {
            if (afterLanguageChange) {
                QEvent change(QEvent::LanguageChange);
                QCoreApplication::sendEvent(&box, &change);
            }
            QCOMPARE(box.findChild<QGroupBox*>("HddGroup")->title(), title);
            QCOMPARE(box.findChild<QLabel*>("totalspace")->text(), values.at(0));
            QCOMPARE(box.findChild<QLabel*>("usedspace")->text(), values.at(1));
            QCOMPARE(box.findChild<QLabel*>("freespace")->text(), values.at(2));
            QCOMPARE(box.findChild<QProgressBar*>("HddProgress")->value(), bar);
        }
    }
};

QTEST_MAIN(tst_CHDDWidget)
#include "tst_CHDDWidget.moc"
