#pragma once

#include "Common/CListFileStatus.h"
#include "ProtoBuf/EMapList.pb.h"

#include <QStringList>

// Reads and writes the E-Map list file for the map tree, and tells the
// operator what needs telling: a file that cannot be used (it is kept, and
// moved aside by the next save, which says where it went), and a save that
// failed or was not confirmed on the disk, once until a save succeeds again
// or fares otherwise. The notices do not block: a save may happen in the
// middle of a drag.
class CEMapListStore {
public:
    EMapGroupList load();
    // True when the file holds the list.
    bool save(const EMapGroupList& list);

    // The notices shown so far, for tests.
    const QStringList& notices() const { return m_notices; }

private:
    void tell(const QString& text);

    // How the last save fared: the same trouble again is not told again.
    CListFileStatus::Code m_troubleTold = CListFileStatus::Ok;
    QStringList m_notices;
};
