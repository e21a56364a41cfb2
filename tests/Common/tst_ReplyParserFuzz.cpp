#include "ByteMutator.h"
#include "Common/CDataParser.h"
#include "Common/CHddParser.h"
#include "Common/CInfoParser.h"
#include "Common/CSearchDataParser.h"
#include "TestDvrAnswers.h"
#include "TestDvrContent.h"
#include "TestDvrInfoPage.h"
#include "TestDvrOldSearch.h"
#include "WireBuilder.h"

#include <QTest>
#include <QtEndian>

// Replies from a DVR and minute files from disk are hostile input: each
// parser takes 10,000 random and mutated ones without crashing, hanging,
// reading out of bounds or growing beyond what its input can justify. The
// sanitizer build runs this with its checks on.
namespace {

constexpr int ROUNDS = 10000;
constexpr quint32 TEN = 1388534400 + 10 * 3600;

QByteArray localRecords()
{
    QByteArray records;
    for (quint32 i = 0; i < 4; ++i) {
        QByteArray record(76, '\0');
        qToLittleEndian(TEN + 60 * i, record.data());
        qToLittleEndian(quint32(0xFFFF), record.data() + 8);
        for (int channel = 0; channel < 16; ++channel)
            record[12 + channel] = char(channel % 4);
        records += record;
    }
    return records;
}

} // namespace

class tst_ReplyParserFuzz : public QObject {
    Q_OBJECT

private slots:
    void packetReader();
    void searchReplies_data();
    void searchReplies();
    void localMinuteFiles();
    void informationPages();
};

void tst_ReplyParserFuzz::packetReader()
{
    const TestDvrContent content = TestDvrContent::standard();
    const QByteArray info = TestDvrAnswers::messagePacket(1, 1, content.dvrInfo);
    ByteMutator mutator({info, info + TestDvrAnswers::messagePacket(1, 7, content.hddInfo),
        TestDvrAnswers::responsePacket(1, 0, false) + info, WireBuilder::packet(1, 10, QByteArray(300, 'p'))});
    for (int round = 0; round < ROUNDS; ++round) {
        const QByteArray reply = mutator.next();
        CDataParser parser;
        // Fed whole and then in two pieces, as deliveries come.
        const qsizetype cut = reply.size() / 3;
        bool found = parser.setReceivedData(reply.constData(), unsigned(cut));
        found = parser.setReceivedData(reply.constData() + cut, unsigned(reply.size() - cut)) || found;
        for (int calls = 0; found; ++calls) {
            QVERIFY(calls <= reply.size() / 14);
            QVERIFY(parser.getResultData().size() + 14 <= std::size_t(reply.size()));
            cgi::DvrInfo parsed;
            parsed.ParsePartialFromArray(parser.getResultData().data(), int(parser.getResultData().size()));
            found = parser.setReceivedData(nullptr, 0);
        }
        QVERIFY(parser.bufferedSize() <= std::size_t(reply.size()));
    }
}

void tst_ReplyParserFuzz::searchReplies_data()
{
    QTest::addColumn<bool>("oldForm");
    QTest::newRow("new dialect") << false;
    QTest::newRow("old dialect") << true;
}

void tst_ReplyParserFuzz::searchReplies()
{
    QFETCH(bool, oldForm);
    QList<QByteArray> samples;
    if (oldForm) {
        const qint32 ten = qint32(TEN);
        samples << TestDvrContent::standard().oldSearchReply
                << TestDvrOldSearch::reply({TestDvrOldSearch::record(ten, ten + 30, 0xFFFF, QList<quint8>(16, 1)),
                       TestDvrOldSearch::record(ten + 600, ten + 601, 0x1, {2})});
    } else {
        cgi::CalData wide = TestDvrContent::standard().calendar;
        cgi::CalItem* all = wide.add_items();
        all->set_start_time(0);
        all->set_end_time(0xFFFFFFF0);
        all->set_record_chmask(0xFFFF);
        for (int channel = 0; channel < 20; ++channel)
            all->add_record_reason(channel);
        wide.set_version(0);
        samples << WireBuilder::bytesOf(TestDvrContent::standard().calendar) << WireBuilder::bytesOf(wide);
    }
    ByteMutator mutator(samples);
    for (int round = 0; round < ROUNDS; ++round) {
        const QByteArray reply = mutator.next();
        CSearchDataParser parser(oldForm);
        parser.setSearchRange(TEN, TEN + 3600);
        parser.setNetData(reply.constData(), int(reply.size()));
        // New-dialect minutes stay inside the asked hour; old records mark one minute each.
        const std::size_t bound = oldForm ? std::size_t(reply.size() / 32) : 1;
        QVERIFY(parser.getMinDatas().size() <= bound);
        QVERIFY(parser.getDateHours().size() <= std::size_t(reply.size()));
        for (const CDateHour& hour : parser.getDateHours())
            QVERIFY(hour.hour >= 0 && hour.hour < 24);
        QVERIFY(parser.getData().size() <= parser.getMinDatas().size());
    }
}

void tst_ReplyParserFuzz::localMinuteFiles()
{
    ByteMutator mutator({localRecords(), localRecords().left(76)}, 77, 800);
    CSearchDataParser shared(false);
    std::size_t total = 0;
    for (int round = 0; round < ROUNDS; ++round) {
        const QByteArray file = mutator.next();
        total += std::size_t(file.size() / 76);
        CSearchDataParser parser(false);
        parser.setLocalData(file.constData(), int(file.size()));
        QVERIFY(parser.getMinDatas().size() <= std::size_t(file.size() / 76));
        shared.setLocalData(file.constData(), int(file.size()));
    }
    QVERIFY(shared.getMinDatas().size() <= total);
}

void tst_ReplyParserFuzz::informationPages()
{
    const QByteArray crlf = TestDvrInfoPage::build(
        {{"ModelName : ", "X"}, {"IP Address : ", "1.2.3.4"}}, {{1, 2}, {3, 4}, {5, 6}}, "log", "\r\n");
    ByteMutator mutator({TestDvrInfoPage::standard(), crlf}, 4242, 700);
    for (int round = 0; round < ROUNDS; ++round) {
        QByteArray page = mutator.next();
        CInfoParser parser;
        parser.setData(page.constData()); // QByteArray keeps a terminating zero
        QVERIFY(parser.getHddInfo().size() <= std::size_t(CInfoParser::MAX_HDD_COUNT));
        for (const HDD_INFO_T& disk : parser.getHddInfo()) {
            QVERIFY(disk.used >= 0 && disk.free >= 0);
            QCOMPARE(disk.total, disk.used + disk.free);
        }
        for (int index = 0; index < CInfoParser::INFO_COUNT; ++index)
            QVERIFY(parser.getInfo(CInfoParser::INFO_INDEX(index)).size() <= std::size_t(page.size()));

        CHddParser line;
        line.parse(page.toStdString());
        QVERIFY(line.getResult().empty() || line.getResult().size() == 3);
    }
}

QTEST_GUILESS_MAIN(tst_ReplyParserFuzz)
#include "tst_ReplyParserFuzz.moc"
