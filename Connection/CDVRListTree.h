#pragma once

#include "Common/CListFileStatus.h"
#include "Connection/CDirectoryEntry.h"
#include "ProtoBuf/GroupList.pb.h"
#include "dvr_protocol/cgi_response.pb.h"

#include <QPersistentModelIndex>
#include <QPointer>
#include <QTreeWidget>

class CCameraNameReads;
class CSetDVRInfoDialog;
class QMessageBox;

// The DVR directory as the operator sees it, and the one editor of the DVR
// list file. Top-level items are groups, holding their Group record as
// column 0 data under Qt::UserRole; their children are the group's DVR items
// holding their DVR records, in the order of the group's records. In camera
// mode (E-Map editing) each DVR item carries one camera item per channel,
// which can be dragged onto a map.
//
// Every command on the directory saves the whole list at once; loading, a
// change of camera mode, connecting and selecting never write it.
//
// The highlighted DVR item is the main window's current DVR, which the window
// shows through showCurrent. A left click (or the keyboard) on a DVR item
// chooses it, also when it is highlighted already; the right button chooses
// nothing, as the context menu acts on the item under the pointer, and a
// click or double click under the items does nothing.
class CDVRListTree : public QTreeWidget {
    Q_OBJECT

public:
    static constexpr int TREE_WIDTH = 172;
    static constexpr int MAX_CAMERAS = 16;

    explicit CDVRListTree(QWidget* parent = nullptr);
    ~CDVRListTree() override;

    // The kind of an item; false for none.
    static bool IsGroupItem(const QTreeWidgetItem* item);
    static bool IsDVRItem(const QTreeWidgetItem* item);

    // The row of an item, which follows the item as other items come and go
    // and is invalid once it is deleted, for whoever names an item across an
    // event loop; invalid for none. And the item of such a row, none once it
    // is invalid.
    QPersistentModelIndex rowOf(QTreeWidgetItem* item) const;
    QTreeWidgetItem* itemOf(const QPersistentModelIndex& row) const;

    // Highlights the DVR item of the entry, nothing for an entry no item
    // holds, without choosing it.
    void showCurrent(CDirectoryEntry::Id entry);

    // Shows the plain DVR icon on every DVR item of a top-level group.
    void clearIcon(int groupIndex);
    // Rebuilds the tree from the file with or without camera items when the
    // mode changes; dragging cameras out of the tree is possible exactly
    // while they are shown.
    void setCameraNameShow(bool show);
    bool cameraNameShown() const { return m_cameraMode; }

    // Camera-name reads still waiting for their DVR.
    int pendingCameraNameReads() const;

    // The operator's commands, each on the item it names (a group or a DVR
    // item as the command needs; nothing for another or none).
    void OnAddGroup();
    void OnEditGroup(QTreeWidgetItem* item);
    void OnDeleteGroup(QTreeWidgetItem* item);
    void OnReadCameraName(QTreeWidgetItem* item);
    void OnAddDVR(QTreeWidgetItem* groupItem);
    void OnEditDVR(QTreeWidgetItem* item);
    void OnDeleteDVR(QTreeWidgetItem* item);
    void OnConnectDVR(QTreeWidgetItem* item);
    void OnDisconnectDVR(QTreeWidgetItem* item);

signals:
    // dvrIndex is the chosen DVR item within the group, -1 for the group.
    void groupConnect(const QTreeWidgetItem& treeItem, int groupIndex, int dvrIndex);
    // A DVR item became current (never in camera mode).
    void changedDVR(int groupIndex, int dvrIndex);
    // dvrIndex -1 disconnects the group.
    void disconnectDVR(int groupIndex, int dvrIndex);
    // Sent before a group (dvrIndex -1) or a DVR is deleted from the tree.
    void aboutToRemove(int groupIndex, int dvrIndex);
    // The DVR item holds the record the operator edited.
    void editedDVR(int groupIndex, int dvrIndex);
    // No entry names the record's DVR (address and port) any more: the
    // entries that did were deleted, or edited to name another DVR.
    void unlisted(const DVR& record);
    // The entry, which held the record, no longer names its DVR (it was
    // deleted, or edited to name another), which the heir's entry, holding
    // heirRecord, still names.
    void entryLeft(CDirectoryEntry::Id entry, const DVR& record, CDirectoryEntry::Id heir, const DVR& heirRecord);
    // A camera is about to be dragged: its DVR's record and its channel.
    void dragCameraItem(const DVR& dvr, int chIndex);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private slots:
    void OnItemChanged();
    void OnUpdateDVR();
    void OnReceivedCameraName(const QModelIndex& target, const cgi::DvrInfo& info);

private:
    enum DialogMode { ADD_DVR = 0, EDIT_DVR = 1 };

    void loadDVRList();
    void saveDVRList();
    void addGroup(const Group& group, bool loading);
    void addDVR(QTreeWidgetItem* groupItem, const DVR& dvr, bool loading);
    void editDVR(QTreeWidgetItem* item, const DVR& dvr);
    void setItemData(QTreeWidgetItem* item, const DVR& dvr);
    void appendDVRItem(QTreeWidgetItem* groupItem, const DVR& dvr);
    // A DVR item under groupItem other than `except` with this name.
    static bool hasDVRNamed(const QTreeWidgetItem* groupItem, const QString& name, const QTreeWidgetItem* except);
    void emitGroupConnect(QTreeWidgetItem* item);
    // The DVR item is chosen: the main window makes its DVR current.
    void choose(QTreeWidgetItem* item);
    void deleteItem(QTreeWidgetItem* item);
    // The DVR item that holds that entry number; none when none does.
    QTreeWidgetItem* itemHolding(CDirectoryEntry::Id entry) const;
    // The DVR item of that entry if it names the DVR (CDvrIdentity),
    // otherwise the first that does; none when none does.
    QTreeWidgetItem* itemNaming(const DVR& dvr, CDirectoryEntry::Id entry) const;
    // For each of those entries, which held those records before a delete
    // or an edit: nothing while it still names its DVR, entryLeft while
    // another entry does, and unlisted once for each DVR that no entry
    // names now.
    void tellUnlisted(const QList<QPair<DVR, CDirectoryEntry::Id>>& gone);
    // Every DVR item's record and entry number, group after group.
    QList<QPair<DVR, CDirectoryEntry::Id>> entries() const;
    // The items rebuilt from those records name the same entries.
    void keepEntries(const QList<QPair<DVR, CDirectoryEntry::Id>>& before);
    void tell(const CListFileStatus& status);

    QPointer<CSetDVRInfoDialog> m_dialog;
    DialogMode m_dialogMode = ADD_DVR;
    // The group the dialog adds to, or the DVR item it edits.
    QPersistentModelIndex m_dialogItem;
    bool m_cameraMode = false;
    CCameraNameReads* m_cameraNames;
    bool m_loadProblemTold = false;
    QPointer<QMessageBox> m_fileMessage;
};
