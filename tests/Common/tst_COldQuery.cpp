#include "Common/CEucKr.h"
#include "Common/COldQuery.h"
#include "dvr_types/urlencode.h"

#include <QTest>

class tst_COldQuery : public QObject {
    Q_OBJECT

private slots:
    void credentials_data();
    void credentials();
};

void tst_COldQuery::credentials_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("query");
    QTest::newRow("query characters") << "ad&min"
                                      << "p#w=%1&OP=3"
                                      << "MODE=6&ID=ad%26min&PW=p%23w%3d%251%26OP%3d3&OP=17";
    QTest::newRow("blank and plus") << "a b"
                                    << "+"
                                    << "MODE=6&ID=a%20b&PW=%2b&OP=17";
    QTest::newRow("hangul is sent as EUC-KR") << QString::fromUtf8("\xed\x95\x9c") << "x"
                                              << "MODE=6&ID=%c7%d1&PW=x&OP=17";
}

void tst_COldQuery::credentials()
{
    QFETCH(QString, id);
    QFETCH(QString, password);
    QFETCH(QString, query);

    const QString text = COldQuery().add("MODE", 6).add("ID", id).add("PW", password).add("OP", 17).text();
    QCOMPARE(text, query);

    // A DVR splitting the query at "&" and "=" gets every value back whole.
    const QStringList pairs = text.split('&');
    QCOMPARE(pairs.size(), 4);
    const auto value = [&](int i) {
        const QStringList keyValue = pairs.at(i).split('=');
        return CEucKr::toUnicode(QByteArray::fromStdString(urldecode(keyValue.value(1).toStdString())));
    };
    QCOMPARE(value(1), id);
    QCOMPARE(value(2), password);
}

QTEST_APPLESS_MAIN(tst_COldQuery)
#include "tst_COldQuery.moc"
