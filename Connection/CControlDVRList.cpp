#include "CControlDVRList.h"

#include "Common/CPBFile.h"
#include "Settings/CAppDir.h"

#include <QDir>

GroupList CControlDVRList::Load(CListFileStatus* status) const
{
    GroupList groups;
    const CListFileStatus loaded = CPBFile(filePath(), PB_DVRLIST_FILECODE).Load(&groups);
    if (status)
        *status = loaded;

    if (groups.group_size() == 0) {
        Group* group = groups.add_group();
        group->set_name("My Group");
        group->add_dvr()->set_name("My DVR");
    }
    return groups;
}

CListFileStatus CControlDVRList::Save(const GroupList& groups) const
{
    return CPBFile(filePath(), PB_DVRLIST_FILECODE).Save(groups);
}

QString CControlDVRList::filePath()
{
    return QDir(CAppDir::getCurrentPath()).filePath(QLatin1String(PB_DVRLIST_FILENAME));
}
