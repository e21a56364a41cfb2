#include "viewer/CModeTable.h"

#include <QTest>

// Every change between the main window's ten modes, against the window's
// table of modes: whether it is ignored, what it leaves and stops, what the
// display area, the layout buttons, the bottom page and the function page
// show, what happens to the connections, which panel gets the current DVR,
// what the title follows, and the mode and previous mode afterwards; and
// the orders the window relies on.
namespace {

using Mode = CModeTable::Mode;
using Step = CModeTable::Step;

// Instead of a mode to enter: the way out of setup and the E-Map, and the
// E-Map button.
const int BACK = -1;
const int OPEN_EMAP = -2;
// The PC setup dialog closed, and then the menu button of the mode on view.
const int CLOSE_PC_SETUP = -3;
const int CLOSE_PC_SETUP_AND_BACK = -4;
// Whatever mode a row starts from, this was the one before it.
const Mode EARLIER = CModeTable::BACKUP;
// The rows made for every pair of modes leave the mode before to the rows
// written out below.
const int UNCHECKED = -99;

bool isEMap(int mode)
{
    return mode == CModeTable::EMAP_VIEW || mode == CModeTable::EMAP_EDIT;
}

// The first fact of the list whose step was taken, "-" for none.
QString fact(const CModeTable::Steps& steps, const QList<QPair<Step, const char*>>& facts)
{
    for (const auto& [step, name] : facts) {
        if (steps.contains(step))
            return QLatin1String(name);
    }
    return QStringLiteral("-");
}

QString pageName(CModeTable::Page page)
{
    const char* const names[] = {"live", "search", "backup", "emap"};
    return QLatin1String(names[page]);
}

QString functionsName(CModeTable::Functions functions)
{
    const char* const names[] = {"none", "live", "search", "playback", "kept"};
    return QLatin1String(names[functions]);
}

// What is left: the main menu comes back with the way out of setup (its
// reads end) or of the E-Map (its maps go).
QString leftOf(const CModeTable::Steps& steps)
{
    const bool menu = steps.contains(Step::ShowMainMenu);
    if (steps.contains(Step::HideMapList))
        return menu ? QStringLiteral("emap") : QStringLiteral("maps without the menu");
    if (steps.contains(Step::LeaveSetup))
        return menu ? QStringLiteral("setup") : QStringLiteral("setup without the menu");
    return menu ? QStringLiteral("menu") : QStringLiteral("-");
}

// "all", or which of the operator's work ends: "backup", "recording" (to the
// PC), both as "backup+recording".
QString stopsOf(const CModeTable::Steps& steps)
{
    const QList<Step> all{Step::ExitZoom, Step::SequenceOff, Step::StopBackup, Step::StopRecordToPC,
        Step::StopLocalPlayback, Step::StopDisplay};
    if (std::all_of(all.cbegin(), all.cend(), [&](Step step) { return steps.contains(step); }))
        return QStringLiteral("all");
    QStringList work;
    if (steps.contains(Step::StopBackup))
        work << QStringLiteral("backup");
    if (steps.contains(Step::StopRecordToPC))
        work << QStringLiteral("recording");
    return work.isEmpty() ? QStringLiteral("-") : work.join(QLatin1Char('+'));
}

// What the steps do, in the words of the rows.
QString described(const CModeTable::Steps& steps, const CModeTable& table)
{
    const QStringList facts{
        leftOf(steps),
        stopsOf(steps),
        fact(steps, {{Step::HideWall, "maps"}, {Step::HideDisplayArea, "hidden"}, {Step::ShowWall, "wall"}}),
        fact(steps, {{Step::OneDvrLayout, "one"}, {Step::ManyDvrLayout, "many"}, {Step::ShowMapList, "list"}}),
        steps.contains(Step::BottomPage) ? pageName(table.bottomPage()) : QStringLiteral("-"),
        steps.contains(Step::FunctionPage) ? functionsName(table.functions()) : QStringLiteral("-"),
        fact(steps,
            {{Step::DropConnections, "deleted"}, {Step::LocalFiles, "deleted"}, {Step::SearchCurrent, "stopped"},
                {Step::BackupCurrent, "stopped"}, {Step::ReadInformation, "stopped"}, {Step::ReadSetup, "stopped"},
                {Step::Reconnect, "restarted"}, {Step::Redraw, "kept"}}),
        fact(steps,
            {{Step::SearchCurrent, "search"}, {Step::LocalFiles, "files"}, {Step::BackupCurrent, "backup"},
                {Step::ReadInformation, "information"}, {Step::ReadSetup, "setup"}, {Step::ViewMaps, "view"},
                {Step::EditMaps, "edit"}, {Step::OpenPCSetup, "pcsetup"}}),
        !steps.contains(Step::UpdateTitle)
            ? QStringLiteral("-")
            : QStringLiteral("%1%2").arg(table.titleShowsTime() ? 'T' : '-').arg(table.titleShowsStatus() ? 'S' : '-'),
    };
    return facts.join(QLatin1Char(' '));
}

// Entering each mode from another outside the E-Map, as the window's table
// of modes gives it: stops; display area; layout buttons; bottom page;
// function page; connections; the panel given the current DVR; title.
const char* const ENTERING[CModeTable::MODES] = {
    "all wall one live live restarted - T-",
    "all wall many live live restarted - --",
    "all wall one search search stopped search TS",
    "all wall one search playback deleted files TS",
    "all wall one backup none stopped backup T-",
    "backup+recording maps list emap none deleted view -",
    "backup+recording maps list emap none deleted edit -",
    "all hidden - - kept stopped information -",
    "all hidden - - kept stopped setup -",
    "- - - - - - pcsetup -",
};

QString expected(int from, int to)
{
    if (from == to && !isEMap(to) && to != CModeTable::PC_SETUP)
        return QStringLiteral("- - - - - - - - -");
    QStringList facts = QString::fromLatin1(ENTERING[to]).split(QLatin1Char(' '));
    // Between the E-Map's modes only the maps change.
    if (isEMap(from) && isEMap(to))
        facts = QStringList{"-", "-", "-", "-", "none", "-", facts.at(6), "-"};
    // Between the two live modes the connections stay.
    if (from + to == CModeTable::LIVE_S + CModeTable::LIVE_M && from != to)
        facts[5] = QStringLiteral("kept");
    QString leaving = QStringLiteral("-");
    if (to != CModeTable::PC_SETUP && isEMap(from) && !isEMap(to))
        leaving = QStringLiteral("emap");
    else if (to != CModeTable::PC_SETUP && from == CModeTable::SETUP)
        leaving = QStringLiteral("setup");
    return (QStringList{leaving} + facts).join(QLatin1Char(' '));
}

// Orders the window relies on.
bool inOrder(const CModeTable::Steps& steps, const QList<Step>& before, const QList<Step>& after)
{
    for (const Step first : before) {
        for (const Step second : after) {
            if (steps.contains(first) && steps.contains(second) && steps.lastIndexOf(first) > steps.indexOf(second))
                return false;
        }
    }
    return true;
}

} // namespace

class tst_CModeTable : public QObject {
    Q_OBJECT

private slots:
    void changes_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("previous");
        QTest::addColumn<int>("to");
        // Leaving; stops; display area; layout buttons; bottom page;
        // function page; connections; the panel given the current DVR;
        // title ('T' the time, 'S' the playback status).
        QTest::addColumn<QString>("steps");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("previousAfter");
        for (int from = 0; from < CModeTable::MODES; ++from) {
            for (int to = 0; to < CModeTable::MODES; ++to) {
                const bool ignored = from == to && !isEMap(to) && to != CModeTable::PC_SETUP;
                QTest::addRow("%d to %d", from, to)
                    << from << int(EARLIER) << to << expected(from, to) << (ignored ? from : to) << UNCHECKED;
            }
        }
        // The mode to return to: setup, PC setup and the E-Map remember the
        // mode they were entered from; PC setup is a dialog over a mode, so
        // what is entered from it returns to the mode before it.
        const auto remembering = [](const char* name, Mode from, Mode to, int previousAfter) {
            QTest::newRow(name) << int(from) << int(EARLIER) << int(to) << expected(from, to) << int(to)
                                << previousAfter;
        };
        remembering("setup remembers live S", CModeTable::LIVE_S, CModeTable::SETUP, CModeTable::LIVE_S);
        remembering("PC setup remembers search", CModeTable::SEARCH, CModeTable::PC_SETUP, CModeTable::SEARCH);
        remembering("the E-Map remembers live M", CModeTable::LIVE_M, CModeTable::EMAP_EDIT, CModeTable::LIVE_M);
        remembering("setup after PC setup: the mode before it", CModeTable::PC_SETUP, CModeTable::SETUP, EARLIER);
        remembering(
            "between the E-Map's modes: the mode before them", CModeTable::EMAP_VIEW, CModeTable::EMAP_EDIT, EARLIER);
        remembering("search remembers nothing", CModeTable::LIVE_S, CModeTable::SEARCH, EARLIER);
        // The ways out of setup and the E-Map enter the mode before, as its
        // menu button would, and check that button.
        QTest::newRow("setup back to live M")
            << int(CModeTable::SETUP) << int(CModeTable::LIVE_M) << BACK << expected(CModeTable::SETUP, 1) << 1 << 1;
        QTest::newRow("E-Map edit back to search") << int(CModeTable::EMAP_EDIT) << int(CModeTable::SEARCH) << BACK
                                                   << expected(CModeTable::EMAP_EDIT, 2) << 2 << 2;
        // PC setup is a dialog over a mode: the E-Map opened from it (as setup
        // entered from it above) returns to the mode before it.
        QTest::newRow("E-Map after PC setup: the mode before it")
            << int(CModeTable::PC_SETUP) << int(CModeTable::SEARCH) << OPEN_EMAP
            << expected(CModeTable::PC_SETUP, CModeTable::EMAP_VIEW) << 5 << 2;
        // Nothing to return to: only the mode's own panels go.
        QTest::newRow("E-Map with no mode before: the mode stays")
            << int(CModeTable::EMAP_VIEW) << int(CModeTable::PC_SETUP) << BACK << "emap - wall - - - - - -" << 5 << 9;
        QTest::newRow("setup with no mode before: its reads end, the mode stays")
            << int(CModeTable::SETUP) << int(CModeTable::PC_SETUP) << BACK << "setup - - - - - - - -" << 8 << 9;
        QTest::newRow("the E-Map button from setup: its reads end")
            << int(CModeTable::SETUP) << int(EARLIER) << OPEN_EMAP << expected(CModeTable::SETUP, CModeTable::EMAP_VIEW)
            << 5 << 8;
        // The E-Map button after such a way out opens the E-Map again.
        QTest::newRow("the E-Map button from an E-Map mode")
            << int(CModeTable::EMAP_VIEW) << int(CModeTable::PC_SETUP) << OPEN_EMAP
            << expected(CModeTable::LIVE_S, CModeTable::EMAP_VIEW) << 5 << 5;
        QTest::newRow("the E-Map button from live M") << int(CModeTable::LIVE_M) << int(EARLIER) << OPEN_EMAP
                                                      << expected(CModeTable::LIVE_M, CModeTable::EMAP_VIEW) << 5 << 1;
        // PC setup closed: the mode behind it is current again, its button
        // checked and nothing of it stopped; the mode on view clicked again
        // is then ignored.
        for (const Mode behind : {CModeTable::LIVE_S, CModeTable::BACKUP, CModeTable::INFORMATION}) {
            QTest::addRow("PC setup closed over %d", int(behind))
                << int(CModeTable::PC_SETUP) << int(behind) << CLOSE_PC_SETUP << "- - - - - - - - -" << int(behind)
                << int(behind);
            QTest::addRow("PC setup closed over %d, then its button", int(behind))
                << int(CModeTable::PC_SETUP) << int(behind) << CLOSE_PC_SETUP_AND_BACK << "- - - - - - - - -"
                << int(behind) << int(behind);
        }
        QTest::newRow("PC setup closed, no mode with a button behind it")
            << int(CModeTable::PC_SETUP) << int(CModeTable::EMAP_VIEW) << CLOSE_PC_SETUP << "- - - - - - - - -" << 5
            << 5;
        QTest::newRow("PC setup already left: closing changes nothing")
            << int(CModeTable::SETUP) << int(CModeTable::LIVE_M) << CLOSE_PC_SETUP << "- - - - - - - - -" << 8 << 1;
    }

    void changes()
    {
        QFETCH(int, from);
        QFETCH(int, previous);
        QFETCH(int, to);
        QFETCH(QString, steps);
        QFETCH(int, mode);
        QFETCH(int, previousAfter);

        CModeTable table{Mode(from), Mode(previous)};
        CModeTable::Steps taken;
        if (to == CLOSE_PC_SETUP || to == CLOSE_PC_SETUP_AND_BACK) {
            const bool closed = table.current() == CModeTable::PC_SETUP;
            const CModeTable::Steps closing = table.closePCSetup();
            QCOMPARE(closing,
                closed && CModeTable::hasMenuButton(table.current()) ? CModeTable::Steps{Step::CheckMenuButton}
                                                                     : CModeTable::Steps{});
            if (to == CLOSE_PC_SETUP_AND_BACK)
                taken = table.enter(table.current());
        } else {
            taken = to == BACK ? table.back() : to == OPEN_EMAP ? table.openEMap() : table.enter(Mode(to));
        }
        QCOMPARE(described(taken, table), steps);
        QCOMPARE(int(table.current()), mode);
        if (previousAfter != UNCHECKED)
            QCOMPARE(int(table.previous()), previousAfter);

        const QList<Step> leaving{Step::ShowMainMenu, Step::LeaveSetup, Step::HideMapList, Step::CloseMaps};
        const QList<Step> connections{Step::Redraw, Step::Reconnect, Step::DropConnections, Step::SearchCurrent,
            Step::LocalFiles, Step::BackupCurrent, Step::ReadInformation, Step::ReadSetup};
        QCOMPARE(taken.indexOf(Step::CheckMenuButton), to == BACK && mode != from ? 0 : -1);
        QVERIFY(inOrder(taken, leaving, connections + QList<Step>{Step::ExitZoom, Step::HideWall, Step::BottomPage}));
        // The wall's feeds stop before it is cleared, and all of it before
        // the connections change.
        QVERIFY(inOrder(taken,
            {Step::ExitZoom, Step::SequenceOff, Step::StopBackup, Step::StopRecordToPC, Step::StopLocalPlayback},
            {Step::StopDisplay}));
        QVERIFY(inOrder(taken, {Step::StopBackup, Step::StopRecordToPC, Step::StopDisplay}, connections));
        // What follows the mode reads it once the connections are set.
        QVERIFY(inOrder(taken, connections + QList<Step>{Step::BottomPage},
            {Step::FunctionPage, Step::UpdateDvrInfo, Step::UpdateTitle, Step::ChooseFolder}));
    }
};

QTEST_APPLESS_MAIN(tst_CModeTable)
#include "tst_CModeTable.moc"
