#include "CDirectoryEntry.h"

#include "Common/CDvrIdentity.h"

#include <QTreeWidget>
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

namespace {

DVR recordOf(const QTreeWidgetItem* item)
{
    return item->data(0, Qt::UserRole).value<DVR>();
}

} // namespace

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

CDirectoryEntry::Places CDirectoryEntry::places(QTreeWidget& tree)
{
    Places places;
    for (int group = 0; group < tree.topLevelItemCount(); ++group) {
        QTreeWidgetItem* groupItem = tree.topLevelItem(group);
        QList<Place> dvrs;
        for (int row = 0; row < groupItem->childCount(); ++row)
            dvrs << Place{of(groupItem->child(row)), recordOf(groupItem->child(row))};
        places << dvrs;
    }
    return places;
}

void CDirectoryEntry::restore(QTreeWidget& tree, const Places& places)
{
    for (int group = 0; group < tree.topLevelItemCount() && group < places.size(); ++group) {
        QTreeWidgetItem* groupItem = tree.topLevelItem(group);
        const QList<Place>& dvrs = places.at(group);
        for (int row = 0; row < groupItem->childCount() && row < dvrs.size(); ++row) {
            QTreeWidgetItem* item = groupItem->child(row);
            const DVR now = recordOf(item);
            if (CDvrIdentity::same(now, dvrs.at(row).dvr) && now.name() == dvrs.at(row).dvr.name())
                item->setData(0, KEY_ROLE, QVariant::fromValue(dvrs.at(row).key));
        }
    }
}
