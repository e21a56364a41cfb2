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
    void registeredByName();
    void queuedSignalCarriesDvrInfo();
};

void tst_CCoreMetaTypes::initTestCase()
{
    CCoreMetaTypes::registerTypes();
}

void tst_CCoreMetaTypes::registeredByName()
{
    // Only names here: asking for a type's id would register it.
    for (const char* name : {"DVR", "Group", "cgi::DvrInfo"})
        QVERIFY2(QMetaType::fromName(name).isValid(), name);
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
