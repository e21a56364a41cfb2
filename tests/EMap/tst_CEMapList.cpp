#include "EMap/CControlEMapList.h"
#include "EMap/CEMapList.h"
#include "EMap/CEMapSettings.h"
#include "EMap/CEMapSetupDialog.h"
#include "EMap/CSetEMapInfoDialog.h"
#include "FileSizeLimit.h"
#include "Settings/CAppDir.h"
#include "Settings/CAppSettings.h"
#include "SyncFault.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <functional>
#include <optional>

// The map tree as the operator drives it, step by step, against what it
// shows, what it tells the main window and what the list file then holds;
// and the E-Map setup dialog.
namespace {

// "A: a1*2, a2; B" <-> groups, maps and their camera counts.
EMapGroupList parseGroups(const QString& text)
{
    EMapGroupList list;
    for (const QString& group : text.split(QStringLiteral("; "), Qt::SkipEmptyParts)) {
        EMapList* maps = list.add_emaplist();
        maps->set_name(group.section(QLatin1Char(':'), 0, 0).toStdString());
        for (const QString& map :
            group.section(QStringLiteral(": "), 1).split(QStringLiteral(", "), Qt::SkipEmptyParts)) {
            EMap* one = maps->add_emap();
            one->set_name(map.section(QLatin1Char('*'), 0, 0).toStdString());
            one->set_mapimagepath("/maps/" + one->name() + ".png");
            for (int i = 0; i < map.section(QLatin1Char('*'), 1).toInt(); ++i)
                one->add_items()->set_channel(i);
        }
    }
    return list;
}

QString mapText(const EMap& map, const QString& mark = QString())
{
    QString text = QString::fromStdString(map.name()) + mark;
    return map.items_size() ? text + QStringLiteral("*%1").arg(map.items_size()) : text;
}

bool sameIcon(const QIcon& a, const QIcon& b)
{
    return a.pixmap(16).toImage() == b.pixmap(16).toImage();
}

// The tree as shown; a map's icon is marked: "+" selected in view, "^"
// selected in edit, "~" connected.
QString treeText(const CEMapList& tree)
{
    QStringList groups;
    for (int i = 0; i < tree.topLevelItemCount(); ++i) {
        const QTreeWidgetItem* group = tree.topLevelItem(i);
        QStringList maps;
        for (int j = 0; j < group->childCount(); ++j) {
            const QTreeWidgetItem* item = group->child(j);
            const QIcon icon = item->icon(0);
            QString mark;
            if (sameIcon(icon, CControlEMapList::getSelectedMapViewIcon()))
                mark = QStringLiteral("+");
            else if (sameIcon(icon, CControlEMapList::getSelectedMapEditIcon()))
                mark = QStringLiteral("^");
            else if (sameIcon(icon, CControlEMapList::getConnectedMapIcon()))
                mark = QStringLiteral("~");
            maps << mapText(item->data(0, Qt::UserRole).value<EMap>(), mark);
        }
        groups << group->text(0) + (maps.isEmpty() ? QString() : ": " + maps.join(", "));
    }
    return groups.join(QStringLiteral("; "));
}

QTreeWidgetItem* findItem(const CEMapList& tree, const QString& path)
{
    for (int i = 0; i < tree.topLevelItemCount(); ++i) {
        QTreeWidgetItem* group = tree.topLevelItem(i);
        if (group->text(0) == path)
            return group;
        for (int j = 0; j < group->childCount(); ++j) {
            if (group->text(0) + "/" + group->child(j)->text(0) == path)
                return group->child(j);
        }
    }
    return nullptr;
}

// Answers the next modal window (a question, a message) once it is shown;
// returns its text.
QString answerModal(const std::function<void()>& open, const std::function<void(QWidget*)>& answer)
{
    QString text;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        if (auto* box = qobject_cast<QMessageBox*>(modal))
            text = box->text();
        watcher.stop();
        answer(modal);
    });
    watcher.start(10);
    open();
    return text;
}

void pressOk(QWidget* window)
{
    window->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
}

} // namespace

class tst_CEMapList : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void treeSteps_data();
    void treeSteps();
    void setupDialogStoresTheChoices_data();
    void setupDialogStoresTheChoices();
    void setupDialogTellsOfASaveTheDiskRefuses_data();
    void setupDialogTellsOfASaveTheDiskRefuses();

private:
    void step(const QString& action);
    void told(const QString& message)
    {
        if (!message.isEmpty())
            m_signals << "told " + message;
    }

    QScopedPointer<QTemporaryDir> m_dir;
    std::unique_ptr<CEMapList> m_tree;
    QStringList m_signals;
};

void tst_CEMapList::init()
{
    m_dir.reset(new QTemporaryDir);
    CAppDir::setCurrentPathOverride(m_dir->path());
    m_signals.clear();
}

void tst_CEMapList::cleanup()
{
    m_tree.reset();
    CAppDir::setCurrentPathOverride(QString());
    m_dir.reset();
}

void tst_CEMapList::step(const QString& action)
{
    const QString verb = action.section(QLatin1Char(' '), 0, 0);
    const QString what = action.section(QLatin1Char(' '), 1);
    if (verb == QLatin1String("start")) {
        m_tree.reset();
        m_tree = std::make_unique<CEMapList>();
        connect(m_tree.get(), &CEMapList::signalSelectedEMap, this,
            [this](const EMap& map) { m_signals << "map " + mapText(map); });
        connect(m_tree.get(), &CEMapList::signalSelectedEMapGroup, this,
            [this](const EMapList& group) { m_signals << "group " + QString::fromStdString(group.name()); });
        connect(m_tree.get(), &CEMapList::changedEMap, this,
            [this](int index) { m_signals << QStringLiteral("changed %1").arg(index); });
        connect(m_tree.get(), &CEMapList::signalRemoveEMap, this, [this] { m_signals << QStringLiteral("removed"); });
        m_tree->resize(172, 400);
        m_tree->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_tree.get()));
    } else if (verb == QLatin1String("edit-mode")) {
        m_tree->setEditable(true);
    } else if (verb == QLatin1String("select")) {
        m_tree->setCurrentItem(findItem(*m_tree, what));
    } else if (verb == QLatin1String("click") || verb == QLatin1String("dblclick")) {
        const QPoint at = m_tree->visualItemRect(findItem(*m_tree, what)).center();
        // A widget's double click in QTest comes without the press before it.
        QTest::mouseClick(m_tree->viewport(), Qt::LeftButton, {}, at);
        if (verb == QLatin1String("dblclick"))
            QTest::mouseDClick(m_tree->viewport(), Qt::LeftButton, {}, at);
    } else if (verb == QLatin1String("add") || verb == QLatin1String("edit")) {
        // "group/map/image"; the dialog is shown without blocking.
        if (verb == QLatin1String("add"))
            m_tree->OnAddEMap();
        else
            m_tree->OnEditEMap();
        CSetEMapInfoDialog* dialog = m_tree->mapDialog();
        QVERIFY(dialog->isVisible());
        const QStringList fields = what.split(QLatin1Char('/'));
        dialog->findChild<QLineEdit*>(QStringLiteral("EditGroupName"))->setText(fields.value(0));
        dialog->findChild<QLineEdit*>(QStringLiteral("EditEMapName"))->setText(fields.value(1));
        dialog->findChild<QTextEdit*>(QStringLiteral("EditImagePath"))->setPlainText(fields.value(2));
        told(answerModal([dialog] { pressOk(dialog); }, [](QWidget* box) { box->close(); }));
        dialog->close();
    } else if (verb == QLatin1String("rename")) {
        answerModal([this] { m_tree->OnEditEMap(); },
            [what](QWidget* input) {
                static_cast<QInputDialog*>(input)->setTextValue(what);
                static_cast<QInputDialog*>(input)->accept();
            });
    } else if (verb == QLatin1String("delete")) {
        told(answerModal([this] { m_tree->OnDeleteEMap(); }, pressOk));
    } else {
        QFAIL(qPrintable("unknown step " + action));
    }
}

void tst_CEMapList::treeSteps_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("tree");
    QTest::addColumn<QStringList>("signalsSeen");
    QTest::addColumn<QString>("saved"); // "-": no file

    const QString abc = QStringLiteral("A: a1*2, a2, a3; B: b1");
    QTest::newRow("first start: the default group, nothing written")
        << QString() << QStringList{"start"} << "Group: emap1" << QStringList() << "-";
    QTest::newRow("the first change writes the default group too")
        << QString() << QStringList{"start", "add Group/m2/p"} << "Group: emap1, m2+" << QStringList{"map m2"}
        << "Group: emap1, m2";
    QTest::newRow("add to another existing group")
        << abc << QStringList{"start", "select A/a1", "add B/new/p"} << "A: a1*2, a2, a3; B: b1, new+"
        << QStringList{"map new"} << "A: a1*2, a2, a3; B: b1, new";
    QTest::newRow("add with a new group name")
        << abc << QStringList{"start", "add C/c1/p"} << "A: a1*2, a2, a3; B: b1; C: c1+" << QStringList{"map c1"}
        << "A: a1*2, a2, a3; B: b1; C: c1";
    QTest::newRow("a blank field: told, nothing changes")
        << abc << QStringList{"start", "add B//p"} << "A: a1*2, a2, a3; B: b1"
        << QStringList{"told Please fill in all blanks."} << abc;
    QTest::newRow("edit in its own group keeps cameras and place")
        << abc << QStringList{"start", "select A/a1", "edit A/x1/q"} << "A: x1+*2, a2, a3; B: b1"
        << QStringList{"map x1*2"} << "A: x1*2, a2, a3; B: b1";
    QTest::newRow("edit with another group's name moves it, cameras included")
        << abc << QStringList{"start", "dblclick A/a1", "edit B/a1/p"} << "A: a2, a3; B: b1, a1+*2"
        << QStringList{"map a1*2", "removed", "map a1*2"} << "A: a2, a3; B: b1, a1*2";
    QTest::newRow("a rename is saved at once and kept after a restart")
        << abc << QStringList{"start", "select B", "rename Z", "start"} << "A: a1*2, a2, a3; Z: b1" << QStringList()
        << "A: a1*2, a2, a3; Z: b1";
    QTest::newRow("deleting the shown map")
        << abc << QStringList{"start", "dblclick A/a2", "delete"} << "A: a1*2, a3; B: b1"
        << QStringList{"map a2", "removed", "told Are you sure you delete the selected map?"} << "A: a1*2, a3; B: b1";
    QTest::newRow("deleting another map")
        << abc << QStringList{"start", "dblclick A/a2", "select B/b1", "delete"} << "A: a1*2, a2+, a3; B"
        << QStringList{"map a2", "told Are you sure you delete the selected map?"} << "A: a1*2, a2, a3; B";
    QTest::newRow("deleting the group of the shown map")
        << abc << QStringList{"start", "dblclick A/a3", "select A", "delete"} << "B: b1"
        << QStringList{"map a3", "removed", "told Are you sure you delete the selected map group?"} << "B: b1";
    QTest::newRow("view mode: a group connects, a click switches maps")
        << abc << QStringList{"start", "dblclick A", "click A/a3", "click B/b1"} << "A: a1~*2, a2~, a3+; B: b1"
        << QStringList{"group A", "changed 2"} << abc;
    QTest::newRow("edit mode: a group does not connect, a map opens for editing")
        << abc << QStringList{"start", "edit-mode", "dblclick A", "dblclick B/b1"} << "A: a1*2, a2, a3; B: b1^"
        << QStringList{"map b1"} << abc;
}

void tst_CEMapList::treeSteps()
{
    QFETCH(QString, file);
    QFETCH(QStringList, steps);
    QFETCH(QString, tree);
    QFETCH(QStringList, signalsSeen);
    QFETCH(QString, saved);
    if (!file.isEmpty())
        QVERIFY(CControlEMapList::Save(parseGroups(file)).isOk());

    for (const QString& action : steps)
        step(action);

    QCOMPARE(treeText(*m_tree), tree);
    QCOMPARE(m_signals, signalsSeen);
    QCOMPARE(QFile::exists(CControlEMapList::filePath()) ? treeText(CEMapList()) : QStringLiteral("-"), saved);
    QVERIFY(m_tree->store().notices().isEmpty());
}

void tst_CEMapList::setupDialogStoresTheChoices_data()
{
    QTest::addColumn<QVariantList>("stored"); // popup, popdown, image size; invalid: absent
    QTest::addColumn<QVariantList>("shown");
    QTest::addColumn<QVariantList>("meanwhile"); // another viewer's save while the dialog is open
    QTest::addColumn<QVariantList>("chosen"); // empty: cancel
    QTest::addColumn<QVariantList>("after");
    const QVariant none;
    const QVariantList nothing{none, none, none};
    QTest::newRow("fresh: Off, CONT, Adjust; On, 10 s, Original stored as 1, 2, 1")
        << nothing << QVariantList{0, 0, 0} << nothing << QVariantList{1, 2, 1} << QVariantList{1, 2, 1};
    QTest::newRow("each read from its own key, OK keeps them")
        << QVariantList{1, 3, 0} << QVariantList{1, 3, 0} << nothing << QVariantList{1, 3, 0} << QVariantList{1, 3, 0};
    QTest::newRow("shown as stored, cancel changes nothing")
        << QVariantList{1, 3, 1} << QVariantList{1, 3, 1} << nothing << QVariantList() << QVariantList{1, 3, 1};
    QTest::newRow("values the dialog never writes read as the first choice, and stay unless chosen") << QVariantList{
        -1, 4, 7} << QVariantList{0, 0, 0} << nothing << QVariantList{0, 0, 0} << QVariantList{-1, 4, 7};
    QTest::newRow("text in the store reads as the first choice")
        << QVariantList{"on", "x", ""} << QVariantList{0, 0, 0} << nothing << QVariantList{1, 1, 0}
        << QVariantList{1, 1, 0};
    QTest::newRow("another viewer's choices saved meanwhile stay")
        << QVariantList{0, 0, 0} << QVariantList{0, 0, 0} << QVariantList{none, 3, 1} << QVariantList{1, 0, 0}
        << QVariantList{1, 3, 1};
}

void tst_CEMapList::setupDialogStoresTheChoices()
{
    QFETCH(QVariantList, stored);
    QFETCH(QVariantList, shown);
    QFETCH(QVariantList, meanwhile);
    QFETCH(QVariantList, chosen);
    QFETCH(QVariantList, after);
    const QStringList keys{CAppSettings::EMAP_POPUP, CAppSettings::EMAP_POPDOWN, CAppSettings::EMAP_IMAGESIZE};
    CAppSettings settings;
    for (int i = 0; i < 3; ++i) {
        if (stored[i].isValid())
            settings.writeSetting(keys[i], stored[i]);
        else
            settings.remove(keys[i]);
    }
    QCOMPARE(settings.save(), CWholeFileWriter::Result::Written);

    CEMapSetupDialog dialog;
    auto* popup = dialog.findChild<QButtonGroup*>(QStringLiteral("popupGroup"));
    auto* popdown = dialog.findChild<QComboBox*>(QStringLiteral("selPopdown"));
    auto* imageSize = dialog.findChild<QButtonGroup*>(QStringLiteral("imageSizeGroup"));
    QCOMPARE(popdown->count(), 4);
    QCOMPARE(popdown->itemText(3), QStringLiteral("30 s"));
    QCOMPARE((QVariantList{popup->checkedId(), popdown->currentIndex(), imageSize->checkedId()}), shown);
    CAppSettings otherViewer;
    for (int i = 0; i < 3; ++i) {
        if (meanwhile[i].isValid())
            otherViewer.writeSetting(keys[i], meanwhile[i]);
    }
    QCOMPARE(otherViewer.save(), CWholeFileWriter::Result::Written);

    if (chosen.isEmpty()) {
        dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
    } else {
        popup->button(chosen[0].toInt())->click();
        popdown->setCurrentIndex(chosen[1].toInt());
        imageSize->button(chosen[2].toInt())->click();
        pressOk(&dialog);
    }
    QCOMPARE(dialog.result(), chosen.isEmpty() ? int(QDialog::Rejected) : int(QDialog::Accepted));
    const QVariantList read{settings.readSetting(keys[0]).toInt(), settings.readSetting(keys[1]).toInt(),
        settings.readSetting(keys[2]).toInt()};
    QCOMPARE(read, after);
}

void tst_CEMapList::setupDialogTellsOfASaveTheDiskRefuses_data()
{
    QTest::addColumn<bool>("fullDisk"); // else the folder's sync fails
    QTest::addColumn<int>("error");
    QTest::addColumn<int>("result");
    QTest::newRow("a full disk") << true << EFBIG << int(CWholeFileWriter::Result::Failed);
    QTest::newRow("the folder's sync fails") << false << EIO << int(CWholeFileWriter::Result::Unconfirmed);
}

// The operator learns why OK did nothing, and then the dialog stays open
// and the stored choice stays; or that the new choice, in force, may not be
// on the disk.
void tst_CEMapList::setupDialogTellsOfASaveTheDiskRefuses()
{
    QFETCH(bool, fullDisk);
    QFETCH(int, error);
    QFETCH(int, result);
    const bool saved = result == int(CWholeFileWriter::Result::Unconfirmed);
    const int stored = CEMapSettings::popup();
    CEMapSetupDialog dialog;
    QSignalSpy accepted(&dialog, &QDialog::accepted);
    dialog.findChild<QButtonGroup*>(QStringLiteral("popupGroup"))->button(1 - stored)->click();
    QString told;
    {
        std::optional<FileSizeLimit> full;
        if (fullDisk)
            full.emplace(0);
        else
            SyncFault::failNext(true, error);
        told = answerModal([&dialog] { pressOk(&dialog); }, [](QWidget* box) { box->close(); });
    }
    QCOMPARE(told, CAppSettings::saveMessage(CWholeFileWriter::Result(result), qt_error_string(error)));
    QCOMPARE(accepted.count(), saved ? 1 : 0);
    QCOMPARE(CEMapSettings::popup(), saved ? 1 - stored : stored);
}

QTEST_MAIN(tst_CEMapList)
#include "tst_CEMapList.moc"
