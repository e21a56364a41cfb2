#pragma once

#include <QString>

// The application data folder: it holds the DVR and E-Map list files and is
// the default parent of the capture, record and backup folders.
class CAppDir {
public:
    // Inside an application bundle, the folder that holds the bundle; anywhere
    // else the platform's per-user application data folder, created when it
    // is first asked for.
    static QString getCurrentPath();

    // The folder holding the bundle when the executable's folder is a bundle's
    // "Contents/MacOS" (for /A/B.app/Contents/MacOS that is /A), else empty.
    static QString bundleParentPath(const QString& executableDir);

    // Points the data folder at another place (tests use a temporary one); an
    // empty path restores the normal choice.
    static void setCurrentPathOverride(const QString& path);
};
