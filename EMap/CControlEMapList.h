#pragma once

#include "Common/CListFileStatus.h"
#include "ProtoBuf/EMapList.pb.h"

#include <QIcon>
#include <QPixmap>
#include <QString>

// The E-Map list file "EMaplist.pb" in the application data folder, and the
// pictures of the map tree and of the cameras on a map. Holds no state.
class CControlEMapList {
public:
    static constexpr char PB_EMAPLIST_FILENAME[] = "EMaplist.pb";
    static constexpr char PB_EMAPLIST_FILECODE[] = "EMAPLIST_PB";

    // The file's groups; none when the file is missing or unusable. Never
    // writes; *status tells what became of the file.
    static EMapGroupList Load(CListFileStatus* status = nullptr);
    // Writes the whole list at once, or nothing; an unusable file in place
    // is moved aside first.
    static CListFileStatus Save(const EMapGroupList& list);

    static QString filePath();

    // GUI thread only.
    static QIcon getGroupIcon();
    static QIcon getMapIcon();
    static QIcon getConnectedMapIcon();
    static QIcon getSelectedMapEditIcon();
    static QIcon getSelectedMapViewIcon();
    static QPixmap getCameraPixmap();
    static QPixmap getCameraRecordPixmap();
};
