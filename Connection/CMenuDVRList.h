#pragma once

#include <QMenu>
#include <QPersistentModelIndex>

class CDVRListTree;
class QTreeWidgetItem;

// The DVR tree's context menu, for the item under the pointer: each entry
// calls the tree's command for that item, whichever item is highlighted, and
// opening the menu chooses nothing. Which entries are enabled is decided each
// time the menu opens. The main window runs it with exec() at the pointer and
// destroys it afterwards. While it is open the tree may delete the item
// (camera items are made again as their names arrive): the menu knows its
// item by its row in the tree, and an entry chosen after the item went does
// nothing. GUI thread.
class CMenuDVRList : public QMenu {
    Q_OBJECT

public:
    // The tree is the menu's parent; item is none when the pointer is on no
    // item, and is not kept; editMode (E-Map editing) adds "Read Camera Name".
    CMenuDVRList(CDVRListTree* tree, QTreeWidgetItem* item, bool editMode);
    ~CMenuDVRList() override;

private slots:
    void OnShow();

private:
    void createActions();
    QAction* treeAction(const QString& text, void (CDVRListTree::*command)(QTreeWidgetItem*));
    // The menu's item as the tree holds it now; none once it went.
    QTreeWidgetItem* item() const;

    CDVRListTree* m_tree;
    QPersistentModelIndex m_row;
    bool m_editMode;
    QAction* m_addGroup = nullptr;
    QAction* m_editGroup = nullptr;
    QAction* m_deleteGroup = nullptr;
    QAction* m_readCameraName = nullptr;
    QAction* m_addDVR = nullptr;
    QAction* m_editDVR = nullptr;
    QAction* m_deleteDVR = nullptr;
    QAction* m_connect = nullptr;
    QAction* m_disconnect = nullptr;
};
