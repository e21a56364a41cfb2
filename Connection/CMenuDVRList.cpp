#include "CMenuDVRList.h"

CMenuDVRList::CMenuDVRList(QWidget* parent, bool)
    : QMenu(parent)
{
}

CMenuDVRList::~CMenuDVRList() = default;
