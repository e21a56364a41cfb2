#pragma once

#include "Common/CListFileStatus.h"
#include "ProtoBuf/EMapList.pb.h"

#include <QString>

// Reads and writes the E-Map list file for the map tree, and tells the
// operator what needs telling: a file that cannot be used (it is kept, and
// moved aside by the next save, which says where it went), and a save that
// failed, once until a save succeeds again. The notices do not block: a
// save may happen in the middle of a drag.
class CEMapListStore {
public:
    EMapGroupList load();
    bool save(const EMapGroupList& list);

    // The last notice shown, for tests.
    const QString& lastNotice() const { return m_lastNotice; }

private:
    void tell(const QString& text);

    bool m_failureTold = false;
    QString m_lastNotice;
};
