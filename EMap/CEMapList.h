#pragma once

#include "ProtoBuf/EMapList.pb.h"

#include <QTreeWidget>

// The tree of map groups and their maps in the main window's side column in
// both E-Map modes; the one keeper of the E-Map list file.
class CEMapList : public QTreeWidget {
    Q_OBJECT

public:
    explicit CEMapList(QWidget* parent = nullptr);
    ~CEMapList() override;

    // View mode (false) or edit mode (true).
    void setEditable(bool editable);
    // The plain map icon on every map item.
    void clearIcon();

public slots:
    // Stores a map changed in a map view.
    void OnSaveEMap(const EMap& map);

signals:
    void signalSelectedEMap(const EMap& map);
    void signalSelectedEMapGroup(const EMapList& group);
    // Index of a map among the open ones.
    void changedEMap(int index);
    void signalRemoveEMap();
};
