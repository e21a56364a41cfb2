#include "Common/DisplayDvrInfo.h"

#include <QtTest>

class tst_DisplayDvrInfo : public QObject {
    Q_OBJECT

private slots:
    void defaults()
    {
        const DISPLAY_DVR_INFO info;
        QCOMPARE(info.pbMode, 32);
        QCOMPARE(info.authorityMask, 0xFFFF);
        QCOMPARE(info.mode + info.startScreen + info.screenCount + info.channelMask + info.model, 0);
        QCOMPARE(info.recordMask | info.motionMask | info.sensorMask | info.videoLossMask, 0ull);
        QVERIFY(!info.oldProtocol);
        QVERIFY(std::all_of(info.channelNames.begin(), info.channelNames.end(), std::mem_fn(&QString::isEmpty)));
    }
};

QTEST_APPLESS_MAIN(tst_DisplayDvrInfo)
#include "tst_DisplayDvrInfo.moc"
