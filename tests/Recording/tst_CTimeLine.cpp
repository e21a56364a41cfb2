#include "Common/CHourData.h"
#include "Common/CMinData.h"
#include "Recording/CTimeLine.h"
#include "ShownSearch.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

class tst_CTimeLine : public QObject {
    Q_OBJECT

private slots:
    void sizeAndButtons_data();
    void sizeAndButtons();
    void mouse_data();
    void mouse();
    void channelButtonsFollowEachOther();
    void showsKindsRangeAndHours();
};

void tst_CTimeLine::sizeAndButtons_data()
{
    QTest::addColumn<int>("channels");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("rows");
    QTest::newRow("16") << 16 << QSize(483, 292) << 16;
    QTest::newRow("none known") << 0 << QSize(483, 292) << 16;
    QTest::newRow("8") << 8 << QSize(483, 172) << 8;
    QTest::newRow("more than 16") << 40 << QSize(483, 292) << 16;
}

void tst_CTimeLine::sizeAndButtons()
{
    QFETCH(int, channels);
    QFETCH(QSize, size);
    QFETCH(int, rows);
    CTimeLine timeLine(channels);
    QCOMPARE(timeLine.maximumSize(), size);
    QCOMPARE(timeLine.minimumSize(), size);
    const QList<QPushButton*> buttons = timeLine.findChildren<QPushButton*>();
    QCOMPARE(buttons.size(), rows + 1);
    QCOMPARE(buttons.last()->text(), QStringLiteral("CH-%1").arg(rows));
    QCOMPARE(timeLine.getSelectedChannels(), (1 << rows) - 1);

    buttons.first()->setText("?");
    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(&timeLine, &change);
    QCOMPARE(buttons.first()->text(), "ALL");
}

void tst_CTimeLine::mouse_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("x");
    QTest::addColumn<bool>("doubleClick");
    QTest::addColumn<int>("hour");
    QTest::addColumn<int>("minute");
    QTest::addColumn<int>("selected");
    const QString hourBar = "TimeLine_Hour";
    const QString grid = "TimeLine_Minute";
    QTest::newRow("hour at x 0") << hourBar << 0 << false << 0 << 0 << 0;
    QTest::newRow("hour at x 1") << hourBar << 1 << false << 0 << 0 << 0;
    QTest::newRow("hour at x 19") << hourBar << 19 << false << 1 << 0 << 0;
    QTest::newRow("hour at the right end") << hourBar << 432 << false << 23 << 0 << 0;
    QTest::newRow("minute at x 0") << grid << 0 << false << 0 << 0 << 0;
    QTest::newRow("minute cell at x 36") << grid << 36 << false << 0 << 5 << 0;
    QTest::newRow("last pixel of minute 5") << grid << 42 << false << 0 << 5 << 0;
    QTest::newRow("minute at the right end") << grid << 420 << false << 0 << 59 << 0;
    QTest::newRow("double click, recorded minute") << grid << 7 * 7 + 4 << true << 0 << 7 << 1;
    QTest::newRow("double click, minute beside it") << grid << 8 * 7 + 4 << true << 0 << 8 << 0;
    QTest::newRow("double click, row beyond the count") << grid << 9 * 7 + 4 << true << 0 << 9 << 0;
}

void tst_CTimeLine::mouse()
{
    QFETCH(QString, line);
    QFETCH(int, x);
    QFETCH(bool, doubleClick);
    QFETCH(int, hour);
    QFETCH(int, minute);
    QFETCH(int, selected);
    CTimeLine timeLine(8);
    CMinData data;
    data.SetData(7, 7, 2);
    data.SetData(8, 9, 1);
    timeLine.SetMinData(data);
    timeLine.show();
    QVERIFY(QTest::qWaitForWindowExposed(&timeLine));
    QSignalSpy timeChanged(&timeLine, &CTimeLine::timeChanged);
    QSignalSpy timeSelected(&timeLine, &CTimeLine::timeSelected);
    QWidget* strip = timeLine.findChild<QWidget*>(line);

    // Only a move to another time is reported; a double click on a recorded
    // minute chooses it.
    if (doubleClick)
        QTest::mouseDClick(strip, Qt::LeftButton, {}, QPoint(x, 20));
    else
        QTest::mousePress(strip, Qt::LeftButton, {}, QPoint(x, 20));
    QCOMPARE(timeLine.getHour(), hour);
    QCOMPARE(timeLine.getMinute(), minute);
    const int moved = hour + minute == 0 ? 0 : 1;
    QCOMPARE(timeChanged.size(), moved);
    QCOMPARE(timeSelected.size(), selected);

    // A drag takes the cursor along; setting the time reports nothing.
    QTest::mousePress(strip, Qt::LeftButton, {}, QPoint(x, 20));
    QMouseEvent drag(QEvent::MouseMove, QPointF(1, 20), QPointF(), Qt::NoButton, Qt::LeftButton, {});
    QCoreApplication::sendEvent(strip, &drag);
    QCOMPARE(timeLine.getHour() + timeLine.getMinute(), 0);
    QTest::mouseRelease(strip, Qt::LeftButton, {}, QPoint(1, 20));
    timeLine.setSelectedTime(hour, minute);
    QCOMPARE(timeChanged.size(), 2 * moved);
    QCOMPARE(timeLine.getHour(), hour);
    QCOMPARE(timeLine.getMinute(), minute);
}

void tst_CTimeLine::channelButtonsFollowEachOther()
{
    CTimeLine timeLine(4);
    timeLine.show();
    QVERIFY(QTest::qWaitForWindowExposed(&timeLine));
    QSignalSpy changed(&timeLine, &CTimeLine::channelsChanged);
    const QList<QPushButton*> buttons = timeLine.findChildren<QPushButton*>();

    // Clicked button, then "ALL" and the mask after the click.
    const int steps[][3] = {{3, false, 0b1011}, {3, true, 0b1111}, {0, false, 0}, {1, false, 0b0001}, {0, true, 0xF}};
    for (const auto& step : steps) {
        QTest::mouseClick(buttons.at(step[0]), Qt::LeftButton);
        QCOMPARE(buttons.at(0)->isChecked(), bool(step[1]));
        QCOMPARE(timeLine.getSelectedChannels(), step[2]);
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
    QCOMPARE(ShownSearch::grid(&timeLine),
        (QStringList{"c0:1..a..a.." + QString("1..").repeated(17), "c1:.2..b..b." + QString(".2.").repeated(17),
            "c2:" + QString("..3").repeated(20), "c15:" + QString(59, '.') + "3"}));

    timeLine.clear();
    QCOMPARE(ShownSearch::hours(&timeLine), QString(24, '.'));
    QCOMPARE(ShownSearch::grid(&timeLine), QStringList());
}

QTEST_MAIN(tst_CTimeLine)
#include "tst_CTimeLine.moc"
