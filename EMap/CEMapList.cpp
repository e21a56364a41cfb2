#include "CEMapList.h"

#include "Common/CPlainMessageBox.h"
#include "EMap/CControlEMapList.h"
#include "EMap/CEMapMetaTypes.h"
#include "EMap/CSetEMapInfoDialog.h"

#include <QInputDialog>
#include <QMessageBox>
#include <QMouseEvent>

namespace {

const int TREE_WIDTH = 172;

bool holdsMap(const QTreeWidgetItem* item)
{
    return item && item->data(0, Qt::UserRole).metaType() == QMetaType::fromType<EMap>();
}

bool groupData(const QTreeWidgetItem* group, EMapList* list)
{
    const QVariant data = group ? group->data(0, Qt::UserRole) : QVariant();
    if (data.metaType() != QMetaType::fromType<EMapList>())
        return false;
    *list = data.value<EMapList>();
    return true;
}

void setGroupData(QTreeWidgetItem* group, const EMapList& list)
{
    group->setData(0, Qt::UserRole, QVariant::fromValue(list));
}

QTreeWidgetItem* groupOf(QTreeWidgetItem* item)
{
    return item && item->parent() ? item->parent() : item;
}

QString utf8(const std::string& text)
{
    return QString::fromStdString(text);
}

} // namespace

CEMapList::CEMapList(QWidget* parent)
    : QTreeWidget(parent)
{
    CEMapMetaTypes::registerTypes();
    setColumnCount(1);
    setHeaderHidden(true);
    setFixedWidth(TREE_WIDTH);
    m_dialog = new CSetEMapInfoDialog(this);
    connect(m_dialog, &QDialog::accepted, this, &CEMapList::OnUpdateEMap);
    loadEMapList();
}

CEMapList::~CEMapList() = default;

void CEMapList::loadEMapList()
{
    EMapGroupList file = m_store.load();
    if (file.emaplist_size() == 0) {
        // Shown, not written: the first saved change writes it with the rest.
        EMapList group;
        group.set_name("Group");
        group.add_emap()->set_name("emap1");
        *file.add_emaplist() = group;
    }
    for (const EMapList& group : file.emaplist())
        addGroup(group, true);
}

void CEMapList::addGroup(const EMapList& list, bool loading)
{
    setCurrentItem(appendGroupItem(list));
    for (const EMap& map : list.emap())
        addEMap(map, loading);
}

QTreeWidgetItem* CEMapList::appendGroupItem(const EMapList& list)
{
    auto* group = new QTreeWidgetItem(this);
    group->setText(0, utf8(list.name()));
    group->setIcon(0, CControlEMapList::getGroupIcon());
    setGroupData(group, list);
    return group;
}

void CEMapList::addEMap(const EMap& map, bool loading)
{
    QTreeWidgetItem* group = groupOf(currentItem());
    if (!group)
        return;
    auto* child = new QTreeWidgetItem(group);
    group->setExpanded(true);
    if (loading) {
        setItemData(child, map);
        return;
    }
    EMapList list;
    groupData(group, &list);
    *list.add_emap() = map;
    setGroupData(group, list);
    setItemData(child, map);
    setCurrentItem(child);
}

void CEMapList::setItemData(QTreeWidgetItem* item, const EMap& map)
{
    item->setData(0, Qt::UserRole, QVariant::fromValue(map));
    item->setText(0, utf8(map.name()));
    item->setIcon(0, CControlEMapList::getMapIcon());
}

void CEMapList::saveEMapList()
{
    EMapGroupList file;
    for (int i = 0; i < topLevelItemCount(); ++i) {
        EMapList list;
        groupData(topLevelItem(i), &list);
        *file.add_emaplist() = list;
    }
    m_store.save(file);
}

void CEMapList::setEditable(bool editable)
{
    if (editable == m_editable)
        return;
    clearIcon();
    m_editable = editable;
}

void CEMapList::clearIcon()
{
    for (int i = 0; i < topLevelItemCount(); ++i) {
        QTreeWidgetItem* group = topLevelItem(i);
        for (int j = 0; j < group->childCount(); ++j)
            group->child(j)->setIcon(0, CControlEMapList::getMapIcon());
    }
}

void CEMapList::OnAddEMap()
{
    m_dialogMode = ADD_MAP;
    QTreeWidgetItem* group = groupOf(currentItem());
    m_dialog->setEMap(group ? group->text(0) : QString(), EMap());
    m_dialog->open();
}

void CEMapList::OnEditEMap()
{
    QTreeWidgetItem* item = currentItem();
    if (!item)
        return;
    m_dialogMode = EDIT_MAP;
    if (!item->parent()) {
        renameGroup(item);
        return;
    }
    m_editItem = item;
    m_dialog->setEMap(item->parent()->text(0), item->data(0, Qt::UserRole).value<EMap>());
    m_dialog->open();
}

void CEMapList::renameGroup(QTreeWidgetItem* group)
{
    bool ok = false;
    const QString name = QInputDialog::getText(
        nullptr, tr("Modify group name"), tr("Group name:"), QLineEdit::Normal, group->text(0), &ok);
    // The tree may have lost the group while the question was open.
    if (!ok || name.isEmpty() || indexOfTopLevelItem(group) < 0)
        return;
    EMapList list;
    if (!groupData(group, &list))
        return;
    list.set_name(name.toStdString());
    setGroupData(group, list);
    group->setText(0, name);
    saveEMapList();
}

void CEMapList::OnUpdateEMap()
{
    const QString groupName = m_dialog->getGroupName();
    const EMap dialogMap = m_dialog->getEMap();
    QTreeWidgetItem* target = findGroup(groupName);
    const bool found = target != nullptr;
    if (!found) {
        EMapList list;
        list.set_name(groupName.toStdString());
        target = appendGroupItem(list);
        setCurrentItem(target);
    }

    if (m_dialogMode == ADD_MAP) {
        if (found)
            setCurrentItem(target);
        addEMap(dialogMap, false);
    } else if (m_editItem && target == m_editItem->parent()) {
        editEMap(dialogMap);
        setCurrentItem(m_editItem);
    } else if (m_editItem) {
        EMap moved = m_editItem->data(0, Qt::UserRole).value<EMap>();
        moved.set_name(dialogMap.name());
        moved.set_mapimagepath(dialogMap.mapimagepath());
        deleteEMap(m_editItem);
        setCurrentItem(target);
        addEMap(moved, false);
    }
    m_editItem = nullptr;
    viewSelectedEmap();
    saveEMapList();
}

QTreeWidgetItem* CEMapList::findGroup(const QString& name) const
{
    for (int i = 0; i < topLevelItemCount(); ++i) {
        if (topLevelItem(i)->text(0) == name)
            return topLevelItem(i);
    }
    return nullptr;
}

void CEMapList::editEMap(const EMap& map)
{
    QTreeWidgetItem* item = m_editItem;
    QTreeWidgetItem* group = item->parent();
    const int index = group->indexOfChild(item);
    EMapList list;
    if (!groupData(group, &list) || index >= list.emap_size())
        return;
    EMap* entry = list.mutable_emap(index);
    entry->set_name(map.name());
    entry->set_mapimagepath(map.mapimagepath());
    setGroupData(group, list);
    setItemData(item, *entry);
}

void CEMapList::OnDeleteEMap()
{
    QTreeWidgetItem* item = currentItem();
    if (!item)
        return;
    const QString question = item->parent() ? tr("Are you sure you delete the selected map?")
                                            : tr("Are you sure you delete the selected map group?");
    if (CPlainMessageBox::question(nullptr, QString(), question, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok)
        != QMessageBox::Ok)
        return;
    // The tree may have changed while the question was open.
    if (currentItem() != item)
        return;
    deleteEMap(item);
    saveEMapList();
}

void CEMapList::deleteEMap(QTreeWidgetItem* item)
{
    QTreeWidgetItem* group = item->parent();
    if (!group) {
        const bool heldShown = m_shownItem && m_shownItem->parent() == item;
        forgetItems(item);
        delete takeTopLevelItem(indexOfTopLevelItem(item));
        if (heldShown)
            emit signalRemoveEMap();
        return;
    }
    const int index = group->indexOfChild(item);
    EMapList list;
    if (!groupData(group, &list) || index >= list.emap_size())
        return;
    list.mutable_emap()->DeleteSubrange(index, 1);
    setGroupData(group, list);
    const bool wasShown = item == m_shownItem;
    forgetItems(item);
    delete group->takeChild(index);
    if (wasShown)
        emit signalRemoveEMap();
}

void CEMapList::forgetItems(QTreeWidgetItem* item)
{
    auto within = [item](const QTreeWidgetItem* held) { return held && (held == item || held->parent() == item); };
    if (within(m_shownItem))
        m_shownItem = nullptr;
    if (within(m_connectedGroup))
        m_connectedGroup = nullptr;
    if (within(m_editItem))
        m_editItem = nullptr;
}

void CEMapList::viewSelectedEmap()
{
    QTreeWidgetItem* item = currentItem();
    if (!holdsMap(item))
        return;
    m_shownItem = item;
    m_groupConnected = false;
    emit signalSelectedEMap(item->data(0, Qt::UserRole).value<EMap>());
    // After the signal: showing a map clears the icons first.
    item->setIcon(
        0, m_editable ? CControlEMapList::getSelectedMapEditIcon() : CControlEMapList::getSelectedMapViewIcon());
}

void CEMapList::OnSaveEMap(const EMap& map)
{
    if (!m_shownItem)
        return;
    QTreeWidgetItem* group = m_shownItem->parent();
    const int index = group->indexOfChild(m_shownItem);
    EMapList list;
    if (groupData(group, &list) && index < list.emap_size()) {
        *list.mutable_emap(index) = map;
        setGroupData(group, list);
    }
    setItemData(m_shownItem, map);
    saveEMapList();
}

void CEMapList::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_leftPressed = true;
    QTreeWidget::mousePressEvent(event);
}

void CEMapList::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_leftPressed) {
        m_leftPressed = false;
        QTreeWidgetItem* item = currentItem();
        if (item && item->childCount() == 0 && m_connectedGroup && item->parent() == m_connectedGroup) {
            emit changedEMap(m_connectedGroup->indexOfChild(item));
            if (m_groupConnected) {
                m_shownItem = item;
                if (m_editable)
                    markGroupMaps(m_connectedGroup, item, CControlEMapList::getSelectedMapEditIcon(),
                        CControlEMapList::getMapIcon());
                else
                    markGroupMaps(m_connectedGroup, item, CControlEMapList::getSelectedMapViewIcon(),
                        CControlEMapList::getConnectedMapIcon());
            }
        }
    }
    QTreeWidget::mouseReleaseEvent(event);
}

void CEMapList::mouseDoubleClickEvent(QMouseEvent*)
{
    QTreeWidgetItem* item = currentItem();
    if (!item)
        return;
    if (m_editable && !item->parent() && item->childCount() > 0)
        return;
    clearIcon();
    if (item->parent()) {
        viewSelectedEmap();
        return;
    }
    EMapList list;
    if (item->childCount() == 0 || !groupData(item, &list))
        return;
    QTreeWidgetItem* first = item->child(0);
    m_shownItem = first;
    m_connectedGroup = item;
    emit signalSelectedEMapGroup(list);
    m_groupConnected = true;
    markGroupMaps(item, first, CControlEMapList::getSelectedMapViewIcon(), CControlEMapList::getConnectedMapIcon());
}

void CEMapList::markGroupMaps(
    QTreeWidgetItem* group, QTreeWidgetItem* chosen, const QIcon& chosenIcon, const QIcon& others)
{
    for (int i = 0; i < group->childCount(); ++i)
        group->child(i)->setIcon(0, group->child(i) == chosen ? chosenIcon : others);
}
