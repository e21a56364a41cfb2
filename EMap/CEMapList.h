#pragma once

#include "EMap/CEMapListStore.h"
#include "ProtoBuf/EMapList.pb.h"

#include <QTreeWidget>

class CSetEMapInfoDialog;

// The tree of map groups and their maps in the main window's side column in
// both E-Map modes; the one keeper of the E-Map list file. A group item
// holds its whole EMapList, a map item its EMap (column 0, Qt::UserRole);
// the i-th map item of a group stands for the group's i-th map, and every
// change of a map or a group is written to the file at once.
class CEMapList : public QTreeWidget {
    Q_OBJECT

public:
    explicit CEMapList(QWidget* parent = nullptr);
    ~CEMapList() override;

    // View mode (false) or edit mode (true).
    void setEditable(bool editable);
    // The plain map icon on every map item.
    void clearIcon();

    // For tests: the file's keeper and the map dialog.
    const CEMapListStore& store() const { return m_store; }
    CSetEMapInfoDialog* mapDialog() const { return m_dialog; }

public slots:
    void OnAddEMap();
    void OnEditEMap();
    void OnDeleteEMap();
    // Stores a map changed in a map view.
    void OnSaveEMap(const EMap& map);

signals:
    void signalSelectedEMap(const EMap& map);
    void signalSelectedEMapGroup(const EMapList& group);
    // Index of a map among the open ones.
    void changedEMap(int index);
    void signalRemoveEMap();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private slots:
    void OnUpdateEMap();

private:
    enum DialogMode { ADD_MAP = 0, EDIT_MAP = 1 };

    void loadEMapList();
    void addGroup(const EMapList& list, bool loading);
    QTreeWidgetItem* appendGroupItem(const EMapList& list);
    void addEMap(const EMap& map, bool loading);
    void setItemData(QTreeWidgetItem* item, const EMap& map);
    void editEMap(const EMap& map);
    void deleteEMap(QTreeWidgetItem* item);
    void viewSelectedEmap();
    void saveEMapList();
    void renameGroup(QTreeWidgetItem* group);
    QTreeWidgetItem* findGroup(const QString& name) const;
    // In a connected group: the chosen map one icon, the others another.
    void markGroupMaps(QTreeWidgetItem* group, QTreeWidgetItem* chosen, const QIcon& chosenIcon, const QIcon& others);
    void forgetItems(QTreeWidgetItem* item);

    CEMapListStore m_store;
    CSetEMapInfoDialog* m_dialog = nullptr;
    DialogMode m_dialogMode = ADD_MAP;
    QTreeWidgetItem* m_editItem = nullptr;
    QTreeWidgetItem* m_shownItem = nullptr;
    QTreeWidgetItem* m_connectedGroup = nullptr;
    bool m_leftPressed = false;
    bool m_editable = false;
    bool m_groupConnected = false;
};
