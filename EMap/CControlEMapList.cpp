#include "CControlEMapList.h"

#include "Common/CPBFile.h"
#include "Connection/CControlDVRList.h"
#include "Settings/CAppDir.h"

#include <QDir>

// Outside any namespace, as the resource macro requires.
static void initEMapImages()
{
    Q_INIT_RESOURCE(EMapImages);
}

namespace {

QString imagePath(const char* name)
{
    initEMapImages();
    return QStringLiteral(":/Viewer/files/images/") + QLatin1String(name);
}

// The pixmap cache shares each picture; an icon kept in a static would
// outlive the application object.
QIcon icon(const char* name)
{
    return QIcon(imagePath(name));
}

} // namespace

EMapGroupList CControlEMapList::Load(CListFileStatus* status)
{
    EMapGroupList list;
    const CListFileStatus loaded = CPBFile(filePath(), PB_EMAPLIST_FILECODE).Load(&list);
    if (status)
        *status = loaded;
    return list;
}

CListFileStatus CControlEMapList::Save(const EMapGroupList& list)
{
    return CPBFile(filePath(), PB_EMAPLIST_FILECODE).Save(list);
}

QString CControlEMapList::filePath()
{
    return QDir(CAppDir::getCurrentPath()).filePath(QLatin1String(PB_EMAPLIST_FILENAME));
}

QIcon CControlEMapList::getGroupIcon()
{
    // One picture per resource name: the DVR tree's.
    return CControlDVRList::getGroupIcon();
}

QIcon CControlEMapList::getMapIcon()
{
    return icon("map.png");
}

QIcon CControlEMapList::getConnectedMapIcon()
{
    return icon("connected_map.png");
}

QIcon CControlEMapList::getSelectedMapEditIcon()
{
    return icon("selected_map_edit.png");
}

QIcon CControlEMapList::getSelectedMapViewIcon()
{
    return icon("selected_map_view.png");
}

QPixmap CControlEMapList::getCameraPixmap()
{
    const QIcon camera = CControlDVRList::getCameraIcon();
    return camera.pixmap(camera.availableSizes().value(0));
}

QPixmap CControlEMapList::getCameraRecordPixmap()
{
    return QPixmap(imagePath("camera_record.png"));
}
