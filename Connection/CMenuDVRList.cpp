#include "CMenuDVRList.h"

#include "Connection/CDVRListTree.h"

#include <functional>

CMenuDVRList::CMenuDVRList(CDVRListTree* tree, QTreeWidgetItem* item, bool editMode)
    : QMenu(tree)
    , m_tree(tree)
    , m_row(tree->rowOf(item))
    , m_editMode(editMode)
{
    createActions();
    addAction(m_connect);
    addAction(m_disconnect);
    addSeparator();
    addAction(m_addGroup);
    addAction(m_editGroup);
    addAction(m_deleteGroup);
    addSeparator();
    if (m_readCameraName)
        addAction(m_readCameraName);
    addAction(m_addDVR);
    addAction(m_editDVR);
    addAction(m_deleteDVR);
    connect(this, &QMenu::aboutToShow, this, &CMenuDVRList::OnShow);
}

CMenuDVRList::~CMenuDVRList() = default;

QAction* CMenuDVRList::treeAction(const QString& text, void (CDVRListTree::*command)(QTreeWidgetItem*))
{
    auto* action = new QAction(text, this);
    connect(action, &QAction::triggered, m_tree, [this, command] { std::invoke(command, m_tree, item()); });
    return action;
}

QTreeWidgetItem* CMenuDVRList::item() const
{
    return m_tree->itemOf(m_row);
}

void CMenuDVRList::createActions()
{
    m_addGroup = new QAction(tr("Add Group"), this);
    connect(m_addGroup, &QAction::triggered, m_tree, &CDVRListTree::OnAddGroup);
    m_editGroup = treeAction(tr("Edit Group"), &CDVRListTree::OnEditGroup);
    m_deleteGroup = treeAction(tr("Delete Group"), &CDVRListTree::OnDeleteGroup);
    if (m_editMode)
        m_readCameraName = treeAction(tr("Read Camera Name"), &CDVRListTree::OnReadCameraName);
    m_addDVR = treeAction(tr("Add DVR"), &CDVRListTree::OnAddDVR);
    m_editDVR = treeAction(tr("Edit DVR"), &CDVRListTree::OnEditDVR);
    m_deleteDVR = treeAction(tr("Delete DVR"), &CDVRListTree::OnDeleteDVR);
    m_connect = treeAction(tr("Connect"), &CDVRListTree::OnConnectDVR);
    m_disconnect = treeAction(tr("Disconnect"), &CDVRListTree::OnDisconnectDVR);
}

void CMenuDVRList::OnShow()
{
    const bool group = CDVRListTree::IsGroupItem(item());
    const bool dvr = CDVRListTree::IsDVRItem(item());
    for (QAction* action : {m_addGroup, m_editGroup, m_deleteGroup, m_addDVR})
        action->setEnabled(group);
    for (QAction* action : {m_readCameraName, m_editDVR, m_deleteDVR}) {
        if (action)
            action->setEnabled(dvr);
    }
}
