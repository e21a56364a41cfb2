#pragma once

#include <QString>

// The tool tip of a wall tile: the tile's status text as it stands, never
// read as markup, on one line however long it is (a markup tool tip wraps
// at a width of the toolkit's choosing). GUI thread; cannot fail.
QString tileToolTip(const QString& status);
