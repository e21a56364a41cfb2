#include "CDirectoryEntry.h"

#include <QTreeWidgetItem>

namespace {

// Beside the record the item holds at Qt::UserRole.
const int KEY_ROLE = Qt::UserRole + 1;

} // namespace

CDirectoryEntry::Key CDirectoryEntry::newKey()
{
    static Key last = NONE;
    return ++last;
}

CDirectoryEntry::Key CDirectoryEntry::of(QTreeWidgetItem* item)
{
    if (!item)
        return NONE;
    const QVariant stored = item->data(0, KEY_ROLE);
    if (stored.isValid())
        return stored.value<Key>();
    const Key key = newKey();
    item->setData(0, KEY_ROLE, QVariant::fromValue(key));
    return key;
}
