#pragma once

#include <QMenu>

class CEMapList;

// The map tree's context menu (add, edit, delete a map) in E-Map edit mode;
// run with exec() at the pointer and destroyed afterwards.
class CEMapMenu : public QMenu {
    Q_OBJECT

public:
    explicit CEMapMenu(CEMapList* tree);
    ~CEMapMenu() override;
};
