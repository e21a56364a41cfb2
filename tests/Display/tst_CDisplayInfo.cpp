#include "Display/CDisplayInfo.h"
#include "Display/CDisplayVideo.h"

#include <QtTest>

class tst_CDisplayInfo : public QObject {
    Q_OBJECT

private slots:
    void clearedEqualsDefault_data();
    void clearedEqualsDefault();
    void copiesDoNotShareChanges();
    void registeredForQueuedSignals();
};

void tst_CDisplayInfo::clearedEqualsDefault_data()
{
    QTest::addColumn<int>("field");
    for (int field = 0; field < 12; ++field)
        QTest::newRow(qPrintable(QStringLiteral("field %1 set").arg(field))) << field;
}

void tst_CDisplayInfo::clearedEqualsDefault()
{
    QFETCH(int, field);
    const CDisplayInfo fresh;
    QVERIFY(fresh.image.isNull());
    QCOMPARE(fresh.channel, -1);
    QCOMPARE(fresh.screen, -1);
    QVERIFY(fresh.authority);
    QVERIFY(!fresh.status);

    CDisplayInfo info;
    switch (field) {
    case 0:
        info.image = QImage(4, 4, QImage::Format_RGB888);
        break;
    case 1:
        info.channel = 3;
        break;
    case 2:
        info.screen = 200;
        break;
    case 3:
        info.record = true;
        break;
    case 4:
        info.motion = true;
        break;
    case 5:
        info.sensor = true;
        break;
    case 6:
        info.name = QStringLiteral("DVR");
        break;
    case 7:
        info.title = QStringLiteral("Camera");
        break;
    case 8:
        info.videoLoss = true;
        break;
    case 9:
        info.authority = false;
        break;
    case 10:
        info.status = true;
        break;
    default:
        info.length = 1234;
        break;
    }
    QVERIFY(info != fresh);
    info.clear();
    QVERIFY(info == fresh);
}

void tst_CDisplayInfo::copiesDoNotShareChanges()
{
    CDisplayInfo original;
    original.image = QImage(8, 8, QImage::Format_RGB888);
    original.image.fill(Qt::red);
    original.name = QStringLiteral("Lobby");
    CDisplayInfo copy = original;
    copy.image.fill(Qt::blue);
    copy.name = QStringLiteral("Yard");
    QCOMPARE(original.image.pixelColor(3, 3), QColor(Qt::red));
    QCOMPARE(original.name, QStringLiteral("Lobby"));
}

void tst_CDisplayInfo::registeredForQueuedSignals()
{
    CDisplayVideo router;
    const QMetaType type = QMetaType::fromName("CDisplayInfo");
    QVERIFY(type.isValid());
    QCOMPARE(type, QMetaType::fromType<CDisplayInfo>());
}

QTEST_GUILESS_MAIN(tst_CDisplayInfo)
#include "tst_CDisplayInfo.moc"
