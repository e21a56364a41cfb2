#include "viewer/CModeTable.h"

#include <QTest>

// Every change between the main window's ten modes, against the window's
// table of modes: whether it is ignored, what it leaves and stops, what the
// display area, the layout buttons, the bottom page and the function page
// show, what happens to the connections, which panel gets the current DVR,
// what the title follows, the mode afterwards and where its way out goes;
// and the orders the window relies on. Each row starts from a new table (live
// S) and takes a path of the operator's choices.
namespace {

using Mode = CModeTable::Mode;
using Step = CModeTable::Step;

// Instead of a mode to enter: the way out of setup and the E-Map, the E-Map
// button, and the PC setup dialog closed (by OK or Cancel alike).
const int BACK = -1;
const int OPEN_EMAP = -2;
const int CLOSE_PC_SETUP = -3;
// The rows made for every pair of modes enter the mode they start from from
// this one.
const Mode EARLIER = CModeTable::BACKUP;
// The rows made for every pair of modes leave the way out to the rows
// written out below.
const int UNCHECKED = -99;
// A menu button clicked in its own mode changes nothing.
const QList<int> NOT_ENTERED_AGAIN{CModeTable::LIVE_S, CModeTable::LIVE_M, CModeTable::SEARCH, CModeTable::PLAYBACK,
    CModeTable::BACKUP, CModeTable::INFORMATION, CModeTable::SETUP};

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
    const int checked = steps.indexOf(Step::CheckMenuButton);
    const QStringList facts{
        checked < 0        ? QStringLiteral("-")
            : checked == 0 ? QStringLiteral("check")
                           : QStringLiteral("check late"),
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
    if (from == to && NOT_ENTERED_AGAIN.contains(to))
        return QStringLiteral("- - - - - - - - - -");
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
    return (QStringList{QStringLiteral("-"), leaving} + facts).join(QLatin1Char(' '));
}

// The way out of setup and the E-Map: their menu button checked first, then
// the mode entered.
QString back(int from, int to)
{
    return QStringLiteral("check") + expected(from, to).mid(1);
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
        // The operator's choices from a new table: a mode's button, or BACK,
        // OPEN_EMAP, CLOSE_PC_SETUP.
        QTest::addColumn<QList<int>>("path");
        // What the last choice does: the menu button checked; leaving;
        // stops; display area; layout buttons; bottom page; function page;
        // connections; the panel given the current DVR; title ('T' the time,
        // 'S' the playback status).
        QTest::addColumn<QString>("steps");
        QTest::addColumn<int>("mode");
        // The mode on view after the way out: closing PC setup, the Exit of
        // setup or the E-Map.
        QTest::addColumn<int>("wayOut");
        for (int from = 0; from < CModeTable::MODES; ++from) {
            for (int to = 0; to < CModeTable::MODES; ++to) {
                const bool ignored = from == to && NOT_ENTERED_AGAIN.contains(to);
                QTest::addRow("%d to %d", from, to)
                    << QList<int>{EARLIER, from, to} << expected(from, to) << (ignored ? from : to) << UNCHECKED;
            }
        }
        // The mode to return to: setup, PC setup and the E-Map remember the
        // mode they were entered from; PC setup is a dialog over a mode, so
        // what is entered from it returns to the mode behind it.
        const auto remembering = [](const char* name, Mode from, Mode to, int wayOut) {
            QTest::newRow(name) << QList<int>{EARLIER, from, to} << expected(from, to) << int(to) << wayOut;
        };
        remembering("setup remembers live M", CModeTable::LIVE_M, CModeTable::SETUP, CModeTable::LIVE_M);
        remembering("PC setup remembers search", CModeTable::SEARCH, CModeTable::PC_SETUP, CModeTable::SEARCH);
        remembering("the E-Map remembers live M", CModeTable::LIVE_M, CModeTable::EMAP_EDIT, CModeTable::LIVE_M);
        remembering("setup after PC setup: the mode behind it", CModeTable::PC_SETUP, CModeTable::SETUP, EARLIER);
        remembering(
            "between the E-Map's modes: the mode before them", CModeTable::EMAP_VIEW, CModeTable::EMAP_EDIT, EARLIER);
        QTest::newRow("search remembers nothing")
            << QList<int>{EARLIER, CModeTable::SETUP, CModeTable::SEARCH}
            << expected(CModeTable::SETUP, CModeTable::SEARCH) << 2 << int(EARLIER);
        // The ways out of setup and the E-Map enter the mode before, as its
        // menu button would, and check that button.
        QTest::newRow("setup back to live M")
            << QList<int>{CModeTable::LIVE_M, CModeTable::SETUP, BACK} << back(CModeTable::SETUP, 1) << 1 << UNCHECKED;
        QTest::newRow("E-Map edit back to search") << QList<int>{CModeTable::SEARCH, CModeTable::EMAP_EDIT, BACK}
                                                   << back(CModeTable::EMAP_EDIT, 2) << 2 << UNCHECKED;
        // PC setup is a dialog over a mode: the E-Map opened from it (as setup
        // entered from it above) returns to the mode behind it.
        QTest::newRow("E-Map after PC setup: the mode behind it")
            << QList<int>{CModeTable::SEARCH, CModeTable::PC_SETUP, OPEN_EMAP}
            << expected(CModeTable::PC_SETUP, CModeTable::EMAP_VIEW) << 5 << 2;
        // Nothing to return to: only the mode's own panels go.
        QTest::newRow("setup entered from the E-Map: its reads end, the mode stays")
            << QList<int>{OPEN_EMAP, CModeTable::SETUP, BACK} << "- setup - - - - - - - -" << 8 << 8;
        QTest::newRow("setup entered from PC setup over the E-Map: the mode stays")
            << QList<int>{OPEN_EMAP, CModeTable::PC_SETUP, CModeTable::SETUP, BACK} << "- setup - - - - - - - -" << 8
            << 8;
        QTest::newRow("the E-Map button from setup: its reads end")
            << QList<int>{EARLIER, CModeTable::SETUP, OPEN_EMAP} << expected(CModeTable::SETUP, CModeTable::EMAP_VIEW)
            << 5 << 8;
        // The E-Map button in the E-Map opens it again and keeps its way back.
        QTest::newRow("the E-Map button from an E-Map mode")
            << QList<int>{CModeTable::LIVE_M, OPEN_EMAP, OPEN_EMAP}
            << expected(CModeTable::LIVE_S, CModeTable::EMAP_VIEW) << 5 << 1;
        QTest::newRow("the E-Map button from live M") << QList<int>{CModeTable::LIVE_M, OPEN_EMAP}
                                                      << expected(CModeTable::LIVE_M, CModeTable::EMAP_VIEW) << 5 << 1;
        // PC setup closed over each mode: that mode is current again, its
        // button checked (the E-Map's modes have none) and nothing of it
        // stopped; its own button then changes nothing but the E-Map's maps;
        // setup's and the E-Map's Exit still return to the mode they were
        // entered from.
        const QList<QPair<Mode, const char*>> closed{{CModeTable::LIVE_S, "check"}, {CModeTable::LIVE_M, "check"},
            {CModeTable::SEARCH, "check"}, {CModeTable::PLAYBACK, "check"}, {CModeTable::BACKUP, "check"},
            {CModeTable::EMAP_VIEW, "-"}, {CModeTable::EMAP_EDIT, "-"}, {CModeTable::INFORMATION, "check"},
            {CModeTable::SETUP, "check"}};
        for (const auto& [behind, checked] : closed) {
            const QList<int> opened{EARLIER, behind, CModeTable::PC_SETUP};
            const bool returns = behind == CModeTable::SETUP || isEMap(behind);
            QTest::addRow("PC setup closed over %d", int(behind))
                << opened + QList<int>{CLOSE_PC_SETUP} << QLatin1String(checked) + QStringLiteral(" - - - - - - - - -")
                << int(behind) << (returns ? int(EARLIER) : UNCHECKED);
            QTest::addRow("PC setup closed over %d, then its button", int(behind))
                << opened + QList<int>{CLOSE_PC_SETUP, behind} << expected(behind, behind) << int(behind)
                << (returns ? int(EARLIER) : UNCHECKED);
            if (returns) {
                QTest::addRow("PC setup closed over %d, then Exit", int(behind))
                    << opened + QList<int>{CLOSE_PC_SETUP, BACK} << back(behind, EARLIER) << int(EARLIER) << UNCHECKED;
            }
        }
        QTest::newRow("PC setup already left: closing changes nothing")
            << QList<int>{CModeTable::LIVE_M, CModeTable::PC_SETUP, CModeTable::SETUP, CLOSE_PC_SETUP}
            << "- - - - - - - - - -" << 8 << 1;
    }

    void changes()
    {
        QFETCH(QList<int>, path);
        QFETCH(QString, steps);
        QFETCH(int, mode);
        QFETCH(int, wayOut);

        CModeTable table;
        CModeTable::Steps taken;
        for (const int choice : path) {
            taken = choice == BACK         ? table.back()
                : choice == OPEN_EMAP      ? table.openEMap()
                : choice == CLOSE_PC_SETUP ? table.closePCSetup()
                                           : table.enter(Mode(choice));
        }
        QCOMPARE(described(taken, table), steps);
        QCOMPARE(int(table.current()), mode);
        if (wayOut != UNCHECKED) {
            CModeTable left = table;
            if (left.current() == CModeTable::PC_SETUP)
                left.closePCSetup();
            else
                left.back();
            QCOMPARE(int(left.current()), wayOut);
        }

        const QList<Step> leaving{Step::ShowMainMenu, Step::LeaveSetup, Step::HideMapList, Step::CloseMaps};
        const QList<Step> connections{Step::Redraw, Step::Reconnect, Step::DropConnections, Step::SearchCurrent,
            Step::LocalFiles, Step::BackupCurrent, Step::ReadInformation, Step::ReadSetup};
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
