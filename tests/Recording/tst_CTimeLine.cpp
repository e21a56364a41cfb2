#include "Common/CHourData.h"
#include "Common/CMinData.h"
#include "Recording/CTimeLine.h"
#include "ShownSearch.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

QWidget* part(CTimeLine& timeLine, const char* name)
{
    return timeLine.findChild<QWidget*>(QLatin1String(name));
}

QList<QPushButton*> buttons(CTimeLine& timeLine)
{
    return timeLine.findChildren<QPushButton*>();
}

} // namespace

class tst_CTimeLine : public QObject {
    Q_OBJECT

private slots:
    void sizeAndRows_data();
    void sizeAndRows();
    void mousePlacesCursors_data();
    void mousePlacesCursors();
    void doubleClickChoosesRecordedMinutes_data();
    void doubleClickChoosesRecordedMinutes();
    void channelButtonsFollowEachOther();
    void showsKindsRangeAndHours();
};

void tst_CTimeLine::sizeAndRows_data()
{
    QTest::addColumn<int>("channels");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("rows");
    QTest::newRow("16") << 16 << QSize(483, 292) << 16;
    QTest::newRow("none known") << 0 << QSize(483, 292) << 16;
    QTest::newRow("8") << 8 << QSize(483, 172) << 8;
    QTest::newRow("4") << 4 << QSize(483, 112) << 4;
    QTest::newRow("5 on the whole picture") << 5 << QSize(483, 292) << 5;
    QTest::newRow("more than 16") << 40 << QSize(483, 292) << 16;
    QTest::newRow("negative") << -3 << QSize(483, 292) << 16;
}

void tst_CTimeLine::sizeAndRows()
{
    QFETCH(int, channels);
    QFETCH(QSize, size);
    QFETCH(int, rows);
    CTimeLine timeLine(channels);
    QCOMPARE(timeLine.size(), size);
    QCOMPARE(timeLine.minimumSize(), size);
    QCOMPARE(timeLine.maximumSize(), size);
    const QList<QPushButton*> all = buttons(timeLine);
    QCOMPARE(all.size(), rows + 1);
    QCOMPARE(all.first()->text(), "ALL");
    QCOMPARE(all.last()->text(), QStringLiteral("CH-%1").arg(rows));
    QCOMPARE(timeLine.getSelectedChannels(), (1 << rows) - 1);

    all.first()->setText("?");
    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(&timeLine, &change);
    QCOMPARE(all.first()->text(), "ALL");
}

void tst_CTimeLine::mousePlacesCursors_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("hour");
    QTest::addColumn<int>("minute");
    QTest::addColumn<bool>("changed");
    QTest::newRow("hour at x 0") << QByteArray("TimeLine_Hour") << 0 << 0 << 0 << false;
    QTest::newRow("hour at x 1") << QByteArray("TimeLine_Hour") << 1 << 0 << 0 << false;
    QTest::newRow("hour at x 19") << QByteArray("TimeLine_Hour") << 19 << 1 << 0 << true;
    QTest::newRow("hour at the right end") << QByteArray("TimeLine_Hour") << 432 << 23 << 0 << true;
    QTest::newRow("minute at x 0") << QByteArray("TimeLine_Minute") << 0 << 0 << 0 << false;
    QTest::newRow("minute cell at x 36") << QByteArray("TimeLine_Minute") << 36 << 0 << 5 << true;
    QTest::newRow("last pixel of minute 5") << QByteArray("TimeLine_Minute") << 42 << 0 << 5 << true;
    QTest::newRow("minute at the right end") << QByteArray("TimeLine_Minute") << 420 << 0 << 59 << true;
}

void tst_CTimeLine::mousePlacesCursors()
{
    QFETCH(QByteArray, line);
    QFETCH(int, x);
    QFETCH(int, hour);
    QFETCH(int, minute);
    QFETCH(bool, changed);
    CTimeLine timeLine(16);
    timeLine.show();
    QVERIFY(QTest::qWaitForWindowExposed(&timeLine));
    QSignalSpy timeChanged(&timeLine, &CTimeLine::timeChanged);

    QTest::mousePress(part(timeLine, line), Qt::LeftButton, {}, QPoint(x, 20));
    QTest::mouseRelease(part(timeLine, line), Qt::LeftButton, {}, QPoint(x, 20));
    QCOMPARE(timeChanged.size(), changed ? 1 : 0);
    QCOMPARE(timeLine.getHour(), hour);
    QCOMPARE(timeLine.getMinute(), minute);

    // Dragging back to the start moves the cursor; setting it emits nothing.
    QTest::mousePress(part(timeLine, line), Qt::LeftButton, {}, QPoint(x, 20));
    QMouseEvent move(QEvent::MouseMove, QPointF(1, 20), QPointF(), Qt::NoButton, Qt::LeftButton, {});
    QCoreApplication::sendEvent(part(timeLine, line), &move);
    QCOMPARE(timeLine.getHour() + timeLine.getMinute(), 0);
    timeLine.setSelectedTime(hour, minute);
    QCOMPARE(timeChanged.size(), changed ? 2 : 0);
    QCOMPARE(timeLine.getHour(), hour);
    QCOMPARE(timeLine.getMinute(), minute);
}

void tst_CTimeLine::doubleClickChoosesRecordedMinutes_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("recordedChannel");
    QTest::addColumn<int>("clickedMinute");
    QTest::addColumn<bool>("chosen");
    QTest::newRow("recorded minute") << 16 << 15 << 7 << true;
    QTest::newRow("minute beside it") << 16 << 15 << 8 << false;
    QTest::newRow("row beyond the channel count") << 4 << 5 << 7 << false;
}

void tst_CTimeLine::doubleClickChoosesRecordedMinutes()
{
    QFETCH(int, rows);
    QFETCH(int, recordedChannel);
    QFETCH(int, clickedMinute);
    QFETCH(bool, chosen);
    CTimeLine timeLine(rows);
    CMinData data;
    data.SetData(recordedChannel, 7, 2);
    timeLine.SetMinData(data);
    timeLine.setSelectedTime(3, 30);
    timeLine.show();
    QVERIFY(QTest::qWaitForWindowExposed(&timeLine));
    QSignalSpy selected(&timeLine, &CTimeLine::timeSelected);

    QTest::mouseDClick(part(timeLine, "TimeLine_Minute"), Qt::LeftButton, {}, QPoint(7 * clickedMinute + 4, 20));
    QCOMPARE(selected.size(), chosen ? 1 : 0);
    QCOMPARE(timeLine.getHour(), 3);
    QCOMPARE(timeLine.getMinute(), clickedMinute);
}

void tst_CTimeLine::channelButtonsFollowEachOther()
{
    CTimeLine timeLine(4);
    timeLine.show();
    QVERIFY(QTest::qWaitForWindowExposed(&timeLine));
    QSignalSpy changed(&timeLine, &CTimeLine::channelsChanged);
    const QList<QPushButton*> all = buttons(timeLine);
    QPushButton* allButton = all.at(0);

    struct Step {
        int button;
        bool allChecked;
        int mask;
    };
    const Step steps[] = {{3, false, 0b1011}, {3, true, 0b1111}, {0, false, 0}, {1, false, 0b0001}, {0, true, 0b1111}};
    for (const Step& step : steps) {
        QTest::mouseClick(all.at(step.button), Qt::LeftButton);
        QCOMPARE(allButton->isChecked(), step.allChecked);
        QCOMPARE(timeLine.getSelectedChannels(), step.mask);
    }
    QCOMPARE(changed.size(), int(std::size(steps)));
}

void tst_CTimeLine::showsKindsRangeAndHours()
{
    CTimeLine timeLine(16);
    CHourData hours;
    hours[0] = hours[10] = hours[23] = 1;
    timeLine.SetHourData(hours);
    CMinData data;
    for (int minute = 0; minute < 60; ++minute)
        data.SetData(minute % 3, minute, static_cast<unsigned char>(1 + minute % 3));
    data.SetData(15, 59, 3);
    timeLine.SetMinData(data);
    timeLine.updateSelectedRange(0b1000000000000011, 3, 9);
    timeLine.setSelectedTime(10, 4);
    timeLine.show();
    QVERIFY(QTest::qWaitForWindowExposed(&timeLine));

    QCOMPARE(ShownSearch::hours(&timeLine), "#.........#............#");
    QCOMPARE(ShownSearch::grid(&timeLine, 16),
        (QStringList{"c0:1..a..a.." + QString("1..").repeated(17), "c1:.2..b..b." + QString(".2.").repeated(17),
            "c2:" + QString("..3").repeated(20), "c15:" + QString(59, '.') + "3"}));

    timeLine.ClearMinData();
    timeLine.ClearHourData();
    QCOMPARE(ShownSearch::hours(&timeLine), QString(24, '.'));
    QCOMPARE(ShownSearch::grid(&timeLine, 16), QStringList());
}

QTEST_MAIN(tst_CTimeLine)
#include "tst_CTimeLine.moc"
