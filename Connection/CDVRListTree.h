#pragma once

#include "ProtoBuf/DVRList.pb.h"

#include <QTreeWidget>

// The DVR and group tree of the main window's side column. Top-level items
// are groups, each holding its Group record as column 0 data under
// Qt::UserRole; their children are the group's DVR items in the order of the
// group's DVR records.
class CDVRListTree : public QTreeWidget {
    Q_OBJECT

public:
    explicit CDVRListTree(QWidget* parent = nullptr);
    ~CDVRListTree() override;

    // Shows the plain DVR icon on every DVR item of a top-level group.
    void clearIcon(int groupIndex);
    // Reloads the list with or without camera items; dragging cameras out of
    // the tree is possible exactly while they are shown.
    void setCameraNameShow(bool show);

signals:
    // dvrIndex is the current DVR item within the group, -1 for the group.
    void groupConnect(const QTreeWidgetItem& groupItem, int groupIndex, int dvrIndex);
    void changedDVR(int groupIndex, int dvrIndex);
    void disconnectDVR(int dvrIndex);
    void dragCameraItem(const DVR& dvr, int channel);
};
