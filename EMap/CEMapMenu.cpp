#include "CEMapMenu.h"

#include "EMap/CEMapList.h"

#include <QEvent>

CEMapMenu::CEMapMenu(CEMapList* tree)
    : QMenu(tree)
    , m_add(addAction(QString()))
    , m_edit(addAction(QString()))
    , m_delete(addAction(QString()))
{
    connect(m_add, &QAction::triggered, tree, &CEMapList::OnAddEMap);
    connect(m_edit, &QAction::triggered, tree, &CEMapList::OnEditEMap);
    connect(m_delete, &QAction::triggered, tree, &CEMapList::OnDeleteEMap);
    languageChange();
}

CEMapMenu::~CEMapMenu() = default;

void CEMapMenu::languageChange()
{
    m_add->setText(tr("Add EMap"));
    m_edit->setText(tr("Edit EMap"));
    m_delete->setText(tr("Delete EMap"));
}

void CEMapMenu::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        languageChange();
    QMenu::changeEvent(event);
}
