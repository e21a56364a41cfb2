#include "TestDvrGroups.h"

#include "Connection/CApplicationSender.h"
#include "Connection/CConnectDVR.h"
#include "Connection/CDVRListTree.h"
#include "Connection/CMenuDVRList.h"
#include "Connection/COrderedCommands.h"
#include "Connection/CSetDVRInfoDialog.h"
#include "DVRSetup/CRelaySwitches.h"
#include "TestDvr.h"
#include "TestDvrChannelSelect.h"
#include "TestDvrStreams.h"
#include "viewer/CConnectionList.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidgetItem>
#include <algorithm>

TestDvrGroups::TestDvrGroups() = default;

TestDvrGroups::~TestDvrGroups()
{
    CRelaySwitches& relays = CRelaySwitches::ofApplication();
    relays.sendAllNow();
    if (!QTest::qWaitFor(
            [] { return CApplicationSender::pending() == 0 && !COrderedCommands::ofApplication().isBusy(); }))
        qWarning("relay commands were still under way");
    // What a test left reported as it may stay on is not told at a later
    // test's end.
    relays.takeLeftOnMessage();
    // A later DVR may listen on one of these ports: its line starts afresh.
    for (const std::unique_ptr<TestDvr>& dvr : m_dvrs)
        COrderedCommands::ofApplication().unlist(dvr->dvrRecord());
}

void TestDvrGroups::setTree(CDVRListTree* tree)
{
    m_tree = tree;
    // Only the groups of the test: none from the list file.
    m_tree->clear();
}

DVR TestDvrGroups::addDvr(const QString& name, bool oldProtocol, int channels, quint32 mask)
{
    auto dvr = std::make_unique<TestDvr>();
    TestDvrContent content = TestDvrContent::standard();
    content.dvrInfo.set_ch_num(static_cast<quint32>(channels));
    dvr->setContent(content);
    TestDvrChannelSelect::install(dvr.get());
    if (!dvr->listen())
        qWarning("a test DVR could not listen");
    DVR record = dvr->dvrRecord(oldProtocol);
    record.set_name(name.toStdString());
    record.set_chnum(static_cast<quint32>(channels));
    record.set_bitch(mask);
    m_dvrs.push_back(std::move(dvr));
    return record;
}

DVR TestDvrGroups::asGuest(const DVR& record)
{
    const QString user = QStringLiteral("guest");
    const QString password = QStringLiteral("9999");
    for (const std::unique_ptr<TestDvr>& dvr : m_dvrs) {
        if (dvr->port() == record.port())
            dvr->setGuest(user, password);
    }
    DVR guest = record;
    guest.set_id(user.toStdString());
    guest.set_password(password.toStdString());
    return guest;
}

void TestDvrGroups::addGroup(const QString& name, const QList<DVR>& dvrs)
{
    Group group;
    group.set_name(name.toStdString());
    auto* item = new QTreeWidgetItem(m_tree);
    for (const DVR& dvr : dvrs) {
        *group.add_dvr() = dvr;
        (new QTreeWidgetItem(item))->setData(0, Qt::UserRole, QVariant::fromValue(dvr));
    }
    item->setData(0, Qt::UserRole, QVariant::fromValue(group));
    // As the tree shows a group it adds DVRs to: its rows can be clicked.
    item->setExpanded(true);
}

void TestDvrGroups::edit(int i, const std::function<void(DVR&)>& change, int group)
{
    QTreeWidgetItem* item = m_tree->topLevelItem(group)->child(i);
    DVR record = item->data(0, Qt::UserRole).value<DVR>();
    change(record);
    m_tree->setCurrentItem(item);
    m_tree->OnEditDVR(item);
    auto* dialog = m_tree->window()->findChild<CSetDVRInfoDialog*>();
    dialog->setDVR(record);
    dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
}

void TestDvrGroups::connectGroup(int group, int dvrIndex)
{
    emit m_tree->groupConnect(*m_tree->topLevelItem(group), group, dvrIndex);
}

bool TestDvrGroups::connected(const CConnectionList& connections)
{
    const QList<CConnectDVR*>& entries = connections.entries();
    return !entries.isEmpty() && std::all_of(entries.cbegin(), entries.cend(), [](const CConnectDVR* controller) {
        return !controller || (controller->IsConnected() && controller->getClientID() > 0);
    });
}

quint32 TestDvrGroups::streamedChannels(const TestDvr& dvr, int stream)
{
    for (const TestDvrStreams::Record& record : dvr.streams()->records()) {
        if (record.running && !record.audioStream && record.id == stream)
            return record.videoMask;
    }
    return ~0u;
}

bool TestDvrGroups::rightClick(CDVRListTree* tree, QTreeWidgetItem* item, const QString& entry)
{
    bool opened = false;
    // The menu runs its own event loop until an entry or Escape ends it.
    QTimer chooser;
    QObject::connect(&chooser, &QTimer::timeout, [&] {
        auto* menu = qobject_cast<CMenuDVRList*>(QApplication::activePopupWidget());
        if (!menu || !menu->isVisible())
            return;
        chooser.stop();
        opened = true;
        const QList<QAction*> actions = menu->actions();
        const auto chosen = std::find_if(actions.cbegin(), actions.cend(),
            [&](const QAction* action) { return !entry.isEmpty() && action->text() == entry; });
        if (chosen != actions.cend()) {
            menu->setActiveAction(*chosen);
            QTest::keyClick(menu, Qt::Key_Return);
        } else {
            menu->close();
        }
    });
    chooser.start(10);
    QWidget* viewport = tree->viewport();
    const QPoint at = tree->visualItemRect(item).center();
    QTest::mousePress(viewport, Qt::RightButton, {}, at);
    // Where the press did not bring the menu, the platform sends it after.
    if (!opened) {
        QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, at, viewport->mapToGlobal(at));
        QCoreApplication::sendEvent(viewport, &menuEvent);
    }
    QTest::mouseRelease(viewport, Qt::RightButton, {}, at);
    return opened;
}
