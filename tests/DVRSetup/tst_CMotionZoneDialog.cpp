#include "Common/CCoreMetaTypes.h"
#include "Connection/CApplicationSender.h"
#include "DVRSetup/CMotionDetect.h"
#include "DVRSetup/CMotionZoneDialog.h"
#include "Display/CScreenWidget.h"
#include "Display/OpenGLMode.h"
#include "Settings/CAppSettings.h"
#include "TestDvr.h"
#include "TestDvrStreams.h"
#include "WidgetChild.h"
#include "ZoneEditorSupport.h"
#include "dvr_protocol/cgi_protocol.h"

#include <QLoggingCategory>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

using Fault = TestDvrStreamSettings::Fault;
using Gesture = std::function<void(CMotionDetect&)>;
Q_DECLARE_METATYPE(Fault)
Q_DECLARE_METATYPE(Gesture)

// The zone editor on the widget wall, whose screen tells what it shows,
// against the test DVR and its faults; and the grid's gestures on their own.
namespace {

constexpr int COLUMNS = 16;
constexpr int ROWS = 12;
constexpr int CHANNEL = 2; // 0-based: the third channel

enum Shows { Picture, Cleared, Failed };

QPoint centre(int row, int column, QSize cell = {22, 20})
{
    return {column * cell.width() + cell.width() / 2, row * cell.height() + cell.height() / 2};
}

void drag(CMotionDetect& grid, QPoint from, QPoint to)
{
    QTest::mousePress(&grid, Qt::LeftButton, {}, from);
    QTest::mouseMove(&grid, to);
    QTest::mouseRelease(&grid, Qt::LeftButton, {}, to);
}

QByteArray withCells(QByteArray zone, int columns, QRect block, char value)
{
    for (int row = block.top(); row <= block.bottom(); ++row) {
        for (int column = block.left(); column <= block.right(); ++column)
            zone[row * columns + column] = value;
    }
    return zone;
}

} // namespace

class tst_CMotionZoneDialog : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void stream_data();
    void stream();
    void grid_data();
    void grid();
};

void tst_CMotionZoneDialog::initTestCase()
{
    CCoreMetaTypes::registerTypes();
    QLoggingCategory::setFilterRules(QStringLiteral("qelm.network.debug=false"));
    QStandardPaths::setTestModeEnabled(true);
    CAppSettings().writeSetting(CAppSettings::OPENGL, int(OPENGL_OFF));
}

void tst_CMotionZoneDialog::cleanupTestCase()
{
    // Stop requests must reach the DVR before it goes away.
    QTRY_COMPARE_WITH_TIMEOUT(CApplicationSender::pending(), 0, 15000);
}

void tst_CMotionZoneDialog::stream_data()
{
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<int>("faultValue");
    QTest::addColumn<bool>("closes"); // the DVR closes every connection unanswered
    QTest::addColumn<int>("frames"); // video frames the DVR writes before closing
    QTest::addColumn<int>("shows");
    QTest::newRow("the channel asked for") << Fault::None << 0 << false << 1 << int(Picture);
    QTest::newRow("silent DVR: the cleared screen") << Fault::Silence << 0 << false << 0 << int(Cleared);
    QTest::newRow("refused stream: connection failed") << Fault::Refuse << 2 << false << 0 << int(Failed);
    QTest::newRow("connection closed: connection failed") << Fault::None << 0 << true << 0 << int(Failed);
    // 30 s of a live stream, sent faster than real time.
    QTest::newRow("corrupt video") << Fault::CorruptVideo << 0 << false << 750 << int(Picture);
    QTest::newRow("lying headers") << Fault::LyingHeaders << 0 << false << 750 << int(Picture);
}

void tst_CMotionZoneDialog::stream()
{
    QFETCH(Fault, fault);
    QFETCH(int, faultValue);
    QFETCH(bool, closes);
    QFETCH(int, frames);
    QFETCH(int, shows);
    TestDvr dvr;
    QVERIFY(dvr.listen());
    TestDvrStreamSettings settings;
    settings.fault = fault;
    settings.faultValue = faultValue;
    settings.fps = 100;
    dvr.setStreamSettings(settings);
    if (closes)
        dvr.setFault(TestDvr::Fault::CloseConnection);
    DVR record = dvr.dvrRecord();
    record.set_bitch(1u << CHANNEL);

    const QByteArray zone = withCells(QByteArray(COLUMNS * ROWS, 0), COLUMNS, QRect(0, 4, 4, 1), 1);
    auto dialog = std::make_unique<CMotionZoneDialog>();
    dialog->setMotionZone(ROWS, COLUMNS, zone);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    auto* screen = dialog->findChild<CScreenWidget*>();
    QVERIFY(screen);
    QCOMPARE(screen->getInfo(), CDisplayInfo());
    dialog->connect(record);

    switch (shows) {
    case Picture:
        QTRY_VERIFY(ZoneEditorSupport::showsChannel(dialog->grab().toImage(), CHANNEL, zone, COLUMNS));
        QTRY_VERIFY_WITH_TIMEOUT(dvr.streams()->records().first().videoFrames >= frames, 60000);
        QCOMPARE(screen->getInfo().channel, CHANNEL);
        QVERIFY(!screen->getInfo().status);
        break;
    case Cleared:
        QTRY_COMPARE(dvr.streams()->runningCount(), 1);
        QCOMPARE(screen->getInfo(), CDisplayInfo());
        break;
    case Failed:
        QTRY_VERIFY_WITH_TIMEOUT(screen->getInfo().status, 15000);
        QVERIFY(!screen->getInfo().statusText().isEmpty());
        QVERIFY(screen->getInfo().image.isNull());
        break;
    }

    // The grid works whatever the stream does.
    auto* grid = dialog->findChild<CMotionDetect*>();
    drag(*grid, centre(1, 2), centre(2, 5));
    QTest::mouseClick(child<QPushButton>(*dialog, "selection"), Qt::LeftButton);
    QCOMPARE(dialog->getMotionZone(), withCells(zone, COLUMNS, QRect(QPoint(2, 1), QPoint(5, 2)), 1));

    // Closing ends the stream; one that sent pictures is asked to stop.
    const int requests = dvr.requestCount();
    dialog.reset();
    QTRY_COMPARE(dvr.streams()->runningCount(), 0);
    if (shows == Picture) {
        QVERIFY(dvr.waitForRequests(requests + 1));
        QCOMPARE(dvr.lastRequest().mode, int(cgi::MODE_STREAM_STOP));
    }
}

void tst_CMotionZoneDialog::grid_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("columns");
    QTest::addColumn<QByteArray>("given");
    QTest::addColumn<Gesture>("gesture");
    QTest::addColumn<QByteArray>("expected");
    const QByteArray clear(ROWS * COLUMNS, 0);
    const QByteArray set(ROWS * COLUMNS, 1);
    const auto select = [](CMotionDetect& grid) { grid.updateMotionZone(true); };
    QTest::newRow("press without a move selects its cell")
        << ROWS << COLUMNS << clear << Gesture([select](CMotionDetect& grid) {
               drag(grid, centre(3, 7), centre(3, 7));
               select(grid);
           })
        << withCells(clear, COLUMNS, QRect(7, 3, 1, 1), 1);
    QTest::newRow("last cell back to the first, cleared") << ROWS << COLUMNS << set << Gesture([](CMotionDetect& grid) {
        drag(grid, centre(ROWS - 1, COLUMNS - 1), centre(0, 0));
        grid.updateMotionZone(false);
    }) << clear;
    QTest::newRow("dragged past the edge stops at the border")
        << ROWS << COLUMNS << clear << Gesture([select](CMotionDetect& grid) {
               drag(grid, centre(10, 14), QPoint(400, 300));
               select(grid);
           })
        << withCells(clear, COLUMNS, QRect(QPoint(14, 10), QPoint(15, 11)), 1);
    QTest::newRow("before any press: the first cell")
        << ROWS << COLUMNS << clear << Gesture(select) << withCells(clear, COLUMNS, QRect(0, 0, 1, 1), 1);
    QTest::newRow("double clicks toggle their cell") << ROWS << COLUMNS << set << Gesture([](CMotionDetect& grid) {
        for (const QPoint at : {centre(5, 5), centre(6, 6), centre(6, 6)}) {
            QTest::mouseClick(&grid, Qt::LeftButton, {}, at);
            QTest::mouseDClick(&grid, Qt::LeftButton, {}, at);
        }
    }) << withCells(set, COLUMNS, QRect(5, 5, 1, 1), 0);
    const QByteArray pal(18 * 22, 0);
    QTest::newRow("22 x 18: the strip below the last row is the last row")
        << 18 << 22 << pal << Gesture([select](CMotionDetect& grid) {
               drag(grid, QPoint(40, 237), QPoint(40, 237));
               select(grid);
           })
        << withCells(pal, 22, QRect(2, 17, 1, 1), 1);
}

void tst_CMotionZoneDialog::grid()
{
    QFETCH(int, rows);
    QFETCH(int, columns);
    QFETCH(QByteArray, given);
    QFETCH(Gesture, gesture);
    QFETCH(QByteArray, expected);
    CMotionDetect grid;
    grid.resize(ZoneEditorSupport::WIDTH, ZoneEditorSupport::HEIGHT);
    grid.setMotionZone(rows, columns, given);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    gesture(grid);
    QCOMPARE(grid.getMotionZone(), expected);
}

QTEST_MAIN(tst_CMotionZoneDialog)
#include "tst_CMotionZoneDialog.moc"
