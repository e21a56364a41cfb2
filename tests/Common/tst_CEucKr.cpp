#include "Common/CEucKr.h"

#include <QTest>

class tst_CEucKr : public QObject {
    Q_OBJECT

private slots:
    void bothWays_data();
    void bothWays();
    void fields_data();
    void fields();
};

void tst_CEucKr::bothWays_data()
{
    QTest::addColumn<QByteArray>("narrow");
    QTest::addColumn<QString>("text");
    QTest::newRow("hangul") << QByteArray::fromHex("c7d1b1db") << QString::fromUtf8("\xed\x95\x9c\xea\xb8\x80");
    QTest::newRow("mixed") << QByteArray::fromHex("43414d31c4abb8deb6f3")
                           << QString::fromUtf8("CAM1\xec\xb9\xb4\xeb\xa9\x94\xeb\x9d\xbc");
}

void tst_CEucKr::bothWays()
{
    QFETCH(QByteArray, narrow);
    QFETCH(QString, text);
    QCOMPARE(CEucKr::toUnicode(narrow), text);
    QCOMPARE(CEucKr::fromUnicode(text), narrow);
}

void tst_CEucKr::fields_data()
{
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<int>("capacity");
    QTest::addColumn<QString>("text");
    QTest::newRow("ends at zero") << QByteArray("AB\0CD", 5) << 5 << QStringLiteral("AB");
    QTest::newRow("full field") << QByteArray("ABCD") << 2 << QStringLiteral("AB");
    QTest::newRow("zero first") << QByteArray("\0AB", 3) << 3 << QString();
    QTest::newRow("no capacity") << QByteArray("AB") << 0 << QString();
    QTest::newRow("hangul field") << QByteArray::fromHex("c7d1b1db0000") << 6
                                  << QString::fromUtf8("\xed\x95\x9c\xea\xb8\x80");
}

void tst_CEucKr::fields()
{
    QFETCH(QByteArray, field);
    QFETCH(int, capacity);
    QFETCH(QString, text);
    QCOMPARE(CEucKr::fieldToUnicode(field.constData(), capacity), text);
}

QTEST_APPLESS_MAIN(tst_CEucKr)
#include "tst_CEucKr.moc"
