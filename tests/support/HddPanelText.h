#pragma once

#include "Settings/CHDDWidget.h"
#include "WidgetChild.h"

#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>

// What a disk panel shows, as "title|total|used|free|bar".
inline QString hddPanelText(const CHDDWidget& panel)
{
    QStringList parts{child<QGroupBox>(panel, "HddGroup")->title()};
    for (const char* name : {"totalspace", "usedspace", "freespace"})
        parts << child<QLabel>(panel, name)->text();
    return (parts << QString::number(child<QProgressBar>(panel, "HddProgress")->value())).join(QLatin1Char('|'));
}
