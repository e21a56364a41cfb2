#include "Common/CCoreMetaTypes.h"
#include "Connection/CControlDVRList.h"
#include "Connection/CDVRListTree.h"
#include "Connection/CMenuDVRList.h"
#include "Connection/CSetDVRInfoDialog.h"
#include "Settings/CAppDir.h"
#include "TestDvr.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QInputDialog>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <sys/stat.h>
#include <unistd.h>

// The DVR directory as the operator works it: the file after every command,
// the signals to the main window, the menu, dragging cameras, reading camera
// names from test DVRs, and list files that cannot be used or written.
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

DVR record(const char* name, int chnum = 16)
{
    DVR dvr;
    dvr.set_name(name);
    dvr.set_address("10.0.0.1");
    dvr.set_id("user");
    dvr.set_password("pw");
    dvr.set_chnum(chnum);
    return dvr;
}

// Office[Front,Back] Shop[Till,Door,Yard]: Office connects by itself, Till
// has read names, Door no channels, Yard a count the dialog does not offer.
GroupList seed()
{
    GroupList groups;
    Group* office = groups.add_group();
    office->set_name("Office");
    office->set_autoconnect(0);
    *office->add_dvr() = record("Front");
    *office->add_dvr() = record("Back", 4);
    Group* shop = groups.add_group();
    shop->set_name("Shop");
    DVR till = record("Till", 4);
    till.add_chname("Cash");
    till.add_chname("Till \xea\xb0\x80");
    *shop->add_dvr() = till;
    *shop->add_dvr() = record("Door", 0);
    *shop->add_dvr() = record("Yard", 12);
    return groups;
}

QTreeWidgetItem* itemAt(const QTreeWidget& tree, const QString& path)
{
    const QStringList steps = path.split(QLatin1Char('/'));
    QTreeWidgetItem* item = tree.topLevelItem(steps.first().toInt());
    for (int i = 1; i < steps.size() && item; ++i)
        item = item->child(steps.at(i).toInt());
    return item;
}

// "Group[DVR{camera,...},...] ..." in tree order.
QString layout(const QTreeWidget& tree)
{
    const auto children = [](const QTreeWidgetItem* item, const QString& open, const QString& close,
                              const std::function<QString(const QTreeWidgetItem*)>& inner) {
        if (item->childCount() == 0)
            return open == QLatin1String("[") ? QStringLiteral("[]") : QString();
        QStringList texts;
        for (int i = 0; i < item->childCount(); ++i)
            texts << inner(item->child(i));
        return open + texts.join(QLatin1Char(',')) + close;
    };
    QStringList groups;
    for (int g = 0; g < tree.topLevelItemCount(); ++g) {
        const QTreeWidgetItem* group = tree.topLevelItem(g);
        groups << group->text(0) + children(group, "[", "]", [&](const QTreeWidgetItem* dvr) {
            return dvr->text(0)
                + children(dvr, "{", "}", [](const QTreeWidgetItem* camera) { return camera->text(0); });
        });
    }
    return groups.join(QLatin1Char(' '));
}

// The file holds the tree, and each group's record equals its DVR items.
void verifyFileHoldsTheTree(const QTreeWidget& tree)
{
    const GroupList saved = savedList();
    QCOMPARE(saved.group_size(), tree.topLevelItemCount());
    for (int g = 0; g < saved.group_size(); ++g) {
        const QTreeWidgetItem* item = tree.topLevelItem(g);
        const Group group = item->data(0, Qt::UserRole).value<Group>();
        QCOMPARE(group.SerializeAsString(), saved.group(g).SerializeAsString());
        QCOMPARE(group.dvr_size(), item->childCount());
        for (int d = 0; d < group.dvr_size(); ++d)
            QCOMPARE(item->child(d)->data(0, Qt::UserRole).value<DVR>().SerializeAsString(),
                group.dvr(d).SerializeAsString());
    }
}

// Answers the modal dialogs the tree raises, as the operator would: an input
// dialog with the next answer (a null text cancels), a message box by closing
// it. What they said is kept.
class Operator : public QObject {
public:
    Operator()
    {
        connect(&m_timer, &QTimer::timeout, this, &Operator::answer);
        m_timer.start(10);
    }
    QStringList answers;
    QStringList asked;
    QStringList messages;

private:
    void answer()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* input = qobject_cast<QInputDialog*>(modal)) {
            asked << input->windowTitle() + QLatin1Char('|') + input->labelText() + QLatin1Char('|')
                    + input->textValue();
            const QString text = answers.isEmpty() ? QString() : answers.takeFirst();
            input->setTextValue(text);
            text.isNull() ? input->reject() : input->accept();
        } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            messages << box->text();
            box->close();
        }
    }
    QTimer m_timer;
};

// The tree as the main window holds it: with a parent, which also holds the
// DVR dialog and the file messages.
struct Window {
    QWidget host;
    CDVRListTree* tree = new CDVRListTree(&host);
    Operator user;

    Window()
    {
        host.resize(300, 900);
        tree->resize(CDVRListTree::TREE_WIDTH, 880);
        host.show();
    }
    CSetDVRInfoDialog* dialog() const { return host.findChild<CSetDVRInfoDialog*>(); }
    QList<QMessageBox*> fileMessages() const { return tree->findChildren<QMessageBox*>(); }

    // Steps separated by ';': "sel:PATH", "addGroup[:NAME]",
    // "editGroup[:NAME]" (no name cancels), "delGroup", "addDVR:NAME",
    // "editDVR:NAME", "cancelDVR", "delDVR", "camera:on|off".
    void run(const QString& steps)
    {
        for (const QString& step : steps.split(QLatin1Char(';'), Qt::SkipEmptyParts))
            runStep(step);
    }

    void runStep(const QString& step)
    {
        const QString command = step.section(QLatin1Char(':'), 0, 0);
        const QString name = step.contains(QLatin1Char(':')) ? step.section(QLatin1Char(':'), 1) : QString();
        if (command == QLatin1String("sel")) {
            tree->setCurrentItem(itemAt(*tree, name));
        } else if (command == QLatin1String("addGroup") || command == QLatin1String("editGroup")) {
            user.answers << name;
            command == QLatin1String("addGroup") ? tree->OnAddGroup() : tree->OnEditGroup();
        } else if (command == QLatin1String("delGroup")) {
            tree->OnDeleteGroup();
        } else if (command == QLatin1String("delDVR")) {
            tree->OnDeleteDVR();
        } else if (command == QLatin1String("camera")) {
            tree->setCameraNameShow(name == QLatin1String("on"));
        } else {
            command == QLatin1String("editDVR") ? tree->OnEditDVR() : tree->OnAddDVR();
            QVERIFY(dialog()->isVisible());
            if (command == QLatin1String("cancelDVR")) {
                dialog()->reject();
                return;
            }
            const auto fill = [this](const char* field, const QString& text) {
                QLineEdit* edit = dialog()->findChild<QLineEdit*>(QLatin1String(field));
                if (edit->text().isEmpty() || QLatin1String(field) == QLatin1String("name"))
                    edit->setText(text);
            };
            fill("name", name);
            fill("address", QStringLiteral("10.0.0.9"));
            fill("id", QStringLiteral("user"));
            fill("password", QStringLiteral("pw"));
            dialog()->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        }
    }
};

void seedFile()
{
    QVERIFY(CControlDVRList().Save(seed()).isOk());
}

const QString SEEDED = QStringLiteral("Office[Front,Back] Shop[Till,Door,Yard]");

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
        window.run("camera:on");
        QCOMPARE(layout(*window.tree),
            QStringLiteral("My Group[My DVR{camera 1,camera 2,camera 3,camera 4,camera 5,"
                           "camera 6,camera 7,camera 8,camera 9,camera 10,camera 11,"
                           "camera 12,camera 13,camera 14,camera 15,camera 16}]"));
        window.run("camera:off");
        window.run("sel:0/0");
        window.tree->OnConnectDVR();
        QVERIFY(QDir(m_dir->path()).isEmpty());

        window.run("addGroup");
        QCOMPARE(window.user.asked, QStringList{"Add Group|Group name:|"});
        QCOMPARE(contentOf(CControlDVRList::filePath()),
            QByteArray("DVRLIST_PB\x0a\x14\x12\x08My Group\x1a\x08\x0a\x06My DVR"));
    }

    // Each row starts from the seeded file; the file is removed before the
    // last step, to see whether that step writes it.
    void commandsKeepTheFile_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("written");
        QTest::addColumn<int>("autoConnect"); // of the first group in the file

        const QString refusedAdd = QStringLiteral("It has same dvr's name. Can't add the dvr.");
        const QString refusedEdit = QStringLiteral("It has same dvr's name. Can't edit the dvr.");
        QTest::newRow("add group") << "addGroup:Yard" << SEEDED + " Yard[]" << QString() << true << 0;
        QTest::newRow("add group, cancelled") << "addGroup" << SEEDED << QString() << true << 0;
        QTest::newRow("add group, empty name") << "addGroup:" << SEEDED << QString() << true << 0;
        QTest::newRow("same group name twice") << "addGroup:Shop" << SEEDED + " Shop[]" << QString() << true << 0;
        QTest::newRow("rename group") << "sel:0;editGroup:HQ"
                                      << "HQ[Front,Back] Shop[Till,Door,Yard]" << QString() << true << 0;
        QTest::newRow("rename group, cancelled") << "sel:0;editGroup" << SEEDED << QString() << true << 0;
        QTest::newRow("delete group") << "sel:0;delGroup"
                                      << "Shop[Till,Door,Yard]" << QString() << true << -1;
        QTest::newRow("delete every group") << "sel:0;delGroup;sel:0;delGroup"
                                            << "" << QString() << true << -1;
        QTest::newRow("add DVR") << "sel:1;addDVR:Cash"
                                 << "Office[Front,Back] Shop[Till,Door,Yard,Cash]" << QString() << true << 0;
        QTest::newRow("add DVR to a new group")
            << "addGroup:Yard;addDVR:Gate" << SEEDED + " Yard[Gate]" << QString() << true << 0;
        QTest::newRow("add DVR, name taken") << "sel:1;addDVR:Till" << SEEDED << refusedAdd << true << 0;
        QTest::newRow("add DVR, name differs in case")
            << "sel:1;addDVR:till"
            << "Office[Front,Back] Shop[Till,Door,Yard,till]" << QString() << true << 0;
        QTest::newRow("add DVR, name of another group's DVR")
            << "sel:1;addDVR:Front"
            << "Office[Front,Back] Shop[Till,Door,Yard,Front]" << QString() << true << 0;
        QTest::newRow("add DVR, cancelled") << "sel:1;cancelDVR" << SEEDED << QString() << false << 0;
        QTest::newRow("edit DVR") << "sel:0/1;editDVR:Rear"
                                  << "Office[Front,Rear] Shop[Till,Door,Yard]" << QString() << true << 0;
        QTest::newRow("edit DVR, own name") << "sel:0/1;editDVR:Back" << SEEDED << QString() << true << 0;
        QTest::newRow("edit DVR, a sibling's name") << "sel:0/1;editDVR:Front" << SEEDED << refusedEdit << true << 0;
        QTest::newRow("delete DVR") << "sel:0/0;delDVR"
                                    << "Office[Back] Shop[Till,Door,Yard]" << QString() << true << -1;
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
        QCOMPARE(layout(*window.tree), SEEDED);

        window.run(steps.section(QLatin1Char(';'), 0, -2));
        QFile::remove(CControlDVRList::filePath());
        window.run(steps.section(QLatin1Char(';'), -1));
        QCOMPARE(layout(*window.tree), expected);
        QCOMPARE(window.user.messages.value(0), message);
        QCOMPARE(QFile::exists(CControlDVRList::filePath()), written);
        if (written) {
            verifyFileHoldsTheTree(*window.tree);
            QCOMPARE(savedList().group_size() > 0 ? savedList().group(0).autoconnect() : -1, autoConnect);
        }
        QVERIFY(window.fileMessages().isEmpty());
    }

    // The dialog's seven fields reach the file; a count it does not offer
    // survives a rename.
    void dialogFieldsReachTheFile()
    {
        seedFile();
        Window window;
        window.run("sel:1/2;editDVR:Garden");
        QCOMPARE(savedList().group(1).dvr(2).chnum(), 12);

        window.run("sel:1");
        window.tree->OnAddDVR();
        DVR entered = record("Gate", 8);
        entered.set_port(8081);
        entered.set_bitch(0x00FB);
        entered.set_oldprotocol(true);
        window.dialog()->setDVR(entered);
        window.dialog()->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        QCOMPARE(savedList().group(1).dvr(3).SerializeAsString(), entered.SerializeAsString());
    }

    void cameraMode()
    {
        seedFile();
        Window window;
        window.run("camera:on");
        QCOMPARE(layout(*window.tree),
            QStringLiteral("Office[Front{camera 1,camera 2,camera 3,camera 4,camera 5,camera 6,camera 7,camera 8,"
                           "camera 9,camera 10,camera 11,camera 12,camera 13,camera 14,camera 15,camera 16},"
                           "Back{camera 1,camera 2,camera 3,camera 4}] "
                           "Shop[Till{Cash,Till 가},Door,Yard{camera 1,camera 2,camera 3,camera 4,"
                           "camera 5,camera 6,camera 7,camera 8,camera 9,camera 10,camera 11,camera 12}]"));
        QVERIFY(window.tree->dragEnabled());
        QCOMPARE(contentOf(CControlDVRList::filePath()),
            QByteArray::fromStdString("DVRLIST_PB" + seed().SerializeAsString()));

        // An edit drops the read names; one set of cameras stays.
        window.run("sel:1/0;editDVR:Till");
        QCOMPARE(layout(*window.tree).section(QStringLiteral("] "), 1),
            QStringLiteral("Shop[Till{camera 1,camera 2,camera 3,camera 4},Door,Yard{camera 1,camera 2,camera 3,camera "
                           "4,camera 5,camera 6,camera 7,camera 8,camera 9,camera 10,camera 11,camera 12}]"));
        QCOMPARE(savedList().group(1).dvr(0).chname_size(), 0);
        window.run("camera:off");
        QCOMPARE(layout(*window.tree), SEEDED);
        QVERIFY(!window.tree->dragEnabled());
    }

    void signalsToTheMainWindow_data()
    {
        QTest::addColumn<bool>("cameraMode");
        QTest::addColumn<QString>("path"); // empty: no current item
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("emitted");

        QTest::newRow("double click on a group") << false << "1"
                                                 << "dclick"
                                                 << "groupConnect Shop 1 -1";
        QTest::newRow("double click on a DVR") << false << "1/2"
                                               << "dclick"
                                               << "groupConnect Shop 1 2";
        QTest::newRow("double click in camera mode") << true << "1/2"
                                                     << "dclick"
                                                     << "";
        QTest::newRow("connect a DVR in camera mode") << true << "1/2"
                                                      << "connect"
                                                      << "groupConnect Shop 1 2";
        QTest::newRow("connect a camera") << true << "1/2/0"
                                          << "connect"
                                          << "";
        QTest::newRow("connect, nothing current") << false << ""
                                                  << "connect"
                                                  << "";
        QTest::newRow("disconnect a group") << false << "1"
                                            << "disconnect"
                                            << "disconnectDVR 1 -1";
        QTest::newRow("disconnect a DVR") << false << "0/1"
                                          << "disconnect"
                                          << "disconnectDVR 0 1 plain";
        QTest::newRow("disconnect a camera") << true << "1/2/0"
                                             << "disconnect"
                                             << "";
        QTest::newRow("disconnect, nothing current") << false << ""
                                                     << "disconnect"
                                                     << "";
        QTest::newRow("click a DVR") << false << "0/1"
                                     << "click"
                                     << "changedDVR 0 1";
        QTest::newRow("click a group") << false << "0"
                                       << "click"
                                       << "";
        QTest::newRow("click a DVR in camera mode") << true << "0/1"
                                                    << "click"
                                                    << "";
        QTest::newRow("delete a group") << false << "1"
                                        << "delGroup"
                                        << "aboutToRemove 1 -1 Shop";
        // The item above becomes current.
        QTest::newRow("delete a DVR") << false << "1/2"
                                      << "delDVR"
                                      << "aboutToRemove 1 2 Yard;changedDVR 1 1";
    }

    void signalsToTheMainWindow()
    {
        QFETCH(bool, cameraMode);
        QFETCH(QString, path);
        QFETCH(QString, action);
        QFETCH(QString, emitted);
        seedFile();
        Window window;
        CDVRListTree* tree = window.tree;
        tree->setCameraNameShow(cameraMode);
        tree->expandAll();
        QTreeWidgetItem* item = path.isEmpty() ? nullptr : itemAt(*tree, path);
        if (item && action != QLatin1String("click") && action != QLatin1String("dclick"))
            tree->setCurrentItem(item);
        if (!item)
            tree->setCurrentItem(nullptr);
        for (int i = 0; i < tree->topLevelItemCount(); ++i) {
            for (int d = 0; d < tree->topLevelItem(i)->childCount(); ++d)
                tree->topLevelItem(i)->child(d)->setIcon(0, CControlDVRList::getConnectedIcon());
        }

        QStringList seen;
        connect(tree, &CDVRListTree::groupConnect, this, [&](const QTreeWidgetItem& group, int g, int d) {
            seen << QStringLiteral("groupConnect %1 %2 %3").arg(group.text(0)).arg(g).arg(d);
        });
        connect(tree, &CDVRListTree::changedDVR, this,
            [&](int g, int d) { seen << QStringLiteral("changedDVR %1 %2").arg(g).arg(d); });
        connect(tree, &CDVRListTree::disconnectDVR, this, [&](int g, int d) {
            const QIcon icon = itemAt(*tree, QStringLiteral("%1/%2").arg(g).arg(d < 0 ? 0 : d))->icon(0);
            const bool plain = icon.pixmap(16).toImage() == CControlDVRList::getDVRIcon().pixmap(16).toImage();
            seen << QStringLiteral("disconnectDVR %1 %2%3").arg(g).arg(d).arg(plain ? " plain" : "");
        });
        connect(tree, &CDVRListTree::aboutToRemove, this, [&](int g, int d) {
            // Still in the tree when told.
            seen << QStringLiteral("aboutToRemove %1 %2 %3")
                        .arg(g)
                        .arg(d)
                        .arg(
                            itemAt(*tree, d < 0 ? QString::number(g) : QStringLiteral("%1/%2").arg(g).arg(d))->text(0));
        });

        const QPoint centre = item ? tree->visualItemRect(item).center() : QPoint();
        if (action == QLatin1String("dclick")) {
            QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, centre);
            seen.clear();
            QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, centre);
            QVERIFY(item->isExpanded());
        } else if (action == QLatin1String("click")) {
            QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, centre);
        } else if (action == QLatin1String("connect")) {
            tree->OnConnectDVR();
        } else if (action == QLatin1String("disconnect")) {
            tree->OnDisconnectDVR();
        } else {
            window.run(action);
        }
        QCOMPARE(seen.join(QLatin1Char(';')), emitted);
    }

    // Entries top to bottom, '+' enabled, '-' disabled.
    void menuFollowsTheCurrentItem_data()
    {
        QTest::addColumn<bool>("editMode");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("entries");

        QTest::newRow("nothing current") << false << ""
                                         << "Connect+ Disconnect+ Add Group- Edit Group- Delete Group- "
                                            "Add DVR- Edit DVR- Delete DVR-";
        QTest::newRow("group") << false << "0"
                               << "Connect+ Disconnect+ Add Group+ Edit Group+ Delete Group+ "
                                  "Add DVR+ Edit DVR- Delete DVR-";
        QTest::newRow("DVR") << false << "0/1"
                             << "Connect+ Disconnect+ Add Group- Edit Group- Delete Group- "
                                "Add DVR- Edit DVR+ Delete DVR+";
        QTest::newRow("E-Map editing, group") << true << "0"
                                              << "Connect+ Disconnect+ Add Group+ Edit Group+ Delete Group+ "
                                                 "Read Camera Name- Add DVR+ Edit DVR- Delete DVR-";
        QTest::newRow("E-Map editing, DVR") << true << "0/1"
                                            << "Connect+ Disconnect+ Add Group- Edit Group- Delete Group- "
                                               "Read Camera Name+ Add DVR- Edit DVR+ Delete DVR+";
        QTest::newRow("E-Map editing, camera") << true << "0/1/0"
                                               << "Connect+ Disconnect+ Add Group- Edit Group- Delete Group- "
                                                  "Read Camera Name- Add DVR- Edit DVR- Delete DVR-";
    }

    void menuFollowsTheCurrentItem()
    {
        QFETCH(bool, editMode);
        QFETCH(QString, path);
        QFETCH(QString, entries);
        seedFile();
        Window window;
        window.tree->setCameraNameShow(editMode);
        window.tree->setCurrentItem(path.isEmpty() ? nullptr : itemAt(*window.tree, path));

        CMenuDVRList menu(window.tree, editMode);
        menu.popup(window.tree->mapToGlobal(QPoint(10, 10)));
        QTRY_VERIFY(menu.isVisible());
        QStringList shown;
        for (const QAction* action : menu.actions()) {
            if (!action->isSeparator())
                shown << action->text() + (action->isEnabled() ? "+" : "-");
        }
        menu.close();
        QCOMPARE(shown.join(QLatin1Char(' ')), entries);
    }

    // Real pointer events in camera mode: a camera announces itself before
    // the toolkit's drag starts; nothing else drags.
    void draggingCameras_data()
    {
        QTest::addColumn<bool>("cameraMode");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("events");
        QTest::newRow("camera") << true << "1/0/1"
                                << "dragCameraItem Till 1;startDrag";
        QTest::newRow("DVR without cameras") << true << "1/1"
                                             << "";
        QTest::newRow("DVR with cameras") << true << "1/0"
                                          << "";
        QTest::newRow("group") << true << "1"
                               << "";
        QTest::newRow("outside camera mode") << false << "1/0"
                                             << "";
    }

    void draggingCameras()
    {
        QFETCH(bool, cameraMode);
        QFETCH(QString, path);
        QFETCH(QString, events);
        seedFile();
        QStringList seen;
        struct Probe : CDVRListTree {
            using CDVRListTree::CDVRListTree;
            QStringList* seen = nullptr;
            void startDrag(Qt::DropActions) override { *seen << QStringLiteral("startDrag"); }
        };
        QWidget host;
        auto* tree = new Probe(&host);
        tree->seen = &seen;
        tree->resize(CDVRListTree::TREE_WIDTH, 880);
        host.resize(300, 900);
        host.show();
        tree->setCameraNameShow(cameraMode);
        tree->expandAll();
        connect(tree, &CDVRListTree::dragCameraItem, this, [&](const DVR& dvr, int channel) {
            if (seen.isEmpty())
                seen << QStringLiteral("dragCameraItem %1 %2").arg(QString::fromStdString(dvr.name())).arg(channel);
        });

        const QPoint start = tree->visualItemRect(itemAt(*tree, path)).center();
        QTest::mousePress(tree->viewport(), Qt::LeftButton, {}, start);
        for (int step = 1; step <= 4; ++step)
            QTest::mouseMove(tree->viewport(), start + QPoint(0, step * QApplication::startDragDistance()));
        QTest::mouseRelease(tree->viewport(), Qt::LeftButton, {}, start);
        QCOMPARE(seen.join(QLatin1Char(';')), events);
    }

    void dropOnTheTreeChangesNothing()
    {
        seedFile();
        Window window;
        window.run("camera:on");
        CDVRListTree* tree = window.tree;
        QTreeWidgetItem* camera = itemAt(*tree, "1/0/0");
        std::unique_ptr<QMimeData> data(tree->model()->mimeData(
            {tree->model()->index(0, 0, tree->model()->index(0, 0, tree->model()->index(1, 0)))}));
        QVERIFY(data && camera);
        const QPoint target = tree->visualItemRect(itemAt(*tree, "0")).center();
        QDropEvent drop(target, Qt::MoveAction, data.get(), Qt::LeftButton, {});
        QApplication::sendEvent(tree->viewport(), &drop);
        window.run("camera:off");
        QCOMPARE(layout(*tree), SEEDED);
        QCOMPARE(contentOf(CControlDVRList::filePath()),
            QByteArray::fromStdString("DVRLIST_PB" + seed().SerializeAsString()));
    }

    // "Read Camera Name" against the test DVR: a live request in the new
    // dialect whatever the DVR speaks; the names, read once as the DVR's
    // narrow text, reach the file and read the same after a restart.
    void readingCameraNames_data()
    {
        QTest::addColumn<bool>("oldProtocol");
        QTest::addColumn<int>("channels");
        QTest::addColumn<QByteArrayList>("sent");
        QTest::addColumn<QString>("shown");

        QTest::newRow("new dialect") << false << 4 << QByteArrayList{"Door", "Hall", "Yard", "Gate"}
                                     << "Door,Hall,Yard,Gate";
        QTest::newRow("old-protocol DVR") << true << 2 << QByteArrayList{"Door", "Hall"} << "Door,Hall";
        QTest::newRow("fewer names than channels")
            << false << 3 << QByteArrayList{"Door", ""} << "Door,camera 2,camera 3";
        QTest::newRow("EUC-KR name") << false << 1 << QByteArrayList{"\xc7\xd1\xb1\xdb"} << "한글";
        QByteArrayList many;
        for (int i = 1; i <= 20; ++i)
            many << "C" + QByteArray::number(i);
        QTest::newRow("more than sixteen channels")
            << false << 20 << many << QString::fromLatin1(many.mid(0, 16).join(','));
    }

    void readingCameraNames()
    {
        QFETCH(bool, oldProtocol);
        QFETCH(int, channels);
        QFETCH(QByteArrayList, sent);
        QFETCH(QString, shown);
        TestDvr dvr;
        QVERIFY(dvr.listen());
        TestDvrContent content = dvr.content();
        content.dvrInfo.set_ch_num(channels);
        content.dvrInfo.clear_ch_name();
        for (const QByteArray& name : sent)
            content.dvrInfo.add_ch_name(name.toStdString());
        dvr.setContent(content);
        GroupList groups;
        groups.add_group()->set_name("Site");
        DVR gate = dvr.dvrRecord(oldProtocol);
        gate.set_chnum(4);
        gate.set_bitch(0x5);
        *groups.mutable_group(0)->add_dvr() = gate;
        QVERIFY(CControlDVRList().Save(groups).isOk());

        auto window = std::make_unique<Window>();
        window->run("camera:on");
        window->run("sel:0/0");
        window->tree->OnReadCameraName();
        const QString expected = QStringLiteral("Site[Test DVR{%1}]").arg(shown);
        QTRY_COMPARE(layout(*window->tree), expected);
        verifyFileHoldsTheTree(*window->tree);
        QCOMPARE(QString::fromStdString(savedList().group(0).dvr(0).chname(0)), shown.section(',', 0, 0));

        const TestDvrRequest request = dvr.requests().first();
        QCOMPARE(request.kind, TestDvrRequest::Command);
        QCOMPARE(request.dialect, TestDvrRequest::NewDialect);
        QCOMPARE(request.mode, int(cgi::MODE_LIVE));
        QVERIFY(request.authorized);
        cgi::Live live;
        QVERIFY(live.ParseFromString(request.data.toStdString()));
        QCOMPARE(live.codec(), cgi::Codec(0));
        QCOMPARE(live.vchmask(), 0x5U);
        QCOMPARE(live.achmask(), 0x5U);
        QVERIFY(live.has_header_only_mask() && live.header_only_mask() == 0);
        QTRY_COMPARE(window->tree->pendingCameraNameReads(), 0);

        window = std::make_unique<Window>();
        window->run("camera:on");
        QCOMPARE(layout(*window->tree), expected);
    }

    // A reply belongs to its own read: one whose DVR went or changed, or
    // whose tree was rebuilt, changes nothing; a DVR that stays silent
    // changes nothing either.
    void lateRepliesChangeNothing_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("silent");
        const QString other = QStringLiteral("Other{camera 1,camera 2}");
        QTest::newRow("DVR deleted") << "sel:0/0;delDVR"
                                     << "Site[" + other + "]" << false;
        QTest::newRow("DVR edited") << "sel:0/0;editDVR:Gate"
                                    << "Site[Gate{camera 1,camera 2,camera 3,camera 4}," + other + "]" << false;
        QTest::newRow("group deleted") << "sel:0;delGroup"
                                       << "" << false;
        QTest::newRow("camera mode left") << "camera:off"
                                          << "Site[Test DVR,Other]" << false;
        QTest::newRow("silent DVR") << ""
                                    << "Site[Test DVR{camera 1,camera 2,camera 3,camera 4}," + other + "]" << true;
    }

    void lateRepliesChangeNothing()
    {
        QFETCH(QString, steps);
        QFETCH(QString, expected);
        QFETCH(bool, silent);
        TestDvr dvr;
        QVERIFY(dvr.listen());
        dvr.setSlowAnswerDelay(300);
        dvr.setFault(silent ? TestDvr::Fault::NoAnswer : TestDvr::Fault::SlowAnswer);
        GroupList groups;
        groups.add_group()->set_name("Site");
        DVR gate = dvr.dvrRecord();
        gate.set_chnum(4);
        *groups.mutable_group(0)->add_dvr() = gate;
        *groups.mutable_group(0)->add_dvr() = record("Other", 2);
        QVERIFY(CControlDVRList().Save(groups).isOk());

        Window window;
        window.run("camera:on");
        window.run("sel:0/0");
        window.tree->OnReadCameraName();
        QVERIFY(dvr.waitForRequests(1));
        window.run(steps);
        const QByteArray file = contentOf(CControlDVRList::filePath());

        QCOMPARE(window.tree->pendingCameraNameReads(), silent ? 1 : 0);
        if (!silent)
            QTRY_COMPARE(dvr.openConnections(), 0);
        QCOMPARE(layout(*window.tree), expected);
        QCOMPARE(contentOf(CControlDVRList::filePath()), file);
    }

    // Two reads at once: each DVR's names land on that DVR, the slower first
    // asked.
    void overlappingReads()
    {
        TestDvr slow;
        TestDvr quick;
        GroupList groups;
        groups.add_group()->set_name("Site");
        for (TestDvr* dvr : {&slow, &quick}) {
            QVERIFY(dvr->listen());
            TestDvrContent content = dvr->content();
            content.dvrInfo.set_ch_num(1);
            content.dvrInfo.set_ch_name(0, dvr == &slow ? "Slow" : "Quick");
            dvr->setContent(content);
            DVR entry = dvr->dvrRecord();
            entry.set_name(dvr == &slow ? "A" : "B");
            entry.set_chnum(1);
            *groups.mutable_group(0)->add_dvr() = entry;
        }
        slow.setSlowAnswerDelay(400);
        slow.setFault(TestDvr::Fault::SlowAnswer);
        QVERIFY(CControlDVRList().Save(groups).isOk());

        Window window;
        window.run("camera:on");
        for (const char* path : {"0/0", "0/1"}) {
            window.run(QStringLiteral("sel:") + path);
            window.tree->OnReadCameraName();
        }
        QTRY_COMPARE(layout(*window.tree), QStringLiteral("Site[A{camera 1},B{Quick}]"));
        QTRY_COMPARE(layout(*window.tree), QStringLiteral("Site[A{Slow},B{Quick}]"));
        verifyFileHoldsTheTree(*window.tree);
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
        if (content.isNull()) {
            QVERIFY(QDir().mkdir(path));
        } else {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
        }

        Window window;
        QCOMPARE(layout(*window.tree), QStringLiteral("My Group[My DVR]"));
        QCOMPARE(window.fileMessages().size(), 1);
        const QString told = window.fileMessages().first()->text();
        QVERIFY(told.contains(QDir::toNativeSeparators(path)));
        window.run("camera:on");
        window.run("camera:off");
        QCOMPARE(window.fileMessages().size(), 1);
        QCOMPARE(window.fileMessages().first()->text(), told);
        QCOMPARE(contentOf(path), content);

        window.run("addGroup:Yard");
        QCOMPARE(window.fileMessages().size(), 1);
        QVERIFY(window.fileMessages().first()->text() != told);
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
        // Permissions do not bind root: act as nobody for the save.
        const bool root = geteuid() == 0;
        QVERIFY(!root || seteuid(65534) == 0);
        window.run("sel:0;delGroup");
        QVERIFY(!root || seteuid(0) == 0);
        chmod(folder.constData(), 0700);

        QCOMPARE(layout(*window.tree), QStringLiteral("Shop[Till,Door,Yard]"));
        QCOMPARE(window.fileMessages().size(), 1);
        QVERIFY(window.fileMessages().first()->text().contains(QStringLiteral("could not be saved")));
        QCOMPARE(contentOf(CControlDVRList::filePath()), before);
    }

private:
    QScopedPointer<QTemporaryDir> m_dir;
};

QTEST_MAIN(tst_CDVRListTree)
#include "tst_CDVRListTree.moc"
