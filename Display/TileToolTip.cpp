#include "Display/TileToolTip.h"

QString tileToolTip(const QString& status)
{
    return QLatin1String("<p style='white-space:pre'>") + status.toHtmlEscaped() + QLatin1String("</p>");
}
