#include "StoredFolderReset.h"

#include "Settings/CAppSettings.h"

#include <QtGlobal>

StoredFolderReset::~StoredFolderReset()
{
    CAppSettings settings;
    for (const QString& key : CAppSettings::PATH_LIST)
        settings.remove(key);
    if (settings.save() != CWholeFileWriter::Result::Written)
        qWarning("the stored folders were not removed");
}
