#pragma once

#include <QtGlobal>

class QTreeWidgetItem;

// Names one entry of the DVR directory for as long as the program runs,
// whatever is edited in its record: what belongs to the entry rather than
// to the address it had (a relay's pending switch-off) follows it through
// an edit. A DVR connected without an entry gets a key of its own. Keys are
// never reused. GUI thread.
class CDirectoryEntry {
public:
    using Key = quint64;
    // No entry.
    static constexpr Key NONE = 0;

    static Key newKey();
    // The key of the tree item's entry, given on first use.
    static Key of(QTreeWidgetItem* item);
};
