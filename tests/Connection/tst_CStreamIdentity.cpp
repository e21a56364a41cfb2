#include "Common/CEucKr.h"
#include "Connection/CStreamIdentity.h"

#include <QTest>

// The old dialect's identity record is read within its bounds, whatever
// length the DVR sends.
class tst_CStreamIdentity : public QObject {
    Q_OBJECT

private slots:
    void oldRecord_data();
    void oldRecord();
};

namespace {

QByteArray record(int channels, const QList<QByteArray>& cameraNames)
{
    QByteArray bytes(214, '\0');
    bytes[0] = static_cast<char>(channels);
    bytes[2] = '\x00';
    bytes[3] = '\x0f';
    bytes[4] = 21;
    for (int i = 0; i < cameraNames.size(); ++i)
        bytes.replace(6 + 13 * i, cameraNames.at(i).size(), cameraNames.at(i));
    return bytes;
}

} // namespace

void tst_CStreamIdentity::oldRecord_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<int>("channels");
    QTest::addColumn<QStringList>("names");

    const QByteArray hangul = CEucKr::fromUnicode(QString::fromUtf8("\xec\xb9\xb4\xeb\xa9\x94\xeb\x9d\xbc"));
    QTest::newRow("whole record") << record(4, {"Door", hangul}) << 4
                                  << (QStringList{"Door", QString::fromUtf8("\xec\xb9\xb4\xeb\xa9\x94\xeb\x9d\xbc")}
                                         + QStringList(14, QString()));
    QTest::newRow("a name filling its slot has no terminator") << record(
        16, {"ABCDEFGHIJKLM", "second"}) << 16 << (QStringList{"ABCDEFGHIJKLM", "second"} + QStringList(14, QString()));
    QTest::newRow("cut after two slots") << record(16, {"one", "two", "three"}).left(6 + 13 * 2 + 5) << 16
                                         << QStringList{"one", "two"};
    QTest::newRow("header only") << record(8, {}).left(5) << 8 << QStringList();
    QTest::newRow("longer than a record")
        << record(40, {"a"}) + QByteArray(300, 'x') << 40 << (QStringList{"a"} + QStringList(15, QString()));
}

void tst_CStreamIdentity::oldRecord()
{
    QFETCH(QByteArray, payload);
    QFETCH(int, channels);
    QFETCH(QStringList, names);

    const cgi::DvrInfo info = CStreamIdentity::fromOldRecord(
        reinterpret_cast<const unsigned char*>(payload.constData()), std::size_t(payload.size()));
    QCOMPARE(int(info.ch_num()), channels);
    QCOMPARE(info.ch_name_size(), names.size());
    for (int i = 0; i < names.size(); ++i)
        QCOMPARE(QString::fromStdString(info.ch_name(i)), names.at(i));
    QCOMPARE(CStreamIdentity::namedChannels(info), std::min({channels, int(names.size()), 16}));
    if (payload.size() >= 5) {
        QCOMPARE(info.available_chmask(), 0x000fu);
        QCOMPARE(int(info.model()), 21);
    }
}

QTEST_MAIN(tst_CStreamIdentity)
#include "tst_CStreamIdentity.moc"
