#include "CEMapMenu.h"

#include "EMap/CEMapList.h"

CEMapMenu::CEMapMenu(CEMapList* tree)
    : QMenu(tree)
{
}

CEMapMenu::~CEMapMenu() = default;
