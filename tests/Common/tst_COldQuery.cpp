#include "Common/COldQuery.h"

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
    // Empty: refused.
    QTest::addColumn<QString>("query");
    QTest::newRow("signs a DVR takes as they stand") << "a=b+c"
                                                     << "p%41!1"
                                                     << "MODE=6&ID=a=b+c&PW=p%41!1&OP=17&REQ=0,1";
    QTest::newRow("hangul stays Unicode until sent")
        << QString::fromUtf8("\xed\x95\x9c") << "x" << QString::fromUtf8("MODE=6&ID=\xed\x95\x9c&PW=x&OP=17&REQ=0,1");
    QTest::newRow("ampersand") << "ad&min"
                               << "x" << QString();
    QTest::newRow("hash") << "admin"
                          << "p#w" << QString();
    QTest::newRow("blank") << "a b"
                           << "x" << QString();
    QTest::newRow("line break") << "admin"
                                << "p\nw" << QString();
    QTest::newRow("no EUC-KR form") << QString::fromUtf8("\xe0\xb8\x81") << "x" << QString();
}

void tst_COldQuery::credentials()
{
    QFETCH(QString, id);
    QFETCH(QString, password);
    QFETCH(QString, query);

    COldQuery built;
    built.add("MODE", 6).addCredential("ID", id).addCredential("PW", password).add("OP", 17).addPlain("REQ", "0,1");
    QCOMPARE(built.text(), query);
    QCOMPARE(built.isRefused(), query.isEmpty());
    QCOMPARE(built.result(), query.isEmpty() ? COldQuery::CREDENTIAL_REFUSED : COldQuery::OK);
    QCOMPARE(built.errorText().isEmpty(), !built.isRefused());
}

QTEST_APPLESS_MAIN(tst_COldQuery)
#include "tst_COldQuery.moc"
