#pragma once

#include <QMenu>

class CDVRListTree;

// The DVR tree's context menu. Each entry calls the tree's slot for its
// current item; which entries are enabled is decided each time the menu
// opens. The main window runs it with exec() at the pointer and destroys it
// afterwards.
class CMenuDVRList : public QMenu {
    Q_OBJECT

public:
    // The tree is the menu's parent; editMode (E-Map editing) adds "Read
    // Camera Name".
    CMenuDVRList(CDVRListTree* tree, bool editMode);
    ~CMenuDVRList() override;

private slots:
    void OnShow();

private:
    void createActions();
    QAction* treeAction(const QString& text, void (CDVRListTree::*slot)());

    CDVRListTree* m_tree;
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
