#include "CDirectoryEntry.h"

#include <QTreeWidgetItem>
#include <QVariant>

namespace {

// Column 0's user role holds the item's record.
const int ENTRY_ROLE = Qt::UserRole + 1;

} // namespace

CDirectoryEntry::Id CDirectoryEntry::of(QTreeWidgetItem* item)
{
    if (!item)
        return NONE;
    if (const Id entry = held(item))
        return entry;
    const Id entry = fresh();
    keep(item, entry);
    return entry;
}

CDirectoryEntry::Id CDirectoryEntry::held(const QTreeWidgetItem* item)
{
    return item ? item->data(0, ENTRY_ROLE).value<Id>() : NONE;
}

void CDirectoryEntry::keep(QTreeWidgetItem* item, Id entry)
{
    item->setData(0, ENTRY_ROLE, QVariant::fromValue(entry));
}

CDirectoryEntry::Id CDirectoryEntry::fresh()
{
    static Id last = NONE;
    return ++last;
}
