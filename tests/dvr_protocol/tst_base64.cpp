#include "dvr_protocol/base64.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

std::string str(const QByteArray& bytes)
{
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QByteArray bytes(const std::string& text)
{
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

class tst_base64 : public QObject {
    Q_OBJECT

private slots:
    void encode_data();
    void encode();
    void decode_data();
    void decode();
    void roundTrip();
};

void tst_base64::encode_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("empty") << QByteArray() << QByteArray();
    QTest::newRow("1 byte") << QByteArray("f") << QByteArray("Zg==");
    QTest::newRow("2 bytes") << QByteArray("fo") << QByteArray("Zm8=");
    QTest::newRow("3 bytes") << QByteArray("foo") << QByteArray("Zm9v");
    QTest::newRow("plus signs") << QByteArray("\xfb\xef\xbe") << QByteArray("++++");
    QTest::newRow("slashes") << QByteArray("\xff\xff\xff") << QByteArray("////");
    QTest::newRow("user abc") << QByteArray("\x0a\x03"
                                            "abc")
                              << QByteArray("CgNhYmM=");
}

void tst_base64::encode()
{
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, text);
    QCOMPARE(bytes(to64frombits(str(input))), text);
}

void tst_base64::decode_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("result");
    QTest::addColumn<QByteArray>("decoded");
    QTest::newRow("leading plus and blank") << QByteArray("+ Zm8=") << 0 << QByteArray("fo");
    QTest::newRow("CR ends the text") << QByteArray("Zm9v\rZm9v") << 0 << QByteArray("foo");
    QTest::newRow("stops after padding") << QByteArray("Zm8=Zm9v") << 0 << QByteArray("fo");
    QTest::newRow("group cut short") << QByteArray("Zm9vZm") << -1 << QByteArray("foo");
    QTest::newRow("outside alphabet") << QByteArray("Zm!v") << -1 << QByteArray();
    QTest::newRow("padding first") << QByteArray("=m9v") << -1 << QByteArray();
    QTest::newRow("url escape left in") << QByteArray("CgNhYmM%3d") << -1
                                        << QByteArray("\x0a\x03"
                                                      "a");
}

void tst_base64::decode()
{
    QFETCH(QByteArray, text);
    QFETCH(int, result);
    QFETCH(QByteArray, decoded);
    std::string out;
    QCOMPARE(from64tobits(str(text), &out), result);
    QCOMPARE(bytes(out), decoded);
}

void tst_base64::roundTrip()
{
    QRandomGenerator random(11);
    for (int i = 0; i < 1000; ++i) {
        std::string input(random.bounded(100u), '\0');
        for (char& c : input)
            c = static_cast<char>(random.bounded(256u));
        const std::string text = to64frombits(input);
        QCOMPARE(text.size() % 4, std::size_t(0));
        std::string decoded;
        QCOMPARE(from64tobits(text, &decoded), 0);
        QCOMPARE(decoded, input);
    }
}

QTEST_APPLESS_MAIN(tst_base64)
#include "tst_base64.moc"
