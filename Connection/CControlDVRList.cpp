#include "CControlDVRList.h"

#include "Common/CPBFile.h"
#include "Settings/CAppDir.h"

#include <QDir>

// Outside any namespace, as the resource macro requires.
static void initTreeIcons()
{
    Q_INIT_RESOURCE(TreeIcons);
}

namespace {

// The pixmap cache shares each picture; an icon kept in a static would
// outlive the application object.
QIcon treeIcon(const char* name)
{
    initTreeIcons();
    return QIcon(QStringLiteral(":/Viewer/files/images/") + QLatin1String(name));
}

} // namespace

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

QIcon CControlDVRList::getGroupIcon()
{
    return treeIcon("group.png");
}

QIcon CControlDVRList::getDVRIcon()
{
    return treeIcon("dvr.png");
}

QIcon CControlDVRList::getCameraIcon()
{
    return treeIcon("camera.png");
}

QIcon CControlDVRList::getConnectedIcon()
{
    return treeIcon("connected.png");
}

QIcon CControlDVRList::getConnectionFailedIcon()
{
    return treeIcon("notConnected.png");
}
