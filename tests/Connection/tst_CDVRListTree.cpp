#include "Common/CCoreMetaTypes.h"
#include "Connection/CControlDVRList.h"
#include "Connection/CDVRListTree.h"
#include "Connection/CDirectoryEntry.h"
#include "Connection/CMenuDVRList.h"
#include "Connection/CSetDVRInfoDialog.h"
#include "ModalAnswers.h"
#include "Settings/CAppDir.h"
#include "TestDvr.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <sys/stat.h>
#include <unistd.h>

// The DVR directory as the operator works it: the file after each command,
// the signals to the main window, the menu, dragging cameras, camera names
// read from test DVRs, and list files that cannot be used or written.
namespace {

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

GroupList savedList()
{
    GroupList groups;
    groups.ParseFromString(contentOf(CControlDVRList::filePath()).mid(10).toStdString());
    return groups;
}

DVR record(const char* name, int chnum)
{
    DVR dvr;
    dvr.set_name(name);
    dvr.set_address("10.0.0.1");
    dvr.set_id("user");
    dvr.set_password("pw");
    dvr.set_chnum(chnum);
    return dvr;
}

// Office connects by itself; Till has read names, Door no channels, Yard a
// count the dialog does not offer.
const QString SEEDED = QStringLiteral("Office[Front,Back] Shop[Till,Door,Yard]");
void seedFile()
{
    GroupList groups;
    Group* office = groups.add_group();
    office->set_name("Office");
    office->set_autoconnect(0);
    *office->add_dvr() = record("Front", 16);
    *office->add_dvr() = record("Back", 4);
    Group* shop = groups.add_group();
    shop->set_name("Shop");
    DVR till = record("Till", 4);
    till.add_chname("Cash");
    till.add_chname("Till \xea\xb0\x80");
    *shop->add_dvr() = till;
    *shop->add_dvr() = record("Door", 0);
    *shop->add_dvr() = record("Yard", 12);
    QVERIFY(CControlDVRList().Save(groups).isOk());
}

// Saving replaces the file whole, so a save shows as a new file; 0 when there is none.
ino_t fileIdentity()
{
    struct stat status = {};
    return stat(QFile::encodeName(CControlDVRList::filePath()).constData(), &status) == 0 ? status.st_ino : 0;
}

QTreeWidgetItem* itemByPath(const QTreeWidget& tree, const QString& path)
{
    const QStringList steps = path.split('/');
    QTreeWidgetItem* item = tree.topLevelItem(steps.first().toInt());
    for (int i = 1; i < steps.size() && item; ++i)
        item = item->child(steps.at(i).toInt());
    return item;
}

// "Group[DVR{camera,...},...] ...", runs of generated names as "camera 1-4".
QString layout(const QTreeWidget& tree)
{
    QStringList groups;
    for (int g = 0; g < tree.topLevelItemCount(); ++g) {
        QStringList dvrs;
        for (int d = 0; d < tree.topLevelItem(g)->childCount(); ++d) {
            const QTreeWidgetItem* dvr = tree.topLevelItem(g)->child(d);
            QStringList cameras;
            bool run = false;
            for (int c = 0; c < dvr->childCount(); ++c) {
                const QString text = dvr->child(c)->text(0);
                const bool generated = text == QStringLiteral("camera %1").arg(c + 1);
                if (generated && run)
                    cameras.last() = cameras.last().section('-', 0, 0) + QStringLiteral("-%1").arg(c + 1);
                else
                    cameras << text;
                run = generated;
            }
            dvrs << dvr->text(0) + (cameras.isEmpty() ? QString() : '{' + cameras.join(',') + '}');
        }
        groups << tree.topLevelItem(g)->text(0) + '[' + dvrs.join(',') + ']';
    }
    return groups.join(' ');
}

// The file holds the tree; outside camera mode each group record equals its DVR items.
void verifyFileHoldsTheTree(const CDVRListTree& tree)
{
    const GroupList saved = savedList();
    QCOMPARE(saved.group_size(), tree.topLevelItemCount());
    for (int g = 0; g < saved.group_size(); ++g) {
        const QTreeWidgetItem* item = tree.topLevelItem(g);
        QCOMPARE(item->data(0, Qt::UserRole).value<Group>().SerializeAsString(), saved.group(g).SerializeAsString());
        QCOMPARE(item->childCount(), saved.group(g).dvr_size());
        for (int d = 0; d < item->childCount() && !tree.cameraNameShown(); ++d)
            QCOMPARE(item->child(d)->data(0, Qt::UserRole).value<DVR>().SerializeAsString(),
                saved.group(g).dvr(d).SerializeAsString());
    }
}

// The tree noting its signals and the drags it starts.
class NotingTree : public CDVRListTree {
public:
    explicit NotingTree(QWidget* parent)
        : CDVRListTree(parent)
    {
        const auto text = [this](int g, int d) {
            return itemByPath(*this, d < 0 ? QString::number(g) : QStringLiteral("%1/%2").arg(g).arg(d))->text(0);
        };
        connect(this, &CDVRListTree::groupConnect, this, [this](const QTreeWidgetItem& group, int g, int d) {
            note(QStringLiteral("groupConnect %1 %2 %3").arg(group.text(0)).arg(g).arg(d));
        });
        connect(this, &CDVRListTree::changedDVR, this,
            [this](int g, int d) { note(QStringLiteral("changedDVR %1 %2").arg(g).arg(d)); });
        connect(this, &CDVRListTree::disconnectDVR, this, [this](int g, int d) {
            const QIcon icon = d < 0 ? QIcon() : itemByPath(*this, QStringLiteral("%1/%2").arg(g).arg(d))->icon(0);
            const bool plain = icon.pixmap(16).toImage() == CControlDVRList::getDVRIcon().pixmap(16).toImage();
            note(QStringLiteral("disconnectDVR %1 %2%3").arg(g).arg(d).arg(plain ? " plain" : ""));
        });
        connect(this, &CDVRListTree::aboutToRemove, this, [this, text](int g, int d) {
            note(QStringLiteral("aboutToRemove %1 %2 %3").arg(g).arg(d).arg(text(g, d)));
        });
        connect(this, &CDVRListTree::dragCameraItem, this, [this](const DVR& dvr, int channel) {
            note(QStringLiteral("dragCameraItem %1 %2").arg(QString::fromStdString(dvr.name())).arg(channel));
        });
    }
    QStringList events;

protected:
    void startDrag(Qt::DropActions) override { note(QStringLiteral("startDrag")); }

private:
    // Moves repeat the drag signal; once is enough here.
    void note(const QString& event)
    {
        if (!events.contains(event))
            events << event;
    }
};

// The tree as the main window holds it: with a parent, which also holds the
// DVR dialog, sized to show every item.
struct Window {
    QWidget host;
    NotingTree* tree = new NotingTree(&host);
    ModalAnswers user;

    Window()
    {
        host.resize(300, 900);
        tree->resize(CDVRListTree::TREE_WIDTH, 880);
        host.show();
    }
    CSetDVRInfoDialog* dialog() const { return host.findChild<CSetDVRInfoDialog*>(); }
    QList<QMessageBox*> fileMessages() const { return tree->findChildren<QMessageBox*>(); }

    // Steps separated by ';': "sel:PATH", "addGroup[:NAME]", "editGroup[:NAME]"
    // (no name cancels), "delGroup", "addDVR:NAME", "editDVR:NAME",
    // "cancelDVR", "delDVR", "read", "connect", "disconnect", "camera:on|off";
    // "openAdd" and "openEdit" only open the DVR dialog, which "enter:NAME"
    // fills and accepts.
    void run(const QString& steps)
    {
        static const QHash<QString, void (CDVRListTree::*)(QTreeWidgetItem*)> commands
            = {{"delGroup", &CDVRListTree::OnDeleteGroup}, {"delDVR", &CDVRListTree::OnDeleteDVR},
                {"read", &CDVRListTree::OnReadCameraName}, {"connect", &CDVRListTree::OnConnectDVR},
                {"disconnect", &CDVRListTree::OnDisconnectDVR}};
        for (const QString& step : steps.split(';', Qt::SkipEmptyParts)) {
            const QString command = step.section(':', 0, 0);
            const QString name = step.contains(':') ? step.section(':', 1) : QString();
            if (commands.contains(command)) {
                (tree->*commands.value(command))(tree->currentItem());
            } else if (command == "sel") {
                tree->setCurrentItem(itemByPath(*tree, name));
            } else if (command == "camera") {
                tree->setCameraNameShow(name == "on");
            } else if (command == "openAdd" || command == "openEdit") {
                command == "openEdit" ? tree->OnEditDVR(tree->currentItem()) : tree->OnAddDVR(tree->currentItem());
                QVERIFY(dialog()->isVisible());
            } else if (command == "enter") {
                fillAndAccept(name);
            } else if (command.endsWith("Group")) {
                user.answers << name;
                command == "addGroup" ? tree->OnAddGroup() : tree->OnEditGroup(tree->currentItem());
            } else {
                enterDVR(command, name);
            }
        }
    }

    void enterDVR(const QString& command, const QString& name)
    {
        command == "editDVR" ? tree->OnEditDVR(tree->currentItem()) : tree->OnAddDVR(tree->currentItem());
        QVERIFY(dialog()->isVisible());
        if (command == "cancelDVR")
            return dialog()->reject();
        fillAndAccept(name);
    }

    void fillAndAccept(const QString& name)
    {
        QVERIFY(dialog()->isVisible());
        for (const QString field : {"name", "address", "id", "password"}) {
            auto* edit = dialog()->findChild<QLineEdit*>(field);
            if (field == "name" || edit->text().isEmpty())
                edit->setText(field == "name" ? name : QStringLiteral("x"));
        }
        dialog()->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    }
};

// A list of Site[A,B] Shop[Till,Door] shown with cameras, as the E-Map's
// edit mode shows it, A a running test DVR naming its four cameras Door,
// Hall, Yard and Gate; A's names are asked for, and held until letGo.
struct HeldNames {
    TestDvr a;
    std::unique_ptr<Window> window;

    HeldNames()
    {
        if (!a.listen())
            qWarning("the test DVR could not listen");
        TestDvrContent content = a.content();
        content.dvrInfo.clear_ch_name();
        for (const char* name : {"Door", "Hall", "Yard", "Gate"})
            content.dvrInfo.add_ch_name(name);
        content.dvrInfo.set_ch_num(4);
        a.setContent(content);
        a.holdAnswers(cgi::MODE_LIVE);
        DVR entry = a.dvrRecord();
        entry.set_name("A");
        entry.set_chnum(4);
        GroupList groups;
        Group* site = groups.add_group();
        site->set_name("Site");
        *site->add_dvr() = entry;
        *site->add_dvr() = record("B", 2);
        Group* shop = groups.add_group();
        shop->set_name("Shop");
        *shop->add_dvr() = record("Till", 1);
        *shop->add_dvr() = record("Door", 1);
        if (!CControlDVRList().Save(groups).isOk())
            qWarning("the list file could not be written");
        window = std::make_unique<Window>();
        window->run("camera:on;sel:0/0;read");
        if (!a.waitForRequests(1))
            qWarning("the names were not asked for");
    }

    // A's names have come and are shown.
    bool letGo()
    {
        a.holdAnswers(std::nullopt);
        return QTest::qWaitFor([this] { return window->tree->pendingCameraNameReads() == 0; });
    }
};

} // namespace

class tst_CDVRListTree : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        CCoreMetaTypes::registerTypes();
        QLoggingCategory::setFilterRules(QStringLiteral("qelm.network.debug=false"));
    }
    void init()
    {
        m_dir.reset(new QTemporaryDir);
        CAppDir::setCurrentPathOverride(m_dir->path());
    }
    void cleanup() { CAppDir::setCurrentPathOverride(QString()); }

    void emptyFolderShowsTheDefault()
    {
        Window window;
        QCOMPARE(layout(*window.tree), QStringLiteral("My Group[My DVR]"));
        QCOMPARE(window.tree->width(), CDVRListTree::TREE_WIDTH);
        window.run("camera:on;camera:off;sel:0/0");
        window.tree->OnConnectDVR(window.tree->currentItem());
        QVERIFY(QDir(m_dir->path()).isEmpty());

        window.run("addGroup");
        QCOMPARE(window.user.asked, QStringList{"Add Group|Group name:|"});
        QCOMPARE(contentOf(CControlDVRList::filePath()),
            QByteArray("DVRLIST_PB\x0a\x14\x12\x08My Group\x1a\x08\x0a\x06My DVR"));
    }

    // Each row starts from the seeded file; whether the last step wrote it
    // shows in a new file in its place.
    void commandsKeepTheFile_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("written");
        QTest::addColumn<int>("autoConnect"); // of the first group in the file
        const auto row = [](const char* name, const char* steps, const QString& expected, const char* message = "",
                             bool written = true, int autoConnect = 0) {
            QTest::newRow(name) << steps << expected << message << written << autoConnect;
        };
        const char* takenAdd = "It has same dvr's name. Can't add the dvr.";
        const char* takenEdit = "It has same dvr's name. Can't edit the dvr.";
        const QString cameras = QStringLiteral("Office[Front{camera 1-16},Back{camera 1-4}] Shop[%1%2]");
        const QString yard = QStringLiteral(",Yard{camera 1-12}");

        row("add group", "addGroup:Yard", SEEDED + " Yard[]");
        row("add group, cancelled", "addGroup", SEEDED);
        row("add group, no name", "addGroup:", SEEDED);
        row("group name taken", "addGroup:Shop", SEEDED + " Shop[]");
        row("rename group", "sel:0;editGroup:HQ", "HQ[Front,Back] Shop[Till,Door,Yard]");
        row("rename group, cancelled", "sel:0;editGroup", SEEDED);
        row("delete group", "sel:0;delGroup", "Shop[Till,Door,Yard]", "", true, -1);
        row("delete every group", "sel:0;delGroup;sel:0;delGroup", "", "", true, -1);
        row("add DVR", "sel:1;addDVR:Cash", "Office[Front,Back] Shop[Till,Door,Yard,Cash]");
        row("add DVR to a new group", "addGroup:Yard;sel:2;addDVR:Gate", SEEDED + " Yard[Gate]");
        row("add DVR, name taken", "sel:1;addDVR:Till", SEEDED, takenAdd);
        row("add DVR, other case", "sel:1;addDVR:till", "Office[Front,Back] Shop[Till,Door,Yard,till]");
        row("add DVR, name of another group's", "sel:1;addDVR:Front", "Office[Front,Back] Shop[Till,Door,Yard,Front]");
        row("add DVR, cancelled", "sel:1;cancelDVR", SEEDED, "", false);
        row("edit DVR", "sel:0/1;editDVR:Rear", "Office[Front,Rear] Shop[Till,Door,Yard]");
        row("edit DVR, own name", "sel:0/1;editDVR:Back", SEEDED);
        row("edit DVR, a sibling's name", "sel:0/1;editDVR:Front", SEEDED, takenEdit);
        row("delete DVR", "sel:0/0;delDVR", "Office[Back] Shop[Till,Door,Yard]", "", true, -1);
        row("camera mode", "camera:on", cameras.arg("Till{Cash,Till 가},Door", yard), "", false);
        row("camera mode, edits drop read names, keep the count",
            "camera:on;sel:1/2;editDVR:Garden;sel:1/0;editDVR:Till",
            cameras.arg("Till{camera 1-4},Door", ",Garden{camera 1-12}"));
        row("camera mode, delete DVR", "camera:on;sel:1/0;delDVR", cameras.arg("Door", yard));
        row("camera mode left", "camera:on;camera:off", SEEDED, "", false);
        // The camera mode switched while the dialog is open rebuilds the
        // tree: what the operator enters still goes where the dialog opened.
        row("add DVR, camera mode switched meanwhile", "sel:1;openAdd;camera:on;enter:Cash",
            cameras.arg("Till{Cash,Till 가},Door", yard + ",Cash{camera 1-16}"));
        row("edit DVR, camera mode switched meanwhile", "sel:1/2;openEdit;camera:on;enter:Garden",
            cameras.arg("Till{Cash,Till 가},Door", ",Garden{camera 1-12}"));
        row("edit DVR, camera mode left meanwhile", "camera:on;sel:1/2;openEdit;camera:off;enter:Garden",
            "Office[Front,Back] Shop[Till,Door,Garden]");
    }

    void commandsKeepTheFile()
    {
        QFETCH(QString, steps);
        QFETCH(QString, expected);
        QFETCH(QString, message);
        QFETCH(bool, written);
        QFETCH(int, autoConnect);
        seedFile();
        Window window;
        window.run(steps.section(';', 0, -2));
        const ino_t before = fileIdentity();
        window.run(steps.section(';', -1));

        QCOMPARE(layout(*window.tree), expected);
        QCOMPARE(window.user.messages.join('|'), message);
        QCOMPARE(fileIdentity() != before, written);
        if (written) {
            verifyFileHoldsTheTree(*window.tree);
            QCOMPARE(savedList().group_size() > 0 ? savedList().group(0).autoconnect() : -1, autoConnect);
        }
        QVERIFY(window.fileMessages().isEmpty());
    }

    // A DVR entry keeps its number whatever becomes of the other items,
    // and while the tree is rebuilt for the camera mode; a new entry's
    // number is one that no entry had.
    void entriesKeepTheirNumbers_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QStringList>("renamed"); // "before>after"
        QTest::addColumn<QStringList>("added");
        QTest::newRow("camera mode on and off") << "camera:on;camera:off" << QStringList() << QStringList();
        QTest::newRow("in camera mode") << "camera:on" << QStringList() << QStringList();
        QTest::newRow("a DVR before it deleted") << "sel:1/0;delDVR" << QStringList() << QStringList();
        QTest::newRow("a group before it deleted") << "sel:0;delGroup" << QStringList() << QStringList();
        QTest::newRow("edited") << "sel:0/1;editDVR:Rear" << QStringList{"Back>Rear"} << QStringList();
        QTest::newRow("edited in camera mode, then back")
            << "camera:on;sel:1/2;editDVR:Garden;camera:off" << QStringList{"Yard>Garden"} << QStringList();
        QTest::newRow("a DVR added, one deleted")
            << "sel:1;addDVR:Cash;sel:1/1;delDVR;sel:1;addDVR:Door" << QStringList() << QStringList{"Cash", "Door"};
    }

    void entriesKeepTheirNumbers()
    {
        QFETCH(QString, steps);
        QFETCH(QStringList, renamed);
        QFETCH(QStringList, added);
        seedFile();
        Window window;
        // Each DVR item's number, by its name.
        const auto numbers = [&window] {
            QMap<QString, CDirectoryEntry::Id> held;
            for (int i = 0; i < window.tree->topLevelItemCount(); ++i) {
                QTreeWidgetItem* group = window.tree->topLevelItem(i);
                for (int row = 0; row < group->childCount(); ++row)
                    held.insert(group->child(row)->text(0), CDirectoryEntry::of(group->child(row)));
            }
            return held;
        };
        const QMap<QString, CDirectoryEntry::Id> before = numbers();
        window.run(steps);
        const QMap<QString, CDirectoryEntry::Id> after = numbers();
        QMap<QString, QString> names;
        for (const QString& pair : renamed)
            names.insert(pair.section('>', 1), pair.section('>', 0, 0));
        for (auto it = after.cbegin(); it != after.cend(); ++it) {
            if (added.contains(it.key()))
                QVERIFY2(!before.values().contains(*it), qPrintable(it.key()));
            else
                QCOMPARE(*it, before.value(names.value(it.key(), it.key())));
        }
    }

    void dialogFieldsReachTheFile()
    {
        seedFile();
        Window window;
        window.run("sel:1");
        window.tree->OnAddDVR(window.tree->currentItem());
        DVR entered = record("Gate", 8);
        entered.set_port(8081);
        entered.set_bitch(0x00FB);
        entered.set_oldprotocol(true);
        window.dialog()->setDVR(entered);
        window.dialog()->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        QCOMPARE(savedList().group(1).dvr(3).SerializeAsString(), entered.SerializeAsString());
    }

    // Pointer events, the menu and its slots: what the main window and the
    // map view hear, what the menu offers, and "saved" when the file was written.
    void operatorActions_data()
    {
        QTest::addColumn<bool>("cameraMode");
        QTest::addColumn<QString>("path"); // empty: no current item
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("events");
        const auto row
            = [](const char* name, bool cameraMode, const char* path, const char* action, const QString& events) {
                  QTest::newRow(name) << cameraMode << QString(path) << QString(action) << events;
              };
        row("double click on a group", false, "1", "dclick", "groupConnect Shop 1 -1");
        row("double click on a DVR", false, "1/2", "dclick", "changedDVR 1 2;groupConnect Shop 1 2");
        row("double click in camera mode", true, "1/2", "dclick", "");
        row("connect a DVR in camera mode", true, "1/2", "connect", "groupConnect Shop 1 2");
        row("connect a camera", true, "1/2/0", "connect", "");
        row("connect, nothing current", false, "", "connect", "");
        row("disconnect a group", false, "1", "disconnect", "disconnectDVR 1 -1");
        row("disconnect a DVR", false, "0/1", "disconnect", "disconnectDVR 0 1 plain");
        row("disconnect a camera", true, "1/2/0", "disconnect", "");
        row("disconnect, nothing current", false, "", "disconnect", "");
        row("click a group", false, "0", "click", "");
        row("click a DVR in camera mode", true, "0/1", "click", "");
        row("delete a group", false, "1", "delGroup", "aboutToRemove 1 -1 Shop;saved");
        // Nothing is selected afterwards: the next click on any DVR is heard.
        row("delete a DVR", false, "1/2", "delDVR", "aboutToRemove 1 2 Yard;saved");
        row("drag a camera", true, "1/0/1", "drag", "dragCameraItem Till 1;startDrag");
        row("drag a DVR without cameras", true, "1/1", "drag", "");
        row("drag a DVR with cameras", true, "1/0", "drag", "");
        row("drag a group", true, "1", "drag", "");
        row("drag outside camera mode", false, "1/0", "drag", "changedDVR 1 0");
        row("drop on the tree", true, "1/0/0", "drop", "");
        // The entries' count, then those enabled.
        const QString always = QStringLiteral("Connect,Disconnect");
        row("menu, nothing current", false, "", "menu", "8 " + always);
        row("menu, group", false, "0", "menu", "8 " + always + ",Add Group,Edit Group,Delete Group,Add DVR");
        row("menu, DVR", false, "0/1", "menu", "8 " + always + ",Edit DVR,Delete DVR");
        row("E-Map edit menu, group", true, "0", "menu", "9 " + always + ",Add Group,Edit Group,Delete Group,Add DVR");
        row("E-Map edit menu, DVR", true, "0/1", "menu", "9 " + always + ",Read Camera Name,Edit DVR,Delete DVR");
        row("E-Map edit menu, camera", true, "0/1/0", "menu", "9 " + always);
    }

    void operatorActions()
    {
        QFETCH(bool, cameraMode);
        QFETCH(QString, path);
        QFETCH(QString, action);
        QFETCH(QString, events);
        seedFile();
        Window window;
        NotingTree* tree = window.tree;
        tree->setCameraNameShow(cameraMode);
        tree->expandAll();
        QTreeWidgetItem* item = path.isEmpty() ? nullptr : itemByPath(*tree, path);
        const QPoint centre = item ? tree->visualItemRect(item).center() : QPoint();
        const bool pointer = action == "dclick" || action == "click" || action == "drag";
        if (!pointer)
            tree->setCurrentItem(item);
        for (int d = 0; d < 2; ++d)
            tree->topLevelItem(0)->child(d)->setIcon(0, CControlDVRList::getConnectedIcon());
        const ino_t before = fileIdentity();
        tree->events.clear();

        if (action == "dclick") {
            QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, centre);
            QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, centre);
            QVERIFY(item->isExpanded());
        } else if (action == "click") {
            QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, centre);
        } else if (action == "drag") {
            QTest::mousePress(tree->viewport(), Qt::LeftButton, {}, centre);
            for (int step = 1; step <= 4; ++step)
                QTest::mouseMove(tree->viewport(), centre + QPoint(step * QApplication::startDragDistance(), 0));
            QTest::mouseRelease(tree->viewport(), Qt::LeftButton, {}, centre);
        } else if (action == "drop") {
            std::unique_ptr<QMimeData> data(tree->model()->mimeData({tree->currentIndex()}));
            QDropEvent drop(
                tree->visualItemRect(tree->topLevelItem(0)).center(), Qt::MoveAction, data.get(), Qt::LeftButton, {});
            QApplication::sendEvent(tree->viewport(), &drop);
        } else if (action == "menu") {
            CMenuDVRList menu(tree, tree->currentItem(), cameraMode);
            menu.popup(tree->mapToGlobal(QPoint(10, 10)));
            QTRY_VERIFY(menu.isVisible());
            QStringList enabled;
            int entries = 0;
            for (const QAction* entry : menu.actions()) {
                entries += entry->isSeparator() ? 0 : 1;
                if (entry->isEnabled() && !entry->isSeparator())
                    enabled << entry->text();
            }
            tree->events << QString::number(entries) + ' ' + enabled.join(',');
        } else {
            window.run(action);
        }
        if (fileIdentity() != before)
            tree->events << QStringLiteral("saved");
        QCOMPARE(tree->events.join(';'), events);
        if (action == "drop")
            QCOMPARE(layout(*tree).left(12), QStringLiteral("Office[Front"));
    }

    // The highlighted row is the one the main window shows as its current
    // DVR, which it shows without choosing; the operator's left click
    // chooses a DVR row even when highlighted, the right button never, and
    // the menu acts on the row under the pointer. Steps separated by ';':
    // "show:PATH" (or "show:none", or "show:other" for an entry no item
    // holds), "click:PATH", "dclick:PATH", "right:PATH" (PATH "below": the
    // space under the rows), "menu:PATH:ENTRY" (the menu of that row, its
    // entry triggered), "edit:PATH" (the edit dialog opened, its OK clicked
    // last), "camera:on|off", "addGroup:NAME".
    void highlight_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("highlighted"); // the path of the selected row, "" for none
        QTest::addColumn<QString>("events");
        const auto row = [](const char* name, const char* steps, const char* highlighted, const char* events) {
            QTest::newRow(name) << QString(steps) << QString(highlighted) << QString(events);
        };
        row("nothing before the window shows a DVR", "", "", "");
        row("shown, not chosen", "show:1/1", "1/1", "");
        row("shown again elsewhere", "click:1/1;show:0/0", "0/0", "changedDVR 1 1");
        row("no DVR current", "click:1/1;show:none", "", "changedDVR 1 1");
        row("a DVR the tree does not hold", "click:1/1;show:other", "", "changedDVR 1 1");
        row("a click on the highlighted row chooses it", "show:1/1;click:1/1", "1/1", "changedDVR 1 1");
        row("a click on another row", "show:1/1;click:1/2", "1/2", "changedDVR 1 2");
        row("a right click chooses nothing", "show:1/0;right:1/2", "1/0", "");
        row("a right click with nothing highlighted", "right:1/2", "", "");
        row("a click under the rows", "show:1/1;click:below", "1/1", "");
        row("a double click under the rows connects nothing", "show:1/1;dclick:below", "1/1", "");
        row("the menu deletes the row under the pointer", "show:1/0;menu:1/2:Delete DVR", "1/0",
            "aboutToRemove 1 2 Yard");
        row("the menu disconnects the row under the pointer", "show:1/0;menu:0/1:Disconnect", "1/0",
            "disconnectDVR 0 1 plain");
        row("the shown row deleted", "show:1/2;menu:1/2:Delete DVR", "", "aboutToRemove 1 2 Yard");
        row("the shown row's group deleted", "show:1/2;menu:1:Delete Group", "", "aboutToRemove 1 -1 Shop");
        row("another group deleted", "show:1/2;menu:0:Delete Group", "0/2", "aboutToRemove 0 -1 Office");
        row("a group added", "show:1/1;addGroup:Gate", "1/1", "");
        row("camera mode on and off", "show:1/1;camera:on;camera:off", "1/1", "");
        row("an edit names the row it was opened for", "show:1/0;edit:1/2;show:0/0", "0/0", "");
    }

    void highlight()
    {
        QFETCH(QString, steps);
        QFETCH(QString, highlighted);
        QFETCH(QString, events);
        seedFile();
        Window window;
        NotingTree* tree = window.tree;
        tree->expandAll();
        tree->events.clear();
        QString edited;
        for (const QString& step : steps.split(';', Qt::SkipEmptyParts)) {
            const QString what = step.section(':', 0, 0);
            const QString path = step.section(':', 1, 1);
            QTreeWidgetItem* item = path == "below" ? nullptr : itemByPath(*tree, path);
            const QPoint centre = item ? tree->visualItemRect(item).center()
                                       : QPoint(tree->viewport()->width() / 2, tree->viewport()->height() - 4);
            if (what == "show") {
                tree->showCurrent(path == "none" ? CDirectoryEntry::NONE
                        : path == "other"        ? CDirectoryEntry::fresh()
                                                 : CDirectoryEntry::of(item));
            } else if (what == "click") {
                QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, centre);
            } else if (what == "camera" || what == "addGroup") {
                window.run(step);
            } else if (what == "dclick") {
                QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, centre);
            } else if (what == "right") {
                QTest::mouseClick(tree->viewport(), Qt::RightButton, {}, centre);
            } else if (what == "menu") {
                CMenuDVRList menu(tree, item, false);
                emit menu.aboutToShow();
                const QList<QAction*> actions = menu.actions();
                const auto entry = std::find_if(actions.cbegin(), actions.cend(),
                    [&](const QAction* action) { return action->text() == step.section(':', 2); });
                QVERIFY(entry != actions.cend() && (*entry)->isEnabled());
                (*entry)->trigger();
            } else {
                edited = item->text(0);
                tree->OnEditDVR(item);
            }
        }
        if (!edited.isEmpty()) {
            auto* name = window.dialog()->findChild<QLineEdit*>("name");
            name->setText(edited + "2");
            window.dialog()->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
            QCOMPARE(layout(*tree), QStringLiteral("Office[Front,Back] Shop[Till,Door,Yard2]"));
        }
        const QList<QTreeWidgetItem*> selected = tree->selectedItems();
        QCOMPARE(selected, highlighted.isEmpty() ? QList<QTreeWidgetItem*>() : QList{itemByPath(*tree, highlighted)});
        QCOMPARE(tree->events.join(';'), events);
    }

    // The menu runs while the tree changes: camera rows are made again as
    // their names come, and rows are deleted or added. An entry chosen
    // afterwards acts on the menu's own row, wherever it moved, or does
    // nothing once that row went, whatever row took its place.
    void menuKeepsItsRow_data()
    {
        QTest::addColumn<QString>("path"); // of the menu's row
        QTest::addColumn<QString>("meanwhile"); // Window::run steps, or "names": A's names come
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("events"); // "asked": a group name, "dialog": the DVR dialog
        const auto row
            = [](const char* name, const char* path, const char* meanwhile, const char* entry, const char* events) {
                  QTest::newRow(name) << QString(path) << QString(meanwhile) << QString(entry) << QString(events);
              };
        row("a camera made again, Connect", "0/0/1", "names", "Connect", "");
        row("a camera made again, Disconnect", "0/0/1", "names", "Disconnect", "");
        row("its DVR's cameras made again, Disconnect", "0/0", "names", "Disconnect", "disconnectDVR 0 0 plain");
        const char* shopGone = "aboutToRemove 1 -1 Shop";
        row("its group deleted, Edit Group", "1", "sel:1;delGroup", "Edit Group", shopGone);
        row("its group deleted, Delete Group", "1", "sel:1;delGroup", "Delete Group", shopGone);
        row("its group deleted, Add DVR", "1", "sel:1;delGroup", "Add DVR", shopGone);
        row("its DVR deleted, another in its place, Connect", "1/0", "sel:1/0;delDVR;sel:1;addDVR:Gate", "Connect",
            "aboutToRemove 1 0 Till");
        row("its DVR deleted, another in its place, Delete DVR", "1/0", "sel:1/0;delDVR;sel:1;addDVR:Gate",
            "Delete DVR", "aboutToRemove 1 0 Till");
        row("the group before it deleted, Delete Group", "1", "sel:0;delGroup", "Delete Group",
            "aboutToRemove 0 -1 Site;aboutToRemove 0 -1 Shop");
        row("the DVR before it deleted, Disconnect", "1/1", "sel:1/0;delDVR", "Disconnect",
            "aboutToRemove 1 0 Till;disconnectDVR 1 0 plain");
    }

    void menuKeepsItsRow()
    {
        QFETCH(QString, path);
        QFETCH(QString, meanwhile);
        QFETCH(QString, entry);
        QFETCH(QString, events);
        HeldNames site;
        Window& window = *site.window;
        NotingTree* tree = window.tree;
        tree->expandAll();
        tree->events.clear();
        CMenuDVRList menu(tree, itemByPath(*tree, path), true);
        menu.popup(tree->mapToGlobal(QPoint(10, 10)));
        QTRY_VERIFY(menu.isVisible());
        if (meanwhile == "names")
            QVERIFY(site.letGo());
        else
            window.run(meanwhile);
        window.user.asked.clear();

        const QList<QAction*> actions = menu.actions();
        const auto chosen = std::find_if(
            actions.cbegin(), actions.cend(), [&](const QAction* action) { return action->text() == entry; });
        QVERIFY(chosen != actions.cend());
        menu.setActiveAction(*chosen);
        QTest::keyClick(&menu, Qt::Key_Return);
        QTRY_VERIFY(!menu.isVisible());
        if (!window.user.asked.isEmpty())
            tree->events << QStringLiteral("asked");
        if (window.dialog()->isVisible())
            tree->events << QStringLiteral("dialog");
        QCOMPARE(tree->events.join(';'), events);
    }

    // A group renamed while names read for one of its DVRs come keeps them.
    void groupRenamedAsNamesCome()
    {
        HeldNames site;
        Window& window = *site.window;
        // The names come while the group name is asked for.
        bool came = false;
        QTimer::singleShot(0, [&] { came = site.letGo(); });
        window.run("sel:0;editGroup:HQ");
        QVERIFY(came);
        QCOMPARE(layout(*window.tree),
            QStringLiteral("HQ[A{Door,Hall,Yard,Gate},B{camera 1-2}] Shop[Till{camera 1},Door{camera 1}]"));
        verifyFileHoldsTheTree(*window.tree);
        QCOMPARE(savedList().group(0).dvr(0).chname_size(), 4);
    }

    // "Read Camera Name" against test DVRs A and B of one group (A answers
    // after 300 ms with the slow fault): a live request in the new dialect
    // whatever the DVR speaks; the names, read once as the DVR's narrow text,
    // reach the file and read the same after a restart. A reply belongs to its
    // own read: one whose DVR went or changed, or whose tree was rebuilt,
    // changes nothing.
    void cameraNames_data()
    {
        QTest::addColumn<bool>("oldProtocol");
        QTest::addColumn<QByteArrayList>("sent"); // A's names, one per channel
        QTest::addColumn<int>("fault");
        QTest::addColumn<QString>("steps"); // after reading A
        QTest::addColumn<QString>("expected");
        const QByteArrayList four{"Door", "Hall", "Yard", "Gate"};
        const auto row = [&four](const char* name, const QString& expected, TestDvr::Fault fault = TestDvr::Fault::None,
                             const char* steps = "", const QByteArrayList& sent = {}, bool oldProtocol = false) {
            QTest::newRow(name) << oldProtocol << (sent.isEmpty() ? four : sent) << int(fault) << QString(steps)
                                << expected;
        };
        const QString read = QStringLiteral("Site[A{Door,Hall,Yard,Gate},B{camera 1}]");
        const auto slow = TestDvr::Fault::SlowAnswer;
        row("new dialect", read);
        row("old-protocol DVR", read, TestDvr::Fault::None, "", four, true);
        row("missing names", "Site[A{Door,camera 2-4},B{camera 1}]", TestDvr::Fault::None, "", {"Door", "", "", ""});
        row("EUC-KR name", "Site[A{한글},B{camera 1}]", TestDvr::Fault::None, "", {"\xc7\xd1\xb1\xdb"});
        row("names holding markup", "Site[A{<b>Door</b>,Hall &amp;,Yard,Gate},B{camera 1}]", TestDvr::Fault::None, "",
            {"<b>Door</b>", "Hall &amp;", "Yard", "Gate"});
        QByteArrayList many;
        for (int i = 1; i <= 20; ++i)
            many << "C" + QByteArray::number(i);
        row("more than sixteen", "Site[A{" + many.mid(0, 16).join(',') + "},B{camera 1}]", TestDvr::Fault::None, "",
            many);
        row("overlapping reads", "Site[A{Door,Hall,Yard,Gate},B{Quick}]", slow, "sel:0/1;read");
        row("late, DVR deleted", "Site[B{camera 1}]", slow, "sel:0/0;delDVR");
        row("late, DVR edited", "Site[A{camera 1-4},B{camera 1}]", slow, "sel:0/0;editDVR:A");
        row("late, group deleted", "", slow, "sel:0;delGroup");
        row("late, camera mode left", "Site[A,B]", slow, "camera:off");
        row("silent DVR", "Site[A{camera 1-4},B{camera 1}]", TestDvr::Fault::NoAnswer);
    }

    void cameraNames()
    {
        QFETCH(bool, oldProtocol);
        QFETCH(QByteArrayList, sent);
        QFETCH(int, fault);
        QFETCH(QString, steps);
        QFETCH(QString, expected);
        TestDvr a;
        TestDvr b;
        GroupList groups;
        groups.add_group()->set_name("Site");
        for (TestDvr* dvr : {&a, &b}) {
            QVERIFY(dvr->listen());
            TestDvrContent content = dvr->content();
            content.dvrInfo.clear_ch_name();
            for (const QByteArray& name : dvr == &a ? sent : QByteArrayList{"Quick"})
                content.dvrInfo.add_ch_name(name.toStdString());
            content.dvrInfo.set_ch_num(content.dvrInfo.ch_name_size());
            dvr->setContent(content);
            DVR entry = dvr->dvrRecord(oldProtocol && dvr == &a);
            entry.set_name(dvr == &a ? "A" : "B");
            entry.set_chnum(dvr == &a ? 4 : 1);
            entry.set_bitch(0x5);
            *groups.mutable_group(0)->add_dvr() = entry;
        }
        a.setSlowAnswerDelay(300);
        a.setFault(TestDvr::Fault(fault));
        QVERIFY(CControlDVRList().Save(groups).isOk());

        auto window = std::make_unique<Window>();
        window->run("camera:on;sel:0/0;read");
        QVERIFY(a.waitForRequests(1));
        window->run(steps);
        if (fault != int(TestDvr::Fault::NoAnswer))
            QTRY_COMPARE(window->tree->pendingCameraNameReads(), 0);
        QTRY_COMPARE(layout(*window->tree), expected);
        verifyFileHoldsTheTree(*window->tree);

        const TestDvrRequest request = a.requests().first();
        QCOMPARE(request.kind, TestDvrRequest::Command);
        QCOMPARE(request.dialect, TestDvrRequest::NewDialect);
        QCOMPARE(request.mode, int(cgi::MODE_LIVE));
        QVERIFY(request.authorized);
        cgi::Live live;
        QVERIFY(live.ParseFromString(request.data.toStdString()));
        QCOMPARE(QList<quint32>({quint32(live.codec()), live.vchmask(), live.achmask(), live.header_only_mask()}),
            QList<quint32>({0, 0x5, 0x5, 0}));
        QVERIFY(live.has_header_only_mask());

        const bool cameraMode = window->tree->cameraNameShown();
        window = std::make_unique<Window>();
        window->tree->setCameraNameShow(cameraMode);
        if (!expected.isEmpty())
            QCOMPARE(layout(*window->tree), expected);
    }

    // A list file that cannot be used gives the default directory and one
    // message, and stays until a save moves it aside.
    void unusableFileIsToldOnceAndKept_data()
    {
        QTest::addColumn<QByteArray>("content"); // a folder when null
        QTest::newRow("damaged") << QByteArray("DVRLIST_PB\x0a\x0a\x12\x03\xff", 15);
        QTest::newRow("E-Map list") << QByteArray("EMAPLIST_PB\x0a\x02\x12\x00", 15);
        QTest::newRow("unreadable") << QByteArray();
    }

    void unusableFileIsToldOnceAndKept()
    {
        QFETCH(QByteArray, content);
        const QString path = CControlDVRList::filePath();
        QFile file(path);
        QVERIFY(content.isNull() ? QDir().mkdir(path) : file.open(QIODevice::WriteOnly) && file.write(content) == 15);
        file.close();

        Window window;
        window.run("camera:on;camera:off");
        QCOMPARE(layout(*window.tree), QStringLiteral("My Group[My DVR]"));
        QCOMPARE(window.fileMessages().size(), 1);
        const QString told = window.fileMessages().first()->text();
        QVERIFY(told.contains(QDir::toNativeSeparators(path)));
        QCOMPARE(contentOf(path), content);

        window.run("addGroup:Yard");
        QCOMPARE(window.fileMessages().size(), 1);
        QVERIFY(window.fileMessages().first()->text().contains("moved"));
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(), 2);
        verifyFileHoldsTheTree(*window.tree);
    }

    // The operator is told; the tree keeps the change, the file stays as it was.
    void failedSaveIsTold()
    {
        seedFile();
        const QByteArray before = contentOf(CControlDVRList::filePath());
        Window window;
        const QByteArray folder = QFile::encodeName(m_dir->path());
        chmod(folder.constData(), 0555);
        // Permissions do not bind root: the save runs as nobody.
        const bool root = geteuid() == 0;
        QVERIFY(!root || seteuid(65534) == 0);
        window.run("sel:0;delGroup");
        QVERIFY(!root || seteuid(0) == 0);
        chmod(folder.constData(), 0700);

        QCOMPARE(layout(*window.tree), QStringLiteral("Shop[Till,Door,Yard]"));
        QCOMPARE(window.fileMessages().size(), 1);
        QVERIFY(window.fileMessages().first()->text().contains("could not be saved"));
        QCOMPARE(contentOf(CControlDVRList::filePath()), before);
    }

private:
    QScopedPointer<QTemporaryDir> m_dir;
};

QTEST_MAIN(tst_CDVRListTree)
#include "tst_CDVRListTree.moc"
