#include "Common/DisplayDvrInfo.h"

#include <QMetaType>
#include <QVariant>
#include <QtTest>
#include <type_traits>

static_assert(std::is_same_v<DISPLAY_DVR_INFO, _DISPLAY_DVR_INFO>, "the signal name is the record itself");

class tst_DisplayDvrInfo : public QObject {
    Q_OBJECT

private slots:
    void defaults();
    void copiesEveryField();
};

void tst_DisplayDvrInfo::defaults()
{
    const DISPLAY_DVR_INFO info;
    QCOMPARE(info.mode, 0);
    QCOMPARE(info.pbMode, 32);
    QCOMPARE(info.startScreen, 0);
    QCOMPARE(info.screenCount, 0);
    QCOMPARE(info.channelMask, 0);
    QCOMPARE(info.authorityMask, 0xFFFF);
    QCOMPARE(info.model, 0);
    QCOMPARE(info.recordMask | info.motionMask | info.sensorMask | info.videoLossMask, 0ull);
    QVERIFY(!info.oldProtocol);
    QVERIFY(info.dvrName.isEmpty() && info.statusText.isEmpty());
    for (const QString& name : info.channelNames)
        QVERIFY(name.isEmpty());
}

void tst_DisplayDvrInfo::copiesEveryField()
{
    DISPLAY_DVR_INFO info;
    info.mode = 2;
    info.dvrName = QStringLiteral("Lobby");
    info.channelNames[15] = QStringLiteral("Door");
    info.videoLossMask = 0x8000;
    info.oldProtocol = true;

    // As a queued signal carries it.
    const QVariant carried = QVariant::fromValue(info);
    const auto copy = carried.value<DISPLAY_DVR_INFO>();
    QCOMPARE(copy.mode, 2);
    QCOMPARE(copy.dvrName, QStringLiteral("Lobby"));
    QCOMPARE(copy.channelNames[15], QStringLiteral("Door"));
    QCOMPARE(copy.videoLossMask, 0x8000ull);
    QVERIFY(copy.oldProtocol);
}

QTEST_APPLESS_MAIN(tst_DisplayDvrInfo)
#include "tst_DisplayDvrInfo.moc"
