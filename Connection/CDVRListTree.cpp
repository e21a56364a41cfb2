#include "CDVRListTree.h"

#include "Common/CDvrIdentity.h"
#include "Common/CEucKr.h"
#include "Common/CPlainMessageBox.h"
#include "Connection/CCameraNameReads.h"
#include "Connection/CControlDVRList.h"
#include "Connection/CSetDVRInfoDialog.h"

#include <QInputDialog>
#include <QMessageBox>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <algorithm>

namespace {

template <typename Record> bool recordOf(const QTreeWidgetItem* item, Record* record)
{
    if (!item)
        return false;
    const QVariant data = item->data(0, Qt::UserRole);
    if (data.metaType() != QMetaType::fromType<Record>())
        return false;
    *record = data.value<Record>();
    return true;
}

template <typename Record> void setRecord(QTreeWidgetItem* item, const Record& record)
{
    item->setData(0, Qt::UserRole, QVariant::fromValue(record));
}

bool isDVRItem(const QTreeWidgetItem* item)
{
    return item && item->parent() && !item->parent()->parent();
}

// The row of a DVR item in its group's record; -1 when the item is no DVR
// item or its group holds no record of it.
int rowInGroup(QTreeWidgetItem* item, Group* group)
{
    if (!isDVRItem(item) || !recordOf(item->parent(), group))
        return -1;
    const int row = item->parent()->indexOfChild(item);
    return row < group->dvr_size() ? row : -1;
}

// A camera without a name of its own; stored in the list like a read one.
QString cameraName(int channel)
{
    return QStringLiteral("camera %1").arg(channel + 1);
}

void showMessage(const QString& text)
{
    CPlainMessageBox(QMessageBox::NoIcon, QString(), text).exec();
}

// Asks for a group name; empty when cancelled or left empty.
QString askGroupName(const QString& title, const QString& current)
{
    bool ok = false;
    const QString name
        = QInputDialog::getText(nullptr, title, CDVRListTree::tr("Group name:"), QLineEdit::Normal, current, &ok);
    return ok ? name : QString();
}

} // namespace

CDVRListTree::CDVRListTree(QWidget* parent)
    : QTreeWidget(parent)
    , m_dialog(new CSetDVRInfoDialog(parent))
    , m_cameraNames(new CCameraNameReads(this))
{
    setHeaderHidden(true);
    setFixedWidth(TREE_WIDTH);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDragEnabled(false);
    connect(m_dialog, &QDialog::accepted, this, &CDVRListTree::OnUpdateDVR);
    connect(this, &QTreeWidget::itemSelectionChanged, this, &CDVRListTree::OnItemChanged);
    connect(m_cameraNames, &CCameraNameReads::namesRead, this, &CDVRListTree::OnReceivedCameraName);
    loadDVRList();
}

CDVRListTree::~CDVRListTree()
{
    // Without a parent the dialog is the tree's alone.
    if (m_dialog && !m_dialog->parent())
        delete m_dialog;
}

bool CDVRListTree::IsGroupItem(const QTreeWidgetItem* item)
{
    return item && !item->parent();
}

bool CDVRListTree::IsDVRItem(const QTreeWidgetItem* item)
{
    return isDVRItem(item);
}

QPersistentModelIndex CDVRListTree::rowOf(QTreeWidgetItem* item) const
{
    return indexFromItem(item);
}

QTreeWidgetItem* CDVRListTree::itemOf(const QPersistentModelIndex& row) const
{
    return row.isValid() ? itemFromIndex(row) : nullptr;
}

QTreeWidgetItem* CDVRListTree::itemHolding(CDirectoryEntry::Id entry) const
{
    for (int i = 0; i < topLevelItemCount() && entry != CDirectoryEntry::NONE; ++i) {
        QTreeWidgetItem* groupItem = topLevelItem(i);
        for (int row = 0; row < groupItem->childCount(); ++row) {
            if (CDirectoryEntry::held(groupItem->child(row)) == entry)
                return groupItem->child(row);
        }
    }
    return nullptr;
}

void CDVRListTree::showCurrent(CDirectoryEntry::Id entry)
{
    QTreeWidgetItem* shown = itemHolding(entry);
    if (shown == currentItem() && (!shown || shown->isSelected()))
        return;
    // The window already acts on that DVR: nothing is chosen.
    const QSignalBlocker quiet(this);
    setCurrentItem(shown);
    if (!shown)
        clearSelection();
}

int CDVRListTree::pendingCameraNameReads() const
{
    return m_cameraNames->pending();
}

// ---- The list file ----

void CDVRListTree::loadDVRList()
{
    CListFileStatus status;
    const GroupList groups = CControlDVRList().Load(&status);
    for (const Group& group : groups.group())
        addGroup(group, true);
    // A rebuild finds the same unusable file again; it was told once.
    if (!m_loadProblemTold && status.needsAttention()) {
        m_loadProblemTold = true;
        tell(status);
    }
}

void CDVRListTree::saveDVRList()
{
    GroupList groups;
    for (int i = 0; i < topLevelItemCount(); ++i) {
        Group group;
        recordOf(topLevelItem(i), &group);
        *groups.add_group() = group;
    }
    tell(CControlDVRList().Save(groups));
}

// The operator learns of a list file that cannot be used or written without
// being stopped: one box at a time, showing the latest news.
void CDVRListTree::tell(const CListFileStatus& status)
{
    if (!status.needsAttention())
        return;
    if (!m_fileMessage) {
        m_fileMessage = new CPlainMessageBox(QMessageBox::Warning, QString(), QString(), QMessageBox::Ok, this);
        m_fileMessage->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_fileMessage->setText(status.message());
    m_fileMessage->show();
}

// ---- Building items ----

void CDVRListTree::addGroup(const Group& group, bool loading)
{
    auto* item = new QTreeWidgetItem;
    item->setText(0, QString::fromStdString(group.name()));
    item->setIcon(0, CControlDVRList::getGroupIcon());
    setRecord(item, group);
    // Not highlighted: the highlight is the current DVR's.
    addTopLevelItem(item);
    for (const DVR& dvr : group.dvr())
        addDVR(item, dvr, loading);
}

void CDVRListTree::addDVR(QTreeWidgetItem* groupItem, const DVR& dvr, bool loading)
{
    if (!IsGroupItem(groupItem))
        return;
    if (loading) {
        appendDVRItem(groupItem, dvr);
        return;
    }
    Group group;
    if (!recordOf(groupItem, &group))
        return;
    if (hasDVRNamed(groupItem, QString::fromStdString(dvr.name()), nullptr)) {
        showMessage(tr("It has same dvr's name. Can't add the dvr."));
        return;
    }
    *group.add_dvr() = dvr;
    setRecord(groupItem, group);
    appendDVRItem(groupItem, dvr);
}

void CDVRListTree::appendDVRItem(QTreeWidgetItem* groupItem, const DVR& dvr)
{
    auto* item = new QTreeWidgetItem(groupItem);
    groupItem->setExpanded(true);
    setItemData(item, dvr);
}

bool CDVRListTree::hasDVRNamed(const QTreeWidgetItem* groupItem, const QString& name, const QTreeWidgetItem* except)
{
    for (int i = 0; i < groupItem->childCount(); ++i) {
        const QTreeWidgetItem* child = groupItem->child(i);
        if (child != except && child->text(0) == name)
            return true;
    }
    return false;
}

void CDVRListTree::editDVR(QTreeWidgetItem* item, const DVR& dvr)
{
    Group group;
    const int row = rowInGroup(item, &group);
    if (row < 0)
        return;
    if (hasDVRNamed(item->parent(), QString::fromStdString(dvr.name()), item)) {
        showMessage(tr("It has same dvr's name. Can't edit the dvr."));
        return;
    }
    // Names read before the edit belong to the DVR as it was.
    m_cameraNames->cancel(indexFromItem(item));
    const DVR before = group.dvr(row);
    const CDirectoryEntry::Id entry = CDirectoryEntry::held(item);
    *group.mutable_dvr(row) = dvr;
    setRecord(item->parent(), group);
    setItemData(item, dvr);
    emit editedDVR(indexOfTopLevelItem(item->parent()), row);
    tellUnlisted({{before, entry}});
}

QTreeWidgetItem* CDVRListTree::itemNaming(const DVR& dvr, CDirectoryEntry::Id entry) const
{
    QTreeWidgetItem* first = nullptr;
    for (int i = 0; i < topLevelItemCount(); ++i) {
        const QTreeWidgetItem* groupItem = topLevelItem(i);
        for (int row = 0; row < groupItem->childCount(); ++row) {
            QTreeWidgetItem* item = groupItem->child(row);
            DVR named;
            if (!recordOf(item, &named) || !CDvrIdentity::same(named, dvr))
                continue;
            if (CDirectoryEntry::held(item) == entry)
                return item;
            if (!first)
                first = item;
        }
    }
    return first;
}

void CDVRListTree::tellUnlisted(const QList<QPair<DVR, CDirectoryEntry::Id>>& gone)
{
    QList<DVR> told;
    for (const auto& [dvr, entry] : gone) {
        QTreeWidgetItem* item = itemNaming(dvr, entry);
        if (item) {
            // An entry that was never numbered gave nothing.
            DVR heirRecord;
            if (entry != CDirectoryEntry::NONE && CDirectoryEntry::held(item) != entry && recordOf(item, &heirRecord))
                emit entryLeft(entry, dvr, CDirectoryEntry::of(item), heirRecord);
            continue;
        }
        const auto same = [&dvr = dvr](const DVR& other) { return CDvrIdentity::same(other, dvr); };
        if (std::any_of(told.cbegin(), told.cend(), same))
            continue;
        told << dvr;
        emit unlisted(dvr);
    }
}

void CDVRListTree::setItemData(QTreeWidgetItem* item, const DVR& dvr)
{
    DVR shown = dvr;
    if (m_cameraMode) {
        item->setExpanded(true);
        qDeleteAll(item->takeChildren());
        if (shown.chname_size() == 0) {
            const int cameras = std::clamp(shown.chnum(), 0, MAX_CAMERAS);
            for (int channel = 0; channel < cameras; ++channel)
                shown.add_chname(cameraName(channel).toStdString());
        }
        const int cameras = std::min(shown.chname_size(), MAX_CAMERAS);
        for (int channel = 0; channel < cameras; ++channel) {
            auto* camera = new QTreeWidgetItem(item);
            camera->setText(0, QString::fromStdString(shown.chname(channel)));
            camera->setIcon(0, CControlDVRList::getCameraIcon());
        }
    }
    setRecord(item, shown);
    item->setText(0, QString::fromStdString(shown.name()));
    item->setIcon(0, CControlDVRList::getDVRIcon());
}

void CDVRListTree::clearIcon(int groupIndex)
{
    QTreeWidgetItem* groupItem = topLevelItem(groupIndex);
    if (!groupItem)
        return;
    for (int i = 0; i < groupItem->childCount(); ++i)
        groupItem->child(i)->setIcon(0, CControlDVRList::getDVRIcon());
}

// ---- Operator commands ----

void CDVRListTree::OnAddGroup()
{
    const QString name = askGroupName(tr("Add Group"), QString());
    if (!name.isEmpty()) {
        Group group;
        group.set_name(name.toStdString());
        addGroup(group, false);
    }
    saveDVRList();
}

void CDVRListTree::OnEditGroup(QTreeWidgetItem* item)
{
    Group group;
    if (!IsGroupItem(item) || !recordOf(item, &group))
        return;
    // The dialog waits for the operator; meanwhile the item may go, and its
    // record take the camera names read for one of its DVRs.
    const QPersistentModelIndex edited = rowOf(item);
    const QString name = askGroupName(tr("Edit Group"), item->text(0));
    item = itemOf(edited);
    if (!name.isEmpty() && recordOf(item, &group)) {
        item->setText(0, name);
        item->setIcon(0, CControlDVRList::getGroupIcon());
        group.set_name(name.toStdString());
        setRecord(item, group);
    }
    saveDVRList();
}

void CDVRListTree::OnDeleteGroup(QTreeWidgetItem* item)
{
    if (!IsGroupItem(item))
        return;
    QList<QPair<DVR, CDirectoryEntry::Id>> gone;
    for (int row = 0; row < item->childCount(); ++row) {
        DVR dvr;
        if (recordOf(item->child(row), &dvr))
            gone.append({dvr, CDirectoryEntry::held(item->child(row))});
    }
    emit aboutToRemove(indexOfTopLevelItem(item), -1);
    deleteItem(item);
    tellUnlisted(gone);
    saveDVRList();
}

void CDVRListTree::OnAddDVR(QTreeWidgetItem* groupItem)
{
    if (!IsGroupItem(groupItem))
        return;
    m_dialogMode = ADD_DVR;
    m_dialogItem = rowOf(groupItem);
    m_dialog->setDVR(DVR());
    m_dialog->show();
}

void CDVRListTree::OnEditDVR(QTreeWidgetItem* item)
{
    DVR dvr;
    if (!IsDVRItem(item) || !recordOf(item, &dvr))
        return;
    m_dialogMode = EDIT_DVR;
    // Numbered now, so that a rebuild of the tree finds it again.
    CDirectoryEntry::of(item);
    m_dialogItem = rowOf(item);
    m_dialog->setDVR(dvr);
    m_dialog->show();
}

void CDVRListTree::OnUpdateDVR()
{
    // The item the dialog was opened for, whatever is highlighted now; none
    // when it went.
    QTreeWidgetItem* item = itemOf(m_dialogItem);
    const DVR dvr = m_dialog->getDVR();
    if (m_dialogMode == EDIT_DVR)
        editDVR(item, dvr);
    else
        addDVR(item, dvr, false);
    saveDVRList();
}

void CDVRListTree::OnDeleteDVR(QTreeWidgetItem* item)
{
    Group group;
    const int row = rowInGroup(item, &group);
    if (row < 0)
        return;
    QTreeWidgetItem* groupItem = item->parent();
    emit aboutToRemove(indexOfTopLevelItem(groupItem), row);
    // A new record: the group's auto-connect choice does not survive.
    Group remaining;
    remaining.set_name(group.name());
    for (int i = 0; i < group.dvr_size(); ++i) {
        if (i != row)
            *remaining.add_dvr() = group.dvr(i);
    }
    setRecord(groupItem, remaining);
    const CDirectoryEntry::Id entry = CDirectoryEntry::held(item);
    deleteItem(item);
    tellUnlisted({{group.dvr(row), entry}});
    saveDVRList();
}

void CDVRListTree::deleteItem(QTreeWidgetItem* item)
{
    // The toolkit selects a neighbour as the item goes, naming it by its
    // place before the deletion: the highlight stays on the current DVR
    // while that stays, and nothing is highlighted when it goes.
    const QSignalBlocker quiet(this);
    QTreeWidgetItem* shown = currentItem() && currentItem()->isSelected() ? currentItem() : nullptr;
    for (const QTreeWidgetItem* above = shown; above; above = above->parent()) {
        if (above == item)
            shown = nullptr;
    }
    delete item;
    setCurrentItem(shown);
    if (!shown)
        clearSelection();
}

// ---- Connect, disconnect and selection ----

void CDVRListTree::emitGroupConnect(QTreeWidgetItem* item)
{
    if (IsGroupItem(item))
        emit groupConnect(*item, indexOfTopLevelItem(item), -1);
    else if (IsDVRItem(item))
        emit groupConnect(*item->parent(), indexOfTopLevelItem(item->parent()), item->parent()->indexOfChild(item));
}

void CDVRListTree::mousePressEvent(QMouseEvent* event)
{
    // Neither the right button nor a press under the items, where no DVR
    // is, moves the highlight off the current DVR.
    QTreeWidgetItem* item = itemAt(event->position().toPoint());
    if (event->button() == Qt::RightButton || !item) {
        event->accept();
        return;
    }
    const bool highlighted = item->isSelected();
    QTreeWidget::mousePressEvent(event);
    // A newly selected item was chosen as it was selected.
    if (highlighted && event->button() == Qt::LeftButton && item == currentItem())
        choose(item);
}

void CDVRListTree::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton)
        event->accept();
    else
        QTreeWidget::mouseReleaseEvent(event);
}

void CDVRListTree::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (!m_cameraMode && event->button() == Qt::LeftButton)
        emitGroupConnect(itemAt(event->position().toPoint()));
}

void CDVRListTree::OnConnectDVR(QTreeWidgetItem* item)
{
    emitGroupConnect(item);
}

void CDVRListTree::OnDisconnectDVR(QTreeWidgetItem* item)
{
    if (IsGroupItem(item)) {
        emit disconnectDVR(indexOfTopLevelItem(item), -1);
    } else if (IsDVRItem(item)) {
        item->setIcon(0, CControlDVRList::getDVRIcon());
        emit disconnectDVR(indexOfTopLevelItem(item->parent()), item->parent()->indexOfChild(item));
    }
}

void CDVRListTree::OnItemChanged()
{
    choose(currentItem());
}

void CDVRListTree::choose(QTreeWidgetItem* item)
{
    if (m_cameraMode || !IsDVRItem(item))
        return;
    emit changedDVR(indexOfTopLevelItem(item->parent()), item->parent()->indexOfChild(item));
}

// ---- Camera mode ----

void CDVRListTree::setCameraNameShow(bool show)
{
    if (show != m_cameraMode) {
        m_cameraNames->cancelAll();
        const QList<QPair<DVR, CDirectoryEntry::Id>> before = entries();
        const QTreeWidgetItem* highlighted = currentItem() && currentItem()->isSelected() ? currentItem() : nullptr;
        const CDirectoryEntry::Id shown = CDirectoryEntry::held(highlighted);
        // What the open DVR dialog adds to or edits is rebuilt too: what the
        // operator types there goes to the same group or entry.
        QTreeWidgetItem* dialogItem = itemOf(m_dialogItem);
        const CDirectoryEntry::Id dialogEntry = CDirectoryEntry::held(dialogItem);
        const int dialogGroup = IsGroupItem(dialogItem) ? indexOfTopLevelItem(dialogItem) : -1;
        const QString dialogGroupName = IsGroupItem(dialogItem) ? dialogItem->text(0) : QString();
        {
            // The rebuild chooses nothing, and highlights the same entry.
            const QSignalBlocker quiet(this);
            clear();
        }
        m_cameraMode = show;
        loadDVRList();
        keepEntries(before);
        showCurrent(shown);
        QTreeWidgetItem* sameGroup = topLevelItem(dialogGroup);
        m_dialogItem = rowOf(dialogGroup < 0                         ? itemHolding(dialogEntry)
                : sameGroup && sameGroup->text(0) == dialogGroupName ? sameGroup
                                                                     : nullptr);
    }
    setDragEnabled(m_cameraMode);
}

QList<QPair<DVR, CDirectoryEntry::Id>> CDVRListTree::entries() const
{
    QList<QPair<DVR, CDirectoryEntry::Id>> held;
    for (int i = 0; i < topLevelItemCount(); ++i) {
        const QTreeWidgetItem* groupItem = topLevelItem(i);
        for (int row = 0; row < groupItem->childCount(); ++row) {
            DVR dvr;
            recordOf(groupItem->child(row), &dvr);
            held.append({dvr, CDirectoryEntry::held(groupItem->child(row))});
        }
    }
    return held;
}

void CDVRListTree::keepEntries(const QList<QPair<DVR, CDirectoryEntry::Id>>& before)
{
    // The list file holds what the tree held, unless a save failed: then an
    // item that holds another DVR or account is another entry.
    qsizetype next = 0;
    for (int i = 0; i < topLevelItemCount(); ++i) {
        QTreeWidgetItem* groupItem = topLevelItem(i);
        for (int row = 0; row < groupItem->childCount() && next < before.size(); ++row, ++next) {
            DVR now;
            if (recordOf(groupItem->child(row), &now) && CDvrIdentity::streamsAlike(before.at(next).first, now))
                CDirectoryEntry::keep(groupItem->child(row), before.at(next).second);
        }
    }
}

void CDVRListTree::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_cameraMode || event->buttons() == Qt::NoButton) {
        QTreeWidget::mouseMoveEvent(event);
        return;
    }
    // Only a camera starts a drag, so a map never places the camera of an
    // earlier drag.
    QTreeWidgetItem* item = currentItem();
    DVR dvr;
    if (!item || !item->parent() || item->childCount() > 0 || !recordOf(item->parent(), &dvr))
        return;
    emit dragCameraItem(dvr, item->parent()->indexOfChild(item));
    QTreeWidget::mouseMoveEvent(event);
}

void CDVRListTree::dropEvent(QDropEvent* event)
{
    event->ignore();
}

void CDVRListTree::OnReadCameraName(QTreeWidgetItem* item)
{
    DVR dvr;
    if (IsDVRItem(item) && recordOf(item, &dvr))
        m_cameraNames->read(indexFromItem(item), dvr);
}

void CDVRListTree::OnReceivedCameraName(const QModelIndex& target, const cgi::DvrInfo& info)
{
    QTreeWidgetItem* item = itemFromIndex(target);
    Group group;
    const int row = rowInGroup(item, &group);
    if (row < 0)
        return;

    // Stored as UTF-8, read once through the DVRs' narrow encoding.
    DVR& dvr = *group.mutable_dvr(row);
    dvr.clear_chname();
    const int cameras = static_cast<int>(std::min<quint32>(info.ch_num(), MAX_CAMERAS));
    for (int channel = 0; channel < cameras; ++channel) {
        QString name = channel < info.ch_name_size() ? CEucKr::toUnicode(info.ch_name(channel)) : QString();
        if (name.isEmpty())
            name = cameraName(channel);
        dvr.add_chname(name.toStdString());
    }
    setRecord(item->parent(), group);
    setItemData(item, dvr);
    saveDVRList();
}
