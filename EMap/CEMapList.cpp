#include "CEMapList.h"

CEMapList::CEMapList(QWidget* parent)
    : QTreeWidget(parent)
{
    setHeaderHidden(true);
}

CEMapList::~CEMapList() = default;

void CEMapList::setEditable(bool) { }

void CEMapList::clearIcon() { }

void CEMapList::OnSaveEMap(const EMap&) { }
