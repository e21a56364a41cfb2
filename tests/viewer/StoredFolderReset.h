#pragma once

// Removes the stored capture, record and backup folders when it goes. PC
// setup creates a stored folder that is missing, as the operator's folders
// are kept; a main window made after a test's temporary folder was removed
// would therefore make it again. Made after the temporary folder and
// before the main window, it goes after the window and before the folder.
class StoredFolderReset {
public:
    StoredFolderReset() = default;
    ~StoredFolderReset();
    StoredFolderReset(const StoredFolderReset&) = delete;
    StoredFolderReset& operator=(const StoredFolderReset&) = delete;
};
