#pragma once

#include <QString>

// The folders for snapshots, recordings to the PC and backups (the keys of
// CAppSettings::PATH_LIST). Until the operator picks one, and whenever the
// stored one is empty, a folder of that key's name in the data folder holds
// the files, so that nothing is ever written to the working directory or the
// root of a drive.
class CSavePath {
public:
    // The data folder, a separator and the key, with native separators.
    static QString defaultPath(const QString& key);

    // The stored folder of the key, or defaultPath when none or an empty
    // one is stored.
    static QString folder(const QString& key);
};
