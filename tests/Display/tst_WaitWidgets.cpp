#include "Display/CClockWidget.h"
#include "Display/CControlWait.h"
#include "Display/CWaitDialog.h"
#include "Display/CWaitWidget.h"

#include <QSignalSpy>
#include <QtTest>

class tst_WaitWidgets : public QObject {
    Q_OBJECT

private slots:
    void clockShowsDateAndTime();
    void clockTicksEverySecond();
    void spinnerTurnsOnlyWhileShown();
    void controlWaitKeepsOneCentredSpinner_data();
    void controlWaitKeepsOneCentredSpinner();
    void controlWaitSurvivesItsWidget();
    void waitDialogHasNoCloseButton();
};

void tst_WaitWidgets::clockShowsDateAndTime()
{
    CClockWidget clock;
    clock.showDateTime(QDateTime(QDate(2026, 1, 31), QTime(9, 5, 7)));
    QCOMPARE(clock.dateText(), QStringLiteral("2026-01-31"));
    QCOMPARE(clock.timeText(), QStringLiteral("09:05:07"));
}

void tst_WaitWidgets::clockTicksEverySecond()
{
    CClockWidget clock;
    QCOMPARE(clock.dateText(), QDate::currentDate().toString(CClockWidget::DATE_FORMAT));
    QSignalSpy ticks(&clock, &CClockWidget::timeout);
    QVERIFY(ticks.wait());
    clock.updateTime();
    QCOMPARE(ticks.count(), 2);
}

void tst_WaitWidgets::spinnerTurnsOnlyWhileShown()
{
    CWaitWidget spinner;
    QImage empty(50, 50, QImage::Format_ARGB32);
    empty.fill(Qt::transparent);
    QImage image = empty;
    spinner.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    QCOMPARE(image, empty);

    spinner.show();
    spinner.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    QVERIFY(image != empty);
    QTRY_VERIFY(spinner.step() >= 2);
    // Twelve steps, then round again.
    while (spinner.step() != 11)
        spinner.updateValue();
    spinner.updateValue();
    QCOMPARE(spinner.step(), 0);
}

void tst_WaitWidgets::controlWaitKeepsOneCentredSpinner_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("position");
    QTest::newRow("730 x 550") << QSize(730, 550) << QPoint(339, 249);
    QTest::newRow("odd size") << QSize(101, 77) << QPoint(25, 13);
}

void tst_WaitWidgets::controlWaitKeepsOneCentredSpinner()
{
    QFETCH(QSize, size);
    QFETCH(QPoint, position);
    QWidget busy;
    busy.resize(size);
    busy.show();
    CControlWait wait;
    wait.hide(); // nothing shown yet: nothing to do
    wait.show(&busy);
    wait.show(&busy);
    const auto spinners = busy.findChildren<CWaitWidget*>();
    QCOMPARE(spinners.size(), 1);
    QCOMPARE(spinners.first()->pos(), position);
    QVERIFY(spinners.first()->isVisible());
    wait.hide();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(busy.findChildren<CWaitWidget*>().isEmpty());
}

void tst_WaitWidgets::controlWaitSurvivesItsWidget()
{
    CControlWait wait;
    {
        QWidget busy;
        busy.resize(200, 200);
        wait.show(&busy);
    }
    wait.hide();
    wait.show(nullptr);
}

void tst_WaitWidgets::waitDialogHasNoCloseButton()
{
    CWaitDialog dialog;
    const Qt::WindowFlags flags = dialog.windowFlags();
    QVERIFY(flags & Qt::CustomizeWindowHint);
    QVERIFY(flags & Qt::WindowTitleHint);
    QVERIFY(!(flags & Qt::WindowCloseButtonHint));
    QVERIFY(!(flags & Qt::WindowMinMaxButtonsHint));
}

QTEST_MAIN(tst_WaitWidgets)
#include "tst_WaitWidgets.moc"
