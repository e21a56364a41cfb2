#pragma once

#include "ProtoBuf/DVRList.pb.h"

#include <QList>
#include <QtGlobal>

class QTreeWidget;
class QTreeWidgetItem;

// Names one entry of the DVR directory for as long as the program runs,
// whatever is edited in its record and however often the tree is built anew
// from the list file: what belongs to the entry rather than to the address
// it had (a relay's pending switch-off) follows it. A DVR connected without
// an entry gets a key of its own. Keys are never reused. GUI thread.
class CDirectoryEntry {
public:
    using Key = quint64;
    // No entry.
    static constexpr Key NONE = 0;

    struct Place {
        Key key = NONE;
        DVR dvr;
    };
    // By group, then by DVR, in tree order.
    using Places = QList<QList<Place>>;

    static Key newKey();
    // The key of the tree item's entry, given on first use.
    static Key of(QTreeWidgetItem* item);

    // The entries of the tree's DVR items, before the tree is built anew.
    static Places places(QTreeWidget& tree);
    // Gives each DVR item of the rebuilt tree the key of the entry that held
    // the same DVR (address, port and name) at its place.
    static void restore(QTreeWidget& tree, const Places& places);
};
