#include "Common/CDvrUrl.h"

#include <QTest>

class tst_CDvrUrl : public QObject {
    Q_OBJECT

private slots:
    void urls_data();
    void urls();
};

void tst_CDvrUrl::urls_data()
{
    QTest::addColumn<QByteArray>("address");
    QTest::addColumn<int>("port");
    QTest::addColumn<QByteArray>("query");
    QTest::addColumn<bool>("valid");
    QTest::newRow("address and port") << QByteArray("192.168.0.10") << 8080 << QByteArray() << true;
    QTest::newRow("host name, any case") << QByteArray("My-DVR.example") << 80 << QByteArray() << true;
    QTest::newRow("query kept as built") << QByteArray("10.0.0.1") << 80 << QByteArray("MODE=16&USER=CgNhYmM%3d&DATA=")
                                         << true;
    QTest::newRow("lower-case escapes kept") << QByteArray("10.0.0.1") << 80 << QByteArray("a=%2b%2F") << true;
    QTest::newRow("empty address") << QByteArray() << 80 << QByteArray() << false;
    QTest::newRow("blank in address") << QByteArray("my dvr") << 80 << QByteArray() << false;
    QTest::newRow("path in address") << QByteArray("10.0.0.1/x?") << 80 << QByteArray() << false;
    QTest::newRow("user in address") << QByteArray("evil@10.0.0.1") << 80 << QByteArray() << false;
    QTest::newRow("fragment in address") << QByteArray("10.0.0.1#") << 80 << QByteArray() << false;
    QTest::newRow("negative port") << QByteArray("10.0.0.1") << -1 << QByteArray() << false;
    QTest::newRow("port too large") << QByteArray("10.0.0.1") << 65536 << QByteArray() << false;
    QTest::newRow("raw blank in query") << QByteArray("10.0.0.1") << 80 << QByteArray("a=b c") << false;
    QTest::newRow("broken escape in query") << QByteArray("10.0.0.1") << 80 << QByteArray("a=%zz") << false;
}

void tst_CDvrUrl::urls()
{
    QFETCH(QByteArray, address);
    QFETCH(int, port);
    QFETCH(QByteArray, query);
    QFETCH(bool, valid);
    const QByteArray text = CDvrUrl::text(address, port, true) + query;
    QCOMPARE(CDvrUrl::text(address, port, false) + '?', CDvrUrl::text(address, port, true));
    const QUrl url = CDvrUrl::toUrl(text, address, port);
    QCOMPARE(url.isValid(), valid);
    // The URL type lower-cases the host and upper-cases escapes; nothing else changes.
    if (valid)
        QCOMPARE(url.toEncoded().toLower(), text.toLower());
}

QTEST_APPLESS_MAIN(tst_CDvrUrl)
#include "tst_CDvrUrl.moc"
