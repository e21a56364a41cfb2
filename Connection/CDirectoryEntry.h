#pragma once

#include <QtGlobal>

class QTreeWidgetItem;

// Names one entry of the DVR directory (a DVR item of the tree) for what is
// given from its pages: a number that the item keeps from its first use, so
// that it names the same entry whatever other items are added, deleted or
// moved, and that no other entry ever takes, also after that entry is
// deleted. A DVR that no item holds (one connected by its address) is an
// entry of its own, numbered by whoever holds its record. GUI thread.
class CDirectoryEntry {
public:
    using Id = quint64;
    // Names no entry.
    static constexpr Id NONE = 0;

    // The item's number, given now if it has none; NONE for no item.
    static Id of(QTreeWidgetItem* item);
    // The number the item holds; NONE when none was given yet.
    static Id held(const QTreeWidgetItem* item);
    // The item, rebuilt from the entry's record, names that entry again.
    static void keep(QTreeWidgetItem* item, Id entry);
    // A number of its own, for a DVR that no item holds.
    static Id fresh();
};
