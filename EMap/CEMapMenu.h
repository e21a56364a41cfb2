#pragma once

#include <QMenu>

class CEMapList;
class QAction;

// The map tree's context menu (add, edit, delete a map) in E-Map edit mode;
// run with exec() at the pointer and destroyed afterwards.
class CEMapMenu : public QMenu {
    Q_OBJECT

public:
    explicit CEMapMenu(CEMapList* tree);
    ~CEMapMenu() override;

    virtual void languageChange();

protected:
    void changeEvent(QEvent* event) override;

private:
    QAction* m_add;
    QAction* m_edit;
    QAction* m_delete;
};
