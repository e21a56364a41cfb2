#include "CEMapListStore.h"

#include "EMap/CControlEMapList.h"
#include "EMap/CEMapMessage.h"

#include <QMessageBox>

EMapGroupList CEMapListStore::load()
{
    CListFileStatus status;
    EMapGroupList list = CControlEMapList::Load(&status);
    if (status.needsAttention())
        tell(status.message());
    return list;
}

bool CEMapListStore::save(const EMapGroupList& list)
{
    const CListFileStatus status = CControlEMapList::Save(list);
    // A failed or unconfirmed save repeats at every change until the cause
    // goes away: once is enough, and the moved-aside file is told whatever
    // became of the save.
    if (status.needsAttention() && (status.code() != m_troubleTold || !status.asidePath().isEmpty()))
        tell(status.message());
    m_troubleTold = status.code();
    return status.isSaved();
}

void CEMapListStore::tell(const QString& text)
{
    m_notices.append(text);
    CEMapMessage::show(text)->setIcon(QMessageBox::Warning);
}
