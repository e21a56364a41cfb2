#include "dvr_types/urlencode.h"

#include <QRandomGenerator>
#include <QTest>
#include <string>

using namespace std::string_literals;

namespace {

const std::string COPIED = "-./0123456789:@ABCDEFGHIJKLMNOPQRSTUVWXYZ\\_abcdefghijklmnopqrstuvwxyz";

QByteArray bytes(const std::string& text)
{
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

class tst_urlencode : public QObject {
    Q_OBJECT

private slots:
    void everyByte_data();
    void everyByte();
    void encode_data();
    void encode();
    void decode_data();
    void decode();
    void roundTrip();
};

void tst_urlencode::everyByte_data()
{
    QTest::addColumn<int>("byte");
    QTest::addColumn<QByteArray>("expected");
    QCOMPARE(COPIED.size(), std::size_t(69));
    for (int byte = 0; byte < 256; ++byte) {
        const bool copied = COPIED.find(static_cast<char>(byte)) != std::string::npos;
        const QByteArray expected = copied ? QByteArray(1, static_cast<char>(byte))
                                           : "%" + QByteArray::number(byte, 16).rightJustified(2, '0');
        QTest::addRow("0x%02x", byte) << byte << expected;
    }
}

void tst_urlencode::everyByte()
{
    QFETCH(int, byte);
    QFETCH(QByteArray, expected);
    QCOMPARE(URLCHARTBL[byte] != 0, expected.size() == 1);
    QCOMPARE(bytes(urlencode(std::string(1, static_cast<char>(byte)))), expected);
}

void tst_urlencode::encode_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("base64 signs") << QByteArray("a+b/c=d") << QByteArray("a%2bb/c%3dd");
    QTest::newRow("query signs") << QByteArray("% &?") << QByteArray("%25%20%26%3f");
    QTest::newRow("zero byte") << QByteArray("a\0b", 3) << QByteArray("a%00b");
}

void tst_urlencode::encode()
{
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, expected);
    QCOMPARE(bytes(urlencode(input.toStdString())), expected);
}

void tst_urlencode::decode_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("either case") << QByteArray("%2B%2b") << QByteArray("++");
    QTest::newRow("plus stays") << QByteArray("a+b") << QByteArray("a+b");
    QTest::newRow("one digit at end") << QByteArray("ab%2") << QByteArray("ab%2");
    QTest::newRow("not hex") << QByteArray("%zz%2g") << QByteArray("%zz%2g");
    QTest::newRow("percent before escape") << QByteArray("%%41") << QByteArray("%A");
    QTest::newRow("escaped zero") << QByteArray("%00x") << QByteArray("\0x", 2);
    QTest::newRow("ends at zero byte") << QByteArray("ab\0%41", 6) << QByteArray("ab");
}

void tst_urlencode::decode()
{
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, expected);
    QCOMPARE(bytes(urldecode(std::string(input.constData(), static_cast<std::size_t>(input.size())))), expected);
}

void tst_urlencode::roundTrip()
{
    QRandomGenerator random(7);
    for (int i = 0; i < 1000; ++i) {
        std::string input(random.bounded(64u), '\0');
        for (char& c : input)
            c = static_cast<char>(random.bounded(256u));
        const std::string text = urlencode(input);
        QVERIFY(text.find_first_not_of(COPIED + "%") == std::string::npos);
        QCOMPARE(urldecode(text), input);
    }
}

QTEST_APPLESS_MAIN(tst_urlencode)
#include "tst_urlencode.moc"
