#include "DVRSetup/CPresetNames.h"

#include <QComboBox>

void CPresetNames::name(QComboBox* list)
{
    for (int preset = 1; preset <= COUNT; ++preset) {
        const QString name = tr("preset %1").arg(preset);
        if (preset <= list->count())
            list->setItemText(preset - 1, name);
        else
            list->addItem(name);
    }
}
