#include "Common/CCoreMetaTypes.h"
#include "ProtoBuf/GroupList.pb.h"
#include "dvr_protocol/cgi_response.pb.h"

#include <QTest>
#include <QVariant>

class InfoSender : public QObject {
    Q_OBJECT

signals:
    void identified(const cgi::DvrInfo& info);
};

class InfoReceiver : public QObject {
    Q_OBJECT

public slots:
    void onIdentified(const cgi::DvrInfo& info) { received.CopyFrom(info); }

public:
    cgi::DvrInfo received;
};

class tst_CCoreMetaTypes : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void registeredByName_data();
    void registeredByName();
    void queuedSignalCarriesDvrInfo();
};

void tst_CCoreMetaTypes::initTestCase()
{
    CCoreMetaTypes::registerTypes();
}

void tst_CCoreMetaTypes::registeredByName_data()
{
    // Only names and sizes here: asking for a type's id would register it.
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<int>("size");
    QTest::newRow("DVR") << QByteArray("DVR") << int(sizeof(DVR));
    QTest::newRow("Group") << QByteArray("Group") << int(sizeof(Group));
    QTest::newRow("cgi::DvrInfo") << QByteArray("cgi::DvrInfo") << int(sizeof(cgi::DvrInfo));
}

void tst_CCoreMetaTypes::registeredByName()
{
    QFETCH(QByteArray, name);
    QFETCH(int, size);
    const QMetaType type = QMetaType::fromName(name);
    QVERIFY(type.isValid());
    QCOMPARE(QByteArray(type.name()), name);
    QCOMPARE(int(type.sizeOf()), size);
}

void tst_CCoreMetaTypes::queuedSignalCarriesDvrInfo()
{
    InfoSender sender;
    InfoReceiver receiver;
    QVERIFY(QObject::connect(
        &sender, SIGNAL(identified(cgi::DvrInfo)), &receiver, SLOT(onIdentified(cgi::DvrInfo)), Qt::QueuedConnection));
    cgi::DvrInfo info;
    info.set_dvr_name("front door");
    info.set_ch_num(8);
    emit sender.identified(info);
    QVERIFY(receiver.received.dvr_name().empty());
    QTRY_COMPARE(receiver.received.dvr_name(), std::string("front door"));
    QCOMPARE(receiver.received.ch_num(), 8u);
}

QTEST_GUILESS_MAIN(tst_CCoreMetaTypes)
#include "tst_CCoreMetaTypes.moc"
