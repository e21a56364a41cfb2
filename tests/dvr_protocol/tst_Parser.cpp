#include "AbortProbe.h"
#include "WireBuilder.h"
#include "dvr_protocol/Parser.h"

#include <QtTest>
#include <vector>

using cgi::Parser;

namespace {

const QByteArray stx("\xFB\xFB\xFB\xFC", 4);

// An exact-size copy, so that the sanitizer build sees any read outside it.
std::vector<unsigned char> exact(const QByteArray& bytes)
{
    return std::vector<unsigned char>(bytes.begin(), bytes.end());
}

} // namespace

class tst_Parser : public QObject {
    Q_OBJECT

private slots:
    void findPacket_data();
    void findPacket();
    void largestPayloadIsAccepted();
    void header();
    void misplacedStartIsAProgrammingError();
};

enum Outcome { Whole, NoMarker, Incomplete, Bad };

void tst_Parser::findPacket_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("swap");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<int>("stxAt");
    QTest::addColumn<int>("payloadSize");

    const QByteArray five = WireBuilder::packet(1, 2, "hello");
    const QByteArray fiveBig = WireBuilder::packet(1, 2, "hello", true);

    QTest::newRow("nothing") << QByteArray() << false << int(NoMarker) << 0 << 0;
    QTest::newRow("split marker at end") << QByteArray("garbage\xFB\xFB\xFB") << false << int(NoMarker) << 0 << 0;
    QTest::newRow("marker in a run of FB") << QByteArray("\xFB\xFB") + five << false << int(Whole) << 2 << 5;
    QTest::newRow("13 bytes") << five.left(13) << false << int(Incomplete) << 0 << 0;
    QTest::newRow("empty payload") << WireBuilder::packet(1, 2, {}) << false << int(Whole) << 0 << 0;
    QTest::newRow("end marker missing") << five.chopped(1) << false << int(Incomplete) << 0 << 0;
    QTest::newRow("largest length waits")
        << WireBuilder::packet(1, 2, {}, false, 0x2800000) << false << int(Incomplete) << 0 << 0;
    QTest::newRow("too long at once") << WireBuilder::packet(1, 2, {}, false, 0x2800001) << false << int(Bad) << 4 << 0;
    QTest::newRow("big-endian read swapped") << fiveBig << true << int(Whole) << 0 << 5;
    QByteArray shifted = five;
    shifted.insert(shifted.size() - 4, 'x');
    QTest::newRow("end marker shifted") << shifted << false << int(Bad) << 4 << 0;
    QTest::newRow("big-endian read unswapped") << fiveBig << false << int(Bad) << 4 << 0;
    QTest::newRow("start marker in payload") << WireBuilder::packet(1, 2, stx + "x") << false << int(Whole) << 0 << 5;
}

void tst_Parser::findPacket()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, swap);
    QFETCH(int, outcome);
    QFETCH(int, stxAt);
    QFETCH(int, payloadSize);

    const auto buffer = exact(bytes);
    const unsigned char* b = buffer.data();
    const unsigned char* e = b + buffer.size();
    const Parser parser(swap);
    const unsigned char* s = nullptr;
    const unsigned char* x = nullptr;
    const bool found = parser.FindPacket(b, e, s, x);

    QCOMPARE(found, outcome == Whole);
    switch (outcome) {
    case Whole:
        QCOMPARE(s - b, stxAt);
        QCOMPARE(x - s, 10 + payloadSize);
        QCOMPARE(parser.GetDataPoint(s), s + 10);
        QCOMPARE(parser.GetDataSize(s, x), std::size_t(payloadSize));
        QCOMPARE(parser.ReadLength(s), quint32(payloadSize));
        break;
    case NoMarker:
        QCOMPARE(s, e);
        QCOMPARE(x, e);
        break;
    case Incomplete:
        QCOMPARE(s - b, stxAt);
        QCOMPARE(x, e);
        break;
    case Bad:
        QCOMPARE(s - b, stxAt);
        QCOMPARE(x, Parser::BAD_PACKET);
        break;
    }
}

void tst_Parser::largestPayloadIsAccepted()
{
    const QByteArray bytes = WireBuilder::packet(9, 3, QByteArray(0x2800000, '\x55'));
    const auto* b = reinterpret_cast<const unsigned char*>(bytes.constData());
    const Parser parser(false);
    QCOMPARE(parser.FindETX(b, b + bytes.size()), b + 10 + 0x2800000);
}

void tst_Parser::header()
{
    const QByteArray bytes = WireBuilder::packet(0xC8, 0x0B, "abcd", true);
    const auto* b = reinterpret_cast<const unsigned char*>(bytes.constData());
    const cgi::PayLoadHeader header = Parser(true).GetPayLoad(b);
    QCOMPARE(header.id, 0xC8);
    QCOMPARE(header.type, 0x0B);
    quint32 length = header.length;
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(&length), 4), QByteArray("\0\0\0\x04", 4));
}

void tst_Parser::misplacedStartIsAProgrammingError()
{
    const QByteArray bytes = "x" + WireBuilder::packet(1, 2, "abc");
    const auto* b = reinterpret_cast<const unsigned char*>(bytes.constData());
    const Parser parser(false);
    QVERIFY(AbortProbe::run([&] { parser.FindETX(b, b + bytes.size()); }).errorOutput.contains("dvr_protocol/parser"));
    QVERIFY(AbortProbe::run([&] { parser.GetPayLoad(b); }).aborted);
}

QTEST_APPLESS_MAIN(tst_Parser)
#include "tst_Parser.moc"
