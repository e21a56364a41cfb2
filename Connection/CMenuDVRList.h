#pragma once

#include <QMenu>

// The DVR tree's context menu; the main window runs it with exec() at the
// pointer and destroys it afterwards.
class CMenuDVRList : public QMenu {
    Q_OBJECT

public:
    // The parent is the DVR tree; editMode is true in E-Map edit mode.
    CMenuDVRList(QWidget* parent, bool editMode);
    ~CMenuDVRList() override;
};
