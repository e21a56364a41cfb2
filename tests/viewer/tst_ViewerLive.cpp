#include "ChooseEntry.h"
#include "Common/CCoreMetaTypes.h"
#include "Connection/CApplicationSender.h"
#include "Connection/CConnectDVR.h"
#include "Connection/CControlDVRList.h"
#include "Connection/CDVRListTree.h"
#include "Connection/COrderedCommands.h"
#include "Connection/CSendCommand.h"
#include "DVRSetup/CLiveCtrlWidget.h"
#include "DVRSetup/CPtzfWidget.h"
#include "DVRSetup/CRelaySwitches.h"
#include "DVRSetup/CRemotePortWiget.h"
#include "Display/CDisplayWidget.h"
#include "Display/CScreen.h"
#include "Display/CScreenWidget.h"
#include "Display/OpenGLMode.h"
#include "FileSizeLimit.h"
#include "H264TestEncoder.h"
#include "Recording/CPlaybackWidget.h"
#include "Settings/CAppSettings.h"
#include "Settings/CSavePath.h"
#include "ShownText.h"
#include "StoredFolderReset.h"
#include "SyncFault.h"
#include "TestDvr.h"
#include "TestDvrDelays.h"
#include "TestDvrGroups.h"
#include "TestDvrStreams.h"
#include "viewer/CCaptureFile.h"
#include "viewer/CDisplayTitle.h"
#include "viewer/CStartup.h"
#include "viewer/Viewer.h"

#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

// From the tree's connect request to live video in the main window: the
// wall, the title, the live controls and the buttons that follow the
// current DVR, a DVR connected by its address, a recording that cannot
// start, snapshots, double clicks and full screen, and many cycles of it
// all.
namespace {

// Only for what never comes: a busy computer may take long to show.
const int SHOW_TIME_LIMIT_MS = 30000;
const int STOP_TIME_LIMIT_MS = 15000;
const int ALL = 0xFFFF;

// A main window with groups of test DVRs in its DVR tree, driven as the
// operator and the tree drive it.
class ViewerBench : public TestDvrGroups {
public:
    ViewerBench()
        : m_viewer(std::make_unique<Viewer>())
        , m_tree(m_viewer->findChild<CDVRListTree*>())
    {
        setTree(m_tree);
        m_viewer->show();
        if (!QTest::qWaitForWindowExposed(m_viewer.get()))
            qWarning("the main window was not shown");
    }

    ~ViewerBench()
    {
        m_viewer.reset();
        // The DVRs hear the stop requests before they go.
        if (!QTest::qWaitFor([] { return CApplicationSender::pending() == 0; }, STOP_TIME_LIMIT_MS))
            qWarning("stop requests were still under way");
    }

    // Plays the operator's and the DVRs' events in turn, each once the one
    // before has taken effect; returns the first that did not, or nothing.
    // DVR i is the i-th of group 0 as it was added.
    //   connect[=i[:g]] the group (g, else 0) from the tree (naming its DVR i)
    //   select=s     a click on screen s, once it shows a picture
    //   dclick=s     a double click on screen s
    //   fail=i       DVR i ends its streams and refuses new ones, but still
    //                takes commands; back=i: it streams again, reconnected
    //   kill=i       DVR i's program ends: its port closes with its streams
    //   retry=i      DVR i's controller tries to reconnect at once after
    //                each failure
    //   restart=i    DVR i closes every stream soon: its link restarts by
    //                itself, waiting longer each time (until the tiles say
    //                failed)
    //   refuse=i[:n] DVR i refuses the next (n) relay switch-offs;
    //                refuseOn=i: the next relay On
    //   slow=i       DVR i answers relay commands a second late
    //   late=i       DVR i handles its next relay command a second late, as
    //                a slow link delivers it; hold=i: it holds its answers
    //                to relay commands until the row ends
    //   offs=i:n     DVR i has received n switch-offs; stops=i:n n PTZ stops
    //   sent=i:n     DVR i has received exactly n switch-offs by now
    //   streams=i:n  DVR i serves n streams
    //   tile=s:c     screen s shows a picture of channel c
    //   auto=0|1     the relay page's Auto shows unchecked or checked
    //   choose=<list>:n the operator chooses entry n of the list
    //   press=<name> presses the button; held=<name>: it is still down;
    //   release      lets go of every button
    //   rename=i[:g] the tree's edit dialog names row i (of group g, else 0)
    //                "Z"; title=<name>: the title names that DVR right now
    //   port=i:j     the tree's edit gives row i the port of DVR j
    //   mask=i:m     the tree's edit gives row i the channel mask m
    //   delete=i[:g] the tree's row i (of group g, else 0) is deleted;
    //                deletegroup=g: group g is; click=i[:g]: a click on
    //                row i (of group g, else 0)
    //   rightClick=i[:g] a right click on row i (of group g, else 0), its
    //                menu left with Escape; menuDisconnect=i: that of row
    //                i of group 0, its Disconnect chosen; under: a click on
    //                the tree under its rows chooses nothing and leaves its
    //                highlight as it was; tree=<name>: the tree highlights
    //                that DVR's row alone ("-": no row)
    //   disconnect=i the tree disconnects row i (-1: the group); icon=i: row
    //                i shows connected
    //   again        the tree connects the group again, whatever its DVRs
    //                answer
    //   failed       every tile on view shows a DVR's failed state; live:
    //                a picture; empty: neither. failed=i, live=i, empty=i:
    //                so once DVR i is on the wall again, its redraw done
    //   idle         no modal window is open
    //   off          the live control panel commands no DVR right now;
    //                panel=<name>: it commands that DVR
    //   close[=ms]   the window closes and the program ends as main() ends
    //                it (waiting at most ms for what is on its way); the
    //                texts of the boxes it shows are kept (toldAtEnd)
    //   <name>       a click on the button, or "step" for a sequence step
    QString play(const QString& events)
    {
        for (const QString& event : events.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            if (!run(event))
                return event;
        }
        return QString();
    }

    // The relay commands the DVR received, in order: "on off ...", each
    // "(guest)" when it came with the guest's account; or "-".
    QString relayCommands(int i) const
    {
        QStringList commands;
        for (const TestDvrRequest& request : dvr(i).requests()) {
            if (const std::optional<bool> on = request.relayOn())
                commands << QLatin1String(*on ? "on" : "off") + QLatin1String(request.guest ? "(guest)" : "");
        }
        return commands.isEmpty() ? QStringLiteral("-") : commands.join(QLatin1Char(' '));
    }

    // The relay switch-offs the DVR received, with either account.
    int switchOffs(int i) const
    {
        const QStringList commands = relayCommands(i).split(QLatin1Char(' '));
        return int(std::count_if(commands.cbegin(), commands.cend(),
            [](const QString& command) { return command.startsWith(QLatin1String("off")); }));
    }

    // The PTZ stops the DVR received.
    int ptzStops(int i) const
    {
        const QList<TestDvrRequest> requests = dvr(i).requests();
        return int(std::count_if(requests.cbegin(), requests.cend(), [](const TestDvrRequest& request) {
            cgi::Ptzf ptzf;
            return request.kind == TestDvrRequest::Command && request.mode == cgi::MODE_PTZF
                && ptzf.ParseFromString(request.data.toStdString()) && ptzf.cmd() == cgi::Ptzf::CMD_STOP;
        }));
    }

    // What the framed tile, the title and the live control panel name (a
    // DVR's name, or "-"), and the page shown with the page button checked:
    // "<frame> <title> <panel> <page>/<button>".
    QString selection() const
    {
        const CDisplayWidget* display = wall();
        QString frame = QStringLiteral("-");
        for (const CConnectDVR* controller : m_viewer->connections().entries()) {
            if (controller && controller->isVisible()
                && display->selectedScreen() >= controller->getDisplayStartScreen()
                && display->selectedScreen() < controller->getDisplayEndScreen())
                frame = QString::fromStdString(controller->getDVR().name());
        }
        const QString title = leftTitle().section(QLatin1Char('('), 0, 0);
        const CLiveCommand& panel = m_viewer->findChild<CPtzfWidget*>()->command();
        int checked = -1;
        for (int page = 0; page < 4; ++page) {
            if (button(QStringLiteral("DVRControl%1").arg(page).toLatin1().constData())->isChecked())
                checked = page;
        }
        return QStringLiteral("%1 %2 %3 %4/%5")
            .arg(frame, title.isEmpty() ? QStringLiteral("-") : title,
                panel.hasDVR() ? QString::fromStdString(panel.dvr().name()) : QStringLiteral("-"))
            .arg(m_viewer->findChild<CLiveCtrlWidget*>()->currentPage())
            .arg(checked);
    }

    // Waits until the application's sender has had its answers, then sends
    // each DVR a request of no live kind, through a sender of the test's
    // own, and waits until all have it: what the main window sent them
    // before has arrived by then. The test's own link is no later in line
    // than the application's, hence the wait for the answers first.
    bool mark()
    {
        if (!QTest::qWaitFor(
                [] { return CApplicationSender::pending() == 0 && !COrderedCommands::ofApplication().isBusy(); }))
            return false;
        QList<qsizetype> before;
        for (int i = 0; i < dvrCount(); ++i) {
            before << dvr(i).requests().size();
            m_marker.send(dvr(i).dvrRecord(), TestDvr::newQuery(cgi::MODE_SYS_LOG));
        }
        return QTest::qWaitFor([&] {
            for (int i = 0; i < dvrCount(); ++i) {
                const QList<TestDvrRequest> since = dvr(i).requests().mid(before.at(i));
                if (std::none_of(since.cbegin(), since.cend(),
                        [](const TestDvrRequest& request) { return request.mode == cgi::MODE_SYS_LOG; }))
                    return false;
            }
            return true;
        });
    }

    // What the program's end told in its boxes, one box a line.
    QString toldAtEnd() const { return m_toldAtEnd.join(QLatin1Char('\n')); }

    ViewerBench(const ViewerBench&) = delete;
    ViewerBench& operator=(const ViewerBench&) = delete;

    Viewer& viewer() { return *m_viewer; }
    CDVRListTree* tree() const { return m_tree; }
    CDisplayWidget* wall() const { return m_viewer->findChild<CDisplayWidget*>(); }
    CConnectDVR* controller(int i) const { return m_viewer->connections().entries().value(i); }
    QPushButton* button(const char* name) const { return m_viewer->findChild<QPushButton*>(QLatin1String(name)); }
    QString leftTitle() const { return m_viewer->findChild<CDisplayTitle*>()->left()->text(); }

    // Clicks each button named, or "step" for a step of the sequence.
    void act(const QString& actions)
    {
        for (const QString& action : actions.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            if (action == QLatin1String("step"))
                wall()->switchChannel();
            else
                button(action.toLatin1().constData())->click();
        }
    }

    // Every controller has video flowing and the main window heard so.
    bool connected() const { return TestDvrGroups::connected(m_viewer->connections()); }

    // Every tile on view that a DVR fills shows a picture or the DVR's
    // state: the redraw after a layout change or a failure is done. A DVR
    // the tree disconnected fills its tiles with nothing until it starts
    // again.
    bool settled() const
    {
        const CDisplayWidget* display = wall();
        for (int tile = 0; tile < display->getViewScreens(); ++tile) {
            const int screen = display->getViewStartScreen() + tile;
            const QList<CConnectDVR*>& entries = m_viewer->connections().entries();
            const bool filled = std::any_of(entries.cbegin(), entries.cend(), [&](CConnectDVR* controller) {
                return controller && controller->isVisible()
                    && (controller->isStarted() || !m_disconnected.contains(controller))
                    && screen >= controller->getDisplayStartScreen() && screen < controller->getDisplayEndScreen();
            });
            const CDisplayInfo info = display->wall()->getInfo(tile);
            if (filled && !info.hasPicture() && !info.status)
                return false;
        }
        return true;
    }

    // The DVRs' screens are those of the view shown: one DVR's after
    // another in the many-DVR view, each from screen 0 in the one-DVR view.
    // Until the redraw after a change of view they are still those of the
    // view before, and a click on a tile may frame no DVR's screen yet.
    bool laidOut() const
    {
        const bool manyDvrs = wall()->getScreenMode() == CDisplayWidget::MULTI_DVR;
        int next = 0;
        for (const CConnectDVR* controller : m_viewer->connections().entries()) {
            if (!controller)
                continue;
            if (controller->getDisplayStartScreen() != (manyDvrs ? next : 0))
                return false;
            next += controller->getDisplayEndScreen() - controller->getDisplayStartScreen();
        }
        return true;
    }

    // The tiles [0, count) show their own channel's pictures.
    bool showsChannels(int count) const
    {
        for (int tile = 0; tile < count; ++tile) {
            const CDisplayInfo info = wall()->wall()->getInfo(tile);
            if (info.channel != tile || !info.hasPicture())
                return false;
        }
        return true;
    }

private:
    bool run(const QString& event)
    {
        const QString name = event.section(QLatin1Char('='), 0, 0);
        const QString argument = event.section(QLatin1Char('='), 1);
        const int value = argument.section(QLatin1Char(':'), 0, 0).toInt();
        const int count = argument.section(QLatin1Char(':'), 1).toInt();
        CDisplayWidget* display = m_viewer ? wall() : nullptr;
        std::function<bool()> done = [this] { return settled(); };
        if (name == QLatin1String("connect")) {
            connectGroup(count, event.contains(QLatin1Char('=')) ? value : -1);
            done = [this] { return connected(); };
        } else if (name == QLatin1String("select")) {
            const auto shown = [&] {
                const CDisplayInfo tile = display->wall()->getInfo(value - display->getViewStartScreen());
                return tile.hasPicture() || tile.status;
            };
            if (!QTest::qWaitFor(shown, SHOW_TIME_LIMIT_MS))
                return false;
            display->updateSelectScreen(value);
        } else if (name == QLatin1String("dclick")) {
            emit display->doubleClicked(value);
        } else if (name == QLatin1String("fail") || name == QLatin1String("back")) {
            const bool fail = name == QLatin1String("fail");
            TestDvrStreamSettings settings;
            settings.fault = fail ? TestDvrStreamSettings::Fault::Refuse : TestDvrStreamSettings::Fault::None;
            settings.faultValue = 2;
            dvr(value).setStreamSettings(settings);
            if (fail) {
                dvr(value).streams()->dropAll();
                done = [this, value] { return !controller(value)->isStarted() && settled(); };
            } else {
                controller(value)->OnTimer();
                done = [this] { return connected() && settled(); };
            }
        } else if (name == QLatin1String("kill")) {
            dvr(value).close();
            done = [this, value] { return !controller(value)->IsConnected(); };
        } else if (name == QLatin1String("retry")) {
            CAppSettings().writeSetting(CAppSettings::RECONNECT, true);
            controller(value)->setReconnectDelay(1);
        } else if (name == QLatin1String("restart")) {
            TestDvrStreamSettings settings;
            settings.fault = TestDvrStreamSettings::Fault::CloseAfter;
            settings.faultValue = 20;
            dvr(value).setStreamSettings(settings);
            // Every drop comes soon after the last: the waits grow.
            controller(value)->findChild<CHttpConnect*>(QStringLiteral("video"))->setSteadyTime(3600000);
            dvr(value).streams()->dropAll();
            done = [this, display] {
                const CDisplayInfo tile = display->wall()->getInfo(0);
                return tile.status && tile.failure.isLost();
            };
        } else if (name == QLatin1String("refuse")) {
            dvr(value).refuseNextRelay(false, std::max(count, 1));
        } else if (name == QLatin1String("refuseOn")) {
            dvr(value).refuseNextRelay(true);
        } else if (name == QLatin1String("slow")) {
            TestDvrDelays::install(dvr(value), TestDvrRequest::NewDialect, {{cgi::MODE_RELAY_PORT, 1000}});
        } else if (name == QLatin1String("slowmoves")) {
            TestDvrDelays::install(dvr(value), TestDvrRequest::NewDialect, {{cgi::MODE_PTZF, 8000}});
        } else if (name == QLatin1String("newpassword")) {
            dvr(value).setCredentials(dvr(value).user(), QStringLiteral("5678"));
        } else if (name == QLatin1String("told")) {
            done = [this, argument] {
                return m_viewer->findChild<QLabel*>(QStringLiteral("relayProblem"))->text().contains(argument);
            };
        } else if (name == QLatin1String("late")) {
            dvr(value).handleLate(cgi::MODE_RELAY_PORT, 1000);
        } else if (name == QLatin1String("hold")) {
            dvr(value).holdAnswers(cgi::MODE_RELAY_PORT);
        } else if (name == QLatin1String("sent")) {
            return mark() && switchOffs(value) == count;
        } else if (name == QLatin1String("streams")) {
            done = [this, value, count] { return dvr(value).streams()->runningCount() == count; };
        } else if (name == QLatin1String("tile")) {
            done = [display, value, count] {
                const CDisplayInfo tile = display->wall()->getInfo(value - display->getViewStartScreen());
                return tile.hasPicture() && tile.channel == count;
            };
        } else if (name == QLatin1String("offs") || name == QLatin1String("stops")) {
            const bool offs = name == QLatin1String("offs");
            done = [this, offs, value, count] { return (offs ? switchOffs(value) : ptzStops(value)) >= count; };
        } else if (name == QLatin1String("stopped")) {
            // As the program ends: no later answer lets a stop go.
            return ptzStops(value) >= count;
        } else if (name == QLatin1String("auto")) {
            return button("RPAuto0")->isChecked() == (value == 1);
        } else if (name == QLatin1String("choose")) {
            const QString list = argument.section(QLatin1Char(':'), 0, 0);
            chooseEntry(*m_viewer->findChild<QComboBox*>(list), count);
            return true;
        } else if (name == QLatin1String("press")) {
            QTest::mousePress(button(argument.toLatin1().constData()), Qt::LeftButton);
        } else if (name == QLatin1String("held")) {
            return button(argument.toLatin1().constData())->isDown();
        } else if (name == QLatin1String("release")) {
            for (QPushButton* held : m_viewer->findChildren<QPushButton*>()) {
                if (held->isDown())
                    QTest::mouseRelease(held, Qt::LeftButton);
            }
        } else if (name == QLatin1String("rename") || name == QLatin1String("port") || name == QLatin1String("mask")
            || name == QLatin1String("password")) {
            const bool rename = name == QLatin1String("rename");
            edit(
                value,
                [&](DVR& record) {
                    if (rename)
                        record.set_name("Z");
                    else if (name == QLatin1String("password"))
                        record.set_password("5678");
                    else if (name == QLatin1String("port"))
                        record.set_port(dvr(count).port());
                    else
                        record.set_bitch(argument.section(QLatin1Char(':'), 1).toUInt(nullptr, 0));
                },
                rename ? count : 0);
        } else if (name == QLatin1String("delete")) {
            // Chosen first, as a click would: a row of a group not connected
            // leaves no DVR current and none highlighted.
            QTreeWidgetItem* item = m_tree->topLevelItem(count)->child(value);
            m_tree->setCurrentItem(item);
            m_tree->OnDeleteDVR(item);
        } else if (name == QLatin1String("deletegroup")) {
            QTreeWidgetItem* item = m_tree->topLevelItem(value);
            m_tree->setCurrentItem(item);
            m_tree->OnDeleteGroup(item);
        } else if (name == QLatin1String("click")) {
            const QRect row = m_tree->visualItemRect(m_tree->topLevelItem(count)->child(value));
            QTest::mouseClick(m_tree->viewport(), Qt::LeftButton, {}, row.center());
        } else if (name == QLatin1String("rightClick")) {
            return rightClick(m_tree, m_tree->topLevelItem(count)->child(value));
        } else if (name == QLatin1String("menuDisconnect")) {
            m_disconnected << controller(value);
            if (!rightClick(m_tree, m_tree->topLevelItem(0)->child(value), QStringLiteral("Disconnect")))
                return false;
            done = [this, value] { return !controller(value)->isStarted() && settled(); };
        } else if (name == QLatin1String("under")) {
            const QPoint below(m_tree->viewport()->width() / 2, m_tree->viewport()->height() - 4);
            const QList<QTreeWidgetItem*> before = m_tree->selectedItems();
            if (m_tree->itemAt(below))
                return false;
            const QSignalSpy chosen(m_tree, &CDVRListTree::changedDVR);
            QTest::mouseClick(m_tree->viewport(), Qt::LeftButton, {}, below);
            // Before the next redraw of the wall shows the current DVR again.
            return chosen.isEmpty() && m_tree->selectedItems() == before;
        } else if (name == QLatin1String("tree")) {
            done = [this, argument] {
                const QList<QTreeWidgetItem*> shown = m_tree->selectedItems();
                return shown.isEmpty() ? argument == QLatin1String("-")
                                       : shown.size() == 1
                        && QString::fromStdString(shown.first()->data(0, Qt::UserRole).value<DVR>().name()) == argument;
            };
        } else if (name == QLatin1String("disconnect")) {
            for (int i = 0; i < m_viewer->connections().entries().size(); ++i) {
                if (value < 0 || i == value)
                    m_disconnected << controller(i);
            }
            emit m_tree->disconnectDVR(0, value);
            done = [this, value] { return !controller(std::max(value, 0))->isStarted() && settled(); };
        } else if (name == QLatin1String("again")) {
            connectGroup(0);
        } else if (name == QLatin1String("icon")) {
            const QIcon connected = CControlDVRList::getConnectedIcon();
            return m_tree->topLevelItem(0)->child(value)->icon(0).pixmap(16).toImage()
                == connected.pixmap(16).toImage();
        } else if (name == QLatin1String("title")) {
            return leftTitle().section(QLatin1Char('('), 0, 0) == argument;
        } else if (name == QLatin1String("off")) {
            return !m_viewer->findChild<CPtzfWidget*>()->command().hasDVR();
        } else if (name == QLatin1String("panel")) {
            done = [this, argument] {
                const CLiveCommand& panel = m_viewer->findChild<CPtzfWidget*>()->command();
                return panel.hasDVR() && QString::fromStdString(panel.dvr().name()) == argument;
            };
        } else if (name == QLatin1String("failed") || name == QLatin1String("live") || name == QLatin1String("empty")) {
            const bool failed = name == QLatin1String("failed");
            const bool picture = name == QLatin1String("live");
            const bool drawn = !argument.isEmpty();
            done = [this, display, failed, picture, drawn, value] {
                for (int tile = 0; tile < display->getViewScreens(); ++tile) {
                    const CDisplayInfo info = display->wall()->getInfo(tile);
                    if (info.status != failed || (!failed && info.hasPicture() != picture))
                        return false;
                }
                // The redraw that puts it on the wall shows its state in
                // the same step.
                return !drawn || controller(value)->isVisible();
            };
        } else if (name == QLatin1String("idle")) {
            done = [] { return !QApplication::activeModalWidget(); };
        } else if (name == QLatin1String("close")) {
            QTimer watch;
            QObject::connect(&watch, &QTimer::timeout, [this] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    m_toldAtEnd << shownText(*box);
                    box->accept();
                }
            });
            watch.start(20);
            CStartup::end(std::move(m_viewer), value > 0 ? value : CStartup::PENDING_COMMANDS_WAIT_MS);
            return true;
        } else {
            act(event);
            // A change of view lays the DVRs' screens out at its redraw.
            if (event == QLatin1String("LiveS") || event == QLatin1String("LiveM"))
                done = [this] { return laidOut() && settled(); };
        }
        return QTest::qWaitFor(done, SHOW_TIME_LIMIT_MS);
    }

    std::unique_ptr<Viewer> m_viewer;
    CDVRListTree* m_tree;
    CSendCommand m_marker;
    QList<QPointer<CConnectDVR>> m_disconnected;
    QStringList m_toldAtEnd;
};

// The live commands a DVR received after its first `skip` requests, by
// kind in a fixed order, a kind "as guest" when one came with the guest's
// account: "-" for none.
QString liveCommandsSince(const TestDvr& dvr, qsizetype skip)
{
    const QList<QPair<int, const char*>> kinds{{cgi::MODE_PTZF, "ptz"}, {cgi::MODE_RELAY_PORT, "relay"},
        {cgi::MODE_PICTURE_SET, "picture"}, {cgi::MODE_RECORD, "record"}};
    const QList<TestDvrRequest> requests = dvr.requests().mid(skip);
    QStringList seen;
    for (const auto& [mode, name] : kinds) {
        const auto ofKind = [mode = mode](const TestDvrRequest& request) {
            return request.kind == TestDvrRequest::Command && request.mode == mode;
        };
        if (std::none_of(requests.cbegin(), requests.cend(), ofKind))
            continue;
        const bool guest = std::any_of(requests.cbegin(), requests.cend(),
            [&ofKind](const TestDvrRequest& request) { return ofKind(request) && request.guest; });
        seen << QLatin1String(name) + (guest ? QStringLiteral(" as guest") : QString());
    }
    return seen.isEmpty() ? QStringLiteral("-") : seen.join(QLatin1Char(','));
}

// The channels of the PTZ and picture commands a DVR received after its
// first `skip` requests, in order of arrival.
QString channelsSince(const TestDvr& dvr, qsizetype skip)
{
    QStringList channels;
    for (const TestDvrRequest& request : dvr.requests().mid(skip)) {
        cgi::Ptzf ptzf;
        cgi::PictureControlSet picture;
        const std::string data = request.data.toStdString();
        if (request.kind != TestDvrRequest::Command)
            continue;
        if (request.mode == cgi::MODE_PTZF && ptzf.ParseFromString(data))
            channels << QString::number(ptzf.channel());
        else if (request.mode == cgi::MODE_PICTURE_SET && picture.ParseFromString(data))
            channels << QString::number(picture.channel());
    }
    channels.removeDuplicates();
    return channels.join(QLatin1Char(','));
}

void connectMyDvr(ViewerBench& bench, bool oldProtocol, quint32 mask = ALL)
{
    bench.addGroup(QStringLiteral("My Group"), {bench.addDvr(QStringLiteral("My DVR"), oldProtocol, 16, mask)});
    bench.connectGroup(0);
}

// Clicks the button and returns the text of the modal box it opened, as
// the operator reads it.
QString clickForBox(QPushButton* button)
{
    QString text;
    QTimer::singleShot(0, [&text] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        text = shownText(*box);
        box->accept();
    });
    button->click();
    return text;
}

} // namespace

class tst_ViewerLive : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        CStartup::prepareApplication();
        QLoggingCategory::setFilterRules(QStringLiteral("qelm.network.debug=false"));
        CAppSettings().writeSetting(CAppSettings::OSD_CH_NAME, 0);
    }

    void init()
    {
        CAppSettings settings;
        settings.writeSetting(CAppSettings::OPENGL, OPENGL_OFF);
        settings.writeSetting(CAppSettings::CODEC_TYPE, 0);
    }

    void dialects_data()
    {
        QTest::addColumn<bool>("oldProtocol");
        QTest::newRow("new dialect") << false;
        QTest::newRow("old dialect") << true;
    }

    void connectShowsLiveVideo_data() { dialects_data(); }

    void connectShowsLiveVideo()
    {
        QFETCH(bool, oldProtocol);
        ViewerBench bench;
        connectMyDvr(bench, oldProtocol);
        QTRY_VERIFY_WITH_TIMEOUT(bench.showsChannels(16), SHOW_TIME_LIMIT_MS);
        QTRY_COMPARE(bench.leftTitle(), QStringLiteral("My DVR( admin )"));
        const QIcon icon = bench.tree()->topLevelItem(0)->child(0)->icon(0);
        QCOMPARE(icon.pixmap(16).toImage(), CControlDVRList::getConnectedIcon().pixmap(16).toImage());
        for (const char* name : {"DVRControl2", "DVRControl3", "Setup"})
            QVERIFY2(bench.button(name)->isHidden() == oldProtocol, name);
        QVERIFY(bench.button("RecToDVR")->isEnabled());
    }

    void directConnect()
    {
        ViewerBench bench;
        bench.addDvr(QString(), false);
        QTimer::singleShot(0, [] {
            QWidget* login = QApplication::activeModalWidget();
            const QList<QLineEdit*> fields = login->findChildren<QLineEdit*>();
            fields.at(0)->setText(QStringLiteral("admin"));
            fields.at(1)->setText(QStringLiteral("1234"));
            QMetaObject::invokeMethod(login, "accept");
        });
        bench.viewer().connectDVR(TestDvr::address(), bench.dvr(0).port());
        QCOMPARE(bench.viewer().connections().entries().size(), 1);
        QCOMPARE(bench.controller(0)->getDisplayEndScreen(), 16);
        QTRY_VERIFY_WITH_TIMEOUT(bench.showsChannels(16), SHOW_TIME_LIMIT_MS);
        // The first DVR of the first group is another DVR.
        emit bench.tree()->disconnectDVR(0, 0);
        emit bench.tree()->aboutToRemove(0, 0);
        QCOMPARE(bench.viewer().connections().entries().size(), 1);
        QVERIFY(bench.controller(0)->IsConnected());
    }

    // A recording to the PC that cannot start: the button goes back, the
    // reason is told.
    void recordFailureIsTold()
    {
        QTemporaryDir records;
        const StoredFolderReset forgetFolders;
        QVERIFY(QFile(records.filePath(QStringLiteral("file"))).open(QIODevice::WriteOnly));
        CAppSettings().writeSetting(CAppSettings::PATH_LIST.at(1), records.filePath(QStringLiteral("file/x")));
        ViewerBench bench;
        connectMyDvr(bench, false);
        QTRY_VERIFY_WITH_TIMEOUT(bench.connected(), SHOW_TIME_LIMIT_MS);
        bench.button("RecToPC")->click();
        QVERIFY(!bench.button("RecToPC")->isChecked());
        auto* box = bench.viewer().findChild<QMessageBox*>();
        QVERIFY(box && box->isVisible() && box->text().startsWith(QStringLiteral("[ERROR]")));
    }

    // Live M has no recording to the PC: it also ends that of a DVR that is
    // not current, which then streams the channels on view alone.
    void manyDvrsEndRecordingsToPc()
    {
        QTemporaryDir records;
        const StoredFolderReset forgetFolders;
        CAppSettings().writeSetting(CAppSettings::PATH_LIST.at(1), records.path());
        ViewerBench bench;
        bench.addGroup(QStringLiteral("Shop"),
            {bench.addDvr(QStringLiteral("A"), false), bench.addDvr(QStringLiteral("B"), false)});
        bench.connectGroup(0);
        QTRY_VERIFY_WITH_TIMEOUT(bench.connected(), SHOW_TIME_LIMIT_MS);
        bench.act(QStringLiteral("RecToPC"));
        QVERIFY(bench.controller(0)->isRecording());
        emit bench.tree()->changedDVR(0, 1);
        QVERIFY(!bench.button("RecToPC")->isChecked());

        bench.act(QStringLiteral("LiveM Screen2x2"));
        QVERIFY(!bench.controller(0)->isRecording());
        QTRY_COMPARE(TestDvrGroups::streamedChannels(bench.dvr(0), bench.controller(0)->getClientID()), 0x000Fu);
    }

    void snapshots_data()
    {
        QTest::addColumn<int>("rendering");
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("subfolder");
        QTest::newRow("OpenGL, JPEG") << int(OPENGL_HIGH_PERFORMANCE) << int(CAPTURE_FILEFORMAT::JPEG) << "shots";
        QTest::newRow("widgets, PNG") << int(OPENGL_OFF) << int(CAPTURE_FILEFORMAT::PNG) << "shots";
        QTest::newRow("a folder named with markup") << int(OPENGL_OFF) << int(CAPTURE_FILEFORMAT::PNG) << "<i>snap</i>";
    }

    void snapshots()
    {
        QFETCH(int, rendering);
        QFETCH(int, format);
        QFETCH(QString, subfolder);
        QTemporaryDir folder;
        const StoredFolderReset forgetFolders;
        const QString shots = folder.filePath(subfolder);
        CAppSettings settings;
        settings.writeSetting(CAppSettings::OPENGL, rendering);
        settings.writeSetting(CAppSettings::CAPTURE_FILE_FORMAT, format);
        settings.writeSetting(CAppSettings::PATH_LIST.at(0), shots);
        QCOMPARE(settings.save(), CWholeFileWriter::Result::Written);
        ViewerBench bench;
        connectMyDvr(bench, false);
        QTRY_VERIFY_WITH_TIMEOUT(bench.showsChannels(16), SHOW_TIME_LIMIT_MS);

        const QString text = clickForBox(bench.button("Capture"));
        const QRegularExpressionMatch saved
            = QRegularExpression(QStringLiteral("^The image has been saved.\\n\\((.*/\\d{8}_\\d{6}\\.(png|jpg))\\)$"))
                  .match(text);
        QVERIFY2(saved.hasMatch(), qPrintable(text));
        QCOMPARE(QFileInfo(saved.captured(1)).path(), shots);
        QCOMPARE(saved.captured(2), format == CAPTURE_FILEFORMAT::PNG ? QStringLiteral("png") : QStringLiteral("jpg"));
        // Widget mode grabs the display area, title included.
        const QPoint wallAt = rendering == OPENGL_OFF ? bench.wall()->pos() : QPoint();
        const QRect tile = bench.wall()->wall()->getDisplayRect(5).translated(wallAt);
        const QImage image = QImage(saved.captured(1)).convertToFormat(QImage::Format_RGB32);
        QVERIFY(H264TestEncoder::tileShowsPattern(image, tile, 352, 240, 5));

        // The folder's sync fails after the picture took its place: the box
        // says it is saved, and that it may not be on the disk.
        SyncFault::failNext(true, EIO);
        const QString unconfirmed = clickForBox(bench.button("Capture"));
        const QRegularExpressionMatch kept = QRegularExpression(
            QStringLiteral("^The image has been saved, but the system could not confirm that it is "
                           "on the disk.\\n\\((.*)\\)\\n")
            + QRegularExpression::escape(qt_error_string(EIO)) + u'$')
                                                 .match(unconfirmed);
        QVERIFY2(kept.hasMatch(), qPrintable(unconfirmed));
        QVERIFY(QImage(kept.captured(1)).size() == image.size());

        settings.writeSetting(CAppSettings::PATH_LIST.at(0), saved.captured(1) + QStringLiteral("/inside"));
        QCOMPARE(settings.save(), CWholeFileWriter::Result::Written);
        QVERIFY(clickForBox(bench.button("Capture")).startsWith(QStringLiteral("The image could not be saved.")));

        // No room for the picture: no file is left behind, and the box says why.
        const QTemporaryDir full;
        settings.writeSetting(CAppSettings::PATH_LIST.at(0), full.path());
        QCOMPARE(settings.save(), CWholeFileWriter::Result::Written);
        const FileSizeLimit noRoom(0);
        const QString told = clickForBox(bench.button("Capture"));
        QVERIFY2(told.endsWith(QLatin1Char('\n') + qt_error_string(EFBIG)), qPrintable(told));
        QVERIFY(QDir(full.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
    }

    void snapshotNames()
    {
        QTemporaryDir folder;
        const QDateTime time(QDate(2024, 3, 5), QTime(7, 8, 9));
        const QString first = CCaptureFile::freeName(folder.path(), time, CAPTURE_FILEFORMAT::PNG);
        QCOMPARE(first, folder.filePath(QStringLiteral("20240305_070809.png")));
        QFile(first).open(QIODevice::WriteOnly);
        QCOMPARE(CCaptureFile::freeName(folder.path(), time, CAPTURE_FILEFORMAT::PNG),
            folder.filePath(QStringLiteral("20240305_070809-1.png")));

        CAppSettings().writeSetting(CAppSettings::PATH_LIST.at(0), QString());
        QCOMPARE(CCaptureFile::folder(), CSavePath::defaultPath(CAppSettings::PATH_LIST.at(0)));
        QVERIFY(QFileInfo(CCaptureFile::folder()).isDir());
    }

    void doubleClickAndFullScreen()
    {
        ViewerBench bench;
        connectMyDvr(bench, false);
        QTRY_VERIFY_WITH_TIMEOUT(bench.showsChannels(16), SHOW_TIME_LIMIT_MS);
        CDisplayWidget* wall = bench.wall();
        emit wall->doubleClicked(5);
        QVERIFY(wall->IsSameScreen(1, 5) && bench.button("Ch5")->isChecked());
        emit wall->doubleClicked(5);
        QVERIFY(wall->IsSameScreen(16, 0) && bench.button("Screen16_0")->isChecked());
        QVERIFY(!bench.button("Ch5")->isChecked());

        bench.button("SingleFull")->click();
        QVERIFY(wall->isFullScreen() && !bench.viewer().isVisible());
        QTest::keyClick(wall, Qt::Key_Escape);
        QVERIFY(bench.viewer().isVisible());
        QCOMPARE(wall->parentWidget()->objectName(), QStringLiteral("DisplayFrame"));
        QTRY_VERIFY_WITH_TIMEOUT(bench.showsChannels(16), SHOW_TIME_LIMIT_MS);
    }

    // A group of DVRs A and B, and a DVR C beside it, driven by the
    // operator's and the DVRs' events (ViewerBench::play). Then the framed
    // tile, the title and the live control panel name one DVR, the page
    // shown is the page whose button is checked, and the commands of the
    // panel (PTZ, relay, picture) and of the main window (record on the DVR)
    // reach the DVR named, or none while that DVR is not connected. PTZ and
    // picture act on a single screen only, and on the framed tile's channel.
    void commandsFollowTheTitle_data()
    {
        QTest::addColumn<QString>("events");
        QTest::addColumn<QString>("selection"); // "<frame> <title> <panel> <page>/<button>"
        QTest::addColumn<QString>("received"); // "<A's kinds> | <B's kinds> | <C's kinds>"
        QTest::addColumn<QString>("channel"); // of the PTZ and picture commands; empty: not checked
        const auto row = [](const char* name, const char* events, const char* selection, const QString& received,
                             const QString& channel = QString()) {
            const QString toC = received.count(QLatin1Char('|')) < 2 ? QStringLiteral(" | -") : QString();
            QTest::newRow(name) << events << selection << received + toC << channel;
        };
        const QString all = QStringLiteral("ptz,relay,picture,record");
        row("B selected, A fails, a double click on A's failed tile", "connect LiveM select=16 fail=0 dclick=3",
            "A A - 0/0", "- | -");
        row("then A comes back", "connect LiveM select=16 fail=0 dclick=3 back=0", "A A A 0/0", all + " | -", "3");
        row("the current DVR fails in Live S", "connect fail=0", "A A - 0/0", "- | -");
        row("the current DVR fails in Live M", "connect LiveM fail=0", "A A - 0/0", "- | -");
        row("another DVR fails: the selected one stays", "connect LiveM select=16 fail=0", "B B B 0/0",
            "- | relay,record");
        row("a page change takes the selected DVR off the view", "connect LiveM select=16 Screen2x2", "A A A 0/0",
            "relay,record | -");
        row("Live S shows the DVR selected in Live M", "connect LiveM select=16 LiveS", "B B B 0/0",
            "- | relay,record");
        row("a single screen of B", "connect LiveM select=16 dclick=16", "B B B 0/0", "- | " + all, "0");
        row("another channel of the same DVR framed", "connect Ch3 Ch5", "A A A 0/0", all + " | -", "5");
        row("B connected from the tree after A failed", "connect fail=0 connect=1", "B B B 0/0", "- | relay,record");
        row("sequence steps keep the relay page", "connect DVRControl2 step step", "A A A 2/2", all + " | -");
        row("a click on a failed tile", "connect LiveM fail=1 select=16", "B B - 0/0", "- | -");
        row("back from Search", "connect LiveM select=16 Search idle LiveM", "A A A 0/0", "relay,record | -");
        row("back from Information", "connect LiveM select=16 Information LiveM", "A A A 0/0", "relay,record | -");
        row("the current DVR renamed", "connect rename=0 title=Z icon=0", "Z Z Z 0/0", "relay,record | -");
        row("the current DVR renamed in Live M", "connect LiveM rename=0 title=Z icon=0", "Z Z Z 0/0",
            "relay,record | -");
        row("the current DVR's address edited to C's", "connect port=0:2 streams=0:0 streams=2:2 dclick=0", "A A A 0/0",
            "- | - | " + all, "0");
        row("the current DVR's channels edited in Live M",
            "connect LiveM Screen6x6 mask=0:0x00F0 tile=3:7 tile=4:0 dclick=3", "A A A 0/0", all + " | -", "7");
        row("the current DVR deleted, then a click on the selected row", "connect delete=0 click=0", "B B B 0/0",
            "- | relay,record");
        // The tree highlights the DVR the title names, whatever made it
        // current; a click on a row makes its DVR current, a right click
        // chooses nothing.
        row("B chosen, Live M, back to Live S", "connect click=1 title=B LiveM LiveS tree=A", "A A A 0/0",
            "relay,record | -");
        row("then B clicked", "connect click=1 LiveM LiveS tree=A click=1 tree=B", "B B B 0/0", "- | relay,record");
        row("a tile of B framed in Live M", "connect LiveM select=16 tree=B", "B B B 0/0", "- | relay,record");
        row("a right click on B", "connect tree=A rightClick=1 tree=A", "A A A 0/0", "relay,record | -");
        row("B disconnected from its menu", "connect tree=A menuDisconnect=1 tree=A", "A A A 0/0", "relay,record | -");
        row("a click under the rows", "connect tree=A under tree=A", "A A A 0/0", "relay,record | -");
        row("a click on B's row in Live M", "connect LiveM click=1 tree=A", "A A A 0/0", "relay,record | -");
        row("the E-Map's Exit leaves no DVR current", "connect click=1 EMap EMapExit tree=-", "- - - 0/0", "- | -");
        row("another DVR reconnects during a held move",
            "connect LiveM dclick=16 fail=0 press=ptzf_right back=0 held=ptzf_right release", "B B B 0/0",
            "- | " + all);
        // The link fails for good a while after its restarts began: "off"
        // tells the panel's state while it restarts.
        row("the current DVR's link restarts by itself", "connect dclick=0 restart=0 off", "A A - 0/0", "- | -");
        row("the same after Search and back", "connect Search idle LiveS dclick=0 restart=0 off", "A A - 0/0", "- | -");
        row("the same after a failure and return", "connect fail=0 back=0 dclick=0 restart=0 off", "A A - 0/0",
            "- | -");
        row("a held move, the current DVR fails", "connect dclick=0 press=ptzf_right fail=0 stops=0:1 release",
            "A A - 0/0", "- | -");
        row("a held move, the tree disconnects the current DVR",
            "connect dclick=0 press=ptzf_right disconnect=0 stops=0:1 release", "A A - 0/0", "- | -");
        // Group 1 lists A twice: as A, and as A2 under the guest's account,
        // which may not steer the cameras nor record. Each entry's commands
        // go with its own account, whichever entry's link connected or was
        // edited last.
        row("A's entries clicked in turn", "connect=-1:1 click=0:1 click=1:1 click=0:1 dclick=0", "A A A 0/0",
            all + " | -", "0");
        row("A's guest entry edited last", "connect=-1:1 rename=1:1 click=0:1 dclick=0", "A A A 0/0", all + " | -",
            "0");
        row("A's guest entry clicked", "connect=-1:1 click=1:1 dclick=0", "A2 A2 A2 0/0",
            "ptz as guest,relay as guest,picture as guest | -", "0");
    }

    void commandsFollowTheTitle()
    {
        QFETCH(QString, events);
        QFETCH(QString, selection);
        QFETCH(QString, received);
        QFETCH(QString, channel);
        CAppSettings().writeSetting(CAppSettings::RECONNECT, false);
        ViewerBench bench;
        const DVR a = bench.addDvr(QStringLiteral("A"), false);
        bench.addGroup(QStringLiteral("Shop"), {a, bench.addDvr(QStringLiteral("B"), false)});
        bench.addDvr(QStringLiteral("C"), false);
        DVR guest = bench.asGuest(a);
        guest.set_name("A2");
        bench.addGroup(QStringLiteral("Twice"), {a, guest});
        const QString failed = bench.play(events);
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
        QTRY_COMPARE(bench.selection(), selection);

        // As the operator gives them: a PTZ move and its stop, a relay
        // switched on, a picture value changed, record on the DVR.
        QList<qsizetype> before;
        for (int i = 0; i < bench.dvrCount(); ++i)
            before << bench.dvr(i).requests().size();
        bench.button("DVRControl0")->click();
        QTest::mousePress(bench.button("ptzf_right"), Qt::LeftButton);
        QTest::mouseRelease(bench.button("ptzf_right"), Qt::LeftButton);
        bench.button("DVRControl2")->click();
        QTest::mouseClick(bench.button("RPOn0"), Qt::LeftButton);
        bench.button("DVRControl3")->click();
        auto* contrast = bench.viewer().findChild<QSlider*>(QStringLiteral("contrast"));
        QTest::keyClick(contrast, contrast->value() < contrast->maximum() ? Qt::Key_Right : Qt::Key_Left);
        QTest::mouseClick(bench.button("RecToDVR"), Qt::LeftButton);
        const auto shown = [&] {
            QStringList kinds;
            for (int i = 0; i < bench.dvrCount(); ++i)
                kinds << liveCommandsSince(bench.dvr(i), before.at(i));
            return kinds.join(QStringLiteral(" | "));
        };
        QTRY_COMPARE(shown(), received);
        // A command to the wrong DVR has arrived once a later one has.
        QVERIFY(bench.mark());
        QCOMPARE(shown(), received);
        if (!channel.isEmpty()) {
            QStringList channels;
            for (int i = 0; i < bench.dvrCount(); ++i)
                channels << channelsSince(bench.dvr(i), before.at(i));
            channels.removeDuplicates();
            channels.removeAll(QString());
            QCOMPARE(channels.join(QLatin1Char(',')), channel);
        }
    }

    // The current DVR fails in Live S while the sequence runs or before it
    // starts: each step, and each layout after the sequence, shows the
    // failed state on every tile, as the layouts without the sequence do.
    void failedDvrInTheSequence_data()
    {
        QTest::addColumn<QString>("events");
        QTest::newRow("steps after the failure") << "connect Sequence fail=0 failed step failed step failed";
        QTest::newRow("the sequence after the failure") << "connect fail=0 failed Sequence failed step failed";
        QTest::newRow("the sequence turned off, then layouts")
            << "connect Sequence fail=0 failed step Sequence failed Screen4_0 failed Screen16_0 failed Ch3 failed";
        QTest::newRow("a reconnect attempt to a DVR still gone")
            << "connect retry=0 Sequence kill=0 failed step failed Sequence Screen4_0 failed Screen16_0 failed";
        QTest::newRow("a layout ends the sequence") << "connect Sequence fail=0 failed step step Screen4_4 failed";
        QTest::newRow("the DVR back in the sequence") << "connect Sequence fail=0 failed step back=0 live step live";
    }

    void failedDvrInTheSequence()
    {
        QFETCH(QString, events);
        CAppSettings().writeSetting(CAppSettings::RECONNECT, false);
        ViewerBench bench;
        bench.addGroup(QStringLiteral("Shop"),
            {bench.addDvr(QStringLiteral("A"), false), bench.addDvr(QStringLiteral("B"), false)});
        const QString failed = bench.play(events);
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
    }

    // A failed DVR's tiles show the failure again when the wall is cleared
    // (its row chosen in the tree); once the operator disconnected it they
    // show nothing, in any layout, until a new connect fails again. With
    // "reconnect" the setting is on: the DVR waits a minute to reconnect.
    void disconnectedFailureShowsNothing_data()
    {
        QTest::addColumn<bool>("reconnect");
        QTest::addColumn<QString>("events");
        QTest::newRow("a clear after the failure") << false << "connect fail=0 failed=0 click=0 failed";
        QTest::newRow("disconnected, then 4, 16 and 1 screens")
            << false << "connect fail=0 failed disconnect=0 empty=0 Screen4_0 empty=0 Screen16_0 empty=0 Ch3 empty=0";
        QTest::newRow("the group disconnected in Live M")
            << false << "connect LiveM Screen2x2 fail=0 failed disconnect=-1 empty=0 Screen3x3 empty=0";
        QTest::newRow("disconnected while it waits to reconnect")
            << true << "connect fail=0 failed disconnect=0 empty=0 Screen4_0 empty=0";
        QTest::newRow("disconnected among reconnect attempts")
            << false << "connect retry=0 kill=0 failed disconnect=0 empty=0 Screen4_0 empty=0";
        QTest::newRow("connected again, still failing")
            << false << "connect fail=0 failed disconnect=0 empty=0 again failed Screen4_0 failed";
    }

    void disconnectedFailureShowsNothing()
    {
        QFETCH(bool, reconnect);
        QFETCH(QString, events);
        CAppSettings().writeSetting(CAppSettings::RECONNECT, reconnect);
        ViewerBench bench;
        bench.addGroup(QStringLiteral("Shop"),
            {bench.addDvr(QStringLiteral("A"), false), bench.addDvr(QStringLiteral("B"), false)});
        const QString failed = bench.play(events);
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
    }

    // A relay switched on for a while on A or B (Auto with 10 s) is
    // switched off whatever happens meanwhile: the program ends, the DVR
    // refuses the switch-off or answers late, its link drops and comes
    // back, its entry is edited or deleted. A's DVR is listed twice, in Shop
    // and in All under the guest's account; the relay is the DVR's: both
    // entries' pages show its switch-off, and an On or Off of either that
    // the DVR takes replaces it. The switch-off goes with the account of the
    // entry that gave its On, or of A's other entry once that entry is
    // deleted or names another DVR. Commands to one relay reach it one at a
    // time, in the order given, also over a link that brings one late. The
    // relay commands each DVR (A, B and C beside them) received, in order,
    // and Auto shows checked until the DVR takes the switch-off, which it
    // may refuse, as the relay page tells; nothing is reported left on
    // unless the DVR never takes an Off, and then the program's end tells
    // it. The relay page's own Off reaches the DVR as the program ends, too,
    // and so does the stop of a PTZ move held, also behind a move the DVR
    // answers only after the program's end.
    void switchOffsReachTheDvr_data()
    {
        QTest::addColumn<QString>("events");
        QTest::addColumn<int>("secondMs"); // how long a second of the auto-off lasts
        QTest::addColumn<int>("retryMs");
        QTest::addColumn<QStringList>("relays"); // A's, B's and C's
        // The warnings logged, as patterns; none may say that a relay may stay on.
        QTest::addColumn<QStringList>("warned");
        // What the boxes at the program's end tell, as a pattern: nothing when empty.
        QTest::addColumn<QString>("toldAtEnd");
        const QString autoOff = QStringLiteral(" DVRControl2 AutoOff1 RPAuto0");
        const QStringList onOff{"on off", "-", "-"};
        const auto row = [](const char* name, const QString& events, int secondMs, int retryMs,
                             const QStringList& relays, const QStringList& warned = {}, const QString& told = {}) {
            QTest::newRow(name) << events << secondMs << retryMs << relays << warned << told;
        };
        const QString leftOn = QStringLiteral("relay 0 of DVR \"A\".*may stay on");
        const QString toldLeftOn = QStringLiteral(
            "^Relay 1 of DVR \"A\" \\(127\\.0\\.0\\.1:\\d+\\) may stay on: the DVR did not take its switch-off\\.$");
        const auto unfinished = [](const char* command, const char* what) {
            return QStringLiteral("relay 0 %1 to DVR \"A\".*: not %2 before the program ended").arg(command, what);
        };
        row("closed while A's pends", "connect" + autoOff + " close", 1000, 1000, onOff);
        row("closed while A's pends, answered late", "slow=0 connect" + autoOff + " close", 1000, 1000, onOff);
        row("closed while A's and B's pend", "connect" + autoOff + " LiveM select=16" + autoOff + " close", 1000, 1000,
            {"on off", "on off", "-"});
        row("refused, then sent again", "refuse=0 connect" + autoOff + " offs=0:1 auto=1", 20, 1000,
            {"on off off", "-", "-"});
        row("refused, then sent when the link is back", "refuse=0 connect" + autoOff + " offs=0:1 fail=0 auto=1 back=0",
            20, 3600000, {"on off off", "-", "-"});
        row("not yet due when the link is back: it waits", "connect" + autoOff + " fail=0 back=0 sent=0:0 close", 1000,
            1000, onOff);
        const QStringList offAsGuest{"on off(guest)", "-", "-"};
        row("A's address edited to C's: the entry shows C's relay, the Off goes to A as its other entry's",
            "connect" + autoOff + " port=0:2 auto=0 close", 1000, 1000, offAsGuest);
        row("then On on the edited entry goes to C alone", "connect" + autoOff + " port=0:2 panel=A auto=0 RPOn0 close",
            1000, 1000, {"on off(guest)", "-", "on"});
        row("On on A's other entry replaces A's switch-off", "connect" + autoOff + " connect=1:1 auto=1 RPOn0 close",
            3000, 1000, {"on on(guest)", "-", "-"});
        row("Off on A's other entry replaces A's switch-off", "connect" + autoOff + " connect=1:1 auto=1 RPOff0 close",
            3000, 1000, offAsGuest);
        row("On refused on A's other entry: A's switch-off still comes",
            "connect" + autoOff + " connect=1:1 auto=1 refuseOn=0 RPOn0 told=permission auto=1 close", 3000, 1000,
            {"on on(guest) off", "-", "-"});
        row("A deleted while its switch-off pends: it goes as A's other entry's",
            "connect" + autoOff + " delete=0 offs=0:1", 20, 1000, offAsGuest);
        row("refused, A deleted: its other entry shows it, it goes as that entry's and the end tells it",
            "refuse=0:3 connect" + autoOff
                + " told=permission delete=0 offs=0:2 connect=1:1 auto=1 told=permission close",
            20, 3600000, {"on off off(guest) off(guest)", "-", "-"}, {leftOn}, toldLeftOn);
        row("the first handled late, then Auto with no duration", "late=0 connect DVRControl2 RPAuto0 offs=0:1", 1000,
            1000, onOff);
        row("the first handled late, then On and Off", "late=0 connect DVRControl2 RPOn0 RPOff0 offs=0:1", 1000, 1000,
            onOff);
        row("On, Off, On while the first is unanswered", "late=0 connect DVRControl2 RPOn0 RPOff0 RPOn0 close", 1000,
            1000, {"on on", "-", "-"});
        row("closed with an On unanswered and an Off waiting", "late=0 connect DVRControl2 RPOn0 RPOff0 close", 1000,
            1000, onOff);
        row("the relay page's Off, closed at once over a slow link", "slow=0 connect DVRControl2 RPOn0 RPOff0 close",
            1000, 1000, onOff);
        row("an Off never answered: it may stay on", "hold=0 connect DVRControl2 RPOff0 close=200", 1000, 1000,
            {"off", "-", "-"}, {leftOn, unfinished("off", "answered")}, toldLeftOn);
        // At the end an Off waiting behind an unanswered On goes anyway; an
        // On that never went leaves the relay as the Off before it did.
        row("an On never answered, an Off behind it: the Off goes, it may stay on",
            "hold=0 connect DVRControl2 RPOn0 RPOff0 close=2000", 1000, 1000, {"on off", "-", "-"}, {leftOn},
            toldLeftOn);
        row("an Off never answered, an On behind it: nothing stays on",
            "hold=0 connect DVRControl2 RPOff0 RPOn0 close=2000", 1000, 1000, {"off", "-", "-"},
            {unfinished("off", "answered"), unfinished("on", "sent")});
        // Told, pending, and sent again at once with the password edited in
        // the tree.
        const QString refused = QStringLiteral(" sent=0:0 newpassword=0 offs=0:1 told=password");
        row("refused for the DVR's new password, then its entry edited",
            "connect" + autoOff + refused + " auto=1 password=0 offs=0:2", 100, 3600000, {"on off off", "-", "-"});
        row("the same, edited while disconnected", "connect" + autoOff + refused + " disconnect=0 password=0 offs=0:2",
            100, 3600000, {"on off off", "-", "-"});
        // What is pending for A ends with the last entry naming it: its
        // switch-off goes once more at once, then A's relay may stay on,
        // as the program's end tells.
        row("refused, then A's entries deleted",
            "connect" + autoOff + refused + " delete=1:1 delete=0 offs=0:2 sent=0:2 close", 100, 3600000,
            {"on off off", "-", "-"}, {leftOn}, toldLeftOn);
        row("refused, then A's groups deleted",
            "connect" + autoOff + refused + " deletegroup=1 auto=1 deletegroup=0 offs=0:2 sent=0:2 close", 100, 3600000,
            {"on off off", "-", "-"}, {leftOn}, toldLeftOn);
        row("refused, then A's entries edited to C's address",
            "connect" + autoOff + refused + " deletegroup=1 auto=1 port=0:2 offs=0:2 panel=A auto=0 sent=0:2 close",
            100, 3600000, {"on off off", "-", "-"}, {leftOn}, toldLeftOn);
        row("A's entries deleted before its switch-off is due: it goes at once",
            "connect" + autoOff + " sent=0:0 delete=1:1 delete=0 offs=0:1", 1000, 3600000, onOff);
        row("a PTZ move held as the window closes: it stops", "connect dclick=0 press=ptzf_right close stops=0:1", 1000,
            1000, {"-", "-", "-"});
        row("a PTZ move answered 8 s late, let go as the window closes: it stops",
            "slowmoves=0 connect dclick=0 press=ptzf_right release close stopped=0:1", 1000, 1000, {"-", "-", "-"});
    }

    void switchOffsReachTheDvr()
    {
        QFETCH(QString, events);
        QFETCH(int, secondMs);
        QFETCH(int, retryMs);
        QFETCH(QStringList, relays);
        QFETCH(QStringList, warned);
        QFETCH(QString, toldAtEnd);
        for (const QString& pattern : warned)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(pattern));
        QTest::failOnWarning(QRegularExpression(QStringLiteral("may stay on")));
        CAppSettings().writeSetting(CAppSettings::RECONNECT, false);
        CRelaySwitches::ofApplication().setRetryInterval(retryMs);
        ViewerBench bench;
        const DVR a = bench.addDvr(QStringLiteral("A"), false);
        const DVR b = bench.addDvr(QStringLiteral("B"), false);
        bench.addGroup(QStringLiteral("Shop"), {a, b});
        bench.addDvr(QStringLiteral("C"), false);
        bench.addGroup(QStringLiteral("All"), {b, bench.asGuest(a)});
        bench.viewer().findChild<CRemotePortWiget*>()->setSecondLength(secondMs);
        const QString failed = bench.play(events);
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
        if (!events.contains(QLatin1String("close")))
            QTRY_VERIFY(!bench.button("RPAuto0")->isChecked());
        QCOMPARE((QStringList{bench.relayCommands(0), bench.relayCommands(1), bench.relayCommands(2)}), relays);
        if (toldAtEnd.isEmpty())
            QCOMPARE(bench.toldAtEnd(), QString());
        else
            QVERIFY2(QRegularExpression(toldAtEnd).match(bench.toldAtEnd()).hasMatch(), qPrintable(bench.toldAtEnd()));
        bench.dvr(0).holdAnswers(std::nullopt);
    }

    // A listed in a second group as it stands, the same account and all:
    // the other entry shows A's switch-off, and its On replaces it.
    void switchOffOfAnEntryListedTwice()
    {
        QTest::failOnWarning(QRegularExpression(QStringLiteral("may stay on")));
        CAppSettings().writeSetting(CAppSettings::RECONNECT, false);
        ViewerBench bench;
        const DVR a = bench.addDvr(QStringLiteral("A"), false);
        bench.addGroup(QStringLiteral("Shop"), {a, bench.addDvr(QStringLiteral("B"), false)});
        bench.addGroup(QStringLiteral("Again"), {a});
        bench.viewer().findChild<CRemotePortWiget*>()->setSecondLength(3000);
        const QString failed = bench.play("connect DVRControl2 AutoOff1 RPAuto0 connect=0:1 auto=1 RPOn0 close");
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
        QCOMPARE(bench.relayCommands(0), "on on");
    }

    void tourChoicesAreKept_data()
    {
        QTest::addColumn<QString>("then");
        // A choice is saved as it is made: what comes before the close
        // makes no difference to it.
        QTest::newRow("a close on the tour page") << "close";
        QTest::newRow("another screen framed and back") << "Ch1 select=1 Ch0 select=0";
    }

    // A tour chosen on channel 1 is kept for it, whatever the operator does
    // next.
    void tourChoicesAreKept()
    {
        QFETCH(QString, then);
        {
            CAppSettings earlier;
            for (const QString& key : CAppSettings::autoPreset(0, 0, 0, 0).keys())
                earlier.remove(key);
        }
        ViewerBench bench;
        connectMyDvr(bench, false);
        const QString failed
            = bench.play("Ch0 DVRControl1 choose=StartPreset:2 choose=EndPreset:5 choose=Interval:3 " + then); // 20 s
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
        QList<int> stored;
        for (const QString& key : CAppSettings::autoPresetKeys(0))
            stored << CAppSettings().readSetting(key, 0).toInt();
        QCOMPARE(stored, QList<int>({2, 5, 20}));
        if (then.contains(QLatin1String("close")))
            return;
        QStringList shown;
        for (const char* list : {"StartPreset", "EndPreset", "Interval"})
            shown << bench.viewer().findChild<QComboBox*>(QLatin1String(list))->currentText();
        QCOMPARE(shown, QStringList({"preset 3", "preset 6", "20"}));
    }

    void connectCycles()
    {
        ViewerBench bench;
        bench.addGroup(QStringLiteral("Shop"),
            {bench.addDvr(QStringLiteral("A"), false), bench.addDvr(QStringLiteral("B"), true, 8, 0x00FF)});
        for (int cycle = 0; cycle < 50; ++cycle) {
            bench.connectGroup(0);
            QTRY_VERIFY_WITH_TIMEOUT(bench.connected(), SHOW_TIME_LIMIT_MS);
            bench.act(QStringLiteral("Screen4_4 LiveM Screen3x3 NextPage LiveS Ch3"));
            emit bench.tree()->disconnectDVR(0, -1);
            QVERIFY(!bench.controller(0)->IsConnected());
        }
        QTRY_COMPARE(bench.dvr(0).streams()->runningCount() + bench.dvr(1).streams()->runningCount(), 0);
    }
};

int main(int argc, char* argv[])
{
    CScreen::prepareOpenGL();
    QApplication application(argc, argv);
    CCoreMetaTypes::registerTypes();
    tst_ViewerLive test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_ViewerLive.moc"
