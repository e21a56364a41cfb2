#include "Common/CDataParser.h"
#include "WireBuilder.h"

#include <QTest>

namespace {

// Feeds each chunk, then asks for further packets with no new bytes, and
// writes down every packet found as "id/type/payload".
QStringList drain(const QList<QByteArray>& chunks, CDataParser& parser)
{
    QStringList found;
    for (const QByteArray& chunk : chunks) {
        bool more = parser.setReceivedData(chunk.constData(), unsigned(chunk.size()));
        while (more) {
            const std::vector<char>& payload = parser.getResultData();
            if (std::size_t(parser.getFrameSize()) != payload.size())
                found << QStringLiteral("frame size differs from the payload");
            found << QStringLiteral("%1/%2/%3")
                         .arg(parser.getClientID())
                         .arg(parser.getDataType())
                         .arg(QString::fromLatin1(QByteArray(payload.data(), qsizetype(payload.size()))));
            more = parser.setReceivedData(nullptr, 0);
        }
    }
    return found;
}

const QByteArray A = WireBuilder::packet(3, 1, "alpha");
const QByteArray B = WireBuilder::packet(4, 7, "be");
const QByteArray EMPTY = WireBuilder::packet(5, 0, QByteArray());

} // namespace

class tst_CDataParser : public QObject {
    Q_OBJECT

private slots:
    void packets_data();
    void packets();
    void onePacketPerCall();
    void bufferStaysSmall();
};

void tst_CDataParser::packets_data()
{
    QTest::addColumn<QList<QByteArray>>("chunks");
    QTest::addColumn<QStringList>("found");

    QTest::newRow("empty reply") << QList<QByteArray>{QByteArray()} << QStringList{};
    QTest::newRow("no start code") << QList<QByteArray>{"HTTP error page"} << QStringList{};
    QTest::newRow("zero-length payload") << QList<QByteArray>{EMPTY} << QStringList{"5/0/"};
    QTest::newRow("two packets") << QList<QByteArray>{A + B} << QStringList{"3/1/alpha", "4/7/be"};
    QTest::newRow("split start marker") << QList<QByteArray>{"xx" + A.left(2), A.mid(2)} << QStringList{"3/1/alpha"};
    QTest::newRow("byte by byte") << [] {
        QList<QByteArray> bytes;
        for (char c : A + B)
            bytes << QByteArray(1, c);
        return bytes;
    }() << QStringList{"3/1/alpha", "4/7/be"};
    QTest::newRow("length past the bytes")
        << QList<QByteArray>{WireBuilder::packet(1, 1, "x", false, 1000)} << QStringList{};
    QTest::newRow("largest length waits")
        << QList<QByteArray>{WireBuilder::packet(1, 1, "x", false, 0x2800000)} << QStringList{};
    QTest::newRow("length beyond the limit is skipped")
        << QList<QByteArray>{WireBuilder::packet(1, 1, "x", false, 0xFFFFFFFF) + A} << QStringList{"3/1/alpha"};
    QByteArray shifted = WireBuilder::packet(9, 9, "shift");
    shifted.insert(15, 'Z');
    QTest::newRow("end marker out of place is skipped") << QList<QByteArray>{shifted + B} << QStringList{"4/7/be"};
    QTest::newRow("big-endian length is not ours")
        << QList<QByteArray>{WireBuilder::packet(1, 1, "old", true) + B} << QStringList{"4/7/be"};
    // Every bad marker costs a resynchronisation; the reader must not slow
    // down with the bytes it holds.
    QByteArray manyBad;
    for (const QByteArray bad = WireBuilder::packet(1, 1, "x", false, 0xFFFFFFFF); manyBad.size() < (4 << 20);)
        manyBad += bad;
    QTest::newRow("4 MiB of bad packets") << QList<QByteArray>{manyBad + A, B} << QStringList{"3/1/alpha", "4/7/be"};
    QTest::newRow("start marker inside a payload")
        << QList<QByteArray>{WireBuilder::packet(2, 2, QByteArray("\xFB\xFB\xFB\xFC", 4) + "in")}
        << QStringList{QStringLiteral("2/2/") + QString::fromLatin1("\xFB\xFB\xFB\xFCin")};
}

void tst_CDataParser::packets()
{
    QFETCH(QList<QByteArray>, chunks);
    QFETCH(QStringList, found);
    CDataParser parser;
    QCOMPARE(drain(chunks, parser), found);
}

void tst_CDataParser::onePacketPerCall()
{
    CDataParser parser;
    const QByteArray reply = A + B;
    QVERIFY(parser.setReceivedData(reply.constData(), unsigned(reply.size())));
    QCOMPARE(parser.getDataType(), 1);
    QVERIFY(parser.setReceivedData(nullptr, 0));
    QCOMPARE(parser.getDataType(), 7);
    QVERIFY(!parser.setReceivedData(nullptr, 0));
    QVERIFY(parser.getResultData().empty());
    // The header of the last packet found stays.
    QCOMPARE(parser.getClientID(), 4);
    QCOMPARE(parser.bufferedSize(), std::size_t(0));
}

void tst_CDataParser::bufferStaysSmall()
{
    // Unframed bytes are not kept beyond a possible split start marker.
    CDataParser parser;
    const QByteArray noise(100000, 'n');
    for (int i = 0; i < 50; ++i)
        QVERIFY(!parser.setReceivedData(noise.constData(), unsigned(noise.size())));
    QCOMPARE(parser.bufferedSize(), std::size_t(3));
    parser.clear();
    QCOMPARE(parser.bufferedSize(), std::size_t(0));
}

QTEST_APPLESS_MAIN(tst_CDataParser)
#include "tst_CDataParser.moc"
