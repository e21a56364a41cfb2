#pragma once

#include "Common/CListFileStatus.h"
#include "ProtoBuf/GroupList.pb.h"

#include <QIcon>
#include <QString>

// The DVR directory file "DVRlist.pb" in the application data folder, and
// the shared icons of the DVR tree. Holds no state: make one on the stack for
// each load or save.
class CControlDVRList {
public:
    static constexpr char PB_DVRLIST_FILENAME[] = "DVRlist.pb";
    static constexpr char PB_DVRLIST_FILECODE[] = "DVRLIST_PB";

    // The directory, never empty: when the file holds no group (missing, empty
    // or unusable) one group "My Group" with one DVR "My DVR" is returned.
    // Never writes; *status tells what became of the file.
    GroupList Load(CListFileStatus* status = nullptr) const;
    CListFileStatus Save(const GroupList& groups) const;

    static QString filePath();

    // The icons of the tree's items (GUI thread only); a DVR item shows the
    // DVR icon until its connection state replaces it.
    static QIcon getGroupIcon();
    static QIcon getDVRIcon();
    static QIcon getCameraIcon();
    static QIcon getConnectedIcon();
    static QIcon getConnectionFailedIcon();
};
